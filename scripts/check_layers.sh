#!/usr/bin/env bash
# Checks that src/ keeps its layers, so that the rules stay testable without windows and the two
# kinds of adapters stay apart:
#   core      may include core only, and no Qt Widgets header (Qt Core and Gui only)
#   audio     may include core
#   adapters  may include core
#   ui        may include core and adapters
#   main.cpp  may include anything
# tests/, bench/, fuzz/ and tools/ may include anything and are not checked.
# Prints each offending include as file:line and exits 1 if there is any.
# Usage: scripts/check_layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A may=(
  [core]="core"
  [audio]="core audio"
  [adapters]="core adapters"
  [ui]="core adapters ui"
  [main]="core audio adapters ui"
)

layer_of() {
  case "$1" in
    src/core/*) echo core ;;
    src/audio/*) echo audio ;;
    src/adapters/*) echo adapters ;;
    src/ui/*) echo ui ;;
    src/main.cpp) echo main ;;
    *) echo none ;;
  esac
}

# Every header of Qt Widgets by the names an include can use: <QWidget>, <qwidget.h>,
# <QtWidgets/QWidget>, <QtWidgets>. Qt 6 moved QAction to Qt Gui, but an action is a menu's
# business, so core leaves it out too.
headers="$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || true)"
if [ ! -d "$headers/QtWidgets" ]; then
  for dir in /usr/include/*/qt6 /usr/include/qt6; do
    [ -d "$dir/QtWidgets" ] && headers="$dir" && break
  done
fi
if [ ! -d "$headers/QtWidgets" ]; then
  echo "check_layers: no Qt Widgets headers found; scripts/deps.sh build installs qt6-base-dev" >&2
  exit 2
fi
declare -A widgets=([QtWidgets]=1 [QAction]=1)
for h in "$headers"/QtWidgets/*; do
  widgets[${h##*/}]=1
done

# Where an include names a file of src/: beside the including file first, then from src/.
resolve() {
  local from="$1" name="$2" path
  for path in "$(dirname "$from")/$name" "src/$name"; do
    if [ -f "$path" ]; then
      [[ "$path" == *..* || "$path" == *./* ]] && path="$(realpath -m --relative-to=. "$path")"
      echo "$path"
      return
    fi
  done
}

failures=0
fail() {
  echo "$1" >&2
  failures=$((failures + 1))
}

include_re='^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"])([^">]+)[">]'
while IFS= read -r -d '' file; do
  layer="$(layer_of "$file")"
  if [ "$layer" = none ]; then
    fail "$file: in no layer; src/ holds core/, audio/, adapters/, ui/ and main.cpp"
    continue
  fi
  line_no=0
  while IFS= read -r line || [ -n "$line" ]; do
    line_no=$((line_no + 1))
    [[ "$line" =~ $include_re ]] || continue
    bracket="${BASH_REMATCH[1]}"
    name="${BASH_REMATCH[2]}"
    if [ "$layer" = core ] && [ "$bracket" = "<" ]; then
      base="${name#QtWidgets/}"
      if [ "$name" != "$base" ] || [ -n "${widgets[$base]:-}" ]; then
        fail "$file:$line_no: core includes the Qt Widgets header <$name>"
        continue
      fi
    fi
    target="$(resolve "$file" "$name")"
    [ -n "$target" ] || continue  # not a file of src/: Qt, the C++ library or a generated header
    target_layer="$(layer_of "$target")"
    if [[ " ${may[$layer]} " != *" $target_layer "* ]]; then
      fail "$file:$line_no: $layer includes $target ($target_layer); $layer may include only: ${may[$layer]}"
    fi
  done < "$file"
done < <(find src -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if [ "$failures" -gt 0 ]; then
  echo "check_layers: $failures problem(s) in the layers of src/" >&2
  exit 1
fi
echo "check_layers: src/ keeps its layers"
