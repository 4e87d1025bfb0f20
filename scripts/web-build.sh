#!/usr/bin/env bash
# Builds the browser version into build-web/site/: the core compiled with emscripten, the page's
# files, and the game's data converted for the browser (pictures as WebP under their own names).
# The data is drawn by the native build in build/. Prints the site's size.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/install-web-deps.sh
jobs=${JOBS:-$(nproc)}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$jobs" --target kvelnor-data kvelnor-webdata

# Debian's emscripten runs its optimizer under Node.js; a Node.js that is not Debian's own finds
# the optimizer's modules only here.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVELNOR_WEB=ON -DKVELNOR_DESKTOP=OFF > /dev/null
cmake --build build-web -j "$jobs"
build/kvelnor-webdata build/data build-web/site/data
echo "site: build-web/site, $(du -sb build-web/site | cut -f1) bytes"
