#include "settingCommands.h"

#include "averageTestRk.h"
#include "promptRk.h"
#include "setMeasurementRk.h"
#include "sharedState.h"
#include "toleranceRk.h"
#include "whiteYellowRk.h"

#include <QCoreApplication>
#include <QMainWindow>

commandRows settingCommands(const sharedState *state, setMeasurementRk *conditions,
                            toleranceRk *tolerance, averageTestRk *average,
                            whiteYellowRk *whiteness)
{
    const auto noKey = QKeySequence::UnknownKey;
    const auto m = commandMenu::setting;
    return {
        {"setMeasurementFcn", QT_TRANSLATE_NOOP("MainWindows", "&Measuring Setting"),
         QT_TRANSLATE_NOOP("MainWindows", "Set measuring conditions!"), "41 setting.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+T"), commandNeeds::nothing, m, 10, false, true, 0,
         conditions,
         [state, conditions] {
             showCommandDialog(conditions);
             const MeasuringConditions &c = state->conditions();
             conditions->setMeasurement(c.instrumentModel, c.standardLight, c.colorSpace,
                                        c.colorDiffFormula, c.SCISCE);
         }},
        {"setTolerance", QT_TRANSLATE_NOOP("MainWindows", "&Tolerance Setting"),
         QT_TRANSLATE_NOOP("MainWindows", "Set tolerance standard!"), "42 setting.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+R"), commandNeeds::nothing, m, 20, false, true, 1,
         tolerance,
         [state, tolerance] {
             showCommandDialog(tolerance);
             const Tolerance &t = state->tolerance();
             tolerance->gettolerance(t.delatE, t.nDelatL, t.pDelatL, t.nDelata, t.pDelata,
                                     t.nDelatb, t.pDelatb);
         }},
        {"setAverageTestFcn", QT_TRANSLATE_NOOP("MainWindows", "&Average Measurement"),
         QT_TRANSLATE_NOOP("MainWindows", "Set average measurement!"), "43 setting.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+Y"), commandNeeds::nothing, m, 30, true, true, 0,
         average,
         [state, average] {
             showCommandDialog(average);
             average->setAverage(state->conditions().averageTestTime);
         }},
        {"whiteYellowFcn", QT_TRANSLATE_NOOP("MainWindows", "&Whiteness/Yellowness Measurement"),
         QT_TRANSLATE_NOOP("MainWindows", "Whiteness/Yellowness measurement!"), "55 measure.png",
         noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+U"),
         commandNeeds::instrument | commandNeeds::noUpload, commandMenu::measurement, 50, true,
         true, 0, whiteness, [whiteness] { showCommandDialog(whiteness); }},
    };
}

commandRows windowCommands(QMainWindow *window)
{
    const auto noKey = QKeySequence::UnknownKey;
    return {
        {"exit", QT_TRANSLATE_NOOP("MainWindows", "&Exit"),
         QT_TRANSLATE_NOOP("MainWindows", "Exit software!"), "17 file.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+Q"), commandNeeds::nothing, commandMenu::file, 90,
         true, false, 0, window, [window] { window->close(); }},
        {"aboutZENTO", QT_TRANSLATE_NOOP("MainWindows", "&About"),
         QT_TRANSLATE_NOOP("MainWindows", "About QCM"), "81 about.png", noKey, nullptr,
         commandNeeds::nothing, commandMenu::help, 10, false, false, 0, window,
         [window] {
             promptRk::information(
                 window, QCoreApplication::translate("MainWindows", "About QCM"),
                 QCoreApplication::translate(
                     "MainWindows",
                     "<h2>QCM 1.0</h2><p>Colour quality control for the hand-held "
                     "colorimeter: measure Types and Samples, judge colour differences, "
                     "plot trends, keep colour libraries, print reports and export "
                     "workbooks.</p>"));
         }},
    };
}
