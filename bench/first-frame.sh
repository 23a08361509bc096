#!/bin/bash
# Measures the time from the start of the process to the first complete
# frame on the screen under Wine and Xvfb, for the launcher (its last
# button picture drawn) and for a plain Win32 window that paints one
# colour. The screen is sampled one pixel at a time, every few tens of
# milliseconds, which bounds the resolution; the median of five runs each.
# usage: bench/first-frame.sh [BUILD]
set -euo pipefail
source "$(dirname "$0")/common.sh"
wineserver -p 2>/dev/null || true  # one server for all runs
wine cmd /c exit >/dev/null 2>&1 || true

# The gamespy button is drawn last; the colour it puts at client (85, 409).
launcher_colour=$(convert "$build/windows/disc/bitmaps/8bgamespyu.bmp" -format '%[hex:p{60,30}]' info: |
                  cut -c1-6 | tr 'A-F' 'a-f')

pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr 'A-F' 'a-f'
}

measure() {
    local exe=$1 folder=$2 x=$3 y=$4 colour=$5 title=$6
    local start
    start=$(date +%s%N)
    (cd "$folder" && wine "$exe" >/dev/null 2>&1) &
    while [ "$(pixel "$x" "$y")" != "$colour" ]; do
        [ $((($(date +%s%N) - start) / 1000000)) -lt 20000 ] || { echo "no frame within 20 s" >&2; break; }
    done
    echo $((($(date +%s%N) - start) / 1000000))
    xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 && xdotool key Escape
    wait
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

launcher=$(for _ in 1 2 3 4 5; do
    measure IronmarchLauncher.exe "$build/windows/disc" 277 567 "$launcher_colour" "Ironmarch Launcher"
done | median)
plain=$(for _ in 1 2 3 4 5; do
    measure "$build/windows/bench/plain_window.exe" "$build/windows" 512 384 3366cc "Plain Window"
done | median)
echo "first complete frame, median of 5: IronmarchLauncher.exe ${launcher} ms, plain Win32 window ${plain} ms"
