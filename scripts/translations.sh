#!/usr/bin/env bash
# The player's languages: brings translations/*.ts up to date with the texts of src/ (lupdate), or
# checks them (scripts/test.sh runs the check).
# Usage: scripts/translations.sh           updates every .ts file in place
#        scripts/translations.sh --check   changes nothing; fails when a .ts file is not up to date
#                                          with the code, lupdate has a warning, an entry is
#                                          unfinished, a text the player sees is not marked, a
#                                          translated help page lacks an anchor of the English one,
#                                          or a help page links to an anchor it lacks
# No line numbers in the files (-locations none): moving code must not change what the
# translators work on, nor fail the check.
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-}"
case "$mode" in
  ""|--check) ;;
  *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac
lupdate="$(command -v /usr/lib/qt6/bin/lupdate lupdate | head -n 1 || true)"
if [ -z "$lupdate" ]; then
  echo "translations: lupdate not found; scripts/deps.sh installs qt6-l10n-tools" >&2
  exit 2
fi
ts_files=(translations/tessary_*.ts)
lupdate_run() { # the .ts files to update...
  "$lupdate" -no-obsolete -locations none -source-language en src -ts "$@"
}

if [ -z "$mode" ]; then
  lupdate_run "${ts_files[@]}"
  exit 0
fi

failed=0
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "${ts_files[@]}" "$scratch/"
# lupdate's own warnings (a tr() it cannot read, an unknown class) are failures too.
if ! lupdate_run "$scratch"/tessary_*.ts >"$scratch/lupdate.log" 2>&1; then
  cat "$scratch/lupdate.log" >&2
  exit 1
fi
if grep -vE '^(Scanning directory|Updating|    Found|    Removed|    Kept|    Same-text heuristic|    Number heuristic)' \
     "$scratch/lupdate.log" >&2; then
  echo "translations: lupdate warns (above)" >&2
  failed=1
fi
for ts in "${ts_files[@]}"; do
  if ! cmp -s "$ts" "$scratch/$(basename "$ts")"; then
    echo "translations: $ts is not up to date with the code; run scripts/translations.sh" >&2
    failed=1
  fi
  unfinished="$(grep -c 'type="unfinished"' "$ts" || true)"
  if [ "$unfinished" -gt 0 ]; then
    echo "translations: $ts has $unfinished unfinished entries" >&2
    failed=1
  fi
done

# A translated help page is found by the anchors of the English one: it must have the same.
anchors() { grep -oE '\b(id|name)="[^"]+"' "$1" | sort -u; }
for page in media/tessaryhelp_*.html; do
  [ -e "$page" ] || continue
  if ! diff <(anchors media/tessaryhelp.html) <(anchors "$page") >&2; then
    echo "translations: $page has other anchors than media/tessaryhelp.html (above)" >&2
    failed=1
  fi
done

# Every link within a help page, and so every entry of its contents and index, leads to an anchor
# of that page.
for page in media/tessaryhelp*.html; do
  missing="$(comm -23 <(grep -oE 'href="#[^"]+"' "$page" | sed -E 's/href="#(.*)"/\1/' | sort -u) \
                      <(grep -oE '\b(id|name)="[^"]+"' "$page" | sed -E 's/.*="(.*)"/\1/' | sort -u))"
  if [ -n "$missing" ]; then
    echo "translations: $page links to anchors it lacks:" $missing >&2
    failed=1
  fi
done

# A text the player sees that is not marked is not in any .ts file, so lupdate cannot tell: a
# plain literal handed straight to what shows text is caught here. Names, file names and
# settings keys are never handed to these.
shown='setWindowTitle|setText|setToolTip|setStatusTip|setWhatsThis|setAccessibleName'
shown+='|setAccessibleDescription|setPlaceholderText|setTitle|setPanelText|setHtml|addMenu'
shown+='|addAction|addTab|addButton|addItem|messages\.show|messages\.ask|new QLabel'
shown+='|new QPushButton|new QRadioButton|new QCheckBox|new QGroupBox'
literal='(QStringLiteral|QLatin1String|QString::fromLatin1|QString::fromUtf8)?\(?\s*"[^"]*[A-Za-z]'
if perl -0777 -ne "while (/\\b($shown)\\s*\\(\\s*([\\w:]+,\\s*)?$literal/g) {
    my \$line = 1 + (substr(\$_, 0, \$-[0]) =~ tr/\\n//);
    print \"\$ARGV:\$line: a text shown without tr()\\n\"; \$found = 1 }
    END { exit(\$found ? 0 : 1) }" $(git ls-files -co --exclude-standard 'src/*.cpp' 'src/*.h') >&2; then
  failed=1
fi
exit $failed
