#include "libraryTreeLink.h"

#include "itemColumns.h"
#include "libraryValue.h"
#include "measurementTreeRk.h"
#include "promptRk.h"

#include <QBrush>
#include <QTreeWidgetItem>

QTreeWidgetItem *libraryTreeLink::selectedItem(const measurementTreeRk &tree, QWidget *parent)
{
    const QList<QTreeWidgetItem *> selected = tree.selectedItemsLastFirst();
    if (selected.isEmpty()) {
        promptRk::warning(parent, tr("Tips"), tr("No Type, Sample is selected!"));
        return nullptr;
    }
    return selected.first();
}

QList<QTreeWidgetItem *> libraryTreeLink::checkedItems(const measurementTreeRk &tree)
{
    QList<QTreeWidgetItem *> items;
    if (tree.measurementRoot()->isSelected())
        return items;
    for (int t = tree.typeCount() - 1; t >= 0; --t) {
        QTreeWidgetItem *type = tree.type(t);
        if (type->checkState(nameColumn) == Qt::Checked)
            items.append(type);
        for (int s = 0; s < type->childCount(); ++s) {
            if (type->child(s)->checkState(nameColumn) == Qt::Checked)
                items.append(type->child(s));
        }
    }
    return items;
}

QTreeWidgetItem *libraryTreeLink::launchType(measurementTreeRk *tree,
                                             const QString &instrumentModel,
                                             const QStringList &data, const QBrush &color)
{
    if (data.size() != 10)
        return nullptr;
    const ColorTriple v = parseLibraryValue(data.at(2)).values;
    const QString &averageTimes = data.at(8);
    const measurementTreeRk::originScope launched(tree, history::Origin::Library);
    // Columns 5 to 15: time, light source, model, caliber, light mode, colour
    // space, formula, illumination, observer, readings wanted and taken.
    QTreeWidgetItem *type = tree->addTypeItem(v[0], v[1], v[2], data.at(0),
                                              {data.at(9), data.at(3), instrumentModel, data.at(6),
                                               data.at(7), data.at(1), QString(), data.at(5),
                                               data.at(4), averageTimes, averageTimes});
    if (type)
        type->setBackground(swatchColumn, color);
    return type;
}
