#include "fakeColorRk.h"

#include "itemColumns.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTreeWidgetItem>

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
    painter.drawText(QPoint(w / 2 - 30, 15),
                     QCoreApplication::translate("fakeColorRk", "simulation"));
    painter.drawText(QPoint(w / 2 - 30, 60), data.upperName);
    painter.drawText(QPoint(w / 2 - 30, h - 31), data.lowerName);
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
