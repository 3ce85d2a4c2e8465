; The Windows installer of アクエンザ (NSIS 3, makensis). scripts/build-windows.sh
; gives it the program folder and the version:
;   makensis -DVERSION=1.16 -DPROGRAM_DIR=<the portable folder> -DICON=<akuenza.ico>
;            -DLISTS_DIR=<folder of the file lists> -DOUTFILE=<setup.exe> akuenza.nsi
; The program folder is installed as it is; the uninstaller removes exactly
; the files of that folder (listed at build time in program-files.nsh and
; program-dirs.nsh), the Start menu entry, the .qzk file type and the
; uninstall entry, and nothing the engineer made.

; A 64-bit installer for a 64-bit program (it also runs under Debian's
; wine64 alone, without the 32-bit Wine).
Target amd64-unicode
SetCompressor /SOLID lzma

!macro required NAME
  !ifndef ${NAME}
    !error "${NAME} must be defined (-D${NAME}=...)"
  !endif
!macroend
!insertmacro required VERSION
!insertmacro required PROGRAM_DIR
!insertmacro required ICON
!insertmacro required LISTS_DIR
!insertmacro required OUTFILE

!define NAME "アクエンザ"
!define APP_KEY "Akuenza"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_KEY}"
!define PROG_ID "Akuenza.Project"

Name "${NAME}"
OutFile "${OUTFILE}"

; An administrator installs for every user into Program Files; anyone else
; for himself, into his own programs folder.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "Software\${APP_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallDir"
!include MultiUser.nsh
!include MUI2.nsh
!include x64.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\akuenza.exe"

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "${NAME}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "${NAME} セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "Copyright アクエンザ developers"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "${NAME} は 64 ビット版の Windows で動作します。"
    Abort
  ${EndIf}
  SetRegView 64
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "${NAME}"
  SetOutPath "$INSTDIR"
  File /r "${PROGRAM_DIR}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr SHCTX "Software\${APP_KEY}" "InstallDir" "$INSTDIR"

  ; The Start menu entry.
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\akuenza.exe" "" "$INSTDIR\akuenza.exe" 0

  ; Project files (.qzk) open in the program on a double-click, with its icon.
  WriteRegStr SHCTX "Software\Classes\.qzk" "" "${PROG_ID}"
  WriteRegStr SHCTX "Software\Classes\${PROG_ID}" "" "${NAME} プロジェクトファイル"
  WriteRegStr SHCTX "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\akuenza.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\akuenza.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  ; The entry of "Apps" / "Programs and Features".
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\akuenza.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${NAME}.lnk"

  ; The file type only while it is still this program's.
  ReadRegStr $0 SHCTX "Software\Classes\.qzk" ""
  StrCmp $0 "${PROG_ID}" 0 +2
    DeleteRegKey SHCTX "Software\Classes\.qzk"
  DeleteRegKey SHCTX "Software\Classes\${PROG_ID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegKey SHCTX "Software\${APP_KEY}"

  ; Exactly the installed files, then their folders if nothing else is left.
  !include "${LISTS_DIR}\program-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  !include "${LISTS_DIR}\program-dirs.nsh"
  RMDir "$INSTDIR"
SectionEnd
