; The Windows installer: per machine, under Program Files (64-bit), in Simplified Chinese,
; Traditional Chinese or English (the system's, or the one chosen at its start). The program's
; name, its folder and its shortcuts keep the program's own name in every language.
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
; The language chosen at install, for the uninstaller.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
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
!insertmacro MUI_LANGUAGE "TradChinese"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString NeedsWindows64 ${LANG_SIMPCHINESE} "本程序需要 64 位 Windows。"
LangString NeedsWindows64 ${LANG_TRADCHINESE} "本程式需要 64 位元 Windows。"
LangString NeedsWindows64 ${LANG_ENGLISH} "This program needs 64-bit Windows."
LangString FolderVerb ${LANG_SIMPCHINESE} "批量修改文件夹名称"
LangString FolderVerb ${LANG_TRADCHINESE} "批次修改資料夾名稱"
LangString FolderVerb ${LANG_ENGLISH} "Batch rename folders"
LangString ExplorerMenu ${LANG_SIMPCHINESE} "资源管理器右键菜单"
LangString ExplorerMenu ${LANG_TRADCHINESE} "檔案總管右鍵選單"
LangString ExplorerMenu ${LANG_ENGLISH} "Explorer's right-click menu"
LangString SendToMenu ${LANG_SIMPCHINESE} "“发送到”菜单（仅当前用户）"
LangString SendToMenu ${LANG_TRADCHINESE} "「傳送到」選單（僅目前使用者）"
LangString SendToMenu ${LANG_ENGLISH} "“Send to” menu (this user only)"
LangString DesktopShortcut ${LANG_SIMPCHINESE} "桌面快捷方式"
LangString DesktopShortcut ${LANG_TRADCHINESE} "桌面捷徑"
LangString DesktopShortcut ${LANG_ENGLISH} "Desktop shortcut"
LangString AboutProgram ${LANG_SIMPCHINESE} "程序本身和开始菜单中的快捷方式。"
LangString AboutProgram ${LANG_TRADCHINESE} "程式本身和「開始」功能表中的捷徑。"
LangString AboutProgram ${LANG_ENGLISH} "The program and its shortcut in the Start menu."
LangString AboutExplorerMenu ${LANG_SIMPCHINESE} "在资源管理器中右键点文件夹，选择“批量修改文件夹名称”，选中的文件夹一起加入一个窗口；在文件夹空白处右键，则加入其中的子文件夹。为这台电脑的所有用户添加（Windows 11 中在“显示更多选项”里）。"
LangString AboutExplorerMenu ${LANG_TRADCHINESE} "在檔案總管中右鍵點資料夾，選擇「批次修改資料夾名稱」，選取的資料夾一起加入一個視窗；在資料夾空白處按右鍵，則加入其中的子資料夾。為這臺電腦的所有使用者加入（Windows 11 中在「顯示更多選項」裡）。"
LangString AboutExplorerMenu ${LANG_ENGLISH} "Right-click folders in Explorer and choose “Batch rename folders”: the selected folders open in one window; right-click the empty space in a folder for its subfolders. For every user of this computer (in Windows 11, under “Show more options”)."
LangString AboutSendTo ${LANG_SIMPCHINESE} "在资源管理器右键菜单的“发送到”中加入本程序，选中的文件夹直接加入列表。只为正在安装的这个 Windows 帐户添加；其他用户可以把开始菜单中的快捷方式复制到自己的“发送到”文件夹（在资源管理器地址栏输入 shell:sendto 打开）。"
LangString AboutSendTo ${LANG_TRADCHINESE} "在檔案總管右鍵選單的「傳送到」中加入本程式，選取的資料夾直接加入清單。只為正在安裝的這個 Windows 帳戶加入；其他使用者可以把「開始」功能表中的捷徑複製到自己的「傳送到」資料夾（在檔案總管網址列輸入 shell:sendto 開啟）。"
LangString AboutSendTo ${LANG_ENGLISH} "Adds the program to “Send to” in Explorer's right-click menu: the selected folders go straight into the list. Only for the Windows account that installs; other users can copy the Start menu's shortcut into their own “Send to” folder (type shell:sendto in Explorer's address bar)."
LangString AboutDesktop ${LANG_SIMPCHINESE} "在桌面上放一个快捷方式。"
LangString AboutDesktop ${LANG_TRADCHINESE} "在桌面上放一個捷徑。"
LangString AboutDesktop ${LANG_ENGLISH} "Puts a shortcut on the desktop."

Function .onInit
    !insertmacro MUI_LANGDLL_DISPLAY
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "$(NeedsWindows64)" /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function StartAsTheUser
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\folder-batch-rename.exe"'
FunctionEnd

Function un.onInit
    !insertmacro MUI_UNGETLANGUAGE
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
    File "${STAGE}\translations\*.qm"
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
Section "$(ExplorerMenu)" SectionExplorerMenu
    WriteRegStr HKLM "${FOLDER_VERB}" "" "$(FolderVerb)"
    WriteRegStr HKLM "${FOLDER_VERB}" "Icon" '"$INSTDIR\folder-batch-rename.exe",0'
    WriteRegStr HKLM "${FOLDER_VERB}" "MultiSelectModel" "Player"
    WriteRegStr HKLM "${FOLDER_VERB}\command" "" '"$INSTDIR\folder-batch-rename.exe" --gather -- "%1"'
    WriteRegStr HKLM "${BACKGROUND_VERB}" "" "$(FolderVerb)"
    WriteRegStr HKLM "${BACKGROUND_VERB}" "Icon" '"$INSTDIR\folder-batch-rename.exe",0'
    WriteRegStr HKLM "${BACKGROUND_VERB}\command" "" \
        '"$INSTDIR\folder-batch-rename.exe" --subfolders -- "%V"'
SectionEnd

; Explorer's "发送到" menu: the selected folders arrive on the command line. Windows keeps that
; menu per user, so only the account that installs gets it.
Section "$(SendToMenu)" SectionSendTo
    CreateShortcut "$SENDTO\${PRODUCT}.lnk" "$INSTDIR\folder-batch-rename.exe" "" \
        "$INSTDIR\folder-batch-rename.exe" 0
SectionEnd

Section /o "$(DesktopShortcut)" SectionDesktop
    CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\folder-batch-rename.exe" "" \
        "$INSTDIR\folder-batch-rename.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "$(AboutProgram)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionExplorerMenu} "$(AboutExplorerMenu)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionSendTo} "$(AboutSendTo)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "$(AboutDesktop)"
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
