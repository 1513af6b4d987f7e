; The Japanese installer of Tesmara for 64-bit Windows, made by tools/windows/build.sh:
;   makensis -DVERSION=0.1 -DDIST=<installed tree> -DOUTFILE=<setup.exe> -DICON=<.ico> installer.nsi
; It installs the tree into Program Files, adds a Start-menu entry, opens .lin and .cai files in
; the program, and registers an uninstaller. The sample units stay in the program's folder; the
; program copies them into the user's documents on its first start. "/S" installs silently.
Unicode true
; A 64-bit installer: the 32-bit one would need a 32-bit Windows layer besides the program's.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define PRODUCT "Tesmara"
!define PROGID "Tesmara.GraphFile"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesmara"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "Software\${PRODUCT}" "InstallDir"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\tesmara.exe"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Section "Tesmara"
    ; Every user of the computer gets the menu entry and the file types.
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${DIST}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr HKLM "Software\${PRODUCT}" "InstallDir" "$INSTDIR"

    ; Started from the menu, the program is not among units and works in the user's documents.
    SetOutPath "$INSTDIR\bin"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\bin\tesmara.exe" "" \
        "$INSTDIR\bin\tesmara.exe" 0

    WriteRegStr HKLM "Software\Classes\.lin" "" "${PROGID}"
    WriteRegStr HKLM "Software\Classes\.cai" "" "${PROGID}"
    WriteRegStr HKLM "Software\Classes\${PROGID}" "" "グラフファイル"
    WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\bin\tesmara.exe,0"
    WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" \
        '"$INSTDIR\bin\tesmara.exe" "%1"'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\tesmara.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

    ; Explorer learns of the new file types at once, not at the next logon.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    ; The file types go only while they are still the program's.
    ReadRegStr $0 HKLM "Software\Classes\.lin" ""
    StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.lin"
    ReadRegStr $0 HKLM "Software\Classes\.cai" ""
    StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.cai"
    DeleteRegKey HKLM "Software\Classes\${PROGID}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\${PRODUCT}"

    ; Only what the installer put there: the units, records and drawings in the users' documents
    ; and their settings stay.
    RMDir /r "$INSTDIR\bin"
    RMDir /r "$INSTDIR\share"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
