#!/bin/bash
# Starts the launcher from the demo disc mapped as the CD-ROM drive D:
# labelled IRM_1, in the Wine prefix build/demo-prefix: the disc players
# get (build/windows/disc, i686) wherever 32-bit Wine starts, natively or
# emulated, else its x86_64 build (scripts/wine-arch.sh); it says which.
# Without a display (or with --headless) it walks the player's journey
# under Xvfb instead and saves screenshots of its stages in
# build/demo-screens.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-prefix.sh"
arch=$([ "$WINE32" = none ] && echo x86_64 || echo i686)
suffix=$([ "$arch" = i686 ] || echo "-$arch")
windows=$root/build/windows$suffix
disc=$windows/disc
export WINEPREFIX=$root/build/demo-prefix WINEDEBUG=-all
[ -f "$disc/IronmarchLauncher.exe" ] || { echo "no demo disc in $disc: run scripts/build.sh" >&2; exit 1; }
echo "The demo disc's $arch programs (32-bit Wine: $WINE32)."

# A prefix made before 32-bit Wine could start has no 32-bit system files.
if [ "$arch" = i686 ] && [ -f "$WINEPREFIX/system.reg" ] && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
    rm -rf "$WINEPREFIX"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX (once)..."
    make_wine_prefix
    [ "$WINE32" != emulated ] || draw_direct3d_with_gdi
fi
map_cdrom d "$disc" IRM_1

start_launcher() { (cd "$WINEPREFIX/dosdevices/d:" && wine start /wait /d 'D:\' 'D:\IronmarchLauncher.exe') ; }

if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--headless" ]; then
    echo "Starting the launcher from D:\\ (the demo disc)."
    start_launcher
    exit 0
fi

# No display: the player's journey (disc menu, setup, installed menu, the game,
# readme, uninstall) under Xvfb, with screenshots of the first four.
echo "No display: walking the demo under Xvfb."
export IRONMARCH_PREFIX=$WINEPREFIX IRONMARCH_WINDOWS_BUILD=$windows IRONMARCH_ARCH=$arch
if [ "$WINE32" = emulated ]; then  # every process starts slowly; the helpers run natively
    export IRONMARCH_SLOW=3 IRONMARCH_HELPERS=$root/build/windows-x86_64
fi
export IRONMARCH_DEMO_ISO=$root/build/IronmarchDemo$suffix.iso IRONMARCH_KIT=$root/build/kit
export IRONMARCH_SCREENS=$root/build/demo-screens
exec "$root/tests/e2e/run.sh" "$root/tests/e2e/e2e-journey.sh"
