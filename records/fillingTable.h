#ifndef QCM_FILLINGTABLE_H
#define QCM_FILLINGTABLE_H

#include <QTableWidget>

// A table of short texts that always fills its whole area: the rows share its
// height and the columns share its width.  Values come first: the width every
// value needs is the table's minimum (up to a cap, so the splitter around it
// keeps it readable), and room beyond that goes to the columns whose labels
// would be cut, then to all columns in proportion to what they show.  A label
// that still does not fit wraps and shows its whole text as tool tip.
class fillingTable : public QTableWidget
{
    Q_OBJECT
public:
    fillingTable(int rows, int columns, QWidget *parent = nullptr);

    // A label cell (grey, fixed text) or a value cell (the default).
    void setLabelCell(int row, int column, bool label);
    bool isLabelCell(int row, int column) const;

    // The width every value needs, frame included.
    int neededWidth() const;
    // The width every text, labels included, would like.
    int wantedWidth() const;
    // Whether a cell's text is cut short at the cell's present width.
    bool isElided(int row, int column) const;

    // The minimum width is never set above this.
    static constexpr int maximumMinimumWidth = 900;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Per column the width its values need (labels too when `withLabels`).
    QVector<int> columnNeeds(bool withLabels) const;
    int cellWidth(int row, int column) const;
    QFont cellFont(const QTableWidgetItem *cell) const;
    void relayout();
    void scheduleRelayout();

    bool m_relayoutPending = false;
};

#endif
