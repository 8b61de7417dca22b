<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>averageTestRk</name>
    <message>
        <source>single/average measurement setting</source>
        <translation>单次/平均测量设置</translation>
    </message>
    <message>
        <source>singe/average measurement</source>
        <translation>单次/平均测量</translation>
    </message>
    <message>
        <source>times:</source>
        <translation>次数:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>测量设置</translation>
    </message>
    <message>
        <source>Measuring Light Source:</source>
        <translation>测量光源:</translation>
    </message>
    <message>
        <source>Color Space:</source>
        <translation>颜色空间:</translation>
    </message>
    <message>
        <source>Color Difference Formula:</source>
        <translation>色差公式:</translation>
    </message>
    <message>
        <source>Containing Light Mode:</source>
        <translation>包含镜面光方式:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>信息已保存</translation>
    </message>
    <message>
        <source>Tolerance Setting</source>
        <translation>容差设置</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>容差</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
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
        <translation>白度/黄度测量</translation>
    </message>
    <message>
        <source>Yellowness:</source>
        <translation>黄度:</translation>
    </message>
    <message>
        <source>Whiteness:</source>
        <translation>白度:</translation>
    </message>
    <message>
        <source>Blue whiteness:</source>
        <translation>蓝光白度:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测量</translation>
    </message>
</context>
</TS>
