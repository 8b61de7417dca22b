#ifndef QCM_PAINTERLABRK_H
#define QCM_PAINTERLABRK_H

#include "chartPictures.h"
#include "colorConversions.h"
#include "colorVocabulary.h"

#include <QRectF>
#include <QString>
#include <QVector>
#include <QWidget>

class QTreeWidgetItem;

// What the colour-coordinate chart shows: the colour-space name of the shown
// item and the three values (columns 2 to 4) of the Type and of the Sample.
struct colourCoordinates
{
    QString colorSpace = labSpaceName();
    ColorTriple type{0.0f, 0.0f, 0.0f};
    ColorTriple sample{0.0f, 0.0f, 0.0f};
    bool sampleShown = false;
};

// The chart the name selects ("CIE1976L*a*b*", "HunterLab", ... give the
// a*b* plane; an unknown name none).
enum class colourChartKind
{
    abPlane,
    lchPlane,
    uvDiagram,
    xyDiagram,
    rgbBars,
    none
};
colourChartKind colourChartKindOf(const QString &colorSpace);

// Draws the colour-coordinate chart of `data` into `rect` with the painter's
// font: the diagram of the colour space, then the grey title strip.  A
// missing picture or a rectangle too small for the diagram leaves the title
// strip only.
//
// With `fitTexts` (the window's chart) the texts of a chart smaller than the
// diagrams were drawn for shrink with it, to 70 % at the least, and a text
// that would run past the frame moves inside; `placedTexts` receives the ink
// rectangle of every text as drawn, in the chart's coordinates.
void paintColourCoordinates(QPainter &painter, const QRect &rect, const colourCoordinates &data,
                            const chartPictures &pictures = chartPictures::shared(),
                            bool fitTexts = false, QVector<QRectF> *placedTexts = nullptr);
// The share of its size the texts of a fitted chart of `size` take.
double colourChartTextScale(const QSize &size, const QFont &font);
// The narrowest chart whose texts, at their smallest, still fit beside each
// other.
int colourChartMinimumWidth(const QFont &font);

// The colour-coordinate chart: the pressed Type or Sample in the diagram of
// its colour space.  It paints from the stored numbers alone.
class painterLabRk : public QWidget
{
    Q_OBJECT
public:
    explicit painterLabRk(QWidget *parent = nullptr);

    const colourCoordinates &shown() const { return m_data; }
    QSize minimumSizeHint() const override;

public slots:
    // Back to an empty L*a*b* chart (a new measurement).
    void resetChart();
    void setChartSpace(const QString &name);
    // A Sample shows itself against its Type; a Type shows itself.
    void setChartItem(QTreeWidgetItem *item);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    colourCoordinates m_data;
};

#endif
