#include "chartSet.h"

#include "deviationCharts.h"
#include "fakeColorRk.h"
#include "infoPanelRk.h"
#include "measuringDocument.h"
#include "painterLabRk.h"
#include "sharedState.h"
#include "trendFeed.h"

#include <QTreeWidgetItem>

chartSet::chartSet(sharedState *state, QWidget *window)
    : QObject(window), m_state(state), m_swatch(new fakeColorRk(window)),
      m_colourChart(new painterLabRk(window)), m_lightnessChart(new painterDeltaLLabRk(window)),
      m_chromaticChart(new painterDeltaabLabRk(window)), m_trendPlot(new Plotter(window))
{
    m_swatch->setObjectName("swatch");
    m_colourChart->setObjectName("colourChart");
    m_lightnessChart->setObjectName("lightnessChart");
    m_chromaticChart->setObjectName("chromaticChart");
    m_trendPlot->setObjectName("trendPlot");
    connect(m_state, &sharedState::conditionsChanged, this, &chartSet::conditionsChanged);
}

void chartSet::follow(infoPanelRk *panel, measuringDocument *document)
{
    connect(panel, &infoPanelRk::swatchItem, m_swatch, &fakeColorRk::setSwatchItem);
    connect(panel, &infoPanelRk::chartItem, m_colourChart, &painterLabRk::setChartItem);
    connect(panel, &infoPanelRk::deviationValues, this, [this](float d1, float d2, float d3) {
        m_lightnessChart->setDeltaValue(d1);
        m_chromaticChart->setDeltaValue(d2, d3);
    });
    connect(document, &measuringDocument::measurementCleared, this, &chartSet::resetCharts);
}

void chartSet::applySettings()
{
    const Tolerance &t = m_state->tolerance();
    m_lightnessChart->setDeltaTolerance(t.pDelatL.toFloat(), t.nDelatL.toFloat());
    m_chromaticChart->setDeltaTolerance(t.pDelata.toFloat(), t.nDelata.toFloat(),
                                        t.pDelatb.toFloat(), t.nDelatb.toFloat());
    m_trendRange = startingTrendRange(t.delatE.toFloat());
    m_trendPlot->setPlotRange(m_trendRange);
    m_colorSpace = m_state->conditions().colorSpace;
    m_formula = m_state->conditions().colorDiffFormula;
    m_colourChart->setChartSpace(m_colorSpace);
}

void chartSet::updateTrendPlot(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const trendFeed feed = trendFeedFor(item);
    fitTrendRange(m_trendRange, feed.points, m_state->tolerance().delatE.toFloat());
    m_trendPlot->setPlotRange(m_trendRange);
    const ProcessStatistics statistics = processStatistics(feed.deviations, m_state->tolerance());
    m_trendPlot->setControlLimits(statistics.controlE.lower, statistics.controlE.upper);
    QVector<QPointF> chromatic;
    chromatic.reserve(feed.deviations.size());
    for (const SampleDeviation &d : feed.deviations)
        chromatic.append(QPointF(d.d2, d.d3));
    m_chromaticChart->setSampleCloud(chromatic, statistics.ellipse);
    m_trendPlot->setSeries(1, feed.points, feed.formula, feed.markedPoint);
}

void chartSet::resetCharts()
{
    m_trendPlot->removeSeries(1);
    m_trendPlot->setControlLimits(std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::quiet_NaN());
    m_chromaticChart->setSampleCloud({}, ControlEllipse());
    m_swatch->resetSwatch();
    m_colourChart->resetChart();
    m_colourChart->setChartSpace(m_state->conditions().colorSpace);
}

void chartSet::conditionsChanged(const MeasuringConditions &conditions)
{
    // The instrument's own conditions change too when it reports; only a new
    // colour space or formula concerns the charts.
    const bool newSpace = conditions.colorSpace != m_colorSpace;
    const bool newFormula = conditions.colorDiffFormula != m_formula;
    m_colorSpace = conditions.colorSpace;
    m_formula = conditions.colorDiffFormula;
    if (newSpace)
        m_colourChart->setChartSpace(m_colorSpace);
    if (newSpace || newFormula) {
        const Tolerance &t = m_state->tolerance();
        m_trendPlot->setToleranceLine(t.delatE.toFloat(), m_formula);
        m_lightnessChart->updateDeltaLab(m_colorSpace, t.pDelatL, t.nDelatL);
        m_chromaticChart->updateDeltaLab(m_colorSpace, t.pDelatL, t.nDelatL, t.pDelata, t.nDelata,
                                         t.pDelatb, t.nDelatb);
    }
}
