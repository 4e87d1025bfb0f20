#!/usr/bin/env bash
# Installs what is missing, builds the game and draws its data in build/, and starts it there,
# beside data/ and data.dat (a data.dat holding 0 is made on the first start, so that the game
# does not open on a box about a missing file; an existing one is never touched).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target kvelnor kvelnor-data
cd build
exec ./kvelnor --first-checkpoint
