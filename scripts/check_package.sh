#!/usr/bin/env bash
# Installs the game from a build folder the two ways a player gets it, `cmake --install` into a
# prefix and the .deb unpacked into a scratch root, and checks each: the program's folder whole,
# the desktop entry, icons and metadata valid, the .deb's dependencies, and the installed game
# started as a user who cannot write to its folder, who gets the score file in their own data
# folder. scripts/test.sh runs it after the plain suite.
# Usage: scripts/check_package.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build}")"
work="$(mktemp -d)"
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
fail() { echo "package: $*" >&2; exit 1; }

# check <top of the installed tree> <what it is>
check() {
  local top="$1" what="$2"
  local folder="$top/lib/tessary" share="$top/share" id=works.orvane.Tessary
  [ "$(realpath "$top/bin/tessary")" = "$(realpath "$folder/tessary")" ] \
    || fail "$what: bin/tessary does not lead to lib/tessary/tessary"
  for icon in scalable/apps/$id.svg 48x48/apps/$id.png 256x256/apps/$id.png; do
    [ -f "$share/icons/hicolor/$icon" ] || fail "$what: no icon $icon"
  done
  ls "$folder"/tessary_*.qm >/dev/null 2>&1 || fail "$what: no translations beside the program"
  desktop-file-validate "$share/applications/$id.desktop"
  appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null \
    || fail "$what: the metadata does not validate"
  # The game's own check names the folder it found its media in.
  "$top/bin/tessary" --check-media | grep -qF "$(realpath "$folder")" \
    || fail "$what: --check-media does not name $folder"

  # Root may write anywhere, so the game runs as nobody, with a home of its own.
  local home="$work/home-$what"
  mkdir -p "$home" && chmod 777 "$home"
  chmod -R a+rX "$work" && chmod 555 "$folder"
  local run=(env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen
    "$top/bin/tessary")
  [ "$(id -u)" -eq 0 ] && run=(setpriv --reuid=nobody --regid=nogroup --clear-groups -- "${run[@]}")
  "${run[@]}" >/dev/null 2>&1 &
  local game=$! scores="$home/.local/share/Orvane.Works/Tessary/Hsl.hsf"
  for _ in $(seq 150); do
    [ "$(stat -c %s "$scores" 2>/dev/null || echo 0)" -eq 280 ] && break
    sleep 0.1
  done
  kill -0 "$game" 2>/dev/null || fail "$what: the installed game did not keep running"
  kill "$game"; wait "$game" 2>/dev/null || true
  [ "$(stat -c %s "$scores" 2>/dev/null || echo 0)" -eq 280 ] \
    || fail "$what: no 280-byte score file in the player's data folder"
  [ ! -e "$folder/Hsl.hsf" ] || fail "$what: a score file in the program's folder"
  echo "package: $what installs and runs"
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
check "$work/prefix" "cmake --install"

cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null
deb="$(ls "$work"/deb/*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for package in libqt6widgets6 libqt6multimedia6 libfluidsynth3 libsndfile1 libqt6gui6 \
  timgm6mb-soundfont fonts-dejavu-core qt6-wayland; do
  [[ "$depends" == *"$package"* ]] || fail ".deb: $package not in Depends: $depends"
done
[[ "$depends" != *-dev* ]] || fail ".deb: a -dev package in Depends: $depends"
dpkg-deb -x "$deb" "$work/root"
check "$work/root/usr" ".deb"
