<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindows</name>
    <message>
        <source>&amp;Save As Library Color</source>
        <translation>保存为数据库颜色(&amp;S)</translation>
    </message>
    <message>
        <source>Save as library color!</source>
        <translation>保存为数据库颜色!</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Selected Item Saved As A Type Library Color</source>
        <translation>选中项保存为标样数据库颜色(&amp;S)</translation>
    </message>
    <message>
        <source>The selected item is saved as a Type library color!</source>
        <translation>选中项已保存为标样数据库颜色!</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>&amp;Type Data Library</source>
        <translation>标样数据库(&amp;T)</translation>
    </message>
    <message>
        <source>Type data library</source>
        <translation>标样数据库</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
</context>
<context>
    <name>createNewLibraryFile</name>
    <message>
        <source>New library file</source>
        <translation>新建数据库文件</translation>
    </message>
    <message>
        <source>Library file name:</source>
        <translation>数据库文件名：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>libraryTableModel</name>
    <message>
        <source>Order</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Info.</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Color Space</source>
        <translation>颜色空间</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Simulation Color</source>
        <translation>模拟颜色</translation>
    </message>
    <message>
        <source>Light Source</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>观察者</translation>
    </message>
    <message>
        <source>Illumination Mode</source>
        <translation>照明方式</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>口径</translation>
    </message>
    <message>
        <source>Containing Light Mode</source>
        <translation>包含镜面光方式</translation>
    </message>
    <message>
        <source>Single/Average</source>
        <translation>单次/平均</translation>
    </message>
    <message>
        <source>Measurement Times</source>
        <translation>测量时间</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>不完整</translation>
    </message>
    <message>
        <source>Incomplete entry: its library file is damaged here. It cannot be launched or found by value.</source>
        <translation>不完整的条目：数据库文件在此处已损坏。该条目不能调入测量，也不能按数值查找。</translation>
    </message>
</context>
<context>
    <name>libraryTreeLink</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No Type, Sample is selected!</source>
        <translation>未选中标样或试样！</translation>
    </message>
</context>
<context>
    <name>standardLibraryRk</name>
    <message>
        <source>Type Data Library</source>
        <translation>标样数据库</translation>
    </message>
    <message>
        <source>Library File:</source>
        <translation>数据库文件：</translation>
    </message>
    <message>
        <source>Search Options</source>
        <translation>查找方式</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>按名称</translation>
    </message>
    <message>
        <source>By Value</source>
        <translation>按数值</translation>
    </message>
    <message>
        <source>Add Library File</source>
        <translation>新建数据库文件</translation>
    </message>
    <message>
        <source>Delete Library File</source>
        <translation>删除数据库文件</translation>
    </message>
    <message>
        <source>Path setting</source>
        <translation>路径设置</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测量</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>调入测量</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>创建文件夹</translation>
    </message>
    <message>
        <source>Folder creation failed!</source>
        <translation>文件夹创建失败！</translation>
    </message>
    <message>
        <source>The file is not a scl library file.</source>
        <translation>该文件不是 scl 数据库文件。</translation>
    </message>
    <message>
        <source>The file %1 is larger than 16 MB; it cannot be a library file.</source>
        <translation>文件 %1 大于 16 MB，不可能是数据库文件。</translation>
    </message>
    <message>
        <source>Cannot read file</source>
        <translation>无法读取文件</translation>
    </message>
    <message>
        <source>Read Library File</source>
        <translation>读取数据库文件</translation>
    </message>
    <message>
        <source>Failed to read library file!</source>
        <translation>读取数据库文件失败！</translation>
    </message>
    <message>
        <source>The library file %1 is damaged after %2 complete entries; the rest could not be read. The file stays as it is unless you change this library.</source>
        <translation>数据库文件 %1 在 %2 个完整条目之后已损坏，其余部分无法读取。除非修改此数据库，否则该文件保持原样。</translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation>无法写入文件</translation>
    </message>
    <message>
        <source>A library file name must not be empty, begin with a dot or contain a folder separator.</source>
        <translation>数据库文件名不能为空，不能以点开头，也不能包含文件夹分隔符。</translation>
    </message>
    <message>
        <source>Library file already exists!</source>
        <translation>数据库文件已存在！</translation>
    </message>
    <message>
        <source>Determine delete library files</source>
        <translation>确定删除数据库文件</translation>
    </message>
    <message>
        <source>!</source>
        <translation>！</translation>
    </message>
    <message>
        <source>Delete library file failed!</source>
        <translation>删除数据库文件失败！</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>打开目录</translation>
    </message>
    <message>
        <source>Save Library File</source>
        <translation>保存数据库文件</translation>
    </message>
    <message>
        <source>No library file can take the Type: choose or create a library file first.</source>
        <translation>没有可保存标样的数据库文件：请先选择或新建一个数据库文件。</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>名称已存在！</translation>
    </message>
    <message>
        <source>Delete Type</source>
        <translation>删除标样</translation>
    </message>
    <message>
        <source>Determine delete Type&apos;</source>
        <translation>确定删除标样“</translation>
    </message>
    <message>
        <source>&apos;!</source>
        <translation>”！</translation>
    </message>
    <message>
        <source>Search finished!</source>
        <translation>查找完毕！</translation>
    </message>
    <message>
        <source>The library file %1 was changed by another program and is no longer a library file; this library was not written into it.</source>
        <translation>数据库文件 %1 已被其他程序修改，不再是数据库文件；此数据库没有写入该文件。</translation>
    </message>
    <message>
        <source>The library file %1 was changed by another program while it was shown here. Its new entries are kept, and the changes made here were added to them.</source>
        <translation>数据库文件 %1 在此显示期间已被其他程序修改。其新条目均已保留，此处所做的修改已添加到其中。</translation>
    </message>
    <message>
        <source>The changes of this library are not saved. Save the library in another file?</source>
        <translation>此数据库的修改尚未保存。是否将数据库保存到另一个文件？</translation>
    </message>
    <message>
        <source>Library files (*.scl)</source>
        <translation>数据库文件 (*.scl)</translation>
    </message>
    <message>
        <source>The Types stay in this table: &quot;Path setting&quot; can take them to another folder, and closing QCM offers another file for them.</source>
        <translation>这些标样保留在此表中：“路径设置”可将其带到另一个文件夹，关闭 QCM 时也会提供另一个文件来保存它们。</translation>
    </message>
    <message>
        <source>%1 Types could not be written to %2; they were added to %3.</source>
        <translation>%1 个标样无法写入 %2，已添加到 %3。</translation>
    </message>
    <message>
        <source>%1 Types could not be written to %2, and no library file of %3 can take them.</source>
        <translation>%1 个标样无法写入 %2，而 %3 中没有可接收它们的数据库文件。</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>These entries are incomplete, since their library file is damaged there, and cannot be launched: %1</source>
        <translation>以下条目不完整（其数据库文件在此处已损坏），不能调入测量：%1</translation>
    </message>
    <message>
        <source>Import CGATS…</source>
        <translation>导入 CGATS…</translation>
    </message>
    <message>
        <source>The library file %1 could not be read; nothing is added to it.</source>
        <translation>无法读取数据库文件 %1，不会向其中添加任何内容。</translation>
    </message>
    <message>
        <source>Import CGATS</source>
        <translation>导入 CGATS</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>无法导入 %1。
%2</translation>
    </message>
    <message>
        <source>Colours whose name the library already holds were passed over (%1): %2.</source>
        <translation>已跳过名称已在数据库中的颜色（%1 个）：%2。</translation>
    </message>
    <message>
        <source>Colours of %1 added to the library: %2. Not everything could be taken:
%3</source>
        <translation>从 %1 添加到数据库的颜色：%2 个。部分内容未能采用：
%3</translation>
    </message>
</context>
</TS>
