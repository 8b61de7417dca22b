#include "threadRk.h"

#include <QtTest>

// The watcher ticks about twice a second until asked to stop; a start while a
// run is still ending does nothing.
class tst_threadRk : public QObject
{
    Q_OBJECT

private slots:
    void ticksUntilStopped()
    {
        threadRk watcher;
        QSignalSpy ticks(&watcher, &threadRk::portWSSignal);
        watcher.startTicking();
        QVERIFY(watcher.isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 3, 10000);
        watcher.requestStop();
        QTRY_VERIFY_WITH_TIMEOUT(watcher.isFinished(), 5000);
        const int afterStop = ticks.count();
        QTest::qWait(1200);
        QCOMPARE(ticks.count(), afterStop);
    }

    // Roughly two ticks a second: in 2.5 s at least 3 and far fewer than 20.
    void tickRateIsAboutTwoPerSecond()
    {
        threadRk watcher;
        QSignalSpy ticks(&watcher, &threadRk::portWSSignal);
        watcher.startTicking();
        QTest::qWait(2500);
        watcher.requestStop();
        QTRY_VERIFY_WITH_TIMEOUT(watcher.isFinished(), 5000);
        QVERIFY2(ticks.count() >= 3 && ticks.count() < 20,
                 qPrintable(QString::number(ticks.count())));
    }

    void stopThenStartWhileRunningEndsTheRun()
    {
        threadRk watcher;
        QSignalSpy ticks(&watcher, &threadRk::portWSSignal);
        watcher.startTicking();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 1, 5000);
        watcher.requestStop();
        watcher.startTicking(); // still running: no effect
        QTRY_VERIFY_WITH_TIMEOUT(watcher.isFinished(), 5000);
        const int afterEnd = ticks.count();
        QTest::qWait(1200);
        QCOMPARE(ticks.count(), afterEnd);

        // Once the run has ended a new start ticks again.
        watcher.startTicking();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() > afterEnd, 5000);
        watcher.requestStop();
        QTRY_VERIFY_WITH_TIMEOUT(watcher.isFinished(), 5000);
    }

    // A stop request while idle is cleared by the next run, which ticks.
    void stopWhileIdleDoesNotPreventNextRun()
    {
        threadRk watcher;
        QSignalSpy ticks(&watcher, &threadRk::portWSSignal);
        watcher.requestStop();
        watcher.startTicking();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, 5000);
        watcher.requestStop();
        QTRY_VERIFY_WITH_TIMEOUT(watcher.isFinished(), 5000);
    }

    // Destroying a running watcher must not abort the program.
    void destroyWhileRunning()
    {
        auto *watcher = new threadRk;
        QSignalSpy ticks(watcher, &threadRk::portWSSignal);
        watcher->startTicking();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 1, 5000);
        delete watcher;
    }
};

QTEST_GUILESS_MAIN(tst_threadRk)
#include "tst_threadRk.moc"
