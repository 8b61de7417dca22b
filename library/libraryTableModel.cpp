#include "libraryTableModel.h"

#include <QBrush>
#include <QColor>

namespace {

const char *const headers[libraryTableModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("libraryTableModel", "Order"),
    QT_TRANSLATE_NOOP("libraryTableModel", "Name"),
    QT_TRANSLATE_NOOP("libraryTableModel", "Info."),
    QT_TRANSLATE_NOOP("libraryTableModel", "Color Space"),
    QT_TRANSLATE_NOOP("libraryTableModel", "Value"),
    QT_TRANSLATE_NOOP("libraryTableModel", "Simulation Color"),
    QT_TRANSLATE_NOOP("libraryTableModel", "Light Source"),
    QT_TRANSLATE_NOOP("libraryTableModel", "Observer"),
    QT_TRANSLATE_NOOP("libraryTableModel", "Illumination Mode"),
    QT_TRANSLATE_NOOP("libraryTableModel", "Caliber"),
    QT_TRANSLATE_NOOP("libraryTableModel", "Containing Light Mode"),
    QT_TRANSLATE_NOOP("libraryTableModel", "Single/Average"),
    QT_TRANSLATE_NOOP("libraryTableModel", "Measurement Times"),
};

// A header on two lines, broken at the blank nearest its middle (or after a
// slash), so that the columns can stay narrow without cutting it.
QString twoLines(const QString &text)
{
    int best = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char(' ') &&
            (best < 0 || qAbs(2 * i - text.size()) < qAbs(2 * best - text.size())))
            best = i;
    }
    if (best >= 0)
        return text.left(best) + QLatin1Char('\n') + text.mid(best + 1);
    const int slash = text.indexOf(QLatin1Char('/'));
    if (slash > 0 && slash + 1 < text.size())
        return text.left(slash + 1) + QLatin1Char('\n') + text.mid(slash + 1);
    return text;
}

} // namespace

libraryTableModel::libraryTableModel(QObject *parent) : QAbstractTableModel(parent) {}

int libraryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int libraryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString libraryTableModel::text(const Row &row, int column)
{
    const LibraryEntry &e = row.entry;
    switch (column) {
    case OrderColumn:
        return QString::number(e.order);
    case NameColumn:
        return e.name;
    case InfoColumn:
        return e.info.isEmpty() && !row.complete ? tr("Incomplete") : e.info;
    case ColorSpaceColumn:
        return e.colorSpace;
    case ValueColumn:
        return e.value;
    case LightSourceColumn:
        return e.lightSource;
    case ObserverColumn:
        return e.observer;
    case IlluminationColumn:
        return e.illuminationMode;
    case CaliberColumn:
        return e.caliber;
    case LightModeColumn:
        return e.lightMode;
    case AverageColumn:
        return e.averageTimes;
    case TimeColumn:
        return e.measurementTime;
    default:
        return QString();
    }
}

QVariant libraryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Row &row = m_rows.at(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (column == ColorColumn)
            return QVariant();
        return text(row, column);
    case Qt::ToolTipRole:
        if (column == ColorColumn)
            return QVariant();
        if (!row.complete)
            return tr("Incomplete entry: its library file is damaged here. It cannot be "
                      "launched or found by value.");
        return text(row, column);
    case Qt::ForegroundRole:
        if (!row.complete)
            return QBrush(QColor(Qt::gray));
        return QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::CheckStateRole:
        if (column == OrderColumn)
            return row.checked ? Qt::Checked : Qt::Unchecked;
        return QVariant();
    case Qt::BackgroundRole:
        if (column == NameColumn)
            return QBrush(index.row() == m_markedRow ? QColor(255, 0, 0) : QColor(Qt::white));
        if (column == ColorColumn)
            return QBrush(QColor(row.entry.red, row.entry.green, row.entry.blue));
        return QVariant();
    default:
        return QVariant();
    }
}

bool libraryTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != OrderColumn || role != Qt::CheckStateRole)
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags libraryTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == OrderColumn)
        return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    return Qt::ItemIsEnabled;
}

QVariant libraryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return twoLines(tr(headers[section]));
    if (role == Qt::ToolTipRole)
        return tr(headers[section]);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QVariant();
}

libraryTableModel::Row libraryTableModel::makeRow(const LibraryEntry &entry)
{
    Row row;
    row.entry = entry;
    row.value = parseLibraryValue(entry.value);
    row.complete = libraryEntryComplete(entry);
    return row;
}

void libraryTableModel::setEntries(const QVector<LibraryEntry> &entries)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(entries.size());
    for (const LibraryEntry &entry : entries)
        m_rows.append(makeRow(entry));
    m_markedRow = -1;
    endResetModel();
}

QVector<LibraryEntry> libraryTableModel::entries() const
{
    QVector<LibraryEntry> list;
    list.reserve(m_rows.size());
    for (const Row &row : m_rows)
        list.append(row.entry);
    return list;
}

void libraryTableModel::appendEntry(const LibraryEntry &entry)
{
    const int row = m_rows.size();
    beginInsertRows(QModelIndex(), row, row);
    m_rows.append(makeRow(entry));
    endInsertRows();
}

void libraryTableModel::removeEntry(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.remove(row);
    if (m_markedRow == row)
        m_markedRow = -1;
    else if (m_markedRow > row)
        --m_markedRow;
    endRemoveRows();
}

void libraryTableModel::clear()
{
    setEntries({});
}

void libraryTableModel::rowChanged(int row, int firstColumn, int lastColumn)
{
    emit dataChanged(index(row, firstColumn), index(row, lastColumn));
}

void libraryTableModel::setChecked(int row, bool checked)
{
    if (row < 0 || row >= m_rows.size() || m_rows.at(row).checked == checked)
        return;
    m_rows[row].checked = checked;
    rowChanged(row, OrderColumn, OrderColumn);
}

void libraryTableModel::setAllChecked(bool checked)
{
    if (m_rows.isEmpty())
        return;
    for (Row &row : m_rows)
        row.checked = checked;
    emit dataChanged(index(0, OrderColumn), index(m_rows.size() - 1, OrderColumn));
}

void libraryTableModel::setMarkedRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        row = -1;
    if (row == m_markedRow)
        return;
    const int old = m_markedRow;
    m_markedRow = row;
    if (old >= 0)
        rowChanged(old, NameColumn, NameColumn);
    if (row >= 0)
        rowChanged(row, NameColumn, NameColumn);
}

void libraryTableModel::setInfo(int row, const QString &info)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row].entry.info = info;
    rowChanged(row, InfoColumn, InfoColumn);
}

void libraryTableModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}
