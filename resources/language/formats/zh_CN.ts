<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>cgatsFile</name>
    <message>
        <source>The white of the illuminant %1 is not known; XYZ was read under D50 and the 2° observer.</source>
        <translation>光源 %1 的白点未知；XYZ 按 D50 和 2° 观察者读取。</translation>
    </message>
    <message>
        <source>Line %1: %2 values where the data format has %3 fields; the colour was left out.</source>
        <translation>第 %1 行：有 %2 个值，而数据格式有 %3 个字段；该颜色已略去。</translation>
    </message>
    <message>
        <source>The data ends without END_DATA; a part of it may be missing.</source>
        <translation>数据在 END_DATA 之前结束，可能缺少一部分。</translation>
    </message>
    <message>
        <source>A table announces %1 colours; %2 were found.</source>
        <translation>表格声明有 %1 个颜色，实际找到 %2 个。</translation>
    </message>
    <message>
        <source>Only the first %1 colours were read.</source>
        <translation>只读取了前 %1 个颜色。</translation>
    </message>
    <message>
        <source>Line %1: the colour %2 has a coordinate that is not a number and was left out.</source>
        <translation>第 %1 行：颜色 %2 的坐标不是数字，已略去。</translation>
    </message>
    <message>
        <source>Line %1: the colour %2 cannot be given as L*a*b* and was left out.</source>
        <translation>第 %1 行：颜色 %2 无法表示为 L*a*b*，已略去。</translation>
    </message>
    <message>
        <source>Line %1: END_DATA_FORMAT is missing.</source>
        <translation>第 %1 行：缺少 END_DATA_FORMAT。</translation>
    </message>
    <message>
        <source>Line %1: data without a data format was passed over.</source>
        <translation>第 %1 行：没有数据格式的数据已跳过。</translation>
    </message>
    <message>
        <source>The file ends inside the data format: END_DATA_FORMAT is missing.</source>
        <translation>文件在数据格式中结束：缺少 END_DATA_FORMAT。</translation>
    </message>
    <message>
        <source>%1 more problems were found.</source>
        <translation>另外还发现 %1 个问题。</translation>
    </message>
    <message>
        <source>It is not a CGATS file: it has neither BEGIN_DATA_FORMAT nor BEGIN_DATA.</source>
        <translation>这不是 CGATS 文件：既没有 BEGIN_DATA_FORMAT 也没有 BEGIN_DATA。</translation>
    </message>
    <message>
        <source>It holds spectral data only; QCM needs colour coordinates.</source>
        <translation>文件只含光谱数据；QCM 需要颜色坐标。</translation>
    </message>
    <message>
        <source>It holds no colour coordinates QCM can read.</source>
        <translation>文件中没有 QCM 能读取的颜色坐标。</translation>
    </message>
    <message>
        <source>Missing are the fields %1 (or %2).</source>
        <translation>缺少字段 %1（或 %2）。</translation>
    </message>
    <message>
        <source>Not found: %1.</source>
        <translation>未找到：%1。</translation>
    </message>
    <message>
        <source>Only the first %1 MB of the file were read.</source>
        <translation>只读取了文件的前 %1 MB。</translation>
    </message>
</context>
</TS>
