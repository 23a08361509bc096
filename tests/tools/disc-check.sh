#!/bin/bash
# The disc checker against the demo disc, its image, and discs made wrong on
# purpose: each wrong disc fails with the message that says what to do.
# usage: disc-check.sh BUILD-FOLDER
set -uo pipefail
build=$1
check=$build/tools/disc_check
disc=$build/windows/disc
iso=$build/IronmarchDemo.iso
work=$(mktemp -d /tmp/ironmarch-disc-check.XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0
checks=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check_count() { checks=$((checks + 1)); }

# expect NAME STATUS MESSAGE -- CHECKER-ARGS...: the status and a line with the message.
expect() {
    local name=$1 status=$2 message=$3
    shift 4
    local out code
    check_count
    out=$("$check" "$@" 2>&1)
    code=$?
    [ "$code" = "$status" ] || fail "$name: exit $code, expected $status; said: $out"
    [ -z "$message" ] || grep -qF -- "$message" <<<"$out" || fail "$name: no \"$message\" in: $out"
    [ -n "$message" ] || [ -z "$out" ] || fail "$name: expected no problems, said: $out"
}

# A copy of the demo disc with one thing changed: wrong NAME COMMAND...
wrong() {
    rm -rf "$work/disc"
    cp -r "$disc" "$work/disc"
    rm -f "$work/disc/.windows-label"
    (cd "$work/disc" && eval "$1")
}

expect "the demo disc" 0 "" -- --label IRM_1 "$disc"
expect "the demo disc's image" 0 "" -- "$iso"

wrong 'convert bitmaps/8b1u.bmp -negate -type Palette BMP3:bitmaps/8b1u.bmp'
expect "another palette" 1 "error: bitmaps/8b1u.bmp: has another palette than bitmaps/8bgamespyd.bmp" -- --label IRM_1 "$work/disc"
wrong 'convert bitmaps/8b4u.bmp -resize 240x40! -type Palette -remap bitmaps/8b4f.bmp BMP3:bitmaps/8b4u.bmp'
expect "too large" 1 "error: bitmaps/8b4u.bmp: is 240x40, larger than its place of 230x30" -- --label IRM_1 "$work/disc"
wrong 'convert bitmaps/8b5u.bmp -type TrueColor BMP3:bitmaps/8b5u.bmp'
expect "24 bits" 1 "error: bitmaps/8b5u.bmp: is 24 bits per pixel" -- --label IRM_1 "$work/disc"
wrong 'convert bitmaps/8bg1.bmp -crop 600x452+0+0 +repage BMP3:bitmaps/8bg1.bmp'
expect "background size" 1 "error: bitmaps/8bg1.bmp: is 600x452; the window is 640x452" -- --label IRM_1 "$work/disc"
wrong 'convert bitmaps/8b6u.bmp -compress RLE BMP3:bitmaps/8b6u.bmp'
expect "compressed" 1 "error: bitmaps/8b6u.bmp: is compressed or cut short" -- --label IRM_1 "$work/disc"
wrong 'rm bitmaps/8b7d.bmp'
expect "missing picture" 1 "error: bitmaps/8b7d.bmp: missing" -- --label IRM_1 "$work/disc"
wrong 'rm DirectX/dxsetup.exe'
expect "missing DirectX setup" 1 "error: DirectX/dxsetup.exe: missing" -- --label IRM_1 "$work/disc"
wrong 'rm game/VXR.exe'
expect "missing game" 1 "error: game/VXR.exe: missing" -- --label IRM_1 "$work/disc"
wrong 'printf "[autorun]\r\nicon=IronmarchLauncher.exe\r\n" >autorun.inf'
expect "autorun without open" 1 "error: autorun.inf: does not start the launcher" -- --label IRM_1 "$work/disc"
wrong 'true'
expect "wrong label" 1 "error: volume label IRM_2: Install DirectX looks for the disc labelled IRM_1" -- --label IRM_2 "$work/disc"
expect "no label" 0 "warning: volume label not known" -- "$work/disc"
json=$("$check" --json --label IRM_2 "$work/disc")
python3 -c '
import json, sys
report = json.load(sys.stdin)
assert report["ok"] is False and report["problems"][0]["severity"] == "error", report' <<<"$json" || fail "--json: $json"

# The image: its label and autorun entry, read back with xorriso.
xorriso -indev "$iso" -pvd_info 2>/dev/null | grep -qE '^Volume Id *: IRM_1$' || fail "the image's label: $(xorriso -indev "$iso" -pvd_info 2>&1 | grep 'Volume Id')"
mkdir -p "$work/iso"
xorriso -osirrox on -indev "$iso" -extract /autorun.inf "$work/iso/autorun.inf" >/dev/null 2>&1
tr -d '\r' <"$work/iso/autorun.inf" | grep -qx 'open=IronmarchLauncher.exe' || fail "the image's autorun.inf: $(cat "$work/iso/autorun.inf")"
tr -d '\r' <"$work/iso/autorun.inf" | grep -qx 'icon=IronmarchLauncher.exe,0' || fail "the image's autorun icon"
xorriso -indev "$iso" -find / -name '.windows-label' 2>/dev/null | grep -q . && fail "a Wine drive label went into the image"

checks=$((checks + 5))  # the JSON, the image's label, autorun open and icon, no drive label
echo "$((checks - failures)) passed, $failures failed"
[ "$failures" = 0 ]
