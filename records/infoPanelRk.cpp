#include "infoPanelRk.h"

#include "colorConversions.h"
#include "colorDifference.h"
#include "colorVocabulary.h"
#include "fillingTable.h"
#include "itemColumns.h"
#include "measurementTreeRk.h"
#include "shownNumber.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QTreeWidgetItem>

namespace {

QString trPanel(const char *text)
{
    return QCoreApplication::translate("infoPanelRk", text);
}

QTableWidget *makeTable(int rows, int columns)
{
    auto *table = new fillingTable(rows, columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setStyleSheet("margin:0px");
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, column, item);
        }
    }
    return table;
}

// "--" for a difference that cannot be computed, as everywhere it is read.
QString twoDecimals(float value)
{
    return shownNumber(double(value));
}

ColorTriple valuesOf(const QTreeWidgetItem *item)
{
    // Text that is no number counts as 0.
    return {item->text(value1Column).toFloat(), item->text(value2Column).toFloat(),
            item->text(value3Column).toFloat()};
}

} // namespace

infoPanelRk::infoPanelRk(measurementTreeRk *tree, QObject *parent) : QObject(parent), m_tree(tree)
{
    m_printInfo = makeTable(2, 8);
    m_printInfo->setObjectName("printInfoTable");
    for (int row = 0; row < 2; ++row) {
        m_printInfo->setSpan(row, 1, 1, 3);
        m_printInfo->setSpan(row, 5, 1, 3);
    }
    m_parameters = makeTable(2, 8);
    m_parameters->setObjectName("parameterTable");
    m_colorData = makeTable(5, 7);
    m_colorData->setObjectName("colorDataTable");
    m_colorData->setSpan(4, 1, 1, 2);
    m_colorData->setSpan(4, 5, 1, 2);
    QFont total = m_colorData->font();
    total.setPointSize(10);
    total.setBold(true);
    m_colorData->item(4, 4)->setFont(total);
    QFont verdict = m_colorData->font();
    verdict.setBold(true);
    m_colorData->item(4, 5)->setFont(verdict);
    retranslate();
}

void infoPanelRk::setCell(QTableWidget *table, int row, int column, const QString &text)
{
    table->item(row, column)->setText(text);
}

void infoPanelRk::setLabel(QTableWidget *table, int row, int column, const QString &text)
{
    QTableWidgetItem *item = table->item(row, column);
    item->setText(text);
    item->setToolTip(text);
    item->setBackground(QColor(245, 245, 245));
    // The names of the shown Type and Sample and the formula sit on grey
    // cells but are values: they must be read whole.
    const bool value = table == m_colorData &&
                       ((row == 0 && (column == 1 || column == 2)) || (row == 4 && column == 3));
    static_cast<fillingTable *>(table)->setLabelCell(row, column, !value);
}

QString infoPanelRk::cell(QTableWidget *table, int row, int column) const
{
    return table->item(row, column)->text();
}

void infoPanelRk::retranslate()
{
    setLabel(m_printInfo, 0, 0, tr("Company"));
    setLabel(m_printInfo, 0, 4, tr("Department"));
    setLabel(m_printInfo, 1, 0, tr("Measurement Person"));
    setLabel(m_printInfo, 1, 4, tr("Product Tested"));

    const char *const parameterLabels[] = {
        QT_TRANSLATE_NOOP("infoPanelRk", "Standard Light Source"),
        QT_TRANSLATE_NOOP("infoPanelRk", "Illumination Method"),
        QT_TRANSLATE_NOOP("infoPanelRk", "Color Space"),
        QT_TRANSLATE_NOOP("infoPanelRk", "Color Difference Formula"),
        QT_TRANSLATE_NOOP("infoPanelRk", "Observer"),
        QT_TRANSLATE_NOOP("infoPanelRk", "Caliber"),
        QT_TRANSLATE_NOOP("infoPanelRk", "Containing Light Mode"),
        QT_TRANSLATE_NOOP("infoPanelRk", "Single/Average Measurement"),
    };
    for (int column = 0; column < 8; ++column)
        setLabel(m_parameters, 0, column, trPanel(parameterLabels[column]));

    setLabel(m_colorData, 0, 0, QString());
    setLabel(m_colorData, 0, 1, m_typeName.isEmpty() ? tr("Type") : m_typeName);
    setLabel(m_colorData, 0, 2, m_sampleName.isEmpty() ? tr("Sample") : m_sampleName);
    setLabel(m_colorData, 0, 3, QString());
    setLabel(m_colorData, 0, 4, tr("Color Difference Value"));
    setLabel(m_colorData, 0, 5, tr("Deflection"));
    setLabel(m_colorData, 0, 6, tr("Judging Result"));
    setLabel(m_colorData, 4, 0, tr("Measuring Time"));
    for (int row = 1; row <= 4; ++row)
        m_colorData->item(row, 3)->setBackground(QColor(245, 245, 245));
    for (int row = 1; row <= 3; ++row)
        m_colorData->item(row, 0)->setBackground(QColor(245, 245, 245));
    if (cell(m_colorData, 1, 0).isEmpty())
        setComponentHeaders(labSpaceName(), QString());
}

void infoPanelRk::setComponentHeaders(const QString &colorSpace, const QString &formula)
{
    const QStringList coordinates = panelCoordinateLabels(colorSpace);
    const QStringList differences = panelDifferenceLabels(colorSpace);
    for (int i = 0; i < 3; ++i) {
        setLabel(m_colorData, 1 + i, 0, coordinates.value(i));
        setLabel(m_colorData, 1 + i, 3, differences.value(i));
    }
    setLabel(m_colorData, 4, 3, formula);
}

void infoPanelRk::showTypeValues(const QStringList &values)
{
    for (int i = 0; i < 3; ++i)
        setCell(m_colorData, 1 + i, 1, values.value(i));
}

void infoPanelRk::showSampleValues(const QStringList &values)
{
    for (int i = 0; i < 3; ++i)
        setCell(m_colorData, 1 + i, 2, values.value(i));
}

void infoPanelRk::showDifferences(const QStringList &values)
{
    for (int i = 0; i < 3; ++i)
        setCell(m_colorData, 1 + i, 4, values.value(i));
    setCell(m_colorData, 4, 4, values.value(3));
}

void infoPanelRk::showJudgements(const QStringList &texts)
{
    for (int i = 0; i < 3; ++i)
        setCell(m_colorData, 1 + i, 5, texts.value(i));
    setCell(m_colorData, 4, 5, texts.value(3));
    for (int i = 0; i < 3; ++i)
        setCell(m_colorData, 1 + i, 6, texts.value(4 + i));
}

QStringList infoPanelRk::judgementCells() const
{
    return {cell(m_colorData, 1, 5), cell(m_colorData, 2, 5), cell(m_colorData, 3, 5),
            cell(m_colorData, 4, 5), cell(m_colorData, 1, 6), cell(m_colorData, 2, 6),
            cell(m_colorData, 3, 6)};
}

void infoPanelRk::showItemConditions(const QTreeWidgetItem *item)
{
    const int columns[] = {lightSourceColumn, illuminationColumn, colorSpaceColumn, formulaColumn,
                           observerColumn,    caliberColumn,      lightModeColumn};
    for (int i = 0; i < 7; ++i)
        setCell(m_parameters, 1, i, item->text(columns[i]));
    setCell(m_parameters, 1, 7,
            item->text(averageCountColumn) + QLatin1Char('/') + item->text(averageTimesColumn));
}

void infoPanelRk::clearConditionCells()
{
    for (int column = 0; column < 8; ++column)
        setCell(m_parameters, 1, column, QString());
}

void infoPanelRk::showPrintInfo(const QString &company, const QString &measurementPerson,
                                const QString &department, const QString &productTested)
{
    setCell(m_printInfo, 0, 1, company);
    setCell(m_printInfo, 1, 1, measurementPerson);
    setCell(m_printInfo, 0, 5, department);
    setCell(m_printInfo, 1, 5, productTested);
}

void infoPanelRk::clearValues(const QString &formula)
{
    m_typeName.clear();
    m_sampleName.clear();
    setLabel(m_colorData, 0, 1, tr("Type"));
    setLabel(m_colorData, 0, 2, tr("Sample"));
    showTypeValues({});
    showSampleValues({});
    showDifferences({});
    showJudgements({});
    setCell(m_colorData, 4, 1, QString());
    clearConditionCells();
    setLabel(m_colorData, 4, 3, formula);
}

void infoPanelRk::judgeSample(QTreeWidgetItem *type, QTreeWidgetItem *sample,
                              const Tolerance &tolerance)
{
    const ColorTriple t = valuesOf(type);
    const ColorTriple s = valuesOf(sample);
    const float d1 = s[0] - t[0], d2 = s[1] - t[1], d3 = s[2] - t[2];
    const QString space = sample->text(colorSpaceColumn);
    const float dE = colorDifference(t, s, space, sample->text(formulaColumn));
    showJudgements(judgementTexts(dE, d1, d2, d3, space, tolerance));
    showDifferences({twoDecimals(d1), twoDecimals(d2), twoDecimals(d3), twoDecimals(dE)});
    emit deviationValues(d1, d2, d3);
}

bool infoPanelRk::pressItem(QTreeWidgetItem *item, const Tolerance &tolerance)
{
    QTreeWidgetItem *type = m_tree->typeOf(item);
    if (!type)
        return false;
    const bool isSample = item != type;
    QTreeWidgetItem *sample = isSample ? item : type->child(0);

    const ColorTriple t = valuesOf(type);
    m_typeName = type->text(nameColumn);
    setLabel(m_colorData, 0, 1, m_typeName);
    showTypeValues({twoDecimals(t[0]), twoDecimals(t[1]), twoDecimals(t[2])});
    setCell(m_colorData, 4, 1, item->text(timeColumn));
    showItemConditions(item);
    emit trendItem(item);

    if (!sample) {
        m_sampleName.clear();
        setLabel(m_colorData, 0, 2, tr("Sample"));
        showSampleValues({});
        showDifferences({});
        showJudgements({});
        emit swatchItem(type, false);
        emit chartItem(type);
        setComponentHeaders(type->text(colorSpaceColumn), type->text(formulaColumn));
        emit pressedColorSpace(item->text(colorSpaceColumn));
        return true;
    }

    const ColorTriple s = valuesOf(sample);
    m_sampleName = sample->text(nameColumn);
    setLabel(m_colorData, 0, 2, m_sampleName);
    showSampleValues({twoDecimals(s[0]), twoDecimals(s[1]), twoDecimals(s[2])});
    judgeSample(type, sample, tolerance);
    emit swatchItem(sample, true);
    emit chartItem(isSample ? sample : type);
    setComponentHeaders(type->text(colorSpaceColumn), sample->text(formulaColumn));
    emit pressedColorSpace(item->text(colorSpaceColumn));
    return true;
}
