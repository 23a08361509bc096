#!/bin/bash
# Starts the launcher from the demo disc (build/windows/disc, or its x86_64
# build where this machine runs no 32-bit programs: scripts/wine-arch.sh)
# mapped as the CD-ROM drive D: labelled IRM_1, in the Wine prefix
# build/demo-prefix.
# Without a display (or with --headless) it walks the player's journey
# under Xvfb instead and saves screenshots of its stages in
# build/demo-screens.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-prefix.sh"
suffix=$([ "$WINE_ARCH" = i686 ] || echo "-$WINE_ARCH")
windows=$root/build/windows$suffix
disc=$windows/disc
export WINEPREFIX=$root/build/demo-prefix WINEDEBUG=-all
[ -f "$disc/IronmarchLauncher.exe" ] || { echo "no demo disc in $disc: run scripts/build.sh" >&2; exit 1; }

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX (once)..."
    make_wine_prefix
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
export IRONMARCH_PREFIX=$WINEPREFIX IRONMARCH_WINDOWS_BUILD=$windows
export IRONMARCH_DEMO_ISO=$root/build/IronmarchDemo$suffix.iso IRONMARCH_KIT=$root/build/kit
export IRONMARCH_SCREENS=$root/build/demo-screens
exec "$root/tests/e2e/run.sh" "$root/tests/e2e/e2e-journey.sh"
