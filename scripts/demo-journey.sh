#!/bin/bash
# Under Xvfb: the launcher from the demo disc, a screenshot of what the
# player sees.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
screens=$root/build/demo-screens
mkdir -p "$screens"
(cd "$WINEPREFIX/dosdevices/d:" && wine start /wait /d 'D:\' 'D:\IronmarchLauncher.exe') &
for _ in $(seq 1 150); do
    xdotool search --onlyvisible --name '^Ironmarch Launcher$' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 1
import -window root "$screens/1-disc-menu.png"
echo "The launcher's disc menu: $screens/1-disc-menu.png"
xdotool key Escape
wait
wineserver -k 2>/dev/null || true
