# What the player sees: after start-up the screen shows, pixel for pixel,
# the background with the up pictures of the buttons the installation state
# calls for; the pointer brings up the focus and down pictures; a release
# runs the button's command once; a missing picture leaves the background
# showing and the button still works. A disc whose pictures the picture kit
# made from true-colour artwork passes the disc checker and shows exactly
# the checker's preview.
B=$DISC/bitmaps
forget_installation

# The disc carries the registration program, so its button shows and quit
# stands one row lower.
compose "$SCRATCH/disc-menu.png" "$B" 8b1u.bmp:400,40 8bindx8u.bmp:400,120 8b4u.bmp:400,80 \
    8b5u.bmp:400,160 8b6u.bmp:56,8 8b7u.bmp:146,374 8bexitu.bmp:400,200 8borbixu.bmp:295,353 \
    8veltau.bmp:399,384 8bgamespyu.bmp:25,379
launch menu "$DISC"
wait_window "$LAUNCHER_TITLE" >/dev/null
point_at 10 300
expect_region 0 0 "$SCRATCH/disc-menu.png" "the disc menu"

# Focus, down, slide off onto another button and back, release.
point_at 500 55
expect_region 400 40 "$B/8b1f.bmp" "install's focus picture"
press
expect_region 400 40 "$B/8b1d.bmp" "install's down picture"
point_at 500 95
expect_region 400 80 "$B/8b4f.bmp" "readme's focus picture while install is held"
expect_region 400 40 "$B/8b1u.bmp" "install's up picture while the pointer is away"
point_at 500 55
expect_region 400 40 "$B/8b1f.bmp" "install's focus picture on coming back"
point_at 10 300
expect_region 400 40 "$B/8b1u.bmp" "install's up picture over the background"
release

# The quit button: a release over it runs its command, once.
point_at 500 215
expect_region 400 200 "$B/8bexitf.bmp" "quit's focus picture"
press
release
code=$(wait_exit menu)
[ "$code" = 0 ] || fail "quit gave exit code $code"

# Installed: play, uninstall, and quit one row lower.
installed=$SCRATCH/Games/Ironmarch
install_game_into "$installed"
compose "$SCRATCH/installed-menu.png" "$B" 8b8u.bmp:400,40 8b10u.bmp:400,160 8bindx8u.bmp:400,120 \
    8b4u.bmp:400,80 8b6u.bmp:56,8 8b7u.bmp:146,374 8bexitu.bmp:400,200 8borbixu.bmp:295,353 \
    8veltau.bmp:399,384 8bgamespyu.bmp:25,379
launch installed "$installed"
wait_window "$LAUNCHER_TITLE" >/dev/null
point_at 10 300
expect_region 0 0 "$SCRATCH/installed-menu.png" "the installed menu"
key Escape
wait_exit installed >/dev/null
forget_installation

# A missing picture: the background shows in its place and the button works.
disc=$SCRATCH/disc
copy_disc "$disc"
rm "$disc/bitmaps/8bexitu.bmp" "$disc/bitmaps/8bexitf.bmp" "$disc/bitmaps/8bexitd.bmp"
convert "$B/8bg1.bmp" -crop 230x30+400+200 +repage -depth 8 "PNG24:$SCRATCH/background-under-quit.png"
launch gaps "$disc"
wait_window "$LAUNCHER_TITLE" >/dev/null
point_at 10 300
expect_region 400 200 "$SCRATCH/background-under-quit.png" "the background in quit's place"
point_at 500 215
sleep 0.5
expect_region 400 200 "$SCRATCH/background-under-quit.png" "the background under the pointer"
press
release
code=$(wait_exit gaps)
[ "$code" = 0 ] || fail "quit without pictures gave exit code $code"

# A publisher's disc: true-colour artwork of more than 256 colours through
# the picture kit, the checker passing it, and the screen equal to the preview.
art=$SCRATCH/artwork kit=$SCRATCH/kit-disc
mkdir -p "$art"
copy_disc "$kit"
for f in "$B"/*.bmp; do
    convert "$f" \( -size "$(identify -format %wx%h "$f")" gradient:'#ff4000-#0040ff' \) -compose blend \
        -define compose:args=25 -composite -type TrueColor "PNG24:$art/$(basename "$f" .bmp).png"
done
"$TOOLS/picture_kit" "$art" "$kit/bitmaps" || fail "the picture kit refused the artwork"
"$TOOLS/disc_check" --label IRM_1 "$kit" || fail "the checker refused the kit's disc"
mkdir -p "$SCRATCH/previews"
"$TOOLS/disc_preview" "$kit" "$SCRATCH/previews" || fail "no previews"
launch kit "$kit"
wait_window "$LAUNCHER_TITLE" >/dev/null
point_at 10 300
expect_region 0 0 "$SCRATCH/previews/disc-menu.png" "the kit's disc menu against its preview"
point_at 500 55
expect_region 400 40 "$SCRATCH/previews/disc-menu-8b1-focus.png" "install's focus picture against its preview"
key Escape
wait_exit kit >/dev/null
