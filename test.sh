#!/usr/bin/env bash
# Set-up, build, every test: the release build with warnings as errors, then the model, text
# and command-line tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

scripts/build.sh release
ctest --test-dir build/release --output-on-failure -j2

scripts/build.sh sanitize
ctest --test-dir build/sanitize --output-on-failure -j2
echo "All tests passed."
