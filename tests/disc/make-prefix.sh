#!/bin/bash
# The disc tier's prefix: as the other Wine tests', made with 32-bit Wine in
# place, and where that is emulated with Direct3D drawn by GDI
# (scripts/wine-prefix.sh says why).
set -euo pipefail
"$(dirname "$0")/../e2e/make-prefix.sh" "$1"
export WINEPREFIX=$1 WINEDEBUG=-all
source "$(dirname "$0")/../../scripts/wine-prefix.sh"
[ "$WINE32" != emulated ] || draw_direct3d_with_gdi
