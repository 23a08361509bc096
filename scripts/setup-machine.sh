#!/bin/bash
# Installs what building and testing the launcher needs on Debian 12, and
# nothing when it is all there already. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(cmake make g++ clang nsis libclang-rt-14-dev googletest libgtest-dev pkg-config libmagick++-dev xorriso
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools wine wine32:i386 wine64
          xvfb xauth xdotool imagemagick procps python3)

root=$(cd "$(dirname "$0")/.." && pwd)
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${as_root[@]}" dpkg --add-architecture i386
    fi
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}" \
        >/tmp/ironmarch-apt.log 2>&1 || { tail -20 /tmp/ironmarch-apt.log; exit 1; }
fi

# 32-bit Wine for the disc's own programs. Where the kernel runs no i386
# programs, Debian's qemu-user runs them: binfmt_misc (mounted if it is not)
# gets an entry "qemu-i386" for i386 ELF programs, with the F flag so that
# the kernel holds the interpreter open. An entry for them already there is
# never replaced. It lasts until the next boot; the README says how to undo
# it sooner.
source "$root/scripts/wine-arch.sh"
if [ "$WINE32" = none ] && ! i386_binfmt_entry >/dev/null && [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    dpkg-query -W -f='${Status}' qemu-user 2>/dev/null | grep -q 'install ok installed' ||
        DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq qemu-user >/tmp/ironmarch-apt.log 2>&1 ||
        { tail -20 /tmp/ironmarch-apt.log; exit 1; }
    [ -e /proc/sys/fs/binfmt_misc/register ] ||
        "${as_root[@]}" mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386:F" | "${as_root[@]}" tee /proc/sys/fs/binfmt_misc/register >/dev/null
    source "$root/scripts/wine-arch.sh"
    echo "32-bit Wine: $WINE32 (qemu-user registered for i386 programs)"
fi
