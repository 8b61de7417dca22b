<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindows</name>
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
        <source>Export to &amp;CSV…</source>
        <translation>导出为 &amp;CSV…</translation>
    </message>
    <message>
        <source>Data export to CSV!</source>
        <translation>数据导出到CSV!</translation>
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
        <source>Export to CGATS…</source>
        <translation>导出为 CGATS…</translation>
    </message>
    <message>
        <source>Data export to a CGATS text file!</source>
        <translation>数据导出到 CGATS 文本文件!</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>统计(&amp;T)…</translation>
    </message>
    <message>
        <source>Figures, capability and control limits of the pressed Type!</source>
        <translation>所选标样的统计数字、过程能力和控制限！</translation>
    </message>
</context>
<context>
    <name>cgatsExport</name>
    <message>
        <source>%1: its coordinates in %2 cannot be given as L*a*b*.</source>
        <translation>%1：其 %2 坐标无法表示为 L*a*b*。</translation>
    </message>
</context>
<context>
    <name>checkExportToExcelRk</name>
    <message>
        <source>Data Export</source>
        <translation>数据导出</translation>
    </message>
    <message>
        <source>Data Export to CSV</source>
        <translation>数据导出到 CSV</translation>
    </message>
    <message>
        <source>Data Export to Excel</source>
        <translation>数据导出到 Excel</translation>
    </message>
    <message>
        <source>Measuring Conditions</source>
        <translation>测量条件</translation>
    </message>
    <message>
        <source>Measuring Info.</source>
        <translation>测量信息</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>exportCommand</name>
    <message>
        <source>QCM</source>
        <translation>QCM</translation>
    </message>
    <message>
        <source>Data is exported to CSV...</source>
        <translation>正在导出数据到CSV...</translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation>导出失败!</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>无法写入文件 %1：
%2。</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>File has been exported, is it open now?</source>
        <translation>文件已导出，现在打开吗？</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>无法打开文件 %1。</translation>
    </message>
    <message>
        <source>CGATS File(*.txt)</source>
        <translation>CGATS 文件(*.txt)</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Check the Types and Samples to export first.</source>
        <translation>请先勾选要导出的标样和试样。</translation>
    </message>
    <message>
        <source>Data is exported to CGATS...</source>
        <translation>正在导出数据到CGATS...</translation>
    </message>
    <message>
        <source>Items left out of %1 (%2):
%3</source>
        <translation>%1 中略去的项目（%2 个）：
%3</translation>
    </message>
</context>
<context>
    <name>exportFields</name>
    <message>
        <source>Instrument Model</source>
        <translation>仪器型号</translation>
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
        <source>Single/Average Measurement</source>
        <translation>单次/平均测量</translation>
    </message>
    <message>
        <source>Measurement Times</source>
        <translation>测量次数</translation>
    </message>
    <message>
        <source>Measuring Time</source>
        <translation>测量时间</translation>
    </message>
    <message>
        <source>Current Tolerance</source>
        <translation>当前容差</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>容差</translation>
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
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Color Difference Value</source>
        <translation>色差值</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类别</translation>
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
        <source>Value %1</source>
        <translation>数值 %1</translation>
    </message>
    <message>
        <source>%1 Deviation</source>
        <translation>%1 偏差</translation>
    </message>
    <message>
        <source>Judging Result</source>
        <translation>判定结果</translation>
    </message>
    <message>
        <source>Text cut to fit the cell: %1 of its %2 characters are kept.</source>
        <translation>文字超出单元格容量，已截断：保留 %2 个字符中的 %1 个。</translation>
    </message>
</context>
<context>
    <name>printMsgConfigRk</name>
    <message>
        <source>Print Information</source>
        <translation>打印信息</translation>
    </message>
    <message>
        <source>Print Info. Setting</source>
        <translation>打印信息设置</translation>
    </message>
    <message>
        <source>Measurement Name:</source>
        <translation>测量名称：</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>公司：</translation>
    </message>
    <message>
        <source>Print Time:</source>
        <translation>打印时间：</translation>
    </message>
    <message>
        <source>Department:</source>
        <translation>部门：</translation>
    </message>
    <message>
        <source>Measurement Person:</source>
        <translation>测量人员：</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>产品：</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
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
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Info. Saved!</source>
        <translation>信息已保存！</translation>
    </message>
</context>
<context>
    <name>printRk</name>
    <message>
        <source>Print Report Format Selection</source>
        <translation>打印报告格式选择</translation>
    </message>
    <message>
        <source>Color Difference Test Report 1</source>
        <translation>色差检测报告 1</translation>
    </message>
    <message>
        <source>Color Difference Test Report 2</source>
        <translation>色差检测报告 2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Not selected, please select at least one record!</source>
        <translation>未选择，请至少选择一条记录！</translation>
    </message>
    <message>
        <source>Not selected, please select at least one Sample!</source>
        <translation>未选择，请至少选择一个试样！</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>标样</translation>
    </message>
    <message>
        <source>Color Space</source>
        <translation>颜色空间</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>观察者</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>照明方式</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>口径</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>镜面光</translation>
    </message>
    <message>
        <source>TestTimes</source>
        <translation>测量次数</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>试样</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>色差公式</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>容差</translation>
    </message>
    <message>
        <source>Judge</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>signature:</source>
        <translation>签名：</translation>
    </message>
    <message>
        <source>Print Time:</source>
        <translation>打印时间：</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>测量名称</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>仪器型号</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>差值</translation>
    </message>
    <message>
        <source>Bias</source>
        <translation>偏向</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Test Time</source>
        <translation>测量时间</translation>
    </message>
    <message>
        <source>Value </source>
        <translation>色差值 </translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Red+ </source>
        <translation>偏红 </translation>
    </message>
    <message>
        <source>Red- </source>
        <translation>欠红 </translation>
    </message>
    <message>
        <source>Black- White+ </source>
        <translation>欠黑 偏白 </translation>
    </message>
    <message>
        <source>White- Black+ </source>
        <translation>欠白 偏黑 </translation>
    </message>
    <message>
        <source>Supersaturation</source>
        <translation>饱和度偏高</translation>
    </message>
    <message>
        <source>Undersaturation</source>
        <translation>饱和度偏低</translation>
    </message>
    <message>
        <source>Green+ </source>
        <translation>偏绿 </translation>
    </message>
    <message>
        <source>Green- </source>
        <translation>欠绿 </translation>
    </message>
    <message>
        <source>Green- Red+ </source>
        <translation>欠绿 偏红 </translation>
    </message>
    <message>
        <source>Red- Green+ </source>
        <translation>欠红 偏绿 </translation>
    </message>
    <message>
        <source>Hue+ </source>
        <translation>色相偏大 </translation>
    </message>
    <message>
        <source>Hue- </source>
        <translation>色相偏小 </translation>
    </message>
    <message>
        <source>Blue+ </source>
        <translation>偏蓝 </translation>
    </message>
    <message>
        <source>Blue- </source>
        <translation>欠蓝 </translation>
    </message>
    <message>
        <source>Blue- Yellow+ </source>
        <translation>欠蓝 偏黄 </translation>
    </message>
    <message>
        <source>Yellow- Blue+</source>
        <translation>欠黄 偏蓝</translation>
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
        <source>Measurer</source>
        <translation>测量人员</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>测量名称</translation>
    </message>
    <message>
        <source>Signature:</source>
        <translation>签名：</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be started.</source>
        <translation>无法打印报告：打印机无法启动。</translation>
    </message>
    <message>
        <source>The report could not be printed: page %1 could not be added.</source>
        <translation>无法打印报告：无法添加第 %1 页。</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer reported an error.</source>
        <translation>无法打印报告：打印机报告了错误。</translation>
    </message>
</context>
<context>
    <name>statisticsDialog</name>
    <message>
        <source>Press a Type or one of its Samples in the tree.</source>
        <translation>请在树中点选一个标样或它的一个试样。</translation>
    </message>
    <message>
        <source>Statistics of %1</source>
        <translation>%1 的统计</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
</context>
<context>
    <name>statisticsTable</name>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Std. dev.</source>
        <translation>标准差</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Cpk</source>
        <translation>Cpk</translation>
    </message>
    <message>
        <source>LCL</source>
        <translation>LCL</translation>
    </message>
    <message>
        <source>UCL</source>
        <translation>UCL</translation>
    </message>
    <message>
        <source>Pass rate: %1 % (%2 of %3 Samples pass)</source>
        <translation>合格率：%1 %（%3 个试样中 %2 个合格）</translation>
    </message>
    <message>
        <source>No Samples</source>
        <translation>没有试样</translation>
    </message>
    <message>
        <source>Samples beyond the control limits of ΔE: %1</source>
        <translation>超出 ΔE 控制限的试样：%1</translation>
    </message>
    <message>
        <source>Samples outside the 95 % control ellipse: %1</source>
        <translation>位于 95 % 控制椭圆之外的试样：%1</translation>
    </message>
    <message>
        <source>The control ellipse needs %1 Samples.</source>
        <translation>控制椭圆需要 %1 个试样。</translation>
    </message>
</context>
<context>
    <name>workbookPackage</name>
    <message>
        <source>the workbook came out incomplete (%1)</source>
        <translation>工作簿写入不完整（%1）</translation>
    </message>
</context>
</TS>
