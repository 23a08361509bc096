# The player's whole journey with the demo disc's image in drive D: (files
# and label taken from the image):
# the disc menu and a web page, Install, the installed menu, the registration
# button, Play, a second start from the disc, Readme, Uninstall, and the disc
# menu again. Each stage is checked on the screen and in the registry and
# files; a second launcher started while the launcher (minimised), the
# installer or the game is open brings that window forward and starts
# nothing. A launcher of another prefix on the machine (here a stand-in
# process of that name) is not counted.
cd_folder=$SCRATCH/cd
mkdir -p "$cd_folder"
xorriso -osirrox on -indev "$DEMO_ISO" -extract / "$cd_folder" >/dev/null 2>&1 || fail "cannot extract $DEMO_ISO"
label=$(xorriso -indev "$DEMO_ISO" -pvd_info 2>/dev/null | sed -n 's/^Volume Id *: //p')
B=$cd_folder/bitmaps
installed=$SCRATCH/Games/Ironmarch
installed_dos=$(winpath "$SCRATCH")\\Games\\Ironmarch
export IRONMARCH_INSTALL_DIR=$installed_dos
forget_installation
add_cdrom d "$cd_folder" "$label"
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$SCRATCH/browser.log" >"$SCRATCH/browser" && chmod +x "$SCRATCH/browser"
reg_set_for_test 'HKCU\Software\Wine\WineBrowser' Browsers "$SCRATCH/browser"
WINEPREFIX=$SCRATCH/another-prefix bash -c 'exec -a IronmarchLauncher.exe sleep 300' &
OTHER_PIDS="$OTHER_PIDS $!"

# 1. The disc menu: Install, no Play, no Uninstall.
launch_from_drive disc1 d
wait_window "$LAUNCHER_TITLE" >/dev/null
point_at 10 300
expect_region 400 40 "$B/8b1u.bmp" "Install on the disc menu"
expect_region 400 160 "$B/8b5u.bmp" "Register on the disc menu"
expect_region 400 200 "$B/8bexitu.bmp" "Quit on the disc menu"
save_stage 1-disc-menu
# A second launcher restores the minimised first one and brings it forward.
wininfo minimize "$LAUNCHER_TITLE"
launch_from_drive second d
[ "$(wait_exit second)" = 0 ] || fail "a second launcher beside the first ended with an error"
case $(wininfo window "$LAUNCHER_TITLE") in *iconic=0*) ;; *) fail "the first launcher stayed minimised" ;; esac
[ "$(wininfo foreground)" = "$LAUNCHER_TITLE" ] || fail "foreground beside the first launcher: $(wininfo foreground)"
# The product page goes to the browser; the launcher stays.
click_client 150 80
within 20 "no browser started" test -s "$SCRATCH/browser.log"
[ "$(cat "$SCRATCH/browser.log")" = "http://www.example.com/games/ironmarch/" ] || fail "the browser got $(cat "$SCRATCH/browser.log")"

# 2. Install: setup runs, the launcher closes.
click_client 500 55
code=$(wait_exit disc1)
[ "$code" = 0 ] || fail "exit code $code after Install"
setup=$(wait_window "Ironmarch Setup")

# A second start while the installer's window is open.
launch_from_drive during_setup d
code=$(wait_exit during_setup)
[ "$code" = 0 ] || fail "a launcher started during setup ended with $code"
[ "$(window_count "$LAUNCHER_TITLE")" = 0 ] || fail "a launcher window appeared during setup"
[ "$(wininfo foreground)" = "Ironmarch Setup" ] || fail "foreground during setup: $(wininfo foreground)"
save_stage 2-setup

eval "$(xdotool getwindowgeometry --shell "$setup")"
xdotool mousemove --sync $((X + 100)) $((Y + 60)) click 1

# 3. The installed launcher comes up from the installation directory.
wait_window "$LAUNCHER_TITLE" >/dev/null
reg_has "$APP_PATHS_KEY" || fail "no App Paths entry after setup"
reg_has "$UNINSTALL_KEY" || fail "no uninstall entry after setup"
for f in IronmarchLauncher.exe VXR.exe uninstall.exe readme.txt bitmaps/8bg1.bmp bitmaps/8bgamespyd.bmp; do
    [ -f "$installed/$f" ] || fail "setup did not install $f"
done
point_at 10 300
expect_region 400 40 "$B/8b8u.bmp" "Play on the installed menu"
expect_region 400 160 "$B/8b10u.bmp" "Uninstall on the installed menu"
expect_region 400 200 "$B/8bexitu.bmp" "Quit one row lower on the installed menu"
save_stage 3-installed-menu

# 4. With the registration program there, its button appears and the column moves down.
key Escape
wait_no_window "$LAUNCHER_TITLE"
wait_launcher_processes 0
mkdir -p "$installed/ereg"
cp "$DISC/ereg/reg32.exe" "$installed/ereg/"
launch registered "$installed"
wait_window "$LAUNCHER_TITLE" >/dev/null
point_at 10 300
expect_region 400 160 "$B/8b5u.bmp" "Register on the installed menu"
expect_region 400 200 "$B/8b10u.bmp" "Uninstall moved down"
expect_region 400 240 "$B/8bexitu.bmp" "Quit moved down"

# 5. Play: the game runs in the installation directory, the launcher closes.
click_client 500 55
code=$(wait_exit registered)
[ "$code" = 0 ] || fail "exit code $code after Play"
game=$(wait_window "Ironmarch (TM)")
wait_log_lines 1
grep -qP "^VXR\.exe\tVXR\.exe\t\Q$installed_dos\E$" "$STANDIN_LOG" || fail "the game's start: $(cat "$STANDIN_LOG")"
save_stage 4-game-running

# A second start while the game runs.
launch_from_drive during_game d
code=$(wait_exit during_game)
[ "$code" = 0 ] || fail "a launcher started during the game ended with $code"
[ "$(window_count "$LAUNCHER_TITLE")" = 0 ] || fail "a launcher window appeared during the game"
[ "$(wininfo foreground)" = "Ironmarch (TM)" ] || fail "foreground during the game: $(wininfo foreground)"
eval "$(xdotool getwindowgeometry --shell "$game")"
xdotool mousemove --sync $((X + 100)) $((Y + 60)) click 1
wait_no_window "Ironmarch (TM)"

# 6. From the disc again: the launcher hands over to the installation
# directory, once, even when it is registered with a trailing separator; its
# readme is the installed one, and a double click opens it once.
reg_set "$APP_PATHS_KEY" Path "$installed_dos\\"
launch_from_drive disc2 d
code=$(wait_exit disc2)
[ "$code" = 0 ] || fail "the disc's launcher ended with $code when the game was installed"
wait_window "$LAUNCHER_TITLE" >/dev/null
point_at 10 300
expect_region 400 40 "$B/8b8u.bmp" "Play after the restart"
sleep 1
[ "$(launcher_processes)" = 1 ] || fail "$(launcher_processes) launchers after the restart"
point_at 500 95
sleep 0.2
xdotool click --repeat 2 --delay 80 1  # the second press arrives as a double click
expected="C:\\windows\\notepad.exe $installed_dos\\readme.txt"
notepad_opened() { DETAIL=$(own_processes notepad); grep -qF "$expected" <<<"$DETAIL"; }
within 20 "the restarted launcher's readme" notepad_opened
sleep 2
[ "$(own_processes 'notepad\.exe' | wc -l)" = 1 ] || fail "Notepads after a double click: $(own_processes notepad)"
end_own_processes 'notepad\.exe'

# 7. Uninstall removes everything and the launcher closes.
click_client 10 300
click_client 500 215
wait_no_window "$LAUNCHER_TITLE"
uninstalled() { DETAIL=$(ls -R "$installed" 2>&1 | head -5); ! [ -e "$installed" ] && ! reg_has "$APP_PATHS_KEY" && ! reg_has "$UNINSTALL_KEY"; }
within 30 "after Uninstall" uninstalled

# 8. A launcher started afterwards shows the disc menu again.
launch_from_drive disc3 d
wait_window "$LAUNCHER_TITLE" >/dev/null
point_at 10 300
expect_region 400 40 "$B/8b1u.bmp" "Install after uninstalling"
save_stage 5-disc-menu-again
key Escape
code=$(wait_exit disc3)
[ "$code" = 0 ] || fail "exit code $code at the end"
