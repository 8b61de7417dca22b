#include "exportFields.h"

#include "colorDifference.h"
#include "shownNumber.h"

#include <QCoreApplication>

namespace {

const char *const context = "exportFields";

QString translated(const char *text)
{
    return QCoreApplication::translate(context, text);
}

// Check-box texts, then workbook headings, per field.
const char *const fieldTexts[exportFieldCount][2] = {
    {QT_TRANSLATE_NOOP("exportFields", "Instrument Model"),
     QT_TRANSLATE_NOOP("exportFields", "Instrument Model")},
    {QT_TRANSLATE_NOOP("exportFields", "Standard Light Source"),
     QT_TRANSLATE_NOOP("exportFields", "Standard Light Source")},
    {QT_TRANSLATE_NOOP("exportFields", "Observer"), QT_TRANSLATE_NOOP("exportFields", "Observer")},
    {QT_TRANSLATE_NOOP("exportFields", "Illumination Mode"),
     QT_TRANSLATE_NOOP("exportFields", "Illumination Mode")},
    {QT_TRANSLATE_NOOP("exportFields", "Caliber"), QT_TRANSLATE_NOOP("exportFields", "Caliber")},
    {QT_TRANSLATE_NOOP("exportFields", "Containing Light Mode"),
     QT_TRANSLATE_NOOP("exportFields", "Containing Light Mode")},
    {QT_TRANSLATE_NOOP("exportFields", "Color Space"),
     QT_TRANSLATE_NOOP("exportFields", "Color Space")},
    {QT_TRANSLATE_NOOP("exportFields", "Color Difference Formula"),
     QT_TRANSLATE_NOOP("exportFields", "Color Difference Formula")},
    {QT_TRANSLATE_NOOP("exportFields", "Single/Average Measurement"),
     QT_TRANSLATE_NOOP("exportFields", "Measurement Times")},
    {QT_TRANSLATE_NOOP("exportFields", "Measuring Time"),
     QT_TRANSLATE_NOOP("exportFields", "Measuring Time")},
    {QT_TRANSLATE_NOOP("exportFields", "Current Tolerance"),
     QT_TRANSLATE_NOOP("exportFields", "Tolerance")},
    {QT_TRANSLATE_NOOP("exportFields", "Company"), QT_TRANSLATE_NOOP("exportFields", "Company")},
    {QT_TRANSLATE_NOOP("exportFields", "Department"),
     QT_TRANSLATE_NOOP("exportFields", "Department")},
    {QT_TRANSLATE_NOOP("exportFields", "Measurement Person"),
     QT_TRANSLATE_NOOP("exportFields", "Measurement Person")},
    {QT_TRANSLATE_NOOP("exportFields", "Product Tested"),
     QT_TRANSLATE_NOOP("exportFields", "Product Tested")},
};

// The item column of the fields that come from the item.
int itemColumn(int field)
{
    switch (field) {
    case instrumentModelField:
        return instrumentModelColumn;
    case standardLightField:
        return lightSourceColumn;
    case observerField:
        return observerColumn;
    case illuminationField:
        return illuminationColumn;
    case caliberField:
        return caliberColumn;
    case lightModeField:
        return lightModeColumn;
    case colorSpaceField:
        return colorSpaceColumn;
    case formulaField:
        return formulaColumn;
    case measurementTimesField:
        return averageTimesColumn;
    case measuringTimeField:
        return timeColumn;
    default:
        return -1;
    }
}

} // namespace

ExportTexts currentExportTexts()
{
    ExportTexts texts;
    for (const auto &field : fieldTexts)
        texts.fieldHeadings << translated(field[1]);
    texts.name = translated(QT_TRANSLATE_NOOP("exportFields", "Name"));
    texts.colorDifference = translated(QT_TRANSLATE_NOOP("exportFields", "Color Difference Value"));
    texts.kind = translated(QT_TRANSLATE_NOOP("exportFields", "Kind"));
    texts.type = translated(QT_TRANSLATE_NOOP("exportFields", "Type"));
    texts.typeKind = translated(QT_TRANSLATE_NOOP("exportFields", "Type"));
    texts.sampleKind = translated(QT_TRANSLATE_NOOP("exportFields", "Sample"));
    texts.coordinate = translated(QT_TRANSLATE_NOOP("exportFields", "Value %1"));
    texts.deviation = translated(QT_TRANSLATE_NOOP("exportFields", "%1 Deviation"));
    texts.judgement = translated(QT_TRANSLATE_NOOP("exportFields", "Judging Result"));
    texts.cutNote = translated(QT_TRANSLATE_NOOP(
        "exportFields", "Text cut to fit the cell: %1 of its %2 characters are kept."));
    return texts;
}

QString exportFieldLabel(int field)
{
    return field >= 0 && field < exportFieldCount ? translated(fieldTexts[field][0]) : QString();
}

QVector<int> chosenFields(const QVector<bool> &flags)
{
    QVector<int> chosen;
    for (int field = 0; field < exportFieldCount && field < flags.size(); ++field) {
        if (flags[field])
            chosen.append(field);
    }
    return chosen;
}

QString exportFieldValue(int field, const ItemTexts &item, bool sample, const ExportData &data)
{
    if (field == formulaField && !sample)
        return QString();
    const int column = itemColumn(field);
    if (column >= 0)
        return item[column];
    switch (field) {
    case toleranceField:
        return data.tolerance.delatE;
    case companyField:
        return data.company;
    case departmentField:
        return data.department;
    case measurementPersonField:
        return data.measurementPerson;
    case productTestedField:
        return data.productTested;
    default:
        return QString();
    }
}

ColorTriple itemValues(const ItemTexts &item)
{
    return {item[value1Column].toFloat(), item[value2Column].toFloat(),
            item[value3Column].toFloat()};
}

float sampleDifference(const ItemTexts &type, const ItemTexts &sample)
{
    return colorDifference(itemValues(type), itemValues(sample), sample[colorSpaceColumn],
                           sample[formulaColumn]);
}

QString twoDecimalText(float value)
{
    return shownNumber(double(value));
}
