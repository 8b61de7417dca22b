#include "startup.h"

#include "MainWindows.h"
#include "historyKeeper.h"
#include "platformIntegration.h"
#include "resourcePath.h"
#include "splashChoice.h"

#include <QApplication>
#include <QPixmap>
#include <QRandomGenerator>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QTime>

namespace {

// Keeps the splash responsive while it stays up for a fixed time.
void waitPumping(int msec)
{
    const QTime until = QTime::currentTime().addMSecs(msec);
    while (QTime::currentTime() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
}

} // namespace

void startSession(MainWindows &window, const QString &journalFolder, const QStringList &arguments)
{
    // Outboxes of the history wait beside the journals.
    window.history()->start(journalFolder);
    window.startJournal(journalFolder);
    if (arguments.size() > 1)
        window.openFileAtStart(arguments.at(1));
}

int runQcm(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("SoftWare Inc."));
    QCoreApplication::setApplicationName(QStringLiteral("qcm"));
    QCoreApplication::addLibraryPath("./imageformats");
    ensureFileAssociation(QCoreApplication::applicationFilePath());

    QRandomGenerator random(quint32(QTime(0, 0).secsTo(QTime::currentTime())));
    const SplashChoice choice = splashChoice(int(random.generate() % 10));

    auto *splash = new QSplashScreen;
    splash->setPixmap(QPixmap(resourcePath(choice.picture)));
    splash->show();

    MainWindows window;
    waitPumping(200);
    splash->showMessage(QObject::tr("Setting up the main window..."), Qt::AlignTop | Qt::AlignRight,
                        choice.messageColor);
    waitPumping(1000);
    splash->showMessage(QObject::tr("loading modules..."), Qt::AlignTop | Qt::AlignRight,
                        choice.messageColor);
    waitPumping(800);
    window.show();
    startSession(window,
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/journal",
                 QCoreApplication::arguments());
    splash->finish(&window);
    delete splash;

    return app.exec();
}
