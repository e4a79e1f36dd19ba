#!/usr/bin/env bash
# Checks the layout (scripts/format.sh --check) and the layers of src/ (scripts/check_layers.sh),
# builds Tessary and runs every test, headless and silent, then installs it as a player would
# (scripts/check_package.sh: cmake --install and the .deb), then builds the same suite with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ and runs it again. The
# translations are checked too (scripts/translations.sh --check): a text not marked for
# translation, a .ts file behind the code or an unfinished entry fails the command at the end,
# after the tests have run.
# Usage: scripts/test.sh [both | --plain | --sanitize]   (default: both; CI runs the default)
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-both}"
case "$mode" in
  both|--plain|--sanitize) ;;
  *) echo "usage: $0 [--plain | --sanitize | both]" >&2; exit 2 ;;
esac
scripts/deps.sh test
# Layout and layering first: both take seconds, the builds take minutes.
scripts/format.sh --check
scripts/check_layers.sh
translations=0
scripts/translations.sh --check || translations=$?
export QT_QPA_PLATFORM=offscreen

if [ "$mode" != --sanitize ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARY_WERROR=ON >/dev/null
  cmake --build build -j"$(nproc)"
  ctest --test-dir build --output-on-failure -j"$(nproc)"
  # The game as a player installs it: cmake --install and the .deb.
  scripts/check_package.sh build
fi

if [ "$mode" != --plain ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARY_SANITIZE=ON -DTESSARY_WERROR=ON >/dev/null
  cmake --build build-asan -j"$(nproc)"
  # Any report fails its test: UBSan halts, ASan and LSan exit non-zero.
  export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
fi

if [ "$translations" -ne 0 ]; then
  echo "test: the translations are not complete (scripts/translations.sh --check, above)" >&2
  exit 1
fi
