# Install starts setup.exe (found beside the launcher) and the launcher
# closes. With Wine reporting Windows NT 4.0 the warning appears instead,
# the installer is not started, and a second press does nothing.
forget_installation
disc=$SCRATCH/disc
copy_disc "$disc"
cp "$WINDOWS_BUILD/tests/windows/logargs.exe" "$disc/setup.exe"

launch install "$disc"
wait_window "$LAUNCHER_TITLE" >/dev/null
click_client 500 55
code=$(wait_exit install)
[ "$code" = 0 ] || fail "exit code $code after Install"
wait_log_lines 1
expect_start 1 "$(winpath "$disc")\\setup.exe" setup.exe "$(winpath "$disc")"

wine_version nt40
launch nt "$disc"
wait_window "$LAUNCHER_TITLE" >/dev/null
click_client 500 55
wait_window "Warning" >/dev/null
window_texts "Warning" | grep -q "Ironmarch will not run under Windows NT\." || fail "warning reads: $(window_texts Warning)"
key Return
wait_no_window "Warning"
click_client 500 55
sleep 2
[ "$(window_count Warning)" = 0 ] || fail "the warning came again"
has_exited nt && fail "the launcher closed on Windows NT"
[ "$(wc -l <"$STANDIN_LOG")" = 1 ] || fail "setup.exe was started on Windows NT"
key Escape
wait_exit nt >/dev/null
