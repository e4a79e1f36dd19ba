#!/usr/bin/env bash
# Runs one command as a native Wayland client of its own headless Weston, which ends with it.
# Usage: scripts/under_weston.sh <command> [args...]
# Exits 77 (a skip to CTest) with one line saying why when Weston or Qt's Wayland plugin is missing.
set -uo pipefail
if ! command -v weston >/dev/null; then
  echo "Wayland run skipped: weston is not installed (scripts/deps.sh test installs it)"
  exit 77
fi
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
  echo "Wayland run skipped: Qt's Wayland plugin is not installed (package qt6-wayland)"
  exit 77
fi
runtime="$(mktemp -d)" # a private socket folder, so parallel runs never meet
trap 'kill "$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 --no-config \
  --log="$runtime/weston.log" &
weston=$!
for _ in $(seq 100); do
  [ -S "$runtime/wayland-test" ] && break
  sleep 0.1
done
if [ ! -S "$runtime/wayland-test" ]; then
  echo "Weston did not start:"; cat "$runtime/weston.log"; exit 1
fi
# Qt 6.4's Wayland input method dereferences the keyboard of a seat the headless compositor lacks
# when a test types into a line edit; a player's compositor has one.
WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland QT_IM_MODULE=none "$@"
