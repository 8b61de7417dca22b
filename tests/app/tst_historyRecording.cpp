// The measurement history as the window records it: Types and Samples
// measured through the instrument emulator, averaged, uploaded, typed in,
// launched from the library, set as Type, imported from CGATS; renames and
// deletions as records of their own; New, Open and loading a file record
// nothing.  The records are read back from the SQLite history the window
// sends them to.

#include "../support/emulatorProcess.h"
#include "../support/settingsStore.h"
#include "../support/testTiming.h"
#include "MainWindows.h"
#include "cgatsFile.h"
#include "cgatsTypeImport.h"
#include "historyKeeper.h"
#include "historyOutbox.h"
#include "historyRecorder.h"
#include "historyStore.h"
#include "itemColumns.h"
#include "itemOperationsRk.h"
#include "libraryTreeLink.h"
#include "measurementRoad.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "uploadRecorderRk.h"

#include <QAction>
#include <QBuffer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTreeWidget>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlQuery>

#include <cmath>

namespace {

const int connectTimeout = 15000;
const int replyTimeout = 15000;

void press(MainWindows &window, const char *name)
{
    QTRY_VERIFY_WITH_TIMEOUT(window.action(name)->isEnabled(), connectTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!window.road()->debouncing(), connectTimeout);
    window.action(name)->trigger();
}

// Every record of the history, oldest first, as "event kind name origin".
QStringList everyRecord(const QString &sqlite)
{
    QStringList lines;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "look");
        db.setDatabaseName(sqlite);
        if (db.open()) {
            QSqlQuery query("SELECT event, kind, name, origin FROM history_records ORDER BY seq",
                            db);
            while (query.next())
                lines << QStringList{query.value(0).toString(), query.value(1).toString(),
                                     query.value(2).toString(), query.value(3).toString()}
                             .join(' ');
        }
    }
    QSqlDatabase::removeDatabase("look");
    return lines;
}

} // namespace

class tst_historyRecording : public QObject
{
    Q_OBJECT

    emulatorProcess emulator;
    QTemporaryDir dir;
    QString sqlite;

    void startEmulator(const QStringList &options)
    {
        QVERIFY(emulator.start(options));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
    }

    // The window's history sent, then read as the history window reads it.
    QVector<historyStore::Row> stored(MainWindows &window)
    {
        QVector<historyStore::Row> rows;
        window.history()->recorder()->flush();
        if (!QTest::qWaitFor([&] { return window.history()->outbox()->waiting() == 0; },
                             replyTimeout))
            return rows;
        historyConnection c;
        c.sqlitePath = sqlite;
        historyStore store(c);
        QString error;
        if (!store.open(&error) || !store.query(HistoryFilter(), 0, 1000, &rows, &error))
            qWarning("%s", qPrintable(error));
        // Oldest first, as they were measured.
        std::reverse(rows.begin(), rows.end());
        return rows;
    }

private slots:
    void initTestCase()
    {
        promptRk::setTesting(true);
        QVERIFY(dir.isValid());
    }
    void init()
    {
        promptRk::clearHistory();
        sqlite = dir.filePath(QString("%1.sqlite").arg(QTest::currentTestFunction()));
        resetStore({{"historySqlitePath", sqlite}, {"historyStation", "bench-3"}});
        protocolTiming::set(testTiming());
    }
    void cleanup()
    {
        emulator.stop();
        qunsetenv("QCM_SERIAL_PORT");
        protocolTiming::set(protocolTiming());
    }

    void measuredTypeAndSamples()
    {
        startEmulator({"--colors", "50,10,20;52.5,9,20;49,10.5,19.25;50.5,10,20"});
        MainWindows window;
        window.history()->start(dir.filePath("outboxes"));
        PrintInfo print = window.state()->printInfo();
        print.measurementPerson = "Ada";
        window.state()->setPrintInfo(print);
        measurementTreeRk *tree = window.treeModel();
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);

        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(tree->typeCount(), 1, replyTimeout);
        QTreeWidgetItem *type = tree->type(0);
        press(window, "sTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(type->childCount(), 1, replyTimeout);
        press(window, "sTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(type->childCount(), 2, replyTimeout);

        QVector<historyStore::Row> rows = stored(window);
        QCOMPARE(rows.size(), 3);
        const HistoryRecord t = rows.at(0).record;
        QCOMPARE(t.kind, history::Kind::Type);
        QCOMPARE(t.event, history::Event::Entered);
        QCOMPARE(t.name, QString("Type T001"));
        QCOMPARE(t.id, historyRecorder::itemId(type));
        QCOMPARE(t.itemId, t.id);
        QVERIFY(t.typeId.isNull());
        for (int i = 0; i < 9; ++i)
            QCOMPARE(t.conditions[std::size_t(i)], type->text(lightSourceColumn + i));
        QCOMPARE(t.conditions[0], QString("D65"));
        QCOMPARE(t.rawL, 50.0);
        QCOMPARE(t.rawA, 10.0);
        QCOMPARE(t.rawB, 20.0);
        QCOMPARE(t.shown, (std::array<QString, 3>{"50", "10", "20"}));
        QVERIFY(t.formula.isEmpty() && t.verdict.isEmpty() && std::isnan(t.deltaE));
        QVERIFY(t.time >= before && t.time <= QDateTime::currentDateTimeUtc());
        QCOMPARE(t.timeZone, QString::fromUtf8(QTimeZone::systemTimeZoneId()));
        QCOMPARE(t.station, QString("bench-3"));
        QCOMPARE(t.operatorName, QString("Ada"));
        QCOMPARE(t.instrumentModel, QString("PX71"));
        QCOMPARE(t.port, emulator.path);
        QVERIFY(t.filePath.isEmpty());
        QCOMPARE(t.origin, history::Origin::Measured);

        // Judged as the panel judges them: ΔE against the Type, each bound
        // of the tolerance.
        const HistoryRecord s1 = rows.at(1).record, s2 = rows.at(2).record;
        QCOMPARE(s1.kind, history::Kind::Sample);
        QCOMPARE(s1.name, QString("Sample S001"));
        QCOMPARE(s1.typeId, t.id);
        QCOMPARE(s1.typeName, QString("Type T001"));
        QCOMPARE(s1.formula, type->child(0)->text(formulaColumn));
        QVERIFY(std::abs(s1.deltaE - std::sqrt(2.5 * 2.5 + 1.0)) < 1e-4);
        QCOMPARE(s1.verdict, QString("Fail"));
        QCOMPARE(s1.tolerance, window.state()->tolerance().toList());
        QVERIFY(std::abs(s2.deltaE - std::sqrt(1.0 + 0.25 + 0.5625)) < 1e-4);
        QCOMPARE(s2.verdict, QString("Pass"));
        QCOMPARE(s2.rawL, 49.0);

        // A rename and a deletion are further records; the file, once saved,
        // goes with what is measured after.
        type->child(0)->setText(nameColumn, "Sample A");
        tree->deleteItem(type->child(1));
        const QString file = dir.filePath("day.qcm");
        QVERIFY(window.saveFile(file));
        window.setCurrentFile(file); // what Save does after writing
        press(window, "sTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(type->childCount(), 2, replyTimeout);
        rows = stored(window);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.at(1).currentName, QString("Sample A"));
        QVERIFY(!rows.at(1).deleted);
        QVERIFY(rows.at(2).deleted);
        QCOMPARE(rows.at(3).record.filePath, file);
        QCOMPARE(rows.at(3).record.name, QString("Sample S001"));
        const QStringList recorded = {
            "entered Type Type T001 measured",     "entered Sample Sample S001 measured",
            "entered Sample Sample S002 measured", "renamed Sample Sample A measured",
            "deleted Sample Sample S002 measured", "entered Sample Sample S001 measured"};
        QCOMPARE(everyRecord(sqlite), recorded);

        // New, Open and the file loaded are no entries, and putting the
        // measurement away deletes nothing.
        QVERIFY(window.saveFile(file));
        window.newFile();
        QCOMPARE(tree->typeCount(), 0);
        QVERIFY(window.loadFile(file));
        QCOMPARE(tree->typeCount(), 1);
        tree->type(0)->child(0)->setText(nameColumn, "Sample B"); // never recorded: no id
        QVERIFY(window.loadFile(file));
        QCOMPARE(stored(window).size(), 4);
        QCOMPARE(everyRecord(sqlite), recorded);
    }

    void averageRecordedOnceComplete()
    {
        resetStore({{"historySqlitePath", sqlite}, {"averageTestTimePC", "3"}});
        startEmulator({"--colors", "50,10,20;51,11,21;53,12,23"});
        MainWindows window;
        window.history()->start(dir.filePath("outboxes"));
        measurementTreeRk *tree = window.treeModel();
        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(tree->typeCount(), 1, replyTimeout);
        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(tree->type(0)->text(averageCountColumn), QString("2"),
                                  replyTimeout);
        QCOMPARE(stored(window).size(), 0);
        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(tree->type(0)->text(averageCountColumn), QString("3"),
                                  replyTimeout);
        const QVector<historyStore::Row> rows = stored(window);
        QCOMPARE(rows.size(), 1);
        const HistoryRecord &r = rows.at(0).record;
        QCOMPARE(r.origin, history::Origin::Averaged);
        QCOMPARE(r.shown, (std::array<QString, 3>{"51.33", "11.00", "21.33"}));
        QVERIFY(std::abs(r.rawL - 154.0 / 3) < 1e-4 && std::abs(r.rawA - 11.0) < 1e-4 &&
                std::abs(r.rawB - 64.0 / 3) < 1e-4);
        QCOMPARE(r.station, QSysInfo::machineHostName());
        QCOMPARE(r.conditions[8], QString("3"));
    }

    void howItemsEntered()
    {
        QFile records(dir.filePath("records.txt"));
        QVERIFY(records.open(QIODevice::WriteOnly));
        records.write("T T001 SCI D65 60 -2 5 2019-3-5T9:7:3 0 1 1\n"
                      "S S001 SCI D65 61 -2.5 5.5 2019-3-5T9:8:3 0 1 1\n");
        records.close();
        startEmulator({"--records-file", records.fileName()});
        MainWindows window;
        window.history()->start(dir.filePath("outboxes"));
        measurementTreeRk *tree = window.treeModel();

        QTRY_VERIFY_WITH_TIMEOUT(window.action("dataToPCFcn")->isEnabled(), connectTimeout);
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.action("dataToPCFcn")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(tree->typeCount(), 1, replyTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!window.uploader()->running(), replyTimeout);

        // Typed in, in LCh: no L*a*b* reading is known.
        QVERIFY(window.operations()->addManualType({"50", "30", "120", "2026-03-01 10:00:00", "D65",
                                                    "8mm", "SCI", "CIELCH", "△ELab", "8/d",
                                                    "CIE 10°", "1", "1"}));
        QVERIFY(libraryTreeLink::launchType(tree, "PX71",
                                            {"Standard blue", "CIE1976L*a*b*",
                                             "L40.00  a5.00  b-30.00", "D65", "CIE 10°", "8/d",
                                             "8mm", "SCI", "1", "2026-03-01 10:00:00"},
                                            QBrush(Qt::blue)));
        window.measurementTree()->clearSelection();
        tree->type(0)->setSelected(true);
        window.operations()->setAsNewType();
        QByteArray cgats("CGATS.17\nBEGIN_DATA_FORMAT\nSAMPLE_NAME LAB_L LAB_A LAB_B\n"
                         "END_DATA_FORMAT\nBEGIN_DATA\n\"Imported red\" 45 60 30\nEND_DATA\n");
        QBuffer buffer(&cgats);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QCOMPARE(cgatsTypeImport::addTypes(tree, readCgats(&buffer), "PX71",
                                           QDateTime::currentDateTime()),
                 1);

        const QVector<historyStore::Row> rows = stored(window);
        QStringList seen;
        for (const historyStore::Row &row : rows)
            seen << row.record.name + " " + history::originText(row.record.origin);
        QCOMPARE(seen, (QStringList{"T001 uploaded", "S001 uploaded", "Type T002 typed",
                                    "Standard blue library", "Type T004 setAs",
                                    "Imported red imported"}));
        QCOMPARE(rows.at(1).record.typeId, rows.at(0).record.id);
        QCOMPARE(rows.at(1).record.rawB, 5.5);
        QCOMPARE(rows.at(1).record.port, emulator.path);
        QVERIFY(std::isnan(rows.at(2).record.rawL));
        QVERIFY(rows.at(2).record.port.isEmpty());
        QCOMPARE(rows.at(3).record.rawB, -30.0);
        // A copy keeps the reading of what it copies.
        QCOMPARE(rows.at(4).record.rawL, 60.0);
        QCOMPARE(rows.at(5).record.rawA, 60.0);
    }

    // Records that cannot be sent wait, and the status strip says how many.
    void waitingRecordsShown()
    {
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        resetStore({{"historySqlitePath", dir.filePath("blocker/h.sqlite")}});
        MainWindows window;
        window.history()->start(dir.filePath("waiting"));
        QLabel *mark = window.findChild<QLabel *>("historyMark");
        QVERIFY(mark);
        QVERIFY(mark->isHidden());
        QTreeWidgetItem *old = window.addTypeItem(1, 2, 3, "Old", {});
        window.addTypeItem(4, 5, 6, "Older", {});
        // Recording leaves the marks as the user set them (one checked
        // Sample of one leaves its Type unchecked) and the measurement as
        // modified as it was.
        QTreeWidgetItem *sample = window.addSampleItem(1, 2, 4, old, "S", {});
        sample->setCheckState(nameColumn, Qt::Checked);
        QVERIFY(window.saveFile(dir.filePath("marks.qcm")));
        window.setCurrentFile(dir.filePath("marks.qcm"));
        window.history()->recorder()->flush();
        QCOMPARE(sample->checkState(nameColumn), Qt::Checked);
        QCOMPARE(old->checkState(nameColumn), Qt::Unchecked);
        QVERIFY(!window.isModified());
        QTRY_VERIFY2_WITH_TIMEOUT(!mark->isHidden(),
                                  qPrintable(QString("%1 wait: %2")
                                                 .arg(window.history()->outbox()->waiting())
                                                 .arg(window.history()->outbox()->failure())),
                                  replyTimeout);
        QCOMPARE(mark->text(), QString("3 records wait"));
        QVERIFY(!mark->toolTip().isEmpty());

        // The settings point to a history that works: the records go.
        QSettings("SoftWare Inc.", "qcm").setValue("historySqlitePath", sqlite);
        window.history()->historyConnectionChanged();
        QTRY_VERIFY_WITH_TIMEOUT(mark->isHidden(), replyTimeout);
        QCOMPARE(stored(window).size(), 3);
    }
};

QTEST_MAIN(tst_historyRecording)
#include "tst_historyRecording.moc"
