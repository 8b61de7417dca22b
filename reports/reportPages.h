#ifndef QCM_REPORTPAGES_H
#define QCM_REPORTPAGES_H

// The two printed colour-difference reports, drawn page by page onto any
// painter: a printer, a PDF writer or an image.  Every position is derived
// from the page size in device pixels; nothing here touches a widget.

#include "judgement.h"
#include "markedItems.h"
#include "processStatistics.h"
#include "sharedState.h"

#include <QDateTime>
#include <QHash>
#include <QMetaType>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

class QPainter;
class QPagedPaintDevice;
class measurementTreeRk;

// What a report prints, copied out of the tree and the shared values when
// the report is asked for, so nothing that happens to the tree afterwards
// can reach the pages.
struct reportData
{
    // Every marked Type with its checked Samples, in tree order.
    QVector<MarkedType> marked;
    PrintInfo printInfo;
    Tolerance tolerance;

    // Marked Types plus their checked Samples.
    int entryCount() const;
    int sampleCount() const;
    // The time a report prints: `now` when the print time follows the
    // system clock, otherwise the stored text (even when it is empty).
    QString printTime(const QDateTime &now) const;

    // The chromatic deviations of a marked Type's printed Samples and their
    // control ellipse, worked out once for all the Type's pages (the data is
    // a copy that does not change while it prints).
    struct chromaticCloud
    {
        QVector<QPointF> samples;
        ControlEllipse ellipse;
    };
    const chromaticCloud &cloudOf(int type) const;

private:
    mutable QHash<int, chromaticCloud> m_clouds;
};
Q_DECLARE_METATYPE(reportData)

reportData collectReportData(const measurementTreeRk &tree, const sharedState &state);

// The measures of a page in device pixels, all derived from its size.
struct reportGeometry
{
    explicit reportGeometry(const QSize &page);

    int W;
    int H;
    double u; // the row unit, 3H/200
    int top;  // integer part of 4u
    int P;    // title font: (W + H)/60 pixels
    int s;    // heading font: P/2
    int t;    // table font: 3s/4

    // A horizontal position given in twentieths of the page width.
    double x(double twentieths) const { return W * twentieths / 20.0; }
    // The top of a block that starts `tenths` tenths of a row unit below `top`.
    int rowY(int tenths) const;
};

// Report 1 laid out.  The row cursor is counted in whole tenths of the row
// unit: blocks of 1.6 units then add up exactly, and the number of rows on a
// page does not depend on rounding.
struct report1Block
{
    enum Kind
    {
        typeBlock,    // two rows of Type headers and values
        sampleHeader, // the headers over the Samples of a Type
        sampleRow     // one Sample
    };
    Kind kind;
    int type;   // index of the marked Type
    int sample; // index among its Samples (sampleRow only)
    int row;    // the block's top in tenths of the row unit
};

struct report1Plan
{
    QVector<QVector<report1Block>> pages;
    int pageCount() const { return pages.size(); }
};

// The pages of Report 1 for `data` on a page of `pageSize`.  A page ends
// when the cursor passes 57 units; the closing lines (signature and print
// time) go to a page of their own when the table reaches down to them.
report1Plan planReport1(const reportData &data, const QSize &pageSize);
// Draws page `index` (0 first) of the plan.
void paintReport1Page(QPainter &painter, const QRect &page, const reportData &data,
                      const report1Plan &plan, int index, const QString &printTime);

// Report 2 gives every marked Sample a page; a Type without Samples gets
// none.  The pages in order, as (Type, Sample) indices.
QVector<QPair<int, int>> report2Pages(const reportData &data);
void paintReport2Page(QPainter &painter, const QRect &page, const reportData &data, int type,
                      int sample, const QString &printTime);

// Draws a whole report (format 1 or 2) onto a printer or PDF writer, set to
// A4 first.  False, with a sentence for the user in `error`, when the
// painter does not start, a page cannot be added or the device reports an
// error at the end; the pages drawn before are then not a report.
// `started` tells whether the painter started on the device (a file was
// begun).
bool printReport(QPagedPaintDevice *device, int format, const reportData &data,
                 QString *error = nullptr, bool *started = nullptr);

// --- Words the pages are made of (exposed for the tests) ---------------------

// The estimated width of a text in font sizes: a Chinese character counts 1,
// any other character 0.5 (a text is centred by this estimate).
double textWidthUnits(const QString &text);
// The six component names of a colour space as the reports name them: three
// coordinates, then their differences; six empty names for other spaces.
QStringList reportComponentNames(const QString &colorSpace);
// A colour-space name as a report prints it ("CIE1976L*a*b*" is printed
// "CIEL*a*b*").
QString reportColorSpaceText(const QString &colorSpace);
// Report 2's word for the deviation of coordinate 0, 1 or 2 (translated).
QString report2DeviationWord(int coordinate, float difference, const QString &colorSpace);

#endif
