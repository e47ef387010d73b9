#!/usr/bin/env bash
# Configures and builds one of the two build trees: build.sh release|sanitize [TARGET…]
# Every option is passed each time, so run.sh and test.sh never flip each other's cache.
set -euo pipefail
kind=$1
shift
case "$kind" in
    release)
        options=(-DCMAKE_BUILD_TYPE=Release -DHEXLUME_SANITIZE=OFF -DHEXLUME_BUILD_BENCH=ON) ;;
    sanitize)
        options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DHEXLUME_SANITIZE=ON -DHEXLUME_BUILD_BENCH=OFF) ;;
    *)
        echo "usage: $0 release|sanitize [TARGET…]" >&2
        exit 2 ;;
esac
cmake -S . -B "build/$kind" -G Ninja -DHEXLUME_WERROR=ON -DHEXLUME_BUILD_TESTS=ON "${options[@]}" >/dev/null
if [ $# -gt 0 ]; then
    cmake --build "build/$kind" --target "$@"
else
    cmake --build "build/$kind"
fi
