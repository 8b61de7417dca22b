// The setting dialogs, the measurement button panel and the whiteness dialog
// in the built window, against the instrument emulator on a pseudo-terminal:
// what each command opens, what its result changes, and the panel's states
// with real requests, replies, refusals and disconnections.

#include "../support/chartImage.h"
#include "../support/emulatorProcess.h"
#include "../support/settingsStore.h"
#include "../support/testTiming.h"
#include "MainWindows.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "setMeasurementRk.h"
#include "sharedState.h"
#include "testRk.h"
#include "toleranceRk.h"
#include "whiteYellowRk.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace {

const int connectTimeout = 15000;
const int replyTimeout = 10000;

QString messageLine(MainWindows &window)
{
    return window.serialPort()->findChild<QLabel *>("infoLabel")->text();
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void choose(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text));
}

QString panelState(testRk *panel)
{
    QString state;
    state += panel->findChild<QPushButton *>("typeButton")->isEnabled() ? 'T' : '-';
    state += panel->findChild<QPushButton *>("sampleButton")->isEnabled() ? 'S' : '-';
    state += panel->findChild<QPushButton *>("autoButton")->isEnabled() ? 'A' : '-';
    return state;
}

} // namespace

class tst_settingsWindow : public QObject
{
    Q_OBJECT

    emulatorProcess emulator;

    // The window on the emulator, connected, with the panel open and one
    // Type measured through it; `out` is set when all went well.
    static void openPanelWithType(MainWindows &window, testRk **out)
    {
        QTRY_VERIFY_WITH_TIMEOUT(window.action("stTestUiFcn")->isEnabled(), connectTimeout);
        window.action("stTestUiFcn")->trigger();
        testRk *panel = window.findChild<testRk *>();
        QVERIFY(panel->isVisible());
        QTRY_COMPARE(panelState(panel), QString("TSA"));
        QTest::mouseClick(panel->findChild<QPushButton *>("typeButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window.treeModel()->typeCount(), 1, replyTimeout);
        QTRY_COMPARE(panelState(panel), QString("TSA"));
        *out = panel;
    }

    static void setInterval(testRk *panel, const QString &seconds)
    {
        QLineEdit *field =
            panel->findChild<QDoubleSpinBox *>("intervalField")->findChild<QLineEdit *>();
        typeInto(field, seconds);
        QTest::keyClick(field, Qt::Key_Enter);
    }

    static void clickAuto(testRk *panel)
    {
        QTest::mouseClick(panel->findChild<QPushButton *>("autoButton"), Qt::LeftButton);
    }

    // The emulator has read `count` more keep-alive probes: time has passed
    // for whatever was due before them.
    void waitForProbes(int count)
    {
        const int probes = emulator.count(0xC0);
        QTRY_VERIFY_WITH_TIMEOUT(emulator.count(0xC0) >= probes + count, connectTimeout);
    }

    static void shortenReplyTimeOut(int msec)
    {
        protocolTiming timing = protocolTiming::current();
        timing.replyMsec = msec;
        protocolTiming::set(timing);
    }

    bool startWith(const QStringList &options)
    {
        if (!emulator.start(options))
            return false;
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        return true;
    }

private slots:
    void initTestCase() { promptRk::setTesting(true); }
    void init()
    {
        promptRk::clearHistory();
        resetStore();
        // One second of the panel's interval lasts 100 ms here.
        protocolTiming timing = testTiming();
        timing.panelSecondMsec = 100;
        protocolTiming::set(timing);
    }
    void cleanup()
    {
        emulator.stop();
        qunsetenv("QCM_SERIAL_PORT");
        protocolTiming::set(protocolTiming());
    }

    // Before any instrument has reported its model the dialog offers
    // nothing, and OK keeps the conditions in force without a word.
    void conditionsWithoutInstrument()
    {
        MainWindows window;
        QSignalSpy library(&window, &MainWindows::standardLibraryParameter);
        const MeasuringConditions before = window.state()->conditions();
        window.action("setMeasurementFcn")->trigger();
        auto *dialog = window.findChild<setMeasurementRk *>();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->findChild<QComboBox *>("colorSpaceBox")->count(), 0);
        QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(window.state()->conditions(), before);
        QVERIFY(messageLine(window) != "Set measuring conditions successfully!");
        QCOMPARE(library.count(), 0);
    }

    // Chosen conditions are stored, shown, and passed to the tolerance
    // dialog, the library and the charts; the next Sample compares them.
    void conditionsApplied()
    {
        QVERIFY(startWith({"--colors", "50,10,20;51,10,20"}));
        MainWindows window;
        QTRY_VERIFY_WITH_TIMEOUT(window.instrumentConnected(), connectTimeout);
        QSignalSpy library(&window, &MainWindows::standardLibraryParameter);
        QSignalSpy trend(&window, &MainWindows::trendToleranceSignal);
        QSignalSpy deviation(&window, &MainWindows::toPainterDeltaLabSignal);
        int changed = 0;
        connect(window.state(), &sharedState::conditionsChanged, [&changed] { ++changed; });

        window.action("setMeasurementFcn")->trigger();
        auto *dialog = window.findChild<setMeasurementRk *>();
        QComboBox *light = dialog->findChild<QComboBox *>("lightSourceBox");
        QComboBox *space = dialog->findChild<QComboBox *>("colorSpaceBox");
        QComboBox *formula = dialog->findChild<QComboBox *>("formulaBox");
        QComboBox *mode = dialog->findChild<QComboBox *>("lightModeBox");
        QCOMPARE(light->count(), 8);
        QCOMPARE(light->currentText(), QString("D65"));
        QCOMPARE(space->currentText(), QString("CIE1976L*a*b*"));
        QCOMPARE(formula->currentText(), QString("ΔEL*a*b*"));
        choose(light, "F11(TL84)");
        choose(space, "CIEXYZ");
        choose(formula, "ΔE00");
        choose(mode, "SCE");
        QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);

        const MeasuringConditions &c = window.state()->conditions();
        QCOMPARE(QStringList({c.standardLight, c.colorSpace, c.colorDiffFormula, c.SCISCE}),
                 QStringList({"F11(TL84)", "CIEXYZ", "ΔE00", "SCE"}));
        QCOMPARE(c.instrumentModel, QString("PX71"));
        QCOMPARE(changed, 1);
        QCOMPARE(messageLine(window), QString("Set measuring conditions successfully!"));
        measurementTreeRk *tree = window.treeModel();
        QCOMPARE(tree->parameterRow(measurementTreeRk::parameterColorSpaceRow)->text(1),
                 QString("CIEXYZ"));
        QCOMPARE(tree->parameterRow(measurementTreeRk::parameterLightRow)->text(1),
                 QString("F11(TL84)"));
        auto *tolerance = window.findChild<toleranceRk *>();
        QStringList labels;
        for (const char *name : {"deltaELabel", "delta1Label", "delta2Label", "delta3Label"})
            labels << tolerance->findChild<QLabel *>(name)->text();
        QCOMPARE(labels, QStringList({"ΔE00", "ΔX", "ΔY", "ΔZ"}));
        QCOMPARE(library.count(), 1);
        QCOMPARE(library.at(0), QVariantList({"CIEXYZ", "ΔE00"}));
        QCOMPARE(trend.count(), 1);
        QCOMPARE(trend.at(0).at(0).toFloat(), 2.0f);
        QCOMPARE(trend.at(0).at(1).toString(), QString("ΔE00"));
        QCOMPARE(deviation.count(), 1);
        QCOMPARE(deviation.at(0).at(0).toString(), QString("CIEXYZ"));

        // The next Type is measured with them: its request carries F11 and
        // SCE, and the item its colour space.
        window.action("stTestUiFcn")->trigger();
        testRk *panel = window.findChild<testRk *>();
        QTRY_COMPARE(panelState(panel), QString("TSA"));
        QTest::mouseClick(panel->findChild<QPushButton *>("typeButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(tree->typeCount(), 1, replyTimeout);
        QCOMPARE(tree->type(0)->text(10), QString("CIEXYZ"));
        QCOMPARE(tree->type(0)->text(6), QString("F11(TL84)"));
    }

    // From the Setting menu and from the tree's context menu the dialog
    // opens with the tolerance in force; a save applies it at once.
    void toleranceFromBothMenus()
    {
        resetStore({{"delatE", "1.50"},
                    {"nDelatL", "2.00"},
                    {"pDelatL", "2.00"},
                    {"nDelata", "2.00"},
                    {"pDelata", "2.00"},
                    {"nDelatb", "2.00"},
                    {"pDelatb", "2.00"}});
        MainWindows window;
        QAction *action = window.action("setTolerance");
        QVERIFY(window.measurementTree()->actions().contains(action));
        action->trigger();
        auto *dialog = window.findChild<toleranceRk *>();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->findChild<QLineEdit *>("delatE")->text(), QString("1.50"));
        QCOMPARE(dialog->findChild<QLineEdit *>("pDelatb")->text(), QString("2.00"));

        typeInto(dialog->findChild<QLineEdit *>("delatE"), "0.8");
        typeInto(dialog->findChild<QLineEdit *>("nDelatL"), "");
        QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);
        QCOMPARE(promptRk::history().last().text, QString("Info. Saved"));
        QCOMPARE(window.tolerance().mid(0, 2), QStringList({"0.80", "0.00"}));
        QCOMPARE(window.treeModel()->toleranceRow(0)->text(0), QString("△E≤0.80"));
        QVERIFY(dialog->isVisible());

        dialog->close();
        window.measurementTree()
            ->actions()
            .at(window.measurementTree()->actions().indexOf(action))
            ->trigger();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->findChild<QLineEdit *>("delatE")->text(), QString("0.80"));
    }

    // A comma typed before the decimals, in a comma locale and in the C
    // locale: the tolerance takes it as a point, the readings per average
    // refuse it in words and keep the setting until a count is typed.
    void typedCommas_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("C") << QLocale::c();
    }
    void typedCommas()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        MainWindows window;
        window.action("setTolerance")->trigger();
        auto *tolerance = window.findChild<toleranceRk *>();
        typeInto(tolerance->findChild<QLineEdit *>("delatE"), "1,5");
        typeInto(tolerance->findChild<QLineEdit *>("pDelatb"), "0,25");
        QTest::mouseClick(tolerance->findChild<QPushButton *>("okButton"), Qt::LeftButton);
        QCOMPARE(window.tolerance().at(0), QString("1.50"));
        QCOMPARE(window.tolerance().at(6), QString("0.25"));
        QCOMPARE(window.treeModel()->toleranceRow(0)->text(0), QString("△E≤1.50"));
        tolerance->close();

        window.action("setAverageTestFcn")->trigger();
        QLineEdit *times = window.findChild<QLineEdit *>("timesEdit");
        QWidget *dialog = times->window();
        auto *ok = dialog->findChild<QPushButton *>("okButton");
        typeInto(times, "1,5");
        QCOMPARE(times->text(), QString("1,5"));
        QVERIFY(!ok->isEnabled());
        QCOMPARE(dialog->findChild<QLabel *>("hintLabel")->text(), QString("Whole numbers only."));
        QTest::keyClick(times, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(window.measuringConditions().averageTestTime, QString("1"));
        typeInto(times, "3");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(window.measuringConditions().averageTestTime, QString("3"));
    }

    // Two readings per average: the panel's Type needs two readings, and
    // the parameter rows show the setting.
    void averageSetting()
    {
        QVERIFY(startWith({"--colors", "50,10,20;52,10,20"}));
        MainWindows window;
        QTRY_VERIFY_WITH_TIMEOUT(window.instrumentConnected(), connectTimeout);
        window.action("setAverageTestFcn")->trigger();
        QLineEdit *times = window.findChild<QLineEdit *>("timesEdit");
        QVERIFY(times->isVisible());
        QCOMPARE(times->text(), QString("1"));
        typeInto(times, "02");
        QTest::mouseClick(times->parentWidget()->findChild<QPushButton *>("okButton"),
                          Qt::LeftButton);
        QCOMPARE(window.measuringConditions().averageTestTime, QString("2"));
        QVERIFY(window.averageMode());
        QCOMPARE(messageLine(window), QString("Set Single/Average Measurement successfully!"));
        QCOMPARE(window.treeModel()->parameterRow(measurementTreeRk::parameterAverageRow)->text(1),
                 QString("2"));

        window.action("stTestUiFcn")->trigger();
        testRk *panel = window.findChild<testRk *>();
        QTRY_COMPARE(panelState(panel), QString("TSA"));
        QTest::mouseClick(panel->findChild<QPushButton *>("typeButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window.treeModel()->typeCount(), 1, replyTimeout);
        QTreeWidgetItem *type = window.treeModel()->type(0);
        QTRY_COMPARE(panelState(panel), QString("TSA"));
        QTest::mouseClick(panel->findChild<QPushButton *>("typeButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(type->text(15), QString("2"), replyTimeout);
        QCOMPARE(type->text(2), QString("51.00"));
        QCOMPARE(window.treeModel()->typeCount(), 1);
    }

    // The panel's states with the instrument: Disconnected until the
    // information arrives, Measuring until the reply, and an automatic run
    // at 1.25 s asking for a Sample about every 1.25 s, never sooner (one
    // second of the interval is shortened here).
    void panelAndAutomaticMode()
    {
        QVERIFY(startWith({"--colors", "50,10,20;51,10,20"}));
        MainWindows window;
        QCOMPARE(panelState(window.findChild<testRk *>()), QString("---"));
        testRk *panel = nullptr;
        QVERIFY(!window.action("stTestUiFcn")->isEnabled());
        openPanelWithType(window, &panel);
        QVERIFY(panel);

        setInterval(panel, "1.25");
        // Enter confirmed the interval and asked for nothing.
        QCOMPARE(panelState(panel), QString("TSA"));
        QTreeWidgetItem *type = window.treeModel()->type(0);
        const int before = emulator.count(0xC5);
        // A fifth of a second per second: ticks 250 ms apart.
        protocolTiming timing = protocolTiming::current();
        timing.panelSecondMsec = 200;
        protocolTiming::set(timing);
        const int second = timing.panelSecondMsec;
        // When the panel asks, by this process's clock: the emulator's clock
        // adds the jitter of its reads, which a loaded machine stretches.
        QElapsedTimer clock;
        clock.start();
        QList<qint64> asked;
        connect(panel, &testRk::SSignal, panel, [&] { asked << clock.elapsed(); });
        clickAuto(panel);
        QCOMPARE(panel->autoIntervalMsec(), 1250 * second / 1000);
        QCOMPARE(panelState(panel), QString("--A"));
        QTRY_VERIFY_WITH_TIMEOUT(asked.size() >= 4, replyTimeout);
        clickAuto(panel);
        QVERIFY(!panel->autoRunning());
        QTRY_COMPARE(panelState(panel), QString("TSA"));
        // Every request reached the instrument and was answered: as many
        // Samples as requests.
        QTRY_COMPARE_WITH_TIMEOUT(emulator.count(0xC5) - before, asked.size(), replyTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(type->childCount(), emulator.count(0xC5), replyTimeout);
        const QList<qint64> times = asked;
        QVERIFY2(times.size() >= 3 && times.size() <= 6, qPrintable(QString::number(times.size())));
        for (int i = 1; i < times.size(); ++i)
            QVERIFY2(times[i] - times[i - 1] >= 1100 * second / 1000,
                     qPrintable(QString("%1 ms apart").arg(times[i] - times[i - 1])));
        QVERIFY(promptRk::history().isEmpty());
    }

    // A refused Sample ends the automatic run before its box: one box, the
    // buttons released, no request.
    void refusalStopsAutomaticMode()
    {
        QVERIFY(startWith({"--colors", "50,10,20"}));
        MainWindows window;
        testRk *panel = nullptr;
        openPanelWithType(window, &panel);
        QVERIFY(panel);
        window.setMeasurementFinish("A", "CIE1976L*a*b*", "ΔE00", "SCI");
        promptRk::clearHistory();
        clickAuto(panel);
        QTRY_VERIFY_WITH_TIMEOUT(!panel->autoRunning(), replyTimeout);
        QVERIFY(!panel->autoTimerActive());
        waitForProbes(2); // several intervals
        QCOMPARE(promptRk::history().size(), 1);
        QVERIFY(promptRk::history().at(0).text.contains("light sources"));
        QCOMPARE(panelState(panel), QString("TSA"));
        QCOMPARE(emulator.count(0xC5), 0);
    }

    // A Sample reading while the Type's average is unfinished brings the
    // question whether to keep it: the run ends first, so the question is
    // asked once, not at every tick.
    void unfinishedAverageStopsAutomaticMode()
    {
        QVERIFY(startWith({"--colors", "50,10,20;51,10,20"}));
        MainWindows window;
        QTRY_VERIFY_WITH_TIMEOUT(window.instrumentConnected(), connectTimeout);
        window.setAverageFinishSignal("3");
        testRk *panel = nullptr;
        openPanelWithType(window, &panel);
        QVERIFY(panel);
        QCOMPARE(window.treeModel()->type(0)->text(15), QString("1"));
        setInterval(panel, "1.2");
        promptRk::clearHistory();
        promptRk::setNextAnswer(QMessageBox::Yes);
        clickAuto(panel);
        QTRY_COMPARE_WITH_TIMEOUT(promptRk::history().size(), 1, replyTimeout);
        QVERIFY(promptRk::history().at(0).text.contains("average"));
        QVERIFY(!panel->autoRunning());
        waitForProbes(2); // several intervals
        QCOMPARE(promptRk::history().size(), 1);
        QCOMPARE(emulator.count(0xC5), 1);
        QCOMPARE(panelState(panel), QString("TSA"));
        QCOMPARE(window.treeModel()->type(0)->childCount(), 0);
    }

    // A Sample that went unanswered is asked again once the link has found
    // the instrument again: the buttons wait for that answer too.
    void buttonsWaitForARepeatedRequest()
    {
        shortenReplyTimeOut(500);
        QVERIFY(startWith({"--colors", "50,10,20;51,10,20", "--silent", "C5:1"}));
        MainWindows window;
        testRk *panel = nullptr;
        openPanelWithType(window, &panel);
        QVERIFY(panel);
        QStringList statesAtConnection;
        connect(window.serialPort(), &serialPortRk::getInstrumentInfoSignal, panel,
                [&] { statesAtConnection << panelState(panel); });
        QTest::mouseClick(panel->findChild<QPushButton *>("sampleButton"), Qt::LeftButton);
        QCOMPARE(panelState(panel), QString("--A"));
        QTRY_COMPARE_WITH_TIMEOUT(window.treeModel()->type(0)->childCount(), 1, 3 * replyTimeout);
        QCOMPARE(statesAtConnection, QStringList("--A"));
        QTRY_COMPARE(panelState(panel), QString("TSA"));
    }

    // Losing the instrument ends the automatic run, says so, and locks the
    // panel until the instrument is back.
    void disconnectionStopsAutomaticMode()
    {
        QVERIFY(startWith({"--colors", "50,10,20"}));
        MainWindows window;
        testRk *panel = nullptr;
        openPanelWithType(window, &panel);
        QVERIFY(panel);
        setInterval(panel, "1.2");
        clickAuto(panel);
        QTRY_VERIFY_WITH_TIMEOUT(emulator.count(0xC5) >= 1, replyTimeout);
        emulator.stop();
        QTRY_COMPARE_WITH_TIMEOUT(window.connectionLabel()->text(), QString("Disconnected"),
                                  connectTimeout);
        QVERIFY(!panel->autoRunning());
        QVERIFY(!panel->autoTimerActive());
        QCOMPARE(panelState(panel), QString("---"));
        QCOMPARE(panel->findChild<QPushButton *>("autoButton")->text(),
                 QString("Auto Sample measurement"));
        // One box: the link's when a measurement was outstanding, else the
        // panel's.
        QTRY_COMPARE_WITH_TIMEOUT(promptRk::history().size(), 1, replyTimeout);
        const QString text = promptRk::history().at(0).text;
        QVERIFY2(text == "Connection to the instrument lost; the measurement was abandoned." ||
                     text == "Connection to the instrument lost; the automatic Sample "
                             "measurement was stopped.",
                 qPrintable(text));
        QCOMPARE(promptRk::history().at(0).title, QString("Tips"));
    }

    // Requests faster than the reply time-out do not hide an instrument that
    // has stopped answering: the time-out fires, the link closes and asks
    // again once it has found the instrument again.  That is no loss: the
    // run goes on, without a box.
    void silentInstrumentStillTimesOut()
    {
        shortenReplyTimeOut(500);
        QVERIFY(startWith({"--colors", "50,10,20", "--silent", "C5:*"}));
        MainWindows window;
        testRk *panel = nullptr;
        openPanelWithType(window, &panel);
        QVERIFY(panel);
        QSignalSpy closed(window.serialPort(), &serialPortRk::portClosedSignal);
        QSignalSpy info(window.serialPort(), &serialPortRk::getInstrumentInfoSignal);
        setInterval(panel, "1.2");
        clickAuto(panel);
        QTRY_VERIFY_WITH_TIMEOUT(closed.count() >= 1, replyTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(info.count() >= 1, replyTimeout);
        const int asked = emulator.count(0xC5);
        QTRY_VERIFY_WITH_TIMEOUT(emulator.count(0xC5) > asked, replyTimeout);
        QVERIFY(panel->autoRunning());
        QVERIFY(emulator.count(0xC5) >= 1);
        QCOMPARE(window.treeModel()->type(0)->childCount(), 0);
        QVERIFY(promptRk::history().isEmpty());
        clickAuto(panel);
        QVERIFY(!panel->autoRunning());
    }

    // One missed reply: the link asks again on the re-opened port, the run
    // goes on and keeps measuring.  (The interval is longer than the reply
    // time-out, so the next request's reply cannot end the wait first.)
    void missedReplyKeepsAutomaticRun()
    {
        shortenReplyTimeOut(300);
        QVERIFY(startWith({"--colors", "50,10,20;51,10,20", "--silent", "C5:1"}));
        MainWindows window;
        testRk *panel = nullptr;
        openPanelWithType(window, &panel);
        QVERIFY(panel);
        QSignalSpy closed(window.serialPort(), &serialPortRk::portClosedSignal);
        setInterval(panel, "5");
        clickAuto(panel);
        QTreeWidgetItem *type = window.treeModel()->type(0);
        QTRY_VERIFY_WITH_TIMEOUT(type->childCount() >= 3, 3 * replyTimeout);
        QVERIFY(closed.count() >= 1);
        QVERIFY(panel->autoRunning());
        QCOMPARE(panel->findChild<QPushButton *>("autoButton")->text(),
                 QString("Stop Sample measurement"));
        QVERIFY(promptRk::history().isEmpty());
        clickAuto(panel);
        QVERIFY(!panel->autoRunning());
    }

    // The whiteness dialog against the emulator: the reference white, black,
    // and a request left unanswered.  No keep-alive probe is
    // sent while a whiteness reply is awaited.
    void whitenessEndToEnd()
    {
        // Each reply takes 400 ms, longer than the 250 ms between probes; the
        // reply time-out is 1.2 s.
        shortenReplyTimeOut(1200);
        QVERIFY(startWith({"--colors", "100,0,0;0,0,0", "--delay-ms", "400", "--silent", "C9:3"}));
        MainWindows window;
        QAction *action = window.action("whiteYellowFcn");
        QVERIFY(!action->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(action->isEnabled(), connectTimeout);
        action->trigger();
        auto *dialog = window.findChild<whiteYellowRk *>();
        QVERIFY(dialog->isVisible());
        QPushButton *test = dialog->findChild<QPushButton *>("testButton");
        QTRY_VERIFY(test->isEnabled());

        // Pressed while the probes run: the next would fall inside the time
        // the reply takes.
        const int probes = emulator.count(0xC0);
        QTRY_VERIFY_WITH_TIMEOUT(emulator.count(0xC0) > probes, connectTimeout);
        const int probesAtTest = emulator.count(0xC0);
        QTest::mouseClick(test, Qt::LeftButton);
        QVERIFY(!test->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(dialog->shownValues(),
                                  QStringList({"0.31", "91.41", "100.00", "100.43"}), replyTimeout);
        QVERIFY(test->isEnabled());
        QVERIFY(emulator.requestFrames.contains("55 AA 0B C9 FF FF FF FF 00 02 2E"));
        // The probes resume after the reply, and none came while it was
        // awaited (by the emulator's clock: a probe written just before the
        // press may be logged after it).
        QTRY_VERIFY_WITH_TIMEOUT(emulator.count(0xC0) > probesAtTest + 1, connectTimeout);
        const qint64 asked = emulator.timesOf(0xC9).first();
        for (qint64 probe : emulator.timesOf(0xC0))
            QVERIFY2(
                probe < asked || probe >= asked + 400,
                qPrintable(
                    QString("probe at %1 ms, whiteness asked at %2 ms").arg(probe).arg(asked)));

        // Black: no light to judge, so no index is a number.
        QTest::mouseClick(test, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(dialog->shownValues(), QStringList({"--", "--", "--", "--"}),
                                  replyTimeout);
        QTRY_VERIFY(test->isEnabled());

        QTest::mouseClick(test, Qt::LeftButton);
        QVERIFY(!test->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), replyTimeout);
        QCOMPARE(messageLine(window),
                 QString("No answer to the whiteness/yellowness measurement!"));
        QCOMPARE(dialog->shownValues().at(2), QString("--"));
        QCOMPARE(emulator.count(0xC9), 3);
    }

    // Each language sets the dialogs' texts and sizes at once; no text of
    // them is cut off.
    void languages_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("typeButton");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("Simplified") << "SimplifyFcn"
                                    << "标样测量" << true;
        QTest::newRow("Traditional") << "TraditionalFcn"
                                     << "標樣量測" << true;
        QTest::newRow("English") << "EnglishFcn"
                                 << "Type measurement" << false;
    }

    void languages()
    {
        QFETCH(QString, command);
        QFETCH(QString, typeButton);
        QFETCH(bool, chinese);
        MainWindows window;
        window.action(command)->trigger();
        testRk *panel = window.findChild<testRk *>();
        QCOMPARE(panel->findChild<QPushButton *>("typeButton")->text(), typeButton);

        const QList<fixedSizeDialog *> dialogs = window.findChildren<fixedSizeDialog *>();
        QVERIFY(dialogs.size() >= 5);
        for (fixedSizeDialog *dialog : dialogs) {
            dialog->show();
            const QSize least = dialog->sizeFor(chinese);
            QVERIFY2(dialog->width() >= least.width() && dialog->height() >= least.height(),
                     qPrintable(dialog->objectName()));
            QVERIFY2(dialog->minimumSize() == dialog->maximumSize(),
                     qPrintable(dialog->objectName()));
            for (QWidget *w : dialog->findChildren<QWidget *>()) {
                if (!qobject_cast<QLabel *>(w) && !qobject_cast<QAbstractButton *>(w))
                    continue;
                QVERIFY2(w->width() >= w->minimumSizeHint().width(),
                         qPrintable(dialog->objectName() + ": " + w->objectName()));
            }
            saveArtifact(dialog->grab().toImage(),
                         QStringLiteral("dialog-%1-%2")
                             .arg(dialog->metaObject()->className(), QTest::currentDataTag()));
            dialog->hide();
        }
    }
};

QTEST_MAIN(tst_settingsWindow)
#include "tst_settingsWindow.moc"
