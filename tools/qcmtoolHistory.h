#ifndef QCM_QCMTOOLHISTORY_H
#define QCM_QCMTOOLHISTORY_H

// qcmtool history: the measurement history's queries from the command line,
// as text, CSV or JSON.  Exit code 0 done, 1 wrong arguments or a history
// that cannot be opened or read.
int historyCommand(int argc, char **argv);

#endif
