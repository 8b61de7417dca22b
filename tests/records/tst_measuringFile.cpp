// The measuring file: writer, reader and the sorting of records into Types
// and Samples, also on into the tree and back out.  Expected files are
// assembled byte by byte here, never by the writer under test.

#include "../support/failingDevice.h"
#include "colorConversions.h"
#include "measurementTreeRk.h"
#include "measuringFile.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString englishPrefix = QStringLiteral("Measuring Name:");
const QString simplifiedPrefix = QStringLiteral("测量名：");
const QString traditionalPrefix = QStringLiteral("測量名：");

// Big-endian bytes as the file holds them.
class Bytes
{
public:
    Bytes &u32(quint32 v)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            data.append(char((v >> shift) & 0xFF));
        return *this;
    }
    Bytes &u16(quint16 v)
    {
        data.append(char(v >> 8)).append(char(v & 0xFF));
        return *this;
    }
    Bytes &text(const QString &s)
    {
        if (s.isNull())
            return u32(0xFFFFFFFFu);
        u32(quint32(s.size()) * 2);
        for (QChar c : s)
            u16(c.unicode());
        return *this;
    }
    Bytes &header(const MeasuringFileHeader &h)
    {
        u32(0x55AA3434u);
        const Tolerance &l = h.tolerance;
        const PrintInfo &p = h.print;
        for (const QString &t : {l.delatE, l.nDelatL, l.pDelatL, l.nDelata, l.pDelata, l.nDelatb,
                                 l.pDelatb, p.measurementName, p.company, p.printTime, p.department,
                                 p.measurementPerson, p.productTested})
            text(t);
        return *this;
    }
    // Appends one record; returns the end offsets of its index and its 16 texts.
    QVector<int> record(quint16 index, const QString &parent, const ItemTexts &columns)
    {
        QVector<int> ends;
        u16(index);
        ends << data.size();
        text(parent);
        ends << data.size();
        text(columns[nameColumn]);
        ends << data.size();
        for (int c = value1Column; c <= averageCountColumn; ++c) {
            text(columns[c]);
            ends << data.size();
        }
        return ends;
    }
    // The layout a measurement must have on disk.
    Bytes &measurement(const QString &root, const MeasuringFileTypes &types)
    {
        for (int t = 0; t < types.size(); ++t) {
            for (int s = 0; s < types[t].samples.size(); ++s)
                record(quint16(s), types[t].columns[nameColumn], types[t].samples[s]);
            record(quint16(t), root, types[t].columns);
        }
        return *this;
    }

    QByteArray data;
};

ItemTexts item(const QString &name, const QString &v1 = QStringLiteral("50"),
               const QString &v2 = QStringLiteral("1.5"), const QString &v3 = QStringLiteral("-3"))
{
    ItemTexts t;
    t[nameColumn] = name;
    t[value1Column] = v1;
    t[value2Column] = v2;
    t[value3Column] = v3;
    t[timeColumn] = QStringLiteral("2024-03-01 10:20:30");
    t[lightSourceColumn] = QStringLiteral("D65");
    t[instrumentModelColumn] = QStringLiteral("CM-20");
    t[caliberColumn] = QStringLiteral("8mm");
    t[lightModeColumn] = QStringLiteral("SCI");
    t[colorSpaceColumn] = QStringLiteral("CIE1976L*a*b*");
    t[formulaColumn] = QStringLiteral("△ELab");
    t[illuminationColumn] = QStringLiteral("D/8");
    t[observerColumn] = QStringLiteral("10°");
    t[averageTimesColumn] = QStringLiteral("1");
    t[averageCountColumn] = QStringLiteral("1");
    return t;
}

MeasuringFileType type(const QString &name, int samples)
{
    MeasuringFileType t{item(name), {}};
    for (int s = 1; s <= samples; ++s)
        t.samples.append(item(QStringLiteral("Sample S00%1").arg(s), QString::number(50 + s)));
    return t;
}

// "Name=Sample A,Sample B" per Type; "Name=" for a Type without Samples.
MeasuringFileTypes measurementOf(const QStringList &layout)
{
    MeasuringFileTypes types;
    int n = 0;
    for (const QString &entry : layout) {
        const int cut = entry.indexOf('=');
        MeasuringFileType t{item(entry.left(cut), QString::number(40 + ++n)), {}};
        for (const QString &sample : entry.mid(cut + 1).split(',', Qt::SkipEmptyParts))
            t.samples.append(item(sample, QString::number(40 + ++n), "-0.25"));
        types.append(t);
    }
    return types;
}

int itemCount(const MeasuringFileTypes &types)
{
    int count = types.size();
    for (const MeasuringFileType &t : types)
        count += t.samples.size();
    return count;
}

// The window's way: every Type into a tree, then the column texts back out.
MeasuringFileTypes throughTree(const MeasuringFileTypes &loaded, const QString &rootText)
{
    QTreeWidget tree;
    measurementTreeRk model(&tree);
    model.measurementRoot()->setText(0, rootText);
    for (const MeasuringFileType &t : loaded)
        model.addLoadedType(t.columns, t.samples);
    MeasuringFileTypes out;
    for (int i = 0; i < model.typeCount(); ++i) {
        QTreeWidgetItem *typeItem = model.type(i);
        MeasuringFileType t{measurementTreeRk::columnTexts(typeItem), {}};
        for (int k = 0; k < typeItem->childCount(); ++k)
            t.samples.append(measurementTreeRk::columnTexts(typeItem->child(k)));
        out.append(t);
    }
    return out;
}

MeasuringFileHeader sampleHeader(const QString &name)
{
    MeasuringFileHeader h;
    h.tolerance = Tolerance::fromList({"2.00", "-1.00", "1.00", "-1.00", "1.00", "-1.00", "1.00"});
    h.print = PrintInfo::fromTexts({name, "Dyeworks", "2024-03-01", "QC", "Li", "Cotton"}, false);
    return h;
}

bool sameText(const QString &a, const QString &b)
{
    return a == b && a.isNull() == b.isNull();
}

bool sameTexts(const ItemTexts &a, const ItemTexts &b)
{
    for (size_t i = 0; i < a.size(); ++i)
        if (!sameText(a[i], b[i]))
            return false;
    return true;
}

QByteArray written(const MeasuringFileHeader &h, const QString &root, const MeasuringFileTypes &t)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeMeasuringFile(&buffer, h, root, t))
        return QByteArray("write failed");
    return buffer.data();
}

struct ReadResult
{
    MeasuringFileStatus status;
    MeasuringFileHeader header;
    QVector<ItemRecord> records;
    bool intact = false;
};

ReadResult readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ReadResult r;
    r.status = readMeasuringFile(&buffer, &r.header, &r.records, &r.intact);
    return r;
}

QStringList names(const MeasuringFileTypes &types)
{
    QStringList list;
    for (const MeasuringFileType &t : types) {
        QStringList samples;
        for (const ItemTexts &s : t.samples)
            samples << s[nameColumn];
        list << t.columns[nameColumn] + "[" + samples.join(',') + "]";
    }
    return list;
}

// The Type and Sample passes as plain nested loops, the yardstick for the
// hashed classification.
MeasuringFileTypes quadraticClassification(const QVector<ItemRecord> &records, const QString &root,
                                           int prefixLength)
{
    const QString n = root.mid(prefixLength);
    QVector<ItemRecord> typeRecords;
    for (const ItemRecord &r : records)
        if (!n.isEmpty() && (r.parentName.mid(4) == n || r.parentName.mid(15) == n))
            typeRecords << r;
    MeasuringFileTypes types;
    for (const ItemRecord &r : typeRecords)
        types << MeasuringFileType{r.columns, {}};
    for (const ItemRecord &r : records)
        for (MeasuringFileType &t : types)
            if (t.columns[nameColumn] == r.parentName)
                t.samples << r.columns;
    return types;
}

} // namespace

class tst_measuringFile : public QObject
{
    Q_OBJECT
private slots:
    void emptyTree();
    void typeWithThreeSamples();
    void roundTrip();
    void prefixes_data();
    void prefixes();
    void languages_data();
    void languages();
    void writerOrderKeepsEveryItemInPlace_data();
    void writerOrderKeepsEveryItemInPlace();
    void duplicateTypeNamesOutOfOrder();
    void duplicateCopiesStopAtTheLimit();
    void hashedMatchesNestedLoops();
    void coordinates_data();
    void coordinates();
    void coordinateSwatch_data();
    void coordinateSwatch();
    void loadedColumns();
    void wrongMagic_data();
    void wrongMagic();
    void truncatedAtEveryOffset();
    void hugeTextLength_data();
    void hugeTextLength();
    void longAndOddTexts();
    void randomBytesAfterHeader();
    void wrongParent();
    void emptyMeasurementName_data();
    void emptyMeasurementName();
    void failingWrites();
    void fullDisk();
    void failingReads();
};

void tst_measuringFile::emptyTree()
{
    MeasuringFileHeader h;
    h.tolerance.delatE = "2.00";
    h.tolerance.nDelatL = QString::fromLatin1(""); // set but empty
    h.print.measurementName = "Run";               // the rest never set: null

    const QByteArray bytes = written(h, englishPrefix + "Run", {});
    QByteArray expected = QByteArray::fromHex("55AA3434"
                                              "00000008"
                                              "0032002E00300030"
                                              "00000000");
    for (int i = 0; i < 5; ++i)
        expected += QByteArray::fromHex("FFFFFFFF");
    expected += QByteArray::fromHex("00000006"
                                    "00520075006E");
    for (int i = 0; i < 5; ++i)
        expected += QByteArray::fromHex("FFFFFFFF");
    QCOMPARE(bytes.toHex(), expected.toHex());

    const ReadResult r = readBytes(expected);
    QCOMPARE(r.status, MeasuringFileStatus::Ok);
    QVERIFY(r.intact);
    QVERIFY(r.records.isEmpty());
    QCOMPARE(r.header.tolerance.delatE, QString("2.00"));
    QCOMPARE(r.header.print.measurementName, QString("Run"));
    // Both read back as empty; the stream keeps which was which.
    QVERIFY(r.header.tolerance.nDelatL.isEmpty() && !r.header.tolerance.nDelatL.isNull());
    QVERIFY(r.header.tolerance.pDelatL.isNull() && r.header.print.productTested.isNull());
    QVERIFY(classifyMeasuringRecords(r.records, englishPrefix + "Run", 15).isEmpty());
}

void tst_measuringFile::typeWithThreeSamples()
{
    const QString root = englishPrefix + "Run";
    const MeasuringFileHeader h = sampleHeader("Run");
    const MeasuringFileTypes types{type("Type T001", 3)};

    Bytes expected;
    expected.header(h);
    for (int s = 0; s < 3; ++s)
        expected.record(quint16(s), "Type T001", types[0].samples[s]);
    expected.record(0, root, types[0].columns);
    QCOMPARE(written(h, root, types).toHex(), expected.data.toHex());

    const ReadResult r = readBytes(expected.data);
    QCOMPARE(r.status, MeasuringFileStatus::Ok);
    QVERIFY(r.intact);
    QCOMPARE(r.records.size(), 4);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(r.records[i].index, qint16(i));
        QCOMPARE(r.records[i].parentName, QString("Type T001"));
        QVERIFY(sameTexts(r.records[i].columns, types[0].samples[i]));
    }
    QCOMPARE(r.records[3].parentName, root);
    QCOMPARE(r.records[3].name(), QString("Type T001"));
    QCOMPARE(names(classifyMeasuringRecords(r.records, root, 15)),
             QStringList{"Type T001[Sample S001,Sample S002,Sample S003]"});
}

void tst_measuringFile::roundTrip()
{
    const QString root = simplifiedPrefix + "夜班 7";
    MeasuringFileHeader h = sampleHeader("夜班 7");
    h.print.department = QString::fromLatin1("");
    h.print.company = QString();
    MeasuringFileTypes types{type("Type T001", 2), type("Type T002", 0), type("Type T003", 1)};
    types[1].columns[timeColumn] = QString::fromLatin1("");
    types[1].columns[observerColumn] = QString();
    types[2].samples[0][value2Column] = "-0.25";
    types[2].samples[0][lightModeColumn] = QString();

    const QByteArray first = written(h, root, types);
    QCOMPARE(first.toHex(), Bytes().header(h).measurement(root, types).data.toHex());

    const ReadResult r = readBytes(first);
    QCOMPARE(r.status, MeasuringFileStatus::Ok);
    QVERIFY(r.intact);
    QVERIFY(sameText(r.header.print.company, h.print.company));
    QVERIFY(sameText(r.header.print.department, h.print.department));
    const MeasuringFileTypes loaded = classifyMeasuringRecords(r.records, root, 4);
    QCOMPARE(loaded.size(), 3);
    QCOMPARE(loaded[2].samples[0][value2Column], QString("-0.25"));
    QVERIFY(loaded[2].samples[0][lightModeColumn].isNull());
    QVERIFY(sameText(loaded[1].columns[timeColumn], QString::fromLatin1("")));
    QCOMPARE(written(r.header, root, loaded).toHex(), first.toHex());

    // The same through a real file.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("run.qcm"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(writeMeasuringFile(&file, h, root, types));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toHex(), first.toHex());
    file.seek(0);
    MeasuringFileHeader fileHeader;
    QVector<ItemRecord> fileRecords;
    QCOMPARE(readMeasuringFile(&file, &fileHeader, &fileRecords), MeasuringFileStatus::Ok);
    QCOMPARE(fileRecords.size(), r.records.size());
    QCOMPARE(names(classifyMeasuringRecords(fileRecords, root, 4)), names(loaded));
}

void tst_measuringFile::prefixes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("length");
    QTest::newRow("zh_CN") << "zh_CN" << simplifiedPrefix << 4;
    QTest::newRow("zh_TW") << "zh_TW" << traditionalPrefix << 4;
    QTest::newRow("en_US") << "en_US" << englishPrefix << 15;
    QTest::newRow("other") << "de_DE" << englishPrefix << 15;
    QTest::newRow("none") << "" << englishPrefix << 15;
}

void tst_measuringFile::prefixes()
{
    QFETCH(QString, code);
    QFETCH(QString, prefix);
    QFETCH(int, length);
    QCOMPARE(measuringNamePrefix(code), prefix);
    QCOMPARE(measuringNamePrefixLength(code), length);
}

void tst_measuringFile::languages_data()
{
    QTest::addColumn<QString>("savedPrefix");
    QTest::addColumn<QString>("currentCode");
    const QStringList saved{simplifiedPrefix, traditionalPrefix, englishPrefix};
    const QStringList savedNames{"zh_CN", "zh_TW", "en_US"};
    for (int s = 0; s < 3; ++s)
        for (const QString &code : savedNames)
            QTest::addRow("saved %s, loaded %s", qPrintable(savedNames[s]), qPrintable(code))
                << saved[s] << code;
    // A root renamed with a re-cased prefix is cut by length all the same.
    QTest::newRow("saved lower-case, loaded en_US") << QString("measuring name:") << "en_US";
}

void tst_measuringFile::languages()
{
    QFETCH(QString, savedPrefix);
    QFETCH(QString, currentCode);
    const MeasuringFileTypes types{type("Type T001", 2), type("Type T002", 1)};
    const QByteArray bytes =
        Bytes().header(sampleHeader("Line 4")).measurement(savedPrefix + "Line 4", types).data;

    const ReadResult r = readBytes(bytes);
    QCOMPARE(r.status, MeasuringFileStatus::Ok);
    const QString currentRoot = (currentCode == "zh_CN"   ? simplifiedPrefix
                                 : currentCode == "zh_TW" ? traditionalPrefix
                                                          : englishPrefix) +
                                r.header.print.measurementName;
    const MeasuringFileTypes loaded =
        classifyMeasuringRecords(r.records, currentRoot, measuringNamePrefixLength(currentCode));
    QCOMPARE(names(loaded),
             QStringList({"Type T001[Sample S001,Sample S002]", "Type T002[Sample S001]"}));
}

void tst_measuringFile::writerOrderKeepsEveryItemInPlace_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("layout");
    QTest::newRow("Type name ends in the measurement name after 4 characters")
        << "en_US"
        << "Lot 5" << QStringList{"Red Lot 5=Sample S001,Sample S002", "Type T002=Sample S001"};
    QTest::newRow("Type name ends in the measurement name after 15 characters")
        << "zh_CN"
        << "Lot 5"
        << QStringList{"Type T001=", "Reference blue:Lot 5=Sample S001", "Lot 5=Sample S001"};
    QTest::newRow("Types of one name")
        << "en_US"
        << "Run"
        << QStringList{"Twin=Sample S001,Sample S002", "Other=Sample S001", "Twin=Sample S001",
                       "Twin="};
    QTest::newRow("Types without Samples")
        << "zh_TW"
        << "Run" << QStringList{"Type T001=", "Type T002=Sample S001", "Type T003=", "Type T004="};
    QTest::newRow("Sample named like its Type")
        << "en_US"
        << "Run" << QStringList{"Type T001=Type T001,Sample S002", "Type T002="};
    QTest::newRow("no measurement name")
        << "en_US"
        << "" << QStringList{"Type T001=Sample S001", "Type T002=", "Type T001="};
    QTest::newRow("empty tree") << "en_US"
                                << "Run" << QStringList{};
}

void tst_measuringFile::writerOrderKeepsEveryItemInPlace()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    QFETCH(QStringList, layout);
    const QString root = measuringNamePrefix(language) + name;
    const int prefixLength = measuringNamePrefixLength(language);
    MeasuringFileHeader h = sampleHeader(name);
    MeasuringFileTypes types = measurementOf(layout);
    if (!types.isEmpty()) {
        // A text never set and an empty one are kept apart all the way.
        types.first().columns[observerColumn] = QString();
        types.last().columns[timeColumn] = QString::fromLatin1("");
    }
    const QByteArray original = Bytes().header(h).measurement(root, types).data;
    QCOMPARE(written(h, root, types).toHex(), original.toHex());

    // Open and save three times over, with and without the tree between.
    for (const bool viaTree : {false, true}) {
        QByteArray bytes = original;
        for (int round = 1; round <= 3; ++round) {
            const ReadResult r = readBytes(bytes);
            QCOMPARE(r.status, MeasuringFileStatus::Ok);
            MeasuringFileTypes loaded = classifyMeasuringRecords(
                r.records, measuringNamePrefix(language) + r.header.print.measurementName,
                prefixLength);
            QCOMPARE(names(loaded), names(types));
            if (viaTree)
                loaded = throughTree(loaded, root);
            QCOMPARE(itemCount(loaded), itemCount(types));
            bytes = written(r.header, root, loaded);
            QVERIFY2(bytes == original,
                     qPrintable(
                         QString("round %1%2").arg(round).arg(viaTree ? " through the tree" : "")));
        }
    }
}

void tst_measuringFile::duplicateTypeNamesOutOfOrder()
{
    // A file not in the writer's order (a Sample of "Twin" stands before
    // "Other") is read by the names: both Twins receive every Sample record
    // that names them.
    const QString root = englishPrefix + "Run";
    const ItemTexts a = item("Sample S001", "11");
    const ItemTexts b = item("Sample S002", "22");
    Bytes file;
    file.header(sampleHeader("Run"));
    file.record(0, "Twin", a);
    file.record(0, root, item("Twin", "1"));
    file.record(1, "Twin", b);
    file.record(1, root, item("Other", "2"));
    file.record(2, root, item("Twin", "3"));

    const ReadResult r = readBytes(file.data);
    QCOMPARE(r.records.size(), 5);
    const MeasuringFileTypes loaded = classifyMeasuringRecords(r.records, root, 15);
    QCOMPARE(names(loaded), QStringList({"Twin[Sample S001,Sample S002]", "Other[]",
                                         "Twin[Sample S001,Sample S002]"}));
    QCOMPARE(loaded[0].columns[value1Column], QString("1"));
    QCOMPARE(loaded[2].columns[value1Column], QString("3"));
    QCOMPARE(loaded[2].samples[1][value1Column], QString("22"));
}

void tst_measuringFile::duplicateCopiesStopAtTheLimit()
{
    // 1001 Types of one name each receive the 1001 Samples naming it: the
    // first Type its own, 1001 x 1000 copies for the others, a thousand
    // beyond the limit.  The copies stop there and are counted: the last
    // Sample record reaches only the first Type, and every Type keeps its
    // place.
    const QString root = englishPrefix + "Dup";
    QVector<ItemRecord> records;
    ItemRecord type;
    type.parentName = root;
    type.columns = item("Type T001", "50");
    ItemRecord sample;
    sample.parentName = "Type T001";
    sample.columns = item("Sample S001", "51");
    for (int i = 0; i < 1001; ++i)
        records << type;
    for (int i = 0; i < 1001; ++i)
        records << sample;
    MeasuringFileLosses lost;
    const MeasuringFileTypes loaded = classifyMeasuringRecords(records, root, 15, &lost);
    QCOMPARE(loaded.size(), 1001);
    qint64 made = 0;
    for (const MeasuringFileType &t : loaded)
        made += t.samples.size();
    QCOMPARE(made, qint64(1001) + measuringFile::maxDuplicateSampleCopies);
    QCOMPARE(lost.sampleCopiesBeyondLimit, 1000);
    QCOMPARE(lost.recordsWithoutType, 0);
    QCOMPARE(loaded.first().samples.size(), 1001);
    QCOMPARE(loaded.last().samples.size(), 1000);
}

void tst_measuringFile::hashedMatchesNestedLoops()
{
    // Random record soups over a small pool of names, so that Types share
    // names, Type records name Types, and parents miss.
    QRandomGenerator random(20240301);
    const QString root = englishPrefix + "Run";
    const QStringList pool{"A",           "B",       "Run", "Measuring Name:Run",
                           "测量名：Run", "xxxxRun", "",    "Measuring Name:"};
    for (int round = 0; round < 300; ++round) {
        QVector<ItemRecord> records;
        const int count = random.bounded(30);
        for (int i = 0; i < count; ++i) {
            ItemRecord r;
            r.parentName = pool[random.bounded(pool.size())];
            r.columns = item(pool[random.bounded(pool.size())], QString::number(i));
            records << r;
        }
        // The last record of a file in the writer's order names the root;
        // one naming "A" keeps the soup out of that order, so that the
        // names decide.
        ItemRecord last;
        last.parentName = "A";
        last.columns = item(pool[random.bounded(pool.size())], "99");
        records << last;
        const MeasuringFileTypes expected = quadraticClassification(records, root, 15);
        const MeasuringFileTypes got = classifyMeasuringRecords(records, root, 15);
        QCOMPARE(got.size(), expected.size());
        for (int t = 0; t < got.size(); ++t) {
            QCOMPARE(got[t].columns[nameColumn], expected[t].columns[nameColumn]);
            QCOMPARE(got[t].columns[value1Column], expected[t].columns[value1Column]);
            QCOMPARE(got[t].samples.size(), expected[t].samples.size());
            for (int s = 0; s < got[t].samples.size(); ++s)
                QCOMPARE(got[t].samples[s][value1Column], expected[t].samples[s][value1Column]);
        }
    }
}

void tst_measuringFile::coordinates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("two decimals") << "12.30"
                                  << "12.3";
    QTest::newRow("integer") << "50.00"
                             << "50";
    QTest::newRow("negative") << "-0.50"
                              << "-0.5";
    QTest::newRow("seven digits") << "1234567.8"
                                  << "1.23457e+06";
    QTest::newRow("small") << "0.000012345678"
                           << "1.23457e-05";
    QTest::newRow("float precision") << "95.123456789"
                                     << "95.1235";
    QTest::newRow("not a number") << "abc"
                                  << "0";
    QTest::newRow("empty") << QString::fromLatin1("") << "0";
    QTest::newRow("null") << QString() << "0";
    // NaN, infinities and what lies beyond the float range are no numbers either.
    for (const char *text : {"nan", "NaN", "inf", "-inf", "1e39", "-1e39"})
        QTest::newRow(text) << text << "0";
    QTest::newRow("largest floats") << "3e38"
                                    << "3e+38";
}

void tst_measuringFile::coordinates()
{
    QFETCH(QString, text);
    QFETCH(QString, loaded);
    QCOMPARE(loadedCoordinateText(text), loaded);
}

void tst_measuringFile::coordinateSwatch_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<float>("shownAs");
    QTest::newRow("number") << "12.5" << 12.5f;
    for (const char *text : {"nan", "inf", "1e39", "-1e39"})
        QTest::newRow(text) << text << 0.0f;
}

void tst_measuringFile::coordinateSwatch()
{
    // A loaded item's swatch follows the coordinates it shows, also when
    // the tree is given the texts as they stood in the file.
    QFETCH(QString, a);
    QFETCH(float, shownAs);
    MeasuringFileType t{item("Type T001", "50", a, "20"), {}};
    t.samples << item("Sample S001", "60", a, "-20");
    QTreeWidget tree;
    measurementTreeRk model(&tree);
    QTreeWidgetItem *typeItem = model.addLoadedType(t.columns, t.samples);
    QCOMPARE(typeItem->background(swatchColumn).color(), QColor(labToColorName(50, shownAs, 20)));
    QCOMPARE(typeItem->child(0)->background(swatchColumn).color(),
             QColor(labToColorName(60, shownAs, -20)));
}

void tst_measuringFile::loadedColumns()
{
    // Columns 2 to 4 are re-formatted, column 1 is empty, the rest as read.
    const QString root = englishPrefix + "Run";
    MeasuringFileType t{item("Type T001", "12.30", "-3.10", "0.00"), {}};
    t.samples << item("Sample S001", "41.20", "x", "7");
    const ReadResult r = readBytes(Bytes().header(sampleHeader("Run")).measurement(root, {t}).data);
    const MeasuringFileTypes loaded = classifyMeasuringRecords(r.records, root, 15);
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(loaded[0].columns[value1Column], QString("12.3"));
    QCOMPARE(loaded[0].columns[value2Column], QString("-3.1"));
    QCOMPARE(loaded[0].columns[value3Column], QString("0"));
    QVERIFY(loaded[0].columns[swatchColumn].isEmpty());
    QCOMPARE(loaded[0].samples[0][value1Column], QString("41.2"));
    QCOMPARE(loaded[0].samples[0][value2Column], QString("0"));
    for (int c = timeColumn; c <= averageCountColumn; ++c)
        QVERIFY2(sameText(loaded[0].samples[0][c], t.samples[0][c]),
                 qPrintable(QString::number(c)));
}

void tst_measuringFile::wrongMagic_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("three bytes") << QByteArray::fromHex("55AA34");
    QTest::newRow("library magic") << QByteArray::fromHex("55AA3535"
                                                          "00000000");
    QTest::newRow("little-endian") << QByteArray::fromHex("3434AA55"
                                                          "00000000");
    QTest::newRow("text") << QByteArray("Type T001,50,1.5,-3\n");
}

void tst_measuringFile::wrongMagic()
{
    QFETCH(QByteArray, bytes);
    const ReadResult r = readBytes(bytes);
    QCOMPARE(r.status, MeasuringFileStatus::NotAQcmFile);
    QVERIFY(!r.intact);
    QVERIFY(r.records.isEmpty());
    QVERIFY(r.header.tolerance.delatE.isNull());
}

void tst_measuringFile::truncatedAtEveryOffset()
{
    const QString root = englishPrefix + "Run";
    const MeasuringFileHeader h = sampleHeader("Run");
    const MeasuringFileTypes types{type("Type T001", 2), type("Type T002", 0)};

    // Offsets of every field, taken while the file is assembled.
    Bytes file;
    file.u32(0x55AA3434u);
    QVector<int> headerEnds;
    for (const QString &t : h.tolerance.toList() + h.print.texts())
        headerEnds << file.text(t).data.size();
    struct Expected
    {
        int start;
        QVector<int> ends;
        QString parent;
        ItemTexts columns;
        qint16 index;
    };
    QVector<Expected> layout;
    auto add = [&](qint16 index, const QString &parent, const ItemTexts &columns) {
        const int start = file.data.size();
        layout << Expected{start, file.record(quint16(index), parent, columns), parent, columns,
                           index};
    };
    add(0, "Type T001", types[0].samples[0]);
    add(1, "Type T001", types[0].samples[1]);
    add(0, root, types[0].columns);
    add(1, root, types[1].columns);
    QCOMPARE(file.data.toHex(), written(h, root, types).toHex());

    const QStringList headerTexts = h.tolerance.toList() + h.print.texts();
    for (int cut = 0; cut <= file.data.size(); ++cut) {
        const ReadResult r = readBytes(file.data.left(cut));
        const QByteArray where = "cut at " + QByteArray::number(cut);
        if (cut < 4) {
            QVERIFY2(r.status == MeasuringFileStatus::NotAQcmFile, where);
            continue;
        }
        QVERIFY2(r.status == MeasuringFileStatus::Ok, where);
        const QStringList gotHeader = r.header.tolerance.toList() + r.header.print.texts();
        for (int i = 0; i < headerEnds.size(); ++i) {
            const QString want = headerEnds[i] <= cut ? headerTexts[i] : QString();
            QVERIFY2(sameText(gotHeader[i], want), where);
        }
        bool atBoundary = cut == headerEnds.last();
        int begun = 0;
        for (const Expected &e : layout) {
            if (e.start < cut)
                ++begun;
            if (e.ends.last() == cut)
                atBoundary = true;
        }
        QVERIFY2(r.intact == atBoundary, where);
        QVERIFY2(r.records.size() == begun, where);
        for (int i = 0; i < begun; ++i) {
            const Expected &e = layout[i];
            const ItemRecord &got = r.records[i];
            QVERIFY2(got.complete == (e.ends.last() <= cut), where);
            QVERIFY2(got.index == (e.ends[0] <= cut ? e.index : 0), where);
            QVERIFY2(sameText(got.parentName, e.ends[1] <= cut ? e.parent : QString()), where);
            QVERIFY2(sameText(got.name(), e.ends[2] <= cut ? e.columns[nameColumn] : QString()),
                     where);
            for (int c = value1Column; c <= averageCountColumn; ++c) {
                const QString want = e.ends[c + 1] <= cut ? e.columns[c] : QString();
                QVERIFY2(sameText(got.columns[c], want),
                         where + " column " + QByteArray::number(c));
            }
        }

        // A Type whose parent name was read is a Type, even if cut short; its
        // Samples join it once its name is whole.
        const MeasuringFileTypes loaded = classifyMeasuringRecords(r.records, root, 15);
        const int typesRead = int(layout[2].ends[1] <= cut) + int(layout[3].ends[1] <= cut);
        QVERIFY2(loaded.size() == typesRead, where);
        if (typesRead > 0) {
            const int samples = layout[2].ends[2] <= cut ? 2 : 0;
            QVERIFY2(loaded[0].samples.size() == samples, where);
        }
    }
}

void tst_measuringFile::hugeTextLength_data()
{
    QTest::addColumn<quint32>("length");
    QTest::addColumn<bool>("inHeader");
    for (const bool inHeader : {false, true}) {
        const char *where = inHeader ? "header" : "record";
        QTest::addRow("%s 0x7FFFFFFE", where) << 0x7FFFFFFEu << inHeader;
        QTest::addRow("%s 0x80000000", where) << 0x80000000u << inHeader;
        QTest::addRow("%s 0xFFFFFFFE", where) << 0xFFFFFFFEu << inHeader;
        QTest::addRow("%s 0x10000001 (odd)", where) << 0x10000001u << inHeader;
        QTest::addRow("%s 0x00100000", where) << 0x00100000u << inHeader;
    }
}

void tst_measuringFile::hugeTextLength()
{
    QFETCH(quint32, length);
    QFETCH(bool, inHeader);
    Bytes file;
    file.u32(0x55AA3434u).text("2.00");
    if (inHeader) {
        file.u32(length);
    } else {
        for (int i = 1; i < 13; ++i)
            file.text("x");
        file.u16(0).u32(length);
    }
    file.text("and some more bytes after it");

    const ReadResult r = readBytes(file.data);
    QCOMPARE(r.status, MeasuringFileStatus::Ok);
    QVERIFY(!r.intact);
    QCOMPARE(r.header.tolerance.delatE, QString("2.00"));
    if (inHeader) {
        QVERIFY(r.header.tolerance.nDelatL.isNull());
        QVERIFY(r.records.isEmpty());
    } else {
        QCOMPARE(r.records.size(), 1);
        QVERIFY(!r.records[0].complete);
        QVERIFY(r.records[0].parentName.isNull());
        QVERIFY(r.records[0].name().isNull());
    }
}

void tst_measuringFile::longAndOddTexts()
{
    // A text longer than one read piece, really present, reads whole.
    QString longName;
    for (int i = 0; i < 100000; ++i)
        longName += QChar(0x4E00 + i % 500);
    const QString root = englishPrefix + "Run";
    MeasuringFileTypes types{type("Type T001", 1)};
    types[0].samples[0][timeColumn] = longName;
    const QByteArray bytes = Bytes().header(sampleHeader("Run")).measurement(root, types).data;
    ReadResult r = readBytes(bytes);
    QCOMPARE(r.status, MeasuringFileStatus::Ok);
    QVERIFY(r.intact);
    QCOMPARE(r.records.size(), 2);
    QVERIFY(r.records[0].columns[timeColumn] == longName);
    // ... and cut inside it, reads as empty.
    r = readBytes(bytes.left(bytes.indexOf(QByteArray::fromHex("00030D40")) + 70000));
    QCOMPARE(r.records.size(), 1);
    QVERIFY(r.records[0].columns[timeColumn].isNull());
    QCOMPARE(r.records[0].columns[value3Column], QString("-3"));

    // An odd byte count keeps its whole code units and the stream stays in step.
    Bytes odd;
    odd.u32(0x55AA3434u).u32(3).u16('A').data.append('B');
    odd.text("-1.00");
    for (int i = 2; i < 13; ++i)
        odd.text("x");
    r = readBytes(odd.data);
    QCOMPARE(r.status, MeasuringFileStatus::Ok);
    QVERIFY(!r.intact); // whole, but damaged
    QCOMPARE(r.header.tolerance.delatE, QString("A"));
    QCOMPARE(r.header.tolerance.nDelatL, QString("-1.00"));
    QCOMPARE(r.header.print.productTested, QString("x"));
    QVERIFY(r.records.isEmpty());
}

void tst_measuringFile::randomBytesAfterHeader()
{
    const QString root = englishPrefix + "Run";
    const MeasuringFileTypes types{type("Type T001", 2)};
    const QByteArray valid = Bytes().header(sampleHeader("Run")).measurement(root, types).data;
    const int headerSize = Bytes().header(sampleHeader("Run")).data.size();
    QRandomGenerator random(7);
    for (int round = 0; round < 400; ++round) {
        QByteArray tail(random.bounded(3000), Qt::Uninitialized);
        for (char &c : tail)
            c = char(random.bounded(256));
        // Small lengths now and then, so that records with texts come out.
        for (int i = 2; i + 4 < tail.size(); i += random.bounded(5, 40))
            tail[i] = tail[i + 1] = 0;
        const bool afterRecords = round % 2;
        const QByteArray bytes = (afterRecords ? valid : valid.left(headerSize)) + tail;
        const ReadResult r = readBytes(bytes);
        QCOMPARE(r.status, MeasuringFileStatus::Ok);
        QCOMPARE(r.header.print.company, QString("Dyeworks"));
        QVERIFY(r.records.size() <= (tail.size() + 1) / 66 + 1 + (afterRecords ? 3 : 0));
        if (afterRecords) {
            QVERIFY(r.records.size() >= 3);
            QCOMPARE(r.records[2].name(), QString("Type T001"));
            QVERIFY(r.records[2].complete);
        }
        const MeasuringFileTypes loaded = classifyMeasuringRecords(r.records, root, 15);
        if (afterRecords) {
            QVERIFY(!loaded.isEmpty());
            QCOMPARE(loaded[0].columns[nameColumn], QString("Type T001"));
            QVERIFY(loaded[0].samples.size() >= 2);
        }
        classifyMeasuringRecords(r.records, englishPrefix, 15);
    }
}

void tst_measuringFile::wrongParent()
{
    const QString root = englishPrefix + "Run";
    Bytes file;
    file.header(sampleHeader("Run"));
    file.record(0, "Type T001", item("Sample S001"));
    file.record(1, "Type T404", item("Sample S404"));
    file.record(0, root, item("Type T001"));
    file.record(1, englishPrefix + "Other run", item("Type T002"));
    const ReadResult r = readBytes(file.data);
    QCOMPARE(r.records.size(), 4);
    QCOMPARE(names(classifyMeasuringRecords(r.records, root, 15)),
             QStringList{"Type T001[Sample S001]"});
}

void tst_measuringFile::emptyMeasurementName_data()
{
    QTest::addColumn<QString>("savedPrefix");
    QTest::addColumn<QString>("currentCode");
    QTest::newRow("en_US, en_US") << englishPrefix << "en_US";
    QTest::newRow("zh_CN, zh_CN") << simplifiedPrefix << "zh_CN";
    QTest::newRow("zh_TW, en_US") << traditionalPrefix << "en_US";
    QTest::newRow("en_US, zh_TW") << englishPrefix << "zh_TW";
}

void tst_measuringFile::emptyMeasurementName()
{
    QFETCH(QString, savedPrefix);
    QFETCH(QString, currentCode);
    MeasuringFileTypes types{type("Type T001", 2), type("Type T002", 0), type("Type T003", 1),
                             type("Type T004", 0), type("Type T001", 1)};
    // A Sample renamed like its Type stays a Sample.
    types[2].samples[0][nameColumn] = "Type T003";
    const QByteArray bytes =
        Bytes().header(sampleHeader(QString::fromLatin1(""))).measurement(savedPrefix, types).data;

    const ReadResult r = readBytes(bytes);
    QCOMPARE(r.records.size(), 9);
    const QString currentRoot = measuringNamePrefix(currentCode) + r.header.print.measurementName;
    const MeasuringFileTypes loaded =
        classifyMeasuringRecords(r.records, currentRoot, measuringNamePrefixLength(currentCode));
    QCOMPARE(names(loaded),
             QStringList({"Type T001[Sample S001,Sample S002]", "Type T002[]",
                          "Type T003[Type T003]", "Type T004[]", "Type T001[Sample S001]"}));
    QCOMPARE(loaded[0].samples[1][value1Column], QString("52"));

    const int prefixLength = measuringNamePrefixLength(currentCode);
    // Cut inside the last Type's columns: its name is whole, nothing changes.
    const ReadResult late = readBytes(bytes.left(bytes.size() - 10));
    QVERIFY(!late.records.last().complete);
    QCOMPARE(names(classifyMeasuringRecords(late.records, currentRoot, prefixLength)),
             names(loaded));

    // Cut before the last Type's name: the record says nothing and makes no
    // nameless item; its Sample, with no Type after it, stays as an item.
    const int lastRecordSize = Bytes().record(4, savedPrefix, types[4].columns).last();
    const ReadResult early = readBytes(bytes.left(bytes.size() - lastRecordSize + 6));
    QCOMPARE(early.records.size(), 9);
    QVERIFY(early.records.last().name().isNull());
    QCOMPARE(names(classifyMeasuringRecords(early.records, currentRoot, prefixLength)),
             QStringList({"Type T001[Sample S001,Sample S002]", "Type T002[]",
                          "Type T003[Type T003]", "Type T004[]", "Sample S001[]"}));
}

void tst_measuringFile::failingWrites()
{
    const QString root = englishPrefix + "Run";
    const MeasuringFileHeader h = sampleHeader("Run");
    const MeasuringFileTypes types{type("Type T001", 2), type("Type T002", 1)};
    const QByteArray full = written(h, root, types);
    for (int limit = 0; limit < full.size(); limit += 7) {
        FailingDevice device(limit);
        QVERIFY2(!writeMeasuringFile(&device, h, root, types), qPrintable(QString::number(limit)));
    }
    FailingDevice device(full.size());
    QVERIFY(writeMeasuringFile(&device, h, root, types));
    QCOMPARE(device.data.toHex(), full.toHex());

    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    QVERIFY(!writeMeasuringFile(&readOnly, h, root, types));
    QVERIFY(!writeMeasuringFile(nullptr, h, root, types));
}

void tst_measuringFile::fullDisk()
{
    QFile full("/dev/full");
    if (!full.exists())
        QSKIP("no /dev/full here");
    QVERIFY(full.open(QIODevice::WriteOnly));
    // Small enough to sit in the file's buffer: the failure shows at the flush.
    QVERIFY(!writeMeasuringFile(&full, sampleHeader("Run"), englishPrefix + "Run", {}));
}

void tst_measuringFile::failingReads()
{
    const QString root = englishPrefix + "Run";
    const QByteArray bytes =
        Bytes().header(sampleHeader("Run")).measurement(root, {type("Type T001", 3)}).data;
    const int headerSize = Bytes().header(sampleHeader("Run")).data.size();
    for (const int limit : {2, headerSize - 3, headerSize + 200, int(bytes.size()) - 1}) {
        FailingDevice device(limit);
        device.data = bytes;
        MeasuringFileHeader h;
        QVector<ItemRecord> records;
        bool intact = true;
        QCOMPARE(readMeasuringFile(&device, &h, &records, &intact), MeasuringFileStatus::ReadError);
        QVERIFY(!intact);
        if (limit > headerSize) {
            QCOMPARE(h.print.productTested, QString("Cotton"));
            QVERIFY(!records.isEmpty());
            QCOMPARE(records[0].name(), QString("Sample S001"));
        }
    }
    FailingDevice whole(bytes.size());
    whole.data = bytes;
    QVector<ItemRecord> records;
    QCOMPARE(readMeasuringFile(&whole, nullptr, &records), MeasuringFileStatus::Ok);
    QCOMPARE(records.size(), 4);

    QBuffer closed;
    QCOMPARE(readMeasuringFile(&closed, nullptr, nullptr), MeasuringFileStatus::ReadError);
}

QTEST_MAIN(tst_measuringFile)
#include "tst_measuringFile.moc"
