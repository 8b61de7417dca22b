// The library dialog as a user drives it, offscreen, with the message seam
// scripted: files on disk are made by hand and read back byte by byte.

#include "../support/lockedPath.h"
#include "../support/settingsStore.h"
#include "createNewLibraryFile.h"
#include "itemColumns.h"
#include "libraryBytes.h"
#include "libraryTableModel.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "standardLibraryRk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

LibraryEntry entry(qint32 order, const QString &name,
                   const QString &value = QStringLiteral("L50.00  a0.00  b0.00"),
                   const QString &space = QStringLiteral("CIE1976L*a*b*"))
{
    LibraryEntry e;
    e.order = order;
    e.name = name;
    e.colorSpace = space;
    e.value = value;
    e.red = 10 * order % 256;
    e.green = 100;
    e.blue = 200;
    e.lightSource = "D65";
    e.observer = "CIE 10°";
    e.illuminationMode = "8/d";
    e.caliber = "8mm";
    e.lightMode = "SCI";
    e.averageTimes = "1";
    e.measurementTime = "2026-03-05 09:07:03";
    return e;
}

// A file whose Info. texts are null: the writer writes empty ones instead,
// so any rewrite of such a file shows in its bytes.
QByteArray handMade(const QVector<LibraryEntry> &entries)
{
    Bytes file;
    file.data = libraryMagic();
    for (LibraryEntry e : entries) {
        e.info = QString();
        file.entry(e);
    }
    return file.data;
}

QStringList names(const standardLibraryRk &dialog)
{
    QStringList list;
    for (const LibraryEntry &e : dialog.tableModel()->entries())
        list << e.name;
    return list;
}

QStringList shownTexts()
{
    QStringList list;
    for (const promptRk::Record &r : promptRk::history())
        list << r.title + " | " + r.text;
    return list;
}

QComboBox *fileBox(standardLibraryRk &d)
{
    return d.findChild<QComboBox *>("fileNameBox");
}

QLineEdit *edit(standardLibraryRk &d, const char *name)
{
    return d.findChild<QLineEdit *>(name);
}

void click(standardLibraryRk &d, const char *name)
{
    QPushButton *b = d.findChild<QPushButton *>(name);
    QVERIFY2(b, name);
    QVERIFY2(b->isEnabled(), name);
    b->click();
}

// Columns 5 to 15 of a Hunter Lab Type.
const QStringList hunterColumns =
    QString("2026-03-05 09:07:03|D65|PX71|8mm|SCI|HunterLAB|ΔEHunter|8/d|CIE 10°|3|3").split('|');

} // namespace

class tst_standardLibrary : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_folderCount = 0;
    QTreeWidget m_treeWidget;
    measurementTreeRk m_tree{&m_treeWidget};

    // A Type of the measurement tree to add to a library.
    QTreeWidgetItem *type(const QString &name, float L = 50, float a = 1, float b = 2)
    {
        return m_tree.addTypeItem(L, a, b, name, hunterColumns);
    }

    // A fresh folder with the given files.
    QString folderWith(const QMap<QString, QByteArray> &files)
    {
        const QString folder = m_dir.filePath(QString::number(++m_folderCount));
        QDir().mkpath(folder);
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            putFile(folder + "/" + it.key(), it.value());
        return folder;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        promptRk::setTesting(true);
    }
    void init() { promptRk::clearHistory(); }

    void unreadableFileIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("other magic") << QByteArray::fromHex("3535AA550000000100")
                                     << "scl | The file is not a scl library file.";
        QTest::newRow("empty") << QByteArray() << "scl | The file is not a scl library file.";
        QByteArray large = libraryMagic();
        large.append(int(libraryFile::maxFileBytes) - 3, '\0');
        QTest::newRow("too large")
            << large << "scl | The file %1 is larger than 16 MB; it cannot be a library file.";
    }
    void unreadableFileIsLeftAlone()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString folder = folderWith({{"a.scl", bytes}, {"b.scl", handMade({entry(1, "X")})}});
        const QString path = QDir::toNativeSeparators(folder + "/a.scl");
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        if (message.contains("%1"))
            message = message.arg(path);
        QCOMPARE(shownTexts(),
                 QStringList({message, "Read Library File | Failed to read library file!"}));
        QCOMPARE(dialog.tableModel()->rowCount(), 0);
        QVERIFY(!dialog.shownFileWritable());

        // Nothing can be added to it, and neither closing nor switching away
        // writes it.
        promptRk::clearHistory();
        dialog.setData(type("Type T001"));
        QCOMPARE(promptRk::history().size(), 1);
        QCOMPARE(promptRk::history().first().title, QString("Save Library File"));
        QCOMPARE(dialog.tableModel()->rowCount(), 0);
        dialog.reject();
        fileBox(dialog)->setCurrentIndex(1);
        QCOMPARE(names(dialog), QStringList{"X"});
        QCOMPARE(fileBytes(folder + "/a.scl"), bytes);
    }

    void damagedFileKeepsWhatCanBeRead()
    {
        QByteArray bytes = handMade({entry(1, "Type T001"), entry(2, "Type T002")});
        bytes += handMade({entry(3, "Type T003")}).mid(4, 30); // order, name, half the info
        const QString folder = folderWith({{"a.scl", bytes}});
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        QCOMPARE(shownTexts(),
                 QStringList{"scl | The library file " +
                             QDir::toNativeSeparators(folder + "/a.scl") +
                             " is damaged after 2 complete entries; the rest could not be read. "
                             "The file stays as it is unless you change this library."});
        QCOMPARE(names(dialog), QStringList({"Type T001", "Type T002", "Type T003"}));
        // The cut-short entry is marked, and neither launched nor found by value.
        libraryTableModel *model = dialog.tableModel();
        QVERIFY(model->isComplete(1));
        QVERIFY(!model->isComplete(2));
        QCOMPARE(model->index(2, libraryTableModel::InfoColumn).data().toString(),
                 QString("Incomplete"));
        QCOMPARE(model->index(2, libraryTableModel::NameColumn).data(Qt::ForegroundRole),
                 QVariant(QBrush(QColor(Qt::gray))));
        QSignalSpy launched(&dialog, &standardLibraryRk::sendTDataSignal);
        promptRk::clearHistory();
        dialog.findChild<QCheckBox *>("selectAllBox")->setChecked(true);
        click(dialog, "launchButton");
        QCOMPARE(launched.count(), 2);
        QCOMPARE(shownTexts(), QStringList{"Tips | These entries are incomplete, since their "
                                           "library file is damaged there, and cannot be "
                                           "launched: Type T003"});
        dialog.reject();
        QCOMPARE(fileBytes(folder + "/a.scl"), bytes);

        // A change writes the library as it is shown.
        dialog.setData(type("Type T004"));
        dialog.reject();
        QFile file(folder + "/a.scl");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const LibraryReadResult again = readLibraryFile(&file);
        QVERIFY(!again.damaged);
        QCOMPARE(again.entries.size(), 4);
        QCOMPARE(again.entries.at(2).name, QString("Type T003"));
        QCOMPARE(again.entries.at(3).order, 4);
        // Written whole, it still lacks what a Type needs.
        QVERIFY(!libraryEntryComplete(again.entries.at(2)));
        QVERIFY(libraryEntryComplete(again.entries.at(3)));
    }

    // Cut after its value: the colour is there, its conditions are not.
    void incompleteEntryIsNotFoundByValue()
    {
        Bytes partial;
        const QVector<int> ends = partial.entry(entry(2, "Cut"));
        QByteArray bytes = handMade({entry(1, "Whole")});
        bytes += partial.data.left(ends.at(4) + 2);
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folderWith({{"a.scl", bytes}}));
        QCOMPARE(names(dialog), QStringList({"Whole", "Cut"}));
        QCOMPARE(dialog.tableModel()->entry(1).value, QString("L50.00  a0.00  b0.00"));
        dialog.standardLibraryParameterFcn("CIE1976L*a*b*", "ΔEL*a*b*");
        dialog.findChild<QComboBox *>("findStyleBox")->setCurrentIndex(1);
        dialog.getColorParameter(50, 0, 0);
        click(dialog, "findButton");
        QCOMPARE(dialog.tableModel()->markedRow(), 0);
        promptRk::clearHistory();
        click(dialog, "findButton");
        QCOMPARE(dialog.tableModel()->markedRow(), -1);
        QCOMPARE(shownTexts(), QStringList{"Search | Search finished!"});
    }

    // Another program wrote the shown file while the dialog held changes:
    // the changes go into the file as it is now.
    void changedFileGetsTheChangesMerged()
    {
        const QString folder =
            folderWith({{"a.scl", handMade({entry(1, "Type T001"), entry(2, "Type T002")})}});
        const QString path = folder + "/a.scl";
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        putFile(path, handMade({entry(1, "Type T001"), entry(2, "Type T002"), entry(3, "Other")}));
        dialog.setData(type("Type T005"));
        dialog.tableModel()->setChecked(0, true);
        promptRk::setNextAnswer(QMessageBox::Yes);
        click(dialog, "deleteButton");
        promptRk::clearHistory();
        dialog.reject();
        QCOMPARE(shownTexts(), QStringList{"Save Library File | The library file " +
                                           QDir::toNativeSeparators(path) +
                                           " was changed by another program while it was shown "
                                           "here. Its new entries are kept, and the changes made "
                                           "here were added to them."});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QVector<LibraryEntry> merged = readLibraryFile(&file).entries;
        file.close();
        QStringList written;
        for (const LibraryEntry &e : merged)
            written << e.name + " " + QString::number(e.order);
        QCOMPARE(written, QStringList({"Type T002 2", "Other 3", "Type T005 3"}));
        QCOMPARE(names(dialog), QStringList({"Type T002", "Other", "Type T005"}));
        QVERIFY(!dialog.hasUnsavedChanges());

        // Nobody else wrote since: written without a word.
        promptRk::clearHistory();
        dialog.setData(type("Type T006"));
        dialog.reject();
        QVERIFY(promptRk::history().isEmpty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(readLibraryFile(&file).entries.size(), 4);
        file.close();

        // Unchanged here, changed there: showing the dialog shows the file.
        putFile(path, handMade({entry(1, "Fresh")}));
        dialog.show();
        QCOMPARE(names(dialog), QStringList{"Fresh"});
        dialog.hide();

        // No longer a library: it is not written over, the row stays.
        const QByteArray foreign("not a library at all");
        putFile(path, foreign);
        dialog.setData(type("Type T007"));
        dialog.reject();
        QCOMPARE(promptRk::history().last().title, QString("scl"));
        QVERIFY(promptRk::history().last().text.startsWith(
            "The library file " + QDir::toNativeSeparators(path) +
            " was changed by another program and is no longer a library file"));
        QCOMPARE(fileBytes(path), foreign);
        QVERIFY(dialog.hasUnsavedChanges());
        QCOMPARE(names(dialog), QStringList({"Fresh", "Type T007"}));
    }

    // A folder that takes no new file: a writable file is written in place;
    // a locked one keeps the rows, which "Path setting" carries along.
    void lockedFolderStrandsNoRows()
    {
        const QString folder = folderWith({{"a.scl", handMade({entry(1, "Type T001")})},
                                           {"b.scl", handMade({entry(1, "Type T009")})}});
        const QString a = folder + "/a.scl";
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        lockedPath lockedFolder(folder);
        if (!lockedFolder.locked())
            QSKIP("this file system cannot lock a folder");
        dialog.setData(type("Type T002"));
        dialog.reject();
        QVERIFY(promptRk::history().isEmpty());
        QVERIFY(!dialog.hasUnsavedChanges());
        QFile file(a);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(readLibraryFile(&file).entries.size(), 2);
        file.close();

        const QByteArray before = fileBytes(a);
        lockedPath lockedFile(a);
        QVERIFY(lockedFile.locked());
        dialog.setData(type("Type T003"));
        dialog.reject();
        QCOMPARE(promptRk::history().size(), 1);
        QVERIFY(promptRk::history().first().text.endsWith(
            "The Types stay in this table: \"Path setting\" can take them to another folder, "
            "and closing QCM offers another file for them."));
        QCOMPARE(fileBytes(a), before);
        QVERIFY(dialog.hasUnsavedChanges());

        // The new folder's library takes the row the old file could not.
        const QString other = folderWith({{"c.scl", handMade({entry(1, "Type T100")})}});
        QSignalSpy chosen(&dialog, &standardLibraryRk::fileDirectorySignal);
        promptRk::clearHistory();
        promptRk::setNextFileName(other);
        click(dialog, "pathButton");
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(dialog.libraryFolder(), other);
        QCOMPARE(shownTexts().last(), "Path setting | 1 Types could not be written to " +
                                          QDir::toNativeSeparators(a) + "; they were added to " +
                                          QDir::toNativeSeparators(other + "/c.scl") + ".");
        QVERIFY(!dialog.hasUnsavedChanges());
        QFile carried(other + "/c.scl");
        QVERIFY(carried.open(QIODevice::ReadOnly));
        const QVector<LibraryEntry> entries = readLibraryFile(&carried).entries;
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(1).name, QString("Type T003"));
        QCOMPARE(entries.at(1).order, 2);
        QCOMPARE(fileBytes(a), before);
    }

    // A write that fails at quit offers another file; the answer decides.
    void failedSaveOffersAnotherFile()
    {
        const QString folder = folderWith({{"a.scl", handMade({entry(1, "Type T001")})}});
        const QString a = folder + "/a.scl";
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        lockedPath locked(a);
        if (!locked.locked())
            QSKIP("this file system cannot lock a file");
        const QByteArray before = fileBytes(a);
        dialog.setData(type("Type T002"));

        // Kept without a place: the rows stay, the caller must not drop them.
        promptRk::setNextAnswer(QMessageBox::Cancel);
        QVERIFY(!dialog.saveChanges());
        QVERIFY(dialog.hasUnsavedChanges());
        QCOMPARE(promptRk::history().size(), 1);
        QVERIFY(promptRk::history().first().text.endsWith(
            "The changes of this library are not saved. Save the library in another file?"));

        // Saved elsewhere, into a library that keeps its own entry.
        const QString rescue = folderWith({{"rescue.scl", handMade({entry(1, "Kept")})}});
        promptRk::clearHistory();
        promptRk::setNextAnswer(QMessageBox::Save);
        promptRk::setNextFileName(rescue + "/rescue");
        QVERIFY(dialog.saveChanges());
        QCOMPARE(promptRk::history().last().kind, promptRk::SaveFileName);
        QFile file(rescue + "/rescue.scl");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList saved;
        for (const LibraryEntry &e : readLibraryFile(&file).entries)
            saved << e.name;
        QCOMPARE(saved, QStringList({"Kept", "Type T001", "Type T002"}));
        QVERIFY(!dialog.hasUnsavedChanges());
        QCOMPARE(names(dialog), QStringList{"Type T001"});

        // Discarded on purpose.
        dialog.setData(type("Type T003"));
        promptRk::setNextAnswer(QMessageBox::Discard);
        QVERIFY(dialog.saveChanges());
        QCOMPARE(names(dialog), QStringList{"Type T001"});
        QCOMPARE(fileBytes(a), before);
    }

    // At start-up the boxes wait for the window, and a file is warned about
    // once in each state.
    void startUpBoxesWaitForTheWindow()
    {
        resetStore();
        QByteArray bytes = handMade({entry(1, "Type T001")});
        bytes += handMade({entry(2, "Type T002")}).mid(4, 12);
        const QString folder = folderWith({{"a.scl", bytes}});
        {
            QWidget window;
            auto *dialog = new standardLibraryRk(nullptr, &window);
            dialog->setLibraryFolder(folder);
            QVERIFY(promptRk::history().isEmpty());
            QCOMPARE(dialog->pendingNotices(), 1);
            window.show();
            QTRY_COMPARE(promptRk::history().size(), 1);
            QVERIFY(promptRk::history().first().text.contains("is damaged after 1 complete"));
            QCOMPARE(dialog->pendingNotices(), 0);
        }
        // The next start, the same file: nothing to say.
        {
            QWidget window;
            auto *dialog = new standardLibraryRk(nullptr, &window);
            dialog->setLibraryFolder(folder);
            QCOMPARE(dialog->pendingNotices(), 0);
            QCOMPARE(dialog->tableModel()->rowCount(), 2);
        }
        // Damaged otherwise: said again.
        putFile(folder + "/a.scl", bytes.left(bytes.size() - 2));
        QWidget window;
        auto *dialog = new standardLibraryRk(nullptr, &window);
        dialog->setLibraryFolder(folder);
        QCOMPARE(dialog->pendingNotices(), 1);
        // Chosen by the user, a file is always reported at once.
        window.show();
        QTRY_COMPARE(promptRk::history().size(), 2);
        dialog->setLibraryFolder(folder);
        QCOMPARE(dialog->pendingNotices(), 0);
        QCOMPARE(promptRk::history().size(), 3);
    }

    // Showing and leaving files writes nothing; a changed table is written
    // when another file is chosen, and only then.
    void switchingWritesOnlyAChangedTable()
    {
        const QByteArray a = handMade({entry(4, "Type T004"), entry(2, "Type T002")});
        const QByteArray b = handMade({entry(1, "Type T009")});
        const QString folder = folderWith({{"b.scl", b}, {"A.scl", a}});
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        QCOMPARE(dialog.shownFile(), QString("A.scl"));
        QCOMPARE(names(dialog), QStringList({"Type T004", "Type T002"}));
        QCOMPARE(dialog.tableModel()->entry(0).order, 4);
        fileBox(dialog)->setCurrentIndex(1);
        dialog.show();
        click(dialog, "exitButton");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(fileBytes(folder + "/A.scl"), a);
        QCOMPARE(fileBytes(folder + "/b.scl"), b);

        dialog.setData(type("Type T005", 52.34f, -1.2f, 3.45f));
        QVERIFY(dialog.hasUnsavedChanges());
        QCOMPARE(fileBytes(folder + "/b.scl"), b);
        fileBox(dialog)->setCurrentIndex(0);
        QCOMPARE(fileBytes(folder + "/A.scl"), a);
        fileBox(dialog)->setCurrentIndex(1);
        QCOMPARE(names(dialog), QStringList({"Type T009", "Type T005"}));
        QCOMPARE(dialog.tableModel()->entry(1).value,
                 QString("HunterL52.34  HunterA-1.20  HunterB3.45"));
        QVERIFY(promptRk::history().isEmpty());
    }

    void failedWriteKeepsTheTable()
    {
        const QString folder = folderWith({{"a.scl", handMade({})}, {"b.scl", handMade({})}});
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        dialog.setData(type("Type T001"));
        // The file's place is taken by a folder: no save can land there.
        QVERIFY(QFile::remove(folder + "/a.scl"));
        QVERIFY(QDir(folder).mkdir("a.scl"));

        fileBox(dialog)->setCurrentIndex(1);
        QCOMPARE(promptRk::history().size(), 1);
        QVERIFY(promptRk::history().first().text.startsWith(
            "Cannot write file " + QDir::toNativeSeparators(folder + "/a.scl") + ":\n"));
        QCOMPARE(fileBox(dialog)->currentText(), QString("a.scl"));
        QCOMPARE(dialog.shownFile(), QString("a.scl"));
        QCOMPARE(names(dialog), QStringList{"Type T001"});
        QVERIFY(dialog.hasUnsavedChanges());

        QVERIFY(QDir(folder).rmdir("a.scl"));
        dialog.reject();
        QVERIFY(!dialog.hasUnsavedChanges());
        QFile file(folder + "/a.scl");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(readLibraryFile(&file).entries.size(), 1);
    }

    void newFileThroughItsDialog()
    {
        const QString folder = folderWith({{"a.scl", handMade({})}});
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        dialog.setData(type("Type T001"));
        dialog.show();
        click(dialog, "addFileButton");
        createNewLibraryFile *ask = dialog.newFileDialog();
        QTRY_VERIFY(ask->isVisible());
        // The nominal size, or more where this platform's font needs room.
        QVERIFY(ask->width() >= 240 && ask->height() >= 80);
        QCOMPARE(ask->size(), ask->minimumSize());
        auto *name = ask->findChild<QLineEdit *>("newFileNameEdit");
        auto *ok = ask->findChild<QPushButton *>("newFileOkButton");
        QVERIFY(!ok->isEnabled());
        for (const char *bad : {"   ", "../x", "a/b", "a\\b", ".hidden"}) {
            name->setText(bad);
            QVERIFY2(!ok->isEnabled(), bad);
        }
        name->setText("  spring 2026 ");
        QVERIFY(ok->isEnabled());
        ok->click();
        QVERIFY(!ask->isVisible());
        QVERIFY(name->text().isEmpty());

        QCOMPARE(fileBytes(folder + "/spring 2026.scl"), libraryMagic());
        QCOMPARE(fileBox(dialog)->currentText(), QString("spring 2026.scl"));
        QCOMPARE(dialog.shownFile(), QString("spring 2026.scl"));
        QCOMPARE(dialog.tableModel()->rowCount(), 0);
        QFile old(folder + "/a.scl");
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(readLibraryFile(&old).entries.size(), 1);

        QVERIFY(!dialog.newFile("spring 2026.scl"));
        QVERIFY(!dialog.newFile("../escape.scl"));
        QVERIFY(!dialog.newFile(".scl"));
        QCOMPARE(shownTexts(),
                 QStringList({"Create Folder | Library file already exists!",
                              "Create Folder | A library file name must not be empty, begin with "
                              "a dot or contain a folder separator.",
                              "Create Folder | A library file name must not be empty, begin with "
                              "a dot or contain a folder separator."}));
        QVERIFY(!QFile::exists(m_dir.filePath("escape.scl")));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"a.scl", "spring 2026.scl"}));
    }

    void deletingFiles()
    {
        const QString folder = folderWith(
            {{"a.scl", handMade({entry(1, "A")})}, {"b.scl", handMade({entry(1, "B")})}});
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        dialog.setData(type("Type T001"));

        promptRk::setNextAnswer(QMessageBox::No);
        click(dialog, "deleteFileButton");
        QVERIFY(QFile::exists(folder + "/a.scl"));
        QCOMPARE(promptRk::history().last().text, QString("Determine delete library filesa.scl!"));

        // The deleted file's unsaved rows go with it, and it does not return.
        promptRk::setNextAnswer(QMessageBox::Yes);
        click(dialog, "deleteFileButton");
        QVERIFY(!QFile::exists(folder + "/a.scl"));
        QCOMPARE(dialog.shownFile(), QString("b.scl"));
        QCOMPARE(names(dialog), QStringList{"B"});
        dialog.reject();
        QVERIFY(!QFile::exists(folder + "/a.scl"));

        promptRk::setNextAnswer(QMessageBox::Yes);
        click(dialog, "deleteFileButton");
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"default.scl"});
        QCOMPARE(fileBox(dialog)->count(), 1);
        QCOMPARE(dialog.shownFile(), QString("default.scl"));
    }

    void pathSettingKeepsUnsavedRows()
    {
        const QString first = folderWith({{"a.scl", handMade({entry(1, "Type T001")})}});
        const QString second = m_dir.filePath("chosen");
        standardLibraryRk dialog;
        QSignalSpy chosen(&dialog, &standardLibraryRk::fileDirectorySignal);
        dialog.setLibraryFolder(first);
        dialog.setData(type("Type T002"));

        // Cancelling the chooser changes nothing.
        promptRk::setNextFileName(QString());
        click(dialog, "pathButton");
        QCOMPARE(dialog.libraryFolder(), first);
        QVERIFY(dialog.hasUnsavedChanges());
        QCOMPARE(chosen.count(), 0);

        promptRk::setNextFileName(second);
        click(dialog, "pathButton");
        QCOMPARE(promptRk::history().last().kind, promptRk::ExistingDirectory);
        QCOMPARE(promptRk::history().last().title, QString("Open Directory"));
        QCOMPARE(dialog.libraryFolder(), second);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toString(), second);
        QCOMPARE(fileBytes(second + "/default.scl"), libraryMagic());
        QCOMPARE(dialog.tableModel()->rowCount(), 0);
        QFile old(first + "/a.scl");
        QVERIFY(old.open(QIODevice::ReadOnly));
        const LibraryReadResult kept = readLibraryFile(&old);
        QCOMPARE(kept.entries.size(), 2);
        QCOMPARE(kept.entries.at(1).name, QString("Type T002"));

        // A folder whose file cannot be read shows nothing of the old table.
        const QByteArray broken = QByteArray::fromHex("00010203");
        const QString third = folderWith({{"x.scl", broken}});
        promptRk::setNextFileName(third);
        click(dialog, "pathButton");
        QCOMPARE(dialog.tableModel()->rowCount(), 0);
        dialog.reject();
        QCOMPARE(fileBytes(third + "/x.scl"), broken);
    }

    void searchByName_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QList<int>>("marks");     // marked row per press, -1 none
        QTest::addColumn<QList<bool>>("finished"); // "Search finished!" per press
        QTest::newRow("inside") << "T001" << QList<int>{0, -1} << QList<bool>{false, true};
        QTest::newRow("at the start")
            << "Type" << QList<int>{0, 1, 2, 0} << QList<bool>{false, false, true, false};
        QTest::newRow("at the end") << "T010" << QList<int>{1} << QList<bool>{false};
        QTest::newRow("whole name") << "Blue" << QList<int>{2} << QList<bool>{true};
        QTest::newRow("other case") << "type" << QList<int>{-1} << QList<bool>{true};
        QTest::newRow("empty") << "" << QList<int>{-1} << QList<bool>{true};
    }
    void searchByName()
    {
        QFETCH(QString, key);
        QFETCH(QList<int>, marks);
        QFETCH(QList<bool>, finished);
        const QString folder = folderWith(
            {{"a.scl",
              handMade({entry(1, "Type T001"), entry(2, "Type T010"), entry(3, "Type Blue")})}});
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        edit(dialog, "findNameEdit")->setText(key);
        for (int press = 0; press < marks.size(); ++press) {
            promptRk::clearHistory();
            click(dialog, "findButton");
            QCOMPARE(dialog.tableModel()->markedRow(), marks.at(press));
            const QModelIndex name =
                dialog.tableModel()->index(qMax(marks.at(press), 0), libraryTableModel::NameColumn);
            QCOMPARE(name.data(Qt::BackgroundRole).value<QBrush>().color(),
                     marks.at(press) >= 0 ? QColor(255, 0, 0) : QColor(Qt::white));
            if (marks.at(press) >= 0)
                QCOMPARE(dialog.tableView()->currentIndex(), name);
            QCOMPARE(shownTexts(),
                     finished.at(press) ? QStringList{"Search | Search finished!"} : QStringList());
        }
    }

    void searchByValue()
    {
        const QString folder = folderWith(
            {{"a.scl",
              handMade({entry(1, "Hunter", "HunterL50.00  HunterA0.00  HunterB0.00", "HunterLAB"),
                        entry(2, "Two away"), entry(3, "Close", "L51.00  a0.00  b0.00"),
                        entry(4, "Far", "L90.00  a0.00  b0.00")})}});
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        dialog.standardLibraryParameterFcn("CIE1976L*a*b*", "ΔEL*a*b*");
        QCOMPARE(dialog.findChild<QLabel *>("thresholdLabel")->text(), QString("ΔEL*a*b*<"));
        QCOMPARE(dialog.findChild<QLabel *>("valueLabel2")->text(), QString("a"));
        dialog.findChild<QComboBox *>("findStyleBox")->setCurrentIndex(1);
        QVERIFY(edit(dialog, "findNameEdit")->isHidden());
        QVERIFY(!edit(dialog, "thresholdEdit")->isHidden());
        QCOMPARE(edit(dialog, "thresholdEdit")->text(), QString("2.00"));

        dialog.getColorParameter(52, 0, 0);
        QCOMPARE(edit(dialog, "valueEdit1")->text(), QString("52.00"));
        // Exactly 2.00 away is not within 2.00; the Hunter row is skipped.
        click(dialog, "findButton");
        QCOMPARE(dialog.tableModel()->markedRow(), 2);
        QCOMPARE(dialog.tableModel()->entry(2).info, QString("ΔEL*a*b*=1.00"));
        QVERIFY(dialog.tableModel()->entry(1).info.isEmpty());
        QVERIFY(dialog.tableModel()->entry(0).info.isEmpty());
        QCOMPARE(dialog.searchCursor(), 3);

        // Rows taken away behind the search: the next press is the end.
        dialog.tableModel()->removeEntry(3);
        dialog.tableModel()->removeEntry(2);
        click(dialog, "findButton");
        QCOMPARE(shownTexts(), QStringList{"Search | Search finished!"});
        QCOMPARE(dialog.searchCursor(), 0);

        edit(dialog, "thresholdEdit")->setText("2.01");
        click(dialog, "findButton");
        QCOMPARE(dialog.tableModel()->markedRow(), 1);
        QCOMPARE(dialog.tableModel()->entry(1).info, QString("ΔEL*a*b*=2.00"));
        // A search result is no change to the file.
        QVERIFY(!dialog.hasUnsavedChanges());
    }

    void checkingAndDeletingRows()
    {
        const QString folder = folderWith(
            {{"a.scl",
              handMade({entry(1, "Type T001"), entry(2, "Type T002"), entry(3, "Type T003")})}});
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        QCheckBox *all = dialog.findChild<QCheckBox *>("selectAllBox");
        all->setChecked(true);
        for (int row = 0; row < 3; ++row)
            QVERIFY(dialog.tableModel()->isChecked(row));
        all->setChecked(false);
        QVERIFY(!dialog.tableModel()->isChecked(1));
        // The box of the order cell is the user's.
        libraryTableModel *model = dialog.tableModel();
        QVERIFY(model->flags(model->index(0, 0)) & Qt::ItemIsUserCheckable);
        QVERIFY(!(model->flags(model->index(0, 1)) & Qt::ItemIsEditable));
        QVERIFY(model->setData(model->index(0, 0), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(model->setData(model->index(2, 0), Qt::Checked, Qt::CheckStateRole));

        promptRk::setNextAnswer(QMessageBox::No);
        promptRk::setNextAnswer(QMessageBox::Yes);
        click(dialog, "deleteButton");
        QCOMPARE(shownTexts(), QStringList({"Delete Type | Determine delete Type'Type T003'!",
                                            "Delete Type | Determine delete Type'Type T001'!"}));
        QCOMPARE(names(dialog), QStringList({"Type T002", "Type T003"}));
        QCOMPARE(dialog.tableModel()->entry(0).order, 2);
        dialog.reject();
        QFile file(folder + "/a.scl");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(readLibraryFile(&file).entries.size(), 2);
    }

    void addingFromTheTree()
    {
        const QString folder = folderWith({{"a.scl", handMade({entry(1, "Type T001")})}});
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        // A Hunter item while the dialog shows L*a*b* labels keeps its own.
        QTreeWidgetItem *item = type("Type T007", 52.34f, -1.2f, 3.45f);
        dialog.setData(item);
        dialog.setData(item);
        QCOMPARE(shownTexts(), QStringList{"Save Library File | Name already exists!"});
        QCOMPARE(dialog.tableModel()->rowCount(), 2);
        const LibraryEntry e = dialog.tableModel()->entry(1);
        QCOMPARE(e.order, 2);
        QCOMPARE(e.name, QString("Type T007"));
        QCOMPARE(e.value, QString("HunterL52.34  HunterA-1.20  HunterB3.45"));
        QCOMPARE(QStringList({e.colorSpace, e.lightSource, e.observer, e.illuminationMode,
                              e.caliber, e.lightMode, e.averageTimes, e.measurementTime}),
                 QStringList({"HunterLAB", "D65", "CIE 10°", "8/d", "8mm", "SCI", "3",
                              "2026-03-05 09:07:03"}));
        const QColor swatch = item->background(swatchColumn).color();
        QCOMPARE(QColor(e.red, e.green, e.blue), swatch);
        QCOMPARE(dialog.tableView()->currentIndex().row(), 1);
    }

    // What the user sees, in English and in Chinese: the size, whole texts,
    // the colour cell, the red mark.
    void lookOfTheTable_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << ""
                                 << "Type Data Library";
        QTest::newRow("Simplified Chinese") << "zh_CN"
                                            << "标样数据库";
        QTest::newRow("Traditional Chinese") << "zh_TW"
                                             << "標樣資料庫";
    }
    void lookOfTheTable()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(translator.load("./language/" + language + ".qm"));
            QCoreApplication::installTranslator(&translator);
        }
        const auto removeTranslator =
            qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        const QString folder =
            folderWith({{"a.scl", handMade({entry(1, "Type T001"), entry(12, "Type T002")})}});
        standardLibraryRk dialog;
        dialog.setLibraryFolder(folder);
        dialog.retranslateFor(!language.isEmpty());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.size(), QSize(1080, 600));
        QCOMPARE(dialog.windowTitle(), title);
        QTableView *view = dialog.tableView();
        if (language.isEmpty())
            QCOMPARE(view->model()->headerData(12, Qt::Horizontal, Qt::ToolTipRole).toString(),
                     QString("Measurement Times"));
        QVERIFY(view->horizontalHeader()->stretchLastSection());
        // No text is cut: every cell and header line fits its column.
        const QFontMetrics metrics(view->font());
        for (int column = 0; column < libraryTableModel::ColumnCount; ++column) {
            QStringList texts =
                view->model()->headerData(column, Qt::Horizontal).toString().split('\n');
            for (int row = 0; row < 2; ++row)
                texts << view->model()->index(row, column).data().toString();
            for (const QString &text : texts)
                QVERIFY2(metrics.horizontalAdvance(text) + 6 < view->columnWidth(column),
                         qPrintable(text));
        }
        QVERIFY(view->columnWidth(1) >= 70);
        edit(dialog, "findNameEdit")->setText("T002");
        click(dialog, "findButton");

        const QImage image = view->viewport()->grab().toImage();
        const QRect colour = view->visualRect(view->model()->index(1, 5));
        const QRect name = view->visualRect(view->model()->index(1, 1));
        QCOMPARE(image.pixelColor(colour.center()), QColor(120, 100, 200));
        QCOMPARE(image.pixelColor(name.left() + 3, name.top() + 3), QColor(255, 0, 0));
        const QString artifacts = qEnvironmentVariable("QCM_BUILD_DIR") + "/tests/artifacts";
        QDir().mkpath(artifacts);
        dialog.grab().save(artifacts + "/standardLibrary" + language + ".png");
    }
};

QTEST_MAIN(tst_standardLibrary)
#include "tst_standardLibrary.moc"
