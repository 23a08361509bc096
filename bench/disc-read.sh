#!/bin/bash
# The modelled time to the launcher's first frame from a CD-ROM drive, for
# the demo disc's image as the build masters it (the launcher's files in its
# read order, one after the other) and as mastered without that order.
# usage: bench/disc-read.sh [BUILD [--language CODE]]   (default build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true
unordered=$(mktemp -d /tmp/ironmarch-disc-read.XXXXXX)
trap 'rm -rf "$unordered"' EXIT
xorriso -as mkisofs -quiet -J -r -V IRM_1 -m .windows-label -o "$unordered/unordered.iso" "$build/windows/disc" 2>/dev/null
"$build/disc_read_time" "$@" "$unordered/unordered.iso" "$build/IronmarchDemo.iso"
