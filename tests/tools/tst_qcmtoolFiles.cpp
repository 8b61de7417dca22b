// qcmtool's file commands against files the window wrote: the text, the CSV
// and the JSON carry the same numbers and words as the window; a damaged file
// gives what could be read and says what was lost.

#include "../library/libraryBytes.h"
#include "../reports/exportReader.h"
#include "../support/conditionColumns.h"
#include "../support/measuringRecords.h"
#include "../support/settingsStore.h"
#include "MainWindows.h"
#include "cgatsFile.h"
#include "exportCommand.h"
#include "infoPanelRk.h"
#include "libraryFile.h"
#include "measurementTreeRk.h"
#include "promptRk.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cmath>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Runs qcmtool; `output` names a file that takes its standard output.
Run qcmtool(const QStringList &args, const QString &output = QString())
{
    QProcess p;
    if (!output.isEmpty())
        p.setStandardOutputFile(output);
    p.start(qEnvironmentVariable("QCM_BUILD_DIR") + "/qcmtool", args);
    Run r;
    if (!p.waitForFinished(240000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_qcmtoolFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path;
    // What the window's panel shows for each Sample: name, ΔE, words, verdict.
    QList<QStringList> panel;
    QByteArray windowCsv;

private slots:
    void initTestCase()
    {
        promptRk::setTesting(true);
        resetStore();
        path = dir.filePath("lot5.qcm");
        MainWindows window;
        window.setTolerance("1.5", "1", "1", "0.8", "0.8", "0.6", "0.6");
        window.setPrintMsg("Lot 5", "ACME, Inc.", "", "Lab", "Ann", "Yarn \"B\"", false);
        QTreeWidgetItem *lab = window.addTypeItem(50, 10, -20, "Type T001", conditionColumns());
        window.addSampleItem(51.2f, 9.5f, -19, lab, "Sample S001", conditionColumns());
        window.addSampleItem(48, 12, -22.5f, lab, "Sample S002", conditionColumns());
        QTreeWidgetItem *lch =
            window.addTypeItem(60, 30, 120, "Type T002", conditionColumns("CIELCH", "ΔECMC(2:1)"));
        window.addSampleItem(60.5f, 31, 118, lch, "Sample S001",
                             conditionColumns("CIELCH", "ΔECMC(2:1)"));
        // A black Type: FMC-II has no number for it.
        QTreeWidgetItem *black =
            window.addTypeItem(0, 0, 0, "Black", conditionColumns("CIE1976L*a*b*", "ΔEFCMⅡ"));
        window.addSampleItem(1, 0, 0, black, "Sample S001",
                             conditionColumns("CIE1976L*a*b*", "ΔEFCMⅡ"));
        for (int t = 0; t < window.treeModel()->typeCount(); ++t) {
            QTreeWidgetItem *type = window.treeModel()->type(t);
            for (int s = 0; s < type->childCount(); ++s) {
                window.treeItemIsPressed(type->child(s), 0);
                infoPanelRk *p = window.infoPanel();
                panel << (QStringList{type->child(s)->text(0), p->cell(p->colorDataTable(), 4, 4)}
                          << p->judgementCells().mid(0, 4));
            }
            type->setCheckState(0, Qt::Checked);
        }
        QVERIFY(window.saveFile(path));
        // The window's own CSV of every item, fields 0 and 9.
        QVector<bool> flags(15, false);
        flags[0] = flags[9] = true;
        const QString csv = dir.filePath("window.csv");
        promptRk::setNextFileName(csv);
        promptRk::setNextAnswer(QMessageBox::No); // not opened afterwards
        QVERIFY(window.exporter()->exportCsv(flags));
        windowCsv = fileBytes(csv);
        QVERIFY(!windowCsv.isEmpty());
    }

    void showGivesThePanelsNumbersAndWords()
    {
        const Run r = qcmtool({"show", path});
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = QString::fromUtf8(r.out).split('\n');
        QCOMPARE(lines.value(0), QString("Measurement: Lot 5"));
        QVERIFY(lines.value(1).contains("△E≤1.50"));
        QStringList sampleLines;
        for (const QString &line : lines)
            if (line.startsWith("  Sample"))
                sampleLines << line;
        QCOMPARE(sampleLines.size(), panel.size());
        // The black Type's difference has no number: "--" on both.
        QCOMPARE(panel.last().at(1), QString("--"));
        for (int i = 0; i < panel.size(); ++i) {
            const QStringList &p = panel[i];
            const QString &line = sampleLines[i];
            QVERIFY2(line.contains("=" + p[1] + "  "), qPrintable(line + " / " + p.join('|')));
            QVERIFY2(line.contains(QStringList(p.mid(2, 3)).join(", ")), qPrintable(line));
            QVERIFY2(line.endsWith("  " + p[5]), qPrintable(line));
        }
        QVERIFY(lines.contains(
            "Type T002  L=60.00 c=30.00 H=120.00  CIELCH  D65  2026-12-09 08:00:00"));
    }

    void csvIsTheWindowsCsv()
    {
        const QString out = dir.filePath("tool.csv");
        const Run r = qcmtool({"export", path, "--csv", out, "--fields", "0,9"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(fileBytes(out), windowCsv);
        // To standard output as well.
        const Run piped = qcmtool({"export", path, "--csv", "-", "--fields", "0,9"});
        QCOMPARE(piped.out, windowCsv);
    }

    void jsonHoldsTheWholeMeasurement()
    {
        const Run r = qcmtool({"export", path, "--json", "-"});
        QCOMPARE(r.exitCode, 0);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject root = doc.object();
        QCOMPARE(root["printInformation"].toObject()["measurementName"].toString(),
                 QString("Lot 5"));
        QCOMPARE(root["printInformation"].toObject()["productTested"].toString(),
                 QString("Yarn \"B\""));
        QCOMPARE(root["tolerance"].toObject()["delatE"].toString(), QString("1.50"));
        const QJsonArray types = root["types"].toArray();
        QCOMPARE(types.size(), 3);
        QCOMPARE(types[1].toObject()["colorSpace"].toString(), QString("CIELCH"));
        QCOMPARE(types[1].toObject()["value3"].toString(), QString("120"));
        int i = 0;
        for (const QJsonValue &type : types) {
            for (const QJsonValue &value : type.toObject()["samples"].toArray()) {
                const QJsonObject sample = value.toObject();
                const QStringList &p = panel[i++];
                QCOMPARE(sample["name"].toString(), p[0]);
                if (p[1] == "--")
                    QVERIFY(sample["colorDifference"].isNull());
                else
                    QCOMPARE(QString::number(sample["colorDifference"].toDouble(), 'f', 2), p[1]);
                QCOMPARE(sample["deviation"].toArray().at(0).toString(), p[2]);
                QCOMPARE(sample["verdict"].toString(), p[5]);
            }
        }
        QCOMPARE(i, panel.size());
    }

    void libraryAsTextCsvAndJson()
    {
        // The window saves two checked Types into its library and writes it at close.
        const QString folder = dir.filePath("library");
        QDir().mkpath(folder);
        resetStore({{"fileDirectory", folder}});
        {
            MainWindows window;
            QTreeWidgetItem *a =
                window.addTypeItem(52.34f, -1.2f, 3.45f, "Red, dark", conditionColumns());
            QTreeWidgetItem *b = window.addTypeItem(52.34f, -1.2f, 3.45f, "标样 T002",
                                                    conditionColumns("HunterLAB", "ΔE00"));
            QTreeWidgetItem *c =
                window.addTypeItem(52.34f, -1.2f, 3.45f, "@SUM(A1)", conditionColumns());
            a->setCheckState(0, Qt::Checked);
            b->setCheckState(0, Qt::Checked);
            c->setCheckState(0, Qt::Checked);
            window.action("saveAsStandard2Fcn")->trigger();
            window.close();
        }
        const QString library = folder + "/default.scl";
        QVERIFY(QFile::exists(library));

        const Run text = qcmtool({"library", library});
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(text.out.contains("Red, dark  L52.34  a-1.20  b3.45  CIE1976L*a*b*"),
                 text.out.constData());

        const Run csv = qcmtool({"library", library, "--csv", "-"});
        QCOMPARE(csv.exitCode, 0);
        QVERIFY(csv.out.startsWith("\xEF\xBB\xBForder,name,info,colorSpace,value,"));
        QVERIFY(csv.out.contains("\"Red, dark\",,CIE1976L*a*b*,L52.34  a-1.20  b3.45,"));
        // A name a spreadsheet would compute is written as text, unless --raw.
        QVERIFY(csv.out.contains(",'@SUM(A1),,CIE1976L*a*b*,"));
        const Run rawCsv = qcmtool({"library", library, "--csv", "-", "--raw"});
        QCOMPARE(rawCsv.exitCode, 0);
        QVERIFY(rawCsv.out.contains(",@SUM(A1),,CIE1976L*a*b*,"));
        QCOMPARE(qcmtool({"library", library, "--json", "-", "--raw"}).exitCode, 1);

        const Run json = qcmtool({"library", library, "--json", "-"});
        QCOMPARE(json.exitCode, 0);
        QJsonParseError error;
        const QJsonArray entries = QJsonDocument::fromJson(json.out, &error)["entries"].toArray();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(entries.size(), 3);
        // Every checked Type is saved.
        QSet<QString> names;
        for (const QJsonValue &entry : entries)
            names << entry["name"].toString();
        QCOMPARE(names, (QSet<QString>{"Red, dark", "标样 T002", "@SUM(A1)"}));
        for (const QJsonValue &entry : entries) {
            const QJsonArray c = entry["coordinates"].toArray();
            QCOMPARE(c.at(0).toDouble(), 52.34);
            QCOMPARE(c.at(1).toDouble(), -1.2);
        }

        // Damaged: cut inside the last entry.
        const QByteArray whole = fileBytes(library);
        QFile cut(dir.filePath("cut.scl"));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(whole.left(whole.size() - 21));
        cut.close();
        const Run damaged = qcmtool({"library", cut.fileName()});
        QCOMPARE(damaged.exitCode, 3);
        QVERIFY2(damaged.err.contains("2 whole entries"), qPrintable(damaged.err));
        QCOMPARE(qcmtool({"library", path}).exitCode, 1); // a measuring file is no library
    }

    // The readable part of a cut-short entry: what was read as it stands,
    // what was not as null (an empty CSV cell), never a made-up 0 or "".
    void damagedLibraryEntryShowsWhatWasRead()
    {
        LibraryEntry whole;
        whole.order = 1;
        whole.name = "Type T001";
        whole.info = "ΔE00=0.50";
        whole.colorSpace = "CIE1976L*a*b*";
        whole.value = "L52.34  a-1.20  b3.45";
        whole.lightSource = whole.observer = whole.illuminationMode = whole.caliber = "x";
        whole.lightMode = "SCI";
        whole.averageTimes = "1";
        whole.measurementTime = "2026-03-05 09:07:03";
        LibraryEntry second = whole;
        second.order = 2;
        second.name = "Type T002";
        Bytes file;
        file.data = libraryMagic();
        file.entry(whole);
        const QVector<int> ends = file.entry(second);
        const QString path = dir.filePath("partial.scl");
        for (int fields : {2, 6}) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file.data.left(ends.at(fields - 1) + 1));
            out.close();
            const Run json = qcmtool({"library", path, "--json", "-"});
            QCOMPARE(json.exitCode, 3);
            const QJsonArray entries = QJsonDocument::fromJson(json.out)["entries"].toArray();
            QCOMPARE(entries.size(), 2);
            QCOMPARE(entries.at(0)["info"].toString(), QString("ΔE00=0.50"));
            QCOMPARE(entries.at(0)["complete"].toBool(), true);
            const QJsonValue cut = entries.at(1);
            QCOMPARE(cut["name"].toString(), QString("Type T002"));
            QCOMPARE(cut["complete"].toBool(), false);
            QVERIFY(cut["lightSource"].isNull());
            QVERIFY(cut["measurementTime"].isNull());
            QVERIFY(cut["rgb"].isNull());
            if (fields == 2) {
                QVERIFY(cut["info"].isNull());
                QVERIFY(cut["coordinates"].isNull());
            } else {
                QCOMPARE(cut["info"].toString(), QString("ΔE00=0.50"));
                QCOMPARE(cut["coordinates"].toArray().at(2).toDouble(), 3.45);
            }
            const Run text = qcmtool({"library", path});
            QVERIFY2(text.out.contains("2  Type T002  " +
                                       QByteArray(fields == 2 ? "null  null" : "L52.34")),
                     text.out.constData());
        }
        const Run csv = qcmtool({"library", path, "--csv", "-"});
        QVERIFY2(
            csv.out.contains("\r\n2,Type T002,ΔE00=0.50,CIE1976L*a*b*,L52.34  a-1.20  b3.45,,,"),
            csv.out.constData());
    }

    // Every item of the file as CGATS (L*C*h back to L*a*b*), and a CGATS
    // file as a library: a name met again is passed over and said (exit 3);
    // a file without colour coordinates is refused and names the fields.
    void cgatsOutAndIn()
    {
        const QString cgats = dir.filePath("lot5.txt");
        Run r = qcmtool({"export", path, "--cgats", cgats});
        QCOMPARE(r.exitCode, 0);
        QFile file(cgats);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const CgatsReadResult read = readCgats(&file);
        QCOMPARE(read.status, CgatsReadStatus::Ok);
        QCOMPARE(read.tables.size(), 1);
        const QVector<CgatsColour> &colours = read.tables[0].colours;
        QStringList names;
        for (const CgatsColour &c : colours)
            names << c.name;
        QCOMPARE(names, (QStringList{"Type T001", "Sample S001", "Sample S002", "Type T002",
                                     "Sample S001", "Black", "Sample S001"}));
        QCOMPARE(colours[0].lab, (ColorTriple{50, 10, -20}));
        // L*C*h 60, 30, 120° is a* = 30·cos 120° = -15, b* = 30·sin 120° = 25.98.
        QVERIFY(std::fabs(colours[3].lab[1] + 15) < 0.001f);
        QVERIFY(std::fabs(colours[3].lab[2] - 25.9808f) < 0.001f);

        const QString scl = dir.filePath("fromCgats.scl");
        r = qcmtool({"library", "--from-cgats", cgats, scl});
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains("Sample S001"), qPrintable(r.err));
        QFile library(scl);
        QVERIFY(library.open(QIODevice::ReadOnly));
        const LibraryReadResult entries = readLibraryFile(&library);
        QCOMPARE(entries.entries.size(), 5);
        QCOMPARE(entries.entries[3].name, QString("Type T002"));
        QCOMPARE(entries.entries[3].value, QString("L60.00  a-15.00  b25.98"));
        QCOMPARE(entries.entries[3].lightSource, QString("D65"));
        QCOMPARE(entries.entries[4].order, 5);

        const QString spectral = dir.filePath("spectral.txt");
        QFile s(spectral);
        QVERIFY(s.open(QIODevice::WriteOnly));
        s.write("CGATS.17\nBEGIN_DATA_FORMAT\nSAMPLE_ID SPECTRAL_NM400\nEND_DATA_FORMAT\n"
                "BEGIN_DATA\n1 0.5\nEND_DATA\n");
        s.close();
        r = qcmtool({"library", "--from-cgats", spectral, dir.filePath("none.scl")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("LAB_L") && r.err.contains("spectral"), qPrintable(r.err));
        QVERIFY(!QFile::exists(dir.filePath("none.scl")));
    }

    void damagedAndForeignFiles()
    {
        const QByteArray whole = fileBytes(path);
        const QString cut = dir.filePath("cut.qcm");
        QFile file(cut);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(whole.left(whole.size() - 30));
        file.close();
        const Run r = qcmtool({"show", cut});
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains("damaged"), qPrintable(r.err));
        QVERIFY(r.out.contains("Type T001"));
        const Run json = qcmtool({"export", cut, "--json", "-"});
        QCOMPARE(json.exitCode, 3);
        QVERIFY(!QJsonDocument::fromJson(json.out)["intact"].toBool());

        const QString foreign = dir.filePath("notes.qcm");
        QFile other(foreign);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("hello, not a measurement");
        other.close();
        const Run refused = qcmtool({"show", foreign});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.err.contains("not a measuring file"));
        QCOMPARE(qcmtool({"export", path, "--csv", "-", "--fields", "15"}).exitCode, 1);
        QCOMPARE(qcmtool({"show", dir.filePath("missing.qcm")}).exitCode, 1);
    }

    // Names and fields that a spreadsheet would run as formulas are written
    // as text, by the window and by qcmtool alike; --raw keeps them exact.
    // The numbers are never touched, nor the program's own words ("--").
    void formulaTextsInCsv()
    {
        const QString file = dir.filePath("formulas.qcm");
        const QString product = "=cmd|' /C calc'!A0";
        const QString link = "=HYPERLINK(\"http://example.com\",\"click\")";
        const QStringList samples{"+1", "-2", "@SUM(A1)", "\tTab", "\rReturn", "Sample S001"};
        QByteArray fromWindow;
        {
            MainWindows window;
            window.setPrintMsg("Formulas", "ACME", "", "Lab", "Ann", product, false);
            QTreeWidgetItem *type = window.addTypeItem(50, -1.5f, 0, link, conditionColumns());
            for (const QString &name : samples)
                window.addSampleItem(51, -2.25f, 0.5f, type, name, conditionColumns());
            QTreeWidgetItem *xyz =
                window.addTypeItem(20, 21, 22, "Type T002", conditionColumns("CIEXYZ", "ΔELab"));
            window.addSampleItem(21, 21, 22, xyz, "Sample S001",
                                 conditionColumns("CIEXYZ", "ΔELab"));
            type->setCheckState(0, Qt::Checked);
            xyz->setCheckState(0, Qt::Checked);
            QVERIFY(window.saveFile(file));
            QVector<bool> flags(15, false);
            flags[14] = true; // the product
            promptRk::setNextFileName(dir.filePath("formulas.csv"));
            promptRk::setNextAnswer(QMessageBox::No);
            QVERIFY(window.exporter()->exportCsv(flags));
            fromWindow = fileBytes(dir.filePath("formulas.csv"));
        }
        const QString guardedPath = dir.filePath("guarded.csv");
        QCOMPARE(qcmtool({"export", file, "--csv", guardedPath, "--fields", "14"}).exitCode, 0);
        QCOMPARE(fileBytes(guardedPath), fromWindow);
        const QString rawPath = dir.filePath("raw.csv");
        QCOMPARE(qcmtool({"export", file, "--csv", rawPath, "--raw", "--fields", "14"}).exitCode,
                 0);

        QString failure;
        const QJsonArray guarded =
            readExport("readCsv.py", guardedPath, &failure)["rows"].toArray();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QJsonArray raw = readExport("readCsv.py", rawPath, &failure)["rows"].toArray();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(guarded.size(), 1 + 1 + samples.size() + 2);
        QCOMPARE(raw.size(), guarded.size());
        auto cell = [](const QJsonArray &rows, int row, int column) {
            return rows.at(row).toArray().at(column).toString();
        };
        // Kind, Type, name, three coordinates, ΔE, three words, verdict, product.
        for (int row = 1; row <= samples.size() + 1; ++row) {
            QCOMPARE(cell(guarded, row, 1), "'" + link);
            QCOMPARE(cell(raw, row, 1), link);
            QCOMPARE(cell(guarded, row, 11), "'" + product);
            QCOMPARE(cell(raw, row, 11), product);
            QCOMPARE(cell(guarded, row, 4), cell(raw, row, 4));
            QVERIFY(cell(guarded, row, 4).startsWith('-'));
        }
        for (int i = 0; i < samples.size(); ++i) {
            const QString name = samples[i];
            const bool formula = !name.startsWith("Sample");
            QCOMPARE(cell(guarded, 2 + i, 2), formula ? "'" + name : name);
            QCOMPARE(cell(raw, 2 + i, 2), name);
        }
        const int xyzSample = raw.size() - 1;
        QCOMPARE(cell(guarded, xyzSample, 1), QString("Type T002"));
        QCOMPARE(cell(guarded, xyzSample, 7), QString("--"));
    }

    // Samples whose Type record is missing (a file cut exactly between
    // records) and Samples beyond the program's limit are said, with exit 3.
    void recordsLeftOutAreSaid()
    {
        const QByteArray whole = fileBytes(path);
        const QString between = dir.filePath("between.qcm");
        QFile file(between);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(withoutLastRecords(whole, 1)); // the record of Type "Black"
        file.close();
        const Run shown = qcmtool({"show", between});
        QCOMPARE(shown.exitCode, 3);
        QVERIFY2(shown.err.contains("1 records name a Type the file does not hold"),
                 qPrintable(shown.err));
        QVERIFY(shown.out.contains("\nType T002  "));
        QVERIFY(!shown.out.contains("\nBlack  "));
        const Run json = qcmtool({"export", between, "--json", "-"});
        QCOMPARE(json.exitCode, 3);
        const QJsonObject root = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(root["intact"].toBool(true), false);
        QCOMPARE(root["recordsWithoutType"].toInt(), 1);
        QCOMPARE(root["types"].toArray().size(), 2);
        QCOMPARE(
            QJsonDocument::fromJson(qcmtool({"export", path, "--json", "-"}).out)["intact"].toBool(
                false),
            true);

#ifdef QCM_SANITIZED_BUILD
        QSKIP("a million Samples take the sanitized tool minutes; the reader's count is "
              "checked by tst_measuringFile, the tool's words in the normal build");
#endif
        // 1001 Types of one name each receive the 1001 Samples naming it:
        // 1001 × 1000 copies, a thousand beyond the limit.
        QVector<ItemRecord> records;
        const QStringList values{"50", "0", "0"};
        const QStringList conditions = conditionColumns("CIE1976L*a*b*", "ΔELab");
        for (int i = 0; i < 1001; ++i)
            records << measuringRecord("Measuring Name:Dup", "Type T001", values, conditions);
        for (int i = 0; i < 1001; ++i)
            records << measuringRecord("Type T001", "Sample S001", values, conditions);
        const QString many = dir.filePath("many.qcm");
        QFile manyFile(many);
        QVERIFY(manyFile.open(QIODevice::WriteOnly));
        manyFile.write(measuringFileOf("Dup", records));
        manyFile.close();
        const Run limited = qcmtool({"show", many}, QProcess::nullDevice());
        QCOMPARE(limited.exitCode, 3);
        QVERIFY2(limited.err.contains("1000 Sample copies beyond the limit of 1000000"),
                 qPrintable(limited.err));
    }

    // Output that cannot be written is a failure, whatever the command.
    void fullDiskIsAFailure()
    {
        if (!QFile::exists("/dev/full"))
            QSKIP("no /dev/full here");
        for (const QStringList &args :
             {QStringList{"show", path}, QStringList{"export", path, "--csv", "-"},
              QStringList{"export", path, "--json", "-"}, QStringList{"swatch", "50", "0", "0"}}) {
            const Run r = qcmtool(args, "/dev/full");
            QVERIFY2(r.exitCode == 1, qPrintable(args.join(' ')));
            QVERIFY2(r.err.contains("cannot write"), qPrintable(r.err));
        }
    }
};

QTEST_MAIN(tst_qcmtoolFiles)
#include "tst_qcmtoolFiles.moc"
