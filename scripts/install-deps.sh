#!/usr/bin/env bash
# Installs the Debian packages the game needs to build and test, when they are missing.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev nlohmann-json3-dev
  qt6-base-dev qt6-multimedia-dev libgl-dev fonts-dejavu-core clang libclang-rt-14-dev
  qt6-qpa-plugins qt6-translations-l10n qt6-image-formats-plugins dpkg-dev file gettext)
# (the window system plugins; Qt's own Czech texts; WebP for the browser's pictures; dpkg-shlibdeps and
# file for the Debian package; msgfmt, which compiles the translation catalogues)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
