// CGATS files: hand-written files in the shapes other programs write, the
// round trip through the writer, damaged and hostile files, refusals.

#include "../support/failingDevice.h"
#include "cgatsFile.h"

#include <QBuffer>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {

CgatsReadResult readBytes(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readCgats(&buffer);
}

QByteArray writeBytes(const CgatsDocument &document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeCgats(&buffer, document))
        return QByteArray();
    return bytes;
}

QStringList names(const CgatsReadResult &read)
{
    QStringList list;
    for (const CgatsTable &table : read.tables) {
        for (const CgatsColour &colour : table.colours)
            list << colour.displayName();
    }
    return list;
}

QVector<CgatsColour> colours(const CgatsReadResult &read)
{
    QVector<CgatsColour> list;
    for (const CgatsTable &table : read.tables)
        list += table.colours;
    return list;
}

CgatsColour colour(const QString &name, float L, float a, float b)
{
    CgatsColour c;
    c.name = name;
    c.lab = {L, a, b};
    return c;
}

CgatsConditions d65()
{
    CgatsConditions c;
    c.lightSource = "D65";
    c.observer = "CIE 10°";
    c.illuminationMode = "8/d";
    c.lightMode = "SCI";
    c.instrumentModel = "PX71";
    return c;
}

// The L* of a neutral grey whose Y is 18 % of the white's: 116·0.18^(1/3) − 16.
constexpr float greyL = 49.4961f;

} // namespace

Q_DECLARE_METATYPE(CgatsReadStatus)

class tst_cgatsFile : public QObject
{
    Q_OBJECT

private slots:
    // Files as other programs write them: each gives its names in file order,
    // the L*a*b* of its first and last colour (to 0.01) and the conditions
    // it states.
    void dialects_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QVector<float>>("firstLast");
        QTest::addColumn<QString>("lightSource");
        QTest::addColumn<QString>("observer");

        QTest::newRow("tabs, CR LF, L*a*b* and XYZ")
            << QByteArray("CGATS.17\r\n"
                          "ORIGINATOR\t\"Lab A\"\r\n"
                          "CREATED\t\"2026-11-02T08:15:00+01:00\"\r\n"
                          "WEIGHTING_FUNCTION\t\"ILLUMINANT, D65\"\r\n"
                          "WEIGHTING_FUNCTION\t\"OBSERVER, 10 degree\"\r\n"
                          "NUMBER_OF_FIELDS\t8\r\n"
                          "BEGIN_DATA_FORMAT\r\n"
                          "SAMPLE_ID\tSAMPLE_NAME\tLAB_L\tLAB_A\tLAB_B\tXYZ_X\tXYZ_Y\tXYZ_Z\r\n"
                          "END_DATA_FORMAT\r\n"
                          "NUMBER_OF_SETS\t2\r\n"
                          "BEGIN_DATA\r\n"
                          "1\t\"Red 1\"\t45.2\t60.1\t40.3\t30\t20\t10\r\n"
                          "2\t\"Blue 2\"\t30.5\t10.25\t-50.75\t10\t8\t30\r\n"
                          "END_DATA\r\n")
            << QStringList{"Red 1", "Blue 2"}
            << QVector<float>{45.2f, 60.1f, 40.3f, 30.5f, 10.25f, -50.75f} << "D65"
            << "CIE 10°";

        // An instrument program: its own identifier, declared keywords, the
        // conditions in MEASUREMENT_SOURCE, spectral fields beside L*a*b*,
        // fields in another order, spaces, LF, comments and blank lines.
        QByteArray spectralFields;
        QByteArray spectralValues;
        for (int nm = 380; nm <= 730; nm += 10) {
            spectralFields += " SPECTRAL_NM" + QByteArray::number(nm);
            spectralValues += " 0.5";
        }
        QTest::newRow("instrument program with spectra")
            << QByteArray("IT8.7/2\n"
                          "# written by a spectrophotometer\n"
                          "KEYWORD \"SampleID\"\n"
                          "KEYWORD \"SAMPLE_TYPE\"\n"
                          "SAMPLE_TYPE \"Reflection\"\n"
                          "MEASUREMENT_SOURCE \"Illumination=D50 ObserverAngle=2\xC2\xB0 "
                          "WhiteBase=Abs Filter=No\"\n"
                          "\n"
                          "NUMBER_OF_FIELDS 41\n"
                          "BEGIN_DATA_FORMAT\n"
                          "SampleID SAMPLE_NAME" +
                          spectralFields +
                          " LAB_B LAB_A LAB_L XYZ_X XYZ_Y XYZ_Z\n"
                          "END_DATA_FORMAT\n"
                          "NUMBER_OF_SETS 3\n"
                          "BEGIN_DATA\n"
                          "1 A1" +
                          spectralValues +
                          " 3.5 -2.25 95.5 85 88 70  # the paper white\n"
                          "2 A2" +
                          spectralValues +
                          " -10 20 50 1 2 3\n"
                          "3 A3" +
                          spectralValues +
                          " 0 0 20 1 2 3\n"
                          "END_DATA\n")
            << QStringList{"A1", "A2", "A3"} << QVector<float>{95.5f, -2.25f, 3.5f, 20, 0, 0}
            << "D50"
            << "CIE 2°";

        // A profiling tool's measurement file: XYZ only, under the white it
        // names (D65, 10°): 18 % of that white is a neutral grey.
        QTest::newRow("XYZ only under a stated white")
            << QByteArray("CGATS.17\n"
                          "ILLUMINATION_NAME \"D65\"\n"
                          "OBSERVER_ANGLE \"10\"\n"
                          "BEGIN_DATA_FORMAT\n"
                          "SAMPLE_ID XYZ_X XYZ_Y XYZ_Z\n"
                          "END_DATA_FORMAT\n"
                          "BEGIN_DATA\n"
                          "white 94.811 100 107.304\n"
                          "grey 17.06598 18 19.31472\n"
                          "END_DATA\n")
            << QStringList{"white", "grey"} << QVector<float>{100, 0, 0, greyL, 0, 0} << "D65"
            << "CIE 10°";

        // No white stated: D50 and the 2 degree observer.
        QTest::newRow("XYZ only, D50 by default")
            << QByteArray("CGATS.17\nBEGIN_DATA_FORMAT\nSAMPLE_ID XYZ_X XYZ_Y XYZ_Z\n"
                          "END_DATA_FORMAT\nBEGIN_DATA\n1 96.422 100 82.521\n"
                          "2 17.35596 18 14.85378\nEND_DATA\n")
            << QStringList{"1", "2"} << QVector<float>{100, 0, 0, greyL, 0, 0} << "D50"
            << "CIE 2°";

        // Old programs: CR alone, Latin-1 names, lower-case field names,
        // several colours on one line and a row wrapped over two lines, two
        // tables of which the second names other conditions.
        QTest::newRow("CR line ends, Latin-1, wrapped rows, two tables")
            << QByteArray("LGOROWLENGTH 2\rCREATED \"1999\"\rINSTRUMENTATION \"QM-64\"\r"
                          "WEIGHTING_FUNCTION \"ILLUMINANT, F11\"\r"
                          "BEGIN_DATA_FORMAT\rsample_name lab_l lab_a lab_b\rEND_DATA_FORMAT\r"
                          "BEGIN_DATA\r\"Cr\xE8me\" 90 1 8 \"Ros\xE9\" 70 20 5\r"
                          "\"Wrapped\" 60\r 1 2\rEND_DATA\r"
                          "WEIGHTING_FUNCTION \"ILLUMINANT, A\"\r"
                          "BEGIN_DATA_FORMAT\rSAMPLE_NAME LAB_L LAB_A LAB_B END_DATA_FORMAT\r"
                          "BEGIN_DATA\r\"Last\" 10 -1 -2\rEND_DATA\r")
            << QStringList{"Crème", "Rosé", "Wrapped", "Last"}
            << QVector<float>{90, 1, 8, 10, -1, -2} << "F11(TL84)" << QString();
    }
    void dialects()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, names);
        QFETCH(QVector<float>, firstLast);
        QFETCH(QString, lightSource);
        QFETCH(QString, observer);

        const CgatsReadResult read = readBytes(file);
        QCOMPARE(read.status, CgatsReadStatus::Ok);
        QVERIFY2(!read.damaged, qPrintable(read.lost.join('\n')));
        QCOMPARE(::names(read), names);
        const QVector<CgatsColour> all = colours(read);
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(std::fabs(all.first().lab[i] - firstLast[i]) < 0.01f,
                     qPrintable(QString::number(all.first().lab[i])));
            QVERIFY2(std::fabs(all.last().lab[i] - firstLast[3 + i]) < 0.01f,
                     qPrintable(QString::number(all.last().lab[i])));
        }
        QCOMPARE(read.tables.first().conditions.lightSource, lightSource);
        QCOMPARE(read.tables.first().conditions.observer, observer);
    }

    // The white matters: the same XYZ under D65 and under D50 are other
    // colours, and a white the program does not know falls back to D50 with
    // a note.
    void xyzFollowsTheStatedWhite()
    {
        const QByteArray body = "BEGIN_DATA_FORMAT\nSAMPLE_ID XYZ_X XYZ_Y XYZ_Z\nEND_DATA_FORMAT\n"
                                "BEGIN_DATA\n1 17.06598 18 19.31472\nEND_DATA\n";
        const CgatsReadResult d65 = readBytes("CGATS.17\nWEIGHTING_FUNCTION \"ILLUMINANT, D65\"\n"
                                              "WEIGHTING_FUNCTION \"OBSERVER, 10 degree\"\n" +
                                              body);
        const CgatsReadResult d50 = readBytes("CGATS.17\n" + body);
        const CgatsReadResult unknown = readBytes("CGATS.17\nILLUMINANT \"D93\"\n" + body);
        QVERIFY(std::fabs(colours(d65).first().lab[2]) < 0.01f);
        QVERIFY(colours(d50).first().lab[2] < -5); // bluish under the warmer white
        QCOMPARE(colours(unknown).first().lab, colours(d50).first().lab);
        QCOMPARE(unknown.lost.size(), 1);
        QVERIFY(unknown.lost.first().contains("D93"));
        QCOMPARE(unknown.tables.first().conditions.lightSource, QString("D50"));
    }

    // Files QCM cannot use are refused with a sentence naming what is
    // missing; nothing is handed out.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<CgatsReadStatus>("status");
        QTest::addColumn<QStringList>("mentioned");
        QTest::newRow("spectral only")
            << QByteArray("CGATS.17\nBEGIN_DATA_FORMAT\nSAMPLE_ID SPECTRAL_NM400 SPECTRAL_NM410 "
                          "SPECTRAL_NM420\nEND_DATA_FORMAT\nBEGIN_DATA\n1 0.1 0.2 0.3\nEND_DATA\n")
            << CgatsReadStatus::NoColour
            << QStringList{"spectral", "LAB_L", "LAB_A", "LAB_B", "XYZ_X", "XYZ_Y", "XYZ_Z"};
        QTest::newRow("device values only")
            << QByteArray("CGATS.17\nBEGIN_DATA_FORMAT\nSAMPLE_ID RGB_R RGB_G RGB_B LAB_L\n"
                          "END_DATA_FORMAT\nBEGIN_DATA\n1 0 0 0 50\nEND_DATA\n")
            << CgatsReadStatus::NoColour << QStringList{"LAB_A", "LAB_B", "XYZ_X"};
        QTest::newRow("plain text")
            << QByteArray("Dear customer,\nthe colours follow.\n") << CgatsReadStatus::NotCgats
            << QStringList{"BEGIN_DATA_FORMAT"};
        QTest::newRow("empty") << QByteArray() << CgatsReadStatus::NotCgats
                               << QStringList{"BEGIN_DATA"};
        QTest::newRow("binary") << QByteArray("\x55\xAA\x34\x34\x00\x00\x00\x08\xFF\xFE", 10)
                                << CgatsReadStatus::NotCgats << QStringList{"CGATS"};
    }
    void refusals()
    {
        QFETCH(QByteArray, file);
        QFETCH(CgatsReadStatus, status);
        QFETCH(QStringList, mentioned);
        const CgatsReadResult read = readBytes(file);
        QCOMPARE(read.status, status);
        QVERIFY(read.tables.isEmpty());
        for (const QString &word : mentioned)
            QVERIFY2(read.refusal.contains(word, Qt::CaseInsensitive), qPrintable(read.refusal));
    }

    // Damage loses the colour or the part concerned, keeps the rest, and
    // says what was lost.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("said");
        const QByteArray head = "CGATS.17\nNUMBER_OF_FIELDS 4\nBEGIN_DATA_FORMAT\n"
                                "SAMPLE_NAME LAB_L LAB_A LAB_B\nEND_DATA_FORMAT\n"
                                "NUMBER_OF_SETS 3\nBEGIN_DATA\n";
        QTest::newRow("cut inside the data") << head + "\"one\" 1 2 3\n\"two\" 4 5 6\n\"thr"
                                             << QStringList{"one", "two"} << "END_DATA";
        QTest::newRow("a value missing")
            << head + "\"one\" 1 2 3\n\"two\" 4 5\n\"three\" 7 8 9\nEND_DATA\n"
            << QStringList{"one", "three"} << "Line 9";
        QTest::newRow("a value too many")
            << head + "\"one\" 1 2 3\n\"two\" 4 5 6 7\n\"three\" 7 8 9\nEND_DATA\n"
            << QStringList{"one", "three"} << "Line 9";
        QTest::newRow("not a number")
            << head + "\"one\" 1 2 3\n\"two\" 4 x 6\n\"three\" 7 8 9\nEND_DATA\n"
            << QStringList{"one", "three"} << "two";
        QTest::newRow("a comma for the point")
            << head + "\"one\" 1,5 2 3\n\"two\" 4 5 6\n\"three\" 7 8 9\nEND_DATA\n"
            << QStringList{"two", "three"} << "one";
        QTest::newRow("fewer sets than announced") << head + "\"one\" 1 2 3\nEND_DATA\n"
                                                   << QStringList{"one"} << "3";
        QTest::newRow("no END_DATA_FORMAT")
            << QByteArray("CGATS.17\nBEGIN_DATA_FORMAT\nSAMPLE_NAME LAB_L LAB_A LAB_B\n"
                          "BEGIN_DATA\n\"one\" 1 2 3\nEND_DATA\n")
            << QStringList{"one"} << "END_DATA_FORMAT";
        QTest::newRow("next table before END_DATA")
            << head + "\"one\" 1 2 3\nBEGIN_DATA_FORMAT\nSAMPLE_NAME LAB_L LAB_A LAB_B\n"
                      "END_DATA_FORMAT\nBEGIN_DATA\n\"two\" 4 5 6\nEND_DATA\n"
            << QStringList{"one", "two"} << "END_DATA";
        QTest::newRow("infinite value")
            << head + "\"one\" 1e39 2 3\n\"two\" nan 5 6\n\"three\" 7 8 9\nEND_DATA\n"
            << QStringList{"three"} << "one";
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, names);
        QFETCH(QString, said);
        const CgatsReadResult read = readBytes(file);
        QCOMPARE(read.status, CgatsReadStatus::Ok);
        QVERIFY(read.damaged);
        QCOMPARE(::names(read), names);
        QVERIFY2(cgatsLossText(read).contains(said), qPrintable(cgatsLossText(read)));
    }

    // Hostile sizes: colours and messages stop at their bounds, and a file
    // longer than a CGATS file can be is read up to that size.
    void boundedMemory()
    {
        QByteArray file = "CGATS.17\nBEGIN_DATA_FORMAT\nSAMPLE_ID LAB_L LAB_A LAB_B\n"
                          "END_DATA_FORMAT\nBEGIN_DATA\n";
        for (int i = 0; i < cgatsFile::maxColours + 5; ++i)
            file += QByteArray::number(i) + " 50 1 x\n";
        file += "END_DATA\n";
        CgatsReadResult read = readBytes(file);
        QCOMPARE(read.colourCount(), 0);
        QCOMPARE(read.lost.size(), cgatsFile::maxLineMessages + 1);
        QVERIFY(read.lost.last().contains(
            QString::number(cgatsFile::maxColours + 5 - cgatsFile::maxLineMessages)));

        file.replace(" x\n", " 2\n");
        read = readBytes(file);
        QCOMPARE(read.colourCount(), cgatsFile::maxColours);
        QVERIFY(read.damaged);
        QVERIFY(cgatsLossText(read).contains(QString::number(cgatsFile::maxColours)));

        QByteArray huge(int(cgatsFile::maxFileBytes) + 100, '#');
        huge.prepend("CGATS.17\nBEGIN_DATA_FORMAT\nSAMPLE_ID LAB_L LAB_A LAB_B\n"
                     "END_DATA_FORMAT\nBEGIN_DATA\n1 50 1 2\nEND_DATA\n");
        read = readBytes(huge);
        QCOMPARE(read.colourCount(), 1);
        QVERIFY(read.damaged);
        QVERIFY(cgatsLossText(read).contains("MB"));
    }

    // What the writer writes reads back with the same names and the same
    // single-precision coordinates, whatever the names hold; numbers are in
    // the C locale whatever the user's locale.
    void roundTrip()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CgatsDocument doc;
        doc.descriptor = "Lot \"5\"";
        doc.created = QDateTime(QDate(2026, 12, 10), QTime(9, 30, 5), Qt::OffsetFromUTC, 3600);
        CgatsTable table;
        table.conditions = d65();
        table.colours << colour("Type T001", 52.34f, -1.2f, 3.45f)
                      << colour("Blue \"navy\" #2", 30.123456f, 10.0000019f, -50.75f)
                      << colour("红色 样品", 0.001f, -127.99999f, 1e-7f)
                      << colour(" leading and trailing ", 100, 0, 0)
                      << colour("tab\there", 1, 2, 3);
        doc.tables << table;
        CgatsTable other = table;
        other.conditions.lightSource = "F11(TL84)";
        other.colours = {colour("Under TL84", 60, 5, 5)};
        doc.tables << other;

        const QByteArray bytes = writeBytes(doc);
        QLocale::setDefault(QLocale::c());
        QVERIFY(!bytes.isEmpty());
        QVERIFY(bytes.startsWith("CGATS.17\r\n"));
        QVERIFY(bytes.contains("CREATED\t\"2026-12-10T09:30:05+01:00\"\r\n"));
        QVERIFY(bytes.contains("DESCRIPTOR\t\"Lot \"\"5\"\"\"\r\n"));
        QVERIFY(bytes.contains("\"Blue \"\"navy\"\" #2\""));
        QVERIFY(bytes.contains("\"\xE7\xBA\xA2\xE8\x89\xB2 \xE6\xA0\xB7\xE5\x93\x81\""));
        QVERIFY(bytes.contains("\t52.34\t-1.2\t3.45\t"));
        QVERIFY(bytes.contains("WEIGHTING_FUNCTION\t\"ILLUMINANT, F11\""));
        QVERIFY(bytes.contains("MEASUREMENT_GEOMETRY\t\"8/d SCI\""));
        QVERIFY(bytes.contains("INSTRUMENTATION\t\"PX71\""));
        // The white of D65 and the 10 degree observer for L* = 100.
        QVERIFY(bytes.contains("\t100\t0\t0\t94.811\t100\t107.304\r\n"));

        const CgatsReadResult read = readBytes(bytes);
        QCOMPARE(read.status, CgatsReadStatus::Ok);
        QVERIFY2(!read.damaged, qPrintable(cgatsLossText(read)));
        QCOMPARE(read.tables.size(), 2);
        QCOMPARE(read.tables.at(0).conditions, d65());
        QCOMPARE(read.tables.at(1).conditions.lightSource, QString("F11(TL84)"));
        const QVector<CgatsColour> back = colours(read);
        const QVector<CgatsColour> sent = table.colours + other.colours;
        QCOMPARE(back.size(), sent.size());
        for (int i = 0; i < sent.size(); ++i) {
            const QString expected = QString(sent[i].name).replace('\t', ' ');
            QCOMPARE(back[i].name, expected);
            QCOMPARE(back[i].id, QString::number(i + 1));
            QCOMPARE(back[i].lab, sent[i].lab);
        }
        QCOMPARE(cgatsNumber(52.34f), QByteArray("52.34"));
        QCOMPARE(cgatsNumber(-0.0f), QByteArray("0"));
    }

    // A device that fails is reported, not taken for success.
    void failingDevice()
    {
        CgatsDocument doc;
        CgatsTable table;
        table.colours << colour("one", 1, 2, 3);
        doc.tables << table;
        FailingDevice device(10);
        QVERIFY(!writeCgats(&device, doc));
        QBuffer readOnly;
        readOnly.open(QIODevice::ReadOnly);
        QVERIFY(!writeCgats(&readOnly, doc));
        QBuffer closed;
        QCOMPARE(readCgats(&closed).status, CgatsReadStatus::ReadError);
    }
};

QTEST_GUILESS_MAIN(tst_cgatsFile)
#include "tst_cgatsFile.moc"
