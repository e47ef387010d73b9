#!/usr/bin/env bash
# Builds the fuzz targets (in the sanitize tree) and runs each for SECONDS (default 60), as many at once
# as there are cores, on a corpus seeded from the tests' shapes and ../shared/bmpsuite when present.
# Fails on any finding.
#   fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
# The fuzz targets live in the sanitize tree (built there already when test.sh runs this);
# seeds, corpora and findings in build/fuzz.
scripts/build.sh sanitize LoadAndTextsFuzzer ExportFuzzer DecoderFuzzer FormatFuzzer hexlume_fuzz_seeds
programs=build/sanitize/fuzz
build=build/fuzz
mkdir -p "$build"

seeds="$build/seeds"
mkdir -p "$seeds"
"$programs/hexlume_fuzz_seeds" "$seeds"
for suite in ../shared/bmpsuite/g ../shared/bmpsuite/q ../shared/bmpsuite/x; do
    [ -d "$suite" ] && cp "$suite"/*.bmp "$seeds"/
done

# DecoderFuzzer's input starts with the target size: the same seeds, each behind 0 x 0 (the
# picture's own size, as far as the target's area cap allows).
sized="$build/seeds-sized"
mkdir -p "$sized"
for seed in "$seeds"/*; do
    { printf '\000\000\000\000'; cat "$seed"; } >"$sized/$(basename "$seed")"
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Each fuzzer uses one core: as many run side by side as there are cores, each for the full time.
run_fuzzer() {
    local fuzzer=$1 corpus="$build/corpus-$1" fuzzer_seeds=$seeds
    [ "$fuzzer" = DecoderFuzzer ] && fuzzer_seeds=$sized
    mkdir -p "$corpus" "$scratch/$fuzzer"
    # Findings (crash-*, leak-*, timeout-*) land in the build folder for a look afterwards.
    if TMPDIR="$scratch/$fuzzer" "$programs/$fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
            -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$build/" "$corpus" "$fuzzer_seeds" \
            >"$build/$fuzzer.log" 2>&1; then
        echo 0 >"$scratch/$fuzzer.status"
    else
        echo 1 >"$scratch/$fuzzer.status"
    fi
}
fuzzers=(LoadAndTextsFuzzer ExportFuzzer DecoderFuzzer FormatFuzzer)
side_by_side=$(nproc)
for fuzzer in "${fuzzers[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$side_by_side" ]; do
        wait -n || true
    done
    echo "== $fuzzer: $seconds s"
    run_fuzzer "$fuzzer" &
done
wait

status=0
for fuzzer in "${fuzzers[@]}"; do
    if [ "$(cat "$scratch/$fuzzer.status" 2>/dev/null)" != 0 ]; then
        echo "$fuzzer found a fault:" >&2
        tail -40 "$build/$fuzzer.log" >&2
        status=1
    fi
    echo "$fuzzer:"
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$build/$fuzzer.log" || true
done
exit $status
