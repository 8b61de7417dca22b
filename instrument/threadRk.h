#ifndef QCM_THREADRK_H
#define QCM_THREADRK_H

// The port watcher: while a modal dialog runs its own event loop the serial
// link would stop hearing the port, so this thread ticks every 500 ms (the
// watcher tick of protocolTiming) and each tick, delivered as a queued call,
// makes the link read the port.

#include <QSemaphore>
#include <QThread>
#include <atomic>

class threadRk : public QThread
{
    Q_OBJECT

public:
    explicit threadRk(QObject *parent = nullptr);
    ~threadRk() override;

    // Ask the loop to end after the sleep in progress; returns at once.
    void requestStop();
    // Start ticking; does nothing while a run is still going on.
    void startTicking();

signals:
    void portWSSignal();

protected:
    void run() override;

private:
    // Written by the interface thread, read by the worker.
    std::atomic<bool> stopRequested{false};
    // Released only on destruction, to cut the last sleep short.
    QSemaphore wakeForDestruction;
    std::atomic<bool> destroying{false};
    // The tick of the run, taken from protocolTiming when it starts.
    std::atomic<int> tickMsec{500};
};

#endif
