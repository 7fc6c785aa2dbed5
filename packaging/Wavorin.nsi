; Installer of one Wavorin pair, for the current user alone (no administrator rights):
; the pair into %LOCALAPPDATA%\Programs\Wavorin, Wavorin selected as the user's screensaver
; and screensavers turned on (on a first install; an upgrade keeps the user's choice), a
; Start-menu folder to choose it again or open its settings, an entry in the user's list of
; installed programs, and an uninstaller that undoes it. Neither replaces nor removes a file
; while a Wavorin from the folder runs.
; Made by scripts/make-installer.sh: makensis -INPUTCHARSET UTF8 -DVERSION=... -DTARGET=...
;   -DHOST=Wavorin.scr -DRENDERER=Wavorin.dll -DLICENCE=... -DICON=... -DOUTFILE=...
;   -DLICENCE_FILE=LICENSE.txt -DNOTICES=THIRD-PARTY-NOTICES.txt [-DSIGN=...]
; SIGN names a command that signs the file it is given, in place.

Unicode true
Target ${TARGET}
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Wavorin"
!define DESKTOP_KEY "Control Panel\Desktop"
!define POLICY_KEY "Software\Policies\Microsoft\Windows\Control Panel\Desktop"
!define START_MENU_DIR "$SMPROGRAMS\Wavorin"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_TELL 3  ; SPIF_UPDATEINIFILE | SPIF_SENDCHANGE
!define WORK_DIR "C:\vetsu_temp"
!define PUBLISHER "the Wavorin authors"
!define SYNCHRONIZE 0x00100000
!define ONEXIT_WAIT_MS 60000

Name "Wavorin"
OutFile "${OUTFILE}"
!ifdef SIGN
  !uninstfinalize '"${SIGN}" "%1"'
  !finalize '"${SIGN}" "%1"'
!endif
InstallDir "$LOCALAPPDATA\Programs\Wavorin"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
ManifestDPIAware true
; A file that cannot be written stops the install; it is never skipped.
AllowSkipFiles off
SetCompressor /SOLID lzma
; The installer carries no build times: the files it puts down are dated by the install.
SetDateSave off
BrandingText "Wavorin ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Wavorin"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Wavorin setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (c) ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEFINISHPAGE_BITMAP "${__FILEDIR__}/welcome.bmp"
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
Var FinishText  ; the finish page's text: the usual one, or why Wavorin may not run
!define MUI_FINISHPAGE_TEXT "$FinishText"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenScreenSaverSettings)"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE RefuseFolderWithoutShortName
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The user's language when it is one of these, else the first.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
!include "${__FILEDIR__}/Texts.nsh"

; Waits while a Wavorin from the install folder runs (the preview, the settings dialog, a run
; or its renderer hold their program files): the user may close it and retry, or cancel. A
; silent install or uninstall cancels at once. Cancelling changes nothing and fails.
!macro WaitWhileWavorinRuns un
  Function ${un}WaitWhileWavorinRuns
    retry:
    StrCpy $R0 ""
    ${If} ${FileExists} "$INSTDIR\Wavorin.scr"
      ClearErrors
      FileOpen $R1 "$INSTDIR\Wavorin.scr" a
      ${If} ${Errors}
        StrCpy $R0 "Wavorin.scr"
      ${Else}
        FileClose $R1
      ${EndIf}
    ${EndIf}
    ${If} ${FileExists} "$INSTDIR\Wavorin.dll"
      ClearErrors
      FileOpen $R1 "$INSTDIR\Wavorin.dll" a
      ${If} ${Errors}
        StrCpy $R0 "Wavorin.dll"
      ${Else}
        FileClose $R1
      ${EndIf}
    ${EndIf}
    ${If} $R0 != ""
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(WavorinRunning)" /SD IDCANCEL IDRETRY retry
      SetErrorLevel 3
      Quit
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro WaitWhileWavorinRuns ""
!insertmacro WaitWhileWavorinRuns "un."

; Whether SCRNSAVE.EXE names this folder's Wavorin.scr, by its short or its long path.
!macro IsWavorinSelected un
  Function ${un}IsWavorinSelected
    GetFullPathName /SHORT $R1 "$INSTDIR\Wavorin.scr"
    ReadRegStr $R2 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    StrCpy $R0 0
    ${If} $R2 != ""
      ${If} $R2 == $R1
      ${OrIf} $R2 == "$INSTDIR\Wavorin.scr"
        StrCpy $R0 1
      ${EndIf}
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro IsWavorinSelected ""
!insertmacro IsWavorinSelected "un."

; Windows starts a screensaver by the path in SCRNSAVE.EXE, which must hold no space: the
; folder's short path. A volume with short names turned off gives none, and a folder with a
; space in it is then refused before anything is copied. $R0 is 1 for a refused folder.
Function FolderHasNoShortName
  StrCpy $R0 0
  StrCpy $R3 ""
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    ; The outermost folder of the path that does not exist yet: CreateDirectory makes it and
    ; every one inside it.
    StrCpy $R3 "$INSTDIR"
    ${GetParent} "$R3" $R4
    ${DoUntil} ${FileExists} "$R4\*.*"
      ${IfThen} $R4 == "" ${|} ${ExitDo} ${|}
      StrCpy $R3 $R4
      ${GetParent} "$R3" $R4
    ${Loop}
    CreateDirectory "$INSTDIR"
  ${EndIf}
  GetFullPathName /SHORT $R1 "$INSTDIR"
  ${If} $R1 == ""
    StrCpy $R1 "$INSTDIR"
  ${EndIf}
  ; The folders made here go again, the innermost first (RMDir keeps one that holds anything).
  ${If} $R3 != ""
    StrCpy $R4 "$INSTDIR"
    ${Do}
      RMDir "$R4"
      ${IfThen} $R4 == $R3 ${|} ${ExitDo} ${|}
      ${GetParent} "$R4" $R4
    ${LoopUntil} $R4 == ""
  ${EndIf}
  StrCpy $R2 0
  ${Do}
    StrCpy $R3 $R1 1 $R2
    ${If} $R3 == " "
      StrCpy $R0 1
    ${EndIf}
    IntOp $R2 $R2 + 1
  ${LoopUntil} $R3 == ""
FunctionEnd

Function RefuseFolderWithoutShortName
  Call FolderHasNoShortName
  ${If} $R0 == 1
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(FolderNeedsShortName)"
    Abort
  ${EndIf}
FunctionEnd

; The Start-menu shortcuts, by the names of every language the installer speaks.
!macro RemoveShortcuts
  Delete "${START_MENU_DIR}\${CHOOSE_SHORTCUT_ENGLISH}.lnk"
  Delete "${START_MENU_DIR}\${CHOOSE_SHORTCUT_JAPANESE}.lnk"
  Delete "${START_MENU_DIR}\${SETTINGS_SHORTCUT_ENGLISH}.lnk"
  Delete "${START_MENU_DIR}\${SETTINGS_SHORTCUT_JAPANESE}.lnk"
!macroend

; The files an install puts into a folder, and the folder once it is empty.
!macro RemoveProgramFiles folder
  Delete "${folder}\Wavorin.scr"
  Delete "${folder}\Wavorin.dll"
  Delete "${folder}\LICENSE.txt"
  Delete "${folder}\THIRD-PARTY-NOTICES.txt"
  Delete "${folder}\Uninstall.exe"
  RMDir "${folder}"
!macroend

; Screensavers on or off, in the setting and in the running system at once.
!macro SetScreenSaveActive value
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i ${value}, p 0, i ${SPIF_UPDATE_AND_TELL})'
!macroend

Section
  Call FolderHasNoShortName
  ${If} $R0 == 1
    MessageBox MB_OK|MB_ICONSTOP "$(FolderNeedsShortName)" /SD IDOK
    SetErrorLevel 4
    Quit
  ${EndIf}
  Call WaitWhileWavorinRuns

  ; A first install: no entry of an earlier one. An upgrade into another folder moves the
  ; copy: the earlier folder must be free as well, and whether Wavorin is selected is asked
  ; of it.
  ReadRegStr $5 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  StrCpy $9 "$INSTDIR"
  ${If} $5 != ""
  ${AndIf} $5 != $INSTDIR
    StrCpy $INSTDIR $5
    Call WaitWhileWavorinRuns
  ${EndIf}
  Call IsWavorinSelected
  StrCpy $6 $R0
  StrCpy $INSTDIR $9

  ${If} $5 != ""
  ${AndIf} $5 != $INSTDIR
    !insertmacro RemoveProgramFiles $5
  ${EndIf}
  SetOutPath "$INSTDIR"
  File "/oname=Wavorin.scr" "${HOST}"
  File "/oname=Wavorin.dll" "${RENDERER}"
  File "/oname=LICENSE.txt" "${LICENCE_FILE}"
  File "/oname=THIRD-PARTY-NOTICES.txt" "${NOTICES}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; A policy decides the screensaver where it names one: the installer changes no policy
  ; and says so.
  StrCpy $FinishText "$(MUI_TEXT_FINISH_INFO_TEXT)"
  ReadRegStr $7 HKCU "${POLICY_KEY}" "SCRNSAVE.EXE"
  ReadRegStr $8 HKCU "${POLICY_KEY}" "ScreenSaveActive"
  ${If} $7 != ""
  ${OrIf} $8 != ""
    StrCpy $FinishText "$(PolicyDecides)"
  ${EndIf}

  ; Selected as the system's "Install" command selects a screensaver: by its short path.
  ; Only on a first install, or when the user still has Wavorin selected: an upgrade leaves
  ; another choice alone. The screensaver chosen before, and whether screensavers were on,
  ; are kept for the uninstaller from the first install on.
  ${If} $5 == ""
  ${OrIf} $6 == 1
    ${If} $5 == ""
      ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
      WriteRegStr HKCU "${UNINSTALL_KEY}" "PreviousScreenSaver" $1
      ReadRegStr $1 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
      WriteRegStr HKCU "${UNINSTALL_KEY}" "PreviousScreenSaveActive" $1
    ${EndIf}
    GetFullPathName /SHORT $0 "$INSTDIR\Wavorin.scr"
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
    ${If} $5 == ""
      !insertmacro SetScreenSaveActive 1
    ${EndIf}
  ${EndIf}

  ; Choosing it again at any time, in the platform's own way, and its settings; in the
  ; installer's language alone, whatever an earlier install spoke.
  !insertmacro RemoveShortcuts
  CreateDirectory "${START_MENU_DIR}"
  CreateShortCut "${START_MENU_DIR}\$(ChooseShortcut).lnk" "$SYSDIR\rundll32.exe" \
    "desk.cpl,InstallScreenSaver $INSTDIR\Wavorin.scr" "$INSTDIR\Wavorin.scr" 0
  CreateShortCut "${START_MENU_DIR}\$(SettingsShortcut).lnk" "$INSTDIR\Wavorin.scr" "/c" "$INSTDIR\Wavorin.scr" 0

  ${GetSize} "$INSTDIR" "/S=0K" $2 $3 $4
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Wavorin"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Wavorin.scr,0"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $2
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ; "_?=" runs the uninstaller in place, so the caller (Settings > Apps, a package manager)
  ; waits for the uninstall itself and gets its exit code: started without it, an NSIS
  ; uninstaller hands over to a copy of itself and ends at once with 0.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" _?=$INSTDIR'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S _?=$INSTDIR'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

; Started with /ONEXIT=<process id>: the remains of an uninstall that ran in place, this
; program's own file and the emptied folder, which can go only once that process has ended.
; This is a copy in the temporary folder (NSIS makes it when "_?=" is not given).
Function un.onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ONEXIT=" $R1
  ${IfNot} ${Errors}
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i R1) p .R2'
    ${If} $R2 != 0
      System::Call 'kernel32::WaitForSingleObject(p R2, i ${ONEXIT_WAIT_MS})'
      System::Call 'kernel32::CloseHandle(p R2)'
    ${EndIf}
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Quit
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.WaitWhileWavorinRuns

  ; The screensaver chosen before, and screensavers on or off as they were, come back only
  ; while Wavorin is still the one selected.
  Call un.IsWavorinSelected
  ${If} $R0 == 1
    ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "PreviousScreenSaver"
    ${If} $2 == ""
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $2
    ${EndIf}
    ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "PreviousScreenSaveActive"
    ${If} $2 == "0"
      !insertmacro SetScreenSaveActive 0
    ${EndIf}
  ${EndIf}

  !insertmacro RemoveShortcuts
  RMDir "${START_MENU_DIR}"

  ; A run's snapshot pictures (one is a photograph of the desktop) always go; the settings
  ; file only when the user says so, never in a silent uninstall. The work folder goes
  ; when nothing else is left in it.
  Delete "${WORK_DIR}\Zelvane1.alo"
  Delete "${WORK_DIR}\Zelvane2.alo"
  ; An interrupted save leaves its new file as Wavorin.ini.<random>.tmp: never the settings.
  Delete "${WORK_DIR}\Wavorin.ini.*.tmp"
  ; A save that Windows could not move in waits as Wavorin.ini.pending. Without a
  ; Wavorin.ini it holds the settings and is moved in, as the next start would do; beside
  ; one it is stale.
  ${If} ${FileExists} "${WORK_DIR}\Wavorin.ini.pending"
    ${If} ${FileExists} "${WORK_DIR}\Wavorin.ini"
      Delete "${WORK_DIR}\Wavorin.ini.pending"
    ${Else}
      Rename "${WORK_DIR}\Wavorin.ini.pending" "${WORK_DIR}\Wavorin.ini"
    ${EndIf}
  ${EndIf}
  ${If} ${FileExists} "${WORK_DIR}\Wavorin.ini"
    MessageBox MB_YESNO|MB_ICONQUESTION "$(RemoveSettingsQuestion)" /SD IDNO IDNO keep_settings
    Delete "${WORK_DIR}\Wavorin.ini"
    keep_settings:
  ${EndIf}
  RMDir "${WORK_DIR}"

  ; The entry in the list of installed programs goes only once both programs are gone, and
  ; the uninstaller after it, so that an interrupted or refused uninstall can be run again.
  Delete "$INSTDIR\Wavorin.scr"
  Delete "$INSTDIR\Wavorin.dll"
  ${If} ${FileExists} "$INSTDIR\Wavorin.scr"
  ${OrIf} ${FileExists} "$INSTDIR\Wavorin.dll"
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(FilesRemain)" /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
  ; Run in place ("_?="), this program cannot remove its own file while it runs: a copy of
  ; it in the temporary folder removes the file and the folder as soon as this one has ended.
  Delete "$INSTDIR\Uninstall.exe"
  ${If} ${FileExists} "$INSTDIR\Uninstall.exe"
    System::Call 'kernel32::GetCurrentProcessId() i .R0'
    Exec '"$INSTDIR\Uninstall.exe" /ONEXIT=$R0'
  ${Else}
    RMDir "$INSTDIR"
  ${EndIf}
SectionEnd
