<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>偏红 </translation>
    </message>
    <message>
        <source>Red- </source>
        <translation>欠红 </translation>
    </message>
    <message>
        <source>Green+ </source>
        <translation>偏绿 </translation>
    </message>
    <message>
        <source>Yellow+ </source>
        <translation>偏黄 </translation>
    </message>
    <message>
        <source>Blue+ </source>
        <translation>偏蓝 </translation>
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
        <source>undersaturation</source>
        <translation>饱和度偏低</translation>
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
        <translation>欠绿 </translation>
    </message>
    <message>
        <source>Blue- </source>
        <translation>欠蓝 </translation>
    </message>
</context>
<context>
    <name>fakeColorRk</name>
    <message>
        <source>simulation</source>
        <translation>模拟色</translation>
    </message>
</context>
<context>
    <name>painterLabRk</name>
    <message>
        <source>Color Coordinates</source>
        <translation>色坐标</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>标样：</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>试样：</translation>
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
</TS>
