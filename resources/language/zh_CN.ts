<?xml version='1.0' encoding='utf-8'?>
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
        <source>New Measurement</source>
        <translation>新建测量</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
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
        <source>Language</source>
        <translation>语言</translation>
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
        <source>Disconnected</source>
        <translation>未连接</translation>
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
        <source>connected to instrument:</source>
        <translation>已连接仪器:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Instrument and computer disconnected!</source>
        <translation>仪器与电脑已断开连接!</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Measuring Name:</source>
        <translation>测量名：</translation>
    </message>
    <message>
        <source>Do you want white calibration?</source>
        <translation>是否进行白板校准?</translation>
    </message>
    <message>
        <source>Do you want black calibration?</source>
        <translation>是否进行黑板校准?</translation>
    </message>
    <message>
        <source>files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>QCM</source>
        <translation>QCM</translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation>无法写入文件</translation>
    </message>
    <message>
        <source>Cannot read file</source>
        <translation>无法读取文件</translation>
    </message>
    <message>
        <source>The file is not a qcm file.</source>
        <translation>该文件不是 qcm 文件。</translation>
    </message>
    <message>
        <source>Loading file ... </source>
        <translation>正在加载文件... </translation>
    </message>
    <message>
        <source>Loaded finished</source>
        <translation>加载完成</translation>
    </message>
    <message>
        <source>Untitled [*]</source>
        <translation>未命名 [*]</translation>
    </message>
    <message>
        <source>Color Software QCM  </source>
        <translation>色差软件 QCM  </translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>文档已修改。
是否保存更改?</translation>
    </message>
    <message>
        <source>File saved</source>
        <translation>文件已保存</translation>
    </message>
    <message>
        <source>Saving canceled</source>
        <translation>已取消保存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>File loaded</source>
        <translation>文件已加载</translation>
    </message>
    <message>
        <source>Loading canceled</source>
        <translation>已取消加载</translation>
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
    <name>conditionCheck</name>
    <message>
        <source>Please change in measurement setup if light sources don’t 
agree with Type!</source>
        <translation>光源与标样不一致，
请在测量设置中更改!</translation>
    </message>
    <message>
        <source>Please use caliber consistent with standard instrument if caliber 
don’t agree with Type measuring conditions!</source>
        <translation>口径与标样测量条件不一致，
请使用与标样一致的口径!</translation>
    </message>
    <message>
        <source>Please change in measurement setup if containing light mode 
is not consistent with Type measurement conditions!</source>
        <translation>镜面光方式与标样测量条件不一致，
请在测量设置中更改!</translation>
    </message>
    <message>
        <source>Please change in measurement setup if color splace is not 
consistent with Type measurement conditions!</source>
        <translation>颜色空间与标样测量条件不一致，
请在测量设置中更改!</translation>
    </message>
    <message>
        <source>Please use illumination consistent instrument if illumination 
don’t agree with Type measuring conditions!</source>
        <translation>照明方式与标样测量条件不一致，
请使用照明方式一致的仪器!</translation>
    </message>
    <message>
        <source>Please use observer consistent with instrument if observer 
don’t agree with Type!</source>
        <translation>观察者与标样不一致，
请使用观察者一致的仪器!</translation>
    </message>
    <message>
        <source>Please change in measurement setup if average measurement settings 
are not consistent with Type measurement conditions!</source>
        <translation>平均测量设置与标样测量条件不一致，
请在测量设置中更改!</translation>
    </message>
</context>
<context>
    <name>infoPanelRk</name>
    <message>
        <source>Standard Light Source</source>
        <translation>标准光源</translation>
    </message>
    <message>
        <source>Illumination Method</source>
        <translation>照明方式</translation>
    </message>
    <message>
        <source>Color Space</source>
        <translation>颜色空间</translation>
    </message>
    <message>
        <source>Color Difference Formula</source>
        <translation>色差公式</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>观察者</translation>
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
        <source>Single/Average Measurement</source>
        <translation>单次/平均测量</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>Measurement Person</source>
        <translation>测量人员</translation>
    </message>
    <message>
        <source>Product Tested</source>
        <translation>被测产品</translation>
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
        <source>Color Difference Value</source>
        <translation>色差值</translation>
    </message>
    <message>
        <source>Deflection</source>
        <translation>偏向</translation>
    </message>
    <message>
        <source>Judging Result</source>
        <translation>判定结果</translation>
    </message>
    <message>
        <source>Measuring Time</source>
        <translation>测量时间</translation>
    </message>
</context>
<context>
    <name>judgement</name>
    <message>
        <source>White+ Black-</source>
        <translation>偏白 欠黑</translation>
    </message>
    <message>
        <source>Red+ Green-</source>
        <translation>偏红 欠绿</translation>
    </message>
    <message>
        <source>Yellow+ Blue-</source>
        <translation>偏黄 欠蓝</translation>
    </message>
    <message>
        <source>Black+ White-</source>
        <translation>偏黑 欠白</translation>
    </message>
    <message>
        <source>Green+ Red-</source>
        <translation>偏绿 欠红</translation>
    </message>
    <message>
        <source>Blue+ Yellow-</source>
        <translation>偏蓝 欠黄</translation>
    </message>
    <message>
        <source>Supersaturation</source>
        <translation>饱和度偏高</translation>
    </message>
    <message>
        <source>Hue+</source>
        <translation>色相偏大</translation>
    </message>
    <message>
        <source>Undersaturation</source>
        <translation>饱和度偏低</translation>
    </message>
    <message>
        <source>Hue-</source>
        <translation>色相偏小</translation>
    </message>
    <message>
        <source>White+ black-</source>
        <translation>偏白 欠黑</translation>
    </message>
    <message>
        <source>Red+ green-</source>
        <translation>偏红 欠绿</translation>
    </message>
    <message>
        <source>Yellow+ blue-</source>
        <translation>偏黄 欠蓝</translation>
    </message>
    <message>
        <source>Black+ white-</source>
        <translation>偏黑 欠白</translation>
    </message>
    <message>
        <source>Green+ red-</source>
        <translation>偏绿 欠红</translation>
    </message>
    <message>
        <source>Blue+ yellow-</source>
        <translation>偏蓝 欠黄</translation>
    </message>
    <message>
        <source>White+ </source>
        <translation>偏白 </translation>
    </message>
    <message>
        <source>Red+ </source>
        <translation>偏红 </translation>
    </message>
    <message>
        <source>Yellow+ </source>
        <translation>偏黄 </translation>
    </message>
    <message>
        <source>Black+ </source>
        <translation>偏黑 </translation>
    </message>
    <message>
        <source>Green+ </source>
        <translation>偏绿 </translation>
    </message>
    <message>
        <source>Blue+ </source>
        <translation>偏蓝 </translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>不合格</translation>
    </message>
</context>
<context>
    <name>measurementTreeRk</name>
    <message>
        <source>Instrument Model</source>
        <translation>仪器型号</translation>
    </message>
    <message>
        <source>Wavelength Range</source>
        <translation>波长范围</translation>
    </message>
    <message>
        <source>Standard Light Source</source>
        <translation>标准光源</translation>
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
        <source>Color Space</source>
        <translation>颜色空间</translation>
    </message>
    <message>
        <source>Color Difference Formula</source>
        <translation>色差公式</translation>
    </message>
    <message>
        <source>Type Capacity</source>
        <translation>标样容量</translation>
    </message>
    <message>
        <source>Sample Capacity</source>
        <translation>试样容量</translation>
    </message>
    <message>
        <source>Single/Average Measurement</source>
        <translation>单次/平均测量</translation>
    </message>
    <message>
        <source>Measurement Name</source>
        <translation>测量名称</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Print Time</source>
        <translation>打印时间</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>Measurement Person</source>
        <translation>测量人员</translation>
    </message>
    <message>
        <source>Product Tested</source>
        <translation>被测产品</translation>
    </message>
    <message>
        <source>New Measurement</source>
        <translation>新建测量</translation>
    </message>
    <message>
        <source>Measurement Name:New Measurement</source>
        <translation>测量名：新建测量</translation>
    </message>
    <message>
        <source>Instrument Info.</source>
        <translation>仪器信息</translation>
    </message>
    <message>
        <source>Software Info.</source>
        <translation>软件信息</translation>
    </message>
    <message>
        <source>Measuring Parameters</source>
        <translation>测量参数</translation>
    </message>
    <message>
        <source>Current Tolerance</source>
        <translation>当前容差</translation>
    </message>
    <message>
        <source>Print Info.</source>
        <translation>打印信息</translation>
    </message>
    <message>
        <source>Measuring Name:</source>
        <translation>测量名：</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>标样</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>试样</translation>
    </message>
</context>
<context>
    <name>readingRecorderRk</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Unfinished sample average measurement is unfinished, 
continue to click "Yes", cancel to click "No"!</source>
        <translation>平均测量尚未完成，
继续请点击“是”，取消请点击“否”!</translation>
    </message>
    <message>
        <source>Please measure Type firstly!</source>
        <translation>请先测量标样!</translation>
    </message>
</context>
<context>
    <name>serialPortRk</name>
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
        <source>The light mode "%1" has no instrument code; nothing is sent.</source>
        <translation>镜面光方式“%1”没有对应的仪器代码，未发送。</translation>
    </message>
    <message>
        <source>The light source "%1" has no instrument code; nothing is sent.</source>
        <translation>光源“%1”没有对应的仪器代码，未发送。</translation>
    </message>
    <message>
        <source>Request 0x%1 is not a measurement request.</source>
        <translation>请求 0x%1 不是测量请求。</translation>
    </message>
    <message>
        <source>The caliber "%1" has no instrument code; nothing is sent.</source>
        <translation>口径“%1”没有对应的仪器代码，未发送。</translation>
    </message>
    <message>
        <source>%1 readings per average do not fit the request; nothing is sent.</source>
        <translation>平均次数 %1 超出请求范围，未发送。</translation>
    </message>
</context>
</TS>