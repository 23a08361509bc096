#!/bin/bash
# Inside Xvfb: the environment of a Wine test, then the test itself.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${IRONMARCH_PREFIX:?the shared Wine prefix} WINEDEBUG=-all
export WINDOWS_BUILD=${IRONMARCH_WINDOWS_BUILD:?the Windows build folder}
export DISC=$WINDOWS_BUILD/disc KIT=${IRONMARCH_KIT:?the folder of the kit programs} DEMO_ISO=${IRONMARCH_DEMO_ISO:?the demo image}
source "$here/../../scripts/wine-prefix.sh"
# The programs under test, and the helpers that watch them (the fast ones
# where the tested ones are emulated).
export HELPERS=${IRONMARCH_HELPERS:-$WINDOWS_BUILD} SLOW=${IRONMARCH_SLOW:-1}
export REG_VIEW=/reg:$([ "${IRONMARCH_ARCH:-$WINE_ARCH}" = i686 ] && echo 32 || echo 64)
export SCRATCH=$(mktemp -d /tmp/ironmarch-e2e.XXXXXX)
source "$here/lib.sh"
trap cleanup EXIT
# A command that fails outside fail() still says where, and shows the screen.
set -E
trap 'status=$?; trap - ERR; fail "line $LINENO of ${BASH_SOURCE[0]##*/}: \"$BASH_COMMAND\" exited with $status"' ERR
restart_wineserver
test_script=$1
source "$test_script"
echo "PASS: $(basename "$test_script" .sh)"
