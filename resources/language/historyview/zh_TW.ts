<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MainWindows</name>
    <message>
        <source>&amp;History database...</source>
        <translation>歷史資料庫(&amp;H)...</translation>
    </message>
    <message>
        <source>Where the measurement history is kept!</source>
        <translation>設定測量歷史的保存位置!</translation>
    </message>
    <message>
        <source>&amp;Measurement History</source>
        <translation>測量歷史(&amp;M)</translation>
    </message>
    <message>
        <source>Search the measurement history!</source>
        <translation>查詢測量歷史!</translation>
    </message>
    <message>
        <source>Ctrl+Shift+H</source>
        <translation>Ctrl+Shift+H</translation>
    </message>
</context>
<context>
    <name>historyCsv</name>
    <message>
        <source>Time (UTC)</source>
        <translation>時間 (UTC)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>時區</translation>
    </message>
    <message>
        <source>Station time</source>
        <translation>工作站時間</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>類別</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Current name</source>
        <translation>目前名稱</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>已刪除</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>標樣</translation>
    </message>
    <message>
        <source>Instrument model</source>
        <translation>儀器型號</translation>
    </message>
    <message>
        <source>Illumination mode</source>
        <translation>照明方式</translation>
    </message>
    <message>
        <source>Light source</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>口徑</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>觀察者</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>光澤模式</translation>
    </message>
    <message>
        <source>Colour space</source>
        <translation>顏色空間</translation>
    </message>
    <message>
        <source>Colour-difference formula</source>
        <translation>色差公式</translation>
    </message>
    <message>
        <source>Readings per average</source>
        <translation>平均測量次數</translation>
    </message>
    <message>
        <source>Value 1</source>
        <translation>數值 1</translation>
    </message>
    <message>
        <source>Value 2</source>
        <translation>數值 2</translation>
    </message>
    <message>
        <source>Value 3</source>
        <translation>數值 3</translation>
    </message>
    <message>
        <source>L* as read</source>
        <translation>讀取的 L*</translation>
    </message>
    <message>
        <source>a* as read</source>
        <translation>讀取的 a*</translation>
    </message>
    <message>
        <source>b* as read</source>
        <translation>讀取的 b*</translation>
    </message>
    <message>
        <source>Formula judged with</source>
        <translation>判定所用公式</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>色差</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>容差</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>工作站</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作員</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>儀器</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Measuring file</source>
        <translation>測量檔案</translation>
    </message>
    <message>
        <source>Entered by</source>
        <translation>錄入方式</translation>
    </message>
    <message>
        <source>Record id</source>
        <translation>記錄編號</translation>
    </message>
    <message>
        <source>Type id</source>
        <translation>標樣編號</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>The export was stopped.</source>
        <translation>匯出已停止。</translation>
    </message>
</context>
<context>
    <name>historyDatabaseDialog</name>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>連接埠必須是 1 到 65535 之間的數字。</translation>
    </message>
    <message>
        <source>Enter the name of the database on the server.</source>
        <translation>請輸入伺服器上的資料庫名稱。</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>無法使用歷史資料庫:
%1</translation>
    </message>
    <message>
        <source>The connection works: the history database holds %1 records.</source>
        <translation>連線正常：歷史資料庫中有 %1 筆記錄。</translation>
    </message>
    <message>
        <source>The connection works.</source>
        <translation>連線正常。</translation>
    </message>
    <message>
        <source>History database</source>
        <translation>歷史資料庫</translation>
    </message>
    <message>
        <source>SQLite file on this computer</source>
        <translation>本機上的 SQLite 檔案</translation>
    </message>
    <message>
        <source>PostgreSQL server shared by the stations of the lab</source>
        <translation>實驗室各工作站共用的 PostgreSQL 伺服器</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>主機:</translation>
    </message>
    <message>
        <source>empty: this computer</source>
        <translation>留空：本機</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>連接埠:</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>資料庫:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>使用者:</translation>
    </message>
    <message>
        <source>empty: your login</source>
        <translation>留空：目前登入使用者</translation>
    </message>
    <message>
        <source>The password is read from ~/.pgpass or PGPASSWORD; QCM never stores it.</source>
        <translation>密碼從 ~/.pgpass 或 PGPASSWORD 讀取；QCM 從不保存密碼。</translation>
    </message>
    <message>
        <source>Station name:</source>
        <translation>工作站名稱:</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>測試連線</translation>
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
    <name>historyTableModel</name>
    <message>
        <source>%1 (entered as %2)</source>
        <translation>%1(錄入時為 %2)</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1(已刪除)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>標樣</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>試樣</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>測量</translation>
    </message>
    <message>
        <source>averaged</source>
        <translation>平均測量</translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation>儀器上傳</translation>
    </message>
    <message>
        <source>typed in</source>
        <translation>手動輸入</translation>
    </message>
    <message>
        <source>library</source>
        <translation>標樣庫</translation>
    </message>
    <message>
        <source>set as</source>
        <translation>設為</translation>
    </message>
    <message>
        <source>imported</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>類別</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Value 1</source>
        <translation>數值 1</translation>
    </message>
    <message>
        <source>Value 2</source>
        <translation>數值 2</translation>
    </message>
    <message>
        <source>Value 3</source>
        <translation>數值 3</translation>
    </message>
    <message>
        <source>Colour space</source>
        <translation>顏色空間</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>色差</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>工作站</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作員</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>儀器</translation>
    </message>
    <message>
        <source>Entered by</source>
        <translation>錄入方式</translation>
    </message>
    <message>
        <source>Measuring file</source>
        <translation>測量檔案</translation>
    </message>
    <message>
        <source>%1 UTC; the station&apos;s zone: %2</source>
        <translation>%1 UTC；工作站時區：%2</translation>
    </message>
</context>
<context>
    <name>historyWindow</name>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>無法讀取歷史：%1</translation>
    </message>
    <message>
        <source>No records match.</source>
        <translation>沒有符合條件的記錄。</translation>
    </message>
    <message>
        <source>Records %1 to %2 of %3</source>
        <translation>第 %1 至 %2 筆，共 %3 筆</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Choose one or more Types in the table: their Samples come with them.</source>
        <translation>請在表中選擇一個或多個標樣：其試樣會一起開啟。</translation>
    </message>
    <message>
        <source>%1 Types with %2 Samples opened as a new measurement.</source>
        <translation>已將 %1 個標樣及 %2 個試樣作為新測量開啟。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>匯出 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>QCM</source>
        <translation>QCM</translation>
    </message>
    <message>
        <source>The history could not be exported to %1:
%2</source>
        <translation>無法將歷史匯出到 %1:
%2</translation>
    </message>
    <message>
        <source>%1 records exported to %2.</source>
        <translation>已將 %1 筆記錄匯出到 %2。</translation>
    </message>
    <message>
        <source>Measurement history</source>
        <translation>測量歷史</translation>
    </message>
    <message>
        <source>Standard/Type:</source>
        <translation>標準/標樣:</translation>
    </message>
    <message>
        <source>any part of the name, in any case</source>
        <translation>名稱的任意部分，不區分大小寫</translation>
    </message>
    <message>
        <source>From</source>
        <translation>從</translation>
    </message>
    <message>
        <source>To</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>工作站:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>操作員:</translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation>判定:</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Measuring file:</source>
        <translation>測量檔案:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>查詢</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; 上一頁</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>下一頁 &gt;</translation>
    </message>
    <message>
        <source>Open as New Measurement</source>
        <translation>作為新測量開啟</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>匯出 CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Measuring file</source>
        <translation>測量檔案</translation>
    </message>
    <message>
        <source>Measuring files (*.qcm)</source>
        <translation>測量檔案 (*.qcm)</translation>
    </message>
    <message>
        <source>the whole name</source>
        <translation>完整名稱</translation>
    </message>
    <message>
        <source>the whole path</source>
        <translation>完整路徑</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選擇…</translation>
    </message>
</context>
</TS>
