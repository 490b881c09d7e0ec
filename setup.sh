#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds, then opens the program ("run") or
# runs the whole test suite ("test"). Run it as root, or with sudo available.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ qt6-base-dev fonts-liberation2 xvfb xauth)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

case "${1:-run}" in
run)
    exec build/dorvane
    ;;
test)
    ctest --test-dir build --output-on-failure
    ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
