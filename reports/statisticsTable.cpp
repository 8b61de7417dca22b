#include "statisticsTable.h"

#include "colorVocabulary.h"
#include "itemColumns.h"
#include "shownNumber.h"
#include "trendFeed.h"

#include <QCoreApplication>
#include <QTreeWidgetItem>

#include <cmath>

namespace {

// The texts of the table, in the translation context "statisticsTable".
class statisticsTexts
{
    Q_DECLARE_TR_FUNCTIONS(statisticsTable)
};

QStringList rowOf(const QString &label, const DeviationFigures &f, double cpk,
                  const ControlLimits &control)
{
    return {label,
            QString::number(f.n),
            shownNumber(f.mean),
            shownNumber(f.standardDeviation),
            shownNumber(f.minimum),
            shownNumber(f.maximum),
            shownNumber(cpk),
            shownNumber(control.lower),
            shownNumber(control.upper)};
}

} // namespace

statisticsTable statisticsTableFor(const QString &typeName, const ProcessStatistics &statistics,
                                   const QVector<SampleDeviation> &samples,
                                   const QString &colorSpace, const QString &formula)
{
    statisticsTable table;
    table.typeName = typeName;
    table.header = QStringList{QString(),
                               statisticsTexts::tr("n"),
                               statisticsTexts::tr("Mean"),
                               statisticsTexts::tr("Std. dev."),
                               statisticsTexts::tr("Min"),
                               statisticsTexts::tr("Max"),
                               statisticsTexts::tr("Cpk"),
                               statisticsTexts::tr("LCL"),
                               statisticsTexts::tr("UCL")};
    const ProcessStatistics &p = statistics;
    QStringList labels = toleranceRowLabels(colorSpace);
    if (labels.size() != 3)
        labels = QStringList{QStringLiteral("ΔL"), QStringLiteral("Δa"), QStringLiteral("Δb")};
    table.rows << rowOf(formula.isEmpty() ? QStringLiteral("ΔE") : formula, p.dE, p.cpkE,
                        p.controlE)
               << rowOf(labels[0], p.d1, p.cpk1, p.control1)
               << rowOf(labels[1], p.d2, p.cpk2, p.control2)
               << rowOf(labels[2], p.d3, p.cpk3, p.control3);
    const ControlLimits none;
    if (p.dC.n > 0)
        table.rows << rowOf(QStringLiteral("ΔC"), p.dC, qQNaN(), none);
    if (p.dH.n > 0)
        table.rows << rowOf(QStringLiteral("ΔH"), p.dH, qQNaN(), none);

    if (p.samples > 0)
        table.notes << statisticsTexts::tr("Pass rate: %1 % (%2 of %3 Samples pass)")
                           .arg(QString::number(100 * p.passRate, 'f', 1))
                           .arg(p.passes)
                           .arg(p.samples);
    else
        table.notes << statisticsTexts::tr("No Samples");
    int beyond = 0;
    for (const SampleDeviation &s : samples)
        beyond += p.controlE.beyond(s.dE) ? 1 : 0;
    if (p.controlE.isValid())
        table.notes
            << statisticsTexts::tr("Samples beyond the control limits of ΔE: %1").arg(beyond);
    if (p.ellipse.valid) {
        int outside = 0;
        for (const SampleDeviation &s : samples)
            outside += std::isfinite(s.d2) && std::isfinite(s.d3) && !p.ellipse.contains(s.d2, s.d3)
                           ? 1
                           : 0;
        table.notes
            << statisticsTexts::tr("Samples outside the 95 % control ellipse: %1").arg(outside);
    } else {
        table.notes << statisticsTexts::tr("The control ellipse needs %1 Samples.")
                           .arg(ControlEllipse::minimumSamples);
    }
    return table;
}

statisticsTable statisticsTableOfType(QTreeWidgetItem *type, const Tolerance &tolerance)
{
    const trendFeed feed = trendFeedFor(type);
    return statisticsTableFor(type->text(nameColumn), processStatistics(feed.deviations, tolerance),
                              feed.deviations, type->text(colorSpaceColumn),
                              type->text(formulaColumn));
}
