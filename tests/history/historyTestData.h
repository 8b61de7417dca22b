#ifndef QCM_TESTS_HISTORYTESTDATA_H
#define QCM_TESTS_HISTORYTESTDATA_H

// Records for the history tests: a Type and its Samples with every field
// filled, at times the test chooses.

#include "historyRecord.h"

#include <QTimeZone>

namespace historyTest {

inline HistoryRecord typeRecord(const QString &name, const QDateTime &time)
{
    HistoryRecord r;
    r.id = QUuid::createUuid();
    r.itemId = r.id;
    r.kind = history::Kind::Type;
    r.name = name;
    r.conditions = {"D65",
                    "CM-5",
                    "8mm",
                    "SCI",
                    "CIE1976L*a*b*",
                    "\xCE\x94"
                    "E00",
                    "d/8",
                    "10\xC2\xB0",
                    "3"};
    r.rawL = 52.25;
    r.rawA = -1.5;
    r.rawB = 3.125;
    r.shown = {"52.25", "-1.5", "3.125"};
    r.time = time;
    r.timeZone = "Europe/Berlin";
    r.station = "line-1";
    r.operatorName = "Ada";
    r.instrumentModel = "CM-5";
    r.port = "/dev/ttyUSB0";
    r.filePath = "/data/day.qcm";
    r.origin = history::Origin::Measured;
    return r;
}

inline HistoryRecord sampleRecord(const HistoryRecord &type, const QString &name,
                                  const QDateTime &time, const QString &verdict = "Pass")
{
    HistoryRecord r = typeRecord(name, time);
    r.kind = history::Kind::Sample;
    r.typeId = type.id;
    r.typeName = type.name;
    r.formula = "\xCE\x94"
                "E00";
    r.deltaE = verdict == "Pass" ? 0.42 : 2.5;
    r.verdict = verdict;
    r.tolerance = QStringList{"1", "-1", "1", "-1", "1", "-1", "1"};
    return r;
}

inline HistoryRecord eventRecord(const HistoryRecord &item, history::Event event,
                                 const QString &name, const QDateTime &time)
{
    HistoryRecord r = item;
    r.id = QUuid::createUuid();
    r.itemId = item.id;
    r.event = event;
    r.name = name;
    r.time = time;
    return r;
}

inline QDateTime utc(int day, int hour = 12, int minute = 0)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute), Qt::UTC);
}

} // namespace historyTest

#endif
