<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainWindows</name>
    <message>
        <source>&amp;New</source>
        <translation />
    </message>
    <message>
        <source>New measuring file!</source>
        <translation />
    </message>
    <message>
        <source>&amp;Open</source>
        <translation />
    </message>
    <message>
        <source>Open file!</source>
        <translation />
    </message>
    <message>
        <source>&amp;Save</source>
        <translation />
    </message>
    <message>
        <source>Save file!</source>
        <translation />
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation />
    </message>
    <message>
        <source>File saved to ...</source>
        <translation />
    </message>
    <message>
        <source>&amp;Print</source>
        <translation />
    </message>
    <message>
        <source>Print file!</source>
        <translation />
    </message>
    <message>
        <source>&amp;Export to excel</source>
        <translation />
    </message>
    <message>
        <source>Data export to excel!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation />
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation />
    </message>
    <message>
        <source>Exit software!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation />
    </message>
    <message>
        <source>&amp;White Calibration</source>
        <translation />
    </message>
    <message>
        <source>Instrument white calibration!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation />
    </message>
    <message>
        <source>&amp;Black Calibration</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation />
    </message>
    <message>
        <source>&amp;Measuring Setting</source>
        <translation />
    </message>
    <message>
        <source>Set measuring conditions!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation />
    </message>
    <message>
        <source>&amp;Tolerance Setting</source>
        <translation />
    </message>
    <message>
        <source>Set tolerance standard!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation />
    </message>
    <message>
        <source>&amp;Average Measurement</source>
        <translation />
    </message>
    <message>
        <source>Set average measurement!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation />
    </message>
    <message>
        <source>&amp;Printing Info. Setting</source>
        <translation />
    </message>
    <message>
        <source>Configurate software parameters!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation />
    </message>
    <message>
        <source>&amp;English</source>
        <translation />
    </message>
    <message>
        <source>English!</source>
        <translation />
    </message>
    <message>
        <source>&amp;中文简体</source>
        <translation />
    </message>
    <message>
        <source>中文简体!</source>
        <translation />
    </message>
    <message>
        <source>&amp;中文繁體</source>
        <translation />
    </message>
    <message>
        <source>中文繁體!</source>
        <translation />
    </message>
    <message>
        <source>&amp;Type Measurement</source>
        <translation />
    </message>
    <message>
        <source>Type measure!</source>
        <translation />
    </message>
    <message>
        <source>T</source>
        <translation />
    </message>
    <message>
        <source>&amp;Sample Measurement</source>
        <translation />
    </message>
    <message>
        <source>Sample measure!</source>
        <translation />
    </message>
    <message>
        <source>S</source>
        <translation />
    </message>
    <message>
        <source>&amp;Measurement Button</source>
        <translation />
    </message>
    <message>
        <source>Active measurement button!</source>
        <translation />
    </message>
    <message>
        <source>F</source>
        <translation />
    </message>
    <message>
        <source>&amp;Manually Type Writing</source>
        <translation />
    </message>
    <message>
        <source>Manually input Type data!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation />
    </message>
    <message>
        <source>&amp;Whiteness/Yellowness Measurement</source>
        <translation />
    </message>
    <message>
        <source>Whiteness/Yellowness measurement!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation />
    </message>
    <message>
        <source>&amp;Instrument Data Transmit PC</source>
        <translation />
    </message>
    <message>
        <source>stored data in instrument transmit PC</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation />
    </message>
    <message>
        <source>&amp;Type Data Library</source>
        <translation />
    </message>
    <message>
        <source>Type data library</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation />
    </message>
    <message>
        <source>&amp;About</source>
        <translation />
    </message>
    <message>
        <source>About QCM</source>
        <translation />
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation />
    </message>
    <message>
        <source>Measurement/Type/sample rename!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation />
    </message>
    <message>
        <source>&amp;Quick Search</source>
        <translation />
    </message>
    <message>
        <source>Type/sample quick search!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation />
    </message>
    <message>
        <source>&amp;Select All/Select Invert</source>
        <translation />
    </message>
    <message>
        <source>Select all item</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation />
    </message>
    <message>
        <source>&amp;Delete Selected Item</source>
        <translation />
    </message>
    <message>
        <source>Delete selected item!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation />
    </message>
    <message>
        <source>&amp;Delete All Sample of The Type</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation />
    </message>
    <message>
        <source>&amp;Save As Library Color</source>
        <translation />
    </message>
    <message>
        <source>Save as library color!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation />
    </message>
    <message>
        <source>&amp;Selected Item Saved As A Type Library Color</source>
        <translation />
    </message>
    <message>
        <source>The selected item is saved as a Type library color!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation />
    </message>
    <message>
        <source>&amp;Item Set As A New Type</source>
        <translation />
    </message>
    <message>
        <source>The selected item is set as a new Type!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation />
    </message>
    <message>
        <source>&amp;Item Set As A New Sample of The Checked Type</source>
        <translation />
    </message>
    <message>
        <source>The selected item is set as a new sample of the checked Type!</source>
        <translation />
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation />
    </message>
    <message>
        <source>New Measurement</source>
        <translation />
    </message>
    <message>
        <source>Ready</source>
        <translation />
    </message>
    <message>
        <source>Measuring Parameters</source>
        <translation />
    </message>
    <message>
        <source>Color Difference Changing Graph</source>
        <translation />
    </message>
    <message>
        <source>Color Difference Deflection</source>
        <translation />
    </message>
    <message>
        <source>&amp;File</source>
        <translation />
    </message>
    <message>
        <source>&amp;Operate</source>
        <translation />
    </message>
    <message>
        <source>&amp;Calibration</source>
        <translation />
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation />
    </message>
    <message>
        <source>Language</source>
        <translation />
    </message>
    <message>
        <source>&amp;Measurement</source>
        <translation />
    </message>
    <message>
        <source>&amp;Data Transmission</source>
        <translation />
    </message>
    <message>
        <source>&amp;Type library</source>
        <translation />
    </message>
    <message>
        <source>&amp;Help</source>
        <translation />
    </message>
    <message>
        <source>Disconnected</source>
        <translation />
    </message>
    <message>
        <source>&lt;h2&gt;QCM 1.0&lt;/h2&gt;&lt;p&gt;Colour quality control for the hand-held colorimeter: measure Types and Samples, judge colour differences, plot trends, keep colour libraries, print reports and export workbooks.&lt;/p&gt;</source>
        <translation />
    </message>
    <message>
        <source>Succeed to set tolerance.</source>
        <translation />
    </message>
    <message>
        <source>connected to instrument:</source>
        <translation />
    </message>
    <message>
        <source>Port</source>
        <translation />
    </message>
    <message>
        <source>Instrument and computer disconnected!</source>
        <translation />
    </message>
    <message>
        <source>Tips</source>
        <translation />
    </message>
    <message>
        <source>Measuring Name:</source>
        <translation />
    </message>
    <message>
        <source>Do you want white calibration?</source>
        <translation />
    </message>
    <message>
        <source>Do you want black calibration?</source>
        <translation />
    </message>
    <message>
        <source>files</source>
        <translation />
    </message>
    <message>
        <source>QCM</source>
        <translation />
    </message>
    <message>
        <source>Cannot write file</source>
        <translation />
    </message>
    <message>
        <source>Cannot read file</source>
        <translation />
    </message>
    <message>
        <source>The file is not a qcm file.</source>
        <translation />
    </message>
    <message>
        <source>Loading file ... </source>
        <translation />
    </message>
    <message>
        <source>Loaded finished</source>
        <translation />
    </message>
    <message>
        <source>Untitled [*]</source>
        <translation />
    </message>
    <message>
        <source>Color Software QCM  </source>
        <translation />
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation />
    </message>
    <message>
        <source>File saved</source>
        <translation />
    </message>
    <message>
        <source>Saving canceled</source>
        <translation />
    </message>
    <message>
        <source>Save</source>
        <translation />
    </message>
    <message>
        <source>Open</source>
        <translation />
    </message>
    <message>
        <source>File loaded</source>
        <translation />
    </message>
    <message>
        <source>Loading canceled</source>
        <translation />
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Setting up the main window...</source>
        <translation />
    </message>
    <message>
        <source>loading modules...</source>
        <translation />
    </message>
</context>
<context>
    <name>conditionCheck</name>
    <message>
        <source>Please change in measurement setup if light sources don’t 
agree with Type!</source>
        <translation />
    </message>
    <message>
        <source>Please use caliber consistent with standard instrument if caliber 
don’t agree with Type measuring conditions!</source>
        <translation />
    </message>
    <message>
        <source>Please change in measurement setup if containing light mode 
is not consistent with Type measurement conditions!</source>
        <translation />
    </message>
    <message>
        <source>Please change in measurement setup if color splace is not 
consistent with Type measurement conditions!</source>
        <translation />
    </message>
    <message>
        <source>Please use illumination consistent instrument if illumination 
don’t agree with Type measuring conditions!</source>
        <translation />
    </message>
    <message>
        <source>Please use observer consistent with instrument if observer 
don’t agree with Type!</source>
        <translation />
    </message>
    <message>
        <source>Please change in measurement setup if average measurement settings 
are not consistent with Type measurement conditions!</source>
        <translation />
    </message>
</context>
<context>
    <name>infoPanelRk</name>
    <message>
        <source>Standard Light Source</source>
        <translation />
    </message>
    <message>
        <source>Illumination Method</source>
        <translation />
    </message>
    <message>
        <source>Color Space</source>
        <translation />
    </message>
    <message>
        <source>Color Difference Formula</source>
        <translation />
    </message>
    <message>
        <source>Observer</source>
        <translation />
    </message>
    <message>
        <source>Caliber</source>
        <translation />
    </message>
    <message>
        <source>Containing Light Mode</source>
        <translation />
    </message>
    <message>
        <source>Single/Average Measurement</source>
        <translation />
    </message>
    <message>
        <source>Company</source>
        <translation />
    </message>
    <message>
        <source>Department</source>
        <translation />
    </message>
    <message>
        <source>Measurement Person</source>
        <translation />
    </message>
    <message>
        <source>Product Tested</source>
        <translation />
    </message>
    <message>
        <source>Type</source>
        <translation />
    </message>
    <message>
        <source>Sample</source>
        <translation />
    </message>
    <message>
        <source>Color Difference Value</source>
        <translation />
    </message>
    <message>
        <source>Deflection</source>
        <translation />
    </message>
    <message>
        <source>Judging Result</source>
        <translation />
    </message>
    <message>
        <source>Measuring Time</source>
        <translation />
    </message>
</context>
<context>
    <name>judgement</name>
    <message>
        <source>White+ Black-</source>
        <translation />
    </message>
    <message>
        <source>Red+ Green-</source>
        <translation />
    </message>
    <message>
        <source>Yellow+ Blue-</source>
        <translation />
    </message>
    <message>
        <source>Black+ White-</source>
        <translation />
    </message>
    <message>
        <source>Green+ Red-</source>
        <translation />
    </message>
    <message>
        <source>Blue+ Yellow-</source>
        <translation />
    </message>
    <message>
        <source>Supersaturation</source>
        <translation />
    </message>
    <message>
        <source>Hue+</source>
        <translation />
    </message>
    <message>
        <source>Undersaturation</source>
        <translation />
    </message>
    <message>
        <source>Hue-</source>
        <translation />
    </message>
    <message>
        <source>White+ black-</source>
        <translation />
    </message>
    <message>
        <source>Red+ green-</source>
        <translation />
    </message>
    <message>
        <source>Yellow+ blue-</source>
        <translation />
    </message>
    <message>
        <source>Black+ white-</source>
        <translation />
    </message>
    <message>
        <source>Green+ red-</source>
        <translation />
    </message>
    <message>
        <source>Blue+ yellow-</source>
        <translation />
    </message>
    <message>
        <source>White+ </source>
        <translation />
    </message>
    <message>
        <source>Red+ </source>
        <translation />
    </message>
    <message>
        <source>Yellow+ </source>
        <translation />
    </message>
    <message>
        <source>Black+ </source>
        <translation />
    </message>
    <message>
        <source>Green+ </source>
        <translation />
    </message>
    <message>
        <source>Blue+ </source>
        <translation />
    </message>
    <message>
        <source>Normal</source>
        <translation />
    </message>
    <message>
        <source>--</source>
        <translation />
    </message>
    <message>
        <source>Pass</source>
        <translation />
    </message>
    <message>
        <source>Fail</source>
        <translation />
    </message>
</context>
<context>
    <name>measurementTreeRk</name>
    <message>
        <source>Instrument Model</source>
        <translation />
    </message>
    <message>
        <source>Wavelength Range</source>
        <translation />
    </message>
    <message>
        <source>Standard Light Source</source>
        <translation />
    </message>
    <message>
        <source>Observer</source>
        <translation />
    </message>
    <message>
        <source>Illumination Mode</source>
        <translation />
    </message>
    <message>
        <source>Caliber</source>
        <translation />
    </message>
    <message>
        <source>Containing Light Mode</source>
        <translation />
    </message>
    <message>
        <source>Color Space</source>
        <translation />
    </message>
    <message>
        <source>Color Difference Formula</source>
        <translation />
    </message>
    <message>
        <source>Type Capacity</source>
        <translation />
    </message>
    <message>
        <source>Sample Capacity</source>
        <translation />
    </message>
    <message>
        <source>Single/Average Measurement</source>
        <translation />
    </message>
    <message>
        <source>Measurement Name</source>
        <translation />
    </message>
    <message>
        <source>Company</source>
        <translation />
    </message>
    <message>
        <source>Print Time</source>
        <translation />
    </message>
    <message>
        <source>Department</source>
        <translation />
    </message>
    <message>
        <source>Measurement Person</source>
        <translation />
    </message>
    <message>
        <source>Product Tested</source>
        <translation />
    </message>
    <message>
        <source>New Measurement</source>
        <translation />
    </message>
    <message>
        <source>Measurement Name:New Measurement</source>
        <translation />
    </message>
    <message>
        <source>Instrument Info.</source>
        <translation />
    </message>
    <message>
        <source>Software Info.</source>
        <translation />
    </message>
    <message>
        <source>Measuring Parameters</source>
        <translation />
    </message>
    <message>
        <source>Current Tolerance</source>
        <translation />
    </message>
    <message>
        <source>Print Info.</source>
        <translation />
    </message>
    <message>
        <source>Measuring Name:</source>
        <translation />
    </message>
    <message>
        <source>Type</source>
        <translation />
    </message>
    <message>
        <source>Sample</source>
        <translation />
    </message>
</context>
<context>
    <name>readingRecorderRk</name>
    <message>
        <source>Tips</source>
        <translation />
    </message>
    <message>
        <source>Unfinished sample average measurement is unfinished, 
continue to click "Yes", cancel to click "No"!</source>
        <translation />
    </message>
    <message>
        <source>Please measure Type firstly!</source>
        <translation />
    </message>
</context>
<context>
    <name>serialPortRk</name>
    <message>
        <source>Open Port</source>
        <translation />
    </message>
    <message>
        <source>Successful</source>
        <translation />
    </message>
    <message>
        <source>Connected to instrument:</source>
        <translation />
    </message>
    <message>
        <source>Finished Type measurement!</source>
        <translation />
    </message>
    <message>
        <source>Finished measurement!</source>
        <translation />
    </message>
    <message>
        <source>Finished Sample measurement!</source>
        <translation />
    </message>
    <message>
        <source>Succeed to upload instrument data!</source>
        <translation />
    </message>
    <message>
        <source>Send success!</source>
        <translation />
    </message>
    <message>
        <source>Tips</source>
        <translation />
    </message>
    <message>
        <source>Send success, in the instrument name is</source>
        <translation />
    </message>
    <message>
        <source>Get instrument info. ...</source>
        <translation />
    </message>
    <message>
        <source>Type measurement ...</source>
        <translation />
    </message>
    <message>
        <source>Sample measurement ...</source>
        <translation />
    </message>
    <message>
        <source>White calibration ...</source>
        <translation />
    </message>
    <message>
        <source>Black calibration ...</source>
        <translation />
    </message>
    <message>
        <source>White calibration success!</source>
        <translation />
    </message>
    <message>
        <source>Black calibration success!</source>
        <translation />
    </message>
    <message>
        <source>White calibration failed!</source>
        <translation />
    </message>
    <message>
        <source>Black calibration failed!</source>
        <translation />
    </message>
    <message>
        <source>Whiteness/Yellowness measurement ...</source>
        <translation />
    </message>
    <message>
        <source>Upload instrument data to PC ...</source>
        <translation />
    </message>
    <message>
        <source>Upload incomplete: the instrument stopped answering after %1 records.</source>
        <translation />
    </message>
    <message>
        <source>Warning</source>
        <translation />
    </message>
    <message>
        <source>The Type data are incomplete; nothing is sent.</source>
        <translation />
    </message>
    <message>
        <source>Send Failed!</source>
        <translation />
    </message>
    <message>
        <source>Data is exported to excel...</source>
        <translation />
    </message>
    <message>
        <source>Export completed!</source>
        <translation />
    </message>
    <message>
        <source>Info.:</source>
        <translation />
    </message>
    <message>
        <source>The light mode "%1" has no instrument code; nothing is sent.</source>
        <translation />
    </message>
    <message>
        <source>The light source "%1" has no instrument code; nothing is sent.</source>
        <translation />
    </message>
    <message>
        <source>Request 0x%1 is not a measurement request.</source>
        <translation />
    </message>
    <message>
        <source>The caliber "%1" has no instrument code; nothing is sent.</source>
        <translation />
    </message>
    <message>
        <source>%1 readings per average do not fit the request; nothing is sent.</source>
        <translation />
    </message>
</context>
</TS>