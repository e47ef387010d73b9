#!/usr/bin/env bash
# Configures and builds one of the two build trees: build.sh release|sanitize [TARGET…]
# release: g++, optimised, with the benchmarks; sanitize: clang with ASan+UBSan, with the fuzz targets.
# Every option is passed each time, so run.sh and test.sh never flip each other's cache.
set -euo pipefail
kind=$1
shift
case "$kind" in
    release)
        options=(-DCMAKE_BUILD_TYPE=Release -DHEXLUME_SANITIZE=OFF -DHEXLUME_BUILD_BENCH=ON) ;;
    sanitize)
        # clang, so the same tree also builds the fuzz targets (fuzz/run.sh); -O1 with line
        # tables only: quick to build, and the sanitizers' stack traces still name the lines.
        options=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
                 "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only"
                 -DHEXLUME_SANITIZE=ON -DHEXLUME_FUZZ=ON -DHEXLUME_BUILD_BENCH=OFF) ;;
    *)
        echo "usage: $0 release|sanitize [TARGET…]" >&2
        exit 2 ;;
esac
# A sanitize tree left by g++ starts afresh (CMake cannot switch a tree's compiler in place).
cache="build/$kind/CMakeCache.txt"
if [ "$kind" = sanitize ] && [ -f "$cache" ] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang++' "$cache"; then
    rm -rf "build/$kind"
fi
cmake -S . -B "build/$kind" -G Ninja -DHEXLUME_WERROR=ON -DHEXLUME_BUILD_TESTS=ON "${options[@]}" >/dev/null
if [ $# -gt 0 ]; then
    cmake --build "build/$kind" --target "$@"
else
    cmake --build "build/$kind"
fi
