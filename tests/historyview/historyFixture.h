#ifndef QCM_TESTS_HISTORYFIXTURE_H
#define QCM_TESTS_HISTORYFIXTURE_H

// A real SQLite history filled through historyStore::insert, and the
// settings that point the program at it.

#include "historyConnection.h"
#include "historyStore.h"

#include <QSettings>
#include <QTest>

namespace historyFixture {

inline const std::array<QString, 9> &labConditions()
{
    static const std::array<QString, 9> conditions = {
        "CS-10", "D/8", "D65", "8mm", "10°", "SCI", "CIE1976L*a*b*", "ΔE00", "1"};
    return conditions;
}

inline HistoryRecord type(const QString &name, const QDateTime &time,
                          const QString &station = "line1")
{
    HistoryRecord r;
    r.id = QUuid::createUuid();
    r.itemId = r.id;
    r.kind = history::Kind::Type;
    r.name = name;
    r.conditions = labConditions();
    r.rawL = 50.25;
    r.rawA = -3.5;
    r.rawB = 12.125;
    r.shown = {"50.25", "-3.5", "12.125"};
    r.time = time.toUTC();
    r.timeZone = "Europe/Berlin";
    r.station = station;
    r.operatorName = "Mia";
    r.instrumentModel = "CS-10";
    r.port = "/dev/ttyACM0";
    r.filePath = "/lab/lot5.qcm";
    r.origin = history::Origin::Measured;
    return r;
}

inline HistoryRecord sample(const HistoryRecord &type, const QString &name, double L,
                            const QString &verdict, const QDateTime &time)
{
    HistoryRecord r = type;
    r.id = QUuid::createUuid();
    r.itemId = r.id;
    r.kind = history::Kind::Sample;
    r.name = name;
    r.typeId = type.id;
    r.typeName = type.name;
    r.rawL = L;
    r.shown = {QString::number(L, 'g', 10), "-3.5", "12.125"};
    r.formula = "ΔE00";
    r.deltaE = std::abs(L - type.rawL);
    r.verdict = verdict;
    r.tolerance = QStringList{"2.00", "2.00", "2.00", "2.00", "2.00", "2.00", "2.00"};
    r.time = time.toUTC();
    return r;
}

// Writes the records into the SQLite file at `path` and points the
// settings store at it.
inline bool fill(const QString &path, const QVector<HistoryRecord> &records)
{
    historyConnection connection;
    connection.sqlitePath = path;
    QSettings settings("SoftWare Inc.", "qcm");
    connection.toSettings(settings);
    settings.sync();
    historyStore store(connection);
    QString error;
    if (!store.open(&error) || !store.insert(records, &error)) {
        qWarning("history: %s", qPrintable(error));
        return false;
    }
    return true;
}

} // namespace historyFixture

#endif
