<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MainWindows</name>
    <message>
        <source>&amp;Save As Library Color</source>
        <translation>儲存為資料庫顏色(&amp;S)</translation>
    </message>
    <message>
        <source>Save as library color!</source>
        <translation>儲存為資料庫顏色!</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Selected Item Saved As A Type Library Color</source>
        <translation>選取項目儲存為標樣資料庫顏色(&amp;S)</translation>
    </message>
    <message>
        <source>The selected item is saved as a Type library color!</source>
        <translation>選取項目已儲存為標樣資料庫顏色!</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>&amp;Type Data Library</source>
        <translation>標樣資料庫(&amp;T)</translation>
    </message>
    <message>
        <source>Type data library</source>
        <translation>標樣資料庫</translation>
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
        <translation>新增資料庫檔案</translation>
    </message>
    <message>
        <source>Library file name:</source>
        <translation>資料庫檔案名稱：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>序號</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Info.</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Color Space</source>
        <translation>顏色空間</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>數值</translation>
    </message>
    <message>
        <source>Simulation Color</source>
        <translation>模擬顏色</translation>
    </message>
    <message>
        <source>Light Source</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>觀察者</translation>
    </message>
    <message>
        <source>Illumination Mode</source>
        <translation>照明方式</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>口徑</translation>
    </message>
    <message>
        <source>Containing Light Mode</source>
        <translation>包含鏡面光方式</translation>
    </message>
    <message>
        <source>Single/Average</source>
        <translation>單次/平均</translation>
    </message>
    <message>
        <source>Measurement Times</source>
        <translation>量測時間</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>不完整</translation>
    </message>
    <message>
        <source>Incomplete entry: its library file is damaged here. It cannot be launched or found by value.</source>
        <translation>不完整的條目：資料庫檔案在此處已損壞。該條目不能調入量測，也不能按數值查找。</translation>
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
        <translation>未選取標樣或試樣！</translation>
    </message>
</context>
<context>
    <name>standardLibraryRk</name>
    <message>
        <source>Type Data Library</source>
        <translation>標樣資料庫</translation>
    </message>
    <message>
        <source>Library File:</source>
        <translation>資料庫檔案：</translation>
    </message>
    <message>
        <source>Search Options</source>
        <translation>搜尋方式</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>依名稱</translation>
    </message>
    <message>
        <source>By Value</source>
        <translation>依數值</translation>
    </message>
    <message>
        <source>Add Library File</source>
        <translation>新增資料庫檔案</translation>
    </message>
    <message>
        <source>Delete Library File</source>
        <translation>刪除資料庫檔案</translation>
    </message>
    <message>
        <source>Path setting</source>
        <translation>路徑設定</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>量測</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>調入量測</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>建立資料夾</translation>
    </message>
    <message>
        <source>Folder creation failed!</source>
        <translation>資料夾建立失敗！</translation>
    </message>
    <message>
        <source>The file is not a scl library file.</source>
        <translation>此檔案不是 scl 資料庫檔案。</translation>
    </message>
    <message>
        <source>The file %1 is larger than 16 MB; it cannot be a library file.</source>
        <translation>檔案 %1 大於 16 MB，不可能是資料庫檔案。</translation>
    </message>
    <message>
        <source>Cannot read file</source>
        <translation>無法讀取檔案</translation>
    </message>
    <message>
        <source>Read Library File</source>
        <translation>讀取資料庫檔案</translation>
    </message>
    <message>
        <source>Failed to read library file!</source>
        <translation>讀取資料庫檔案失敗！</translation>
    </message>
    <message>
        <source>The library file %1 is damaged after %2 complete entries; the rest could not be read. The file stays as it is unless you change this library.</source>
        <translation>資料庫檔案 %1 在 %2 個完整項目之後已損毀，其餘部分無法讀取。除非修改此資料庫，否則該檔案保持原樣。</translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation>無法寫入檔案</translation>
    </message>
    <message>
        <source>A library file name must not be empty, begin with a dot or contain a folder separator.</source>
        <translation>資料庫檔案名稱不可為空，不可以點開頭，也不可包含資料夾分隔符號。</translation>
    </message>
    <message>
        <source>Library file already exists!</source>
        <translation>資料庫檔案已存在！</translation>
    </message>
    <message>
        <source>Determine delete library files</source>
        <translation>確定刪除資料庫檔案</translation>
    </message>
    <message>
        <source>!</source>
        <translation>！</translation>
    </message>
    <message>
        <source>Delete library file failed!</source>
        <translation>刪除資料庫檔案失敗！</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>開啟目錄</translation>
    </message>
    <message>
        <source>Save Library File</source>
        <translation>儲存資料庫檔案</translation>
    </message>
    <message>
        <source>No library file can take the Type: choose or create a library file first.</source>
        <translation>沒有可儲存標樣的資料庫檔案：請先選擇或新增一個資料庫檔案。</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>名稱已存在！</translation>
    </message>
    <message>
        <source>Delete Type</source>
        <translation>刪除標樣</translation>
    </message>
    <message>
        <source>Determine delete Type&apos;</source>
        <translation>確定刪除標樣「</translation>
    </message>
    <message>
        <source>&apos;!</source>
        <translation>」！</translation>
    </message>
    <message>
        <source>Search finished!</source>
        <translation>搜尋完畢！</translation>
    </message>
    <message>
        <source>The library file %1 was changed by another program and is no longer a library file; this library was not written into it.</source>
        <translation>資料庫檔案 %1 已被其他程式修改，不再是資料庫檔案；此資料庫沒有寫入該檔案。</translation>
    </message>
    <message>
        <source>The library file %1 was changed by another program while it was shown here. Its new entries are kept, and the changes made here were added to them.</source>
        <translation>資料庫檔案 %1 在此顯示期間已被其他程式修改。其新條目均已保留，此處所做的修改已加入其中。</translation>
    </message>
    <message>
        <source>The changes of this library are not saved. Save the library in another file?</source>
        <translation>此資料庫的修改尚未儲存。是否將資料庫儲存到另一個檔案？</translation>
    </message>
    <message>
        <source>Library files (*.scl)</source>
        <translation>資料庫檔案 (*.scl)</translation>
    </message>
    <message>
        <source>The Types stay in this table: &quot;Path setting&quot; can take them to another folder, and closing QCM offers another file for them.</source>
        <translation>這些標樣保留在此表中：「路徑設定」可將其帶到另一個資料夾，關閉 QCM 時也會提供另一個檔案來儲存它們。</translation>
    </message>
    <message>
        <source>%1 Types could not be written to %2; they were added to %3.</source>
        <translation>%1 個標樣無法寫入 %2，已加入 %3。</translation>
    </message>
    <message>
        <source>%1 Types could not be written to %2, and no library file of %3 can take them.</source>
        <translation>%1 個標樣無法寫入 %2，而 %3 中沒有可接收它們的資料庫檔案。</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>These entries are incomplete, since their library file is damaged there, and cannot be launched: %1</source>
        <translation>以下條目不完整（其資料庫檔案在此處已損壞），不能調入量測：%1</translation>
    </message>
    <message>
        <source>Import CGATS…</source>
        <translation>匯入 CGATS…</translation>
    </message>
    <message>
        <source>The library file %1 could not be read; nothing is added to it.</source>
        <translation>無法讀取資料庫檔案 %1，不會向其中加入任何內容。</translation>
    </message>
    <message>
        <source>Import CGATS</source>
        <translation>匯入 CGATS</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>無法匯入 %1。
%2</translation>
    </message>
    <message>
        <source>Colours whose name the library already holds were passed over (%1): %2.</source>
        <translation>已略過名稱已在資料庫中的顏色（%1 個）：%2。</translation>
    </message>
    <message>
        <source>Colours of %1 added to the library: %2. Not everything could be taken:
%3</source>
        <translation>從 %1 加入資料庫的顏色：%2 個。部分內容未能採用：
%3</translation>
    </message>
</context>
</TS>
