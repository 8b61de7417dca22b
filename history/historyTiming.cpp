#include "historyTiming.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

// Read from the uploader's thread, set from the tests' main thread.
QMutex &timingMutex()
{
    static QMutex mutex;
    return mutex;
}

historyTiming &timingInForce()
{
    static historyTiming timing;
    return timing;
}

} // namespace

historyTiming historyTiming::current()
{
    QMutexLocker lock(&timingMutex());
    return timingInForce();
}

void historyTiming::set(const historyTiming &timing)
{
    QMutexLocker lock(&timingMutex());
    timingInForce() = timing;
}
