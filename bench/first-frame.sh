#!/bin/bash
# Measures the time from the start of the process to the first complete
# frame on the screen under Wine and Xvfb, for the launcher (its last
# button picture drawn) and for a plain Win32 window that paints one
# colour, in turns. One pixel is sampled about every millisecond
# (first-pixel.py); the median of seven runs each.
# usage: bench/first-frame.sh [BUILD]
set -euo pipefail
source "$(dirname "$0")/common.sh"
wineserver -p 2>/dev/null || true  # one server for all runs
wine cmd /c exit >/dev/null 2>&1 || true

# The gamespy button is drawn last; the colour it puts at client (85, 409).
launcher_colour=$(convert "$windows/disc/bitmaps/8bgamespyu.bmp" -format '%[hex:p{60,30}]' info: |
                  cut -c1-6 | tr 'A-F' 'a-f')

measure() {
    local exe=$1 folder=$2 x=$3 y=$4 colour=$5 title=$6
    (cd "$folder" && python3 "$root/bench/first-pixel.py" "$x" "$y" "$colour" 20000 wine "$exe")
    xdotool search --sync --onlyvisible --name "^$title\$" >/dev/null 2>&1 && xdotool key Escape
    while pgrep -f "$(basename "$exe")" >/dev/null; do sleep 0.05; done
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

launcher_runs=() plain_runs=()
for _ in 1 2 3 4 5 6 7; do
    launcher_runs+=("$(measure IronmarchLauncher.exe "$windows/disc" 277 567 "$launcher_colour" "Ironmarch Launcher")")
    plain_runs+=("$(measure "$windows/bench/plain_window.exe" "$windows" 512 384 3366cc "Plain Window")")
done
launcher=$(printf '%s\n' "${launcher_runs[@]}" | median)
plain=$(printf '%s\n' "${plain_runs[@]}" | median)
echo "launcher runs (ms): ${launcher_runs[*]}"
echo "plain window runs (ms): ${plain_runs[*]}"
echo "first complete frame, median of 7: IronmarchLauncher.exe ${launcher} ms, plain Win32 window ${plain} ms," \
     "ratio $(awk -v a="$launcher" -v b="$plain" 'BEGIN { printf "%.2f", a / b }')"
