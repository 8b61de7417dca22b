#include "fillingTable.h"

#include <QHeaderView>
#include <QTimer>

#include <cmath>

namespace {
// Room around a text inside its cell: the cell's own margins and the grid.
const int cellPadding = 12;
const int labelRole = Qt::UserRole + 71;

int sum(const QVector<int> &values)
{
    int total = 0;
    for (int value : values)
        total += value;
    return total;
}
} // namespace

fillingTable::fillingTable(int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setMinimumSectionSize(1);
    connect(this, &QTableWidget::itemChanged, this, &fillingTable::scheduleRelayout);
}

void fillingTable::setLabelCell(int row, int column, bool label)
{
    if (QTableWidgetItem *cell = item(row, column))
        cell->setData(labelRole, label);
}

bool fillingTable::isLabelCell(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell && cell->data(labelRole).toBool();
}

QVector<int> fillingTable::columnNeeds(bool withLabels) const
{
    QVector<int> needs(columnCount(), cellPadding);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem *cell = item(row, column);
            if (!cell || cell->text().isEmpty())
                continue;
            if (!withLabels && isLabelCell(row, column))
                continue;
            const int span = qMax(1, columnSpan(row, column));
            const QFontMetrics metrics(cellFont(cell));
            const int width = metrics.horizontalAdvance(cell->text()) + cellPadding;
            // A spanning text shares its width among the columns it covers.
            const int share = (width + span - 1) / span;
            for (int c = column; c < column + span && c < columnCount(); ++c)
                needs[c] = qMax(needs[c], share);
        }
    }
    return needs;
}

int fillingTable::neededWidth() const
{
    return 2 * frameWidth() + sum(columnNeeds(false));
}

int fillingTable::wantedWidth() const
{
    return 2 * frameWidth() + sum(columnNeeds(true));
}

QFont fillingTable::cellFont(const QTableWidgetItem *cell) const
{
    // An item without a font of its own is drawn in the view's.
    const QVariant own = cell->data(Qt::FontRole);
    return own.isValid() ? own.value<QFont>() : font();
}

int fillingTable::cellWidth(int row, int column) const
{
    int width = 0;
    const int span = qMax(1, columnSpan(row, column));
    for (int c = column; c < column + span && c < columnCount(); ++c)
        width += columnWidth(c);
    return width;
}

bool fillingTable::isElided(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    if (!cell || cell->text().isEmpty())
        return false;
    const QFontMetrics metrics(cellFont(cell));
    // The view draws a text inside the cell less its margins on both sides.
    const int room = cellWidth(row, column) -
                     2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return metrics.horizontalAdvance(cell->text()) > room;
}

void fillingTable::scheduleRelayout()
{
    if (m_relayoutPending)
        return;
    m_relayoutPending = true;
    QTimer::singleShot(0, this, [this] {
        m_relayoutPending = false;
        relayout();
    });
}

void fillingTable::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    relayout();
}

void fillingTable::relayout()
{
    const QVector<int> needs = columnNeeds(false);
    const QVector<int> wants = columnNeeds(true);
    const int needed = sum(needs);
    const int wanted = sum(wants);
    // Every value must be read; the labels share what room the panel row
    // leaves beside the swatch and the chart.
    setMinimumWidth(qMin(needed + 2 * frameWidth(), maximumMinimumWidth));

    const int available = viewport()->width();
    if (wanted <= 0 || available <= 0)
        return;
    QVector<double> widths(needs.size());
    if (available >= wanted) {
        for (int c = 0; c < needs.size(); ++c)
            widths[c] = double(wants[c]) * available / wanted;
    } else if (available >= needed) {
        // Every value fits; the rest of the room goes to the cut labels.
        const double share = double(available - needed) / (wanted - needed);
        for (int c = 0; c < needs.size(); ++c)
            widths[c] = needs[c] + (wants[c] - needs[c]) * share;
    } else {
        for (int c = 0; c < needs.size(); ++c)
            widths[c] = double(needs[c]) * available / qMax(needed, 1);
    }
    // The last column takes what rounding left, so the grid ends at the
    // table's edge.
    int used = 0;
    for (int c = 0; c < widths.size(); ++c) {
        int width = int(std::floor(widths[c]));
        if (c == widths.size() - 1)
            width = available - used;
        setColumnWidth(c, qMax(1, width));
        used += width;
    }
}
