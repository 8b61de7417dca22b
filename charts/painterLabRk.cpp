#include "painterLabRk.h"

#include "chartNumbers.h"
#include "itemColumns.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTreeWidgetItem>

#include <cmath>

namespace {

// Below this width or height the diagrams do not fit beside the title strip.
constexpr int kSmallestChart = 60;

// The chart's geometry is drawn for a chart of about 320 pixels (its smaller
// side) in a 12-point font; a smaller chart in the window scales its texts
// with it, down to this share, and keeps every text inside its frame.
constexpr double kDesignSide = 320.0;
constexpr double kDesignPoints = 12.0;
constexpr double kSmallestTextScale = 0.7;

// How the texts of the chart being painted are fitted, and where they went.
struct TextFit
{
    bool fit = false;
    double scale = 1.0;
    int width = 0;
    QVector<QRectF> *placed = nullptr;
};
TextFit g_fit;

// The painter's font at `size` points, scaled with the chart when it fits its
// texts.
void setPointSize(QPainter &p, const QFont &base, int size)
{
    QFont font = base;
    font.setPointSizeF(size * g_fit.scale);
    p.setFont(font);
}

// Draws `text` with its baseline starting at `at`.  A fitted chart moves the
// text left as far as it would run past the frame's right edge (and never
// past its left edge), and past a text already drawn where it would cover
// it: to its right where there is room, else below it.  The ink rectangle
// is noted.
void chartText(QPainter &p, const QPointF &at, const QString &text)
{
    QPointF where = at;
    const QFontMetricsF metrics(p.font());
    const QRectF ink = metrics.tightBoundingRect(text);
    if (g_fit.fit) {
        const double right = g_fit.width - 5.0;
        const auto keepInside = [&] {
            if (where.x() + ink.right() > right)
                where.setX(right - ink.right());
            if (where.x() + ink.left() < 2.0)
                where.setX(2.0 - ink.left());
        };
        keepInside();
        for (int tries = 0; g_fit.placed && tries < 8; ++tries) {
            const QRectF here = ink.translated(where).adjusted(-1, -1, 1, 1);
            const QRectF *hit = nullptr;
            for (const QRectF &placed : qAsConst(*g_fit.placed)) {
                if (placed.intersects(here)) {
                    hit = &placed;
                    break;
                }
            }
            if (!hit)
                break;
            if (hit->right() + 2 + ink.width() <= right)
                where.setX(hit->right() + 2 - ink.left());
            else
                where.setY(hit->bottom() + 2 - ink.top());
            keepInside();
        }
    }
    p.drawText(where, text);
    if (g_fit.placed)
        g_fit.placed->append(ink.translated(where));
}
void chartText(QPainter &p, const QPoint &at, const QString &text)
{
    chartText(p, QPointF(at), text);
}

// An axis number: in a fitted chart it is left out where it would cover a
// text already drawn (the axis keeps enough of them to be read).
void chartTick(QPainter &p, const QPointF &at, const QString &text)
{
    if (g_fit.fit && g_fit.placed) {
        const QRectF ink = QFontMetricsF(p.font()).tightBoundingRect(text);
        QPointF where = at;
        const double right = g_fit.width - 5.0;
        if (where.x() + ink.right() > right)
            where.setX(right - ink.right());
        if (where.x() + ink.left() < 2.0)
            where.setX(2.0 - ink.left());
        const QRectF here = ink.translated(where).adjusted(-1, -1, 1, 1);
        for (const QRectF &placed : qAsConst(*g_fit.placed)) {
            if (placed.intersects(here))
                return;
        }
    }
    chartText(p, at, text);
}

void drawTitleStrip(QPainter &p, int W, int H)
{
    p.fillRect(QRect(0, 0, W - 3, 22), QColor(220, 220, 220));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, W - 3, H - 1));
    p.setPen(Qt::black);
    const QString title = QCoreApplication::translate("painterLabRk", "Color Coordinates");
    QPoint at(W / 2 - 25, 15);
    if (g_fit.fit) {
        // Inside the strip: moved left, and smaller when wider than it.
        const int room = W - 10;
        QFont font = p.font();
        int width = QFontMetrics(font).horizontalAdvance(title);
        if (width > room && font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * qMax(double(room) / width, kSmallestTextScale));
            p.setFont(font);
            width = QFontMetrics(font).horizontalAdvance(title);
        }
        at.setX(qMax(4, qMin(at.x(), W - 6 - width)));
    }
    p.drawText(at, title);
}

// Hue of (a, b) in degrees as the legend shows it: by quadrant, 0 on the
// axes; NaN when a or b is not finite.
float hueOfAb(float a, float b)
{
    if (!allFinite(a, b))
        return std::nanf("");
    const float h = float(double(std::atan(b / a)) * 360 / 6.2831852);
    if (a > 0 && b > 0)
        return h;
    if (a < 0 && b > 0)
        return h + 180;
    if (a < 0 && b < 0)
        return h + 180;
    if (a > 0 && b < 0)
        return h + 360;
    return 0.0f;
}

// The a*b* plane: disc, lightness bar, axes, circles, legend and, for a
// colour inside the chart, its point with projections, hue and chroma.
// The legend shows `hue` and `chroma` as they are; a, b place the point.
void drawPlane(QPainter &p, int W, int H, float L, float a, float b, float hue, float chroma,
               const chartPictures &pictures)
{
    if (!pictures.has(chartPictures::abDisc) || !pictures.has(chartPictures::lightnessBar))
        return;
    const double cx = 0.375 * W + 20;
    const double cy = H / 2 + 10;
    const double S = qMin(0.8 * W, H - 40.0);
    const double D = 0.7 * S;
    const double R = D / 2;
    const double xL = 0.83 * W + 20;

    pictures.draw(p, chartPictures::abDisc, QRectF(cx - R, cy - R, D, D));
    pictures.draw(p, chartPictures::lightnessBar, QRectF(xL - 0.03 * S, cy - R, 0.06 * S, D));

    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(cx - S / 2, cy), QPointF(cx + S / 2, cy));
    p.drawLine(QPointF(cx, cy - S / 2), QPointF(cx, cy + S / 2));

    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawEllipse(QPointF(cx, cy), R, R);
    p.setPen(QPen(QColor(60, 60, 60), 1, Qt::DotLine));
    for (double f : {0.75, 0.5, 0.25})
        p.drawEllipse(QPointF(cx, cy), f * R, f * R);

    p.setPen(QPen(Qt::black, 1));
    chartText(p, QPoint(int(cx - S / 2), int(cy)), QStringLiteral("-a"));
    chartText(p, QPoint(int(cx - S / 2 - 10), int(cy + 12)), QStringLiteral("-128.00"));
    chartText(p, QPoint(int(cx + S / 2 - 10), int(cy)), QStringLiteral("+a"));
    chartText(p, QPoint(int(cx + S / 2 - 30), int(cy + 12)), QStringLiteral("+128.00"));
    chartText(p, QPoint(int(cx), int(cy + S / 2)), QStringLiteral("-b"));
    chartText(p, QPoint(int(cx), int(cy + S / 2 - 12)), QStringLiteral("-128.00"));
    chartText(p, QPoint(int(cx), int(cy - S / 2)), QStringLiteral("+b"));
    chartText(p, QPoint(int(cx), int(cy - S / 2 + 12)), QStringLiteral("+128.00"));
    chartText(p, QPoint(int(xL - 10), int(cy + S / 2 - 10)), QStringLiteral("L=0"));
    chartText(p, QPoint(int(xL - 20), int(cy - S / 2 + 20)), QStringLiteral("L=100.00"));

    p.setPen(QPen(QColor(0, 0, 255), 1));
    p.drawLine(QPoint(5, 40), QPoint(25, 40));
    p.setPen(QPen(Qt::black, 1));
    chartText(p, QPoint(30, 45),
              QCoreApplication::translate("painterLabRk", "Hue") +
                  QStringLiteral("H=%1").arg(chartNumber(hue, 2)));
    p.setPen(QPen(QColor(0, 255, 0), 1));
    p.drawLine(QPoint(5, 55), QPoint(25, 55));
    p.setPen(QPen(Qt::black, 1));
    chartText(p, QPoint(30, 60),
              QCoreApplication::translate("painterLabRk", "Saturation") +
                  QStringLiteral("C=%1").arg(chartNumber(chroma, 2)));

    // Nothing is placed from a value that is not finite, and a colour at the
    // ends of the lightness scale has no point.
    if (!allFinite(L, a, b, hue) || !(L > 0 && L < 100))
        return;

    // A chroma beyond the disc is drawn on its rim, in its own direction; the
    // legend and the value texts keep the true numbers.
    double da = a, db = b;
    const double length = std::sqrt(da * da + db * db);
    if (!(length < 128.0)) {
        da *= 128.0 / length;
        db *= 128.0 / length;
    }

    const double yL = cy + R - L * D / 100;
    p.setPen(QPen(QColor(0, 255, 255), 1));
    p.drawLine(QPoint(int(xL - 5), int(yL)), QPoint(int(xL + 5), int(yL)));
    p.setPen(QPen(Qt::black, 1));
    chartText(p, QPoint(int(xL + 15), int(yL + 5)), QString::number(double(L), 'f', 2));

    const double arcRadius = R + (S / 2 - R) / 4;
    p.setPen(QPen(QColor(0, 0, 255), 1));
    p.drawArc(QRectF(cx - arcRadius, cy - arcRadius, 2 * arcRadius, 2 * arcRadius), 0,
              int(double(hue) * 16));

    const double px = cx + R * da / 128;
    const double py = cy - R * db / 128;
    p.setPen(QPen(QColor(0, 255, 255), 3));
    p.drawPoint(QPointF(px, py));

    const QPen white(QColor(255, 255, 255), 1, Qt::DotLine);
    p.setPen(white);
    p.drawLine(QPoint(int(cx), int(py)), QPoint(int(px), int(py)));
    p.drawLine(QPoint(int(px), int(cy)), QPoint(int(px), int(py)));

    const QString aText = QString::number(double(a), 'f', 2);
    const QString bText = QString::number(double(b), 'f', 2);
    if (a > 0 && b > 0) {
        chartText(p, QPoint(int(px - 10), int(cy + 10)), aText);
        chartText(p, QPoint(int(cx - 37), int(py + 5)), bText);
    } else if (a < 0 && b > 0) {
        chartText(p, QPoint(int(px - 10), int(cy + 10)), aText);
        chartText(p, QPoint(int(cx + 2), int(py + 5)), bText);
    } else if (a < 0 && b < 0) {
        chartText(p, QPoint(int(px - 15), int(cy - 5)), aText);
        chartText(p, QPoint(int(cx + 2), int(py + 5)), bText);
    } else if (a > 0 && b < 0) {
        chartText(p, QPoint(int(px - 15), int(cy - 5)), aText);
        chartText(p, QPoint(int(cx - 42), int(py + 5)), bText);
    }

    const double theta = double(hue) * kPi / 180;
    p.setPen(QPen(QColor(0, 255, 0), 1, Qt::DotLine));
    p.drawLine(QPoint(int(cx), int(cy)),
               QPoint(int(cx + std::cos(theta) * S / 2), int(cy - std::sin(theta) * S / 2)));
    p.setPen(QPen(QColor(0, 255, 0), 1));
    p.drawLine(QPoint(int(cx), int(cy)), QPoint(int(px), int(py)));
}

void drawAbChart(QPainter &p, int W, int H, const ColorTriple &v, const chartPictures &pictures)
{
    const float a = v[1], b = v[2];
    const float h = hueOfAb(a, b);
    const float C = allFinite(a, b) ? std::sqrt(a * a + b * b) : std::nanf("");
    drawPlane(p, W, H, v[0], a, b, h, C, pictures);
}

void drawLchChart(QPainter &p, int W, int H, const ColorTriple &v, const chartPictures &pictures)
{
    // The legend shows the hue as it is stored, also beyond 360 or below 0;
    // its direction is the same either way.
    const float C = v[1];
    const float h = v[2];
    const float theta = float(double(h) * kPi / 180);
    const float a = allFinite(C, h) ? C * std::cos(theta) : std::nanf("");
    const float b = allFinite(C, h) ? C * std::sin(theta) : std::nanf("");
    drawPlane(p, W, H, v[0], a, b, h, C, pictures);
}

// u', v' of an L*u*v* triple; L* = 0 sits at the origin.
QPointF uvPrime(const ColorTriple &v)
{
    if (v[0] == 0.0f)
        return QPointF(0, 0);
    const float u = v[1] / (13 * v[0]) + 0.19785367f;
    const float w = v[2] / (13 * v[0]) + 0.46953991f;
    return QPointF(double(u), double(w));
}

bool finitePoint(const QPointF &p)
{
    return allFinite(p.x(), p.y());
}

// A marker circle of radius 3, only where it can be seen.
void dot(QPainter &p, const QPointF &at, const QColor &colour)
{
    if (!finitePoint(at) || std::fabs(at.x()) > kFarPixel || std::fabs(at.y()) > kFarPixel)
        return;
    p.setPen(QPen(colour, 1));
    p.setBrush(colour);
    p.drawEllipse(at, 3.0, 3.0);
    p.setBrush(Qt::NoBrush);
}

void drawUvChart(QPainter &p, int W, int H, const colourCoordinates &data,
                 const chartPictures &pictures)
{
    if (!pictures.has(chartPictures::uvDiagram))
        return;
    const QFont base = p.font();
    const double m = qMin(W, H);
    const double Wd = 0.95 * m, Hd = 0.9 * m;
    const double cx = W / 2 + 10, cy = H / 2 + 10;
    const double left = cx - Wd / 2, top = cy - Hd / 2, bottom = cy + Hd / 2;
    const double x0 = left + 0.05 * Wd, x1 = cx + Wd / 2 - 0.05 * Wd;
    const double y0 = top + 0.05 * Hd, y1 = bottom - 0.05 * Hd;
    const double Wi = 0.9 * Wd, Hi = 0.9 * Hd;

    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(x0, y0), QPointF(x1, y0));
    p.drawLine(QPointF(x1, y0), QPointF(x1, y1));
    p.drawLine(QPointF(x1, y1), QPointF(x0, y1));
    p.drawLine(QPointF(x0, y1), QPointF(x0, y0));
    chartTick(p, QPointF(left - 0.01 * Wd, top + 0.06 * Hd), QStringLiteral("0.6"));
    chartTick(p, QPointF(left - 0.01 * Wd, top + 0.96 * Hd), QStringLiteral("0.0"));
    chartTick(p, QPointF(x0 + 0.9 * Wd, bottom - 0.02 * Hd), QStringLiteral("0.6"));

    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (int i = 1; i <= 5; ++i) {
        p.drawLine(QPointF(x0, y0 + 0.15 * i * Hd), QPointF(x1, y0 + 0.15 * i * Hd));
        p.drawLine(QPointF(x0 + 0.15 * i * Wd, y0), QPointF(x0 + 0.15 * i * Wd, y1));
        chartTick(p, QPointF(left - 0.01 * Wd, top + 0.06 * Hd + 0.15 * i * Hd),
                  QString::number(0.6 - 0.1 * i, 'f', 1));
        chartTick(p, QPointF(x0 + 0.15 * i * Wd, bottom - 0.02 * Hd),
                  QString::number(0.1 * i, 'f', 1));
    }

    setPointSize(p, base, 12);
    p.setPen(QPen(Qt::black, 1));
    chartText(p, QPointF(left - 0.04 * Wd, top + 0.46 * Hd), QStringLiteral("v'"));
    chartText(p, QPointF(x0 + 0.375 * Wd, bottom), QStringLiteral("u'"));

    pictures.draw(p, chartPictures::uvDiagram, QRectF(left, top, Wd, Hd));

    const auto position = [&](const QPointF &uv) {
        return QPointF(x0 + uv.x() * Wi / 0.6, y1 - uv.y() * Hi / 0.6);
    };
    const double lx = cx + 0.25 * Hi, ly = cy + 0.25 * Hi;
    const QPointF type = uvPrime(data.type);
    dot(p, position(type), Qt::black);
    dot(p, QPointF(lx + 0.15 * Hi, ly - 0.07 * Hi), Qt::black);
    setPointSize(p, base, 10);
    p.setPen(QPen(Qt::black, 1));
    chartText(p, QPointF(lx, ly - 0.05 * Hi), QCoreApplication::translate("painterLabRk", "Type:"));
    chartText(p, QPointF(lx, ly), QStringLiteral("v'=") + chartNumber(type.y(), 4));
    chartText(p, QPointF(lx, ly + 0.05 * Hi), QStringLiteral("u'=") + chartNumber(type.x(), 4));

    if (data.sampleShown) {
        const QPointF sample = uvPrime(data.sample);
        const QColor grey(150, 150, 150);
        dot(p, position(sample), grey);
        dot(p, QPointF(lx + 0.15 * Hi, ly + 0.08 * Hi), grey);
        p.setPen(QPen(Qt::black, 1));
        chartText(p, QPointF(lx, ly + 0.1 * Hi),
                  QCoreApplication::translate("painterLabRk", "Sample:"));
        chartText(p, QPointF(lx, ly + 0.15 * Hi),
                  QStringLiteral("v'=") + chartNumber(sample.y(), 4));
        chartText(p, QPointF(lx, ly + 0.2 * Hi),
                  QStringLiteral("u'=") + chartNumber(sample.x(), 4));
    }
    p.setFont(base);
}

// x, y, z of an XYZ triple; all zero for a black reading.
ColorTriple chromaticity(const ColorTriple &v)
{
    if (v[0] == 0.0f && v[1] == 0.0f && v[2] == 0.0f)
        return {0.0f, 0.0f, 0.0f};
    const float sum = v[0] + v[1] + v[2];
    return {v[0] / sum, v[1] / sum, v[2] / sum};
}

void drawXyChart(QPainter &p, int W, int H, const colourCoordinates &data,
                 const chartPictures &pictures)
{
    if (!pictures.has(chartPictures::xyDiagram))
        return;
    const QFont base = p.font();
    const double S = 0.9 * qMin(W, H);
    const double cx = W / 2 + 10, cy = H / 2 + 10;
    const double left = cx - S / 2, top = cy - S / 2, bottom = cy + S / 2;
    const double x0 = left + 0.03 * S, x1 = cx + S / 2 - 0.196 * S;
    const double y0 = top + 0.015 * S, y1 = bottom - 0.106 * S;

    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(x0, y1), QPointF(x1, y1));
    p.drawLine(QPointF(x0, y0), QPointF(x0, y1));
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawLine(QPointF(x0, y0), QPointF(x1, y0));
    p.drawLine(QPointF(x1, y0), QPointF(x1, y1));
    for (int i = 0; i <= 9; ++i) {
        const double y = y0 + 0.0977 * i * S;
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
        chartTick(p, QPointF(left - 0.03 * S, y), QString::number(0.9 - 0.1 * i, 'f', 1));
    }
    for (int i = 0; i <= 7; ++i) {
        const double x = x0 + 0.096775 * i * S;
        p.drawLine(QPointF(x, y0), QPointF(x, y1));
    }
    for (int i = 0; i <= 8; ++i)
        chartTick(p, QPointF(left + 0.02 * S + 0.096775 * i * S, bottom - 0.06 * S),
                  QString::number(0.1 * i, 'f', 1));

    setPointSize(p, base, 12);
    p.setPen(QPen(Qt::black, 1));
    chartText(p, QPointF(left - 0.08 * S, top + 0.51 * S), QStringLiteral("y"));
    chartText(p, QPointF(left + 0.425 * S, bottom - 0.015 * S), QStringLiteral("x"));

    const QImage &diagram = pictures.image(chartPictures::xyDiagram);
    pictures.draw(p, chartPictures::xyDiagram,
                  QRectF(left, top, S * diagram.width() / diagram.height(), S));

    const auto position = [&](const ColorTriple &xyz) {
        return QPointF(x0 + double(xyz[0]) * S * 0.774 / 0.8,
                       y1 - double(xyz[1]) * S * 0.879 / 0.9);
    };
    const auto legend = [&](const ColorTriple &xyz, double y) {
        p.setPen(QPen(Qt::black, 1));
        chartText(p, QPointF(cx + 0.1 * S, y), QStringLiteral("x=") + chartNumber(xyz[0], 4));
        chartText(p, QPointF(cx + 0.1 * S, y + 0.05 * S),
                  QStringLiteral("y=") + chartNumber(xyz[1], 4));
        chartText(p, QPointF(cx + 0.1 * S, y + 0.1 * S),
                  QStringLiteral("z=") + chartNumber(xyz[2], 4));
    };

    setPointSize(p, base, 10);
    const ColorTriple type = chromaticity(data.type);
    p.setPen(QPen(Qt::black, 1));
    chartText(p, QPointF(cx - 0.05 * S, cy - 0.45 * S),
              QCoreApplication::translate("painterLabRk", "Type:"));
    legend(type, cy - 0.4 * S);
    const QColor cyan(0, 255, 255);
    dot(p, position(type), cyan);
    dot(p, QPointF(cx + 0.1 * S, cy - 0.465 * S), cyan);

    if (data.sampleShown) {
        const ColorTriple sample = chromaticity(data.sample);
        p.setPen(QPen(Qt::black, 1));
        chartText(p, QPointF(cx - 0.05 * S, cy - 0.25 * S),
                  QCoreApplication::translate("painterLabRk", "Sample:"));
        legend(sample, cy - 0.2 * S);
        const QColor magenta(255, 0, 255);
        dot(p, position(sample), magenta);
        dot(p, QPointF(cx + 0.1 * S, cy - 0.265 * S), magenta);
    }
    p.setFont(base);
}

// One channel bar; a channel beyond 0..255 is drawn at the nearer end, and a
// channel that is not finite draws nothing.
void channelBar(QPainter &p, int W, int H, double y, float value, int channel)
{
    if (!std::isfinite(value))
        return;
    const double v = qBound(0.0, double(value), 255.0);
    const int rest = 255 - int(v);
    QColor fill;
    if (channel == 0)
        fill = QColor(255, rest, rest);
    else if (channel == 1)
        fill = QColor(rest, 255, rest);
    else
        fill = QColor(rest, rest, 255);
    p.fillRect(QRectF(0.1 * W, y, v / 255 * 0.6 * W, 0.08 * H), fill);
}

void drawRgbChart(QPainter &p, int W, int H, const colourCoordinates &data)
{
    const int x = int(0.75 * W);
    const char *const names[] = {" R=", " G=", " B="};
    const auto bars = [&](const ColorTriple &v, const double(&barY)[3], const double(&textY)[3],
                          const QString &who) {
        for (int c = 0; c < 3; ++c)
            channelBar(p, W, H, barY[c] * H, v[c], c);
        p.setPen(QPen(Qt::black, 1));
        for (int c = 0; c < 3; ++c)
            chartText(p, QPoint(x, int(textY[c] * H)),
                      who + QLatin1String(names[c]) + chartNumber(v[c], 0));
    };
    bars(data.type, {0.15, 0.45, 0.75}, {0.22, 0.52, 0.82},
         QCoreApplication::translate("painterLabRk", "Type"));
    p.fillRect(QRectF(0.1 * W, 0.1 * H, 0.6 * W, 0.04 * H), QColor(255, 0, 0));
    p.fillRect(QRectF(0.1 * W, 0.4 * H, 0.6 * W, 0.04 * H), QColor(0, 255, 0));
    p.fillRect(QRectF(0.1 * W, 0.7 * H, 0.6 * W, 0.04 * H), QColor(0, 0, 255));
    if (data.sampleShown)
        bars(data.sample, {0.24, 0.54, 0.84}, {0.29, 0.59, 0.89},
             QCoreApplication::translate("painterLabRk", "Sample"));
}

} // namespace

colourChartKind colourChartKindOf(const QString &colorSpace)
{
    switch (colorSpaceOf(colorSpace, SpaceSpellings::ColourChart)) {
    case ColorSpace::Lab:
    case ColorSpace::Hunter:
        return colourChartKind::abPlane;
    case ColorSpace::Lch:
        return colourChartKind::lchPlane;
    case ColorSpace::Luv:
        return colourChartKind::uvDiagram;
    case ColorSpace::Xyz:
        return colourChartKind::xyDiagram;
    case ColorSpace::Srgb:
        return colourChartKind::rgbBars;
    case ColorSpace::None:
        break;
    }
    return colourChartKind::none;
}

double colourChartTextScale(const QSize &size, const QFont &font)
{
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : kDesignPoints;
    const double design = kDesignSide * points / kDesignPoints;
    return qBound(kSmallestTextScale, qMin(size.width(), size.height()) / design, 1.0);
}

int colourChartMinimumWidth(const QFont &font)
{
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : kDesignPoints;
    return int(std::ceil(kSmallestTextScale * kDesignSide * points / kDesignPoints));
}

void paintColourCoordinates(QPainter &painter, const QRect &rect, const colourCoordinates &data,
                            const chartPictures &pictures, bool fitTexts,
                            QVector<QRectF> *placedTexts)
{
    const int W = rect.width(), H = rect.height();
    if (W <= 0 || H <= 0)
        return;
    painter.save();
    painter.translate(rect.topLeft());
    painter.setRenderHint(QPainter::Antialiasing, false);
    const TextFit before = g_fit;
    g_fit = TextFit();
    g_fit.fit = fitTexts;
    g_fit.width = W;
    QVector<QRectF> placed;
    g_fit.placed = placedTexts ? placedTexts : fitTexts ? &placed : nullptr;
    const QFont titleFont = painter.font();
    if (fitTexts) {
        g_fit.scale = colourChartTextScale(rect.size(), painter.font());
        QFont font = painter.font();
        font.setPointSizeF(font.pointSizeF() * g_fit.scale);
        painter.setFont(font);
    }
    if (W >= kSmallestChart && H >= kSmallestChart) {
        const ColorTriple &shown = data.sampleShown ? data.sample : data.type;
        painter.save();
        switch (colourChartKindOf(data.colorSpace)) {
        case colourChartKind::abPlane:
            drawAbChart(painter, W, H, shown, pictures);
            break;
        case colourChartKind::lchPlane:
            drawLchChart(painter, W, H, shown, pictures);
            break;
        case colourChartKind::uvDiagram:
            drawUvChart(painter, W, H, data, pictures);
            break;
        case colourChartKind::xyDiagram:
            drawXyChart(painter, W, H, data, pictures);
            break;
        case colourChartKind::rgbBars:
            drawRgbChart(painter, W, H, data);
            break;
        case colourChartKind::none:
            break;
        }
        painter.restore();
    }
    // The title strip keeps the widget's font: it has its own fixed height.
    painter.setFont(titleFont);
    drawTitleStrip(painter, W, H);
    g_fit = before;
    painter.restore();
}

QSize painterLabRk::minimumSizeHint() const
{
    return QSize(colourChartMinimumWidth(font()), kSmallestChart);
}

painterLabRk::painterLabRk(QWidget *parent) : QWidget(parent) {}

void painterLabRk::resetChart()
{
    m_data = colourCoordinates();
    update();
}

void painterLabRk::setChartSpace(const QString &name)
{
    m_data.colorSpace = name;
    update();
}

void painterLabRk::setChartItem(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const auto valuesOf = [](const QTreeWidgetItem *it) {
        return ColorTriple{it->text(value1Column).toFloat(), it->text(value2Column).toFloat(),
                           it->text(value3Column).toFloat()};
    };
    m_data.colorSpace = item->text(colorSpaceColumn);
    QTreeWidgetItem *parent = item->parent();
    if (parent && parent->parent()) {
        m_data.sample = valuesOf(item);
        m_data.type = valuesOf(parent);
        m_data.sampleShown = true;
    } else {
        m_data.type = valuesOf(item);
        m_data.sampleShown = false;
    }
    update();
}

void painterLabRk::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    // In the window the texts shrink with a small chart and stay inside it.
    paintColourCoordinates(painter, rect(), m_data, chartPictures::shared(), true);
}
