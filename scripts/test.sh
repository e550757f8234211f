#!/usr/bin/env bash
# Builds and runs every test. Further CMake options are passed on to the build (CI builds Release).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh "$@"
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
