; The installer's own messages in each language it speaks. NSIS picks the
; player's language at start; the installed launcher gets the same one.

LangString LanguageCode ${LANG_ENGLISH} "en"
LangString LanguageCode ${LANG_GERMAN} "de"
LangString LanguageCode ${LANG_FRENCH} "fr"

LangString StartLauncher ${LANG_ENGLISH} "Open the ${GAME_NAME} menu"
LangString StartLauncher ${LANG_GERMAN} "Das Menü von ${GAME_NAME} öffnen"
LangString StartLauncher ${LANG_FRENCH} "Ouvrir le menu de ${GAME_NAME}"

; $0: the folder of the installation already there.
LangString AlreadyInstalled ${LANG_ENGLISH} "${GAME_NAME} is already installed in $0.$\r$\n$\r$\nInstall it again there?"
LangString AlreadyInstalled ${LANG_GERMAN} "${GAME_NAME} ist bereits in $0 installiert.$\r$\n$\r$\nDort erneut installieren?"
LangString AlreadyInstalled ${LANG_FRENCH} "${GAME_NAME} est déjà installé dans $0.$\r$\n$\r$\nL'installer de nouveau à cet endroit ?"

LangString CannotWrite ${LANG_ENGLISH} "Setup cannot write to the folder $INSTDIR.$\r$\n$\r$\nChoose another folder, or start Setup as an administrator."
LangString CannotWrite ${LANG_GERMAN} "Setup kann nicht in den Ordner $INSTDIR schreiben.$\r$\n$\r$\nWählen Sie einen anderen Ordner, oder starten Sie Setup als Administrator."
LangString CannotWrite ${LANG_FRENCH} "Setup ne peut pas écrire dans le dossier $INSTDIR.$\r$\n$\r$\nChoisissez un autre dossier, ou lancez Setup en tant qu'administrateur."

; $R1: the file on the disc.
LangString DiscGone ${LANG_ENGLISH} "The ${GAME_NAME} disc was taken out before Setup could copy $R1.$\r$\n$\r$\nSetup has removed what it had copied. Put the disc back and start Setup again."
LangString DiscGone ${LANG_GERMAN} "Die ${GAME_NAME}-CD wurde entnommen, bevor Setup $R1 kopieren konnte.$\r$\n$\r$\nSetup hat entfernt, was es schon kopiert hatte. Legen Sie die CD wieder ein und starten Sie Setup erneut."
LangString DiscGone ${LANG_FRENCH} "Le disque de ${GAME_NAME} a été retiré avant que Setup ait pu copier $R1.$\r$\n$\r$\nSetup a supprimé ce qu'il avait copié. Remettez le disque et relancez Setup."

LangString CopyFailed ${LANG_ENGLISH} "Setup could not copy $R1 into $INSTDIR.$\r$\n$\r$\nSetup has removed what it had copied. Make room on the drive, or choose another folder, and start Setup again."
LangString CopyFailed ${LANG_GERMAN} "Setup konnte $R1 nicht nach $INSTDIR kopieren.$\r$\n$\r$\nSetup hat entfernt, was es schon kopiert hatte. Schaffen Sie Platz auf dem Laufwerk oder wählen Sie einen anderen Ordner, und starten Sie Setup erneut."
LangString CopyFailed ${LANG_FRENCH} "Setup n'a pas pu copier $R1 dans $INSTDIR.$\r$\n$\r$\nSetup a supprimé ce qu'il avait copié. Libérez de la place sur le disque ou choisissez un autre dossier, et relancez Setup."

LangString RegistryFailed ${LANG_ENGLISH} "Setup could not record the installation in the registry.$\r$\n$\r$\nSetup has removed what it had copied. Start Setup as an administrator."
LangString RegistryFailed ${LANG_GERMAN} "Setup konnte die Installation nicht in der Registrierung eintragen.$\r$\n$\r$\nSetup hat entfernt, was es schon kopiert hatte. Starten Sie Setup als Administrator."
LangString RegistryFailed ${LANG_FRENCH} "Setup n'a pas pu inscrire l'installation dans le registre.$\r$\n$\r$\nSetup a supprimé ce qu'il avait copié. Lancez Setup en tant qu'administrateur."
