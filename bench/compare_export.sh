#!/usr/bin/env bash
# Times `hexlume-dump --export` against xxd -p, od and cp on one 64 MB 24-bit bitmap, in the
# same run: the tools take turns in every round, so a change in machine load hits them all
# alike. Every tool writes into the same temporary folder (one file system, page cache warm
# for the input) and each output is deleted, untimed, before the next command.
#
# usage: bench/compare_export.sh [-n ROUNDS] [--no-od]
#   -n ROUNDS   timed rounds per tool (default 5); the best and the median are reported
#   --no-od     leave out od, which takes several seconds per run
# environment: HEXLUME_DUMP (default build/release/cli/hexlume-dump), TMPDIR
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dump=${HEXLUME_DUMP:-$root/build/release/cli/hexlume-dump}
rounds=5
with_od=1
while [ $# -gt 0 ]; do
    case $1 in
        -n) rounds=${2:?-n needs a number}; shift 2 ;;
        --no-od) with_od=0; shift ;;
        *) echo "usage: $0 [-n ROUNDS] [--no-od]" >&2; exit 2 ;;
    esac
done
if ! [[ $rounds =~ ^[1-9][0-9]*$ ]]; then
    echo "$0: ROUNDS must be a positive number" >&2
    exit 2
fi
if [ ! -x "$dump" ]; then
    echo "$0: $dump not found; build it first:" >&2
    echo "  cmake --build build/release --target hexlume-dump" >&2
    exit 1
fi

tools=(hexlume-dump)
for tool in xxd od cp; do
    [ "$tool" = od ] && [ "$with_od" -eq 0 ] && continue
    if command -v "$tool" >/dev/null; then
        tools+=("$tool")
    else
        echo "note: $tool is not installed; left out" >&2
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/hexlume-compare-XXXXXX")
trap 'rm -rf "$work"' EXIT
picture=$work/picture.bmp
out=$work/out

# 5461 × 4096 pixels at 24 bits: rows of 16383 bytes padded to 16384, 64 MiB of pixel data
# after the 54 bytes of headers. The pixels are random bytes.
data_size=67108864
printf 'BM\x36\x00\x00\x04\x00\x00\x00\x00\x36\x00\x00\x00' >"$picture"         # file header
printf '\x28\x00\x00\x00\x55\x15\x00\x00\x00\x10\x00\x00\x01\x00\x18\x00' >>"$picture" # size, 5461, 4096, 1 plane, 24 bits
printf '\x00\x00\x00\x00\x00\x00\x00\x04\x13\x0b\x00\x00\x13\x0b\x00\x00' >>"$picture" # BI_RGB, 64 MiB, 72 dpi
printf '\x00\x00\x00\x00\x00\x00\x00\x00' >>"$picture"                                 # no palette
head -c "$data_size" /dev/urandom >>"$picture"
cat "$picture" >/dev/null  # into the page cache before anything is timed

run() {
    case $1 in
        hexlume-dump) "$dump" --export "$picture" -o "$out" >/dev/null ;;
        xxd) xxd -p "$picture" >"$out" ;;
        od) od -An -tx1 -v "$picture" >"$out" ;;
        cp) cp "$picture" "$out" ;;
    esac
}

now_us() {
    if [ -n "${EPOCHREALTIME:-}" ]; then
        local t=${EPOCHREALTIME/[.,]/}
        echo $((10#$t))
    else
        echo $(($(date +%s%N) / 1000))
    fi
}

declare -A times sizes
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
# One untimed run each: warms caches, and the output sizes show every tool did its work.
for tool in "${tools[@]}"; do
    run "$tool"
    sizes[$tool]=$(stat -c %s "$out")
    rm -f "$out"
done
for ((round = 1; round <= rounds; round++)); do
    for tool in "${tools[@]}"; do
        start=$(now_us)
        run "$tool"
        end=$(now_us)
        rm -f "$out"
        times[$tool]+="$(((end - start) / 1000)) "
    done
done
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"

declare -A best median
printf '\n%-14s %10s %10s %14s   %s\n' tool "best ms" "median ms" "output bytes" "all runs (ms)"
for tool in "${tools[@]}"; do
    mapfile -t sorted < <(tr ' ' '\n' <<<"${times[$tool]}" | grep . | sort -n)
    best[$tool]=${sorted[0]}
    median[$tool]=${sorted[$((${#sorted[@]} / 2))]}
    printf '%-14s %10d %10d %14d   %s\n' "$tool" "${best[$tool]}" "${median[$tool]}" "${sizes[$tool]}" "${times[$tool]}"
done

if [ -n "${best[xxd]:-}" ]; then
    ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "inf" }'; }
    echo
    echo "xxd -p / hexlume-dump --export: best $(ratio "${best[xxd]}" "${best[hexlume-dump]}")x," \
        "median $(ratio "${median[xxd]}" "${median[hexlume-dump]}")x (target: at least 3x)"
fi
