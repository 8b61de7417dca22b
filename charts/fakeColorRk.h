#ifndef QCM_FAKECOLORRK_H
#define QCM_FAKECOLORRK_H

#include <QBrush>
#include <QString>
#include <QWidget>

class QTreeWidgetItem;

// What the simulation swatch shows: the Type above, its Sample below, each
// with the brush of its swatch column and its name.
struct swatchColours
{
    QBrush upperBrush;
    QString upperName;
    QBrush lowerBrush;
    QString lowerName;
};

// Draws the swatch of `data` into `rect`: the grey title strip "simulation",
// the two names and the two colour fields in one frame.
// A text that would run past the frame moves left; one wider than the frame
// is drawn smaller, down to three quarters, and cut short beyond that.
void paintSwatch(QPainter &painter, const QRect &rect, const swatchColours &data);
// The narrowest swatch that shows its title and `data`'s names whole.
int swatchMinimumWidth(const QFont &font, const swatchColours &data);

// The simulation swatch: the simulated colours of the pressed Type and of
// its Sample one above the other.
class fakeColorRk : public QWidget
{
    Q_OBJECT
public:
    explicit fakeColorRk(QWidget *parent = nullptr);

    const swatchColours &shown() const { return m_data; }
    QSize minimumSizeHint() const override;

public slots:
    // With `isSample` the Type (the item's parent) above and the item below;
    // otherwise the item above and the window background below.
    void setSwatchItem(QTreeWidgetItem *item, bool isSample);
    // No names, the window background in both fields (a new measurement).
    void resetSwatch();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    swatchColours m_data;
};

#endif
