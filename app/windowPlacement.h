#ifndef QCM_WINDOWPLACEMENT_H
#define QCM_WINDOWPLACEMENT_H

class QMainWindow;
class QSettings;

// Where the main window stands on the screen, kept in the settings store
// ("pos", "size", "maximized", "geometry").  A first start takes most of the
// screen, so every panel can be read.
void restoreWindowPlacement(QMainWindow *window, const QSettings &settings);
void saveWindowPlacement(const QMainWindow *window, QSettings &settings);

#endif
