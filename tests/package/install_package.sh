#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, starts the installed game offscreen from
# its menu entry in a fresh home, checks the player's directory it made, and removes the package.
# Skips (exit 77) when it cannot install packages here or the game is installed already.
set -uo pipefail
build_dir=$1
cpack=$2
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
command -v apt-get >/dev/null && command -v dpkg-query >/dev/null || skip "no apt-get here"
command -v flock >/dev/null || skip "no flock here"
# Several build directories may run this test at once on one machine: one at a time.
exec 9>/tmp/kvelnor-package-test.lock
flock -w 1800 9 || fail "another package test held the lock for 30 minutes"
if dpkg-query -W -f='${Status}' kvelnor 2>/dev/null | grep -q "install ok installed"; then
  skip "kvelnor is installed on this machine already; the test would remove it"
fi

work=$(mktemp -d /tmp/kvelnor-package-XXXXXX)
installed=0
cleanup() {
  if [ "$installed" -eq 1 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq -o DPkg::Lock::Timeout=300 kvelnor >/dev/null ||
      echo "could not remove the kvelnor package"
  fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "== building the package after a build of the game alone (scripts/play.sh builds no icon or manual page)"
rm -f "$build_dir/src/desktop/kvelnor.png" "$build_dir/kvelnor.6.gz"
"$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not build the package"; }
debs=("$work"/package/kvelnor_*.deb)
[ -f "${debs[0]}" ] || fail "no kvelnor_*.deb in $work/package"
deb=${debs[0]}

echo "== what it holds: $(basename "$deb")"
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/kvelnor ./usr/share/kvelnor/data/Uvod.bmp ./usr/share/applications/kvelnor.desktop \
  ./usr/share/icons/hicolor/256x256/apps/kvelnor.png ./usr/share/metainfo/cz.kvelnor.Kvelnor.metainfo.xml \
  ./usr/share/man/man6/kvelnor.6.gz ./usr/share/doc/kvelnor/copyright; do
  grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins qt6-translations-l10n; do
  grep -q "$library" <<<"$depends" || fail "the package does not depend on $library: $depends"
done

echo "== installing it with apt-get"
(cd "$(dirname "$deb")" && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  -o DPkg::Lock::Timeout=300 "./$(basename "$deb")") >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log"; fail "apt-get could not install the package"; }
installed=1
[ -x /usr/bin/kvelnor ] || fail "no /usr/bin/kvelnor after installing"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net /usr/share/metainfo/cz.kvelnor.Kvelnor.metainfo.xml || fail "AppStream metadata"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate /usr/share/applications/kvelnor.desktop || fail "menu entry"
fi

# Starts the menu entry's command as the applications menu does: in the player's home, which
# here holds a data/ of its own that the installed game must not use.
start_from_menu() {
  local home=$1; shift
  mkdir -p "$home/data"
  local command
  command=$(sed -n 's/^Exec=//p' /usr/share/applications/kvelnor.desktop)
  [ -n "$command" ] || fail "the menu entry has no Exec line"
  (cd "$home" && env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$@" \
    timeout 8 $command) >"$work/game.log" 2>&1
  local status=$?
  # Still running when the time was up: it started and did not fail.
  [ "$status" -eq 124 ] || { cat "$work/game.log"; fail "the installed game ended with $status instead of running"; }
  ! grep -q qtbase_cs "$work/game.log" || { cat "$work/game.log"; fail "the installed game found no Czech Qt texts"; }
}

check_player_directory() {
  local dir=$1
  [ -d "$dir" ] || fail "no player directory $dir"
  [ -L "$dir/data" ] || fail "$dir/data is not a link"
  [ "$(readlink -f "$dir/data")" = "$(readlink -f /usr/share/kvelnor/data)" ] ||
    fail "$dir/data points at $(readlink "$dir/data")"
  [ -r "$dir/data/Uvod.bmp" ] || fail "the intro picture cannot be read through $dir/data"
  [ "$(cat "$dir/data.dat")" = "0" ] || fail "$dir/data.dat does not hold 0"
  [ -w "$dir" ] || fail "$dir is not writable for the checkpoint"
}

echo "== starting the installed game from its menu entry, offscreen"
start_from_menu "$work/home"
check_player_directory "$work/home/.local/share/kvelnor"
[ ! -e "$work/home/data.dat" ] || fail "the game wrote data.dat where it was started"

echo "== again with XDG_DATA_HOME, and a checkpoint already reached"
mkdir -p "$work/xdg/kvelnor"
printf 1 >"$work/xdg/kvelnor/data.dat"
start_from_menu "$work/home2" XDG_DATA_HOME="$work/xdg"
[ "$(cat "$work/xdg/kvelnor/data.dat")" = "1" ] || fail "the reached checkpoint was overwritten"
printf 0 >"$work/xdg/kvelnor/data.dat"
check_player_directory "$work/xdg/kvelnor"
[ ! -e "$work/home2/.local/share/kvelnor" ] || fail "XDG_DATA_HOME was not followed"

echo "== removing it"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq -o DPkg::Lock::Timeout=300 kvelnor >/dev/null ||
  fail "apt-get could not remove the package"
installed=0
[ ! -e /usr/bin/kvelnor ] || fail "/usr/bin/kvelnor is still there after removing"
[ ! -e /usr/share/kvelnor ] || fail "/usr/share/kvelnor is still there after removing"
echo "package installed, started and removed"
