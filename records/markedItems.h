#ifndef QCM_MARKEDITEMS_H
#define QCM_MARKEDITEMS_H

#include "measuringFile.h"

#include <QColor>
#include <QVector>

class QTreeWidgetItem;
class measurementTreeRk;

// One marked Type and its marked Samples, copied out of the tree: reports,
// the export and the library work on the copy, so nothing that happens to the
// tree while they run (the event loop turns) can reach them.
struct MarkedType
{
    ItemTexts type;
    QColor typeSwatch;
    QVector<ItemTexts> samples;
    QVector<QColor> sampleSwatches;
};

// The marked items in tree order: every Type that is checked or partially
// checked, with its checked Samples, and also every Type that shows
// unchecked while one of its Samples is checked (a Type with one Sample keeps
// its own state when that Sample is checked), so no checked Sample is lost.
QVector<MarkedType> markedTypes(const measurementTreeRk &tree);
// The same as tree items, for commands that act on the tree itself.
QVector<QPair<QTreeWidgetItem *, QVector<QTreeWidgetItem *>>>
markedItemPointers(const measurementTreeRk &tree);
// Exported Types and checked Samples together.
int markedItemCount(const QVector<MarkedType> &marked);

#endif
