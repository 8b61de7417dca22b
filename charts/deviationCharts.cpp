#include "deviationCharts.h"

#include "chartNumbers.h"

#include <QCoreApplication>
#include <QPainter>

#include <cmath>

namespace {

// The texts around a chart: above, below, and sign and word on each side.
struct axisTexts
{
    QString upper, lower, rightSign, rightWord, leftSign, leftWord;
};

axisTexts lightnessTexts(const QString &space)
{
    if (space == QLatin1String("CIE1976L*a*b*") || space == QLatin1String("CIE1976LAB") ||
        space == QLatin1String("CIELCH") || space == QLatin1String("CIEL*CH") ||
        space == QLatin1String("CIELUV"))
        return {QStringLiteral("+ΔL ") + QCoreApplication::translate("deviationCharts", "White+ "),
                QStringLiteral("-ΔL ") + QCoreApplication::translate("deviationCharts", "Black+ "),
                {},
                {},
                {},
                {}};
    if (space == QLatin1String("CIEXYZ"))
        return {QStringLiteral("+ΔY --"), QStringLiteral("-ΔY --"), {}, {}, {}, {}};
    if (space == QLatin1String("HunterLAB"))
        return {QStringLiteral("+ΔHunterL ") +
                    QCoreApplication::translate("deviationCharts", "White+ "),
                QStringLiteral("-ΔHunterL ") +
                    QCoreApplication::translate("deviationCharts", "Black+ "),
                {},
                {},
                {},
                {}};
    if (space == QLatin1String("sRGB"))
        return {QStringLiteral("+ΔR ") + QCoreApplication::translate("deviationCharts", "Red+ "),
                QStringLiteral("-ΔR ") + QCoreApplication::translate("deviationCharts", "Red- "),
                {},
                {},
                {},
                {}};
    return {};
}

axisTexts chromaticTexts(const QString &space, bool capitalUndersaturation)
{
    if (space == QLatin1String("CIE1976L*a*b*") || space == QLatin1String("CIE1976LAB"))
        return {QStringLiteral("+Δa ") + QCoreApplication::translate("deviationCharts", "Red+ "),
                QStringLiteral("-Δa ") + QCoreApplication::translate("deviationCharts", "Green+ "),
                QStringLiteral("+Δb"),
                QCoreApplication::translate("deviationCharts", "Yellow+ "),
                QStringLiteral("-Δb"),
                QCoreApplication::translate("deviationCharts", "Blue+ ")};
    if (space == QLatin1String("CIELCH") || space == QLatin1String("CIEL*CH"))
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
    if (space == QLatin1String("CIEXYZ"))
        return {QStringLiteral("+ΔX --"), QStringLiteral("-ΔX --"), QStringLiteral("+ΔZ"),
                QStringLiteral("--"),     QStringLiteral("-ΔZ"),    QStringLiteral("--")};
    if (space == QLatin1String("CIELUV"))
        return {QStringLiteral("+Δu ") + QCoreApplication::translate("deviationCharts", "Red+ "),
                QStringLiteral("-Δu ") + QCoreApplication::translate("deviationCharts", "Green+ "),
                QStringLiteral("+Δv"),
                QCoreApplication::translate("deviationCharts", "Yellow+ "),
                QStringLiteral("-Δv"),
                QCoreApplication::translate("deviationCharts", "Blue+ ")};
    if (space == QLatin1String("HunterLAB"))
        return {QStringLiteral("+ΔHunterA ") +
                    QCoreApplication::translate("deviationCharts", "Red+ "),
                QStringLiteral("-ΔHunterA ") +
                    QCoreApplication::translate("deviationCharts", "Green+ "),
                QStringLiteral("+ΔHunterB"),
                QCoreApplication::translate("deviationCharts", "Yellow+ "),
                QStringLiteral("-ΔHunterB"),
                QCoreApplication::translate("deviationCharts", "Blue+ ")};
    if (space == QLatin1String("sRGB"))
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
            false};
}

deviationChartStyle deviationChartStyle::print(double textUnit)
{
    return {QColor(240, 240, 240),         Qt::black, 5, 30, 15, Qt::FlatCap, Qt::black, 5, 30, 50,
            textUnit > 0 ? textUnit : 1.0, true};
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

void drawLightnessTexts(QPainter &p, const QRect &rect, const lightnessDeviation &data,
                        const deviationChartStyle &style)
{
    const int W = rect.width(), H = rect.height();
    const int t = H / 2 - 3 * H / 8;
    const axisTexts texts = lightnessTexts(data.colorSpace);
    p.save();
    p.translate(rect.topLeft());
    p.setPen(QPen(Qt::black, 1));
    p.drawText(QPoint(W / 2 - offset(style, 20), t - offset(style, 3)), texts.upper);
    p.drawText(QPoint(W / 2 - offset(style, 20), t + 3 * H / 4 + offset(style, 12)), texts.lower);
    p.drawText(
        QPoint(W / 2 + (W / 3) / 2 + offset(style, 5), H / 2 - (3 * H / 4) / 4 + offset(style, 5)),
        QStringLiteral("+%1").arg(chartNumber(data.plusTolerance, 2)));
    p.drawText(
        QPoint(W / 2 + (W / 3) / 2 + offset(style, 5), H / 2 + (3 * H / 4) / 4 + offset(style, 6)),
        QStringLiteral("-%1").arg(chartNumber(data.minusTolerance, 2)));
    p.restore();
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

void drawChromaticTexts(QPainter &p, const QRect &rect, const chromaticDeviation &data,
                        const deviationChartStyle &style)
{
    const int W = rect.width(), H = rect.height();
    const int m = qMin(W, H);
    const int q = 3 * m / 4;
    const int cx = W / 2, cy = H / 2;
    const int L0 = cx - q / 2, T0 = cy - q / 2;
    const axisTexts texts = chromaticTexts(data.colorSpace, style.capitalUndersaturation);
    p.save();
    p.translate(rect.topLeft());
    p.setPen(QPen(Qt::black, 1));
    p.drawText(QPoint(cx - offset(style, 20), T0 - offset(style, 3)), texts.upper);
    p.drawText(QPoint(cx - offset(style, 20), T0 + q + offset(style, 12)), texts.lower);
    p.drawText(QPoint(L0 + q + offset(style, 3), cy), texts.rightSign);
    p.drawText(QPoint(L0 + q + offset(style, 3), cy + offset(style, 12)), texts.rightWord);
    p.drawText(QPoint(L0 - offset(style, 25), cy), texts.leftSign);
    p.drawText(QPoint(L0 - offset(style, 25), cy + offset(style, 12)), texts.leftWord);
    p.drawText(QPoint(cx + q / 2 + offset(style, 3), cy - q / 4 + offset(style, 5)),
               QStringLiteral("+%1").arg(chartNumber(data.verticalPlus, 2)));
    p.drawText(QPoint(cx + q / 4 - offset(style, 1), T0 - offset(style, 3)),
               QStringLiteral("+%1").arg(chartNumber(data.horizontalPlus, 2)));
    p.drawText(QPoint(L0 - offset(style, 32), cy + q / 4 + offset(style, 6)),
               QStringLiteral("-%1").arg(chartNumber(data.verticalMinus, 2)));
    p.drawText(QPoint(cx - q / 4 - offset(style, 15), cy + q / 2 + offset(style, 10)),
               QStringLiteral("-%1").arg(chartNumber(data.horizontalMinus, 2)));
    p.restore();
}

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
