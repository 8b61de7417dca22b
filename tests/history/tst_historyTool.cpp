// `qcmtool history` run as built against histories written by the store: its
// text, its CSV (read back by a reader of this test) and its JSON (parsed),
// the filters, the station's configured history, and the exit codes.

#include "../support/postgresServer.h"
#include "../support/settingsStore.h"
#include "historyStore.h"
#include "historyTestData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlQuery>

using namespace historyTest;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Run qcmtool(const QStringList &args)
{
    QProcess p;
    p.start(qEnvironmentVariable("QCM_BUILD_DIR") + "/qcmtool", QStringList{"history"} + args);
    Run r;
    if (!p.waitForStarted(30000) || !p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

// RFC 4180 rows: quoted fields with doubled quotes, CR LF line ends; the
// byte-order mark in front is required.
bool parseCsv(const QByteArray &bytes, QVector<QStringList> *rows)
{
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return false;
    const QString text = QString::fromUtf8(bytes.mid(3));
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
        } else if (c == ',') {
            row << field;
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            row << field;
            *rows << row;
            row.clear();
            field.clear();
            ++i;
        } else if (c == '\n' || c == '\r') {
            return false; // a bare line break outside quotes
        } else {
            field += c;
        }
    }
    return !quoted && row.isEmpty() && field.isEmpty();
}

} // namespace

class tst_historyTool : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    QString path;
    HistoryRecord blue, green, b1, b2, g1;

    bool fill(const historyConnection &connection)
    {
        historyStore store(connection);
        QString error;
        if (!store.open(&error) ||
            !store.insert({blue, green, b1, b2, g1,
                           eventRecord(b2, history::Event::Renamed, "b2 again", utc(9))},
                          &error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        path = folder.filePath("history.sqlite");
        blue = typeRecord("RAL 5010 Enzianblau", utc(1, 8));
        green = typeRecord(QString::fromUtf8("Grün 6018"), utc(1, 9));
        b1 = sampleRecord(blue, "=cmd|' /C calc'!A0", utc(2, 10));
        b1.rawL = std::numeric_limits<double>::quiet_NaN();
        b1.rawA = 0.1 + 0.2;
        b2 = sampleRecord(blue, "b2, \"quoted\"", utc(3, 23, 30), "Fail");
        b2.station = "line-2";
        b2.operatorName = QString::fromUtf8("王小明");
        g1 = sampleRecord(green, "g1", utc(4, 0, 0), "Fail");
        g1.filePath = "/data/green.qcm";
        historyConnection c;
        c.sqlitePath = path;
        QVERIFY(fill(c));
    }

    void jsonHasEveryField()
    {
        const Run r = qcmtool({"--db", path, "--json"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QJsonParseError parsed;
        const QJsonObject root = QJsonDocument::fromJson(r.out, &parsed).object();
        QVERIFY2(parsed.error == QJsonParseError::NoError, qPrintable(parsed.errorString()));
        QCOMPARE(root["total"].toInt(), 5);
        const QJsonArray records = root["records"].toArray();
        QCOMPARE(records.size(), 5);
        const QJsonObject g = records[0].toObject();
        QCOMPARE(g["name"].toString(), QString("g1"));
        QCOMPARE(g["time"].toString(), QString("2026-03-04T00:00:00.000Z"));
        QCOMPARE(g["file"].toString(), QString("/data/green.qcm"));
        QCOMPARE(g["typeId"].toString(), green.id.toString(QUuid::WithoutBraces));
        const QJsonObject renamed = records[1].toObject();
        QCOMPARE(renamed["name"].toString(), b2.name);
        QCOMPARE(renamed["currentName"].toString(), QString("b2 again"));
        QCOMPARE(renamed["operator"].toString(), QString::fromUtf8("王小明"));
        QCOMPARE(renamed["verdict"].toString(), QString("Fail"));
        QCOMPARE(renamed["deleted"].toBool(true), false);
        const QJsonObject first = records[2].toObject();
        QCOMPARE(first["id"].toString(), b1.id.toString(QUuid::WithoutBraces));
        QCOMPARE(first["kind"].toString(), QString("Sample"));
        QCOMPARE(first["typeName"].toString(), blue.name);
        QCOMPARE(first["timeZone"].toString(), QString("Europe/Berlin"));
        QCOMPARE(first["station"].toString(), QString("line-1"));
        QCOMPARE(first["instrumentModel"].toString(), QString("CM-5"));
        QCOMPARE(first["port"].toString(), QString("/dev/ttyUSB0"));
        QCOMPARE(first["origin"].toString(), QString("measured"));
        QVERIFY(first["raw"].toObject()["L"].isNull());
        QCOMPARE(first["raw"].toObject()["a"].toDouble(), 0.1 + 0.2);
        QCOMPARE(first["shown"].toArray().size(), 3);
        QCOMPARE(first["colorDifference"].toDouble(), 0.42);
        QCOMPARE(first["formula"].toString(), QString::fromUtf8("\xCE\x94"
                                                                "E00"));
        QCOMPARE(first["tolerance"].toArray().size(), 7);
        QCOMPARE(first["conditions"].toObject()["colorSpace"].toString(), QString("CIE1976L*a*b*"));
        QCOMPARE(first["conditions"].toObject().size(), 9);
        const QJsonObject type = records[4].toObject();
        QCOMPARE(type["kind"].toString(), QString("Type"));
        QVERIFY(type["typeId"].isNull());
        QVERIFY(type["colorDifference"].isNull());
    }

    void csvReadsBack()
    {
        const Run r = qcmtool({"--db", path, "--csv", "--type", "enzian"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVector<QStringList> rows;
        QVERIFY2(parseCsv(r.out, &rows), r.out.constData());
        QCOMPARE(rows.size(), 4); // heading, b2, b1, blue
        const QStringList heading = rows[0];
        QCOMPARE(heading.size(), 34);
        for (const QStringList &row : rows)
            QCOMPARE(row.size(), heading.size());
        auto cell = [&](int row, const char *column) {
            return rows[row].value(heading.indexOf(QLatin1String(column)));
        };
        QCOMPARE(cell(1, "Name"), b2.name);
        QCOMPARE(cell(1, "Current name"), QString("b2 again"));
        QCOMPARE(cell(1, "Time (UTC)"), QString("2026-03-03T23:30:00.000Z"));
        QCOMPARE(cell(1, "Operator"), QString::fromUtf8("王小明"));
        // A name that a spreadsheet would run is guarded; --raw keeps it.
        QCOMPARE(cell(2, "Name"), QString("'") + b1.name);
        QCOMPARE(cell(2, "Raw L*"), QString());
        QCOMPARE(cell(2, "Raw a*"), QString("0.30000000000000004"));
        QCOMPARE(cell(2, "Colour difference"), QString("0.42"));
        QCOMPARE(cell(2, "Value 2"), QString("-1.5"));
        QCOMPARE(cell(2, "Tolerance"), QString("1 -1 1 -1 1 -1 1"));
        QCOMPARE(cell(2, "Colour space"), QString("CIE1976L*a*b*"));
        QCOMPARE(cell(3, "Kind"), QString("Type"));
        QCOMPARE(cell(3, "Type id"), QString());
        const Run raw = qcmtool({"--db", path, "--csv", "--raw", "--type", "enzian"});
        rows.clear();
        QVERIFY(parseCsv(raw.out, &rows));
        QCOMPARE(rows[2].value(heading.indexOf("Name")), b1.name);
    }

    void filtersReachTheQuery_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("type, any case") << QStringList{"--type", QString::fromUtf8("GRÜN")}
                                        << QStringList{"g1", QString::fromUtf8("Grün 6018")};
        QTest::newRow("dates: --until takes the whole day")
            << QStringList{"--since", "2026-03-02", "--until", "2026-03-03"}
            << QStringList{b2.name, b1.name};
        QTest::newRow("times with a zone") << QStringList{"--since", "2026-03-04T00:30:00+01:00",
                                                          "--until", "2026-03-04T00:00:00.001Z"}
                                           << QStringList{"g1", b2.name};
        QTest::newRow("verdict") << QStringList{"--verdict", "FAIL"} << QStringList{"g1", b2.name};
        QTest::newRow("station") << QStringList{"--station", "line-2"} << QStringList{b2.name};
        QTest::newRow("operator") << QStringList{"--operator", QString::fromUtf8("王小明")}
                                  << QStringList{b2.name};
        QTest::newRow("file") << QStringList{"--file", "/data/green.qcm"} << QStringList{"g1"};
        QTest::newRow("limit") << QStringList{"--limit", "2"} << QStringList{"g1", b2.name};
        QTest::newRow("nothing") << QStringList{"--type", "zzz"} << QStringList{};
    }
    void filtersReachTheQuery()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, names);
        const Run r = qcmtool(QStringList{"--db", path, "--json"} + args);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QStringList got;
        for (const QJsonValue &v : QJsonDocument::fromJson(r.out).object()["records"].toArray())
            got << v.toObject()["name"].toString();
        QCOMPARE(got, names);
    }

    void textIsReadable()
    {
        const Run r = qcmtool({"--db", path, "--type", "5010"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QStringList lines = QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY2(lines[0].startsWith("2026-03-03T23:30:00.000Z  Sample  " + b2.name +
                                     "  (now b2 again)  Type RAL 5010 Enzianblau  "),
                 qPrintable(lines[0]));
        QVERIFY2(lines[0].contains(QString::fromUtf8("\xCE\x94"
                                                     "E00=2.5  Fail")),
                 qPrintable(lines[0]));
        QVERIFY(lines[2].contains("Type  RAL 5010 Enzianblau"));
        QCOMPARE(lines[3], QString("3 of 3 records"));
    }

    void configuredHistoryWithoutDb()
    {
        resetStore({{"historyDriver", "sqlite"}, {"historySqlitePath", path}});
        const Run r = qcmtool({"--type", "grün", "--json"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(QJsonDocument::fromJson(r.out).object()["total"].toInt(), 2);
        // Nothing configured: QCM's own file in its data folder, not there yet.
        resetStore();
        const Run none = qcmtool({});
        QCOMPARE(none.exitCode, 1);
        QVERIFY2(none.err.contains("there is no history at") &&
                     none.err.contains("SoftWare Inc./qcm/history.sqlite"),
                 qPrintable(none.err));
    }

    void refusesBadArgumentsAndBadDatabases_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option") << QStringList{"--colour", "x"} << "unexpected '--colour'";
        QTest::newRow("missing value") << QStringList{"--type"} << "--type needs a value";
        QTest::newRow("bad date") << QStringList{"--since", "yesterday"} << "--since takes a date";
        QTest::newRow("bad verdict") << QStringList{"--verdict", "ok"} << "pass or fail";
        QTest::newRow("bad limit") << QStringList{"--limit", "-3"} << "--limit takes a number";
        QTest::newRow("two formats") << QStringList{"--csv", "--json"} << "one of --csv and --json";
        QTest::newRow("raw without csv") << QStringList{"--raw"} << "--raw goes with --csv";
        QTest::newRow("dates reversed")
            << QStringList{"--since", "2026-03-05", "--until", "2026-03-01"}
            << "--until must come after --since";
        QTest::newRow("malformed connection")
            << QStringList{"--db", "postgresql://host"} << "names no database";
        QTest::newRow("no such file") << QStringList{"--db", "/nonexistent/h.sqlite"}
                                      << "there is no history at /nonexistent/h.sqlite";
        QTest::newRow("no server")
            << QStringList{"--db", "postgresql://%2Fnonexistent:5999/h"} << "does not answer";
    }
    void refusesBadArgumentsAndBadDatabases()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = qcmtool(QStringList{"--db", path} + args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists("/nonexistent/h.sqlite"));
    }

    void unreadableAndNewerDatabases()
    {
        const QString notes = folder.filePath("notes.sqlite");
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        Run r = qcmtool({"--db", notes});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("is not a database file"), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());

        const QString newer = folder.filePath("newer.sqlite");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
            db.setDatabaseName(newer);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("CREATE TABLE history_schema (version INTEGER NOT NULL)"));
            QVERIFY(q.exec("INSERT INTO history_schema (version) VALUES (1000)"));
        }
        QSqlDatabase::removeDatabase("newer");
        r = qcmtool({"--db", newer});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("schema version 1000, newer than this QCM knows"),
                 qPrintable(r.err));
    }

    void readsAServer()
    {
        postgresServer server;
        QString error;
        QVERIFY2(server.start(&error), qPrintable(error));
        const historyConnection c = server.connection();
        QVERIFY(fill(c));
        const Run r = qcmtool({"--db", c.toText(), "--csv", "--verdict", "fail"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err + c.toText()));
        QVector<QStringList> rows;
        QVERIFY(parseCsv(r.out, &rows));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[1].value(2), QString("g1"));
        historyConnection other = c;
        other.user = "nobodyknows";
        const Run stranger = qcmtool({"--db", other.toText()});
        QCOMPARE(stranger.exitCode, 1);
        QVERIFY2(stranger.err.contains("refused user \"nobodyknows\""), qPrintable(stranger.err));
    }
};

QTEST_GUILESS_MAIN(tst_historyTool)
#include "tst_historyTool.moc"
