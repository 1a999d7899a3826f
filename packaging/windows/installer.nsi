; The Windows installer: per machine, under Program Files (64-bit), in Simplified Chinese.
; makensis -DVERSION=1.0.0 -DSTAGE=<the zip's folder> -DOUTFILE=<setup.exe> -DICON=<.ico>
; A 64-bit installer, as the program is: it runs where the program can.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Morvel文件夹名称批量修改"
!define PUBLISHER "Morvel软件"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\FolderBatchRename"
!define FOLDER_VERB "Software\Classes\Directory\shell\FolderBatchRename"
!define BACKGROUND_VERB "Software\Classes\Directory\Background\shell\FolderBatchRename"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}.0"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The installer runs as administrator: the program is started through Explorer, as the user
; who is logged in, never elevated.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartAsTheUser

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "本程序需要 64 位 Windows。" /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function StartAsTheUser
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\folder-batch-rename.exe"'
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "!${PRODUCT}" SectionProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "${STAGE}\*.exe"
    File "${STAGE}\*.dll"
    File "${STAGE}\说明.txt"
    SetOutPath "$INSTDIR\platforms"
    File "${STAGE}\platforms\qwindows.dll"
    SetOutPath "$INSTDIR\styles"
    File "${STAGE}\styles\qwindowsvistastyle.dll"
    SetOutPath "$INSTDIR\translations"
    File "${STAGE}\translations\qtbase_zh_CN.qm"
    SetOutPath "$INSTDIR\opencc"
    File "${STAGE}\opencc\*.*"
    SetOutPath "$INSTDIR\pinyin"
    File "${STAGE}\pinyin\*.*"
    SetOutPath "$INSTDIR"

    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\folder-batch-rename.exe" "" \
        "$INSTDIR\folder-batch-rename.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\folder-batch-rename.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Explorer's right-click menu, for every user: on folders (all selected folders in one window,
; up to the hundred Explorer offers the entry for) and on an open folder's background (its
; subfolders).
Section "资源管理器右键菜单" SectionExplorerMenu
    WriteRegStr HKLM "${FOLDER_VERB}" "" "批量修改文件夹名称"
    WriteRegStr HKLM "${FOLDER_VERB}" "Icon" '"$INSTDIR\folder-batch-rename.exe",0'
    WriteRegStr HKLM "${FOLDER_VERB}" "MultiSelectModel" "Player"
    WriteRegStr HKLM "${FOLDER_VERB}\command" "" '"$INSTDIR\folder-batch-rename.exe" --gather -- "%1"'
    WriteRegStr HKLM "${BACKGROUND_VERB}" "" "批量修改文件夹名称"
    WriteRegStr HKLM "${BACKGROUND_VERB}" "Icon" '"$INSTDIR\folder-batch-rename.exe",0'
    WriteRegStr HKLM "${BACKGROUND_VERB}\command" "" \
        '"$INSTDIR\folder-batch-rename.exe" --subfolders -- "%V"'
SectionEnd

; Explorer's "发送到" menu: the selected folders arrive on the command line. Windows keeps that
; menu per user, so only the account that installs gets it.
Section "“发送到”菜单（仅当前用户）" SectionSendTo
    CreateShortcut "$SENDTO\${PRODUCT}.lnk" "$INSTDIR\folder-batch-rename.exe" "" \
        "$INSTDIR\folder-batch-rename.exe" 0
SectionEnd

Section /o "桌面快捷方式" SectionDesktop
    CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\folder-batch-rename.exe" "" \
        "$INSTDIR\folder-batch-rename.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "程序本身和开始菜单中的快捷方式。"
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionExplorerMenu} "在资源管理器中右键点文件夹，选择“批量修改文件夹名称”，选中的文件夹一起加入一个窗口；在文件夹空白处右键，则加入其中的子文件夹。为这台电脑的所有用户添加（Windows 11 中在“显示更多选项”里）。"
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionSendTo} "在资源管理器右键菜单的“发送到”中加入本程序，选中的文件夹直接加入列表。只为正在安装的这个 Windows 帐户添加；其他用户可以把开始菜单中的快捷方式复制到自己的“发送到”文件夹（在资源管理器地址栏输入 shell:sendto 打开）。"
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "在桌面上放一个快捷方式。"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Removes what the installer made, and nothing else: no folder is removed that is not empty.
Section "Uninstall"
!include "${FILES}"
    RMDir "$INSTDIR\platforms"
    RMDir "$INSTDIR\styles"
    RMDir "$INSTDIR\translations"
    RMDir "$INSTDIR\opencc"
    RMDir "$INSTDIR\pinyin"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$SENDTO\${PRODUCT}.lnk"
    Delete "$DESKTOP\${PRODUCT}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "${FOLDER_VERB}"
    DeleteRegKey HKLM "${BACKGROUND_VERB}"
SectionEnd
