<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MainWindows</name>
    <message>
        <source>&amp;New</source>
        <translation>新增(&amp;N)</translation>
    </message>
    <message>
        <source>New measuring file!</source>
        <translation>新增量測檔案!</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開啟(&amp;O)</translation>
    </message>
    <message>
        <source>Open file!</source>
        <translation>開啟檔案!</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>Save file!</source>
        <translation>儲存檔案!</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>另存新檔(&amp;S)...</translation>
    </message>
    <message>
        <source>File saved to ...</source>
        <translation>檔案另存為...</translation>
    </message>
    <message>
        <source>&amp;White Calibration</source>
        <translation>白板校正(&amp;W)</translation>
    </message>
    <message>
        <source>Instrument white calibration!</source>
        <translation>儀器白板校正!</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Black Calibration</source>
        <translation>黑板校正(&amp;B)</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>&amp;Type Measurement</source>
        <translation>標樣測量(&amp;T)</translation>
    </message>
    <message>
        <source>Type measure!</source>
        <translation>量測標樣!</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>&amp;Sample Measurement</source>
        <translation>試樣測量(&amp;S)</translation>
    </message>
    <message>
        <source>Sample measure!</source>
        <translation>量測試樣!</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>&amp;Measurement Button</source>
        <translation>量測按鈕(&amp;M)</translation>
    </message>
    <message>
        <source>Active measurement button!</source>
        <translation>啟用量測按鈕!</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重新命名(&amp;R)</translation>
    </message>
    <message>
        <source>Measurement/Type/sample rename!</source>
        <translation>量測/標樣/試樣重新命名!</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Quick Search</source>
        <translation>快速搜尋(&amp;Q)</translation>
    </message>
    <message>
        <source>Type/sample quick search!</source>
        <translation>標樣/試樣快速搜尋!</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Select All/Select Invert</source>
        <translation>全選/反選(&amp;S)</translation>
    </message>
    <message>
        <source>Select all item</source>
        <translation>選取全部項目</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item</source>
        <translation>刪除選取項目(&amp;D)</translation>
    </message>
    <message>
        <source>Delete selected item!</source>
        <translation>刪除選取項目!</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>&amp;Delete All Sample of The Type</source>
        <translation>刪除該標樣的全部試樣(&amp;D)</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Item Set As A New Type</source>
        <translation>設為新標樣(&amp;I)</translation>
    </message>
    <message>
        <source>The selected item is set as a new Type!</source>
        <translation>將選取項目設為新標樣!</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Item Set As A New Sample of The Checked Type</source>
        <translation>設為勾選標樣的新試樣(&amp;I)</translation>
    </message>
    <message>
        <source>The selected item is set as a new sample of the checked Type!</source>
        <translation>將選取項目設為勾選標樣的新試樣!</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Manually Type Writing</source>
        <translation>手動輸入標樣(&amp;M)</translation>
    </message>
    <message>
        <source>Manually input Type data!</source>
        <translation>手動輸入標樣資料!</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Instrument Data Transmit PC</source>
        <translation>儀器資料傳輸到電腦(&amp;I)</translation>
    </message>
    <message>
        <source>stored data in instrument transmit PC</source>
        <translation>將儀器中儲存的資料傳輸到電腦</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Import CGATS as Types…</source>
        <translation>匯入 CGATS 為標樣…</translation>
    </message>
    <message>
        <source>Colours of a CGATS text file as new Types!</source>
        <translation>將 CGATS 文字檔中的顏色作為新標樣!</translation>
    </message>
</context>
<context>
    <name>cgatsTypeImport</name>
    <message>
        <source>CGATS files (*.txt *.cgats *.it8);;All files (*)</source>
        <translation>CGATS 檔案 (*.txt *.cgats *.it8);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Import CGATS as Types</source>
        <translation>匯入 CGATS 為標樣</translation>
    </message>
    <message>
        <source>QCM</source>
        <translation>QCM</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>無法讀取檔案 %1：
%2。</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>無法匯入 %1。
%2</translation>
    </message>
    <message>
        <source>Colours of %1 imported as Types: %2. Not everything could be read:
%3</source>
        <translation>從 %1 匯入為標樣的顏色：%2 個。部分內容未能讀取：
%3</translation>
    </message>
</context>
<context>
    <name>conditionCheck</name>
    <message>
        <source>Please change in measurement setup if light sources don’t 
agree with Type!</source>
        <translation>光源與標樣不一致，
請在量測設定中變更!</translation>
    </message>
    <message>
        <source>Please use caliber consistent with standard instrument if caliber 
don’t agree with Type measuring conditions!</source>
        <translation>口徑與標樣量測條件不一致，
請使用與標樣一致的口徑!</translation>
    </message>
    <message>
        <source>Please change in measurement setup if containing light mode 
is not consistent with Type measurement conditions!</source>
        <translation>鏡面光方式與標樣量測條件不一致，
請在量測設定中變更!</translation>
    </message>
    <message>
        <source>Please change in measurement setup if color splace is not 
consistent with Type measurement conditions!</source>
        <translation>顏色空間與標樣量測條件不一致，
請在量測設定中變更!</translation>
    </message>
    <message>
        <source>Please use illumination consistent instrument if illumination 
don’t agree with Type measuring conditions!</source>
        <translation>照明方式與標樣量測條件不一致，
請使用照明方式一致的儀器!</translation>
    </message>
    <message>
        <source>Please use observer consistent with instrument if observer 
don’t agree with Type!</source>
        <translation>觀察者與標樣不一致，
請使用觀察者一致的儀器!</translation>
    </message>
    <message>
        <source>Please change in measurement setup if average measurement settings 
are not consistent with Type measurement conditions!</source>
        <translation>平均量測設定與標樣量測條件不一致，
請在量測設定中變更!</translation>
    </message>
</context>
<context>
    <name>fastFindRk</name>
    <message>
        <source>quick search</source>
        <translation>快速搜尋</translation>
    </message>
    <message>
        <source> key word:</source>
        <translation> 關鍵字:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>search all items!</source>
        <translation>已搜尋全部項目！</translation>
    </message>
</context>
<context>
    <name>infoPanelRk</name>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部門</translation>
    </message>
    <message>
        <source>Measurement Person</source>
        <translation>量測人員</translation>
    </message>
    <message>
        <source>Product Tested</source>
        <translation>受測產品</translation>
    </message>
    <message>
        <source>Standard Light Source</source>
        <translation>標準光源</translation>
    </message>
    <message>
        <source>Illumination Method</source>
        <translation>照明方式</translation>
    </message>
    <message>
        <source>Color Space</source>
        <translation>顏色空間</translation>
    </message>
    <message>
        <source>Color Difference Formula</source>
        <translation>色差公式</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>觀察者</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>口徑</translation>
    </message>
    <message>
        <source>Containing Light Mode</source>
        <translation>包含鏡面光方式</translation>
    </message>
    <message>
        <source>Single/Average Measurement</source>
        <translation>單次/平均量測</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>標樣</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>試樣</translation>
    </message>
    <message>
        <source>Color Difference Value</source>
        <translation>色差值</translation>
    </message>
    <message>
        <source>Deflection</source>
        <translation>偏向</translation>
    </message>
    <message>
        <source>Judging Result</source>
        <translation>判定結果</translation>
    </message>
    <message>
        <source>Measuring Time</source>
        <translation>量測時間</translation>
    </message>
</context>
<context>
    <name>itemOperationsRk</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>There is no selected item!</source>
        <translation>沒有勾選的項目！</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Do you want to delete the selected?</source>
        <translation>是否刪除勾選的項目？</translation>
    </message>
    <message>
        <source>Have been removed by the options!</source>
        <translation>已刪除勾選的項目！</translation>
    </message>
    <message>
        <source>Delete all samples under the Type</source>
        <translation>刪除該標樣下的所有試樣</translation>
    </message>
    <message>
        <source>No measurement/Type/sample selected!</source>
        <translation>未選中量測、標樣或試樣！</translation>
    </message>
    <message>
        <source>The name must not be empty!</source>
        <translation>名稱不能為空！</translation>
    </message>
    <message>
        <source>Name existed, please rename!</source>
        <translation>名稱已存在，請重新命名！</translation>
    </message>
    <message>
        <source>Name and software name conflicting!</source>
        <translation>名稱與軟體自動命名衝突！</translation>
    </message>
    <message>
        <source>Rename Successfully</source>
        <translation>重新命名成功</translation>
    </message>
    <message>
        <source>Search Finished</source>
        <translation>搜尋完成</translation>
    </message>
    <message>
        <source>No Type, Sample is selected!</source>
        <translation>未選中標樣或試樣！</translation>
    </message>
</context>
<context>
    <name>itemRenameRk</name>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
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
    <name>measurementRoad</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Do you want white calibration?</source>
        <translation>是否進行白板校正?</translation>
    </message>
    <message>
        <source>Do you want black calibration?</source>
        <translation>是否進行黑板校正?</translation>
    </message>
</context>
<context>
    <name>measurementTreeRk</name>
    <message>
        <source>Instrument Model</source>
        <translation>儀器型號</translation>
    </message>
    <message>
        <source>Wavelength Range</source>
        <translation>波長範圍</translation>
    </message>
    <message>
        <source>Standard Light Source</source>
        <translation>標準光源</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>觀察者</translation>
    </message>
    <message>
        <source>Illumination Mode</source>
        <translation>照明方式</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>口徑</translation>
    </message>
    <message>
        <source>Containing Light Mode</source>
        <translation>包含鏡面光方式</translation>
    </message>
    <message>
        <source>Color Space</source>
        <translation>顏色空間</translation>
    </message>
    <message>
        <source>Color Difference Formula</source>
        <translation>色差公式</translation>
    </message>
    <message>
        <source>Type Capacity</source>
        <translation>標樣容量</translation>
    </message>
    <message>
        <source>Sample Capacity</source>
        <translation>試樣容量</translation>
    </message>
    <message>
        <source>Single/Average Measurement</source>
        <translation>單次/平均量測</translation>
    </message>
    <message>
        <source>Measurement Name</source>
        <translation>量測名稱</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Print Time</source>
        <translation>列印時間</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部門</translation>
    </message>
    <message>
        <source>Measurement Person</source>
        <translation>量測人員</translation>
    </message>
    <message>
        <source>Product Tested</source>
        <translation>受測產品</translation>
    </message>
    <message>
        <source>New Measurement</source>
        <translation>新建測量</translation>
    </message>
    <message>
        <source>Instrument Info.</source>
        <translation>儀器資訊</translation>
    </message>
    <message>
        <source>Software Info.</source>
        <translation>軟體資訊</translation>
    </message>
    <message>
        <source>Measuring Parameters</source>
        <translation>量測參數</translation>
    </message>
    <message>
        <source>Current Tolerance</source>
        <translation>目前容差</translation>
    </message>
    <message>
        <source>Print Info.</source>
        <translation>列印資訊</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>標樣</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>試樣</translation>
    </message>
    <message>
        <source>Measuring Name:</source>
        <translation>測量名：</translation>
    </message>
</context>
<context>
    <name>measuringDocument</name>
    <message>
        <source>files</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>QCM</source>
        <translation>QCM</translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation>無法寫入檔案</translation>
    </message>
    <message>
        <source>Cannot read file</source>
        <translation>無法讀取檔案</translation>
    </message>
    <message>
        <source>The file is not a qcm file.</source>
        <translation>該檔案不是 qcm 檔案。</translation>
    </message>
    <message>
        <source>Loading file ... </source>
        <translation>正在載入檔案... </translation>
    </message>
    <message>
        <source>Loaded finished</source>
        <translation>載入完成</translation>
    </message>
    <message>
        <source>Untitled [*]</source>
        <translation>未命名 [*]</translation>
    </message>
    <message>
        <source>Color Software QCM  </source>
        <translation>色差軟體 QCM  </translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>文件已修改。
是否儲存變更?</translation>
    </message>
    <message>
        <source>File saved</source>
        <translation>檔案已儲存</translation>
    </message>
    <message>
        <source>Saving canceled</source>
        <translation>已取消儲存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>File loaded</source>
        <translation>檔案已載入</translation>
    </message>
    <message>
        <source>Loading canceled</source>
        <translation>已取消載入</translation>
    </message>
    <message>
        <source>Please wait until the upload has finished.</source>
        <translation>請等待上傳完成。</translation>
    </message>
    <message>
        <source>Records left without their Type, not loaded (the file may have been cut short): %1.</source>
        <translation>缺少所屬標樣、未能載入的記錄（檔案可能被截斷）：%1 筆。</translation>
    </message>
    <message>
        <source>Several Types share a name and each receives the Samples naming it; copies beyond %1 are not made. Samples not loaded: %2.</source>
        <translation>多個標樣同名，每個標樣都會收到指向該名稱的試樣；超過 %1 份的副本不再產生。未載入的試樣：%2 個。</translation>
    </message>
</context>
<context>
    <name>measuringJournal</name>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>Every journal in %1 is in use.</source>
        <translation>%1 中的所有日誌都在使用中。</translation>
    </message>
    <message>
        <source>QCM</source>
        <translation>QCM</translation>
    </message>
    <message>
        <source>Unsaved measurements cannot be protected against a crash:
%1</source>
        <translation>未儲存的測量資料無法在程式當機時得到保護：
%1</translation>
    </message>
    <message>
        <source>an untitled measurement</source>
        <translation>未命名的測量</translation>
    </message>
    <message>
        <source>QCM was not closed properly. %1 Types and Samples of %2, as they were on %3, were not saved.
Do you want to restore them?</source>
        <translation>QCM 上次未正常關閉。%2 中的 %1 個標樣和試樣（截至 %3）尚未儲存。
是否還原？</translation>
    </message>
    <message>
        <source>The last change before the crash could not be read.</source>
        <translation>當機前的最後一項變更無法讀取。</translation>
    </message>
    <message>
        <source>QCM cannot write in the folder %1.</source>
        <translation>QCM 無法在資料夾 %1 中寫入。</translation>
    </message>
    <message>
        <source>The unsaved measurements could not be set aside (%1). They stay in %2 and are offered again at the next start.</source>
        <translation>未儲存的測量無法另行保存（%1）。它們仍保留在 %2 中，下次啟動時將再次提供還原。</translation>
    </message>
    <message>
        <source>%1 now holds %2 Types and Samples: saving the restored ones under its name would replace them with fewer.</source>
        <translation>%1 現有 %2 個標樣和試樣：以該檔名儲存還原的測量，將以較少的項目取代它們。</translation>
    </message>
    <message>
        <source>If you do not restore them, they are kept in %1.</source>
        <translation>如果不還原，它們將保留在 %1 中。</translation>
    </message>
    <message>
        <source>Unsaved measurements are no longer protected against a crash: the journal %1 cannot be written (%2).
QCM tries again as long as it runs; make room on that disk, and save the measurement.</source>
        <translation>未儲存的測量不再受當機保護：無法寫入日誌 %1（%2）。
QCM 執行期間會不斷重試；請在該磁碟上騰出空間，並儲存測量。</translation>
    </message>
    <message>
        <source>Not protected against a crash</source>
        <translation>未受當機保護</translation>
    </message>
</context>
<context>
    <name>readingRecorderRk</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Unfinished sample average measurement is unfinished, 
continue to click &quot;Yes&quot;, cancel to click &quot;No&quot;!</source>
        <translation>平均量測尚未完成，
繼續請點選「是」，取消請點選「否」!</translation>
    </message>
    <message>
        <source>Please measure Type firstly!</source>
        <translation>請先量測標樣!</translation>
    </message>
    <message>
        <source>%1 is an unfinished average measurement begun under other measuring conditions: all its readings share the conditions of the first one.
Set them back to finish it, or delete it.</source>
        <translation>%1 是未完成的平均測量，開始於其他測量條件下：它的所有讀數都沿用第一次讀數的條件。
請改回原條件以完成它，或刪除它。</translation>
    </message>
    <message>
        <source>%1 is an unfinished average measurement (%2 of %3 readings): all its readings share the light source, light mode and colour space of the first one.
Finish it, or delete it, before changing them.</source>
        <translation>%1 是未完成的平均測量（已測 %2 次，共 %3 次）：它的所有讀數都沿用第一次讀數的光源、含光模式和色空間。
請先完成或刪除它，再更改這些條件。</translation>
    </message>
</context>
<context>
    <name>sharedState</name>
    <message>
        <source>New Measurement</source>
        <translation>新建測量</translation>
    </message>
</context>
<context>
    <name>testRk</name>
    <message>
        <source>Stop Sample measurement</source>
        <translation>停止試樣量測</translation>
    </message>
    <message>
        <source>Auto Sample measurement</source>
        <translation>自動試樣量測</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>量測</translation>
    </message>
    <message>
        <source>Type measurement</source>
        <translation>標樣量測</translation>
    </message>
    <message>
        <source>Sample measurement</source>
        <translation>試樣量測</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>間隔:</translation>
    </message>
    <message>
        <source>second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Connection to the instrument lost; the automatic Sample measurement was stopped.</source>
        <translation>與儀器的連線已中斷，自動試樣量測已停止。</translation>
    </message>
</context>
<context>
    <name>uploadRecorderRk</name>
    <message>
        <source>An upload is already running.</source>
        <translation>上傳正在進行中。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>No instrument information!</source>
        <translation>沒有儀器資訊！</translation>
    </message>
    <message>
        <source>Please finish the measurement under way before uploading!</source>
        <translation>請先完成正在進行的量測再上傳！</translation>
    </message>
    <message>
        <source>Upload all the data to your computer?</source>
        <translation>是否將所有資料上傳到電腦？</translation>
    </message>
    <message>
        <source>Uploaded %1 Types and %2 Samples; %3 Samples without a Type were dropped.</source>
        <translation>已上傳 %1 個標樣和 %2 個試樣；%3 個沒有標樣的試樣已被捨棄。</translation>
    </message>
</context>
</TS>
