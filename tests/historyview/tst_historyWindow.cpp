// The history window in the built main window, over a real SQLite history
// filled through historyStore::insert: its filters, its pages, the chosen
// Types opened with their Samples as a new measurement, the CSV export read
// back by a parser of its own, and how the window looks.

#include "../support/settingsStore.h"
#include "MainWindows.h"
#include "historyCommands.h"
#include "historyFixture.h"
#include "historyTableModel.h"
#include "historyWindow.h"
#include "measurementTreeRk.h"
#include "promptRk.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTreeWidget>

using namespace historyFixture;

namespace {

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// RFC 4180 as a spreadsheet reads it: quoted fields may hold commas,
// doubled quotes and line breaks; rows end with CR LF.
QVector<QStringList> parseCsv(const QByteArray &bytes)
{
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    const QString text = QString::fromUtf8(bytes);
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text.at(i + 1) == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row << field;
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty())
        rows << (row << field);
    return rows;
}

QDateTime utc(int day, int hour)
{
    return QDateTime(QDate(2026, 11, day), QTime(hour, 0), Qt::UTC);
}

// The column of the model's row `r`.
QString cell(historyWindow *w, int r, int column)
{
    return w->model()->index(r, column).data().toString();
}

} // namespace

class tst_historyWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    QString database;
    HistoryRecord blue, white, green;

    static historyWindow *openWindow(MainWindows &main)
    {
        main.action("historyWindowFcn")->trigger();
        historyWindow *w = main.historyView()->window();
        return w;
    }
    static void click(QWidget *w, const char *name)
    {
        QTest::mouseClick(w->findChild<QPushButton *>(name), Qt::LeftButton);
    }
    static QStringList names(historyWindow *w)
    {
        QStringList shown;
        for (int r = 0; r < w->model()->rowCount(); ++r)
            shown << cell(w, r, historyTableModel::nameColumn);
        return shown;
    }
    static void chooseRows(historyWindow *w, const QStringList &wanted)
    {
        QItemSelectionModel *selection = w->table()->selectionModel();
        selection->clearSelection();
        for (int r = 0; r < w->model()->rowCount(); ++r)
            if (wanted.contains(cell(w, r, historyTableModel::nameColumn)))
                selection->select(w->model()->index(r, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

private slots:
    void initTestCase()
    {
        promptRk::setTesting(true);
        QVERIFY(folder.isValid());
        database = folder.filePath("history.sqlite");
    }

    void init()
    {
        resetStore();
        promptRk::clearHistory();
        QFile::remove(database);
        // Three Types on two stations over November; one Sample failed, one
        // Type was renamed later, and a name begins like a formula.
        blue = type("RAL 5010 Enzianblau", utc(3, 8), "line1");
        white = type("ral 9010, reinweiß", utc(10, 8), "line2");
        green = type("=Green 6018", utc(20, 8), "line2");
        green.operatorName = "Ben";
        green.filePath = "/lab/lot6.qcm";
        HistoryRecord renamed;
        renamed.id = QUuid::createUuid();
        renamed.event = history::Event::Renamed;
        renamed.itemId = white.id;
        renamed.kind = history::Kind::Type;
        renamed.name = "RAL 9010 pure white";
        renamed.time = utc(11, 8);
        renamed.station = "line2";
        QVERIFY(fill(database, {blue, sample(blue, "Sample S001", 50.5, "Pass", utc(3, 9)),
                                sample(blue, "Sample S002", 54.75, "Fail", utc(4, 9)), white,
                                sample(white, "Sample S001", 95.125, "Pass", utc(10, 9)), renamed,
                                green, sample(green, "Sample S001", 40, "Fail", utc(21, 9))}));
    }

    // Name anywhere and in any case, date range, verdict, station and
    // operator each narrow the answer; newest first.
    void filtersNarrowTheAnswer()
    {
        MainWindows main;
        historyWindow *w = openWindow(main);
        QVERIFY(w->isVisible());
        QCOMPARE(w->total(), qint64(7));
        QCOMPARE(names(w).first(), QString("Sample S001")); // the newest, of =Green 6018
        QCOMPARE(cell(w, 0, historyTableModel::typeColumn), QString("=Green 6018"));

        auto *typeEdit = w->findChild<QLineEdit *>("typeEdit");
        typeInto(typeEdit, "ral");
        QTest::keyClick(typeEdit, Qt::Key_Return);
        QCOMPARE(w->total(), qint64(5));
        QVERIFY(names(w).contains("RAL 9010 pure white (entered as ral 9010, reinweiß)"));
        typeInto(typeEdit, "enzIANblau");
        click(w, "searchButton");
        QCOMPARE(w->total(), qint64(3));
        QCOMPARE(names(w), QStringList({"Sample S002", "Sample S001", "RAL 5010 Enzianblau"}));

        // The last day named belongs to the range.
        typeInto(typeEdit, "");
        w->findChild<QCheckBox *>("sinceCheck")->setChecked(true);
        w->findChild<QDateEdit *>("sinceDate")->setDate(QDate(2026, 11, 4));
        w->findChild<QCheckBox *>("untilCheck")->setChecked(true);
        w->findChild<QDateEdit *>("untilDate")->setDate(QDate(2026, 11, 10));
        click(w, "searchButton");
        QCOMPARE(w->total(), qint64(3));
        QCOMPARE(cell(w, 2, historyTableModel::timeColumn),
                 utc(4, 9).toTimeZone(QTimeZone("Europe/Berlin")).toString("yyyy-MM-dd hh:mm:ss"));
        w->findChild<QCheckBox *>("sinceCheck")->setChecked(false);
        w->findChild<QCheckBox *>("untilCheck")->setChecked(false);

        w->findChild<QComboBox *>("verdictBox")->setCurrentIndex(2);
        click(w, "searchButton");
        QCOMPARE(w->total(), qint64(2));
        QCOMPARE(cell(w, 0, historyTableModel::verdictColumn), QString("Fail"));
        QCOMPARE(cell(w, 1, historyTableModel::differenceColumn), QString("4.50"));

        typeInto(w->findChild<QLineEdit *>("stationEdit"), "line1");
        click(w, "searchButton");
        QCOMPARE(w->total(), qint64(1));
        QCOMPARE(cell(w, 0, historyTableModel::typeColumn), QString("RAL 5010 Enzianblau"));

        w->findChild<QComboBox *>("verdictBox")->setCurrentIndex(0);
        typeInto(w->findChild<QLineEdit *>("stationEdit"), "");
        typeInto(w->findChild<QLineEdit *>("operatorEdit"), "Ben");
        click(w, "searchButton");
        QCOMPARE(w->total(), qint64(2));
        QCOMPARE(w->findChild<QLabel *>("pageLabel")->text(), QString("Records 1 to 2 of 2"));

        // The measuring file, chosen in a file dialog.
        typeInto(w->findChild<QLineEdit *>("operatorEdit"), "");
        promptRk::setNextFileName("/lab/lot6.qcm");
        click(w, "fileButton");
        QCOMPARE(w->total(), qint64(2));
        QCOMPARE(cell(w, 1, historyTableModel::nameColumn), QString("=Green 6018"));
        QCOMPARE(cell(w, 1, historyTableModel::fileColumn), QString("/lab/lot6.qcm"));
        typeInto(w->findChild<QLineEdit *>("fileEdit"), "/lab/lot5.qcm");
        click(w, "searchButton");
        QCOMPARE(w->total(), qint64(5));
        typeInto(w->findChild<QLineEdit *>("fileEdit"), "");

        typeInto(w->findChild<QLineEdit *>("operatorEdit"), "nobody");
        click(w, "searchButton");
        QCOMPARE(w->total(), qint64(0));
        QCOMPARE(w->findChild<QLabel *>("pageLabel")->text(), QString("No records match."));
        QVERIFY(!w->findChild<QPushButton *>("exportButton")->isEnabled());
    }

    // More records than a page: the window holds one page, and the buttons
    // step through all of them without a gap or a repeat.
    void pagesThroughALargeAnswer()
    {
        QVector<HistoryRecord> many;
        const HistoryRecord lot = type("Lot 77", utc(1, 6));
        many << lot;
        for (int i = 0; i < 2500; ++i)
            many << sample(lot, QString("Sample S%1").arg(i + 1, 4, 10, QChar('0')), 50 + i * 0.001,
                           "Pass", utc(1, 7).addSecs(i));
        QVERIFY(fill(database, many));

        MainWindows main;
        historyWindow *w = main.historyView()->window();
        w->setPageSize(1000);
        typeInto(w->findChild<QLineEdit *>("typeEdit"), "lot 77");
        openWindow(main);
        click(w, "searchButton");
        QCOMPARE(w->total(), qint64(2501));
        QCOMPARE(w->pageCount(), 3);
        QCOMPARE(w->model()->rowCount(), 1000);
        QCOMPARE(w->findChild<QLabel *>("pageLabel")->text(), QString("Records 1 to 1000 of 2501"));
        QVERIFY(!w->findChild<QPushButton *>("previousButton")->isEnabled());

        QSet<QString> seen;
        for (int page = 0; page < 3; ++page) {
            if (page > 0)
                click(w, "nextButton");
            QCOMPARE(w->page(), page);
            for (int r = 0; r < w->model()->rowCount(); ++r)
                seen.insert(w->model()->row(r).record.id.toString());
        }
        QCOMPARE(w->model()->rowCount(), 501);
        QCOMPARE(names(w).last(), QString("Lot 77"));
        QCOMPARE(seen.size(), 2501);
        QCOMPARE(w->findChild<QLabel *>("pageLabel")->text(),
                 QString("Records 2001 to 2501 of 2501"));
        QVERIFY(!w->findChild<QPushButton *>("nextButton")->isEnabled());
        click(w, "previousButton");
        QCOMPARE(w->page(), 1);
        QCOMPARE(names(w).first(), QString("Sample S1500"));
    }

    // Chosen Types come back with all their Samples as a new measurement:
    // names as they are now, values, conditions and the station's time.
    void opensChosenTypesAsNewMeasurement()
    {
        MainWindows main;
        measurementTreeRk *tree = main.treeModel();
        tree->addTypeItem(1, 2, 3, "Unsaved", {});
        historyWindow *w = openWindow(main);

        // Only Samples chosen: the window asks for Types.
        chooseRows(w, {"Sample S002"});
        click(w, "openButton");
        QVERIFY(promptRk::history().last().text.contains("Choose one or more Types"));
        QCOMPARE(tree->typeCount(), 1);

        // Kept unsaved work stays: "save changes?" answered Cancel.
        chooseRows(w,
                   {"RAL 5010 Enzianblau", "RAL 9010 pure white (entered as ral 9010, reinweiß)"});
        promptRk::setNextAnswer(QMessageBox::Cancel);
        click(w, "openButton");
        QCOMPARE(tree->typeCount(), 1);
        QCOMPARE(tree->type(0)->text(0), QString("Unsaved"));

        QSignalSpy opened(w, &historyWindow::measurementOpenedSignal);
        promptRk::setNextAnswer(QMessageBox::No);
        click(w, "openButton");
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toInt(), 2);
        QCOMPARE(opened.at(0).at(1).toInt(), 3);
        QVERIFY(main.currentFile().isEmpty());
        QVERIFY(main.isModified());

        QCOMPARE(tree->typeCount(), 2);
        QTreeWidgetItem *first = tree->type(0);
        QCOMPARE(first->text(0), QString("RAL 5010 Enzianblau"));
        QCOMPARE(first->childCount(), 2);
        QCOMPARE(first->child(0)->text(0), QString("Sample S001"));
        QCOMPARE(first->child(1)->text(0), QString("Sample S002"));
        QCOMPARE(first->child(1)->text(2), QString("54.75"));
        QCOMPARE(first->child(1)->text(3), QString("-3.5"));
        QCOMPARE(first->child(1)->text(4), QString("12.125"));
        // Columns 5 to 15: time, light source, model, caliber, light mode,
        // space, formula, illumination, observer, readings.
        QCOMPARE(first->text(5), QString("2026-11-03 09:00:00"));
        const QStringList conditions = {"D65",  "CS-10", "8mm", "SCI", "CIE1976L*a*b*",
                                        "ΔE00", "D/8",   "10°", "1",   "1"};
        for (int c = 0; c < conditions.size(); ++c)
            QCOMPARE(first->child(0)->text(6 + c), conditions.at(c));
        QTreeWidgetItem *second = tree->type(1);
        QCOMPARE(second->text(0), QString("RAL 9010 pure white"));
        QCOMPARE(second->childCount(), 1);
        QCOMPARE(second->child(0)->text(2), QString("95.125"));
        // The swatch is the reading's colour: L* 95 is far lighter than L* 50.
        QVERIFY(second->child(0)->background(1).color().lightness() >
                first->child(0)->background(1).color().lightness() + 60);
    }

    // The whole answer as CSV over several pages, read back field by field:
    // headings, plain numbers, quoted commas, guarded formulas.
    void exportsTheWholeAnswer()
    {
        MainWindows main;
        historyWindow *w = main.historyView()->window();
        w->setPageSize(3);
        openWindow(main);
        QCOMPARE(w->total(), qint64(7));
        const QString path = folder.filePath("history");
        promptRk::setNextFileName(path);
        click(w, "exportButton");
        QFile file(path + ".csv");
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(promptRk::history().last().text));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QVector<QStringList> rows = parseCsv(bytes.mid(3));
        QCOMPARE(rows.size(), 8);
        const QStringList head = rows.at(0);
        for (const QStringList &row : rows)
            QCOMPARE(row.size(), head.size());
        auto field = [&](int r, const char *heading) {
            return rows.at(r).value(head.indexOf(QString::fromUtf8(heading)));
        };
        QCOMPARE(field(1, "Name"), QString("Sample S001"));
        QCOMPARE(field(1, "Type"), QString("'=Green 6018"));
        QCOMPARE(field(1, "Time (UTC)"), QString("2026-11-21T09:00:00Z"));
        QCOMPARE(field(1, "Verdict"), QString("Fail"));
        QCOMPARE(field(1, "Difference"), QString("10.25"));
        QCOMPARE(field(2, "Name"), QString("'=Green 6018"));
        QCOMPARE(field(2, "Difference"), QString());
        QCOMPARE(field(3, "Type"), QString("ral 9010, reinweiß"));
        QCOMPARE(field(4, "Current name"), QString("RAL 9010 pure white"));
        QCOMPARE(field(4, "Name"), QString("ral 9010, reinweiß"));
        QCOMPARE(field(7, "Value 1"), QString("50.25"));
        QCOMPARE(field(7, "L* as read"), QString("50.25"));
        QCOMPARE(field(7, "Light source"), QString("D65"));
        QCOMPARE(field(7, "Station"), QString("line1"));
        QCOMPARE(field(7, "Record id"), blue.id.toString(QUuid::WithoutBraces));
        QVERIFY(bytes.contains("\"ral 9010, reinweiß\""));
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(w->findChild<QLabel *>("messageLabel")->text().startsWith("7 records exported"));

        // A folder that is not there: said in a box, no file left behind.
        promptRk::setNextFileName(folder.filePath("gone/history.csv"));
        click(w, "exportButton");
        QCOMPARE(promptRk::history().last().kind, promptRk::Warning);
        QVERIFY2(promptRk::history().last().text.startsWith("The history could not be exported"),
                 qPrintable(promptRk::history().last().text));
        QVERIFY(!QFile::exists(folder.filePath("gone/history.csv")));
    }

    // A connection saved in "History database" reaches the open window at
    // once and is announced for the recorder.
    void followsTheDatabaseSetting()
    {
        MainWindows main;
        historyWindow *w = openWindow(main);
        QCOMPARE(w->total(), qint64(7));
        QSignalSpy announced(main.historyView(), &historyCommands::historySettingsChanged);
        main.action("historyDatabaseFcn")->trigger();
        QWidget *dialog = main.findChild<QWidget *>("historyDatabaseDialog");
        QVERIFY(dialog->isVisible());
        auto *path = dialog->findChild<QLineEdit *>("sqlitePathEdit");
        QCOMPARE(path->text(), QDir::toNativeSeparators(database));
        typeInto(path, folder.filePath("other.sqlite"));
        click(dialog, "okButton");
        QCOMPARE(announced.count(), 1);
        QCOMPARE(w->total(), qint64(0));
        QCOMPARE(w->findChild<QLabel *>("pageLabel")->text(), QString("No records match."));
        QVERIFY(QFile::exists(folder.filePath("other.sqlite")));
    }

    // At its default size every text of the window shows whole, in English
    // and in Chinese.
    void looksFinished()
    {
        MainWindows main;
        historyWindow *w = openWindow(main);
        QCOMPARE(w->total(), qint64(7));
        for (const QString language : {"en", "zh_CN"}) {
            if (language == "zh_CN") {
                main.SimplifyFcn();
                // The window hears of the language as every widget does.
                QTRY_COMPARE(w->windowTitle(), QString("测量历史"));
            }
            // The layout takes the new texts when events are delivered.
            QApplication::processEvents();
            const QImage image = w->grab().toImage();
            QVERIFY(!image.isNull());
            image.save(QDir(qEnvironmentVariable("QCM_BUILD_DIR"))
                           .filePath("tests/historyWindow_" + language + ".png"));
            for (QPushButton *button : w->findChildren<QPushButton *>())
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
            for (QLabel *label : w->findChildren<QLabel *>())
                if (!label->wordWrap() && !label->text().isEmpty())
                    QVERIFY2(label->width() >= label->sizeHint().width(),
                             qPrintable(label->text()));
            for (int c = 0; c < historyTableModel::fileColumn; ++c)
                QVERIFY2(w->table()->columnWidth(c) >=
                             w->table()->fontMetrics().horizontalAdvance(cell(w, 0, c)),
                         qPrintable(cell(w, 0, c)));
        }
        QCOMPARE(w->windowTitle(), QString("测量历史"));
        QCOMPARE(w->findChild<QLabel *>("pageLabel")->text(), QString("第 1 至 7 条，共 7 条"));
        QCOMPARE(w->model()->headerData(historyTableModel::verdictColumn, Qt::Horizontal),
                 QVariant("判定"));
    }
};

QTEST_MAIN(tst_historyWindow)
#include "tst_historyWindow.moc"
