#!/usr/bin/env bash
# packaging/check-package.sh DEB: unpacks the package into a temporary root
# and checks it as a desktop and Debian's tools would: its file list, its
# runtime dependencies, the desktop entry, the AppStream metainfo, the MIME
# type's glob, the icon sizes, the man pages (any formatting warning fails)
# and lintian (errors and warnings fail).
set -euo pipefail
deb=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

(cd "$root" && find . ! -type d | sed 's|^\.||' | LC_ALL=C sort) > "$root.files"
diff -u "$here/package-files.txt" "$root.files" || fail "files differ from packaging/package-files.txt"
rm -f "$root.files"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6; do
    [[ $depends == *"$library "* ]] || fail "Depends lacks $library: $depends"
done

desktop-file-validate "$share"/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml || fail "appstreamcli validate"

# The receiver image's glob must lose against any other type claiming *.dat.
update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database"
grep -qE '^([0-4]?[0-9]):application/x-stb-channel-image:\*\.dat$' "$share/mime/globs2" \
    || fail "no *.dat glob weighing less than 50: $(grep -h stb-channel "$share/mime/globs2")"

for png in "$share"/icons/hicolor/*x*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    file "$png" | grep -q "${size/x/ x }," || fail "$png is not $size: $(file -b "$png")"
done

for page in "$share"/man/man1/*.1.gz; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man page $(basename "$page"): $warnings"
done

"$root/usr/bin/volmaren-cli" --help >/dev/null || fail "the installed volmaren-cli does not run"
"$root/usr/bin/stb-sim" --help >/dev/null || fail "the installed stb-sim does not run"

lintian --fail-on error,warning "$deb" || fail "lintian"

if [ "$failures" -ne 0 ]; then
    echo "package check: $failures failed" >&2
    exit 1
fi
echo "package check: $(basename "$deb") passed"
