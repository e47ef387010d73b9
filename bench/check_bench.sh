#!/usr/bin/env bash
# Files per second of `hexlume-dump --check` on 10 000 small bitmaps with one and two threads,
# next to ImageMagick's identify and Pillow's open-and-load on the same files, and GB/s of
# --check on one 512 MiB 8-bit bitmap (its 16-entry table makes the check read every index).
# Every figure is the median of several runs, the files read once untimed first so that every
# run finds them in the page cache.
#
# usage: bench/check_bench.sh [-n ROUNDS]      (after scripts/build.sh release hexlume-dump hexlume_check_files)
# environment: HEXLUME_DUMP, HEXLUME_CHECK_FILES (the builds to use), TMPDIR (about 600 MiB)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dump=${HEXLUME_DUMP:-$root/build/release/cli/hexlume-dump}
make_files=${HEXLUME_CHECK_FILES:-$root/build/release/bench/hexlume_check_files}
source "$root/bench/bench_common.sh"
bench_setup check 5 "hexlume-dump hexlume_check_files" "$dump" "$make_files" -- "$@"
count=10000
mkdir "$work/small"
"$make_files" small "$work/small" "$count"
"$make_files" large "$work/large.bmp" 512
large_bytes=$(stat -c %s "$work/large.bmp")
cat "$work"/small/* "$work/large.bmp" >/dev/null

# The median of ROUNDS wall-clock times of a command, in seconds; its output is dropped.
median_seconds() {
    local times=() start
    for _ in $(seq "$rounds"); do
        start=$EPOCHREALTIME
        "$@" >/dev/null 2>&1 || true
        times+=("$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.6f", b - a }')")
    done
    printf '%s\n' "${times[@]}" | sort -g | awk '{ t[NR] = $1 } END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'
}

files_per_second() {
    local name=$1 seconds
    shift
    seconds=$(median_seconds "$@")
    awk -v n="$name" -v s="$seconds" -v c="$count" 'BEGIN { printf "%-34s %8.3f s %10.0f files/s\n", n, s, c / s }'
}

# Pillow's reader of the files, decoding every one; the first python3 that has it.
pillow=""
for python in /usr/bin/python3 python3; do
    if command -v "$python" >/dev/null && "$python" -c 'import PIL' 2>/dev/null; then
        pillow=$python
        break
    fi
done
load_all='import sys
from PIL import Image
for path in sys.argv[1:]:
    with Image.open(path) as image:
        image.load()'

echo "machine: $(nproc) cores; load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "median of $rounds runs, $count bitmaps of 1 to 12 KiB (24-, 8-, 4- and 1-bit), page cache warm:"
files_per_second "hexlume-dump --check -j1" "$dump" --check -j1 "$work/small"
files_per_second "hexlume-dump --check -j2" "$dump" --check -j2 "$work/small"
if command -v identify >/dev/null; then
    files_per_second "ImageMagick identify" identify "$work"/small/*.bmp
else
    echo "ImageMagick identify: not installed (Debian package imagemagick); skipped"
fi
if [ -n "$pillow" ]; then
    files_per_second "Pillow open + load ($("$pillow" -c 'import PIL; print(PIL.__version__)'))" \
        "$pillow" -c "$load_all" "$work"/small/*.bmp
else
    echo "Pillow: not installed (Debian package python3-pil); skipped"
fi
echo
seconds=$(median_seconds "$dump" --check -q "$work/large.bmp")
awk -v s="$seconds" -v b="$large_bytes" \
    'BEGIN { printf "%-34s %8.3f s %10.2f GB/s (%d bytes)\n", "hexlume-dump --check, one file", s, b / s / 1e9, b }'
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
