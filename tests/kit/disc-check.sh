#!/bin/bash
# The publisher's kit against the demo disc, its image, and discs and
# artwork made wrong on purpose: each wrong one fails with the message that
# says what to do, and nothing the kit refuses is written.
# usage: disc-check.sh BUILD-FOLDER
set -uo pipefail
build=$1
check=$build/kit/disc_check
disc=$build/windows/disc
iso=$build/IronmarchDemo.iso
work=$(mktemp -d /tmp/ironmarch-disc-check.XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0 checks=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# One check: check WHAT COMMAND [ARGS]; the command's success is the check's.
check() { local what=$1; shift; checks=$((checks + 1)); "$@" || fail "$what"; }

# expect WHAT STATUS MESSAGE COMMAND...: the exit status, and a line the
# output holds ("" for no output at all).
expect() {
    local what=$1 status=$2 message=$3 out code
    shift 3
    checks=$((checks + 1))
    out=$("$@" 2>&1)
    code=$?
    [ "$code" = "$status" ] || { fail "$what: exit $code, expected $status; said: $out"; return; }
    if [ -n "$message" ]; then grep -qF -- "$message" <<<"$out" || fail "$what: no \"$message\" in: $out"
    else [ -z "$out" ] || fail "$what: expected no problems, said: $out"; fi
}

# A copy of the demo disc changed by a command, as a folder and, where the
# image column names mkisofs options, mastered into an image with them.
fresh_disc() { rm -rf "$work/disc"; cp -r "$disc" "$work/disc"; rm -f "$work/disc/.windows-label"; (cd "$work/disc" && eval "$1"); }
master() { rm -f "$work/disc.iso"; eval xorriso -as mkisofs -quiet "$1" -o "$work/disc.iso" "$work/disc" 2>/dev/null; }

truncate -s 10G "$work/huge"
while IFS='^' read -r change args status message; do
    [ -n "$change" ] || continue
    fresh_disc "$change"
    expect "folder: $change" "$status" "$message" "$check" $args "$work/disc"
done <<EOF
true^--label IRM_1 --demo^0^
convert bitmaps/8b1u.bmp -negate -type Palette BMP3:bitmaps/8b1u.bmp^--label IRM_1^1^error: bitmaps/8b1u.bmp: has another palette than bitmaps/8bgamespyd.bmp
convert bitmaps/8b4u.bmp -resize 240x40! -type Palette -remap bitmaps/8b4f.bmp BMP3:bitmaps/8b4u.bmp^--label IRM_1^1^error: bitmaps/8b4u.bmp: is 240x40, larger than its place of 230x30
convert bitmaps/8b5u.bmp -type TrueColor BMP3:bitmaps/8b5u.bmp^--label IRM_1^1^error: bitmaps/8b5u.bmp: is 24 bits per pixel
convert bitmaps/8bg1.bmp -crop 600x452+0+0 +repage BMP3:bitmaps/8bg1.bmp^--label IRM_1^1^error: bitmaps/8bg1.bmp: is 600x452; the window is 640x452
convert bitmaps/8b6u.bmp -compress RLE BMP3:bitmaps/8b6u.bmp^--label IRM_1^1^error: bitmaps/8b6u.bmp: is compressed or cut short
printf '\x01' | dd of=bitmaps/8b6d.bmp bs=1 seek=31 conv=notrunc 2>/dev/null^--label IRM_1^1^error: bitmaps/8b6d.bmp: is compressed or cut short
rm bitmaps/8b7d.bmp^--label IRM_1^1^error: bitmaps/8b7d.bmp: missing: the button shows the background there; add a picture of 120x70
rm DirectX/dxsetup.exe^--label IRM_1^1^error: DirectX/dxsetup.exe: missing
rm -r game^--label IRM_1^0^
rm game/VXR.exe^--label IRM_1 --demo^1^error: game/VXR.exe: missing
printf "[autorun]\r\nicon=IronmarchLauncher.exe\r\n" >autorun.inf^--label IRM_1^1^error: autorun.inf: does not start the launcher
true^--label IRM_2^1^error: volume label IRM_2: Install DirectX looks for the disc labelled IRM_1
true^^0^warning: volume label not known
for f in \$(find . -depth -name '*[a-z]*'); do mv "\$f" "\$(dirname "\$f")/\$(basename "\$f" | tr a-z A-Z)"; done^--label IRM_1^0^
ln -sf /etc/hostname readme.txt^--label IRM_1^1^error: readme.txt: a link: mastering stores it as a link, which Windows does not see; copy the file in
ln -sf /dev/stdin autorun.inf^--label IRM_1^1^error: autorun.inf: a link
ln -sf $work/huge bitmaps/8b1u.bmp^--label IRM_1^1^error: bitmaps/8b1u.bmp: a link
cp --sparse=always $work/huge bitmaps/8b1f.bmp^--label IRM_1^1^error: bitmaps/8b1f.bmp: is 10737418240 bytes, more than 28774 it can be
EOF

# Images mastered as a publisher might: Windows reads Joliet names, or else
# the ISO 9660 names, never Rock Ridge's.
level1="Windows does not find it: the image has no Joliet names"
while IFS='^' read -r change options status message; do
    fresh_disc "$change"
    master "$options"
    expect "image: $options after $change" "$status" "$message" "$check" "$work/disc.iso"
done <<EOF
true^-J -r -V IRM_1^0^
true^-r -V IRM_1^1^error: bitmaps/8bgamespyu.bmp: missing: $level1
true^-iso-level 1 -V IRM_1^1^error: IronmarchLauncher.exe: missing: $level1
true^-iso-level 2 -V IRM_1^0^
ln -sf /etc/hostname readme.txt^-J -r -V IRM_1^1^error: readme.txt: missing
ln -sf /dev/stdin autorun.inf^-J -r -V IRM_1^1^error: autorun.inf: missing
printf '\x01' | dd of=bitmaps/8b6d.bmp bs=1 seek=31 conv=notrunc 2>/dev/null^-J -r -V IRM_1^1^error: bitmaps/8b6d.bmp: is compressed or cut short
true^-J -r -V IRM_2^1^error: volume label IRM_2
EOF

# What is no disc at all, and the report as JSON whatever the label holds.
printf 'not an image\n' >"$work/text.iso"
: >"$work/empty.iso"
mkdir -p "$work/folder.iso"
cp "$iso" "$work/stdio:named.iso"
for input in text.iso empty.iso; do expect "$input" 2 "$input: not an ISO 9660 image" "$check" "$work/$input"; done
expect "a folder named .iso" 2 "folder.iso: a folder, not an ISO 9660 image" "$check" "$work/folder.iso"
expect "a name that looks like an xorriso drive" 0 "" "$check" "$work/stdio:named.iso"
expect "no disc" 2 "cannot be read" "$check" "$work/nothing"
expect "the demo disc's image" 0 "" "$check" --demo "$iso"
xorriso -as mkisofs -quiet -J -r -V 'IRM"\'$'\x01' -o "$work/label.iso" "$disc" 2>/dev/null
json_valid() {
    python3 -c 'import json, sys; r = json.loads(sys.argv[1]); assert not r["ok"] and r["label"] == "IRM\"\\\x01", r' \
        "$("$check" --json "$work/label.iso")"
}
check "--json with quotes, a backslash and a control character in the label" json_valid
cp "$iso" "$work/joliet.iso"  # its Joliet label (UCS-2, block 17, byte 40) made IRM_9
printf '\0I\0R\0M\0_\0009' | dd of="$work/joliet.iso" bs=1 seek=$((17 * 2048 + 40)) conv=notrunc 2>/dev/null
expect "another Joliet label" 1 "warning: the Joliet label IRM_9 differs from the ISO 9660 label IRM_1" "$check" "$work/joliet.iso"
fresh_disc "mv game/VXR.exe ."
expect "an installed folder" 0 "" "$check" --installed "$work/disc"
fresh_disc "mv game/VXR.exe .; rm -r bitmaps"
expect "an installed folder without pictures" 1 "error: bitmaps/8bg1.bmp: missing" "$check" --installed "$work/disc"

# The image the build masters: label, autorun entry, and the launcher's files in its read order.
image_label_is_irm1() { xorriso -indev "$iso" -pvd_info 2>/dev/null | grep -qE '^Volume Id *: IRM_1$'; }
xorriso -osirrox on -indev "$iso" -extract /autorun.inf "$work/autorun.inf" >/dev/null 2>&1
autorun_has() { tr -d '\r' <"$work/autorun.inf" | grep -qx "$1"; }
no_wine_label() { ! xorriso -indev "$iso" -find / -name '.windows-label' 2>/dev/null | grep -q .; }
in_read_order() {
    local order
    order=$(xorriso -indev "$iso" -find / -type f -exec report_lba -- 2>/dev/null |
            awk -F, '/^File data lba:/ { print $2 + 0, $5 }' | sort -n | awk '{ print $2 }' | head -3 | tr -d "'" | tr '\n' ' ')
    [ "$order" = "/IronmarchLauncher.exe /bitmaps/8bg1.bmp /bitmaps/8b1u.bmp " ] || { echo "first on the image: $order"; false; }
}
check "the image's label" image_label_is_irm1
check "the image's autorun.inf opens the launcher" autorun_has 'open=IronmarchLauncher.exe'
check "the image's autorun icon" autorun_has 'icon=IronmarchLauncher.exe,0'
check "a Wine drive label went into the image" no_wine_label
check "the image's first files" in_read_order

# The picture kit reads PNG only: a GIF or an SVG named .png is refused by
# name, and nothing is written, not even the output folder.
cp -r "$build/assets/artwork" "$work/art"
convert "$work/art/8b1u.png" "GIF:$work/art/8b1u.png"
printf '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"><image xlink:href="8bg1.png" width="9" height="9"/></svg>' >"$work/art/8b4u.png"
expect "a GIF named .png" 1 "8b1u.png: is not a PNG file" "$build/kit/picture_kit" "$work/art" "$work/out/bitmaps"
expect "an SVG named .png" 1 "8b4u.png: is not a PNG file" "$build/kit/picture_kit" "$work/art" "$work/out/bitmaps"
check "nothing written after a refusal" test ! -e "$work/out"
: >"$work/file"
rm "$work/art/8b1u.png" "$work/art/8b4u.png"
cp "$build/assets/artwork/8b1u.png" "$build/assets/artwork/8b4u.png" "$work/art/"
expect "an output folder that cannot be made" 1 "cannot be made" "$build/kit/picture_kit" "$work/art" "$work/file/bitmaps"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" = 0 ]
