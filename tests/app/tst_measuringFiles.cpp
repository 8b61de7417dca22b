// The measuring-file commands of the window: save, load, the title, the
// modification test, the recent list and the failures a user can meet.

#include "../support/conditionColumns.h"
#include "../support/measuringRecords.h"
#include "../support/settingsStore.h"
#include "MainWindows.h"
#include "measurementTreeRk.h"
#include "promptRk.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
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

} // namespace

class tst_measuringFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase() { promptRk::setTesting(true); }
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
        window.treeModel()->deleteItem(sample);
        QVERIFY(!window.isModified());

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
