#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, then the core tests again under the
# sanitizers, then the two parser fuzzers; ends with one "N passed, 0 failed" line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs") | tee build/ctest.log

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKVELNOR_SANITIZE=ON -DKVELNOR_DESKTOP=OFF
cmake --build build-sanitize -j "$jobs" --target kvelnor-core-tests
(cd build-sanitize && ctest --output-on-failure -j "$jobs") | tee build-sanitize/ctest.log

# The data.dat reader and the script parser under libFuzzer, for a bounded time.
scripts/fuzz.sh 30

# One closing line for both test runs (reached only when everything passed).
counted() { grep -Eo 'tests failed out of [0-9]+' "$1" | grep -Eo '[0-9]+$'; }
echo "$(( $(counted build/ctest.log) + $(counted build-sanitize/ctest.log) )) passed, 0 failed"
