#!/usr/bin/env bash
# Installs what the browser build and its test need, when missing: Debian's emscripten and
# Chromium, and the test's one npm package (playwright-core, which never downloads a browser of
# its own: the test points it at /usr/bin/chromium). Chromium is optional: where it cannot be
# installed the browser test is skipped with a line that says so.
set -euo pipefail
cd "$(dirname "$0")/.."
missing=()
for p in emscripten chromium; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends emscripten
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends chromium ||
    echo "Chromium could not be installed: the browser test will be skipped"
fi
if [ -x /usr/bin/chromium ] && [ ! -d tests/web/node_modules/playwright-core ]; then
  (cd tests/web && npm ci --no-audit --no-fund --silent)
fi
