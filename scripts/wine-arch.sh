#!/bin/bash
# Which Windows programs Wine runs on this machine: i686, the disc's own, or
# x86_64 where the kernel runs no 32-bit user code and Wine's i386 loader
# cannot start (some virtual machines). There the Wine tests and the demo
# use an x86_64 build of the same sources under 64-bit Wine.
# Run, it prints the architecture. Sourced, it sets WINE_ARCH and, for
# x86_64, puts the 64-bit loader first on PATH.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WINE_ARCH=i686
else
    WINE_ARCH=x86_64
    PATH=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64:$PATH
fi
if [ "${BASH_SOURCE[0]}" = "$0" ]; then echo "$WINE_ARCH"; fi
