#!/usr/bin/env bash
# Builds the three reader fuzzers with clang's libFuzzer and runs each for a bounded time.
# Every file in tests/fuzz/corpus/ (seeds and kept crashing inputs) is replayed first.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
out=build-fuzz
mkdir -p "$out"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -Isrc)
clang++ "${flags[@]}" tests/fuzz/checkpoint_reader_fuzz.cpp src/checkpoint/checkpoint_file.cpp -o "$out/checkpoint_reader_fuzz"
clang++ "${flags[@]}" tests/fuzz/action_parser_fuzz.cpp src/script/action.cpp -o "$out/action_parser_fuzz"
# The saved-position reader checks against a whole game, so it is built with the whole core.
core=(src/ui/*.cpp src/app/*.cpp src/story/*.cpp src/scenes/*.cpp src/inventory/*.cpp src/sequences/*.cpp
      src/checkpoint/*.cpp src/info/*.cpp)
clang++ "${flags[@]}" tests/fuzz/position_reader_fuzz.cpp "${core[@]}" -o "$out/position_reader_fuzz"
for target in checkpoint:checkpoint_reader_fuzz action:action_parser_fuzz position:position_reader_fuzz; do
  corpus=${target%%:*} binary=${target#*:}
  work="$out/corpus-$corpus"
  mkdir -p "$work"
  cp tests/fuzz/corpus/"$corpus"/* "$work"/
  # A crash leaves its input in $out; copy it into tests/fuzz/corpus/ to keep it as a regression.
  "$out/$binary" -max_total_time="$seconds" -artifact_prefix="$out/$binary-" "$work" 2>&1 | tail -n 3
done
