#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the toolkit for 64-bit Windows once, from Debian's own source of the version installed
# here, and prints the folder it is installed in. The folder lies outside the repository, in
# ${DORVANE_CACHE:-~/.cache/dorvane}, named after the version and the options: a later run with
# the same ones finds it and builds nothing (about 25 minutes on 2 cores the first time).
# Needs root (or sudo) the first time, to let apt fetch sources.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${DORVANE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dorvane}
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

# Only what the program needs. Debian's tarball leaves out the tablet library; the Windows
# platform plugin of 6.4 does not build without OpenGL, which is then loaded when needed only.
options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_testlib=OFF
    -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_zstd=OFF)
key=$( (echo "${options[*]}"; cat "$here/mingw-toolchain.cmake") | sha256sum | cut -c1-12)
prefix=$cache/qt-${version//[^A-Za-z0-9.]/_}-mingw-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
work=$cache/qt-source
mkdir -p "$work"
if [ ! -d "$work/qt6-base-$version" ]; then
    # The sources, from the same mirrors as the system's packages.
    if ! apt-get source --print-uris -q "qt6-base=$version" >/dev/null 2>&1; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            $sudo tee /etc/apt/sources.list.d/dorvane-deb-src.sources >/dev/null
        $sudo apt-get update -q >&2
    fi
    (cd "$work" && rm -rf unpacked && mkdir unpacked && cd unpacked &&
        apt-get source -q --download-only "qt6-base=$version" >&2 &&
        dpkg-source -x ./*.dsc source >&2 && mv source "$work/qt6-base-$version")
    rm -rf "$work/unpacked"
fi
rm -rf "$work/build"
cmake -S "$work/qt6-base-$version" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${options[@]}" >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
rm -rf "$work/build"
touch "$prefix/.complete"
echo "$prefix"
