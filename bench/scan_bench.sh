#!/usr/bin/env bash
# Times `hexlume-dump --scan` on one 256 MiB file of random bytes holding a known set of bitmaps
# (every header version, 1 to 32 bits, RLE, bit fields; some cut short, one by the end of the
# file) and decoys ("BM" followed by nonsense, headers whose sizes cannot hold), next to
# `cat FILE >/dev/null` (reading the bytes at all), foremost's bmp carver and binwalk's
# signature scan, in one run: the median of ROUNDS runs of each (binwalk, which takes minutes,
# runs once), page cache warm. Then each one's precision and recall against the known set, a
# bitmap counting as found when a program reports its offset.
#
# usage: bench/scan_bench.sh [-n ROUNDS]      (after scripts/build.sh release hexlume-dump)
# needs: python3 (to make the file), and for the comparison the Debian packages foremost and
# binwalk (apt-get install -y foremost binwalk); a program not installed is left out.
# environment: HEXLUME_DUMP (default build/release/cli/hexlume-dump), TMPDIR (600 MiB free)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dump=${HEXLUME_DUMP:-$root/build/release/cli/hexlume-dump}
source "$root/bench/bench_common.sh"
bench_setup scan 3 hexlume-dump "$dump" -- "$@"
big=$work/disk.img
truth=$work/truth

# The file, and the offsets and lengths of the bitmaps in it ("OFFSET LENGTH" a line; a
# bitmap cut short by other bytes keeps its bfSize, the one the file's end cuts is as long
# as the file lets it be).
python3 - "$big" "$truth" <<'EOF'
import random, struct, sys

SIZE = 256 << 20
rng = random.Random(26)

def file_header(size, off_bits):
    return struct.pack('<2sIHHI', b'BM', size, 0, 0, off_bits)

def bitmap(kind, width, height, bits):
    compression, masks, info_size = 0, b'', 40
    if kind == 'core':
        info = struct.pack('<IHHHH', 12, width, height, 1, bits)
        table = rng.randbytes(3 << bits) if bits <= 8 else b''
    else:
        info_size = {'os2': 64, 'v3': 56, 'v4': 108, 'v5': 124}.get(kind, 40)
        table = rng.randbytes(4 << bits) if bits <= 8 else b''
        if bits == 16 and kind in ('v3', 'v5'):
            compression = 3
            masks = struct.pack('<IIII', 0xF800, 0x07E0, 0x001F, 0)
        if bits == 32 and kind == 'v5':
            compression = 3
            masks = struct.pack('<IIII', 0xFF0000, 0xFF00, 0xFF, 0xFF000000)
    if kind in ('rle8', 'rle4'):
        # Each row: runs of up to 255 pixels, an end of line; then the end of the bitmap.
        compression = 1 if bits == 8 else 2
        stream = bytearray()
        for _ in range(height):
            left = width
            while left:
                n = min(left, rng.randint(1, 255))
                stream += bytes([n, rng.randrange(256)])
                left -= n
            stream += b'\0\0'
        pixels = bytes(stream + b'\0\1')
    else:
        pixels = rng.randbytes((width * bits + 31) // 32 * 4 * height)
    if kind != 'core':
        info = struct.pack('<IiiHHIIiiII', info_size, width, height, 1, bits, compression, len(pixels),
                           2835, 2835, 0, 0)
        info += (masks + bytes(info_size - 40 - len(masks))) if info_size >= 56 else bytes(info_size - 40)
    off = 14 + len(info) + len(table)
    body = info + table + pixels
    return file_header(14 + len(body), off) + body, off

kinds = [('core', 1), ('core', 4), ('core', 8), ('core', 24), ('os2', 8), ('os2', 24),
         ('info', 1), ('info', 4), ('info', 8), ('info', 16), ('info', 24), ('info', 32),
         ('rle8', 8), ('rle4', 4), ('v3', 16), ('v4', 24), ('v5', 16), ('v5', 32), ('v5', 8)]

def decoy(n):
    junk = rng.randbytes(64)
    info = lambda w, h, planes, bits, comp, size=40: struct.pack('<IiiHHII', size, w, h, planes, bits, comp, 0)
    return [
        b'BM' + junk,                                                            # nonsense
        file_header(rng.randrange(1 << 32), 54) + info(0, 20, 1, 24, 0) + junk,  # no width
        file_header(5000, 54) + info(20, 20, 1, 7, 0) + junk,                    # no such bit count
        file_header(5000, 54) + info(20, 20, 3, 24, 0) + junk,                   # three planes
        file_header(5000, 54) + info(100000, 100000, 1, 24, 0) + junk,           # more than 4 GiB of rows
        file_header(rng.randrange(1 << 20), 54) + info(30000, 30000, 1, 32, 0) + junk,  # cannot hold
        file_header(5000, 55) + info(20, 20, 1, 24, 0, 41) + junk,               # no such header size
        file_header(5000, 20) + info(20, 20, 1, 24, 0) + junk,                   # pixels inside the header
        file_header(5000, 54) + info(20, 20, 1, 24, 9) + junk,                   # no such compression
        file_header(5000, 54) + info(20, 20, 1, 24, 1) + junk,                   # RLE8 at 24 bits
    ][n % 10]

items = []
for i in range(120):
    kind, bits = kinds[i % len(kinds)]
    side = rng.choice([1, 7, 13, 64, 200, 640, 1024])
    data, headers = bitmap(kind, side if kind != 'core' else min(side, 640), rng.randint(1, 700), bits)
    # Every tenth is cut short after its headers, the next bytes another's.
    cut = i % 10 == 9 and len(data) > headers + 1
    items.append(('bitmap', data[:rng.randint(headers + 1, len(data) - 1)] if cut else data, len(data)))
for i in range(200):
    items.append(('decoy', decoy(i), 0))
rng.shuffle(items)
last, _ = bitmap('info', 1024, 700, 24)
last_kept = len(last) // 2

out = open(sys.argv[1], 'wb')
truth = open(sys.argv[2], 'w')
at = 0
room = SIZE - last_kept - sum(len(d) for _, d, _ in items)
gaps = sorted(rng.randrange(room) for _ in items)
previous = 0
for (what, data, whole), gap in zip(items, gaps):
    out.write(rng.randbytes(gap - previous))
    at += gap - previous
    previous = gap
    if what == 'bitmap':
        truth.write(f'{at} {whole}\n')
    out.write(data)
    at += len(data)
out.write(rng.randbytes(SIZE - last_kept - at))
at = SIZE - last_kept
truth.write(f'{at} {last_kept}\n')
out.write(last[:last_kept])
EOF
cat "$big" >/dev/null

# The median of RUNS runs of a command: seconds. The last run's standard output is kept as
# $work/NAME.out, and with it foremost's folder $work/out.
median() {
    local runs=$1 name=$2
    shift 2
    : >"$work/runs"
    for _ in $(seq "$runs"); do
        rm -rf "$work/out"
        /usr/bin/time -o "$work/time" -f '%e' "$@" >"$work/$name.out" 2>/dev/null || true
        tail -n 1 "$work/time" >>"$work/runs"
    done
    sort -g "$work/runs" | awk -v n="$name" -v r="$runs" '{ s[NR] = $1 }
        END { printf "%-14s %8.2f s  (median of %d)\n", n, s[int((NR + 1) / 2)], r }'
}

# Precision and recall of the offsets in FILE (one a line) against the known set.
score() {
    local name=$1 found=$2
    LC_ALL=C sort -u "$found" >"$work/found.sorted"
    cut -d' ' -f1 "$truth" | LC_ALL=C sort -u >"$work/truth.sorted"
    local hits reported known
    hits=$(comm -12 "$work/found.sorted" "$work/truth.sorted" | wc -l)
    reported=$(wc -l <"$work/found.sorted")
    known=$(wc -l <"$work/truth.sorted")
    awk -v n="$name" -v h="$hits" -v r="$reported" -v k="$known" 'BEGIN {
        printf "%-14s %4d reported, %4d of %d known found: precision %5.1f %%, recall %5.1f %%\n",
               n, r, h, k, r ? 100 * h / r : 0, 100 * h / k }'
}

echo "machine: $(nproc) cores, shared; load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "one file of $(($(stat -c %s "$big") / 1048576)) MiB, $(wc -l <"$truth") bitmaps and 200 decoys in it, page cache warm:"
median "$rounds" cat sh -c 'cat "$1" >/dev/null' sh "$big"
median "$rounds" hexlume-dump "$dump" --scan "$big" --json
have_foremost=$(command -v foremost || true)
have_binwalk=$(command -v binwalk || true)
if [ -n "$have_foremost" ]; then
    median "$rounds" foremost foremost -t bmp -i "$big" -o "$work/out"
    awk -F'\t' '/^[0-9]+:/ { gsub(/ /, "", $4); print $4 }' "$work/out/audit.txt" >"$work/foremost.offsets"
else
    echo "foremost: not installed (apt-get install -y foremost)"
fi
# binwalk 2 takes minutes on this file: one run.
if [ -n "$have_binwalk" ]; then
    median 1 binwalk binwalk "$big"
    awk '/PC bitmap/ { print $1 }' "$work/binwalk.out" >"$work/binwalk.offsets"
else
    echo "binwalk: not installed (apt-get install -y binwalk)"
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"

echo "found against the $(wc -l <"$truth") bitmaps put in (a bitmap counts when its offset is reported):"
sed 's/^{"offset":\([0-9]*\),"length":\([0-9]*\).*/\1 \2/' "$work/hexlume-dump.out" >"$work/hexlume"
cut -d' ' -f1 "$work/hexlume" >"$work/hexlume.offsets"
score "hexlume-dump" "$work/hexlume.offsets"
echo "               lengths as put in: $(LC_ALL=C sort "$work/hexlume" | LC_ALL=C comm -12 - <(LC_ALL=C sort "$truth") | wc -l) of the bitmaps found"
[ -z "$have_foremost" ] || score "foremost" "$work/foremost.offsets"
[ -z "$have_binwalk" ] || score "binwalk" "$work/binwalk.offsets"
