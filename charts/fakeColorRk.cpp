#include "fakeColorRk.h"

#include "itemColumns.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTreeWidgetItem>

#include <cmath>

namespace {

// The room a text has between the frame's sides, and the least a text's font
// shrinks to when it is wider than that.
constexpr int kTextMargin = 10;
constexpr double kSmallestTextScale = 0.75;

// Draws `text` from `at` as the swatch always placed it, moved left when it
// would run past the frame and in a smaller font (then cut short) when it is
// wider than the frame.
void swatchText(QPainter &painter, int w, QPoint at, const QString &text)
{
    if (text.isEmpty())
        return;
    const int room = w - 2 * kTextMargin;
    const QFont base = painter.font();
    QFont font = base;
    QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) > room && base.pointSizeF() > 0) {
        const double fit = double(room) / metrics.horizontalAdvance(text);
        font.setPointSizeF(base.pointSizeF() * qMax(fit, kSmallestTextScale));
        metrics = QFontMetrics(font);
    }
    const QString shown = metrics.elidedText(text, Qt::ElideRight, qMax(room, 0));
    const int width = metrics.horizontalAdvance(shown);
    // Kept inside the widget (it may touch the frame, as it always could).
    at.setX(qMax(kTextMargin, qMin(at.x(), w - 2 - width)));
    painter.setFont(font);
    painter.drawText(at, shown);
    painter.setFont(base);
}

} // namespace

int swatchMinimumWidth(const QFont &font, const swatchColours &data)
{
    const QFontMetrics metrics(font);
    int widest =
        metrics.horizontalAdvance(QCoreApplication::translate("fakeColorRk", "simulation"));
    for (const QString &name : {data.upperName, data.lowerName})
        widest = qMax(widest, int(std::ceil(metrics.horizontalAdvance(name) * kSmallestTextScale)));
    return qMin(widest, 200) + 2 * kTextMargin;
}

void paintSwatch(QPainter &painter, const QRect &rect, const swatchColours &data)
{
    const int w = rect.width(), h = rect.height();
    if (w <= 0 || h <= 0)
        return;
    painter.save();
    painter.translate(rect.topLeft());
    const QPen grey(QColor(120, 120, 120), 1);
    painter.fillRect(QRect(10, 0, w - 20, 22), QColor(220, 220, 220));
    painter.setPen(grey);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(10, 0, w - 20, h - 1));
    painter.setPen(QPen(Qt::black, 1));
    swatchText(painter, w, QPoint(w / 2 - 30, 15),
               QCoreApplication::translate("fakeColorRk", "simulation"));
    swatchText(painter, w, QPoint(w / 2 - 30, 60), data.upperName);
    swatchText(painter, w, QPoint(w / 2 - 30, h - 31), data.lowerName);
    // A swatch too small for its fields keeps the strip and the names.
    const int fieldHeight = h / 2 - 60;
    if (w > 40 && fieldHeight > 0) {
        painter.fillRect(QRect(20, 70, w - 40, fieldHeight), data.upperBrush);
        painter.fillRect(QRect(20, h / 2 + 10, w - 40, fieldHeight), data.lowerBrush);
        painter.setPen(grey);
        painter.drawRect(QRect(20, 70, w - 40, h - 120));
    }
    painter.restore();
}

fakeColorRk::fakeColorRk(QWidget *parent) : QWidget(parent) {}

QSize fakeColorRk::minimumSizeHint() const
{
    return QSize(swatchMinimumWidth(font(), m_data), 0);
}

void fakeColorRk::setSwatchItem(QTreeWidgetItem *item, bool isSample)
{
    if (!item)
        return;
    QTreeWidgetItem *upper = isSample ? item->parent() : item;
    if (!upper)
        return;
    m_data.upperName = upper->text(nameColumn);
    m_data.upperBrush = upper->background(swatchColumn);
    if (isSample) {
        m_data.lowerName = item->text(nameColumn);
        m_data.lowerBrush = item->background(swatchColumn);
    } else {
        m_data.lowerName.clear();
        m_data.lowerBrush = palette().color(QPalette::Window);
    }
    updateGeometry(); // the names may want a wider swatch
    update();
}

void fakeColorRk::resetSwatch()
{
    m_data.upperName.clear();
    m_data.lowerName.clear();
    m_data.upperBrush = palette().color(QPalette::Window);
    m_data.lowerBrush = m_data.upperBrush;
    update();
}

void fakeColorRk::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    paintSwatch(painter, rect(), m_data);
}
