# The menu without a mouse, and as a screen reader sees it. Tab, Down, Up
# and Enter: the focus pictures pixel for pixel on the way, and Enter runs
# Install. Over MSAA from another process: each button's name, role, state
# and place on the screen, and its default action runs its command.
disc=$SCRATCH/disc
copy_disc "$disc"
cp "$WINDOWS_BUILD/tests/windows/logargs.exe" "$disc/setup.exe"
B=$disc/bitmaps
accclient() { wine "$WINDOWS_BUILD/tests/windows/accclient.exe" "$LAUNCHER_TITLE" "$@" 2>/dev/null | tr -d '\r'; }

open_launcher keys "$disc"
xdotool key Tab
expect_region 400 40 "$B/8b1f.bmp" "Install's focus picture after Tab"
xdotool key Down
expect_region 400 80 "$B/8b4f.bmp" "Readme's focus picture after Down"
expect_region 400 40 "$B/8b1u.bmp" "Install's up picture after Down"
xdotool key Up
expect_region 400 40 "$B/8b1f.bmp" "Install's focus picture after Up"
expect_region 400 80 "$B/8b4u.bmp" "Readme's up picture after Up"

# A screen reader's view, with Install focused: name, role (push button),
# state (focusable, focused), and the place on the screen.
expected="Install	43	0x100004	592 198 230 30
Readme	43	0x100000	592 238 230 30
Install DirectX	43	0x100000	592 278 230 30
Register	43	0x100000	592 318 230 30
Quit	43	0x100000	592 358 230 30
Ironmarch's page on the web	43	0x100000	248 166 240 150
Online play on the web	43	0x100000	217 537 120 60
The publisher's home page on the web	43	0x100000	338 532 120 70
The fan site on the web	43	0x100000	487 511 75 90
The studio's web site	43	0x100000	591 542 230 55"
seen=$(accclient)
[ "$seen" = "$expected" ] || fail "the screen reader's view:
$seen"

xdotool key Return
expect_exit keys "Enter on Install"
expect_start 1 "$(winpath "$disc")\\setup.exe" setup.exe "$(winpath "$disc")"

# The default action of Readme opens it; Quit's closes the launcher.
open_launcher reader "$disc"
accclient press Readme || fail "Readme's default action refused"
notepad_opened() { DETAIL=$(own_processes notepad); grep -qF "$(winpath "$disc")\\readme.txt" <<<"$DETAIL"; }
within 20 "no Notepad with the readme" notepad_opened
own_processes 'notepad\.exe' | while read -r pid _; do kill "$pid" 2>/dev/null || true; done
accclient press Quit || fail "Quit's default action refused"
expect_exit reader "Quit by its default action"
