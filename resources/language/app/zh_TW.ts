<?xml version="1.0" encoding="utf-8"?>
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
        <source>Language</source>
        <translation>語言</translation>
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
        <source>Export to &amp;CSV…</source>
        <translation>匯出為 &amp;CSV…</translation>
    </message>
    <message>
        <source>Data export to CSV!</source>
        <translation>資料匯出到CSV!</translation>
    </message>
    <message>
        <source>Succeed to set printing info.</source>
        <translation>列印資訊設定成功。</translation>
    </message>
    <message>
        <source>Set measuring conditions successfully!</source>
        <translation>量測條件設定成功!</translation>
    </message>
    <message>
        <source>Set Single/Average Measurement successfully!</source>
        <translation>單次/平均量測設定成功!</translation>
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
        <source>Import CGATS as Types…</source>
        <translation>匯入 CGATS 為標樣…</translation>
    </message>
    <message>
        <source>Colours of a CGATS text file as new Types!</source>
        <translation>將 CGATS 文字檔中的顏色作為新標樣!</translation>
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
    <name>instrumentDisplay</name>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
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
        <source>Disconnected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <source>Instrument and computer disconnected!</source>
        <translation>儀器與電腦已中斷連線!</translation>
    </message>
</context>
<context>
    <name>mainLayout</name>
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
</context>
</TS>
