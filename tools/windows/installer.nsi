; The Japanese installer of Tesmara for 64-bit Windows, made by tools/windows/build.sh:
;   makensis -DVERSION=0.1 -DVERSION4=0.1.0.0 -DSIZE_KB=<size> -DFILES=<files.nsh>
;            -DLIST=<uninstall.lst> -DOLDLIST=<files-0.1.txt> -DOUTFILE=<setup.exe> -DICON=<.ico>
;            installer.nsi
; It installs the tree for every user (Program Files, HKLM) or for the user alone
; (%LOCALAPPDATA%\Programs, HKCU), adds a Start-menu entry, opens .lin and .cai files in the
; program and registers an uninstaller. The sample units stay in the program's folder; the program
; copies them into the user's documents on its first start. Silent options and exit codes are in
; the README: /S, /AllUsers, /CurrentUser, /D=, /UNITS=, /NOASSOC.
;
; The installation keeps the list of what it wrote (uninstall.lst): the uninstaller and the next
; upgrade remove exactly those files, then each folder that is left empty, so files of others in
; the same folders stay. Version 0.1 kept no list; its files are known (files-0.1.txt).
Unicode true
; A 64-bit installer: the 32-bit one would need a 32-bit Windows layer besides the program's.
Target amd64-unicode
ManifestDPIAware true
; Windows 10 and later, so that the version check below sees the real build number.
ManifestSupportedOS all
SetCompressor /SOLID lzma

!define PRODUCT "Tesmara"
!define PUBLISHER "Kelvane"
!define PROGID "Tesmara.GraphFile"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesmara"
; The installation's own values: where it is, the class's unit folder (read by the program), the
; file types that other programs owned before.
!define SETTINGS_KEY "Software\Kelvane\Tesmara"
; Held by every running Tesmara, in any user's session.
!define RUNNING_MUTEX "Global\Kelvane.Tesmara"

; Exit codes besides NSIS's own (0 done, 1 cancelled by the user, 2 stopped by an error).
!define EXIT_RUNNING 3
!define EXIT_OLD_WINDOWS 4
!define EXIT_NO_RIGHTS 5

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_NOUNINSTALL
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallDir"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE \
    "すべてのユーザーにインストールするには管理者の権限が必要です。"
!define MULTIUSER_INIT_FUNCTIONQUIT QuitWithoutRights
!include "MultiUser.nsh"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "TextFunc.nsh"
!include "WinVer.nsh"
!include "nsDialogs.nsh"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=1041 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=1041 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The installer may run with an administrator's rights; the program starts as the desktop's user.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Tesmara を実行"
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsDesktopUser

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
Page custom SchoolPageShow SchoolPageLeave
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Var UnitFolder  ; the class's unit folder to store, or empty
Var NoAssoc     ; "1" when the file types are left alone
Var UnitsField
Var AssocBox

; Removes the files a list names below a folder, then the folders it names once they are empty.
; Lines are paths relative to the folder; a folder's line ends in "\"; ";" starts a comment. A
; line that could lead out of the folder is skipped. $R0: the list, $R1: the folder.
!macro REMOVE_LISTED prefix
Function ${prefix}RemoveListed
    Push $R2
    Push $R3
    ClearErrors
    FileOpen $R2 $R0 r
    ${IfNot} ${Errors}
        ${Do}
            ClearErrors
            FileRead $R2 $R3
            ${IfThen} ${Errors} ${|} ${ExitDo} ${|}
            !if "${prefix}" == "un."
                ${un.TrimNewLines} $R3 $R3
            !else
                ${TrimNewLines} $R3 $R3
            !endif
            StrCpy $R4 $R3 1
            ${If} $R3 == ""
            ${OrIf} $R4 == "\"
            ${OrIf} $R4 == ";"
                ${Continue}
            ${EndIf}
            !if "${prefix}" == "un."
                ${UnStrStr} $R4 $R3 ".."
                ${UnStrStr} $R5 $R3 ":"
            !else
                ${StrStr} $R4 $R3 ".."
                ${StrStr} $R5 $R3 ":"
            !endif
            ${If} $R4 != ""
            ${OrIf} $R5 != ""
                ${Continue}
            ${EndIf}
            StrCpy $R4 $R3 1 -1
            ${If} $R4 == "\"
                RMDir "$R1\$R3"
            ${Else}
                Delete "$R1\$R3"
            ${EndIf}
        ${Loop}
        FileClose $R2
    ${EndIf}
    RMDir "$R1"
    Pop $R3
    Pop $R2
FunctionEnd
!macroend
${Using:StrFunc} UnStrStr
!insertmacro REMOVE_LISTED ""
!insertmacro REMOVE_LISTED "un."

; Waits while Tesmara runs anywhere on the computer: with pages the user closes it and retries;
; silently nothing is changed and the exit code says why.
!macro WAIT_UNTIL_CLOSED prefix
Function ${prefix}WaitUntilClosed
    check:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0 ?e'
    Pop $1
    ; Another user's mark may be there without the right to open it.
    ${If} $0 P= 0
    ${AndIf} $1 <> 5
        Return
    ${EndIf}
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Tesmara が実行中です。すべての Tesmara を終了してから「再試行」を押してください。$\n「キャンセル」を押すと何も変えずに中止します。" \
        /SD IDCANCEL IDRETRY check
    SetErrorLevel ${EXIT_RUNNING}
    Quit
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_CLOSED ""
!insertmacro WAIT_UNTIL_CLOSED "un."

Function QuitWithoutRights
    SetErrorLevel ${EXIT_NO_RIGHTS}
    Quit
FunctionEnd

Function .onInit
    ; Qt 6.4 needs Windows 10 version 1809.
    ${IfNot} ${AtLeastWin10}
    ${OrIfNot} ${AtLeastBuild} 17763
        MessageBox MB_OK|MB_ICONSTOP \
            "Tesmara には Windows 10 バージョン 1809 以降が必要です。" /SD IDOK
        SetErrorLevel ${EXIT_OLD_WINDOWS}
        Quit
    ${EndIf}
    ; MultiUser's messages are shown even when silent; a per-machine installation without the
    ; rights for it stops here instead, with its exit code.
    ${GetParameters} $R0
    ${StrStr} $R1 $R0 "/AllUsers"
    UserInfo::GetAccountType
    Pop $R2
    ${If} $R1 != ""
    ${AndIf} $R2 != "Admin"
    ${AndIf} $R2 != "Power"
        MessageBox MB_OK|MB_ICONSTOP "${MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE}" /SD IDOK
        Call QuitWithoutRights
    ${EndIf}
    ; MultiUser puts its default folder in place of the one named with /D=.
    StrCpy $R3 $INSTDIR
    !insertmacro MULTIUSER_INIT
    ${If} $R3 != ""
        StrCpy $INSTDIR $R3
    ${ElseIf} $MultiUser.InstallMode == "AllUsers"
        ; Version 0.1 kept its folder under another key.
        ReadRegStr $R3 HKLM "${SETTINGS_KEY}" "InstallDir"
        ReadRegStr $R4 HKLM "Software\${PRODUCT}" "InstallDir"
        ${If} $R3 == ""
        ${AndIf} $R4 != ""
            StrCpy $INSTDIR $R4
        ${EndIf}
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/UNITS=" $UnitFolder
    ${If} ${Errors}
        ; An upgrade keeps the folder an earlier installation named.
        ReadRegStr $UnitFolder SHCTX "${SETTINGS_KEY}" "UnitFolder"
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/NOASSOC" $R1
    ${If} ${Errors}
        StrCpy $NoAssoc "0"
    ${Else}
        StrCpy $NoAssoc "1"
    ${EndIf}
    Call WaitUntilClosed
FunctionEnd

Function SchoolPageShow
    !insertmacro MUI_HEADER_TEXT "学校での設定" "クラスで共有する単元のフォルダとファイルの関連付け"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 36u \
        "クラスで単元と記録を共有するフォルダ（例: \\server\share\tesmara）。空のままなら、各ユーザーのドキュメントの Tesmara で作業します。"
    Pop $0
    ${NSD_CreateText} 0 40u 100% 12u "$UnitFolder"
    Pop $UnitsField
    ${NSD_CreateCheckbox} 0 64u 100% 12u ".lin と .cai のファイルを Tesmara で開く"
    Pop $AssocBox
    ${If} $NoAssoc != "1"
        ${NSD_Check} $AssocBox
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function SchoolPageLeave
    ${NSD_GetText} $UnitsField $UnitFolder
    ${NSD_GetState} $AssocBox $0
    ${If} $0 == ${BST_CHECKED}
        StrCpy $NoAssoc "0"
    ${Else}
        StrCpy $NoAssoc "1"
    ${EndIf}
FunctionEnd

; Explorer starts the program for the user who owns the desktop, without the installer's rights.
Function RunAsDesktopUser
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\bin\tesmara.exe"'
FunctionEnd

; Takes an extension for the program, keeping the type another program gave it before.
!macro TAKE_EXTENSION extension
    ReadRegStr $0 SHCTX "Software\Classes\${extension}" ""
    ${If} $0 != ""
    ${AndIf} $0 != "${PROGID}"
        WriteRegStr SHCTX "${SETTINGS_KEY}" "Previous${extension}" "$0"
    ${EndIf}
    WriteRegStr SHCTX "Software\Classes\${extension}" "" "${PROGID}"
!macroend

; Gives an extension back to the program that had it, if it is still the program's.
!macro GIVE_BACK_EXTENSION extension
    ReadRegStr $0 SHCTX "Software\Classes\${extension}" ""
    ReadRegStr $1 SHCTX "${SETTINGS_KEY}" "Previous${extension}"
    ${If} $0 == "${PROGID}"
        ${If} $1 != ""
            WriteRegStr SHCTX "Software\Classes\${extension}" "" "$1"
        ${Else}
            DeleteRegValue SHCTX "Software\Classes\${extension}" ""
            DeleteRegKey /ifempty SHCTX "Software\Classes\${extension}"
        ${EndIf}
    ${EndIf}
    DeleteRegValue SHCTX "${SETTINGS_KEY}" "Previous${extension}"
!macroend

; The files of the installation before this one: its list, or version 0.1's, which kept none.
Function RemoveEarlierFiles
    ReadRegStr $R1 SHCTX "${SETTINGS_KEY}" "InstallDir"
    ${If} $R1 == ""
        ReadRegStr $R1 SHCTX "Software\${PRODUCT}" "InstallDir"
    ${EndIf}
    ${If} $R1 == ""
        StrCpy $R1 $INSTDIR
    ${EndIf}
    ${If} ${FileExists} "$R1\uninstall.lst"
        StrCpy $R0 "$R1\uninstall.lst"
    ${ElseIf} ${FileExists} "$R1\bin\tesmara.exe"
    ${AndIf} ${FileExists} "$R1\uninstall.exe"
        InitPluginsDir
        File "/oname=$PLUGINSDIR\files-0.1.txt" "${OLDLIST}"
        StrCpy $R0 "$PLUGINSDIR\files-0.1.txt"
    ${Else}
        Return
    ${EndIf}
    DetailPrint "$R1 の前のバージョンのファイルを削除しています"
    Call RemoveListed
    ; Version 0.1 kept its folder here.
    DeleteRegKey HKLM "Software\${PRODUCT}"
FunctionEnd

Section "Tesmara"
    Call WaitUntilClosed
    Call RemoveEarlierFiles
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    SetOutPath "$INSTDIR"
    File "/oname=uninstall.lst" "${LIST}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallDir" "$INSTDIR"
    ${If} $UnitFolder != ""
        WriteRegStr SHCTX "${SETTINGS_KEY}" "UnitFolder" "$UnitFolder"
    ${Else}
        DeleteRegValue SHCTX "${SETTINGS_KEY}" "UnitFolder"
    ${EndIf}

    ; Started from the menu, the program is not among units and works in the class's or the
    ; user's unit folder.
    SetOutPath "$INSTDIR\bin"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\bin\tesmara.exe" "" \
        "$INSTDIR\bin\tesmara.exe" 0

    ${If} $NoAssoc != "1"
        !insertmacro TAKE_EXTENSION ".lin"
        !insertmacro TAKE_EXTENSION ".cai"
        WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "グラフファイル"
        WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\bin\tesmara.exe,0"
        WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" \
            '"$INSTDIR\bin\tesmara.exe" "%1"'
    ${EndIf}

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\tesmara.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    ; "_?=" keeps the uninstaller in place until it is done, so its exit code is the caller's.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1

    ; Explorer learns of the new file types at once, not at the next logon.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Function un.onInit
    ${un.GetParameters} $R0
    ClearErrors
    ${un.GetOptions} $R0 "/AFTER=" $R1
    ${IfNot} ${Errors}
        Call un.RemoveAfter
    ${EndIf}
    ; The installation for the user alone is the one that HKCU names.
    ReadRegStr $0 HKCU "${SETTINGS_KEY}" "InstallDir"
    ${If} $0 == $INSTDIR
        SetShellVarContext current
    ${Else}
        SetShellVarContext all
        UserInfo::GetAccountType
        Pop $0
        ${If} $0 != "Admin"
            MessageBox MB_OK|MB_ICONSTOP \
                "すべてのユーザーの Tesmara を削除するには管理者の権限が必要です。" /SD IDOK
            SetErrorLevel ${EXIT_NO_RIGHTS}
            Quit
        ${EndIf}
    ${EndIf}
    Call un.WaitUntilClosed
FunctionEnd

; The copy that finishes an uninstall started with "_?=": once the uninstaller (process $R1)
; has ended, its file and the folder go; the copy itself goes at the next start of Windows.
Function un.RemoveAfter
    System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i $R1) p .r0'
    ${If} $0 P<> 0
        System::Call 'kernel32::WaitForSingleObject(p r0, i 60000)'
        System::Call 'kernel32::CloseHandle(p r0)'
    ${EndIf}
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete /REBOOTOK "$EXEPATH"
    Quit
FunctionEnd

Section "Uninstall"
    Call un.WaitUntilClosed
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    !insertmacro GIVE_BACK_EXTENSION ".lin"
    !insertmacro GIVE_BACK_EXTENSION ".cai"
    ReadRegStr $0 SHCTX "Software\Classes\.lin" ""
    ReadRegStr $1 SHCTX "Software\Classes\.cai" ""
    ${If} $0 != "${PROGID}"
    ${AndIf} $1 != "${PROGID}"
        DeleteRegKey SHCTX "Software\Classes\${PROGID}"
    ${EndIf}
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    DeleteRegValue SHCTX "${SETTINGS_KEY}" "InstallDir"
    DeleteRegValue SHCTX "${SETTINGS_KEY}" "UnitFolder"
    DeleteRegKey /ifempty SHCTX "${SETTINGS_KEY}"
    DeleteRegKey /ifempty SHCTX "Software\${PUBLISHER}"

    ; Only what the installer wrote: the units, records and drawings in the users' documents and
    ; their settings stay, and so do other files in the same folders.
    StrCpy $R0 "$INSTDIR\uninstall.lst"
    StrCpy $R1 "$INSTDIR"
    ${If} ${FileExists} "$INSTDIR\uninstall.lst"
        Call un.RemoveListed
        ; Not in the list, which is open while it is read.
        Delete "$INSTDIR\uninstall.lst"
    ${EndIf}
    ; Started with "_?=", the uninstaller runs from its folder, which it cannot delete while it
    ; runs: a copy in the temporary folder waits for it to end, then removes the uninstaller and
    ; the folder if it is empty.
    ${If} ${FileExists} "$INSTDIR\uninstall.exe"
        System::Call 'kernel32::GetCurrentProcessId() i .r0'
        CopyFiles /SILENT "$EXEPATH" "$TEMP\tesmara-uninstall-$0.exe"
        Exec '"$TEMP\tesmara-uninstall-$0.exe" /S /AFTER=$0 _?=$INSTDIR'
    ${EndIf}
    RMDir "$INSTDIR"
    ; The user's local data folder holds only recovery copies and journals while the program runs;
    ; left empty, it goes.
    SetShellVarContext current
    RMDir "$LOCALAPPDATA\${PRODUCT}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
