// The workbook and CSV writers on real trees, every file read back by an
// independent reader: cell values, merges, fonts, fills, borders, widths and
// heights; CSV values against the tree; failures that must leave the user's
// files alone.

#include "exportReader.h"

#include "csvWriter.h"
#include "markedItems.h"
#include "measurementTreeRk.h"
#include "resourcePath.h"
#include "workbookWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString lab = QStringLiteral("CIE1976L*a*b*");
const QString time0 = QStringLiteral("2026-12-09 08:00:00");

// A measurement tree with check-mark propagation, as in the window.
struct Measurement
{
    QTreeWidget widget;
    measurementTreeRk tree{&widget};

    Measurement()
    {
        QObject::connect(&widget, &QTreeWidget::itemChanged, &tree,
                         [this](QTreeWidgetItem *item) { tree.propagateCheckState(item); });
    }
    static QStringList columns(const QString &space, const QString &formula)
    {
        return {time0, "D65", "PX71", "8mm", "SCI", space, formula, "8/d", "CIE 10°", "1", "1"};
    }
    QTreeWidgetItem *type(const QString &name, float v1, float v2, float v3,
                          const QString &space = lab)
    {
        return tree.addTypeItem(v1, v2, v3, name, columns(space, "ΔELab"));
    }
    QTreeWidgetItem *sample(QTreeWidgetItem *type, const QString &name, float v1, float v2,
                            float v3, const QString &formula = "ΔELab")
    {
        return tree.addSampleItem(v1, v2, v3, type, name,
                                  columns(type->text(colorSpaceColumn), formula));
    }
    static void check(QTreeWidgetItem *item) { item->setCheckState(nameColumn, Qt::Checked); }

    ExportData data(const QVector<int> &fields) const
    {
        ExportData d;
        d.title = "Batch 7";
        d.marked = markedTypes(tree);
        d.fields = QVector<bool>(exportFieldCount, false);
        for (int field : fields)
            d.fields[field] = true;
        d.company = "ACME, Inc.";
        d.department = "Dyeing";
        d.measurementPerson = "Li";
        d.productTested = "Cotton";
        return d;
    }
};

QVector<int> allFields()
{
    QVector<int> fields;
    for (int field = 0; field < exportFieldCount; ++field)
        fields << field;
    return fields;
}

QString columnLetter(int column)
{
    return QString(QChar('A' + column));
}

QJsonObject readWorkbook(const QString &path)
{
    QString failure;
    const QJsonObject book = readExport("readWorkbook.py", path, &failure);
    if (!failure.isEmpty())
        qWarning().noquote() << failure;
    return book;
}

// The value of every cell with one, by name ("A1").
QMap<QString, QString> cellValues(const QJsonObject &book)
{
    QMap<QString, QString> values;
    const QJsonObject cells = book["cells"].toObject();
    for (auto it = cells.begin(); it != cells.end(); ++it) {
        const QJsonValue value = it.value().toObject()["value"];
        if (!value.isNull())
            values[it.key()] = value.toString("<not text>");
    }
    return values;
}

QMap<QString, QString> grid(const QList<QStringList> &rows)
{
    QMap<QString, QString> values;
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            if (!rows[r][c].isEmpty())
                values[columnLetter(c) + QString::number(r + 1)] = rows[r][c];
    return values;
}

// Everything the layout fixes besides the values: the title, the heading
// cells, the frame, the widths and the heights.  `headingRows` are 1-based.
void checkLayout(const QJsonObject &book, int lastColumn, int lastRow, const QSet<int> &headingRows)
{
    QCOMPARE(book["sheets"].toInt(), 1);
    const QString last = columnLetter(lastColumn);
    QCOMPARE(book["merged"].toArray(), QJsonArray({"A1:" + last + "1"}));
    const QJsonObject cells = book["cells"].toObject();
    const QJsonObject title = cells["A1"].toObject();
    QCOMPARE(title["size"].toDouble(), 18.0);
    QVERIFY(title["wrap"].toBool());
    QCOMPARE(title["hAlign"].toString(), QString("center"));
    QCOMPARE(title["vAlign"].toString(), QString("center"));
    QVERIFY(title["borders"].toArray().at(0).isNull());

    const QJsonArray thinBlack = {"thin", "FF000000"};
    for (int row = 2; row <= lastRow; ++row) {
        for (int column = 0; column <= lastColumn; ++column) {
            const QString name = columnLetter(column) + QString::number(row);
            const QJsonObject cell = cells[name].toObject();
            QVERIFY2(!cell.isEmpty(), qPrintable(name + " has no format"));
            for (const QJsonValue &side : cell["borders"].toArray())
                QVERIFY2(side.toArray() == thinBlack, qPrintable(name + " is not framed"));
            const bool heading = headingRows.contains(row);
            QCOMPARE(cell["bold"].toBool(), heading);
            QCOMPARE(cell["fill"].toString(), heading ? QString("FFBFBFBF") : QString());
            if (heading) {
                QCOMPARE(cell["hAlign"].toString(), QString("center"));
                QCOMPARE(cell["vAlign"].toString(), QString("center"));
            }
            if (!cell["value"].isNull())
                QCOMPARE(cell["type"].toString(), QString("s"));
        }
    }
    QVERIFY2(!cells.contains(columnLetter(lastColumn + 1) + "2"), "a cell beyond the table");
    QVERIFY2(!cells.contains("A" + QString::number(lastRow + 1)), "a row beyond the table");

    // Width 10 as the spreadsheet program stores it (with its cell padding).
    QJsonObject widths;
    if (!headingRows.isEmpty())
        for (int column = 0; column <= lastColumn; ++column)
            widths[columnLetter(column)] = 10.7109375;
    QCOMPARE(book["widths"].toObject(), widths);
    QJsonObject heights{{"1", 30.0}};
    for (int row = 2; row <= lastRow; ++row)
        heights[QString::number(row)] = 20.0;
    QCOMPARE(book["heights"].toObject(), heights);
}

QStringList column(const QMap<QString, QString> &values, const QString &letter, int lastRow)
{
    QStringList texts;
    for (int row = 2; row <= lastRow; ++row)
        texts << values.value(letter + QString::number(row));
    return texts;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class tst_exportWriters : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    // A temporary folder of this test's own, so that what the writers leave
    // there can be told from other programs' files.
    QTemporaryDir scratch;

private slots:
    void initTestCase() { qputenv("TMPDIR", QFile::encodeName(scratch.path())); }

    void partExampleCellForCell()
    {
        // Two fields (0 and 9); a Type with two checked Samples and a checked
        // Type without Samples.
        Measurement m;
        QTreeWidgetItem *t1 = m.type("Type T001", 50, 2.6772f, -79.7751f);
        // The first pair of the published CIEDE2000 data: 2.0425.
        m.sample(t1, "Sample S001", 50, 0, -82.7485f, "ΔE00");
        m.sample(t1, "Sample S002", 52, 2.6772f, -79.7751f);
        QTreeWidgetItem *t2 = m.type("Type T002", 70, 0, 0);
        m.check(t1);
        m.check(t2);
        const QString path = dir.filePath("example.xlsx");
        QString error;
        QVERIFY2(writeWorkbook(path, m.data({0, 9}), currentExportTexts(), {}, &error),
                 qPrintable(error));

        const QJsonObject book = readWorkbook(path);
        QVERIFY(!book.isEmpty());
        const QStringList headings = {
            "Name", "L", "a", "b", "Color Difference Value", "Instrument Model", "Measuring Time"};
        QCOMPARE(cellValues(book),
                 grid({{"Batch 7"},
                       headings,
                       {"Type T001", "50.00", "2.68", "-79.78", "", "PX71", time0},
                       {"Sample S001", "50.00", "0.00", "-82.75", "2.04", "PX71", time0},
                       {"Sample S002", "52.00", "2.68", "-79.78", "2.00", "PX71", time0},
                       headings,
                       {"Type T002", "70.00", "0.00", "0.00", "", "PX71", time0}}));
        checkLayout(book, 6, 7, {2, 6});
    }

    void layoutEdgeCases_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QVector<int>>("fields");
        QTest::addColumn<bool>("markNothing");
        for (const char *language : {"en_US", "zh_CN"}) {
            QTest::addRow("%s no field", language) << language << QVector<int>() << false;
            QTest::addRow("%s all fifteen", language) << language << allFields() << false;
            QTest::addRow("%s no Type marked", language) << language << allFields() << true;
        }
    }
    void layoutEdgeCases()
    {
        QFETCH(QString, language);
        QFETCH(QVector<int>, fields);
        QFETCH(bool, markNothing);
        QTranslator translator;
        if (language != "en_US") {
            QVERIFY(translator.load(resourcePath("./language/" + language + ".qm")));
            QCoreApplication::installTranslator(&translator);
        }
        const auto uninstall =
            qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

        // A partly checked Type (its second Sample of three), a Type whose
        // only Sample is checked (the Type itself shows unchecked), an
        // unchecked Type, and a Type in Hunter Lab with a Chinese name.
        Measurement m;
        QTreeWidgetItem *partial = m.type("Type T001", 50, 0, 0);
        for (int s = 1; s <= 3; ++s)
            m.sample(partial, QString("Sample S00%1").arg(s), 50 + s, 0, 0);
        QTreeWidgetItem *single = m.type("Type T002", 60, 0, 0);
        m.sample(single, "Sample S001", 63, 4, 0);
        QTreeWidgetItem *unchecked = m.type("Type T003", 1, 1, 1);
        m.sample(unchecked, "Sample S001", 2, 2, 2);
        QTreeWidgetItem *hunter = m.type("标样 甲", 40, 1, 1, "HunterLAB");
        if (!markNothing) {
            m.check(partial->child(1));
            m.check(single->child(0));
            m.check(hunter);
        }
        const QString path = dir.filePath("edge.xlsx");
        QString error;
        const ExportTexts texts = currentExportTexts();
        QVERIFY2(writeWorkbook(path, m.data(fields), texts, {}, &error), qPrintable(error));

        const QJsonObject book = readWorkbook(path);
        QVERIFY(!book.isEmpty());
        const QMap<QString, QString> values = cellValues(book);
        const int lastColumn = 4 + fields.size();
        QCOMPARE(values.value("A1"), QString("Batch 7"));
        if (markNothing) {
            // Only the title: no frame, no heights below it, no widths.
            QCOMPARE(values.keys(), QStringList{"A1"});
            checkLayout(book, lastColumn, 1, {});
            return;
        }
        const int lastRow = 2 * 3 + 2 + 1;
        checkLayout(book, lastColumn, lastRow, {2, 5, 8});
        QCOMPARE(column(values, "A", lastRow),
                 QStringList({texts.name, "Type T001", "Sample S002", texts.name, "Type T002",
                              "Sample S001", texts.name, "标样 甲"}));
        QCOMPARE(column(values, "E", lastRow),
                 QStringList({texts.colorDifference, "", "2.00", texts.colorDifference, "", "5.00",
                              texts.colorDifference, ""}));
        QCOMPARE(values.value("B8") + values.value("C8") + values.value("D8"),
                 QString("HunterLHunterAHunterB"));
        if (language == "zh_CN")
            QCOMPARE(texts.name + "|" + texts.colorDifference, QString("名称|色差值"));
        if (fields.size() == exportFieldCount) {
            QCOMPARE(columnLetter(lastColumn), QString("T"));
            for (int field = 0; field < exportFieldCount; ++field)
                QCOMPARE(values.value(columnLetter(5 + field) + "2"), texts.fieldHeadings[field]);
            // No formula on Type rows; the Samples carry theirs.
            QCOMPARE(column(values, "M", lastRow),
                     QStringList({texts.fieldHeadings[formulaField], "", "ΔELab",
                                  texts.fieldHeadings[formulaField], "", "ΔELab",
                                  texts.fieldHeadings[formulaField], ""}));
            QCOMPARE(values.value("P3") + "|" + values.value("T9"), QString("2.00|Cotton"));
        }
    }

    void valuesThatAreNoNumbersAndOverlongTexts()
    {
        Measurement m;
        // FMC-II against a black Type cannot be computed.
        QTreeWidgetItem *black = m.type("Type T001", 0, 0, 0);
        m.sample(black, "Sample S001", 10, 1, 1, "ΔEFCMⅡ");
        QTreeWidgetItem *odd = m.sample(black, QString(40000, QChar(0x6837)), 1, 2, 3);
        odd->setText(value1Column, "not a number");
        m.check(black);
        const QString path = dir.filePath("odd.xlsx");
        QString error;
        QVERIFY2(writeWorkbook(path, m.data({}), currentExportTexts(), {}, &error),
                 qPrintable(error));
        const QJsonObject book = readWorkbook(path);
        const QJsonObject cells = book["cells"].toObject();
        // A difference that is no number: "--" where a person reads it, an
        // empty cell in the CSV a spreadsheet or a script reads.
        QCOMPARE(cells["E4"].toObject()["value"].toString(), QString("--"));
        QCOMPARE(cells["E4"].toObject()["type"].toString(), QString("s"));
        QCOMPARE(cells["B5"].toObject()["value"].toString(), QString("0.00"));
        const QJsonObject cut = cells["A5"].toObject();
        QCOMPARE(cut["value"].toString(), QString(workbookCellTextLimit, QChar(0x6837)));
        QVERIFY2(cut["note"].toString().contains("32767 of its 40000 characters"),
                 qPrintable(cut["note"].toString()));

        const QString csvPath = dir.filePath("odd.csv");
        QVERIFY2(writeCsvFile(csvPath, m.data({}), currentExportTexts(), {}, &error),
                 qPrintable(error));
        QString failure;
        const QJsonArray rows = readExport("readCsv.py", csvPath, &failure)["rows"].toArray();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(rows.size(), 4);
        const QJsonArray nanRow = rows[2].toArray();
        QCOMPARE(nanRow.at(2).toString(), QString("Sample S001"));
        QCOMPARE(nanRow.at(6).toString(), QString(""));
        QCOMPARE(rows[3].toArray().at(3).toString(), QString("0"));
        QFile csvFile(csvPath);
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        QVERIFY(!csvFile.readAll().toLower().contains("nan"));
    }

    void csvReadBack()
    {
        Measurement m;
        QTreeWidgetItem *type = m.type("Type \"A\", first", 50, 0, 0);
        m.sample(type, "Sample S001", 53, 4, 0);
        QTreeWidgetItem *precise = m.sample(type, "样品\n二", 50.5f, 0, 0);
        precise->setText(value2Column, "0.000015");
        precise->setText(value3Column, "1.5e-05");
        QTreeWidgetItem *xyz = m.type("Type T002", 20, 30, 40, "CIEXYZ");
        m.check(type);
        const QString path = dir.filePath("rows.csv");
        QString error;
        const ExportTexts texts = currentExportTexts();
        QVERIFY2(writeCsvFile(path, m.data({formulaField, companyField}), texts, {}, &error),
                 qPrintable(error));

        QString failure;
        QJsonObject csv = readExport("readCsv.py", path, &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(csv["bom"].toBool());
        const QJsonArray expected = {
            QJsonArray{"Kind", "Type", "Name", "L", "a", "b", "Color Difference Value",
                       "L Deviation", "a Deviation", "b Deviation", "Judging Result",
                       "Color Difference Formula", "Company"},
            QJsonArray{"Type", "Type \"A\", first", "Type \"A\", first", "50", "0", "0", "", "", "",
                       "", "", "", "ACME, Inc."},
            QJsonArray{"Sample", "Type \"A\", first", "Sample S001", "53", "4", "0", "5",
                       "White+ Black-", "Red+ Green-", "Normal", "Fail", "ΔELab", "ACME, Inc."},
            QJsonArray{"Sample", "Type \"A\", first", "样品\n二", "50.5", "0.000015", "0.000015",
                       "0.5", "White+ Black-", "Normal", "Normal", "Pass", "ΔELab", "ACME, Inc."}};
        const QJsonArray rowsRead = csv["rows"].toArray();
        QCOMPARE(rowsRead.size(), expected.size());
        for (int row = 0; row < expected.size(); ++row)
            QCOMPARE(rowsRead[row].toArray().toVariantList(),
                     expected[row].toArray().toVariantList());

        // Items of different colour spaces: numbered coordinate headings.
        m.check(xyz);
        QVERIFY(writeCsvFile(path, m.data({}), texts, {}, &error));
        csv = readExport("readCsv.py", path, &failure);
        const QJsonArray rows = csv["rows"].toArray();
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[0].toArray().at(3).toString() + rows[0].toArray().at(7).toString(),
                 QString("Value 1Value 1 Deviation"));
        QCOMPARE(rows[4].toArray().at(2).toString(), QString("Type T002"));
    }

    void failedWritesKeepTheOldFile_data()
    {
        QTest::addColumn<bool>("csv");
        QTest::addColumn<bool>("lockFolder");
        QTest::newRow("workbook, writes failing") << false << false;
        QTest::newRow("CSV, writes failing") << true << false;
        QTest::newRow("workbook, folder not writable") << false << true;
        QTest::newRow("CSV, folder not writable") << true << true;
    }
    void failedWritesKeepTheOldFile()
    {
        QFETCH(bool, csv);
        QFETCH(bool, lockFolder);
        QTemporaryDir folder(dir.filePath("failing-XXXXXX"));
        const QString path = folder.filePath(csv ? "old.csv" : "old.xlsx");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the old file");
        }
        Measurement m;
        QTreeWidgetItem *type = m.type("Type T001", 50, 0, 0);
        for (int s = 1; s <= 300; ++s)
            m.sample(type, measurementTreeRk::sampleName(s), 50, s * 0.01f, 0);
        m.check(type);
        const ExportData data = m.data(allFields());

        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const bool root = geteuid() == 0;
        const QByteArray chattr = "chattr %1i '" + folder.path().toLocal8Bit() + "' 2>/dev/null";
        const auto restore = qScopeGuard([&] {
            setrlimit(RLIMIT_FSIZE, &old);
            if (lockFolder && root)
                std::system(QString(chattr).arg('-').toLocal8Bit().constData());
            QFile::setPermissions(folder.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (lockFolder) {
            // Permissions do not stop root: an immutable folder does.
            QVERIFY(root
                        ? std::system(QString(chattr).arg('+').toLocal8Bit().constData()) == 0
                        : QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        } else {
            // Every write beyond 16 KiB fails, whoever runs the test.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = old;
            small.rlim_cur = 16384;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        QString error;
        const bool written = csv ? writeCsvFile(path, data, currentExportTexts(), {}, &error)
                                 : writeWorkbook(path, data, currentExportTexts(), {}, &error);
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(fileBytes(path), QByteArray("the old file"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
        QCOMPARE(QDir::tempPath(), scratch.path());
        QCOMPARE(QDir::temp().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }
};

QTEST_MAIN(tst_exportWriters)
#include "tst_exportWriters.moc"
