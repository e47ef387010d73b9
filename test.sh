#!/usr/bin/env bash
# Set-up, build, every test: the release build with warnings as errors, then every test again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target for 12 s.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

scripts/build.sh release
ctest --test-dir build/release --output-on-failure -j2

scripts/build.sh sanitize
ctest --test-dir build/sanitize --output-on-failure -j2

fuzz/run.sh "${HEXLUME_FUZZ_SECONDS:-12}"
echo "All tests passed."
