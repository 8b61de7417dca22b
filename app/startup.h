#ifndef QCM_STARTUP_H
#define QCM_STARTUP_H

// Brings the program up (splash, main window, command-line file) and runs the
// event loop; returns its exit code.
int runQcm(int argc, char **argv);

class MainWindows;
class QString;
class QStringList;

// What follows the splash, once the window shows: the journal an unclean exit
// left in `journalFolder` is offered first, then the measuring file named in
// `arguments` (as QCoreApplication::arguments() gives them) is opened, asking
// first about a restored measurement.
void startSession(MainWindows &window, const QString &journalFolder, const QStringList &arguments);

#endif
