// The measurement button panel through its buttons and its automatic mode,
// and what the measurement road tells it: refusals before their boxes, and
// readings taken one at a time while a question waits for the user.

#include "../support/labConditions.h"
#include "measurementRoad.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "readingRecorderRk.h"
#include "sharedState.h"
#include "testRk.h"

#include <QDialog>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <limits>

namespace {

// Which of Type, Sample and automatic button are enabled: "TSA", "--A", ...
QString enabledButtons(testRk &panel)
{
    QString state;
    state += panel.findChild<QPushButton *>("typeButton")->isEnabled() ? 'T' : '-';
    state += panel.findChild<QPushButton *>("sampleButton")->isEnabled() ? 'S' : '-';
    state += panel.findChild<QPushButton *>("autoButton")->isEnabled() ? 'A' : '-';
    return state;
}

} // namespace

class tst_buttonPanel : public QObject
{
    Q_OBJECT

    static void click(testRk &panel, const char *name)
    {
        QPushButton *button = panel.findChild<QPushButton *>(name);
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static QString autoText(testRk &panel)
    {
        return panel.findChild<QPushButton *>("autoButton")->text();
    }
    static QDoubleSpinBox *interval(testRk &panel)
    {
        return panel.findChild<QDoubleSpinBox *>("intervalField");
    }
    static void setInterval(testRk &panel, const QString &typed)
    {
        QLineEdit *field = interval(panel)->findChild<QLineEdit *>();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Enter);
    }

private slots:
    void initTestCase() { promptRk::setTesting(true); }
    void init() { promptRk::clearHistory(); }
    void cleanup()
    {
        promptRk::setAnswerDelay(0);
        QLocale::setDefault(QLocale::c());
    }

    // Disconnected, Ready, Measuring and Automatic, through the buttons.
    void stateTable()
    {
        testRk panel;
        QSignalSpy types(&panel, &testRk::TSignal);
        QSignalSpy samples(&panel, &testRk::SSignal);
        panel.show();
        QCOMPARE(enabledButtons(panel), QString("---"));

        panel.enableAll();
        QCOMPARE(enabledButtons(panel), QString("TSA"));
        QCOMPARE(panel.focusWidget(), panel.findChild<QPushButton *>("sampleButton"));

        click(panel, "typeButton");
        QCOMPARE(types.count(), 1);
        QCOMPARE(enabledButtons(panel), QString("--A"));
        panel.buttonState();
        QCOMPARE(enabledButtons(panel), QString("TSA"));

        click(panel, "sampleButton");
        QCOMPARE(samples.count(), 1);
        QCOMPARE(enabledButtons(panel), QString("--A"));
        // A refused Sample releases the buttons as a result does.
        panel.stopAuto();
        QCOMPARE(enabledButtons(panel), QString("TSA"));

        QCOMPARE(autoText(panel), QString("Auto Sample measurement"));
        click(panel, "autoButton");
        QVERIFY(panel.autoRunning());
        QVERIFY(panel.autoTimerActive());
        QCOMPARE(panel.autoIntervalMsec(), 1200);
        QCOMPARE(enabledButtons(panel), QString("--A"));
        QCOMPARE(autoText(panel), QString("Stop Sample measurement"));
        QVERIFY(!interval(panel)->isEnabled());
        // Results do not release the buttons while the mode runs.
        panel.buttonState();
        QCOMPARE(enabledButtons(panel), QString("--A"));
        click(panel, "autoButton");
        QVERIFY(!panel.autoRunning());
        QVERIFY(!panel.autoTimerActive());
        QCOMPARE(enabledButtons(panel), QString("TSA"));
        QCOMPARE(autoText(panel), QString("Auto Sample measurement"));
        QVERIFY(interval(panel)->isEnabled());

        // A disconnection locks everything; nothing releases it but the
        // instrument information.
        click(panel, "sampleButton");
        panel.disableAll();
        QCOMPARE(enabledButtons(panel), QString("---"));
        panel.buttonState();
        panel.stopAuto();
        QCOMPARE(enabledButtons(panel), QString("---"));
        panel.enableAll();
        QCOMPARE(enabledButtons(panel), QString("TSA"));
        QCOMPARE(types.count() + samples.count(), 3);
    }

    // The automatic mode ends with the instrument, and however the panel is
    // closed.
    void automaticModeEnds_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("instrument lost") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close") << 2;
    }

    void automaticModeEnds()
    {
        QFETCH(int, how);
        testRk panel;
        panel.show();
        panel.enableAll();
        click(panel, "autoButton");
        QVERIFY(panel.autoTimerActive());
        if (how == 0)
            panel.instrumentLost();
        else if (how == 1)
            QTest::keyClick(&panel, Qt::Key_Escape);
        else
            panel.close();
        QVERIFY(!panel.autoRunning());
        QVERIFY(!panel.autoTimerActive());
        QCOMPARE(autoText(panel), QString("Auto Sample measurement"));
        QVERIFY(interval(panel)->isEnabled());
        QCOMPARE(enabledButtons(panel), how == 0 ? QString("---") : QString("TSA"));
        QCOMPARE(panel.isVisible(), how == 0);
    }

    // A disconnection (every search announces one, also the re-opening after
    // a missed reply) locks the buttons and holds the ticks back, but the
    // run goes on; a loss of the instrument ends it, and the user is told
    // once: by the panel, unless the link already said so.
    void automaticModeAndConnection()
    {
        testRk panel;
        QSignalSpy samples(&panel, &testRk::SSignal);
        panel.show();
        panel.enableAll();
        click(panel, "autoButton");
        panel.disableAll();
        QCOMPARE(enabledButtons(panel), QString("---"));
        panel.sAutoTestFcn();
        QCOMPARE(samples.count(), 0);
        QVERIFY(panel.autoRunning());
        QVERIFY(panel.autoTimerActive());
        panel.enableAll();
        QCOMPARE(enabledButtons(panel), QString("--A"));
        panel.sAutoTestFcn();
        QCOMPARE(samples.count(), 1);

        panel.connectionLost(false);
        QVERIFY(!panel.autoRunning());
        QVERIFY(!panel.autoTimerActive());
        QCOMPARE(enabledButtons(panel), QString("---"));
        QTRY_COMPARE(promptRk::history().size(), 1);
        QCOMPARE(promptRk::history().at(0).kind, promptRk::Warning);
        QCOMPARE(promptRk::history().at(0).title, QString("Tips"));
        QCOMPARE(promptRk::history().at(0).text,
                 QString("Connection to the instrument lost; the automatic Sample measurement "
                         "was stopped."));

        // The link told the user already; without a run there is nothing to say.
        panel.enableAll();
        click(panel, "autoButton");
        panel.connectionLost(true);
        QVERIFY(!panel.autoRunning());
        panel.enableAll();
        panel.connectionLost(false);
        QCOMPARE(enabledButtons(panel), QString("---"));
        QCoreApplication::processEvents();
        QCOMPARE(promptRk::history().size(), 1);
    }

    // Whole milliseconds of the seconds typed, with a point or a comma
    // before the decimals whatever the system's locale, never below 1.2 s
    // and never more than a timer holds.
    void intervals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("msec");
        QTest::addColumn<QLocale>("locale");
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("1.25 s") << "1.25" << 1250 << german;
        QTest::newRow("4.35 s") << "4.35" << 4350 << german;
        QTest::newRow("below the least") << "1" << 1200 << german;
        QTest::newRow("comma, German") << "1,25" << 1250 << german;
        QTest::newRow("comma, C") << "1,25" << 1250 << QLocale::c();
        QTest::newRow("milliseconds") << "2,345" << 2345 << QLocale::c();
        QTest::newRow("a second comma is dropped") << "2,5,1" << 2510 << german;
        QTest::newRow("a week") << "604800" << 604800000 << german;
        QTest::newRow("beyond a timer")
            << "1000000000" << std::numeric_limits<int>::max() << german;
    }

    void intervals()
    {
        QFETCH(QString, typed);
        QFETCH(int, msec);
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        testRk panel;
        QSignalSpy types(&panel, &testRk::TSignal);
        QSignalSpy samples(&panel, &testRk::SSignal);
        panel.show();
        panel.enableAll();
        setInterval(panel, typed);
        // Enter only confirmed the interval: no button was clicked.
        QCOMPARE(types.count() + samples.count(), 0);
        QCOMPARE(enabledButtons(panel), QString("TSA"));
        click(panel, "autoButton");
        QVERIFY(panel.autoRunning());
        QVERIFY(panel.autoTimerActive());
        QCOMPARE(panel.autoIntervalMsec(), msec);
        QCOMPARE(autoText(panel), QString("Stop Sample measurement"));
    }

    // The mode ends by itself on its 50 002nd tick, which still asks for one
    // Sample; a run after that counts on from 1, after a stop by the button
    // from 0, after a refusal from where it was.
    void automaticModeStopsItself()
    {
        testRk panel;
        int requests = 0;
        connect(&panel, &testRk::SSignal, [&requests] { ++requests; });
        panel.show();
        panel.enableAll();
        setInterval(panel, "100000");
        click(panel, "autoButton");
        for (int i = 0; i < testRk::autoTickLimit + 1; ++i)
            panel.sAutoTestFcn();
        QVERIFY(panel.autoRunning());
        QCOMPARE(panel.autoCount(), testRk::autoTickLimit + 1);
        panel.sAutoTestFcn();
        QVERIFY(!panel.autoRunning());
        QVERIFY(!panel.autoTimerActive());
        QCOMPARE(requests, testRk::autoTickLimit + 2);
        QCOMPARE(panel.autoCount(), 1);
        QCOMPARE(enabledButtons(panel), QString("--A"));
        panel.buttonState();
        QCOMPARE(enabledButtons(panel), QString("TSA"));

        click(panel, "autoButton");
        for (int i = 0; i < testRk::autoTickLimit; ++i)
            panel.sAutoTestFcn();
        QVERIFY(panel.autoRunning());
        panel.sAutoTestFcn();
        QVERIFY(!panel.autoRunning());

        click(panel, "autoButton");
        panel.sAutoTestFcn();
        panel.sAutoTestFcn();
        panel.stopAuto();
        QCOMPARE(panel.autoCount(), 3);
        QCOMPARE(enabledButtons(panel), QString("TSA"));
        click(panel, "autoButton");
        panel.sAutoTestFcn();
        QCOMPARE(panel.autoCount(), 4);
        click(panel, "autoButton");
        QCOMPARE(panel.autoCount(), 0);
    }

    // While a box waits for the user, ticks ask for nothing: no box stacks
    // on another.
    void ticksWaitForOpenBoxes()
    {
        testRk panel;
        QSignalSpy samples(&panel, &testRk::SSignal);
        panel.show();
        panel.enableAll();
        click(panel, "autoButton");

        QDialog modal;
        modal.setWindowModality(Qt::ApplicationModal);
        modal.show();
        panel.sAutoTestFcn();
        QCOMPARE(samples.count(), 0);
        modal.close();
        panel.sAutoTestFcn();
        QCOMPARE(samples.count(), 1);

        // A box of the seam, open while its scripted user reads it.
        promptRk::setAnswerDelay(400);
        QTimer::singleShot(100, &panel, &testRk::sAutoTestFcn);
        promptRk::information(nullptr, "Tips", "Please measure Type firstly!");
        QCOMPARE(samples.count(), 1);
        QVERIFY(panel.autoRunning());
        QCOMPARE(panel.autoCount(), 1);
    }

    // Every refusal of a Sample request is announced before the box that
    // gives its reason (so an automatic run stops first), and a branch of the
    // tree being current refuses without a box but is announced too.
    void refusalsComeBeforeTheirBoxes()
    {
        QTreeWidget tree;
        measurementTreeRk model(&tree);
        sharedState state;
        state.setConditions(labConditions());
        readingRecorderRk recorder(&model, &state.conditions());
        measurementRoad road(&model, &recorder, &state, nullptr);
        model.setRowValue(model.parameterRow(measurementTreeRk::parameterIlluminationRow), "8/d");
        QList<int> boxesAtRefusal;
        connect(&road, &measurementRoad::requestRefused,
                [&boxesAtRefusal] { boxesAtRefusal << promptRk::history().size(); });
        QSignalSpy measured(&road, &measurementRoad::STestCheckSignal);

        road.checkSample();
        QCOMPARE(boxesAtRefusal, QList<int>{0});
        QCOMPARE(promptRk::history().size(), 1);
        QCOMPARE(promptRk::history().at(0).text, QString("Please measure Type firstly!"));

        QVERIFY(recorder.typeReading(50, 1, 2));
        MeasuringConditions other = labConditions();
        other.standardLight = "A";
        state.setConditions(other);
        road.checkSample();
        QCOMPARE(boxesAtRefusal, QList<int>({0, 1}));
        QCOMPARE(promptRk::history().size(), 2);
        QVERIFY(promptRk::history().at(1).text.startsWith("Please change in measurement setup if "
                                                          "light sources"));

        tree.setCurrentItem(model.measurementRoot());
        road.checkSample();
        QCOMPARE(boxesAtRefusal.size(), 3);
        QCOMPARE(promptRk::history().size(), 2);
        QCOMPARE(measured.count(), 0);

        state.setConditions(labConditions());
        tree.setCurrentItem(model.type(0));
        road.checkSample();
        QCOMPARE(measured.count(), 1);
        QCOMPARE(boxesAtRefusal.size(), 3);
    }

    // A reading that arrives while the question about an unfinished average
    // waits is taken after that question, never inside it.
    void readingsTakenOneAtATime()
    {
        QTreeWidget tree;
        measurementTreeRk model(&tree);
        sharedState state;
        MeasuringConditions c = labConditions();
        c.averageTestTime = "3";
        state.setConditions(c);
        readingRecorderRk recorder(&model, &state.conditions());
        recorder.setAverageMode(state.averageMode());
        measurementRoad road(&model, &recorder, &state, nullptr);
        model.setRowValue(model.parameterRow(measurementTreeRk::parameterIlluminationRow), "8/d");
        road.typeReading(50, 1, 2);
        QVERIFY(recorder.typeAveraging());

        promptRk::setAnswerDelay(300);
        promptRk::setNextAnswer(QMessageBox::Yes);
        promptRk::setNextAnswer(QMessageBox::Yes);
        int questionsInside = -1;
        QTimer::singleShot(50, &road, [&] {
            const int before = promptRk::history().size();
            road.sampleReading(51, 1, 2);
            questionsInside = promptRk::history().size() - before;
        });
        road.sampleReading(52, 1, 2);
        QCOMPARE(questionsInside, 0);
        const QList<promptRk::Record> boxes = promptRk::history();
        QCOMPARE(boxes.size(), 2);
        for (const promptRk::Record &box : boxes)
            QCOMPARE(box.kind, promptRk::Question);
        // Both answered "Yes": the unfinished Type stays, no Sample is made.
        QCOMPARE(model.typeCount(), 1);
        QCOMPARE(model.type(0)->childCount(), 0);
        QVERIFY(recorder.typeAveraging());
    }
};

QTEST_MAIN(tst_buttonPanel)
#include "tst_buttonPanel.moc"
