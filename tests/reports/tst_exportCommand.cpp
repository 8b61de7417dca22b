// The export commands in the window: the menu entries, the field dialog and
// its rules, the file name, the progress on the status strip, the question
// and the opening of the file, and the failures a user can meet.

#include "../support/conditionColumns.h"
#include "../support/settingsStore.h"
#include "exportReader.h"

#include "MainWindows.h"
#include "checkExportToExcelRk.h"
#include "exportCommand.h"
#include "exportFields.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "sharedState.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

namespace {

QStringList conditionTexts()
{
    return conditionColumns(QStringLiteral("CIE1976L*a*b*"), QStringLiteral("ΔELab"));
}

// A checked Type with two Samples and an unchecked Type.
void fillTree(MainWindows &window)
{
    QTreeWidgetItem *type = window.addTypeItem(50, 0, 0, "Type T001", conditionTexts());
    window.addSampleItem(53, 4, 0, type, "Sample S001", conditionTexts());
    window.addSampleItem(51, 0, 0, type, "Sample S002", conditionTexts());
    type->setCheckState(nameColumn, Qt::Checked);
    window.addTypeItem(70, 0, 0, "Type T002", conditionTexts());
}

checkExportToExcelRk *fieldDialog(MainWindows &window)
{
    return window.findChild<checkExportToExcelRk *>();
}

QString statusText(MainWindows &window)
{
    QStringList texts;
    for (QLabel *label : window.serialPort()->findChildren<QLabel *>())
        if (!label->isHidden())
            texts << label->text();
    return texts.join('|');
}

// The dialog has at least the size of its language and cuts no text.
void checkFits(checkExportToExcelRk *dialog, QSize languageSize)
{
    QVERIFY(dialog->width() >= languageSize.width());
    QVERIFY(dialog->height() >= languageSize.height());
    dialog->layout()->activate();
    QList<QAbstractButton *> buttons;
    for (int field = 0; field < exportFieldCount; ++field)
        buttons << dialog->fieldBox(field);
    buttons << dialog->selectAllBox();
    for (QAbstractButton *button : buttons)
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
}

QByteArray fileBytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<promptRk::Kind> promptKinds()
{
    QList<promptRk::Kind> kinds;
    for (const promptRk::Record &record : promptRk::history())
        kinds << record.kind;
    return kinds;
}

} // namespace

class tst_exportCommand : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QList<QUrl> opened;

private slots:
    void initTestCase()
    {
        promptRk::setTesting(true);
        exportCommand::setUrlOpener([this](const QUrl &url) {
            opened << url;
            return true;
        });
    }
    void init()
    {
        resetStore();
        promptRk::clearHistory();
        opened.clear();
    }

    void menuEntries()
    {
        MainWindows window;
        const QList<QAction *> file = window.menuBar()->actions().first()->menu()->actions();
        const int excel = file.indexOf(window.action("exportToExcelFcn"));
        QVERIFY(excel >= 0);
        QCOMPARE(file.value(excel + 1), window.action("exportToCsvFcn"));
        QCOMPARE(window.action("exportToCsvFcn")->text(), QString("Export to &CSV…"));
        QVERIFY(!window.action("exportToCsvFcn")->icon().isNull());
        window.SimplifyFcn();
        QCOMPARE(window.action("exportToCsvFcn")->text(), QString("导出为 &CSV…"));
    }

    void fieldDialogRules()
    {
        MainWindows window;
        checkExportToExcelRk *dialog = fieldDialog(window);
        QVERIFY(dialog && dialog->isHidden());
        checkFits(dialog, QSize(540, 250));
        window.action("exportToExcelFcn")->trigger();
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->windowTitle(), QString("Data Export"));
        QCOMPARE(dialog->findChild<QLabel *>("heading")->text(), QString("Data Export to Excel"));

        // Fields 0 to 9 under the conditions, 10 to 14 under the information.
        const QList<QGroupBox *> groups = dialog->findChildren<QGroupBox *>();
        QCOMPARE(groups.size(), 2);
        for (int field = 0; field < exportFieldCount; ++field)
            QCOMPARE(dialog->fieldBox(field)->parentWidget(), groups[field < 10 ? 0 : 1]);
        QCOMPARE(dialog->fieldBox(8)->text(), QString("Single/Average Measurement"));
        QVERIFY(!dialog->selectAllBox()->isChecked());

        auto checkedCount = [dialog] { return int(dialog->states().count(Qt::Checked)); };
        dialog->selectAllBox()->setChecked(true);
        QCOMPARE(checkedCount(), 15);
        dialog->fieldBox(3)->setChecked(false);
        QVERIFY(dialog->selectAllBox()->isChecked());
        QCOMPARE(checkedCount(), 14);
        dialog->checkAllBoxFcn(Qt::PartiallyChecked);
        QCOMPARE(checkedCount(), 14);
        dialog->selectAllBox()->setChecked(false);
        QCOMPARE(checkedCount(), 0);

        // Cancel exports nothing; the boxes are as they were left.
        dialog->fieldBox(0)->setChecked(true);
        QTest::mouseClick(dialog->findChild<QPushButton *>("cancel"), Qt::LeftButton);
        QVERIFY(dialog->isHidden());
        QVERIFY(promptRk::history().isEmpty());
        window.action("exportToCsvFcn")->trigger();
        QCOMPARE(dialog->findChild<QLabel *>("heading")->text(), QString("Data Export to CSV"));
        QCOMPARE(dialog->states().first(), Qt::Checked);

        window.SimplifyFcn();
        checkFits(dialog, QSize(360, 250));
        QCOMPARE(dialog->windowTitle(), QString("数据导出"));
        QCOMPARE(dialog->fieldBox(0)->text(), QString("仪器型号"));
        QCOMPARE(dialog->findChild<QLabel *>("heading")->text(), QString("数据导出到 CSV"));
        window.TraditionalFcn();
        QCOMPARE(dialog->fieldBox(14)->text(), QString("受測產品"));
        checkFits(dialog, QSize(360, 250));

        // Where the texts fit, the sizes of the languages exactly.
        checkExportToExcelRk small;
        QCOMPARE(small.size(), QSize(360, 250).expandedTo(small.layout()->minimumSize()));
        QFont font = small.font();
        font.setPointSize(5);
        small.setFont(font);
        small.retranslateFor(false);
        QCOMPARE(small.size(), QSize(540, 250));
        small.retranslateFor(true);
        QCOMPARE(small.size(), QSize(360, 250));
    }

    void workbookFromTheWindow()
    {
        MainWindows window;
        // Renaming the measurement unchecks every item, so it comes first.
        window.setPrintMsg("Batch 7", "ACME", "", "Dyeing", "Li", "Cotton", false);
        fillTree(window);
        checkExportToExcelRk *dialog = fieldDialog(window);
        window.action("exportToExcelFcn")->trigger();
        dialog->fieldBox(0)->setChecked(true);
        dialog->fieldBox(9)->setChecked(true);
        promptRk::setNextFileName(dir.filePath("batch"));
        promptRk::setNextAnswer(QMessageBox::Yes);
        // The tree empties as soon as the export lets the event loop run:
        // the export works on its copy.
        connect(window.exporter(), &exportCommand::startWatcher, &window,
                [&window] { window.treeModel()->clearItems(); });
        QTest::mouseClick(dialog->findChild<QPushButton *>("export"), Qt::LeftButton);
        QVERIFY(dialog->isHidden());

        const QString path = dir.filePath("batch.xlsx");
        QString failure;
        const QJsonObject book = readExport("readWorkbook.py", path, &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QJsonObject cells = book["cells"].toObject();
        QStringList names;
        for (int row = 1; row <= 5; ++row)
            names << cells["A" + QString::number(row)].toObject()["value"].toString();
        QCOMPARE(names,
                 QStringList({"Batch 7", "Name", "Type T001", "Sample S001", "Sample S002"}));
        QCOMPARE(cells["E4"].toObject()["value"].toString(), QString("5.00"));
        QCOMPARE(cells["G5"].toObject()["value"].toString(), QString("2026-12-09 08:00:00"));
        QCOMPARE(book["merged"].toArray(), QJsonArray({"A1:G1"}));

        QCOMPARE(promptKinds(),
                 QList<promptRk::Kind>({promptRk::SaveFileName, promptRk::Question}));
        QCOMPARE(promptRk::history()[0].title, QString("Save"));
        QCOMPARE(promptRk::history()[0].text, QString("./"));
        QCOMPARE(promptRk::history()[1].title, QString("Finished"));
        QCOMPARE(promptRk::history()[1].text, QString("File has been exported, is it open now?"));
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QCOMPARE(opened.first().toLocalFile(), path);

        QVERIFY(statusText(window).contains("Export completed!"));
        auto *bar = window.serialPort()->findChild<QProgressBar *>();
        QCOMPARE(bar->maximum(), 3);
        QCOMPARE(bar->value(), 3);
        // The boxes stay as they were left.
        QCOMPARE(dialog->states().count(Qt::Checked), 2);
    }

    void csvAndWhatGoesWrong()
    {
        MainWindows window;
        fillTree(window);
        checkExportToExcelRk *dialog = fieldDialog(window);
        window.action("exportToCsvFcn")->trigger();

        // Cancelled file dialog: nothing written, no progress.
        dialog->OKButtonFcn();
        QCOMPARE(promptKinds(), QList<promptRk::Kind>{promptRk::SaveFileName});
        QVERIFY(window.serialPort()->findChild<QProgressBar *>()->isHidden());

        // Answered No: the file stays closed.
        promptRk::clearHistory();
        promptRk::setNextFileName(dir.filePath("rows"));
        window.action("exportToCsvFcn")->trigger();
        dialog->OKButtonFcn();
        QString failure;
        const QJsonObject csv = readExport("readCsv.py", dir.filePath("rows.csv"), &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(csv["rows"].toArray().size(), 4);
        QCOMPARE(promptRk::history().last().text,
                 QString("File has been exported, is it open now?"));
        QVERIFY(opened.isEmpty());

        // The name with its extension added exists: asked about that file;
        // No asks for another name, and none given leaves the file as it was.
        promptRk::clearHistory();
        const QByteArray before = [&] {
            QFile file(dir.filePath("rows.csv"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        window.addTypeItem(1, 2, 3, "Type T003", conditionTexts());
        window.treeModel()->lastType()->setCheckState(nameColumn, Qt::Checked);
        promptRk::setNextFileName(dir.filePath("rows"));
        window.exportToExcelInfoSlot(dialog->states());
        QCOMPARE(promptKinds(), QList<promptRk::Kind>({promptRk::SaveFileName, promptRk::Warning,
                                                       promptRk::SaveFileName}));
        QCOMPARE(promptRk::history()[1].text, QDir::toNativeSeparators(dir.filePath("rows.csv")) +
                                                  " already exists.\nDo you want to replace it?");
        QFile kept(dir.filePath("rows.csv"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), before);

        // A typed name with another extension: the question is about the
        // file that will be written, never about the one typed.
        promptRk::clearHistory();
        const QString workbook = dir.filePath("existing.xlsx");
        QFile other(workbook);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("a workbook");
        other.close();
        promptRk::setNextFileName(workbook);
        window.exportToExcelInfoSlot(dialog->states());
        QCOMPARE(promptKinds(),
                 QList<promptRk::Kind>({promptRk::SaveFileName, promptRk::Question}));
        QCOMPARE(fileBytesOf(workbook), QByteArray("a workbook"));
        QVERIFY(QFileInfo::exists(workbook + ".csv"));
        // Asked again about that file, Yes replaces it.
        promptRk::clearHistory();
        promptRk::setNextFileName(workbook);
        promptRk::setNextAnswer(QMessageBox::Yes);
        promptRk::setNextAnswer(QMessageBox::No); // not opened afterwards
        window.exportToExcelInfoSlot(dialog->states());
        QCOMPARE(promptRk::history()[1].text, QDir::toNativeSeparators(workbook + ".csv") +
                                                  " already exists.\nDo you want to replace it?");
        QCOMPARE(promptRk::history().last().text,
                 QString("File has been exported, is it open now?"));
        QCOMPARE(fileBytesOf(workbook), QByteArray("a workbook"));

        // A folder that does not exist: the failure, never the success question.
        promptRk::clearHistory();
        const QString missing = dir.filePath("no such folder/out.xlsx");
        window.action("exportToExcelFcn")->trigger();
        promptRk::setNextFileName(missing);
        dialog->OKButtonFcn();
        QCOMPARE(promptKinds(), QList<promptRk::Kind>({promptRk::SaveFileName, promptRk::Warning}));
        QVERIFY2(promptRk::history().last().text.startsWith(
                     "Cannot write file " + QDir::toNativeSeparators(missing) + ":\n"),
                 qPrintable(promptRk::history().last().text));
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(window.serialPort()->findChild<QProgressBar *>()->isHidden());
        QVERIFY(statusText(window).contains("Export failed!"));
    }

    void progressAtMostEvery50Milliseconds()
    {
        QTreeWidget widget;
        measurementTreeRk tree(&widget);
        sharedState state;
        exportCommand command(&tree, &state, &widget);
        connect(&widget, &QTreeWidget::itemChanged, &tree,
                [&tree](QTreeWidgetItem *item) { tree.propagateCheckState(item); });
        for (int t = 1; t <= 100; ++t) {
            QTreeWidgetItem *type =
                tree.addTypeItem(50, 0, 0, measurementTreeRk::typeName(t), conditionTexts());
            for (int s = 1; s <= 50; ++s)
                tree.addSampleItem(50, s * 0.01f, 0, type, measurementTreeRk::sampleName(s),
                                   conditionTexts());
            type->setCheckState(nameColumn, Qt::Checked);
        }
        QElapsedTimer clock;
        clock.start();
        QList<qint64> updates;
        int finished = -1;
        connect(&command, &exportCommand::progressChanged, this,
                [&](int) { updates << clock.elapsed(); });
        connect(&command, &exportCommand::progressFinished, this, [&](int v) { finished = v; });
        promptRk::setNextFileName(dir.filePath("many.xlsx"));
        QVERIFY(command.exportWorkbook("Many", QVector<bool>(exportFieldCount, true)));
        QCOMPARE(finished, 100 * 51);
        for (int i = 1; i < updates.size(); ++i)
            QVERIFY2(updates[i] - updates[i - 1] >= 50,
                     qPrintable(QString("updates %1 ms apart").arg(updates[i] - updates[i - 1])));
    }
};

QTEST_MAIN(tst_exportCommand)
#include "tst_exportCommand.moc"
