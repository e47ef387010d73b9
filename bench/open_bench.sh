#!/usr/bin/env bash
# Runs hexlume_open_bench on 8, 64 and 512 MiB bitmaps, each in a fresh process so every peak
# is that size's own, and prints one table with the targets.
#
#   bench/open_bench.sh [--phases] [SIZE_MIB…]      (after scripts/build.sh release)
#
# HEXLUME_OPEN_BENCH names another build of the program. Each run's full output goes to stderr.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${HEXLUME_OPEN_BENCH:-build/release/bench/hexlume_open_bench}
if [ ! -x "$program" ]; then
    echo "open_bench.sh: $program not found; run scripts/build.sh release first" >&2
    exit 1
fi

extra=()
sizes=()
for arg in "$@"; do
    case "$arg" in
        --phases) extra+=(--phases) ;;
        *) sizes+=("$arg") ;;
    esac
done
[ ${#sizes[@]} -gt 0 ] || sizes=(8 64 512)

# Open-to-ready targets in milliseconds; sizes without one show "-".
time_target() {
    case "$1" in
        64) echo 60 ;;
        512) echo 600 ;;
        *) echo "" ;;
    esac
}

echo "load before: $(uptime)"
echo "disk: $(df -h "${TMPDIR:-/tmp}" | tail -n 1)"

results=()
for size in "${sizes[@]}"; do
    # Several opens for the small sizes, a few for the largest (each takes seconds).
    if [ "$size" -gt 64 ]; then reps=3; else reps=7; fi
    output=$("$program" "$size" --reps "$reps" "${extra[@]}" 2>&1)
    printf '%s\n\n' "$output" >&2
    results+=("$(grep '^RESULT ' <<<"$output")")
done

echo "load after:  $(uptime)"
echo
printf '%-8s %-13s %9s %9s %10s %10s %11s %10s %10s %10s %7s\n' \
    size pixels "file MiB" "dec. MiB" "best ms" "median ms" "target" "peak MiB" "1st peak" "limit MiB" memory
# One value of a RESULT line: field KEY LINE.
field() {
    local pair
    for pair in $2; do
        if [ "${pair%%=*}" = "$1" ]; then
            echo "${pair#*=}"
            return
        fi
    done
}

for line in "${results[@]}"; do
    size_mib=$(field size_mib "$line")
    median_ms=$(field median_ms "$line")
    peak=$(field peak "$line")
    limit=$(field limit "$line")
    target=$(time_target "$size_mib")
    if [ -z "$target" ]; then
        verdict="-"
    elif awk -v m="$median_ms" -v t="$target" 'BEGIN { exit !(m <= t) }'; then
        verdict="<=${target} ok"
    else
        verdict=">${target} MISS"
    fi
    if [ "$peak" -le "$limit" ]; then memory=ok; else memory=MISS; fi
    awk -v s="$size_mib" -v w="$(field width "$line")" -v h="$(field height "$line")" \
        -v f="$(field file "$line")" -v d="$(field decoded "$line")" -v b="$(field best_ms "$line")" \
        -v m="$median_ms" -v v="$verdict" -v p="$peak" -v p1="$(field first_peak "$line")" -v t="$limit" \
        -v mem="$memory" \
        'BEGIN { M = 1048576
                 printf "%-8s %-13s %9.1f %9.1f %10.1f %10.1f %11s %10.1f %10.1f %10.1f %7s\n",
                        s, w "x" h, f / M, d / M, b, m, v, p / M, p1 / M, t / M, mem }'
done
echo
echo "peak: VmHWM over the resident size after start-up, the largest of the opens (every open"
echo "after the first still holds the previous file); limit: previous file + file + 64 MiB"
echo "(dec. MiB: what a full-size decoded picture would take; the open road never makes one)."
