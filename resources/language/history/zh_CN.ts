<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>historyConnection</name>
    <message>
        <source>The server address &quot;%1&quot; lacks its closing &quot;]&quot;.</source>
        <translation>服务器地址“%1”缺少结尾的“]”。</translation>
    </message>
    <message>
        <source>Unexpected text after the server address &quot;%1&quot;.</source>
        <translation>服务器地址“%1”之后有多余的文字。</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>端口“%1”不是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>Connection options after &quot;?&quot; are not taken; the password belongs in ~/.pgpass or PGPASSWORD, never in QCM&apos;s settings.</source>
        <translation>不接受“?”之后的连接选项；密码应放在 ~/.pgpass 或 PGPASSWORD 中，绝不保存在 QCM 的设置里。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no database: write postgresql://host/database.</source>
        <translation>“%1”没有指明数据库：请写成 postgresql://主机/数据库。</translation>
    </message>
    <message>
        <source>The database name &quot;%1&quot; holds a &quot;/&quot;.</source>
        <translation>数据库名称“%1”中含有“/”。</translation>
    </message>
    <message>
        <source>A password does not belong in the connection text; keep it in ~/.pgpass or PGPASSWORD.</source>
        <translation>密码不应写在连接文字中；请保存在 ~/.pgpass 或 PGPASSWORD 中。</translation>
    </message>
    <message>
        <source>The user name before &quot;@&quot; is empty.</source>
        <translation>“@”之前的用户名为空。</translation>
    </message>
    <message>
        <source>No history database is named.</source>
        <translation>未指定历史数据库。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a PostgreSQL connection (postgresql://host/database) nor a file.</source>
        <translation>“%1”既不是 PostgreSQL 连接（postgresql://主机/数据库），也不是文件。</translation>
    </message>
</context>
<context>
    <name>historyStore</name>
    <message>
        <source>The history database %1 could not be read or written: %2</source>
        <translation>无法读写历史数据库 %1：%2</translation>
    </message>
    <message>
        <source>The history file %1 cannot be opened: %2</source>
        <translation>无法打开历史文件 %1：%2</translation>
    </message>
    <message>
        <source>The server has no database &quot;%1&quot;; create it first (see README).</source>
        <translation>服务器上没有数据库“%1”；请先创建它（见 README）。</translation>
    </message>
    <message>
        <source>The server refused user &quot;%1&quot; (authentication failed): %2</source>
        <translation>服务器拒绝了用户“%1”（身份验证失败）：%2</translation>
    </message>
    <message>
        <source>The history server %1 does not answer (is it running?): %2</source>
        <translation>历史服务器 %1 没有响应（它在运行吗？）：%2</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 不是数据库文件。</translation>
    </message>
    <message>
        <source>The history database %1 could not be read: %2</source>
        <translation>无法读取历史数据库 %1：%2</translation>
    </message>
    <message>
        <source>The history database %1 has schema version %2, newer than this QCM knows (%3); it is left as it is. Update QCM to use it.</source>
        <translation>历史数据库 %1 的结构版本为 %2，比本 QCM 所知的版本（%3）更新；数据库保持原样不变。请更新 QCM 后再使用。</translation>
    </message>
    <message>
        <source>The history database %1 lost the Type name &quot;%2&quot;.</source>
        <translation>历史数据库 %1 丢失了标样名称“%2”。</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt (QPSQL) is not installed.</source>
        <translation>未安装 Qt 的 PostgreSQL 驱动（QPSQL）。</translation>
    </message>
    <message>
        <source>The SQLite driver of Qt (QSQLITE) is not installed.</source>
        <translation>未安装 Qt 的 SQLite 驱动（QSQLITE）。</translation>
    </message>
    <message>
        <source>The history database is not open.</source>
        <translation>历史数据库未打开。</translation>
    </message>
    <message>
        <source>A history record without an id cannot be stored.</source>
        <translation>没有编号的历史记录无法保存。</translation>
    </message>
</context>
</TS>
