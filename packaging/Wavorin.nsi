; Installer of one Wavorin pair, for the current user alone (no administrator rights):
; the pair into %LOCALAPPDATA%\Programs\Wavorin, Wavorin selected as the user's screensaver,
; an entry in the user's list of installed programs, and an uninstaller that undoes it.
; Made by packaging/CMakeLists.txt: makensis -INPUTCHARSET UTF8 -DVERSION=... -DTARGET=...
;   -DHOST=Wavorin.scr -DRENDERER=Wavorin.dll -DLICENCE=... -DICON=... -DOUTFILE=... Wavorin.nsi

Unicode true
Target ${TARGET}
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Wavorin"
!define DESKTOP_KEY "Control Panel\Desktop"
!define WORK_DIR "C:\vetsu_temp"
!define PUBLISHER "the Wavorin authors"

Name "Wavorin"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Wavorin"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
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
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenScreenSaverSettings)"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The user's language when it is one of these, else the first.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
!include "${__FILEDIR__}/Texts.nsh"

Section
  SetOutPath "$INSTDIR"
  File "/oname=Wavorin.scr" "${HOST}"
  File "/oname=Wavorin.dll" "${RENDERER}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Selected as the system's "Install" command selects a screensaver: by its short path.
  ; The screensaver chosen before is kept for the uninstaller; a reinstall keeps the one
  ; chosen before the first.
  GetFullPathName /SHORT $0 "$INSTDIR\Wavorin.scr"
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $1 != $0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "PreviousScreenSaver" $1
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0

  ${GetSize} "$INSTDIR" "/S=0K" $2 $3 $4
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Wavorin"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Wavorin.scr,0"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $2
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

Section "Uninstall"
  ; The screensaver chosen before comes back only while Wavorin is still the one selected.
  GetFullPathName /SHORT $0 "$INSTDIR\Wavorin.scr"
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $1 == "$INSTDIR\Wavorin.scr"
  ${OrIf} $1 == $0
    ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "PreviousScreenSaver"
    ${If} $2 == ""
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $2
    ${EndIf}
  ${EndIf}

  ; A run's snapshot pictures (one is a photograph of the desktop) always go; the settings
  ; file only when the user says so, never in a silent uninstall. The work folder goes
  ; when nothing else is left in it.
  Delete "${WORK_DIR}\Zelvane1.alo"
  Delete "${WORK_DIR}\Zelvane2.alo"
  ${If} ${FileExists} "${WORK_DIR}\Wavorin.ini"
    MessageBox MB_YESNO|MB_ICONQUESTION "$(RemoveSettingsQuestion)" /SD IDNO IDNO keep_settings
    Delete "${WORK_DIR}\Wavorin.ini"
    keep_settings:
  ${EndIf}
  RMDir "${WORK_DIR}"

  ; The entry in the list of installed programs goes last, so that an interrupted uninstall
  ; can be run again.
  Delete "$INSTDIR\Wavorin.scr"
  Delete "$INSTDIR\Wavorin.dll"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
