#include "trendFeed.h"

#include "colorDifference.h"
#include "itemColumns.h"

#include <QTreeWidgetItem>

#include <cmath>

namespace {

ColorTriple valuesOf(const QTreeWidgetItem *item)
{
    return {item->text(value1Column).toFloat(), item->text(value2Column).toFloat(),
            item->text(value3Column).toFloat()};
}

} // namespace

trendFeed trendFeedFor(QTreeWidgetItem *pressed)
{
    trendFeed feed;
    if (!pressed)
        return feed;
    QTreeWidgetItem *parent = pressed->parent();
    const bool isSample = parent && parent->parent();
    QTreeWidgetItem *type = isSample ? parent : pressed;

    const ColorTriple t = valuesOf(type);
    const int count = type->childCount();
    feed.points.reserve(count);
    feed.deviations.reserve(count);
    for (int k = 0; k < count; ++k) {
        const QTreeWidgetItem *sample = type->child(k);
        const ColorTriple s = valuesOf(sample);
        const float dE =
            colorDifference(t, s, sample->text(colorSpaceColumn), sample->text(formulaColumn));
        feed.points.append(QPointF(k + 1, double(dE)));
        SampleDeviation d;
        d.dE = dE;
        d.d1 = double(s[0] - t[0]);
        d.d2 = double(s[1] - t[1]);
        d.d3 = double(s[2] - t[2]);
        feed.deviations.append(d);
    }
    feed.formula = type->text(formulaColumn);
    if (isSample)
        feed.markedPoint = type->indexOfChild(pressed) + 1;
    else
        feed.markedPoint = count >= 2 ? 1 : 0;
    return feed;
}

void fitTrendRange(PlotRange &range, const QVector<QPointF> &points, float toleranceE)
{
    double peak = 0.0;
    bool any = false;
    const auto consider = [&](double value) {
        if (!std::isfinite(value))
            return;
        peak = any ? std::max(peak, value) : value;
        any = true;
    };
    consider(1.2 * double(toleranceE));
    for (const QPointF &point : points)
        consider(point.y());

    const int last = points.isEmpty() ? 0 : points.size() - 1;
    for (int d = 10; d < 10000000; d *= 2) {
        if (d <= last && last < 2 * d) {
            range.xMax = 2 * d;
            range.xTicks = 10;
        }
    }
    if (any)
        range.yMax = 1.2 * peak;
}

PlotRange startingTrendRange(float toleranceE)
{
    PlotRange range;
    if (std::isfinite(toleranceE))
        range.yMax = 1.2 * double(toleranceE);
    return range;
}
