#ifndef QCM_LIBRARYTREELINK_H
#define QCM_LIBRARYTREELINK_H

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class QBrush;
class QTreeWidgetItem;
class QWidget;
class measurementTreeRk;

// What passes between the measurement tree and the library: the items the
// two "save as library colour" commands take, and a launched entry becoming
// a Type.
class libraryTreeLink
{
    Q_DECLARE_TR_FUNCTIONS(libraryTreeLink)
public:
    // The selected Type or Sample (the last selected, from the last Type
    // backwards); with none, a "Tips" box says so and the result is null.
    static QTreeWidgetItem *selectedItem(const measurementTreeRk &tree, QWidget *parent);
    // The checked items: the Types from the last to the first, each followed
    // by its checked Samples from the first to the last.  Nothing while the
    // measurement root itself is selected.
    static QList<QTreeWidgetItem *> checkedItems(const measurementTreeRk &tree);
    // A launched entry as a new Type: `data` holds name, colour space, value
    // text, light source, observer, illumination mode, caliber, light mode,
    // readings per average and time; the coordinates come from the value
    // text, the instrument model is the current one, the formula is empty and
    // the swatch is `color`.  Null for a list of another length.
    static QTreeWidgetItem *launchType(measurementTreeRk *tree, const QString &instrumentModel,
                                       const QStringList &data, const QBrush &color);
};

#endif
