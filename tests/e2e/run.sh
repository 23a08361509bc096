#!/bin/bash
# Runs one Wine test on a screen of its own: a new Xvfb of 1024 by 768, the
# shared prefix, and a scratch folder; everything it started is ended after.
# usage: run.sh TEST-SCRIPT   (environment: IRONMARCH_PREFIX, IRONMARCH_WINDOWS_BUILD)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$here/harness.sh" "$@"
