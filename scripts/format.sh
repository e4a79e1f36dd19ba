#!/usr/bin/env bash
# Formats the C++ sources of src/ and tests/ with the repository's .clang-format (Qt's style).
# Usage: scripts/format.sh           formats every .cpp and .h under src/ and tests/ in place
#        scripts/format.sh --check   changes nothing; lists the files that are not formatted and
#                                    exits 1 if there is any (scripts/test.sh runs this)
# The files are those git knows, plus new ones not yet added (ignored files are left out);
# outside a git checkout, every one found.
# The layout is clang-format 14's, Debian 12's: another version may place a few lines otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-}"
case "$mode" in
  ""|--check) ;;
  *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

clang_format="$(command -v clang-format-14 || command -v clang-format || true)"
if [ -z "$clang_format" ]; then
  echo "format: clang-format not found; scripts/deps.sh test installs it" >&2
  exit 2
fi
# A .clang-format that this clang-format cannot read would make every file look unformatted.
"$clang_format" --style=file --dump-config src/main.cpp >/dev/null

list_sources() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard -- \
      'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h'
  else
    find src tests -type f \( -name '*.cpp' -o -name '*.h' \) -print0
  fi
}
files=()
while IFS= read -r -d '' file; do
  [ -f "$file" ] && files+=("$file")  # a file deleted but not yet staged is skipped
done < <(list_sources | sort -zu)
if [ ${#files[@]} -eq 0 ]; then
  echo "format: no C++ files found under src/ or tests/" >&2
  exit 2
fi

if [ -z "$mode" ]; then
  "$clang_format" --style=file -i "${files[@]}"
  exit 0
fi

unformatted=()
for file in "${files[@]}"; do
  "$clang_format" --style=file --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted (scripts/format.sh formats them; clang-format --dry-run FILE shows where):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "format: ${#files[@]} files formatted"
