<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindows</name>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>Exit software!</source>
        <translation>退出软件!</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Measuring Setting</source>
        <translation>测量设置(&amp;M)</translation>
    </message>
    <message>
        <source>Set measuring conditions!</source>
        <translation>设置测量条件!</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>&amp;Tolerance Setting</source>
        <translation>容差设置(&amp;T)</translation>
    </message>
    <message>
        <source>Set tolerance standard!</source>
        <translation>设置容差标准!</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Average Measurement</source>
        <translation>平均测量(&amp;A)</translation>
    </message>
    <message>
        <source>Set average measurement!</source>
        <translation>设置平均测量!</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>English!</source>
        <translation>English!</translation>
    </message>
    <message>
        <source>&amp;中文简体</source>
        <translation>&amp;中文简体</translation>
    </message>
    <message>
        <source>中文简体!</source>
        <translation>中文简体!</translation>
    </message>
    <message>
        <source>&amp;中文繁體</source>
        <translation>&amp;中文繁體</translation>
    </message>
    <message>
        <source>中文繁體!</source>
        <translation>中文繁體!</translation>
    </message>
    <message>
        <source>&amp;Whiteness/Yellowness Measurement</source>
        <translation>白度/黄度测量(&amp;W)</translation>
    </message>
    <message>
        <source>Whiteness/Yellowness measurement!</source>
        <translation>白度/黄度测量!</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>About QCM</source>
        <translation>关于 QCM</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Operate</source>
        <translation>操作(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Calibration</source>
        <translation>校准(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Measurement</source>
        <translation>测量(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Data Transmission</source>
        <translation>数据传输(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Type library</source>
        <translation>标样库(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>&lt;h2&gt;QCM 1.0&lt;/h2&gt;&lt;p&gt;Colour quality control for the hand-held colorimeter: measure Types and Samples, judge colour differences, plot trends, keep colour libraries, print reports and export workbooks.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;QCM 1.0&lt;/h2&gt;&lt;p&gt;手持式色差仪的颜色品质控制软件：测量标样与试样、判定色差、绘制趋势图、管理颜色数据库、打印报告并导出工作簿。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Succeed to set tolerance.</source>
        <translation>容差设置成功。</translation>
    </message>
    <message>
        <source>Succeed to set printing info.</source>
        <translation>打印信息设置成功。</translation>
    </message>
    <message>
        <source>Set measuring conditions successfully!</source>
        <translation>测量条件设置成功!</translation>
    </message>
    <message>
        <source>Set Single/Average Measurement successfully!</source>
        <translation>单次/平均测量设置成功!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Setting up the main window...</source>
        <translation>正在建立主窗口...</translation>
    </message>
    <message>
        <source>loading modules...</source>
        <translation>正在加载模块...</translation>
    </message>
</context>
<context>
    <name>historyKeeper</name>
    <message>
        <source>%1 records wait</source>
        <translation>%1 条记录等待上传</translation>
    </message>
    <message>
        <source>Records of the measurement history wait to be sent.</source>
        <translation>测量历史的记录正在等待发送。</translation>
    </message>
</context>
<context>
    <name>instrumentDisplay</name>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>connected to instrument:</source>
        <translation>已连接仪器:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Instrument and computer disconnected!</source>
        <translation>仪器与电脑已断开连接!</translation>
    </message>
</context>
<context>
    <name>mainLayout</name>
    <message>
        <source>Measuring Parameters</source>
        <translation>测量参数</translation>
    </message>
    <message>
        <source>Color Difference Changing Graph</source>
        <translation>色差变化图</translation>
    </message>
    <message>
        <source>Color Difference Deflection</source>
        <translation>色差偏向</translation>
    </message>
</context>
</TS>
