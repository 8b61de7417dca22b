#ifndef QCM_MAINLAYOUT_H
#define QCM_MAINLAYOUT_H

#include <QList>
#include <QObject>
#include <QVector>

class QLabel;
class QSplitter;
class QTableWidget;
class QTreeWidget;
class QWidget;
class serialPortRk;

// The splitter tree of the main window.  The swatch and the charts each get a
// place of their own: an empty widget whose layout takes the chart widget, so
// the layout is complete before they exist and nothing is looked up by name.
class chartSet;

class mainLayout : public QObject
{
    Q_OBJECT
public:
    mainLayout(serialPortRk *link, QTreeWidget *tree, QTableWidget *printInfoTable,
               QTableWidget *parameterTable, QTableWidget *colorDataTable,
               QObject *parent = nullptr);

    // The central widget: the main splitter.
    QSplitter *mainSplitter() const { return m_main; }
    QSplitter *chartArea() const { return m_chartArea; }

    // The places, each with an empty box layout.
    QWidget *swatchPlace() const { return m_swatchPlace; }
    QWidget *colourChartPlace() const { return m_colourChartPlace; }
    QWidget *trendPlotPlace() const { return m_trendPlotPlace; }
    QWidget *lightnessChartPlace() const { return m_lightnessChartPlace; }
    QWidget *chromaticChartPlace() const { return m_chromaticChartPlace; }
    // Puts `widget` into `place`, filling it.
    static void fill(QWidget *place, QWidget *widget);
    // The swatch and the four charts, each in its place.
    void placeCharts(const chartSet *charts);

    // Captions and the chart-area proportions of the interface language
    // (1:5 Chinese, 21:30 otherwise).
    void retranslate(bool chinese);

    // The row of the tables, the swatch and the colour chart.
    QSplitter *panelRow() const { return m_panelRow; }

    // Sizes that share `total` by `factors`, none below its minimum where the
    // total allows: a child its share would squeeze gets its minimum and the
    // others share the rest by their factors.  When the minimums together
    // exceed the total, the earlier children keep theirs first.
    static QList<int> shareByFactors(int total, const QVector<int> &factors,
                                     const QVector<int> &minimums);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Lays the panel row out 4:2:6, with the room the tables' values, the
    // swatch's names and the chart's texts need.
    void fitPanelRow();

    QSplitter *m_panelRow = nullptr;
    QWidget *m_tableColumn = nullptr;
    bool m_fittingPanelRow = false;
    QSplitter *m_main = nullptr;
    QSplitter *m_chartArea = nullptr;
    QLabel *m_parameterCaption = nullptr;
    QLabel *m_trendCaption = nullptr;
    QLabel *m_deviationCaption = nullptr;
    QWidget *m_swatchPlace = nullptr;
    QWidget *m_colourChartPlace = nullptr;
    QWidget *m_trendPlotPlace = nullptr;
    QWidget *m_lightnessChartPlace = nullptr;
    QWidget *m_chromaticChartPlace = nullptr;
};

#endif
