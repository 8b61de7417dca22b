<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>historyConnection</name>
    <message>
        <source>The server address &quot;%1&quot; lacks its closing &quot;]&quot;.</source>
        <translation>伺服器位址「%1」缺少結尾的「]」。</translation>
    </message>
    <message>
        <source>Unexpected text after the server address &quot;%1&quot;.</source>
        <translation>伺服器位址「%1」之後有多餘的文字。</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>連接埠「%1」不是 1 到 65535 之間的數字。</translation>
    </message>
    <message>
        <source>Connection options after &quot;?&quot; are not taken; the password belongs in ~/.pgpass or PGPASSWORD, never in QCM&apos;s settings.</source>
        <translation>不接受「?」之後的連線選項；密碼應放在 ~/.pgpass 或 PGPASSWORD 中，絕不儲存在 QCM 的設定裡。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no database: write postgresql://host/database.</source>
        <translation>「%1」沒有指明資料庫：請寫成 postgresql://主機/資料庫。</translation>
    </message>
    <message>
        <source>The database name &quot;%1&quot; holds a &quot;/&quot;.</source>
        <translation>資料庫名稱「%1」中含有「/」。</translation>
    </message>
    <message>
        <source>A password does not belong in the connection text; keep it in ~/.pgpass or PGPASSWORD.</source>
        <translation>密碼不應寫在連線文字中；請儲存在 ~/.pgpass 或 PGPASSWORD 中。</translation>
    </message>
    <message>
        <source>The user name before &quot;@&quot; is empty.</source>
        <translation>「@」之前的使用者名稱為空。</translation>
    </message>
    <message>
        <source>No history database is named.</source>
        <translation>未指定歷史資料庫。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a PostgreSQL connection (postgresql://host/database) nor a file.</source>
        <translation>「%1」既不是 PostgreSQL 連線（postgresql://主機/資料庫），也不是檔案。</translation>
    </message>
</context>
<context>
    <name>historyStore</name>
    <message>
        <source>The history database %1 could not be read or written: %2</source>
        <translation>無法讀寫歷史資料庫 %1：%2</translation>
    </message>
    <message>
        <source>The history file %1 cannot be opened: %2</source>
        <translation>無法開啟歷史檔案 %1：%2</translation>
    </message>
    <message>
        <source>The server has no database &quot;%1&quot;; create it first (see README).</source>
        <translation>伺服器上沒有資料庫「%1」；請先建立它（見 README）。</translation>
    </message>
    <message>
        <source>The server refused user &quot;%1&quot; (authentication failed): %2</source>
        <translation>伺服器拒絕了使用者「%1」（身分驗證失敗）：%2</translation>
    </message>
    <message>
        <source>The history server %1 does not answer (is it running?): %2</source>
        <translation>歷史伺服器 %1 沒有回應（它在執行嗎？）：%2</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 不是資料庫檔案。</translation>
    </message>
    <message>
        <source>The history database %1 could not be read: %2</source>
        <translation>無法讀取歷史資料庫 %1：%2</translation>
    </message>
    <message>
        <source>The history database %1 has schema version %2, newer than this QCM knows (%3); it is left as it is. Update QCM to use it.</source>
        <translation>歷史資料庫 %1 的結構版本為 %2，比本 QCM 所知的版本（%3）更新；資料庫保持原樣不變。請更新 QCM 後再使用。</translation>
    </message>
    <message>
        <source>The history database %1 lost the Type name &quot;%2&quot;.</source>
        <translation>歷史資料庫 %1 遺失了標樣名稱「%2」。</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt (QPSQL) is not installed.</source>
        <translation>未安裝 Qt 的 PostgreSQL 驅動程式（QPSQL）。</translation>
    </message>
    <message>
        <source>The SQLite driver of Qt (QSQLITE) is not installed.</source>
        <translation>未安裝 Qt 的 SQLite 驅動程式（QSQLITE）。</translation>
    </message>
    <message>
        <source>The history database is not open.</source>
        <translation>歷史資料庫未開啟。</translation>
    </message>
    <message>
        <source>A history record without an id cannot be stored.</source>
        <translation>沒有編號的歷史記錄無法儲存。</translation>
    </message>
</context>
</TS>
