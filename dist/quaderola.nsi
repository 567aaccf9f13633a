; The Windows installer of Quaderola (scripts/distribuzione.sh makes it):
;   makensis -DVERSIONE=1.0 -DUSCITA=<build folder> -DLICENZA=<licence file> dist/quaderola.nsi
; The files come from the lists the build writes (file.nsh, rimossi.nsh), so the uninstaller
; removes exactly what was installed: never the archive, which lives in C:\quaderoladati or on
; the network.
; 64-bit, like the program: it runs on every Windows the program runs on (and under wine64).
Target amd64-unicode
; zlib: a few seconds to pack where lzma takes most of a minute of CI time.
SetCompressor zlib
!include "MUI2.nsh"

!define CHIAVE "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quaderola"

Name "Quaderola ${VERSIONE}"
OutFile "${USCITA}\quaderola-${VERSIONE}-setup.exe"
InstallDir "$PROGRAMFILES64\Quaderola"
InstallDirRegKey HKLM "${CHIAVE}" "InstallLocation"
RequestExecutionLevel admin

!insertmacro MUI_PAGE_LICENSE "${LICENZA}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Section "Quaderola"
    SetShellVarContext all
    !include "${USCITA}\file.nsh"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Quaderola.lnk" "$INSTDIR\quaderola.exe"
    WriteRegStr HKLM "${CHIAVE}" "DisplayName" "Quaderola"
    WriteRegStr HKLM "${CHIAVE}" "DisplayVersion" "${VERSIONE}"
    WriteRegStr HKLM "${CHIAVE}" "Publisher" "Quaderola"
    WriteRegStr HKLM "${CHIAVE}" "DisplayIcon" "$INSTDIR\quaderola.exe"
    WriteRegStr HKLM "${CHIAVE}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${CHIAVE}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${CHIAVE}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${CHIAVE}" "NoModify" 1
    WriteRegDWORD HKLM "${CHIAVE}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Quaderola.lnk"
    !include "${USCITA}\rimossi.nsh"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: a folder the user chose may hold files of the user's own.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${CHIAVE}"
SectionEnd
