#!/usr/bin/env bash
# Sets up a Debian 12 machine and runs every test: every layer and its tests under
# AddressSanitizer and UBSan (the fuzz preset's build, which also holds the fuzz targets), the
# fuzz targets for a short time on the seeds those tests wrote, then the development build and
# its tests, the Debian package made from it (scripts/check-package.sh) and the web viewer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
# Programs run during the build (the coded samples) are sanitized too.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1

echo "== sanitizer build of every layer and its tests"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs" -LE web

echo "== fuzzing"
scripts/fuzz.sh build/fuzz/fuzz-seeds

echo "== development build and tests"
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs" -LE web

echo "== Debian package from the development build: lintian, install, run, remove"
scripts/check-package.sh build/dev

echo "== web viewer: WebAssembly build and its tests"
scripts/build-web.sh
(cd web/tests && npm ci --no-audit --no-fund >/dev/null)
ctest --preset dev -L web --output-on-failure
