// The stored-data upload and the Type Data Input dialog on the real window,
// against the instrument emulator over a pseudo-terminal.

#include "../support/emulatorProcess.h"
#include "../support/settingsStore.h"
#include "../support/testTiming.h"
#include "MainWindows.h"
#include "colorConversions.h"
#include "itemColumns.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "testRk.h"
#include "uploadRecorderRk.h"
#include "writeTRk.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

const int connectTimeout = 15000;
const int uploadTimeout = 15000;

struct Stored
{
    const char *kind, *name, *mode, *light;
    float L, a, b;
};

// T, S, S, T, S as the instrument keeps them.
const Stored fiveRecords[] = {
    {"T", "T001", "SCI", "D65", 50.0f, -1.25f, 3.5f},
    {"S", "S001", "SCI", "D65", 50.8f, -1.02f, 3.91f},
    {"S", "S002", "SCI", "D65", 49.37f, -1.4f, 2.88f},
    {"T", "T002", "SCE", "F11", 72.15f, 12.3f, -20.07f},
    {"S", "S003", "SCE", "F11", 71.9f, 12.85f, -19.5f},
};

QString infoLine(MainWindows &window)
{
    return window.serialPort()->findChild<QLabel *>("infoLabel")->text();
}

QProgressBar *progress(MainWindows &window)
{
    return window.serialPort()->findChild<QProgressBar *>("progressBar");
}

} // namespace

class tst_uploadAndTypeInput : public QObject
{
    Q_OBJECT

    emulatorProcess emulator;
    QTemporaryDir dir;

    // A records file of `records` in colour space `space`; the emulator's
    // options follow.
    bool startEmulator(const QList<Stored> &records, int space, const QStringList &options = {})
    {
        const QString path = dir.filePath("records.txt");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        file.write("# kind name mode light L a b datetime space formula readings\n");
        int minute = 7;
        for (const Stored &r : records)
            file.write(QString("%1 %2 %3 %4 %5 %6 %7 2019-3-5T9:%8:3 %9 1 2\n")
                           .arg(r.kind, r.name, r.mode, r.light)
                           .arg(double(r.L))
                           .arg(double(r.a))
                           .arg(double(r.b))
                           .arg(minute++)
                           .arg(space)
                           .toLatin1());
        file.close();
        if (!emulator.start(QStringList{"--records-file", path} + options))
            return false;
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        return true;
    }

    static void upload(MainWindows &window)
    {
        QTRY_VERIFY_WITH_TIMEOUT(window.action("dataToPCFcn")->isEnabled(), connectTimeout);
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.action("dataToPCFcn")->trigger();
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
        resetStore();
        protocolTiming::set(testTiming());
    }
    void cleanup()
    {
        emulator.stop();
        qunsetenv("QCM_SERIAL_PORT");
        QLocale::setDefault(QLocale::c());
        protocolTiming::set(protocolTiming());
    }

    void uploadInEveryColourSpace_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("stored");
        QTest::newRow("L*a*b*") << 0 << "CIE1976LAB";
        QTest::newRow("LCh") << 1 << "CIELCH";
        QTest::newRow("XYZ") << 2 << "CIEXYZ";
        QTest::newRow("L*u*v*") << 3 << "CIELUV";
        QTest::newRow("Hunter") << 4 << "HunterLAB";
        QTest::newRow("sRGB") << 5 << "sRGB";
        QTest::newRow("whiteness mode stays L*a*b*") << 6 << "CIE1976LAB";
    }
    void uploadInEveryColourSpace()
    {
        QFETCH(int, code);
        QFETCH(QString, stored);
        QVERIFY(startEmulator(QList<Stored>(std::begin(fiveRecords), std::end(fiveRecords)), code));
        MainWindows window;
        promptRk::clearHistory();
        promptRk::setNextAnswer(QMessageBox::Yes);
        QTRY_VERIFY_WITH_TIMEOUT(window.action("dataToPCFcn")->isEnabled(), connectTimeout);
        window.action("dataToPCFcn")->trigger();
        QCOMPARE(promptRk::history().first().title, QString("Warning"));
        QCOMPARE(promptRk::history().first().text,
                 QString("Upload all the data to your computer?"));
        measurementTreeRk *tree = window.treeModel();
        QTRY_COMPARE_WITH_TIMEOUT(tree->typeCount(), 2, uploadTimeout);
        QCOMPARE(infoLine(window), QString("Succeed to upload instrument data!"));
        QCOMPARE(progress(window)->maximum(), 5);
        QCOMPARE(progress(window)->value(), 5);
        QCOMPARE(tree->type(0)->childCount(), 2);
        QCOMPARE(tree->type(1)->childCount(), 1);
        QCOMPARE(window.measurementTree()->currentItem(), tree->type(1));

        const QList<QTreeWidgetItem *> items = {tree->type(0), tree->type(0)->child(0),
                                                tree->type(0)->child(1), tree->type(1),
                                                tree->type(1)->child(0)};
        for (int i = 0; i < 5; ++i) {
            const Stored &r = fiveRecords[i];
            QTreeWidgetItem *item = items[i];
            const QList<float> v = colorSpaceValues(r.L, r.a, r.b, stored);
            QCOMPARE(v.size(), 3);
            QStringList texts;
            for (int column = 0; column < 16; ++column)
                texts << item->text(column);
            QCOMPARE(texts, (QStringList{r.name, "", QString("%1").arg(v[0]),
                                         QString("%1").arg(v[1]), QString("%1").arg(v[2]),
                                         QString("2019-3-5 9:%1:3").arg(7 + i), r.light, "PX71",
                                         "8mm", r.mode, stored, QString::fromUtf8("\u0394ECMC"),
                                         "8/d", QString::fromUtf8("CIE 10\u00B0"), "2", "2"}));
            QCOMPARE(item->background(swatchColumn).color().name(), labToColorName(r.L, r.a, r.b));
        }
        // The instrument actions are back once the items are made.
        QVERIFY(window.action("tTestFcn")->isEnabled());
        QVERIFY(window.action("newFile")->isEnabled());
    }

    // What an upload leaves in the tree and says, per store and instrument.
    void uploadOutcomes_data()
    {
        QTest::addColumn<QString>("stored"); // indices into fiveRecords
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("typeBefore");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("box"); // the warning of an incomplete upload
        QTest::addColumn<QString>("line");
        const QString success("Succeed to upload instrument data!");
        QTest::newRow("empty store") << "" << QStringList() << false << ""
                                     << "" << success;
        QTest::newRow("first Sample without a Type: dropped")
            << "1 0 2" << QStringList() << false << "T001[S002]"
            << ""
            << "Uploaded 1 Types and 1 Samples; 1 Samples without a Type were dropped.";
        QTest::newRow("first Sample under the Type present")
            << "1 0 2" << QStringList() << true << "Old[S001] T001[S002]"
            << "" << success;
        QTest::newRow("stalled store")
            << "0 1 2 3 4" << QStringList{"--silent", "C7:2"} << false << "T001[S001]"
            << "Upload incomplete: the instrument stopped answering after 2 records."
            << "";
        // Room for one Type and two Samples, and an instrument that never
        // says it has no more.
        QTest::newRow("beyond the capacity")
            << "0"
            << QStringList{"--endless-records", "--type-capacity", "1", "--sample-capacity", "2"}
            << false << "T001[S001,S002]"
            << "Upload incomplete: the instrument sent more records than it can store (3)."
            << "";
    }
    void uploadOutcomes()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, options);
        QFETCH(bool, typeBefore);
        QFETCH(QString, box);
        QFETCH(QString, line);
        QList<Stored> records;
        for (const QString &index : stored.split(' ', Qt::SkipEmptyParts))
            records << fiveRecords[index.toInt()];
        QVERIFY(startEmulator(records, 0, options));
        MainWindows window;
        if (typeBefore)
            window.addTypeItem(1, 2, 3, "Old", {});
        upload(window);
        QTRY_VERIFY_WITH_TIMEOUT(!window.uploader()->running() && emulator.count(0xC6) == 1,
                                 uploadTimeout);
        QStringList types;
        measurementTreeRk *tree = window.treeModel();
        for (int t = 0; t < tree->typeCount(); ++t) {
            QStringList samples;
            for (int s = 0; s < tree->type(t)->childCount(); ++s)
                samples << tree->type(t)->child(s)->text(nameColumn);
            types << tree->type(t)->text(nameColumn) + "[" + samples.join(',') + "]";
        }
        QTEST(types.join(' '), "tree");
        QCOMPARE(promptRk::history().last().text,
                 box.isEmpty() ? QString("Upload all the data to your computer?") : box);
        if (!line.isEmpty())
            QCOMPARE(infoLine(window), line);
        QVERIFY(window.action("tTestFcn")->isEnabled());
    }

    void nothingElseWhileUploading()
    {
        // Each further record keeps the instrument busy for a while.
        QVERIFY(startEmulator(QList<Stored>(std::begin(fiveRecords), std::end(fiveRecords)), 0,
                              {"--reply-delay", "C7:600"}));
        MainWindows window;
        window.addTypeItem(1, 2, 3, "Old", {});
        promptRk::setNextAnswer(QMessageBox::No);
        QTRY_VERIFY_WITH_TIMEOUT(window.action("dataToPCFcn")->isEnabled(), connectTimeout);
        window.action("dataToPCFcn")->trigger();
        // A probe written after the answer is read after any request of it.
        const int probes = emulator.count(0xC0);
        QTRY_VERIFY_WITH_TIMEOUT(emulator.count(0xC0) > probes, connectTimeout);
        QCOMPARE(emulator.count(0xC6), 0);

        upload(window);
        QTRY_VERIFY_WITH_TIMEOUT(emulator.count(0xC7) >= 1, uploadTimeout);
        QVERIFY(window.uploader()->running());
        for (const char *name : {"tTestFcn", "sTestFcn", "dataToPCFcn", "newFile", "open"})
            QVERIFY2(!window.action(name)->isEnabled(), name);
        auto *panel = window.findChild<testRk *>();
        for (const char *button : {"typeButton", "sampleButton", "autoButton"})
            QVERIFY2(!panel->findChild<QPushButton *>(button)->isEnabled(), button);
        promptRk::clearHistory();
        window.newFile();
        window.open();
        QCOMPARE(window.treeModel()->typeCount(), 1);
        QVERIFY(promptRk::history().isEmpty());
        QCOMPARE(infoLine(window), QString("Please wait until the upload has finished."));
        window.dataToPCFcn();
        QCOMPARE(infoLine(window), QString("An upload is already running."));

        QTRY_COMPARE_WITH_TIMEOUT(window.treeModel()->typeCount(), 3, uploadTimeout);
        QCOMPARE(emulator.count(0xC6), 1);
        QVERIFY(window.action("newFile")->isEnabled());
        QVERIFY(window.action("dataToPCFcn")->isEnabled());
        for (const char *button : {"typeButton", "sampleButton", "autoButton"})
            QVERIFY2(panel->findChild<QPushButton *>(button)->isEnabled(), button);
    }

    void noInstrumentNoUpload()
    {
        MainWindows window;
        window.dataToPCFcn();
        QCOMPARE(promptRk::history().size(), 1);
        QCOMPARE(promptRk::history().first().title, QString("Warning"));
        QCOMPARE(promptRk::history().first().text, QString("No instrument information!"));
        // The instrument goes while the question waits for its answer.
        int asked = 0;
        window.uploader()->setTests([&asked] { return ++asked == 1; }, [] { return false; });
        promptRk::clearHistory();
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.dataToPCFcn();
        QCOMPARE(promptRk::history().size(), 2);
        QCOMPARE(promptRk::history().last().text, QString("No instrument information!"));
        QVERIFY(!window.uploader()->running());
    }

    void sendType_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("line");
        QTest::newRow("stored as T012")
            << QStringList() << "Send success, in the instrument name is T012!"
            << "Send success!";
        QTest::newRow("silent instrument") << QStringList{"--silent", "C8:*"} << "Send Failed!"
                                           << "Send Failed!";
        // A keep-alive probe sent while the instrument is busy would be
        // answered right behind reply 0xA8 (the probes come every 250 ms
        // here).
        QTest::newRow("slow instrument") << QStringList{"--reply-delay", "C8:400"}
                                         << "Send success, in the instrument name is T012!"
                                         << "Send success!";
    }
    void sendType()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, box);
        QFETCH(QString, line);
        Stored t011 = fiveRecords[0];
        t011.name = "T011";
        // A reply time-out of one second: short to wait for, long beside the
        // slow instrument's 400 ms.
        protocolTiming timing = protocolTiming::current();
        timing.replyMsec = 1000;
        protocolTiming::set(timing);
        QVERIFY(startEmulator({t011}, 0, options));
        MainWindows window;
        QTRY_VERIFY_WITH_TIMEOUT(window.instrumentConnected(), connectTimeout);
        window.action("writeTFcn")->trigger();
        writeTRk *dialog = window.writeTDialog();
        QVERIFY(dialog->isVisible());
        dialog->lightSourceBox()->setCurrentText("F11(TL84)");
        dialog->lightModeBox()->setCurrentText("SCE");
        QCOMPARE(dialog->caliberBox()->currentText(), QString("8mm"));
        QTest::keyClicks(dialog->lEdit(), "50");
        QTest::keyClicks(dialog->aEdit(), "-1.25");
        QTest::keyClicks(dialog->bEdit(), "3.5");
        QTest::keyClicks(dialog->averageEdit(), "1");
        // Sent while the probes run, so that the next probe would fall
        // within the wait for a slow reply.
        const int probes = emulator.count(0xC0);
        QTRY_VERIFY_WITH_TIMEOUT(emulator.count(0xC0) > probes, connectTimeout);
        promptRk::clearHistory();
        QTest::mouseClick(dialog->toInstrumentButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(emulator.count(0xC8) == 1, connectTimeout);
        QCOMPARE(emulator.requestFrames.at(emulator.requests.indexOf(0xC8)),
                 QString("55 AA 19 C8 54 00 00 00 01 06 00 07 A1 20 FF 00 30 D4 00 00 88 B8 01 "
                         "00 B8"));
        QTRY_VERIFY_WITH_TIMEOUT(!promptRk::history().isEmpty(), connectTimeout);
        QCOMPARE(promptRk::history().first().title, QString("Tips"));
        QCOMPARE(promptRk::history().first().text, box);
        QCOMPARE(infoLine(window), line);
        // No keep-alive probe went out while the reply was awaited: until the
        // slow reply, or the time-out of the silent instrument (by the
        // emulator's clock; the log may lag behind the box).
        const int awaitedMsec = options.contains("--silent")        ? timing.replyMsec
                                : options.contains("--reply-delay") ? 400
                                                                    : 0;
        const qint64 asked = emulator.timesOf(0xC8).first();
        for (qint64 probe : emulator.timesOf(0xC0))
            QVERIFY2(
                probe < asked || probe >= asked + awaitedMsec,
                qPrintable(QString("probe at %1 ms, Type sent at %2 ms").arg(probe).arg(asked)));
    }

    // The dialog alone (no instrument needed), under a comma locale.
    void typeInputFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("L above 100") << "LEdit"
                                     << "150";
        QTest::newRow("exponent") << "LEdit"
                                  << "1e5";
        QTest::newRow("fraction of readings") << "averageEdit"
                                              << "1,5";
        QTest::newRow("a below -128") << "aEdit"
                                      << "-200";
        QTest::newRow("three decimals") << "bEdit"
                                        << "1.255";
        QTest::newRow("empty") << "bEdit"
                               << "";
        QTest::newRow("no readings") << "averageEdit"
                                     << "0";
        QTest::newRow("33 readings") << "averageEdit"
                                     << "33";
        QTest::newRow("99 readings") << "averageEdit"
                                     << "99";
    }
    void typeInputFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindows window;
        window.writeTFcn();
        writeTRk *dialog = window.writeTDialog();
        QCOMPARE(dialog->lightSourceBox()->count(), 0); // no instrument, no model
        QSignalSpy toApp(dialog, &writeTRk::TtoAppSignal);
        QSignalSpy toInstrument(dialog, &writeTRk::sendWriteTSignal);
        const QStringList good = {"LEdit", "aEdit", "bEdit", "averageEdit"};
        const QStringList goodTexts = {"50.5", "-1.25", "3", "32"};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!dialog->toSoftwareButton()->isEnabled());
            dialog->findChild<QLineEdit *>(good[i])->setText(goodTexts[i]);
        }
        QVERIFY(dialog->toSoftwareButton()->isEnabled());
        QVERIFY(dialog->toInstrumentButton()->isEnabled());
        // An exponent is never taken; a comma is a decimal point where a
        // fraction means something, and stays, to be refused, where not.
        QLineEdit *edit = dialog->findChild<QLineEdit *>(field);
        edit->clear();
        QTest::keyClicks(edit, "1e,5");
        QCOMPARE(edit->text(), QString(field == "averageEdit" ? "1,5" : "1.5"));
        // Whatever stands there, the buttons act only on acceptable numbers.
        edit->setText(text);
        promptRk::clearHistory();
        QTest::mouseClick(dialog->toSoftwareButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->toInstrumentButton(), Qt::LeftButton);
        QCOMPARE(toApp.count(), 0);
        QCOMPARE(toInstrument.count(), 0);
        QCOMPARE(promptRk::history().size(), 2);
        QCOMPARE(promptRk::history().first().title, QString("Tips"));
        QCOMPARE(window.treeModel()->typeCount(), 0);
    }

    void typeInputToSoftware()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindows window;
        writeTRk *dialog = window.writeTDialog();
        // The choices of a model, filled anew at each opening.
        for (int round = 0; round < 2; ++round) {
            window.writeTFcn();
            dialog->setParameter("PX75", "4mm");
            QCOMPARE(dialog->lightSourceBox()->count(), 3);
            QCOMPARE(dialog->lightSourceBox()->itemText(2), QString("F11(TL84)"));
            QCOMPARE(dialog->lightModeBox()->count(), 2);
            QCOMPARE(dialog->colorSpaceBox()->count(), 1);
            QCOMPARE(dialog->caliberBox()->count(), 1);
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->lightSourceBox()->count(), 0);
        }
        window.writeTFcn();
        dialog->setParameter("QM-64", "8mm");
        QCOMPARE(dialog->lightSourceBox()->count(), 3);
        dialog->lightSourceBox()->setCurrentText("F2(CWF)");
        // A comma before the decimals, as a German keyboard gives it.
        QTest::keyClicks(dialog->lEdit(), "50,25");
        QTest::keyClicks(dialog->aEdit(), "-1,5");
        QTest::keyClicks(dialog->bEdit(), "3");
        QTest::keyClicks(dialog->averageEdit(), "3");
        QTest::mouseClick(dialog->toSoftwareButton(), Qt::LeftButton);
        QCOMPARE(window.treeModel()->typeCount(), 1);
        QTreeWidgetItem *type = window.treeModel()->type(0);
        QStringList texts;
        for (int column : {nameColumn, value1Column, value2Column, value3Column, lightSourceColumn,
                           caliberColumn, lightModeColumn, colorSpaceColumn, formulaColumn,
                           illuminationColumn, averageTimesColumn, averageCountColumn})
            texts << type->text(column);
        QCOMPARE(texts,
                 (QStringList{"Type T001", "50.25", "-1.5", "3", "F2(CWF)", "8mm", "SCI",
                              "CIE1976L*a*b*", QString::fromUtf8("\u25B3ELab"), "8/d", "3", "3"}));
        QCOMPARE(type->background(swatchColumn).color().name(),
                 labToColorName(50.25f, -1.5f, 3.0f));
        QVERIFY(QDateTime::fromString(type->text(timeColumn), "yyyy-MM-dd hh:mm:ss").isValid());
        QTest::mouseClick(dialog->toSoftwareButton(), Qt::LeftButton);
        QCOMPARE(window.treeModel()->type(1)->text(nameColumn), QString("Type T002"));

        // No model known, so no light source or mode to choose: nothing is
        // sent, and the message line says why.
        window.writeTFcn();
        QCOMPARE(dialog->lightSourceBox()->count(), 0);
        QSignalSpy toInstrument(dialog, &writeTRk::sendWriteTSignal);
        QTest::mouseClick(dialog->toInstrumentButton(), Qt::LeftButton);
        QCOMPARE(toInstrument.count(), 0);
        QCOMPARE(infoLine(window),
                 QString("No light source or light mode to send; nothing is sent."));
    }
};

QTEST_MAIN(tst_uploadAndTypeInput)
#include "tst_uploadAndTypeInput.moc"
