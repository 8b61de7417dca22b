<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>serialPortRk</name>
    <message>
        <source>The light mode &quot;%1&quot; has no instrument code; nothing is sent.</source>
        <translation>鏡面光方式「%1」沒有對應的儀器代碼，未傳送。</translation>
    </message>
    <message>
        <source>The light source &quot;%1&quot; has no instrument code; nothing is sent.</source>
        <translation>光源「%1」沒有對應的儀器代碼，未傳送。</translation>
    </message>
    <message>
        <source>Request 0x%1 is not a measurement request.</source>
        <translation>請求 0x%1 不是量測請求。</translation>
    </message>
    <message>
        <source>The caliber &quot;%1&quot; has no instrument code; nothing is sent.</source>
        <translation>口徑「%1」沒有對應的儀器代碼，未傳送。</translation>
    </message>
    <message>
        <source>%1 readings per average do not fit the request; nothing is sent.</source>
        <translation>平均次數 %1 超出請求範圍，未傳送。</translation>
    </message>
    <message>
        <source>Open Port</source>
        <translation>開啟連接埠</translation>
    </message>
    <message>
        <source>Successful</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Connected to instrument:</source>
        <translation>已連線儀器:</translation>
    </message>
    <message>
        <source>Finished Type measurement!</source>
        <translation>標樣量測完成!</translation>
    </message>
    <message>
        <source>Finished measurement!</source>
        <translation>量測完成!</translation>
    </message>
    <message>
        <source>Finished Sample measurement!</source>
        <translation>試樣量測完成!</translation>
    </message>
    <message>
        <source>Succeed to upload instrument data!</source>
        <translation>儀器資料上傳成功!</translation>
    </message>
    <message>
        <source>Send success!</source>
        <translation>傳送成功!</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Send success, in the instrument name is</source>
        <translation>傳送成功，在儀器中的名稱為</translation>
    </message>
    <message>
        <source>Get instrument info. ...</source>
        <translation>正在取得儀器資訊...</translation>
    </message>
    <message>
        <source>Type measurement ...</source>
        <translation>正在量測標樣...</translation>
    </message>
    <message>
        <source>Sample measurement ...</source>
        <translation>正在量測試樣...</translation>
    </message>
    <message>
        <source>White calibration ...</source>
        <translation>正在進行白板校正...</translation>
    </message>
    <message>
        <source>Black calibration ...</source>
        <translation>正在進行黑板校正...</translation>
    </message>
    <message>
        <source>White calibration success!</source>
        <translation>白板校正成功!</translation>
    </message>
    <message>
        <source>Black calibration success!</source>
        <translation>黑板校正成功!</translation>
    </message>
    <message>
        <source>White calibration failed!</source>
        <translation>白板校正失敗!</translation>
    </message>
    <message>
        <source>Black calibration failed!</source>
        <translation>黑板校正失敗!</translation>
    </message>
    <message>
        <source>Whiteness/Yellowness measurement ...</source>
        <translation>正在量測白度/黃度...</translation>
    </message>
    <message>
        <source>Upload instrument data to PC ...</source>
        <translation>正在上傳儀器資料到電腦...</translation>
    </message>
    <message>
        <source>Upload incomplete: the instrument stopped answering after %1 records.</source>
        <translation>上傳未完成：儀器在傳輸 %1 筆記錄後停止回應。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The Type data are incomplete; nothing is sent.</source>
        <translation>標樣資料不完整，未傳送。</translation>
    </message>
    <message>
        <source>Send Failed!</source>
        <translation>傳送失敗!</translation>
    </message>
    <message>
        <source>Data is exported to excel...</source>
        <translation>正在匯出資料到Excel...</translation>
    </message>
    <message>
        <source>Export completed!</source>
        <translation>匯出完成!</translation>
    </message>
    <message>
        <source>Info.:</source>
        <translation>資訊:</translation>
    </message>
    <message>
        <source>Connection to the instrument lost; the measurement was abandoned.</source>
        <translation>與儀器的連線已中斷，本次測量已放棄。</translation>
    </message>
    <message>
        <source>Upload incomplete: the instrument sent more records than it can store (%1).</source>
        <translation>上傳未完成：儀器傳送的記錄超過其儲存容量（%1）。</translation>
    </message>
    <message>
        <source>Please wait until the upload has finished.</source>
        <translation>請等待上傳完成。</translation>
    </message>
    <message>
        <source>No answer to the whiteness/yellowness measurement!</source>
        <translation>白度/黃度量測無回應!</translation>
    </message>
</context>
<context>
    <name>writeTRk</name>
    <message>
        <source>Type Data Input</source>
        <translation>標樣資料輸入</translation>
    </message>
    <message>
        <source>Color Space:</source>
        <translation>顏色空間:</translation>
    </message>
    <message>
        <source>Standard Light Source:</source>
        <translation>標準光源:</translation>
    </message>
    <message>
        <source>Containing Light Mode:</source>
        <translation>包含鏡面光方式:</translation>
    </message>
    <message>
        <source>Caliber:</source>
        <translation>口徑:</translation>
    </message>
    <message>
        <source>Single/Average Measurement:</source>
        <translation>單次/平均量測:</translation>
    </message>
    <message>
        <source>Input to instrument</source>
        <translation>輸入到儀器</translation>
    </message>
    <message>
        <source>input to software</source>
        <translation>輸入到軟體</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 必須是 %2 到 %3 之間的整數。</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3 with at most two decimals.</source>
        <translation>%1 必須是 %2 到 %3 之間、最多兩位小數的數值。</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No light source or light mode to send; nothing is sent.</source>
        <translation>沒有可傳送的光源或包含鏡面光方式，未傳送任何資料。</translation>
    </message>
</context>
</TS>
