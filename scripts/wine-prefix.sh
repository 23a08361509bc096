# Wine recipes that the demo, the tests and the measurements share. Sourced
# with WINEPREFIX set; it also chooses the Wine of this machine
# (scripts/wine-arch.sh).
source "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"

# A new prefix: no Mono or Gecko (nothing here needs them, and their
# installers would ask) and no audio driver.
make_wine_prefix() {
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >/dev/null 2>&1
    wineserver -w
}

# Direct3D drawn by GDI rather than OpenGL. Under qemu-user a 32-bit
# process cannot take the page faults that OpenGL drawing and write watches
# raise (the signal comes with no trap number, which Wine needs), so a
# DirectDraw primary surface would end the program.
draw_direct3d_with_gdi() {
    wine reg add 'HKCU\Software\Wine\Direct3D' /v renderer /d gdi /f >/dev/null 2>&1
    wineserver -w
}

# A folder as a CD-ROM drive with its volume label: map_cdrom LETTER FOLDER LABEL
map_cdrom() {
    mkdir -p "$2"
    printf '%s\n' "$3" >"$2/.windows-label"
    ln -sfn "$2" "$WINEPREFIX/dosdevices/$1:"
    wine reg add 'HKLM\Software\Wine\Drives' /v "$1:" /d cdrom /f /reg:64 >/dev/null 2>&1
    restart_wineserver
}

# Ends every process of the prefix, so that the next start reads the
# registry and the drives afresh.
restart_wineserver() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
