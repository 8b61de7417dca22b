// The values the program shares, without a window: the settings store and
// the change signals the dialogs, charts and reports follow.

#include "../support/settingsStore.h"
#include "sharedState.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTest>

class tst_sharedState : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetStore(); }

    void storeRoundTrip()
    {
        resetStore({{"delatE", "1.234"},
                    {"nDelatL", "0.5"},
                    {"colorSpacePC", "CIELUV"},
                    {"colorDiffFormulaPC", "ΔELuv"},
                    {"averageTestTimePC", "3"},
                    {"companyName", "ACME"},
                    {"timeFlag", true},
                    {"newName", "Lot 5"},
                    {"fileDirectory", "/srv/colours"},
                    {"languageChoose", "zh_TW"}});
        QSettings settings("SoftWare Inc.", "qcm");
        sharedState state;
        QSignalSpy anyChange(&state, &sharedState::toleranceChanged);
        state.readSettings(settings);
        QCOMPARE(anyChange.count(), 0); // nothing is shown while reading
        QCOMPARE(state.tolerance().delatE, QString("1.23"));
        QCOMPARE(state.tolerance().nDelatL, QString("0.50"));
        QCOMPARE(state.tolerance().pDelatL, QString("0.00")); // empty text is no number
        QCOMPARE(state.conditions().colorSpace, QString("CIELUV"));
        QCOMPARE(state.conditions().standardLight, QString("D65"));
        QVERIFY(state.averageMode());
        QCOMPARE(state.printInfo().company, QString("ACME"));
        QVERIFY(state.printInfo().timeFlag);
        // A new run starts a new measurement whatever name was stored.
        QCOMPARE(state.measurementName(), QString("New Measurement"));
        QCOMPARE(state.libraryDirectory(), QString("/srv/colours"));
        QCOMPARE(state.languageCode(), QString("zh_TW"));

        resetStore();
        QSettings empty("SoftWare Inc.", "qcm");
        state.writeSettings(empty);
        empty.sync();
        sharedState again;
        again.readSettings(empty);
        QCOMPARE(again.tolerance(), state.tolerance());
        QCOMPARE(again.conditions(), state.conditions());
        QCOMPARE(again.printInfo(), state.printInfo());
        QCOMPARE(empty.value("newName").toString(), QString("New Measurement"));
    }

    void changeSignals()
    {
        sharedState state;
        QSignalSpy tolerance(&state, &sharedState::toleranceChanged);
        QSignalSpy renamed(&state, &sharedState::measurementNameChanged);
        QSignalSpy print(&state, &sharedState::printInfoChanged);
        QSignalSpy averaging(&state, &sharedState::averageModeChanged);
        QSignalSpy conditions(&state, &sharedState::conditionsChanged);

        state.setTolerance(Tolerance::fromList({"1.5", "1", "1", "1", "1", "1", "x"}));
        QCOMPARE(tolerance.count(), 1);
        QCOMPARE(state.tolerance().delatE, QString("1.50"));
        QCOMPARE(state.tolerance().pDelatb, QString("0.00"));

        PrintInfo info = state.printInfo();
        info.company = "ACME";
        state.setPrintInfo(info);
        QCOMPARE(print.count(), 1);
        QCOMPARE(renamed.count(), 0);
        state.setMeasurementName("Lot 5");
        QCOMPARE(renamed.count(), 1);
        QCOMPARE(renamed.last().first().toString(), QString("Lot 5"));
        QCOMPARE(state.printInfo().company, QString("ACME"));

        MeasuringConditions c = state.conditions();
        c.averageTestTime = "4";
        state.setConditions(c);
        QCOMPARE(averaging.count(), 1);
        QVERIFY(state.averageMode());
        state.setConditions(c); // the same conditions again: no news
        QCOMPARE(conditions.count(), 1);
        state.setInstrumentConditions("PX71", "8mm", "CIE 10°", "8/d");
        QCOMPARE(conditions.count(), 2);
        QCOMPARE(state.conditions().averageTestTime, QString("4"));
        QCOMPARE(averaging.count(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_sharedState)
#include "tst_sharedState.moc"
