<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>cgatsFile</name>
    <message>
        <source>The white of the illuminant %1 is not known; XYZ was read under D50 and the 2° observer.</source>
        <translation>光源 %1 的白點未知；XYZ 按 D50 和 2° 觀察者讀取。</translation>
    </message>
    <message>
        <source>Line %1: %2 values where the data format has %3 fields; the colour was left out.</source>
        <translation>第 %1 行：有 %2 個值，而資料格式有 %3 個欄位；該顏色已略去。</translation>
    </message>
    <message>
        <source>The data ends without END_DATA; a part of it may be missing.</source>
        <translation>資料在 END_DATA 之前結束，可能缺少一部分。</translation>
    </message>
    <message>
        <source>A table announces %1 colours; %2 were found.</source>
        <translation>表格宣告有 %1 個顏色，實際找到 %2 個。</translation>
    </message>
    <message>
        <source>Only the first %1 colours were read.</source>
        <translation>只讀取了前 %1 個顏色。</translation>
    </message>
    <message>
        <source>Line %1: the colour %2 has a coordinate that is not a number and was left out.</source>
        <translation>第 %1 行：顏色 %2 的座標不是數字，已略去。</translation>
    </message>
    <message>
        <source>Line %1: the colour %2 cannot be given as L*a*b* and was left out.</source>
        <translation>第 %1 行：顏色 %2 無法表示為 L*a*b*，已略去。</translation>
    </message>
    <message>
        <source>Line %1: END_DATA_FORMAT is missing.</source>
        <translation>第 %1 行：缺少 END_DATA_FORMAT。</translation>
    </message>
    <message>
        <source>Line %1: data without a data format was passed over.</source>
        <translation>第 %1 行：沒有資料格式的資料已略過。</translation>
    </message>
    <message>
        <source>The file ends inside the data format: END_DATA_FORMAT is missing.</source>
        <translation>檔案在資料格式中結束：缺少 END_DATA_FORMAT。</translation>
    </message>
    <message>
        <source>%1 more problems were found.</source>
        <translation>另外還發現 %1 個問題。</translation>
    </message>
    <message>
        <source>It is not a CGATS file: it has neither BEGIN_DATA_FORMAT nor BEGIN_DATA.</source>
        <translation>這不是 CGATS 檔案：既沒有 BEGIN_DATA_FORMAT 也沒有 BEGIN_DATA。</translation>
    </message>
    <message>
        <source>It holds spectral data only; QCM needs colour coordinates.</source>
        <translation>檔案只含光譜資料；QCM 需要顏色座標。</translation>
    </message>
    <message>
        <source>It holds no colour coordinates QCM can read.</source>
        <translation>檔案中沒有 QCM 能讀取的顏色座標。</translation>
    </message>
    <message>
        <source>Missing are the fields %1 (or %2).</source>
        <translation>缺少欄位 %1（或 %2）。</translation>
    </message>
    <message>
        <source>Not found: %1.</source>
        <translation>未找到：%1。</translation>
    </message>
    <message>
        <source>Only the first %1 MB of the file were read.</source>
        <translation>只讀取了檔案的前 %1 MB。</translation>
    </message>
</context>
</TS>
