#ifndef QCM_TESTS_TESTTIMING_H
#define QCM_TESTS_TESTTIMING_H

// The protocol's intervals shortened for tests, so that a search, a probe, a
// tick or a status text comes within a few tens of milliseconds.  The reply
// time-out is made long instead: on a loaded machine an answer may take more
// than the program's two seconds, and a test that does not look for a
// time-out must not get one.  A test that wants one shortens it itself, with
// room for a loaded machine, and waits for what the time-out causes.

#include "protocolTiming.h"

inline protocolTiming testTiming()
{
    protocolTiming t;
    t.searchMsec = 50;
    t.keepAliveMsec = 250;
    t.infoMsec = 20;
    t.hideMsec = 250;
    t.watcherTickMsec = 50;
    t.debounceMsec = 100;
    t.replyMsec = 10000;
    return t;
}

// Puts `timing` in force for the life of the scope, then the program's own.
class timingScope
{
public:
    explicit timingScope(const protocolTiming &timing = testTiming())
    {
        protocolTiming::set(timing);
    }
    ~timingScope() { protocolTiming::set(protocolTiming()); }
    timingScope(const timingScope &) = delete;
    timingScope &operator=(const timingScope &) = delete;
};

#endif
