# Readme opens readme.txt of the launcher's directory in Wine's Notepad,
# with the command line the launcher composes; a web button hands its
# address to the browser (a logging one, set in Wine's registry). The
# launcher stays open for both.
forget_installation
browser=$SCRATCH/logging-browser
cat >"$browser" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$SCRATCH/browser.log"
SCRIPT
chmod +x "$browser"
reg_set_for_test 'HKCU\Software\Wine\WineBrowser' Browsers "$browser"

launch menu "$DISC"
wait_window "$LAUNCHER_TITLE" >/dev/null
click_client 150 80
deadline=$((SECONDS + 20))
until [ -s "$SCRATCH/browser.log" ]; do
    [ $SECONDS -lt $deadline ] || fail "the browser was not started"
    sleep 0.3
done
[ "$(cat "$SCRATCH/browser.log")" = "http://www.example.com/games/ironmarch/" ] ||
    fail "the browser got $(cat "$SCRATCH/browser.log")"
sleep 1
[ "$(window_count IronmarchLauncher)" = 0 ] || fail "an error box appeared: $(window_texts IronmarchLauncher)"
has_exited menu && fail "the launcher closed after a web page"
# A quick double click runs the command once: the second press arrives as a double-click message.
point_at 500 95
sleep 0.2
xdotool click --repeat 2 --delay 80 1
expected="C:\\windows\\notepad.exe $(winpath "$DISC")\\readme.txt"
deadline=$((SECONDS + 20))
until own_processes 'notepad\.exe' | grep -qF "$expected"; do
    [ $SECONDS -lt $deadline ] || fail "no Notepad with \"$expected\"; running: $(own_processes notepad)"
    sleep 0.3
done
has_exited menu && fail "the launcher closed after Readme"
sleep 2
notepads=$(own_processes 'notepad\.exe' | wc -l)
[ "$notepads" = 1 ] || fail "$notepads Notepads after a double click on Readme"

# Notepad's window covers the launcher; close it before the keys go there.
end_own_processes 'notepad\.exe'
click_client 10 300
key Escape
wait_exit menu >/dev/null
