#ifndef QCM_TRENDFEED_H
#define QCM_TRENDFEED_H

#include "Plotter.h"
#include "processStatistics.h"

#include <QPointF>
#include <QString>
#include <QVector>

class QTreeWidgetItem;

// What the trend plot shows for a pressed Type or Sample: the colour
// difference of every Sample of the Type against the Type, in tree order.
struct trendFeed
{
    // (k, ΔE of Sample k) for k = 1 ... n; ΔE under each Sample's own colour
    // space and formula (NaN where the formula has no answer).
    QVector<QPointF> points;
    // The pressed Sample's 1-based position; for a pressed Type the first
    // Sample when it has two or more, else none (0).
    int markedPoint = 0;
    // The Type's colour-difference formula, the series' name.
    QString formula;
    // Every Sample's differences against the Type, in the same order, for
    // the process statistics (ΔE as in `points`; the coordinates Sample
    // minus Type as shown).
    QVector<SampleDeviation> deviations;
};

// The feed of the Type that `pressed` is or belongs to (a Type is a child of
// the measurement root, a Sample a child of a Type).
trendFeed trendFeedFor(QTreeWidgetItem *pressed);

// The range after a press, kept between presses: with more than ten Samples
// the x axis ends at the doubling of 20 that holds them (20, 40, 80, ...);
// with ten or fewer it keeps the end an earlier press gave it.  The y axis
// reaches 1.2 times the largest of the finite ΔE values and 1.2 times the ΔE
// tolerance.  Values that are not finite leave the axes alone.
void fitTrendRange(PlotRange &range, const QVector<QPointF> &points, float toleranceE);

// The range the plot starts with: the defaults, the y axis up to 1.2 times
// the ΔE tolerance.
PlotRange startingTrendRange(float toleranceE);

#endif
