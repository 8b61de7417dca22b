// qcm-emulator: the colorimeter on a pseudo-terminal, for tests and for
// trying the program without hardware.  `qcm-emulator --help` lists the
// options.

#include "emulatorConfig.h"
#include "instrumentEmulator.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    // Nothing but write() is safe here; the event loop does the rest.
    const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
    (void)ignored;
}

bool installSignalHandlers()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) {
        if (::sigaction(s, &action, nullptr) != 0)
            return false;
    }
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qcm-emulator"));

    emulatorConfig config;
    QString error;
    bool helpShown = false;
    if (!parseEmulatorArguments(QCoreApplication::arguments(), &config, &error, &helpShown)) {
        std::fprintf(stderr, "qcm-emulator: %s\nTry qcm-emulator --help.\n", qPrintable(error));
        return 2;
    }
    if (helpShown)
        return 0;

    if (!installSignalHandlers()) {
        std::perror("qcm-emulator: signal handlers");
        return 1;
    }
    QSocketNotifier stopNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stopNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);

    instrumentEmulator emulator(config);
    if (!emulator.open(&error)) {
        std::fprintf(stderr, "qcm-emulator: %s\n", qPrintable(error));
        return 1;
    }
    // The first line is the contract with whoever started us.
    std::printf("%s\n", qPrintable(emulator.slavePath()));
    std::fflush(stdout);

    const int status = app.exec();
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    return status;
}
