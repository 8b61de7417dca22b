#include "recordCommands.h"

#include "cgatsTypeImport.h"
#include "fastFindRk.h"
#include "itemOperationsRk.h"
#include "itemRenameRk.h"
#include "measurementRoad.h"
#include "measuringDocument.h"
#include "sharedState.h"
#include "testRk.h"
#include "uploadRecorderRk.h"
#include "writeTRk.h"

#include <QCoreApplication>

namespace {

const auto noKey = QKeySequence::UnknownKey;
constexpr int instrument = commandNeeds::instrument | commandNeeds::noUpload;
constexpr int calibration = instrument | commandNeeds::calibration;

} // namespace

commandRows fileCommands(measuringDocument *document, measurementTreeRk *tree, QWidget *parent,
                         const sharedState *state)
{
    const auto m = commandMenu::file;
    return {
        {"newFile", QT_TRANSLATE_NOOP("MainWindows", "&New"),
         QT_TRANSLATE_NOOP("MainWindows", "New measuring file!"), "11 file.png", QKeySequence::New,
         nullptr, commandNeeds::noUpload, m, 10, false, true, 0, document,
         [document] { document->newFile(); }},
        {"open", QT_TRANSLATE_NOOP("MainWindows", "&Open"),
         QT_TRANSLATE_NOOP("MainWindows", "Open file!"), "12 file.png", QKeySequence::Open, nullptr,
         commandNeeds::noUpload, m, 20, false, true, 0, document, [document] { document->open(); }},
        {"save", QT_TRANSLATE_NOOP("MainWindows", "&Save"),
         QT_TRANSLATE_NOOP("MainWindows", "Save file!"), "13 file.png", QKeySequence::Save, nullptr,
         commandNeeds::nothing, m, 30, false, true, 0, document, [document] { document->save(); }},
        {"saveAs", QT_TRANSLATE_NOOP("MainWindows", "&Save As..."),
         QT_TRANSLATE_NOOP("MainWindows", "File saved to ..."), "14 file.png", QKeySequence::SaveAs,
         nullptr, commandNeeds::nothing, m, 40, false, false, 0, document,
         [document] { document->saveAs(); }},
        {"importCgatsTypesFcn", QT_TRANSLATE_NOOP("MainWindows", "Import CGATS as Types…"),
         QT_TRANSLATE_NOOP("MainWindows", "Colours of a CGATS text file as new Types!"), nullptr,
         noKey, nullptr, commandNeeds::noUpload, m, 74, false, false, 0, parent,
         [tree, parent, state] {
             cgatsTypeImport::run(tree, parent, state->conditions().instrumentModel);
         }},
    };
}

commandRows measurementCommands(measurementRoad *road, testRk *buttonPanel)
{
    const auto m = commandMenu::measurement;
    const auto c = commandMenu::calibration;
    return {
        {"whiteCalibrationFcn", QT_TRANSLATE_NOOP("MainWindows", "&White Calibration"),
         QT_TRANSLATE_NOOP("MainWindows", "Instrument white calibration!"), "31 cal.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+W"), calibration, c, 10, false, true, 0, road,
         [road] { road->askWhiteCalibration(); }},
        {"blackCalibrationFcn", QT_TRANSLATE_NOOP("MainWindows", "&Black Calibration"),
         QT_TRANSLATE_NOOP("MainWindows", "Instrument white calibration!"), "32 cal.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+B"), calibration, c, 20, false, true, 0, road,
         [road] { road->askBlackCalibration(); }},
        {"tTestFcn", QT_TRANSLATE_NOOP("MainWindows", "&Type Measurement"),
         QT_TRANSLATE_NOOP("MainWindows", "Type measure!"), "51 measure.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "T"), instrument, m, 10, false, true, 0, road,
         [road] { road->requestType(); }},
        {"sTestFcn", QT_TRANSLATE_NOOP("MainWindows", "&Sample Measurement"),
         QT_TRANSLATE_NOOP("MainWindows", "Sample measure!"), "52 measure.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "S"), instrument, m, 20, false, true, 0, road,
         [road] { road->requestSample(); }},
        {"stTestUiFcn", QT_TRANSLATE_NOOP("MainWindows", "&Measurement Button"),
         QT_TRANSLATE_NOOP("MainWindows", "Active measurement button!"), "53 measure.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "F"), instrument, m, 30, false, true, 0, buttonPanel,
         [buttonPanel] { showCommandDialog(buttonPanel); }},
    };
}

commandRows itemCommands(itemOperationsRk *operations)
{
    const auto m = commandMenu::operate;
    itemOperationsRk *o = operations;
    return {
        {"itemRenameFcn", QT_TRANSLATE_NOOP("MainWindows", "&Rename"),
         QT_TRANSLATE_NOOP("MainWindows", "Measurement/Type/sample rename!"), "21 operate.png",
         noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+E"), commandNeeds::nothing, m, 10, false,
         true, 3, o,
         [o] {
             if (QTreeWidgetItem *item = o->startRename())
                 o->renameDialog()->setItemNewName(item);
         }},
        {"fastFindFcn", QT_TRANSLATE_NOOP("MainWindows", "&Quick Search"),
         QT_TRANSLATE_NOOP("MainWindows", "Type/sample quick search!"), "22 operate.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+A"), commandNeeds::nothing, m, 20, false, true, 4,
         o, [o] { o->findDialog()->getFastFindTree(o->startQuickSearch()); }},
        {"selectionAllFcn", QT_TRANSLATE_NOOP("MainWindows", "&Select All/Select Invert"),
         QT_TRANSLATE_NOOP("MainWindows", "Select all item"), "23 operate.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+D"), commandNeeds::nothing, m, 30, false, true, 5,
         o, [o] { o->invertCheckMarks(); }},
        {"deleteChooseItemFcn", QT_TRANSLATE_NOOP("MainWindows", "&Delete Selected Item"),
         QT_TRANSLATE_NOOP("MainWindows", "Delete selected item!"), "24 operate.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+K"), commandNeeds::nothing, m, 40, false, true, 6,
         o, [o] { o->deleteCheckedItems(); }},
        {"deleteAllItemFcn", QT_TRANSLATE_NOOP("MainWindows", "&Delete All Sample of The Type"),
         QT_TRANSLATE_NOOP("MainWindows", "Delete selected item!"), "25 operate.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+F"), commandNeeds::nothing, m, 50, false, true, 7,
         o, [o] { o->deleteSamplesOfSelectedTypes(); }},
        {"itemSetAsNewTypeFcn", QT_TRANSLATE_NOOP("MainWindows", "&Item Set As A New Type"),
         QT_TRANSLATE_NOOP("MainWindows", "The selected item is set as a new Type!"), "newType.png",
         noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+C"), commandNeeds::nothing, m, 80, false,
         true, 10, o, [o] { o->setAsNewType(); }},
        {"itemSetAsCheckItemSampleFcn",
         QT_TRANSLATE_NOOP("MainWindows", "&Item Set As A New Sample of The Checked Type"),
         QT_TRANSLATE_NOOP("MainWindows",
                           "The selected item is set as a new sample of the checked Type!"),
         "addItem.png", noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+V"), commandNeeds::nothing, m,
         90, false, true, 11, o, [o] { o->setAsSampleOfCheckedTypes(); }},
    };
}

commandRows instrumentDataCommands(uploadRecorderRk *uploader, writeTRk *typeInput,
                                   const sharedState *state)
{
    return {
        {"writeTFcn", QT_TRANSLATE_NOOP("MainWindows", "&Manually Type Writing"),
         QT_TRANSLATE_NOOP("MainWindows", "Manually input Type data!"), "54 measure.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+X"), commandNeeds::nothing,
         commandMenu::measurement, 40, true, true, 0, typeInput,
         [typeInput, state] {
             typeInput->show();
             typeInput->raise();
             typeInput->setParameter(state->conditions().instrumentModel,
                                     state->conditions().caliber);
         }},
        {"dataToPCFcn", QT_TRANSLATE_NOOP("MainWindows", "&Instrument Data Transmit PC"),
         QT_TRANSLATE_NOOP("MainWindows", "stored data in instrument transmit PC"), "61 data.png",
         noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+G"), instrument,
         commandMenu::dataTransmission, 10, false, true, 0, uploader,
         [uploader] { uploader->start(); }},
    };
}
