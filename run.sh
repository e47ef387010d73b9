#!/usr/bin/env bash
# Set-up, build, start. Until the window lands this prints the report of hexlume-dump for a
# bitmap: the one given as the first argument, or a small sample.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh release hexlume-dump

picture=${1:-}
if [ -z "$picture" ]; then
    # A 2 × 2 pixel, 24-bit bitmap of 70 bytes.
    picture=build/sample-2x2.bmp
    printf 'BMF\0\0\0\0\0\0\0\x36\0\0\0(\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0\x10\0\0\0\x12\x0b\0\0\x12\x0b\0\0\0\0\0\0\0\0\0\0\xff\0\0\0\xff\0\0\0\0\0\xff\xff\xff\xff\0\0' >"$picture"
fi
exec build/release/cli/hexlume-dump "$picture"
