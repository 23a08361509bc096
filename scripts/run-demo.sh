#!/bin/bash
# Installs what is missing, builds, and starts the launcher from the demo
# disc in a Wine prefix of its own (build/demo-prefix), with the disc mapped
# as a CD-ROM drive labelled IRM_1. On a display the launcher simply opens;
# with none (or with --headless), the player's journey runs under Xvfb and
# four screenshots are saved: the disc menu, setup, the installed menu and
# the game.
set -euo pipefail
case ${1:-} in -h | --help) sed -n '2,7s/^# //p' "$0"; echo "usage: scripts/run-demo.sh [--headless]"; exit 0 ;; esac
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-machine.sh"
"$root/scripts/build.sh"
exec "$root/scripts/demo.sh" "$@"
