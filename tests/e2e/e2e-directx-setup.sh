# Install DirectX with no DirectX folder beside the launcher (a start from
# beside it works as setup's does): dxsetup.exe from the CD-ROM drive
# labelled IRM_1, in that drive's \DirectX; with no such disc, the Insert
# Disc dialog asks for it, its warnings are modal to it, and the launcher
# stays open when it ends without the disc.
disc=$SCRATCH/disc
copy_disc "$disc"
rm -r "$disc/DirectX"
mkdir -p "$SCRATCH/cd/DirectX"
cp "$WINDOWS_BUILD/tests/windows/logargs.exe" "$SCRATCH/cd/DirectX/dxsetup.exe"
add_cdrom e "$SCRATCH/cd" IRM_1
open_launcher fromdisc "$disc"
click_client 500 135
expect_exit fromdisc "Install DirectX from the disc"
expect_start 1 'E:\DirectX\dxsetup.exe' '"dxsetup.exe"' 'E:\DirectX'

# Another disc in the drive: the dialog asks, Cancel keeps the launcher.
add_cdrom e "$SCRATCH/cd" OTHER_DISC
open_launcher nodisc "$disc"
click_client 500 135
wait_window "Insert Disc" >/dev/null
texts=$(wininfo text "Insert Disc")
grep -q "Please insert the Ironmarch CD 1 into your CD-ROM drive\." <<<"$texts" || fail "dialog reads: $texts"
grep -qP "^Edit\t501\tE:$" <<<"$texts" || fail "drive box: $texts"
# A drive that cannot be read: two warnings, each owned by the dialog, which
# stays disabled until they are gone.
xdotool type "Q:"
xdotool key Return
for warning in "could not be read" "is not the correct disc"; do
    warned() { DETAIL=$(wininfo text Warning); grep -q "$warning" <<<"$DETAIL"; }  # both warnings have one caption
    within 20 "no warning \"$warning\"" warned
    case $(wininfo window Warning) in *"owner=Insert Disc") ;; *) fail "warning: $(wininfo window Warning)" ;; esac
    case $(wininfo window "Insert Disc") in *"enabled=0"*) ;; *) fail "dialog: $(wininfo window "Insert Disc")" ;; esac
    xdotool key Return
done
wait_no_window "Insert Disc"
sleep 1
has_exited nodisc && fail "the launcher closed after the wrong disc"
[ "$(wc -l <"$STANDIN_LOG")" = 1 ] || fail "something was started after Cancel"
close_launcher nodisc
