#include "threadRk.h"

namespace {
const int tickMsec = 500;
}

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
    start(QThread::TimeCriticalPriority);
}

void threadRk::run()
{
    stopRequested = false;
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
