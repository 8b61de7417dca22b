// The measuring-file commands of the window: save, load, the title, the
// modification test, the recent list and the failures a user can meet.

#include "../support/conditionColumns.h"
#include "../support/emulatorProcess.h"
#include "../support/measuringRecords.h"
#include "../support/settingsStore.h"
#include "MainWindows.h"
#include "itemOperationsRk.h"
#include "itemRenameRk.h"
#include "libraryTableModel.h"
#include "measurementTreeRk.h"
#include "printMsgConfigRk.h"
#include "promptRk.h"
#include "sharedState.h"
#include "standardLibraryRk.h"
#include "testRk.h"
#include "toleranceRk.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <QScopeGuard>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Two Types: the first with three Samples, the second with none.
void fillTree(MainWindows &window)
{
    QTreeWidgetItem *t1 = window.addTypeItem(50, 12.3f, -4, "Type T001", conditionColumns());
    for (int i = 1; i <= 3; ++i)
        window.addSampleItem(50.5f + i, 12, -4.25f, t1, measurementTreeRk::sampleName(i),
                             conditionColumns());
    window.addTypeItem(70, 0, 0, "Type T002", conditionColumns());
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

const QString saveQuestion = "The document has been modified.\nDo you want to save your changes?";

int saveQuestionsAsked()
{
    int asked = 0;
    for (const promptRk::Record &record : promptRk::history())
        asked += record.text == saveQuestion;
    return asked;
}

// What a measuring file keeps: the tolerance, the print texts and every
// column text of every Type and Sample.
QStringList fileContent(MainWindows &window)
{
    QStringList lines{window.tolerance().join(' '), window.state()->printInfo().texts().join('|')};
    auto line = [](const QTreeWidgetItem *item) {
        QStringList texts;
        for (int column = 0; column < 16; ++column)
            texts << item->text(column);
        return texts.join('|');
    };
    measurementTreeRk *tree = window.treeModel();
    for (int t = 0; t < tree->typeCount(); ++t) {
        lines << line(tree->type(t));
        for (int s = 0; s < tree->type(t)->childCount(); ++s)
            lines << "  " + line(tree->type(t)->child(s));
    }
    return lines;
}

void select(MainWindows &window, QTreeWidgetItem *item)
{
    window.measurementTree()->clearSelection();
    window.measurementTree()->setCurrentItem(item);
    item->setSelected(true);
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Checks `item` and deletes the checked items, answering Yes.
void deleteChecked(MainWindows &window, QTreeWidgetItem *item)
{
    item->setCheckState(0, Qt::Checked);
    promptRk::setNextAnswer(QMessageBox::Yes);
    window.action("deleteChooseItemFcn")->trigger();
}

// The commands that put another measurement in place of this one, or end it.
enum Command
{
    newCommand,
    openCommand,
    recentCommand,
    dropCommand,
    closeCommand
};

// Gives `command` as a user does, answering "save changes?" with `answer`;
// Open, a recent entry and a drop bring `other`.
void give(MainWindows &window, Command command, QMessageBox::StandardButton answer,
          const QString &other)
{
    promptRk::setNextAnswer(answer);
    switch (command) {
    case newCommand:
        window.action("newFile")->trigger();
        break;
    case openCommand:
        if (answer != QMessageBox::Cancel)
            promptRk::setNextFileName(other);
        window.action("open")->trigger();
        break;
    case recentCommand:
        for (QAction *recent : window.recentFileActions()) {
            if (recent->isVisible() && recent->data().toString() == other) {
                recent->trigger();
                return;
            }
        }
        QFAIL("the other file is not among the recent files");
        break;
    case dropCommand: {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(other)});
        // The drop goes where the drag entered.
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        break;
    }
    case closeCommand:
        window.close();
        break;
    }
}

} // namespace

class tst_measuringFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    // lot: the two Types of fillTree; other: one Type.
    QByteArray lotBytes, otherBytes;

private slots:
    void initTestCase()
    {
        promptRk::setTesting(true);
        resetStore();
        MainWindows window;
        fillTree(window);
        QVERIFY(window.saveFile(dir.filePath("template.qcm")));
        lotBytes = fileBytes(dir.filePath("template.qcm"));
        window.newFile();
        window.addTypeItem(30, 1, 1, "Other", conditionColumns());
        QVERIFY(window.saveFile(dir.filePath("template.qcm")));
        otherBytes = fileBytes(dir.filePath("template.qcm"));
    }
    void init()
    {
        resetStore();
        promptRk::clearHistory();
    }

    void saveLoadSaveGivesTheSameBytes()
    {
        const QString first = dir.filePath("first.qcm");
        const QString second = dir.filePath("second.qcm");
        {
            MainWindows window;
            fillTree(window);
            window.setTolerance("1.5", "1", "1.25", "2", "2", "0.5", "0.75");
            QVERIFY(window.saveFile(first));
        }
        MainWindows window;
        QVERIFY(window.openFileAtStart(first));
        QCOMPARE(window.treeModel()->typeCount(), 2);
        QCOMPARE(window.treeModel()->type(0)->childCount(), 3);
        QCOMPARE(window.treeModel()->type(0)->child(2)->text(0), QString("Sample S003"));
        QCOMPARE(window.treeModel()->type(0)->text(3), QString("12.3"));
        QCOMPARE(window.tolerance().first(), QString("1.50"));
        QVERIFY(!window.isModified());
        QVERIFY(window.saveFile(second));
        QCOMPARE(fileBytes(second), fileBytes(first));
        // The file starts with the magic and the first tolerance text.
        QCOMPARE(fileBytes(first).left(16).toHex(), QByteArray("55aa3434000000080031002e0035"
                                                               "0030"));
    }

    void loadsFilesOfEveryLanguage_data()
    {
        QTest::addColumn<QString>("savedUnder");
        QTest::addColumn<QString>("loadedUnder");
        const QStringList codes = {"en_US", "zh_CN", "zh_TW"};
        for (const QString &saved : codes)
            for (const QString &loaded : codes)
                QTest::addRow("%s to %s", qPrintable(saved), qPrintable(loaded)) << saved << loaded;
    }
    void loadsFilesOfEveryLanguage()
    {
        QFETCH(QString, savedUnder);
        QFETCH(QString, loadedUnder);
        const QString path = dir.filePath("lang-" + savedUnder + ".qcm");
        {
            resetStore({{"languageChoose", savedUnder}});
            MainWindows window;
            fillTree(window);
            QVERIFY(window.saveFile(path));
        }
        resetStore({{"languageChoose", loadedUnder}});
        MainWindows window;
        QVERIFY(window.loadFile(path));
        QCOMPARE(window.treeModel()->typeCount(), 2);
        QCOMPARE(window.treeModel()->itemCount(), 5);
    }

    void modifiedTitleAndRecentFiles()
    {
        MainWindows window;
        QCOMPARE(window.windowTitle(), QString("Color Software QCM  Untitled [*] - QCM"));
        QVERIFY(!window.isModified());
        fillTree(window);
        QVERIFY(window.isModified());

        const QString path = dir.filePath("run1.qcm");
        promptRk::setNextFileName(path);
        QVERIFY(window.saveAs());
        QCOMPARE(window.windowTitle(), QString("Color Software QCM  run1.qcm - QCM"));
        QCOMPARE(window.statusBar()->currentMessage(), QString("File saved"));
        QCOMPARE(window.recentFiles().first(), path);
        QVERIFY(!window.isModified());

        QTreeWidgetItem *type = window.treeModel()->type(0);
        QTreeWidgetItem *sample =
            window.addSampleItem(1, 2, 3, type, "Sample S004", conditionColumns());
        QVERIFY(window.isModified());
        // Back to the saved count, but changed since the save all the same.
        window.treeModel()->deleteItem(sample);
        QVERIFY(window.isModified());
        QCOMPARE(window.windowTitle(), QString("Color Software QCM  run1.qcm - QCM"));

        // Closing a modified measurement asks; Cancel keeps the window open.
        window.addTypeItem(1, 2, 3, "Type T003", conditionColumns());
        promptRk::setNextAnswer(QMessageBox::Cancel);
        QVERIFY(!window.close());
        QCOMPARE(promptRk::history().last().text,
                 QString("The document has been modified.\nDo you want to save your changes?"));
        // New asks too; No discards.
        promptRk::setNextAnswer(QMessageBox::No);
        window.newFile();
        QCOMPARE(window.treeModel()->itemCount(), 0);
        QCOMPARE(window.windowTitle(), QString("Color Software QCM  Untitled [*] - QCM"));
    }

    // Changes that leave the number of Types and Samples as it was saved: each
    // is asked about by every command that would drop it, Cancel keeps it,
    // and Yes writes it into the file before the command goes on.
    void changesOfTheSameCountAreAskedAbout_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("savedBy");
        QTest::newRow("Sample renamed") << "rename" << int(newCommand);
        QTest::newRow("measurement renamed") << "rename root" << int(openCommand);
        QTest::newRow("Type checked for printing") << "check" << int(closeCommand);
        QTest::newRow("tolerance") << "tolerance" << int(recentCommand);
        QTest::newRow("print information") << "print" << int(dropCommand);
        QTest::newRow("Type launched from the library") << "library" << int(closeCommand);
        QTest::newRow("Sample deleted, another measured") << "measure Sample" << int(openCommand);
        QTest::newRow("Type deleted, measured again") << "measure Type" << int(newCommand);
    }
    void changesOfTheSameCountAreAskedAbout()
    {
        QFETCH(QString, change);
        QFETCH(int, savedBy);
        const QString lot = dir.filePath("lot.qcm");
        const QString other = dir.filePath("other.qcm");
        QVERIFY(writeBytes(lot, lotBytes) && writeBytes(other, otherBytes));
        resetStore({{"fileDirectory", dir.filePath("library-" + change)}});
        emulatorProcess emulator;
        const bool measuring = change.startsWith("measure");
        if (measuring) {
            QVERIFY(emulator.start({"--colors", "61,-2,3.5"}));
            qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        }
        const auto unset = qScopeGuard([] { qunsetenv("QCM_SERIAL_PORT"); });

        MainWindows window;
        window.show();
        QVERIFY(window.openFileAtStart(other));
        QVERIFY(window.openFileAtStart(lot));
        QVERIFY(!window.isModified());
        const QStringList before = fileContent(window);
        measurementTreeRk *tree = window.treeModel();
        if (change == "rename" || change == "rename root") {
            select(window, change == "rename" ? tree->type(0)->child(0) : tree->measurementRoot());
            window.action("itemRenameFcn")->trigger();
            itemRenameRk *dialog = window.operations()->renameDialog();
            dialog->nameEdit()->clear();
            QTest::keyClicks(dialog->nameEdit(), "Lot 9");
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        } else if (change == "check") {
            tree->type(1)->setCheckState(0, Qt::Checked); // as a click on its box does
        } else if (change == "tolerance") {
            window.action("setTolerance")->trigger();
            auto *dialog = window.findChild<toleranceRk *>();
            typeInto(dialog->findChild<QLineEdit *>("delatE"), "0.8");
            QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);
        } else if (change == "print") {
            window.action("configuration")->trigger();
            printMsgConfigRk *dialog = window.printInfoDialog();
            typeInto(dialog->edit(printMsgConfigRk::companyRow), "Acme Paints");
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        } else if (change == "library") {
            // Type T002 into the library, deleted from the tree, launched back
            // with the values the library holds.
            select(window, tree->type(1));
            window.action("saveAsStandardFcn")->trigger();
            standardLibraryRk *library = window.libraryDialog();
            QCOMPARE(library->tableModel()->rowCount(), 1);
            deleteChecked(window, tree->type(1));
            QCOMPARE(tree->typeCount(), 1);
            library->tableModel()->setChecked(0, true);
            library->findChild<QPushButton *>("launchButton")->click();
        } else if (measuring) {
            // Through the button panel, against the instrument emulator.
            const bool type = change == "measure Type";
            deleteChecked(window, type ? tree->type(1) : tree->type(0)->child(1));
            QTRY_VERIFY_WITH_TIMEOUT(window.instrumentConnected(), 15000);
            window.measurementTree()->setCurrentItem(tree->type(0));
            window.action("stTestUiFcn")->trigger();
            QPushButton *button = window.findChild<testRk *>()->findChild<QPushButton *>(
                type ? "typeButton" : "sampleButton");
            QTRY_VERIFY(button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(tree->itemCount(), 5, 10000);
            QTreeWidgetItem *measured = type ? tree->type(1) : tree->type(0)->child(2);
            QCOMPARE(measured->text(nameColumn), QString(type ? "Type T002" : "Sample S004"));
            QCOMPARE(measured->text(value1Column), QString("61"));
        }
        const QStringList changed = fileContent(window);
        // Check marks are not kept in the file; everything else is.
        QCOMPARE(changed == before, change == "check");
        QCOMPARE(tree->itemCount(), 5); // as many as the file holds
        QCOMPARE(window.windowTitle(), QString("Color Software QCM  lot.qcm - QCM"));

        for (Command command :
             {newCommand, openCommand, recentCommand, dropCommand, closeCommand}) {
            promptRk::clearHistory();
            give(window, command, QMessageBox::Cancel, other);
            QVERIFY2(saveQuestionsAsked() == 1, qPrintable(QString("command %1").arg(command)));
            QCOMPARE(window.currentFile(), lot);
            QCOMPARE(fileContent(window), changed);
            QVERIFY(window.isVisible());
        }
        promptRk::clearHistory();
        give(window, Command(savedBy), QMessageBox::Yes, other);
        QCOMPARE(saveQuestionsAsked(), 1);
        if (savedBy == newCommand)
            QCOMPARE(tree->itemCount(), 0);
        else if (savedBy == closeCommand)
            QVERIFY(!window.isVisible());
        else
            QCOMPARE(window.currentFile(), other);
        QVERIFY(!window.isModified());
        MainWindows reader;
        QVERIFY(reader.loadFile(lot));
        QCOMPARE(fileContent(reader), changed);
    }

    // Looking, selecting, switching the language and confirming the tolerance
    // as it is change nothing: no question on close.  A saved measurement
    // gives way to New without one.
    void unchangedMeasurementIsNotAskedAbout()
    {
        const QString lot = dir.filePath("looked-at.qcm");
        QVERIFY(writeBytes(lot, lotBytes));
        {
            MainWindows window;
            window.show();
            QVERIFY(window.openFileAtStart(lot));
            select(window, window.treeModel()->type(0)->child(1));
            window.SimplifyFcn();
            QVERIFY(!window.isModified());
            window.EnglishFcn();
            window.action("setTolerance")->trigger();
            auto *dialog = window.findChild<toleranceRk *>();
            typeInto(dialog->findChild<QLineEdit *>("delatE"), "2");
            QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);
            promptRk::clearHistory();
            QVERIFY(window.close());
            QCOMPARE(saveQuestionsAsked(), 0);
        }
        MainWindows window;
        window.show();
        fillTree(window);
        promptRk::setNextFileName(dir.filePath("saved-then-new.qcm"));
        QVERIFY(window.save());
        promptRk::clearHistory();
        window.action("newFile")->trigger();
        QCOMPARE(saveQuestionsAsked(), 0);
        QCOMPARE(window.treeModel()->itemCount(), 0);
        QVERIFY(window.close());
        QCOMPARE(saveQuestionsAsked(), 0);
    }

    void failuresLeaveTheTreeAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << false << "Cannot read file";
        QTest::newRow("wrong magic") << QByteArray("\x55\xAA\x35\x35 not a measurement", 22) << true
                                     << "The file is not a qcm file.";
    }
    void failuresLeaveTheTreeAlone()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(QString, message);
        const QString path = dir.filePath(QString("bad-%1.qcm").arg(QTest::currentDataTag()));
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        MainWindows window;
        fillTree(window);
        QVERIFY(!window.openFileAtStart(path));
        QCOMPARE(window.treeModel()->itemCount(), 5);
        QCOMPARE(promptRk::history().last().title, QString("QCM"));
        QVERIFY(promptRk::history().last().text.startsWith(message));
        QCOMPARE(window.statusBar()->currentMessage(), QString("Loading canceled"));
    }

    void failedSaveKeepsTheOldFile()
    {
        const QString path = dir.filePath("keep.qcm");
        {
            MainWindows window;
            fillTree(window);
            QVERIFY(window.saveFile(path));
        }
        const QByteArray before = fileBytes(path);

        // A file-size limit makes every write beyond 4 KiB fail, whoever runs
        // the test (permissions do not stop root).
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        bool saved = true;
        {
            MainWindows window;
            QVERIFY(window.loadFile(path));
            QTreeWidgetItem *type = window.treeModel()->type(0);
            for (int i = 0; i < 200; ++i)
                window.addSampleItem(1, 2, 3, type, measurementTreeRk::sampleName(10 + i),
                                     conditionColumns());
            window.setCurrentFile(path);
            saved = window.save();
            QCOMPARE(window.statusBar()->currentMessage(), QString("Saving canceled"));
        }
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!saved);
        QVERIFY(promptRk::history().last().text.startsWith("Cannot write file"));
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(QDir(dir.path()).entryList({"keep.qcm*"}, QDir::Files), QStringList{"keep.qcm"});
    }

    void reopeningNeverGrowsTheFile_data()
    {
        QTest::addColumn<QStringList>("typeNames");
        QTest::newRow("Type name ends in the measurement name")
            << QStringList{"Red Lot 5", "Lot 5", "Type T003"};
        QTest::newRow("same-named Types") << QStringList{"Type T001", "Type T001", "Type T001"};
    }
    void reopeningNeverGrowsTheFile()
    {
        QFETCH(QStringList, typeNames);
        const QString path = dir.filePath("grow.qcm");
        int items = 0;
        {
            MainWindows window;
            window.setPrintMsg("Lot 5", "", "", "", "", "", false);
            for (int t = 0; t < typeNames.size(); ++t) {
                QTreeWidgetItem *type =
                    window.addTypeItem(50, t, -t, typeNames[t], conditionColumns());
                for (int s = 1; s <= t; ++s) // the first Type has no Samples
                    window.addSampleItem(51, t, s, type, measurementTreeRk::sampleName(s),
                                         conditionColumns());
            }
            items = window.treeModel()->itemCount();
            QVERIFY(window.saveFile(path));
        }
        const QByteArray first = fileBytes(path);
        for (int round = 0; round < 3; ++round) {
            MainWindows window;
            QVERIFY(window.openFileAtStart(path));
            QCOMPARE(window.treeModel()->itemCount(), items);
            QVERIFY(!window.isModified());
            QVERIFY(window.save());
            QCOMPARE(fileBytes(path), first);
        }
    }

    void saveWhereNoTemporaryFileCanBeMade()
    {
        // A folder that takes no new file but holds a writable measuring
        // file: the save writes the file in place.  Root ignores permissions,
        // so the folder is made immutable instead when run as root.
        QTemporaryDir locked;
        const QString path = locked.filePath("shared.qcm");
        {
            MainWindows window;
            fillTree(window);
            QVERIFY(window.saveFile(path));
        }
        const bool root = geteuid() == 0;
        const QByteArray lockFolder =
            QStringLiteral("chattr +i '%1' 2>/dev/null").arg(locked.path()).toLocal8Bit();
        const QByteArray unlockFolder =
            QStringLiteral("chattr -i '%1' 2>/dev/null").arg(locked.path()).toLocal8Bit();
        if (root ? std::system(lockFolder.constData()) != 0
                 : !QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner))
            QSKIP("this file system cannot lock a folder");
        const auto unlock = qScopeGuard([&] {
            if (root)
                QCOMPARE(std::system(unlockFolder.constData()), 0);
            else
                QFile::setPermissions(locked.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        {
            QFile probe(locked.filePath("probe"));
            if (probe.open(QIODevice::WriteOnly))
                QSKIP("the folder still takes new files");
        }
        MainWindows window;
        QVERIFY(window.loadFile(path));
        window.addTypeItem(1, 2, 3, "Type T003", conditionColumns());
        window.setCurrentFile(path);
        window.addTypeItem(4, 5, 6, "Type T004", conditionColumns());
        QVERIFY(window.save());
        QVERIFY(!window.isModified());
        MainWindows reader;
        QVERIFY(reader.loadFile(path));
        QCOMPARE(reader.treeModel()->typeCount(), 4);
    }

    void renamedMeasurementKeepsItsTypes()
    {
        const QString path = dir.filePath("renamed.qcm");
        {
            MainWindows window;
            fillTree(window);
            window.setPrintMsg("Lot 5", "ACME", "", "Dyeing", "Ann", "Yarn", false);
            QCOMPARE(window.treeModel()->measurementRoot()->text(0),
                     QString("Measuring Name:Lot 5"));
            QCOMPARE(window.treeModel()->printRow(0)->text(1), QString("[Lot 5]"));
            QVERIFY(window.saveFile(path));
        }
        MainWindows window;
        QVERIFY(window.loadFile(path));
        QCOMPARE(window.treeModel()->typeCount(), 2);
        QCOMPARE(window.treeModel()->type(0)->childCount(), 3);
        QCOMPARE(window.measurementName(), QString("Lot 5"));
        QCOMPARE(window.treeModel()->measurementRoot()->text(0), QString("Measuring Name:Lot 5"));
    }

    void titleFollowsTheLanguage()
    {
        const QString path = dir.filePath("titled.qcm");
        MainWindows window;
        fillTree(window);
        QVERIFY(window.saveFile(path));
        window.setCurrentFile(path);
        window.SimplifyFcn();
        QVERIFY(window.windowTitle().endsWith(QString("titled.qcm - QCM")));
        QVERIFY(!window.windowTitle().startsWith("Color Software QCM"));
        window.EnglishFcn();
        QCOMPARE(window.windowTitle(), QString("Color Software QCM  titled.qcm - QCM"));
        window.newFile();
        window.SimplifyFcn();
        QVERIFY(!window.windowTitle().contains("Untitled"));
    }

    void droppingFilesOpensTheFirst()
    {
        const QString first = dir.filePath("dropped1.qcm");
        const QString second = dir.filePath("dropped2.qcm");
        {
            MainWindows window;
            fillTree(window);
            QVERIFY(window.saveFile(first));
            window.addTypeItem(1, 2, 3, "Type T003", conditionColumns());
            QVERIFY(window.saveFile(second));
        }
        MainWindows window;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        QCOMPARE(window.currentFile(), first);
        QCOMPARE(window.treeModel()->typeCount(), 2);
        QCOMPARE(window.windowTitle(), QString("Color Software QCM  dropped1.qcm - QCM"));
    }

    void truncatedFileKeepsWhatCouldBeRead()
    {
        const QString path = dir.filePath("cut.qcm");
        {
            MainWindows window;
            fillTree(window);
            QVERIFY(window.saveFile(path));
        }
        QByteArray bytes = fileBytes(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.left(bytes.size() - 40));
        file.close();
        MainWindows window;
        QVERIFY(window.loadFile(path));
        // The last record (Type T002) was cut short; the first Type and its
        // Samples are all there.
        QCOMPARE(window.treeModel()->type(0)->childCount(), 3);
    }

    // Cut exactly between records, a file loses the record of its last Type
    // while that Type's Samples are whole: they cannot be shown, and the
    // window says how many there were.
    void samplesWithoutTheirTypeAreCounted()
    {
        const QString path = dir.filePath("between.qcm");
        {
            MainWindows window;
            fillTree(window);
            QTreeWidgetItem *t2 = window.treeModel()->type(1);
            for (int i = 1; i <= 2; ++i)
                window.addSampleItem(71, 0, 0, t2, measurementTreeRk::sampleName(i),
                                     conditionColumns());
            QVERIFY(window.saveFile(path));
        }
        MainWindows whole;
        QVERIFY(whole.loadFile(path));
        QVERIFY(promptRk::history().isEmpty());

        const QByteArray bytes = withoutLastRecords(fileBytes(path), 1);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        MainWindows window;
        QVERIFY(window.loadFile(path));
        QCOMPARE(window.treeModel()->typeCount(), 1);
        QCOMPARE(window.treeModel()->type(0)->childCount(), 3);
        QCOMPARE(promptRk::history().size(), 1);
        QCOMPARE(promptRk::history().first().kind, promptRk::Warning);
        QCOMPARE(promptRk::history().first().text,
                 QDir::toNativeSeparators(path) +
                     ":\nRecords left without their Type, not loaded (the file may have been "
                     "cut short): 2.");
    }
};

QTEST_MAIN(tst_measuringFiles)
#include "tst_measuringFiles.moc"
