#!/usr/bin/env bash
# Builds the core and its tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
# Further CMake options are passed on (CI adds clang and VX11_FUZZ, so the same tree also holds the
# fuzz targets).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SANITIZE_BUILD_DIR:-build-sanitize}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVX11_SANITIZE=ON -DVX11_GUI=OFF -DVX11_BENCH=OFF "$@" >/dev/null
cmake --build "$build"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
