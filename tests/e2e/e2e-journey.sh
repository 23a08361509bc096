# The player's whole journey with the demo disc's image in drive D: (files
# and label taken from the image): the disc menu, Tab's focus, a screen
# reader's view of the menu and a web page, Install from the keyboard
# through the installer's pages, the installed menu read from the registry
# view the installer wrote, the registration button, Play, a second start
# from the disc, Readme, Uninstall through the uninstaller's page, and the
# disc menu again, closed by Quit's default action as a screen reader
# presses it; then a silent installation and uninstallation that leave
# nothing behind. Each stage is checked on the screen, the installations
# with disc_check and the uninstalls in the registry and files too; a
# second launcher started while the launcher (minimised) or the installer
# is open brings that window forward and starts nothing. The disc tier runs
# it with the disc's i686 programs and also compares their screen with the
# x86_64 launcher's; each stage prints when it ends.
cd_folder=$SCRATCH/cd
mkdir -p "$cd_folder"
xorriso -osirrox on -indev "$DEMO_ISO" -extract / "$cd_folder" >/dev/null 2>&1 || fail "cannot extract $DEMO_ISO"
label=$(xorriso -indev "$DEMO_ISO" -pvd_info 2>/dev/null | sed -n 's/^Volume Id *: //p')
B=$cd_folder/bitmaps P=$SCRATCH/previews
"$KIT/disc_preview" "$cd_folder" "$P" >/dev/null || fail "no previews of the demo disc"
installed=$SCRATCH/Games/Ironmarch
installed_dos=$(winpath "$SCRATCH")\\Games\\Ironmarch
add_cdrom d "$cd_folder" "$label"
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$SCRATCH/browser.log" >"$SCRATCH/browser" && chmod +x "$SCRATCH/browser"
reg_set 'HKCU\Software\Wine\WineBrowser' Browsers "$SCRATCH/browser"

# 1. The disc menu, pixel for pixel as the kit's preview draws it: Install,
# and the registration program that the disc carries; no Play, no Uninstall.
open_launcher disc1 drive:d
expect_region 0 0 "$P/disc-menu.png" "the disc menu"
save_stage 1-disc-menu
# Tab focuses Install. A screen reader sees each button's name, role (push
# button), state (focusable, focused) and place on the screen.
xdotool key Tab
expect_region 400 40 "$B/8b1f.bmp" "Install's focus picture after Tab"
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
# A second launcher restores the minimised first one and brings it forward.
wininfo minimize "$LAUNCHER_TITLE"
launch second drive:d
expect_exit second "a second launcher beside the first"
case $(wininfo window "$LAUNCHER_TITLE") in *iconic=0*) ;; *) fail "the first launcher stayed minimised" ;; esac
[ "$(wininfo foreground)" = "$LAUNCHER_TITLE" ] || fail "foreground beside the first launcher: $(wininfo foreground)"
# The product page goes to the browser; the launcher stays.
click_client 150 80
within 20 "no browser started" test -s "$SCRATCH/browser.log"
[ "$(cat "$SCRATCH/browser.log")" = "http://www.example.com/games/ironmarch/" ] || fail "the browser got $(cat "$SCRATCH/browser.log")"

# 2. Install from the keyboard (Home, Enter): the installer comes up, the launcher closes.
xdotool key Home Return
expect_exit disc1 "Install"
wait_window "$SETUP_TITLE" >/dev/null

# A second start while the installer's window is open.
launch during_setup drive:d
expect_exit during_setup "a launcher started during setup"
[ "$(window_count "$LAUNCHER_TITLE")" = 0 ] || fail "a launcher window appeared during setup"
[ "$(wininfo foreground)" = "$SETUP_TITLE" ] || fail "foreground during setup: $(wininfo foreground)"
save_stage 2-setup

# Its pages as a player goes through them: the folder typed over the one
# offered, Enter for Install, and on the last page Enter for Finish with
# "Open the Ironmarch menu" ticked.
xdotool key ctrl+a && xdotool type --delay 20 "$installed_dos"
xdotool key Return
setup_finished() { DETAIL=$(wininfo text "$SETUP_TITLE" | cut -f3 | tr '\n' '|'); grep -q "Open the Ironmarch menu" <<<"$DETAIL"; }
within 60 "the installer's last page" setup_finished
xdotool key Return
"$KIT/disc_check" --installed "$installed" >"$SCRATCH/check.out" 2>&1 || fail "disc_check --installed: $(cat "$SCRATCH/check.out")"

# 3. The installed launcher comes up from the installation directory.
wait_window "$LAUNCHER_TITLE" >/dev/null
point_at 10 300
expect_region 0 0 "$P/installed-menu-without-registration.png" "the installed menu"
save_stage 3-installed-menu
# Setup wrote the view the launcher reads and not the other: a 32-bit
# program's is WOW6432Node. (The Uninstall key is redirected; Wine keeps App
# Paths as one key for both views.)
reg_has "$UNINSTALL_KEY" || fail "no $UNINSTALL_KEY in the view $REG_VIEW"
! wine reg query "$UNINSTALL_KEY" "$([ "$REG_VIEW" = /reg:32 ] && echo /reg:64 || echo /reg:32)" >/dev/null 2>&1 ||
    fail "setup wrote $UNINSTALL_KEY in the other registry view than $REG_VIEW"

# 4. With the registration program there, its button appears and the column moves down.
xdotool key Escape
wait_no_window "$LAUNCHER_TITLE"
within 20 "launchers still running" launchers_are 0
mkdir -p "$installed/ereg"
cp "$DISC/ereg/reg32.exe" "$installed/ereg/"
open_launcher registered "$installed"
expect_region 0 0 "$P/installed-menu.png" "the installed menu with Register, Uninstall and Quit below it"

# 5. Play: the game runs in the installation directory, the launcher closes.
click_client 500 55
expect_exit registered "Play"
game=$(wait_window "Ironmarch (TM)")
expect_start 1 VXR.exe VXR.exe "$installed_dos"
save_stage 4-game-running

click_window "$game"
wait_no_window "Ironmarch (TM)"

# 6. From the disc again. When the installed launcher cannot start, the
# disc's own shows the installed menu and is the only one, and ends well.
# Which program the launcher runs from, by its command line.
runs_from() { DETAIL=$(own_processes "$LAUNCHER_COMMAND"); grep -qiF " $1" <<<"$DETAIL"; }
mv "$installed/IronmarchLauncher.exe" "$SCRATCH/installed-launcher"
echo "not a program" >"$installed/IronmarchLauncher.exe"
open_launcher broken drive:d
expect_region 400 40 "$B/8b8u.bmp" "Play on the disc's launcher"
within 10 "the launcher that runs" runs_from 'D:\IronmarchLauncher.exe'
[ "$(launcher_processes)" = 1 ] || fail "$(launcher_processes) launchers beside a broken installed one"
xdotool key Escape
expect_exit broken "the disc's launcher beside a broken installed one"
mv "$SCRATCH/installed-launcher" "$installed/IronmarchLauncher.exe"
# It hands over to the installed copy, once, even when the folder is
# registered with a trailing separator; its readme is the installed one,
# and a double click opens it once.
reg_set "$APP_PATHS_KEY" Path "$installed_dos\\"
launch disc2 drive:d
expect_exit disc2 "the disc's launcher when the game was installed"
wait_window "$LAUNCHER_TITLE" >/dev/null
point_at 10 300
expect_region 400 40 "$B/8b8u.bmp" "Play after the restart"
within 10 "the launcher that runs" runs_from "$installed_dos\\IronmarchLauncher.exe"
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
own_processes 'notepad\.exe' | while read -r pid _; do kill "$pid" 2>/dev/null || true; done

# 7. Uninstall: the launcher closes, the uninstaller asks, Enter removes
# what the installer put there. The registration program copied in by hand
# is the player's own as far as the uninstaller knows, and stays.
click_client 10 300
click_client 500 215
wait_no_window "$LAUNCHER_TITLE"
wait_window "$UNINSTALL_TITLE" >/dev/null
xdotool key Return
uninstalled() {
    DETAIL=$(cd "$installed" && find . | sort | tr '\n' ' ')
    [ "$DETAIL" = ". ./ereg ./ereg/reg32.exe " ] && ! reg_has "$APP_PATHS_KEY" && ! reg_has "$UNINSTALL_KEY"
}
within 60 "after Uninstall, what is left in the folder" uninstalled
rm -r "$SCRATCH/Games"
step uninstalled

# 8. The disc menu again; in the disc tier, the same pixels as the x86_64 launcher's.
open_launcher disc3 drive:d
expect_region 0 0 "$P/disc-menu.png" "the disc menu after Uninstall"
cp "$SCRATCH/region.png" "$SCRATCH/disc-menu.png"
accclient press Quit || fail "Quit's default action refused"
expect_exit disc3 "Quit by its default action"
step "the disc menu again"
if [ -n "${IRONMARCH_X86_64_DISC:-}" ]; then
    open_launcher x86_64 "$IRONMARCH_X86_64_DISC"
    expect_region 0 0 "$SCRATCH/disc-menu.png" "the x86_64 launcher's screen against the i686 one's"
    close_launcher x86_64
fi

# 9. Silently, as NSIS installers are run, and with Wine reporting Windows
# 98 (the disc tier's is the disc's ANSI installer): /S and /D=, then the
# uninstaller's /S, which takes the folders it made above the installation
# too.
reg_set 'HKCU\Software\Wine' Version win98
(cd "$cd_folder" && wine setup.exe /S "/D=$installed_dos") || fail "the silent installation: exit code $?"
"$KIT/disc_check" --installed "$installed" >"$SCRATCH/check.out" 2>&1 || fail "disc_check --installed after /S: $(cat "$SCRATCH/check.out")"
[ "$(window_count "$LAUNCHER_TITLE")" = 0 ] || fail "the silent installation opened the launcher"
step "installed silently"
wine "$installed_dos\\uninstall.exe" /S || fail "the silent uninstallation: exit code $?"
gone() { DETAIL=$(find "$SCRATCH/Games" 2>&1 | head -3 | tr "\n" " "); ! [ -e "$SCRATCH/Games" ] && ! reg_has "$UNINSTALL_KEY"; }
within 60 "after the silent uninstallation" gone
step "uninstalled silently"
