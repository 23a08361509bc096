; The game's installer and its uninstaller, for NSIS 3:
;   makensis -DTARGET=x86-ansi -DOUTPUT=setup.exe Setup.nsi
; x86-ansi runs on Windows 95 to 11; amd64-unicode is the same installer for
; 64-bit Windows only. Game.nsh says what the game is; this file keeps the
; launcher's side of the bargain: it copies the launcher, its pictures and
; the readme from the disc it runs from, and records the installation where
; the launcher reads it, in the registry view of its own bitness (as the
; 32-bit launcher's is the 32-bit view).
;
; Nothing is embedded: the files come from the disc ($EXEDIR). Each one is
; noted in uninstall.lst before it is copied, and the uninstaller removes
; what that list names and nothing else, so the player's own files stay.
; The registry values are written last: until then the launcher sees no
; installation, and a failure removes what this run copied.
;
; Defines: TARGET (x86-ansi), OUTPUT (setup.exe), SETTINGS (Game.nsh), and
; UNINSTALLER_COPY, a path where the build keeps a copy of the uninstaller.

!ifndef TARGET
  !define TARGET x86-ansi
!endif
!ifndef OUTPUT
  !define OUTPUT setup.exe
!endif
!ifndef SETTINGS
  !define SETTINGS Game.nsh
!endif
Target ${TARGET}
; The launcher's Install button runs setup.exe by that name, which makes
; Windows treat it as an installer: that is meant.
!pragma warning disable 9000
!include "${SETTINGS}"
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh

; What the launcher reads.
!define LAUNCHER "IronmarchLauncher.exe"
!define README "readme.txt"
!define PICTURES "bitmaps"
!define APP_PATHS "Software\Microsoft\Windows\CurrentVersion\App Paths\${GAME_PROGRAM}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${GAME_NAME}"
; What this installer leaves beside them.
!define UNINSTALLER "uninstall.exe"
!define FILE_LIST "uninstall.lst"

Name "${GAME_NAME}"
; The launcher finds a running installer by this title, exactly; the
; Modern UI puts a blank after it on each page, which ShowTitle takes away.
!define SETUP_TITLE "${GAME_NAME} Setup"
!define UNINSTALL_TITLE "${GAME_NAME} Uninstall"
Caption "${SETUP_TITLE}"
UninstallCaption "${UNINSTALL_TITLE}"
BrandingText "${GAME_PUBLISHER}"
OutFile "${OUTPUT}"
SetCompressor /SOLID lzma
; HKLM is written; Windows Vista and later ask for the rights at start.
RequestExecutionLevel admin
ManifestSupportedOS all
ShowInstDetails show
!ifdef UNINSTALLER_COPY
  !uninstfinalize 'cp "%1" "${UNINSTALLER_COPY}"'
!endif

Var Mutex       ; held while the installer runs, as the launcher and the game hold it
Var FileList    ; uninstall.lst, open while files are copied
Var Reinstall   ; 1 when installing again into the registered folder

!define MUI_ABORTWARNING
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderWhenReinstalling
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowTitle
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckFolder
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowTitle
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowTitle
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(StartLauncher)"
!define MUI_FINISHPAGE_RUN_FUNCTION StartLauncher
!insertmacro MUI_PAGE_FINISH
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.ShowTitle
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.ShowTitle
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!include /CHARSET=UTF8 Texts.nsh

; One file from the disc into the installation: SOURCE below the disc's
; root, TARGET below the installation folder.
!macro CopyToInstallation SOURCE TARGET
  StrCpy $R1 "${SOURCE}"
  StrCpy $R2 "${TARGET}"
  Call CopyOne
!macroend
!macro InstallFile NAME
  !insertmacro CopyToInstallation "${NAME}" "${NAME}"
!macroend
!macro InstallGameFile NAME
  !insertmacro CopyToInstallation "${GAME_PAYLOAD}\${NAME}" "${NAME}"
!macroend

; Removes the folders above the installation folder that the installer
; made, $5 ("..\" for each), nearest first, each only if it is empty.
!macro DefineRemoveAbove UN
Function ${UN}RemoveAbove
  StrCpy $6 "$INSTDIR"
  StrCpy $7 $6 1 -1
  ${If} $7 == "\"
    StrCpy $6 $6 -1
  ${EndIf}
  ${DoWhile} $5 != ""
    ${GetParent} "$6" $6
    RMDir "$6"
    StrCpy $5 $5 -3
  ${Loop}
FunctionEnd
!macroend
!insertmacro DefineRemoveAbove ""
!insertmacro DefineRemoveAbove "un."

; Removes the files uninstall.lst names and the folders they were put in,
; then the list, the uninstaller, the installation folder and the folders
; above it that the installer made ("..\" lines); a folder only when it is
; empty. Any other line that could name something outside the folder is
; skipped.
!macro DefineRemoveListed UN
Function ${UN}RemoveListed
  StrCpy $5 ""
  ClearErrors
  FileOpen $0 "$INSTDIR\${FILE_LIST}" r
  ${IfNot} ${Errors}
    ${Do}
      ClearErrors  ; WordFind sets the flag for a line without the word
      FileRead $0 $1
      ${If} ${Errors}
        ${ExitDo}
      ${EndIf}
      ${Do}
        StrCpy $2 $1 1 -1
        ${If} $2 != "$\r"
        ${AndIf} $2 != "$\n"
          ${ExitDo}
        ${EndIf}
        StrCpy $1 $1 -1
      ${Loop}
      StrCpy $2 $1 1
      ${If} $1 == ""
      ${OrIf} $2 == "\"
        ${Continue}
      ${EndIf}
      StrCpy $3 $1
      ${DoWhile} $3 != ""
        StrCpy $4 $3 3
        ${If} $4 != "..\"
          ${ExitDo}
        ${EndIf}
        StrCpy $3 $3 "" 3
      ${Loop}
      ${If} $3 == ""
        StrLen $3 $1
        StrLen $4 $5
        ${If} $3 > $4
          StrCpy $5 $1
        ${EndIf}
        ${Continue}
      ${EndIf}
      ${WordFind} "$1" ".." "E#" $3
      ${WordFind} "$1" ":" "E#" $4
      ${If} $3 != 1
      ${OrIf} $4 != 1
        ${Continue}
      ${EndIf}
      Delete "$INSTDIR\$1"
      ${GetParent} "$1" $2
      ${DoWhile} $2 != ""
        RMDir "$INSTDIR\$2"
        ${GetParent} "$2" $2
      ${Loop}
    ${Loop}
    FileClose $0
  ${EndIf}
  Delete "$INSTDIR\${FILE_LIST}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Call ${UN}RemoveAbove
FunctionEnd
!macroend
!insertmacro DefineRemoveListed ""
!insertmacro DefineRemoveListed "un."

; The registry values go only where they name this folder: an older
; folder's uninstaller must not unregister the installation that replaced it.
!macro DefineUnregister UN
Function ${UN}Unregister
  ReadRegStr $0 HKLM "${APP_PATHS}" "Path"
  StrCpy $1 $INSTDIR
  ${If} $1 != ""
    StrCpy $2 $1 1 -1
    ${If} $2 == "\"
      StrCpy $1 $1 -1
    ${EndIf}
  ${EndIf}
  ${If} $0 == $1
  ${OrIf} $0 == "$1\"
    DeleteRegKey HKLM "${APP_PATHS}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DefineUnregister ""
!insertmacro DefineUnregister "un."

Function .onInit
  ; The launcher treats a held mutex as another launcher, installer or game
  ; running, and brings this window forward instead of opening.
  System::Call 'kernel32::CreateMutex(p 0, i 1, t "${GAME_NAME}") p .s'
  Pop $Mutex
  ${If} $INSTDIR == ""
    ; NSIS drops a /D= folder it finds unusable before this runs, which
    ; would install elsewhere than asked: the process's own command line
    ; still has it.
    System::Call 'kernel32::GetCommandLine() t .r0'
    ClearErrors
    ${WordFind} "$0" " /D=" "E+1}" $1
    ${IfNot} ${Errors}
      StrCpy $INSTDIR $1
      MessageBox MB_OK|MB_ICONSTOP "$(CannotWrite)" /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
    StrCpy $0 $WINDIR 3
    StrCpy $INSTDIR "$0${GAME_FOLDER}"
  ${EndIf}
  ReadRegStr $0 HKLM "${APP_PATHS}" "Path"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\${LAUNCHER}"
    MessageBox MB_YESNO|MB_ICONQUESTION "$(AlreadyInstalled)" /SD IDYES IDYES reinstall
    SetErrorLevel 1
    Quit
  reinstall:
    StrCpy $INSTDIR $0
    StrCpy $Reinstall 1
  ${EndIf}
FunctionEnd

Function ShowTitle
  SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:${SETUP_TITLE}"
FunctionEnd

Function un.ShowTitle
  SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:${UNINSTALL_TITLE}"
FunctionEnd

Function SkipFolderWhenReinstalling
  ${If} $Reinstall == 1
    Abort
  ${EndIf}
FunctionEnd

; $R6: "..\" for each folder above the installation folder that is not
; there yet.
Function MissingAbove
  StrCpy $R6 ""
  StrCpy $R0 "$INSTDIR"
  ${Do}
    ${GetParent} "$R0" $R0
    ${If} $R0 == ""
    ${OrIf} ${FileExists} "$R0\*.*"
      ${ExitDo}
    ${EndIf}
    StrCpy $R6 "$R6..\"
  ${Loop}
FunctionEnd

; Sets $R9 to "ok" when the installation folder can be made and written;
; leaves no folder it made.
Function ProbeFolder
  Call MissingAbove
  StrCpy $R9 ""
  StrCpy $1 ""
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $1 made
  ${EndIf}
  ClearErrors
  CreateDirectory "$INSTDIR"
  ${IfNot} ${Errors}
    GetTempFileName $0 "$INSTDIR"
    ${IfNot} ${Errors}
    ${AndIf} $0 != ""
      Delete $0
      StrCpy $R9 ok
    ${EndIf}
  ${EndIf}
  ${If} $1 == made
    RMDir "$INSTDIR"
    StrCpy $5 $R6
    Call RemoveAbove
  ${EndIf}
FunctionEnd

Function CheckFolder
  Call ProbeFolder
  ${If} $R9 != ok
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(CannotWrite)"
    Abort
  ${EndIf}
FunctionEnd

; Undoes this run and stops the installation with the message in $R3.
Function Fail
  FileClose $FileList
  SetOutPath "$TEMP"  ; Windows removes no folder that is a process's current one
  Call RemoveListed
  Call Unregister
  DetailPrint "$R3"
  MessageBox MB_OK|MB_ICONSTOP "$R3" /SD IDOK
  SetErrorLevel 2
  Abort
FunctionEnd

; Copies $R1 on the disc to $R2 in the installation; noted first, so that a
; copy cut short is removed too. A disc's files are read-only, and CopyFile
; keeps that: the copy is made writable for the uninstaller.
Function CopyOne
  DetailPrint "$R2"
  FileWrite $FileList "$R2$\r$\n"
  ${GetParent} "$INSTDIR\$R2" $R4
  CreateDirectory $R4
  System::Call 'kernel32::CopyFile(t "$EXEDIR\$R1", t "$INSTDIR\$R2", i 0) i .R4'
  ${If} $R4 == 0
    ${If} ${FileExists} "$EXEDIR\$R1"
      StrCpy $R3 "$(CopyFailed)"
    ${Else}
      StrCpy $R3 "$(DiscGone)"
    ${EndIf}
    Call Fail
  ${EndIf}
  SetFileAttributes "$INSTDIR\$R2" NORMAL
FunctionEnd

; Every picture of a folder on the disc.
Function CopyPictures  ; $R5: the folder below the disc's root
  FindFirst $R6 $R7 "$EXEDIR\$R5\*.bmp"
  ${DoWhile} $R7 != ""
    !insertmacro CopyToInstallation "$R5\$R7" "$R5\$R7"
    FindNext $R6 $R7
  ${Loop}
  FindClose $R6
FunctionEnd

Section
  AddSize ${GAME_SIZE_KB}
  Call ProbeFolder
  ${If} $R9 != ok
    StrCpy $R3 "$(CannotWrite)"
    Call Fail
  ${EndIf}
  Call MissingAbove
  SetOutPath "$INSTDIR"
  FileOpen $FileList "$INSTDIR\${FILE_LIST}" a
  FileSeek $FileList 0 END
  ${If} $R6 != ""
    FileWrite $FileList "$R6$\r$\n"
  ${EndIf}
  !insertmacro InstallFile "${LAUNCHER}"
  !insertmacro InstallFile "${README}"
  StrCpy $R5 "${PICTURES}"
  Call CopyPictures
  ; Each language's pictures the disc carries, in bitmaps\<code>.
  FindFirst $R8 $R0 "$EXEDIR\${PICTURES}\*.*"
  ${DoWhile} $R0 != ""
    ${If} $R0 != "."
    ${AndIf} $R0 != ".."
    ${AndIf} ${FileExists} "$EXEDIR\${PICTURES}\$R0\*.*"
      StrCpy $R5 "${PICTURES}\$R0"
      Call CopyPictures
    ${EndIf}
    FindNext $R8 $R0
  ${Loop}
  FindClose $R8
  !insertmacro GAME_FILES
  FileClose $FileList
  StrCpy $FileList ""

  ClearErrors
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  WriteRegStr HKLM "${APP_PATHS}" "" "$INSTDIR\${GAME_PROGRAM}"
  WriteRegStr HKLM "${APP_PATHS}" "Path" "$INSTDIR"
  WriteRegStr HKLM "${APP_PATHS}" "Language" "$(LanguageCode)"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${GAME_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${GAME_PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${GAME_PROGRAM}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${If} ${Errors}
    StrCpy $R3 "$(RegistryFailed)"
    Call Fail
  ${EndIf}
SectionEnd

; The launcher would take the mutex still held for another instance's.
Function StartLauncher
  System::Call 'kernel32::CloseHandle(p $Mutex)'
  StrCpy $Mutex 0
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\${LAUNCHER}"'
FunctionEnd

Section Uninstall
  Call un.RemoveListed
  Call un.Unregister
  SetAutoClose true
SectionEnd
