# The disc's installer under the Windows versions it is for, and where a
# player's machine or disc lets it down. For each version Wine reports: a
# silent installation that disc_check passes, registered in its folder, and
# a silent uninstallation that leaves no key, no file and none of the
# folders it made above the installation. Then an installation already
# there (installed again in its own folder when silent; left alone when the
# player answers No), and a disc whose game went missing before the last
# copy: refused with the player told why, nothing registered and nothing
# left behind.
disc=$SCRATCH/disc
copy_disc "$disc"
folder=$SCRATCH/Games/Ironmarch
folder_dos=$(winpath "$SCRATCH")\\Games\\Ironmarch
setup_from() { local from=$1; shift; (cd "$from" && wine setup.exe "$@" >/dev/null 2>&1); }
registered_in() { [ "$(wine reg query "$APP_PATHS_KEY" /v Path "$REG_VIEW" 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')" = "$1" ]; }
nothing_left() { DETAIL=$(find "$SCRATCH/Games" 2>&1 | head -3); ! [ -e "$SCRATCH/Games" ] && ! reg_has "$APP_PATHS_KEY" && ! reg_has "$UNINSTALL_KEY"; }
uninstall() { wine "$folder_dos\\uninstall.exe" /S; within 30 "$1: after the silent uninstallation" nothing_left; }
message_says() { DETAIL=$(wininfo text "$SETUP_TITLE" | cut -f3 | tr '\n' ' '); grep -qF "$1" <<<"$DETAIL"; }
# A non-silent installer started in the background: setup_shown NAME FROM [ARGS]
setup_shown() {
    local name=$1 from=$2
    shift 2
    (cd "$from" && { wine setup.exe "$@" >/dev/null 2>&1 && echo 0 || echo $?; } >"$SCRATCH/$name.exit") &
}

for version in win95 win98 winxp win10; do
    reg_set 'HKCU\Software\Wine' Version "$version"
    setup_from "$disc" /S "/D=$folder_dos" || fail "$version: the silent installation: exit code $?"
    "$KIT/disc_check" --installed "$folder" >"$SCRATCH/check.out" 2>&1 || fail "$version: disc_check: $(cat "$SCRATCH/check.out")"
    registered_in "$folder_dos" || fail "$version: the Path value is not $folder_dos"
    uninstall "$version"
    step "$version"
done
wine reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1

# Already there: a silent run installs again into the registered folder,
# whatever /D= says; asked, the player's No leaves it as it is.
setup_from "$disc" /S "/D=$folder_dos" || fail "the first installation: exit code $?"
setup_from "$disc" /S "/D=$(winpath "$SCRATCH")\\Elsewhere" || fail "the second silent installation: exit code $?"
[ ! -e "$SCRATCH/Elsewhere" ] && registered_in "$folder_dos" || fail "the second installation did not go into the one there"
setup_shown again "$disc"
within 30 "no question about the installation there" message_says "Ironmarch is already installed in $folder_dos."
xdotool key n
within 20 "the installer still runs after No" test -s "$SCRATCH/again.exit"
[ "$(cat "$SCRATCH/again.exit")" = 1 ] || fail "exit code after No: $(cat "$SCRATCH/again.exit")"
registered_in "$folder_dos" && [ -f "$folder/VXR.exe" ] || fail "No changed the installation"
uninstall "already there"
step "already there"

# The game gone from the disc before its copy: what was copied goes again.
short=$SCRATCH/short
copy_disc "$short"
rm "$short/game/VXR.exe"
setup_from "$short" /S "/D=$folder_dos" && fail "installed from a disc without the game"
[ $? = 2 ] || fail "exit code without the game: $?"
nothing_left || fail "after a disc without the game: $DETAIL"
setup_shown short "$short" "/D=$folder_dos"
wait_window "$SETUP_TITLE" >/dev/null
xdotool key Return
within 30 "no message about the disc" message_says "disc was taken out before Setup could copy game\\VXR.exe."
xdotool key Return
within 20 "after the message" nothing_left
step "the disc taken out"
