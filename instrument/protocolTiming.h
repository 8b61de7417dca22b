#ifndef QCM_PROTOCOLTIMING_H
#define QCM_PROTOCOLTIMING_H

// Every interval of the conversation with the instrument, in one place: the
// serial link's timers, the port watcher's tick, the measuring keys' debounce
// and the length of one second of the button panel's interval.  The program
// runs on the values below and never changes them; tests shorten them, so
// that they see a time-out happen without sitting through it.  Objects read
// the values whenever they start a timer.
struct protocolTiming
{
    int searchMsec = 1000;      // between two port searches
    int keepAliveMsec = 3000;   // between two keep-alive probes
    int infoMsec = 100;         // from an opening or a probe to the information request
    int parseMsec = 15;         // the quiet time that ends a reply
    int replyMsec = 2000;       // the reply time-out of a request
    int firstPollMsec = 150;    // upload: the look at the port after the first request
    int nextPollMsec = 25;      // upload: after each further request
    int uploadStallMsec = 2000; // upload: no record for this long ends it
    int hideMsec = 3000;        // status texts and the progress bar
    int calibrationBoxMsec = 1500;
    int watcherTickMsec = 500;  // the port watcher's tick
    int debounceMsec = 600;     // a second press of a measuring key within this is ignored
    int panelSecondMsec = 1000; // one second of the button panel's interval

    // The values in force.
    static const protocolTiming &current();
    // Replaces them (tests); objects already running keep their timers until
    // they start them again.
    static void set(const protocolTiming &timing);
};

#endif
