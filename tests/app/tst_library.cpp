// The library with the main window: Types saved from the tree and launched
// back, the search by value against the information panel's own colour
// difference, the library folder setting, the boxes of the start-up reading
// and a library that cannot be written at quit.

#include "../library/libraryBytes.h"
#include "../support/lockedPath.h"
#include "../support/settingsStore.h"
#include "MainWindows.h"
#include "colorConversions.h"
#include "infoPanelRk.h"
#include "itemColumns.h"
#include "libraryFile.h"
#include "libraryTableModel.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "sharedState.h"
#include "standardLibraryRk.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

QStringList columns(const QString &space, const QString &formula,
                    const QString &model = QStringLiteral("PX71"))
{
    return {"2026-03-05 09:07:03",
            "F11(TL84)",
            model,
            "4mm",
            "SCE",
            space,
            formula,
            "8/d",
            "CIE 10°",
            "2",
            "2"};
}

QString text(double v)
{
    return QString::number(v, 'f', 2);
}

void click(standardLibraryRk *dialog, const char *name)
{
    QPushButton *button = dialog->findChild<QPushButton *>(name);
    QVERIFY2(button && button->isEnabled(), name);
    button->click();
}

void select(MainWindows &window, QTreeWidgetItem *item)
{
    window.measurementTree()->clearSelection();
    window.measurementTree()->setCurrentItem(item);
    item->setSelected(true);
}

} // namespace

class tst_library : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_count = 0;

    // A settings store whose library folder is a new, empty folder.
    QString freshFolder()
    {
        const QString folder = m_dir.filePath(QString::number(++m_count));
        resetStore({{"fileDirectory", folder}});
        return folder;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        promptRk::setTesting(true);
    }
    void init() { promptRk::clearHistory(); }

    // Saved before the dialog was ever opened (its labels are still those of
    // L*a*b*), each item keeps the labels of its own colour space, and the
    // launched Type has the coordinates, conditions and swatch it had.
    void saveAndLaunchInEveryColourSpace_data()
    {
        QTest::addColumn<QString>("space");
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<QString>("value");
        QTest::newRow("L*a*b*") << "CIE1976L*a*b*" << QVector<float>{52.34f, -1.2f, 3.45f}
                                << "L52.34  a-1.20  b3.45";
        QTest::newRow("LCh") << "CIELCH" << QVector<float>{61.5f, 25.25f, 314}
                             << "L61.50  c25.25  H314.00";
        QTest::newRow("XYZ") << "CIEXYZ" << QVector<float>{19.8f, 20.12f, 22.07f}
                             << "X19.80  Y20.12  Z22.07";
        QTest::newRow("Luv") << "CIELUV" << QVector<float>{52.1f, -0.5f, 10.25f}
                             << "L52.10  U-0.50  V10.25";
        QTest::newRow("Hunter") << "HunterLAB" << QVector<float>{52.34f, -1.2f, 3.45f}
                                << "HunterL52.34  HunterA-1.20  HunterB3.45";
        QTest::newRow("sRGB") << "sRGB" << QVector<float>{200, -3, 45} << "R200.00  G-3.00  B45.00";
    }
    void saveAndLaunchInEveryColourSpace()
    {
        QFETCH(QString, space);
        QFETCH(QVector<float>, values);
        QFETCH(QString, value);
        const QString folder = freshFolder();
        MainWindows window;
        standardLibraryRk *dialog = window.libraryDialog();
        QCOMPARE(dialog->libraryFolder(), folder);
        QVERIFY(!dialog->isVisible());
        measurementTreeRk *tree = window.treeModel();
        QTreeWidgetItem *original = window.addTypeItem(values[0], values[1], values[2], "Type T001",
                                                       columns(space, "ΔE00"));
        select(window, original);
        window.action("saveAsStandardFcn")->trigger();
        QVERIFY(dialog->isVisible());
        QVERIFY(promptRk::history().isEmpty());
        QCOMPARE(dialog->tableModel()->rowCount(), 1);
        const LibraryEntry saved = dialog->tableModel()->entry(0);
        QCOMPARE(saved.value, value);
        QCOMPARE(saved.colorSpace, space);

        dialog->tableModel()->setChecked(0, true);
        click(dialog, "launchButton");
        QCOMPARE(tree->typeCount(), 2);
        QTreeWidgetItem *launched = tree->type(1);
        QCOMPARE(window.measurementTree()->currentItem(), launched);
        for (int column : {int(nameColumn), int(value1Column), int(value2Column), int(value3Column),
                           int(timeColumn), int(lightSourceColumn), int(caliberColumn),
                           int(lightModeColumn), int(colorSpaceColumn), int(illuminationColumn),
                           int(observerColumn), int(averageTimesColumn), int(averageCountColumn)})
            QCOMPARE(launched->text(column), original->text(column));
        // No instrument: its model is the current one, empty; no formula.
        QCOMPARE(launched->text(instrumentModelColumn), QString());
        QCOMPARE(launched->text(formulaColumn), QString());
        QCOMPARE(launched->background(swatchColumn).color(),
                 original->background(swatchColumn).color());

        // Closing the window writes the library.
        window.close();
        QFile file(folder + "/default.scl");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const LibraryReadResult r = readLibraryFile(&file);
        QCOMPARE(r.entries.size(), 1);
        QCOMPARE(r.entries.at(0).value, value);
    }

    // A library that cannot be written keeps the window open with its
    // changes; once the write can succeed the close goes through.
    void closingWaitsForTheLibraryWrite()
    {
        const QString folder = freshFolder();
        MainWindows window;
        window.show();
        QTreeWidgetItem *type =
            window.addTypeItem(50, 1, 2, "Type T001", columns("CIE1976L*a*b*", "ΔE00"));
        select(window, type);
        window.action("saveAsStandardFcn")->trigger();
        QCOMPARE(window.libraryDialog()->tableModel()->rowCount(), 1);
        // The file's place is taken by a folder: no write can land there.
        QVERIFY(QFile::remove(folder + "/default.scl"));
        QVERIFY(QDir(folder).mkdir("default.scl"));

        promptRk::clearHistory();
        promptRk::setNextAnswer(QMessageBox::No); // the measurement is not saved
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QVERIFY(promptRk::history().last().text.startsWith(
            "Cannot write file " + QDir::toNativeSeparators(folder + "/default.scl") + ":\n"));
        QVERIFY(window.libraryDialog()->hasUnsavedChanges());

        QVERIFY(QDir(folder).rmdir("default.scl"));
        promptRk::setNextAnswer(QMessageBox::No);
        QVERIFY(window.close());
        QFile file(folder + "/default.scl");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(readLibraryFile(&file).entries.size(), 1);
    }

    void savingNeedsAnItem()
    {
        freshFolder();
        MainWindows window;
        window.action("saveAsStandardFcn")->trigger();
        QCOMPARE(promptRk::history().size(), 1);
        QCOMPARE(promptRk::history().first().title, QString("Tips"));
        QCOMPARE(promptRk::history().first().text, QString("No Type, Sample is selected!"));
        QVERIFY(!window.libraryDialog()->isVisible());
        window.action("saveAsStandard2Fcn")->trigger();
        QVERIFY(!window.libraryDialog()->isVisible());
    }

    void checkedItemsAndLaunchOrder()
    {
        freshFolder();
        MainWindows window;
        const QStringList c = columns("CIE1976L*a*b*", "ΔE00");
        QTreeWidgetItem *t1 = window.addTypeItem(50, 1, 1, "Type T001", c);
        window.addSampleItem(51, 1, 1, t1, "Sample S001", c);
        window.addSampleItem(52, 1, 1, t1, "Sample S002", c);
        QTreeWidgetItem *t2 = window.addTypeItem(60, 2, 2, "Type T002", c);
        QTreeWidgetItem *lone = window.addSampleItem(61, 2, 2, t2, "Sample S101", c);
        t1->setCheckState(nameColumn, Qt::Checked);
        // A single Sample checked leaves its Type unchecked: only it is saved.
        lone->setCheckState(nameColumn, Qt::Checked);
        QCOMPARE(t2->checkState(nameColumn), Qt::Unchecked);

        // Nothing while the measurement root is selected.
        select(window, window.treeModel()->measurementRoot());
        window.action("saveAsStandard2Fcn")->trigger();
        standardLibraryRk *dialog = window.libraryDialog();
        QCOMPARE(dialog->tableModel()->rowCount(), 0);

        window.measurementTree()->clearSelection();
        window.action("saveAsStandard2Fcn")->trigger();
        QVERIFY(dialog->isVisible());
        QStringList names;
        for (const LibraryEntry &e : dialog->tableModel()->entries())
            names << e.name + " " + QString::number(e.order);
        QCOMPARE(names,
                 QStringList({"Sample S101 1", "Type T001 2", "Sample S001 3", "Sample S002 4"}));

        dialog->findChild<QCheckBox *>("selectAllBox")->setChecked(true);
        dialog->tableModel()->setChecked(1, false);
        click(dialog, "launchButton");
        QStringList types;
        for (int t = 2; t < window.treeModel()->typeCount(); ++t)
            types << window.treeModel()->type(t)->text(nameColumn) + " " +
                         window.treeModel()->type(t)->text(value1Column);
        QCOMPARE(types, QStringList({"Sample S101 61", "Sample S001 51", "Sample S002 52"}));
    }

    // Every formula the measurement setting offers, and the default one: the
    // search reports the colour difference the panel shows for a Sample of
    // the Type.
    void searchByValueAgreesWithThePanel_data()
    {
        QTest::addColumn<QString>("space");
        QTest::addColumn<QString>("formula");
        const QVector<QPair<QString, QStringList>> offers = {
            {"CIE1976L*a*b*",
             {"ΔEL*a*b*", "ΔE00", "ΔECMC", "ΔEISO", "ΔECIE94", "ΔEFCMⅡ", "ΔELch", "△ELab"}},
            {"CIELCH", {"ΔELch"}},
            {"CIELUV", {"ΔELuv"}},
            {"HunterLAB", {"ΔEHunter"}},
            {"sRGB", {"ΔEsRGB"}},
            {"CIEXYZ",
             {"ΔEL*a*b*", "ΔE00", "ΔECMC", "ΔEISO", "ΔECIE94", "ΔEFCMⅡ", "ΔELch", "ΔELuv",
              "ΔEHunter"}},
        };
        for (const auto &offer : offers) {
            for (const QString &formula : offer.second)
                QTest::newRow(qPrintable(offer.first + " " + formula)) << offer.first << formula;
        }
    }
    void searchByValueAgreesWithThePanel()
    {
        QFETCH(QString, space);
        QFETCH(QString, formula);
        freshFolder();
        MainWindows window;
        MeasuringConditions conditions = window.state()->conditions();
        conditions.colorSpace = space;
        conditions.colorDiffFormula = formula;
        window.state()->setConditions(conditions);

        // A Type and a Sample of it, in the space's own coordinates.
        const QList<float> t = colorSpaceValues(52.5f, 8.25f, -12.5f, space);
        const QList<float> s = colorSpaceValues(54.25f, 6.5f, -11.0f, space);
        auto twoDecimals = [](float v) { return text(double(v)).toFloat(); };
        QTreeWidgetItem *type =
            window.addTypeItem(twoDecimals(t[0]), twoDecimals(t[1]), twoDecimals(t[2]), "Type T001",
                               columns(space, formula));
        QTreeWidgetItem *sample =
            window.addSampleItem(twoDecimals(s[0]), twoDecimals(s[1]), twoDecimals(s[2]), type,
                                 "Sample S001", columns(space, formula));
        window.treeItemIsPressed(sample, 0);
        const QString panel = window.infoPanel()->cell(window.infoPanel()->colorDataTable(), 4, 4);
        QVERIFY(!panel.isEmpty());

        select(window, type);
        window.action("saveAsStandardFcn")->trigger();
        window.action("standardLibraryFcn")->trigger();
        standardLibraryRk *dialog = window.libraryDialog();
        QCOMPARE(dialog->thresholdLabel(), formula + "<");
        dialog->findChild<QComboBox *>("findStyleBox")->setCurrentIndex(1);
        for (int i = 0; i < 3; ++i) {
            dialog->findChild<QLineEdit *>(QString("valueEdit%1").arg(i + 1))
                ->setText(text(double(s[i])));
        }
        dialog->findChild<QLineEdit *>("thresholdEdit")->setText("1000");
        click(dialog, "findButton");
        QCOMPARE(dialog->tableModel()->markedRow(), 0);
        QCOMPARE(dialog->tableModel()->entry(0).info, formula + "=" + panel);
    }

    // Unasked boxes of the start-up reading wait until the window is up; a
    // damaged file is not warned about again while it stays as it is.
    void startUpBoxesWaitForTheWindow()
    {
        const QString folder = freshFolder();
        QVERIFY(QDir().mkpath(folder));
        Bytes cut;
        cut.data = libraryMagic();
        cut.i32(1).text("Type T001").i32(4);
        QFile file(folder + "/a.scl");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cut.data);
        file.close();
        {
            MainWindows window;
            QVERIFY(promptRk::history().isEmpty());
            window.show();
            QTRY_COMPARE(promptRk::history().size(), 1);
            QVERIFY(promptRk::history().first().text.contains("is damaged after 0 complete"));
            QVERIFY(window.libraryDialog()->tableModel()->index(0, 2).data().toString() ==
                    "Incomplete");
            window.close();
        }
        MainWindows again;
        QCOMPARE(again.libraryDialog()->pendingNotices(), 0);
        QCOMPARE(again.libraryDialog()->tableModel()->rowCount(), 1);
    }

    void unwritableFolderAtStartUp()
    {
        const QString parent = m_dir.filePath("locked");
        QVERIFY(QDir().mkpath(parent));
        resetStore({{"fileDirectory", parent + "/Library"}});
        lockedPath locked(parent);
        if (!locked.locked())
            QSKIP("this file system cannot lock a folder");
        MainWindows window;
        QVERIFY(promptRk::history().isEmpty());
        QCOMPARE(window.libraryDialog()->pendingNotices(), 2);
        window.show();
        QTRY_COMPARE(promptRk::history().size(), 2);
        QCOMPARE(promptRk::history().first().text, QString("Folder creation failed!"));
        QVERIFY(promptRk::history().last().text.startsWith("Cannot write file "));
    }

    // The library file cannot be written at quit: one box offers another
    // file, and the Type lands there.
    void quitOffersAnotherFileForTheLibrary()
    {
        const QString folder = freshFolder();
        MainWindows window;
        lockedPath locked(folder + "/default.scl");
        if (!locked.locked())
            QSKIP("this file system cannot lock a file");
        select(window, window.addTypeItem(52.34f, -1.2f, 3.45f, "Type T001",
                                          columns("CIE1976L*a*b*", "ΔE00")));
        window.action("saveAsStandardFcn")->trigger();
        standardLibraryRk *dialog = window.libraryDialog();
        QVERIFY(dialog->hasUnsavedChanges());
        click(dialog, "exitButton");
        QCOMPARE(promptRk::history().size(), 1);
        QVERIFY(dialog->hasUnsavedChanges());

        promptRk::clearHistory();
        const QString rescue = m_dir.filePath("rescued.scl");
        promptRk::setNextAnswer(QMessageBox::No); // the measurement itself
        promptRk::setNextAnswer(QMessageBox::Save);
        promptRk::setNextFileName(rescue);
        window.close();
        QCOMPARE(promptRk::history().size(), 3);
        QVERIFY(promptRk::history().at(1).text.endsWith("Save the library in another file?"));
        QCOMPARE(promptRk::history().last().kind, promptRk::SaveFileName);
        QFile file(rescue);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const LibraryReadResult r = readLibraryFile(&file);
        QCOMPARE(r.entries.size(), 1);
        QCOMPARE(r.entries.at(0).value, QString("L52.34  a-1.20  b3.45"));
        QCOMPARE(QFileInfo(folder + "/default.scl").size(), 4);
    }

    void folderSetting()
    {
        // Empty: the application-data folder, with its default file.
        resetStore();
        {
            MainWindows window;
            const QString folder =
                QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                    .filePath("Library");
            QCOMPARE(window.libraryDialog()->libraryFolder(), folder);
            QVERIFY(QFile::exists(folder + "/default.scl"));
            window.close();
            QCOMPARE(QSettings("SoftWare Inc.", "qcm").value("fileDirectory").toString(),
                     QString());
        }

        // A chosen folder is kept for the next start.
        const QString first = freshFolder();
        const QString second = m_dir.filePath("chosen");
        {
            MainWindows window;
            QCOMPARE(window.libraryDialog()->libraryFolder(), first);
            promptRk::setNextFileName(second);
            window.action("standardLibraryFcn")->trigger();
            click(window.libraryDialog(), "pathButton");
            QCOMPARE(window.state()->libraryDirectory(), second);
            window.close();
        }
        QCOMPARE(QSettings("SoftWare Inc.", "qcm").value("fileDirectory").toString(), second);
        MainWindows again;
        QCOMPARE(again.libraryDialog()->libraryFolder(), second);
    }
};

QTEST_MAIN(tst_library)
#include "tst_library.moc"
