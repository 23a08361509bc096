# Play with Wine's full DirectX starts VXR.exe in the installation directory
# and the launcher closes; DLLs planted beside the launcher under system
# names are never loaded, and the probe still reaches D3D8 in the system
# directory. With DINPUT.DLL taken away the question for "DirectX 2 found."
# appears, with DDRAW.DLL away the one for "DirectX not installed."; No
# keeps the launcher. Uninstall runs the registered command.
logargs=$WINDOWS_BUILD/tests/windows/logargs.exe
installed=$SCRATCH/Games/Ironmarch
install_game_into "$installed"
cp "$logargs" "$installed/VXR.exe"
cp "$logargs" "$installed/uninstaller.exe"
reg_set "$UNINSTALL_KEY" UninstallString "\"$(winpath "$installed")\\uninstaller.exe\" /remove"

for dll in ddraw dinput d3d8 winmm; do cp "$WINDOWS_BUILD/tests/windows/planted.dll" "$installed/$dll.dll"; done
launch play "$installed" WINEDEBUG=+loaddll
wait_window "$LAUNCHER_TITLE" >/dev/null
click_client 500 55
code=$(wait_exit play)
[ "$code" = 0 ] || fail "exit code $code after Play"
wait_log_lines 1
expect_start 1 "$(winpath "$installed")\\VXR.exe" VXR.exe "$(winpath "$installed")"
grep -q planted "$STANDIN_LOG" && fail "a planted DLL was loaded: $(grep planted "$STANDIN_LOG")"
grep -qi 'Loaded L"C:\\\\windows\\\\system32\\\\d3d8.dll"' "$SCRATCH/play.out" ||
    fail "the probe did not reach D3D8: $(grep -i 'd3d8\|ddraw' "$SCRATCH/play.out")"
rm "$installed"/{ddraw,dinput,d3d8,winmm}.dll

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
