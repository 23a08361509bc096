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
starts=0
# A message box with this text, answered by a key: answered TITLE TEXT KEY
answered() {
    wait_window "$1" >/dev/null
    wininfo text "$1" | grep -qF "$2" || fail "$version: \"$1\" reads $(wininfo text "$1")"
    xdotool key "$3"
    wait_no_window "$1"
}

while read -r version dlls install play; do
    [ -n "$version" ] || continue
    run=$version${dlls//[-=]/}  # names this row's launchers, whose exit codes land in files
    reg_set 'HKCU\Software\Wine' Version "$version"

    # Not installed: the disc's menu, and Install.
    forget_installation
    launch "install-$run" "$disc"
    window=$(wait_window "$LAUNCHER_TITLE")
    [ "$(geometry "$window")" = "190 156 644 456" ] || fail "$version: window at $(geometry "$window")"
    point_at 10 300  # off the buttons, which would show their focus pictures
    expect_region 400 40 "$DISC/bitmaps/8b1u.bmp" "$version: the Install button"
    click_client 500 55
    if [ "$install" = warning ]; then
        answered Warning "Ironmarch will not run under Windows NT." Return
        click_client 500 55
        sleep 1
        [ "$(window_count Warning)" = 0 ] || fail "$version: the warning came again"
        has_exited "install-$run" && fail "$version: the launcher closed after the warning"
        close_launcher "install-$run"
    else
        expect_exit "install-$run" "$version: Install"
        starts=$((starts + 1))
        expect_start $starts "$(winpath "$disc")\\setup.exe" setup.exe "$(winpath "$disc")"
    fi
    classified=$(grep -q "Microsoft Windows 2000 " "$SCRATCH/install-$run.out" && echo setup2000 || echo other)
    [ "$classified" = "$([ "$install" = setup2000 ] && echo setup2000 || echo other)" ] || fail "$version: classified as $classified"

    # Installed: Play.
    install_game_into "$installed"
    cp "$logargs" "$installed/VXR.exe"
    for dll in ddraw dinput d3d8 winmm; do cp "$WINDOWS_BUILD/tests/windows/planted.dll" "$installed/$dll.dll"; done
    open_launcher "play-$run" "$installed" WINEDLLOVERRIDES="${dlls#-}"
    expect_region 400 40 "$DISC/bitmaps/8b8u.bmp" "$version: the Play button"
    click_client 500 55
    if [ "$play" = game ]; then
        expect_exit "play-$run" "$version: Play"
        starts=$((starts + 1))
        expect_start $starts "$(winpath "$installed")\\VXR.exe" VXR.exe "$(winpath "$installed")"
    else
        answered "Install DirectX 8.0a?" "${play#ask:}  You must have at least DirectX 7 installed" n
        sleep 1
        has_exited "play-$run" && fail "$version: the launcher closed after No"
        close_launcher "play-$run"
    fi
done <<<"$cases"
grep -q planted "$STANDIN_LOG" && fail "a planted DLL was loaded: $(grep planted "$STANDIN_LOG")"
[ "$(wc -l <"$STANDIN_LOG")" = $starts ] || fail "$(wc -l <"$STANDIN_LOG") starts logged, expected $starts"
