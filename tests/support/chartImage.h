#ifndef QCM_TESTS_CHARTIMAGE_H
#define QCM_TESTS_CHARTIMAGE_H

// Rendering charts into images and finding what was drawn where.  Rendered
// images are kept under <build>/tests/artifacts for a look by eye.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>

// Renders `draw(painter, rect)` into an image of `size` over `background`.
inline QImage renderChart(const QSize &size,
                          const std::function<void(QPainter &, const QRect &)> &draw,
                          const QColor &background = Qt::white)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    draw(painter, image.rect());
    return image;
}

inline void saveArtifact(const QImage &image, QString name)
{
    QDir dir(qEnvironmentVariable("QCM_BUILD_DIR", QDir::currentPath()));
    dir.mkpath(QStringLiteral("tests/artifacts"));
    name.replace(QRegExp(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    image.save(dir.filePath(QStringLiteral("tests/artifacts/%1.png").arg(name)));
}

inline bool sameColour(QRgb pixel, const QColor &colour)
{
    return (pixel & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF);
}

// How many pixels of exactly `colour` lie in `area`.
inline int countColour(const QImage &image, const QRect &area, const QColor &colour)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += sameColour(image.pixel(x, y), colour) ? 1 : 0;
    return count;
}

// Whether a pixel of exactly `colour` lies within `radius` pixels of `at`.
inline bool colourNear(const QImage &image, const QPoint &at, const QColor &colour, int radius = 1)
{
    return countColour(image, QRect(at - QPoint(radius, radius), at + QPoint(radius, radius)),
                       colour) > 0;
}

// The bounding box of the pixels in `area` that `isInk` accepts.
inline QRect inkBox(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &isInk)
{
    QRect box;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (isInk(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

inline bool darkInk(QRgb pixel)
{
    return qRed(pixel) < 110 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

// Text on a widget is hinted for the screen, text on an image is not: the
// text looked for is drawn onto the same kind of device as the chart.
enum class textOn
{
    image,
    widget
};

class textProbe : public QWidget
{
public:
    textProbe(const QSize &size, const QFont &font, const QString &text, const QPointF &origin)
        : m_text(text), m_origin(origin)
    {
        resize(size);
        setFont(font);
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawText(m_origin, m_text);
    }

private:
    QString m_text;
    QPointF m_origin;
};

// Whether `text`, drawn in `font` with its baseline starting at `origin`, is
// in `image` within `slack` pixels of there: drawn alone, nearly all its dark
// pixels must be dark in `image` at the best offset, and its box may hold
// only a little other ink (a crossing grid line, not another text).
struct textMatch
{
    bool found = false;
    QPoint offset;
    double coverage = 0.0;
    double extra = 0.0;
    QByteArray what() const
    {
        return QByteArray("offset ") + QByteArray::number(offset.x()) + "," +
               QByteArray::number(offset.y()) + " coverage " + QByteArray::number(coverage) +
               " extra " + QByteArray::number(extra);
    }
};

inline textMatch findText(const QImage &image, const QFont &font, const QString &text,
                          const QPointF &origin, int slack = 2, textOn device = textOn::image)
{
    QImage alone;
    if (device == textOn::widget) {
        alone = textProbe(image.size(), font, text, origin).grab().toImage();
    } else {
        // The same format too: text is smoothed differently on opaque images.
        alone = QImage(image.size(), image.format());
        alone.fill(Qt::white);
        QPainter painter(&alone);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(origin, text);
    }
    const QRect box = inkBox(alone, alone.rect(), darkInk);
    QVector<QPoint> ink;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (darkInk(alone.pixel(x, y)))
                ink.append(QPoint(x, y));
    textMatch best;
    for (int dy = -slack; dy <= slack && !ink.isEmpty(); ++dy) {
        for (int dx = -slack; dx <= slack; ++dx) {
            const QPoint shift(dx, dy);
            int hits = 0;
            for (const QPoint &p : ink)
                hits += image.rect().contains(p + shift) && darkInk(image.pixel(p + shift)) ? 1 : 0;
            const double coverage = double(hits) / ink.size();
            if (coverage <= best.coverage)
                continue;
            const QRect around = box.adjusted(-2, 0, 2, 0).translated(shift) & image.rect();
            int other = 0;
            for (int y = around.top(); y <= around.bottom(); ++y)
                for (int x = around.left(); x <= around.right(); ++x) {
                    const QPoint own(x - dx, y - dy);
                    const bool mine = alone.rect().contains(own) && darkInk(alone.pixel(own));
                    other += darkInk(image.pixel(x, y)) && !mine ? 1 : 0;
                }
            best = {false, shift, coverage, double(other) / ink.size()};
        }
    }
    best.found = best.coverage >= 0.98 && best.extra <= 0.25;
    return best;
}

#endif
