// The crash-safe measuring journal end to end: what the window showed comes
// back after a crash, whether the program was killed in the middle of a run
// of measurements against the instrument emulator or its journal was torn.
//
// The kill test runs this same program as a child ("--child FOLDER"): it
// measures Types and Samples from the emulator and prints, after every
// change, the tree it shows.  The test kills it (SIGKILL) at random moments,
// restores in a window of its own and compares.

#include "../support/conditionColumns.h"
#include "../support/emulatorProcess.h"
#include "../support/settingsStore.h"
#include "MainWindows.h"
#include "measurementTreeRk.h"
#include "measuringDocument.h"
#include "measuringJournal.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "sharedState.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTreeWidget>

#include <cstdio>

namespace {

const QStringList conditions = conditionColumns();

// Everything the window shows of the measurement, one line per item.
QStringList shown(MainWindows &window)
{
    QStringList lines{"name " + window.measurementName(),
                      "tolerance " + window.tolerance().join(' ')};
    measurementTreeRk *tree = window.treeModel();
    auto line = [](const QTreeWidgetItem *item, const QString &indent) {
        QStringList texts;
        for (int c = 0; c < 16; ++c)
            texts << (c == swatchColumn ? item->background(c).color().name() : item->text(c));
        return indent + texts.join('|') + '|' + QString::number(item->checkState(0));
    };
    for (int t = 0; t < tree->typeCount(); ++t) {
        QTreeWidgetItem *type = tree->type(t);
        lines << line(type, "");
        for (int s = 0; s < type->childCount(); ++s)
            lines << line(type->child(s), "  ");
    }
    return lines;
}

int runChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    promptRk::setTesting(true);
    MainWindows window;
    window.startJournal(QString::fromLocal8Bit(argv[2]));
    QTextStream out(stdout);
    auto report = [&] {
        out << "SHOWN " << shown(window).join('\n').toUtf8().toBase64() << '\n';
        out.flush();
    };
    // Reported after every change of the tree, once the journal has it.
    QObject::connect(window.measurementTree()->model(), &QAbstractItemModel::rowsInserted, report);
    QObject::connect(window.state(), &sharedState::printInfoChanged, report);
    if (!QTest::qWaitFor([&] { return window.instrumentConnected(); }, 20000))
        return 2;
    report();
    for (int step = 1;; ++step) {
        const int before = window.treeModel()->itemCount();
        if (step % 7 == 0)
            window.setPrintMsg(QString("Run %1").arg(step), "", "", "", "", "", false);
        else if (step % 5 == 1)
            window.serialPort()->tTestSlot();
        else
            window.serialPort()->sTestSlot();
        if (step % 7 != 0 &&
            !QTest::qWaitFor([&] { return window.treeModel()->itemCount() > before; }, 10000))
            return 3;
    }
}

QStringList decode(const QByteArray &line)
{
    return QString::fromUtf8(QByteArray::fromBase64(line.mid(6).trimmed())).split('\n');
}

// `restored` is what was last shown, or that with the one change the child
// made but had not yet reported: one more item, or the next measurement name.
bool atMostOneStepAhead(const QStringList &last, const QStringList &restored)
{
    if (restored == last)
        return true;
    if (restored.size() == last.size() + 1) {
        QStringList withoutOne = restored;
        for (int i = 2; i < restored.size(); ++i) {
            withoutOne.removeAt(i);
            if (withoutOne == last)
                return true;
            withoutOne = restored;
        }
        return false;
    }
    return restored.size() == last.size() && restored.mid(1) == last.mid(1) &&
           restored.first().startsWith("name Run ");
}

} // namespace

class tst_journal : public QObject
{
    Q_OBJECT

    QTemporaryDir files;

    static void fill(MainWindows &window)
    {
        QTreeWidgetItem *t1 = window.addTypeItem(50, 1.5f, -2, "Type T001", conditions);
        for (int s = 1; s <= 3; ++s)
            window.addSampleItem(50 + s, 1, -2, t1, measurementTreeRk::sampleName(s), conditions);
        QTreeWidgetItem *t2 = window.addTypeItem(70, -3, 4.25f, "Type T002", conditions);
        window.addSampleItem(71, -3, 4, t2, measurementTreeRk::sampleName(1), conditions);
    }

private slots:
    void initTestCase() { promptRk::setTesting(true); }
    void init()
    {
        resetStore();
        promptRk::clearHistory();
    }

    void everyKindOfChangeComesBack()
    {
        QTemporaryDir folder;
        QStringList before;
        {
            MainWindows window;
            window.startJournal(folder.path());
            fill(window);
            measurementTreeRk *tree = window.treeModel();
            tree->type(0)->child(1)->setCheckState(0, Qt::Checked); // partial Type
            tree->type(1)->setCheckState(0, Qt::Checked);           // whole Type
            tree->type(0)->child(0)->setText(0, "Renamed");
            tree->deleteItem(tree->type(0)->child(2));
            window.setTolerance("1.5", "1", "1", "0.5", "0.5", "2", "2");
            window.setPrintMsg("Lot 5", "ACME", "", "Lab", "Ann", "Yarn", true);
            window.addTypeItem(10, 20, 30, "Type T003", conditions);
            before = shown(window);
            QVERIFY(window.isModified());
            // The window goes without a clean exit: as after a crash.
        }
        MainWindows window;
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.startJournal(folder.path());
        QVERIFY(promptRk::history().last().text.contains("6 Types and Samples"));
        QCOMPARE(shown(window), before);
        QVERIFY(window.isModified());
        QVERIFY(window.state()->printInfo().timeFlag);
    }

    void tornAndDamagedTails_data()
    {
        QTest::addColumn<int>("cut");    // bytes taken off the end
        QTest::addColumn<int>("damage"); // a byte changed this far from the end
        QTest::newRow("torn") << 7 << 0;
        QTest::newRow("damaged") << 0 << 10;
    }
    void tornAndDamagedTails()
    {
        QFETCH(int, cut);
        QFETCH(int, damage);
        QTemporaryDir folder;
        QStringList beforeLast;
        QString path;
        {
            MainWindows window;
            window.startJournal(folder.path());
            fill(window);
            beforeLast = shown(window);
            window.addTypeItem(1, 2, 3, "Type T003", conditions);
            path = window.journal()->path();
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        bytes.chop(cut);
        if (damage)
            bytes[bytes.size() - damage] = char(bytes[bytes.size() - damage] ^ 0x21);
        QVERIFY(file.resize(0));
        file.write(bytes);
        file.close();

        MainWindows window;
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.startJournal(folder.path());
        QVERIFY(promptRk::history().last().text.contains("could not be read"));
        QCOMPARE(shown(window), beforeLast);
    }

    void declinedJournalIsKeptAside()
    {
        QTemporaryDir folder;
        {
            MainWindows window;
            window.startJournal(folder.path());
            fill(window);
        }
        MainWindows window;
        promptRk::setNextAnswer(QMessageBox::No);
        window.startJournal(folder.path());
        QCOMPARE(window.treeModel()->typeCount(), 0);
        const QStringList aside = QDir(folder.path()).entryList({"journal-1.qcmj.*.old"});
        QCOMPARE(aside.size(), 1);
        // The fresh journal has nothing to offer at the next start.
        window.close();
        MainWindows again;
        promptRk::clearHistory();
        again.startJournal(folder.path());
        QVERIFY(promptRk::history().isEmpty());
    }

    void savingOpeningAndCleanExit()
    {
        QTemporaryDir folder;
        const QString file = files.filePath("saved.qcm");
        {
            MainWindows window;
            window.startJournal(folder.path());
            fill(window);
            QVERIFY(window.saveFile(file));
            window.setCurrentFile(file);
            // Saved: nothing unsaved to restore after a crash now.
        }
        {
            MainWindows window;
            promptRk::clearHistory();
            window.startJournal(folder.path());
            QVERIFY(promptRk::history().isEmpty());
            QVERIFY(window.openFileAtStart(file));
            window.addTypeItem(1, 2, 3, "Type T003", conditions);
            window.close(); // asks to save: the default answer is No
            QVERIFY(!QFile::exists(window.journal()->path()));
        }
    }

    // Whether a change was made does not depend on the journal: with none
    // (its folder cannot be made) a rename is still asked about.
    void changesCountWithoutAJournal()
    {
        const QString notAFolder = files.filePath("plain-file");
        QFile plain(notAFolder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        MainWindows window;
        window.startJournal(notAFolder + "/journal");
        QVERIFY(promptRk::history().last().text.startsWith("Unsaved measurements cannot be"));
        fill(window);
        QVERIFY(window.saveFile(files.filePath("unjournaled.qcm")));
        window.setCurrentFile(files.filePath("unjournaled.qcm"));
        window.treeModel()->type(1)->setText(0, "Renamed");
        promptRk::setNextAnswer(QMessageBox::Cancel);
        window.newFile();
        QCOMPARE(promptRk::history().last().text,
                 QString("The document has been modified.\nDo you want to save your changes?"));
        QCOMPARE(window.treeModel()->type(1)->text(0), QString("Renamed"));
    }

    void twoProgramsKeepTwoJournals()
    {
        QTemporaryDir folder;
        MainWindows first, second;
        first.startJournal(folder.path());
        second.startJournal(folder.path());
        QVERIFY(first.journal()->path() != second.journal()->path());
        first.addTypeItem(1, 2, 3, "Type T001", conditions);
        second.addTypeItem(4, 5, 6, "Type T001", conditions);
        second.addTypeItem(7, 8, 9, "Type T002", conditions);
        QCOMPARE(first.journal()->path().section('/', -1), QString("journal-1.qcmj"));
        QCOMPARE(second.journal()->path().section('/', -1), QString("journal-2.qcmj"));
    }

    void olderSessionOfAFileChangedSince()
    {
        // A crash leaves a journal for lot.qcm; later someone saves lot.qcm
        // anew.  Restoring still gives what was on the screen at the crash,
        // not the file as it is now.
        QTemporaryDir folder;
        const QString file = files.filePath("lot.qcm");
        QStringList atCrash;
        {
            MainWindows window;
            window.startJournal(folder.path());
            fill(window);
            QVERIFY(window.saveFile(file));
            window.setCurrentFile(file);
            window.addTypeItem(5, 5, 5, "Type T003", conditions);
            atCrash = shown(window);
        }
        {
            MainWindows other; // no journal of its own in that folder
            QVERIFY(other.openFileAtStart(file));
            other.treeModel()->deleteItem(other.treeModel()->type(0));
            QVERIFY(other.save());
        }
        MainWindows window;
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.startJournal(folder.path());
        QCOMPARE(shown(window), atCrash);
        QCOMPARE(window.currentFile(), file);
        QVERIFY(window.isModified());
    }

    void killedDuringMeasurements()
    {
        emulatorProcess emulator;
        QVERIFY(emulator.start({"--seed", "7"}));
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("kill points drawn with seed %u", seed);
        QRandomGenerator random(seed);
        QTemporaryDir folder;
        for (int round = 0; round < 3; ++round) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("QCM_SERIAL_PORT", emulator.path);
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {"--child", folder.path()});
            QVERIFY(child.waitForStarted(10000));
            const int killAfter = 2 + random.bounded(12);
            QList<QStringList> reports;
            QByteArray pending;
            while (reports.size() < killAfter) {
                QVERIFY2(child.waitForReadyRead(30000), "the child reports its tree");
                pending += child.readAllStandardOutput();
                int end;
                while ((end = pending.indexOf('\n')) >= 0) {
                    if (pending.startsWith("SHOWN "))
                        reports << decode(pending.left(end));
                    pending.remove(0, end + 1);
                }
            }
            QTest::qWait(random.bounded(250));
            child.kill();
            QVERIFY(child.waitForFinished(10000));
            pending += child.readAllStandardOutput();
            for (const QByteArray &line : pending.split('\n'))
                if (line.startsWith("SHOWN "))
                    reports << decode(line);

            MainWindows window;
            promptRk::setNextAnswer(QMessageBox::Yes);
            window.startJournal(folder.path());
            const QStringList restored = shown(window);
            QVERIFY2(atMostOneStepAhead(reports.last(), restored),
                     qPrintable(QString("round %1, after %2 reports:\nshown\n%3\nrestored\n%4")
                                    .arg(round)
                                    .arg(reports.size())
                                    .arg(reports.last().join('\n'), restored.join('\n'))));
            window.close(); // a clean exit: the next child starts afresh
        }
    }
};

int main(int argc, char **argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    QApplication app(argc, argv);
    tst_journal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_journal.moc"
