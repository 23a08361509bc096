# Play with Wine's full DirectX starts VXR.exe in the installation directory
# and the launcher closes. With DINPUT.DLL taken away the question for
# "DirectX 2 found." appears, with DDRAW.DLL away the one for "DirectX not
# installed."; No keeps the launcher. Uninstall runs the registered command.
logargs=$WINDOWS_BUILD/tests/windows/logargs.exe
installed=$SCRATCH/Games/Ironmarch
install_game_into "$installed"
cp "$logargs" "$installed/VXR.exe"
cp "$logargs" "$installed/uninstaller.exe"
reg_set "$UNINSTALL_KEY" UninstallString "\"$(winpath "$installed")\\uninstaller.exe\" /remove"

launch play "$installed"
wait_window "$LAUNCHER_TITLE" >/dev/null
click_client 500 55
code=$(wait_exit play)
[ "$code" = 0 ] || fail "exit code $code after Play"
wait_log_lines 1
expect_start 1 "$(winpath "$installed")\\VXR.exe" VXR.exe "$(winpath "$installed")"

ask_and_decline() {
    local override=$1 first_sentence=$2
    launch asked "$installed" WINEDLLOVERRIDES="$override"
    wait_window "$LAUNCHER_TITLE" >/dev/null
    click_client 500 55
    wait_window "Install DirectX 8.0a?" >/dev/null
    local texts
    texts=$(window_texts "Install DirectX 8.0a?")
    grep -qF "$first_sentence  You must have at least DirectX 7 installed in order to play Ironmarch.  Would you like to install DirectX 8.0a now?" <<<"$texts" ||
        fail "with $override the question reads: $texts"
    key n
    wait_no_window "Install DirectX 8.0a?"
    sleep 1
    has_exited asked && fail "the launcher closed after No"
    [ "$(wc -l <"$STANDIN_LOG")" = 1 ] || fail "something was started after No"
    key Escape
    wait_exit asked >/dev/null
    rm -f "$SCRATCH/asked.exit"
}
ask_and_decline "dinput=" "DirectX 2 found."
ask_and_decline "ddraw=" "DirectX not installed."

launch uninstall "$installed"
wait_window "$LAUNCHER_TITLE" >/dev/null
click_client 500 175
code=$(wait_exit uninstall)
[ "$code" = 0 ] || fail "exit code $code after Uninstall"
wait_log_lines 2
expect_start 2 "*" "\"$(winpath "$installed")\\uninstaller.exe\" /remove" "$(winpath "$installed")"
forget_installation
