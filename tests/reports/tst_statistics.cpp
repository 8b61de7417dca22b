// The statistics of the pressed Type as the dialog shows them: figures
// computed by hand from the Samples in the tree, the notes, and the dialog
// following presses, new Samples, the tolerance and removals.

#include "measurementTreeRk.h"
#include "sharedState.h"
#include "statisticsDialog.h"
#include "statisticsTable.h"

#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList columns()
{
    return {"2026-12-10 08:00:00",
            "D65",
            "PX71",
            "8mm",
            "SCI",
            "CIE1976L*a*b*",
            "ΔELab",
            "8/d",
            "CIE 10°",
            "1",
            "1"};
}

QString cell(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
}

} // namespace

class tst_statistics : public QObject
{
    Q_OBJECT

private slots:
    void dialogFollowsThePressedType()
    {
        QTreeWidget widget;
        measurementTreeRk tree(&widget);
        sharedState state;
        statisticsDialog dialog(&tree, &state);

        // ΔL 1, 2, 3, 4, 5 (a and b equal): ΔE the same; mean 3,
        // s = sqrt(2.5) = 1.58, moving ranges 1: limits 3 ± 2.66.
        QTreeWidgetItem *type = tree.addTypeItem(50, 10, -5, "Type T001", columns());
        QTreeWidgetItem *other = tree.addTypeItem(60, 0, 0, "Type T002", columns());
        for (int k = 1; k <= 5; ++k)
            tree.addSampleItem(50 + k, 10, -5, type, measurementTreeRk::sampleName(k), columns());
        dialog.showItem(type->child(2));
        const QTableWidget *t = dialog.table();
        QCOMPARE(t->rowCount(), 4);
        QCOMPARE(cell(t, 0, 0), QString("ΔELab"));
        QCOMPARE(cell(t, 0, 1), QString("5"));
        QCOMPARE(cell(t, 0, 2), QString("3.00"));
        QCOMPARE(cell(t, 0, 3), QString("1.58"));
        QCOMPARE(cell(t, 0, 4), QString("1.00"));
        QCOMPARE(cell(t, 0, 5), QString("5.00"));
        // Cpk of ΔE against 2.00: (2 - 3) / (3 × 1.58) = -0.21.
        QCOMPARE(cell(t, 0, 6), QString("-0.21"));
        QCOMPARE(cell(t, 0, 7), QString("0.34"));
        QCOMPARE(cell(t, 0, 8), QString("5.66"));
        // ΔL: Cpk = min(2 - 3, 3 + 2) / 4.74 = -0.21; Δa never moves: no
        // spread, no Cpk.
        QCOMPARE(cell(t, 1, 6), QString("-0.21"));
        QCOMPARE(cell(t, 2, 3), QString("0.00"));
        QCOMPARE(cell(t, 2, 6), QString("--"));
        QVERIFY2(dialog.notes()->text().contains("Pass rate: 40.0 % (2 of 5 Samples pass)"),
                 qPrintable(dialog.notes()->text()));
        QVERIFY(dialog.notes()->text().contains("needs 10 Samples"));

        // A wider tolerance judges again at once.
        Tolerance wide;
        wide.delatE = wide.pDelatL = "5.00";
        state.setTolerance(wide);
        QCOMPARE(cell(t, 0, 6), QString("0.42"));
        QVERIFY(dialog.notes()->text().contains("(5 of 5 Samples pass)"));

        // Four Samples: figures, but no capability.
        dialog.showItem(other);
        for (int k = 1; k <= 4; ++k)
            tree.addSampleItem(60 + 0.5f * k, 0, 0, other, measurementTreeRk::sampleName(k),
                               columns());
        dialog.refresh();
        QCOMPARE(cell(t, 0, 1), QString("4"));
        QCOMPARE(cell(t, 0, 6), QString("--"));

        // An information row is no Type: the shown Type stays.
        dialog.showItem(tree.instrumentRow(0));
        QCOMPARE(cell(t, 0, 1), QString("4"));

        // The shown Type deleted: nothing is shown, nothing dangles.
        tree.deleteItem(other);
        QCOMPARE(t->rowCount(), 0);
        dialog.showItem(type);
        QCOMPARE(cell(t, 0, 1), QString("5"));
        tree.deleteItem(type->child(0));
        QTRY_COMPARE(cell(t, 0, 1), QString("4"));
    }
};

QTEST_MAIN(tst_statistics)
#include "tst_statistics.moc"
