#include "art.h"

#include <QConicalGradient>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace art {

namespace {

QFont sansFont(int pixelSize, bool bold = false)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QFont monoFont(int pixelSize)
{
    QFont f("DejaVu Sans Mono");
    f.setPixelSize(pixelSize);
    f.setStyleHint(QFont::Monospace);
    return f;
}

// A ring of hues, the common motif of the program icon, the logo and some
// splash pictures.
void hueRing(QPainter &p, QPointF c, double outer, double inner, double saturation = 0.85,
             double value = 0.95, double alpha = 1.0)
{
    QConicalGradient g(c, 0);
    for (int i = 0; i <= 12; ++i) {
        QColor col = QColor::fromHsvF(std::fmod(i / 12.0, 1.0), saturation, value);
        col.setAlphaF(alpha);
        g.setColorAt(i / 12.0, col);
    }
    QPainterPath ring;
    ring.addEllipse(c, outer, outer);
    QPainterPath hole;
    hole.addEllipse(c, inner, inner);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(ring.subtracted(hole));
}

// ---- Splash pictures --------------------------------------------------------

struct SplashStyle
{
    QColor top;
    QColor bottom;
    bool light;
    QColor ink;    // "QCM"
    QColor sub;    // tagline
    QColor body;   // instrument body
    QColor edge;   // instrument outline and head
    QColor screen; // display background
    QColor glyph;  // display text
    QColor accent; // main button, light cone
    QColor card;   // the sample under the instrument
};

SplashStyle splashStyle(int index)
{
    switch (index) {
    case 1:
        return {QColor(0xF6, 0xF9, 0xFC), QColor(0xD9, 0xE6, 0xF3), true,
                QColor(0x17, 0x3A, 0x5E), QColor(0x3D, 0x5A, 0x78), QColor(0xFD, 0xFD, 0xFE),
                QColor(0x2B, 0x3E, 0x52), QColor(0x12, 0x22, 0x33), QColor(0x9F, 0xE8, 0xC8),
                QColor(0x25, 0x6F, 0xB8), QColor(0xE0, 0x5A, 0x47)};
    case 2:
        return {QColor(0x0F, 0x1B, 0x2D), QColor(0x1D, 0x35, 0x55), false,
                QColor(0xFF, 0xFF, 0xFF), QColor(0xB8, 0xCC, 0xE4), QColor(0x3A, 0x4A, 0x5E),
                QColor(0x9A, 0xB0, 0xC8), QColor(0x0A, 0x12, 0x1C), QColor(0x7F, 0xD8, 0xF5),
                QColor(0x3F, 0xB6, 0xE8), QColor(0x3F, 0xA3, 0x5B)};
    case 3:
        return {QColor(0xFC, 0xF8, 0xF1), QColor(0xF0, 0xE2, 0xCB), true,
                QColor(0x4A, 0x2E, 0x14), QColor(0x7A, 0x58, 0x36), QColor(0x3C, 0x40, 0x46),
                QColor(0x22, 0x25, 0x29), QColor(0x14, 0x18, 0x1C), QColor(0xFF, 0xC8, 0x7A),
                QColor(0xEE, 0x85, 0x2B), QColor(0x4F, 0x7C, 0xC9)};
    case 4:
        return {QColor(0x0C, 0x23, 0x20), QColor(0x1A, 0x4A, 0x40), false,
                QColor(0xFF, 0xFF, 0xFF), QColor(0xBF, 0xE3, 0xD8), QColor(0xE9, 0xEE, 0xEC),
                QColor(0x8F, 0xB5, 0xAA), QColor(0x10, 0x1C, 0x1A), QColor(0x9C, 0xF2, 0xC6),
                QColor(0x2E, 0xC4, 0x8E), QColor(0xF2, 0xB7, 0x2E)};
    default:
        return {QColor(0x1B, 0x15, 0x26), QColor(0x3A, 0x2B, 0x52), false,
                QColor(0xFF, 0xFF, 0xFF), QColor(0xD5, 0xC8, 0xEA), QColor(0x2C, 0x26, 0x38),
                QColor(0xA8, 0x9B, 0xC2), QColor(0x0D, 0x0A, 0x14), QColor(0xF4, 0xA6, 0xD0),
                QColor(0xC8, 0x6B, 0xE0), QColor(0x2B, 0xB3, 0xC0)};
    }
}

const QList<QColor> &swatchColours()
{
    static const QList<QColor> colours = {
        QColor(0xD6, 0x3C, 0x3C), QColor(0xEE, 0x85, 0x2B), QColor(0xF2, 0xC9, 0x2E),
        QColor(0x8C, 0xC1, 0x3F), QColor(0x2E, 0xA0, 0x6A), QColor(0x2A, 0xA7, 0xB8),
        QColor(0x2F, 0x6F, 0xC1), QColor(0x5B, 0x4B, 0xB5), QColor(0xA8, 0x4B, 0xA8),
        QColor(0xD9, 0x5C, 0x8A), QColor(0x8A, 0x6A, 0x4F), QColor(0x9A, 0xA3, 0xAD)};
    return colours;
}

// A generic hand-held colour meter: body with a display and three keys, a
// measuring head at the lower end resting on a sample card.
void drawMeter(QPainter &p, const SplashStyle &s, QPointF at, double scale, double angle)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(scale, scale);

    // Sample card with its shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, s.light ? 35 : 70));
    p.drawRoundedRect(QRectF(-62, 104, 128, 40), 6, 6);
    p.setBrush(s.card);
    p.drawRoundedRect(QRectF(-66, 98, 128, 40), 6, 6);

    // Light cone from the aperture to the card.
    QPainterPath cone;
    cone.moveTo(-16, 96);
    cone.lineTo(16, 96);
    cone.lineTo(26, 118);
    cone.lineTo(-26, 118);
    cone.closeSubpath();
    QColor beam = Qt::white;
    beam.setAlpha(90);
    p.setBrush(beam);
    p.drawPath(cone);

    // Body shadow, body, outline.
    p.setBrush(QColor(0, 0, 0, s.light ? 40 : 90));
    p.drawRoundedRect(QRectF(-44, -106, 100, 188), 28, 28);
    QLinearGradient bodyGrad(-50, 0, 50, 0);
    bodyGrad.setColorAt(0, s.body.lighter(108));
    bodyGrad.setColorAt(1, s.body.darker(112));
    p.setPen(QPen(s.edge, 2.5));
    p.setBrush(bodyGrad);
    p.drawRoundedRect(QRectF(-50, -112, 100, 188), 28, 28);

    // Measuring head.
    QPainterPath head;
    head.moveTo(-30, 72);
    head.lineTo(30, 72);
    head.lineTo(20, 98);
    head.lineTo(-20, 98);
    head.closeSubpath();
    p.setBrush(s.edge);
    p.drawPath(head);
    p.setPen(QPen(s.accent, 2));
    p.setBrush(QColor(0x10, 0x10, 0x10));
    p.drawEllipse(QPointF(0, 97), 17, 4);

    // Display with a reading.
    p.setPen(QPen(s.edge, 2));
    p.setBrush(s.screen);
    p.drawRoundedRect(QRectF(-37, -92, 74, 66), 7, 7);
    p.setPen(s.glyph);
    p.setFont(monoFont(11));
    p.drawText(QPointF(-29, -72), QStringLiteral("L* 62.41"));
    p.drawText(QPointF(-29, -56), QStringLiteral("a* 18.07"));
    p.drawText(QPointF(-29, -40), QStringLiteral("b* -9.33"));

    // Keys.
    p.setPen(QPen(s.edge, 2));
    p.setBrush(s.accent);
    p.drawEllipse(QPointF(0, 4), 15, 15);
    p.setBrush(s.body.darker(120));
    p.drawRoundedRect(QRectF(-40, -2, 18, 10), 5, 5);
    p.drawRoundedRect(QRectF(22, -2, 18, 10), 5, 5);
    p.setPen(QPen(s.edge.lighter(130), 1.5));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(-22, 36 + i * 8), QPointF(22, 36 + i * 8));
    p.restore();
}

void drawSwatchFan(QPainter &p, QPointF pivot, double length, double startAngle, double step,
                   int count, int firstColour)
{
    const QList<QColor> &colours = swatchColours();
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(startAngle + i * step);
        p.setPen(QPen(QColor(0, 0, 0, 60), 1.2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-14, -length, 28, length), 5, 5);
        p.setPen(Qt::NoPen);
        const QColor base = colours[(firstColour + i) % colours.size()];
        for (int k = 0; k < 4; ++k) {
            p.setBrush(base.lighter(100 + k * 22));
            p.drawRect(
                QRectF(-11, -length + 4 + k * (length - 22) / 4.0, 22, (length - 22) / 4.0 - 2));
        }
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawEllipse(QPointF(0, -8), 3, 3);
        p.restore();
    }
}

void drawSwatchRow(QPainter &p, QRectF area, int count, int firstColour, double corner)
{
    const QList<QColor> &colours = swatchColours();
    const double gap = 8;
    const double w = (area.width() - gap * (count - 1)) / count;
    for (int i = 0; i < count; ++i) {
        const QRectF r(area.left() + i * (w + gap), area.top(), w, area.height());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawRoundedRect(r.translated(2, 3), corner, corner);
        p.setBrush(colours[(firstColour + i) % colours.size()]);
        p.drawRoundedRect(r, corner, corner);
    }
}

void drawSwatchGrid(QPainter &p, QPointF origin, int cols, int rows, double cell, int firstColour)
{
    const QList<QColor> &colours = swatchColours();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QColor base = colours[(firstColour + c) % colours.size()];
            const QColor col = r == 0 ? base.lighter(135) : (r == 1 ? base : base.darker(135));
            p.setPen(Qt::NoPen);
            p.setBrush(col);
            p.drawRoundedRect(
                QRectF(origin.x() + c * (cell + 6), origin.y() + r * (cell + 6), cell, cell), 5, 5);
        }
    }
}

void drawReflectanceCurves(QPainter &p, QRectF area)
{
    const QList<QColor> &colours = swatchColours();
    const int picks[4] = {0, 3, 6, 8};
    for (int k = 0; k < 4; ++k) {
        QPainterPath curve;
        for (int i = 0; i <= 60; ++i) {
            const double t = i / 60.0;
            const double centre = 0.15 + 0.23 * k;
            const double y = 0.25 + 0.6 * std::exp(-std::pow((t - centre) / 0.16, 2));
            const QPointF pt(area.left() + t * area.width(), area.bottom() - y * area.height());
            if (i == 0)
                curve.moveTo(pt);
            else
                curve.lineTo(pt);
        }
        QColor c = colours[picks[k]];
        c.setAlpha(170);
        p.setPen(QPen(c, 3.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
    }
}

void drawTitle(QPainter &p, const SplashStyle &s, QPointF at, Qt::Alignment align)
{
    const QFont big = sansFont(76, true);
    const QFont small = sansFont(20);
    const QString title = QStringLiteral("QCM");
    const QString tagline = QStringLiteral("Colour quality control");
    const double width = 260;
    QRectF titleBox(at.x(), at.y() - 80, width, 90);
    QRectF tagBox(at.x(), at.y() + 8, width, 30);
    if (align & Qt::AlignRight) {
        titleBox.moveRight(at.x());
        tagBox.moveRight(at.x());
    }
    const Qt::Alignment h = align & Qt::AlignHorizontal_Mask;
    p.setFont(big);
    p.setPen(s.ink);
    p.drawText(titleBox, h | Qt::AlignBottom, title);
    p.setFont(small);
    p.setPen(s.sub);
    p.drawText(tagBox, h | Qt::AlignTop, tagline);
    // A short colour bar under the tagline.
    const QList<QColor> &colours = swatchColours();
    const double barX = (align & Qt::AlignRight) ? at.x() - 150 : at.x() + 2;
    for (int i = 0; i < 6; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i * 2]);
        p.drawRect(QRectF(barX + i * 25, at.y() + 44, 25, 5));
    }
}

} // namespace

QString splashFileName(int index)
{
    return QStringLiteral("splash%1.png").arg(index);
}

bool splashIsLight(int index)
{
    return index == 1 || index == 3;
}

// The splash screen writes its progress messages into the top-right corner,
// black on the light pictures and white on the dark ones, so that corner is
// kept free of artwork.
QImage splash(int index)
{
    const int W = 600;
    const int H = 360;
    const SplashStyle s = splashStyle(index);
    QImage img(W, H, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, H);
    bg.setColorAt(0, s.top);
    bg.setColorAt(1, s.bottom);
    p.fillRect(img.rect(), bg);

    switch (index) {
    case 1:
        drawSwatchFan(p, QPointF(575, 440), 175, -60, 10, 7, 0);
        drawMeter(p, s, QPointF(150, 175), 1.0, -10);
        drawTitle(p, s, QPointF(270, 195), Qt::AlignLeft);
        break;
    case 2:
        hueRing(p, QPointF(470, 250), 150, 95, 0.7, 0.9, 0.35);
        drawMeter(p, s, QPointF(465, 200), 0.95, 8);
        drawTitle(p, s, QPointF(40, 195), Qt::AlignLeft);
        break;
    case 3:
        drawSwatchRow(p, QRectF(30, 300, 540, 36), 9, 2, 6);
        drawMeter(p, s, QPointF(140, 150), 0.9, -6);
        drawTitle(p, s, QPointF(265, 180), Qt::AlignLeft);
        break;
    case 4:
        drawSwatchGrid(p, QPointF(36, 70), 4, 3, 42, 4);
        drawMeter(p, s, QPointF(470, 190), 0.95, 10);
        drawTitle(p, s, QPointF(36, 300), Qt::AlignLeft);
        break;
    default:
        drawReflectanceCurves(p, QRectF(0, 250, W, 110));
        drawMeter(p, s, QPointF(135, 170), 0.95, -12);
        drawTitle(p, s, QPointF(560, 200), Qt::AlignRight);
        break;
    }
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

// ---- Program icon and logo --------------------------------------------------

QImage appIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QPointF c(s / 2, s / 2);
    const double margin = size <= 24 ? 0.0 : s * 0.05;
    const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, QColor(0x26, 0x5E, 0x9E));
    g.setColorAt(1, QColor(0x14, 0x2F, 0x52));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(tile, s * 0.2, s * 0.2);
    hueRing(p, c, tile.width() * 0.40, tile.width() * 0.25);
    p.setBrush(Qt::white);
    p.drawEllipse(c, tile.width() * 0.215, tile.width() * 0.215);
    // Two overlapping colour dots: a reference and a sample.
    const double r = tile.width() * 0.085;
    p.setBrush(QColor(0x17, 0x3A, 0x5E));
    p.drawEllipse(c + QPointF(-r * 0.75, r * 0.45), r, r);
    QColor sample(0xF0, 0x8A, 0x24);
    sample.setAlpha(225);
    p.setBrush(sample);
    p.drawEllipse(c + QPointF(r * 0.75, -r * 0.45), r, r);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage logo()
{
    QImage img(300, 90, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    hueRing(p, QPointF(45, 45), 36, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x17, 0x3A, 0x5E));
    p.drawEllipse(QPointF(45, 45), 9, 9);
    p.setFont(sansFont(64, true));
    p.setPen(QColor(0x17, 0x3A, 0x5E));
    p.drawText(QRectF(95, 0, 205, 90), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QCM"));
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage zoomIcon(bool zoomIn, int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    const QColor dark(0x2F, 0x3A, 0x45);
    QPen handle(dark, 7, Qt::SolidLine, Qt::RoundCap);
    p.setPen(handle);
    p.drawLine(QPointF(30, 30), QPointF(42, 42));
    p.setPen(QPen(dark, 4));
    p.setBrush(QColor(0xE3, 0xEE, 0xF9));
    p.drawEllipse(QPointF(20, 20), 14, 14);
    QPen sign(dark, 4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(sign);
    p.drawLine(QPointF(13, 20), QPointF(27, 20));
    if (zoomIn)
        p.drawLine(QPointF(20, 13), QPointF(20, 27));
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// ---- Report thumbnails ------------------------------------------------------

namespace {

struct Thumb
{
    QPainter &p;
    double W;
    double H;
    double u;
    double top;

    double x(double twentieths) const { return W * twentieths / 20.0; }
    double y(double units) const { return top + units * u; }

    void grid(double y0, const QVector<double> &cols, int rows, double rowH,
              const QList<int> &greyCols, bool greyFirstRow, const QColor &grey) const
    {
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c + 1 < cols.size(); ++c) {
                const QRectF cell(cols[c], y0 + r * rowH, cols[c + 1] - cols[c], rowH);
                const bool shaded = greyCols.contains(c) || (greyFirstRow && r == 0);
                p.setPen(QPen(QColor(40, 40, 40), 0.6));
                p.setBrush(shaded ? grey : Qt::white);
                p.drawRect(cell);
                // A dash stands for the cell's text.
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(90, 90, 90));
                const double w = qMin(cell.width() * 0.55, 14.0);
                p.drawRect(QRectF(cell.center().x() - w / 2, cell.center().y() - 0.6, w, 1.2));
            }
        }
    }

    void title() const
    {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRectF(W * 0.28, top - 6, W * 0.44, 5));
        p.setPen(QPen(QColor(30, 30, 30), 0.8));
        p.drawLine(QPointF(x(1), y(1)), QPointF(x(19), y(1)));
    }
};

QImage blankPage(QPainter &p, QImage &img)
{
    img.fill(Qt::transparent);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRect(QRectF(4, 4, img.width() - 4, img.height() - 4));
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawRect(QRectF(0.5, 0.5, img.width() - 5, img.height() - 5));
    return img;
}

} // namespace

QImage reportThumbnail(int format)
{
    QImage img(200, 260, QImage::Format_ARGB32_Premultiplied);
    QPainter p;
    blankPage(p, img);
    const double W = 195;
    const double H = 255;
    const double u = 3.0 * H / 200.0;
    const Thumb t{p, W, H, u, std::floor(4 * u)};
    const QColor grey240(240, 240, 240);
    const QColor grey220(220, 220, 220);
    t.title();
    const QVector<double> headCols = {W * 0.05, W * 0.15, W * 0.5, W * 0.6, W * 0.95};

    if (format == 1) {
        t.grid(t.y(2), headCols, 3, 2 * u, {0, 2}, false, grey240);
        QVector<double> cols;
        for (double e : {1.0, 3.0, 5.5, 7.0, 8.5, 10.0, 11.5, 13.0, 14.5, 16.0, 17.5, 19.0})
            cols.append(t.x(e));
        double r = 9.0;
        const int samplesPerType[3] = {4, 3, 5};
        for (int type = 0; type < 3 && r < 54; ++type) {
            r += 1;
            t.grid(t.y(r), cols, 2, 1.6 * u, {}, false, grey220);
            // Shade the Type block as a whole.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 28));
            p.drawRect(QRectF(cols.first(), t.y(r), cols.last() - cols.first(), 3.2 * u));
            r += 3.2;
            t.grid(t.y(r), cols, 1, 1.6 * u, {}, true, grey240);
            r += 1.6;
            for (int s = 0; s < samplesPerType[type] && r < 57; ++s) {
                t.grid(t.y(r), cols, 1, 1.6 * u, {}, false, grey240);
                r += 1.6;
            }
        }
        // Signature and print time at the foot.
        p.setPen(QPen(QColor(60, 60, 60), 0.8));
        p.drawLine(QPointF(t.x(2), 19.6 * H / 20), QPointF(t.x(6), 19.6 * H / 20));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 90, 90));
        p.drawRect(QRectF(t.x(1), 19.3 * H / 20 - 1, t.x(1.5), 1.5));
        p.drawRect(QRectF(t.x(12), 19.3 * H / 20 - 1, t.x(5), 1.5));
    } else {
        t.grid(t.y(2), headCols, 2, 2 * u, {0, 2}, false, grey240);
        QVector<double> condCols;
        for (double e : {1.0, 3.2, 5.4, 7.6, 9.8, 12.0, 14.4, 16.6, 19.0})
            condCols.append(t.x(e));
        t.grid(t.y(7), condCols, 2, 2 * u, {}, true, grey240);
        t.grid(t.y(12), {t.x(1), t.x(7), t.x(13), t.x(19)}, 2, 2 * u, {}, true, grey240);
        QVector<double> valueCols;
        for (double e : {1.0, 3.0, 6.0, 9.0, 12.0, 16.0, 19.0})
            valueCols.append(t.x(e));
        t.grid(t.y(17), valueCols, 4, 2 * u, {0}, true, grey240);
        t.grid(t.y(25), {t.x(1), t.x(3), t.x(9), t.x(16), t.x(19)}, 1, 2 * u, {0}, false, grey240);
        // Verdicts: pass in green, one fail in red.
        for (int k = 1; k < 5; ++k) {
            p.setPen(Qt::NoPen);
            p.setBrush(k == 3 ? QColor(0xD2, 0x45, 0x45) : QColor(0x2E, 0x9B, 0x5A));
            p.drawRect(QRectF(t.x(17) + 1, t.y(17 + 2 * k) + u - 1.5, t.x(1) - 2, 3));
        }
        // Chart box with the two deviation charts.
        const QRectF box(t.x(1), t.y(27), t.x(18), 32 * u);
        p.setPen(QPen(QColor(40, 40, 40), 0.6));
        p.setBrush(Qt::white);
        p.drawRect(box);
        // Lightness: a vertical scale with the tolerance band and a mark.
        const double lx = box.left() + box.width() * 0.22;
        const double ly0 = box.top() + box.height() * 0.12;
        const double ly1 = box.bottom() - box.height() * 0.12;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2E, 0x9B, 0x5A, 70));
        p.drawRect(QRectF(lx - 10, ly0 + (ly1 - ly0) * 0.3, 20, (ly1 - ly0) * 0.4));
        p.setPen(QPen(QColor(40, 40, 40), 0.8));
        p.drawLine(QPointF(lx, ly0), QPointF(lx, ly1));
        p.setBrush(QColor(0x25, 0x6F, 0xB8));
        p.drawEllipse(QPointF(lx, ly0 + (ly1 - ly0) * 0.42), 2.5, 2.5);
        // Chromatic: a*b* cross with a tolerance square and a point.
        const QPointF c(box.left() + box.width() * 0.66, box.center().y());
        const double half = box.height() * 0.38;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2E, 0x9B, 0x5A, 70));
        p.drawRect(QRectF(c.x() - half * 0.45, c.y() - half * 0.45, half * 0.9, half * 0.9));
        p.setPen(QPen(QColor(40, 40, 40), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - half), QPointF(c.x(), c.y() + half));
        p.drawEllipse(c, half * 0.8, half * 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0x8A, 0x24));
        p.drawEllipse(c + QPointF(half * 0.22, -half * 0.3), 2.5, 2.5);
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace art
