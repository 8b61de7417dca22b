#ifndef QCM_PAINTERLABRK_H
#define QCM_PAINTERLABRK_H

#include "chartPictures.h"
#include "colorConversions.h"
#include "colorVocabulary.h"

#include <QString>
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
void paintColourCoordinates(QPainter &painter, const QRect &rect, const colourCoordinates &data,
                            const chartPictures &pictures = chartPictures::shared());

// The colour-coordinate chart: the pressed Type or Sample in the diagram of
// its colour space.  It paints from the stored numbers alone.
class painterLabRk : public QWidget
{
    Q_OBJECT
public:
    explicit painterLabRk(QWidget *parent = nullptr);

    const colourCoordinates &shown() const { return m_data; }

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
