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
source "$root/scripts/wine-arch.sh"
suffix=$([ "$WINE_ARCH" = i686 ] || echo "-$WINE_ARCH")
windows=$root/build/windows$suffix
disc=$windows/disc
export WINEPREFIX=$root/build/demo-prefix WINEDEBUG=-all
[ -f "$disc/IronmarchLauncher.exe" ] || { echo "no demo disc in $disc: run scripts/build.sh" >&2; exit 1; }

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX (once)..."
    # No Mono or Gecko: nothing here needs them, and their installers would ask.
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >/dev/null 2>&1
fi
# The disc as a CD-ROM drive with its volume label.
echo IRM_1 >"$disc/.windows-label"
ln -sfn "$disc" "$WINEPREFIX/dosdevices/d:"
wine reg add 'HKLM\Software\Wine\Drives' /v d: /d cdrom /f /reg:64 >/dev/null 2>&1
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true

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
