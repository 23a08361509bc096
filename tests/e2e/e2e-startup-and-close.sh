# The window appears centred on a 1024 by 768 screen, 644 by 456 with a
# client area of 640 by 452; Escape closes it, and so does Space, with exit
# code 0 both times.
forget_installation
for closing_key in Escape space; do
    launch first "$DISC"
    window=$(wait_window "$LAUNCHER_TITLE")
    [ "$(geometry "$window")" = "190 156 644 456" ] || fail "window at $(geometry "$window")"
    info=$(wininfo window "$LAUNCHER_TITLE")
    case $info in *"rect=190,156,834,612 client=640,452"*) ;; *) fail "wininfo says: $info" ;; esac
    key "$closing_key"
    code=$(wait_exit first)
    [ "$code" = 0 ] || fail "exit code $code after $closing_key"
    wait_no_window "$LAUNCHER_TITLE"
    rm -f "$SCRATCH/first.exit"
done
