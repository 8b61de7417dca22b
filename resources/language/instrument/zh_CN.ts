<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>serialPortRk</name>
    <message>
        <source>The light mode &quot;%1&quot; has no instrument code; nothing is sent.</source>
        <translation>镜面光方式“%1”没有对应的仪器代码，未发送。</translation>
    </message>
    <message>
        <source>The light source &quot;%1&quot; has no instrument code; nothing is sent.</source>
        <translation>光源“%1”没有对应的仪器代码，未发送。</translation>
    </message>
    <message>
        <source>Request 0x%1 is not a measurement request.</source>
        <translation>请求 0x%1 不是测量请求。</translation>
    </message>
    <message>
        <source>The caliber &quot;%1&quot; has no instrument code; nothing is sent.</source>
        <translation>口径“%1”没有对应的仪器代码，未发送。</translation>
    </message>
    <message>
        <source>%1 readings per average do not fit the request; nothing is sent.</source>
        <translation>平均次数 %1 超出请求范围，未发送。</translation>
    </message>
    <message>
        <source>Open Port</source>
        <translation>打开端口</translation>
    </message>
    <message>
        <source>Successful</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Connected to instrument:</source>
        <translation>已连接仪器:</translation>
    </message>
    <message>
        <source>Finished Type measurement!</source>
        <translation>标样测量完成!</translation>
    </message>
    <message>
        <source>Finished measurement!</source>
        <translation>测量完成!</translation>
    </message>
    <message>
        <source>Finished Sample measurement!</source>
        <translation>试样测量完成!</translation>
    </message>
    <message>
        <source>Succeed to upload instrument data!</source>
        <translation>仪器数据上传成功!</translation>
    </message>
    <message>
        <source>Send success!</source>
        <translation>发送成功!</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Send success, in the instrument name is</source>
        <translation>发送成功，在仪器中的名称为</translation>
    </message>
    <message>
        <source>Get instrument info. ...</source>
        <translation>正在获取仪器信息...</translation>
    </message>
    <message>
        <source>Type measurement ...</source>
        <translation>正在测量标样...</translation>
    </message>
    <message>
        <source>Sample measurement ...</source>
        <translation>正在测量试样...</translation>
    </message>
    <message>
        <source>White calibration ...</source>
        <translation>正在进行白板校准...</translation>
    </message>
    <message>
        <source>Black calibration ...</source>
        <translation>正在进行黑板校准...</translation>
    </message>
    <message>
        <source>White calibration success!</source>
        <translation>白板校准成功!</translation>
    </message>
    <message>
        <source>Black calibration success!</source>
        <translation>黑板校准成功!</translation>
    </message>
    <message>
        <source>White calibration failed!</source>
        <translation>白板校准失败!</translation>
    </message>
    <message>
        <source>Black calibration failed!</source>
        <translation>黑板校准失败!</translation>
    </message>
    <message>
        <source>Whiteness/Yellowness measurement ...</source>
        <translation>正在测量白度/黄度...</translation>
    </message>
    <message>
        <source>Upload instrument data to PC ...</source>
        <translation>正在上传仪器数据到电脑...</translation>
    </message>
    <message>
        <source>Upload incomplete: the instrument stopped answering after %1 records.</source>
        <translation>上传未完成：仪器在传输 %1 条记录后停止响应。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The Type data are incomplete; nothing is sent.</source>
        <translation>标样数据不完整，未发送。</translation>
    </message>
    <message>
        <source>Send Failed!</source>
        <translation>发送失败!</translation>
    </message>
    <message>
        <source>Data is exported to excel...</source>
        <translation>正在导出数据到Excel...</translation>
    </message>
    <message>
        <source>Export completed!</source>
        <translation>导出完成!</translation>
    </message>
    <message>
        <source>Info.:</source>
        <translation>信息:</translation>
    </message>
    <message>
        <source>Connection to the instrument lost; the measurement was abandoned.</source>
        <translation>与仪器的连接已断开，本次测量已放弃。</translation>
    </message>
    <message>
        <source>Upload incomplete: the instrument sent more records than it can store (%1).</source>
        <translation>上传未完成：仪器发送的记录超过其存储容量（%1）。</translation>
    </message>
    <message>
        <source>Please wait until the upload has finished.</source>
        <translation>请等待上传完成。</translation>
    </message>
    <message>
        <source>No answer to the whiteness/yellowness measurement!</source>
        <translation>白度/黄度测量无应答!</translation>
    </message>
</context>
<context>
    <name>writeTRk</name>
    <message>
        <source>Type Data Input</source>
        <translation>标样数据输入</translation>
    </message>
    <message>
        <source>Color Space:</source>
        <translation>颜色空间:</translation>
    </message>
    <message>
        <source>Standard Light Source:</source>
        <translation>标准光源:</translation>
    </message>
    <message>
        <source>Containing Light Mode:</source>
        <translation>包含镜面光方式:</translation>
    </message>
    <message>
        <source>Caliber:</source>
        <translation>口径:</translation>
    </message>
    <message>
        <source>Single/Average Measurement:</source>
        <translation>单次/平均测量:</translation>
    </message>
    <message>
        <source>Input to instrument</source>
        <translation>输入到仪器</translation>
    </message>
    <message>
        <source>input to software</source>
        <translation>输入到软件</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 必须是 %2 到 %3 之间的整数。</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3 with at most two decimals.</source>
        <translation>%1 必须是 %2 到 %3 之间、最多两位小数的数值。</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No light source or light mode to send; nothing is sent.</source>
        <translation>没有可发送的光源或包含镜面光方式，未发送任何数据。</translation>
    </message>
</context>
</TS>
