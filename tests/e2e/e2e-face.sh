# What the player sees (the whole menus are compared in the journey, a web
# page's one start there too): the pointer brings up the focus and down
# pictures; a release elsewhere runs nothing, one over the button runs it.
# A disc whose pictures, English and German, the picture kit made from
# true-colour artwork passes the disc checker and shows exactly the
# checker's preview.
B=$DISC/bitmaps
open_launcher menu "$DISC"

# Focus, down, off onto the background, release there. (Sliding onto
# another button and back is the host tests' pointer table.)
point_at 500 55
expect_region 400 40 "$B/8b1f.bmp" "install's focus picture"
press
expect_region 400 40 "$B/8b1d.bmp" "install's down picture"
point_at 10 300
expect_region 400 40 "$B/8b1u.bmp" "install's up picture over the background"
release
sleep 1
has_exited menu && fail "a release over the background ran Install"

# Quit: a release over it closes the launcher.
point_at 500 215
press
release
expect_exit menu "quit"

# A publisher's disc: true-colour artwork of more than 256 colours, English
# and German, through the picture kit, the checker passing it, and the screen equal to the preview.
art=$SCRATCH/artwork made=$SCRATCH/kit-disc
mkdir -p "$art/de"
copy_disc "$made"
for f in "$B"/*.bmp "$B"/de/*.bmp; do
    name=${f#"$B"/}
    convert "$f" \( -size "$(identify -format %wx%h "$f")" gradient:'#ff4000-#0040ff' \) -compose blend \
        -define compose:args=25 -composite -type TrueColor "PNG24:$art/${name%.bmp}.png"
done
"$KIT/picture_kit" "$art" "$made/bitmaps" || fail "the picture kit refused the artwork"
"$KIT/disc_check" --label IRM_1 "$made" || fail "the checker refused the kit's disc"
"$KIT/disc_preview" "$made" "$SCRATCH/previews" || fail "no previews"
open_launcher kit "$made"
expect_region 0 0 "$SCRATCH/previews/disc-menu.png" "the kit's disc menu against its preview"
point_at 500 55
expect_region 400 40 "$SCRATCH/previews/disc-menu-8b1-focus.png" "install's focus picture against its preview"
close_launcher kit
