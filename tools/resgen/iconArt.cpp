#include "art.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <functional>

namespace art {

namespace {

// Every icon is drawn on a 64 x 64 grid; the painter is scaled to the size
// asked for. Outlines are 3.5 units wide so they stay one pixel at 16 px.
constexpr double kGrid = 64.0;
constexpr double kLine = 3.5;

QPen outlinePen(const Theme &t, double width = kLine)
{
    QPen pen(t.dark, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPen strokePen(const QColor &c, double width)
{
    QPen pen(c, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void arrow(QPainter &p, QPointF from, QPointF to, const QColor &c, double width, double head)
{
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0.0)
        return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const QPointF base = to - u * head;
    p.setPen(strokePen(c, width));
    p.drawLine(from, base + u * 1.0);
    QPainterPath tri;
    tri.moveTo(to);
    tri.lineTo(base + n * head * 0.75);
    tri.lineTo(base - n * head * 0.75);
    tri.closeSubpath();
    p.setPen(strokePen(c, 1.5));
    p.setBrush(c);
    p.drawPath(tri);
}

void badge(QPainter &p, const Theme &t, QPointF c, double r, const QColor &fill)
{
    p.setPen(strokePen(Qt::white, 3.0));
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
    Q_UNUSED(t);
}

void plusBadge(QPainter &p, const Theme &t, QPointF c, double r, const QColor &fill)
{
    badge(p, t, c, r, fill);
    p.setPen(strokePen(Qt::white, 4.0));
    const double a = r * 0.52;
    p.drawLine(c + QPointF(-a, 0), c + QPointF(a, 0));
    p.drawLine(c + QPointF(0, -a), c + QPointF(0, a));
}

void checkMark(QPainter &p, QRectF box, const QColor &c, double width)
{
    p.setPen(strokePen(c, width));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(box.left() + box.width() * 0.18, box.top() + box.height() * 0.52);
    path.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.76);
    path.lineTo(box.left() + box.width() * 0.84, box.top() + box.height() * 0.26);
    p.drawPath(path);
}

// Document page with a folded top-right corner.
void page(QPainter &p, const Theme &t, QRectF r, double fold)
{
    QPainterPath body;
    body.moveTo(r.topLeft());
    body.lineTo(r.right() - fold, r.top());
    body.lineTo(r.right(), r.top() + fold);
    body.lineTo(r.bottomRight());
    body.lineTo(r.bottomLeft());
    body.closeSubpath();
    p.setPen(outlinePen(t));
    p.setBrush(Qt::white);
    p.drawPath(body);
    QPainterPath ear;
    ear.moveTo(r.right() - fold, r.top());
    ear.lineTo(r.right() - fold, r.top() + fold);
    ear.lineTo(r.right(), r.top() + fold);
    p.setBrush(t.light);
    p.drawPath(ear);
}

void textLines(QPainter &p, const QColor &c, double x0, double x1, double y0, int count,
               double step)
{
    p.setPen(strokePen(c, 3.0));
    for (int i = 0; i < count; ++i) {
        const double shorten = (i == count - 1) ? (x1 - x0) * 0.35 : 0.0;
        p.drawLine(QPointF(x0, y0 + i * step), QPointF(x1 - shorten, y0 + i * step));
    }
}

// Pencil lying from its tip towards angleDeg (0 = to the right, counter-clockwise).
void pencil(QPainter &p, const Theme &t, QPointF tip, double angleDeg, double len, double w)
{
    p.save();
    p.translate(tip);
    p.rotate(-angleDeg);
    p.setPen(outlinePen(t, 3.0));
    QPainterPath cone;
    cone.moveTo(0, 0);
    cone.lineTo(11, -w / 2);
    cone.lineTo(11, w / 2);
    cone.closeSubpath();
    p.setBrush(QColor(0xF3, 0xD9, 0xA6));
    p.drawPath(cone);
    p.setBrush(t.accent);
    p.drawRect(QRectF(11, -w / 2, len - 19, w));
    p.setBrush(t.light);
    p.drawRoundedRect(QRectF(len - 8, -w / 2, 8, w), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(t.dark);
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(4, -w * 0.18);
    lead.lineTo(4, w * 0.18);
    lead.closeSubpath();
    p.drawPath(lead);
    p.restore();
}

void magnifier(QPainter &p, const Theme &t, QPointF c, double r, double handle)
{
    const QPointF dir(M_SQRT1_2, M_SQRT1_2);
    p.setPen(strokePen(t.dark, r * 0.55));
    p.drawLine(c + dir * (r + 2), c + dir * (r + handle));
    p.setPen(strokePen(t.primary, r * 0.38));
    p.drawLine(c + dir * (r + 4), c + dir * (r + handle - 1));
    p.setPen(outlinePen(t, 4.5));
    p.setBrush(t.light);
    p.drawEllipse(c, r, r);
    p.setPen(strokePen(Qt::white, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.62, c.y() - r * 0.62, r * 1.24, r * 1.24), 100 * 16, 60 * 16);
}

void floppy(QPainter &p, const Theme &t, QRectF r)
{
    const double u = r.width() / 48.0;
    QPainterPath body;
    body.moveTo(r.left() + 4 * u, r.top());
    body.lineTo(r.right() - 8 * u, r.top());
    body.lineTo(r.right(), r.top() + 8 * u);
    body.lineTo(r.right(), r.bottom() - 4 * u);
    body.quadTo(r.bottomRight(), QPointF(r.right() - 4 * u, r.bottom()));
    body.lineTo(r.left() + 4 * u, r.bottom());
    body.quadTo(r.bottomLeft(), QPointF(r.left(), r.bottom() - 4 * u));
    body.lineTo(r.left(), r.top() + 4 * u);
    body.quadTo(r.topLeft(), QPointF(r.left() + 4 * u, r.top()));
    p.setPen(outlinePen(t));
    p.setBrush(t.primary);
    p.drawPath(body);
    // Shutter and its slot.
    p.setBrush(t.light);
    p.drawRect(QRectF(r.left() + 11 * u, r.top(), 24 * u, 15 * u));
    p.setPen(Qt::NoPen);
    p.setBrush(t.dark);
    p.drawRect(QRectF(r.left() + 26 * u, r.top() + 3 * u, 6 * u, 9 * u));
    // Label.
    p.setPen(outlinePen(t, 3.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(r.left() + 8 * u, r.top() + 25 * u, 32 * u, 20 * u), 2 * u, 2 * u);
    p.setPen(strokePen(t.light.darker(115), 2.5 * u));
    p.drawLine(QPointF(r.left() + 13 * u, r.top() + 32 * u),
               QPointF(r.left() + 35 * u, r.top() + 32 * u));
    p.drawLine(QPointF(r.left() + 13 * u, r.top() + 38 * u),
               QPointF(r.left() + 30 * u, r.top() + 38 * u));
}

void bin(QPainter &p, const Theme &t, QRectF r, const QColor &fill)
{
    const double u = r.width() / 40.0;
    p.setPen(outlinePen(t));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(r.center().x() - 6 * u, r.top(), 12 * u, 6 * u), 2 * u, 2 * u);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(r.left(), r.top() + 5 * u, r.width(), 6 * u), 2 * u, 2 * u);
    QPainterPath body;
    body.moveTo(r.left() + 4 * u, r.top() + 13 * u);
    body.lineTo(r.right() - 4 * u, r.top() + 13 * u);
    body.lineTo(r.right() - 7 * u, r.bottom());
    body.lineTo(r.left() + 7 * u, r.bottom());
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(strokePen(Qt::white, 3.0 * u));
    for (int i = -1; i <= 1; ++i) {
        const double x = r.center().x() + i * 8 * u;
        p.drawLine(QPointF(x, r.top() + 19 * u), QPointF(x, r.bottom() - 6 * u));
    }
}

void book(QPainter &p, const Theme &t, QRectF r, const QColor &cover)
{
    p.setPen(outlinePen(t));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r.adjusted(3, 3, 0, 0), 3, 3);
    p.setBrush(cover);
    p.drawRoundedRect(r.adjusted(0, 0, -3, -5), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(t.dark);
    p.drawRect(QRectF(r.left() + 6, r.top() + 2, 3, r.height() - 9));
}

void swatchTile(QPainter &p, const Theme &t, QRectF r, const QColor &fill)
{
    p.setPen(outlinePen(t, 3.0));
    p.setBrush(fill);
    p.drawRoundedRect(r, 3, 3);
}

void gear(QPainter &p, const Theme &t, QPointF c, double outer, double inner, double hole,
          int teeth)
{
    QPainterPath shape;
    shape.addEllipse(c, inner, inner);
    const double toothWidth = 2.0 * M_PI * inner / teeth * 0.5;
    for (int i = 0; i < teeth; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-toothWidth / 2, -outer, toothWidth, outer - inner + 4), 2, 2);
        QTransform tr;
        tr.translate(c.x(), c.y());
        tr.rotate(360.0 * i / teeth);
        shape = shape.united(tr.map(tooth));
    }
    QPainterPath holePath;
    holePath.addEllipse(c, hole, hole);
    shape = shape.subtracted(holePath);
    p.setPen(outlinePen(t));
    p.setBrush(t.primary);
    p.drawPath(shape);
}

// Capital T and S built from strokes so that they render without any font.
void letterT(QPainter &p, QRectF box, const QColor &c, double width)
{
    p.setPen(strokePen(c, width));
    p.drawLine(QPointF(box.left(), box.top()), QPointF(box.right(), box.top()));
    p.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
}

void letterS(QPainter &p, QRectF box, const QColor &c, double width)
{
    const double h = box.height() / 2.0;
    const QRectF upper(box.left(), box.top(), box.width(), h);
    const QRectF lower(box.left(), box.top() + h, box.width(), h);
    QPainterPath s;
    s.arcMoveTo(upper, 20);
    s.arcTo(upper, 20, 250);
    s.arcTo(lower, 90, -250);
    p.setPen(strokePen(c, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(s);
}

void letterI(QPainter &p, QPointF c, double h, const QColor &col)
{
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawEllipse(QPointF(c.x(), c.y() - h * 0.36), h * 0.11, h * 0.11);
    p.drawRoundedRect(QRectF(c.x() - h * 0.09, c.y() - h * 0.16, h * 0.18, h * 0.58), h * 0.05,
                      h * 0.05);
}

// Generic hand-held colour meter seen from the front.
void meter(QPainter &p, const Theme &t, QRectF r)
{
    const double u = r.width() / 24.0;
    p.setPen(outlinePen(t));
    p.setBrush(t.primary);
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), r.height() - 8 * u), 6 * u, 6 * u);
    p.setBrush(t.light);
    p.drawRoundedRect(QRectF(r.left() + 4 * u, r.top() + 4 * u, r.width() - 8 * u, 11 * u), 2 * u,
                      2 * u);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(r.center().x(), r.top() + 24 * u), 4 * u, 4 * u);
    // Measuring head with its aperture.
    p.setBrush(t.dark);
    p.drawRoundedRect(QRectF(r.left() + 5 * u, r.bottom() - 10 * u, r.width() - 10 * u, 10 * u),
                      3 * u, 3 * u);
}

using Painter = std::function<void(QPainter &, const Theme &)>;

const QHash<QString, Painter> &painters()
{
    static const QHash<QString, Painter> table = {
        {"11 file.png",
         [](QPainter &p, const Theme &t) {
             page(p, t, QRectF(12, 5, 36, 52), 12);
             textLines(p, t.light.darker(125), 19, 40, 28, 3, 7);
             plusBadge(p, t, QPointF(47, 47), 13, t.accent);
         }},
        {"12 file.png",
         [](QPainter &p, const Theme &t) {
             QPainterPath back;
             back.moveTo(6, 14);
             back.lineTo(22, 14);
             back.lineTo(27, 20);
             back.lineTo(52, 20);
             back.lineTo(52, 52);
             back.lineTo(6, 52);
             back.closeSubpath();
             p.setPen(outlinePen(t));
             p.setBrush(t.light);
             p.drawPath(back);
             p.setPen(outlinePen(t, 2.5));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(13, 24, 32, 14));
             QPainterPath front;
             front.moveTo(14, 30);
             front.lineTo(60, 30);
             front.lineTo(52, 52);
             front.lineTo(6, 52);
             front.closeSubpath();
             p.setPen(outlinePen(t));
             p.setBrush(t.primary);
             p.drawPath(front);
         }},
        {"13 file.png", [](QPainter &p, const Theme &t) { floppy(p, t, QRectF(8, 8, 48, 48)); }},
        {"14 file.png",
         [](QPainter &p, const Theme &t) {
             floppy(p, t, QRectF(4, 6, 42, 42));
             pencil(p, t, QPointF(33, 58), 45, 34, 10);
         }},
        {"15 file.png",
         [](QPainter &p, const Theme &t) {
             p.setPen(outlinePen(t));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(17, 6, 30, 18));
             p.setBrush(t.primary);
             p.drawRoundedRect(QRectF(5, 22, 54, 24), 5, 5);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(17, 38, 30, 20));
             textLines(p, t.light.darker(125), 22, 42, 45, 2, 6);
             p.setPen(Qt::NoPen);
             p.setBrush(t.accent);
             p.drawEllipse(QPointF(50, 30), 3, 3);
         }},
        {"16 file.png",
         [](QPainter &p, const Theme &t) {
             const QRectF sheet(5, 6, 40, 50);
             p.setPen(outlinePen(t));
             p.setBrush(Qt::white);
             p.drawRect(sheet);
             p.setPen(Qt::NoPen);
             p.setBrush(t.primary);
             p.drawRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 10));
             p.setPen(strokePen(t.dark, 2.0));
             for (int i = 1; i < 3; ++i)
                 p.drawLine(QPointF(sheet.left() + i * sheet.width() / 3, sheet.top()),
                            QPointF(sheet.left() + i * sheet.width() / 3, sheet.bottom()));
             for (int j = 0; j < 4; ++j)
                 p.drawLine(QPointF(sheet.left(), sheet.top() + 10 + j * 10),
                            QPointF(sheet.right(), sheet.top() + 10 + j * 10));
             p.setPen(outlinePen(t));
             p.setBrush(Qt::NoBrush);
             p.drawRect(sheet);
             arrow(p, QPointF(30, 44), QPointF(61, 44), t.accent, 7, 10);
         }},
        {"18 file.png",
         [](QPainter &p, const Theme &t) {
             // A page of comma-separated fields: a coloured header row, then
             // rows of fields, each field followed by its comma.
             page(p, t, QRectF(5, 5, 40, 52), 11);
             for (int row = 0; row < 4; ++row) {
                 const double y = 17 + row * 8;
                 const QColor field = row == 0 ? t.primary : t.light.darker(125);
                 p.setPen(strokePen(field, 3.0));
                 p.drawLine(QPointF(10, y), QPointF(17, y));
                 p.drawLine(QPointF(23, y), QPointF(31, y));
                 p.setPen(Qt::NoPen);
                 p.setBrush(t.dark);
                 for (double x : {20.0, 34.0})
                     p.drawEllipse(QPointF(x, y + 1.2), 1.4, 1.4);
             }
             arrow(p, QPointF(30, 50), QPointF(61, 50), t.accent, 7, 10);
         }},
        {"17 file.png",
         [](QPainter &p, const Theme &t) {
             p.setPen(outlinePen(t));
             p.setBrush(t.light);
             p.drawRect(QRectF(8, 6, 30, 52));
             QPainterPath leaf;
             leaf.moveTo(8, 6);
             leaf.lineTo(28, 12);
             leaf.lineTo(28, 62);
             leaf.lineTo(8, 58);
             leaf.closeSubpath();
             p.setBrush(t.primary);
             p.drawPath(leaf);
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(23, 36), 2.5, 2.5);
             arrow(p, QPointF(34, 32), QPointF(62, 32), t.accent, 7, 10);
         }},
        {"21 operate.png",
         [](QPainter &p, const Theme &t) {
             p.setPen(outlinePen(t));
             p.setBrush(Qt::white);
             p.drawRoundedRect(QRectF(4, 34, 56, 24), 4, 4);
             p.setPen(strokePen(t.primary, 4));
             p.drawLine(QPointF(11, 46), QPointF(25, 46));
             p.setPen(strokePen(t.dark, 2.5));
             p.drawLine(QPointF(30, 39), QPointF(30, 53));
             pencil(p, t, QPointF(30, 36), 45, 38, 11);
         }},
        {"22 operate.png",
         [](QPainter &p, const Theme &t) { magnifier(p, t, QPointF(26, 26), 17, 24); }},
        {"23 operate.png",
         [](QPainter &p, const Theme &t) {
             for (int i = 0; i < 3; ++i) {
                 const QRectF box(6, 6 + i * 19, 14, 14);
                 p.setPen(outlinePen(t, 3.0));
                 p.setBrush(i == 1 ? Qt::white : t.primary);
                 p.drawRoundedRect(box, 2.5, 2.5);
                 if (i != 1)
                     checkMark(p, box, Qt::white, 3.0);
                 else
                     checkMark(p, box, t.primary, 3.0);
                 p.setPen(strokePen(t.dark, 4));
                 p.drawLine(QPointF(28, 13 + i * 19), QPointF(58, 13 + i * 19));
             }
         }},
        {"24 operate.png",
         [](QPainter &p, const Theme &t) { bin(p, t, QRectF(12, 4, 40, 56), t.primary); }},
        {"25 operate.png",
         [](QPainter &p, const Theme &t) {
             p.setPen(strokePen(t.dark, 4));
             for (int i = 0; i < 3; ++i) {
                 p.drawLine(QPointF(5, 8 + i * 9), QPointF(9, 8 + i * 9));
                 p.drawLine(QPointF(14, 8 + i * 9), QPointF(30 - i * 4, 8 + i * 9));
             }
             bin(p, t, QRectF(28, 18, 32, 42), t.danger);
         }},
        {"26 operate.png",
         [](QPainter &p, const Theme &t) {
             book(p, t, QRectF(6, 4, 38, 52), t.primary);
             swatchTile(p, t, QRectF(19, 14, 18, 18), QColor(0xE8, 0x7A, 0x3C));
             badge(p, t, QPointF(48, 48), 13, t.accent);
             arrow(p, QPointF(48, 39), QPointF(48, 57), Qt::white, 4, 7);
         }},
        {"27 operate.png",
         [](QPainter &p, const Theme &t) {
             book(p, t, QRectF(6, 4, 38, 52), t.primary);
             swatchTile(p, t, QRectF(17, 12, 22, 22), Qt::white);
             letterT(p, QRectF(22, 17, 12, 12), t.dark, 3.5);
             badge(p, t, QPointF(48, 48), 13, t.accent);
             arrow(p, QPointF(48, 39), QPointF(48, 57), Qt::white, 4, 7);
         }},
        {"31 cal.png",
         [](QPainter &p, const Theme &t) {
             swatchTile(p, t, QRectF(8, 8, 48, 48), Qt::white);
             p.setPen(strokePen(t.primary, 4));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(32, 32), 12, 12);
             p.drawLine(QPointF(32, 14), QPointF(32, 22));
             p.drawLine(QPointF(32, 42), QPointF(32, 50));
             p.drawLine(QPointF(14, 32), QPointF(22, 32));
             p.drawLine(QPointF(42, 32), QPointF(50, 32));
         }},
        {"32 cal.png",
         [](QPainter &p, const Theme &t) {
             swatchTile(p, t, QRectF(8, 8, 48, 48), QColor(0x1E, 0x1E, 0x22));
             p.setPen(strokePen(t.light, 4));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(32, 32), 12, 12);
             p.drawLine(QPointF(32, 14), QPointF(32, 22));
             p.drawLine(QPointF(32, 42), QPointF(32, 50));
             p.drawLine(QPointF(14, 32), QPointF(22, 32));
             p.drawLine(QPointF(42, 32), QPointF(50, 32));
         }},
        {"41 setting.png",
         [](QPainter &p, const Theme &t) { gear(p, t, QPointF(32, 32), 28, 19, 8, 8); }},
        {"42 setting.png",
         [](QPainter &p, const Theme &t) {
             const double knob[3] = {40, 20, 46};
             for (int i = 0; i < 3; ++i) {
                 const double y = 12 + i * 20;
                 p.setPen(strokePen(t.dark, 4));
                 p.drawLine(QPointF(6, y), QPointF(58, y));
                 p.setPen(strokePen(t.primary, 4));
                 p.drawLine(QPointF(6, y), QPointF(knob[i], y));
                 p.setPen(outlinePen(t, 3.0));
                 p.setBrush(i == 1 ? t.accent : Qt::white);
                 p.drawEllipse(QPointF(knob[i], y), 7, 7);
             }
         }},
        {"43 setting.png",
         [](QPainter &p, const Theme &t) {
             const double heights[4] = {30, 44, 24, 38};
             p.setPen(outlinePen(t, 3.0));
             for (int i = 0; i < 4; ++i) {
                 p.setBrush(i % 2 ? t.primary : t.light);
                 p.drawRect(QRectF(7 + i * 13, 58 - heights[i], 11, heights[i]));
             }
             p.setPen(strokePen(t.dark, 3.5));
             p.drawLine(QPointF(3, 58), QPointF(61, 58));
             QPen avg = strokePen(t.accent, 5);
             p.setPen(avg);
             p.drawLine(QPointF(3, 24), QPointF(61, 24));
         }},
        {"44 setting.png",
         [](QPainter &p, const Theme &t) {
             page(p, t, QRectF(8, 4, 38, 54), 11);
             textLines(p, t.light.darker(125), 15, 38, 22, 4, 7);
             badge(p, t, QPointF(47, 47), 14, t.primary);
             letterI(p, QPointF(47, 47), 22, Qt::white);
         }},
        {"51 measure.png",
         [](QPainter &p, const Theme &t) {
             meter(p, t, QRectF(6, 4, 24, 54));
             badge(p, t, QPointF(45, 44), 16, t.accent);
             letterT(p, QRectF(38, 36, 14, 16), Qt::white, 4.5);
         }},
        {"52 measure.png",
         [](QPainter &p, const Theme &t) {
             meter(p, t, QRectF(6, 4, 24, 54));
             badge(p, t, QPointF(45, 44), 16, t.accent);
             letterS(p, QRectF(40, 35, 11, 18), Qt::white, 4.0);
         }},
        {"53 measure.png",
         [](QPainter &p, const Theme &t) {
             p.setPen(outlinePen(t));
             p.setBrush(t.light);
             p.drawRoundedRect(QRectF(4, 10, 56, 44), 6, 6);
             p.setBrush(t.primary);
             p.drawEllipse(QPointF(20, 32), 11, 11);
             p.setBrush(t.accent);
             p.drawEllipse(QPointF(44, 32), 11, 11);
             letterT(p, QRectF(15.5, 27, 9, 10), Qt::white, 3.0);
             letterS(p, QRectF(40.5, 26.5, 7, 11.5), Qt::white, 2.8);
         }},
        {"54 measure.png",
         [](QPainter &p, const Theme &t) {
             p.setPen(outlinePen(t));
             p.setBrush(t.light);
             p.drawRoundedRect(QRectF(3, 14, 58, 38), 5, 5);
             p.setPen(Qt::NoPen);
             p.setBrush(t.dark);
             for (int row = 0; row < 2; ++row) {
                 for (int col = 0; col < 6; ++col)
                     p.drawRoundedRect(QRectF(9 + col * 8 + row * 3, 20 + row * 9, 6, 6), 1, 1);
             }
             p.setBrush(t.primary);
             p.drawRoundedRect(QRectF(16, 39, 32, 7), 1.5, 1.5);
         }},
        {"55 measure.png",
         [](QPainter &p, const Theme &t) {
             const QRectF disc(8, 8, 48, 48);
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawPie(disc, 90 * 16, 180 * 16);
             p.setBrush(QColor(0xF6, 0xD3, 0x2B));
             p.drawPie(disc, -90 * 16, 180 * 16);
             p.setPen(outlinePen(t));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(disc);
             p.drawLine(QPointF(32, 8), QPointF(32, 56));
         }},
        {"61 data.png",
         [](QPainter &p, const Theme &t) {
             p.setPen(outlinePen(t));
             p.setBrush(t.light);
             p.drawRoundedRect(QRectF(26, 6, 34, 26), 3, 3);
             p.setBrush(t.primary);
             p.drawRect(QRectF(31, 11, 24, 16));
             p.setBrush(t.dark);
             p.drawRect(QRectF(38, 32, 10, 6));
             p.drawRoundedRect(QRectF(32, 38, 22, 4), 2, 2);
             meter(p, t, QRectF(4, 26, 16, 34));
             arrow(p, QPointF(22, 50), QPointF(40, 50), t.accent, 6, 9);
             p.setPen(strokePen(t.accent, 6));
             p.drawLine(QPointF(22, 50), QPointF(22, 50));
         }},
        {"71 library.png",
         [](QPainter &p, const Theme &t) {
             p.setPen(outlinePen(t, 3.0));
             p.setBrush(t.primary);
             p.drawRoundedRect(QRectF(6, 10, 12, 46), 2, 2);
             p.setBrush(t.light);
             p.drawRoundedRect(QRectF(19, 16, 12, 40), 2, 2);
             p.setBrush(t.accent);
             p.drawRoundedRect(QRectF(32, 6, 10, 50), 2, 2);
             p.save();
             p.translate(46, 56);
             p.rotate(-14);
             p.setBrush(t.primary);
             p.drawRoundedRect(QRectF(0, -44, 11, 44), 2, 2);
             p.restore();
             p.setPen(strokePen(Qt::white, 2.5));
             p.drawLine(QPointF(9, 18), QPointF(15, 18));
             p.drawLine(QPointF(35, 14), QPointF(39, 14));
             p.setPen(strokePen(t.dark, 4));
             p.drawLine(QPointF(3, 58), QPointF(61, 58));
         }},
        {"72 library.png",
         [](QPainter &p, const Theme &t) {
             // The history: a page of records with a clock over its corner.
             page(p, t, QRectF(6, 4, 38, 50), 10);
             textLines(p, t.primary, 13, 34, 20, 4, 8);
             p.setPen(outlinePen(t));
             p.setBrush(t.accent);
             p.drawEllipse(QPointF(44, 44), 16, 16);
             p.setPen(strokePen(Qt::white, 4));
             p.drawLine(QPointF(44, 44), QPointF(44, 34));
             p.drawLine(QPointF(44, 44), QPointF(51, 48));
         }},
        {"81 about.png",
         [](QPainter &p, const Theme &t) {
             p.setPen(outlinePen(t));
             p.setBrush(t.primary);
             p.drawEllipse(QPointF(32, 32), 27, 27);
             letterI(p, QPointF(32, 32), 40, Qt::white);
         }},
        {"newType.png",
         [](QPainter &p, const Theme &t) {
             p.setPen(outlinePen(t));
             p.setBrush(t.primary);
             p.drawRoundedRect(QRectF(5, 6, 40, 40), 6, 6);
             letterT(p, QRectF(15, 16, 20, 22), Qt::white, 5);
             plusBadge(p, t, QPointF(47, 47), 13, t.accent);
         }},
        {"addItem.png",
         [](QPainter &p, const Theme &t) {
             p.setPen(strokePen(t.dark, 3.0));
             p.drawLine(QPointF(12, 16), QPointF(12, 44));
             p.drawLine(QPointF(12, 28), QPointF(20, 28));
             p.drawLine(QPointF(12, 44), QPointF(20, 44));
             p.setPen(outlinePen(t, 3.0));
             p.setBrush(t.primary);
             p.drawRoundedRect(QRectF(4, 4, 26, 12), 3, 3);
             p.setBrush(t.light);
             p.drawRoundedRect(QRectF(20, 22, 24, 12), 3, 3);
             p.setBrush(Qt::white);
             p.drawRoundedRect(QRectF(20, 38, 18, 12), 3, 3);
             plusBadge(p, t, QPointF(47, 47), 13, t.accent);
         }},
    };
    return table;
}

QImage desaturated(const QImage &in)
{
    QImage out = in.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int g = qGray(line[x]);
            line[x] = qRgba(g, g, g, qAlpha(line[x]));
        }
    }
    return out;
}

} // namespace

QList<Theme> themes()
{
    return {
        {"blue", QColor(0x25, 0x6F, 0xB8), QColor(0x17, 0x3A, 0x5E), QColor(0xCF, 0xE3, 0xF6),
         QColor(0xF0, 0x8A, 0x24), QColor(0xD2, 0x45, 0x45), false},
        {"green", QColor(0x2E, 0x8B, 0x57), QColor(0x1B, 0x4D, 0x33), QColor(0xD4, 0xEF, 0xDD),
         QColor(0xE8, 0xA3, 0x17), QColor(0xC8, 0x4B, 0x3C), false},
        {"gray", QColor(0x73, 0x79, 0x82), QColor(0x33, 0x37, 0x3D), QColor(0xDD, 0xE0, 0xE4),
         QColor(0x52, 0x57, 0x5E), QColor(0x5E, 0x63, 0x6A), true},
    };
}

QStringList actionIconFiles()
{
    return {
        "11 file.png",    "12 file.png",    "13 file.png",    "14 file.png",    "15 file.png",
        "16 file.png",    "17 file.png",    "18 file.png",    "21 operate.png", "22 operate.png",
        "23 operate.png", "24 operate.png", "25 operate.png", "26 operate.png", "27 operate.png",
        "31 cal.png",     "32 cal.png",     "41 setting.png", "42 setting.png", "43 setting.png",
        "44 setting.png", "51 measure.png", "52 measure.png", "53 measure.png", "54 measure.png",
        "55 measure.png", "61 data.png",    "71 library.png", "72 library.png", "81 about.png"};
}

QStringList blueOnlyIconFiles()
{
    return {"newType.png", "addItem.png"};
}

QImage actionIcon(const QString &file, const Theme &theme, int size)
{
    const auto it = painters().constFind(file);
    if (it == painters().constEnd())
        return QImage();
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    it.value()(p, theme);
    p.end();
    return theme.monochrome ? desaturated(img) : img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace art
