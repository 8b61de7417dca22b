#ifndef QCM_STARTUP_H
#define QCM_STARTUP_H

// Brings the program up (splash, main window, command-line file) and runs the
// event loop; returns its exit code.
int runQcm(int argc, char **argv);

#endif
