#include "Plotter.h"

#include "chartNumbers.h"
#include "chartPictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>
#include <limits>

namespace {

// Beyond this many grid intervals the labels would only overlap.
constexpr int kMostTicks = 200;
// Beyond this many new points since the last paint the picture is drawn
// anew (a whole drawing thins long series).
constexpr int kMostAppended = 256;

int usableTicks(int ticks)
{
    return qBound(1, ticks, kMostTicks);
}

double usableSpan(double lo, double hi)
{
    const double span = hi - lo;
    return std::isfinite(span) && span > 0 ? span : 1.0;
}

// The series colours by index: green, blue, red, cyan, magenta, yellow.
const QColor &seriesColour(int index)
{
    static const QColor colours[6] = {Qt::green, Qt::blue,    Qt::red,
                                      Qt::cyan,  Qt::magenta, Qt::yellow};
    return colours[((index % 6) + 6) % 6];
}

QPen seriesPen(int index, qreal width)
{
    return QPen(QBrush(seriesColour(index)), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawGrid(QPainter &p, const QSize &size, const QRect &plot, const trendPlotData &data)
{
    const PlotRange &r = data.range;
    const double spanX = r.spanX(), spanY = r.spanY();
    const int xTicks = usableTicks(r.xTicks), yTicks = usableTicks(r.yTicks);
    const int left = plot.left(), top = plot.top(), right = plot.right(), bottom = plot.bottom();
    const QPen dark(QColor(0, 0, 0), 1);
    const QPen grid(QBrush(QColor(100, 100, 100)), 1, Qt::DotLine);

    p.setPen(dark);
    p.drawText(QRect(left - 50, bottom + 5, 100, 20), Qt::AlignHCenter | Qt::AlignTop,
               chartNumber(r.xMin, 1));
    p.drawText(QRect(left - 40, bottom - 10, 35, 20), Qt::AlignRight | Qt::AlignVCenter,
               chartNumber(r.yMin, 2));
    for (int i = 1; i <= xTicks; ++i) {
        const int x = left + ((plot.width() - 1) * i) / xTicks;
        const double value = r.xMin + i * spanX / xTicks;
        p.setPen(grid);
        p.drawLine(x, top, x, bottom);
        p.setPen(dark);
        p.drawLine(x, bottom, x, bottom + 5);
        p.drawText(QRect(x - 50, bottom + 5, 100, 20), Qt::AlignHCenter | Qt::AlignTop,
                   chartNumber(value, 1));
    }
    for (int j = 1; j <= yTicks; ++j) {
        const int y = bottom - ((plot.height() - 1) * j) / yTicks;
        const double value = r.yMin + j * spanY / yTicks;
        p.setPen(grid);
        p.drawLine(left, y, right, y);
        p.setPen(dark);
        p.drawLine(left - 5, y, left, y);
        p.drawText(QRect(left - 40, y - 10, 35, 20), Qt::AlignRight | Qt::AlignVCenter,
                   chartNumber(value, 2));
    }
    QPen frame = dark;
    frame.setWidth(2);
    p.setPen(frame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot.adjusted(0, 0, -1, -1));

    const double value = data.toleranceValue;
    if (std::isfinite(value) && r.yMin < value && value < r.yMin + spanY) {
        const int y = int(bottom - (bottom - top) * (value - r.yMin) / spanY);
        p.drawText(QPoint(left + 5, y - 5),
                   QStringLiteral("%1=%2").arg(data.name, chartNumber(value, 2)));
        p.setPen(QPen(QBrush(QColor(0, 255, 255)), 1, Qt::DashDotLine));
        p.drawLine(40, y, size.width() - 40, y);
    }
}

// A run of points in pixels, kept to at most four per pixel column: the
// first, the lowest, the highest and the last, in drawing order.  The line
// through them covers the same pixels as the line through all of them, so
// ten thousand Samples cost no more than the plot has columns.
void appendThinned(QVector<QPointF> &out, const QVector<QPointF> &run)
{
    int start = 0;
    while (start < run.size()) {
        const double column = std::floor(run[start].x());
        int end = start + 1, low = start, high = start;
        while (end < run.size() && std::floor(run[end].x()) == column) {
            if (run[end].y() > run[low].y())
                low = end;
            if (run[end].y() < run[high].y())
                high = end;
            ++end;
        }
        out.append(run[start]);
        int previous = start;
        for (int k : {qMin(low, high), qMax(low, high), end - 1}) {
            if (k > previous) {
                out.append(run[k]);
                previous = k;
            }
        }
        start = end;
    }
}

// A long polyline with a wide pen is stroked as one self-crossing outline,
// which costs far more than its parts: it is drawn in short pieces, whose
// round caps close the joints.
void drawPolylineInPieces(QPainter &p, const QVector<QPointF> &line)
{
    constexpr int piece = 16;
    for (int i = 0; i + 1 < line.size(); i += piece - 1)
        p.drawPolyline(line.constData() + i, qMin(piece, line.size() - i));
}

// The series' points, each as a wide pen would draw it.  On an unscaled
// painter one dot is drawn once and copied to every point.
void drawDots(QPainter &p, const QVector<QPointF> &points, const QPen &pen, const QRect &area)
{
    if (p.worldTransform().type() > QTransform::TxTranslate) {
        p.setPen(pen);
        p.drawPoints(points.constData(), points.size());
        return;
    }
    const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const int side = int(std::ceil(pen.widthF())) + 4;
    QImage dot(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
    dot.setDevicePixelRatio(ratio);
    dot.fill(Qt::transparent);
    {
        QPainter painter(&dot);
        painter.setPen(pen);
        painter.drawPoint(QPointF(side / 2, side / 2));
    }
    const QRectF visible = QRectF(area).adjusted(-side, -side, side, side);
    for (const QPointF &point : points)
        if (visible.contains(point))
            p.drawImage(QPointF(point.x() - side / 2, point.y() - side / 2), dot);
}

// Where a data point is drawn, or false when it is not (not finite, or
// beyond what a pixel position can hold).
bool mapToPlot(const QRect &plot, const PlotRange &r, const QPointF &point, QPointF *at)
{
    if (!allFinite(point.x(), point.y()))
        return false;
    const double scaleX = (plot.width() - 1) / r.spanX();
    const double scaleY = (plot.height() - 1) / r.spanY();
    const QPointF mapped(clampPixel(plot.left() + (point.x() - r.xMin) * scaleX),
                         clampPixel(plot.bottom() - (point.y() - r.yMin) * scaleY));
    if (!allFinite(mapped.x(), mapped.y()))
        return false;
    *at = mapped;
    return true;
}

QPen linePen(int id)
{
    return seriesPen(id, 2);
}

QPen dotPen(int id)
{
    return seriesPen(id + 2, 4);
}

// The series' lines and dots, without the emphasised point.
void drawSeriesLines(QPainter &p, const QRect &plot, const trendPlotData &data)
{
    const QRect inside = plot.adjusted(1, 1, -1, -1);
    p.save();
    p.setClipRect(inside);
    for (auto it = data.series.cbegin(); it != data.series.cend(); ++it) {
        const QVector<QPointF> &points = it.value();
        const int id = it.key();
        // Each run of finite points is one line; a point that is not finite
        // is left out and breaks the line.
        QVector<QPointF> mapped;
        mapped.reserve(points.size());
        QVector<QPointF> run, line;
        p.setPen(linePen(id));
        const auto flush = [&] {
            line.clear();
            appendThinned(line, run);
            drawPolylineInPieces(p, line);
            run.clear();
        };
        for (const QPointF &point : points) {
            QPointF at;
            if (!mapToPlot(plot, data.range, point, &at)) {
                flush();
                continue;
            }
            run.append(at);
            mapped.append(at);
        }
        flush();
        drawDots(p, mapped, dotPen(id), inside);
    }
    p.restore();
}

void drawMarkedPoint(QPainter &p, const QRect &plot, const trendPlotData &data)
{
    const int marked = data.markedPoint;
    p.save();
    p.setClipRect(plot.adjusted(1, 1, -1, -1));
    for (auto it = data.series.cbegin(); it != data.series.cend(); ++it) {
        QPointF at;
        if (marked >= 1 && marked <= it.value().size() &&
            mapToPlot(plot, data.range, it.value().at(marked - 1), &at)) {
            p.setPen(seriesPen(it.key() + 3, 6));
            p.drawPoint(QPoint(int(at.x()), int(at.y())));
        }
    }
    p.restore();
}

// The control limits as dashed lines named at their right end, and a ring
// around every point beyond them: a process leaving its control shows
// before its Samples fail.
void drawControlLimits(QPainter &p, const QRect &plot, const trendPlotData &data)
{
    const double lower = data.controlLower, upper = data.controlUpper;
    if (!std::isfinite(lower) || !std::isfinite(upper))
        return;
    p.save();
    p.setClipRect(plot.adjusted(1, 1, -1, -1));
    const QColor limitColour(160, 0, 0);
    const double ySpan = data.range.spanY();
    for (const auto &limit :
         {qMakePair(upper, QStringLiteral("UCL")), qMakePair(lower, QStringLiteral("LCL"))}) {
        const double y =
            plot.bottom() - (limit.first - data.range.yMin) / ySpan * (plot.height() - 1);
        if (!std::isfinite(y) || y < plot.top() || y > plot.bottom())
            continue;
        p.setPen(QPen(limitColour, 1, Qt::DashLine));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        const int width = p.fontMetrics().horizontalAdvance(limit.second);
        p.setPen(Qt::black);
        p.drawText(QPointF(plot.right() - width - 4, y - 3), limit.second);
    }
    p.setPen(QPen(limitColour, 2));
    p.setBrush(Qt::NoBrush);
    for (auto it = data.series.cbegin(); it != data.series.cend(); ++it) {
        for (const QPointF &point : it.value()) {
            QPointF at;
            if ((point.y() > upper || point.y() < lower) && mapToPlot(plot, data.range, point, &at))
                p.drawEllipse(at, 5, 5);
        }
    }
    p.restore();
}

} // namespace

// --- PlotRange ---------------------------------------------------------------

bool PlotRange::operator==(const PlotRange &other) const
{
    return xMax == other.xMax && xMin == other.xMin && xTicks == other.xTicks &&
           yMax == other.yMax && yMin == other.yMin && yTicks == other.yTicks;
}

double PlotRange::spanX() const
{
    return usableSpan(xMin, xMax);
}

double PlotRange::spanY() const
{
    return usableSpan(yMin, yMax);
}

void PlotRange::scrollBy(int dx, int dy)
{
    const double stepX = spanX() / usableTicks(xTicks);
    xMin += dx * stepX;
    xMax += dx * stepX;
    const double stepY = spanY() / usableTicks(yTicks);
    yMin += dy * stepY;
    yMax += dy * stepY;
}

void PlotRange::snapRange()
{
    adjustAxis(xMin, xMax, xTicks);
    adjustAxis(yMin, yMax, yTicks);
}

void adjustAxis(double &lo, double &hi, int &ticks)
{
    if (!std::isfinite(lo))
        lo = 0.0;
    // A range without width is rounded as one unit wide: no logarithm of 0.
    if (!std::isfinite(hi) || !(hi - lo > 0) || !std::isfinite(hi - lo))
        hi = lo + 1.0;
    const double gross = (hi - lo) * 0.25;
    double step = std::pow(10.0, std::floor(std::log10(gross)));
    if (gross > 5 * step)
        step *= 5;
    else if (gross > 2 * step)
        step *= 2;
    if (!std::isfinite(step) || !(step > 0)) {
        ticks = 4;
        return;
    }
    const double count = std::ceil(hi / step) - std::floor(lo / step);
    ticks = std::isfinite(count) && count > 4 ? int(qMin(count, double(kMostTicks))) : 4;
    lo = std::floor(lo / step) * step;
    hi = std::ceil(hi / step) * step;
}

QRect trendPlotRect(const QSize &size)
{
    return QRect(40, 10, size.width() - 60, size.height() - 40);
}

namespace {

void paintTrendPicture(QPainter &painter, const QRect &rect, const trendPlotData &data,
                       bool withOverlay)
{
    const QRect plot = trendPlotRect(rect.size());
    if (plot.width() <= 0 || plot.height() <= 0)
        return;
    painter.save();
    painter.translate(rect.topLeft());
    drawGrid(painter, rect.size(), plot, data);
    drawSeriesLines(painter, plot, data);
    // The widget draws these over its picture at every paint.
    if (withOverlay) {
        drawControlLimits(painter, plot, data);
        drawMarkedPoint(painter, plot, data);
    }
    painter.restore();
}

} // namespace

void paintTrendPlot(QPainter &painter, const QRect &rect, const trendPlotData &data)
{
    paintTrendPicture(painter, rect, data, true);
}

// --- Plotter -----------------------------------------------------------------

Plotter::Plotter(QWidget *parent) : QWidget(parent)
{
    setBackgroundRole(QPalette::Light);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);

    const chartPictures &pictures = chartPictures::shared();
    m_zoomInButton = new QToolButton(this);
    m_zoomInButton->setObjectName("zoomInButton");
    m_zoomInButton->setIcon(QIcon(QPixmap::fromImage(pictures.image(chartPictures::zoomInIcon))));
    m_zoomInButton->adjustSize();
    connect(m_zoomInButton, &QToolButton::clicked, this, &Plotter::zoomIn);

    m_zoomOutButton = new QToolButton(this);
    m_zoomOutButton->setObjectName("zoomOutButton");
    m_zoomOutButton->setIcon(QIcon(QPixmap::fromImage(pictures.image(chartPictures::zoomOutIcon))));
    m_zoomOutButton->adjustSize();
    connect(m_zoomOutButton, &QToolButton::clicked, this, &Plotter::zoomOut);

    setPlotRange(PlotRange());
}

void Plotter::setPlotRange(const PlotRange &range)
{
    // A press sets the range it already shows: the picture stays.
    if (m_rangeHistory.size() == 1 && m_rangeHistory.first() == range)
        return;
    m_rangeHistory.clear();
    m_rangeHistory.append(range);
    m_currentRange = 0;
    m_wheelPending = QPoint();
    m_zoomInButton->hide();
    m_zoomOutButton->hide();
    refreshPixmap();
}

void Plotter::setSeries(int id, const QVector<QPointF> &points, const QString &name,
                        int markedPoint)
{
    // The emphasised point is drawn over the picture at every paint.
    m_data.markedPoint = markedPoint;
    const bool sameName = name == m_data.name;
    m_data.name = name;
    const auto shown = m_data.series.constFind(id);
    if (m_pixmapStale || !sameName || m_data.series.size() != 1 || shown == m_data.series.cend()) {
        m_data.series[id] = points;
        refreshPixmap();
        return;
    }
    const QVector<QPointF> &before = shown.value();
    const int old = before.size();
    // A Sample measured under the shown Type adds a point at the end of the
    // series: only the new points are drawn into the picture, so a Sample
    // costs the same however many came before.  Anything else is drawn anew.
    const auto samePoint = [](const QPointF &a, const QPointF &b) {
        return (a.x() == b.x() || (std::isnan(a.x()) && std::isnan(b.x()))) &&
               (a.y() == b.y() || (std::isnan(a.y()) && std::isnan(b.y())));
    };
    const bool grown = points.size() >= old && points.size() - old <= kMostAppended &&
                       std::equal(before.cbegin(), before.cend(), points.cbegin(), samePoint);
    bool rightward = grown;
    for (int k = old; rightward && k < points.size(); ++k)
        rightward = k == 0 || !(points[k].x() <= points[k - 1].x());
    if (!rightward) {
        m_data.series[id] = points;
        refreshPixmap();
        return;
    }
    if (points.size() > old) {
        if (m_appendedFrom < 0)
            m_appendedFrom = old;
        m_data.series[id] = points;
        m_appendedSeries = id;
        if (points.size() - m_appendedFrom > kMostAppended) {
            refreshPixmap();
            return;
        }
    }
    update();
}

void Plotter::setControlLimits(double lower, double upper)
{
    const auto same = [](double a, double b) { return a == b || (a != a && b != b); };
    if (same(lower, m_data.controlLower) && same(upper, m_data.controlUpper))
        return;
    m_data.controlLower = lower;
    m_data.controlUpper = upper;
    update();
}

void Plotter::removeSeries(int id)
{
    m_data.series.remove(id);
    refreshPixmap();
}

void Plotter::setToleranceLine(float value, const QString &name)
{
    m_data.toleranceValue = value;
    m_data.name = name;
    refreshPixmap();
}

QSize Plotter::sizeHint() const
{
    return QSize(480, 320);
}

QSize Plotter::minimumSizeHint() const
{
    return QSize(240, 160);
}

void Plotter::zoomIn()
{
    if (m_currentRange < m_rangeHistory.size() - 1)
        ++m_currentRange;
    m_zoomInButton->setEnabled(m_currentRange < m_rangeHistory.size() - 1);
    m_zoomOutButton->setEnabled(true);
    m_zoomOutButton->show();
    refreshPixmap();
}

void Plotter::zoomOut()
{
    if (m_currentRange > 0)
        --m_currentRange;
    m_zoomOutButton->setEnabled(m_currentRange > 0);
    m_zoomInButton->setEnabled(true);
    m_zoomInButton->show();
    refreshPixmap();
}

void Plotter::refreshPixmap()
{
    m_data.range = m_rangeHistory.at(m_currentRange);
    m_pixmapStale = true;
    m_appendedFrom = -1;
    update();
}

void Plotter::drawAppendedPoints()
{
    const int from = m_appendedFrom;
    m_appendedFrom = -1;
    const QVector<QPointF> points = m_data.series.value(m_appendedSeries);
    if (from < 0 || from >= points.size())
        return;
    ++m_appends;
    const int id = m_appendedSeries;
    const PlotRange &r = m_data.range;
    const QRect plot = trendPlotRect(size());
    if (plot.width() <= 0 || plot.height() <= 0)
        return;
    const QRect inside = plot.adjusted(1, 1, -1, -1);
    QPainter painter(&m_pixmap);
    painter.setClipRect(inside);
    painter.setPen(linePen(id));

    // The new lines, from the last point drawn before them.
    double left = std::numeric_limits<double>::infinity();
    QPointF previous;
    bool hasPrevious = from > 0 && mapToPlot(plot, r, points[from - 1], &previous);
    for (int k = from; k < points.size(); ++k) {
        QPointF at;
        const bool drawn = mapToPlot(plot, r, points[k], &at);
        if (drawn && hasPrevious)
            painter.drawLine(previous, at);
        if (drawn)
            left = qMin(left, hasPrevious ? previous.x() : at.x());
        previous = at;
        hasPrevious = drawn;
    }
    // The dots lie over every line: those the new lines may touch are drawn
    // again, in their order, as a whole drawing leaves them.
    const QPen dots = dotPen(id);
    const double reach = std::ceil(dots.widthF()) + 4;
    int first = from;
    while (first > 0) {
        QPointF at;
        if (mapToPlot(plot, r, points[first - 1], &at) && at.x() < left - reach)
            break;
        --first;
    }
    QVector<QPointF> again;
    for (int k = first; k < points.size(); ++k) {
        QPointF at;
        if (mapToPlot(plot, r, points[k], &at))
            again.append(at);
    }
    drawDots(painter, again, dots, inside);
}

void Plotter::rebuildPixmap()
{
    m_pixmapStale = false;
    m_appendedFrom = -1;
    ++m_rebuilds;
    // Drawn at the screen's density, so lines and labels stay sharp.
    const qreal ratio = devicePixelRatioF();
    if (m_pixmap.size() != size() * ratio) {
        m_pixmap = QPixmap(size() * ratio);
        m_pixmap.setDevicePixelRatio(ratio);
    }
    m_pixmap.fill(palette().color(QPalette::Window));
    QPainter painter(&m_pixmap);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    // The emphasised point is drawn over the picture at each paint.
    paintTrendPicture(painter, rect(), m_data, false);
}

void Plotter::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    if (m_pixmapStale || m_pixmap.size() != size() * devicePixelRatioF())
        rebuildPixmap();
    else if (m_appendedFrom >= 0)
        drawAppendedPoints();
    QStylePainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
    const QRect plot = trendPlotRect(size());
    if (plot.width() > 0 && plot.height() > 0) {
        drawControlLimits(painter, plot, m_data);
        drawMarkedPoint(painter, plot, m_data);
    }
    if (m_rubberBandIsShown) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_rubberBandRect.normalized().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(QPalette::Light);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

void Plotter::resizeEvent(QResizeEvent *event)
{
    Q_UNUSED(event)
    const int x = width() - (m_zoomInButton->width() + m_zoomOutButton->width() + 30);
    m_zoomInButton->move(x, 15);
    m_zoomOutButton->move(x + m_zoomInButton->width() + 5, 15);
    // The picture of another size is drawn again at the next paint.
    update();
}

void Plotter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && trendPlotRect(size()).contains(event->pos())) {
        m_rubberBandIsShown = true;
        m_rubberBandRect.setTopLeft(event->pos());
        m_rubberBandRect.setBottomRight(event->pos());
        updateRubberBandRegion();
        setCursor(Qt::CrossCursor);
    }
}

void Plotter::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_rubberBandIsShown)
        return;
    updateRubberBandRegion();
    m_rubberBandRect.setBottomRight(event->pos());
    updateRubberBandRegion();
}

void Plotter::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_rubberBandIsShown)
        return;
    m_rubberBandIsShown = false;
    updateRubberBandRegion();
    unsetCursor();

    QRect band = m_rubberBandRect.normalized();
    if (band.width() < 4 || band.height() < 4)
        return;
    const QRect plot = trendPlotRect(size());
    band.translate(-plot.left(), -plot.top());

    const PlotRange &current = m_rangeHistory.at(m_currentRange);
    const double dx = current.spanX() / (plot.width() - 1);
    const double dy = current.spanY() / (plot.height() - 1);
    PlotRange zoomed;
    zoomed.xMin = current.xMin + dx * band.left();
    zoomed.xMax = current.xMin + dx * band.right();
    zoomed.yMin = current.yMax - dy * band.bottom();
    zoomed.yMax = current.yMax - dy * band.top();
    zoomed.snapRange();

    m_rangeHistory.resize(m_currentRange + 1);
    m_rangeHistory.append(zoomed);
    zoomIn();
}

void Plotter::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
        zoomIn();
        break;
    case Qt::Key_Minus:
        zoomOut();
        break;
    case Qt::Key_Left:
        scrollCurrent(-1, 0);
        break;
    case Qt::Key_Right:
        scrollCurrent(+1, 0);
        break;
    case Qt::Key_Down:
        scrollCurrent(0, -1);
        break;
    case Qt::Key_Up:
        scrollCurrent(0, +1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Plotter::wheelEvent(QWheelEvent *event)
{
    // A touchpad sends many small deltas: they add up to whole steps of 120
    // (one notch of a wheel), and the rest waits for the next event.
    const QPoint delta = event->angleDelta();
    const bool horizontal = qAbs(delta.x()) > qAbs(delta.y());
    int &pending = horizontal ? m_wheelPending.rx() : m_wheelPending.ry();
    pending += horizontal ? delta.x() : delta.y();
    const int steps = pending / 120;
    pending -= steps * 120;
    event->accept();
    if (steps == 0)
        return;
    if (horizontal)
        scrollCurrent(steps, 0);
    else
        scrollCurrent(0, steps);
}

void Plotter::scrollCurrent(int dx, int dy)
{
    m_rangeHistory[m_currentRange].scrollBy(dx, dy);
    refreshPixmap();
}

void Plotter::updateRubberBandRegion()
{
    const QRect rect = m_rubberBandRect.normalized();
    update(rect.left(), rect.top(), rect.width(), 1);
    update(rect.left(), rect.top(), 1, rect.height());
    update(rect.left(), rect.bottom(), rect.width(), 1);
    update(rect.right(), rect.top(), 1, rect.height());
}
