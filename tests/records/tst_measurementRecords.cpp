// The measurement tree without the window: naming, check marks, condition
// checks, averaged readings and what the panel shows for a pressed item.

#include "../support/labConditions.h"
#include "conditionCheck.h"
#include "infoPanelRk.h"
#include "itemColumns.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "readingRecorderRk.h"

#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

} // namespace

class tst_measurementRecords : public QObject
{
    Q_OBJECT

    QTreeWidget *tree = nullptr;
    measurementTreeRk *model = nullptr;
    MeasuringConditions conditions;
    readingRecorderRk *recorder = nullptr;

    QStringList columnsOf(const QTreeWidgetItem *item) const
    {
        QStringList texts;
        for (int c = 0; c < 16; ++c)
            texts << item->text(c);
        return texts;
    }

    // Columns 5 to 15 of an item added by an upload or a manual input.
    QStringList givenColumns() const
    {
        return QString("2026-12-09 08:00:00,D65,PX71,8mm,SCI,CIE1976L*a*b*,ΔELab,8/d,CIE 10°,1,1")
            .split(',');
    }

    // What a user sees of the check marks: "T" per Type, "S" per Sample,
    // each followed by 0 (unchecked), 1 (partly) or 2 (checked).
    QString markStates() const
    {
        QString marks;
        for (int t = 0; t < model->typeCount(); ++t) {
            QTreeWidgetItem *type = model->type(t);
            marks += QString(" T%1").arg(int(type->checkState(0)));
            for (int k = 0; k < type->childCount(); ++k)
                marks += QString(" S%1").arg(int(type->child(k)->checkState(0)));
        }
        return marks.trimmed();
    }

private slots:
    void initTestCase() { promptRk::setTesting(true); }
    void init()
    {
        promptRk::clearHistory();
        tree = new QTreeWidget;
        model = new measurementTreeRk(tree, tree);
        conditions = labConditions();
        recorder = new readingRecorderRk(model, &conditions, tree);
        QObject::connect(tree, &QTreeWidget::itemChanged, model,
                         [this](QTreeWidgetItem *item) { model->propagateCheckState(item); });
        // The instrument has reported: the measuring parameters are shown.
        model->setRowValue(
            model->parameterRow(measurementTreeRk::parameterIlluminationRow), "8/d");
    }
    void cleanup() { delete tree; }

    void typeAndSampleNaming()
    {
        QCOMPARE(measurementTreeRk::typeName(1), QString("Type T001"));
        QCOMPARE(measurementTreeRk::typeName(10), QString("Type T010"));
        QCOMPARE(measurementTreeRk::typeName(100), QString("Type T100"));
        QCOMPARE(measurementTreeRk::typeName(1000), QString("Type T1000"));
        QCOMPARE(measurementTreeRk::sampleName(12), QString("Sample S012"));

        QTreeWidgetItem *root = model->measurementRoot();
        QCOMPARE(model->lastItemNumber(root), QString("FALSE"));
        for (int i = 0; i < 3; ++i)
            recorder->typeReading(50, 1, 2);
        QCOMPARE(model->lastType()->text(0), QString("Type T003"));
        // Deleting T002: the number follows the last name.
        model->deleteItem(model->type(1));
        recorder->typeReading(50, 1, 2);
        QCOMPARE(model->lastType()->text(0), QString("Type T004"));
        // A renamed last Type: count plus one.
        model->lastType()->setText(0, "Reference blue");
        QCOMPARE(model->lastItemNumber(root), QString("FALSE"));
        recorder->typeReading(50, 1, 2);
        QCOMPARE(model->lastType()->text(0), QString("Type T004"));

        // Samples restart at S001 under each Type.
        tree->setCurrentItem(model->type(0));
        recorder->sampleReading(51, 1, 2);
        recorder->sampleReading(52, 1, 2);
        QCOMPARE(model->type(0)->child(1)->text(0), QString("Sample S002"));
        tree->setCurrentItem(model->type(1));
        recorder->sampleReading(51, 1, 2);
        QCOMPARE(model->type(1)->child(0)->text(0), QString("Sample S001"));
    }

    void newItemColumns()
    {
        conditions.colorSpace = "CIEXYZ";
        QTreeWidgetItem *type = recorder->typeReading(100, 0, 0);
        QVERIFY(type);
        const QStringList c = columnsOf(type);
        QCOMPARE(c[nameColumn], QString("Type T001"));
        QCOMPARE(c[value1Column], QString("94.81"));
        QCOMPARE(c[value2Column], QString("100"));
        QCOMPARE(c[value3Column], QString("107.32"));
        QVERIFY(QDateTime::fromString(c[timeColumn], "yyyy-MM-dd hh:mm:ss").isValid());
        QCOMPARE(c.mid(lightSourceColumn, 10), QStringList({"D65", "PX71", "8mm", "SCI", "CIEXYZ",
                                                            "ΔELab", "8/d", "CIE 10°", "1", "1"}));
        QCOMPARE(type->checkState(0), Qt::Unchecked);
        // The swatch of the reference white is a near-white.
        const QColor swatch = type->background(swatchColumn).color();
        QVERIFY(swatch.red() > 230 && swatch.green() > 230 && swatch.blue() > 200);
        QCOMPARE(tree->currentItem(), type);
    }

    void refusedWithoutInstrumentInformation()
    {
        model->setRowValue(
            model->parameterRow(measurementTreeRk::parameterIlluminationRow), QString());
        QSignalSpy lost(recorder, &readingRecorderRk::portInfoLostSignal);
        QVERIFY(!recorder->typeReading(50, 0, 0));
        QVERIFY(!recorder->sampleReading(50, 0, 0));
        QCOMPARE(lost.count(), 2);
        QCOMPARE(model->typeCount(), 0);
    }

    void sampleWithoutTypeAsksForOne()
    {
        QSignalSpy noType(recorder, &readingRecorderRk::noTypeYet);
        QVERIFY(!recorder->sampleReading(50, 0, 0));
        QCOMPARE(noType.count(), 1);
        QCOMPARE(promptRk::history().size(), 1);
        QCOMPARE(promptRk::history().first().text, QString("Please measure Type firstly!"));
    }

    void checkMarks()
    {
        recorder->typeReading(50, 0, 0);
        QTreeWidgetItem *single = model->lastType();
        tree->setCurrentItem(single);
        recorder->sampleReading(50, 0, 0);
        // One Sample: checking it leaves the Type as it was; unchecking unchecks it.
        single->child(0)->setCheckState(0, Qt::Checked);
        QCOMPARE(single->checkState(0), Qt::Unchecked);
        single->setCheckState(0, Qt::Checked);
        QCOMPARE(single->child(0)->checkState(0), Qt::Checked);
        single->child(0)->setCheckState(0, Qt::Unchecked);
        QCOMPARE(single->checkState(0), Qt::Unchecked);

        recorder->typeReading(50, 0, 0);
        QTreeWidgetItem *two = model->lastType();
        tree->setCurrentItem(two);
        recorder->sampleReading(50, 0, 0);
        recorder->sampleReading(50, 0, 0);
        two->setCheckState(0, Qt::Checked);
        QCOMPARE(two->child(0)->checkState(0), Qt::Checked);
        QCOMPARE(two->child(1)->checkState(0), Qt::Checked);
        two->child(0)->setCheckState(0, Qt::Unchecked);
        QCOMPARE(two->checkState(0), Qt::PartiallyChecked);
        two->child(1)->setCheckState(0, Qt::Unchecked);
        QCOMPARE(two->checkState(0), Qt::Unchecked);
        two->child(0)->setCheckState(0, Qt::Checked);
        two->child(1)->setCheckState(0, Qt::Checked);
        QCOMPARE(two->checkState(0), Qt::Checked);
        // A new unchecked Sample makes the checked Type partly checked.
        recorder->sampleReading(50, 0, 0);
        QCOMPARE(two->checkState(0), Qt::PartiallyChecked);
        // Deleting that Sample brings the Type back to checked.
        model->deleteItem(two->child(2));
        QCOMPARE(two->checkState(0), Qt::Checked);

        // Renaming the measurement (the root's text) unchecks everything.
        model->measurementRoot()->setText(0, "Measuring Name:Run 7");
        QCOMPARE(two->checkState(0), Qt::Unchecked);
        QCOMPARE(two->child(0)->checkState(0), Qt::Unchecked);
        // The information branches never get a check box.
        QVERIFY(model->instrumentInfoItem()->data(0, Qt::CheckStateRole).isNull());
        QVERIFY(model->parameterRow(0)->data(0, Qt::CheckStateRole).isNull());
    }

    void conditionChecks_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typeValue");
        QTest::addColumn<int>("mismatch");
        QTest::addColumn<QString>("messageStart");
        QTest::newRow("light source")
            << int(lightSourceColumn) << "A" << int(conditionCheck::lightSourceMismatch)
            << "Please change in measurement setup if light sources";
        QTest::newRow("caliber") << int(caliberColumn) << "4mm"
                                 << int(conditionCheck::caliberMismatch)
                                 << "Please use caliber consistent";
        QTest::newRow("light mode")
            << int(lightModeColumn) << "SCE" << int(conditionCheck::lightModeMismatch)
            << "Please change in measurement setup if containing";
        QTest::newRow("colour space")
            << int(colorSpaceColumn) << "CIELCH" << int(conditionCheck::colorSpaceMismatch)
            << "Please change in measurement setup if color splace";
        QTest::newRow("illumination")
            << int(illuminationColumn) << "d/8" << int(conditionCheck::illuminationMismatch)
            << "Please use illumination consistent";
        QTest::newRow("observer") << int(observerColumn) << "CIE 2°"
                                  << int(conditionCheck::observerMismatch)
                                  << "Please use observer consistent";
        QTest::newRow("average") << int(averageTimesColumn) << "3"
                                 << int(conditionCheck::averageMismatch)
                                 << "Please change in measurement setup if average";
        QTest::newRow("formula only")
            << int(formulaColumn) << "ΔE00" << int(conditionCheck::noMismatch) << "";
        QTest::newRow("instrument name of L*a*b*")
            << int(colorSpaceColumn) << "CIE1976LAB" << int(conditionCheck::noMismatch) << "";
    }
    void conditionChecks()
    {
        QFETCH(int, column);
        QFETCH(QString, typeValue);
        QFETCH(int, mismatch);
        QFETCH(QString, messageStart);
        QTreeWidgetItem *type = recorder->typeReading(50, 0, 0);
        type->setText(column, typeValue);
        QCOMPARE(int(conditionCheck::firstMismatch(type, conditions)), mismatch);
        const QString message = conditionCheck::message(conditionCheck::Mismatch(mismatch));
        if (messageStart.isEmpty())
            QVERIFY(message.isEmpty());
        else
            QVERIFY(message.startsWith(messageStart));
    }

    void itemConditionsAgainstAType()
    {
        QTreeWidgetItem *type = recorder->typeReading(50, 0, 0);
        tree->setCurrentItem(type);
        QTreeWidgetItem *sample = recorder->sampleReading(51, 0, 0);
        QCOMPARE(int(conditionCheck::firstMismatch(type, conditionCheck::conditionsOf(sample))),
                 int(conditionCheck::noMismatch));
        sample->setText(caliberColumn, "16mm");
        QCOMPARE(int(conditionCheck::firstMismatch(type, conditionCheck::conditionsOf(sample))),
                 int(conditionCheck::caliberMismatch));
    }

    void typeAverageOfThreeReadings()
    {
        conditions.averageTestTime = "3";
        recorder->setAverageMode(true);
        QTreeWidgetItem *type = recorder->typeReading(50, 10, 20);
        QCOMPARE(type->text(value1Column), QString("50"));
        QCOMPARE(type->text(averageTimesColumn), QString("3"));
        QCOMPARE(type->text(averageCountColumn), QString("1"));
        QVERIFY(recorder->averagingActive());

        QCOMPARE(recorder->typeReading(51, 11, 21), type);
        QCOMPARE(type->text(value1Column), QString("51.00"));
        QCOMPARE(type->text(value3Column), QString("21.00"));
        QCOMPARE(type->text(averageCountColumn), QString("2"));
        QCOMPARE(model->typeCount(), 1);

        QCOMPARE(recorder->typeReading(53, 12, 23), type);
        QCOMPARE(type->text(value1Column), QString("51.33"));
        QCOMPARE(type->text(value2Column), QString("11.00"));
        QCOMPARE(type->text(value3Column), QString("21.33"));
        QCOMPARE(type->text(averageCountColumn), QString("3"));
        QVERIFY(!recorder->averagingActive());
        QCOMPARE(recorder->readingCount(), 0);

        // The next reading starts a new Type.
        QVERIFY(recorder->typeReading(40, 0, 0) != type);
        QCOMPARE(model->typeCount(), 2);
    }

    // A reading that would join an average begun under other conditions (the
    // instrument's own key after a change) is not mixed in: a box says so
    // and the average waits; with its conditions back it goes on.  The
    // conditions may be chosen again once no average is unfinished.
    void averageKeepsItsFirstConditions_data()
    {
        QTest::addColumn<bool>("sample");
        QTest::newRow("Type") << false;
        QTest::newRow("Sample") << true;
    }
    void averageKeepsItsFirstConditions()
    {
        QFETCH(bool, sample);
        if (sample)
            tree->setCurrentItem(recorder->typeReading(40, 0, 0));
        conditions.averageTestTime = "2";
        recorder->setAverageMode(true);
        auto reading = [&](float L) {
            return sample ? recorder->sampleReading(L, 10, 20) : recorder->typeReading(L, 10, 20);
        };
        QTreeWidgetItem *item = reading(50);
        QVERIFY(item);
        QCOMPARE(recorder->unfinishedItem(), item);
        QVERIFY(recorder->mayChooseConditions("D65", "CIE1976LAB", "SCI"));
        QVERIFY(!recorder->mayChooseConditions("D65", "CIEXYZ", "SCI"));
        QVERIFY(!recorder->mayChooseConditions("A", "CIE1976L*a*b*", "SCI"));
        QVERIFY(!recorder->mayChooseConditions("D65", "CIE1976L*a*b*", "SCE"));
        QCOMPARE(promptRk::history().size(), 3);

        conditions.colorSpace = "CIEXYZ";
        QVERIFY(recorder->seriesConditionsChanged());
        QCOMPARE(reading(52), nullptr);
        QCOMPARE(item->text(averageCountColumn), QString("1"));
        QCOMPARE(promptRk::history().size(), 4);
        QVERIFY(promptRk::history().last().text.contains("begun under other measuring conditions"));

        conditions.colorSpace = "CIE1976L*a*b*";
        conditions.averageTestTime = "5"; // the readings per average may change
        QVERIFY(!recorder->seriesConditionsChanged());
        QCOMPARE(reading(52), item);
        QCOMPARE(columnsOf(item).mid(value1Column, 3), QStringList({"51.00", "10.00", "20.00"}));
        QCOMPARE(recorder->unfinishedItem(), nullptr);
        QVERIFY(recorder->mayChooseConditions("A", "CIEXYZ", "SCE"));
        QCOMPARE(promptRk::history().size(), 4);
    }

    void sampleReadingDuringTypeAverage_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("typesLeft");
        QTest::newRow("Yes keeps the Type") << int(QMessageBox::Yes) << 1;
        QTest::newRow("No removes the Type") << int(QMessageBox::No) << 0;
    }
    void sampleReadingDuringTypeAverage()
    {
        QFETCH(int, answer);
        QFETCH(int, typesLeft);
        conditions.averageTestTime = "3";
        recorder->setAverageMode(true);
        recorder->typeReading(50, 10, 20);
        promptRk::setNextAnswer(QMessageBox::StandardButton(answer));
        QVERIFY(!recorder->sampleReading(50, 10, 20));
        QCOMPARE(model->typeCount(), typesLeft);
        QCOMPARE(model->itemCount(), typesLeft);
        QCOMPARE(recorder->typeAveraging(), typesLeft == 1);
        QCOMPARE(promptRk::history().last().kind, promptRk::Question);
    }

    void deletingTheAveragedItemForgetsTheAverage()
    {
        conditions.averageTestTime = "3";
        recorder->setAverageMode(true);
        recorder->typeReading(50, 0, 0); // three readings make one Type
        recorder->typeReading(50, 0, 0);
        recorder->typeReading(50, 0, 0);
        QTreeWidgetItem *type = model->lastType();
        tree->setCurrentItem(type);
        recorder->sampleReading(50, 0, 0);
        QVERIFY(recorder->sampleAveraging());
        QCOMPARE(recorder->averagedType(), type);
        model->deleteItem(type);
        QVERIFY(!recorder->averagingActive());
        QVERIFY(!recorder->averagedType());
        // Readings after that go to new items, no question is asked.
        promptRk::clearHistory();
        QTreeWidgetItem *next = recorder->typeReading(40, 0, 0);
        QVERIFY(next);
        QVERIFY(promptRk::history().isEmpty());
    }

    void averagedItemHeldByIdentity_data()
    {
        QTest::addColumn<bool>("sampleSeries");
        QTest::addColumn<bool>("answerNo");
        QTest::newRow("Type series, Type added, next reading") << false << false;
        QTest::newRow("Type series, Type added, No") << false << true;
        QTest::newRow("Sample series, Sample added, next reading") << true << false;
        QTest::newRow("Sample series, Sample added, No") << true << true;
    }
    void averagedItemHeldByIdentity()
    {
        // An item added while a series runs (an upload, a manual input, a
        // library launch) neither takes the series' readings nor goes for it.
        QFETCH(bool, sampleSeries);
        QFETCH(bool, answerNo);
        conditions.averageTestTime = "3";
        recorder->setAverageMode(true);
        QTreeWidgetItem *averaged = nullptr;
        QTreeWidgetItem *added = nullptr;
        QTreeWidgetItem *parentType = nullptr;
        if (sampleSeries) {
            parentType = model->addTypeItem(50, 10, 20, "Type T001", givenColumns());
            averaged = recorder->sampleReading(52, 10, 20);
            added = model->addSampleItem(70, 0, 0, parentType, "Sample S002", givenColumns());
        } else {
            averaged = recorder->typeReading(50, 10, 20);
            added = model->addTypeItem(70, 0, 0, "Type T002", givenColumns());
        }
        QVERIFY(averaged && added);
        const QStringList addedBefore = columnsOf(added);

        if (answerNo) {
            // A reading of the other kind asks; "No" gives up the series.
            promptRk::setNextAnswer(QMessageBox::No);
            QVERIFY(sampleSeries ? !recorder->typeReading(40, 0, 0)
                                 : !recorder->sampleReading(40, 0, 0));
            QCOMPARE(promptRk::history().last().kind, promptRk::Question);
            QVERIFY(!recorder->averagingActive());
            QTreeWidgetItem *left =
                sampleSeries ? parentType->child(parentType->childCount() - 1) : model->lastType();
            QCOMPARE(left, added);
            QCOMPARE(model->itemCount(), sampleSeries ? 2 : 1);
            QCOMPARE(columnsOf(added), addedBefore);
            return;
        }
        if (sampleSeries)
            tree->setCurrentItem(parentType);
        for (const float L : {54.0f, 58.0f}) {
            QCOMPARE(sampleSeries ? recorder->sampleReading(L, 10, 20)
                                  : recorder->typeReading(L, 10, 20),
                     averaged);
        }
        QCOMPARE(averaged->text(averageCountColumn), QString("3"));
        QCOMPARE(averaged->text(value1Column), sampleSeries ? QString("54.67") : QString("54.00"));
        QCOMPARE(columnsOf(added), addedBefore);
        QVERIFY(!recorder->averagingActive());
    }

    void averageEndsByTheItemsOwnCount_data()
    {
        QTest::addColumn<bool>("sampleSeries");
        QTest::addColumn<QString>("newSetting");
        for (const bool sampleSeries : {false, true}) {
            const char *kind = sampleSeries ? "Sample" : "Type";
            QTest::addRow("%s, 3 then 2", kind) << sampleSeries << "2";
            QTest::addRow("%s, 3 then 4", kind) << sampleSeries << "4";
            QTest::addRow("%s, 3 then single readings", kind) << sampleSeries << "1";
        }
    }
    void averageEndsByTheItemsOwnCount()
    {
        // The setting changes after the first reading; the item still wants
        // its three readings, and after them the series is over.
        QFETCH(bool, sampleSeries);
        QFETCH(QString, newSetting);
        conditions.averageTestTime = "3";
        recorder->setAverageMode(true);
        QTreeWidgetItem *type = nullptr;
        if (sampleSeries) {
            type = model->addTypeItem(50, 10, 20, "Type T001", givenColumns());
            tree->setCurrentItem(type);
        }
        auto reading = [&](float L) {
            return sampleSeries ? recorder->sampleReading(L, 10, 20)
                                : recorder->typeReading(L, 10, 20);
        };
        QTreeWidgetItem *item = reading(50);
        QCOMPARE(item->text(averageTimesColumn), QString("3"));
        conditions.averageTestTime = newSetting;
        recorder->setAverageMode(newSetting.toInt() > 1);

        QStringList counts;
        for (const float L : {52.0f, 57.0f}) {
            QCOMPARE(reading(L), item);
            counts << item->text(averageCountColumn);
        }
        QCOMPARE(counts, QStringList({"2", "3"}));
        QCOMPARE(item->text(value1Column), QString("53.00"));
        QVERIFY(!recorder->averagingActive());

        // Nothing is left running: a reading of the other kind asks nothing
        // (so no "No" can take the finished item) and makes its own item.
        promptRk::clearHistory();
        QTreeWidgetItem *other =
            sampleSeries ? recorder->typeReading(41, 0, 0) : recorder->sampleReading(41, 0, 0);
        QVERIFY(other && other != item);
        QVERIFY(promptRk::history().isEmpty());
        QCOMPARE(other->text(averageTimesColumn), newSetting);
        QCOMPARE(item->text(averageCountColumn), QString("3"));
    }

    void automaticNamesNeverRepeat_data()
    {
        QTest::addColumn<bool>("samples");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("next");
        QTest::newRow("Types T003, T004 and a renamed third")
            << false << QStringList{"Type T003", "Type T004", "Reference"} << "Type T005";
        QTest::newRow("renamed last of three")
            << false << QStringList{"Type T001", "Type T002", "Blue"} << "Type T004";
        QTest::newRow("a run of taken numbers")
            << false << QStringList{"Type T004", "Type T005", "Type T006", "Blue"} << "Type T007";
        QTest::newRow("last number taken further up")
            << false << QStringList{"Type T002", "Type T001"} << "Type T003";
        QTest::newRow("look-alikes take nothing")
            << false << QStringList{"Type T0004", "Type T04", "Blue"} << "Type T004";
        QTest::newRow("after the largest number")
            << false << QStringList{"Type T001", "Type T2147483647"} << "Type T002";
        QTest::newRow("Samples S003, S004 and a renamed third")
            << true << QStringList{"Sample S003", "Sample S004", "Drop 3"} << "Sample S005";
        QTest::newRow("Samples in order")
            << true << QStringList{"Sample S001", "Sample S002"} << "Sample S003";
    }
    void automaticNamesNeverRepeat()
    {
        QFETCH(bool, samples);
        QFETCH(QStringList, existing);
        QFETCH(QString, next);
        QTreeWidgetItem *parent = model->measurementRoot();
        if (samples)
            parent = model->addTypeItem(50, 0, 0, "Type T001", givenColumns());
        for (const QString &name : existing) {
            if (samples)
                model->addSampleItem(50, 0, 0, parent, name, givenColumns());
            else
                model->addTypeItem(50, 0, 0, name, givenColumns());
        }
        if (samples)
            tree->setCurrentItem(parent);
        QTreeWidgetItem *made =
            samples ? recorder->sampleReading(50, 0, 0) : recorder->typeReading(50, 0, 0);
        QVERIFY(made);
        QCOMPARE(made->text(nameColumn), next);
    }

    // The numbers in use are remembered between readings; whatever happens
    // to the names in between is still seen by the next reading.
    void namesAfterChangesBetweenReadings_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("next");
        QTest::newRow("renamed into the next number") << 0 << "Type T004";
        QTest::newRow("last one deleted") << 1 << "Type T003";
        QTest::newRow("inserted further up by hand") << 2 << "Type T004";
    }
    void namesAfterChangesBetweenReadings()
    {
        QFETCH(int, change);
        QFETCH(QString, next);
        for (int i = 0; i < (change == 1 ? 3 : 2); ++i)
            QVERIFY(recorder->typeReading(50, 1, 2));
        if (change == 0) {
            model->type(0)->setText(nameColumn, "Type T003");
        } else if (change == 1) {
            model->deleteItem(model->type(2));
        } else {
            auto *item = new QTreeWidgetItem;
            item->setText(nameColumn, "Type T003");
            model->measurementRoot()->insertChild(0, item);
        }
        QTreeWidgetItem *made = recorder->typeReading(50, 1, 2);
        QVERIFY(made);
        QCOMPARE(made->text(nameColumn), next);
    }

    void renamingUnchecksEverything_data()
    {
        QTest::addColumn<bool>("languageSwitch");
        QTest::newRow("measurement renamed") << false;
        QTest::newRow("language switched") << true;
    }
    void renamingUnchecksEverything()
    {
        QFETCH(bool, languageSwitch);
        // One checked Sample of one (its Type stays unchecked), one of two
        // (partly checked), two of two (checked), none.
        const int samples[] = {1, 2, 2, 1};
        for (int t = 0; t < 4; ++t) {
            QTreeWidgetItem *type =
                model->addTypeItem(50, 0, 0, measurementTreeRk::typeName(t + 1), givenColumns());
            for (int k = 0; k < samples[t]; ++k)
                model->addSampleItem(50, 0, 0, type, measurementTreeRk::sampleName(k + 1),
                                     givenColumns());
        }
        model->type(0)->child(0)->setCheckState(0, Qt::Checked);
        model->type(1)->child(0)->setCheckState(0, Qt::Checked);
        model->type(2)->setCheckState(0, Qt::Checked);
        QCOMPARE(markStates(), QString("T0 S2 T1 S2 S0 T2 S2 S2 T0 S0"));

        if (languageSwitch)
            model->retranslate("Run 7");
        else
            model->measurementRoot()->setText(0, "measuring name:Run 7");
        QCOMPARE(markStates(), QString("T0 S0 T0 S0 S0 T0 S0 S0 T0 S0"));

        // The marks still follow the user afterwards.
        model->type(1)->child(1)->setCheckState(0, Qt::Checked);
        model->type(2)->setCheckState(0, Qt::Checked);
        model->type(2)->child(0)->setCheckState(0, Qt::Unchecked);
        QCOMPARE(markStates(), QString("T0 S0 T1 S0 S2 T1 S0 S2 T0 S0"));
    }

    void panelShowsTypeAgainstFirstSample()
    {
        infoPanelRk panel(model);
        recorder->typeReading(50, 10, 20);
        QTreeWidgetItem *type = model->lastType();
        tree->setCurrentItem(type);
        recorder->sampleReading(52.5, 9, 20); // S001
        recorder->sampleReading(60, 0, 0);    // S002, newest
        Tolerance tolerance;
        QVERIFY(panel.pressItem(type, tolerance));
        QTableWidget *data = panel.colorDataTable();
        QCOMPARE(panel.cell(data, 0, 1), QString("Type T001"));
        QCOMPARE(panel.cell(data, 0, 2), QString("Sample S001"));
        QCOMPARE(panel.cell(data, 1, 2), QString("52.50"));
        QCOMPARE(panel.cell(data, 1, 4), QString("2.50"));
        QCOMPARE(panel.cell(data, 2, 4), QString("-1.00"));
        QCOMPARE(panel.cell(data, 4, 4), QString("2.69"));
        QCOMPARE(panel.judgementCells(), QStringList({"White+ Black-", "Green+ Red-", "Normal",
                                                      "Fail", "Fail", "Pass", "Pass"}));
        QCOMPARE(panel.cell(panel.parameterTable(), 1, 7), QString("1/1"));

        // A difference that cannot be computed (FMC-II against black) reads
        // "--", as on the reports and in the workbook.
        conditions.colorDiffFormula = QString::fromUtf8("ΔEFCMⅡ");
        recorder->typeReading(0, 0, 0);
        tree->setCurrentItem(model->lastType());
        recorder->sampleReading(10, 1, 1);
        QVERIFY(panel.pressItem(model->lastType(), tolerance));
        QCOMPARE(panel.cell(data, 1, 4), QString("10.00"));
        QCOMPARE(panel.cell(data, 4, 4), QString("--"));
        conditions = labConditions();

        // A Type without Samples empties the Sample side.
        recorder->typeReading(40, 0, 0);
        QVERIFY(panel.pressItem(model->lastType(), tolerance));
        QCOMPARE(panel.cell(data, 1, 2), QString());
        QCOMPARE(panel.judgementCells(), QStringList({"", "", "", "", "", "", ""}));
        // The root and information items change nothing.
        QVERIFY(!panel.pressItem(model->measurementRoot(), tolerance));
        QVERIFY(!panel.pressItem(model->instrumentRow(0), tolerance));
    }
};

QTEST_MAIN(tst_measurementRecords)
#include "tst_measurementRecords.moc"
