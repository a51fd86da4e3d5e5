#!/usr/bin/env bash
# Sets up a Debian 12 machine and runs every test: the Qt-free layers under AddressSanitizer and
# UBSan, the fuzz targets for a short time, then the full build and its tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)

echo "== sanitizer build of the Qt-free layers"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== fuzzing"
scripts/fuzz.sh build/asan/fuzz-seeds

echo "== full build and tests"
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

echo "== web viewer: WebAssembly build and its tests"
scripts/build-web.sh
(cd web/tests && npm ci --no-audit --no-fund >/dev/null)
ctest --preset dev -L web --output-on-failure
