#ifndef QCM_EXPORTFIELDS_H
#define QCM_EXPORTFIELDS_H

// What an export of the marked measurements writes, apart from the file
// format: the fifteen optional fields, the texts of the moment the export
// starts, and the values every row is made of.  Nothing here touches a
// widget; the writers take an ExportData and an ExportTexts and nothing else.

#include "colorConversions.h"
#include "judgement.h"
#include "markedItems.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The fields the field dialog offers, in its order; the number is the field
// everywhere (dialog boxes, check states, flags, the order of the columns).
enum ExportField
{
    instrumentModelField,
    standardLightField,
    observerField,
    illuminationField,
    caliberField,
    lightModeField,
    colorSpaceField,
    formulaField, // empty on Type rows: a Type has no difference
    measurementTimesField,
    measuringTimeField,
    toleranceField,
    companyField,
    departmentField,
    measurementPersonField,
    productTestedField,
    exportFieldCount
};

// Everything an export writes, gathered before it starts.  The items are
// copies, so the tree may change while the file is written.
struct ExportData
{
    QString title; // the measurement name
    QVector<MarkedType> marked;
    QVector<bool> fields; // exportFieldCount flags, true for a chosen field
    Tolerance tolerance;  // its ΔE text is a field; the CSV judges against it
    QString company;
    QString department;
    QString measurementPerson;
    QString productTested;
};

// The texts an export writes besides the items' own, in the language of the
// moment it starts.
struct ExportTexts
{
    QStringList fieldHeadings; // exportFieldCount headings
    QString name;              // "Name"
    QString colorDifference;   // "Color Difference Value"
    // The CSV header and the kind of each row.
    QString kind;
    QString type;
    QString typeKind;
    QString sampleKind;
    QString coordinate; // "Value %1", where the items' colour spaces differ
    QString deviation;  // "%1 Deviation"
    QString judgement;  // the verdict on the colour difference
    QString cutNote;    // "%1 of the %2 characters ..." on a cut cell text
};

// The texts in the current translation.
ExportTexts currentExportTexts();

// The check-box text of a field in the current translation.
QString exportFieldLabel(int field);

// The chosen fields' numbers, in order.
QVector<int> chosenFields(const QVector<bool> &flags);

// A field's value on a Type row (`sample` false) or a Sample row.
QString exportFieldValue(int field, const ItemTexts &item, bool sample, const ExportData &data);

// The three coordinates as numbers (text that is no number reads as 0).
ColorTriple itemValues(const ItemTexts &item);
// The colour difference of a Sample to its Type, in the Sample's colour
// space and by its formula.
float sampleDifference(const ItemTexts &type, const ItemTexts &sample);
// A number with two decimals, as the information panel shows it ("--" for a
// difference that cannot be computed).
QString twoDecimalText(float value);

// Called with the number of Types and Samples written so far.
using ExportProgress = std::function<void(int itemsWritten)>;

#endif
