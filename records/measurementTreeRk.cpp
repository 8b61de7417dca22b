#include "measurementTreeRk.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVector>

#include <algorithm>
#include <limits>

#include "colorConversions.h"
#include "colorVocabulary.h"
#include "journalFormat.h"
#include "measuringFile.h"

namespace {

// Check marks being set by a tree itself, which renames nothing: every call
// that sets them runs to its end on the interface thread.
bool settingMarks = false;

const char *const instrumentLabels[] = {
    QT_TRANSLATE_NOOP("measurementTreeRk", "Instrument Model"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Wavelength Range"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Standard Light Source"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Observer"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Illumination Mode"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Caliber"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Containing Light Mode"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Color Space"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Color Difference Formula"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Type Capacity"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Sample Capacity"),
};

const char *const parameterLabels[] = {
    QT_TRANSLATE_NOOP("measurementTreeRk", "Standard Light Source"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Observer"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Illumination Mode"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Caliber"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Containing Light Mode"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Color Space"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Color Difference Formula"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Single/Average Measurement"),
};

const char *const printLabels[] = {
    QT_TRANSLATE_NOOP("measurementTreeRk", "Measurement Name"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Company"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Print Time"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Department"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Measurement Person"),
    QT_TRANSLATE_NOOP("measurementTreeRk", "Product Tested"),
};

QString trTree(const char *text)
{
    return QCoreApplication::translate("measurementTreeRk", text);
}

void setLabel(QTreeWidgetItem *item, const QString &text)
{
    item->setText(0, text);
    item->setToolTip(0, text);
}

void setBold(QTreeWidgetItem *item)
{
    QFont font = item->font(0);
    font.setBold(true);
    item->setFont(0, font);
}

} // namespace

measurementTreeRk::measurementTreeRk(QTreeWidget *tree, QObject *parent)
    : QObject(parent), m_tree(tree)
{
    m_tree->setColumnCount(treeColumnCount);
    m_tree->setHeaderHidden(true);
    for (int column = value1Column; column < treeColumnCount; ++column)
        m_tree->setColumnHidden(column, true);
    m_tree->setColumnWidth(nameColumn, 160);
    m_tree->setColumnWidth(swatchColumn, 60);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->header()->setSectionResizeMode(QHeaderView::Fixed);
    m_tree->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Every row has the height of one line of text; telling the view so
    // spares it measuring each of thousands of Samples.
    m_tree->setUniformRowHeights(true);

    m_instrumentInfo = new QTreeWidgetItem(m_tree);
    m_instrumentInfo->setFlags(Qt::ItemIsEnabled);
    setBold(m_instrumentInfo);
    for (int row = 0; row < instrumentRowCount; ++row)
        m_instrumentRows.append(addInfoItem(m_instrumentInfo));

    m_softwareInfo = new QTreeWidgetItem(m_tree);
    m_softwareInfo->setFlags(Qt::ItemIsEnabled);
    setBold(m_softwareInfo);
    m_parameters = addInfoItem(m_softwareInfo);
    for (int row = 0; row < parameterRowCount; ++row)
        m_parameterRows.append(addInfoItem(m_parameters));
    m_tolerance = addInfoItem(m_softwareInfo);
    for (int row = 0; row < toleranceRowCount; ++row)
        m_toleranceRows.append(addInfoItem(m_tolerance));
    m_printInfo = addInfoItem(m_softwareInfo);
    for (int row = 0; row < printRowCount; ++row)
        m_printRows.append(addInfoItem(m_printInfo));

    m_root = new QTreeWidgetItem(m_tree);
    m_root->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    setBold(m_root);

    m_instrumentInfo->setExpanded(true);
    m_softwareInfo->setExpanded(true);
    m_parameters->setExpanded(true);
    m_root->setExpanded(true);

    retranslate(tr("New Measurement"));
    m_tree->scrollToTop();
    connect(m_tree->model(), &QAbstractItemModel::rowsInserted, this,
            &measurementTreeRk::itemsInserted);
    QAbstractItemModel *model = m_tree->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] {
        if (!m_addingItem)
            forgetTakenNumbers();
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this, &measurementTreeRk::forgetTakenNumbers);
    connect(model, &QAbstractItemModel::rowsMoved, this, &measurementTreeRk::forgetTakenNumbers);
    connect(model, &QAbstractItemModel::layoutChanged, this,
            &measurementTreeRk::forgetTakenNumbers);
    connect(model, &QAbstractItemModel::modelReset, this, &measurementTreeRk::forgetTakenNumbers);
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &, const QVector<int> &roles) {
                // A name may have changed (a check mark, a swatch or a
                // value may not rename anything).
                if (topLeft.column() <= nameColumn &&
                    (roles.isEmpty() || roles.contains(Qt::DisplayRole) ||
                     roles.contains(Qt::EditRole)))
                    forgetTakenNumbers();
            });
    connect(m_tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item) {
        // A check mark set by the tree itself renames nothing; measuring the
        // name's text for each would cost more than the marks.
        if (!settingMarks)
            widenNameColumn(nameWidthOf(item));
    });
}

QTreeWidgetItem *measurementTreeRk::addInfoItem(QTreeWidgetItem *parent)
{
    auto *item = new QTreeWidgetItem(parent);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QTreeWidgetItem *measurementTreeRk::instrumentRow(int row) const
{
    return m_instrumentRows.value(row);
}

QTreeWidgetItem *measurementTreeRk::parameterRow(int row) const
{
    return m_parameterRows.value(row);
}

QTreeWidgetItem *measurementTreeRk::toleranceRow(int row) const
{
    return m_toleranceRows.value(row);
}

QTreeWidgetItem *measurementTreeRk::printRow(int row) const
{
    return m_printRows.value(row);
}

void measurementTreeRk::setRowValue(QTreeWidgetItem *row, const QString &value)
{
    if (!row)
        return;
    row->setText(1, value);
    row->setToolTip(1, value);
    widenValueColumn(row);
}

void measurementTreeRk::clearInstrumentAndParameterValues()
{
    for (QTreeWidgetItem *row : qAsConst(m_instrumentRows))
        setRowValue(row, QString());
    for (QTreeWidgetItem *row : qAsConst(m_parameterRows))
        setRowValue(row, QString());
}

void measurementTreeRk::retranslate(const QString &measurementName)
{
    m_instrumentInfo->setText(0, tr("Instrument Info."));
    m_softwareInfo->setText(0, tr("Software Info."));
    for (int row = 0; row < instrumentRowCount; ++row)
        setLabel(m_instrumentRows[row], trTree(instrumentLabels[row]));
    setLabel(m_parameters, tr("Measuring Parameters"));
    for (int row = 0; row < parameterRowCount; ++row)
        setLabel(m_parameterRows[row], trTree(parameterLabels[row]));
    setLabel(m_tolerance, tr("Current Tolerance"));
    setLabel(m_printInfo, tr("Print Info."));
    for (int row = 0; row < printRowCount; ++row)
        setLabel(m_printRows[row], trTree(printLabels[row]));

    setMeasurementName(measurementName);
}

// --- Types and Samples -----------------------------------------------------

bool measurementTreeRk::isType(const QTreeWidgetItem *item) const
{
    return item && item->parent() == m_root;
}

bool measurementTreeRk::isSample(const QTreeWidgetItem *item) const
{
    return item && item->parent() && item->parent()->parent() == m_root;
}

QTreeWidgetItem *measurementTreeRk::typeOf(QTreeWidgetItem *item) const
{
    if (isType(item))
        return item;
    if (isSample(item))
        return item->parent();
    return nullptr;
}

int measurementTreeRk::typeCount() const
{
    return m_root->childCount();
}

QTreeWidgetItem *measurementTreeRk::type(int index) const
{
    return m_root->child(index);
}

QTreeWidgetItem *measurementTreeRk::lastType() const
{
    return m_root->childCount() ? m_root->child(m_root->childCount() - 1) : nullptr;
}

int measurementTreeRk::itemCount() const
{
    int count = m_root->childCount();
    for (int i = 0; i < m_root->childCount(); ++i)
        count += m_root->child(i)->childCount();
    return count;
}

namespace {

QString numbered(const QString &word, QChar letter, int number)
{
    const QString digits = number < 10    ? QStringLiteral("00%1")
                           : number < 100 ? QStringLiteral("0%1")
                                          : QStringLiteral("%1");
    return word + QLatin1Char(' ') + letter + digits.arg(number);
}

} // namespace

QString measurementTreeRk::typeName(int number)
{
    return numbered(tr("Type"), QLatin1Char('T'), number);
}

QString measurementTreeRk::sampleName(int number)
{
    return numbered(tr("Sample"), QLatin1Char('S'), number);
}

QString measurementTreeRk::lastItemNumber(QTreeWidgetItem *item) const
{
    QTreeWidgetItem *siblingsOf = nullptr;
    QString word;
    if (item == m_root) {
        siblingsOf = m_root;
        word = tr("Type");
    } else if (isType(item)) {
        siblingsOf = item;
        word = tr("Sample");
    } else if (isSample(item)) {
        siblingsOf = item->parent();
        word = tr("Sample");
    }
    if (!siblingsOf || siblingsOf->childCount() == 0)
        return QStringLiteral("FALSE");
    const QString last = siblingsOf->child(siblingsOf->childCount() - 1)->text(nameColumn);
    if (!last.startsWith(word))
        return QStringLiteral("FALSE");
    // The translated word, the space and the letter T or S.
    return last.mid(word.size() + 2);
}

QTreeWidgetItem *measurementTreeRk::siblingsParent(QTreeWidgetItem *item) const
{
    if (item == m_root)
        return m_root;
    if (isType(item))
        return item;
    if (isSample(item))
        return item->parent();
    return nullptr;
}

namespace {

// The number of an automatic name's remainder ("007", "012", "1234"), or -1
// when the remainder is not exactly what numbered() writes for a number.
int automaticNumber(const QStringRef &digits)
{
    if (digits.size() < 3 || (digits.size() > 3 && digits.at(0) == QLatin1Char('0')))
        return -1;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    }
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok ? number : -1;
}

} // namespace

int measurementTreeRk::nextItemNumber(QTreeWidgetItem *item) const
{
    QTreeWidgetItem *siblingsOf = siblingsParent(item);
    const int count = siblingsOf ? siblingsOf->childCount() : 0;
    const QString number = lastItemNumber(item);
    // A remainder that is no number counts as 0.
    const qint64 next =
        number == QLatin1String("FALSE") ? qint64(count) + 1 : qint64(number.toInt()) + 1;
    if (!siblingsOf)
        return int(next);

    // The number follows the last sibling, or the count when that one was
    // renamed; either may already be taken further up (Types T003 and T004
    // with a renamed third ask for T004 again), and two items of one name
    // could not be told apart.  The automatic names present are collected in
    // one pass and the first number from `next` on whose name is free is
    // taken (from 1 on, should that run past the largest int).
    const bool types = siblingsOf == m_root;
    const QString stem =
        (types ? tr("Type") : tr("Sample")) + QLatin1Char(' ') + QLatin1Char(types ? 'T' : 'S');
    const QSet<int> &taken = takenNumbers(siblingsOf, stem);
    auto firstFreeFrom = [&taken](qint64 from) {
        while (from <= std::numeric_limits<int>::max() && taken.contains(int(from)))
            ++from;
        return from;
    };
    qint64 free = firstFreeFrom(next);
    if (free > std::numeric_limits<int>::max())
        free = firstFreeFrom(1);
    return int(free);
}

const QSet<int> &measurementTreeRk::takenNumbers(QTreeWidgetItem *parent, const QString &stem) const
{
    auto found = m_takenNumbers.find(parent);
    if (found != m_takenNumbers.end() && found->stem == stem)
        return found->numbers;
    TakenNumbers &entry = m_takenNumbers[parent];
    entry.stem = stem;
    entry.numbers.clear();
    for (int i = 0; i < parent->childCount(); ++i) {
        const QString name = parent->child(i)->text(nameColumn);
        if (name.startsWith(stem)) {
            const int used = automaticNumber(name.midRef(stem.size()));
            if (used >= 0)
                entry.numbers.insert(used);
        }
    }
    return entry.numbers;
}

QTreeWidgetItem *measurementTreeRk::createItem(QTreeWidgetItem *parent, const QString &name,
                                               float L, float a, float b,
                                               const QStringList &valueTexts,
                                               const QStringList &columns5to15, bool reading)
{
    std::array<QString, 16> texts;
    texts[nameColumn] = name;
    for (int i = 0; i < 3; ++i)
        texts[value1Column + i] = valueTexts.value(i);
    for (int i = 0; i < 11; ++i)
        texts[timeColumn + i] = columns5to15.value(i);
    // Filled before it joins the tree, so that only the final insertion
    // reaches the check-mark propagation.
    QTreeWidgetItem *item = newItem(texts, labToColorName(L, a, b));
    if (reading)
        setRawLab(item, L, a, b);
    m_addingItem = true;
    parent->addChild(item);
    m_addingItem = false;
    auto taken = m_takenNumbers.find(parent);
    if (taken != m_takenNumbers.end() && name.startsWith(taken->stem)) {
        const int used = automaticNumber(name.midRef(taken->stem.size()));
        if (used >= 0)
            taken->numbers.insert(used);
    }
    if (parent != m_root) {
        m_seenSampleState.insert(item, Qt::Unchecked);
        // A new unchecked Sample: a checked Type now has some but not all of
        // its Samples checked (or none, when it is the only one).
        if (parent->checkState(nameColumn) == Qt::Checked)
            setCheckStateQuietly(parent,
                                 parent->childCount() > 1 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    return item;
}

namespace {

QStringList generalFormat(float v1, float v2, float v3)
{
    return {QStringLiteral("%1").arg(v1), QStringLiteral("%1").arg(v2),
            QStringLiteral("%1").arg(v3)};
}

// Values given in L*a*b* are the colour itself; in another space they are
// no reading the history could compare.
bool givenInLab(const QStringList &columns5to15)
{
    return colorSpaceIndex(columns5to15.value(colorSpaceColumn - timeColumn)) == ColorSpace::Lab;
}

const int rawLabRole = Qt::UserRole + 90;

} // namespace

QTreeWidgetItem *measurementTreeRk::addTypeItem(float v1, float v2, float v3, const QString &name,
                                                const QStringList &columns5to15)
{
    QTreeWidgetItem *item = createItem(m_root, name, v1, v2, v3, generalFormat(v1, v2, v3),
                                       columns5to15, givenInLab(columns5to15));
    m_tree->setCurrentItem(item);
    m_tree->scrollToBottom();
    return item;
}

QTreeWidgetItem *measurementTreeRk::addSampleItem(float v1, float v2, float v3,
                                                  QTreeWidgetItem *parentType, const QString &name,
                                                  const QStringList &columns5to15)
{
    if (!isType(parentType))
        return nullptr;
    QTreeWidgetItem *item = createItem(parentType, name, v1, v2, v3, generalFormat(v1, v2, v3),
                                       columns5to15, givenInLab(columns5to15));
    parentType->setExpanded(true);
    if (!m_scrollPendingType)
        QTimer::singleShot(0, this, &measurementTreeRk::scrollToPendingType);
    m_scrollPendingType = parentType;
    return item;
}

QTreeWidgetItem *measurementTreeRk::newItem(const std::array<QString, 16> &texts,
                                            const QString &swatchColor)
{
    auto *item = new QTreeWidgetItem;
    for (int column = 0; column < 16; ++column) {
        if (column != swatchColumn)
            item->setText(column, texts[column]);
    }
    item->setBackground(swatchColumn, QBrush(QColor(swatchColor)));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setCheckState(nameColumn, Qt::Unchecked);
    return item;
}

QTreeWidgetItem *measurementTreeRk::addLoadedType(const std::array<QString, 16> &type,
                                                  const QVector<std::array<QString, 16>> &samples)
{
    // Loaded items take their swatch from the stored coordinates, read the
    // way the loader shows them (a damaged text is 0, never NaN or infinity).
    auto swatchOf = [](const std::array<QString, 16> &texts) {
        return labToColorName(coordinateValue(texts[value1Column]),
                              coordinateValue(texts[value2Column]),
                              coordinateValue(texts[value3Column]));
    };
    // What a file holds was recorded when it was measured.
    const originScope noEntries(this, std::nullopt);
    QTreeWidgetItem *typeItem = newItem(type, swatchOf(type));
    QList<QTreeWidgetItem *> children;
    children.reserve(samples.size());
    for (const auto &sample : samples) {
        QTreeWidgetItem *child = newItem(sample, swatchOf(sample));
        m_seenSampleState.insert(child, Qt::Unchecked);
        children.append(child);
    }
    // Inserting the children before the Type joins the tree keeps the view
    // from laying out every row one by one.
    typeItem->addChildren(children);
    m_root->addChild(typeItem);
    if (!children.isEmpty())
        typeItem->setExpanded(true);
    return typeItem;
}

QTreeWidgetItem *measurementTreeRk::addRestoredType(const journal::TypeState &type)
{
    auto restored = [](const journal::ItemState &state) {
        QTreeWidgetItem *item = newItem(state.texts, QString());
        item->setBackground(swatchColumn, QBrush(QColor::fromRgba(state.swatch)));
        item->setCheckState(nameColumn, Qt::CheckState(state.checkState));
        return item;
    };
    // Recorded in the session that measured them.
    const originScope noEntries(this, std::nullopt);
    // Marks are set before the items join the tree, so nothing propagates.
    QTreeWidgetItem *typeItem = restored(type.type);
    QList<QTreeWidgetItem *> children;
    children.reserve(type.samples.size());
    for (const journal::ItemState &sample : type.samples) {
        QTreeWidgetItem *child = restored(sample);
        m_seenSampleState.insert(child, child->checkState(nameColumn));
        children.append(child);
    }
    typeItem->addChildren(children);
    m_root->addChild(typeItem);
    if (!children.isEmpty())
        typeItem->setExpanded(true);
    return typeItem;
}

std::array<QString, 16> measurementTreeRk::columnTexts(const QTreeWidgetItem *item)
{
    std::array<QString, 16> texts;
    for (int column = 0; column < 16; ++column) {
        if (column != swatchColumn)
            texts[column] = item->text(column);
    }
    return texts;
}

void measurementTreeRk::scrollToPendingType()
{
    QTreeWidgetItem *type = m_scrollPendingType;
    m_scrollPendingType = nullptr;
    if (type && type->childCount())
        m_tree->scrollToItem(type->child(type->childCount() - 1),
                             QAbstractItemView::PositionAtBottom);
}

void measurementTreeRk::deleteItem(QTreeWidgetItem *item)
{
    if (item == m_scrollPendingType)
        m_scrollPendingType = nullptr;
    if (isType(item) || isSample(item))
        emit itemAboutToBeRemoved(item);
    if (isType(item)) {
        for (int i = 0; i < item->childCount(); ++i)
            m_seenSampleState.remove(item->child(i));
        delete item;
    } else if (isSample(item)) {
        QTreeWidgetItem *parentType = item->parent();
        m_seenSampleState.remove(item);
        delete item;
        refreshTypeCheckState(parentType);
    }
}

void measurementTreeRk::deleteSamples(QTreeWidgetItem *typeItem,
                                      const QList<QTreeWidgetItem *> &samples)
{
    if (!isType(typeItem))
        return;
    for (QTreeWidgetItem *sample : samples) {
        if (!sample || sample->parent() != typeItem)
            continue;
        if (sample == m_scrollPendingType)
            m_scrollPendingType = nullptr;
        emit itemAboutToBeRemoved(sample);
        m_seenSampleState.remove(sample);
        delete sample;
    }
    refreshTypeCheckState(typeItem);
}

QTreeWidgetItem *measurementTreeRk::copyItem(const QTreeWidgetItem *source, QTreeWidgetItem *parent,
                                             const QString &name)
{
    if (!source || !(parent == m_root || isType(parent)))
        return nullptr;
    std::array<QString, 16> texts = columnTexts(source);
    texts[nameColumn] = name;
    for (int column = value1Column; column <= value3Column; ++column)
        texts[column] = QStringLiteral("%1").arg(texts[column].toFloat());
    // The swatch is the source's own: it was made from the reading's L*a*b*,
    // which the coordinates of another colour space no longer are.
    QTreeWidgetItem *item = newItem(texts, QString());
    item->setBackground(swatchColumn, source->background(swatchColumn));
    item->setData(nameColumn, rawLabRole, source->data(nameColumn, rawLabRole));
    parent->addChild(item);
    if (parent == m_root) {
        m_tree->setCurrentItem(item);
        m_tree->scrollToBottom();
        return item;
    }
    m_seenSampleState.insert(item, Qt::Unchecked);
    if (parent->checkState(nameColumn) == Qt::Checked)
        setCheckStateQuietly(parent,
                             parent->childCount() > 1 ? Qt::PartiallyChecked : Qt::Unchecked);
    parent->setExpanded(true);
    if (!m_scrollPendingType)
        QTimer::singleShot(0, this, &measurementTreeRk::scrollToPendingType);
    m_scrollPendingType = parent;
    return item;
}

void measurementTreeRk::clearItems()
{
    m_scrollPendingType = nullptr;
    emit itemAboutToBeRemoved(m_root);
    m_seenSampleState.clear();
    const QList<QTreeWidgetItem *> types = m_root->takeChildren();
    qDeleteAll(types);
}

void measurementTreeRk::setCheckStateQuietly(QTreeWidgetItem *item, Qt::CheckState state)
{
    if (item->checkState(nameColumn) != state)
        item->setCheckState(nameColumn, state);
}

void measurementTreeRk::refreshTypeCheckState(QTreeWidgetItem *typeItem)
{
    if (!isType(typeItem))
        return;
    const int children = typeItem->childCount();
    int checked = 0;
    for (int i = 0; i < children; ++i) {
        if (typeItem->child(i)->checkState(nameColumn) == Qt::Checked)
            ++checked;
    }
    if (checked == 0)
        setCheckStateQuietly(typeItem, Qt::Unchecked);
    else if (checked < children)
        setCheckStateQuietly(typeItem, Qt::PartiallyChecked);
    else if (children != 1)
        setCheckStateQuietly(typeItem, Qt::Checked);
    // A single checked child leaves its Type as it is.
}

measurementTreeRk::MarkBatch::MarkBatch(measurementTreeRk *tree, QTreeWidgetItem *typeItem)
    : m_tree(tree), m_type(typeItem)
{
    emit m_tree->marksAboutToChange(m_type);
}

measurementTreeRk::MarkBatch::~MarkBatch()
{
    emit m_tree->marksChanged(m_type);
}

void measurementTreeRk::invertSampleMarks(QTreeWidgetItem *typeItem)
{
    if (!isType(typeItem))
        return;
    const MarkBatch batch(this, typeItem);
    const QScopedValueRollback<bool> marks(settingMarks, true);
    // From the last to the first, as the command always went.  Each Sample's
    // new state is recorded before it changes, so that its own notification
    // finds nothing to recount.  The Type's state in between would only have
    // passed through Checked or Unchecked when all its Samples already were.
    for (int s = typeItem->childCount() - 1; s >= 0; --s) {
        QTreeWidgetItem *sample = typeItem->child(s);
        const Qt::CheckState state = sample->checkState(nameColumn);
        if (state == Qt::PartiallyChecked)
            continue;
        const Qt::CheckState inverted = state == Qt::Checked ? Qt::Unchecked : Qt::Checked;
        m_seenSampleState.insert(sample, inverted);
        sample->setCheckState(nameColumn, inverted);
    }
    refreshTypeCheckState(typeItem);
}

void measurementTreeRk::uncheckAllItems()
{
    // A Type that is already unchecked may still have a checked Sample (one
    // checked Sample of one leaves its Type as it was), so the Samples are
    // unchecked one by one rather than through their Type.  Each is recorded
    // before it changes, so that its own notification does not recount its
    // siblings: one pass over the tree, whatever is checked.
    const QScopedValueRollback<bool> marks(settingMarks, true);
    for (int t = 0; t < m_root->childCount(); ++t) {
        QTreeWidgetItem *typeItem = m_root->child(t);
        const MarkBatch batch(this, typeItem);
        for (int s = 0; s < typeItem->childCount(); ++s) {
            QTreeWidgetItem *sample = typeItem->child(s);
            if (sample->checkState(nameColumn) != Qt::Unchecked) {
                m_seenSampleState.insert(sample, Qt::Unchecked);
                sample->setCheckState(nameColumn, Qt::Unchecked);
            }
        }
        setCheckStateQuietly(typeItem, Qt::Unchecked);
    }
}

void measurementTreeRk::propagateCheckState(QTreeWidgetItem *item)
{
    if (!item)
        return;
    if (item == m_root) {
        // The root has no check box and counts as unchecked.
        if (!m_rootTextKeepsMarks)
            uncheckAllItems();
        return;
    }
    if (isType(item)) {
        const Qt::CheckState state = item->checkState(nameColumn);
        if (state == Qt::PartiallyChecked)
            return;
        const MarkBatch batch(this, item);
        const QScopedValueRollback<bool> marks(settingMarks, true);
        for (int i = 0; i < item->childCount(); ++i) {
            // Recorded first, so the child's own notification does not recount.
            m_seenSampleState.insert(item->child(i), state);
            setCheckStateQuietly(item->child(i), state);
        }
        return;
    }
    if (!isSample(item))
        return; // the information branches take no part
    const Qt::CheckState state = item->checkState(nameColumn);
    if (state == Qt::PartiallyChecked)
        return;
    auto seen = m_seenSampleState.find(item);
    if (seen != m_seenSampleState.end() && seen.value() == state)
        return; // only a text changed: the Type's count is the same
    m_seenSampleState.insert(item, state);
    refreshTypeCheckState(item->parent());
}

// --- The information rows and the root ---------------------------------------

QString measurementTreeRk::rootPrefix()
{
    return tr("Measuring Name:");
}

void measurementTreeRk::setMeasurementName(const QString &measurementName)
{
    const QString rootText = rootPrefix() + measurementName;
    if (m_root->text(nameColumn) != rootText) {
        m_root->setText(nameColumn, rootText);
        m_root->setToolTip(nameColumn, rootText);
    }
    setRowValue(printRow(printNameRow), QStringLiteral("[%1]").arg(measurementName));
}

void measurementTreeRk::showInstrumentValues(const QStringList &values)
{
    for (int row = 0; row < instrumentRowCount; ++row)
        setRowValue(instrumentRow(row), values.value(row));
}

void measurementTreeRk::showParameters(const MeasuringConditions &c)
{
    setRowValue(parameterRow(parameterLightRow), c.standardLight);
    setRowValue(parameterRow(parameterObserverRow), c.observer);
    setRowValue(parameterRow(parameterIlluminationRow), c.illuminationMode);
    setRowValue(parameterRow(parameterCaliberRow), c.caliber);
    setRowValue(parameterRow(parameterLightModeRow), c.SCISCE);
    setRowValue(parameterRow(parameterColorSpaceRow), c.colorSpace);
    setRowValue(parameterRow(parameterFormulaRow), c.colorDiffFormula);
    setRowValue(parameterRow(parameterAverageRow), c.averageTestTime);
}

void measurementTreeRk::showTolerance(const Tolerance &tolerance)
{
    const QStringList rows = toleranceRowTexts(tolerance);
    for (int row = 0; row < toleranceRowCount; ++row) {
        m_toleranceRows[row]->setText(0, rows.value(row));
        m_toleranceRows[row]->setToolTip(0, rows.value(row));
    }
}

void measurementTreeRk::showPrintTexts(const QStringList &sixTexts)
{
    setMeasurementName(sixTexts.value(0));
    // Every value in brackets, so an empty one still shows as "[]".
    for (int row = printCompanyRow; row < printRowCount; ++row)
        setRowValue(printRow(row), QStringLiteral("[%1]").arg(sixTexts.value(row)));
}

QList<QTreeWidgetItem *> measurementTreeRk::selectedItemsLastFirst() const
{
    // Taken from the selection, not from a walk over every item: this runs
    // at each selection change, and each new Sample changes the selection of
    // a tree that may hold thousands of them.
    struct Place
    {
        int type;
        int sample; // -1 for the Type itself
        QTreeWidgetItem *item;
    };
    QVector<Place> places;
    const QList<QTreeWidgetItem *> selected = m_tree->selectedItems();
    for (QTreeWidgetItem *item : selected) {
        if (isType(item))
            places.append({m_root->indexOfChild(item), -1, item});
        else if (isSample(item))
            places.append(
                {m_root->indexOfChild(item->parent()), item->parent()->indexOfChild(item), item});
    }
    std::sort(places.begin(), places.end(), [](const Place &a, const Place &b) {
        if (a.type != b.type)
            return a.type > b.type;
        if ((a.sample < 0) != (b.sample < 0))
            return a.sample < 0;
        return a.sample > b.sample;
    });
    QList<QTreeWidgetItem *> items;
    for (const Place &place : places)
        items.append(place.item);
    return items;
}

// --- The width of the names ---------------------------------------------------

namespace {
// Beyond this the tree would take the panel's room; longer names are cut.
const int widestTree = 420;
const int namePadding = 16;
} // namespace

int measurementTreeRk::nameWidthOf(const QTreeWidgetItem *item) const
{
    int depth = 0;
    for (const QTreeWidgetItem *up = item->parent(); up; up = up->parent())
        ++depth;
    int width = m_tree->indentation() * (depth + 1) + namePadding;
    if (item->flags() & Qt::ItemIsUserCheckable)
        width += m_tree->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, m_tree) + 4;
    const QFontMetrics metrics(item->font(nameColumn));
    return width + metrics.horizontalAdvance(item->text(nameColumn));
}

void measurementTreeRk::widenNameColumn(int width)
{
    if (width <= m_tree->columnWidth(nameColumn))
        return;
    m_tree->setColumnWidth(nameColumn, width);
    fitMinimumWidth();
}

void measurementTreeRk::widenValueColumn(const QTreeWidgetItem *row)
{
    const QFontMetrics metrics(row->font(swatchColumn));
    const int width = metrics.horizontalAdvance(row->text(swatchColumn)) + namePadding;
    if (width <= m_tree->columnWidth(swatchColumn))
        return;
    m_tree->setColumnWidth(swatchColumn, width);
    fitMinimumWidth();
}

void measurementTreeRk::fitMinimumWidth()
{
    const int whole = m_tree->columnWidth(nameColumn) + m_tree->columnWidth(swatchColumn) +
                      2 * m_tree->frameWidth() + m_tree->verticalScrollBar()->sizeHint().width();
    m_tree->setMinimumWidth(qMin(whole, widestTree));
}

void measurementTreeRk::itemsInserted(const QModelIndex &parent, int first, int last)
{
    // The item of `parent`, found by its rows from the top.
    QVector<int> path;
    for (QModelIndex up = parent; up.isValid(); up = up.parent())
        path.prepend(up.row());
    QTreeWidgetItem *parentItem = nullptr;
    for (int i = 0; i < path.size(); ++i)
        parentItem = i == 0 ? m_tree->topLevelItem(path[i]) : parentItem->child(path[i]);
    int widest = 0;
    for (int row = first; row <= last; ++row) {
        QTreeWidgetItem *item = parentItem ? parentItem->child(row) : m_tree->topLevelItem(row);
        if (!item)
            continue;
        widest = qMax(widest, nameWidthOf(item));
        // Children that came with their parent (a loaded Type) arrive unannounced.
        for (int c = 0; c < item->childCount(); ++c)
            widest = qMax(widest, nameWidthOf(item->child(c)));
    }
    widenNameColumn(widest);
}

void measurementTreeRk::fitNameColumn()
{
    // Labels change with the language: start again from the narrowest.
    m_tree->setColumnWidth(nameColumn, 160);
    int widest = 0;
    QTreeWidgetItemIterator it(m_tree);
    for (; *it; ++it)
        widest = qMax(widest, nameWidthOf(*it));
    widenNameColumn(widest);
}

measurementTreeRk::originScope::originScope(measurementTreeRk *tree,
                                            std::optional<history::Origin> origin)
    : m_tree(tree), m_previous(tree ? tree->m_entryOrigin : std::nullopt)
{
    if (m_tree)
        m_tree->m_entryOrigin = origin;
}

measurementTreeRk::originScope::~originScope()
{
    if (m_tree)
        m_tree->m_entryOrigin = m_previous;
}

void measurementTreeRk::setRawLab(QTreeWidgetItem *item, float L, float a, float b)
{
    setQuietData(item, rawLabRole, QVariantList{double(L), double(a), double(b)});
}

void measurementTreeRk::setQuietData(QTreeWidgetItem *item, int role, const QVariant &value)
{
    // A changed item makes the model announce it, which propagates check
    // marks and marks the measurement modified.
    const QSignalBlocker quiet(item->treeWidget() ? item->treeWidget()->model() : nullptr);
    item->setData(nameColumn, role, value);
}

bool measurementTreeRk::rawLab(const QTreeWidgetItem *item, double *L, double *a, double *b)
{
    const QVariantList lab = item->data(nameColumn, rawLabRole).toList();
    if (lab.size() != 3)
        return false;
    *L = lab.at(0).toDouble();
    *a = lab.at(1).toDouble();
    *b = lab.at(2).toDouble();
    return true;
}
