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
source "$root/bench/bench_common.sh"
bench_setup set 5 hexlume-dump "$dump" -- "$@"
big=$work/big.bmp

write_big_bitmap "$big"
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
