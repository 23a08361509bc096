# Helpers of the Wine tests. The caller has set WINEPREFIX, WINDOWS_BUILD,
# DISC, HELPERS, REG_VIEW, SLOW and SCRATCH, and runs under Xvfb.

# A text of the launcher's, as core/Names.h spells it in C.
launcher_name() {
    sed -n "s/.*constexpr const char\* $1 = \"\(.*\)\";/\1/p" "$(dirname "${BASH_SOURCE[0]}")/../../core/Names.h" |
        sed 's/\\\\/\\/g'
}
LAUNCHER_TITLE=$(launcher_name kLauncherWindowTitle)
SETUP_TITLE=$(launcher_name kSetupWindowTitle)
UNINSTALL_TITLE="$(launcher_name kGameTitle) Uninstall"  # NSIS's title for an uninstaller
APP_PATHS_KEY="HKLM\\$(launcher_name kAppPathsKey)"
UNINSTALL_KEY="HKLM\\$(launcher_name kUninstallKey)"
FAILURES=${IRONMARCH_FAILURES:-/tmp/ironmarch-failures}
ADDED_CDROMS=""  # drive letters that this test added

# Says what went wrong and what the test saw: the screen, its windows, the
# Windows processes, and every log and output of the test.
fail() {
    trap - ERR  # the report below must not report itself
    local shot="$FAILURES/$(basename "${test_script:-test}" .sh)-$(date +%s).png" w
    mkdir -p "$FAILURES"
    import -window root "$shot" 2>/dev/null && echo "screen at the failure: $shot" >&2
    { echo "FAIL: $*"; echo "windows on the screen:"
      for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
          echo "  $(xdotool getwindowname "$w") $(xdotool getwindowgeometry "$w" | tr '\n' ' ')"
      done
      echo "Windows processes:"; pgrep -af '\.exe' | sed 's/^/  /'
      tail -n +1 "$SCRATCH"/*.log "$SCRATCH"/*.out; } >&2 2>/dev/null
    exit 1
}


# Leaves the shared prefix as the test found it: no drives, installation,
# Windows version or browser of this test's.
cleanup() {
    local letter
    for letter in $ADDED_CDROMS; do
        rm -f "$WINEPREFIX/dosdevices/$letter:"
        wine reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f /reg:64 >/dev/null 2>&1 || true
    done
    wine reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1 || true
    wine reg delete 'HKCU\Software\Wine\WineBrowser' /v Browsers /f >/dev/null 2>&1 || true
    forget_installation
    restart_wineserver
    chmod -R u+w "$SCRATCH" 2>/dev/null || true  # files taken from a disc image are read-only
    rm -rf "$SCRATCH"
}

# Starts the launcher from a Unix folder, or with "drive:X" from the root of
# drive X as the disc's autorun would: launch NAME FOLDER [VAR=VALUE ...].
# Its exit code lands in $SCRATCH/NAME.exit.
launch() {
    local name=$1 from=$2 run=(wine IronmarchLauncher.exe)
    shift 2
    [[ $from == drive:* ]] && run=(wine start /wait /d "${from#drive:}:\\" "${from#drive:}:\\IronmarchLauncher.exe") from=/
    (cd "$from" && env "$@" "${run[@]}" >"$SCRATCH/$name.out" 2>&1
     echo $? >"$SCRATCH/$name.exit") &
}

# Launches and waits for the window, with the pointer parked off the buttons
# (which would show their focus pictures): open_launcher NAME FROM [VAR=VALUE ...]
open_launcher() { launch "$@"; wait_window "$LAUNCHER_TITLE" >/dev/null; point_at 10 300; }

# Retries a condition until it holds: within SECONDS WHAT-IF-NOT COMMAND [ARGS]
# (the failure text may name $DETAIL, which a condition can fill in). Where
# every Windows process starts slowly (32-bit Wine emulated), SLOW scales
# the limit.
within() {
    local seconds=$1 what=$2 deadline=$((SECONDS + $1 * SLOW))
    shift 2
    DETAIL=""
    until "$@"; do
        [ $SECONDS -lt $deadline ] || fail "$what${DETAIL:+: $DETAIL}"
        sleep 0.2
    done
}

# Waits for a launcher started with launch to end; prints its exit code.
wait_exit() {
    within 20 "$1 did not end within 20 s" test -s "$SCRATCH/$1.exit"
    cat "$SCRATCH/$1.exit"
}
expect_exit() { local code; code=$(wait_exit "$1"); [ "$code" = 0 ] || fail "$2: exit code $code"; }
has_exited() { [ -s "$SCRATCH/$1.exit" ]; }
close_launcher() { xdotool key Escape; wait_exit "$1" >/dev/null; }

# The visible top-level windows with this title, one X window per line.
window_ids() { xdotool search --onlyvisible --name "^$(sed 's/[][().*+?^$|\\]/\\&/g' <<<"$1")\$" 2>/dev/null || true; }
window_count() { window_ids "$1" | wc -l; }
no_window() { [ "$(window_count "$1")" = 0 ]; }
has_window() { ! no_window "$1"; }

# Prints the X window of a visible top-level window with this title, waiting for it.
wait_window() { within 30 "no window \"$1\" within 30 s" has_window "$1"; window_ids "$1" | head -n 1; }
wait_no_window() { within 20 "window \"$1\" still there after 20 s" no_window "$1"; }

# "X Y W H" of an X window.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}
# Clicks inside a window that is not the launcher (the stand-ins close on a click).
click_window() { local at; at=($(geometry "$1")); xdotool mousemove --sync $((at[0] + 100)) $((at[1] + 60)) click 1; }

wininfo() { wine "$HELPERS/tests/windows/wininfo.exe" "$@" 2>/dev/null | tr -d '\r'; }
# The launcher as a screen reader of the programs' own architecture sees it
# over MSAA from another process, or a press of a button's default action.
accclient() { wine "$WINDOWS_BUILD/tests/windows/accclient.exe" "$LAUNCHER_TITLE" "$@" 2>/dev/null | tr -d '\r'; }

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
# Launchers themselves, not a "start" that waits for one. Emulated, the
# command line is qemu's, with the Windows one after it.
LAUNCHER_COMMAND='^([^ ]*qemu-i386 [^ ]*wine )?([^ ]*[\\/])?IronmarchLauncher\.exe( |$)'
launcher_processes() { own_processes "$LAUNCHER_COMMAND" | wc -l; }
launchers_are() { DETAIL="$(launcher_processes) running"; [ "$(launcher_processes)" -eq "$1" ]; }

# The installation's values in the registry view the launcher under test
# reads: a 32-bit program's is WOW6432Node, a 64-bit one's the other.
reg_set() { wine reg add "$1" /v "$2" /d "$3" /f "$REG_VIEW" >/dev/null 2>&1 || fail "could not set $1 $2"; }
reg_has() { wine reg query "$1" "$REG_VIEW" >/dev/null 2>&1; }
forget_installation() {
    wine reg delete "$APP_PATHS_KEY" /f "$REG_VIEW" >/dev/null 2>&1 || true
    wine reg delete "$UNINSTALL_KEY" /f "$REG_VIEW" >/dev/null 2>&1 || true
}

winpath() { winepath -w "$1" 2>/dev/null; }

# A copy of the demo disc that a test may change.
copy_disc() { mkdir -p "$1" && cp -r "$DISC"/. "$1"/; }

# Registers a game installed in a Unix folder, with the launcher and its pictures there.
install_game_into() {
    local folder=$1
    mkdir -p "$folder"
    cp -r "$DISC/IronmarchLauncher.exe" "$DISC/bitmaps" "$folder/"
    reg_set "$APP_PATHS_KEY" Path "$(winpath "$folder")"
    reg_set "$UNINSTALL_KEY" UninstallString "\"$(winpath "$folder")\\uninstall.exe\""
}

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
click_client() { point_at "$1" "$2"; sleep 0.2; xdotool click 1; }

# Whether a client region shows a picture, pixel for pixel; DETAIL says by how many pixels it differs.
region_shows() {
    local size
    size=$(identify -format '%wx%h' "$3")
    import -window root "$SCRATCH/screen.png" 2>/dev/null || fail "no screenshot"
    convert "$SCRATCH/screen.png" -crop "${size}+$((CLIENT_X + $1))+$((CLIENT_Y + $2))" +repage -depth 8 "PNG24:$SCRATCH/region.png"
    # compare answers 1 when the pictures differ; the count is what matters.
    DETAIL="$({ compare -metric AE "$SCRATCH/region.png" "$3" null: 2>&1 || true; } | cut -d' ' -f1) pixels differ"
    [ "$DETAIL" = "0 pixels differ" ]
}

# Waits until a client region shows the picture: expect_region X Y PICTURE WHAT
expect_region() { within 10 "$4" region_shows "$1" "$2" "$3"; }

# A CD-ROM drive with a volume label, as the mount manager sees it.
add_cdrom() { ADDED_CDROMS="$ADDED_CDROMS $1"; map_cdrom "$@"; wait_cdrom "$1"; }
# After a restart the mount manager starts with the first program, and until
# it has taken the drive, programs see a fixed disk there: wait_cdrom LETTER.
is_cdrom() { DETAIL=$(wininfo drive "$1:\\"); [ "$DETAIL" = 5 ]; }
wait_cdrom() { within 30 "drive $1: is no CD-ROM to Windows programs; its type" is_cdrom "$1"; }

# Every start the stand-ins logged: name, command line, working directory.
STANDIN_LOG=$SCRATCH/starts.log
export IRONMARCH_STANDIN_LOG
IRONMARCH_STANDIN_LOG=$(winepath -w "$STANDIN_LOG" 2>/dev/null)

log_has_lines() { DETAIL="$( (cat "$STANDIN_LOG" 2>/dev/null || true) | wc -l) logged"; [ "${DETAIL% *}" -ge "$1" ]; }

# Waits for logged start M and checks it: expect_start M PROGRAM COMMAND-LINE DIRECTORY
expect_start() {
    within 20 "expected $1 logged starts" log_has_lines "$1"
    local got
    got=$(sed -n "${1}p" "$STANDIN_LOG" | tr -d '\r')
    [ "$got" = "$2"$'\t'"$3"$'\t'"$4" ] || fail "start $1: \"$got\", expected \"$2	$3	$4\""
}

# When a stage of a test ended, in seconds since the test began.
step() { echo "[$SECONDS s] $1"; }

# A stage's time, and its screenshot when IRONMARCH_SCREENS names a folder.
save_stage() {
    step "$1"
    [ -n "${IRONMARCH_SCREENS:-}" ] || return 0
    mkdir -p "$IRONMARCH_SCREENS"
    import -window root "$IRONMARCH_SCREENS/$1.png" 2>/dev/null && echo "stage \"$1\": $IRONMARCH_SCREENS/$1.png"
}
