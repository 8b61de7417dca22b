#ifndef QCM_CHARTSET_H
#define QCM_CHARTSET_H

#include "Plotter.h"

#include <QObject>
#include <QString>

class QTreeWidgetItem;
class QWidget;
class fakeColorRk;
class infoPanelRk;
class measuringDocument;
class painterDeltaLLabRk;
class painterDeltaabLabRk;
class painterLabRk;
class sharedState;
struct MeasuringConditions;

// The swatch and the four charts of the main window, and what feeds them
// besides the window's own signals: the pressed item (through the
// information panel), a new measurement (through the measuring document) and
// the measuring conditions (through the shared state).  The widgets are
// created with `window` as parent; the window puts them into its places.
class chartSet : public QObject
{
    Q_OBJECT
public:
    chartSet(sharedState *state, QWidget *window);

    fakeColorRk *swatch() const { return m_swatch; }
    painterLabRk *colourChart() const { return m_colourChart; }
    painterDeltaLLabRk *lightnessChart() const { return m_lightnessChart; }
    painterDeltaabLabRk *chromaticChart() const { return m_chromaticChart; }
    Plotter *trendPlot() const { return m_trendPlot; }
    // The range every press starts from, kept between presses.
    const PlotRange &trendRange() const { return m_trendRange; }

    // Pressed items reach the swatch, the colour-coordinate chart and the
    // deviation values; a cleared measurement resets the charts.
    void follow(infoPanelRk *panel, measuringDocument *document);

    // The values read from the settings: the deviation charts' tolerances,
    // the trend plot's first range and the chart's colour space.
    void applySettings();

public slots:
    // The ΔE of every Sample of the pressed item's Type, with the range
    // widened to fit; the plot is drawn once for both.
    void updateTrendPlot(QTreeWidgetItem *item);
    // A new measurement: no series, an empty swatch, an empty chart in the
    // current colour space.
    void resetCharts();

private:
    void conditionsChanged(const MeasuringConditions &conditions);

    sharedState *m_state;
    fakeColorRk *m_swatch;
    painterLabRk *m_colourChart;
    painterDeltaLLabRk *m_lightnessChart;
    painterDeltaabLabRk *m_chromaticChart;
    Plotter *m_trendPlot;
    PlotRange m_trendRange;
    QString m_colorSpace;
    QString m_formula;
};

#endif
