<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>averageTestRk</name>
    <message>
        <source>single/average measurement setting</source>
        <translation>單次/平均量測設定</translation>
    </message>
    <message>
        <source>singe/average measurement</source>
        <translation>單次/平均量測</translation>
    </message>
    <message>
        <source>times:</source>
        <translation>次數:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>setMeasurementRk</name>
    <message>
        <source>Measuring Setting</source>
        <translation>量測設定</translation>
    </message>
    <message>
        <source>Measuring Light Source:</source>
        <translation>量測光源:</translation>
    </message>
    <message>
        <source>Color Space:</source>
        <translation>顏色空間:</translation>
    </message>
    <message>
        <source>Color Difference Formula:</source>
        <translation>色差公式:</translation>
    </message>
    <message>
        <source>Containing Light Mode:</source>
        <translation>包含鏡面光方式:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>toleranceRk</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Info. Saved</source>
        <translation>資訊已儲存</translation>
    </message>
    <message>
        <source>Tolerance Setting</source>
        <translation>容差設定</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>容差</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>whiteYellowRk</name>
    <message>
        <source>Whiteness/Yellowness Neasurement</source>
        <translation>白度/黃度量測</translation>
    </message>
    <message>
        <source>Yellowness:</source>
        <translation>黃度:</translation>
    </message>
    <message>
        <source>Whiteness:</source>
        <translation>白度:</translation>
    </message>
    <message>
        <source>Blue whiteness:</source>
        <translation>藍光白度:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>量測</translation>
    </message>
</context>
</TS>
