# The menu in the player's language, as Wine takes it from LC_ALL (LANG
# alone is not enough where the host lacks the locale): German
# pictures and words, French words over the default pictures, and English
# for a language the launcher does not speak. For each: the whole menu
# against the kit's preview of that language, a screen reader's names, the
# Insert Disc dialog, and the DirectX offer of an installed game.
#
# locale|preview|screen reader|dialog|its prompt|offer|its text
cases="
de_DE.UTF-8|de-disc-menu|Installieren,Liesmich,DirectX installieren,|CD einlegen|Bitte legen Sie CD 1 von Ironmarch in Ihr CD-ROM-Laufwerk ein.|DirectX 8.0a installieren?|DirectX ist nicht installiert.  Um Ironmarch zu spielen, muss mindestens DirectX 7 installiert sein.
fr_FR.UTF-8|disc-menu|Installer,Lisez-moi,Installer DirectX,|Insérer le disque|Veuillez insérer le CD 1 de Ironmarch dans votre lecteur de CD-ROM.|Installer DirectX 8.0a ?|DirectX n'est pas installé.  Pour jouer à Ironmarch, DirectX 7 ou une version ultérieure doit être installé.
sw_KE.UTF-8|disc-menu|Install,Readme,Install DirectX,|Insert Disc|Please insert the Ironmarch CD 1 into your CD-ROM drive.|Install DirectX 8.0a?|DirectX not installed."

disc=$SCRATCH/disc installed=$SCRATCH/Games/Ironmarch previews=$SCRATCH/previews
copy_disc "$disc"
rm -r "$disc/DirectX"  # Install DirectX then asks for the disc
"$KIT/disc_preview" "$DISC" "$previews" >/dev/null || fail "no previews of the demo disc"
# A window's text as Windows holds it: in the ANSI code page, 1252 for all
# three locales.
ansi() { iconv -f UTF-8 -t CP1252 <<<"$1"; }
has_text() { DETAIL=$(wininfo text "$1"); grep -qF "$(ansi "$2")" <<<"$DETAIL"; }
gone() { DETAIL=$(wininfo window "$1"); [ "$DETAIL" = none ]; }
in_front() { DETAIL=$(wininfo foreground); [ "$DETAIL" = "$(ansi "$1")" ]; }

while IFS='|' read -r locale preview names dialog prompt offer text; do
    [ -n "$locale" ] || continue
    code=${locale%%_*}
    open_launcher "menu-$code" "$disc" LC_ALL="$locale"
    expect_region 0 0 "$previews/$preview.png" "$locale: the menu against the preview $preview"
    save_stage "language-$code-menu"
    seen=$(accclient | cut -f1 | head -n 3 | tr '\n' ,)
    [ "$(iconv -f CP1252 -t UTF-8 <<<"$seen")" = "$names" ] || fail "$locale: a screen reader's names: $seen"

    # Found by Windows' own title search: xdotool's misses a title with an
    # accent.
    click_client 500 135
    within 30 "$locale: no dialog \"$dialog\" reading \"$prompt\"" has_text "$dialog" "$prompt"
    within 10 "$locale: the dialog is not in front" in_front "$dialog"
    xdotool key Escape
    within 20 "$locale: the dialog stayed" gone "$dialog"
    close_launcher "menu-$code"

    install_game_into "$installed"
    cp "$WINDOWS_BUILD/tests/windows/logargs.exe" "$installed/VXR.exe"
    open_launcher "play-$code" "$installed" LC_ALL="$locale" WINEDLLOVERRIDES=ddraw=
    click_client 500 55
    wait_window "$offer" >/dev/null
    within 10 "$locale: the DirectX offer reads" has_text "$offer" "$text"
    save_stage "language-$code-directx"
    xdotool key Tab Return  # No: the default button is Yes
    wait_no_window "$offer"
    close_launcher "play-$code"
    forget_installation
done <<<"$cases"
