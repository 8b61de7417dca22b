<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindows</name>
    <message>
        <source>&amp;History database...</source>
        <translation>历史数据库(&amp;H)...</translation>
    </message>
    <message>
        <source>Where the measurement history is kept!</source>
        <translation>设置测量历史的保存位置!</translation>
    </message>
    <message>
        <source>&amp;Measurement History</source>
        <translation>测量历史(&amp;M)</translation>
    </message>
    <message>
        <source>Search the measurement history!</source>
        <translation>查询测量历史!</translation>
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
        <translation>时间 (UTC)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>Station time</source>
        <translation>工作站时间</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Current name</source>
        <translation>当前名称</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>已删除</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>标样</translation>
    </message>
    <message>
        <source>Instrument model</source>
        <translation>仪器型号</translation>
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
        <translation>口径</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>观察者</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>光泽模式</translation>
    </message>
    <message>
        <source>Colour space</source>
        <translation>颜色空间</translation>
    </message>
    <message>
        <source>Colour-difference formula</source>
        <translation>色差公式</translation>
    </message>
    <message>
        <source>Readings per average</source>
        <translation>平均测量次数</translation>
    </message>
    <message>
        <source>Value 1</source>
        <translation>数值 1</translation>
    </message>
    <message>
        <source>Value 2</source>
        <translation>数值 2</translation>
    </message>
    <message>
        <source>Value 3</source>
        <translation>数值 3</translation>
    </message>
    <message>
        <source>L* as read</source>
        <translation>读取的 L*</translation>
    </message>
    <message>
        <source>a* as read</source>
        <translation>读取的 a*</translation>
    </message>
    <message>
        <source>b* as read</source>
        <translation>读取的 b*</translation>
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
        <translation>操作员</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>仪器</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Measuring file</source>
        <translation>测量文件</translation>
    </message>
    <message>
        <source>Entered by</source>
        <translation>录入方式</translation>
    </message>
    <message>
        <source>Record id</source>
        <translation>记录编号</translation>
    </message>
    <message>
        <source>Type id</source>
        <translation>标样编号</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>The export was stopped.</source>
        <translation>导出已停止。</translation>
    </message>
</context>
<context>
    <name>historyDatabaseDialog</name>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>端口必须是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>Enter the name of the database on the server.</source>
        <translation>请输入服务器上的数据库名称。</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>无法使用历史数据库:
%1</translation>
    </message>
    <message>
        <source>The connection works: the history database holds %1 records.</source>
        <translation>连接正常：历史数据库中有 %1 条记录。</translation>
    </message>
    <message>
        <source>The connection works.</source>
        <translation>连接正常。</translation>
    </message>
    <message>
        <source>History database</source>
        <translation>历史数据库</translation>
    </message>
    <message>
        <source>SQLite file on this computer</source>
        <translation>本机上的 SQLite 文件</translation>
    </message>
    <message>
        <source>PostgreSQL server shared by the stations of the lab</source>
        <translation>实验室各工作站共用的 PostgreSQL 服务器</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>主机:</translation>
    </message>
    <message>
        <source>empty: this computer</source>
        <translation>留空：本机</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口:</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>数据库:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>用户:</translation>
    </message>
    <message>
        <source>empty: your login</source>
        <translation>留空：当前登录用户</translation>
    </message>
    <message>
        <source>The password is read from ~/.pgpass or PGPASSWORD; QCM never stores it.</source>
        <translation>密码从 ~/.pgpass 或 PGPASSWORD 读取；QCM 从不保存密码。</translation>
    </message>
    <message>
        <source>Station name:</source>
        <translation>工作站名称:</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>测试连接</translation>
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
    <name>historyTableModel</name>
    <message>
        <source>%1 (entered as %2)</source>
        <translation>%1(录入时为 %2)</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1(已删除)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>标样</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>试样</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>测量</translation>
    </message>
    <message>
        <source>averaged</source>
        <translation>平均测量</translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation>仪器上传</translation>
    </message>
    <message>
        <source>typed in</source>
        <translation>手动输入</translation>
    </message>
    <message>
        <source>library</source>
        <translation>标样库</translation>
    </message>
    <message>
        <source>set as</source>
        <translation>设为</translation>
    </message>
    <message>
        <source>imported</source>
        <translation>导入</translation>
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
        <translation>时间</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Value 1</source>
        <translation>数值 1</translation>
    </message>
    <message>
        <source>Value 2</source>
        <translation>数值 2</translation>
    </message>
    <message>
        <source>Value 3</source>
        <translation>数值 3</translation>
    </message>
    <message>
        <source>Colour space</source>
        <translation>颜色空间</translation>
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
        <translation>操作员</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>仪器</translation>
    </message>
    <message>
        <source>Entered by</source>
        <translation>录入方式</translation>
    </message>
    <message>
        <source>Measuring file</source>
        <translation>测量文件</translation>
    </message>
    <message>
        <source>%1 UTC; the station&apos;s zone: %2</source>
        <translation>%1 UTC；工作站时区：%2</translation>
    </message>
</context>
<context>
    <name>historyWindow</name>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>无法读取历史：%1</translation>
    </message>
    <message>
        <source>No records match.</source>
        <translation>没有符合条件的记录。</translation>
    </message>
    <message>
        <source>Records %1 to %2 of %3</source>
        <translation>第 %1 至 %2 条，共 %3 条</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Choose one or more Types in the table: their Samples come with them.</source>
        <translation>请在表中选择一个或多个标样：其试样会一起打开。</translation>
    </message>
    <message>
        <source>%1 Types with %2 Samples opened as a new measurement.</source>
        <translation>已将 %1 个标样及 %2 个试样作为新测量打开。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>QCM</source>
        <translation>QCM</translation>
    </message>
    <message>
        <source>The history could not be exported to %1:
%2</source>
        <translation>无法将历史导出到 %1:
%2</translation>
    </message>
    <message>
        <source>%1 records exported to %2.</source>
        <translation>已将 %1 条记录导出到 %2。</translation>
    </message>
    <message>
        <source>Measurement history</source>
        <translation>测量历史</translation>
    </message>
    <message>
        <source>Standard/Type:</source>
        <translation>标准/标样:</translation>
    </message>
    <message>
        <source>any part of the name, in any case</source>
        <translation>名称的任意部分，不区分大小写</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
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
        <translation>操作员:</translation>
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
        <translation>测量文件:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>查询</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; 上一页</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>下一页 &gt;</translation>
    </message>
    <message>
        <source>Open as New Measurement</source>
        <translation>作为新测量打开</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>导出 CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Measuring file</source>
        <translation>测量文件</translation>
    </message>
    <message>
        <source>Measuring files (*.qcm)</source>
        <translation>测量文件 (*.qcm)</translation>
    </message>
    <message>
        <source>the whole name</source>
        <translation>完整名称</translation>
    </message>
    <message>
        <source>the whole path</source>
        <translation>完整路径</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
</context>
</TS>
