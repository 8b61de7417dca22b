#include "mainLayout.h"

#include "chartSet.h"
#include "deviationCharts.h"
#include "fakeColorRk.h"
#include "painterLabRk.h"

#include "serialPortRk.h"

#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QSplitter *makeSplitter(Qt::Orientation orientation, const QString &style = QString())
{
    auto *splitter = new QSplitter(orientation);
    if (!style.isEmpty())
        splitter->setStyleSheet(style);
    return splitter;
}

// A splitter lays its children out in proportion to their stretch factors
// times their current sizes, so the sizes start equal to the factors.
void setStretchFactors(QSplitter *splitter, std::initializer_list<int> factors)
{
    QList<int> sizes;
    int index = 0;
    for (int factor : factors) {
        splitter->setStretchFactor(index++, factor);
        sizes << factor * 100;
    }
    splitter->setSizes(sizes);
}

QLabel *makeCaption(const QString &style)
{
    auto *label = new QLabel;
    QFont font = label->font();
    font.setPointSize(14);
    label->setFont(font);
    label->setFixedHeight(24);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(220, 220, 220));
    label->setPalette(palette);
    label->setStyleSheet(style);
    return label;
}

// The proportions come from the stretch factors alone, not from what the
// widget would like to show.
QWidget *makePlace(const char *name, const QString &style = QString())
{
    auto *place = new QWidget;
    place->setObjectName(name);
    place->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    if (!style.isEmpty())
        place->setStyleSheet(style);
    auto *layout = new QVBoxLayout(place);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return place;
}

} // namespace

mainLayout::mainLayout(serialPortRk *link, QTreeWidget *tree, QTableWidget *printInfoTable,
                       QTableWidget *parameterTable, QTableWidget *colorDataTable, QObject *parent)
    : QObject(parent)
{
    m_main = makeSplitter(Qt::Vertical);
    m_main->addWidget(link);

    QSplitter *work = makeSplitter(Qt::Horizontal);
    work->setAcceptDrops(false);
    m_main->addWidget(work);
    work->addWidget(tree);

    QSplitter *right = makeSplitter(Qt::Vertical);
    work->addWidget(right);
    work->setStretchFactor(1, 1);

    QSplitter *parameterArea = makeSplitter(
        Qt::Vertical, "border:1px solid gray;margin-bottom:2px;margin-left:2px;margin-right:4px;");
    m_parameterCaption = makeCaption("border:0px;margin:0px");
    parameterArea->addWidget(m_parameterCaption);
    QSplitter *panelRow = makeSplitter(Qt::Horizontal, "border:0px;");
    panelRow->setFocusPolicy(Qt::NoFocus);
    parameterArea->addWidget(panelRow);

    QSplitter *tableColumn = makeSplitter(Qt::Vertical, "border:0px;");
    for (QTableWidget *table : {printInfoTable, parameterTable, colorDataTable}) {
        tableColumn->addWidget(table);
        table->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }
    setStretchFactors(tableColumn, {3, 3, 10});
    panelRow->addWidget(tableColumn);
    m_swatchPlace = makePlace("swatchPlace");
    m_colourChartPlace = makePlace("colourChartPlace");
    panelRow->addWidget(m_swatchPlace);
    panelRow->addWidget(m_colourChartPlace);
    setStretchFactors(panelRow, {4, 2, 6});

    right->addWidget(parameterArea);
    m_chartArea = makeSplitter(Qt::Horizontal);
    m_chartArea->setObjectName("chartArea");
    right->addWidget(m_chartArea);
    setStretchFactors(right, {2, 3});

    QSplitter *trendBox =
        makeSplitter(Qt::Vertical, "border: 1px solid gray;margin-bottom:2px;margin-left:2px;");
    m_trendCaption = makeCaption("border: 0px");
    trendBox->addWidget(m_trendCaption);
    m_trendPlotPlace = makePlace("trendPlotPlace");
    trendBox->addWidget(m_trendPlotPlace);
    m_chartArea->addWidget(trendBox);

    QSplitter *deviationBox =
        makeSplitter(Qt::Vertical,
                     "border: 1px solid gray;margin-bottom:2px;margin-left:2px;;margin-right:4px;");
    m_deviationCaption = makeCaption("border: 0px");
    deviationBox->addWidget(m_deviationCaption);
    QSplitter *deviationCharts = makeSplitter(Qt::Horizontal, "border: 0px");
    m_lightnessChartPlace = makePlace("lightnessChartPlace", "border: 0px");
    m_chromaticChartPlace = makePlace("chromaticChartPlace", "border: 0px");
    deviationCharts->addWidget(m_lightnessChartPlace);
    deviationCharts->addWidget(m_chromaticChartPlace);
    setStretchFactors(deviationCharts, {1, 2});
    deviationBox->addWidget(deviationCharts);
    m_chartArea->addWidget(deviationBox);

    // Nobody moves the handles: the proportions are the stretch factors'.
    const QList<QSplitter *> splitters = m_main->findChildren<QSplitter *>();
    for (QSplitter *splitter : splitters + QList<QSplitter *>{m_main}) {
        for (int i = 0; i < splitter->count(); ++i)
            splitter->handle(i)->setEnabled(false);
    }
}

void mainLayout::fill(QWidget *place, QWidget *widget)
{
    place->layout()->addWidget(widget);
}

void mainLayout::retranslate(bool chinese)
{
    if (chinese)
        setStretchFactors(m_chartArea, {1, 5});
    else
        setStretchFactors(m_chartArea, {21, 30});
    m_parameterCaption->setText(tr("Measuring Parameters"));
    m_trendCaption->setText(tr("Color Difference Changing Graph"));
    m_deviationCaption->setText(tr("Color Difference Deflection"));
}

void mainLayout::placeCharts(const chartSet *charts)
{
    fill(swatchPlace(), charts->swatch());
    fill(colourChartPlace(), charts->colourChart());
    fill(trendPlotPlace(), charts->trendPlot());
    fill(lightnessChartPlace(), charts->lightnessChart());
    fill(chromaticChartPlace(), charts->chromaticChart());
}
