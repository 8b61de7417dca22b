#include "windowPlacement.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

namespace {

// The screen the rectangle is mostly on, or the primary one when it is on
// none of them (a monitor that is gone, a resolution that shrank).
QScreen *screenShowing(const QRect &frame)
{
    QScreen *best = nullptr;
    int bestArea = 0;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *screen : screens) {
        const QRect common = screen->availableGeometry().intersected(frame);
        const int area = common.width() * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = screen;
        }
    }
    return best ? best : QGuiApplication::primaryScreen();
}

// Moves and shrinks the window so that it lies wholly on one screen.
void keepOnScreen(QMainWindow *window)
{
    const QRect area = screenShowing(window->geometry())->availableGeometry();
    QRect frame = window->geometry();
    frame.setSize(frame.size().boundedTo(area.size()));
    if (frame.right() > area.right())
        frame.moveRight(area.right());
    if (frame.bottom() > area.bottom())
        frame.moveBottom(area.bottom());
    if (frame.left() < area.left())
        frame.moveLeft(area.left());
    if (frame.top() < area.top())
        frame.moveTop(area.top());
    if (frame != window->geometry()) {
        window->resize(frame.size());
        window->move(frame.topLeft() + (window->pos() - window->geometry().topLeft()));
    }
}

} // namespace

void restoreWindowPlacement(QMainWindow *window, const QSettings &settings)
{
    // The geometry knows the screens it was saved on and brings the window
    // back onto the visible ones; "pos" and "size" serve only stores that
    // lack it, and are kept on a screen here.
    if (window->restoreGeometry(settings.value("geometry").toByteArray())) {
        keepOnScreen(window);
    } else if (settings.contains("pos") || settings.contains("size")) {
        if (settings.contains("size"))
            window->resize(settings.value("size").toSize());
        if (settings.contains("pos"))
            window->move(settings.value("pos").toPoint());
        keepOnScreen(window);
    } else {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        window->resize(screen.size() * 0.9);
        window->move(screen.center() - window->rect().center());
    }
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
