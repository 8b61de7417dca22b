<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>numberInput</name>
    <message>
        <source>At most %1 decimals.</source>
        <translation>最多 %1 位小數。</translation>
    </message>
    <message>
        <source>A number from %1 to %2.</source>
        <translation>請輸入 %1 到 %2 之間的數。</translation>
    </message>
    <message>
        <source>Whole numbers only.</source>
        <translation>只能輸入整數。</translation>
    </message>
    <message>
        <source>A whole number from %1 to %2.</source>
        <translation>請輸入 %1 到 %2 之間的整數。</translation>
    </message>
</context>
<context>
    <name>promptRk</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要取代它嗎？</translation>
    </message>
</context>
</TS>
