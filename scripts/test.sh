#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, the browser test and both full explorations
# (in Czech and in English),
# then the core tests again under the sanitizers, then the three reader fuzzers; ends with one
# "N passed, 0 failed" line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs") | tee build/ctest.log

# The browser version, built once: the core compiled with emscripten and the page, played in
# Debian's Chromium through DOM mouse events (skipped with a line where Chromium is missing).
JOBS=$jobs scripts/web-build.sh
node tests/web/web_test.mjs build-web/site build | tee build/web-test.log

# Both full explorations, on all cores: no state a player can reach may lose the way to the
# end titles. A dead end fails the run and is printed with its path as kvelnor-script lines.
explore_started=$(date +%s%N)
build/kvelnor-explore --stats | tee build/explore-new.log
build/kvelnor-explore --continue --stats | tee build/explore-continue.log
echo "both explorations: $(( ($(date +%s%N) - explore_started) / 1000000000 )) s"
# The same two in English (the catalogue is read from build/data/lang): a translation changes no
# rule, so every count must equal the Czech game's.
(cd build && ./kvelnor-explore --language en | tee explore-new-en.log)
(cd build && ./kvelnor-explore --continue --language en | tee explore-continue-en.log)
for run in new continue; do
  czech=$(grep -E '^(states: |end titles)' "build/explore-$run.log")
  english=$(grep -E '^(states: |end titles)' "build/explore-$run-en.log")
  if [ "$czech" != "$english" ]; then
    echo "the English exploration ($run) differs from the Czech one:"; echo "$czech"; echo "$english"; exit 1
  fi
  echo "English exploration ($run): the same counts as in Czech"
done

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKVELNOR_SANITIZE=ON -DKVELNOR_DESKTOP=OFF
cmake --build build-sanitize -j "$jobs" --target kvelnor-core-tests
(cd build-sanitize && ctest --output-on-failure -j "$jobs") | tee build-sanitize/ctest.log

# The data.dat reader, the script parser and the saved-position reader under libFuzzer, for a bounded time.
scripts/fuzz.sh 30

# One closing line for the test runs and the explorations (reached only when everything passed).
counted() { grep -Eo 'tests failed out of [0-9]+' "$1" | grep -Eo '[0-9]+$'; }
explorations=4
browser=$(grep -Eo '^[0-9]+ passed' build/web-test.log | grep -Eo '^[0-9]+')
echo "$(( $(counted build/ctest.log) + explorations + browser + $(counted build-sanitize/ctest.log) )) passed, 0 failed"
