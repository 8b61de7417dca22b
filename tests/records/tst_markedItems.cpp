// The marked items that reports, the export and the library take: checked
// and partially checked Types with their checked Samples, and every checked
// Sample even where its Type shows unchecked.

#include "markedItems.h"
#include "measurementTreeRk.h"

#include <QTest>
#include <QTreeWidget>

class tst_markedItems : public QObject
{
    Q_OBJECT

private slots:
    void markedSet()
    {
        QTreeWidget widget;
        measurementTreeRk tree(&widget);
        QObject::connect(&widget, &QTreeWidget::itemChanged, &tree,
                         [&tree](QTreeWidgetItem *item) { tree.propagateCheckState(item); });
        const QStringList columns = {"2026-12-09 08:00:00",
                                     "D65",
                                     "PX71",
                                     "8mm",
                                     "SCI",
                                     "CIE1976L*a*b*",
                                     "ΔE00",
                                     "8/d",
                                     "CIE 10°",
                                     "1",
                                     "1"};
        auto addType = [&](const QString &name, int samples) {
            QTreeWidgetItem *type = tree.addTypeItem(50, 1, 2, name, columns);
            for (int s = 1; s <= samples; ++s)
                tree.addSampleItem(50 + s, 1, 2, type, measurementTreeRk::sampleName(s), columns);
            return type;
        };
        QTreeWidgetItem *whole = addType("Type T001", 2);   // checked with both Samples
        QTreeWidgetItem *partial = addType("Type T002", 3); // one Sample of three
        QTreeWidgetItem *single = addType("Type T003", 1);  // its only Sample checked
        QTreeWidgetItem *bare = addType("Type T004", 0);    // checked, no Samples
        addType("Type T005", 2);                            // nothing checked

        whole->setCheckState(nameColumn, Qt::Checked);
        partial->child(1)->setCheckState(nameColumn, Qt::Checked);
        single->child(0)->setCheckState(nameColumn, Qt::Checked);
        bare->setCheckState(nameColumn, Qt::Checked);
        QCOMPARE(partial->checkState(nameColumn), Qt::PartiallyChecked);
        // One child checked: its Type keeps showing unchecked.
        QCOMPARE(single->checkState(nameColumn), Qt::Unchecked);

        const QVector<MarkedType> marked = markedTypes(tree);
        QStringList shape;
        for (const MarkedType &type : marked) {
            QStringList samples;
            for (const ItemTexts &sample : type.samples)
                samples << sample[nameColumn];
            shape << type.type[nameColumn] + ": " + samples.join(", ");
        }
        QCOMPARE(shape,
                 QStringList({"Type T001: Sample S001, Sample S002", "Type T002: Sample S002",
                              "Type T003: Sample S001", "Type T004: "}));
        QCOMPARE(markedItemCount(marked), 8);
        QCOMPARE(marked[0].samples[1][value1Column], QString("52"));
        QCOMPARE(marked[0].sampleSwatches.size(), 2);
        QVERIFY(marked[0].typeSwatch.isValid());

        // The copy outlives the items.
        tree.clearItems();
        QCOMPARE(marked[1].samples[0][nameColumn], QString("Sample S002"));
        QVERIFY(markedTypes(tree).isEmpty());
    }
};

QTEST_MAIN(tst_markedItems)
#include "tst_markedItems.moc"
