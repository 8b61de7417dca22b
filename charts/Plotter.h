#ifndef QCM_PLOTTER_H
#define QCM_PLOTTER_H

#include <QMap>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QVector>
#include <QWidget>
#include <limits>

class QToolButton;

// What the trend plot shows of its data: the ends of both axes and how many
// grid intervals each has.
struct PlotRange
{
    double xMax = 10.0;
    double xMin = 0.0;
    int xTicks = 10;
    double yMax = 5.0;
    double yMin = 0.0;
    int yTicks = 4;

    // Moves the range by whole grid intervals.
    void scrollBy(int dx, int dy);
    // Rounds both axes to tidy steps (1, 2 or 5 times a power of ten).
    void snapRange();

    // The widths drawn: the span, or 1 when the range is empty, reversed or
    // not finite, so that nothing is ever divided by zero.
    double spanX() const;
    double spanY() const;

    bool operator==(const PlotRange &other) const;
    bool operator!=(const PlotRange &other) const { return !(*this == other); }
};

// The rounding of one axis: `lo` and `hi` widened to multiples of a tidy
// step near a quarter of the span, `ticks` the number of steps between them
// (at least 4).  An empty or reversed axis is taken as one unit wide.
void adjustAxis(double &lo, double &hi, int &ticks);

// Everything the trend plot draws.
struct trendPlotData
{
    PlotRange range;
    // Series by id, drawn in ascending id; x and y in data units.
    QMap<int, QVector<QPointF>> series;
    float toleranceValue = 0.0f;
    // Labels the tolerance line ("name=value").
    QString name;
    // 1-based index of the emphasised point of each series, 0 for none.
    int markedPoint = 0;
    // Limits of the individuals chart, drawn as lines with the points
    // beyond them emphasised; NaN for none.
    double controlLower = std::numeric_limits<double>::quiet_NaN();
    double controlUpper = std::numeric_limits<double>::quiet_NaN();
};

// The plot rectangle inside a plot of `size`: 40 pixels left, 10 top, 20
// right and 30 below stay free for the labels.
QRect trendPlotRect(const QSize &size);

// Draws the grid, the labels, the frame, the tolerance line and the series of
// `data` into `rect` with the painter's font; the background is the caller's.
// A point that is not finite is not drawn, and the line breaks there.
void paintTrendPlot(QPainter &painter, const QRect &rect, const trendPlotData &data);

// The colour-difference trend plot: the ΔE of every Sample of a Type in
// measuring order, with zooming into a dragged rectangle, a zoom history
// (buttons, "+" and "-"), scrolling by arrow keys and wheel, and the
// tolerance line.  The plot is drawn into an off-screen picture when its
// data, range or size change (once, at the next paint, however many changes
// came before); points added at the end of the only series are drawn into
// the picture as they come; ordinary repaints copy the picture and draw the
// emphasised point over it.
class Plotter : public QWidget
{
    Q_OBJECT
public:
    explicit Plotter(QWidget *parent = nullptr);

    // Shows `range` as the only entry of the zoom history, used as given.
    void setPlotRange(const PlotRange &range);
    void setSeries(int id, const QVector<QPointF> &points, const QString &name, int markedPoint);
    void removeSeries(int id);
    void setToleranceLine(float value, const QString &name);
    // The control limits of the shown series (NaN, NaN: none).  They are
    // drawn over the picture, so a Sample added at the end still costs only
    // its own point.
    void setControlLimits(double lower, double upper);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The state as it is shown, for the window and for tests.
    const trendPlotData &plotted() const { return m_data; }
    const QVector<PlotRange> &rangeHistory() const { return m_rangeHistory; }
    int currentRange() const { return m_currentRange; }
    QToolButton *zoomInButton() const { return m_zoomInButton; }
    QToolButton *zoomOutButton() const { return m_zoomOutButton; }
    bool isDraggingBand() const { return m_rubberBandIsShown; }
    // How many times the off-screen picture has been drawn, and how many
    // times new points were only added to it.
    int pictureRebuilds() const { return m_rebuilds; }
    int pictureAppends() const { return m_appends; }

public slots:
    void zoomIn();
    void zoomOut();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // The picture is out of date: it is drawn again at the next paint.
    void refreshPixmap();
    void rebuildPixmap();
    void drawAppendedPoints();
    void updateRubberBandRegion();
    void scrollCurrent(int dx, int dy);

    QToolButton *m_zoomInButton = nullptr;
    QToolButton *m_zoomOutButton = nullptr;
    trendPlotData m_data;
    QVector<PlotRange> m_rangeHistory;
    int m_currentRange = 0;
    QRect m_rubberBandRect;
    bool m_rubberBandIsShown = false;
    QPixmap m_pixmap;
    bool m_pixmapStale = true;
    int m_rebuilds = 0;
    int m_appends = 0;
    // Points from this index of series m_appendedSeries are not yet in the
    // picture (-1: none).
    int m_appendedFrom = -1;
    int m_appendedSeries = 0;
    // Wheel turns not yet worth a whole step, across and along.
    QPoint m_wheelPending;
};

#endif
