# The launcher under each Windows version that Wine can report. For every
# one: the window comes up centred and paints; Install shows how the version
# was classified (the NT warning on NT 4.0, once, with the installer never
# started and the launcher open; "Microsoft Windows 2000 " on the standard
# output for Windows 2000 and XP; elsewhere setup.exe beside the launcher
# started and the launcher closed);
# Play starts the game where the DirectX ladder reaches 7 or more, and asks
# about DirectX 8.0a on NT 4.0, whose ladder stops at DirectX 3.
#
# version  install   play
cases="
win95    setup     game
win98    setup     game
winme    setup     game
nt40     warning   ask:DirectX 3 found.
win2k    setup2000 game
winxp    setup2000 game
win7     setup     game
win10    setup     game"

logargs=$WINDOWS_BUILD/tests/windows/logargs.exe
disc=$SCRATCH/disc
copy_disc "$disc"
cp "$logargs" "$disc/setup.exe"
installed=$SCRATCH/Games/Ironmarch
convert "$DISC/bitmaps/8b1u.bmp" "PNG24:$SCRATCH/install-up.png"
convert "$DISC/bitmaps/8b8u.bmp" "PNG24:$SCRATCH/play-up.png"
starts=0

while read -r version install play; do
    [ -n "$version" ] || continue
    wine_version "$version"

    # Not installed: the disc's menu, and Install.
    forget_installation
    launch "install-$version" "$disc"
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
        has_exited "install-$version" && fail "$version: the launcher closed after the warning"
        key Escape
        wait_exit "install-$version" >/dev/null
    else
        [ "$(wait_exit "install-$version")" = 0 ] || fail "$version: exit code after Install"
        starts=$((starts + 1))
        wait_log_lines $starts
        expect_start $starts "$(winpath "$disc")\\setup.exe" setup.exe "$(winpath "$disc")"
    fi
    said=$(tr -d '\r' <"$SCRATCH/install-$version.out")
    if [ "$install" = setup2000 ]; then
        [[ $said == *"Microsoft Windows 2000 "* ]] || fail "$version: classified other than Windows 2000/XP; said: $said"
    else
        [[ $said != *"Microsoft Windows 2000"* ]] || fail "$version: classified as Windows 2000/XP"
    fi

    # Installed: Play.
    install_game_into "$installed"
    cp "$logargs" "$installed/VXR.exe"
    launch "play-$version" "$installed"
    wait_window "$LAUNCHER_TITLE" >/dev/null
    point_at 10 300
    expect_region 400 40 "$SCRATCH/play-up.png" "$version: the Play button"
    click_client 500 55
    if [ "$play" = game ]; then
        [ "$(wait_exit "play-$version")" = 0 ] || fail "$version: exit code after Play"
        starts=$((starts + 1))
        wait_log_lines $starts
        expect_start $starts "$(winpath "$installed")\\VXR.exe" VXR.exe "$(winpath "$installed")"
    else
        wait_window "Install DirectX 8.0a?" >/dev/null
        window_texts "Install DirectX 8.0a?" | grep -qF "${play#ask:}" ||
            fail "$version: the question reads $(window_texts "Install DirectX 8.0a?")"
        key n
        wait_no_window "Install DirectX 8.0a?"
        key Escape
        wait_exit "play-$version" >/dev/null
    fi
    echo "$version: paints, install $install, play $play"
done <<<"$cases"
[ "$(wc -l <"$STANDIN_LOG")" = $starts ] || fail "$(wc -l <"$STANDIN_LOG") starts logged, expected $starts"
