# The menu as a screen reader sees it, over MSAA from another process: each
# button's name, role, state and place on the screen, and its default action
# runs its command. Tab focuses Install and Enter runs it. (The order the
# keys take and the pictures they draw are the host tests' focus table.)
disc=$SCRATCH/disc
copy_disc "$disc"
cp "$WINDOWS_BUILD/tests/windows/logargs.exe" "$disc/setup.exe"
accclient() { wine "$WINDOWS_BUILD/tests/windows/accclient.exe" "$LAUNCHER_TITLE" "$@" 2>/dev/null | tr -d '\r'; }

open_launcher keys "$disc"
xdotool key Tab
expect_region 400 40 "$disc/bitmaps/8b1f.bmp" "Install's focus picture after Tab"

# A screen reader's view, with Install focused: name, role (push button),
# state (focusable, focused), and the place on the screen.
expected="Install	43	0x100004	593 199 229 29
Readme	43	0x100000	593 239 229 29
Install DirectX	43	0x100000	593 279 229 29
Register	43	0x100000	593 319 229 29
Quit	43	0x100000	593 359 229 29
Ironmarch's page on the web	43	0x100000	249 167 239 149
Online play on the web	43	0x100000	218 538 119 59
The publisher's home page on the web	43	0x100000	339 533 119 69
The fan site on the web	43	0x100000	488 512 74 89
The studio's web site	43	0x100000	592 543 229 54"
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
