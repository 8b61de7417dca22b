#include "deviationCharts.h"

#include "chartNumbers.h"
#include "colorVocabulary.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <QtMath>

#include <cmath>

namespace {

// The texts around a chart: above, below, and sign and word on each side.
struct axisTexts
{
    QString upper, lower, rightSign, rightWord, leftSign, leftWord;
};

axisTexts lightnessTexts(const QString &name)
{
    const ColorSpace space = colorSpaceOf(name, SpaceSpellings::DeviationCharts);
    if (space == ColorSpace::Lab || space == ColorSpace::Lch || space == ColorSpace::Luv)
        return {QStringLiteral("+ΔL ") + QCoreApplication::translate("deviationCharts", "White+ "),
                QStringLiteral("-ΔL ") + QCoreApplication::translate("deviationCharts", "Black+ "),
                {},
                {},
                {},
                {}};
    if (space == ColorSpace::Xyz)
        return {QStringLiteral("+ΔY --"), QStringLiteral("-ΔY --"), {}, {}, {}, {}};
    if (space == ColorSpace::Hunter)
        return {QStringLiteral("+ΔHunterL ") +
                    QCoreApplication::translate("deviationCharts", "White+ "),
                QStringLiteral("-ΔHunterL ") +
                    QCoreApplication::translate("deviationCharts", "Black+ "),
                {},
                {},
                {},
                {}};
    if (space == ColorSpace::Srgb)
        return {QStringLiteral("+ΔR ") + QCoreApplication::translate("deviationCharts", "Red+ "),
                QStringLiteral("-ΔR ") + QCoreApplication::translate("deviationCharts", "Red- "),
                {},
                {},
                {},
                {}};
    return {};
}

axisTexts chromaticTexts(const QString &name, bool capitalUndersaturation)
{
    const ColorSpace space = colorSpaceOf(name, SpaceSpellings::DeviationCharts);
    if (space == ColorSpace::Lab)
        return {QStringLiteral("+Δa ") + QCoreApplication::translate("deviationCharts", "Red+ "),
                QStringLiteral("-Δa ") + QCoreApplication::translate("deviationCharts", "Green+ "),
                QStringLiteral("+Δb"),
                QCoreApplication::translate("deviationCharts", "Yellow+ "),
                QStringLiteral("-Δb"),
                QCoreApplication::translate("deviationCharts", "Blue+ ")};
    if (space == ColorSpace::Lch)
        return {QStringLiteral("+Δc ") +
                    QCoreApplication::translate("deviationCharts", "Supersaturation"),
                QStringLiteral("-Δc ") +
                    (capitalUndersaturation
                         ? QCoreApplication::translate("deviationCharts", "Undersaturation")
                         : QCoreApplication::translate("deviationCharts", "undersaturation")),
                QStringLiteral("+ΔH"),
                QCoreApplication::translate("deviationCharts", "Hue+ "),
                QStringLiteral("-ΔH"),
                QCoreApplication::translate("deviationCharts", "Hue- ")};
    if (space == ColorSpace::Xyz)
        return {QStringLiteral("+ΔX --"), QStringLiteral("-ΔX --"), QStringLiteral("+ΔZ"),
                QStringLiteral("--"),     QStringLiteral("-ΔZ"),    QStringLiteral("--")};
    if (space == ColorSpace::Luv)
        return {QStringLiteral("+Δu ") + QCoreApplication::translate("deviationCharts", "Red+ "),
                QStringLiteral("-Δu ") + QCoreApplication::translate("deviationCharts", "Green+ "),
                QStringLiteral("+Δv"),
                QCoreApplication::translate("deviationCharts", "Yellow+ "),
                QStringLiteral("-Δv"),
                QCoreApplication::translate("deviationCharts", "Blue+ ")};
    if (space == ColorSpace::Hunter)
        return {QStringLiteral("+ΔHunterA ") +
                    QCoreApplication::translate("deviationCharts", "Red+ "),
                QStringLiteral("-ΔHunterA ") +
                    QCoreApplication::translate("deviationCharts", "Green+ "),
                QStringLiteral("+ΔHunterB"),
                QCoreApplication::translate("deviationCharts", "Yellow+ "),
                QStringLiteral("-ΔHunterB"),
                QCoreApplication::translate("deviationCharts", "Blue+ ")};
    if (space == ColorSpace::Srgb)
        return {QStringLiteral("+ΔG ") + QCoreApplication::translate("deviationCharts", "Green+ "),
                QStringLiteral("-ΔG ") + QCoreApplication::translate("deviationCharts", "Green- "),
                QStringLiteral("+ΔB"),
                QCoreApplication::translate("deviationCharts", "Blue+ "),
                QStringLiteral("-ΔB"),
                QCoreApplication::translate("deviationCharts", "Blue- ")};
    return {};
}

// A text offset of the screen drawing in the style's device pixels.
int offset(const deviationChartStyle &style, int screenPixels)
{
    return int(std::lround(screenPixels * style.textUnit));
}

QPen axisPen(const deviationChartStyle &style, const QColor &colour)
{
    return QPen(QBrush(colour), style.axisWidth, Qt::SolidLine, style.capStyle);
}

QPen guidePen(const deviationChartStyle &style)
{
    return QPen(QBrush(style.guide), style.guideWidth, Qt::DotLine);
}

QPen markerPen(const deviationChartStyle &style)
{
    return QPen(QBrush(QColor(0, 255, 255)), style.markerWidth, Qt::SolidLine, style.capStyle);
}

void drawBand(QPainter &p, const QRect &band, const deviationChartStyle &style, bool filled)
{
    if (filled)
        p.fillRect(band, style.bandFill);
    p.setPen(QPen(QBrush(style.outline), style.outlineWidth));
    p.setBrush(Qt::NoBrush);
    p.drawRect(band);
}

} // namespace

deviationChartStyle deviationChartStyle::screen()
{
    return {Qt::white,
            QColor(100, 100, 100),
            1,
            3,
            1,
            Qt::SquareCap,
            QColor(150, 150, 150),
            1,
            3,
            5,
            1.0,
            false,
            false};
}

deviationChartStyle deviationChartStyle::print(double textUnit)
{
    deviationChartStyle style{
        QColor(240, 240, 240),         Qt::black, 5, 30, 15, Qt::FlatCap, Qt::black, 5, 30, 50,
        textUnit > 0 ? textUnit : 1.0, true};
    style.textsClearOfShapes = true;
    return style;
}

bool deviationOffset(float value, float plusTolerance, float minusTolerance, int span, int *offset)
{
    if (!std::isfinite(value))
        return false;
    if (value == 0.0f) {
        *offset = 0;
        return true;
    }
    const float tolerance = value > 0 ? plusTolerance : minusTolerance;
    // No positive tolerance, no scale to place the deviation on.
    if (!(tolerance > 0) || !std::isfinite(tolerance))
        return false;
    const double scaled = double(float(span) * value) * 0.5 / double(tolerance);
    if (!(std::fabs(scaled) < span))
        return false;
    *offset = int(scaled);
    return true;
}

namespace {

int pixelSizeOf(const QFont &font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

QFont withPixelSize(const QFont &font, int pixelSize)
{
    QFont sized(font);
    sized.setPixelSize(qMax(1, pixelSize));
    return sized;
}

// The largest pixel size, at most `size`, at which `widest` (measured at
// `size`) fits `room` and a line of height `height` fits `lineRoom`.
int shrunkToFit(int size, int widest, int room, int height, int lineRoom)
{
    int fitted = size;
    if (widest > room && room > 0)
        fitted = qMin(fitted, size * room / widest);
    if (height > lineRoom && lineRoom > 0)
        fitted = qMin(fitted, size * lineRoom / height);
    return qMax(1, fitted);
}

// Collects texts at baseline starts, with their boxes in the given font.
class textPlacer
{
public:
    textPlacer(const QFont &font, int pixelSize)
        : m_metrics(pixelSize > 0 ? withPixelSize(font, pixelSize) : font), m_pixelSize(pixelSize)
    {
    }
    const QFontMetrics &metrics() const { return m_metrics; }
    int width(const QString &text) const { return m_metrics.horizontalAdvance(text); }
    // A baseline that centres the text's ink height on `y`.
    int centredOn(int y) const { return y + (m_metrics.ascent() - m_metrics.descent()) / 2; }
    placedChartText &add(const QString &text, int x, int baseline)
    {
        placedChartText placed;
        placed.text = text;
        placed.baseline = QPoint(x, baseline);
        placed.pixelSize = m_pixelSize;
        placed.box = QRect(x, baseline - m_metrics.ascent(), width(text),
                           m_metrics.ascent() + m_metrics.descent());
        m_placed.append(placed);
        return m_placed.last();
    }
    QVector<placedChartText> result() const { return m_placed; }

private:
    QFontMetrics m_metrics;
    int m_pixelSize;
    QVector<placedChartText> m_placed;
};

void drawPlaced(QPainter &p, const QRect &rect, const QVector<placedChartText> &texts)
{
    p.save();
    p.translate(rect.topLeft());
    p.setPen(QPen(Qt::black, 1));
    const QFont font = p.font();
    for (const placedChartText &placed : texts) {
        if (placed.text.isEmpty())
            continue;
        p.setFont(placed.pixelSize > 0 ? withPixelSize(font, placed.pixelSize) : font);
        p.drawText(placed.baseline, placed.text);
    }
    p.restore();
}

} // namespace

QVector<placedChartText> lightnessTextPlacement(const QRect &rect, const lightnessDeviation &data,
                                                const deviationChartStyle &style, const QFont &font)
{
    const int W = rect.width(), H = rect.height();
    const int t = H / 2 - 3 * H / 8;
    const int h = 3 * H / 4;
    const axisTexts texts = lightnessTexts(data.colorSpace);
    const QString plus = QStringLiteral("+%1").arg(chartNumber(data.plusTolerance, 2));
    const QString minus = QStringLiteral("-%1").arg(chartNumber(data.minusTolerance, 2));
    if (!style.textsClearOfShapes) {
        textPlacer at(font, 0);
        at.add(texts.upper, W / 2 - offset(style, 20), t - offset(style, 3));
        at.add(texts.lower, W / 2 - offset(style, 20), t + h + offset(style, 12));
        at.add(plus, W / 2 + (W / 3) / 2 + offset(style, 5), H / 2 - h / 4 + offset(style, 5));
        at.add(minus, W / 2 + (W / 3) / 2 + offset(style, 5), H / 2 + h / 4 + offset(style, 6));
        return at.result();
    }

    // The tolerance values stand right of the band; the axis texts above
    // and below it, centred on the axis.
    const int gap = offset(style, 3) + int(style.outlineWidth);
    const int bandRight = W / 2 - W / 6 + W / 3;
    int size = pixelSizeOf(font);
    {
        const textPlacer measure(font, size);
        const int values = qMax(measure.width(plus), measure.width(minus));
        size =
            shrunkToFit(size, values, W - bandRight - 2 * gap, measure.metrics().height(), t - gap);
        const textPlacer again(font, size);
        const int axis = qMax(again.width(texts.upper), again.width(texts.lower));
        size = shrunkToFit(size, axis, W, 0, 0);
    }
    textPlacer at(font, size);
    const QFontMetrics &fm = at.metrics();
    const auto centredX = [&](const QString &text) {
        return qBound(0, W / 2 - at.width(text) / 2, qMax(0, W - at.width(text)));
    };
    at.add(texts.upper, centredX(texts.upper), t - gap - fm.descent());
    at.add(texts.lower, centredX(texts.lower), t + h + gap + fm.ascent());
    at.add(plus, bandRight + gap, at.centredOn(H / 2 - 3 * H / 16));
    at.add(minus, bandRight + gap, at.centredOn(H / 2 + 3 * H / 16 + 1));
    return at.result();
}

void drawLightnessTexts(QPainter &p, const QRect &rect, const lightnessDeviation &data,
                        const deviationChartStyle &style)
{
    drawPlaced(p, rect, lightnessTextPlacement(rect, data, style, p.font()));
}

void paintLightnessDeviation(QPainter &p, const QRect &rect, const lightnessDeviation &data,
                             const deviationChartStyle &style)
{
    const int W = rect.width(), H = rect.height();
    if (W <= 0 || H <= 0)
        return;
    p.save();
    p.translate(rect.topLeft());
    const int top = H / 2 - 3 * H / 8;
    const int h = 3 * H / 4;
    const int inset = style.axisInset;

    drawBand(p, QRect(W / 2 - W / 6, top, W / 3, h), style, true);
    drawBand(p, QRect(W / 2 - W / 12, H / 2 - 3 * H / 16, W / 6, 3 * H / 8), style, false);
    p.setPen(axisPen(style, QColor(180, 180, 180)));
    p.drawLine(QPoint(W / 2, top + inset), QPoint(W / 2, H / 2));
    p.setPen(axisPen(style, Qt::black));
    p.drawLine(QPoint(W / 2, H / 2), QPoint(W / 2, top + h - inset));
    p.drawLine(QPoint(W / 2 - W / 6 + inset, H / 2), QPoint(W / 2 - W / 6 + W / 3 - inset, H / 2));

    drawLightnessTexts(p, QRect(0, 0, W, H), data, style);

    p.setPen(guidePen(style));
    p.drawLine(QPoint(W / 2 + W / 12, H / 2 - 3 * H / 16),
               QPoint(W / 2 + W / 6, H / 2 - 3 * H / 16));
    p.drawLine(QPoint(W / 2 + W / 12, H / 2 + 3 * H / 16 + 1),
               QPoint(W / 2 + W / 6, H / 2 + 3 * H / 16 + 1));

    int c = 0;
    if (deviationOffset(data.value, data.plusTolerance, data.minusTolerance, h, &c)) {
        p.setPen(markerPen(style));
        p.drawLine(QPoint(W / 2 - style.markerArm, H / 2 - c / 2),
                   QPoint(W / 2 + style.markerArm, H / 2 - c / 2));
    }
    p.restore();
}

QVector<placedChartText> chromaticTextPlacement(const QRect &rect, const chromaticDeviation &data,
                                                const deviationChartStyle &style, const QFont &font)
{
    const int W = rect.width(), H = rect.height();
    const int m = qMin(W, H);
    const int q = 3 * m / 4;
    const int cx = W / 2, cy = H / 2;
    const int L0 = cx - q / 2, T0 = cy - q / 2;
    const axisTexts texts = chromaticTexts(data.colorSpace, style.capitalUndersaturation);
    const QString verticalPlus = QStringLiteral("+%1").arg(chartNumber(data.verticalPlus, 2));
    const QString horizontalPlus = QStringLiteral("+%1").arg(chartNumber(data.horizontalPlus, 2));
    const QString verticalMinus = QStringLiteral("-%1").arg(chartNumber(data.verticalMinus, 2));
    const QString horizontalMinus = QStringLiteral("-%1").arg(chartNumber(data.horizontalMinus, 2));
    if (!style.textsClearOfShapes) {
        textPlacer at(font, 0);
        at.add(texts.upper, cx - offset(style, 20), T0 - offset(style, 3));
        at.add(texts.lower, cx - offset(style, 20), T0 + q + offset(style, 12));
        at.add(texts.rightSign, L0 + q + offset(style, 3), cy);
        at.add(texts.rightWord, L0 + q + offset(style, 3), cy + offset(style, 12));
        at.add(texts.leftSign, L0 - offset(style, 25), cy);
        at.add(texts.leftWord, L0 - offset(style, 25), cy + offset(style, 12));
        at.add(verticalPlus, cx + q / 2 + offset(style, 3), cy - q / 4 + offset(style, 5));
        at.add(horizontalPlus, cx + q / 4 - offset(style, 1), T0 - offset(style, 3));
        at.add(verticalMinus, L0 - offset(style, 32), cy + q / 4 + offset(style, 6));
        at.add(horizontalMinus, cx - q / 4 - offset(style, 15), cy + q / 2 + offset(style, 10));
        return at.result();
    }

    // Signs, words and the vertical tolerance values stand beside the outer
    // square, the axis texts and the horizontal values above and below it.
    const int gap = offset(style, 3) + int(style.outlineWidth);
    int size = pixelSizeOf(font);
    {
        const textPlacer measure(font, size);
        int widest = 0;
        for (const QString &text : {texts.rightSign, texts.rightWord, texts.leftSign,
                                    texts.leftWord, verticalPlus, verticalMinus})
            widest = qMax(widest, measure.width(text));
        const int sideRoom = qMin(L0, W - (L0 + q)) - 2 * gap;
        const int lineRoom = qMin(T0, H - (T0 + q)) - gap;
        size = shrunkToFit(size, widest, sideRoom, measure.metrics().height(), lineRoom);
    }
    textPlacer at(font, size);
    const QFontMetrics &fm = at.metrics();
    const int above = T0 - gap - fm.descent();
    const int below = T0 + q + gap + fm.ascent();
    const int right = L0 + q + gap;
    const auto leftOf = [&](const QString &text) { return L0 - gap - at.width(text); };

    const QRect upper = at.add(texts.upper, cx - at.width(texts.upper) / 2, above).box;
    at.add(horizontalPlus, qMax(cx + q / 4 - at.width(horizontalPlus) / 2, upper.right() + 1 + gap),
           above);
    const QRect lower = at.add(texts.lower, cx - at.width(texts.lower) / 2, below).box;
    at.add(horizontalMinus,
           qMin(cx - q / 4 - at.width(horizontalMinus) / 2,
                lower.left() - gap - at.width(horizontalMinus)),
           below);
    at.add(texts.rightSign, right, cy - fm.descent() - 1);
    at.add(texts.rightWord, right, cy + fm.ascent() + 1);
    at.add(texts.leftSign, leftOf(texts.leftSign), cy - fm.descent() - 1);
    at.add(texts.leftWord, leftOf(texts.leftWord), cy + fm.ascent() + 1);
    at.add(verticalPlus, right, at.centredOn(cy - q / 4));
    at.add(verticalMinus, leftOf(verticalMinus), at.centredOn(cy + q / 4 + 1));
    return at.result();
}

void drawChromaticTexts(QPainter &p, const QRect &rect, const chromaticDeviation &data,
                        const deviationChartStyle &style)
{
    drawPlaced(p, rect, chromaticTextPlacement(rect, data, style, p.font()));
}

namespace {

// The control ellipse and the Samples, on the chart's own scale: a
// tolerance lands on the inner square, each side by its own tolerance, so
// the ellipse is traced point by point.  Only what falls inside the outer
// square is drawn.
void drawSampleCloud(QPainter &p, int cx, int cy, int q, const chromaticDeviation &data)
{
    const ControlEllipse &ellipse = data.ellipse;
    if (!ellipse.valid)
        return;
    const auto scaled = [q](double value, float plus, float minus) {
        const double tolerance = value >= 0 ? plus : minus;
        return tolerance > 0 ? q * value / (4 * tolerance) : qQNaN();
    };
    const auto at = [&](double vertical, double horizontal) {
        return QPointF(cx + scaled(horizontal, data.horizontalPlus, data.horizontalMinus),
                       cy - scaled(vertical, data.verticalPlus, data.verticalMinus));
    };
    const int e = q / 2;
    p.save();
    p.setClipRect(QRect(cx - e, cy - e, q, q));
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF outline;
    constexpr int steps = 96;
    const double c = std::cos(ellipse.angle), s = std::sin(ellipse.angle);
    for (int k = 0; k <= steps; ++k) {
        const double t = 2 * M_PI * k / steps;
        const double u = ellipse.semiMajor * std::cos(t), v = ellipse.semiMinor * std::sin(t);
        const QPointF point = at(ellipse.centreX + u * c - v * s, ellipse.centreY + u * s + v * c);
        if (std::isfinite(point.x()) && std::isfinite(point.y()))
            outline << point;
    }
    // Sizes grow with the chart: a printed page has many more pixels.
    const double unit = std::max(1.0, q / 225.0);
    p.setPen(QPen(QColor(128, 0, 128), 1.5 * unit, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(outline);
    p.setPen(Qt::NoPen);
    for (const QPointF &sample : data.samples) {
        const QPointF point = at(sample.x(), sample.y());
        if (!std::isfinite(point.x()) || !std::isfinite(point.y()))
            continue;
        const bool outside = !ellipse.contains(sample.x(), sample.y());
        p.setBrush(outside ? QColor(220, 0, 0) : QColor(90, 90, 90));
        const double radius = (outside ? 3.5 : 2.0) * unit;
        p.drawEllipse(point, radius, radius);
    }
    p.restore();
}

} // namespace

void paintChromaticDeviation(QPainter &p, const QRect &rect, const chromaticDeviation &data,
                             const deviationChartStyle &style)
{
    const int W = rect.width(), H = rect.height();
    if (W <= 0 || H <= 0)
        return;
    p.save();
    p.translate(rect.topLeft());
    const int m = qMin(W, H);
    const int q = 3 * m / 4, e = 3 * m / 8, f = 3 * m / 16;
    const int cx = W / 2, cy = H / 2;
    const int inset = style.axisInset;

    drawBand(p, QRect(cx - e, cy - e, q, q), style, true);
    drawBand(p, QRect(cx - f, cy - f, e, e), style, false);
    p.setPen(axisPen(style, Qt::red));
    p.drawLine(QPoint(cx, cy - e + inset), QPoint(cx, cy));
    p.setPen(axisPen(style, Qt::green));
    p.drawLine(QPoint(cx, cy), QPoint(cx, cy - e + q - inset));
    p.setPen(axisPen(style, Qt::blue));
    p.drawLine(QPoint(cx - e + inset, cy), QPoint(cx, cy));
    p.setPen(axisPen(style, Qt::yellow));
    p.drawLine(QPoint(cx, cy), QPoint(cx - e + q - inset, cy));

    drawChromaticTexts(p, QRect(0, 0, W, H), data, style);

    p.setPen(guidePen(style));
    p.drawLine(QPoint(cx + f, cy - f), QPoint(cx + e, cy - f));
    p.drawLine(QPoint(cx + f + 1, cy - f), QPoint(cx + f + 1, cy - e));
    p.drawLine(QPoint(cx - f, cy + f + 1), QPoint(cx - e, cy + f + 1));
    p.drawLine(QPoint(cx - f, cy + f), QPoint(cx - f, cy + e));

    drawSampleCloud(p, cx, cy, q, data);

    int ev = 0, eh = 0;
    if (deviationOffset(data.vertical, data.verticalPlus, data.verticalMinus, q, &ev) &&
        deviationOffset(data.horizontal, data.horizontalPlus, data.horizontalMinus, q, &eh)) {
        const int x = cx + eh / 2, y = cy - ev / 2;
        const int arm = style.markerArm;
        p.setPen(markerPen(style));
        p.drawLine(QPoint(x, y - arm), QPoint(x, y + arm));
        p.drawLine(QPoint(x - arm, y), QPoint(x + arm, y));
    }
    p.restore();
}

// --- Widgets ------------------------------------------------------------------

painterDeltaLLabRk::painterDeltaLLabRk(QWidget *parent) : QWidget(parent) {}

void painterDeltaLLabRk::updateDeltaLab(const QString &colorSpace, const QString &plusTolerance,
                                        const QString &minusTolerance)
{
    m_data.colorSpace = colorSpace;
    m_data.plusTolerance = plusTolerance.toFloat();
    m_data.minusTolerance = minusTolerance.toFloat();
    update();
}

void painterDeltaLLabRk::setDeltaTolerance(float plusTolerance, float minusTolerance)
{
    m_data.plusTolerance = plusTolerance;
    m_data.minusTolerance = minusTolerance;
}

void painterDeltaLLabRk::setDeltaValue(float value)
{
    m_data.value = value;
    update();
}

void painterDeltaLLabRk::drawab(QPainter *painter)
{
    if (painter)
        drawLightnessTexts(*painter, rect(), m_data, deviationChartStyle::screen());
}

void painterDeltaLLabRk::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    paintLightnessDeviation(painter, rect(), m_data, deviationChartStyle::screen());
}

painterDeltaabLabRk::painterDeltaabLabRk(QWidget *parent) : QWidget(parent) {}

void painterDeltaabLabRk::updateDeltaLab(const QString &colorSpace, const QString &lightnessPlus,
                                         const QString &lightnessMinus, const QString &verticalPlus,
                                         const QString &verticalMinus,
                                         const QString &horizontalPlus,
                                         const QString &horizontalMinus)
{
    Q_UNUSED(lightnessPlus)
    Q_UNUSED(lightnessMinus)
    m_data.colorSpace = colorSpace;
    m_data.verticalPlus = verticalPlus.toFloat();
    m_data.verticalMinus = verticalMinus.toFloat();
    m_data.horizontalPlus = horizontalPlus.toFloat();
    m_data.horizontalMinus = horizontalMinus.toFloat();
    update();
}

void painterDeltaabLabRk::setDeltaTolerance(float verticalPlus, float verticalMinus,
                                            float horizontalPlus, float horizontalMinus)
{
    m_data.verticalPlus = verticalPlus;
    m_data.verticalMinus = verticalMinus;
    m_data.horizontalPlus = horizontalPlus;
    m_data.horizontalMinus = horizontalMinus;
}

void painterDeltaabLabRk::setDeltaValue(float vertical, float horizontal)
{
    m_data.vertical = vertical;
    m_data.horizontal = horizontal;
    update();
}

void painterDeltaabLabRk::setSampleCloud(const QVector<QPointF> &samples,
                                         const ControlEllipse &ellipse)
{
    m_data.samples = samples;
    m_data.ellipse = ellipse;
    update();
}

void painterDeltaabLabRk::drawab(QPainter *painter)
{
    if (painter)
        drawChromaticTexts(*painter, rect(), m_data, deviationChartStyle::screen());
}

void painterDeltaabLabRk::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    paintChromaticDeviation(painter, rect(), m_data, deviationChartStyle::screen());
}
