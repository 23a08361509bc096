#!/bin/bash
# Seeds for the disc reader's fuzzer in FOLDER: a small disc mastered with
# Joliet names, without, and with Rock Ridge too, each from block 16 on, as
# the fuzzer takes it.
set -euo pipefail
tree=$(mktemp -d /tmp/ironmarch-seeds.XXXXXX)
trap 'rm -rf "$tree" "$tree.iso"' EXIT
mkdir -p "$tree/bitmaps" "$tree/DirectX"
touch "$tree/IronmarchLauncher.exe" "$tree/bitmaps/8bg1.bmp" "$tree/DirectX/dxsetup.exe"
for options in -J "-iso-level 2" "-J -r"; do
    xorriso -as mkisofs -quiet -no-pad $options -V IRM_1 -o "$tree.iso" "$tree" 2>/dev/null
    tail -c +$((16 * 2048 + 1)) "$tree.iso" >"$1/seed${options// /}"
done
