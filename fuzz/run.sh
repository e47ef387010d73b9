#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60) on a corpus seeded
# from the tests' shapes and ../shared/bmpsuite when present. Fails on any finding.
#   fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHEXLUME_FUZZ=ON \
    -DHEXLUME_BUILD_TESTS=OFF -DHEXLUME_BUILD_BENCH=OFF -DHEXLUME_WERROR=ON >/dev/null
cmake --build "$build" --target LoadAndTextsFuzzer ExportFuzzer FormatFuzzer hexlume_fuzz_seeds

seeds="$build/seeds"
mkdir -p "$seeds"
"$build/fuzz/hexlume_fuzz_seeds" "$seeds"
for suite in ../shared/bmpsuite/g ../shared/bmpsuite/q; do
    [ -d "$suite" ] && cp "$suite"/*.bmp "$seeds"/
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for fuzzer in LoadAndTextsFuzzer ExportFuzzer FormatFuzzer; do
    corpus="$build/corpus-$fuzzer"
    mkdir -p "$corpus"
    echo "== $fuzzer: $seconds s"
    # Findings (crash-*, leak-*, timeout-*) land in the build folder for a look afterwards.
    if ! TMPDIR="$scratch" "$build/fuzz/$fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
            -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$build/" "$corpus" "$seeds" \
            >"$build/$fuzzer.log" 2>&1; then
        echo "$fuzzer found a fault:" >&2
        tail -40 "$build/$fuzzer.log" >&2
        status=1
    fi
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$build/$fuzzer.log" || true
done
exit $status
