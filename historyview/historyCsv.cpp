#include "historyCsv.h"

#include "csvWriter.h"
#include "historyTableModel.h"

#include <QSaveFile>
#include <cmath>

namespace {

QByteArray number(double value)
{
    if (!std::isfinite(value))
        return QByteArray();
    return csvCoordinate(QString::number(value, 'g', 17));
}

QByteArray text(const QString &value)
{
    return csvField(csvGuardedText(value));
}

QByteArray uuidText(const QUuid &id)
{
    return id.isNull() ? QByteArray() : id.toByteArray(QUuid::WithoutBraces);
}

} // namespace

QStringList historyCsv::headings()
{
    return {tr("Time (UTC)"),
            tr("Time zone"),
            tr("Station time"),
            tr("Kind"),
            tr("Name"),
            tr("Current name"),
            tr("Deleted"),
            tr("Type"),
            tr("Instrument model"),
            tr("Illumination mode"),
            tr("Light source"),
            tr("Caliber"),
            tr("Observer"),
            tr("Light mode"),
            tr("Colour space"),
            tr("Colour-difference formula"),
            tr("Readings per average"),
            tr("Value 1"),
            tr("Value 2"),
            tr("Value 3"),
            tr("L* as read"),
            tr("a* as read"),
            tr("b* as read"),
            tr("Formula judged with"),
            tr("Difference"),
            tr("Verdict"),
            tr("Tolerance"),
            tr("Station"),
            tr("Operator"),
            tr("Instrument"),
            tr("Port"),
            tr("Measuring file"),
            tr("Entered by"),
            tr("Record id"),
            tr("Type id")};
}

QByteArray historyCsv::row(const historyStore::Row &row)
{
    const HistoryRecord &r = row.record;
    QByteArrayList fields;
    fields << csvField(r.time.toUTC().toString(Qt::ISODate)) << text(r.timeZone)
           << csvField(historyTableModel::stationTime(r))
           << csvField(historyTableModel::kindWord(r.kind)) << text(r.name)
           << text(row.currentName.isEmpty() ? r.name : row.currentName)
           << csvField(row.deleted ? tr("yes") : QString()) << text(r.typeName);
    for (const QString &condition : r.conditions)
        fields << text(condition);
    for (const QString &value : r.shown)
        fields << (value.isEmpty() ? QByteArray() : csvCoordinate(value));
    fields << number(r.rawL) << number(r.rawA) << number(r.rawB) << text(r.formula)
           << number(r.deltaE) << csvField(historyTableModel::verdictWord(r.verdict))
           << text(r.tolerance.join(QLatin1Char(' '))) << text(r.station) << text(r.operatorName)
           << text(r.instrumentModel) << text(r.port) << text(r.filePath)
           << csvField(historyTableModel::originWord(r.origin)) << uuidText(r.id)
           << uuidText(r.typeId);
    return fields.join(',') + "\r\n";
}

bool historyCsv::exportFile(const QString &path, historyStore *store, const HistoryFilter &filter,
                            int pageSize, const std::function<bool(qint64)> &progress,
                            QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    QByteArrayList header;
    for (const QString &heading : headings())
        header << csvField(heading);
    QByteArray chunk = QByteArrayLiteral("\xEF\xBB\xBF") + header.join(',') + "\r\n";
    qint64 written = 0;
    for (int offset = 0;; offset += pageSize) {
        QVector<historyStore::Row> rows;
        if (!store->query(filter, offset, pageSize, &rows, error)) {
            file.cancelWriting();
            return false;
        }
        for (const historyStore::Row &r : qAsConst(rows))
            chunk += row(r);
        if (file.write(chunk) != chunk.size()) {
            *error = file.errorString();
            file.cancelWriting();
            return false;
        }
        chunk.clear();
        written += rows.size();
        if (progress && !progress(written)) {
            *error = tr("The export was stopped.");
            file.cancelWriting();
            return false;
        }
        if (rows.size() < pageSize)
            break;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
