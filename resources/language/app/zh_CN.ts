<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindows</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>New measuring file!</source>
        <translation>新建测量文件!</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Open file!</source>
        <translation>打开文件!</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save file!</source>
        <translation>保存文件!</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>File saved to ...</source>
        <translation>文件另存为...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>Print file!</source>
        <translation>打印文件!</translation>
    </message>
    <message>
        <source>&amp;Export to excel</source>
        <translation>导出到Excel(&amp;E)</translation>
    </message>
    <message>
        <source>Data export to excel!</source>
        <translation>数据导出到Excel!</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
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
        <source>&amp;White Calibration</source>
        <translation>白板校准(&amp;W)</translation>
    </message>
    <message>
        <source>Instrument white calibration!</source>
        <translation>仪器白板校准!</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Black Calibration</source>
        <translation>黑板校准(&amp;B)</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
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
        <source>&amp;Printing Info. Setting</source>
        <translation>打印信息设置(&amp;P)</translation>
    </message>
    <message>
        <source>Configurate software parameters!</source>
        <translation>配置软件参数!</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
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
        <source>&amp;Type Measurement</source>
        <translation>标样测量(&amp;T)</translation>
    </message>
    <message>
        <source>Type measure!</source>
        <translation>测量标样!</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>&amp;Sample Measurement</source>
        <translation>试样测量(&amp;S)</translation>
    </message>
    <message>
        <source>Sample measure!</source>
        <translation>测量试样!</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>&amp;Measurement Button</source>
        <translation>测量按钮(&amp;M)</translation>
    </message>
    <message>
        <source>Active measurement button!</source>
        <translation>启用测量按钮!</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>&amp;Manually Type Writing</source>
        <translation>手动输入标样(&amp;M)</translation>
    </message>
    <message>
        <source>Manually input Type data!</source>
        <translation>手动输入标样数据!</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
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
        <source>&amp;Instrument Data Transmit PC</source>
        <translation>仪器数据传输到电脑(&amp;I)</translation>
    </message>
    <message>
        <source>stored data in instrument transmit PC</source>
        <translation>将仪器中存储的数据传输到电脑</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
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
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>About QCM</source>
        <translation>关于 QCM</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <source>Measurement/Type/sample rename!</source>
        <translation>测量/标样/试样重命名!</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Quick Search</source>
        <translation>快速查找(&amp;Q)</translation>
    </message>
    <message>
        <source>Type/sample quick search!</source>
        <translation>标样/试样快速查找!</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Select All/Select Invert</source>
        <translation>全选/反选(&amp;S)</translation>
    </message>
    <message>
        <source>Select all item</source>
        <translation>选择全部项目</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item</source>
        <translation>删除选中项(&amp;D)</translation>
    </message>
    <message>
        <source>Delete selected item!</source>
        <translation>删除选中项!</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>&amp;Delete All Sample of The Type</source>
        <translation>删除该标样的全部试样(&amp;D)</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
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
        <source>&amp;Item Set As A New Type</source>
        <translation>设为新标样(&amp;I)</translation>
    </message>
    <message>
        <source>The selected item is set as a new Type!</source>
        <translation>将选中项设为新标样!</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Item Set As A New Sample of The Checked Type</source>
        <translation>设为勾选标样的新试样(&amp;I)</translation>
    </message>
    <message>
        <source>The selected item is set as a new sample of the checked Type!</source>
        <translation>将选中项设为勾选标样的新试样!</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
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
        <source>Export to &amp;CSV…</source>
        <translation>导出为 &amp;CSV…</translation>
    </message>
    <message>
        <source>Data export to CSV!</source>
        <translation>数据导出到CSV!</translation>
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
    <message>
        <source>Export to CGATS…</source>
        <translation>导出为 CGATS…</translation>
    </message>
    <message>
        <source>Data export to a CGATS text file!</source>
        <translation>数据导出到 CGATS 文本文件!</translation>
    </message>
    <message>
        <source>Import CGATS as Types…</source>
        <translation>导入 CGATS 为标样…</translation>
    </message>
    <message>
        <source>Colours of a CGATS text file as new Types!</source>
        <translation>将 CGATS 文本文件中的颜色作为新标样!</translation>
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
