// The library's Test button end to end: the window asks the instrument
// emulator for a measurement over a pseudo-terminal, and the reading, in the
// current colour space, fills the search fields.

#include "../support/emulatorProcess.h"
#include "../support/settingsStore.h"
#include "../support/testTiming.h"
#include "MainWindows.h"
#include "colorConversions.h"
#include "measurementRoad.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "standardLibraryRk.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>

namespace {

const int connectTimeout = 15000;
const int replyTimeout = 10000;

QStringList fields(standardLibraryRk *dialog)
{
    QStringList texts;
    for (int i = 1; i <= 3; ++i)
        texts << dialog->findChild<QLineEdit *>(QString("valueEdit%1").arg(i))->text();
    return texts;
}

} // namespace

class tst_libraryInstrument : public QObject
{
    Q_OBJECT

    emulatorProcess emulator;

private slots:
    void initTestCase() { promptRk::setTesting(true); }
    void init() { protocolTiming::set(testTiming()); }
    void cleanup()
    {
        emulator.stop();
        qunsetenv("QCM_SERIAL_PORT");
        protocolTiming::set(protocolTiming());
    }

    void testMeasurementFillsTheSearch()
    {
        QTemporaryDir folder;
        resetStore({{"fileDirectory", folder.path()}, {"colorSpacePC", "CIELCH"}});
        QVERIFY(emulator.start({"--colors", "50,10,20;60,-5,12"}));
        qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
        MainWindows window;
        standardLibraryRk *dialog = window.libraryDialog();
        QPushButton *test = dialog->findChild<QPushButton *>("testButton");
        QVERIFY(!test->isEnabled());
        window.action("standardLibraryFcn")->trigger();
        dialog->findChild<QComboBox *>("findStyleBox")->setCurrentIndex(1);
        QVERIFY(test->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), connectTimeout);
        QCOMPARE(dialog->valueLabels(), QStringList({"L", "c", "H"}));

        test->click();
        const QList<float> lch = colorSpaceValues(50, 10, 20, "CIELCH");
        QStringList expected;
        for (float v : lch)
            expected << QString::number(double(v), 'f', 2);
        QTRY_COMPARE_WITH_TIMEOUT(fields(dialog), expected, replyTimeout);
        QCOMPARE(expected.last(), QString("63.00"));
        QCOMPARE(emulator.count(0xC4), 1);
        // A test reading makes no Type; the next Type measurement does.
        QCOMPARE(window.treeModel()->typeCount(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!window.road()->debouncing(), connectTimeout);
        window.action("tTestFcn")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(window.treeModel()->typeCount(), 1, replyTimeout);
        QCOMPARE(window.treeModel()->type(0)->text(2), QString("60"));
        QCOMPARE(fields(dialog), expected);

        // Without the instrument the button cannot be used.
        emulator.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!test->isEnabled(), connectTimeout);
    }
};

QTEST_MAIN(tst_libraryInstrument)
#include "tst_libraryInstrument.moc"
