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
failures=0 checks=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A copy of the demo disc changed by a command, checked with a label ("-" for
# none): the exit status, and a message that the output holds ("": no output).
while IFS='|' read -r change label status message; do
    [ -n "$change" ] || continue
    checks=$((checks + 1))
    rm -rf "$work/disc"
    cp -r "$disc" "$work/disc"
    rm -f "$work/disc/.windows-label"
    (cd "$work/disc" && eval "$change")
    args=("$work/disc")
    [ "$label" = - ] || args=(--label "$label" "$work/disc")
    out=$("$check" "${args[@]}" 2>&1)
    code=$?
    [ "$code" = "$status" ] || fail "$change: exit $code, expected $status; said: $out"
    if [ -n "$message" ]; then grep -qF -- "$message" <<<"$out" || fail "$change: no \"$message\" in: $out"
    else [ -z "$out" ] || fail "$change: expected no problems, said: $out"; fi
done <<'EOF'
true|IRM_1|0|
convert bitmaps/8b1u.bmp -negate -type Palette BMP3:bitmaps/8b1u.bmp|IRM_1|1|error: bitmaps/8b1u.bmp: has another palette than bitmaps/8bgamespyd.bmp
convert bitmaps/8b4u.bmp -resize 240x40! -type Palette -remap bitmaps/8b4f.bmp BMP3:bitmaps/8b4u.bmp|IRM_1|1|error: bitmaps/8b4u.bmp: is 240x40, larger than its place of 230x30
convert bitmaps/8b5u.bmp -type TrueColor BMP3:bitmaps/8b5u.bmp|IRM_1|1|error: bitmaps/8b5u.bmp: is 24 bits per pixel
convert bitmaps/8bg1.bmp -crop 600x452+0+0 +repage BMP3:bitmaps/8bg1.bmp|IRM_1|1|error: bitmaps/8bg1.bmp: is 600x452; the window is 640x452
convert bitmaps/8b6u.bmp -compress RLE BMP3:bitmaps/8b6u.bmp|IRM_1|1|error: bitmaps/8b6u.bmp: is compressed or cut short
rm bitmaps/8b7d.bmp|IRM_1|1|error: bitmaps/8b7d.bmp: missing
rm DirectX/dxsetup.exe|IRM_1|1|error: DirectX/dxsetup.exe: missing
rm game/VXR.exe|IRM_1|1|error: game/VXR.exe: missing
printf "[autorun]\r\nicon=IronmarchLauncher.exe\r\n" >autorun.inf|IRM_1|1|error: autorun.inf: does not start the launcher
true|IRM_2|1|error: volume label IRM_2: Install DirectX looks for the disc labelled IRM_1
true|-|0|warning: volume label not known
EOF

# The image: its label and autorun entry, read back with xorriso; and the report as JSON.
checks=$((checks + 6))
"$check" "$iso" || fail "the demo disc's image"
xorriso -indev "$iso" -pvd_info 2>/dev/null | grep -qE '^Volume Id *: IRM_1$' || fail "the image's label"
xorriso -osirrox on -indev "$iso" -extract /autorun.inf "$work/autorun.inf" >/dev/null 2>&1
tr -d '\r' <"$work/autorun.inf" | grep -qx 'open=IronmarchLauncher.exe' || fail "the image's autorun.inf: $(cat "$work/autorun.inf")"
tr -d '\r' <"$work/autorun.inf" | grep -qx 'icon=IronmarchLauncher.exe,0' || fail "the image's autorun icon"
xorriso -indev "$iso" -find / -name '.windows-label' 2>/dev/null | grep -q . && fail "a Wine drive label went into the image"
json=$("$check" --json --label IRM_2 "$work/disc")
python3 -c 'import json, sys; r = json.loads(sys.argv[1]); assert not r["ok"] and r["problems"][0]["severity"] == "error"' "$json" ||
    fail "--json: $json"
echo "$((checks - failures)) passed, $failures failed"
[ "$failures" = 0 ]
