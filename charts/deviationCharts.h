#ifndef QCM_DEVIATIONCHARTS_H
#define QCM_DEVIATIONCHARTS_H

#include "processStatistics.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>
#include <QWidget>

// The two deviation charts: how far the shown Sample lies from its Type,
// relative to the tolerances.  The drawing routines below serve the screen
// and the printed page alike; only the style differs.

// Pens, fills and sizes of one rendering.  All sizes are in device pixels.
struct deviationChartStyle
{
    QColor bandFill;             // the outer band or square
    QColor outline;              // outlines of both bands or squares
    qreal outlineWidth;          // their width
    qreal axisWidth;             // the half axes and the lightness centre line
    int axisInset;               // the half axes end this far inside the outer band
    Qt::PenCapStyle capStyle;    // ends of the axes and the marker strokes
    QColor guide;                // the dotted tolerance guides
    qreal guideWidth;            // their width
    qreal markerWidth;           // the cyan marker
    int markerArm;               // half the length of the marker's strokes
    double textUnit;             // device pixels per screen pixel of the text offsets
    bool capitalUndersaturation; // "Undersaturation" instead of "undersaturation"
    // Texts laid out by the font's own measures, clear of the shapes and of
    // each other and inside the chart's rectangle (the font shrinks where
    // the room beside a shape is too narrow), instead of at the fixed
    // offsets of the screen drawing, which suit only a small screen font.
    bool textsClearOfShapes = false;

    // The widgets' look, one screen pixel per pixel.
    static deviationChartStyle screen();
    // The printed report's look on a high-resolution page: grey bands with
    // 5-pixel black outlines, 30-pixel axes ending 15 pixels inside, 5-pixel
    // dotted guides, a 30-pixel marker with 50-pixel arms.  `textUnit` scales
    // the small text offsets (the page's resolution over 96 is a good value).
    static deviationChartStyle print(double textUnit);
};

// The lightness chart's numbers: the first coordinate's deviation and its
// tolerances (magnitudes), with the colour space that names the axis.
struct lightnessDeviation
{
    QString colorSpace;
    float plusTolerance = 2.0f;
    float minusTolerance = 2.0f;
    float value = 0.0f;
};

// The chromatic chart's numbers: the second coordinate's deviation upward,
// the third's to the right, and their tolerances.
struct chromaticDeviation
{
    QString colorSpace;
    float verticalPlus = 2.0f;
    float verticalMinus = 2.0f;
    float horizontalPlus = 2.0f;
    float horizontalMinus = 2.0f;
    float vertical = 0.0f;
    float horizontal = 0.0f;
    // The deviations (vertical, horizontal) of every Sample of the shown
    // Type and their control ellipse over the same pairs.  With a valid
    // ellipse the chart draws it and the Samples, those outside it
    // emphasised: a drift in hue shows before the colour difference fails.
    QVector<QPointF> samples;
    ControlEllipse ellipse;
};

// Where a deviation's marker sits: the offset from the centre in pixels for
// a band `span` pixels long (the tolerance lands at span/2, twice the
// tolerance at span).  False when no marker is drawn: a deviation that is not
// finite, that reaches twice its tolerance, or that has no positive tolerance
// to be measured against (a deviation of 0 always sits at the centre).
bool deviationOffset(float value, float plusTolerance, float minusTolerance, int span, int *offset);

// Draws the lightness chart into `rect` (its centre is the chart's centre):
// the outer band and the tolerance band, the half axes, the axis and
// tolerance texts in the painter's font, the guides and the marker.
void paintLightnessDeviation(QPainter &painter, const QRect &rect, const lightnessDeviation &data,
                             const deviationChartStyle &style);
// Draws the chromatic chart into `rect` the same way: a square in a square.
void paintChromaticDeviation(QPainter &painter, const QRect &rect, const chromaticDeviation &data,
                             const deviationChartStyle &style);

// A text of a chart and where it goes: its baseline start and the painter
// font's pixel size it is drawn in.
struct placedChartText
{
    QString text;
    QPoint baseline;
    int pixelSize = 0;
    // The box it covers, from the font's measures.
    QRect box;
};

// Where the texts of a chart drawn into `rect` go in the given font (in the
// rectangle's own coordinates), as the routines below draw them.
QVector<placedChartText> lightnessTextPlacement(const QRect &rect, const lightnessDeviation &data,
                                                const deviationChartStyle &style,
                                                const QFont &font);
QVector<placedChartText> chromaticTextPlacement(const QRect &rect, const chromaticDeviation &data,
                                                const deviationChartStyle &style,
                                                const QFont &font);

// Only the axis and tolerance texts of each chart, as the routines above
// draw them.
void drawLightnessTexts(QPainter &painter, const QRect &rect, const lightnessDeviation &data,
                        const deviationChartStyle &style);
void drawChromaticTexts(QPainter &painter, const QRect &rect, const chromaticDeviation &data,
                        const deviationChartStyle &style);

// The lightness deviation chart: a vertical band.
class painterDeltaLLabRk : public QWidget
{
    Q_OBJECT
public:
    explicit painterDeltaLLabRk(QWidget *parent = nullptr);

    const lightnessDeviation &shown() const { return m_data; }

public slots:
    void updateDeltaLab(const QString &colorSpace, const QString &plusTolerance,
                        const QString &minusTolerance);
    void setDeltaTolerance(float plusTolerance, float minusTolerance);
    void setDeltaValue(float value);
    void drawab(QPainter *painter);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    lightnessDeviation m_data;
};

// The chromatic deviation chart: a square.
class painterDeltaabLabRk : public QWidget
{
    Q_OBJECT
public:
    explicit painterDeltaabLabRk(QWidget *parent = nullptr);

    const chromaticDeviation &shown() const { return m_data; }

public slots:
    // The colour space and the six bounds; the lightness bounds are not used.
    void updateDeltaLab(const QString &colorSpace, const QString &lightnessPlus,
                        const QString &lightnessMinus, const QString &verticalPlus,
                        const QString &verticalMinus, const QString &horizontalPlus,
                        const QString &horizontalMinus);
    void setDeltaTolerance(float verticalPlus, float verticalMinus, float horizontalPlus,
                           float horizontalMinus);
    void setDeltaValue(float vertical, float horizontal);
    // The Samples of the shown Type and their control ellipse (none: an
    // empty list and an invalid ellipse).
    void setSampleCloud(const QVector<QPointF> &samples, const ControlEllipse &ellipse);
    void drawab(QPainter *painter);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    chromaticDeviation m_data;
};

#endif
