#ifndef QCM_INFOPANELRK_H
#define QCM_INFOPANELRK_H

#include "judgement.h"

#include <QObject>
#include <QStringList>

class QTableWidget;
class QTreeWidgetItem;
class measurementTreeRk;

// The three tables beside the tree: print information, the measuring
// parameters of the pressed item, and the colour data that sets a Type and
// a Sample side by side with their differences and judgement.  Every press
// rewrites them from the tree's column texts; the panel keeps no state.
class infoPanelRk : public QObject
{
    Q_OBJECT
public:
    explicit infoPanelRk(measurementTreeRk *tree, QObject *parent = nullptr);

    QTableWidget *printInfoTable() const { return m_printInfo; }
    QTableWidget *parameterTable() const { return m_parameters; }
    QTableWidget *colorDataTable() const { return m_colorData; }

    void retranslate();
    void setComponentHeaders(const QString &colorSpace, const QString &formula);

    void showTypeValues(const QStringList &values);
    void showSampleValues(const QStringList &values);
    void showDifferences(const QStringList &values);
    void showJudgements(const QStringList &texts);
    void showItemConditions(const QTreeWidgetItem *item);
    void clearConditionCells();
    void showPrintInfo(const QString &company, const QString &measurementPerson,
                       const QString &department, const QString &productTested);
    // Blanks the Type and Sample values, differences, judgement and time, and
    // puts `formula` into the colour-difference label.
    void clearValues(const QString &formula);

    // Shows a pressed Type (against its first Sample) or Sample; anything
    // else changes nothing.  Returns false when nothing was shown.
    bool pressItem(QTreeWidgetItem *item, const Tolerance &tolerance);

    // The seven judgement cells in order (deviation words, verdicts) as shown.
    QStringList judgementCells() const;
    QString cell(QTableWidget *table, int row, int column) const;

signals:
    // Differences of the shown Sample: the lightness chart takes the first,
    // the chromatic chart the other two.
    void deviationValues(float d1, float d2, float d3);
    void swatchItem(QTreeWidgetItem *item, bool sampleShown);
    void chartItem(QTreeWidgetItem *item);
    void trendItem(QTreeWidgetItem *item);
    // The pressed item's colour space, for the deviation charts' bounds.
    void pressedColorSpace(const QString &colorSpace);

private:
    void setCell(QTableWidget *table, int row, int column, const QString &text);
    void setLabel(QTableWidget *table, int row, int column, const QString &text);
    void judgeSample(QTreeWidgetItem *type, QTreeWidgetItem *sample, const Tolerance &tolerance);

    measurementTreeRk *m_tree;
    QTableWidget *m_printInfo;
    QTableWidget *m_parameters;
    QTableWidget *m_colorData;
    QString m_typeName, m_sampleName;
};

#endif
