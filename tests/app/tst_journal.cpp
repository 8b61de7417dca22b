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
#include "measuringFile.h"
#include "measuringJournal.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "sharedState.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTreeWidget>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

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

// Boxes of one kind whose text holds `words`.
int boxes(promptRk::Kind kind, const QString &words)
{
    int n = 0;
    for (const promptRk::Record &box : promptRk::history())
        n += box.kind == kind && box.text.contains(words);
    return n;
}

QLabel *journalMark(MainWindows &window)
{
    return window.statusBar()->findChild<QLabel *>("journalMark");
}

// A measuring file of `types` Types with `samples` Samples each.
void writeLargeFile(const QString &path, int types, int samples)
{
    MeasuringFileTypes all;
    auto texts = [](const QString &name, int n) {
        ItemTexts t;
        t[nameColumn] = name;
        t[value1Column] = QString::number(40 + n % 50);
        t[value2Column] = QString::number(n % 11 - 5);
        t[value3Column] = QString::number(n % 7);
        for (int c = timeColumn; c <= averageCountColumn; ++c)
            t[c] = QString::number(c);
        return t;
    };
    for (int t = 1; t <= types; ++t) {
        MeasuringFileType type;
        type.columns = texts(measurementTreeRk::typeName(t), t);
        for (int s = 1; s <= samples; ++s)
            type.samples.append(texts(measurementTreeRk::sampleName(s), s));
        all.append(type);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(writeMeasuringFile(&file, MeasuringFileHeader(), measuringNamePrefix("en_US") + "Big",
                               all));
}

int itemsIn(const QString &path)
{
    QFile file(path);
    MeasuringFileHeader header;
    QVector<ItemRecord> records;
    if (!file.open(QIODevice::ReadOnly) ||
        readMeasuringFile(&file, &header, &records) != MeasuringFileStatus::Ok)
        return -1;
    return records.size();
}

// The disk as good as full: no file of this program may grow beyond `bytes`
// while it lives (the system refuses the write, as on a full disk).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }

private:
    rlimit m_before;
};

// A folder whose paths run out of room: a name `room` characters long fits
// in it, a longer one is beyond what the system takes for a path, whoever
// asks (the user a test runs as may write everywhere).
QString deepFolder(const QString &base, int room)
{
    const int target = 4095 - room; // the longest path, its closing zero aside
    QString path = base;
    while (path.size() + 1 + 200 + 1 + 20 < target)
        path += '/' + QString(200, 'd');
    path += '/' + QString(target - path.size() - 1, 'e');
    return QDir().mkpath(path) ? path : QString();
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
    void initTestCase()
    {
        promptRk::setTesting(true);
        // A write beyond the file size limit fails as on a full disk rather
        // than ending the program.
        std::signal(SIGXFSZ, SIG_IGN);
    }
    void init()
    {
        resetStore();
        promptRk::clearHistory();
    }

    void everyKindOfChangeComesBack()
    {
        QTemporaryDir folder;
        QStringList before;
        QString path;
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
            path = window.journal()->path();
            // The window goes without a clean exit: as after a crash.
        }
        // The question says when the last change was, as the user writes dates.
        const QDateTime lastChange(QDate(2026, 3, 4), QTime(17, 6));
        {
            QFile journal(path);
            QVERIFY(journal.open(QIODevice::ReadWrite));
            QVERIFY(journal.setFileTime(lastChange, QFileDevice::FileModificationTime));
        }
        MainWindows window;
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.startJournal(folder.path());
        const QString question = promptRk::history().last().text;
        QVERIFY(question.contains("6 Types and Samples"));
        QVERIFY2(question.contains(QLocale().toString(lastChange, QLocale::ShortFormat)),
                 qPrintable(question));
        QVERIFY(!question.contains("2026-03-04T"));
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

    // Select All / Invert and a Type's own mark change thousands of marks at
    // once: the journal takes them as one record per Type, and a crash right
    // after brings back exactly the marks that were shown.
    void marksChangedAtOnceComeBack()
    {
        QTemporaryDir folder;
        QStringList afterInvert, afterTypeMark;
        QString path;
        {
            MainWindows window;
            window.startJournal(folder.path());
            QTreeWidgetItem *many = window.addTypeItem(50, 1, 2, "Type T001", conditions);
            for (int s = 1; s <= 2000; ++s)
                window.addSampleItem(50, 1, 2, many, measurementTreeRk::sampleName(s), conditions);
            QTreeWidgetItem *one = window.addTypeItem(60, 1, 2, "Type T002", conditions);
            window.addSampleItem(61, 1, 2, one, measurementTreeRk::sampleName(1), conditions);
            QTreeWidgetItem *three = window.addTypeItem(70, 1, 2, "Type T003", conditions);
            for (int s = 1; s <= 3; ++s)
                window.addSampleItem(70, 1, 2, three, measurementTreeRk::sampleName(s), conditions);
            for (int s = 0; s < 2000; s += 3)
                many->child(s)->setCheckState(0, Qt::Checked);
            three->child(1)->setCheckState(0, Qt::Checked);
            path = window.journal()->path();
            window.journal()->sync();
            const qint64 before = QFileInfo(path).size();

            window.action("selectionAllFcn")->trigger();
            window.journal()->sync();
            afterInvert = shown(window);
            QCOMPARE(many->checkState(0), Qt::PartiallyChecked);
            QCOMPARE(many->child(0)->checkState(0), Qt::Unchecked);
            QCOMPARE(many->child(1)->checkState(0), Qt::Checked);
            // About a byte a mark, where a record per mark took hundreds.
            const qint64 grown = QFileInfo(path).size() - before;
            QVERIFY2(grown < 3 * 2010, qPrintable(QString::number(grown)));

            // Copied aside as a crash right after the command leaves it.
            QVERIFY(QFile::copy(path, folder.filePath("afterInvert")));

            // A Type's own mark sets all its Samples.
            many->setCheckState(0, Qt::Checked);
            window.journal()->sync();
            afterTypeMark = shown(window);
            QVERIFY(afterTypeMark != afterInvert);
            // The window goes without a clean exit: as after a crash.
        }
        {
            MainWindows window;
            promptRk::setNextAnswer(QMessageBox::Yes);
            window.startJournal(folder.path());
            QCOMPARE(shown(window), afterTypeMark);
            QCOMPARE(window.treeModel()->type(0)->child(1999)->checkState(0), Qt::Checked);
            window.close();
        }
        QVERIFY(QFile::copy(folder.filePath("afterInvert"), path));
        MainWindows window;
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.startJournal(folder.path());
        QCOMPARE(shown(window), afterInvert);
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
        // The question said where it would be kept.
        QVERIFY(promptRk::history().last().text.contains(
            QDir::toNativeSeparators(QDir(folder.path()).filePath(aside.first()))));
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

    void declinedJournalThatCannotBeSetAsideStays()
    {
        // In this folder the journal's name fits, the name it would be set
        // aside under does not: the rename fails.
        QTemporaryDir base;
        const QString folder = deepFolder(base.path(), 20);
        QVERIFY(!folder.isEmpty());
        QByteArray left;
        {
            MainWindows window;
            window.startJournal(folder);
            fill(window);
            QFile journal(window.journal()->path());
            QVERIFY(journal.open(QIODevice::ReadOnly));
            left = journal.readAll();
        }
        {
            MainWindows window;
            promptRk::setNextAnswer(QMessageBox::No);
            window.startJournal(folder);
            QCOMPARE(boxes(promptRk::Warning, "could not be set aside"), 1);
            // Untouched, and this program keeps its journal elsewhere.
            QFile journal(folder + "/journal-1.qcmj");
            QVERIFY(journal.open(QIODevice::ReadOnly));
            QCOMPARE(journal.readAll(), left);
            QCOMPARE(window.journal()->path(), folder + "/journal-2.qcmj");
            window.addTypeItem(1, 2, 3, "Type T001", conditions);
            window.close();
        }
        MainWindows window;
        promptRk::clearHistory();
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.startJournal(folder);
        QCOMPARE(boxes(promptRk::Question, "6 Types and Samples"), 1);
        QCOMPARE(window.treeModel()->itemCount(), 6);
    }

    void killedWhileSavingOrOpeningALargeMeasurement_data()
    {
        QTest::addColumn<bool>("saving");
        QTest::newRow("saving") << true;
        QTest::newRow("just after opening") << false;
    }
    void killedWhileSavingOrOpeningALargeMeasurement()
    {
        // The fresh journal of 10,000 items takes a while to write: a kill
        // falls inside it easily.  What a kill leaves is made here: the fresh
        // journal is kept from its place (a folder holds its name), then part
        // of it is left there.
        QFETCH(bool, saving);
        QTemporaryDir folder;
        const QString file = files.filePath(saving ? "big-saved.qcm" : "big-opened.qcm");
        writeLargeFile(file, 100, 99);
        QString journal;
        {
            MainWindows window;
            window.startJournal(folder.path());
            journal = window.journal()->path();
            if (saving) {
                QVERIFY(window.openFileAtStart(file));
                window.addTypeItem(1, 2, 3, "Type T101", conditions);
            }
            QVERIFY(QDir().mkdir(journal + ".new"));
            QVERIFY(saving ? window.save() : window.openFileAtStart(file));
            QCOMPARE(window.treeModel()->itemCount(), saving ? 10001 : 10000);
            QVERIFY(!window.journal()->isProtected());
            QVERIFY(QDir().rmdir(journal + ".new"));
            QFile part(journal + ".new");
            QVERIFY(part.open(QIODevice::WriteOnly));
            QFile whole(file);
            QVERIFY(whole.open(QIODevice::ReadOnly));
            part.write(whole.read(100000));
        }
        QCOMPARE(itemsIn(file), saving ? 10001 : 10000);
        // Nothing was lost: nothing is offered, the file stays as it is.
        MainWindows window;
        promptRk::clearHistory();
        window.startJournal(folder.path());
        QVERIFY2(promptRk::history().isEmpty(), qPrintable(promptRk::history().value(0).text));
        QCOMPARE(window.journal()->path(), journal);
        QVERIFY(!QFile::exists(journal + ".new"));
        QVERIFY(window.journal()->isProtected());
    }

    void fileThatHoldsMoreIsNamedInTheOffer()
    {
        // Restoring brings back what was shown at the crash; when the file
        // has more items since, the question says that saving would lose them.
        QTemporaryDir folder;
        const QString file = files.filePath("grown.qcm");
        {
            MainWindows window;
            window.startJournal(folder.path());
            fill(window);
            QVERIFY(window.saveFile(file));
            window.setCurrentFile(file);
            window.treeModel()->deleteItem(window.treeModel()->type(0)->child(0));
        }
        {
            MainWindows other;
            QVERIFY(other.openFileAtStart(file));
            other.addTypeItem(1, 1, 1, "Type T003", conditions);
            other.addTypeItem(2, 2, 2, "Type T004", conditions);
            QVERIFY(other.save());
        }
        MainWindows window;
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.startJournal(folder.path());
        QVERIFY2(
            promptRk::history().last().text.contains("grown.qcm now holds 8 Types and Samples"),
            qPrintable(promptRk::history().last().text));
        QCOMPARE(window.treeModel()->itemCount(), 5);
    }

    void fullDiskIsToldAndTriedAgain()
    {
        QTemporaryDir folder;
        QStringList before;
        {
            MainWindows window;
            window.startJournal(folder.path());
            fill(window);
            QVERIFY(window.saveFile(files.filePath("full.qcm")));
            window.setCurrentFile(files.filePath("full.qcm")); // a fresh journal, all in one
            QLabel *mark = journalMark(window);
            QVERIFY(mark && mark->isHidden());
            {
                FileSizeLimit full(QFileInfo(window.journal()->path()).size() + 10);
                window.addTypeItem(3, 2, 1, "Type T003", conditions);
                QVERIFY(!window.journal()->isProtected());
                // Said at once, and shown for as long as it lasts.
                QTRY_COMPARE(boxes(promptRk::Warning, "no longer protected"), 1);
                QVERIFY(!mark->isHidden());
                QVERIFY(!mark->toolTip().isEmpty());
                window.addTypeItem(4, 2, 1, "Type T004", conditions);
                window.addSampleItem(5, 2, 1, window.treeModel()->type(3), "Sample S001",
                                     conditions);
                QCoreApplication::processEvents(); // the changes try again, in vain
                QVERIFY(!window.journal()->isProtected());
                QVERIFY(!mark->isHidden());
                QCOMPARE(boxes(promptRk::Warning, "no longer protected"), 1);
            }
            // Room again: the next change brings everything shown into a
            // fresh journal.
            window.addTypeItem(6, 2, 1, "Type T005", conditions);
            QTRY_VERIFY(window.journal()->isProtected());
            QVERIFY(mark->isHidden());
            before = shown(window);
        }
        MainWindows window;
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.startJournal(folder.path());
        QCOMPARE(shown(window), before);
    }

    void unreadableFolderAndDamagedListsAreSaidRightly()
    {
        // A folder in which no file can be made is not "in use".
        QTemporaryDir base;
        const QString folder = deepFolder(base.path(), 10);
        QVERIFY(!folder.isEmpty());
        {
            MainWindows window;
            window.startJournal(folder);
            QCOMPARE(boxes(promptRk::Warning, "cannot write in the folder"), 1);
            QCOMPARE(boxes(promptRk::Warning, "in use"), 0);
            QVERIFY(!journalMark(window)->isHidden());
        }
        // A record whose list claims two billion texts (its checksum right)
        // once ended every start; now it is a damaged journal like another.
        QTemporaryDir other;
        QFile journal(other.filePath("journal-1.qcmj"));
        QVERIFY(journal.open(QIODevice::WriteOnly));
        journal.write(QByteArray::fromHex("514a02000000047fffffff0e9d0c30"));
        journal.close();
        MainWindows window;
        promptRk::clearHistory();
        window.startJournal(other.path());
        QVERIFY(promptRk::history().isEmpty());
        QVERIFY(window.journal()->isProtected());
        QVERIFY(QFileInfo(journal.fileName()).size() > 15);
    }

    void everyJournalLeftIsOffered()
    {
        // Two windows crash; the next start, with one window, offers both.
        QTemporaryDir folder;
        QStringList second;
        {
            MainWindows first, other;
            first.startJournal(folder.path());
            other.startJournal(folder.path());
            first.addTypeItem(1, 2, 3, "Type T001", conditions);
            fill(other);
            second = shown(other);
        }
        {
            MainWindows window;
            promptRk::setNextAnswer(QMessageBox::No);
            promptRk::setNextAnswer(QMessageBox::Yes);
            window.startJournal(folder.path());
            QCOMPARE(boxes(promptRk::Question, "1 Types and Samples"), 1);
            QCOMPARE(boxes(promptRk::Question, "6 Types and Samples"), 1);
            QCOMPARE(shown(window), second);
            QCOMPARE(QDir(folder.path()).entryList({"journal-1.qcmj.*.old"}).size(), 1);
            // The restored journal's place is this program's now.
            QCOMPARE(window.journal()->path().section('/', -1), QString("journal-2.qcmj"));

            // A journal a running program holds is never offered.
            MainWindows more;
            promptRk::clearHistory();
            more.startJournal(folder.path());
            QVERIFY(promptRk::history().isEmpty());
            QCOMPARE(more.journal()->path().section('/', -1), QString("journal-1.qcmj"));
        }
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
        QVERIFY(!promptRk::history().last().text.contains("now holds"));
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
