#ifndef QCM_HISTORYTIMING_H
#define QCM_HISTORYTIMING_H

// The intervals of the history's uploader, in one place: the program runs on
// the values below; tests shorten them, so that a retry after a server came
// back, or the look for an outbox a killed program left, happens within a
// few tens of milliseconds.  The uploader reads them whenever it starts a
// timer.
struct historyTiming
{
    int retryMsec = 5000;       // after a failed connection or insert
    int orphanScanMsec = 60000; // between two looks for outboxes no program holds
    int batchSize = 500;        // records sent in one transaction

    static historyTiming current();
    // Replaces them (tests); uploaders already waiting keep their timers.
    static void set(const historyTiming &timing);
};

#endif
