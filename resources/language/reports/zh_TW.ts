<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MainWindows</name>
    <message>
        <source>&amp;Print</source>
        <translation>列印(&amp;P)</translation>
    </message>
    <message>
        <source>Print file!</source>
        <translation>列印檔案!</translation>
    </message>
    <message>
        <source>&amp;Export to excel</source>
        <translation>匯出到Excel(&amp;E)</translation>
    </message>
    <message>
        <source>Data export to excel!</source>
        <translation>資料匯出到Excel!</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Export to &amp;CSV…</source>
        <translation>匯出為 &amp;CSV…</translation>
    </message>
    <message>
        <source>Data export to CSV!</source>
        <translation>資料匯出到CSV!</translation>
    </message>
    <message>
        <source>&amp;Printing Info. Setting</source>
        <translation>列印資訊設定(&amp;P)</translation>
    </message>
    <message>
        <source>Configurate software parameters!</source>
        <translation>設定軟體參數!</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Export to CGATS…</source>
        <translation>匯出為 CGATS…</translation>
    </message>
    <message>
        <source>Data export to a CGATS text file!</source>
        <translation>資料匯出到 CGATS 文字檔!</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>統計(&amp;T)…</translation>
    </message>
    <message>
        <source>Figures, capability and control limits of the pressed Type!</source>
        <translation>所選標樣的統計數字、製程能力和管制界限！</translation>
    </message>
</context>
<context>
    <name>cgatsExport</name>
    <message>
        <source>%1: its coordinates in %2 cannot be given as L*a*b*.</source>
        <translation>%1：其 %2 座標無法表示為 L*a*b*。</translation>
    </message>
</context>
<context>
    <name>checkExportToExcelRk</name>
    <message>
        <source>Data Export</source>
        <translation>資料匯出</translation>
    </message>
    <message>
        <source>Data Export to CSV</source>
        <translation>資料匯出到 CSV</translation>
    </message>
    <message>
        <source>Data Export to Excel</source>
        <translation>資料匯出到 Excel</translation>
    </message>
    <message>
        <source>Measuring Conditions</source>
        <translation>量測條件</translation>
    </message>
    <message>
        <source>Measuring Info.</source>
        <translation>量測資訊</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
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
        <translation>正在匯出資料到CSV...</translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation>匯出失敗!</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>無法寫入檔案 %1：
%2。</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>File has been exported, is it open now?</source>
        <translation>檔案已匯出，現在開啟嗎？</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>無法開啟檔案 %1。</translation>
    </message>
    <message>
        <source>CGATS File(*.txt)</source>
        <translation>CGATS 檔案(*.txt)</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Check the Types and Samples to export first.</source>
        <translation>請先勾選要匯出的標樣和試樣。</translation>
    </message>
    <message>
        <source>Data is exported to CGATS...</source>
        <translation>正在匯出資料到CGATS...</translation>
    </message>
    <message>
        <source>Items left out of %1 (%2):
%3</source>
        <translation>%1 中略去的項目（%2 個）：
%3</translation>
    </message>
</context>
<context>
    <name>exportFields</name>
    <message>
        <source>Instrument Model</source>
        <translation>儀器型號</translation>
    </message>
    <message>
        <source>Standard Light Source</source>
        <translation>標準光源</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>觀察者</translation>
    </message>
    <message>
        <source>Illumination Mode</source>
        <translation>照明方式</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>口徑</translation>
    </message>
    <message>
        <source>Containing Light Mode</source>
        <translation>包含鏡面光方式</translation>
    </message>
    <message>
        <source>Color Space</source>
        <translation>顏色空間</translation>
    </message>
    <message>
        <source>Color Difference Formula</source>
        <translation>色差公式</translation>
    </message>
    <message>
        <source>Single/Average Measurement</source>
        <translation>單次/平均量測</translation>
    </message>
    <message>
        <source>Measurement Times</source>
        <translation>量測次數</translation>
    </message>
    <message>
        <source>Measuring Time</source>
        <translation>量測時間</translation>
    </message>
    <message>
        <source>Current Tolerance</source>
        <translation>目前容差</translation>
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
        <translation>部門</translation>
    </message>
    <message>
        <source>Measurement Person</source>
        <translation>量測人員</translation>
    </message>
    <message>
        <source>Product Tested</source>
        <translation>受測產品</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Color Difference Value</source>
        <translation>色差值</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>類別</translation>
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
        <source>Value %1</source>
        <translation>數值 %1</translation>
    </message>
    <message>
        <source>%1 Deviation</source>
        <translation>%1 偏差</translation>
    </message>
    <message>
        <source>Judging Result</source>
        <translation>判定結果</translation>
    </message>
    <message>
        <source>Text cut to fit the cell: %1 of its %2 characters are kept.</source>
        <translation>文字超出儲存格容量，已截斷：保留 %2 個字元中的 %1 個。</translation>
    </message>
</context>
<context>
    <name>printMsgConfigRk</name>
    <message>
        <source>Print Information</source>
        <translation>列印資訊</translation>
    </message>
    <message>
        <source>Print Info. Setting</source>
        <translation>列印資訊設定</translation>
    </message>
    <message>
        <source>Measurement Name:</source>
        <translation>測量名稱：</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>公司：</translation>
    </message>
    <message>
        <source>Print Time:</source>
        <translation>列印時間：</translation>
    </message>
    <message>
        <source>Department:</source>
        <translation>部門：</translation>
    </message>
    <message>
        <source>Measurement Person:</source>
        <translation>測量人員：</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>產品：</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>資訊已儲存！</translation>
    </message>
</context>
<context>
    <name>printRk</name>
    <message>
        <source>Print Report Format Selection</source>
        <translation>列印報告格式選擇</translation>
    </message>
    <message>
        <source>Color Difference Test Report 1</source>
        <translation>色差檢測報告 1</translation>
    </message>
    <message>
        <source>Color Difference Test Report 2</source>
        <translation>色差檢測報告 2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>預覽列印</translation>
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
        <translation>未選擇，請至少選擇一筆記錄！</translation>
    </message>
    <message>
        <source>Not selected, please select at least one Sample!</source>
        <translation>未選擇，請至少選擇一個試樣！</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>標樣</translation>
    </message>
    <message>
        <source>Color Space</source>
        <translation>顏色空間</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>觀察者</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>照明方式</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>口徑</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>鏡面光</translation>
    </message>
    <message>
        <source>TestTimes</source>
        <translation>測量次數</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>試樣</translation>
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
        <translation>簽名：</translation>
    </message>
    <message>
        <source>Print Time:</source>
        <translation>列印時間：</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>測量名稱</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>儀器型號</translation>
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
        <translation>結果</translation>
    </message>
    <message>
        <source>Test Time</source>
        <translation>測量時間</translation>
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
        <translation>偏紅 </translation>
    </message>
    <message>
        <source>Red- </source>
        <translation>欠紅 </translation>
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
        <translation>飽和度偏高</translation>
    </message>
    <message>
        <source>Undersaturation</source>
        <translation>飽和度偏低</translation>
    </message>
    <message>
        <source>Green+ </source>
        <translation>偏綠 </translation>
    </message>
    <message>
        <source>Green- </source>
        <translation>欠綠 </translation>
    </message>
    <message>
        <source>Green- Red+ </source>
        <translation>欠綠 偏紅 </translation>
    </message>
    <message>
        <source>Red- Green+ </source>
        <translation>欠紅 偏綠 </translation>
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
        <translation>偏藍 </translation>
    </message>
    <message>
        <source>Blue- </source>
        <translation>欠藍 </translation>
    </message>
    <message>
        <source>Blue- Yellow+ </source>
        <translation>欠藍 偏黃 </translation>
    </message>
    <message>
        <source>Yellow- Blue+</source>
        <translation>欠黃 偏藍</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部門</translation>
    </message>
    <message>
        <source>Measurer</source>
        <translation>測量人員</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>產品</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>測量名稱</translation>
    </message>
    <message>
        <source>Signature:</source>
        <translation>簽名：</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be started.</source>
        <translation>無法列印報告：印表機無法啟動。</translation>
    </message>
    <message>
        <source>The report could not be printed: page %1 could not be added.</source>
        <translation>無法列印報告：無法新增第 %1 頁。</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer reported an error.</source>
        <translation>無法列印報告：印表機回報了錯誤。</translation>
    </message>
</context>
<context>
    <name>statisticsDialog</name>
    <message>
        <source>Press a Type or one of its Samples in the tree.</source>
        <translation>請在樹中點選一個標樣或它的一個試樣。</translation>
    </message>
    <message>
        <source>Statistics of %1</source>
        <translation>%1 的統計</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
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
        <translation>標準差</translation>
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
        <translation>合格率：%1 %（%3 個試樣中 %2 個合格）</translation>
    </message>
    <message>
        <source>No Samples</source>
        <translation>沒有試樣</translation>
    </message>
    <message>
        <source>Samples beyond the control limits of ΔE: %1</source>
        <translation>超出 ΔE 管制界限的試樣：%1</translation>
    </message>
    <message>
        <source>Samples outside the 95 % control ellipse: %1</source>
        <translation>位於 95 % 管制橢圓之外的試樣：%1</translation>
    </message>
    <message>
        <source>The control ellipse needs %1 Samples.</source>
        <translation>管制橢圓需要 %1 個試樣。</translation>
    </message>
</context>
<context>
    <name>workbookPackage</name>
    <message>
        <source>the workbook came out incomplete (%1)</source>
        <translation>活頁簿寫入不完整（%1）</translation>
    </message>
</context>
</TS>
