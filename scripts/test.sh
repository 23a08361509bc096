#!/bin/bash
# Installs what is missing, builds everything and runs every test: host tests
# under the sanitizers, the Windows tests under Wine, and the end-to-end
# tests of the launcher under Wine and Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-machine.sh"
"$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure -j1 "$@"
