#ifndef QCM_SETTINGCOMMANDS_H
#define QCM_SETTINGCOMMANDS_H

#include "commandRow.h"

class QMainWindow;
class averageTestRk;
class setMeasurementRk;
class sharedState;
class toleranceRk;
class whiteYellowRk;

// The setting dialogs open with the values in force, which live in
// records/' shared state while the dialogs (dialogs/) may not see it: their
// commands are made here.  With them the window's own commands, Exit and
// About.
commandRows settingCommands(const sharedState *state, setMeasurementRk *conditions,
                            toleranceRk *tolerance, averageTestRk *average,
                            whiteYellowRk *whiteness);
commandRows windowCommands(QMainWindow *window);

#endif
