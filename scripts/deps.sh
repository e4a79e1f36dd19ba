#!/usr/bin/env bash
# Installs the Debian packages Tessary needs that are not there yet; does nothing when all are.
# Usage: scripts/deps.sh [build|run|test|bench|fuzz]
set -euo pipefail

# qt6-l10n-tools: lupdate and lrelease turn translations/*.ts into the .qm files shipped beside the
# program; qt6-tools-dev holds their CMake package (LinguistTools). qt6-translations-l10n: Qt's
# own texts (standard buttons) in the player's language.
build_pkgs=(cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev libfluidsynth-dev
            libsndfile1-dev timgm6mb-soundfont fonts-dejavu-core qt6-l10n-tools qt6-tools-dev)
# Qt's Wayland plugin: the game runs as a native client on Wayland desktops, not through XWayland.
run_pkgs=(qt6-wayland qt6-translations-l10n)
# clang-format: scripts/test.sh checks the layout with Debian 12's clang-format 14. weston: the
# window tests run again under its headless compositor (scripts/under_weston.sh).
test_pkgs=(desktop-file-utils appstream dpkg-dev file util-linux clang-format weston)
# The benchmarks only: a private sound server with a null sink, and an X server without a screen.
bench_pkgs=(pulseaudio pulseaudio-utils xvfb)
# Only scripts/fuzz.sh needs clang; its runtime package holds libFuzzer and the sanitizers.
fuzz_pkgs=(clang-14 libclang-rt-14-dev)

want=("${build_pkgs[@]}")
case "${1:-build}" in
  run)  want+=("${run_pkgs[@]}") ;;
  test) want+=("${run_pkgs[@]}" "${test_pkgs[@]}") ;;
  bench) want+=("${run_pkgs[@]}" "${bench_pkgs[@]}") ;;
  fuzz) want+=("${fuzz_pkgs[@]}") ;;
  build) ;;
  *) echo "usage: $0 [build|run|test|bench|fuzz]" >&2; exit 2 ;;
esac

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# No recommends: keeps the large SoundFont and unrelated extras out.
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
