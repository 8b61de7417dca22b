// The commands of the "Operate" menu as a user gives them on the real window:
// boxes answered through the prompt seam, the two small dialogs driven through
// their line edits and buttons.

#include "../support/settingsStore.h"
#include "MainWindows.h"
#include "colorConversions.h"
#include "fastFindRk.h"
#include "itemColumns.h"
#include "itemOperationsRk.h"
#include "itemRenameRk.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "sharedState.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// Columns 5 to 15 of an item measured under D65 / 8mm / SCI / L*a*b*.
QStringList conditions(const QString &light = "D65")
{
    return {"2024-01-02 03:04:05",
            light,
            "PX71",
            "8mm",
            "SCI",
            "CIE1976L*a*b*",
            QString::fromUtf8("\u25B3ELab"),
            "8/d",
            QString::fromUtf8("CIE 10\u00B0"),
            "1",
            "1"};
}

// Types T001 (S001, S002) and T002 (S001, S002).
void fillTree(MainWindows &window)
{
    for (int t = 1; t <= 2; ++t) {
        QTreeWidgetItem *type =
            window.addTypeItem(50 + t, 1, 2, measurementTreeRk::typeName(t), conditions());
        for (int s = 1; s <= 2; ++s)
            window.addSampleItem(50 + t, 1 + s, 2, type, measurementTreeRk::sampleName(s),
                                 conditions());
    }
}

// "0" is the first Type, "1/0" the first Sample of the second Type, "root".
QTreeWidgetItem *itemAt(MainWindows &window, const QString &path)
{
    measurementTreeRk *tree = window.treeModel();
    if (path == "root")
        return tree->measurementRoot();
    const QStringList parts = path.split('/');
    QTreeWidgetItem *item = tree->type(parts[0].toInt());
    if (item && parts.size() > 1)
        item = item->child(parts[1].toInt());
    return item;
}

// "T001x[S001x,S002-] T002~[...]": names without their word, check states
// as x (checked), ~ (partially) and - (unchecked).
QString structure(MainWindows &window)
{
    auto mark = [](const QTreeWidgetItem *item) {
        switch (item->checkState(nameColumn)) {
        case Qt::Checked:
            return QStringLiteral("x");
        case Qt::PartiallyChecked:
            return QStringLiteral("~");
        default:
            return QStringLiteral("-");
        }
    };
    QStringList types;
    measurementTreeRk *tree = window.treeModel();
    for (int t = 0; t < tree->typeCount(); ++t) {
        QTreeWidgetItem *type = tree->type(t);
        QStringList samples;
        for (int s = 0; s < type->childCount(); ++s)
            samples << type->child(s)->text(nameColumn) + mark(type->child(s));
        types << type->text(nameColumn) + mark(type) + "[" + samples.join(',') + "]";
    }
    return types.join(' ').remove("Type ").remove("Sample ");
}

void selectOnly(MainWindows &window, const QString &path)
{
    window.measurementTree()->clearSelection();
    if (!path.isEmpty())
        itemAt(window, path)->setSelected(true);
}

QString lastBox()
{
    const QList<promptRk::Record> history = promptRk::history();
    return history.isEmpty() ? QString() : history.last().text;
}

QString infoLine(MainWindows &window)
{
    return window.serialPort()->findChild<QLabel *>("infoLabel")->text();
}

} // namespace

class tst_itemOperations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { promptRk::setTesting(true); }
    void init()
    {
        promptRk::clearHistory();
        resetStore();
    }

    void deleteChecked_data()
    {
        QTest::addColumn<QStringList>("checks");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("after");
        const QString all = "T001-[S001-,S002-] T002-[S001-,S002-]";
        QTest::newRow("nothing checked")
            << QStringList() << int(QMessageBox::Yes) << "There is no selected item!" << all;
        QTest::newRow("answer No")
            << QStringList{"0"} << int(QMessageBox::No) << "Do you want to delete the selected?"
            << "T001x[S001x,S002x] T002-[S001-,S002-]";
        QTest::newRow("whole Type")
            << QStringList{"0"} << int(QMessageBox::Yes) << "Do you want to delete the selected?"
            << "T002-[S001-,S002-]";
        QTest::newRow("one of two Samples")
            << QStringList{"1/1"} << int(QMessageBox::Yes) << "Do you want to delete the selected?"
            << "T001-[S001-,S002-] T002-[S001-]";
        QTest::newRow("Samples of both Types")
            << QStringList{"0/0", "1/0", "1/1"} << int(QMessageBox::Yes)
            << "Do you want to delete the selected?"
            << "T001-[S002-]";
    }
    void deleteChecked()
    {
        QFETCH(QStringList, checks);
        QFETCH(int, answer);
        MainWindows window;
        fillTree(window);
        for (const QString &path : checks)
            itemAt(window, path)->setCheckState(nameColumn, Qt::Checked);
        if (checks == QStringList{"1/1"})
            QCOMPARE(itemAt(window, "1")->checkState(nameColumn), Qt::PartiallyChecked);
        promptRk::setNextAnswer(QMessageBox::StandardButton(answer));
        window.action("deleteChooseItemFcn")->trigger();
        QTEST(lastBox(), "box");
        QTEST(structure(window), "after");
        if (answer == QMessageBox::Yes && !checks.isEmpty())
            QCOMPARE(infoLine(window), QString("Have been removed by the options!"));
    }

    void deleteAllSamples_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("after");
        QTest::newRow("a Type") << "0" << int(QMessageBox::Yes) << "T001-[] T002-[S001-,S002-]";
        QTest::newRow("a Sample") << "1/1" << int(QMessageBox::Yes) << "T001-[S001-,S002-] T002-[]";
        QTest::newRow("No") << "0" << int(QMessageBox::No)
                            << "T001-[S001-,S002-] T002-[S001-,S002-]";
        QTest::newRow("nothing selected")
            << "" << int(QMessageBox::Yes) << "T001-[S001-,S002-] T002-[S001-,S002-]";
    }
    void deleteAllSamples()
    {
        QFETCH(QString, selected);
        QFETCH(int, answer);
        MainWindows window;
        fillTree(window);
        selectOnly(window, selected);
        promptRk::setNextAnswer(QMessageBox::StandardButton(answer));
        window.action("deleteAllItemFcn")->trigger();
        QCOMPARE(lastBox(), QString("Delete all samples under the Type"));
        QTEST(structure(window), "after");
    }

    void rename_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown"); // the item's text afterwards
        QTest::newRow("a Sample") << "0/1"
                                  << "Red lot"
                                  << ""
                                  << "Red lot";
        QTest::newRow("a Type") << "1"
                                << "Blue 7"
                                << ""
                                << "Blue 7";
        QTest::newRow("like an automatic name but not one") << "1"
                                                            << "Type T01a"
                                                            << ""
                                                            << "Type T01a";
        QTest::newRow("to a Type's name") << "0/1"
                                          << "Type T002"
                                          << "Name existed, please rename!"
                                          << "Sample S002";
        QTest::newRow("to its own name") << "0/1"
                                         << "Sample S002"
                                         << "Name existed, please rename!"
                                         << "Sample S002";
        QTest::newRow("automatic Type name") << "0"
                                             << "Type T009"
                                             << "Name and software name conflicting!"
                                             << "Type T001";
        QTest::newRow("automatic name without digits") << "0/0"
                                                       << "Sample S"
                                                       << "Name and software name conflicting!"
                                                       << "Sample S001";
        QTest::newRow("Simplified Chinese automatic name")
            << "0" << QString::fromUtf8("标样 T12") << "Name and software name conflicting!"
            << "Type T001";
        QTest::newRow("Traditional Chinese automatic name")
            << "0/0" << QString::fromUtf8("試樣 S3") << "Name and software name conflicting!"
            << "Sample S001";
        QTest::newRow("empty") << "0"
                               << ""
                               << "The name must not be empty!"
                               << "Type T001";
        QTest::newRow("blanks") << "root"
                                << "   "
                                << "The name must not be empty!"
                                << "Measuring Name:New Measurement";
        QTest::newRow("the measurement") << "root"
                                         << "Batch 7"
                                         << ""
                                         << "Measuring Name:Batch 7";
        QTest::newRow("nothing selected") << ""
                                          << "x"
                                          << "No measurement/Type/sample selected!"
                                          << "";
    }
    void rename()
    {
        QFETCH(QString, selected);
        QFETCH(QString, name);
        QFETCH(QString, box);
        MainWindows window;
        window.show();
        fillTree(window);
        selectOnly(window, selected);
        itemRenameRk *dialog = window.operations()->renameDialog();
        window.action("itemRenameFcn")->trigger();
        if (selected.isEmpty()) {
            QTEST(lastBox(), "box");
            QVERIFY(!dialog->isVisible());
            return;
        }
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->okButton()->isEnabled());
        if (selected == "root")
            QCOMPARE(dialog->nameEdit()->text(), QString("New Measurement"));
        else
            QCOMPARE(dialog->nameEdit()->text(), itemAt(window, selected)->text(nameColumn));
        QVERIFY(dialog->nameEdit()->hasSelectedText());
        dialog->nameEdit()->clear();
        dialog->nameEdit()->insert(name); // as typed (or pasted)
        QVERIFY(dialog->okButton()->isEnabled());
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(lastBox(), box);
        QTEST(itemAt(window, selected)->text(nameColumn), "shown");
        if (box.isEmpty())
            QCOMPARE(infoLine(window), QString("Rename Successfully"));
        if (selected == "root" && box.isEmpty()) {
            QCOMPARE(window.treeModel()->printRow(measurementTreeRk::printNameRow)->text(1),
                     QString("[Batch 7]"));
            QCOMPARE(window.measurementName(), QString("Batch 7"));
        }
    }

    void quickSearch_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("shown"); // per OK: a path, or "!" for the box
        QTest::newRow("Types, case ignored") << "t0" << QStringList{"0", "1", "!", "0", "1"};
        QTest::newRow("Samples of both Types") << "s002" << QStringList{"0/1", "1/1", "!", "0/1"};
        QTest::newRow("no match") << "zz" << QStringList{"!", "!"};
        QTest::newRow("one match") << "T002" << QStringList{"1", "!", "1"};
    }
    void quickSearch()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, shown);
        MainWindows window;
        window.show();
        fillTree(window);
        fastFindRk *dialog = window.operations()->findDialog();
        window.action("fastFindFcn")->trigger();
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->okButton()->isEnabled());
        QTest::keyClicks(dialog->keyEdit(), key);
        for (const QString &expected : shown) {
            promptRk::clearHistory();
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            if (expected == "!") {
                QCOMPARE(lastBox(), QString("search all items!"));
                QCOMPARE(promptRk::history().last().title, QString("tips"));
                continue;
            }
            QVERIFY(promptRk::history().isEmpty());
            QTreeWidgetItem *item = itemAt(window, expected);
            QCOMPARE(window.measurementTree()->currentItem(), item);
            QCOMPARE(window.measurementTree()->selectedItems(), QList<QTreeWidgetItem *>{item});
            QCOMPARE(infoLine(window), QString("Search Finished"));
        }
    }

    void invert_data()
    {
        QTest::addColumn<QStringList>("checks");
        QTest::addColumn<QString>("once");
        QTest::addColumn<QString>("twice");
        QTest::newRow("nothing checked")
            << QStringList() << "T001x[S001x,S002x] T002x[S001x] T003x[]"
            << "T001-[S001-,S002-] T002-[S001-] T003-[]";
        QTest::newRow("one Sample of two")
            << QStringList{"0/0"} << "T001~[S001-,S002x] T002x[S001x] T003x[]"
            << "T001~[S001x,S002-] T002-[S001-] T003-[]";
        QTest::newRow("every Sample of a Type")
            << QStringList{"0/0", "0/1"} << "T001-[S001-,S002-] T002x[S001x] T003x[]"
            << "T001x[S001x,S002x] T002-[S001-] T003-[]";
    }
    void invert()
    {
        QFETCH(QStringList, checks);
        MainWindows window;
        fillTree(window);
        // The second Type keeps one Sample and the third has none: their own
        // marks are the ones toggled.
        window.treeModel()->deleteItem(itemAt(window, "1/1"));
        window.addTypeItem(50, 1, 2, "Type T003", conditions());
        for (const QString &path : checks)
            itemAt(window, path)->setCheckState(nameColumn, Qt::Checked);
        window.action("selectionAllFcn")->trigger();
        QTEST(structure(window), "once");
        window.action("selectionAllFcn")->trigger();
        QTEST(structure(window), "twice");
    }

    void setAs_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("checks");
        QTest::addColumn<QString>("sourceLight");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("after");
        const QString before = "T001-[S001-,S002-] T002-[S001-,S002-]";
        QTest::newRow("new Type from a Sample") << "itemSetAsNewTypeFcn"
                                                << "1/0" << QStringList() << "D65"
                                                << "" << before + " T003-[]";
        QTest::newRow("new Type, nothing selected") << "itemSetAsNewTypeFcn"
                                                    << "" << QStringList() << "D65"
                                                    << "No Type, Sample is selected!" << before;
        QTest::newRow("new Type, the root selected") << "itemSetAsNewTypeFcn"
                                                     << "root" << QStringList() << "D65"
                                                     << "No Type, Sample is selected!" << before;
        QTest::newRow("Sample of two checked Types")
            << "itemSetAsCheckItemSampleFcn"
            << "0/1" << QStringList{"0", "1"} << "D65"
            << ""
            << "T001~[S001x,S002x,S003-] T002~[S001x,S002x,S003-]";
        QTest::newRow("Sample, nothing checked") << "itemSetAsCheckItemSampleFcn"
                                                 << "0/1" << QStringList() << "D65"
                                                 << "" << before;
        QTest::newRow("Sample of another light")
            << "itemSetAsCheckItemSampleFcn"
            << "0/1" << QStringList{"1"} << "A"
            << "Please change in measurement setup if light sources don\u2019t \nagree with Type!"
            << "T001-[S001-,S002-] T002x[S001x,S002x]";
        QTest::newRow("the instrument's name of the same light")
            << "itemSetAsCheckItemSampleFcn"
            << "0/1" << QStringList{"1"} << "F11"
            << ""
            << "T001-[S001-,S002-] T002~[S001x,S002x,S003-]";
    }
    void setAs()
    {
        QFETCH(QString, command);
        QFETCH(QString, selected);
        QFETCH(QStringList, checks);
        QFETCH(QString, sourceLight);
        QFETCH(QString, box);
        MainWindows window;
        fillTree(window);
        if (sourceLight != "D65") {
            // The target Types measured under the system's name of the light.
            for (int t = 0; t < 2; ++t)
                itemAt(window, QString::number(t))
                    ->setText(lightSourceColumn, sourceLight == "F11" ? "F11(TL84)" : "D65");
        }
        QTreeWidgetItem *source =
            selected.isEmpty() || selected == "root" ? nullptr : itemAt(window, selected);
        if (source) {
            // An item of another colour space, whose swatch is not its
            // coordinates read as L*a*b*.
            if (command == "itemSetAsNewTypeFcn")
                source->setText(colorSpaceColumn, "CIEXYZ");
            source->setText(lightSourceColumn, sourceLight);
            source->setText(value1Column, "12.5");
            source->setBackground(swatchColumn, QColor("#123456"));
        }
        for (const QString &path : checks)
            itemAt(window, path)->setCheckState(nameColumn, Qt::Checked);
        selectOnly(window, selected);
        promptRk::clearHistory();
        window.action(command)->trigger();
        QCOMPARE(lastBox(), box);
        if (sourceLight == "A")
            return; // the colour spaces differ too, but the light is checked first
        QTEST(structure(window), "after");
        if (!box.isEmpty() || !source || (command != "itemSetAsNewTypeFcn" && checks.isEmpty()))
            return;
        // Every copy carries the source's swatch, coordinates and conditions.
        QList<QTreeWidgetItem *> copies;
        measurementTreeRk *tree = window.treeModel();
        if (command == "itemSetAsNewTypeFcn")
            copies << tree->lastType();
        for (const QString &path : checks)
            copies << itemAt(window, path + "/2");
        QVERIFY(!copies.isEmpty());
        for (QTreeWidgetItem *copy : copies) {
            QVERIFY(copy);
            QCOMPARE(copy->background(swatchColumn).color(), QColor("#123456"));
            for (int column = value1Column; column <= averageCountColumn; ++column)
                QCOMPARE(copy->text(column), source->text(column));
        }
        if (command == "itemSetAsNewTypeFcn")
            QCOMPARE(window.measurementTree()->currentItem(), copies.first());
    }

    // The two dialogs are not modal: their items may go while they are open.
    void dialogsOutliveTheirItems_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("delete checked") << "delete";
        QTest::newRow("delete a Type's Samples") << "deleteSamples";
        QTest::newRow("new measurement") << "new";
    }
    void dialogsOutliveTheirItems()
    {
        QFETCH(QString, how);
        MainWindows window;
        window.show();
        fillTree(window);
        // Rename open on the second Sample of the first Type.
        selectOnly(window, "0/1");
        window.action("itemRenameFcn")->trigger();
        itemRenameRk *rename = window.operations()->renameDialog();
        QVERIFY(rename->isVisible());
        // Quick search for every "S00" with the first match shown.
        fastFindRk *find = window.operations()->findDialog();
        window.action("fastFindFcn")->trigger();
        QTest::keyClicks(find->keyEdit(), "S00");
        QTest::mouseClick(find->okButton(), Qt::LeftButton);
        QCOMPARE(window.measurementTree()->currentItem(), itemAt(window, "0/0"));

        if (how == "delete") {
            itemAt(window, "0")->setCheckState(nameColumn, Qt::Checked);
            promptRk::setNextAnswer(QMessageBox::Yes);
            window.action("deleteChooseItemFcn")->trigger();
        } else if (how == "deleteSamples") {
            selectOnly(window, "0");
            promptRk::setNextAnswer(QMessageBox::Yes);
            window.action("deleteAllItemFcn")->trigger();
        } else {
            promptRk::setNextAnswer(QMessageBox::No); // do not save
            window.action("newFile")->trigger();
        }
        QVERIFY(!rename->isVisible());
        QCOMPARE(rename->item(), nullptr);
        for (QTreeWidgetItem *match : find->matches())
            QVERIFY(window.treeModel()->isSample(match));

        // OK of the rename dialog renames nothing; the search goes on with
        // what is left.
        rename->OKButtonFcn();
        promptRk::clearHistory();
        QTest::mouseClick(find->okButton(), Qt::LeftButton);
        if (how == "new") {
            QCOMPARE(lastBox(), QString("search all items!"));
        } else {
            // The second Type's Samples are what is left of the matches.
            const QString type = how == "delete" ? "0" : "1";
            QCOMPARE(itemAt(window, type)->text(nameColumn), QString("Type T002"));
            QCOMPARE(window.measurementTree()->currentItem(), itemAt(window, type + "/0"));
            QTest::mouseClick(find->okButton(), Qt::LeftButton);
            QCOMPARE(window.measurementTree()->currentItem(), itemAt(window, type + "/1"));
            QTest::mouseClick(find->okButton(), Qt::LeftButton);
            QCOMPARE(lastBox(), QString("search all items!"));
        }
    }
};

QTEST_MAIN(tst_itemOperations)
#include "tst_itemOperations.moc"
