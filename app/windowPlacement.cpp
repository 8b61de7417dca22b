#include "windowPlacement.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

void restoreWindowPlacement(QMainWindow *window, const QSettings &settings)
{
    if (!settings.contains("geometry") && !settings.contains("size")) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        window->resize(screen.size() * 0.9);
        window->move(screen.center() - window->rect().center());
    }
    window->restoreGeometry(settings.value("geometry").toByteArray());
    if (settings.contains("pos"))
        window->move(settings.value("pos").toPoint());
    if (settings.contains("size"))
        window->resize(settings.value("size").toSize());
    if (settings.value("maximized", false).toBool())
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void saveWindowPlacement(const QMainWindow *window, QSettings &settings)
{
    settings.setValue("pos", window->pos());
    settings.setValue("size", window->size());
    settings.setValue("maximized", window->isMaximized());
    settings.setValue("geometry", window->saveGeometry());
}
