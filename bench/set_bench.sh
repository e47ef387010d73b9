#!/usr/bin/env bash
# Times `hexlume-dump --set biHeight=-N big.bmp -o out.bmp` on a 512 MiB bitmap next to cp of the
# same file, with each command's peak memory (resident: for hexlume-dump that counts the pages of
# the mapped file, read to save it and then to check the saved one; its own allocations stay
# under a few MiB). A safe save flushes the new file to the disk and cp does not, so cp followed
# by `sync FILE` (which flushes that one file) is timed too; and --check alone, since --set ends
# with the saved file's verdict. The input is made in TMPDIR (1.5 GiB free needed) and read once
# untimed, so every run finds it in the page cache; each output is removed before each run.
#
# usage: bench/set_bench.sh [-n ROUNDS]      (after scripts/build.sh release hexlume-dump)
# environment: HEXLUME_DUMP (default build/release/cli/hexlume-dump), TMPDIR
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dump=${HEXLUME_DUMP:-$root/build/release/cli/hexlume-dump}
rounds=5
if [ $# -eq 2 ] && [ "$1" = -n ] && [[ $2 =~ ^[1-9][0-9]*$ ]]; then
    rounds=$2
elif [ $# -ne 0 ]; then
    echo "usage: $0 [-n ROUNDS]" >&2
    exit 2
fi
if [ ! -x "$dump" ]; then
    echo "$0: $dump not found; run scripts/build.sh release hexlume-dump first" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/hexlume-set-XXXXXX")
trap 'rm -rf "$work"' EXIT
big=$work/big.bmp

# 8192 × 16384 pixels at 32 bits (BI_RGB): 512 MiB of random pixel data after 54 bytes of headers.
printf 'BM\x36\x00\x00\x20\x00\x00\x00\x00\x36\x00\x00\x00' >"$big"         # file header
printf '\x28\x00\x00\x00\x00\x20\x00\x00\x00\x40\x00\x00\x01\x00\x20\x00' >>"$big" # size, 8192, 16384, 1 plane, 32 bits
printf '\x00\x00\x00\x00\x00\x00\x00\x20\x13\x0b\x00\x00\x13\x0b\x00\x00' >>"$big" # BI_RGB, 512 MiB, 72 dpi
printf '\x00\x00\x00\x00\x00\x00\x00\x00' >>"$big"                                 # no palette
head -c 536870912 /dev/urandom >>"$big"
cat "$big" >/dev/null

# The median of ROUNDS runs of a command writing OUTPUT (removed before each run): seconds and
# peak resident memory in MiB.
median() {
    local name=$1 output=$2
    shift 2
    : >"$work/runs"
    for _ in $(seq "$rounds"); do
        rm -f "$output"
        /usr/bin/time -o "$work/time" -f '%e %M' "$@" >/dev/null 2>&1 || true
        tail -n 1 "$work/time" >>"$work/runs"
    done
    sort -g "$work/runs" | awk -v n="$name" '{ s[NR] = $1; m[NR] = $2 }
        END { i = int((NR + 1) / 2); printf "%-52s %6.2f s %5d MiB peak\n", n, s[i], m[i] / 1024 }'
}

echo "machine: $(nproc) cores, shared; load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "median of $rounds runs, one bitmap of $(($(stat -c %s "$big") / 1048576)) MiB, page cache warm:"
median "cp big.bmp copy.bmp" "$work/copy.bmp" cp "$big" "$work/copy.bmp"
median "cp big.bmp copy.bmp && sync copy.bmp" "$work/copy.bmp" \
    sh -c 'cp "$1" "$2" && sync "$2"' sh "$big" "$work/copy.bmp"
median "hexlume-dump --set biHeight=-16384 ... -o out.bmp" "$work/out.bmp" \
    "$dump" --set biHeight=-16384 "$big" -o "$work/out.bmp"
median "hexlume-dump --check big.bmp (its last step)" "$work/none" "$dump" --check "$big"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
