# The launcher under each Windows version that Wine can report. For every
# one: the window comes up centred and paints; Install shows how the version
# was classified (the NT warning on NT 4.0, once, with the installer never
# started and the launcher open; "Microsoft Windows 2000 " on the standard
# output for Windows 2000 and XP; elsewhere setup.exe beside the launcher
# started and the launcher closed);
# Play starts the game where the DirectX ladder reaches 7 or more, and asks
# about DirectX 8.0a on NT 4.0, whose ladder stops at DirectX 3, and where
# Wine is told to disable DINPUT.DLL or DDRAW.DLL; No keeps the launcher.
# DLLs planted beside the launcher under system names are never loaded.
#
# version  DLLs off  install   play
cases="
win95    -         setup     game
win98    -         setup     game
winme    -         setup     game
nt40     -         warning   ask:DirectX 3 found.
win2k    -         setup2000 game
winxp    -         setup2000 game
winxp    dinput=   setup2000 ask:DirectX 2 found.
win7     -         setup     game
win10    -         setup     game
win10    ddraw=    setup     ask:DirectX not installed."

logargs=$WINDOWS_BUILD/tests/windows/logargs.exe
disc=$SCRATCH/disc
copy_disc "$disc"
cp "$logargs" "$disc/setup.exe"
installed=$SCRATCH/Games/Ironmarch
convert "$DISC/bitmaps/8b1u.bmp" "PNG24:$SCRATCH/install-up.png"
convert "$DISC/bitmaps/8b8u.bmp" "PNG24:$SCRATCH/play-up.png"
starts=0

while read -r version dlls install play; do
    [ -n "$version" ] || continue
    run=$version${dlls//[-=]/}  # names this row's launchers, whose exit codes land in files
    wine_version "$version"

    # Not installed: the disc's menu, and Install.
    forget_installation
    launch "install-$run" "$disc"
    window=$(wait_window "$LAUNCHER_TITLE")
    [ "$(geometry "$window")" = "190 156 644 456" ] || fail "$version: window at $(geometry "$window")"
    point_at 10 300  # off the buttons, which would show their focus pictures
    expect_region 400 40 "$SCRATCH/install-up.png" "$version: the Install button"
    click_client 500 55
    if [ "$install" = warning ]; then
        wait_window "Warning" >/dev/null
        window_texts "Warning" | grep -q "Ironmarch will not run under Windows NT\." ||
            fail "$version: the warning reads $(window_texts Warning)"
        key Return
        wait_no_window "Warning"
        click_client 500 55
        sleep 1
        [ "$(window_count Warning)" = 0 ] || fail "$version: the warning came again"
        has_exited "install-$run" && fail "$version: the launcher closed after the warning"
        key Escape
        wait_exit "install-$run" >/dev/null
    else
        [ "$(wait_exit "install-$run")" = 0 ] || fail "$version: exit code after Install"
        starts=$((starts + 1))
        wait_log_lines $starts
        expect_start $starts "$(winpath "$disc")\\setup.exe" setup.exe "$(winpath "$disc")"
    fi
    said=$(tr -d '\r' <"$SCRATCH/install-$run.out")
    if [ "$install" = setup2000 ]; then
        [[ $said == *"Microsoft Windows 2000 "* ]] || fail "$version: classified other than Windows 2000/XP; said: $said"
    else
        [[ $said != *"Microsoft Windows 2000"* ]] || fail "$version: classified as Windows 2000/XP"
    fi

    # Installed: Play.
    install_game_into "$installed"
    cp "$logargs" "$installed/VXR.exe"
    for dll in ddraw dinput d3d8 winmm; do cp "$WINDOWS_BUILD/tests/windows/planted.dll" "$installed/$dll.dll"; done
    launch "play-$run" "$installed" WINEDLLOVERRIDES="${dlls#-}"
    wait_window "$LAUNCHER_TITLE" >/dev/null
    point_at 10 300
    expect_region 400 40 "$SCRATCH/play-up.png" "$version: the Play button"
    click_client 500 55
    if [ "$play" = game ]; then
        [ "$(wait_exit "play-$run")" = 0 ] || fail "$version: exit code after Play"
        starts=$((starts + 1))
        wait_log_lines $starts
        expect_start $starts "$(winpath "$installed")\\VXR.exe" VXR.exe "$(winpath "$installed")"
    else
        wait_window "Install DirectX 8.0a?" >/dev/null
        window_texts "Install DirectX 8.0a?" | grep -qF "${play#ask:}  You must have at least DirectX 7 installed" ||
            fail "$version: the question reads $(window_texts "Install DirectX 8.0a?")"
        key n
        wait_no_window "Install DirectX 8.0a?"
        sleep 1
        has_exited "play-$run" && fail "$version: the launcher closed after No"
        key Escape
        wait_exit "play-$run" >/dev/null
    fi
    echo "$version: paints, install $install, play $play"
done <<<"$cases"
grep -q planted "$STANDIN_LOG" && fail "a planted DLL was loaded: $(grep planted "$STANDIN_LOG")"
[ "$(wc -l <"$STANDIN_LOG")" = $starts ] || fail "$(wc -l <"$STANDIN_LOG") starts logged, expected $starts"
