#include "../support/testTiming.h"
#include "threadRk.h"

#include <QElapsedTimer>
#include <QVector>
#include <QtTest>
#include <atomic>

// The watcher ticks about twice a second until asked to stop; a start while a
// run is still ending does nothing.  Its tick is shortened (testTiming) except
// where the program's own period is checked.
class tst_threadRk : public QObject
{
    Q_OBJECT

    // Long enough for a tick to come, were one still to come.
    static int severalTicks() { return 3 * protocolTiming::current().watcherTickMsec; }

private slots:
    void init() { protocolTiming::set(testTiming()); }
    void cleanup() { protocolTiming::set(protocolTiming()); }

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
        QTest::qWait(severalTicks());
        QCOMPARE(ticks.count(), afterStop);
    }

    // Ticks come at most about twice a second: between two ticks the run
    // sleeps 500 ms.  Only that lower bound on the spacing is asserted; how
    // soon a loaded machine wakes the thread is not.
    void ticksAreHalfASecondApart()
    {
        protocolTiming::set(protocolTiming());
        threadRk watcher;
        QElapsedTimer clock;
        clock.start();
        QVector<qint64> at; // written by the worker, read only once it has ended
        std::atomic<int> count{0};
        connect(
            &watcher, &threadRk::portWSSignal, &watcher,
            [&] {
                at << clock.elapsed();
                ++count;
            },
            Qt::DirectConnection);
        watcher.startTicking();
        QTRY_VERIFY_WITH_TIMEOUT(count >= 4, 20000);
        watcher.requestStop();
        QTRY_VERIFY_WITH_TIMEOUT(watcher.isFinished(), 5000);
        for (int i = 1; i < at.size(); ++i)
            QVERIFY2(at[i] - at[i - 1] >= 450,
                     qPrintable(QString("ticks %1 ms apart").arg(at[i] - at[i - 1])));
    }

    // A stop asked for right after the start, before the new thread has had
    // a chance to run, must still end it.
    void stopRightAfterStartIsNotLost()
    {
        threadRk watcher;
        for (int round = 0; round < 10; ++round) {
            watcher.startTicking();
            watcher.requestStop();
            QTRY_VERIFY2_WITH_TIMEOUT(watcher.isFinished(),
                                      qPrintable(QString("round %1 ticks on").arg(round)), 5000);
        }
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
        QTest::qWait(severalTicks());
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
