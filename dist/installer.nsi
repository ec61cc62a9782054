; Vantrel's installer: per user, no administrator rights.
;
; makensis -DVERSION=1.2.3 -DSTAGE=<folder with the release's files>
;          -DICON=<program icon> -DOUTFILE=<setup.exe> -DPUBLISHER=<name>
;          [-DSIGN=<command>]
;          installer.nsi
;
; SIGN, when given, is a command that signs the file named by %1 in place;
; the installer and its uninstaller are both signed with it.
;
; Command line of the installer: /S installs silently; /SIGNIN=1 ticks
; "Start Vantrel when I sign in" (silent or not). The uninstaller: /S
; removes silently and keeps the user's files; /REMOVEFILES=1 removes them
; too.

; 64-bit, as the program is (and as this Wine runs programs).
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

; The product's name is also its file, folder, key and value names, which
; other programs and older copies know: fixed here. The publisher comes
; from the product's identity (-DPUBLISHER).
!define PRODUCT "Vantrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; What the running program answers to: its main window, and the command
; number of its Exit item (it saves both files, as at Exit, and ends).
!define WINDOW_CLASS "TForm1"
!define WINDOW_TITLE "Vantrel"
!define EXIT_COMMAND 1006

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "(c) ${PUBLISHER}"

!ifdef SIGN
  !finalize '${SIGN} "%1"'
  !uninstfinalize '${SIGN} "%1"'
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vantrel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Run Vantrel"
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Var WasRunning

; Asks a running copy to exit as its Exit item does and waits up to ten
; seconds for it to end; aborts when it stays (a save it could not make is
; waiting for the user's answer).
!macro EndRunningCopy un
Function ${un}EndRunningCopy
  StrCpy $WasRunning 0
  FindWindow $0 "${WINDOW_CLASS}" "${WINDOW_TITLE}"
  ${If} $0 == 0
    Return
  ${EndIf}
  StrCpy $WasRunning 1
  SendMessage $0 ${WM_COMMAND} ${EXIT_COMMAND} 0 /TIMEOUT=5000
  StrCpy $1 0
  ${Do}
    Sleep 200
    FindWindow $0 "${WINDOW_CLASS}" "${WINDOW_TITLE}"
    ${If} $0 == 0
      ; Its window is gone; give the process a moment to let go of its file.
      Sleep 500
      Return
    ${EndIf}
    IntOp $1 $1 + 1
  ${LoopUntil} $1 >= 50
  MessageBox MB_OK|MB_ICONSTOP "Vantrel is still running. Exit it from its menu and run this again." /SD IDOK
  Abort
FunctionEnd
!macroend
!insertmacro EndRunningCopy ""
!insertmacro EndRunningCopy "un."

Section "Vantrel" SecProgram
  SectionIn RO
  Call EndRunningCopy
  SetOutPath "$INSTDIR"
  ; The user's Hotkeys.ini and Settings.ini are never among these files.
  File "${STAGE}\Vantrel.exe"
  File "${STAGE}\history.txt"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE-fluent-emoji.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateShortCut "$SMPROGRAMS\Vantrel.lnk" "$INSTDIR\Vantrel.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vantrel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Exactly the value the Options window's Autorun box writes.
Section /o "Start Vantrel when I sign in" SecSignIn
  WriteRegStr HKCU "${RUN_KEY}" "Vantrel" '"$INSTDIR\Vantrel.exe" hide'
SectionEnd

Section "-Start again"
  ; A copy that was running when the installer began runs again, hidden
  ; as it was most likely started at sign-in.
  ${If} $WasRunning == 1
    Exec '"$INSTDIR\Vantrel.exe" hide'
  ${EndIf}
SectionEnd

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/SIGNIN=" $1
  ${IfNot} ${Errors}
  ${AndIf} $1 == 1
    SectionGetFlags ${SecSignIn} $2
    IntOp $2 $2 | ${SF_SELECTED}
    SectionSetFlags ${SecSignIn} $2
  ${EndIf}
FunctionEnd

Section "un.Vantrel" UnSecProgram
  SectionIn RO
  Call un.EndRunningCopy
  Delete "$INSTDIR\Vantrel.exe"
  Delete "$INSTDIR\history.txt"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE-fluent-emoji.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Vantrel.lnk"
  ; Our sign-in value only: one that starts another copy is not ours.
  ReadRegStr $0 HKCU "${RUN_KEY}" "Vantrel"
  ${If} $0 == '"$INSTDIR\Vantrel.exe" hide'
    DeleteRegValue HKCU "${RUN_KEY}" "Vantrel"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Remove my hotkeys and settings" UnSecFiles
  Delete "$APPDATA\Vantrel\Hotkeys.ini"
  Delete "$APPDATA\Vantrel\Settings.ini"
  RMDir "$APPDATA\Vantrel"
SectionEnd

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEFILES=" $1
  ${IfNot} ${Errors}
  ${AndIf} $1 == 1
    SectionGetFlags ${UnSecFiles} $2
    IntOp $2 $2 | ${SF_SELECTED}
    SectionSetFlags ${UnSecFiles} $2
  ${EndIf}
FunctionEnd
