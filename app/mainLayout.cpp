#include "mainLayout.h"

#include "chartSet.h"
#include "deviationCharts.h"
#include "fakeColorRk.h"
#include "fillingTable.h"
#include "painterLabRk.h"

#include "serialPortRk.h"

#include <QEvent>
#include <QLabel>
#include <QScopedValueRollback>
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
    // The splitter alone would squeeze the swatch and the chart to nothing
    // beside the tables' minimum; the row is shared here instead.
    m_panelRow = panelRow;
    m_tableColumn = tableColumn;
    panelRow->installEventFilter(this);
    for (QWidget *child : {static_cast<QWidget *>(tableColumn), m_swatchPlace, m_colourChartPlace})
        child->installEventFilter(this);

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

QList<int> mainLayout::shareByFactors(int total, const QVector<int> &factors,
                                      const QVector<int> &minimums)
{
    const int n = factors.size();
    QVector<bool> fixed(n, false);
    QList<int> sizes;
    for (int i = 0; i < n; ++i)
        sizes << 0;
    int left = qMax(total, 0);
    // The minimums first, in order, as far as the total goes.
    int needed = 0;
    for (int i = 0; i < n; ++i)
        needed += qMax(minimums.value(i), 0);
    if (needed > left) {
        for (int i = 0; i < n && left > 0; ++i) {
            sizes[i] = qMin(qMax(minimums.value(i), 0), left);
            left -= sizes[i];
        }
        return sizes;
    }
    // Then the factors, fixing every child its share would squeeze.
    for (bool again = true; again;) {
        again = false;
        int factorSum = 0;
        for (int i = 0; i < n; ++i)
            factorSum += fixed[i] ? 0 : qMax(factors[i], 0);
        if (factorSum == 0)
            break;
        for (int i = 0; i < n; ++i) {
            if (fixed[i])
                continue;
            const int share = int(qint64(left) * qMax(factors[i], 0) / factorSum);
            if (share < minimums.value(i)) {
                sizes[i] = minimums.value(i);
                left -= sizes[i];
                fixed[i] = true;
                again = true;
                break;
            }
        }
        if (again)
            continue;
        int given = 0, last = -1;
        for (int i = 0; i < n; ++i) {
            if (fixed[i])
                continue;
            sizes[i] = int(qint64(left) * qMax(factors[i], 0) / factorSum);
            given += sizes[i];
            last = i;
        }
        // What rounding left goes to the last child sharing.
        if (last >= 0)
            sizes[last] += left - given;
    }
    return sizes;
}

bool mainLayout::eventFilter(QObject *watched, QEvent *event)
{
    const bool rowChanged = watched == m_panelRow && event->type() == QEvent::Resize;
    // A table, the swatch or the chart asking for other room.
    const bool childChanged = watched != m_panelRow && event->type() == QEvent::LayoutRequest;
    if ((rowChanged || childChanged) && !m_fittingPanelRow)
        fitPanelRow();
    return QObject::eventFilter(watched, event);
}

void mainLayout::fitPanelRow()
{
    const QScopedValueRollback<bool> fitting(m_fittingPanelRow, true);
    // The tables must show their values; they would like their labels
    // wrapped whole too, as far as that leaves the swatch and the chart the
    // room their own texts need.
    int tables = 0, tablesWithLabels = 0;
    for (QTableWidget *table : m_tableColumn->findChildren<QTableWidget *>()) {
        tables = qMax(tables, table->minimumWidth());
        if (auto *filling = qobject_cast<fillingTable *>(table))
            tablesWithLabels = qMax(tablesWithLabels, filling->wrappedLabelsWidth());
    }
    const auto wanted = [](QWidget *place) {
        return place->layout() ? place->layout()->minimumSize().width() : 0;
    };
    const int handles = m_panelRow->handleWidth() * (m_panelRow->count() - 1);
    const int total = m_panelRow->contentsRect().width() - handles;
    if (total <= 0)
        return;
    const int swatch = wanted(m_swatchPlace), chart = wanted(m_colourChartPlace);
    tables = qMax(tables, qMin(tablesWithLabels, total - swatch - chart));
    const QList<int> sizes = shareByFactors(total, {4, 2, 6}, {tables, swatch, chart});
    if (sizes != m_panelRow->sizes())
        m_panelRow->setSizes(sizes);
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
