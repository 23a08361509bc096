#!/bin/bash
# Measures the processor time that an idle launcher uses over 10 seconds
# under Wine and Xvfb, next to a plain Win32 window program.
# usage: bench/idle-cpu.sh [BUILD]   (default build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
set -euo pipefail
build=$1
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
[ -f "$WINEPREFIX/system.reg" ] || "$2/tests/e2e/make-prefix.sh" "$WINEPREFIX" >/dev/null
ticks=$(getconf CLK_TCK)
measure() {
    local name=$1 exe=$2 title=$3 folder=$4
    (cd "$folder" && wine "$exe" >/dev/null 2>&1) &
    for _ in $(seq 1 150); do
        xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 2
    local pid
    # The Wine process itself, whose command line is the program (with or
    # without its folder), not this script that names it.
    pid=$(pgrep -f "(^|[/\\\\])$(basename "$exe")\$" | head -n 1 || true)
    [ -n "$pid" ] || { echo "no process for $exe" >&2; exit 1; }
    echo "  measuring pid $pid: $(tr "\0" " " </proc/$pid/cmdline)" >&2
    local before after
    before=$(awk "{print \$14 + \$15}" /proc/$pid/stat)
    sleep 10
    after=$(awk "{print \$14 + \$15}" /proc/$pid/stat)
    awk -v n="$name" -v t=$((after - before)) -v hz="$ticks" \
        "BEGIN { printf \"%-28s %6.2f s of processor time in 10 s: %5.2f%% of a core\n\", n, t / hz, 100 * t / hz / 10 }"
    xdotool key Escape
    wait
}
measure "IronmarchLauncher.exe idle" IronmarchLauncher.exe "Ironmarch Launcher" "$build/windows/disc"
measure "plain Win32 window idle" "$build/windows/bench/plain_window.exe" "Plain Window" "$build/windows"
wineserver -k 2>/dev/null || true
' bash "$build" "$root"
