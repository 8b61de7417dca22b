<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>deviationCharts</name>
    <message>
        <source>White+ </source>
        <translation>偏白 </translation>
    </message>
    <message>
        <source>Black+ </source>
        <translation>偏黑 </translation>
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
        <source>Green+ </source>
        <translation>偏綠 </translation>
    </message>
    <message>
        <source>Yellow+ </source>
        <translation>偏黃 </translation>
    </message>
    <message>
        <source>Blue+ </source>
        <translation>偏藍 </translation>
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
        <source>undersaturation</source>
        <translation>飽和度偏低</translation>
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
        <source>Green- </source>
        <translation>欠綠 </translation>
    </message>
    <message>
        <source>Blue- </source>
        <translation>欠藍 </translation>
    </message>
</context>
<context>
    <name>fakeColorRk</name>
    <message>
        <source>simulation</source>
        <translation>模擬色</translation>
    </message>
</context>
<context>
    <name>painterLabRk</name>
    <message>
        <source>Color Coordinates</source>
        <translation>色座標</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>飽和度</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>標樣：</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>試樣：</translation>
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
</TS>
