#ifndef QCM_CHARTPICTURES_H
#define QCM_CHARTPICTURES_H

#include <QHash>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// The pictures the charts draw under their grids: the a*b* colour disc, the
// lightness bar and the two chromaticity diagrams, plus the trend plot's zoom
// icons.  They are read from disk once; every later paint reuses them, and a
// picture scaled for the screen is kept for as long as its size stays the
// same, so an ordinary repaint neither reads nor rescales anything.
class chartPictures
{
public:
    enum Picture
    {
        abDisc,
        lightnessBar,
        uvDiagram,
        xyDiagram,
        zoomInIcon,
        zoomOutIcon,
        pictureCount
    };

    // Reads the pictures from the program's resource folders.
    chartPictures();
    // Reads them from `folder`, which holds "icon/resImage/..." and
    // "icon/plotter/...".  A folder without them gives null pictures.
    explicit chartPictures(const QString &folder);

    // The pictures of the running program, read at first use.
    static const chartPictures &shared();

    const QImage &image(Picture picture) const { return m_images[picture]; }
    bool has(Picture picture) const { return !m_images[picture].isNull(); }
    // The relative path the program reads the picture from.
    static QString relativePath(Picture picture);

    // Draws `picture` scaled into `target`.  On an unscaled painter (a
    // widget, an image) the scaled copy is cached per size and drawn pixel for
    // pixel, sharp on high-density screens too; on a scaled painter (a page)
    // the original is drawn into the target.
    void draw(QPainter &painter, Picture picture, const QRectF &target) const;

private:
    void load(const QString &root);

    QImage m_images[pictureCount];
    mutable QHash<quint64, QImage> m_scaled;
};

#endif
