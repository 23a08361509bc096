# Shared by the measurements: the build folder, a screen of their own and
# the build's Wine prefix. Sourced with the script's arguments.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
if [ -z "${IRONMARCH_IN_XVFB:-}" ]; then
    IRONMARCH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$build"
fi
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
source "$root/scripts/wine-prefix.sh"
windows=$build/windows$([ "$WINE_ARCH" = i686 ] || echo "-$WINE_ARCH")
[ -f "$WINEPREFIX/system.reg" ] || "$root/tests/e2e/make-prefix.sh" "$WINEPREFIX" >/dev/null
trap 'wineserver -k 2>/dev/null || true' EXIT
