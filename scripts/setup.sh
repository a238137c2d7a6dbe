#!/usr/bin/env bash
# Installs what building and testing need, once. Safe to run again: it only installs
# packages that are missing.
set -euo pipefail

packages=(
    cmake g++ make ninja-build pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-x86-64-dev mingw-w64-i686-dev
    wine wine64 xvfb xauth fonts-wqy-microhei imagemagick
    nsis zip unzip
    faketime libfaketime python3-icalendar
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
