# With the game installed elsewhere, a launcher started from the disc makes
# the installation directory its current directory and starts the launcher
# again, once; the new one runs there and shows that directory's pictures.
# A registered directory with a trailing separator does not make it restart
# again and again.
installed=$SCRATCH/Games/Ironmarch
mkdir -p "$installed"
install_game_into "$installed"
# A plain blue background marks the installed copy's pictures.
convert -size 640x452 xc:'#3366cc' -type Palette BMP3:"$installed/bitmaps/8bg1.bmp"

for registered in "$(winpath "$installed")" "$(winpath "$installed")\\"; do
    reg_set "$APP_PATHS_KEY" Path "$registered"
    launch disc "$DISC"
    code=$(wait_exit disc)
    [ "$code" = 0 ] || fail "the disc's launcher exit code $code"
    wait_window "$LAUNCHER_TITLE" >/dev/null
    sleep 2
    [ "$(launcher_processes)" = 1 ] || fail "$(launcher_processes) launcher processes for \"$registered\""
    screenshot "$SCRATCH/restarted.png"
    colour=$(pixel "$SCRATCH/restarted.png" 202 400)
    [ "$colour" = 3366cc ] || fail "background $colour: the restarted launcher does not run in the installation directory"
    key Escape
    wait_no_window "$LAUNCHER_TITLE"
    wait_launcher_processes 0
done
forget_installation
