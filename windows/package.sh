#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the program for Windows ready to hand out, in the build folder:
#   dorvane-VERSION-windows-x64.zip   the program in a folder that runs from anywhere
#   Dorvane-VERSION-setup.exe         its installer
#   windows/package.sh BUILD_FOLDER QT_PREFIX
# The zip holds the two executables and the printing module, the toolkit's libraries, its
# Windows platform and style plugins and French texts, the compiler's runtime, and the
# Liberation faces that stand for the design's fonts.
set -euo pipefail
build=$(cd "$1" && pwd) qt=$2
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
here=$(cd "$(dirname "$0")" && pwd)
name=dorvane-$version-windows-x64
files=$build/package/$name

rm -rf "$build/package"
cmake --install "$build" --prefix "$files" >/dev/null
for library in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do
    cp "$qt/bin/$library.dll" "$files/"
done
mkdir -p "$files/plugins/platforms" "$files/plugins/styles" "$files/translations" "$files/fonts"
cp "$qt/plugins/platforms/qwindows.dll" "$files/plugins/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$files/plugins/styles/"
# The French texts of the toolkit's menus and dialogs, as Debian has them for this version.
cp /usr/share/qt6/translations/qtbase_fr.qm "$files/translations/"
# The compiler's runtime, which every library above needs.
for runtime in libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll; do
    cp "$(x86_64-w64-mingw32-g++-posix -print-file-name="$runtime")" "$files/"
done
for face in LiberationSans-Regular LiberationSans-Bold LiberationSerif-Regular LiberationSerif-Bold; do
    cp "/usr/share/fonts/truetype/liberation2/$face.ttf" "$files/fonts/"
done
cp /usr/share/doc/fonts-liberation2/copyright "$files/fonts/LICENCE-Liberation.txt"
find "$files" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
cat >"$files/LISEZMOI.txt" <<TEXT
Dorvane $version pour Windows (64 bits)

dorvane.exe ouvre la fenêtre. dorvane-cli.exe est le même programme pour une console
(cmd.exe ou PowerShell) : dorvane-cli.exe --help donne les options, par exemple
  dorvane-cli.exe --table --scale "Zarlino Chromatique" --length 650

Le dossier peut être copié n'importe où ; rien d'autre n'est à installer.
Logiciel libre sous licence GPL version 3 ou ultérieure (LICENCE.txt).
TEXT
sed -i 's/$/\r/' "$files/LISEZMOI.txt"

(cd "$build/package" && rm -f "$build/$name.zip" && cmake -E tar cf "$build/$name.zip" --format=zip "$name")

# The installer removes, by name, what it installed.
removal=$build/package/removal.nsh
(cd "$files" && find . -mindepth 1 -maxdepth 1 -type f -printf 'Delete "$INSTDIR\\%P"\n' &&
    find . -mindepth 1 -maxdepth 1 -type d -printf 'RMDir /r "$INSTDIR\\%P"\n') >"$removal"
makensis -V2 -DVERSION="$version" -DFILES="$files" -DREMOVE="$removal" \
    -DOUTFILE="$build/Dorvane-$version-setup.exe" \
    -DICON="$here/../resources/icons/dorvane.ico" "$here/installer.nsi"
echo "windows: $build/$name.zip ($(du -k "$build/$name.zip" | cut -f1) kB)," \
    "$build/Dorvane-$version-setup.exe ($(du -k "$build/Dorvane-$version-setup.exe" | cut -f1) kB)"
