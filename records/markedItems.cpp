#include "markedItems.h"

#include "measurementTreeRk.h"

#include <QTreeWidgetItem>

QVector<QPair<QTreeWidgetItem *, QVector<QTreeWidgetItem *>>>
markedItemPointers(const measurementTreeRk &tree)
{
    QVector<QPair<QTreeWidgetItem *, QVector<QTreeWidgetItem *>>> marked;
    for (int t = 0; t < tree.typeCount(); ++t) {
        QTreeWidgetItem *type = tree.type(t);
        QVector<QTreeWidgetItem *> samples;
        for (int s = 0; s < type->childCount(); ++s) {
            if (type->child(s)->checkState(nameColumn) == Qt::Checked)
                samples.append(type->child(s));
        }
        if (type->checkState(nameColumn) != Qt::Unchecked || !samples.isEmpty())
            marked.append({type, samples});
    }
    return marked;
}

QVector<MarkedType> markedTypes(const measurementTreeRk &tree)
{
    QVector<MarkedType> marked;
    const auto pointers = markedItemPointers(tree);
    marked.reserve(pointers.size());
    for (const auto &entry : pointers) {
        MarkedType copy;
        copy.type = measurementTreeRk::columnTexts(entry.first);
        copy.typeSwatch = entry.first->background(swatchColumn).color();
        copy.samples.reserve(entry.second.size());
        copy.sampleSwatches.reserve(entry.second.size());
        for (QTreeWidgetItem *sample : entry.second) {
            copy.samples.append(measurementTreeRk::columnTexts(sample));
            copy.sampleSwatches.append(sample->background(swatchColumn).color());
        }
        marked.append(copy);
    }
    return marked;
}

int markedItemCount(const QVector<MarkedType> &marked)
{
    int count = 0;
    for (const MarkedType &type : marked)
        count += 1 + type.samples.size();
    return count;
}
