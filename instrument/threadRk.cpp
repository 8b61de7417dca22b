#include "threadRk.h"

#include "protocolTiming.h"

threadRk::threadRk(QObject *parent) : QThread(parent) {}

threadRk::~threadRk()
{
    // Destroying a running QThread aborts the program: end the run first.
    if (isRunning()) {
        destroying = true;
        stopRequested = true;
        wakeForDestruction.release();
        wait();
    }
}

void threadRk::requestStop()
{
    stopRequested = true;
}

void threadRk::startTicking()
{
    // A run still ending keeps its stop request: starting it again is a no-op.
    if (isRunning())
        return;
    // Cleared here rather than when the run begins, so that a stop asked for
    // before the new thread gets going is not lost.
    stopRequested = false;
    tickMsec = protocolTiming::current().watcherTickMsec;
    start(QThread::TimeCriticalPriority);
}

void threadRk::run()
{
    while (!destroying) {
        emit portWSSignal();
        if (wakeForDestruction.tryAcquire(1, tickMsec))
            break;
        if (stopRequested)
            break;
    }
    stopRequested = false;
    quit();
}
