#!/bin/bash
# Installs what building and testing the launcher needs on Debian 12, and
# nothing when it is all there already. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev pkg-config libmagick++-dev xorriso
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools wine wine32:i386 wine64
          xvfb xauth xdotool imagemagick procps python3)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}" \
    >/tmp/ironmarch-apt.log 2>&1 || { tail -20 /tmp/ironmarch-apt.log; exit 1; }
