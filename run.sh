#!/usr/bin/env bash
# Set-up, build, start the window: ./run.sh [FILE]
set -euo pipefail
# A FILE named from where run.sh was started keeps its meaning after the change of folder below.
args=()
for arg in "$@"; do
    if [[ "$arg" == -* ]]; then args+=("$arg"); else args+=("$(realpath -m -- "$arg")"); fi
done
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh release hexlume hexlume-dump

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<'MSG'
Hexlume is built, but there is no display to show its window on.
  - On a machine without a screen, run it under a virtual one:
        xvfb-run -s '-screen 0 1280x800x24' build/release/mainform/hexlume
  - Or read a bitmap's texts without a window:
        build/release/cli/hexlume-dump FILE.bmp
MSG
    exit 1
fi
exec build/release/mainform/hexlume "${args[@]}"
