#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing on a Debian 12 machine, builds, then opens the program ("run"), or
# runs the whole test suite ("test"): the tests, with the Debian package made, unpacked into a
# staging folder and used on a real X server; a short run of the benchmark program; a bounded
# run of the fuzz target of the numeric core; the tests built with the address and
# undefined-behaviour sanitizers; and the program for Windows, checked under wine. "windows"
# builds only the program for Windows, its zip and its installer, in build-windows/.
# Run it as root, or with sudo available.
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-run}
case "$action" in
run | test | windows) ;;
*)
    echo "usage: $0 [run|test|windows]" >&2
    exit 2
    ;;
esac

packages=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-liberation2 xvfb xauth)
if [ "$action" = test ]; then
    packages+=(clang libclang-rt-dev libbenchmark-dev
        dpkg-dev file desktop-file-utils appstream openbox xdotool imagemagick
        poppler-utils mupdf-tools cups printer-driver-cups-pdf python3-ezdxf
        dbus at-spi2-core python3-pyatspi lintian man-db yoshimi yoshimi-data locales librecad)
fi
if [ "$action" != run ]; then
    # The compiler for Windows, the installer's maker, and wine to run what they make.
    packages+=(g++-mingw-w64-x86-64-posix nsis wine64 dpkg-dev xz-utils)
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi

# The tests run on a French desktop as most users have it: the C library's fr_FR.UTF-8, made
# once. Without it they would quietly run in C, so the suite stops instead.
has_french() { locale -a 2>/dev/null | grep -qix 'fr_FR\.utf-\?8'; }
if [ "$action" = test ] && ! has_french; then
    $sudo sed -i 's/^# *\(fr_FR\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^fr_FR\.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'fr_FR.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen || true
    if ! has_french; then
        echo "setup.sh : la locale fr_FR.UTF-8 n'a pas pu être créée (locale-gen) ; les tests" \
            "doivent tourner en français, ils ne sont pas lancés." >&2
        exit 1
    fi
fi

# The program for 64-bit Windows against the toolkit built for it from Debian's source (built
# once, then found in its cache), its zip and its installer.
build_windows() {
    local qt
    qt=$(bash windows/qt.sh)
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/windows/mingw-toolchain.cmake" -DCMAKE_PREFIX_PATH="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_TESTING=OFF -DDORVANE_SYSTEM_TESTS=OFF
    cmake --build build-windows
    bash windows/package.sh build-windows "$qt"
}

if [ "$action" = windows ]; then
    build_windows
    exit 0
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

if [ "$action" = run ]; then
    exec build/dorvane
fi

ctest --test-dir build --output-on-failure

# The benchmark program, built and run once, briefly, so that it keeps working; a brief run is
# too noisy to judge budgets by, so it only reports them.
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DDORVANE_BENCH=ON \
    -DBUILD_TESTING=OFF
cmake --build build-bench
build-bench/bench/dorvane_bench --benchmark_min_time=0.001 --informative

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDORVANE_GUI=OFF -DDORVANE_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build build-fuzz
findings=build-fuzz/findings # a crashing input is kept here
corpus=$(mktemp -d)          # what the runs add to the seeds, dropped afterwards
trap 'rm -rf "$corpus"' EXIT
mkdir -p "$findings" "$corpus/length" "$corpus/scala"
# The time of the fuzzing, shared by the two targets: a typed length, and a Scala file.
half=$(((${FUZZ_SECONDS:-60} + 1) / 2))
build-fuzz/fuzz/fuzz_length -max_total_time="$half" -max_len=4096 \
    -artifact_prefix="$findings/" -print_final_stats=1 "$corpus/length" fuzz/corpus
build-fuzz/fuzz/fuzz_scala -max_total_time="$half" -max_len=65536 \
    -artifact_prefix="$findings/" -print_final_stats=1 "$corpus/scala" fuzz/scala_corpus

# The package, the real display, the real printer and the screen reader were checked above with
# the build that ships.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDORVANE_SANITIZE=ON \
    -DDORVANE_SYSTEM_TESTS=OFF
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure

# The same program for Windows, run under wine: the same figures and files as on Linux, its
# window, and its installer.
build_windows
bash tests/wine.sh build-windows build/dorvane build/wine
