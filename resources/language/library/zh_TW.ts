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
</context>
</TS>
