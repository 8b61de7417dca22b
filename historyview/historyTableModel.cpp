#include "historyTableModel.h"

#include <QBrush>
#include <QPalette>
#include <QTimeZone>
#include <cmath>

historyTableModel::historyTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void historyTableModel::setRows(const QVector<historyStore::Row> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

QString historyTableModel::stationTime(const HistoryRecord &record)
{
    QDateTime time = record.time.toUTC();
    const QTimeZone zone(record.timeZone.toUtf8());
    if (!record.timeZone.isEmpty() && zone.isValid())
        time = time.toTimeZone(zone);
    return time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString historyTableModel::shownName(const historyStore::Row &row)
{
    const QString now = row.currentName.isEmpty() ? row.record.name : row.currentName;
    QString shown = now;
    if (now != row.record.name)
        shown = tr("%1 (entered as %2)").arg(now, row.record.name);
    if (row.deleted)
        shown = tr("%1 (deleted)").arg(shown);
    return shown;
}

QString historyTableModel::kindWord(history::Kind kind)
{
    return kind == history::Kind::Type ? tr("Type") : tr("Sample");
}

QString historyTableModel::originWord(history::Origin origin)
{
    switch (origin) {
    case history::Origin::Measured:
        return tr("measured");
    case history::Origin::Averaged:
        return tr("averaged");
    case history::Origin::Uploaded:
        return tr("uploaded");
    case history::Origin::Typed:
        return tr("typed in");
    case history::Origin::Library:
        return tr("library");
    case history::Origin::SetAs:
        return tr("set as");
    case history::Origin::Imported:
        return tr("imported");
    }
    return QString();
}

QString historyTableModel::verdictWord(const QString &verdict)
{
    if (verdict == QLatin1String("Pass"))
        return tr("Pass");
    if (verdict == QLatin1String("Fail"))
        return tr("Fail");
    return verdict;
}

int historyTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int historyTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columnTotal);
}

QString historyTableModel::text(const historyStore::Row &row, int column) const
{
    const HistoryRecord &r = row.record;
    switch (column) {
    case timeColumn:
        return stationTime(r);
    case kindColumn:
        return kindWord(r.kind);
    case nameColumn:
        return shownName(row);
    case typeColumn:
        return r.kind == history::Kind::Type ? QString() : r.typeName;
    case value1Column:
    case value2Column:
    case value3Column:
        return r.shown[size_t(column - value1Column)];
    case colorSpaceColumn:
        return r.conditions[6];
    case differenceColumn:
        return std::isfinite(r.deltaE) ? QString::number(r.deltaE, 'f', 2) : QString();
    case verdictColumn:
        return verdictWord(r.verdict);
    case stationColumn:
        return r.station;
    case operatorColumn:
        return r.operatorName;
    case instrumentColumn:
        return r.port.isEmpty() ? r.instrumentModel : tr("%1 on %2").arg(r.instrumentModel, r.port);
    case originColumn:
        return originWord(r.origin);
    case fileColumn:
        return r.filePath;
    }
    return QString();
}

QVariant historyTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const historyStore::Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::ToolTipRole:
        if (index.column() == timeColumn)
            return tr("%1 UTC; the station's zone: %2")
                .arg(row.record.time.toUTC().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                     row.record.timeZone.isEmpty() ? QStringLiteral("UTC") : row.record.timeZone);
        return text(row, index.column());
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::TextAlignmentRole:
        if (index.column() >= value1Column && index.column() <= value3Column)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == differenceColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    case Qt::ForegroundRole:
        if (row.deleted)
            return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
        if (index.column() == verdictColumn && row.record.verdict == QLatin1String("Fail"))
            return QBrush(Qt::red);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant historyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return QVariant();
    switch (section) {
    case timeColumn:
        return tr("Time");
    case kindColumn:
        return tr("Kind");
    case nameColumn:
        return tr("Name");
    case typeColumn:
        return tr("Type");
    case value1Column:
        return tr("Value 1");
    case value2Column:
        return tr("Value 2");
    case value3Column:
        return tr("Value 3");
    case colorSpaceColumn:
        return tr("Colour space");
    case differenceColumn:
        return tr("Difference");
    case verdictColumn:
        return tr("Verdict");
    case stationColumn:
        return tr("Station");
    case operatorColumn:
        return tr("Operator");
    case instrumentColumn:
        return tr("Instrument");
    case originColumn:
        return tr("Entered by");
    case fileColumn:
        return tr("Measuring file");
    }
    return QVariant();
}

void historyTableModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnTotal - 1);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(m_rows.size() - 1, columnTotal - 1));
}
