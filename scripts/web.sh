#!/usr/bin/env bash
# Builds the browser version and serves it on this computer; open the printed address.
# Usage: scripts/web.sh [PORT]   (default 8080)
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8080}
scripts/web-build.sh
echo "Kvelnor v prohlížeči: http://127.0.0.1:$port/"
cd build-web/site
exec python3 -m http.server "$port" --bind 127.0.0.1
