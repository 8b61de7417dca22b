// Print information and the printed reports in the window, driven as a user
// drives them: the print-information dialog, the tree's values and the
// settings; the report dialog's refusals, printing through the print dialog
// into a PDF file, the preview, the port watcher during the print dialog,
// and what is marked for printing.

#include "../reports/pdfTools.h"
#include "../support/chartImage.h"
#include "../support/conditionColumns.h"
#include "../support/settingsStore.h"

#include "MainWindows.h"
#include "infoPanelRk.h"
#include "measurementTreeRk.h"
#include "printMsgConfigRk.h"
#include "printRk.h"
#include "printSeam.h"
#include "promptRk.h"
#include "sharedState.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>

namespace {

QStringList conditions()
{
    return conditionColumns(QStringLiteral("CIE1976L*a*b*"), QStringLiteral("ΔELab"));
}

// Type T001 with three Samples, Type T002 with one, Type T003 with none.
QVector<QTreeWidgetItem *> fillTree(MainWindows &window)
{
    QTreeWidgetItem *t1 = window.addTypeItem(50, 0, 0, "Type T001", conditions());
    for (int i = 1; i <= 3; ++i)
        window.addSampleItem(50 + i, 0, 0, t1, QString("Sample S00%1").arg(i), conditions());
    QTreeWidgetItem *t2 = window.addTypeItem(60, 0, 0, "Type T002", conditions());
    window.addSampleItem(61, 0, 0, t2, "Sample S004", conditions());
    QTreeWidgetItem *t3 = window.addTypeItem(70, 0, 0, "Type T003", conditions());
    return {t1, t2, t3};
}

QStringList promptTexts()
{
    QStringList texts;
    for (const promptRk::Record &record : promptRk::history())
        texts << record.title + ": " + record.text;
    return texts;
}

void setText(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// The dialog has at least the size of its language and cuts no text.
void checkFits(QDialog *dialog, QSize languageSize)
{
    QVERIFY(dialog->width() >= languageSize.width());
    QVERIFY(dialog->height() >= languageSize.height());
    dialog->layout()->activate();
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
    for (QLabel *label : dialog->findChildren<QLabel *>())
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    for (QLineEdit *edit : dialog->findChildren<QLineEdit *>())
        QVERIFY(edit->width() > edit->fontMetrics().horizontalAdvance("2026-12-24 10:00:00"));
}

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// The print dialog "prints to file": the report's pages go into `path`.
void printToFile(const QString &path)
{
    printSeam::setDialogHandler([path](QPrinter *printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return true;
    });
}

} // namespace

class tst_printing : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase() { promptRk::setTesting(true); }
    void init()
    {
        resetStore();
        promptRk::clearHistory();
        printSeam::setDialogHandler({});
        printSeam::setPreviewHandler({});
    }

    void printInformationAsAUserSetsIt()
    {
        QString systemTime;
        {
            MainWindows window;
            const QVector<QTreeWidgetItem *> types = fillTree(window);
            types[0]->setCheckState(nameColumn, Qt::Checked);
            printMsgConfigRk *dialog = window.printInfoDialog();
            QVERIFY(dialog->isHidden());
            window.action("configuration")->trigger();
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->windowTitle(), QString("Print Info. Setting"));
            checkFits(dialog, QSize(420, 240));
            saveArtifact(dialog->grab().toImage(), "printInfoDialog-en");
            QCOMPARE(dialog->edit(printMsgConfigRk::nameRow)->text(), QString("New Measurement"));
            // First start: "Custom", the time now in the edit.
            QLineEdit *time = dialog->edit(printMsgConfigRk::printTimeRow);
            QVERIFY(dialog->customButton()->isChecked() && time->isEnabled());
            const QDateTime shown = QDateTime::fromString(time->text(), "yyyy-MM-dd hh:mm:ss");
            QVERIFY(qAbs(shown.secsTo(QDateTime::currentDateTime())) < 60);

            // Cancel forgets the edits.
            QTest::keyClicks(dialog->edit(printMsgConfigRk::companyRow), "Acme");
            click(dialog->cancelButton());
            QVERIFY(dialog->isHidden());
            QCOMPARE(window.state()->printInfo().company, QString());

            window.action("configuration")->trigger();
            QCOMPARE(dialog->edit(printMsgConfigRk::companyRow)->text(), QString());
            setText(dialog->edit(printMsgConfigRk::nameRow), "Batch 42");
            setText(dialog->edit(printMsgConfigRk::companyRow), "Acme Paints");
            setText(time, "2026-12-24 10:00:00");
            setText(dialog->edit(printMsgConfigRk::personRow), "Li Wei");
            click(dialog->okButton());
            QVERIFY(dialog->isHidden() && !dialog->okButton()->isEnabled());
            QCOMPARE(promptTexts(), QStringList("Tips: Info. Saved!"));
            QCOMPARE(promptRk::history().first().kind, promptRk::TimedInformation);
            const PrintInfo info = window.state()->printInfo();
            QCOMPARE(info.texts(), QStringList({"Batch 42", "Acme Paints", "2026-12-24 10:00:00",
                                                "", "Li Wei", ""}));
            QVERIFY(!info.timeFlag);
            measurementTreeRk *tree = window.treeModel();
            QStringList rows;
            for (int row = 0; row < measurementTreeRk::printRowCount; ++row)
                rows << tree->printRow(row)->text(1);
            QCOMPARE(rows, QStringList({"[Batch 42]", "[Acme Paints]", "[2026-12-24 10:00:00]",
                                        "[]", "[Li Wei]", "[]"}));
            QCOMPARE(tree->measurementRoot()->text(0), QString("Measuring Name:Batch 42"));
            // The rename keeps what is marked for printing.
            QCOMPARE(types[0]->checkState(nameColumn), Qt::Checked);
            QCOMPARE(types[0]->child(2)->checkState(nameColumn), Qt::Checked);

            // "System": the edit cannot be typed into; OK stores the time shown.
            window.action("configuration")->trigger();
            click(dialog->systemButton());
            QVERIFY(!time->isEnabled());
            systemTime = time->text();
            QVERIFY(systemTime != "2026-12-24 10:00:00");
            click(dialog->okButton());
            QCOMPARE(window.state()->printInfo().printTime, systemTime);
            QVERIFY(window.state()->printInfo().timeFlag);

            window.SimplifyFcn();
            checkFits(dialog, QSize(360, 240));
            QCOMPARE(dialog->windowTitle(), QString("打印信息设置"));
            saveArtifact(dialog->grab().toImage(), "printInfoDialog-zh_CN");
            window.EnglishFcn();
            window.close();
        }
        QSettings settings("SoftWare Inc.", "qcm");
        QCOMPARE(settings.value("companyName").toString(), QString("Acme Paints"));
        QCOMPARE(settings.value("operatorName").toString(), QString("Li Wei"));
        QCOMPARE(settings.value("printTime").toString(), systemTime);
        QVERIFY(settings.value("timeFlag").toBool());
        MainWindows again;
        QVERIFY(again.printInfoDialog()->systemButton()->isChecked());
        QCOMPARE(again.treeModel()->printRow(measurementTreeRk::printCompanyRow)->text(1),
                 QString("[Acme Paints]"));
        // The panel shows them from the start, with no instrument attached.
        QTableWidget *panel = again.infoPanel()->printInfoTable();
        QCOMPARE(panel->item(0, 1)->text(), QString("Acme Paints"));
        QCOMPARE(panel->item(1, 1)->text(), QString("Li Wei"));
    }

    void emptyReportsAreRefused()
    {
        MainWindows window;
        const QVector<QTreeWidgetItem *> types = fillTree(window);
        int dialogs = 0;
        printSeam::setDialogHandler([&dialogs](QPrinter *) { return ++dialogs, false; });
        printSeam::setPreviewHandler(
            [&dialogs](QPrinter *, const printSeam::Painter &) { ++dialogs; });
        window.action("printFcn")->trigger();
        printRk *dialog = window.reportDialog();
        QVERIFY(dialog->isVisible());
        checkFits(dialog, QSize(500, 500));
        saveArtifact(dialog->grab().toImage(), "reportDialog-en");
        QVERIFY(dialog->formatButton(1)->isChecked());
        const QString noRecord = "Tips: Not selected, please select at least one record!";
        const QString noSample = "Tips: Not selected, please select at least one Sample!";
        click(dialog->printButton());
        click(dialog->previewButton());
        click(dialog->formatButton(2));
        click(dialog->printButton());
        click(dialog->previewButton());
        QCOMPARE(promptTexts(), QStringList({noRecord, noRecord, noSample, noSample}));
        QCOMPARE(dialogs, 0);

        // A Type marked without Samples: Report 1 prints its block, Report 2
        // refuses on both paths instead of printing a blank page.
        promptRk::clearHistory();
        types[2]->setCheckState(nameColumn, Qt::Checked);
        click(dialog->printButton());
        click(dialog->previewButton());
        QCOMPARE(promptTexts(), QStringList({noSample, noSample}));
        QCOMPARE(dialogs, 0);
        click(dialog->formatButton(1));
        click(dialog->printButton());
        QCOMPARE(dialogs, 1);
        QCOMPARE(promptRk::history().size(), 2);
    }

    void printsTheMarkedItems()
    {
        MainWindows window;
        const QVector<QTreeWidgetItem *> types = fillTree(window);
        types[0]->setCheckState(nameColumn, Qt::Checked);
        // The only Sample of Type T002: its Type stays unchecked, the Sample is printed.
        types[1]->child(0)->setCheckState(nameColumn, Qt::Checked);
        QCOMPARE(types[1]->checkState(nameColumn), Qt::Unchecked);
        window.setPrintMsg("Batch 42", "Acme Paints", "2026-12-24 10:00:00", "QC Lab", "Li Wei",
                           "Primer", false);
        window.action("printFcn")->trigger();
        printRk *dialog = window.reportDialog();

        // The port watcher ticks while the print dialog is open.
        bool ticked = false;
        const QString path1 = dir.filePath("report1.pdf");
        printSeam::setDialogHandler([&](QPrinter *printer) {
            QSignalSpy ticks(dialog, &printRk::printPortWSSignal);
            ticked = ticks.wait(5000);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path1);
            return true;
        });
        click(dialog->printButton());
        QVERIFY(ticked);
        QVERIFY(dialog->isHidden());
        // "Print to File" gives the report's own pages: A4 at high resolution.
        QVERIFY(runTool("pdfinfo", {path1}).contains("(A4)"));
        QCOMPARE(dialog->printer()->resolution(), 1200);
        QVERIFY(promptRk::history().isEmpty());
        const QStringList pages = pdfPageTexts(path1);
        QCOMPARE(pages.size(), 1);
        QVERIFY(inOrder(pages[0],
                        "Acme Paints|Batch 42|Type T001|Sample S001|Sample S002|Sample S003|Type "
                        "T002|Sample S004|signature:|Print Time:2026-12-24 10:00:00"));
        QVERIFY(!pages[0].contains("Type T003"));

        // Report 2: a page per Sample; the printer keeps the user's choice.
        const QString path2 = dir.filePath("report2.pdf");
        printToFile(path2);
        window.action("printFcn")->trigger();
        click(dialog->formatButton(2));
        click(dialog->printButton());
        QCOMPARE(pdfPageCount(path2), 4);
        QCOMPARE(pdfPageTexts(path2).filter("Signature:").size(), 4);
        QVERIFY(dialog->printer()->outputFileName() == path2);

        // The preview draws the same pages whenever it asks for them.
        const QString preview = dir.filePath("preview.pdf");
        printSeam::setPreviewHandler([&](QPrinter *, const printSeam::Painter &paint) {
            QPrinter target(QPrinter::HighResolution);
            target.setOutputFormat(QPrinter::PdfFormat);
            target.setOutputFileName(preview);
            paint(&target);
        });
        window.action("printFcn")->trigger();
        click(dialog->previewButton());
        QVERIFY(dialog->isHidden());
        QCOMPARE(pdfPageCount(preview), 4);
    }

    // The dialog prints what it was handed, whatever the tree did since.
    void reportKeepsItsCopy()
    {
        MainWindows window;
        const QVector<QTreeWidgetItem *> types = fillTree(window);
        types[0]->setCheckState(nameColumn, Qt::Checked);
        window.action("printFcn")->trigger();
        window.treeModel()->deleteItem(types[0]);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("copy.pdf"));
        QVERIFY(window.reportDialog()->setFormat1(&printer));
        QVERIFY(pdfPageTexts(dir.filePath("copy.pdf")).value(0).contains("Sample S003"));
    }
};

QTEST_MAIN(tst_printing)
#include "tst_printing.moc"
