<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MainWindows</name>
    <message>
        <source>&amp;New</source>
        <translation>新增(&amp;N)</translation>
    </message>
    <message>
        <source>New measuring file!</source>
        <translation>新增量測檔案!</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開啟(&amp;O)</translation>
    </message>
    <message>
        <source>Open file!</source>
        <translation>開啟檔案!</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>Save file!</source>
        <translation>儲存檔案!</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>另存新檔(&amp;S)...</translation>
    </message>
    <message>
        <source>File saved to ...</source>
        <translation>檔案另存為...</translation>
    </message>
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
        <source>&amp;Exit</source>
        <translation>結束(&amp;E)</translation>
    </message>
    <message>
        <source>Exit software!</source>
        <translation>結束軟體!</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;White Calibration</source>
        <translation>白板校正(&amp;W)</translation>
    </message>
    <message>
        <source>Instrument white calibration!</source>
        <translation>儀器白板校正!</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Black Calibration</source>
        <translation>黑板校正(&amp;B)</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>&amp;Measuring Setting</source>
        <translation>量測設定(&amp;M)</translation>
    </message>
    <message>
        <source>Set measuring conditions!</source>
        <translation>設定量測條件!</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>&amp;Tolerance Setting</source>
        <translation>容差設定(&amp;T)</translation>
    </message>
    <message>
        <source>Set tolerance standard!</source>
        <translation>設定容差標準!</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Average Measurement</source>
        <translation>平均量測(&amp;A)</translation>
    </message>
    <message>
        <source>Set average measurement!</source>
        <translation>設定平均量測!</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
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
        <translation>標樣測量(&amp;T)</translation>
    </message>
    <message>
        <source>Type measure!</source>
        <translation>量測標樣!</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>&amp;Sample Measurement</source>
        <translation>試樣測量(&amp;S)</translation>
    </message>
    <message>
        <source>Sample measure!</source>
        <translation>量測試樣!</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>&amp;Measurement Button</source>
        <translation>量測按鈕(&amp;M)</translation>
    </message>
    <message>
        <source>Active measurement button!</source>
        <translation>啟用量測按鈕!</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>&amp;Manually Type Writing</source>
        <translation>手動輸入標樣(&amp;M)</translation>
    </message>
    <message>
        <source>Manually input Type data!</source>
        <translation>手動輸入標樣資料!</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Whiteness/Yellowness Measurement</source>
        <translation>白度/黃度量測(&amp;W)</translation>
    </message>
    <message>
        <source>Whiteness/Yellowness measurement!</source>
        <translation>白度/黃度量測!</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>&amp;Instrument Data Transmit PC</source>
        <translation>儀器資料傳輸到電腦(&amp;I)</translation>
    </message>
    <message>
        <source>stored data in instrument transmit PC</source>
        <translation>將儀器中儲存的資料傳輸到電腦</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Type Data Library</source>
        <translation>標樣資料庫(&amp;T)</translation>
    </message>
    <message>
        <source>Type data library</source>
        <translation>標樣資料庫</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>About QCM</source>
        <translation>關於 QCM</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重新命名(&amp;R)</translation>
    </message>
    <message>
        <source>Measurement/Type/sample rename!</source>
        <translation>量測/標樣/試樣重新命名!</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Quick Search</source>
        <translation>快速搜尋(&amp;Q)</translation>
    </message>
    <message>
        <source>Type/sample quick search!</source>
        <translation>標樣/試樣快速搜尋!</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Select All/Select Invert</source>
        <translation>全選/反選(&amp;S)</translation>
    </message>
    <message>
        <source>Select all item</source>
        <translation>選取全部項目</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item</source>
        <translation>刪除選取項目(&amp;D)</translation>
    </message>
    <message>
        <source>Delete selected item!</source>
        <translation>刪除選取項目!</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>&amp;Delete All Sample of The Type</source>
        <translation>刪除該標樣的全部試樣(&amp;D)</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Save As Library Color</source>
        <translation>儲存為資料庫顏色(&amp;S)</translation>
    </message>
    <message>
        <source>Save as library color!</source>
        <translation>儲存為資料庫顏色!</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Selected Item Saved As A Type Library Color</source>
        <translation>選取項目儲存為標樣資料庫顏色(&amp;S)</translation>
    </message>
    <message>
        <source>The selected item is saved as a Type library color!</source>
        <translation>選取項目已儲存為標樣資料庫顏色!</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>&amp;Item Set As A New Type</source>
        <translation>設為新標樣(&amp;I)</translation>
    </message>
    <message>
        <source>The selected item is set as a new Type!</source>
        <translation>將選取項目設為新標樣!</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Item Set As A New Sample of The Checked Type</source>
        <translation>設為勾選標樣的新試樣(&amp;I)</translation>
    </message>
    <message>
        <source>The selected item is set as a new sample of the checked Type!</source>
        <translation>將選取項目設為勾選標樣的新試樣!</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>New Measurement</source>
        <translation>新建測量</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>Measuring Parameters</source>
        <translation>量測參數</translation>
    </message>
    <message>
        <source>Color Difference Changing Graph</source>
        <translation>色差變化圖</translation>
    </message>
    <message>
        <source>Color Difference Deflection</source>
        <translation>色差偏向</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Operate</source>
        <translation>操作(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Calibration</source>
        <translation>校正(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>&amp;Measurement</source>
        <translation>量測(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Data Transmission</source>
        <translation>資料傳輸(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Type library</source>
        <translation>標樣庫(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <source>&lt;h2&gt;QCM 1.0&lt;/h2&gt;&lt;p&gt;Colour quality control for the hand-held colorimeter: measure Types and Samples, judge colour differences, plot trends, keep colour libraries, print reports and export workbooks.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;QCM 1.0&lt;/h2&gt;&lt;p&gt;手持式色差儀的顏色品質管制軟體：量測標樣與試樣、判定色差、繪製趨勢圖、管理顏色資料庫、列印報告並匯出活頁簿。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Succeed to set tolerance.</source>
        <translation>容差設定成功。</translation>
    </message>
    <message>
        <source>connected to instrument:</source>
        <translation>已連線儀器:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Instrument and computer disconnected!</source>
        <translation>儀器與電腦已中斷連線!</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Measuring Name:</source>
        <translation>測量名：</translation>
    </message>
    <message>
        <source>Do you want white calibration?</source>
        <translation>是否進行白板校正?</translation>
    </message>
    <message>
        <source>Do you want black calibration?</source>
        <translation>是否進行黑板校正?</translation>
    </message>
    <message>
        <source>files</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>QCM</source>
        <translation>QCM</translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation>無法寫入檔案</translation>
    </message>
    <message>
        <source>Cannot read file</source>
        <translation>無法讀取檔案</translation>
    </message>
    <message>
        <source>The file is not a qcm file.</source>
        <translation>該檔案不是 qcm 檔案。</translation>
    </message>
    <message>
        <source>Loading file ... </source>
        <translation>正在載入檔案... </translation>
    </message>
    <message>
        <source>Loaded finished</source>
        <translation>載入完成</translation>
    </message>
    <message>
        <source>Untitled [*]</source>
        <translation>未命名 [*]</translation>
    </message>
    <message>
        <source>Color Software QCM  </source>
        <translation>色差軟體 QCM  </translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>文件已修改。
是否儲存變更?</translation>
    </message>
    <message>
        <source>File saved</source>
        <translation>檔案已儲存</translation>
    </message>
    <message>
        <source>Saving canceled</source>
        <translation>已取消儲存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>File loaded</source>
        <translation>檔案已載入</translation>
    </message>
    <message>
        <source>Loading canceled</source>
        <translation>已取消載入</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Setting up the main window...</source>
        <translation>正在建立主視窗...</translation>
    </message>
    <message>
        <source>loading modules...</source>
        <translation>正在載入模組...</translation>
    </message>
</context>
<context>
    <name>conditionCheck</name>
    <message>
        <source>Please change in measurement setup if light sources don’t 
agree with Type!</source>
        <translation>光源與標樣不一致，
請在量測設定中變更!</translation>
    </message>
    <message>
        <source>Please use caliber consistent with standard instrument if caliber 
don’t agree with Type measuring conditions!</source>
        <translation>口徑與標樣量測條件不一致，
請使用與標樣一致的口徑!</translation>
    </message>
    <message>
        <source>Please change in measurement setup if containing light mode 
is not consistent with Type measurement conditions!</source>
        <translation>鏡面光方式與標樣量測條件不一致，
請在量測設定中變更!</translation>
    </message>
    <message>
        <source>Please change in measurement setup if color splace is not 
consistent with Type measurement conditions!</source>
        <translation>顏色空間與標樣量測條件不一致，
請在量測設定中變更!</translation>
    </message>
    <message>
        <source>Please use illumination consistent instrument if illumination 
don’t agree with Type measuring conditions!</source>
        <translation>照明方式與標樣量測條件不一致，
請使用照明方式一致的儀器!</translation>
    </message>
    <message>
        <source>Please use observer consistent with instrument if observer 
don’t agree with Type!</source>
        <translation>觀察者與標樣不一致，
請使用觀察者一致的儀器!</translation>
    </message>
    <message>
        <source>Please change in measurement setup if average measurement settings 
are not consistent with Type measurement conditions!</source>
        <translation>平均量測設定與標樣量測條件不一致，
請在量測設定中變更!</translation>
    </message>
</context>
<context>
    <name>infoPanelRk</name>
    <message>
        <source>Standard Light Source</source>
        <translation>標準光源</translation>
    </message>
    <message>
        <source>Illumination Method</source>
        <translation>照明方式</translation>
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
        <source>Observer</source>
        <translation>觀察者</translation>
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
        <source>Single/Average Measurement</source>
        <translation>單次/平均量測</translation>
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
        <source>Type</source>
        <translation>標樣</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>試樣</translation>
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
        <translation>判定結果</translation>
    </message>
    <message>
        <source>Measuring Time</source>
        <translation>量測時間</translation>
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
        <translation>偏紅 欠綠</translation>
    </message>
    <message>
        <source>Yellow+ Blue-</source>
        <translation>偏黃 欠藍</translation>
    </message>
    <message>
        <source>Black+ White-</source>
        <translation>偏黑 欠白</translation>
    </message>
    <message>
        <source>Green+ Red-</source>
        <translation>偏綠 欠紅</translation>
    </message>
    <message>
        <source>Blue+ Yellow-</source>
        <translation>偏藍 欠黃</translation>
    </message>
    <message>
        <source>Supersaturation</source>
        <translation>飽和度偏高</translation>
    </message>
    <message>
        <source>Hue+</source>
        <translation>色相偏大</translation>
    </message>
    <message>
        <source>Undersaturation</source>
        <translation>飽和度偏低</translation>
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
        <translation>偏紅 欠綠</translation>
    </message>
    <message>
        <source>Yellow+ blue-</source>
        <translation>偏黃 欠藍</translation>
    </message>
    <message>
        <source>Black+ white-</source>
        <translation>偏黑 欠白</translation>
    </message>
    <message>
        <source>Green+ red-</source>
        <translation>偏綠 欠紅</translation>
    </message>
    <message>
        <source>Blue+ yellow-</source>
        <translation>偏藍 欠黃</translation>
    </message>
    <message>
        <source>White+ </source>
        <translation>偏白 </translation>
    </message>
    <message>
        <source>Red+ </source>
        <translation>偏紅 </translation>
    </message>
    <message>
        <source>Yellow+ </source>
        <translation>偏黃 </translation>
    </message>
    <message>
        <source>Black+ </source>
        <translation>偏黑 </translation>
    </message>
    <message>
        <source>Green+ </source>
        <translation>偏綠 </translation>
    </message>
    <message>
        <source>Blue+ </source>
        <translation>偏藍 </translation>
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
        <translation>儀器型號</translation>
    </message>
    <message>
        <source>Wavelength Range</source>
        <translation>波長範圍</translation>
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
        <source>Type Capacity</source>
        <translation>標樣容量</translation>
    </message>
    <message>
        <source>Sample Capacity</source>
        <translation>試樣容量</translation>
    </message>
    <message>
        <source>Single/Average Measurement</source>
        <translation>單次/平均量測</translation>
    </message>
    <message>
        <source>Measurement Name</source>
        <translation>量測名稱</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Print Time</source>
        <translation>列印時間</translation>
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
        <source>New Measurement</source>
        <translation>新建測量</translation>
    </message>
    <message>
        <source>Measurement Name:New Measurement</source>
        <translation>測量名：新建測量</translation>
    </message>
    <message>
        <source>Instrument Info.</source>
        <translation>儀器資訊</translation>
    </message>
    <message>
        <source>Software Info.</source>
        <translation>軟體資訊</translation>
    </message>
    <message>
        <source>Measuring Parameters</source>
        <translation>量測參數</translation>
    </message>
    <message>
        <source>Current Tolerance</source>
        <translation>目前容差</translation>
    </message>
    <message>
        <source>Print Info.</source>
        <translation>列印資訊</translation>
    </message>
    <message>
        <source>Measuring Name:</source>
        <translation>測量名：</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>標樣</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>試樣</translation>
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
        <translation>平均量測尚未完成，
繼續請點選「是」，取消請點選「否」!</translation>
    </message>
    <message>
        <source>Please measure Type firstly!</source>
        <translation>請先量測標樣!</translation>
    </message>
</context>
<context>
    <name>serialPortRk</name>
    <message>
        <source>Open Port</source>
        <translation>開啟連接埠</translation>
    </message>
    <message>
        <source>Successful</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Connected to instrument:</source>
        <translation>已連線儀器:</translation>
    </message>
    <message>
        <source>Finished Type measurement!</source>
        <translation>標樣量測完成!</translation>
    </message>
    <message>
        <source>Finished measurement!</source>
        <translation>量測完成!</translation>
    </message>
    <message>
        <source>Finished Sample measurement!</source>
        <translation>試樣量測完成!</translation>
    </message>
    <message>
        <source>Succeed to upload instrument data!</source>
        <translation>儀器資料上傳成功!</translation>
    </message>
    <message>
        <source>Send success!</source>
        <translation>傳送成功!</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Send success, in the instrument name is</source>
        <translation>傳送成功，在儀器中的名稱為</translation>
    </message>
    <message>
        <source>Get instrument info. ...</source>
        <translation>正在取得儀器資訊...</translation>
    </message>
    <message>
        <source>Type measurement ...</source>
        <translation>正在量測標樣...</translation>
    </message>
    <message>
        <source>Sample measurement ...</source>
        <translation>正在量測試樣...</translation>
    </message>
    <message>
        <source>White calibration ...</source>
        <translation>正在進行白板校正...</translation>
    </message>
    <message>
        <source>Black calibration ...</source>
        <translation>正在進行黑板校正...</translation>
    </message>
    <message>
        <source>White calibration success!</source>
        <translation>白板校正成功!</translation>
    </message>
    <message>
        <source>Black calibration success!</source>
        <translation>黑板校正成功!</translation>
    </message>
    <message>
        <source>White calibration failed!</source>
        <translation>白板校正失敗!</translation>
    </message>
    <message>
        <source>Black calibration failed!</source>
        <translation>黑板校正失敗!</translation>
    </message>
    <message>
        <source>Whiteness/Yellowness measurement ...</source>
        <translation>正在量測白度/黃度...</translation>
    </message>
    <message>
        <source>Upload instrument data to PC ...</source>
        <translation>正在上傳儀器資料到電腦...</translation>
    </message>
    <message>
        <source>Upload incomplete: the instrument stopped answering after %1 records.</source>
        <translation>上傳未完成：儀器在傳輸 %1 筆記錄後停止回應。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The Type data are incomplete; nothing is sent.</source>
        <translation>標樣資料不完整，未傳送。</translation>
    </message>
    <message>
        <source>Send Failed!</source>
        <translation>傳送失敗!</translation>
    </message>
    <message>
        <source>Data is exported to excel...</source>
        <translation>正在匯出資料到Excel...</translation>
    </message>
    <message>
        <source>Export completed!</source>
        <translation>匯出完成!</translation>
    </message>
    <message>
        <source>Info.:</source>
        <translation>資訊:</translation>
    </message>
    <message>
        <source>The light mode "%1" has no instrument code; nothing is sent.</source>
        <translation>鏡面光方式「%1」沒有對應的儀器代碼，未傳送。</translation>
    </message>
    <message>
        <source>The light source "%1" has no instrument code; nothing is sent.</source>
        <translation>光源「%1」沒有對應的儀器代碼，未傳送。</translation>
    </message>
    <message>
        <source>Request 0x%1 is not a measurement request.</source>
        <translation>請求 0x%1 不是量測請求。</translation>
    </message>
    <message>
        <source>The caliber "%1" has no instrument code; nothing is sent.</source>
        <translation>口徑「%1」沒有對應的儀器代碼，未傳送。</translation>
    </message>
    <message>
        <source>%1 readings per average do not fit the request; nothing is sent.</source>
        <translation>平均次數 %1 超出請求範圍，未傳送。</translation>
    </message>
</context>
</TS>