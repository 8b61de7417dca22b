#include "fillingTable.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <QTimer>

#include <cmath>

namespace {
// Room around a text inside its cell: the cell's own margins and the grid.
const int cellPadding = 12;
const int labelRole = Qt::UserRole + 71;
// The font a cell was given, before any shrinking.
const int ownFontRole = Qt::UserRole + 72;

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
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
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

QVector<int> fillingTable::columnNeeds(Texts texts, double scale) const
{
    QVector<int> needs(columnCount(), cellPadding);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem *cell = item(row, column);
            if (!cell || cell->text().isEmpty())
                continue;
            const bool label = isLabelCell(row, column);
            if (texts == Values && label)
                continue;
            const int span = qMax(1, columnSpan(row, column));
            const QFontMetrics metrics(scaledFont(cell, scale));
            int textWidth = metrics.horizontalAdvance(cell->text());
            if (texts == LabelWords && label) {
                // A label wraps at its spaces: its longest word must fit.
                textWidth = 0;
                for (const QString &word : cell->text().split(' ', Qt::SkipEmptyParts))
                    textWidth = qMax(textWidth, metrics.horizontalAdvance(word));
            }
            const int width = textWidth + cellPadding;
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
    return 2 * frameWidth() + sum(columnNeeds(Values, m_scale));
}

int fillingTable::wrappedLabelsWidth() const
{
    // The view's frame and margins around the cells.
    const int chrome = width() > 0 ? width() - viewport()->width() : 2 * frameWidth();
    return chrome + sum(columnNeeds(LabelWords, 1.0));
}

int fillingTable::wantedWidth() const
{
    return 2 * frameWidth() + sum(columnNeeds(WholeLabels, m_scale));
}

QFont fillingTable::scaledFont(const QTableWidgetItem *cell, double scale) const
{
    // An item without a font of its own is drawn in the view's.
    const QVariant own =
        cell->data(ownFontRole).isValid() ? cell->data(ownFontRole) : cell->data(Qt::FontRole);
    QFont font = own.isValid() ? own.value<QFont>() : QTableWidget::font();
    if (!own.isValid() && m_scale != 1.0 && QTableWidget::font().pointSizeF() > 0)
        font.setPointSizeF(QTableWidget::font().pointSizeF() / m_scale); // the view's own size
    if (scale != 1.0 && font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

QFont fillingTable::cellFont(const QTableWidgetItem *cell) const
{
    return scaledFont(cell, m_scale);
}

void fillingTable::setTextScale(double scale)
{
    if (qAbs(scale - m_scale) < 0.01)
        return;
    // The view's font and every cell's own font at `scale` of their size.
    QFont view = QTableWidget::font();
    if (view.pointSizeF() > 0)
        view.setPointSizeF(view.pointSizeF() / m_scale * scale);
    m_scale = scale;
    setFont(view);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            QTableWidgetItem *cell = item(row, column);
            if (!cell)
                continue;
            QVariant own = cell->data(ownFontRole);
            if (!own.isValid()) {
                own = cell->data(Qt::FontRole);
                if (!own.isValid())
                    continue;
                cell->setData(ownFontRole, own);
            }
            QFont font = own.value<QFont>();
            if (font.pointSizeF() > 0)
                font.setPointSizeF(font.pointSizeF() * scale);
            cell->setData(Qt::FontRole, font);
        }
    }
}

int fillingTable::wrappedHeight(const QTableWidgetItem *cell, int width) const
{
    const QFontMetrics metrics(cellFont(cell));
    const int room = qMax(
        1, width - 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1));
    return metrics
        .boundingRect(QRect(0, 0, room, 100000), Qt::TextWordWrap | Qt::AlignCenter, cell->text())
        .height();
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
    if (metrics.horizontalAdvance(cell->text()) <= room)
        return false;
    if (!isLabelCell(row, column) || !wordWrap())
        return true;
    // A label wraps at its spaces: each word must fit, and the lines the row.
    const QStringList words = cell->text().split(' ', Qt::SkipEmptyParts);
    for (const QString &word : words) {
        if (metrics.horizontalAdvance(word) > room)
            return true;
    }
    return wrappedHeight(cell, cellWidth(row, column)) > rowHeight(row);
}

QVector<int> fillingTable::rowNeeds() const
{
    // Every row one line at least; a row whose labels wrap asks for its lines.
    QVector<int> needs(rowCount(), 0);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem *cell = item(row, column);
            if (!cell || cell->text().isEmpty() || columnSpan(row, column) < 1)
                continue;
            needs[row] = qMax(needs[row], wrappedHeight(cell, cellWidth(row, column)) + 4);
        }
        if (needs[row] == 0)
            needs[row] = QFontMetrics(QTableWidget::font()).height() + 4;
    }
    return needs;
}

void fillingTable::fitRowHeights()
{
    const int rows = rowCount();
    const int available = viewport()->height();
    if (rows == 0 || available <= 0)
        return;
    const QVector<int> needs = rowNeeds();
    const int needed = sum(needs);
    QVector<int> heights(rows);
    if (needed >= available) {
        for (int row = 0; row < rows; ++row)
            heights[row] = needs[row] * available / qMax(needed, 1);
    } else {
        // What is left over is shared equally, as the rows always shared it.
        QVector<bool> fixed(rows, false);
        int left = available, open = rows;
        for (bool again = true; again;) {
            again = false;
            for (int row = 0; row < rows; ++row) {
                if (!fixed[row] && needs[row] > left / qMax(open, 1)) {
                    fixed[row] = true;
                    heights[row] = needs[row];
                    left -= needs[row];
                    --open;
                    again = true;
                }
            }
        }
        for (int row = 0; row < rows; ++row) {
            if (!fixed[row])
                heights[row] = left / qMax(open, 1);
        }
    }
    int used = 0;
    for (int row = 0; row < rows; ++row) {
        const int height = row == rows - 1 ? available - used : heights[row];
        setRowHeight(row, qMax(1, height));
        used += height;
    }
}

void fillingTable::scheduleRelayout()
{
    // The fonts a relayout gives the cells change items too: that is no
    // new text, and answering it would lay the table out again and again.
    if (m_relayoutPending || m_relayouting)
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
    if (m_relayouting)
        return;
    const QScopedValueRollback<bool> guard(m_relayouting, true);
    // Every value must be read, in the smallest texts at the least; the
    // labels wrap at their spaces in what room the panel row leaves beside
    // the swatch and the chart.
    const int chrome = width() - viewport()->width();
    setMinimumWidth(
        qMin(sum(columnNeeds(Values, smallestTextScale)) + chrome, maximumMinimumWidth));

    const int available = viewport()->width();
    if (available <= 0)
        return;
    // The largest texts whose values and label words fit the width the
    // table has (the values alone when even the smallest do not), and whose
    // wrapped labels fit its height where smaller texts can make them fit.
    const Texts fitted =
        sum(columnNeeds(LabelWords, smallestTextScale)) <= available ? LabelWords : Values;
    double scale = 1.0;
    while (scale > smallestTextScale && sum(columnNeeds(fitted, scale)) > available)
        scale = qMax(smallestTextScale, scale - 0.05);
    for (;;) {
        setTextScale(scale);
        applyColumnWidths(available);
        if (scale <= smallestTextScale || sum(rowNeeds()) <= viewport()->height())
            break;
        scale = qMax(smallestTextScale, scale - 0.05);
    }
    fitRowHeights();
}

void fillingTable::applyColumnWidths(int available)
{
    const QVector<int> needs = columnNeeds(Values, m_scale);
    const QVector<int> words = columnNeeds(LabelWords, m_scale);
    const QVector<int> wants = columnNeeds(WholeLabels, m_scale);
    const int needed = sum(needs);
    const int wordsNeeded = sum(words);
    const int wanted = sum(wants);
    if (wanted <= 0)
        return;
    QVector<double> widths(needs.size());
    if (available >= wanted) {
        for (int c = 0; c < needs.size(); ++c)
            widths[c] = double(wants[c]) * available / wanted;
    } else if (available >= wordsNeeded) {
        // Every value and every label word fits; the rest of the room goes
        // to the labels that would wrap.
        const double share = double(available - wordsNeeded) / qMax(wanted - wordsNeeded, 1);
        for (int c = 0; c < needs.size(); ++c)
            widths[c] = words[c] + (wants[c] - words[c]) * share;
    } else if (available >= needed) {
        // Every value fits; the rest of the room goes to the cut labels.
        const double share = double(available - needed) / qMax(wordsNeeded - needed, 1);
        for (int c = 0; c < needs.size(); ++c)
            widths[c] = needs[c] + (words[c] - needs[c]) * share;
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
