#!/bin/bash
# Makes the Wine prefix that the Wine tests share: new, 32-bit programs
# welcome, no audio driver, the Windows version Wine reports by default.
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all
source "$(dirname "$0")/../../scripts/wine-prefix.sh"
rm -rf "$WINEPREFIX"
make_wine_prefix
echo "Wine prefix ready in $WINEPREFIX"
