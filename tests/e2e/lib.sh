# Helpers of the Wine tests. The caller has set WINEPREFIX, WINDOWS_BUILD,
# DISC and SCRATCH, and runs under Xvfb.

LAUNCHER_TITLE="Ironmarch Launcher"
APP_PATHS_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\VXR.exe'
UNINSTALL_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Ironmarch'
FAILURES=${IRONMARCH_FAILURES:-/tmp/ironmarch-failures}

fail() {
    echo "FAIL: $*" >&2
    mkdir -p "$FAILURES"
    local shot="$FAILURES/$(basename "${test_script:-test}" .sh)-$(date +%s).png"
    import -window root "$shot" 2>/dev/null && echo "screen at the failure: $shot" >&2
    echo "windows on the screen:" >&2
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        echo "  $(xdotool getwindowname "$w" 2>/dev/null) $(xdotool getwindowgeometry "$w" 2>/dev/null | tr '\n' ' ')" >&2
    done
    echo "Windows processes:" >&2
    pgrep -af '\.exe' | sed 's/^/  /' >&2 || true
    for f in "$SCRATCH"/*.log "$SCRATCH"/*.out; do
        [ -f "$f" ] && { echo "--- $f" >&2; sed 's/^/  /' "$f" >&2; }
    done
    exit 1
}

cleanup() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    rm -rf "$SCRATCH"
}

# Starts the launcher from a folder: launch NAME FOLDER [VAR=VALUE ...]
# Its exit code lands in $SCRATCH/NAME.exit.
launch() {
    local name=$1 folder=$2
    shift 2
    (cd "$folder" && env "$@" wine IronmarchLauncher.exe >"$SCRATCH/$name.out" 2>&1
     echo $? >"$SCRATCH/$name.exit") &
}

# Waits for a launcher started with launch to end; prints its exit code.
wait_exit() {
    local name=$1 seconds=${2:-20}
    local deadline=$((SECONDS + seconds))
    while [ ! -s "$SCRATCH/$name.exit" ]; do
        [ $SECONDS -lt $deadline ] || fail "$name did not end within $seconds s"
        sleep 0.2
    done
    cat "$SCRATCH/$name.exit"
}

has_exited() { [ -s "$SCRATCH/$1.exit" ]; }

title_pattern() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][().*+?^$|\\]/\\&/g')"; }

# Prints the X window of a visible top-level window with this title, waiting for it.
wait_window() {
    local title=$1 seconds=${2:-30}
    local deadline=$((SECONDS + seconds)) ids
    while :; do
        ids=$(xdotool search --onlyvisible --name "$(title_pattern "$title")" 2>/dev/null || true)
        [ -n "$ids" ] && { echo "$ids" | head -n 1; return 0; }
        [ $SECONDS -lt $deadline ] || fail "no window \"$title\" within $seconds s"
        sleep 0.2
    done
}

window_count() {
    xdotool search --onlyvisible --name "$(title_pattern "$1")" 2>/dev/null | wc -l
}

wait_no_window() {
    local title=$1 seconds=${2:-20}
    local deadline=$((SECONDS + seconds))
    while [ "$(window_count "$title")" -gt 0 ]; do
        [ $SECONDS -lt $deadline ] || fail "window \"$title\" still there after $seconds s"
        sleep 0.2
    done
}

# "X Y W H" of an X window.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

wininfo() { wine "$WINDOWS_BUILD/tests/windows/wininfo.exe" "$@" 2>/dev/null | tr -d '\r'; }

launcher_processes() { pgrep -fc 'IronmarchLauncher\.exe' || true; }

wait_launcher_processes() {
    local want=$1 seconds=${2:-20}
    local deadline=$((SECONDS + seconds))
    while [ "$(launcher_processes)" -ne "$want" ]; do
        [ $SECONDS -lt $deadline ] || fail "$(launcher_processes) launcher processes, expected $want"
        sleep 0.2
    done
}

reg_set() { wine reg add "$1" /v "$2" /d "$3" /f >/dev/null 2>&1 || fail "could not set $1 $2"; }
reg_delete() { wine reg delete "$1" /f >/dev/null 2>&1 || true; }
reg_has() { wine reg query "$1" >/dev/null 2>&1; }

# The Windows version that programs started from now on see.
wine_version() { reg_set 'HKCU\Software\Wine' Version "$1"; }

forget_installation() {
    reg_delete "$APP_PATHS_KEY"
    reg_delete "$UNINSTALL_KEY"
}

winpath() { winepath -w "$1" 2>/dev/null; }

# A copy of the demo disc that a test may change.
copy_disc() {
    local to=$1
    mkdir -p "$to"
    cp -r "$DISC"/. "$to"/
}

# Registers a game installed in a Unix folder, with the launcher and its pictures there.
install_game_into() {
    local folder=$1 registered=${2:-}
    mkdir -p "$folder"
    cp "$DISC/IronmarchLauncher.exe" "$folder/"
    cp -r "$DISC/bitmaps" "$folder/"
    [ -n "$registered" ] || registered=$(winpath "$folder")
    reg_set "$APP_PATHS_KEY" Path "$registered"
    reg_set "$UNINSTALL_KEY" UninstallString "\"$(winpath "$folder")\\uninstall.exe\""
}

screenshot() { import -window root "$1" 2>/dev/null || fail "no screenshot"; }

# The colour of one pixel of the screen as rrggbb.
pixel() {
    convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6 | tr 'A-F' 'a-f'
}

key() { xdotool key "$1"; }
click_at() { xdotool mousemove --sync "$1" "$2" click 1; }
