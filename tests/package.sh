#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package in the build folder, unpacks it into a staging folder as dpkg would
# install it, and checks what a user's machine gets: exactly the expected files, dependencies
# that include the libraries, the fonts, the display plugins and the toolkit's French texts,
# valid desktop metadata, icons of the size their folder says, a program and a module whose
# libraries all resolve, manual pages that render, a changelog of this version, and a package
# that Debian's checker, lintian, accepts without an error, a warning or an informational tag.
#   tests/package.sh BUILD_DIR STAGING_DIR VERSION APP_ID
set -euo pipefail
build=$1 staging=$2 version=$3 app=$4
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -f "$build"/dorvane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/dorvane_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single .deb" >&2; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"
case "$(basename "$deb")" in
"dorvane_${version}-1_$(dpkg --print-architecture).deb") ;;
*) fail "package file name does not carry version $version and this architecture" ;;
esac

rm -rf "$staging"
dpkg-deb -x "$deb" "$staging"

# Every file, and nothing more: no test program, library or header slips into the package.
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
module="usr/lib/$multiarch/dorvane/libdorvane-printing.so"
expected=(
    "usr/bin/dorvane"
    "$module"
    "usr/share/doc/dorvane/changelog.Debian.gz"
    "usr/share/doc/dorvane/copyright"
    "usr/share/lintian/overrides/dorvane"
    "usr/share/man/fr/man1/dorvane.1.gz"
    "usr/share/man/man1/dorvane.1.gz"
    "usr/share/applications/$app.desktop"
    "usr/share/icons/hicolor/128x128/apps/$app.png"
    "usr/share/icons/hicolor/16x16/apps/$app.png"
    "usr/share/icons/hicolor/256x256/apps/$app.png"
    "usr/share/icons/hicolor/32x32/apps/$app.png"
    "usr/share/icons/hicolor/48x48/apps/$app.png"
    "usr/share/metainfo/$app.metainfo.xml"
    "usr/share/mime/packages/$app.xml"
)
actual=$(cd "$staging" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
if [ "$actual" != "$wanted" ]; then
    fail "installed files differ from the expected list:"
    diff <(echo "$wanted") <(echo "$actual") >&2 || true
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libstdc++6 libc6 \
    fonts-liberation2 qt6-qpa-plugins qt6-translations-l10n; do
    grep -Fxq "$package" <<<"$names" || fail "Depends lacks $package"
done
[ "$(dpkg-deb -f "$deb" Version)" = "${version}-1" ] || fail "package version is not ${version}-1"

program="$staging/usr/bin/dorvane"
[ -x "$program" ] || fail "the program is not executable"
for binary in "$program" "$staging/$module"; do
    if ldd "$binary" | grep -q "not found"; then
        fail "unresolved libraries of $binary: $(ldd "$binary" | grep "not found" | tr '\n' ' ')"
    fi
    if file "$binary" | grep -q "with debug_info"; then
        fail "$binary in the package still carries its debug information"
    fi
done

entry="$staging/usr/share/applications/$app.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the desktop entry"
key() { sed -n "s/^$1=//p" "$entry" | head -1; }
for k in "Name" "Comment" "Comment\[fr\]" "GenericName\[fr\]"; do
    [ -n "$(key "$k")" ] || fail "desktop entry has no $k"
done
exec_name=$(key Exec | awk '{print $1}')
[ -x "$staging/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
[ "$(key Icon)" = "$app" ] || fail "Icon= is not $app"
# Scala files open with the program: the entry takes one file, of the kind the package declares.
[ "$(key Exec)" = "dorvane %f" ] || fail "Exec= does not take a file: $(key Exec)"
[ "$(key MimeType)" = "text/x-scala;" ] || fail "MimeType= is not text/x-scala;"
mime="$staging/usr/share/mime/packages/$app.xml"
grep -q '<mime-type type="text/x-scala">' "$mime" && grep -q '<glob pattern="\*.scl"/>' "$mime" ||
    fail "$mime does not declare text/x-scala for *.scl"

for size in 16 32 48 128 256; do
    icon="$staging/usr/share/icons/hicolor/${size}x${size}/apps/$app.png"
    [ -f "$icon" ] || continue
    got=$(identify -format '%m %wx%h' "$icon")
    [ "$got" = "PNG ${size}x${size}" ] || fail "icon for ${size}x${size} is $got"
done

metainfo="$staging/usr/share/metainfo/$app.metainfo.xml"
grep -q "<id>$app</id>" "$metainfo" || fail "metainfo id is not $app"
grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
else
    echo "appstreamcli is not installed: the metainfo is not validated"
fi

# Debian's package checker: no error, no warning and no informational tag. The overrides the
# package carries are explained in it.
if command -v lintian >/dev/null; then
    lintian_output=$(lintian --display-info --tag-display-limit 0 "$deb" 2>&1 |
        grep -v "running with root privileges" || true)
    echo "lintian: ${lintian_output:-nothing to report}"
    if grep -Eq '^[EWI]: ' <<<"$lintian_output"; then
        fail "lintian reports errors, warnings or informational tags"
    fi
else
    fail "lintian is not installed"
fi

# The manual pages, English and French, render without a warning of the formatter, and say
# what the program is.
for page in usr/share/man/man1/dorvane.1.gz usr/share/man/fr/man1/dorvane.1.gz; do
    [ -f "$staging/$page" ] || continue
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$staging/$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$staging/$page" 2>/dev/null | grep -q "dorvane - " ||
        fail "$page has no NAME line for dorvane"
done
changelog_version=$(zcat "$staging/usr/share/doc/dorvane/changelog.Debian.gz" |
    sed -n '1s/^dorvane (\(.*\)).*/\1/p')
[ "$changelog_version" = "${version}-1" ] || fail "the changelog is for $changelog_version"

[ "$failures" -eq 0 ] || exit 1
echo "package checked: ${#expected[@]} files in $staging"
