<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AddDirectories</name>
    <message>
        <source>
%1：%2 个</source>
        <translation>
%1: %2</translation>
    </message>
    <message>
        <source>下列 %1 项没有加入列表：</source>
        <translation>Not added to the list (%1):</translation>
    </message>
    <message>
        <source>
%1（%2）</source>
        <translation>
%1 (%2)</translation>
    </message>
    <message>
        <source>
……还有 %1 项</source>
        <translation>
… and %1 more</translation>
    </message>
    <message>
        <source>不存在</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>不是目录</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>没有权限访问</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>正在加入目录……</source>
        <translation>Adding folders…</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>cannot be read</translation>
    </message>
    <message numerus="yes">
        <source>有 %n 个目录没有加入列表：</source>
        <translation>
            <numerusform>%n folder was not added to the list:</numerusform>
            <numerusform>%n folders were not added to the list:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AddTextStep</name>
    <message>
        <source>在%1添加“%2”</source>
        <translation>Add “%2” %1</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Morvel文件夹名称批量修改</source>
        <translation>Morvel Folder Batch Rename</translation>
    </message>
</context>
<context>
    <name>BatchHistory</name>
    <message>
        <source>已完成</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>已中断</source>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>部分撤销</source>
        <translation>Partly undone</translation>
    </message>
    <message>
        <source>已撤销</source>
        <translation>Undone</translation>
    </message>
    <message>
        <source>正在另一个窗口中使用</source>
        <translation>In use in another window</translation>
    </message>
    <message>
        <source>可能在另一台电脑上使用</source>
        <translation>May be in use on another computer</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>Cannot be read</translation>
    </message>
</context>
<context>
    <name>BatchRename</name>
    <message>
        <source>无法保存修改记录，这次修改之后将不能撤销。仍然继续修改吗？</source>
        <translation>The record of this batch cannot be saved, so it cannot be undone afterwards. Rename anyway?</translation>
    </message>
    <message>
        <source>你确定要全部修改目录名称吗？
将修改 %1 个目录；%2 个不会修改（见“可否修改”一列）。</source>
        <translation>Are you sure you want to rename all the folders?
Folders to rename: %1; not to be renamed: %2 (see the “Status” column).</translation>
    </message>
    <message>
        <source>
修改成功 %1 个，修改出错 %2 个，未修改 %3 个。</source>
        <translation>
Renamed: %1, failed: %2, not renamed: %3.</translation>
    </message>
    <message>
        <source>无法继续写入修改记录（磁盘可能已满），批量修改已停止：%1 个目录已改名，其余目录没有修改。已改名的目录可以撤销。</source>
        <translation>The record can no longer be written (the disk may be full), so the batch stopped: folders renamed: %1; the others were not renamed. The renamed folders can be undone.</translation>
    </message>
    <message>
        <source>批量修改目录名称完成！</source>
        <translation>The folders have been renamed!</translation>
    </message>
    <message>
        <source>还没有模拟修改，请先模拟修改。</source>
        <translation>There is no preview yet: preview first.</translation>
    </message>
    <message>
        <source>正在修改目录名称……</source>
        <translation>Renaming folders…</translation>
    </message>
    <message numerus="yes">
        <source>批量修改已取消：%n 个目录已改名，其余目录没有修改。</source>
        <translation>
            <numerusform>Batch cancelled: %n folder was renamed; the others were not.</numerusform>
            <numerusform>Batch cancelled: %n folders were renamed; the others were not.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChineseConversionStep</name>
    <message>
        <source>简体转为繁体</source>
        <translation>Simplified Chinese to Traditional</translation>
    </message>
    <message>
        <source>繁体转为简体</source>
        <translation>Traditional Chinese to Simplified</translation>
    </message>
    <message>
        <source>找不到繁简转换的词典（OpenCC）</source>
        <translation>The Chinese conversion dictionaries (OpenCC) were not found</translation>
    </message>
</context>
<context>
    <name>ChineseNumeralStep</name>
    <message>
        <source>中文数字转为阿拉伯数字</source>
        <translation>Chinese numerals to digits</translation>
    </message>
    <message>
        <source>阿拉伯数字转为大写中文数字</source>
        <translation>Digits to capital Chinese numerals</translation>
    </message>
    <message>
        <source>阿拉伯数字转为中文数字</source>
        <translation>Digits to Chinese numerals</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>用法：%1 [选项] [目录...]
批量修改文件夹名称：把文件夹加入列表，选择规则，模拟修改后再确认修改。

选项：
  -h, --help       显示这段说明
  -v, --version    显示版本
  --subfolders     加入的是各目录的子目录，而不是目录本身
  --gather         与同时以此选项启动的程序合为一个窗口（右键菜单用）
  --               其后的参数都是目录，即使以“-”开头

参数：
  目录             启动时加入列表的目录
</source>
        <translation>Usage: %1 [options] [folder...]
Renames many folders at once: list the folders, choose a rule, preview, then confirm.

Options:
  -h, --help       show this help
  -v, --version    show the version
  --subfolders     list each folder&apos;s subfolders, not the folder itself
  --gather         share one window with the other starts with this option (for the right-click menu)
  --               every argument after it is a folder, even one starting with “-”

Arguments:
  folder           a folder to list at start
</translation>
    </message>
    <message>
        <source>%1：未知的选项“%2”。
以“-”开头的目录请写在“--”之后；用“%1 --help”查看用法。
</source>
        <translation>%1: unknown option “%2”.
Write folders starting with “-” after “--”; see “%1 --help” for usage.
</translation>
    </message>
</context>
<context>
    <name>DateStep</name>
    <message>
        <source>在%1添加%2（%3）</source>
        <translation>Add the %2 (%3) %1</translation>
    </message>
    <message>
        <source>创建日期</source>
        <translation>creation date</translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>modification date</translation>
    </message>
    <message>
        <source>日期格式为空</source>
        <translation>The date format is empty</translation>
    </message>
</context>
<context>
    <name>DirectoryListModel</name>
    <message>
        <source>只改变字母大小写：先改为临时名称，再改为新名称。</source>
        <translation>Only the letter case changes: renamed to a temporary name first, then to the new name.</translation>
    </message>
    <message>
        <source>与另外 %1 个目录互换名称（共 %2 个）：其中一个目录先改为临时名称，最后再改为新名称。</source>
        <translation>Swaps names with %1 other folder(s) (%2 in all): one of them takes a temporary name first and the new name last.</translation>
    </message>
    <message>
        <source>在第 %1 行的目录“%2”改名之后再改名。</source>
        <translation>Renamed after the folder “%2” in row %1.</translation>
    </message>
    <message>
        <source>
第 %1 行的目录“%2”先改为这个名称。</source>
        <translation>
The folder “%2” in row %1 takes this name first.</translation>
    </message>
    <message>
        <source>目录名称(修改前)</source>
        <translation>Folder name (before)</translation>
    </message>
    <message>
        <source>目录名称(修改后)</source>
        <translation>Folder name (after)</translation>
    </message>
    <message>
        <source>可否修改</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>DirectoryListView</name>
    <message>
        <source>目录</source>
        <translation>Folder</translation>
    </message>
</context>
<context>
    <name>DirectoryListing</name>
    <message>
        <source>正在读取目录……</source>
        <translation>Reading the folder…</translation>
    </message>
</context>
<context>
    <name>EncodingRepairStep</name>
    <message>
        <source>GBK 编码的名称转为 UTF-8</source>
        <translation>GBK-encoded names to UTF-8</translation>
    </message>
</context>
<context>
    <name>FolderMenu</name>
    <message>
        <source>文件管理器</source>
        <translation>file manager</translation>
    </message>
    <message>
        <source>在 Dolphin 中，在文件夹上或文件夹的空白处点右键，选择“批量修改文件夹名称”。</source>
        <translation>In Dolphin, right-click a folder or the empty space in a folder and choose “Batch rename folders”.</translation>
    </message>
    <message>
        <source>批量修改文件夹名称</source>
        <translation>Batch rename folders</translation>
    </message>
    <message>
        <source>资源管理器</source>
        <translation>Explorer</translation>
    </message>
    <message>
        <source>在文件夹上或文件夹的空白处点右键，选择“批量修改文件夹名称”（Windows 11 中在“显示更多选项”里）。</source>
        <translation>Right-click a folder or the empty space in a folder and choose “Batch rename folders” (in Windows 11, under “Show more options”).</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>待修改目录列表</source>
        <translation>Folders to rename</translation>
    </message>
    <message>
        <source>待修改目录列表：</source>
        <translation>Folders to rename:</translation>
    </message>
    <message>
        <source>Morvel软件</source>
        <translation>Morvel</translation>
    </message>
    <message>
        <source>列表(&amp;L)</source>
        <translation>&amp;List</translation>
    </message>
    <message>
        <source>添加目录</source>
        <translation>Add folders</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>移除选中项</source>
        <translation>Remove selected</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>排序(&amp;O)</source>
        <translation>S&amp;ort</translation>
    </message>
    <message>
        <source>按名称</source>
        <translation>By name</translation>
    </message>
    <message>
        <source>按修改时间</source>
        <translation>By modification time</translation>
    </message>
    <message>
        <source>按加入顺序</source>
        <translation>By order added</translation>
    </message>
    <message>
        <source>升序</source>
        <translation>Ascending</translation>
    </message>
    <message>
        <source>降序</source>
        <translation>Descending</translation>
    </message>
    <message>
        <source>筛选(&amp;F)</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>全部(&amp;A)</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <source>只显示将修改的行(&amp;W)</source>
        <translation>Only rows that &amp;will change</translation>
    </message>
    <message>
        <source>只显示不会修改的行(&amp;N)</source>
        <translation>Only rows that will &amp;not change</translation>
    </message>
    <message>
        <source>只显示出错的行(&amp;E)</source>
        <translation>Only rows with &amp;errors</translation>
    </message>
    <message>
        <source>包含文字(&amp;T)…</source>
        <translation>Containing &amp;text…</translation>
    </message>
    <message>
        <source>下一个不能修改的行(&amp;X)</source>
        <translation>Ne&amp;xt row that cannot change</translation>
    </message>
    <message>
        <source>上一个不能修改的行(&amp;P)</source>
        <translation>&amp;Previous row that cannot change</translation>
    </message>
    <message>
        <source>导出列表(&amp;X)…</source>
        <translation>E&amp;xport list…</translation>
    </message>
    <message>
        <source>导出列表</source>
        <translation>Export list</translation>
    </message>
    <message>
        <source>/目录列表.csv</source>
        <translation>/Folder list.csv</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>列表已导出到“%1”。</source>
        <translation>The list was exported to “%1”.</translation>
    </message>
    <message>
        <source>无法写入“%1”。</source>
        <translation>Cannot write “%1”.</translation>
    </message>
    <message>
        <source>打开修改前目录</source>
        <translation>Open folders before renaming</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>修改(&amp;R)</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>模拟修改</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>更多规则(&amp;M)…</source>
        <translation>&amp;More rules…</translation>
    </message>
    <message>
        <source>编辑新名称(&amp;E)…</source>
        <translation>&amp;Edit new names…</translation>
    </message>
    <message>
        <source>确认修改</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>撤销修改(&amp;U)</source>
        <translation>&amp;Undo rename</translation>
    </message>
    <message>
        <source>修改记录(&amp;H)…</source>
        <translation>Rename &amp;history…</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>最新版本</source>
        <translation>Latest version</translation>
    </message>
    <message>
        <source>作者网站</source>
        <translation>Author&apos;s websites</translation>
    </message>
    <message>
        <source>Morvel网</source>
        <translation>Morvel Web</translation>
    </message>
    <message>
        <source>定制软件</source>
        <translation>Custom software</translation>
    </message>
    <message>
        <source>加入%1右键菜单</source>
        <translation>Add to the %1 right-click menu</translation>
    </message>
    <message>
        <source>%1&#x3000;（%2）</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>  </translation>
    </message>
    <message>
        <source>筛选</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>只显示原名称或新名称包含以下文字的行：</source>
        <translation>Show only rows whose old or new name contains:</translation>
    </message>
    <message>
        <source>已筛选：显示 %1 行，共 %2 行。修改、导出和撤销仍作用于全部行，移除选中项只移除显示并选中的行。</source>
        <translation>Filtered: %1 of %2 rows shown. Renaming, export and undo still act on all rows; Remove selected removes only the rows shown and selected.</translation>
    </message>
    <message>
        <source>显示 %1 行</source>
        <translation>Rows shown: %1</translation>
    </message>
    <message>
        <source>正在读取修改记录……</source>
        <translation>Reading the rename records…</translation>
    </message>
    <message>
        <source>从%1右键菜单移除</source>
        <translation>Remove from the %1 right-click menu</translation>
    </message>
    <message>
        <source>无法加入%1右键菜单。</source>
        <translation>Could not add to the %1 right-click menu.</translation>
    </message>
    <message>
        <source>无法从%1右键菜单移除。</source>
        <translation>Could not remove from the %1 right-click menu.</translation>
    </message>
    <message>
        <source>已加入%1右键菜单：%2</source>
        <translation>Added to the %1 right-click menu: %2</translation>
    </message>
    <message>
        <source>已从%1右键菜单移除。</source>
        <translation>Removed from the %1 right-click menu.</translation>
    </message>
    <message>
        <source>不是本地文件夹</source>
        <translation>not a local folder</translation>
    </message>
    <message>
        <source>界面语言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>As the system</translation>
    </message>
    <message numerus="yes">
        <source>上次的批量修改被中断了，有 %n 个目录仍在临时名称（~fbr-renaming-…）下。
要现在撤销上次的修改，恢复这些目录和其余目录的原名吗？</source>
        <translation>
            <numerusform>The last batch was interrupted: %n folder is still under a temporary name (~fbr-renaming-…).
Undo the last batch now, giving it and the other folders their old names back?</numerusform>
            <numerusform>The last batch was interrupted: %n folders are still under a temporary name (~fbr-renaming-…).
Undo the last batch now, giving them and the other folders their old names back?</numerusform>
        </translation>
    </message>
    <message>
        <source>下次启动本程序时，界面将使用所选的语言。</source>
        <translation>The interface will use the chosen language the next time the program starts.</translation>
    </message>
</context>
<context>
    <name>FormAdd</name>
    <message>
        <source>添加目录</source>
        <translation>Add Folders</translation>
    </message>
    <message>
        <source>驱动器</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>选中项</source>
        <translation>Itself</translation>
    </message>
    <message>
        <source>子目录</source>
        <translation>Subfolders</translation>
    </message>
    <message>
        <source>选中项及子目录</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>加入待修改列表</source>
        <translation>Add to list</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>正在读取驱动器……</source>
        <translation>Reading the drives…</translation>
    </message>
</context>
<context>
    <name>FormHistory</name>
    <message>
        <source>修改记录</source>
        <translation>Rename History</translation>
    </message>
    <message>
        <source>最近的批量修改（最新的在前）：</source>
        <translation>Recent batches (newest first):</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>规则</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>目录数</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>批量修改</source>
        <translation>Batches</translation>
    </message>
    <message>
        <source>这次修改的目录：</source>
        <translation>Folders of this batch:</translation>
    </message>
    <message>
        <source>修改前</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>修改后</source>
        <translation>After</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>这次修改的目录</source>
        <translation>Folders of this batch</translation>
    </message>
    <message>
        <source>撤销这次修改(&amp;U)</source>
        <translation>&amp;Undo this batch</translation>
    </message>
    <message>
        <source>保留最近</source>
        <translation>Keep the last</translation>
    </message>
    <message>
        <source>次修改，最多</source>
        <translation>batches, at most</translation>
    </message>
    <message>
        <source>天</source>
        <translation>days</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>正在读取修改记录……</source>
        <translation>Reading the rename records…</translation>
    </message>
    <message>
        <source>（未记下规则）</source>
        <translation>(rule not recorded)</translation>
    </message>
    <message>
        <source>还没有批量修改的记录。</source>
        <translation>No batch has been recorded yet.</translation>
    </message>
    <message>
        <source>这次修改的记录无法读取。</source>
        <translation>The record of this batch cannot be read.</translation>
    </message>
    <message>
        <source>这次修改的记录正在另一个窗口中使用，请在那个窗口中撤销。</source>
        <translation>The record of this batch is in use in another window: undo it there.</translation>
    </message>
    <message>
        <source>这次修改没有可以撤销的目录。</source>
        <translation>This batch has no folder left to undo.</translation>
    </message>
    <message>
        <source>之后的修改又改动了这次修改过的目录，请先撤销 %1 的修改。</source>
        <translation>Later batches changed folders of this one: undo the batch of %1 first.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>这次修改的记录可能正在另一台电脑（%1）上使用。如果那台电脑上的本程序已经关闭，可以接管这个记录并撤销。</source>
        <translation>The record of this batch may be in use on another computer (%1). Once the program there has been closed, you can take the record over and undo.</translation>
    </message>
    <message>
        <source>你确定要撤销这次修改吗？</source>
        <translation>Are you sure you want to undo this batch?</translation>
    </message>
    <message>
        <source>这次修改的记录可能正在另一台电脑（%1）上使用。只有那台电脑上的本程序已经关闭时，才能接管它。
确定要接管这个记录并撤销这次修改吗？</source>
        <translation>The record of this batch may be in use on another computer (%1). Take it over only when the program there has been closed.
Take the record over and undo this batch?</translation>
    </message>
    <message>
        <source>这次修改的记录仍在另一台电脑上使用，无法接管。</source>
        <translation>The record of this batch is still in use on another computer and cannot be taken over.</translation>
    </message>
    <message numerus="yes">
        <source>（已撤销 %n 个）</source>
        <translation>
            <numerusform> (%n undone)</numerusform>
            <numerusform> (%n undone)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>……另有 %n 个目录</source>
        <translation>
            <numerusform>… and %n more folder</numerusform>
            <numerusform>… and %n more folders</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormNames</name>
    <message>
        <source>编辑新名称</source>
        <translation>Edit New Names</translation>
    </message>
    <message>
        <source>表格(&amp;T)</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>每行一个新名称，按列表中的顺序；可以粘贴从 Excel 或 WPS 复制的一列。</source>
        <translation>One new name a line, in the list&apos;s order; paste a column copied from Excel or WPS.</translation>
    </message>
    <message>
        <source>用外部编辑器编辑(&amp;O)</source>
        <translation>&amp;Open in an editor</translation>
    </message>
    <message>
        <source>文本(&amp;X)</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>导入新名称(&amp;I)…</source>
        <translation>&amp;Import names…</translation>
    </message>
    <message>
        <source>导入新名称</source>
        <translation>Import New Names</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;所有文件 (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>GB18030（简体中文 GBK）</source>
        <translation>GB18030 (Simplified Chinese GBK)</translation>
    </message>
    <message>
        <source>Big5（繁体中文）</source>
        <translation>Big5 (Traditional Chinese)</translation>
    </message>
    <message>
        <source>导入的文件按此编码读取；文字显示不对时换一种编码重新读取。</source>
        <translation>The file is read in this encoding; if the text looks wrong, choose another one to read it again.</translation>
    </message>
    <message>
        <source>编码(&amp;C)：</source>
        <translation>En&amp;coding:</translation>
    </message>
    <message>
        <source>模拟修改</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>文本有 %1 行，要修改的目录有 %2 个：行数不同，新名称没有改变。</source>
        <translation>The text has %1 lines for %2 folders: the counts differ, so the new names were not changed.</translation>
    </message>
    <message>
        <source>/新名称-XXXXXX.txt</source>
        <translation>/new-names-XXXXXX.txt</translation>
    </message>
    <message>
        <source>无法按 %1 读取“%2”：它不是这种编码的 CSV 文件，新名称没有改变。</source>
        <translation>Cannot read “%2” as %1: it is not a CSV file in that encoding. The new names were not changed.</translation>
    </message>
    <message>
        <source>无法读取“%1”：它不是 UTF-8 或 GB18030 编码的 CSV 文件。</source>
        <translation>Cannot read “%1”: it is not a CSV file in UTF-8 or GB18030.</translation>
    </message>
    <message>
        <source>从 %1 导入的新名称</source>
        <translation>New names imported from %1</translation>
    </message>
    <message>
        <source>已导入 %1 个新名称；%2 个路径不在这里的目录中，没有导入：%3</source>
        <translation>New names imported: %1. Not imported, as their paths are not among these folders: %2 (%3)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>手动编辑的新名称（%n 个）</source>
        <translation>
            <numerusform>%n new name edited by hand</numerusform>
            <numerusform>%n new names edited by hand</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormRename</name>
    <message>
        <source>模拟修改目录名称</source>
        <translation>Preview New Names</translation>
    </message>
    <message>
        <source>目录名称后增加字符：</source>
        <translation>Add after name:</translation>
    </message>
    <message>
        <source>目录名称后增加的字符</source>
        <translation>Text to add after the name</translation>
    </message>
    <message>
        <source>目录名称前增加字符：</source>
        <translation>Add before name:</translation>
    </message>
    <message>
        <source>目录名称前增加的字符</source>
        <translation>Text to add before the name</translation>
    </message>
    <message>
        <source>目录名称中要替换的字符</source>
        <translation>Text to replace in the name</translation>
    </message>
    <message>
        <source>替换为的字符</source>
        <translation>Text to replace it with</translation>
    </message>
    <message>
        <source>模拟修改</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>目录名称中字符：</source>
        <translation>Replace:</translation>
    </message>
    <message>
        <source>替换为：</source>
        <translation>with:</translation>
    </message>
</context>
<context>
    <name>FormRules</name>
    <message>
        <source>更多规则</source>
        <translation>More Rules</translation>
    </message>
    <message>
        <source>规则方案(&amp;P)：</source>
        <translation>&amp;Presets:</translation>
    </message>
    <message>
        <source>规则方案</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>方案名称</source>
        <translation>Preset name</translation>
    </message>
    <message>
        <source>保存方案(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>删除方案(&amp;E)</source>
        <translation>D&amp;elete</translation>
    </message>
    <message>
        <source>导入(&amp;I)…</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>导出(&amp;X)…</source>
        <translation>E&amp;xport…</translation>
    </message>
    <message>
        <source>规则步骤</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>添加步骤(&amp;N)</source>
        <translation>&amp;New step</translation>
    </message>
    <message>
        <source>删除步骤(&amp;R)</source>
        <translation>&amp;Remove step</translation>
    </message>
    <message>
        <source>上移(&amp;U)</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>下移(&amp;D)</source>
        <translation>Move &amp;down</translation>
    </message>
    <message>
        <source>用“添加步骤”加入规则，步骤按顺序作用于每个名称。</source>
        <translation>Add steps with “New step”: they act on each name in order.</translation>
    </message>
    <message>
        <source>新名称预览</source>
        <translation>New names</translation>
    </message>
    <message>
        <source>原名称</source>
        <translation>Old name</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>可否修改</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>模拟修改</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>应用(&amp;A)</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>计算中…</source>
        <translation>Working…</translation>
    </message>
    <message>
        <source>（规则太复杂，无法计算这个名称）</source>
        <translation>(the rule is too complex to work out this name)</translation>
    </message>
    <message>
        <source>显示前 %1 个目录，共 %2 个。</source>
        <translation>The first %1 of %2 folders.</translation>
    </message>
    <message>
        <source>%1 行重名</source>
        <translation>duplicates: %1</translation>
    </message>
    <message>
        <source>%1 行新名称无效</source>
        <translation>invalid: %1</translation>
    </message>
    <message>
        <source>%1 行不变</source>
        <translation>unchanged: %1</translation>
    </message>
    <message>
        <source>前 %1 行中：</source>
        <translation>In the first %1 rows: </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>请先添加规则步骤。</source>
        <translation>Add a step first.</translation>
    </message>
    <message>
        <source>（选择已保存的方案或最近使用的规则）</source>
        <translation>(choose a saved preset or a recent rule)</translation>
    </message>
    <message>
        <source>内置：%1</source>
        <translation>Built-in: %1</translation>
    </message>
    <message>
        <source>方案：%1</source>
        <translation>Preset: %1</translation>
    </message>
    <message>
        <source>最近使用：%1</source>
        <translation>Recent: %1</translation>
    </message>
    <message>
        <source>方案：</source>
        <translation>Preset:</translation>
    </message>
    <message>
        <source>请先填写方案名称。</source>
        <translation>Enter a name for the preset first.</translation>
    </message>
    <message>
        <source>导出规则方案</source>
        <translation>Export Presets</translation>
    </message>
    <message>
        <source>规则方案.json</source>
        <translation>Presets.json</translation>
    </message>
    <message>
        <source>规则方案 (*.json)</source>
        <translation>Presets (*.json)</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>导入规则方案</source>
        <translation>Import Presets</translation>
    </message>
    <message>
        <source>%1 不是规则方案文件。</source>
        <translation>%1 is not a presets file.</translation>
    </message>
    <message numerus="yes">
        <source>共 %n 个目录。</source>
        <translation>
            <numerusform>%n folder in all.</numerusform>
            <numerusform>%n folders in all.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已导入 %n 个方案。</source>
        <translation>
            <numerusform>%n preset imported.</numerusform>
            <numerusform>%n presets imported.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FullWidthToHalfWidthStep</name>
    <message>
        <source>全角字母、数字、标点和空格转为半角</source>
        <translation>Full-width letters, digits, punctuation and spaces to half-width</translation>
    </message>
</context>
<context>
    <name>LetterCaseStep</name>
    <message>
        <source>字母转为小写</source>
        <translation>Letters to lower case</translation>
    </message>
    <message>
        <source>字母转为大写</source>
        <translation>Letters to upper case</translation>
    </message>
    <message>
        <source>每个单词首字母大写</source>
        <translation>Capitalize each word</translation>
    </message>
</context>
<context>
    <name>LinuxFileSystem</name>
    <message>
        <source>系统错误（%1）</source>
        <translation>System error (%1)</translation>
    </message>
</context>
<context>
    <name>NameBytes</name>
    <message>
        <source>名称只有</source>
        <translation>The name is only</translation>
    </message>
    <message>
        <source>名称开头有</source>
        <translation>The name begins with</translation>
    </message>
    <message>
        <source>名称末尾有</source>
        <translation>The name ends with</translation>
    </message>
    <message>
        <source>名称中有 %1 个看不见的字符（%2）</source>
        <translation>The name holds %1 invisible character(s) (%2)</translation>
    </message>
    <message numerus="yes">
        <source> %n 个空格</source>
        <translation>
            <numerusform> %n space</numerusform>
            <numerusform> %n spaces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n 个全角空格</source>
        <translation>
            <numerusform> %n full-width space</numerusform>
            <numerusform> %n full-width spaces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n 个空白字符</source>
        <translation>
            <numerusform> %n blank character</numerusform>
            <numerusform> %n blank characters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameEdits</name>
    <message>
        <source>原名称</source>
        <translation>Old name</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>可否修改</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>所在目录</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>路径</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>正在准备新名称……</source>
        <translation>Preparing the new names…</translation>
    </message>
</context>
<context>
    <name>NumberStep</name>
    <message>
        <source>每个父目录分别</source>
        <translation>, per parent folder</translation>
    </message>
    <message>
        <source>在%1%2编号（从 %3 起，步长 %4）</source>
        <translation>Number %1%2 (from %3, step %4)</translation>
    </message>
</context>
<context>
    <name>PadNumbersStep</name>
    <message>
        <source>名称中的数字补零到 %1 位</source>
        <translation>Pad numbers in the name with zeros to %1 digits</translation>
    </message>
    <message>
        <source>名称中的数字补零到列表中最长的数字的位数</source>
        <translation>Pad numbers in the name with zeros to the longest number in the list</translation>
    </message>
</context>
<context>
    <name>PassProgressDialog</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在取消，等待当前的操作结束……</source>
        <translation>Cancelling, waiting for the current operation to end…</translation>
    </message>
    <message>
        <source>正在等待磁盘或网络响应……</source>
        <translation>Waiting for the disk or the network…</translation>
    </message>
</context>
<context>
    <name>PinyinStep</name>
    <message>
        <source>带声调的拼音</source>
        <translation>pinyin with tones</translation>
    </message>
    <message>
        <source>拼音首字母</source>
        <translation>pinyin initials</translation>
    </message>
    <message>
        <source>拼音</source>
        <translation>pinyin</translation>
    </message>
    <message>
        <source>汉字转为%1</source>
        <translation>Chinese characters to %1</translation>
    </message>
    <message>
        <source>找不到拼音词典（%1）</source>
        <translation>The pinyin dictionary was not found (%1)</translation>
    </message>
</context>
<context>
    <name>RegexReplaceStep</name>
    <message>
        <source>把匹配“%1”的文字替换为“%2”</source>
        <translation>Replace text matching “%1” with “%2”</translation>
    </message>
    <message>
        <source>正则表达式有误：%1（第 %2 个字符）</source>
        <translation>Error in the regular expression: %1 (character %2)</translation>
    </message>
</context>
<context>
    <name>RemoveStep</name>
    <message>
        <source>括号 %1（保留其中的文字）</source>
        <translation>the brackets %1 (keeping the text inside)</translation>
    </message>
    <message>
        <source>括号 %1 及其中的文字</source>
        <translation>the brackets %1 and the text inside</translation>
    </message>
    <message>
        <source>首尾空格</source>
        <translation>spaces at both ends</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove </translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(nothing)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>前 %n 个字符</source>
        <translation>
            <numerusform>the first %n character</numerusform>
            <numerusform>the first %n characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>后 %n 个字符</source>
        <translation>
            <numerusform>the last %n character</numerusform>
            <numerusform>the last %n characters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RenameRecord</name>
    <message>
        <source>准备修改</source>
        <translation>Pending</translation>
    </message>
    <message>
        <source>修改成功</source>
        <translation>Renamed</translation>
    </message>
    <message>
        <source>修改出错</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>已撤销</source>
        <translation>Undone</translation>
    </message>
    <message>
        <source>撤销出错</source>
        <translation>Undo failed</translation>
    </message>
</context>
<context>
    <name>ReplaceTextStep</name>
    <message>
        <source>删除名称中的“%1”</source>
        <translation>Remove “%1” from the name</translation>
    </message>
    <message>
        <source>把名称中的“%1”替换为“%2”</source>
        <translation>Replace “%1” with “%2” in the name</translation>
    </message>
</context>
<context>
    <name>RulePresets</name>
    <message>
        <source>去除网址标记</source>
        <translation>Remove website tags</translation>
    </message>
    <message>
        <source>去除画质标记</source>
        <translation>Remove quality tags</translation>
    </message>
    <message>
        <source>整理空格</source>
        <translation>Tidy spaces</translation>
    </message>
</context>
<context>
    <name>RuleStep</name>
    <message>
        <source>名称后</source>
        <translation>after the name</translation>
    </message>
    <message>
        <source>名称前</source>
        <translation>before the name</translation>
    </message>
    <message>
        <source>从开头数第 N 个字符后</source>
        <translation>after character N from the start</translation>
    </message>
    <message>
        <source>从末尾数第 N 个字符前</source>
        <translation>before character N from the end</translation>
    </message>
    <message>
        <source>添加文字</source>
        <translation>Add text</translation>
    </message>
    <message>
        <source>文字：</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>位置：</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>N：</source>
        <translation>N:</translation>
    </message>
    <message>
        <source>替换文字</source>
        <translation>Replace text</translation>
    </message>
    <message>
        <source>查找：</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>替换为：</source>
        <translation>Replace with:</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>替换所有出现的地方；替换为空即删除。</source>
        <translation>Replaces every occurrence; replacing with nothing removes it.</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Numbering</translation>
    </message>
    <message>
        <source>起始：</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>步长：</source>
        <translation>Step:</translation>
    </message>
    <message>
        <source>位数：</source>
        <translation>Digits:</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>分隔（名称前后）：</source>
        <translation>Separator (before/after the name):</translation>
    </message>
    <message>
        <source>每个父目录分别编号</source>
        <translation>Number each parent folder separately</translation>
    </message>
    <message>
        <source>序号按列表中的顺序（列表 → 排序）。</source>
        <translation>Numbers follow the list&apos;s order (List → Sort).</translation>
    </message>
    <message>
        <source>数字补零</source>
        <translation>Pad numbers</translation>
    </message>
    <message>
        <source>最长的数字</source>
        <translation>Longest number</translation>
    </message>
    <message>
        <source>名称中每一串数字前补 0 到这个位数，如“第1集”→“第01集”；更长的不变。“最长的数字”：补到列表中各原名称里最长的一串数字的位数。</source>
        <translation>Pads every run of digits in the name with leading zeros to this many digits, such as “Ep1” → “Ep01”; longer ones stay. “Longest number”: as many digits as the longest run of digits in the list&apos;s old names.</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>日期：</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>格式：</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>格式：yyyy 年，M 或 MM 月，d 或 dd 日，HH 时，mm 分，如“yyyy年M月”。文件系统不记录的时间不添加。</source>
        <translation>Format: yyyy year, M or MM month, d or dd day, HH hour, mm minute, such as “yyyy-MM-dd”. A time the file system does not keep is not added.</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>开头字符数：</source>
        <translation>From the start:</translation>
    </message>
    <message>
        <source>末尾字符数：</source>
        <translation>From the end:</translation>
    </message>
    <message>
        <source>括号：</source>
        <translation>Brackets:</translation>
    </message>
    <message>
        <source>删除：</source>
        <translation>Remove:</translation>
    </message>
    <message>
        <source>括号和其中的文字</source>
        <translation>Brackets and the text inside</translation>
    </message>
    <message>
        <source>只删除括号</source>
        <translation>Only the brackets</translation>
    </message>
    <message>
        <source>首尾空格（含全角空格）</source>
        <translation>Spaces at both ends (full-width ones too)</translation>
    </message>
    <message>
        <source>全角转半角</source>
        <translation>Full-width to half-width</translation>
    </message>
    <message>
        <source>全角字母、数字、标点和全角空格转为半角；名称中不允许的字符（：？＊＂＜＞｜／＼）保留全角。</source>
        <translation>Full-width letters, digits, punctuation and spaces become half-width; characters not allowed in names (：？＊＂＜＞｜／＼) stay full-width.</translation>
    </message>
    <message>
        <source>繁简转换</source>
        <translation>Chinese conversion</translation>
    </message>
    <message>
        <source>转换：</source>
        <translation>Convert:</translation>
    </message>
    <message>
        <source>繁体转简体</source>
        <translation>Traditional to Simplified</translation>
    </message>
    <message>
        <source>简体转繁体</source>
        <translation>Simplified to Traditional</translation>
    </message>
    <message>
        <source>按词语转换（OpenCC）。</source>
        <translation>Converts word by word (OpenCC).</translation>
    </message>
    <message>
        <source>中文数字</source>
        <translation>Chinese numerals</translation>
    </message>
    <message>
        <source>中文数字转为阿拉伯数字</source>
        <translation>Chinese numerals to digits</translation>
    </message>
    <message>
        <source>阿拉伯数字转为中文数字</source>
        <translation>Digits to Chinese numerals</translation>
    </message>
    <message>
        <source>大写（壹贰叁）</source>
        <translation>Capitals (壹贰叁)</translation>
    </message>
    <message>
        <source>“第”之后、量词（集、季、部、卷、册、期、章、回、年、月等）之前或单独出现的中文数字才转换，词语中的（一些、统一、十分）不变。</source>
        <translation>Only numerals after “第”, before a counter word (集, 季, 部, 卷, 册, 期, 章, 回, 年, 月 …) or standing alone are converted; those inside words (一些, 统一, 十分) stay.</translation>
    </message>
    <message>
        <source>拼音</source>
        <translation>Pinyin</translation>
    </message>
    <message>
        <source>转换为：</source>
        <translation>Convert to:</translation>
    </message>
    <message>
        <source>全拼</source>
        <translation>Full pinyin</translation>
    </message>
    <message>
        <source>全拼（带声调）</source>
        <translation>Full pinyin with tones</translation>
    </message>
    <message>
        <source>首字母</source>
        <translation>Initials</translation>
    </message>
    <message>
        <source>音节之间：</source>
        <translation>Between syllables:</translation>
    </message>
    <message>
        <source>不分隔</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>每个音节首字母大写</source>
        <translation>Capitalize each syllable</translation>
    </message>
    <message>
        <source>按词语取读音（重庆 chongqing、银行 yinhang），读音来自地球拼音词典；汉字以外的字符不变。</source>
        <translation>Reads words as words (重庆 chongqing, 银行 yinhang) from the Terra Pinyin dictionary; characters other than Chinese stay.</translation>
    </message>
    <message>
        <source>大小写</source>
        <translation>Letter case</translation>
    </message>
    <message>
        <source>小写</source>
        <translation>Lower case</translation>
    </message>
    <message>
        <source>大写</source>
        <translation>Upper case</translation>
    </message>
    <message>
        <source>每个单词首字母大写</source>
        <translation>Capitalize each word</translation>
    </message>
    <message>
        <source>编码修复</source>
        <translation>Encoding repair</translation>
    </message>
    <message>
        <source>名称的字节不是 UTF-8 而是 GBK（旧压缩包、Windows 磁盘上的目录）时，转为同样文字的 UTF-8 名称。</source>
        <translation>Where a name&apos;s bytes are GBK, not UTF-8 (old archives, folders from Windows disks), gives it the same text in UTF-8.</translation>
    </message>
    <message>
        <source>正则替换</source>
        <translation>Regex replace</translation>
    </message>
    <message>
        <source>正则表达式：</source>
        <translation>Regular expression:</translation>
    </message>
    <message>
        <source>替换为中 \1 或 $1 代表第一组括号匹配的文字。</source>
        <translation>In the replacement, \1 or $1 stands for the text the first group matched.</translation>
    </message>
    <message>
        <source>第 %1 个字符后</source>
        <translation>after character %1</translation>
    </message>
    <message>
        <source>倒数第 %1 个字符前</source>
        <translation>before character %1 from the end</translation>
    </message>
</context>
<context>
    <name>SimulateRename</name>
    <message>
        <source>正在模拟修改目录名称……</source>
        <translation>Previewing new names…</translation>
    </message>
</context>
<context>
    <name>SortRows</name>
    <message>
        <source>正在排序……</source>
        <translation>Sorting…</translation>
    </message>
</context>
<context>
    <name>StepList</name>
    <message>
        <source>，然后</source>
        <translation>, then </translation>
    </message>
    <message>
        <source>第 %1 步：%2</source>
        <translation>Step %1: %2</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>此时系统信息不可用</source>
        <translation>System information is not available at this time</translation>
    </message>
</context>
<context>
    <name>UndoRename</name>
    <message>
        <source>正在读取修改记录……</source>
        <translation>Reading the rename record…</translation>
    </message>
    <message>
        <source>
恢复成功 %1 个，恢复出错 %2 个，未恢复 %3 个。</source>
        <translation>
Restored: %1, failed: %2, not restored: %3.</translation>
    </message>
    <message>
        <source>
修改记录中有 %1 行无法读取，这些行上的目录没有撤销。</source>
        <translation>
Lines of the record that cannot be read: %1. Their folders were not undone.</translation>
    </message>
    <message>
        <source>
这次修改的记录无法更新，修改记录中它可能仍显示为未撤销。</source>
        <translation>
The record of this batch could not be updated: the history may still show it as not undone.</translation>
    </message>
    <message>
        <source>你确定要撤销上次的修改吗？</source>
        <translation>Are you sure you want to undo the last batch?</translation>
    </message>
    <message>
        <source>%1 的修改，%2 个目录。</source>
        <translation>The batch of %1, folders: %2.</translation>
    </message>
    <message>
        <source>%1 的修改（%2），%3 个目录。</source>
        <translation>The batch of %1 (%2), folders: %3.</translation>
    </message>
    <message>
        <source>撤销：%1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>正在撤销修改……</source>
        <translation>Undoing…</translation>
    </message>
    <message numerus="yes">
        <source>无法继续写入修改记录（磁盘可能已满），撤销已停止：已恢复 %n 个目录的原名，其余的仍可再次撤销；已恢复的这些不能再撤销。</source>
        <translation>
            <numerusform>The record can no longer be written (the disk may be full), so the undo stopped: %n folder has its old name back; the rest can still be undone, the restored one no longer.</numerusform>
            <numerusform>The record can no longer be written (the disk may be full), so the undo stopped: %n folders have their old names back; the rest can still be undone, the restored ones no longer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>撤销已取消：已恢复 %n 个目录的原名，其余的仍可再次撤销。</source>
        <translation>
            <numerusform>Undo cancelled: %n folder has its old name back; the rest can still be undone.</numerusform>
            <numerusform>Undo cancelled: %n folders have their old names back; the rest can still be undone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已恢复 %n 个目录的原名。</source>
        <translation>
            <numerusform>%n folder has its old name back.</numerusform>
            <numerusform>%n folders have their old names back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
有 %n 个目录无法恢复原名（可能已被改名、移动或删除，或原名已被占用），原因见列表。</source>
        <translation>
            <numerusform>
%n folder could not get its old name back (it may have been renamed, moved or deleted, or the old name is taken): the list says why.</numerusform>
            <numerusform>
%n folders could not get their old names back (they may have been renamed, moved or deleted, or the old names are taken): the list says why.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>找不到要修改的目录</source>
        <translation>Folder not found</translation>
    </message>
    <message>
        <source>没有权限修改这个目录</source>
        <translation>No permission to rename it</translation>
    </message>
    <message>
        <source>目录所在的文件系统是只读的</source>
        <translation>The folder&apos;s file system is read-only</translation>
    </message>
    <message>
        <source>新名称太长</source>
        <translation>New name too long</translation>
    </message>
    <message>
        <source>目录正在使用中</source>
        <translation>Folder in use</translation>
    </message>
    <message>
        <source>这个文件系统不能就地修改这个目录的名称</source>
        <translation>This file system cannot rename this folder in place</translation>
    </message>
    <message>
        <source>不能把目录移到它自己的子目录中</source>
        <translation>A folder cannot move into its own subfolder</translation>
    </message>
    <message>
        <source>新名称不是有效的文件夹名称</source>
        <translation>The new name is not a valid folder name</translation>
    </message>
    <message>
        <source>路径中的某一项不是目录</source>
        <translation>A part of the path is not a folder</translation>
    </message>
    <message>
        <source>新名称已被一个目录占用</source>
        <translation>New name taken by a folder</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>超出了磁盘配额</source>
        <translation>The disk quota is exceeded</translation>
    </message>
    <message>
        <source>新名称已被另一个文件或目录占用</source>
        <translation>New name taken by another item</translation>
    </message>
    <message>
        <source>上级目录中的项目太多</source>
        <translation>The parent folder holds too many items</translation>
    </message>
    <message>
        <source>路径中的符号链接太多或形成了循环</source>
        <translation>The path has too many symbolic links, or a loop</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>读写磁盘时出错</source>
        <translation>Disk read or write error</translation>
    </message>
    <message>
        <source>网络连接超时</source>
        <translation>The network connection timed out</translation>
    </message>
    <message>
        <source>网络文件系统上的目录已失效</source>
        <translation>The folder on the network file system is no longer valid</translation>
    </message>
    <message>
        <source>目录所在的设备或网络已断开</source>
        <translation>The folder&apos;s device or network is disconnected</translation>
    </message>
    <message>
        <source>目录所在的网络主机无法访问</source>
        <translation>The folder&apos;s network host cannot be reached</translation>
    </message>
    <message>
        <source>系统暂时无法完成，请稍后再试</source>
        <translation>The system cannot do it now; try again later</translation>
    </message>
    <message>
        <source>文件系统不支持这个操作</source>
        <translation>The file system does not support this</translation>
    </message>
    <message>
        <source>文件系统无法处理这么大的数值</source>
        <translation>The file system cannot handle a value this large</translation>
    </message>
    <message>
        <source>程序内部出错</source>
        <translation>Internal program error</translation>
    </message>
    <message>
        <source>文件系统已损坏，需要先检查修复磁盘</source>
        <translation>The file system is damaged: check and repair the disk first</translation>
    </message>
    <message>
        <source>驱动器中没有光盘或存储卡</source>
        <translation>There is no disc or card in the drive</translation>
    </message>
    <message>
        <source>目录已加密，解密所需的密钥尚未载入</source>
        <translation>The folder is encrypted and its key is not loaded</translation>
    </message>
    <message>
        <source>网络通信出错</source>
        <translation>Network communication error</translation>
    </message>
    <message>
        <source>远程存储设备读写出错</source>
        <translation>Remote storage read or write error</translation>
    </message>
    <message>
        <source>目录在加入列表后被移动或替换了</source>
        <translation>Moved or replaced since it was listed</translation>
    </message>
    <message>
        <source>无法确认是加入列表的那个目录：这种磁盘（FAT、exFAT、网络共享、FUSE）会改变目录的编号，目录也可能被移动或替换了。请重新加入列表后再修改</source>
        <translation>Cannot confirm it is the listed folder: disks of this kind (FAT, exFAT, network shares, FUSE) change folder numbers, and the folder may also have been moved or replaced. List it again, then rename</translation>
    </message>
    <message>
        <source>改名的同时另一个程序移动或替换了这个目录</source>
        <translation>Another program moved or replaced this folder during the rename</translation>
    </message>
    <message>
        <source>目录已经存在</source>
        <translation>The folder already exists</translation>
    </message>
    <message>
        <source>目录名称一样</source>
        <translation>The name is the same</translation>
    </message>
    <message>
        <source>文件系统不支持安全的改名（不覆盖已有目录）</source>
        <translation>The file system has no safe rename (one that never replaces a folder)</translation>
    </message>
    <message>
        <source>文件系统不支持安全的改名，且新名称处留下了一个无法删除的空目录</source>
        <translation>The file system has no safe rename, and an empty folder that cannot be removed was left at the new name</translation>
    </message>
    <message>
        <source>另一个程序同时在新名称处建了目录，它可能已被这次改名替换</source>
        <translation>Another program made a folder at the new name meanwhile; it may have been replaced by this rename</translation>
    </message>
    <message>
        <source>可以修改</source>
        <translation>Can rename</translation>
    </message>
    <message>
        <source>有相同目录</source>
        <translation>Folder exists</translation>
    </message>
    <message>
        <source>有同名文件</source>
        <translation>File exists</translation>
    </message>
    <message>
        <source>新名称无效</source>
        <translation>Invalid new name</translation>
    </message>
    <message>
        <source>规则太复杂，无法计算这个名称</source>
        <translation>The rule is too complex to work out this name</translation>
    </message>
    <message>
        <source>根目录不能修改</source>
        <translation>A root folder cannot be renamed</translation>
    </message>
    <message>
        <source>本程序正在使用这个目录，不能修改</source>
        <translation>This program is using this folder; it cannot be renamed</translation>
    </message>
    <message>
        <source>未模拟修改，请先模拟修改</source>
        <translation>Not previewed: preview first</translation>
    </message>
    <message>
        <source>已改名，但</source>
        <translation>Renamed, but </translation>
    </message>
    <message>
        <source>修改成功</source>
        <translation>Renamed</translation>
    </message>
    <message>
        <source>已撤销，但</source>
        <translation>Undone, but </translation>
    </message>
    <message>
        <source>已撤销</source>
        <translation>Undone</translation>
    </message>
    <message>
        <source>撤销出错:</source>
        <translation>Undo failed: </translation>
    </message>
    <message>
        <source>修改出错:</source>
        <translation>Failed: </translation>
    </message>
</context>
<context>
    <name>WindowsFileSystem</name>
    <message>
        <source>系统错误 %1</source>
        <translation>System error %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>关于我的应用程序</source>
        <translation>About My Application</translation>
    </message>
    <message>
        <source>程序图标</source>
        <translation>Program icon</translation>
    </message>
    <message>
        <source>应用程序标题</source>
        <translation>Application Title</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>系统信息(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>关于 </source>
        <translation>About </translation>
    </message>
    <message>
        <source>版本 </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Morvel软件 出品
网站：%1
联系我们：%1/contact.htm
电子邮件：support@morvelsoft.com
欢迎提出意见和建议，也可为您定制软件。</source>
        <translation>Made by Morvel Software
Website: %1
Contact us: %1/contact.htm
Email: support@morvelsoft.com
We welcome your comments and suggestions, and can make software for you.</translation>
    </message>
    <message>
        <source>警告：本软件按“原样”提供，不附带任何明示或暗示的担保。请在修改前备份重要的文件夹。</source>
        <translation>Warning: provided as is, without any warranty. Back up important folders before renaming.</translation>
    </message>
</context>
</TS>
