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
# A reader without bounds fails here (memory, a FIFO that never ends)
# instead of taking the machine.
ulimit -v 1500000
failures=0 checks=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# One check: check WHAT COMMAND [ARGS]; the command's success is the check's.
check() { local what=$1; shift; checks=$((checks + 1)); "$@" || fail "$what"; }

# expect WHAT STATUS MESSAGE COMMAND...: the exit status, and what the
# output says: a line holding MESSAGE, only one line beginning with it
# (=MESSAGE), no line holding it (!MESSAGE), or nothing at all ("").
expect() {
    local what=$1 status=$2 message=$3 out code
    shift 3
    checks=$((checks + 1))
    out=$(timeout 60 "$@" 2>&1)
    code=$?
    [ "$code" = "$status" ] || { fail "$what: exit $code, expected $status; said: $out"; return; }
    case $message in
    "") [ -z "$out" ] || fail "$what: expected no problems, said: $out" ;;
    =*) [[ $out == "${message#=}"* && $out != *$'\n'* ]] || fail "$what: not the one line \"${message#=}...\": $out" ;;
    !*) ! grep -qF -- "${message#!}" <<<"$out" || fail "$what: \"${message#!}\" in: $out" ;;
    *) grep -qF -- "$message" <<<"$out" || fail "$what: no \"$message\" in: $out" ;;
    esac
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
rm bitmaps/de/8b7d.bmp^--label IRM_1^0^
convert bitmaps/de/8b1u.bmp -negate -type Palette BMP3:bitmaps/de/8b1u.bmp^--label IRM_1^1^error: bitmaps/de/8b1u.bmp: German pictures: has another palette than bitmaps/8bgamespyd.bmp
convert bitmaps/de/8b4u.bmp -type TrueColor BMP3:bitmaps/de/8b4u.bmp^--label IRM_1^1^error: bitmaps/de/8b4u.bmp: German pictures: is 24 bits per pixel
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
printf 0123456789 >bitmaps/8BG1.BMP^--label IRM_1^1^whose name differs only in case: Windows cannot tell the two apart
rm -r bitmaps && ln -s /tmp bitmaps^--label IRM_1^1^=error: bitmaps: a link
ln -s /dev/zero .windows-label^^0^=warning: volume label not known
mkfifo .windows-label^^0^=warning: volume label not known
truncate -s 300M .windows-label^^0^=warning: volume label not known
printf 'IRM_1\r\n' >.windows-label^^0^
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

# Images changed after mastering, as a damaged copy or a hostile disc would
# be. The change is Python on the image's bytes d; name(N) is where the
# Joliet name N stands, rec(N) its record.
edit_image() {
    python3 - "$1" "$2" <<'PY'
import struct, sys
path, change = sys.argv[1], sys.argv[2]
d = bytearray(open(path, 'rb').read())
def name(n): return d.index(n.encode('utf-16-be'))
def rec(n): return name(n) - 33
def put32(at, value): d[at:at + 4] = struct.pack('<I', value)
exec(change)
open(path, 'wb').write(d)
PY
}
while IFS='^' read -r change edit status message; do
    fresh_disc "$change"
    master "-J -r -V IRM_1"
    edit_image "$work/disc.iso" "$edit"
    expect "image: $change, then $edit" "$status" "$message" "$check" "$work/disc.iso"
done <<EOF
true^del d[900 * 2048:]^1^error: setup.exe: lies past the end of the image: copy or master the image again
true^del d[900 * 2048:]^1^error: the image is cut short: it holds 1843200 bytes of the
true^del d[-1:]^1^error: the image is cut short
true^del d[200 * 2048:]^1^!save it as an 8-bit BMP
true^del d[30 * 2048:]^1^!missing
true^put32(rec('readme.txt') + 2, 0x7fffffff)^1^=error: readme.txt: lies past the end of the image
true^put32(17 * 2048 + 158, 0x7fffffff)^1^=error: the root folder cannot be read: it lies past the end
true^d[17 * 2048 + 156] = 0^1^=error: the root folder cannot be read: its record
true^d[17 * 2048 + 1] = ord('X')^1^warning: block 17 is no volume descriptor (it lacks CD001)
mv readme.txt readme.txtXX^d[name('readme.txtXX') + 21] = 0^1^error: readme.txt: missing
true^d[17 * 2048 + 40:17 * 2048 + 50] = 'IRM_9'.encode('utf-16-be')^1^warning: the Joliet label IRM_9 differs from the ISO 9660 label IRM_1
EOF

# What is no disc at all, and the report as JSON whatever the label holds.
printf 'not an image\n' >"$work/text.iso"
: >"$work/empty.iso"
mkdir -p "$work/folder.iso"
cp "$iso" "$work/stdio:named.iso"
for input in text.iso empty.iso; do expect "$input" 2 "$input: not an ISO 9660 image" "$check" "$work/$input"; done
expect "a folder named .iso" 2 "folder.iso: a folder, not an ISO 9660 image" "$check" "$work/folder.iso"
expect "a name that looks like an xorriso drive" 0 "" "$check" "$work/stdio:named.iso"
cp "$iso" "$work/-named.iso"
expect "a name that looks like an option, after --" 0 "" bash -c "cd '$work' && '$(readlink -f "$check")' -- -named.iso"
expect "no disc" 2 "cannot be read" "$check" "$work/nothing"
expect "the demo disc's image" 0 "" "$check" --demo "$iso"
# Labels of a hostile image without Joliet names: any bytes in its ISO 9660
# label (quotes, a backslash, C0 and C1 controls, no UTF-8, overlong forms,
# a surrogate, past U+10FFFF). JSON stays strict UTF-8, a refusal is JSON
# too, and no control character reaches the terminal.
xorriso -as mkisofs -quiet -iso-level 2 -V IRM_1 -o "$work/raw.iso" "$disc" 2>/dev/null
label_image() { cp "$work/raw.iso" "$work/label.iso"; edit_image "$work/label.iso" "d[16 * 2048 + 40:16 * 2048 + 72] = $1.ljust(32)"; }
json_strict() {
    { "$check" --json "$@" 2>/dev/null || true; } |
        python3 -c 'import json, sys; r = json.loads(sys.stdin.buffer.read().decode("utf-8")); assert r["ok"] is False, r'
}
label_image "b'IRM\"\\\\\x01\xf8\x80\x80X\xe0\x80\xaf\xed\xa0\x80\xf4\x90\x80\x80\xc2\x9b'"
check "--json: strict UTF-8 whatever the label holds" json_strict "$work/label.iso"
check "--json: a report when there is no disc" json_strict "$work/nothing"
label_image "b'IRM_1\x1b[2J\x1b]0;pwned\x07\xc2\x9b2J'"
no_controls() { ! { "$check" "$work/label.iso" || true; } | LC_ALL=C grep -qP '[\x1b\x07]|\xc2\x9b'; }
check "a label's control characters kept from the terminal" no_controls
fresh_disc "mv game/VXR.exe ."
expect "an installed folder" 0 "" "$check" --installed "$work/disc"
fresh_disc "mv game/VXR.exe .; rm -r bitmaps"
expect "an installed folder without pictures" 1 "=error: bitmaps: missing" "$check" --installed "$work/disc"

# The image the build masters: label, autorun entry, the pictures in the
# launcher's read order, then the German ones in that order, before the
# launcher, and the registration folder's
# records before the bitmaps folder's (EREG sorts before bitmaps).
image_label_is_irm1() { xorriso -indev "$iso" -pvd_info 2>/dev/null | grep -qE '^Volume Id *: IRM_1$'; }
xorriso -osirrox on -indev "$iso" -extract /autorun.inf "$work/autorun.inf" >/dev/null 2>&1
autorun_has() { tr -d '\r' <"$work/autorun.inf" | grep -qx "$1"; }
no_wine_label() { ! xorriso -indev "$iso" -find / -name '.windows-label' 2>/dev/null | grep -q .; }
in_read_order() {
    local order
    order=$(xorriso -indev "$iso" -find / -type f -exec report_lba -- 2>/dev/null |
            awk -F, '/^File data lba:/ { print $2 + 0, $5 }' | sort -n | awk '{ print $2 }' | head -75 | tr -d "'" |
            sed -n '1,2p;37,38p;74,75p' | tr '\n' ' ')
    [ "$order" = "/bitmaps/8bg1.bmp /bitmaps/8b1u.bmp /bitmaps/8bgamespyd.bmp /bitmaps/de/8bg1.bmp /bitmaps/de/8bgamespyd.bmp /IronmarchLauncher.exe " ] ||
        { echo "on the image: $order"; false; }
}
check "the image's label" image_label_is_irm1
check "the image's autorun.inf opens the launcher" autorun_has 'open=IronmarchLauncher.exe'
check "the image's autorun icon" autorun_has 'icon=IronmarchLauncher.exe,0'
check "a Wine drive label went into the image" no_wine_label
registration_folder_first() { xorriso -indev "$iso" -find /EREG -maxdepth 0 2>/dev/null | grep -qx "'/EREG'"; }
check "the image's first files" in_read_order
check "the image's registration folder named EREG" registration_folder_first
# A publisher of a German disc puts the German pictures first.
expect "disc_order --first de" 0 "112 /bitmaps/de/8bg1.bmp" "$build/kit/disc_order" --first de "$disc"
expect "disc_order --first es" 2 "--first es: not a language" "$build/kit/disc_order" --first es "$disc"

# The previews read no more of a picture than the checker does.
while IFS='^' read -r change message; do
    fresh_disc "$change"
    expect "preview: $change" 0 "$message" "$build/kit/disc_preview" -- "$work/disc" "$work/previews"
done <<EOF
rm bitmaps/8b1u.bmp && mkfifo bitmaps/8b1u.bmp^bitmaps\8b1u.bmp: not drawn: not a regular file
truncate -s 6G bitmaps/8b1f.bmp^bitmaps\8b1f.bmp: not drawn: is 6442450944 bytes
EOF

# The picture kit: PNG only, whatever the bytes; its chunks walked before
# decoding; nothing written through what is in the way, and a refused run
# leaves everything as it was. In $work/kit: art/ the artwork, out/ the output.
add_chunk() {  # add_chunk PNG TYPE MIB COUNT: COUNT chunks of MIB mebibytes of zeros, compressed, after the header
    python3 - "$@" <<'PY'
import struct, sys, zlib
path, kind, mib, count = sys.argv[1], sys.argv[2].encode(), int(sys.argv[3]), int(sys.argv[4])
png = open(path, 'rb').read()
z = zlib.compressobj(9)
data = b'Comment\0\0' + b''.join(z.compress(bytes(1 << 20)) for _ in range(mib)) + z.flush()
chunk = struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
open(path, 'wb').write(png[:33] + chunk * count + png[33:])
PY
}
listing() { (cd "$work/kit" && find . -path ./art -prune -o -printf '%p %y %s %l\n' | sort); }
while IFS='^' read -r change output status message; do
    rm -rf "$work/kit" && mkdir -p "$work/kit" && cp -r "$build/assets/artwork" "$work/kit/art"
    (cd "$work/kit" && eval "$change")
    before=$(listing)
    expect "picture_kit after $change" "$status" "$message" "$build/kit/picture_kit" -- "$work/kit/art" "${output:+$work/kit/$output}"
    if [ "$status" != 0 ]; then
        check "nothing written after $change" test "$before" = "$(listing)"
    else
        check "the pictures written after $change" diff -r -x notes.txt "$build/assets/bitmaps" "$work/kit/$output"
    fi
done <<EOF
convert art/8b1u.png GIF:art/8b1u.png^out^1^8b1u.png: is not a PNG file
truncate -s -100 art/8b4u.png^out^1^8b4u.png: is cut short
printf x | dd of=art/8b1u.png bs=1 seek=\$((\$(stat -c %s art/8b1u.png) - 20)) conv=notrunc 2>/dev/null^out^1^8b1u.png: is damaged
rm art/8b5u.png && mkfifo art/8b5u.png^out^1^8b5u.png: is not a regular file
add_chunk art/8bg1.png zTXt 2048 1^out^0^
add_chunk art/8b1u.png ABCD 0 1^out^1^8b1u.png: holds a ABCD chunk that no PNG decoder knows
add_chunk art/8b4u.png tEXt 0 5000^out^1^8b4u.png: has more than 4096 chunks
true^^1^no output folder given
: >file^file/bitmaps^1^cannot be made
mkdir out && echo old >victim && ln -s ../victim out/8bg1.bmp^out^1^out/8bg1.bmp: is a link
mkdir out && mkfifo out/8b7u.bmp^out^1^out/8b7u.bmp: is not a regular file
mkdir -p out/8b5u.bmp^out^1^out/8b5u.bmp: is a folder
mkdir real && ln -s real out^out^1^out: is a link
mkdir out && echo old >out/8b1u.bmp && echo mine >out/notes.txt^out^0^
EOF

# True-colour artwork of more than 256 colours, English and German: the kit
# gives all the pictures one palette, and the checker passes them.
fresh_disc true && rm -rf "$work/kit"
check "true-colour artwork made" "$(dirname "$0")/true-colour-art.sh" "$disc/bitmaps" "$work/kit"
check "the picture kit on true-colour artwork" "$build/kit/picture_kit" "$work/kit" "$work/disc/bitmaps"
expect "the checker on the kit's pictures of true-colour artwork" 0 "" "$check" --label IRM_1 "$work/disc"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" = 0 ]
