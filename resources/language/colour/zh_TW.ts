<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
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
</TS>
