// The setting dialogs and the whiteness dialog, driven through their widgets
// as a user would: what each offers, what it reports, and how its number
// fields read what is typed whatever the system locale.

#include "averageTestRk.h"
#include "colorConversions.h"
#include "promptRk.h"
#include "setMeasurementRk.h"
#include "toleranceRk.h"
#include "whiteYellowRk.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList labFormulas()
{
    return {"ΔEL*a*b*", "ΔE00", "ΔECMC", "ΔEISO", "ΔECIE94", "ΔEFCMⅡ", "ΔELch"};
}

// Replaces a field's text by typing, as the user does.
void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace

class tst_settingDialogs : public QObject
{
    Q_OBJECT

    static QComboBox *box(QWidget *dialog, const char *name)
    {
        return dialog->findChild<QComboBox *>(name);
    }
    static QPushButton *button(QWidget *dialog, const char *name)
    {
        return dialog->findChild<QPushButton *>(name);
    }
    static QLineEdit *edit(QWidget *dialog, const char *name)
    {
        return dialog->findChild<QLineEdit *>(name);
    }
    static void choose(QComboBox *box, const QString &text)
    {
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
    }

private slots:
    void initTestCase() { promptRk::setTesting(true); }
    void init() { promptRk::clearHistory(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // What each model offers, and the formulas of each of its colour spaces.
    void offersPerModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("lights");
        QTest::addColumn<QString>("markedLight");
        QTest::addColumn<QStringList>("spaces");
        QTest::addColumn<QString>("space");
        QTest::addColumn<QStringList>("formulas");

        const QStringList px71Lights = {"A",       "D50", "D65",       "C",
                                        "F2(CWF)", "F7",  "F11(TL84)", "F12(U30)"};
        const QStringList px71Spaces = {"CIE1976L*a*b*", "CIELCH",    "CIEXYZ",
                                        "CIELUV",        "HunterLAB", "sRGB"};
        const QStringList px75Lights = {"D50", "D65", "F11(TL84)"};
        const QStringList qmLights = {"A", "D65", "F2(CWF)"};
        const QStringList qmSpaces = {"CIE1976L*a*b*", "CIELCH", "CIEXYZ", "sRGB"};
        auto row = [](const char *name) -> QTestData & { return QTest::newRow(name); };

        row("PX71 L*a*b*") << "PX71" << px71Lights << "D65" << px71Spaces << "CIE1976L*a*b*"
                           << labFormulas();
        row("PX71 LCH") << "PX71" << px71Lights << "D65" << px71Spaces << "CIELCH"
                        << QStringList{"ΔELch"};
        row("PX71 XYZ") << "PX71" << px71Lights << "D65" << px71Spaces << "CIEXYZ"
                        << labFormulas() + QStringList{"ΔELuv", "ΔEHunter"};
        row("PX71 LUV") << "PX71" << px71Lights << "D65" << px71Spaces << "CIELUV"
                        << QStringList{"ΔELuv"};
        row("PX71 Hunter") << "PX71" << px71Lights << "D65" << px71Spaces << "HunterLAB"
                           << QStringList{"ΔEHunter"};
        row("PX71 sRGB") << "PX71" << px71Lights << "D65" << px71Spaces << "sRGB"
                         << QStringList{"ΔEsRGB"};
        row("PX75 L*a*b*") << "PX75" << px75Lights << "F11(TL84)" << QStringList{"CIE1976L*a*b*"}
                           << "CIE1976L*a*b*" << QStringList{"ΔEL*a*b*"};
        row("QM-64 L*a*b*") << "QM-64" << qmLights << "F2(CWF)" << qmSpaces << "CIE1976L*a*b*"
                            << QStringList{"ΔEL*a*b*", "ΔELch"};
        row("QM-64 LCH") << "QM-64" << qmLights << "F2(CWF)" << qmSpaces << "CIELCH"
                         << QStringList{"ΔELch"};
        row("QM-64 XYZ") << "QM-64" << qmLights << "F2(CWF)" << qmSpaces << "CIEXYZ"
                         << QStringList{"ΔEL*a*b*", "ΔELch"};
        row("QM-64 sRGB") << "QM-64" << qmLights << "F2(CWF)" << qmSpaces << "sRGB"
                          << QStringList{"ΔEsRGB"};
        row("QM64 unconverted") << "QM64" << QStringList() << QString() << QStringList()
                                << QString() << QStringList();
        row("no model yet") << QString() << QStringList() << QString() << QStringList() << QString()
                            << QStringList();
    }

    void offersPerModel()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, lights);
        QFETCH(QString, markedLight);
        QFETCH(QStringList, spaces);
        QFETCH(QString, space);
        QFETCH(QStringList, formulas);

        setMeasurementRk dialog;
        dialog.show();
        // Stored values the model does not offer leave the marked entries.
        dialog.setMeasurement(model, "F7x", "CIE2000", "△ELab", "SCX");
        QComboBox *lightBox = box(&dialog, "lightSourceBox");
        QComboBox *spaceBox = box(&dialog, "colorSpaceBox");
        QComboBox *formulaBox = box(&dialog, "formulaBox");
        QComboBox *modeBox = box(&dialog, "lightModeBox");
        QCOMPARE(itemsOf(lightBox), lights);
        QCOMPARE(lightBox->currentText(), markedLight);
        QCOMPARE(itemsOf(spaceBox), spaces);
        QCOMPARE(spaceBox->currentText(), spaces.value(0));
        QCOMPARE(itemsOf(modeBox), lights.isEmpty() ? QStringList() : QStringList({"SCI", "SCE"}));
        QCOMPARE(modeBox->currentText(), lights.isEmpty() ? QString() : QString("SCI"));

        // The user picks a colour space (another one first, so that the
        // wanted one is a change): its formulas, the first one chosen.
        if (!space.isEmpty()) {
            spaceBox->setCurrentIndex(spaceBox->count() - 1);
            choose(spaceBox, space);
        }
        QCOMPARE(itemsOf(formulaBox), formulas);
        QCOMPARE(formulaBox->currentText(), formulas.value(0));
        QVERIFY(formulaBox->maxVisibleItems() <= 10);
    }

    // The stored conditions are shown as they are, a stored colour space with
    // its own formulas, and confirming unchanged reports them unchanged.
    void storedConditions_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("formulas");

        QTest::newRow("LUV keeps its formula")
            << "PX71" << QStringList{"A", "CIELUV", "ΔELuv", "SCE"}
            << QStringList{"A", "CIELUV", "ΔELuv", "SCE"} << QStringList{"ΔELuv"};
        QTest::newRow("XYZ with CIEDE2000")
            << "PX71" << QStringList{"F11(TL84)", "CIEXYZ", "ΔE00", "SCI"}
            << QStringList{"F11(TL84)", "CIEXYZ", "ΔE00", "SCI"}
            << labFormulas() + QStringList{"ΔELuv", "ΔEHunter"};
        QTest::newRow("default formula name")
            << "PX71" << QStringList{"D65", "CIE1976L*a*b*", "△ELab", "SCI"}
            << QStringList{"D65", "CIE1976L*a*b*", "ΔEL*a*b*", "SCI"} << labFormulas();
        QTest::newRow("light source not offered")
            << "QM-64" << QStringList{"C", "sRGB", "ΔEsRGB", "SCE"}
            << QStringList{"F2(CWF)", "sRGB", "ΔEsRGB", "SCE"} << QStringList{"ΔEsRGB"};
        QTest::newRow("formula not of the space")
            << "QM-64" << QStringList{"A", "CIELCH", "ΔE00", "SCI"}
            << QStringList{"A", "CIELCH", "ΔELch", "SCI"} << QStringList{"ΔELch"};
    }

    void storedConditions()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, formulas);

        setMeasurementRk dialog;
        QSignalSpy finished(&dialog, &setMeasurementRk::setMeasurementFinishSignal);
        dialog.show();
        dialog.setMeasurement(model, stored[0], stored[1], stored[2], stored[3]);
        QCOMPARE(itemsOf(box(&dialog, "formulaBox")), formulas);
        QCOMPARE(QStringList({box(&dialog, "lightSourceBox")->currentText(),
                              box(&dialog, "colorSpaceBox")->currentText(),
                              box(&dialog, "formulaBox")->currentText(),
                              box(&dialog, "lightModeBox")->currentText()}),
                 shown);
        QTest::mouseClick(button(&dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QStringList reported;
        for (const QVariant &v : finished.at(0))
            reported << v.toString();
        QCOMPARE(reported, shown);
        QVERIFY(!dialog.isVisible());
    }

    // Changing the colour space back and forth refills the formulas; OK
    // reports what is chosen and Cancel reports nothing.
    void changingTheColourSpace()
    {
        setMeasurementRk dialog;
        QSignalSpy finished(&dialog, &setMeasurementRk::setMeasurementFinishSignal);
        dialog.show();
        dialog.setMeasurement("PX71", "D65", "CIE1976L*a*b*", "ΔECMC", "SCI");
        QCOMPARE(box(&dialog, "formulaBox")->currentText(), QString("ΔECMC"));
        choose(box(&dialog, "colorSpaceBox"), "CIELUV");
        QCOMPARE(itemsOf(box(&dialog, "formulaBox")), QStringList{"ΔELuv"});
        choose(box(&dialog, "colorSpaceBox"), "CIE1976L*a*b*");
        QCOMPARE(itemsOf(box(&dialog, "formulaBox")), labFormulas());
        QCOMPARE(box(&dialog, "formulaBox")->currentText(), QString("ΔEL*a*b*"));
        choose(box(&dialog, "lightSourceBox"), "F12(U30)");
        choose(box(&dialog, "lightModeBox"), "SCE");

        QTest::mouseClick(button(&dialog, "cancelButton"), Qt::LeftButton);
        QCOMPARE(finished.count(), 0);
        QVERIFY(!dialog.isVisible());

        dialog.show();
        dialog.setMeasurement("PX71", "D65", "CIE1976L*a*b*", "ΔECMC", "SCI");
        choose(box(&dialog, "colorSpaceBox"), "HunterLAB");
        QTest::mouseClick(button(&dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(1).toString(), QString("HunterLAB"));
        QCOMPARE(finished.at(0).at(2).toString(), QString("ΔEHunter"));
    }

    // Before any instrument has reported its model the boxes are empty and OK
    // changes nothing.
    void noModelReportsNothing()
    {
        setMeasurementRk dialog;
        QSignalSpy finished(&dialog, &setMeasurementRk::setMeasurementFinishSignal);
        dialog.show();
        dialog.setMeasurement(QString(), "D65", "CIE1976L*a*b*", "△ELab", "SCI");
        for (const char *name : {"lightSourceBox", "colorSpaceBox", "formulaBox", "lightModeBox"})
            QCOMPARE(box(&dialog, name)->count(), 0);
        QTest::mouseClick(button(&dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(finished.count(), 0);
        QVERIFY(!dialog.isVisible());
    }

    // However the dialog was left (Escape, the title bar, not at all), the
    // next opening offers every entry once.
    void reopeningNeverDuplicates()
    {
        setMeasurementRk dialog;
        dialog.show();
        dialog.setMeasurement("PX71", "D65", "CIEXYZ", "ΔE00", "SCI");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        dialog.show();
        dialog.setMeasurement("PX71", "D65", "CIEXYZ", "ΔE00", "SCI");
        dialog.setMeasurement("PX71", "D65", "CIEXYZ", "ΔE00", "SCI");
        QCOMPARE(box(&dialog, "lightSourceBox")->count(), 8);
        QCOMPARE(box(&dialog, "colorSpaceBox")->count(), 6);
        QCOMPARE(box(&dialog, "formulaBox")->count(), 9);
        QCOMPARE(box(&dialog, "lightModeBox")->count(), 2);
        dialog.close();
        QCOMPARE(box(&dialog, "lightSourceBox")->count(), 0);
    }

    // The rows follow the colour space and the formula ("Δ", U+0394); an
    // unknown colour space leaves the three difference rows as they were.
    void toleranceRelabelling_data()
    {
        QTest::addColumn<QString>("space");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("L*a*b*") << "CIE1976L*a*b*"
                                << "ΔEL*a*b*" << QStringList{"ΔEL*a*b*", "ΔL", "Δa", "Δb"};
        QTest::newRow("instrument's L*a*b*") << "CIE1976LAB"
                                             << "ΔECMC" << QStringList{"ΔECMC", "ΔL", "Δa", "Δb"};
        QTest::newRow("LCH") << "CIELCH"
                             << "ΔELch" << QStringList{"ΔELch", "ΔL", "Δc", "ΔH"};
        QTest::newRow("XYZ") << "CIEXYZ"
                             << "ΔE00" << QStringList{"ΔE00", "ΔX", "ΔY", "ΔZ"};
        QTest::newRow("LUV") << "CIELUV"
                             << "ΔELuv" << QStringList{"ΔELuv", "ΔL", "Δu", "Δv"};
        QTest::newRow("Hunter") << "HunterLAB"
                                << "ΔEHunter"
                                << QStringList{"ΔEHunter", "ΔHunterL", "ΔHunterA", "ΔHunterB"};
        QTest::newRow("sRGB") << "sRGB"
                              << "ΔEsRGB" << QStringList{"ΔEsRGB", "ΔR", "ΔG", "ΔB"};
        QTest::newRow("not recognised") << "CIEL*u*v*"
                                        << "ΔELuv" << QStringList{"ΔELuv", "△L", "△a", "△b"};
    }

    void toleranceRelabelling()
    {
        QFETCH(QString, space);
        QFETCH(QString, formula);
        QFETCH(QStringList, labels);
        toleranceRk dialog;
        const char *const names[] = {"deltaELabel", "delta1Label", "delta2Label", "delta3Label"};
        QStringList before;
        for (const char *name : names)
            before << dialog.findChild<QLabel *>(name)->text();
        QCOMPARE(before, QStringList({"△E", "△L", "△a", "△b"}));
        dialog.relabel(space, formula);
        QStringList after;
        for (const char *name : names)
            after << dialog.findChild<QLabel *>(name)->text();
        QCOMPARE(after, labels);
    }

    // Open with the current values, edit, save: a box that closes itself,
    // the seven texts reported, the dialog left open with OK disabled until
    // the next edit.  A value the limits cannot hold keeps OK disabled.
    void toleranceSaving()
    {
        toleranceRk dialog;
        QSignalSpy saved(&dialog, &toleranceRk::toleranceSavedSignal);
        QPushButton *ok = button(&dialog, "okButton");
        QVERIFY(!ok->isEnabled());
        dialog.show();
        dialog.gettolerance("2.00", "1.00", "1.50", "2.00", "2.00", "0.50", "3.00");
        QCOMPARE(edit(&dialog, "pDelatb")->text(), QString("3.00"));
        QVERIFY(ok->isEnabled());

        typeInto(edit(&dialog, "delatE"), "1.2");
        typeInto(edit(&dialog, "nDelata"), "");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(saved.count(), 1);
        QStringList texts;
        for (const QVariant &v : saved.at(0))
            texts << v.toString();
        QCOMPARE(texts, QStringList({"1.2", "1.00", "1.50", "", "2.00", "0.50", "3.00"}));
        QCOMPARE(dialog.values(), texts);
        const QList<promptRk::Record> boxes = promptRk::history();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].kind, promptRk::TimedInformation);
        QCOMPARE(boxes[0].title, QString("Tips"));
        QCOMPARE(boxes[0].text, QString("Info. Saved"));
        QVERIFY(dialog.isVisible());
        QVERIFY(!ok->isEnabled());

        // Above the largest limit, or only a point: not a value to save.
        typeInto(edit(&dialog, "pDelatL"), "200");
        QCOMPARE(edit(&dialog, "pDelatL")->text(), QString("200"));
        QVERIFY(!ok->isEnabled());
        typeInto(edit(&dialog, "pDelatL"), ".");
        QVERIFY(!ok->isEnabled());
        dialog.OKButtonFcn();
        QCOMPARE(saved.count(), 1);
        typeInto(edit(&dialog, "pDelatL"), "128");
        QVERIFY(ok->isEnabled());
    }

    // A comma before the decimals is read as a point where a fraction
    // means something, and shown as one, in a comma locale and in the C
    // locale alike; where only whole numbers do, it stays in the field with
    // the reason, and OK waits.  No digit typed is dropped.
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
        toleranceRk tolerance;
        tolerance.show();
        tolerance.gettolerance("2.00", "2.00", "2.00", "2.00", "2.00", "2.00", "2.00");
        QLineEdit *limit = edit(&tolerance, "nDelatL");
        typeInto(limit, "1,5");
        QCOMPARE(limit->text(), QString("1.5"));
        typeInto(limit, "1,257");
        QCOMPARE(limit->text(), QString("1.257"));
        typeInto(limit, "1,2,");
        QCOMPARE(limit->text(), QString("1.2"));
        typeInto(edit(&tolerance, "delatE"), "0,75");
        QSignalSpy saved(&tolerance, &toleranceRk::toleranceSavedSignal);
        QTest::mouseClick(button(&tolerance, "okButton"), Qt::LeftButton);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.at(0).at(0).toString(), QString("0.75"));
        QCOMPARE(saved.at(0).at(1).toString(), QString("1.2"));

        averageTestRk average;
        QSignalSpy finished(&average, &averageTestRk::setAverageFinishSignal);
        average.show();
        average.setAverage("1");
        QLineEdit *times = edit(&average, "timesEdit");
        QLabel *hint = average.findChild<QLabel *>("hintLabel");
        QPushButton *ok = button(&average, "okButton");
        for (const char *fraction : {"1,5", "1.5", "2,"}) {
            typeInto(times, fraction);
            QCOMPARE(times->text(), QString(fraction));
            QVERIFY(!ok->isEnabled());
            QVERIFY(hint->isVisible());
            QCOMPARE(hint->text(), QString("Whole numbers only."));
            average.OKButtonFcn();
            QCOMPARE(finished.count(), 0);
        }
        typeInto(times, "1000");
        QCOMPARE(hint->text(), QString("A whole number from 0 to 999."));
        QVERIFY(!ok->isEnabled());
        typeInto(times, "15");
        QCOMPARE(hint->text(), QString());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toString(), QString("15"));
    }

    // Readings per average: 0 and nothing mean one; a count is reported
    // plainly, since items compare it as text.
    void averageCounts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reported");
        QTest::newRow("five") << "5"
                              << "5";
        QTest::newRow("zero") << "0"
                              << "1";
        QTest::newRow("empty") << ""
                               << "1";
        QTest::newRow("leading zeros") << "007"
                                       << "7";
        QTest::newRow("plus sign") << "+5"
                                   << "5";
        QTest::newRow("largest") << "999"
                                 << "999";
    }

    void averageCounts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, reported);
        QLocale::setDefault(QLocale(QLocale::German));
        averageTestRk dialog;
        QSignalSpy finished(&dialog, &averageTestRk::setAverageFinishSignal);
        dialog.show();
        dialog.setAverage("1");
        QPushButton *ok = button(&dialog, "okButton");
        // Filling the edit with what it already shows changes nothing.
        QVERIFY(!ok->isEnabled());
        typeInto(edit(&dialog, "timesEdit"), typed);
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toString(), reported);
        QCOMPARE(edit(&dialog, "timesEdit")->text(), reported);
        QVERIFY(!dialog.isVisible());
    }

    void averageRefusesWhatIsNoCount()
    {
        averageTestRk dialog;
        QSignalSpy finished(&dialog, &averageTestRk::setAverageFinishSignal);
        dialog.show();
        dialog.setAverage("3");
        QPushButton *ok = button(&dialog, "okButton");
        QVERIFY(ok->isEnabled());
        typeInto(edit(&dialog, "timesEdit"), "-+");
        QCOMPARE(edit(&dialog, "timesEdit")->text(), QString("-"));
        QVERIFY(!ok->isEnabled());
        dialog.OKButtonFcn();
        QCOMPARE(finished.count(), 0);
        QTest::mouseClick(button(&dialog, "cancelButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(finished.count(), 0);
    }

    // Test waits for its answer; the four indices with two decimals.
    void whitenessDialog()
    {
        whiteYellowRk dialog;
        QSignalSpy asked(&dialog, &whiteYellowRk::testWhiteYellowSignal);
        QPushButton *test = button(&dialog, "testButton");
        dialog.show();
        QVERIFY(!test->isEnabled());
        dialog.setConnected(true);
        QVERIFY(test->isEnabled());
        QTest::mouseClick(test, Qt::LeftButton);
        QCOMPARE(asked.count(), 1);
        QVERIFY(!test->isEnabled());
        dialog.testButtonFcn();
        QCOMPARE(asked.count(), 1);

        // The reference white, as the window hands it over.
        const ColorTriple xyz = labToXyz(100, 0, 0);
        const ColorTriple hunter = xyzToHunterLab(xyz[0], xyz[1], xyz[2]);
        dialog.setWhiteYellow({xyz[0], xyz[1], xyz[2], hunter[0], hunter[1], hunter[2]});
        QCOMPARE(dialog.shownValues(), QStringList({"0.31", "91.41", "100.00", "100.43"}));
        QVERIFY(test->isEnabled());

        // Black, or below black (L* under 0): no index describes it, and
        // each cell says so in words a person reads.
        for (float L : {0.0f, -0.5f}) {
            QTest::mouseClick(test, Qt::LeftButton);
            const ColorTriple black = labToXyz(L, 0, 0);
            const ColorTriple h = xyzToHunterLab(black[0], black[1], black[2]);
            dialog.setWhiteYellow({black[0], black[1], black[2], h[0], h[1], h[2]});
            QCOMPARE(dialog.shownValues(), QStringList({"--", "--", "--", "--"}));
        }

        // No answer, or the instrument gone: Test is released, and stays off
        // while nothing is connected.
        QTest::mouseClick(test, Qt::LeftButton);
        QVERIFY(!test->isEnabled());
        dialog.testTimedOut();
        QVERIFY(test->isEnabled());
        QTest::mouseClick(test, Qt::LeftButton);
        dialog.setConnected(false);
        QVERIFY(!test->isEnabled());
        dialog.setConnected(true);
        QVERIFY(test->isEnabled());
        QCOMPARE(asked.count(), 5);
    }
};

QTEST_MAIN(tst_settingDialogs)
#include "tst_settingDialogs.moc"
