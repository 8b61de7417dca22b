#include "readingRecorderRk.h"

#include "itemColumns.h"
#include "measurementTreeRk.h"
#include "promptRk.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTreeWidget>

namespace {

ColorTriple toTriple(const QList<float> &values)
{
    // An unknown colour-space name gives no coordinates; such items show 0.
    if (values.size() != 3)
        return {0.0f, 0.0f, 0.0f};
    return {values[0], values[1], values[2]};
}

} // namespace

readingRecorderRk::readingRecorderRk(measurementTreeRk *tree, const MeasuringConditions *conditions,
                                     QObject *parent)
    : QObject(parent), m_tree(tree), m_conditions(conditions)
{
    connect(m_tree, &measurementTreeRk::itemAboutToBeRemoved, this,
            &readingRecorderRk::itemRemoved);
}

bool readingRecorderRk::conditionsKnown() const
{
    QTreeWidgetItem *row = m_tree->parameterRow(measurementTreeRk::parameterIlluminationRow);
    return row && !row->text(1).isEmpty();
}

QStringList readingRecorderRk::columns5to15(const QString &time) const
{
    const MeasuringConditions &c = *m_conditions;
    return {time,
            c.standardLight,
            c.instrumentModel,
            c.caliber,
            c.SCISCE,
            c.colorSpace,
            c.colorDiffFormula,
            c.illuminationMode,
            c.observer,
            c.averageTestTime,
            QString::number(m_readingCount)};
}

QStringList readingRecorderRk::shownTexts(const ColorTriple &v, bool averaged) const
{
    QStringList texts;
    for (float value : v)
        texts << (averaged ? QString::number(double(value), 'f', 2)
                           : QStringLiteral("%1").arg(value));
    return texts;
}

bool readingRecorderRk::askKeepUnfinished() const
{
    return promptRk::question(nullptr, tr("Tips"),
                              tr("Unfinished sample average measurement is unfinished, "
                                 "\ncontinue to click \"Yes\", cancel to click \"No\"!"),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) == QMessageBox::Yes;
}

void readingRecorderRk::resetAveraging()
{
    m_averagingActive = false;
    m_typeAveraging = false;
    m_sampleAveraging = false;
    m_readingCount = 0;
    m_averageReadings.clear();
}

void readingRecorderRk::itemRemoved(QTreeWidgetItem *item)
{
    // The unfinished item is the last Type (Type averages) or the last
    // Sample of the averaged Type (Sample averages).
    QTreeWidgetItem *collecting = nullptr;
    if (m_typeAveraging)
        collecting = m_tree->lastType();
    else if (m_sampleAveraging && m_averagedType && m_averagedType->childCount())
        collecting = m_averagedType->child(m_averagedType->childCount() - 1);

    const bool typeGone = item == m_tree->measurementRoot() || item == m_averagedType;
    if (typeGone)
        m_averagedType = nullptr;
    if (m_averagingActive &&
        (typeGone || item == collecting || (collecting && collecting->parent() == item)))
        resetAveraging();
}

QTreeWidgetItem *readingRecorderRk::currentItemOrRoot()
{
    if (m_tree->typeCount() > 0)
        return m_tree->tree()->currentItem();
    promptRk::information(nullptr, tr("Tips"), tr("Please measure Type firstly!"));
    emit noTypeYet();
    return m_tree->measurementRoot();
}

void readingRecorderRk::addReadingTo(QTreeWidgetItem *item, const ColorTriple &v, bool isType)
{
    ++m_readingCount;
    item->setText(averageCountColumn, QString::number(m_readingCount));
    emit averagedItemUpdated(item);
    m_averageReadings.append(v);

    ColorTriple shown = v;
    if (item->text(averageTimesColumn) == QString::number(m_readingCount)) {
        m_averagingActive = false;
        if (isType)
            m_typeAveraging = false;
        else
            m_sampleAveraging = false;
        ColorTriple sum = {0.0f, 0.0f, 0.0f};
        for (const ColorTriple &reading : qAsConst(m_averageReadings)) {
            for (int i = 0; i < 3; ++i)
                sum[i] += reading[i];
        }
        for (int i = 0; i < 3; ++i)
            shown[i] = sum[i] / float(m_readingCount);
    }
    const QStringList texts = shownTexts(shown, true);
    for (int i = 0; i < 3; ++i)
        item->setText(value1Column + i, texts[i]);
    item->setSelected(true);
    if (m_conditions->averageTestTime == QString::number(m_readingCount)) {
        m_readingCount = 0;
        if (!isType)
            m_averagedType = nullptr;
    }
}

void readingRecorderRk::discardUnfinishedSample()
{
    if (m_averagedType && m_averagedType->childCount())
        m_tree->deleteItem(m_averagedType->child(m_averagedType->childCount() - 1));
    m_sampleAveraging = false;
    m_averagingActive = false;
    m_readingCount = 0;
}

QTreeWidgetItem *readingRecorderRk::typeReading(float L, float a, float b)
{
    if (!conditionsKnown()) {
        emit portInfoLostSignal();
        return nullptr;
    }
    const QString time = QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss");
    const ColorTriple v = toTriple(colorSpaceValues(L, a, b, m_conditions->colorSpace));
    m_tree->tree()->clearSelection();

    if (m_sampleAveraging) {
        if (!askKeepUnfinished())
            discardUnfinishedSample();
        return nullptr;
    }
    if (m_averageMode && m_averagingActive) {
        QTreeWidgetItem *last = m_tree->lastType();
        if (!last)
            return nullptr;
        addReadingTo(last, v, true);
        return last;
    }
    if (m_averageMode) {
        m_averagingActive = true;
        m_typeAveraging = true;
        m_averageReadings = {v};
    }
    m_readingCount = 1;
    const QString name =
        measurementTreeRk::typeName(m_tree->nextItemNumber(m_tree->measurementRoot()));
    QTreeWidgetItem *item = m_tree->createItem(m_tree->measurementRoot(), name, L, a, b,
                                               shownTexts(v, false), columns5to15(time));
    m_tree->tree()->setCurrentItem(item);
    m_tree->tree()->scrollToBottom();
    return item;
}

QTreeWidgetItem *readingRecorderRk::sampleReading(float L, float a, float b)
{
    if (!conditionsKnown()) {
        emit portInfoLostSignal();
        return nullptr;
    }
    const QString time = QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss");
    const ColorTriple v = toTriple(colorSpaceValues(L, a, b, m_conditions->colorSpace));
    QTreeWidgetItem *current = currentItemOrRoot();
    m_tree->tree()->clearSelection();

    if (m_typeAveraging) {
        if (!askKeepUnfinished()) {
            if (QTreeWidgetItem *last = m_tree->lastType())
                m_tree->deleteItem(last);
            m_averagingActive = false;
            m_typeAveraging = false;
            m_readingCount = 0;
        }
        return nullptr;
    }
    QTreeWidgetItem *type = m_tree->typeOf(current);
    if (m_averageMode && m_averagingActive) {
        if (type && type == m_averagedType && m_averagedType->childCount()) {
            QTreeWidgetItem *last = m_averagedType->child(m_averagedType->childCount() - 1);
            addReadingTo(last, v, false);
            return last;
        }
        if (!askKeepUnfinished())
            discardUnfinishedSample();
        return nullptr;
    }
    if (!type)
        return nullptr;
    if (m_averageMode) {
        m_averagingActive = true;
        m_sampleAveraging = true;
        m_averageReadings = {v};
    }
    m_readingCount = 1;
    const QString name = measurementTreeRk::sampleName(m_tree->nextItemNumber(current));
    QTreeWidgetItem *item =
        m_tree->createItem(type, name, L, a, b, shownTexts(v, false), columns5to15(time));
    m_averagedType = type;
    type->setExpanded(true);
    item->setSelected(true);
    m_tree->tree()->scrollToItem(item, QAbstractItemView::PositionAtBottom);
    return item;
}
