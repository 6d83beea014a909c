#!/usr/bin/env bash
# Checks the editor's translations (i18n/*.ts) against the sources: fails
# while a text has no finished translation, while a .ts file keeps a text the
# sources no longer have, or while a constant of the headless modules is
# missing from i18n/HeadlessTexts.cpp, lupdate's list of them.
#
#   tools/check-translations.sh            # check; changes nothing
#   tools/check-translations.sh --update   # first update i18n/*.ts from the sources
#
# LUPDATE and LRELEASE name the tools when they are not in Qt's folder.
set -euo pipefail
cd "$(dirname "$0")/.."

LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
LRELEASE=${LRELEASE:-/usr/lib/qt6/bin/lrelease}
SOURCES=(app dialogs controls print i18n/HeadlessTexts.cpp)
TS_FILES=(i18n/volmaren_de.ts i18n/volmaren_tr.ts)
# As i18n/CMakeLists.txt runs it: no line numbers, so that the .ts files
# change only when the texts do.
LUPDATE_OPTIONS=(-locations none -silent)

if [ "${1:-}" = "--update" ]; then
    "$LUPDATE" "${LUPDATE_OPTIONS[@]}" -no-obsolete "${SOURCES[@]}" -ts "${TS_FILES[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

for ts in "${TS_FILES[@]}"; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$LUPDATE" "${LUPDATE_OPTIONS[@]}" "${SOURCES[@]}" -ts "$copy"
    stale=$(grep -c -E 'type="(vanished|obsolete)"' "$copy" || true)
    report=$("$LRELEASE" "$copy" -qm "$work/check.qm")
    finished=$(sed -n 's/.*Generated \([0-9]*\) translation(s) (\([0-9]*\) finished and \([0-9]*\) unfinished).*/\2 \3/p' <<<"$report")
    ignored=$(sed -n 's/.*Ignored \([0-9]*\) untranslated source text(s).*/\1/p' <<<"$report")
    read -r done unfinished <<<"${finished:-0 0}"
    echo "$ts: $done finished, $unfinished unfinished, ${ignored:-0} untranslated, $stale no longer in the sources"
    if [ "$unfinished" != 0 ] || [ -n "$ignored" ] || [ "$stale" != 0 ] || [ "$done" = 0 ]; then
        failed=1
    fi
done

# Every text constant of the headless modules, but the product name, must be
# in lupdate's list.
literals() {
    perl -0777 -ne "$1"' {
        my $text = join "", ($+{parts} =~ /"((?:[^"\\]|\\.)*)"/g);
        print "$text\n" unless $text eq "Volmaren";
    }' "${@:2}" | sort -u
}
part='(?<parts>(?:"(?:[^"\\]|\\.)*"\s*)+)'
literals "while (/constexpr const char\\*\\s+k\\w+\\s*=\\s*$part;/g)" \
    database/SystemTexts.h database/FileTexts.h database/ListTexts.h database/HistoryTexts.h \
    database/CompareTexts.h \
    link/TransferTexts.h link/VerifyTexts.h database/CellText.h database/TransponderTexts.h >"$work/constants"
literals "while (/QT_TRANSLATE_NOOP\\(\\s*\"Text\",\\s*$part\\)/g)" i18n/HeadlessTexts.cpp >"$work/listed"
missing=$(comm -23 "$work/constants" "$work/listed")
if [ -n "$missing" ]; then
    echo "Missing from i18n/HeadlessTexts.cpp:"
    sed 's/^/    /' <<<"$missing"
    failed=1
fi

if [ "$failed" != 0 ]; then
    cat <<'HELP'
To fix: tools/check-translations.sh --update, then give every text marked
unfinished in i18n/volmaren_de.ts and i18n/volmaren_tr.ts its translation
(with Qt Linguist, linguist-qt6, or in a text editor: fill in <translation>
and remove type="unfinished"). A text of database/ or link/ shown by the
editor goes through CoreText() and is added to i18n/HeadlessTexts.cpp.
HELP
    exit 1
fi
echo "Translations complete."
