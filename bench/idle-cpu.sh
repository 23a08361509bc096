#!/bin/bash
# Measures the processor time that an idle launcher uses over 10 seconds
# under Wine and Xvfb, next to a plain Win32 window program.
# usage: bench/idle-cpu.sh [BUILD]   (default build/)
set -euo pipefail
source "$(dirname "$0")/common.sh"
ticks=$(getconf CLK_TCK)

measure() {
    local name=$1 exe=$2 title=$3 folder=$4
    (cd "$folder" && wine "$exe" >/dev/null 2>&1) &
    for _ in $(seq 1 150); do
        xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 2
    # The Wine process itself, whose command line is the program (with or
    # without its folder), not a script that names it.
    local pid
    pid=$(pgrep -f "(^|[/\\\\])$(basename "$exe")\$" | head -n 1 || true)
    [ -n "$pid" ] || { echo "no process for $exe" >&2; exit 1; }
    local before after
    before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep 10
    after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    awk -v n="$name" -v t=$((after - before)) -v hz="$ticks" \
        'BEGIN { printf "%-28s %5.2f s of processor time in 10 s: %5.2f%% of a core\n", n, t / hz, 100 * t / hz / 10 }'
    xdotool key Escape
    wait
}

measure "IronmarchLauncher.exe idle" IronmarchLauncher.exe "Ironmarch Launcher" "$windows/disc"
measure "plain Win32 window idle" "$windows/bench/plain_window.exe" "Plain Window" "$windows"
echo "(processor time is counted in ticks of $((1000 / ticks)) ms)"
