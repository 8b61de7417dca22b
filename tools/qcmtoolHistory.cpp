#include "qcmtoolHistory.h"

#include "csvWriter.h"
#include "historyStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

#include <cmath>
#include <cstdio>

namespace {

// Records are read and written a page at a time, so that a whole history of
// millions of records never sits in memory at once.
const int pageSize = 5000;

void complain(const QString &message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "qcmtool: history: %s\n", message.toLocal8Bit().constData());
}

bool put(const QByteArray &bytes)
{
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
}

QString isoTime(const QDateTime &time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODateWithMs) : QString();
}

// "2026-03-01" (a whole day, UTC) or an ISO 8601 time ("2026-03-01T08:00:00Z",
// "2026-03-01T09:00:00+01:00"; without a zone, UTC).  `until` of a bare date
// takes in that whole day.
bool parseTime(const QString &text, bool until, QDateTime *out)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid() && text.size() == 10) {
        *out = QDateTime(until ? date.addDays(1) : date, QTime(0, 0), Qt::UTC);
        return true;
    }
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid() || !text.contains('T'))
        return false;
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC);
    *out = time.toUTC();
    return true;
}

QString numberText(double value)
{
    return std::isfinite(value) ? QString::number(value, 'g', QLocale::FloatingPointShortest)
                                : QString();
}

const char *const conditionKeys[] = {"lightSource",  "model",      "caliber",
                                     "lightMode",    "colorSpace", "formula",
                                     "illumination", "observer",   "readingsPerAverage"};
const char *const conditionHeadings[] = {"Light source", "Model",        "Caliber",
                                         "Light mode",   "Colour space", "Formula set",
                                         "Illumination", "Observer",     "Readings per average"};

QJsonValue numberValue(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

QJsonObject jsonOf(const historyStore::Row &row)
{
    const HistoryRecord &r = row.record;
    QJsonObject conditions;
    for (int i = 0; i < 9; ++i)
        conditions.insert(conditionKeys[i], r.conditions[size_t(i)]);
    QJsonArray shown;
    for (const QString &value : r.shown)
        shown.append(value);
    return QJsonObject{
        {"id", r.id.toString(QUuid::WithoutBraces)},
        {"kind", history::kindText(r.kind)},
        {"name", r.name},
        {"currentName", row.currentName},
        {"deleted", row.deleted},
        {"typeId", r.typeId.isNull() ? QJsonValue() : r.typeId.toString(QUuid::WithoutBraces)},
        {"typeName", r.typeName},
        {"time", r.time.isValid() ? QJsonValue(isoTime(r.time)) : QJsonValue()},
        {"timeZone", r.timeZone},
        {"station", r.station},
        {"operator", r.operatorName},
        {"instrumentModel", r.instrumentModel},
        {"port", r.port},
        {"file", r.filePath},
        {"origin", history::originText(r.origin)},
        {"conditions", conditions},
        {"raw", QJsonObject{{"L", numberValue(r.rawL)},
                            {"a", numberValue(r.rawA)},
                            {"b", numberValue(r.rawB)}}},
        {"shown", shown},
        {"formula", r.formula},
        {"colorDifference", numberValue(r.deltaE)},
        {"verdict", r.verdict},
        {"tolerance", QJsonArray::fromStringList(r.tolerance)}};
}

QByteArray csvHeader()
{
    QStringList headings{
        "Id",       "Kind",       "Name",      "Current name", "Deleted",           "Type",
        "Type id",  "Time (UTC)", "Time zone", "Station",      "Operator",          "Instrument",
        "Port",     "File",       "Origin",    "Value 1",      "Value 2",           "Value 3",
        "Raw L*",   "Raw a*",     "Raw b*",    "Formula",      "Colour difference", "Verdict",
        "Tolerance"};
    for (const char *heading : conditionHeadings)
        headings << QLatin1String(heading);
    QByteArray line("\xEF\xBB\xBF");
    for (int i = 0; i < headings.size(); ++i)
        line += (i ? "," : "") + csvField(headings[i]);
    return line + "\r\n";
}

QByteArray csvRow(const historyStore::Row &row, bool raw)
{
    const HistoryRecord &r = row.record;
    auto text = [raw](const QString &t) { return csvField(raw ? t : csvGuardedText(t)); };
    auto number = [](double v) {
        return std::isfinite(v) ? csvCoordinate(numberText(v)) : QByteArray();
    };
    QList<QByteArray> fields{csvField(r.id.toString(QUuid::WithoutBraces)),
                             csvField(history::kindText(r.kind)),
                             text(r.name),
                             text(row.currentName),
                             row.deleted ? "yes" : "no",
                             text(r.typeName),
                             r.typeId.isNull() ? QByteArray()
                                               : csvField(r.typeId.toString(QUuid::WithoutBraces)),
                             csvField(isoTime(r.time)),
                             text(r.timeZone),
                             text(r.station),
                             text(r.operatorName),
                             text(r.instrumentModel),
                             text(r.port),
                             text(r.filePath),
                             csvField(history::originText(r.origin))};
    for (const QString &value : r.shown)
        fields << (value.isEmpty() ? QByteArray() : csvCoordinate(value));
    fields << number(r.rawL) << number(r.rawA) << number(r.rawB) << text(r.formula)
           << number(r.deltaE) << csvField(r.verdict) << text(r.tolerance.join(' '));
    for (const QString &condition : r.conditions)
        fields << text(condition);
    QByteArray line;
    for (int i = 0; i < fields.size(); ++i)
        line += (i ? "," : "") + fields[i];
    return line + "\r\n";
}

QByteArray textRow(const historyStore::Row &row)
{
    const HistoryRecord &r = row.record;
    QStringList parts{isoTime(r.time), history::kindText(r.kind), r.name};
    if (row.currentName != r.name)
        parts << QStringLiteral("(now %1)").arg(row.currentName);
    if (row.deleted)
        parts << QStringLiteral("(deleted)");
    if (r.kind == history::Kind::Sample) {
        parts << QStringLiteral("Type %1").arg(r.typeName);
        const QString difference = numberText(r.deltaE);
        if (!difference.isEmpty())
            parts << r.formula + '=' + difference;
        if (!r.verdict.isEmpty())
            parts << r.verdict;
    }
    parts << r.shown[0] + ' ' + r.shown[1] + ' ' + r.shown[2] << r.conditions[4]
          << QStringLiteral("station %1").arg(r.station);
    if (!r.operatorName.isEmpty())
        parts << QStringLiteral("operator %1").arg(r.operatorName);
    if (!r.filePath.isEmpty())
        parts << r.filePath;
    return parts.join(QStringLiteral("  ")).toUtf8() + '\n';
}

enum class Output
{
    Text,
    Csv,
    Json
};

struct Options
{
    QString db;
    HistoryFilter filter;
    Output output = Output::Text;
    bool raw = false;
    qint64 limit = 1000; // 0: every record
};

bool parseOptions(int argc, char **argv, Options *o)
{
    bool formatGiven = false;
    for (int i = 0; i < argc; ++i) {
        const QString option = QString::fromLocal8Bit(argv[i]);
        if (option == "--csv" || option == "--json") {
            if (formatGiven) {
                complain("give one of --csv and --json");
                return false;
            }
            formatGiven = true;
            o->output = option == "--csv" ? Output::Csv : Output::Json;
            continue;
        }
        if (option == "--raw") {
            o->raw = true;
            continue;
        }
        static const QStringList valued{"--db",      "--type",    "--since",
                                        "--until",   "--station", "--operator",
                                        "--verdict", "--file",    "--limit"};
        if (!valued.contains(option)) {
            complain(QString("unexpected '%1'; try qcmtool --help").arg(option));
            return false;
        }
        if (i + 1 >= argc) {
            complain(QString("%1 needs a value").arg(option));
            return false;
        }
        const QString value = QString::fromLocal8Bit(argv[++i]);
        if (option == "--db") {
            o->db = value;
        } else if (option == "--type") {
            o->filter.typeName = value;
        } else if (option == "--since" || option == "--until") {
            const bool until = option == "--until";
            if (!parseTime(value, until, until ? &o->filter.until : &o->filter.since)) {
                complain(QString("%1 takes a date (2026-03-01) or an ISO 8601 time "
                                 "(2026-03-01T08:00:00Z), not '%2'")
                             .arg(option, value));
                return false;
            }
        } else if (option == "--station") {
            o->filter.station = value;
        } else if (option == "--operator") {
            o->filter.operatorName = value;
        } else if (option == "--file") {
            o->filter.filePath = value;
        } else if (option == "--verdict") {
            if (value.compare("pass", Qt::CaseInsensitive) == 0) {
                o->filter.verdict = "Pass";
            } else if (value.compare("fail", Qt::CaseInsensitive) == 0) {
                o->filter.verdict = "Fail";
            } else {
                complain(QString("--verdict takes pass or fail, not '%1'").arg(value));
                return false;
            }
        } else if (option == "--limit") {
            bool ok = false;
            o->limit = value.toLongLong(&ok);
            if (!ok || o->limit < 0) {
                complain(
                    QString("--limit takes a number of records (0: all), not '%1'").arg(value));
                return false;
            }
        }
    }
    if (o->raw && o->output != Output::Csv) {
        complain("--raw goes with --csv");
        return false;
    }
    if (o->filter.since.isValid() && o->filter.until.isValid() &&
        o->filter.until <= o->filter.since) {
        complain("--until must come after --since");
        return false;
    }
    return true;
}

// The connection named by --db, or the station's own from QCM's settings.
bool connectionOf(const Options &o, historyConnection *connection)
{
    QString error;
    if (o.db.isEmpty()) {
        QSettings settings(QStringLiteral("SoftWare Inc."), QStringLiteral("qcm"));
        *connection = historyConnection::fromSettings(settings);
    } else if (!historyConnection::fromText(o.db, connection, &error)) {
        complain(error);
        return false;
    }
    if (connection->driver == historyConnection::Driver::SQLite) {
        // A reader never makes a history where there was none.
        const QString path = connection->toText();
        if (!QFileInfo(path).isFile()) {
            complain(QString("there is no history at %1").arg(path));
            return false;
        }
    }
    return true;
}

} // namespace

int historyCommand(int argc, char **argv)
{
    Options o;
    if (!parseOptions(argc, argv, &o))
        return 1;
    // Qt SQL loads its drivers as plug-ins, which takes an application object;
    // the names make the default history the one QCM itself keeps.
    int appArgc = 1;
    char appName[] = "qcmtool";
    char *appArgv[] = {appName, nullptr};
    QCoreApplication app(appArgc, appArgv);
    QCoreApplication::setOrganizationName(QStringLiteral("SoftWare Inc."));
    QCoreApplication::setApplicationName(QStringLiteral("qcm"));

    historyConnection connection;
    if (!connectionOf(o, &connection))
        return 1;
    historyStore store(connection);
    QString error;
    qint64 total = 0;
    if (!store.open(&error) || !store.count(o.filter, &total, &error)) {
        complain(error);
        return 1;
    }
    const qint64 wanted = o.limit == 0 ? total : qMin(total, o.limit);
    bool written = true;
    if (o.output == Output::Csv)
        written = put(csvHeader());
    else if (o.output == Output::Json)
        written = put(QByteArrayLiteral("{\n\"total\": ") + QByteArray::number(total) +
                      ",\n\"records\": [");
    qint64 done = 0;
    while (written && done < wanted) {
        QVector<historyStore::Row> rows;
        const int page = int(qMin<qint64>(pageSize, wanted - done));
        if (!store.query(o.filter, int(done), page, &rows, &error)) {
            complain(error);
            return 1;
        }
        if (rows.isEmpty())
            break; // a short page ends the output rather than looping
        for (const historyStore::Row &row : rows) {
            QByteArray bytes;
            if (o.output == Output::Csv)
                bytes = csvRow(row, o.raw);
            else if (o.output == Output::Json)
                bytes = (done ? ",\n" : "\n") +
                        QJsonDocument(jsonOf(row)).toJson(QJsonDocument::Compact);
            else
                bytes = textRow(row);
            written = written && put(bytes);
            ++done;
        }
    }
    if (o.output == Output::Json)
        written = written && put("\n]\n}\n");
    else if (o.output == Output::Text)
        written = written && put(QString("%1 of %2 records\n").arg(done).arg(total).toUtf8());
    if (!written || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        complain("cannot write to standard output");
        return 1;
    }
    return 0;
}
