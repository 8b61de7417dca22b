#include "reportPages.h"

#include "colorDifference.h"
#include "colorVocabulary.h"
#include "deviationCharts.h"
#include "measurementTreeRk.h"
#include "shownNumber.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

const char *const context = "printRk";

QString word(const char *text)
{
    return QCoreApplication::translate(context, text);
}

// --- Numbers and texts -------------------------------------------------------

QString twoDecimals(float value)
{
    return shownNumber(double(value));
}

ColorTriple valuesOf(const ItemTexts &item)
{
    // A text that is no number reads as 0, as everywhere else.
    return {item[value1Column].toFloat(), item[value2Column].toFloat(),
            item[value3Column].toFloat()};
}

// What the page says about one Sample against its Type.
struct sampleNumbers
{
    ColorTriple type;
    ColorTriple sample;
    float d[3];
    float dE;
    // The verdicts by the information panel's rule (a value equal to its
    // limit passes, a difference that is not a number fails): ΔE, first,
    // second, third.
    QStringList verdicts;
};

sampleNumbers numbersOf(const ItemTexts &type, const ItemTexts &sample, const Tolerance &tolerance)
{
    sampleNumbers n;
    n.type = valuesOf(type);
    n.sample = valuesOf(sample);
    for (int i = 0; i < 3; ++i)
        n.d[i] = n.sample[i] - n.type[i];
    n.dE = colorDifference(n.type, n.sample, sample[colorSpaceColumn], sample[formulaColumn]);
    n.verdicts =
        judgementTexts(n.dE, n.d[0], n.d[1], n.d[2], sample[colorSpaceColumn], tolerance).mid(3);
    return n;
}

// --- Drawing helpers -----------------------------------------------------------

void setPixelFont(QPainter &painter, int pixelSize)
{
    QFont font = painter.font();
    font.setPixelSize(qMax(1, pixelSize));
    painter.setFont(font);
}

// `text` in the cell between `from` and `to` (twentieths of the width),
// baseline at `y`: centred by its estimated width, moved left by `shift`.
// A text wider than its cell is drawn smaller, and one that fits is kept
// between the cell's lines, so no text runs over a grid line.
void centredText(QPainter &painter, const reportGeometry &g, double from, double to, double y,
                 const QString &text, int pixelSize, double shift = 0)
{
    if (text.isEmpty())
        return;
    const double left = g.x(from);
    const double right = g.x(to);
    const double padding = (right - left) * 0.03;
    const double room = right - left - 2 * padding;
    const double width = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text);
    if (width <= room) {
        const double centre = (left + right) / 2.0;
        const double x = centre - textWidthUnits(text) * pixelSize / 2.0 - shift;
        painter.drawText(QPointF(qBound(left + padding, x, right - padding - width), y), text);
        return;
    }
    const QFont font = painter.font();
    QFont smaller = font;
    smaller.setPixelSize(qMax(1, int(pixelSize * room / width)));
    painter.setFont(smaller);
    const double fitted = QFontMetricsF(smaller, painter.device()).horizontalAdvance(text);
    painter.drawText(QPointF((left + right - fitted) / 2.0, y), text);
    painter.setFont(font);
}

// A grid row band: the horizontal lines at its top and bottom and a vertical
// line at each edge (edges in twentieths of the width).
void gridRow(QPainter &painter, const reportGeometry &g, int y0, int y1,
             std::initializer_list<double> edges)
{
    QVector<QLineF> lines;
    lines.reserve(int(edges.size()) + 2);
    const double left = g.x(*edges.begin());
    const double right = g.x(*(edges.end() - 1));
    lines << QLineF(left, y0, right, y0) << QLineF(left, y1, right, y1);
    for (double e : edges)
        lines << QLineF(g.x(e), y0, g.x(e), y1);
    painter.drawLines(lines);
}

void blackPen(QPainter &painter)
{
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
}

void drawTitle(QPainter &painter, const reportGeometry &g, const QString &title)
{
    setPixelFont(painter, g.P);
    painter.drawText(QPointF((g.W - g.P * textWidthUnits(title)) / 2.0, g.top), title);
    painter.drawLine(QPointF(g.x(1), g.top + g.u), QPointF(g.x(19), g.top + g.u));
}

// The grey-labelled heading grid: rows of 2u from `top + 2u`, with label
// cells in the first and third columns.
void drawHeading(QPainter &painter, const reportGeometry &g, const QVector<QStringList> &rows)
{
    const int pixel = g.s;
    setPixelFont(painter, pixel);
    const double edges[] = {1, 3, 10, 12, 19};
    for (int r = 0; r < rows.size(); ++r) {
        const int y0 = g.top + int((2 + 2 * r) * g.u);
        const int y1 = g.top + int((4 + 2 * r) * g.u);
        painter.fillRect(QRectF(QPointF(g.x(1), y0), QPointF(g.x(3), y1)), QColor(240, 240, 240));
        painter.fillRect(QRectF(QPointF(g.x(10), y0), QPointF(g.x(12), y1)), QColor(240, 240, 240));
        gridRow(painter, g, y0, y1, {1, 3, 10, 12, 19});
        const double y = g.top + (3 + 2 * r) * g.u + pixel / 2.0;
        for (int c = 0; c < 4; ++c)
            centredText(painter, g, edges[c], edges[c + 1], y, rows[r].value(c), pixel);
    }
}

// --- Report 1 --------------------------------------------------------------------

// Eleven columns shared by every table of Report 1.
const double report1Edges[] = {1, 3, 5.5, 7, 8.5, 10, 11.5, 13, 14.5, 16, 17.5, 19};
const int rowTenths = 16;       // a table row: 1.6 units
const int typeBlockTenths = 32; // the Type block: two rows
const int pageEndTenths = 570;  // a page ends once the cursor passes 57 units

void report1Row(QPainter &painter, const reportGeometry &g, int y0, int y1, const QColor &fill)
{
    if (fill.isValid())
        painter.fillRect(QRectF(QPointF(g.x(1), y0), QPointF(g.x(19), y1)), fill);
    gridRow(painter, g, y0, y1, {1, 3, 5.5, 7, 8.5, 10, 11.5, 13, 14.5, 16, 17.5, 19});
}

// The eleven texts of a row; the eighth cell is moved left by `eighthShift`.
void report1Texts(QPainter &painter, const reportGeometry &g, double y, const QStringList &texts,
                  double eighthShift)
{
    for (int c = 0; c < 11; ++c)
        centredText(painter, g, report1Edges[c], report1Edges[c + 1], y, texts.value(c), g.t,
                    c == 7 ? eighthShift : 0);
}

void paintTypeBlock(QPainter &painter, const reportGeometry &g, const ItemTexts &type, int row)
{
    const int y0 = g.rowY(row);
    const int y1 = g.rowY(row + typeBlockTenths);
    const int middle = g.rowY(row + rowTenths);
    painter.fillRect(QRectF(QPointF(g.x(1), y0), QPointF(g.x(19), y1)), QColor(220, 220, 220));
    report1Row(painter, g, y0, middle, QColor());
    report1Row(painter, g, middle, y1, QColor());
    const QStringList names = reportComponentNames(type[colorSpaceColumn]);
    const double r = row / 10.0;
    const ColorTriple v = valuesOf(type);
    report1Texts(painter, g, g.top + (r + 0.8) * g.u + g.t / 2.0,
                 {word(QT_TRANSLATE_NOOP("printRk", "Type")),
                  word(QT_TRANSLATE_NOOP("printRk", "Color Space")),
                  word(QT_TRANSLATE_NOOP("printRk", "Light")),
                  word(QT_TRANSLATE_NOOP("printRk", "Observer")),
                  word(QT_TRANSLATE_NOOP("printRk", "Method")),
                  word(QT_TRANSLATE_NOOP("printRk", "Caliber")),
                  word(QT_TRANSLATE_NOOP("printRk", "Mode")),
                  word(QT_TRANSLATE_NOOP("printRk", "TestTimes")), names.value(0), names.value(1),
                  names.value(2)},
                 10);
    report1Texts(painter, g, g.top + (r + 2.4) * g.u + g.t / 2.0,
                 {type[nameColumn], reportColorSpaceText(type[colorSpaceColumn]),
                  type[lightSourceColumn], type[observerColumn], type[illuminationColumn],
                  type[caliberColumn], type[lightModeColumn], type[averageTimesColumn],
                  twoDecimals(v[0]), twoDecimals(v[1]), twoDecimals(v[2])},
                 20);
}

void paintSampleHeader(QPainter &painter, const reportGeometry &g, const ItemTexts &firstSample,
                       int row)
{
    report1Row(painter, g, g.rowY(row), g.rowY(row + rowTenths), QColor(240, 240, 240));
    const QStringList names = reportComponentNames(firstSample[colorSpaceColumn]);
    report1Texts(painter, g, g.top + (row / 10.0 + 0.8) * g.u + g.t / 2.0,
                 {word(QT_TRANSLATE_NOOP("printRk", "Sample")),
                  word(QT_TRANSLATE_NOOP("printRk", "Formula")), names.value(3), names.value(4),
                  names.value(5), firstSample[formulaColumn],
                  word(QT_TRANSLATE_NOOP("printRk", "Tolerance")),
                  word(QT_TRANSLATE_NOOP("printRk", "Judge")), names.value(0), names.value(1),
                  names.value(2)},
                 10);
}

void paintSampleRow(QPainter &painter, const reportGeometry &g, const ItemTexts &type,
                    const ItemTexts &sample, const Tolerance &tolerance, int row)
{
    report1Row(painter, g, g.rowY(row), g.rowY(row + rowTenths), QColor());
    const sampleNumbers n = numbersOf(type, sample, tolerance);
    report1Texts(painter, g, g.top + (row / 10.0 + 0.8) * g.u + g.t / 2.0,
                 {sample[nameColumn], sample[formulaColumn], twoDecimals(n.d[0]),
                  twoDecimals(n.d[1]), twoDecimals(n.d[2]), twoDecimals(n.dE), tolerance.delatE,
                  n.verdicts.value(0), twoDecimals(n.sample[0]), twoDecimals(n.sample[1]),
                  twoDecimals(n.sample[2])},
                 10);
}

void paintReport1Footer(QPainter &painter, const reportGeometry &g, int pageNumber)
{
    const int y = int(0.99 * g.H);
    painter.drawLine(QPointF(g.x(8.5), y), QPointF(g.x(9.7), y));
    painter.drawLine(QPointF(g.x(10.3), y), QPointF(g.x(11.5), y));
    setPixelFont(painter, g.t);
    const QString number = QString::number(pageNumber);
    painter.drawText(QPointF(g.W / 2.0 - number.size() * g.t / 2.0, 0.99 * g.H + g.t / 3.0),
                     number);
}

int closingFontSize(const reportGeometry &g)
{
    return 4 * g.t / 3;
}

void paintReport1Closing(QPainter &painter, const reportGeometry &g, const QString &printTime)
{
    setPixelFont(painter, closingFontSize(g));
    const double y = 19.3 * g.H / 20.0;
    painter.drawText(QPointF(g.x(1), y), word(QT_TRANSLATE_NOOP("printRk", "signature:")));
    painter.drawLine(QPointF(g.x(2), 19.6 * g.H / 20.0), QPointF(g.x(6), 19.6 * g.H / 20.0));
    painter.drawText(QPointF(g.x(12), y),
                     word(QT_TRANSLATE_NOOP("printRk", "Print Time:")) + printTime);
}

// --- Report 2 --------------------------------------------------------------------

void report2Grey(QPainter &painter, const reportGeometry &g, double from, double to, int y0, int y1)
{
    painter.fillRect(QRectF(QPointF(g.x(from), y0), QPointF(g.x(to), y1)), QColor(240, 240, 240));
}

void paintConditions(QPainter &painter, const reportGeometry &g, const ItemTexts &sample)
{
    setPixelFont(painter, g.s);
    const int y0 = g.top + int(7 * g.u);
    const int y1 = g.top + int(9 * g.u);
    const int y2 = g.top + int(11 * g.u);
    const double edges[] = {1, 3.2, 5.4, 7.6, 9.8, 12, 14.4, 16.6, 19};
    report2Grey(painter, g, 1, 19, y0, y1);
    gridRow(painter, g, y0, y1, {1, 3.2, 5.4, 7.6, 9.8, 12, 14.4, 16.6, 19});
    gridRow(painter, g, y1, y2, {1, 3.2, 5.4, 7.6, 9.8, 12, 14.4, 16.6, 19});
    const QStringList headers = {word(QT_TRANSLATE_NOOP("printRk", "Light")),
                                 word(QT_TRANSLATE_NOOP("printRk", "Method")),
                                 word(QT_TRANSLATE_NOOP("printRk", "Color Space")),
                                 word(QT_TRANSLATE_NOOP("printRk", "Formula")),
                                 word(QT_TRANSLATE_NOOP("printRk", "Observer")),
                                 word(QT_TRANSLATE_NOOP("printRk", "Caliber")),
                                 word(QT_TRANSLATE_NOOP("printRk", "Mode")),
                                 word(QT_TRANSLATE_NOOP("printRk", "TestTimes"))};
    const QStringList values = {sample[lightSourceColumn],
                                sample[illuminationColumn],
                                reportColorSpaceText(sample[colorSpaceColumn]),
                                sample[formulaColumn],
                                sample[observerColumn],
                                sample[caliberColumn],
                                sample[lightModeColumn],
                                sample[averageTimesColumn]};
    for (int c = 0; c < 8; ++c) {
        centredText(painter, g, edges[c], edges[c + 1], g.top + 8 * g.u + g.s / 2.0, headers[c],
                    g.s, c == 7 ? 20 : 0);
        centredText(painter, g, edges[c], edges[c + 1], g.top + 10 * g.u + g.s / 2.0, values[c],
                    g.s, c == 3 ? 20 : 0);
    }
}

void paintMeasurement(QPainter &painter, const reportGeometry &g, const reportData &data,
                      const ItemTexts &sample)
{
    setPixelFont(painter, g.s);
    const int y0 = g.top + int(12 * g.u);
    const int y1 = g.top + int(14 * g.u);
    const int y2 = g.top + int(16 * g.u);
    const double edges[] = {1, 7, 13, 19};
    report2Grey(painter, g, 1, 19, y0, y1);
    gridRow(painter, g, y0, y1, {1, 7, 13, 19});
    gridRow(painter, g, y1, y2, {1, 7, 13, 19});
    const QStringList headers = {word(QT_TRANSLATE_NOOP("printRk", "Measurement")),
                                 word(QT_TRANSLATE_NOOP("printRk", "Instrument")),
                                 word(QT_TRANSLATE_NOOP("printRk", "Tolerance"))};
    const QStringList values = {data.printInfo.measurementName, sample[instrumentModelColumn],
                                sample[formulaColumn] + QLatin1Char('<') + data.tolerance.delatE};
    for (int c = 0; c < 3; ++c) {
        centredText(painter, g, edges[c], edges[c + 1], g.top + 13 * g.u + g.s / 2.0, headers[c],
                    g.s);
        centredText(painter, g, edges[c], edges[c + 1], g.top + 15 * g.u + g.s / 2.0, values[c],
                    g.s);
    }
}

void paintValueTable(QPainter &painter, const reportGeometry &g, const ItemTexts &type,
                     const ItemTexts &sample, const sampleNumbers &n)
{
    setPixelFont(painter, g.s);
    const int y0 = g.top + int(17 * g.u);
    auto rowTop = [&](int k) { return y0 + int(2 * k * g.u); };
    // Grey: the header row and the first column.
    report2Grey(painter, g, 1, 19, rowTop(0), rowTop(1));
    report2Grey(painter, g, 1, 3, rowTop(1), rowTop(5));
    for (int k = 0; k < 4; ++k)
        gridRow(painter, g, rowTop(k), rowTop(k + 1), {1, 3, 6, 9, 12, 16, 19});
    gridRow(painter, g, rowTop(4), rowTop(5), {1, 3, 9, 16, 19});
    // The chart box below the table.
    gridRow(painter, g, y0 + int(10 * g.u), y0 + int(42 * g.u), {1, 19});

    const QString space = sample[colorSpaceColumn];
    const QStringList names = reportComponentNames(space);
    const double edges[] = {1, 3, 6, 9, 12, 16, 19};
    auto y = [&](int k) { return g.top + (18 + 2 * k) * g.u + g.s / 2.0; };
    auto cell = [&](int k, int c, const QString &text) {
        centredText(painter, g, edges[c], edges[c + 1], y(k), text, g.s);
    };
    cell(0, 1, type[nameColumn]);
    cell(0, 2, sample[nameColumn]);
    cell(0, 3, word(QT_TRANSLATE_NOOP("printRk", "Value")));
    cell(0, 4, word(QT_TRANSLATE_NOOP("printRk", "Bias")));
    cell(0, 5, word(QT_TRANSLATE_NOOP("printRk", "Result")));
    for (int i = 0; i < 3; ++i) {
        cell(i + 1, 0, names.value(i));
        cell(i + 1, 1, twoDecimals(n.type[i]));
        cell(i + 1, 2, twoDecimals(n.sample[i]));
        cell(i + 1, 3, twoDecimals(n.d[i]));
        cell(i + 1, 4, report2DeviationWord(i, n.d[i], space));
        cell(i + 1, 5, n.verdicts.value(i + 1));
    }
    centredText(painter, g, 1, 3, y(4), word(QT_TRANSLATE_NOOP("printRk", "Test Time")), g.s);
    centredText(painter, g, 3, 9, y(4), sample[timeColumn], g.s);
    centredText(painter, g, 9, 16, y(4),
                word(QT_TRANSLATE_NOOP("printRk", "Value ")) + sample[formulaColumn] +
                    QLatin1Char('=') + twoDecimals(n.dE),
                g.s);
    centredText(painter, g, 16, 19, y(4), n.verdicts.value(0), g.s);
}

void paintCharts(QPainter &painter, const reportGeometry &g, const reportData &data,
                 const ItemTexts &sample, const sampleNumbers &n,
                 const reportData::chromaticCloud &cloud)
{
    const Tolerance &t = data.tolerance;
    lightnessDeviation lightness;
    lightness.colorSpace = sample[colorSpaceColumn];
    lightness.plusTolerance = t.pDelatL.toFloat();
    lightness.minusTolerance = t.nDelatL.toFloat();
    lightness.value = n.d[0];
    chromaticDeviation chromatic;
    chromatic.colorSpace = sample[colorSpaceColumn];
    chromatic.verticalPlus = t.pDelata.toFloat();
    chromatic.verticalMinus = t.nDelata.toFloat();
    chromatic.horizontalPlus = t.pDelatb.toFloat();
    chromatic.horizontalMinus = t.nDelatb.toFloat();
    chromatic.vertical = n.d[1];
    chromatic.horizontal = n.d[2];
    chromatic.samples = cloud.samples;
    chromatic.ellipse = cloud.ellipse;

    // The regions of the two charts, moved 100 pixels down, and kept within
    // the chart box: the lightness band is three quarters of its region's
    // height, and a region taller than the box would run the band and its
    // texts over the table above and the signature below.
    const int base = int(22.5 * g.u);
    const int tableTop = g.top + int(17 * g.u);
    const int y0 = qMax(base + int(g.u) + 100, tableTop + int(10 * g.u));
    const int y1 = qMin(base + int(46 * g.u) + 100, tableTop + int(42 * g.u));
    const QRect lightnessRegion(QPoint(int(g.x(1.5)), y0), QPoint(int(g.x(6)), y1));
    const QRect chromaticRegion(QPoint(int(g.x(6)), y0), QPoint(int(g.x(19)), y1));

    setPixelFont(painter, g.s);
    const double textUnit = painter.device() ? painter.device()->logicalDpiY() / 96.0 : 1.0;
    const deviationChartStyle style = deviationChartStyle::print(textUnit);
    paintLightnessDeviation(painter, lightnessRegion, lightness, style);
    paintChromaticDeviation(painter, chromaticRegion, chromatic, style);
    blackPen(painter);
}

} // namespace

// --- Data ----------------------------------------------------------------------

int reportData::entryCount() const
{
    return markedItemCount(marked);
}

int reportData::sampleCount() const
{
    int count = 0;
    for (const MarkedType &type : marked)
        count += type.samples.size();
    return count;
}

QString reportData::printTime(const QDateTime &now) const
{
    return printInfo.timeFlag ? now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
                              : printInfo.printTime;
}

const reportData::chromaticCloud &reportData::cloudOf(int type) const
{
    auto found = m_clouds.find(type);
    if (found != m_clouds.end())
        return found.value();
    chromaticCloud cloud;
    if (type >= 0 && type < marked.size()) {
        const MarkedType &m = marked[type];
        const ColorTriple t = valuesOf(m.type);
        QVector<SampleDeviation> deviations;
        for (const ItemTexts &sample : m.samples) {
            const ColorTriple v = valuesOf(sample);
            SampleDeviation d;
            d.d2 = double(v[1] - t[1]);
            d.d3 = double(v[2] - t[2]);
            deviations << d;
            cloud.samples << QPointF(d.d2, d.d3);
        }
        cloud.ellipse = processStatistics(deviations, tolerance).ellipse;
    }
    return m_clouds.insert(type, cloud).value();
}

reportData collectReportData(const measurementTreeRk &tree, const sharedState &state)
{
    reportData data;
    data.marked = markedTypes(tree);
    data.printInfo = state.printInfo();
    data.tolerance = state.tolerance();
    return data;
}

reportGeometry::reportGeometry(const QSize &page)
    : W(page.width()), H(page.height()), u(3.0 * page.height() / 200.0), top(int(4 * u)),
      P((page.width() + page.height()) / 60), s(P / 2), t(3 * s / 4)
{
}

int reportGeometry::rowY(int tenths) const
{
    return top + int(tenths * u / 10.0);
}

// --- Words ---------------------------------------------------------------------

double textWidthUnits(const QString &text)
{
    double units = 0;
    for (const QChar c : text)
        units += (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FA5) ? 1.0 : 0.5;
    return units;
}

QStringList reportComponentNames(const QString &colorSpace)
{
    const QChar d(0x0394);
    auto withDifferences = [d](const QStringList &three) {
        return three + QStringList{d + three[0], d + three[1], d + three[2]};
    };
    switch (colorSpaceOf(colorSpace, SpaceSpellings::Conversion)) {
    case ColorSpace::Lab:
        return withDifferences({"L", "a", "b"});
    case ColorSpace::Lch:
        return withDifferences({"L", "c", "H"});
    case ColorSpace::Xyz:
        return withDifferences({"X", "Y", "Z"});
    case ColorSpace::Luv:
        return withDifferences({"L*", "u*", "v*"});
    case ColorSpace::Hunter:
        return withDifferences({"HunterL", "HunterA", "HunterB"});
    case ColorSpace::Srgb:
        return withDifferences({"R", "G", "B"});
    case ColorSpace::None:
        break;
    }
    return QStringList{QString(), QString(), QString(), QString(), QString(), QString()};
}

QString reportColorSpaceText(const QString &colorSpace)
{
    if (colorSpace == labSpaceName())
        return QStringLiteral("CIEL*a*b*");
    return colorSpace;
}

QString report2DeviationWord(int coordinate, float difference, const QString &space)
{
    if (std::isnan(difference))
        return QStringLiteral("--");
    if (difference == 0.0f)
        return word(QT_TRANSLATE_NOOP("printRk", "Normal"));
    const bool positive = difference > 0;
    const ColorSpace named = colorSpaceOf(space, SpaceSpellings::ReportWords);
    const bool xyz = named == ColorSpace::Xyz;
    const bool rgb = named == ColorSpace::Srgb;
    const bool lch = named == ColorSpace::Lch;
    const bool labLike =
        named == ColorSpace::Lab || named == ColorSpace::Luv || named == ColorSpace::Hunter;
    if (xyz)
        return QStringLiteral("--");
    switch (coordinate) {
    case 0:
        if (rgb)
            return positive ? word(QT_TRANSLATE_NOOP("printRk", "Red+ "))
                            : word(QT_TRANSLATE_NOOP("printRk", "Red- "));
        return positive ? word(QT_TRANSLATE_NOOP("printRk", "Black- White+ "))
                        : word(QT_TRANSLATE_NOOP("printRk", "White- Black+ "));
    case 1:
        if (lch)
            return positive ? word(QT_TRANSLATE_NOOP("printRk", "Supersaturation"))
                            : word(QT_TRANSLATE_NOOP("printRk", "Undersaturation"));
        if (rgb)
            return positive ? word(QT_TRANSLATE_NOOP("printRk", "Green+ "))
                            : word(QT_TRANSLATE_NOOP("printRk", "Green- "));
        if (labLike)
            return positive ? word(QT_TRANSLATE_NOOP("printRk", "Green- Red+ "))
                            : word(QT_TRANSLATE_NOOP("printRk", "Red- Green+ "));
        return QString();
    case 2:
        if (lch)
            return positive ? word(QT_TRANSLATE_NOOP("printRk", "Hue+ "))
                            : word(QT_TRANSLATE_NOOP("printRk", "Hue- "));
        if (rgb)
            return positive ? word(QT_TRANSLATE_NOOP("printRk", "Blue+ "))
                            : word(QT_TRANSLATE_NOOP("printRk", "Blue- "));
        if (labLike)
            return positive ? word(QT_TRANSLATE_NOOP("printRk", "Blue- Yellow+ "))
                            : word(QT_TRANSLATE_NOOP("printRk", "Yellow- Blue+"));
        return QString();
    default:
        return QString();
    }
}

// --- Report 1 --------------------------------------------------------------------

report1Plan planReport1(const reportData &data, const QSize &pageSize)
{
    report1Plan plan;
    plan.pages.append(QVector<report1Block>());
    int r = 90;
    auto pageCheck = [&] {
        if (r > pageEndTenths) {
            plan.pages.append(QVector<report1Block>());
            r = 10;
        }
    };
    for (int ti = 0; ti < data.marked.size(); ++ti) {
        const MarkedType &type = data.marked[ti];
        pageCheck();
        r += 10;
        plan.pages.last().append({report1Block::typeBlock, ti, -1, r});
        r += typeBlockTenths;
        if (!type.samples.isEmpty()) {
            pageCheck();
            plan.pages.last().append({report1Block::sampleHeader, ti, -1, r});
            r += rowTenths;
        }
        // The page is checked before each block only: a page filled by its
        // last row starts no page of its own.
        for (int si = 0; si < type.samples.size(); ++si) {
            pageCheck();
            plan.pages.last().append({report1Block::sampleRow, ti, si, r});
            r += rowTenths;
        }
    }
    // The closing lines need the room below the table: when the last block
    // reaches down to them they start a page of their own.
    const reportGeometry g(pageSize);
    const QVector<report1Block> &last = plan.pages.last();
    if (!last.isEmpty()) {
        const report1Block &b = last.last();
        const int bottom =
            g.rowY(b.row + (b.kind == report1Block::typeBlock ? typeBlockTenths : rowTenths));
        const double closingTop = 19.3 * g.H / 20.0 - closingFontSize(g);
        if (bottom > closingTop)
            plan.pages.append(QVector<report1Block>());
    }
    return plan;
}

void paintReport1Page(QPainter &painter, const QRect &page, const reportData &data,
                      const report1Plan &plan, int index, const QString &printTime)
{
    if (index < 0 || index >= plan.pageCount())
        return;
    painter.save();
    painter.translate(page.topLeft());
    blackPen(painter);
    const reportGeometry g(page.size());
    if (index == 0) {
        drawTitle(painter, g, word(QT_TRANSLATE_NOOP("printRk", "Color Difference Test Report 1")));
        const QString instrument =
            data.marked.isEmpty() ? QString() : data.marked.first().type[instrumentModelColumn];
        const PrintInfo &p = data.printInfo;
        drawHeading(painter, g,
                    {{word(QT_TRANSLATE_NOOP("printRk", "Company")), p.company,
                      word(QT_TRANSLATE_NOOP("printRk", "Department")), p.department},
                     {word(QT_TRANSLATE_NOOP("printRk", "Measurer")), p.measurementPerson,
                      word(QT_TRANSLATE_NOOP("printRk", "Product")), p.productTested},
                     {word(QT_TRANSLATE_NOOP("printRk", "Name")), p.measurementName,
                      word(QT_TRANSLATE_NOOP("printRk", "Instrument")), instrument}});
    }
    setPixelFont(painter, g.t);
    for (const report1Block &b : plan.pages[index]) {
        const MarkedType &type = data.marked[b.type];
        switch (b.kind) {
        case report1Block::typeBlock:
            paintTypeBlock(painter, g, type.type, b.row);
            break;
        case report1Block::sampleHeader:
            paintSampleHeader(painter, g, type.samples.first(), b.row);
            break;
        case report1Block::sampleRow:
            paintSampleRow(painter, g, type.type, type.samples[b.sample], data.tolerance, b.row);
            break;
        }
    }
    paintReport1Footer(painter, g, index + 1);
    if (index == plan.pageCount() - 1)
        paintReport1Closing(painter, g, printTime);
    painter.restore();
}

// --- Report 2 --------------------------------------------------------------------

QVector<QPair<int, int>> report2Pages(const reportData &data)
{
    QVector<QPair<int, int>> pages;
    for (int ti = 0; ti < data.marked.size(); ++ti)
        for (int si = 0; si < data.marked[ti].samples.size(); ++si)
            pages.append({ti, si});
    return pages;
}

void paintReport2Page(QPainter &painter, const QRect &page, const reportData &data, int type,
                      int sample, const QString &printTime)
{
    if (type < 0 || type >= data.marked.size() || sample < 0 ||
        sample >= data.marked[type].samples.size())
        return;
    painter.save();
    painter.translate(page.topLeft());
    blackPen(painter);
    const reportGeometry g(page.size());
    const ItemTexts &typeItem = data.marked[type].type;
    const ItemTexts &sampleItem = data.marked[type].samples[sample];
    const sampleNumbers n = numbersOf(typeItem, sampleItem, data.tolerance);
    const PrintInfo &p = data.printInfo;

    drawTitle(painter, g, word(QT_TRANSLATE_NOOP("printRk", "Color Difference Test Report 2")));
    drawHeading(painter, g,
                {{word(QT_TRANSLATE_NOOP("printRk", "Company")), p.company,
                  word(QT_TRANSLATE_NOOP("printRk", "Department")), p.department},
                 {word(QT_TRANSLATE_NOOP("printRk", "Measurer")), p.measurementPerson,
                  word(QT_TRANSLATE_NOOP("printRk", "Product")), p.productTested}});
    paintConditions(painter, g, sampleItem);
    paintMeasurement(painter, g, data, sampleItem);
    paintValueTable(painter, g, typeItem, sampleItem, n);
    paintCharts(painter, g, data, sampleItem, n, data.cloudOf(type));

    setPixelFont(painter, g.s);
    const double y = 19.5 * g.H / 20.0;
    painter.drawText(QPointF(g.x(1), y), word(QT_TRANSLATE_NOOP("printRk", "Signature:")));
    painter.drawLine(QPointF(g.x(2), 19.8 * g.H / 20.0), QPointF(g.x(6), 19.8 * g.H / 20.0));
    painter.drawText(QPointF(g.x(12), y), printTime);
    painter.restore();
}

// --- Printing ----------------------------------------------------------------------

bool printReport(QPagedPaintDevice *device, int format, const reportData &data, QString *error,
                 bool *started)
{
    if (started)
        *started = false;
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    QPainter painter;
    if (device)
        device->setPageSize(QPageSize(QPageSize::A4));
    if (!device || !painter.begin(device))
        return fail(
            word(QT_TRANSLATE_NOOP("printRk", "The report could not be printed: the printer could "
                                              "not be started.")));
    if (started)
        *started = true;
    const QRect page(0, 0, device->width(), device->height());
    const QString printTime = data.printTime(QDateTime::currentDateTime());
    bool pageAdded = true;
    int failedPage = 0;
    if (format == 1) {
        const report1Plan plan = planReport1(data, page.size());
        for (int i = 0; i < plan.pageCount() && pageAdded; ++i) {
            if (i > 0 && !device->newPage()) {
                pageAdded = false;
                failedPage = i + 1;
                break;
            }
            paintReport1Page(painter, page, data, plan, i, printTime);
        }
    } else {
        const QVector<QPair<int, int>> pages = report2Pages(data);
        for (int i = 0; i < pages.size(); ++i) {
            if (i > 0 && !device->newPage()) {
                pageAdded = false;
                failedPage = i + 1;
                break;
            }
            paintReport2Page(painter, page, data, pages[i].first, pages[i].second, printTime);
        }
    }
    auto *printer = dynamic_cast<QPrinter *>(device);
    // A report cut short must not reach the paper as if it were whole:
    // the run is aborted where the platform's print engine can do so.
    if (!pageAdded && printer)
        printer->abort();
    const bool ended = painter.end();
    if (!pageAdded)
        return fail(word(QT_TRANSLATE_NOOP("printRk", "The report could not be printed: page %1 "
                                                      "could not be added."))
                        .arg(failedPage));
    if (!ended || (printer && printer->printerState() == QPrinter::Error))
        return fail(
            word(QT_TRANSLATE_NOOP("printRk", "The report could not be printed: the printer "
                                              "reported an error.")));
    return true;
}
