#ifndef QCM_FILLINGTABLE_H
#define QCM_FILLINGTABLE_H

#include <QTableWidget>

// A table of short texts that always fills its whole area: the rows share its
// height and the columns share its width.  Values come first: the width every
// value needs is the table's minimum (up to a cap, so the splitter around it
// keeps it readable), and room beyond that goes to the columns whose labels
// would be cut, then to all columns in proportion to what they show.  A label
// that still does not fit wraps (its row takes the lines it needs where the
// other rows can spare them) and shows its whole text as tool tip.
//
// In a narrow window the texts shrink before anything is cut: the table's
// font, and the fonts of cells that have their own, go down to 70 % of their
// size, and the minimum width is what the values need at that size.
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
    // The width every value and every label wrapped at its spaces need, in
    // texts of their full size: the room the table asks for beyond its
    // minimum.
    int wrappedLabelsWidth() const;
    // The width every text, labels included, would like.
    int wantedWidth() const;
    // Whether a cell's text is cut short at the cell's present size (a label
    // may wrap onto the lines its row has).
    bool isElided(int row, int column) const;
    // The share of their own size the texts are shown at now (0.7 to 1).
    double textScale() const { return m_scale; }
    // The font a cell's text is drawn in now.
    QFont cellFont(const QTableWidgetItem *cell) const;

    // The smallest share of their size the texts go down to.
    static constexpr double smallestTextScale = 0.7;

    // The minimum width is never set above this.
    static constexpr int maximumMinimumWidth = 900;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Per column the width its values need, with the longest word of its
    // labels or with its whole labels, the texts at `scale` of their size.
    enum Texts
    {
        Values,
        LabelWords,
        WholeLabels
    };
    QVector<int> columnNeeds(Texts texts, double scale) const;
    QFont scaledFont(const QTableWidgetItem *cell, double scale) const;
    int cellWidth(int row, int column) const;
    // The height a cell's text takes, wrapped into the cell's width.
    int wrappedHeight(const QTableWidgetItem *cell, int width) const;
    void setTextScale(double scale);
    // Shares `available` among the columns: values first, then the longest
    // words of the labels, then whole labels.
    void applyColumnWidths(int available);
    // Per row the height its texts take, wrapped into their cells.
    QVector<int> rowNeeds() const;
    void fitRowHeights();
    void relayout();
    void scheduleRelayout();

    bool m_relayoutPending = false;
    bool m_relayouting = false;
    double m_scale = 1.0;
};

#endif
