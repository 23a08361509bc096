; What Setup.nsi installs. A publisher copies Setup.nsi and this file, and
; fills in this one for the game; Setup.nsi keeps the launcher's part of the
; bargain (its program, pictures and readme, and the two registry values).

; The launcher was built knowing these two: it finds a running installer by
; its window "<name> Setup" and its mutex "<name>", the installation under
; Uninstall\<name> and App Paths\<program>. Change them only together with
; the launcher's core/Names.h.
!define GAME_NAME "Ironmarch"
!define GAME_PROGRAM "VXR.exe"
!define GAME_PUBLISHER "Ironmarch Demo Publisher"
; The folder on the disc that holds the game's own files.
!define GAME_PAYLOAD "game"
; Room the installation takes, in KB, shown on the folder page and checked
; against the drive: the game's files, the launcher and its pictures.
!define GAME_SIZE_KB 2048
; The folder offered: <Windows drive>\Games\<name>. Games of this age keep
; their saved games beside their program, which Program Files does not allow
; on Windows Vista and later.
!define GAME_FOLDER "Games\${GAME_NAME}"

; The game's files: each one a path below the payload folder, copied to the
; same path below the installation folder. Folders are made as needed.
!macro GAME_FILES
  !insertmacro InstallGameFile "${GAME_PROGRAM}"
!macroend
