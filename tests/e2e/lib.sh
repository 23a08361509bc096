# Helpers of the Wine tests. The caller has set WINEPREFIX, WINDOWS_BUILD,
# DISC and SCRATCH, and runs under Xvfb.

LAUNCHER_TITLE="Ironmarch Launcher"
APP_PATHS_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\VXR.exe'
UNINSTALL_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Ironmarch'
FAILURES=${IRONMARCH_FAILURES:-/tmp/ironmarch-failures}

fail() {
    trap - ERR  # the report below must not report itself
    echo "FAIL: $*" >&2
    mkdir -p "$FAILURES"
    local shot="$FAILURES/$(basename "${test_script:-test}" .sh)-$(date +%s).png"
    import -window root "$shot" 2>/dev/null && echo "screen at the failure: $shot" >&2
    echo "windows on the screen:" >&2
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
        echo "  $(xdotool getwindowname "$w" 2>/dev/null) $(xdotool getwindowgeometry "$w" 2>/dev/null | tr '\n' ' ')" >&2
    done
    echo "Windows processes:" >&2
    pgrep -af '\.exe' | sed 's/^/  /' >&2 || true
    for f in "$SCRATCH"/*.log "$SCRATCH"/*.out; do
        [ -f "$f" ] && { echo "--- $f" >&2; sed 's/^/  /' "$f" >&2; }
    done
    exit 1
}

ADDED_CDROMS=""
CHANGED_VALUES=""  # "KEY|VALUE" pairs that a test set and the next test must not see

OTHER_PIDS=""  # processes a test started outside Wine

cleanup() {
    for pid in $OTHER_PIDS; do kill "$pid" 2>/dev/null || true; done
    for letter in $ADDED_CDROMS; do remove_cdrom "$letter"; done
    local pair
    while IFS= read -r pair; do
        [ -n "$pair" ] && wine reg delete "${pair%%|*}" /v "${pair#*|}" /f >/dev/null 2>&1 || true
    done <<<"$CHANGED_VALUES"
    forget_installation
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    chmod -R u+w "$SCRATCH" 2>/dev/null || true  # files taken from a disc image are read-only
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

# Retries a condition until it holds: within SECONDS WHAT-IF-NOT COMMAND [ARGS]
# (the failure text may name $DETAIL, which a condition can fill in).
within() {
    local seconds=$1 what=$2 deadline=$((SECONDS + $1))
    shift 2
    DETAIL=""
    until "$@"; do
        [ $SECONDS -lt $deadline ] || fail "$what${DETAIL:+: $DETAIL}"
        sleep 0.2
    done
}

# Waits for a launcher started with launch to end; prints its exit code.
wait_exit() {
    within "${2:-20}" "$1 did not end within ${2:-20} s" test -s "$SCRATCH/$1.exit"
    cat "$SCRATCH/$1.exit"
}

has_exited() { [ -s "$SCRATCH/$1.exit" ]; }

title_pattern() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][().*+?^$|\\]/\\&/g')"; }

window_ids() { xdotool search --onlyvisible --name "$(title_pattern "$1")" 2>/dev/null || true; }
window_count() { window_ids "$1" | wc -l; }
no_window() { [ "$(window_count "$1")" = 0 ]; }
has_window() { ! no_window "$1"; }

# Prints the X window of a visible top-level window with this title, waiting for it.
wait_window() {
    within "${2:-30}" "no window \"$1\" within ${2:-30} s" has_window "$1"
    window_ids "$1" | head -n 1
}

wait_no_window() { within "${2:-20}" "window \"$1\" still there after ${2:-20} s" no_window "$1"; }

# "X Y W H" of an X window.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

wininfo() { wine "$WINDOWS_BUILD/tests/windows/wininfo.exe" "$@" 2>/dev/null | tr -d '\r'; }

# The processes of this test's own prefix whose command line matches a
# pattern ("pid command line" per line): other prefixes on the machine, such
# as a demo beside the tests, are none of its business.
own_processes() {
    local pid
    for pid in $(pgrep -f "$1" || true); do
        # A process may end between pgrep and here.
        tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
            echo "$pid $(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline")"
    done
    return 0
}
end_own_processes() { own_processes "$1" | while read -r pid _; do kill "$pid" 2>/dev/null || true; done; }

launcher_processes() { own_processes 'IronmarchLauncher\.exe' | wc -l; }

launchers_are() { DETAIL="$(launcher_processes) running"; [ "$(launcher_processes)" -eq "$1" ]; }
wait_launcher_processes() { within 20 "expected $1 launcher processes" launchers_are "$1"; }

reg_set() { wine reg add "$1" /v "$2" /d "$3" /f >/dev/null 2>&1 || fail "could not set $1 $2"; }
reg_delete() { wine reg delete "$1" /f >/dev/null 2>&1 || true; }
reg_has() { wine reg query "$1" >/dev/null 2>&1; }

# Sets a value that the rest of the shared prefix must not keep; it goes at the end of the test.
reg_set_for_test() {
    reg_set "$1" "$2" "$3"
    CHANGED_VALUES="$CHANGED_VALUES
$1|$2"
}

# The Windows version that programs started from now on see.
wine_version() { reg_set_for_test 'HKCU\Software\Wine' Version "$1"; }

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

key() { xdotool key "$1"; }

# The client area's top-left corner on the screen: the window at (190, 156)
# with its two-pixel sunken edge.
CLIENT_X=192
CLIENT_Y=158

# Moves the pointer to a client point of the launcher. (xdotool's --sync
# would wait for ever for a move to where the pointer already is.)
point_at() {
    local x=$((CLIENT_X + $1)) y=$((CLIENT_Y + $2))
    eval "$(xdotool getmouselocation --shell)"
    [ "$X" = "$x" ] && [ "$Y" = "$y" ] && return 0
    xdotool mousemove --sync "$x" "$y"
}
press() { xdotool mousedown 1; sleep 0.3; }
release() { xdotool mouseup 1; sleep 0.3; }
click_client() { point_at "$1" "$2"; sleep 0.2; xdotool click 1; }

# The picture that a set of bitmaps should make: expected PNG from the
# background and "file:x,y" pairs drawn over it.
compose() {
    local out=$1 bitmaps=$2
    shift 2
    local args=("$bitmaps/8bg1.bmp")
    for item in "$@"; do
        local at=${item#*:}
        args+=("$bitmaps/${item%%:*}" -geometry "+${at%,*}+${at#*,}" -composite)
    done
    convert "${args[@]}" -depth 8 "PNG24:$out" 2>/dev/null || fail "could not compose $out"
}

# The number of pixels in which a region of the screen differs from a picture.
region_difference() {
    local shot=$1 x=$2 y=$3 expected=$4
    local size
    size=$(identify -format '%wx%h' "$expected")
    convert "$shot" -crop "${size}+$((CLIENT_X + x))+$((CLIENT_Y + y))" +repage -depth 8 "PNG24:$SCRATCH/region.png"
    # compare answers 1 when the pictures differ; the count is what matters.
    { compare -metric AE "$SCRATCH/region.png" "$expected" null: 2>&1 || true; } | cut -d' ' -f1
}

region_shows() {
    screenshot "$SCRATCH/screen.png"
    DETAIL="$(region_difference "$SCRATCH/screen.png" "$@") pixels differ"
    [ "$DETAIL" = "0 pixels differ" ]
}

# Waits until a client region shows the picture, pixel for pixel: expect_region X Y PICTURE WHAT [SECONDS]
expect_region() { within "${5:-10}" "$4" region_shows "$1" "$2" "$3"; }

# A CD-ROM drive with a volume label, as the mount manager sees it.
add_cdrom() {
    local letter=$1 folder=$2 label=$3
    mkdir -p "$folder"
    printf '%s\n' "$label" >"$folder/.windows-label"
    ln -sfn "$folder" "$WINEPREFIX/dosdevices/$letter:"
    ADDED_CDROMS="$ADDED_CDROMS $letter"
    wine reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d cdrom /f /reg:64 >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

remove_cdrom() {
    local letter=$1
    rm -f "$WINEPREFIX/dosdevices/$letter:"
    wine reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f /reg:64 >/dev/null 2>&1 || true
}

# The child windows' texts of a top-level window (class, id, text per line).
window_texts() { wininfo text "$1"; }

# Every start the stand-ins logged: name, command line, working directory.
STANDIN_LOG=$SCRATCH/starts.log
export IRONMARCH_STANDIN_LOG
IRONMARCH_STANDIN_LOG=$(winepath -w "$STANDIN_LOG" 2>/dev/null)

log_has_lines() { DETAIL="$( (cat "$STANDIN_LOG" 2>/dev/null || true) | wc -l) logged"; [ "${DETAIL% *}" -ge "$1" ]; }
wait_log_lines() { within "${2:-20}" "expected $1 logged starts" log_has_lines "$1"; }

# Field N (1: program, 2: command line, 3: directory) of logged start M.
logged() { sed -n "${1}p" "$STANDIN_LOG" | tr -d '\r' | cut -f"$2"; }

# Checks logged start M: expect_start M PROGRAM COMMAND-LINE DIRECTORY ("*" takes any).
expect_start() {
    local start=$1 field=1 want
    local names=("" program "command line" "working directory")
    shift
    for want in "$@"; do
        [ "$want" = "*" ] || [ "$(logged "$start" "$field")" = "$want" ] ||
            fail "start $start: ${names[$field]} $(logged "$start" "$field"), expected $want"
        field=$((field + 1))
    done
}

# Starts the launcher from the root of a drive, as the disc's autorun would:
# launch_from_drive NAME LETTER [VAR=VALUE ...]
launch_from_drive() {
    local name=$1 letter=$2
    shift 2
    (env "$@" wine start /wait /d "${letter}:\\" "${letter}:\\IronmarchLauncher.exe" >"$SCRATCH/$name.out" 2>&1
     echo $? >"$SCRATCH/$name.exit") &
}

# Saves a screenshot of a stage when IRONMARCH_SCREENS names a folder.
save_stage() {
    [ -n "${IRONMARCH_SCREENS:-}" ] || return 0
    mkdir -p "$IRONMARCH_SCREENS"
    import -window root "$IRONMARCH_SCREENS/$1.png" 2>/dev/null && echo "stage \"$1\": $IRONMARCH_SCREENS/$1.png"
}
