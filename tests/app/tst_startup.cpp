// Start-up: the splash picture and message colour for each random draw, and
// what follows the splash - the journal of an unclean exit, then the file
// named on the command line.

#include "../support/conditionColumns.h"
#include "../support/settingsStore.h"
#include "MainWindows.h"
#include "measurementTreeRk.h"
#include "measuringJournal.h"
#include "promptRk.h"
#include "splashChoice.h"
#include "startup.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_startup : public QObject
{
    Q_OBJECT
private slots:
    void pictureAndColourPerDraw_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QColor>("colour");
        const QColor black(Qt::black), white(Qt::white);
        const int pictures[] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5};
        const QColor colours[] = {black, black, white, white, black,
                                  black, white, white, white, white};
        for (int r = 0; r < 10; ++r)
            QTest::addRow("r=%d", r) << r << pictures[r] << colours[r];
    }
    void pictureAndColourPerDraw()
    {
        QFETCH(int, r);
        QFETCH(int, picture);
        QFETCH(QColor, colour);
        const SplashChoice choice = splashChoice(r);
        QCOMPARE(choice.picture, QString("./start image/splash%1.png").arg(picture));
        QCOMPARE(choice.messageColor, colour);
        // The picture exists in the build folder and is a real picture.
        QVERIFY2(!QImage(choice.picture).isNull(), qPrintable(choice.picture));
    }

    // a.qcm saved with one Type, a second Type measured, then the program
    // killed; started again with a.qcm on its command line (a double-click),
    // the restored measurement is asked about before the file replaces it.
    void restoredMeasurementBeforeTheCommandLineFile_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("shownTypes");
        QTest::addColumn<int>("typesInFile");
        QTest::addColumn<bool>("modified");
        QTest::newRow("Cancel keeps the restored measurement")
            << int(QMessageBox::Cancel) << 2 << 1 << true;
        QTest::newRow("Yes saves it into the file first")
            << int(QMessageBox::Yes) << 2 << 2 << false;
        QTest::newRow("No opens the file as it is") << int(QMessageBox::No) << 1 << 1 << false;
    }
    void restoredMeasurementBeforeTheCommandLineFile()
    {
        QFETCH(int, answer);
        QFETCH(int, shownTypes);
        QFETCH(int, typesInFile);
        QFETCH(bool, modified);
        resetStore();
        promptRk::setTesting(true);
        promptRk::clearHistory();
        QTemporaryDir dir;
        const QString file = dir.filePath("a.qcm");
        const QString journals = dir.filePath("journal");
        {
            MainWindows window;
            startSession(window, journals, {"qcm"});
            window.addTypeItem(50, 1, 2, "Type T001", conditionColumns());
            promptRk::setNextFileName(file);
            QVERIFY(window.save());
            window.addTypeItem(60, 3, 4, "Type T002", conditionColumns());
            // Gone without a clean exit, as when killed.
        }
        promptRk::clearHistory();

        auto window = std::make_unique<MainWindows>();
        promptRk::setNextAnswer(QMessageBox::Yes); // restore
        promptRk::setNextAnswer(QMessageBox::StandardButton(answer));
        startSession(*window, journals, {"qcm", file});
        const QList<promptRk::Record> asked = promptRk::history();
        QCOMPARE(asked.size(), 2);
        QVERIFY(asked.at(0).text.contains("2 Types and Samples of a.qcm"));
        QCOMPARE(asked.at(1).text,
                 QString("The document has been modified.\nDo you want to save your changes?"));
        QCOMPARE(window->treeModel()->typeCount(), shownTypes);
        QCOMPARE(window->currentFile(), file);
        QCOMPARE(window->isModified(), modified);
        {
            MainWindows reader;
            QVERIFY(reader.loadFile(file));
            QCOMPARE(reader.treeModel()->typeCount(), typesInFile);
        }

        // Killed again: the journal offers what the window showed, unless
        // the file now holds it.
        window.reset();
        promptRk::clearHistory();
        promptRk::setNextAnswer(QMessageBox::No);
        MainWindows again;
        again.startJournal(journals);
        QCOMPARE(promptRk::history().size(), modified ? 1 : 0);
        if (modified)
            QVERIFY(promptRk::history().first().text.contains("2 Types and Samples"));
    }

    // Without anything to restore the file opens at once.
    void commandLineFileWithoutAJournal()
    {
        resetStore();
        promptRk::setTesting(true);
        QTemporaryDir dir;
        const QString file = dir.filePath("b.qcm");
        {
            MainWindows window;
            window.addTypeItem(50, 1, 2, "Type T001", conditionColumns());
            QVERIFY(window.saveFile(file));
        }
        promptRk::clearHistory();
        MainWindows window;
        startSession(window, dir.filePath("journal"), {"qcm", file, "ignored"});
        QVERIFY(promptRk::history().isEmpty());
        QCOMPARE(window.currentFile(), file);
        QCOMPARE(window.treeModel()->typeCount(), 1);
        QVERIFY(!window.isModified());
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
