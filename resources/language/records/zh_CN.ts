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
        <source>Import CGATS as Types…</source>
        <translation>导入 CGATS 为标样…</translation>
    </message>
    <message>
        <source>Colours of a CGATS text file as new Types!</source>
        <translation>将 CGATS 文本文件中的颜色作为新标样!</translation>
    </message>
</context>
<context>
    <name>cgatsTypeImport</name>
    <message>
        <source>CGATS files (*.txt *.cgats *.it8);;All files (*)</source>
        <translation>CGATS 文件 (*.txt *.cgats *.it8);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Import CGATS as Types</source>
        <translation>导入 CGATS 为标样</translation>
    </message>
    <message>
        <source>QCM</source>
        <translation>QCM</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>无法读取文件 %1：
%2。</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>无法导入 %1。
%2</translation>
    </message>
    <message>
        <source>Colours of %1 imported as Types: %2. Not everything could be read:
%3</source>
        <translation>从 %1 导入为标样的颜色：%2 个。部分内容未能读取：
%3</translation>
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
    <name>fastFindRk</name>
    <message>
        <source>quick search</source>
        <translation>快速搜索</translation>
    </message>
    <message>
        <source> key word:</source>
        <translation> 关键字:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>search all items!</source>
        <translation>已搜索全部项目！</translation>
    </message>
</context>
<context>
    <name>infoPanelRk</name>
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
    <name>itemOperationsRk</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>There is no selected item!</source>
        <translation>没有勾选的项目！</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Do you want to delete the selected?</source>
        <translation>是否删除勾选的项目？</translation>
    </message>
    <message>
        <source>Have been removed by the options!</source>
        <translation>已删除勾选的项目！</translation>
    </message>
    <message>
        <source>Delete all samples under the Type</source>
        <translation>删除该标样下的所有试样</translation>
    </message>
    <message>
        <source>No measurement/Type/sample selected!</source>
        <translation>未选中测量、标样或试样！</translation>
    </message>
    <message>
        <source>The name must not be empty!</source>
        <translation>名称不能为空！</translation>
    </message>
    <message>
        <source>Name existed, please rename!</source>
        <translation>名称已存在，请重新命名！</translation>
    </message>
    <message>
        <source>Name and software name conflicting!</source>
        <translation>名称与软件自动命名冲突！</translation>
    </message>
    <message>
        <source>Rename Successfully</source>
        <translation>重命名成功</translation>
    </message>
    <message>
        <source>Search Finished</source>
        <translation>搜索完成</translation>
    </message>
    <message>
        <source>No Type, Sample is selected!</source>
        <translation>未选中标样或试样！</translation>
    </message>
</context>
<context>
    <name>itemRenameRk</name>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
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
    <name>measurementRoad</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Do you want white calibration?</source>
        <translation>是否进行白板校准?</translation>
    </message>
    <message>
        <source>Do you want black calibration?</source>
        <translation>是否进行黑板校准?</translation>
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
        <source>Type</source>
        <translation>标样</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>试样</translation>
    </message>
    <message>
        <source>Measuring Name:</source>
        <translation>测量名：</translation>
    </message>
</context>
<context>
    <name>measuringDocument</name>
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
    <message>
        <source>Please wait until the upload has finished.</source>
        <translation>请等待上传完成。</translation>
    </message>
    <message>
        <source>Records left without their Type, not loaded (the file may have been cut short): %1.</source>
        <translation>缺少所属标样、未能载入的记录（文件可能被截断）：%1 条。</translation>
    </message>
    <message>
        <source>Several Types share a name and each receives the Samples naming it; copies beyond %1 are not made. Samples not loaded: %2.</source>
        <translation>多个标样同名，每个标样都会收到指向该名称的试样；超过 %1 份的副本不再生成。未载入的试样：%2 个。</translation>
    </message>
</context>
<context>
    <name>measuringJournal</name>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>Every journal in %1 is in use.</source>
        <translation>%1 中的所有日志都在使用中。</translation>
    </message>
    <message>
        <source>QCM</source>
        <translation>QCM</translation>
    </message>
    <message>
        <source>Unsaved measurements cannot be protected against a crash:
%1</source>
        <translation>未保存的测量数据无法在程序崩溃时得到保护：
%1</translation>
    </message>
    <message>
        <source>an untitled measurement</source>
        <translation>未命名的测量</translation>
    </message>
    <message>
        <source>QCM was not closed properly. %1 Types and Samples of %2, as they were on %3, were not saved.
Do you want to restore them?</source>
        <translation>QCM 上次未正常关闭。%2 中的 %1 个标样和试样（截至 %3）尚未保存。
是否恢复？</translation>
    </message>
    <message>
        <source>The last change before the crash could not be read.</source>
        <translation>崩溃前的最后一项更改无法读取。</translation>
    </message>
    <message>
        <source>QCM cannot write in the folder %1.</source>
        <translation>QCM 无法在文件夹 %1 中写入。</translation>
    </message>
    <message>
        <source>The unsaved measurements could not be set aside (%1). They stay in %2 and are offered again at the next start.</source>
        <translation>未保存的测量无法另行保存（%1）。它们仍保留在 %2 中，下次启动时将再次提供恢复。</translation>
    </message>
    <message>
        <source>%1 now holds %2 Types and Samples: saving the restored ones under its name would replace them with fewer.</source>
        <translation>%1 现有 %2 个标样和试样：以该文件名保存恢复的测量，将以较少的项目替换它们。</translation>
    </message>
    <message>
        <source>If you do not restore them, they are kept in %1.</source>
        <translation>如果不恢复，它们将保留在 %1 中。</translation>
    </message>
    <message>
        <source>Unsaved measurements are no longer protected against a crash: the journal %1 cannot be written (%2).
QCM tries again as long as it runs; make room on that disk, and save the measurement.</source>
        <translation>未保存的测量不再受崩溃保护：无法写入日志 %1（%2）。
QCM 运行期间会不断重试；请在该磁盘上腾出空间，并保存测量。</translation>
    </message>
    <message>
        <source>Not protected against a crash</source>
        <translation>未受崩溃保护</translation>
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
continue to click &quot;Yes&quot;, cancel to click &quot;No&quot;!</source>
        <translation>平均测量尚未完成，
继续请点击“是”，取消请点击“否”!</translation>
    </message>
    <message>
        <source>Please measure Type firstly!</source>
        <translation>请先测量标样!</translation>
    </message>
    <message>
        <source>%1 is an unfinished average measurement begun under other measuring conditions: all its readings share the conditions of the first one.
Set them back to finish it, or delete it.</source>
        <translation>%1 是未完成的平均测量，开始于其他测量条件下：它的所有读数都沿用第一次读数的条件。
请改回原条件以完成它，或删除它。</translation>
    </message>
    <message>
        <source>%1 is an unfinished average measurement (%2 of %3 readings): all its readings share the light source, light mode and colour space of the first one.
Finish it, or delete it, before changing them.</source>
        <translation>%1 是未完成的平均测量（已测 %2 次，共 %3 次）：它的所有读数都沿用第一次读数的光源、含光模式和色空间。
请先完成或删除它，再更改这些条件。</translation>
    </message>
</context>
<context>
    <name>sharedState</name>
    <message>
        <source>New Measurement</source>
        <translation>新建测量</translation>
    </message>
</context>
<context>
    <name>testRk</name>
    <message>
        <source>Stop Sample measurement</source>
        <translation>停止试样测量</translation>
    </message>
    <message>
        <source>Auto Sample measurement</source>
        <translation>自动试样测量</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测量</translation>
    </message>
    <message>
        <source>Type measurement</source>
        <translation>标样测量</translation>
    </message>
    <message>
        <source>Sample measurement</source>
        <translation>试样测量</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>间隔:</translation>
    </message>
    <message>
        <source>second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Connection to the instrument lost; the automatic Sample measurement was stopped.</source>
        <translation>与仪器的连接已断开，自动试样测量已停止。</translation>
    </message>
</context>
<context>
    <name>uploadRecorderRk</name>
    <message>
        <source>An upload is already running.</source>
        <translation>上传正在进行中。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>No instrument information!</source>
        <translation>没有仪器信息！</translation>
    </message>
    <message>
        <source>Please finish the measurement under way before uploading!</source>
        <translation>请先完成正在进行的测量再上传！</translation>
    </message>
    <message>
        <source>Upload all the data to your computer?</source>
        <translation>是否将所有数据上传到电脑？</translation>
    </message>
    <message>
        <source>Uploaded %1 Types and %2 Samples; %3 Samples without a Type were dropped.</source>
        <translation>已上传 %1 个标样和 %2 个试样；%3 个没有标样的试样已被丢弃。</translation>
    </message>
</context>
</TS>
