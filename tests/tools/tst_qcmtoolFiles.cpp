// qcmtool's file commands against files the window wrote: the text, the CSV
// and the JSON carry the same numbers and words as the window; a damaged file
// gives what could be read and says what was lost.

#include "../support/conditionColumns.h"
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

Run qcmtool(const QStringList &args)
{
    QProcess p;
    p.start(qEnvironmentVariable("QCM_BUILD_DIR") + "/qcmtool", args);
    Run r;
    if (!p.waitForFinished(60000))
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
                if (p[1] == "nan")
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
            a->setCheckState(0, Qt::Checked);
            b->setCheckState(0, Qt::Checked);
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
        QVERIFY(csv.out.startsWith("\xEF\xBB\xBForder,name,colorSpace,value,"));
        QVERIFY(csv.out.contains("\"Red, dark\",CIE1976L*a*b*,L52.34  a-1.20  b3.45,"));

        const Run json = qcmtool({"library", library, "--json", "-"});
        QCOMPARE(json.exitCode, 0);
        QJsonParseError error;
        const QJsonArray entries = QJsonDocument::fromJson(json.out, &error)["entries"].toArray();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(entries.size(), 2);
        // Both Types are saved, the checked ones from the last to the first.
        QSet<QString> names;
        for (const QJsonValue &entry : entries)
            names << entry["name"].toString();
        QCOMPARE(names, (QSet<QString>{"Red, dark", "标样 T002"}));
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
        QVERIFY2(damaged.err.contains("1 whole entries"), qPrintable(damaged.err));
        QCOMPARE(qcmtool({"library", path}).exitCode, 1); // a measuring file is no library
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
};

QTEST_MAIN(tst_qcmtoolFiles)
#include "tst_qcmtoolFiles.moc"
