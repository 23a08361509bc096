# A publisher's disc on the screen: artwork of more than 256 colours, English
# and German, through the picture kit (whose palette and the checker's
# verdict disc-check.sh tests), shown by the launcher exactly as the kit's
# preview draws it. The demo's own artwork has few colours, so the journey's
# menus never fill the palette as such artwork does.
art=$SCRATCH/artwork made=$SCRATCH/kit-disc
copy_disc "$made"
"$(dirname "$test_script")/../kit/true-colour-art.sh" "$DISC/bitmaps" "$art" || fail "no artwork made"
"$KIT/picture_kit" "$art" "$made/bitmaps" || fail "the picture kit refused the artwork"
"$KIT/disc_preview" "$made" "$SCRATCH/previews" >/dev/null || fail "no previews"
open_launcher kit "$made"
expect_region 0 0 "$SCRATCH/previews/disc-menu.png" "the kit's disc menu against its preview"
point_at 500 55
expect_region 400 40 "$SCRATCH/previews/disc-menu-8b1-focus.png" "install's focus picture against its preview"
close_launcher kit
