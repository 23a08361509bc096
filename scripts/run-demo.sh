#!/bin/bash
# Installs what is missing, builds, and starts the launcher from the demo
# disc in a Wine prefix of its own (build/demo-prefix), with the disc mapped
# as a CD-ROM drive labelled IRM_1. On a display the launcher simply opens;
# with none, it runs under Xvfb and a screenshot is saved.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-machine.sh"
"$root/scripts/build.sh"
exec "$root/scripts/demo.sh" "$@"
