#!/bin/bash
# Makes the Wine prefix that the Wine tests share: new, 32-bit programs
# welcome, no audio driver, the Windows version Wine reports by default.
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all
source "$(dirname "$0")/../../scripts/wine-arch.sh"
rm -rf "$WINEPREFIX"
# No Mono or Gecko: nothing here needs them, and their installers would ask.
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >/dev/null 2>&1
wineserver -w
echo "Wine prefix ready in $WINEPREFIX"
