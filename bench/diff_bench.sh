#!/usr/bin/env bash
# Times `hexlume-dump --diff` on two 512 MiB bitmaps that differ in three pixels, next to cmp
# and a plain read of both files (cat), with each command's peak memory (resident: for --diff
# that counts the pages of both mapped files; its own allocations stay under a few MiB). The files are made in
# TMPDIR (1 GiB) and read once untimed, so every command finds them in the page cache.
#
# usage: bench/diff_bench.sh [-n ROUNDS]      (after scripts/build.sh release hexlume-dump)
# environment: HEXLUME_DUMP (default build/release/cli/hexlume-dump), TMPDIR
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dump=${HEXLUME_DUMP:-$root/build/release/cli/hexlume-dump}
source "$root/bench/bench_common.sh"
bench_setup diff 3 hexlume-dump "$dump" -- "$@"
a=$work/a.bmp
b=$work/b.bmp

write_big_bitmap "$a"
cp "$a" "$b"
# Three pixels of b get a colour of their own: near the bottom, in the middle, at the top.
for pixel in 5 67108864 134217000; do
    printf '\x01\x02\x03\x00' | dd of="$b" bs=1 seek=$((54 + 4 * pixel)) conv=notrunc status=none
done
cat "$a" "$b" >/dev/null

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
best() {
    local name=$1 best_s="" best_kib=""
    shift
    for _ in $(seq "$rounds"); do
        /usr/bin/time -o "$work/time" -f '%e %M' "$@" >/dev/null 2>&1 || true
        local line seconds kib
        line=$(tail -n 1 "$work/time")
        seconds=${line% *} kib=${line#* }
        if [ -z "$best_s" ] || awk "BEGIN { exit !($seconds < $best_s) }"; then
            best_s=$seconds best_kib=$kib
        fi
    done
    printf '%-22s %8s s %10s MiB peak\n' "$name" "$best_s" "$((best_kib / 1024))"
}
echo "best of $rounds, two files of $((536870966 / 1048576)) MiB each:"
best "cat a b (read both)" cat "$a" "$b"
# cmp stops at the first difference; cmp -l reads both files to the end, as --diff does.
best "cmp a b" cmp "$a" "$b"
best "cmp -l a b" sh -c 'cmp -l "$1" "$2" >"$3"' sh "$a" "$b" "$work/cmp"
best "hexlume-dump --diff" "$dump" --diff "$a" "$b"
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"
"$dump" --diff "$a" "$b" | head -n 8 || true
