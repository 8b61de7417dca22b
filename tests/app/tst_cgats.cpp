// CGATS files through the window as a user reaches them: the File menu's
// export of the checked items and import as Types, the library dialog's
// import, with the file names answered through the prompt seam.

#include "../support/conditionColumns.h"
#include "../support/settingsStore.h"
#include "MainWindows.h"
#include "cgatsFile.h"
#include "colorConversions.h"
#include "itemColumns.h"
#include "libraryFile.h"
#include "libraryTableModel.h"
#include "promptRk.h"
#include "standardLibraryRk.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cmath>

namespace {

QTreeWidgetItem *root(MainWindows &window)
{
    return window.measurementTree()->topLevelItem(2);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The last box the seam showed, or an empty record.
promptRk::Record lastBox()
{
    const QList<promptRk::Record> history = promptRk::history();
    for (int i = history.size() - 1; i >= 0; --i) {
        if (history[i].kind == promptRk::Warning || history[i].kind == promptRk::Information)
            return history[i];
    }
    return {promptRk::Information, QString(), QString()};
}

} // namespace

class tst_cgats : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        promptRk::setTesting(true);
    }
    void init()
    {
        promptRk::clearHistory();
        resetStore({{"fileDirectory", m_dir.filePath("library")}});
    }

    // Export of the checked items and import of the file as Types: the same
    // names, the same coordinates as the tree shows them, the conditions
    // kept; an item whose coordinates cannot be given as L*a*b* is named.
    void exportThenImportAsTypes()
    {
        MainWindows window;
        QTreeWidgetItem *t1 = window.addTypeItem(52.34f, -1.2f, 3.45f, "Type T001",
                                                 conditionColumns("CIE1976L*a*b*"));
        window.addSampleItem(53.1f, -1.5f, 3, t1, "Sample \"A\" 红 1",
                             conditionColumns("CIE1976L*a*b*"));
        QTreeWidgetItem *t2 =
            window.addTypeItem(19.8f, 20.12f, 22.07f, "Type T002", conditionColumns("CIEXYZ"));
        QTreeWidgetItem *t3 =
            window.addTypeItem(200, -3, 45, "Type T003", conditionColumns("sRGB"));
        window.addTypeItem(10, 10, 10, "Not checked", conditionColumns());
        for (QTreeWidgetItem *item : {t1, t2, t3})
            item->setCheckState(nameColumn, Qt::Checked);

        const QString path = m_dir.filePath("lot 5");
        promptRk::setNextFileName(path);
        window.action("exportToCgatsFcn")->trigger();
        QVERIFY(QFile::exists(path + ".txt"));
        QVERIFY2(lastBox().text.contains("Type T003"), qPrintable(lastBox().text));

        const int before = root(window)->childCount();
        promptRk::setNextFileName(path + ".txt");
        window.action("importCgatsTypesFcn")->trigger();
        QCOMPARE(root(window)->childCount(), before + 3);

        const QStringList names{"Type T001", "Sample \"A\" 红 1", "Type T002"};
        for (int i = 0; i < 3; ++i) {
            QTreeWidgetItem *type = root(window)->child(before + i);
            QCOMPARE(type->text(nameColumn), names[i]);
            QCOMPARE(type->text(colorSpaceColumn), QString("CIE1976L*a*b*"));
            QCOMPARE(type->text(lightSourceColumn), QString("D65"));
            QCOMPARE(type->text(observerColumn), QString("CIE 10°"));
            QCOMPARE(type->text(illuminationColumn), QString("8/d"));
            QCOMPARE(type->text(lightModeColumn), QString("SCI"));
            QCOMPARE(type->text(instrumentModelColumn), QString("PX71"));
            QCOMPARE(type->childCount(), 0);
        }
        QTreeWidgetItem *lab = root(window)->child(before);
        QCOMPARE((QStringList{lab->text(value1Column), lab->text(value2Column),
                              lab->text(value3Column)}),
                 (QStringList{"52.34", "-1.2", "3.45"}));
        QTreeWidgetItem *sample = root(window)->child(before + 1);
        QCOMPARE(sample->text(value1Column), QString("53.1"));
        // The XYZ Type comes back as L*a*b*: the same XYZ to two decimals.
        QTreeWidgetItem *xyz = root(window)->child(before + 2);
        const ColorTriple back =
            labToXyz(xyz->text(value1Column).toFloat(), xyz->text(value2Column).toFloat(),
                     xyz->text(value3Column).toFloat());
        QCOMPARE(QString::number(back[0], 'f', 2), QString("19.80"));
        QCOMPARE(QString::number(back[1], 'f', 2), QString("20.12"));
        QCOMPARE(QString::number(back[2], 'f', 2), QString("22.07"));
    }

    // The two commands stand after the CSV export in the File menu and
    // follow the language.
    void menuEntries()
    {
        MainWindows window;
        const QList<QAction *> file =
            window.menuBar()->actions().first()->menu()->actions();
        const int csv = file.indexOf(window.action("exportToCsvFcn"));
        QVERIFY(csv >= 0);
        QCOMPARE(file.value(csv + 1), window.action("exportToCgatsFcn"));
        QCOMPARE(file.value(csv + 2), window.action("importCgatsTypesFcn"));
        window.SimplifyFcn();
        QCOMPARE(window.action("exportToCgatsFcn")->text(), QString("导出为 CGATS…"));
        window.TraditionalFcn();
        QCOMPARE(window.action("importCgatsTypesFcn")->text(), QString("匯入 CGATS 為標樣…"));
        window.EnglishFcn();
    }

    // Nothing checked: the user is told, no file dialog opens.
    void exportWithNothingChecked()
    {
        MainWindows window;
        window.addTypeItem(50, 1, 2, "Type T001", conditionColumns());
        window.action("exportToCgatsFcn")->trigger();
        for (const promptRk::Record &record : promptRk::history())
            QVERIFY(record.kind != promptRk::SaveFileName);
        QVERIFY(lastBox().text.contains("Check the Types and Samples"));
    }

    // A spectral-only file is refused and names what is missing; a damaged
    // file gives the colours before the damage and says what was lost.
    void importRefusedAndDamaged()
    {
        MainWindows window;
        const QString spectral = m_dir.filePath("spectral.txt");
        QVERIFY(writeFile(spectral, "CGATS.17\nBEGIN_DATA_FORMAT\nSAMPLE_ID SPECTRAL_NM400 "
                                    "SPECTRAL_NM410\nEND_DATA_FORMAT\nBEGIN_DATA\n1 0.1 0.2\n"
                                    "END_DATA\n"));
        promptRk::setNextFileName(spectral);
        window.action("importCgatsTypesFcn")->trigger();
        QCOMPARE(root(window)->childCount(), 0);
        QVERIFY(lastBox().text.contains("spectral"));
        QVERIFY(lastBox().text.contains("LAB_L"));
        QVERIFY(lastBox().text.contains("XYZ_X"));

        const QString cut = m_dir.filePath("cut.txt");
        QVERIFY(writeFile(cut, "CGATS.17\r\nBEGIN_DATA_FORMAT\r\nSAMPLE_NAME LAB_L LAB_A LAB_B\r\n"
                               "END_DATA_FORMAT\r\nBEGIN_DATA\r\n\"one\" 1 2 3\r\n\"two\" 4 5 6\r\n"
                               "\"three\" 7"));
        promptRk::clearHistory();
        promptRk::setNextFileName(cut);
        window.action("importCgatsTypesFcn")->trigger();
        QCOMPARE(root(window)->childCount(), 2);
        QCOMPARE(root(window)->child(1)->text(nameColumn), QString("two"));
        QVERIFY(lastBox().text.contains("END_DATA"));
        QVERIFY(lastBox().text.contains("as Types: 2."));
    }

    // The library dialog's import: the colours become rows (a name the
    // library holds is passed over and said), written to the file when the
    // dialog closes, with the conditions the file states.
    void importIntoTheLibrary()
    {
        resetStore({{"fileDirectory", m_dir.filePath("library of the import")}});
        MainWindows window;
        standardLibraryRk *dialog = window.libraryDialog();
        dialog->show();
        const QString file = m_dir.filePath("refs.txt");
        QVERIFY(writeFile(file, "CGATS.17\n"
                                "MEASUREMENT_SOURCE \"Illumination=D50 ObserverAngle=2\"\n"
                                "BEGIN_DATA_FORMAT\nSAMPLE_ID SAMPLE_NAME LAB_L LAB_A LAB_B\n"
                                "END_DATA_FORMAT\nBEGIN_DATA\n"
                                "1 \"Red\" 45.2 60.1 40.3\n2 \"Blue\" 30.5 10.25 -50.75\n"
                                "3 \"Red\" 1 1 1\nEND_DATA\n"));
        promptRk::setNextFileName(file);
        QPushButton *button = dialog->findChild<QPushButton *>("importCgatsButton");
        QVERIFY(button);
        button->click();
        QCOMPARE(dialog->tableModel()->rowCount(), 2);
        QVERIFY(lastBox().text.contains("Red"));
        QVERIFY(dialog->hasUnsavedChanges());
        dialog->close();
        QVERIFY(!dialog->hasUnsavedChanges());

        QFile library(dialog->libraryFolder() + "/" + dialog->shownFile());
        QVERIFY(library.open(QIODevice::ReadOnly));
        const LibraryReadResult read = readLibraryFile(&library);
        QCOMPARE(read.entries.size(), 2);
        QCOMPARE(read.entries[0].name, QString("Red"));
        QCOMPARE(read.entries[0].order, 1);
        QCOMPARE(read.entries[0].colorSpace, QString("CIE1976L*a*b*"));
        QCOMPARE(read.entries[1].value, QString("L30.50  a10.25  b-50.75"));
        QCOMPARE(read.entries[1].lightSource, QString("D50"));
        QCOMPARE(read.entries[1].observer, QString("CIE 2°"));
    }
};

QTEST_MAIN(tst_cgats)
#include "tst_cgats.moc"
