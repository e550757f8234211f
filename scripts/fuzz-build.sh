#!/usr/bin/env bash
# Configures and builds the libFuzzer targets into build-fuzz/ (or $FUZZ_BUILD_DIR) with clang.
# A tree already configured with VX11_FUZZ (CI's sanitized clang build) is only brought up to date.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD_DIR:-build-fuzz}
if ! grep -q '^VX11_FUZZ:BOOL=ON$' "$build/CMakeCache.txt" 2>/dev/null; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX11_FUZZ=ON -DVX11_GUI=OFF -DVX11_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target vx11_fuzz
