#ifndef QCM_RECORDCOMMANDS_H
#define QCM_RECORDCOMMANDS_H

#include "commandRow.h"

class itemOperationsRk;
class QWidget;
class measurementRoad;
class measurementTreeRk;
class measuringDocument;
class sharedState;
class testRk;
class uploadRecorderRk;
class writeTRk;

// The commands whose work is done in records/: the file commands of the
// measuring document, the measurements and calibrations of the road with the
// button panel, the operations on items, the upload and the Type typed in by
// hand.  Each row runs on the object that owns the work.
// The file commands, with the colours of a CGATS file imported as new Types
// of the tree (under the conditions the file states, the current instrument
// model where it names none).
commandRows fileCommands(measuringDocument *document, measurementTreeRk *tree, QWidget *parent,
                         const sharedState *state);
commandRows measurementCommands(measurementRoad *road, testRk *buttonPanel);
commandRows itemCommands(itemOperationsRk *operations);
commandRows instrumentDataCommands(uploadRecorderRk *uploader, writeTRk *typeInput,
                                   const sharedState *state);

#endif
