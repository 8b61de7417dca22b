#ifndef QCM_RESGEN_ART_H
#define QCM_RESGEN_ART_H

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

// Everything the generator draws. Each function returns a finished picture;
// writing it to disk is the caller's business.
namespace art {

struct Theme
{
    QString name;    // folder under icon/
    QColor primary;  // main fill
    QColor dark;     // outlines
    QColor light;    // secondary fill
    QColor accent;   // arrows, badges
    QColor danger;   // delete actions
    bool monochrome; // gray theme: the finished icon is desaturated
};

QList<Theme> themes();

// File names of the action icons; the last two exist in the blue theme only.
QStringList actionIconFiles();
QStringList blueOnlyIconFiles();

// Draws one action icon at size x size pixels (null image for an unknown name).
QImage actionIcon(const QString &file, const Theme &theme, int size = 64);

QImage splash(int index); // index 1..5
bool splashIsLight(int index);
QString splashFileName(int index);

QImage appIcon(int size);
QImage logo();
QImage zoomIcon(bool zoomIn, int size = 48);
QImage reportThumbnail(int format); // 1 or 2

QImage abDisc(int size = 512, double lightness = 70.0);
QImage lightnessBar(int width = 40, int height = 512);
QImage chromaticity1931(int size = 800);
QImage chromaticity1976(int width = 760, int height = 720);

} // namespace art

#endif
