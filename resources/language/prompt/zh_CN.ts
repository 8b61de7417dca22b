<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>numberInput</name>
    <message>
        <source>At most %1 decimals.</source>
        <translation>最多 %1 位小数。</translation>
    </message>
    <message>
        <source>A number from %1 to %2.</source>
        <translation>请输入 %1 到 %2 之间的数。</translation>
    </message>
    <message>
        <source>Whole numbers only.</source>
        <translation>只能输入整数。</translation>
    </message>
    <message>
        <source>A whole number from %1 to %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
</context>
<context>
    <name>promptRk</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
</context>
</TS>
