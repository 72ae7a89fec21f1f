; The Windows installer: the program under Program Files with a Start menu
; entry and an uninstaller. "setup.exe /S" installs without a question.
; makensis -DVERSION=1.0 -DSOURCE=<the zip's folder> -DOUTFILE=<setup.exe> varnel-ticora.nsi
Target amd64-unicode ; a 64-bit installer, for the 64-bit program
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define NAME "Varnel Ticora"
!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VarnelTicora"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${KEY}" "InstallLocation"
Icon "${SOURCE}\varnel-ticora.ico"
UninstallIcon "${SOURCE}\varnel-ticora.ico"

!include "MUI2.nsh"
!define MUI_ICON "${SOURCE}\varnel-ticora.ico"
!define MUI_UNICON "${SOURCE}\varnel-ticora.ico"
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

Function .onInit
  SetRegView 64
FunctionEnd
Function un.onInit
  SetRegView 64
FunctionEnd

Section "Install"
  ; The program and what it needs in bin; the starter market and the help in
  ; share, from which the program copies them to the player's own folder
  ; (%LOCALAPPDATA%\Varnel Ticora) at its first start.
  SetOutPath "$INSTDIR\bin"
  File /r /x stocks.tqs /x zolthelp*.hlp /x README-windows.txt "${SOURCE}\*.*"
  SetOutPath "$INSTDIR\share\games\varnel-ticora"
  File "${SOURCE}\stocks.tqs"
  File "${SOURCE}\zolthelp*.hlp"
  SetOutPath "$INSTDIR"
  File "${SOURCE}\README-windows.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  SetShellVarContext all
  CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\bin\varnel-ticora.exe" "" "$INSTDIR\bin\varnel-ticora.exe" 0
  WriteRegStr HKLM "${KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${KEY}" "Publisher" "The Varnel Ticora developers"
  WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\bin\varnel-ticora.exe"
  WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; The player's market and games stay where they are, in the local
  ; application data folder: only what the installer put here goes.
  SetShellVarContext all
  Delete "$SMPROGRAMS\${NAME}.lnk"
  RMDir /r "$INSTDIR\bin"
  RMDir /r "$INSTDIR\share"
  Delete "$INSTDIR\README-windows.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${KEY}"
SectionEnd
