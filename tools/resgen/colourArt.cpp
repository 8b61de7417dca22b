#include "art.h"
#include "cieData.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <functional>

namespace art {

namespace {

// Maps a chromaticity pair to picture pixels. The chart scales each picture
// into a rectangle whose inner grid it draws itself, so the offsets and
// scales here are the grid's position inside that rectangle, as fractions of
// the picture's width and height.
struct DiagramMapping
{
    double width;
    double height;
    double originX; // fraction of the width where the first coordinate is 0
    double scaleX;  // fraction of the width per coordinate unit
    double originY; // fraction of the height where the second coordinate is 0
    double scaleY;  // fraction of the height per coordinate unit

    QPointF toPixel(const QPointF &c) const
    {
        return QPointF(width * (originX + c.x() * scaleX), height * (originY - c.y() * scaleY));
    }
    QPointF fromPixel(const QPointF &px) const
    {
        return QPointF((px.x() / width - originX) / scaleX, (originY - px.y() / height) / scaleY);
    }
};

// The xy chart draws the square picture into (left, top, S, S) and its frame
// from left + 0.03 S (x = 0) over 0.774 S (x = 0.8), and from
// top + 0.894 S (y = 0) up over 0.879 S (y = 0.9).
DiagramMapping mapping1931(int size)
{
    return {double(size), double(size), 0.03, 0.774 / 0.8, 0.894, 0.879 / 0.9};
}

// The u'v' chart draws the picture into (left, top, Wd, Hd) with its inner
// box from 0.05 to 0.95 of each side standing for 0 to 0.6.
DiagramMapping mapping1976(int width, int height)
{
    return {double(width), double(height), 0.05, 0.9 / 0.6, 0.95, 0.9 / 0.6};
}

// Closed outline through the locus points, smoothed with a Catmull-Rom spline;
// the closing straight segment is the line of purples.
QPainterPath smoothClosedLocus(const QVector<QPointF> &pts)
{
    QPainterPath path;
    const int n = pts.size();
    if (n < 2)
        return path;
    path.moveTo(pts[0]);
    for (int i = 0; i + 1 < n; ++i) {
        const QPointF p0 = pts[qMax(0, i - 1)];
        const QPointF p1 = pts[i];
        const QPointF p2 = pts[i + 1];
        const QPointF p3 = pts[qMin(n - 1, i + 2)];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

QImage maskOf(const QPainterPath &path, int width, int height)
{
    QImage mask(width, height, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path, Qt::white);
    return mask;
}

// Fills every covered pixel of the mask with colourAt(pixel centre) and the
// mask's coverage as alpha.
QImage colourThroughMask(const QImage &mask, const std::function<QRgb(const QPointF &)> &colourAt)
{
    QImage out(mask.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    for (int y = 0; y < mask.height(); ++y) {
        const QRgb *m = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        QRgb *o = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            const int alpha = qAlpha(m[x]);
            if (alpha == 0)
                continue;
            const QRgb c = colourAt(QPointF(x + 0.5, y + 0.5));
            o[x] = qRgba(qRed(c), qGreen(c), qBlue(c), alpha);
        }
    }
    return out;
}

// Outline of the locus and wavelength labels. A label is drawn only where it
// fits inside the chart's grid box, so that it never collides with the axis
// numbers the chart prints around that box.
void drawLocusDecoration(QImage &img, const QPainterPath &outline, const QVector<QPointF> &locusPx,
                         const QPointF &whitePx, const QRectF &gridBox, const QList<int> &labelled)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double unit = img.height() / 400.0;
    p.setPen(QPen(QColor(70, 70, 70), 1.5 * unit));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);

    QFont font("DejaVu Sans");
    font.setPixelSize(qRound(11 * unit));
    p.setFont(font);
    const auto &observer = cie::standardObserver1931();
    for (int i = 0; i < observer.size(); ++i) {
        if (!labelled.contains(observer[i].nanometres))
            continue;
        const QPointF at = locusPx[i];
        QPointF dir = at - whitePx;
        const double len = std::hypot(dir.x(), dir.y());
        if (len <= 0.0)
            continue;
        dir /= len;
        const QString text = QString::number(observer[i].nanometres);
        const QPointF centre = at + dir * 15 * unit;
        const QRectF box(centre.x() - 12 * unit, centre.y() - 7 * unit, 24 * unit, 14 * unit);
        if (!gridBox.contains(box))
            continue;
        p.setPen(QPen(QColor(70, 70, 70), 1.2 * unit));
        p.drawLine(at, at + dir * 5 * unit);
        p.setPen(QColor(60, 60, 60));
        p.drawText(box, Qt::AlignCenter, text);
    }
}

QImage chromaticityDiagram(const DiagramMapping &map, const QVector<QPointF> &locus,
                           const std::function<QPointF(const QPointF &)> &toXy,
                           const QPointF &whiteInDiagram, const QRectF &gridInDiagram,
                           const QList<int> &labelled)
{
    QVector<QPointF> px;
    px.reserve(locus.size());
    for (const QPointF &c : locus)
        px.append(map.toPixel(c));
    const QPainterPath outline = smoothClosedLocus(px);
    const int w = int(map.width);
    const int h = int(map.height);
    QImage img = colourThroughMask(maskOf(outline, w, h), [&](const QPointF &pixel) {
        return cie::displayColourForXy(toXy(map.fromPixel(pixel)));
    });
    const QRectF gridBox =
        QRectF(map.toPixel(gridInDiagram.topLeft()), map.toPixel(gridInDiagram.bottomRight()))
            .normalized();
    drawLocusDecoration(img, outline, px, map.toPixel(whiteInDiagram), gridBox, labelled);
    return img;
}

} // namespace

QImage abDisc(int size, double lightness)
{
    const double radius = size / 2.0;
    QPainterPath disc;
    disc.addEllipse(QPointF(radius, radius), radius, radius);
    return colourThroughMask(maskOf(disc, size, size), [&](const QPointF &px) {
        const double a = (px.x() - radius) / radius * 128.0;
        const double b = (radius - px.y()) / radius * 128.0;
        return cie::labToSrgbChromaClipped(lightness, a, b);
    });
}

QImage lightnessBar(int width, int height)
{
    QImage img(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const double L = 100.0 * (1.0 - (y + 0.5) / height);
        const QRgb grey = cie::xyzToSrgb(cie::labToXyz(L, 0.0, 0.0));
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = grey;
    }
    return img;
}

QImage chromaticity1931(int size)
{
    return chromaticityDiagram(mapping1931(size), cie::spectralLocusXy(),
                               [](const QPointF &xy) { return xy; }, QPointF(0.3127, 0.3290),
                               QRectF(0.0, 0.0, 0.8, 0.9),
                               {460, 470, 480, 490, 500, 510, 520, 540, 560, 580, 600, 620, 700});
}

QImage chromaticity1976(int width, int height)
{
    return chromaticityDiagram(mapping1976(width, height), cie::spectralLocusUv(), cie::xyFromUv,
                               QPointF(0.1978, 0.4683), QRectF(0.0, 0.0, 0.6, 0.6),
                               {420, 460, 480, 490, 500, 520, 540, 560, 580, 600});
}

} // namespace art
