#ifndef QCM_STATISTICSTABLE_H
#define QCM_STATISTICSTABLE_H

#include "processStatistics.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QTreeWidgetItem;

// The statistics of one Type as people read them: one row per difference
// (ΔE under the Type's formula, then the three coordinates of its colour
// space) with n, mean, standard deviation, minimum, maximum, Cpk and the
// individuals chart's limits, two decimals, "--" where there is no number;
// then lines for the pass rate and the Samples beyond the control limits or
// outside the control ellipse.  The dialog, the report and the exports show
// the same texts.
struct statisticsTable
{
    QString typeName;
    QStringList header;
    QVector<QStringList> rows;
    QStringList notes;
};

statisticsTable statisticsTableFor(const QString &typeName, const ProcessStatistics &statistics,
                                   const QVector<SampleDeviation> &samples,
                                   const QString &colorSpace, const QString &formula);

// The table of a Type of the tree and its Samples, judged by `tolerance`.
statisticsTable statisticsTableOfType(QTreeWidgetItem *type, const Tolerance &tolerance);

#endif
