#include "readingRecorderRk.h"

#include "conditionCheck.h"
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

bool readingRecorderRk::askKeepUnfinished()
{
    // Whatever repeats the measurements stops before the question shows.
    emit unfinishedAverageInterrupted();
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
    m_averagedItem = nullptr;
    m_averageReadings.clear();
    m_rawReadings.clear();
}

bool readingRecorderRk::seriesConditionsChanged() const
{
    if (!m_averagedItem)
        return false;
    const conditionCheck::Mismatch mismatch =
        conditionCheck::firstMismatch(m_averagedItem, *m_conditions);
    return mismatch != conditionCheck::noMismatch && mismatch != conditionCheck::averageMismatch;
}

void readingRecorderRk::showSeriesConditionsChanged()
{
    if (!m_averagedItem)
        return;
    promptRk::information(nullptr, tr("Tips"),
                          tr("%1 is an unfinished average measurement begun under other "
                             "measuring conditions: all its readings share the conditions of "
                             "the first one.\nSet them back to finish it, or delete it.")
                              .arg(m_averagedItem->text(nameColumn)));
}

bool readingRecorderRk::mayChooseConditions(const QString &light, const QString &colorSpace,
                                            const QString &lightMode)
{
    if (!m_averagedItem)
        return true;
    if (conditionCheck::sameLightSource(m_averagedItem->text(lightSourceColumn), light) &&
        conditionCheck::sameColorSpace(m_averagedItem->text(colorSpaceColumn), colorSpace) &&
        m_averagedItem->text(lightModeColumn) == lightMode)
        return true;
    promptRk::information(nullptr, tr("Tips"),
                          tr("%1 is an unfinished average measurement (%2 of %3 readings): all "
                             "its readings share the light source, light mode and colour space "
                             "of the first one.\nFinish it, or delete it, before changing them.")
                              .arg(m_averagedItem->text(nameColumn))
                              .arg(m_averagedItem->text(averageCountColumn),
                                   m_averagedItem->text(averageTimesColumn)));
    return false;
}

void readingRecorderRk::itemRemoved(QTreeWidgetItem *item)
{
    // `item` goes with everything under it: the root (the tree is cleared),
    // a Type with its Samples, or one Sample.
    auto goes = [this, item](const QTreeWidgetItem *held) {
        return held &&
               (item == m_tree->measurementRoot() || held == item || held->parent() == item);
    };
    if (goes(m_averagedItem))
        resetAveraging();
    if (goes(m_averagedType))
        m_averagedType = nullptr;
}

QTreeWidgetItem *readingRecorderRk::currentItemOrRoot()
{
    if (m_tree->typeCount() > 0)
        return m_tree->tree()->currentItem();
    // Whatever repeats the measurements stops before the box shows.
    emit noTypeYet();
    promptRk::information(nullptr, tr("Tips"), tr("Please measure Type firstly!"));
    return m_tree->measurementRoot();
}

ColorTriple readingRecorderRk::seriesValues(float L, float a, float b) const
{
    // In the colour space of the series' first reading, whatever is current.
    return toTriple(colorSpaceValues(L, a, b, m_averagedItem->text(colorSpaceColumn)));
}

void readingRecorderRk::addReading(const ColorTriple &v, const ColorTriple &raw)
{
    QTreeWidgetItem *item = m_averagedItem;
    ++m_readingCount;
    item->setText(averageCountColumn, QString::number(m_readingCount));
    emit averagedItemUpdated(item);
    m_averageReadings.append(v);
    m_rawReadings.append(raw);

    // The item's own count of readings decides, not the current setting:
    // the setting may have changed since the series began.  A count that is
    // no whole number is reached by the first count at or above it, one that
    // is no number at all by the reading in hand, so that no series is
    // endless.
    ColorTriple shown = v;
    const bool complete = !(m_readingCount < item->text(averageTimesColumn).toDouble());
    if (complete) {
        ColorTriple sum = {0.0f, 0.0f, 0.0f};
        for (const ColorTriple &reading : qAsConst(m_averageReadings)) {
            for (int i = 0; i < 3; ++i)
                sum[i] += reading[i];
        }
        ColorTriple rawSum = {0.0f, 0.0f, 0.0f};
        for (const ColorTriple &reading : qAsConst(m_rawReadings)) {
            for (int i = 0; i < 3; ++i)
                rawSum[i] += reading[i];
        }
        for (int i = 0; i < 3; ++i)
            shown[i] = sum[i] / float(m_readingCount);
        const float count = float(m_rawReadings.size());
        measurementTreeRk::setRawLab(item, rawSum[0] / count, rawSum[1] / count, rawSum[2] / count);
    }
    const QStringList texts = shownTexts(shown, true);
    for (int i = 0; i < 3; ++i)
        item->setText(value1Column + i, texts[i]);
    item->setSelected(true);
    if (complete) {
        if (m_sampleAveraging)
            m_averagedType = nullptr;
        resetAveraging();
    }
}

void readingRecorderRk::discardUnfinishedItem()
{
    // Deleting it reaches itemRemoved, which forgets the series.
    if (m_averagedItem)
        m_tree->deleteItem(m_averagedItem);
    resetAveraging();
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
            discardUnfinishedItem();
        return nullptr;
    }
    // A running series goes on even when the setting has meanwhile dropped
    // to single readings: the item's own count ends it.
    if (m_typeAveraging && m_averagedItem) {
        QTreeWidgetItem *item = m_averagedItem;
        // A reading no request of ours asked for under these conditions
        // (the instrument's own key, another instrument) is not mixed in.
        if (seriesConditionsChanged()) {
            showSeriesConditionsChanged();
            return nullptr;
        }
        addReading(seriesValues(L, a, b), {L, a, b});
        return item;
    }
    m_readingCount = 1;
    const QString name =
        measurementTreeRk::typeName(m_tree->nextItemNumber(m_tree->measurementRoot()));
    QTreeWidgetItem *item = m_tree->createItem(m_tree->measurementRoot(), name, L, a, b,
                                               shownTexts(v, false), columns5to15(time));
    if (m_averageMode) {
        m_averagingActive = true;
        m_typeAveraging = true;
        m_averagedItem = item;
        m_averageReadings = {v};
        m_rawReadings = {{L, a, b}};
    }
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
        if (!askKeepUnfinished())
            discardUnfinishedItem();
        return nullptr;
    }
    QTreeWidgetItem *type = m_tree->typeOf(current);
    if (m_sampleAveraging && m_averagedItem) {
        if (type && type == m_averagedItem->parent()) {
            QTreeWidgetItem *item = m_averagedItem;
            if (seriesConditionsChanged()) {
                showSeriesConditionsChanged();
                return nullptr;
            }
            addReading(seriesValues(L, a, b), {L, a, b});
            return item;
        }
        if (!askKeepUnfinished())
            discardUnfinishedItem();
        return nullptr;
    }
    if (!type)
        return nullptr;
    m_readingCount = 1;
    const QString name = measurementTreeRk::sampleName(m_tree->nextItemNumber(current));
    QTreeWidgetItem *item =
        m_tree->createItem(type, name, L, a, b, shownTexts(v, false), columns5to15(time));
    if (m_averageMode) {
        m_averagingActive = true;
        m_sampleAveraging = true;
        m_averagedItem = item;
        m_averageReadings = {v};
        m_rawReadings = {{L, a, b}};
    }
    m_averagedType = type;
    type->setExpanded(true);
    item->setSelected(true);
    m_tree->tree()->scrollToItem(item, QAbstractItemView::PositionAtBottom);
    return item;
}
