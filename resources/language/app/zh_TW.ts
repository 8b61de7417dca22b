<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MainWindows</name>
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
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>About QCM</source>
        <translation>關於 QCM</translation>
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
    <name>historyKeeper</name>
    <message>
        <source>%1 records wait</source>
        <translation>%1 筆記錄等待上傳</translation>
    </message>
    <message>
        <source>Records of the measurement history wait to be sent.</source>
        <translation>測量歷史的記錄正在等待傳送。</translation>
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
