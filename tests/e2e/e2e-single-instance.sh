# A second launcher ends with exit code 0 and no window, and brings the
# first one to the front, restoring it when minimised. The installer's
# window, when there is one, takes precedence.
forget_installation
launch first "$DISC"
wait_window "$LAUNCHER_TITLE" >/dev/null
wininfo minimize "$LAUNCHER_TITLE"
case $(wininfo window "$LAUNCHER_TITLE") in *iconic=1*) ;; *) fail "could not minimise the launcher" ;; esac

launch second "$DISC"
code=$(wait_exit second)
[ "$code" = 0 ] || fail "second launcher exit code $code"
[ "$(window_count "$LAUNCHER_TITLE")" = 1 ] || fail "$(window_count "$LAUNCHER_TITLE") launcher windows"
case $(wininfo window "$LAUNCHER_TITLE") in *iconic=0*) ;; *) fail "launcher still minimised" ;; esac
[ "$(wininfo foreground)" = "$LAUNCHER_TITLE" ] || fail "foreground is \"$(wininfo foreground)\""
has_exited first && fail "the first launcher ended"

# The installer's window comes first. The first launcher is closed so that
# the installer holds the mutex, as the real one does.
key Escape
wait_exit first >/dev/null
(cd "$DISC" && IRONMARCH_STANDIN_SECONDS=30 wine setup.exe >/dev/null 2>&1) &
wait_window "Ironmarch Setup" >/dev/null
launch third "$DISC"
code=$(wait_exit third)
[ "$code" = 0 ] || fail "launcher beside the installer exit code $code"
[ "$(window_count "$LAUNCHER_TITLE")" = 0 ] || fail "a launcher window appeared beside the installer"
[ "$(wininfo foreground)" = "Ironmarch Setup" ] || fail "foreground is \"$(wininfo foreground)\""
