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
# One check: check WHAT COMMAND [ARGS]; the command's success is the check's.
check() { local what=$1; shift; checks=$((checks + 1)); "$@" || fail "$what"; }

# A copy of the demo disc changed by a command, checked with a label ("-" for
# none): the exit status, and a message that the output holds ("": no output).
while IFS='|' read -r change label status message; do
    [ -n "$change" ] || continue
    checks=$((checks + 1))  # one check a row
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
image_label_is_irm1() { xorriso -indev "$iso" -pvd_info 2>/dev/null | grep -qE '^Volume Id *: IRM_1$'; }
xorriso -osirrox on -indev "$iso" -extract /autorun.inf "$work/autorun.inf" >/dev/null 2>&1
autorun_has() { tr -d '\r' <"$work/autorun.inf" | grep -qx "$1"; }
no_wine_label() { ! xorriso -indev "$iso" -find / -name '.windows-label' 2>/dev/null | grep -q .; }
json_says_error() {
    python3 -c 'import json, sys; r = json.loads(sys.argv[1]); assert not r["ok"] and r["problems"][0]["severity"] == "error"' \
        "$("$check" --json --label IRM_2 "$work/disc")"
}
check "the demo disc's image" "$check" "$iso"
check "the image's label" image_label_is_irm1
check "the image's autorun.inf opens the launcher" autorun_has 'open=IronmarchLauncher.exe'
check "the image's autorun icon" autorun_has 'icon=IronmarchLauncher.exe,0'
check "a Wine drive label went into the image" no_wine_label
check "--json" json_says_error
echo "$((checks - failures)) passed, $failures failed"
[ "$failures" = 0 ]
