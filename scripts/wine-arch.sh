#!/bin/bash
# How this machine runs Windows programs under Wine.
#
# WINE32 says how Wine's 32-bit loader, which the disc's own i686 programs
# need, starts here:
#   native    the kernel runs i386 programs itself;
#   emulated  it does not, and qemu-user runs them (a binfmt_misc entry for
#             i386 programs, which scripts/setup-machine.sh makes);
#   none      it cannot start at all.
# WINE_ARCH says which build the fast tiers (Windows-side and end-to-end
# tests) and the measurements run: i686 where 32-bit Wine is native, else an
# x86_64 build of the same sources under 64-bit Wine, for speed.
#
# Run, it prints "WINE_ARCH WINE32". Sourced, it sets both, and where 32-bit
# Wine is not native puts the 64-bit loader first on PATH (it starts a
# 32-bit program through the 32-bit loader, emulated or not) and gives qemu
# the address space Wine's 32-bit loader needs.

# The enabled binfmt_misc entry for i386 ELF programs, if any.
i386_binfmt_entry() {
    local entry
    for entry in /proc/sys/fs/binfmt_misc/*; do
        [ -f "$entry" ] || continue
        grep -q '^magic 7f454c4601010100000000000000000002000300' "$entry" 2>/dev/null &&
            head -n 1 "$entry" | grep -qx enabled && { echo "$entry"; return 0; }
    done
    return 1
}

# qemu's default address space has no room for Wine's shared user data at
# 0x7ffe0000 ("failed to map the shared user data"). 2.25 GB holds it and
# leaves 256 MB for the Unix libraries a 32-bit Wine process maps above
# 2 GB; 2 GB alone is too little, and every 1 GB more costs each process
# start about 15 s here (qemu 7.2 looks through the whole reserved space
# for each mapping).
export QEMU_RESERVED_VA=0x90000000
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WINE32=none
elif i386_binfmt_entry >/dev/null; then
    WINE32=emulated
else
    WINE32=native
fi
if [ "$WINE32" = native ]; then
    WINE_ARCH=i686
    unset QEMU_RESERVED_VA
else
    WINE_ARCH=x86_64
    PATH=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64:$PATH
fi
if [ "${BASH_SOURCE[0]}" = "$0" ]; then echo "$WINE_ARCH $WINE32"; fi
