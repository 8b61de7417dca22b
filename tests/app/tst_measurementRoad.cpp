// The road of a measurement end to end: the window talks to the instrument
// emulator over a pseudo-terminal through the real serial link.

#include "../support/emulatorProcess.h"
#include "../support/settingsStore.h"
#include "../support/testTiming.h"
#include "MainWindows.h"
#include "infoPanelRk.h"
#include "itemColumns.h"
#include "measurementRoad.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "readingRecorderRk.h"
#include "serialPortRk.h"
#include "setMeasurementRk.h"
#include "sharedState.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

const int connectTimeout = 15000;
const int replyTimeout = 10000;

QStringList columnsOf(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int c = 0; c < 16; ++c)
        texts << item->text(c);
    return texts;
}

} // namespace

class tst_measurementRoad : public QObject
{
    Q_OBJECT

    emulatorProcess emulator;

    static QString panelCell(MainWindows &window, int row, int column)
    {
        return window.infoPanel()->cell(window.infoPanel()->colorDataTable(), row, column);
    }

    // Triggers an action the way a key press does, once the debounce of the
    // previous press is over.
    static void press(MainWindows &window, const char *name)
    {
        QTRY_VERIFY_WITH_TIMEOUT(window.action(name)->isEnabled(), connectTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!window.road()->debouncing(), connectTimeout);
        window.action(name)->trigger();
    }

    // The emulator has read one more keep-alive probe: every request the
    // window wrote before it is in the log.
    void waitForProbe()
    {
        const int probes = emulator.count(0xC0);
        QTRY_VERIFY_WITH_TIMEOUT(emulator.count(0xC0) > probes, connectTimeout);
    }

private slots:
    void initTestCase() { promptRk::setTesting(true); }
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
        protocolTiming::set(protocolTiming());
    }

    void typeAndTwoSamples()
    {
        QVERIFY(emulator.start({"--colors", "50,10,20;52.5,9,20;49,10.5,19.25"}));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        MainWindows window;

        // Connected display.
        QTRY_VERIFY_WITH_TIMEOUT(window.instrumentConnected(), connectTimeout);
        measurementTreeRk *tree = window.treeModel();
        QCOMPARE(tree->instrumentRow(measurementTreeRk::instrumentModelRow)->text(1),
                 QString("PX71"));
        QCOMPARE(tree->instrumentRow(measurementTreeRk::wavelengthRangeRow)->text(1),
                 QString("400nm-700nm"));
        QCOMPARE(tree->instrumentRow(measurementTreeRk::instrumentLightRow)->text(1),
                 QString("D65"));
        QCOMPARE(tree->instrumentRow(measurementTreeRk::typeCapacityRow)->text(1),
                 QString("2/100"));
        QCOMPARE(tree->parameterRow(measurementTreeRk::parameterIlluminationRow)->text(1),
                 QString("8/d"));
        QCOMPARE(tree->parameterRow(measurementTreeRk::parameterColorSpaceRow)->text(1),
                 QString("CIE1976L*a*b*"));
        QVERIFY(window.action("whiteCalibrationFcn")->isEnabled());
        QVERIFY(window.action("dataToPCFcn")->isEnabled());
        QVERIFY(
            window.connectionLabel()->text().startsWith("connected to instrument:PX71    Port: "));
        QCOMPARE(window.stateLabel()->text(), QString("Ready"));

        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(tree->typeCount(), 1, replyTimeout);
        QTreeWidgetItem *type = tree->type(0);
        const QStringList t = columnsOf(type);
        QCOMPARE(t.mid(0, 1), QStringList{"Type T001"});
        QCOMPARE(t.mid(value1Column, 3), QStringList({"50", "10", "20"}));
        QCOMPARE(t.mid(lightSourceColumn, 10),
                 QStringList({"D65", "PX71", "8mm", "SCI", "CIE1976L*a*b*", "△ELab", "8/d",
                              "CIE 10°", "1", "1"}));
        QCOMPARE(window.measurementTree()->currentItem(), type);

        press(window, "sTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(type->childCount(), 1, replyTimeout);
        press(window, "sTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(type->childCount(), 2, replyTimeout);
        QTreeWidgetItem *s1 = type->child(0);
        QTreeWidgetItem *s2 = type->child(1);
        QCOMPARE(s1->text(0), QString("Sample S001"));
        QCOMPARE(s2->text(0), QString("Sample S002"));
        QCOMPARE(columnsOf(s2).mid(value1Column, 3), QStringList({"49", "10.5", "19.25"}));
        QCOMPARE(columnsOf(s2).mid(lightSourceColumn, 10), t.mid(lightSourceColumn, 10));

        // The newest Sample is selected: the panel shows it against the Type.
        QTRY_COMPARE(panelCell(window, 0, 2), QString("Sample S002"));
        QCOMPARE(panelCell(window, 0, 1), QString("Type T001"));
        QCOMPARE(panelCell(window, 1, 1), QString("50.00"));
        QCOMPARE(panelCell(window, 1, 2), QString("49.00"));
        QCOMPARE(panelCell(window, 1, 4), QString("-1.00"));
        QCOMPARE(panelCell(window, 2, 4), QString("0.50"));
        QCOMPARE(panelCell(window, 3, 4), QString("-0.75"));
        QCOMPARE(panelCell(window, 4, 4), QString("1.35"));
        QCOMPARE(window.infoPanel()->judgementCells(),
                 QStringList({"Black+ White-", "Red+ Green-", "Blue+ Yellow-", "Pass", "Pass",
                              "Pass", "Pass"}));
        QCOMPARE(panelCell(window, 4, 3), QString("△ELab"));
        QCOMPARE(panelCell(window, 1, 0), QString("L"));
        QCOMPARE(panelCell(window, 1, 3), QString("△L"));

        // Pressing the Type compares it with its first Sample, not the newest.
        window.treeItemIsPressed(type, 0);
        QCOMPARE(panelCell(window, 0, 2), QString("Sample S001"));
        QCOMPARE(panelCell(window, 1, 4), QString("2.50"));
        QCOMPARE(panelCell(window, 4, 4), QString("2.69"));
        QCOMPARE(window.infoPanel()->judgementCells().at(3), QString("Fail"));

        // A looser tolerance judges the shown item again.
        window.setTolerance("3", "3", "3", "3", "3", "3", "3");
        QCOMPARE(window.infoPanel()->judgementCells().mid(3),
                 QStringList({"Pass", "Pass", "Pass", "Pass"}));
        QCOMPARE(tree->toleranceRow(0)->text(0), QString("△E≤3.00"));
    }

    void refusedSamples_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typeValue");
        QTest::addColumn<QString>("message");
        QTest::newRow("light source")
            << int(lightSourceColumn) << "A"
            << "Please change in measurement setup if light sources don’t \nagree with Type!";
        QTest::newRow("caliber") << int(caliberColumn) << "4mm"
                                 << "Please use caliber consistent with standard instrument if "
                                    "caliber \ndon’t agree with Type measuring conditions!";
        QTest::newRow("light mode") << int(lightModeColumn) << "SCE"
                                    << "Please change in measurement setup if containing light "
                                       "mode \nis not consistent with Type measurement conditions!";
        QTest::newRow("colour space") << int(colorSpaceColumn) << "CIEXYZ"
                                      << "Please change in measurement setup if color splace is "
                                         "not \nconsistent with Type measurement conditions!";
        QTest::newRow("illumination") << int(illuminationColumn) << "d/0"
                                      << "Please use illumination consistent instrument if "
                                         "illumination \ndon’t agree with Type measuring "
                                         "conditions!";
        QTest::newRow("observer") << int(observerColumn) << "CIE 2°"
                                  << "Please use observer consistent with instrument if observer "
                                     "\ndon’t agree with Type!";
        QTest::newRow("readings per average")
            << int(averageTimesColumn) << "5"
            << "Please change in measurement setup if average measurement settings \nare not "
               "consistent with Type measurement conditions!";
    }
    void refusedSamples()
    {
        QFETCH(int, column);
        QFETCH(QString, typeValue);
        QFETCH(QString, message);
        QVERIFY(emulator.start({"--colors", "50,10,20"}));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        MainWindows window;
        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(window.treeModel()->typeCount(), 1, replyTimeout);
        QTreeWidgetItem *type = window.treeModel()->type(0);
        type->setText(column, typeValue);
        promptRk::clearHistory();

        press(window, "sTestFcn");
        QTRY_COMPARE(promptRk::history().size(), 1);
        QCOMPARE(promptRk::history().first().title, QString("Tips"));
        QCOMPARE(promptRk::history().first().text, message);
        waitForProbe();
        QCOMPARE(emulator.count(0xC5), 0);
        QCOMPARE(type->childCount(), 0);
    }

    void instrumentNameOfLabAcceptsSamples()
    {
        QVERIFY(emulator.start({"--colors", "50,10,20;51,10,20"}));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        MainWindows window;
        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(window.treeModel()->typeCount(), 1, replyTimeout);
        QTreeWidgetItem *type = window.treeModel()->type(0);
        type->setText(colorSpaceColumn, "CIE1976LAB");
        press(window, "sTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(type->childCount(), 1, replyTimeout);
        // With the Sample current, the next one is accepted too.
        window.measurementTree()->setCurrentItem(type->child(0));
        press(window, "sTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(type->childCount(), 2, replyTimeout);
        QVERIFY(promptRk::history().isEmpty());
    }

    void averageOfThreeReadings_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes") << int(QMessageBox::Yes);
        QTest::newRow("No") << int(QMessageBox::No);
    }
    void averageOfThreeReadings()
    {
        QFETCH(int, answer);
        resetStore({{"averageTestTimePC", "3"}});
        QVERIFY(emulator.start({"--colors", "50,10,20;51,11,21;53,12,23;40,0,0"}));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        MainWindows window;
        measurementTreeRk *tree = window.treeModel();
        QTableWidget *parameters = window.infoPanel()->parameterTable();

        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(tree->typeCount(), 1, replyTimeout);
        QTreeWidgetItem *type = tree->type(0);
        QCOMPARE(columnsOf(type).mid(value1Column, 3), QStringList({"50", "10", "20"}));
        QCOMPARE(type->text(averageTimesColumn), QString("3"));
        QCOMPARE(type->text(averageCountColumn), QString("1"));

        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(type->text(averageCountColumn), QString("2"), replyTimeout);
        QCOMPARE(columnsOf(type).mid(value1Column, 3), QStringList({"51.00", "11.00", "21.00"}));
        QCOMPARE(window.infoPanel()->cell(parameters, 1, 7), QString("2/3"));

        // A Sample reading while the Type is unfinished asks; no Sample is made.
        promptRk::setNextAnswer(QMessageBox::StandardButton(answer));
        press(window, "sTestFcn");
        QTRY_VERIFY_WITH_TIMEOUT(!promptRk::history().isEmpty(), replyTimeout);
        QCOMPARE(promptRk::history().last().kind, promptRk::Question);
        if (answer == QMessageBox::No) {
            QCOMPARE(tree->typeCount(), 0);
            return;
        }
        QCOMPARE(tree->typeCount(), 1);
        QCOMPARE(type->childCount(), 0);

        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(type->text(averageCountColumn), QString("3"), replyTimeout);
        // The third reading of the emulator went to the refused Sample; this
        // is the fourth colour, so the mean is of 50, 51 and 40.
        QCOMPARE(columnsOf(type).mid(value1Column, 3), QStringList({"47.00", "7.00", "13.67"}));
        QCOMPARE(tree->typeCount(), 1);
        QVERIFY(!window.recorder()->averagingActive());
    }

    // An average keeps the conditions of its first reading.  While it is
    // unfinished the measurement setting refuses another colour space, light
    // or light mode with a box, so its requests all carry its light and its
    // mean is of readings in its colour space.  Conditions changed all the
    // same (here behind the dialog's back) refuse the next Type request
    // instead; deleting the item ends the average and frees them.
    void averageKeepsItsConditions()
    {
        resetStore({{"averageTestTimePC", "3"}});
        QVERIFY(emulator.start({"--colors", "50,10,20;51,11,21;53,12,23;40,0,0;45,1,1"}));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        MainWindows window;
        measurementTreeRk *tree = window.treeModel();
        auto *dialog = window.findChild<setMeasurementRk *>();
        auto choose = [&](const QString &light, const QString &space, const QString &mode) {
            window.action("setMeasurementFcn")->trigger();
            QVERIFY(dialog->isVisible());
            for (auto pick :
                 {std::make_pair("lightSourceBox", light), std::make_pair("colorSpaceBox", space),
                  std::make_pair("lightModeBox", mode)}) {
                auto *box = dialog->findChild<QComboBox *>(pick.first);
                QVERIFY2(box->findText(pick.second) >= 0, qPrintable(pick.second));
                box->setCurrentIndex(box->findText(pick.second));
            }
            QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);
        };

        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(tree->typeCount(), 1, replyTimeout);
        QTreeWidgetItem *type = tree->type(0);
        const QString refused = "Type T001 is an unfinished average measurement (1 of 3 readings)";
        choose("D65", "CIEXYZ", "SCI");
        choose("A", "CIE1976L*a*b*", "SCE");
        QCOMPARE(promptRk::history().size(), 2);
        for (const promptRk::Record &box : promptRk::history()) {
            QCOMPARE(box.title, QString("Tips"));
            QVERIFY2(box.text.startsWith(refused), qPrintable(box.text));
        }
        const MeasuringConditions &c = window.state()->conditions();
        QCOMPARE(QStringList({c.standardLight, c.colorSpace, c.SCISCE}),
                 QStringList({"D65", "CIE1976L*a*b*", "SCI"}));

        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(type->text(averageCountColumn), QString("2"), replyTimeout);
        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(type->text(averageCountColumn), QString("3"), replyTimeout);
        QCOMPARE(columnsOf(type).mid(value1Column, 3), QStringList({"51.33", "11.00", "21.33"}));
        QCOMPARE(type->text(colorSpaceColumn), QString("CIE1976L*a*b*"));
        QTRY_COMPARE(emulator.count(0xC4), 3);
        const QStringList typeRequests =
            emulator.requestFrames.filter(QRegularExpression("^55 AA .. C4"));
        QCOMPARE(typeRequests.size(), 3);
        QCOMPARE(typeRequests.count(typeRequests.first()), 3);

        // Finished: the change is taken, and the next Type is an XYZ one.
        choose("D65", "CIEXYZ", "SCI");
        QCOMPARE(window.state()->conditions().colorSpace, QString("CIEXYZ"));
        QCOMPARE(promptRk::history().size(), 2);
        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(tree->typeCount(), 2, replyTimeout);
        QTreeWidgetItem *xyz = tree->type(1);
        QCOMPARE(xyz->text(colorSpaceColumn), QString("CIEXYZ"));

        QTRY_COMPARE(emulator.count(0xC4), 4);
        QVERIFY(window.state()->chooseConditions("D65", "CIE1976L*a*b*", "ΔE00", "SCI"));
        press(window, "tTestFcn");
        QCOMPARE(promptRk::history().size(), 3);
        QVERIFY2(promptRk::history().last().text.startsWith(
                     "Type T002 is an unfinished average measurement begun under other"),
                 qPrintable(promptRk::history().last().text));
        QVERIFY(!window.serialPort()->isMeasuring());
        QCOMPARE(xyz->text(averageCountColumn), QString("1"));

        xyz->setCheckState(nameColumn, Qt::Checked);
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.action("deleteChooseItemFcn")->trigger();
        QCOMPARE(tree->typeCount(), 1);
        press(window, "tTestFcn");
        QTRY_COMPARE_WITH_TIMEOUT(tree->typeCount(), 2, replyTimeout);
        QCOMPARE(tree->type(1)->text(colorSpaceColumn), QString("CIE1976L*a*b*"));
        QCOMPARE(columnsOf(tree->type(1)).mid(value1Column, 3), QStringList({"45", "1", "1"}));
    }

    void keysAndDebounce()
    {
        QVERIFY(emulator.start({"--colors", "50,10,20;51,10,20;52,10,20"}));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        MainWindows window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_VERIFY_WITH_TIMEOUT(window.action("tTestFcn")->isEnabled(), connectTimeout);

        // The key T measures a Type; a second press within the debounce does
        // nothing.  (The debounce is a minute long here, so that the second
        // press is within it however slowly the machine runs.)
        protocolTiming timing = protocolTiming::current();
        timing.debounceMsec = 60000;
        protocolTiming::set(timing);
        // The road asks once; the link may ask the instrument again after a
        // reply that came too late on a slow machine, which is no key press.
        QSignalSpy typeRequests(window.findChild<measurementRoad *>(),
                                &measurementRoad::tTestSignal);
        QTest::keyClick(&window, Qt::Key_T);
        QTest::keyClick(&window, Qt::Key_T);
        QTRY_COMPARE_WITH_TIMEOUT(window.treeModel()->typeCount(), 1, replyTimeout);
        waitForProbe();
        QCOMPARE(typeRequests.count(), 1);
        QVERIFY(emulator.count(0xC4) >= 1);
        QCOMPARE(window.treeModel()->typeCount(), 1);

        // After the pause the key S measures a Sample.
        QVERIFY(window.road()->debouncing());
        window.road()->endDebounce();
        QTest::keyClick(&window, Qt::Key_S);
        QTRY_COMPARE_WITH_TIMEOUT(window.treeModel()->type(0)->childCount(), 1, replyTimeout);
        QCOMPARE(emulator.count(0xC5), 1);
    }

    void disconnectionEmptiesAndDisables()
    {
        QVERIFY(emulator.start({}));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        MainWindows window;
        QTRY_VERIFY_WITH_TIMEOUT(window.instrumentConnected(), connectTimeout);
        emulator.stop();
        QTRY_COMPARE_WITH_TIMEOUT(window.connectionLabel()->text(), QString("Disconnected"),
                                  connectTimeout);
        QVERIFY(!window.instrumentConnected());
        for (const char *name : {"tTestFcn", "sTestFcn", "stTestUiFcn", "whiteCalibrationFcn",
                                 "blackCalibrationFcn", "whiteYellowFcn", "dataToPCFcn"})
            QVERIFY2(!window.action(name)->isEnabled(), name);
        for (int row = 0; row < measurementTreeRk::instrumentRowCount; ++row)
            QCOMPARE(window.treeModel()->instrumentRow(row)->text(1), QString());
        for (int row = 0; row < measurementTreeRk::parameterRowCount; ++row)
            QCOMPARE(window.treeModel()->parameterRow(row)->text(1), QString());
    }

    void calibrationQuestionAndReplies()
    {
        QVERIFY(emulator.start({}));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        MainWindows window;
        QTRY_VERIFY_WITH_TIMEOUT(window.action("whiteCalibrationFcn")->isEnabled(), connectTimeout);
        promptRk::setNextAnswer(QMessageBox::No);
        window.action("whiteCalibrationFcn")->trigger();
        QCOMPARE(promptRk::history().last().text, QString("Do you want white calibration?"));
        waitForProbe();
        QCOMPARE(emulator.count(0xC2), 0);

        promptRk::setNextAnswer(QMessageBox::Yes);
        window.action("blackCalibrationFcn")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(promptRk::history().last().text,
                                  QString("Black calibration success!"), replyTimeout);
        QCOMPARE(emulator.count(0xC3), 1);
    }

    void modelWithoutCalibration()
    {
        QVERIFY(emulator.start({"--model", "PX75"}));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        MainWindows window;
        QTRY_VERIFY_WITH_TIMEOUT(window.instrumentConnected(), connectTimeout);
        QVERIFY(window.action("tTestFcn")->isEnabled());
        QVERIFY(!window.action("whiteCalibrationFcn")->isEnabled());
        QVERIFY(!window.action("blackCalibrationFcn")->isEnabled());
    }

    void whitenessReachesTheIndices()
    {
        QVERIFY(emulator.start({}));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        MainWindows window;
        QSignalSpy values(&window, &MainWindows::whiteYellowValueSignal);
        window.whiteYellowValueSlot(100, 0, 0);
        QCOMPARE(values.count(), 1);
        const QVector<float> six = values.first().first().value<QVector<float>>();
        QCOMPARE(six.size(), 6);
        QVERIFY(qAbs(six[0] - 94.81f) < 0.01f && qAbs(six[1] - 100.0f) < 0.01f);
        QVERIFY(qAbs(six[3] - 100.0f) < 0.01f);
    }
};

QTEST_MAIN(tst_measurementRoad)
#include "tst_measurementRoad.moc"
