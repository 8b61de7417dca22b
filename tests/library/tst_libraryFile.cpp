// The library file, its value texts and its folder, without widgets.
// Expected files are assembled byte by byte here, never by the writer under
// test.

#include "../support/failingDevice.h"
#include "libraryBytes.h"
#include "libraryFile.h"
#include "libraryFolder.h"
#include "libraryMerge.h"
#include "libraryValue.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

namespace {

LibraryEntry labEntry()
{
    LibraryEntry e;
    e.order = 7;
    e.name = QStringLiteral("标样 T001");
    e.info = QStringLiteral("ΔE00=0.52");
    e.colorSpace = QStringLiteral("CIE1976L*a*b*");
    e.value = QStringLiteral("L52.34  a-1.20  b3.45");
    e.red = 120;
    e.green = 130;
    e.blue = 140;
    e.lightSource = QStringLiteral("F11(TL84)");
    e.observer = QStringLiteral("CIE 10°");
    e.illuminationMode = QStringLiteral("8/d");
    e.caliber = QStringLiteral("8mm");
    e.lightMode = QStringLiteral("SCI");
    e.averageTimes = QStringLiteral("3");
    e.measurementTime = QStringLiteral("2026-03-05 09:07:03");
    return e;
}

LibraryEntry hunterEntry()
{
    LibraryEntry e = labEntry();
    e.order = 3; // orders need not be consecutive nor ascending
    e.name = QStringLiteral("Type T010");
    e.info = QStringLiteral("");
    e.colorSpace = QStringLiteral("HunterLAB");
    e.value = QStringLiteral("HunterL52.34  HunterA-1.20  HunterB3.45");
    e.red = 0;
    e.green = 255;
    e.blue = 9;
    e.lightMode = QStringLiteral("SCE");
    return e;
}

LibraryReadResult readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readLibraryFile(&buffer);
}

QByteArray writeBytes(const QVector<LibraryEntry> &entries)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeLibraryFile(&buffer, entries))
        return QByteArray("write failed");
    return buffer.data();
}

} // namespace

class tst_libraryFile : public QObject
{
    Q_OBJECT
private slots:
    void magicAloneIsAnEmptyLibrary()
    {
        const LibraryReadResult r = readBytes(libraryMagic());
        QCOMPARE(r.status, LibraryReadStatus::Ok);
        QVERIFY(r.entries.isEmpty());
        QVERIFY(!r.damaged);
        QCOMPARE(writeBytes({}), libraryMagic());
    }

    void notALibraryFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("three bytes") << QByteArray::fromHex("55AA35");
        QTest::newRow("other byte order") << QByteArray::fromHex("3535AA55");
        QTest::newRow("measuring file") << QByteArray::fromHex("55AA343400000000");
    }
    void notALibraryFile()
    {
        QFETCH(QByteArray, bytes);
        const LibraryReadResult r = readBytes(bytes);
        QCOMPARE(r.status, LibraryReadStatus::NotALibraryFile);
        QVERIFY(r.entries.isEmpty());
    }

    void handAssembledFile()
    {
        Bytes file;
        file.data = libraryMagic();
        file.entry(labEntry());
        file.entry(hunterEntry());
        const LibraryReadResult r = readBytes(file.data);
        QCOMPARE(r.status, LibraryReadStatus::Ok);
        QCOMPARE(r.entries.size(), 2);
        QCOMPARE(r.completeEntries, 2);
        QVERIFY(!r.damaged);
        QCOMPARE(r.entries.at(0), labEntry());
        QCOMPARE(r.entries.at(1), hunterEntry());
        // The writer gives exactly these bytes back.
        QCOMPARE(writeBytes(r.entries), file.data);
        // Magic, order 7, then "标样 T" with its byte count 14, code units big-endian.
        QCOMPARE(file.data.left(20),
                 QByteArray::fromHex("55AA3535000000070000000E6807683700200054"));
    }

    void nullTextsReadAsEmptyAndAreWrittenEmpty()
    {
        LibraryEntry e = labEntry();
        e.info = QString();
        e.observer = QString();
        Bytes withNulls;
        withNulls.data = libraryMagic();
        withNulls.entry(e);
        QVERIFY(withNulls.data.contains(QByteArray::fromHex("FFFFFFFF")));
        const LibraryReadResult r = readBytes(withNulls.data);
        QCOMPARE(r.entries.size(), 1);
        QVERIFY(r.entries.at(0).info.isEmpty());
        QVERIFY(r.entries.at(0).observer.isEmpty());

        e.info = e.observer = QStringLiteral("");
        Bytes withEmpty;
        withEmpty.data = libraryMagic();
        withEmpty.entry(e);
        QCOMPARE(writeBytes(r.entries), withEmpty.data);
    }

    // A file cut at any byte of its second entry: the first entry stays
    // whole, the second keeps the fields read before the cut, and the reader
    // says it stopped at damage.
    void truncatedAnywhere()
    {
        Bytes file;
        file.data = libraryMagic();
        const QVector<int> firstEnds = file.entry(labEntry());
        const LibraryEntry second = hunterEntry();
        const QVector<int> ends = file.entry(second);
        const int start = firstEnds.last();
        for (int cut = start + 1; cut < ends.last(); ++cut) {
            const LibraryReadResult r = readBytes(file.data.left(cut));
            const QByteArray where = QByteArray::number(cut);
            QVERIFY2(r.status == LibraryReadStatus::Ok, where);
            QVERIFY2(r.damaged, where);
            QCOMPARE(r.completeEntries, 1);
            QCOMPARE(r.entries.first(), labEntry());
            const int fieldsRead =
                int(std::count_if(ends.begin(), ends.end(), [cut](int end) { return end <= cut; }));
            QCOMPARE(r.entries.size(), fieldsRead > 0 ? 2 : 1);
            if (fieldsRead == 0)
                continue;
            const LibraryEntry &p = r.entries.last();
            QCOMPARE(r.partialFields, fieldsRead);
            QVERIFY2(!libraryEntryComplete(p), where);
            QCOMPARE(p.order, second.order);
            QCOMPARE(p.name, fieldsRead > 1 ? second.name : QString());
            QCOMPARE(p.value, fieldsRead > 4 ? second.value : QString());
            QCOMPARE(p.green, fieldsRead > 6 ? second.green : 0);
            QCOMPARE(p.blue, fieldsRead > 7 ? second.blue : 0);
            QCOMPARE(p.lightMode, fieldsRead > 12 ? second.lightMode : QString());
            QVERIFY(p.measurementTime.isEmpty());
        }
        const LibraryReadResult whole = readBytes(file.data);
        QVERIFY(!whole.damaged);
        QCOMPARE(whole.completeEntries, 2);
        QCOMPARE(whole.partialFields, 0);
        QVERIFY(libraryEntryComplete(whole.entries.last()));
    }

    // A table put back into a file another writer changed: entries are told
    // apart by everything but their order and Info. text.
    void mergingIntoAChangedFile_data()
    {
        QTest::addColumn<QStringList>("base");   // the file as read
        QTest::addColumn<QStringList>("mine");   // the table
        QTest::addColumn<QStringList>("theirs"); // the file now
        QTest::addColumn<QStringList>("merged"); // name and order
        QTest::newRow("both added")
            << QStringList{"A1", "B2"} << QStringList{"A1", "B2", "C3"}
            << QStringList{"A1", "B2", "X3"} << QStringList{"A1", "B2", "X3", "C4"};
        QTest::newRow("removed here, renumbered there")
            << QStringList{"A1", "B2"} << QStringList{"B2"} << QStringList{"A7", "B8", "X9"}
            << QStringList{"B8", "X9"};
        QTest::newRow("the same added by both")
            << QStringList{"A1"} << QStringList{"A1", "C2"} << QStringList{"A1", "C2"}
            << QStringList{"A1", "C2"};
        QTest::newRow("one of two alike removed")
            << QStringList{"A1", "A2"} << QStringList{"A1"} << QStringList{"A1", "A2", "X3"}
            << QStringList{"A2", "X3"};
        QTest::newRow("removed there, kept here")
            << QStringList{"A1", "B2"} << QStringList{"A1", "B2", "C3"} << QStringList{"B2"}
            << QStringList{"B2", "C2"};
    }
    void mergingIntoAChangedFile()
    {
        QFETCH(QStringList, base);
        QFETCH(QStringList, mine);
        QFETCH(QStringList, theirs);
        QFETCH(QStringList, merged);
        // "A1": the entry A with order 1; the table's entries carry a search result.
        auto entries = [](const QStringList &list, const QString &info) {
            QVector<LibraryEntry> result;
            for (const QString &item : list) {
                LibraryEntry e = labEntry();
                e.name = item.left(1);
                e.order = item.mid(1).toInt();
                e.info = info;
                result << e;
            }
            return result;
        };
        QStringList got;
        for (const LibraryEntry &e : mergeLibraryEntries(
                 entries(base, ""), entries(mine, "ΔE00=0.10"), entries(theirs, "")))
            got << e.name + QString::number(e.order);
        QCOMPARE(got, merged);
    }

    // A text that cannot be whole (odd byte count, longer than the file)
    // ends the reading; the entry keeps the fields read before it.
    void damagedTextStopsReading_data()
    {
        QTest::addColumn<QByteArray>("colorSpace");
        QTest::newRow("odd byte count") << QByteArray::fromHex("00000005414243444500000000");
        QTest::newRow("beyond the file") << QByteArray::fromHex("7FFFFFFE0041");
    }
    void damagedTextStopsReading()
    {
        QFETCH(QByteArray, colorSpace);
        Bytes file;
        file.data = libraryMagic();
        file.entry(labEntry());
        file.i32(9).text("Type T002").text("");
        file.data += colorSpace;
        file.entry(hunterEntry()); // never reached
        const LibraryReadResult r = readBytes(file.data);
        QCOMPARE(r.status, LibraryReadStatus::Ok);
        QVERIFY(r.damaged);
        QCOMPARE(r.completeEntries, 1);
        QCOMPARE(r.entries.size(), 2);
        QCOMPARE(r.entries.at(1).order, 9);
        QCOMPARE(r.entries.at(1).name, QString("Type T002"));
        QVERIFY(r.entries.at(1).colorSpace.isEmpty());
    }

    void coloursAreClamped()
    {
        const QVector<QPair<int, int>> cases = {{-5, 0},    {INT_MIN, 0}, {0, 0},
                                                {255, 255}, {256, 255},   {INT_MAX, 255}};
        for (const auto &c : cases) {
            LibraryEntry e = labEntry();
            e.red = e.blue = c.first;
            Bytes file;
            file.data = libraryMagic();
            file.entry(e);
            const LibraryEntry read = readBytes(file.data).entries.value(0);
            QCOMPARE(QVector<int>({read.red, read.green, read.blue}),
                     QVector<int>({c.second, 130, c.second}));
        }
    }

    void sixteenMegabytesAtMost()
    {
        // Exactly the limit: the magic and one entry with a long name.
        Bytes file;
        file.data = libraryMagic();
        LibraryEntry e = labEntry();
        file.entry(e);
        const int nameBytes = int(libraryFile::maxFileBytes) - file.data.size() + e.name.size() * 2;
        e.name = QString(nameBytes / 2, QLatin1Char('n'));
        file.data = libraryMagic();
        file.entry(e);
        QCOMPARE(file.data.size(), libraryFile::maxFileBytes);
        LibraryReadResult r = readBytes(file.data);
        QCOMPARE(r.status, LibraryReadStatus::Ok);
        QCOMPARE(r.entries.at(0).name.size(), nameBytes / 2);

        file.data.append('\0');
        r = readBytes(file.data);
        QCOMPARE(r.status, LibraryReadStatus::TooLarge);
        QVERIFY(r.entries.isEmpty());

        // A device of unknown size is refused after the limit, too.
        FailingDevice stream(LLONG_MAX);
        stream.data = file.data;
        QCOMPARE(readLibraryFile(&stream).status, LibraryReadStatus::TooLarge);
    }

    void failingDevices()
    {
        Bytes file;
        file.data = libraryMagic();
        file.entry(labEntry());
        FailingDevice reading(10);
        reading.data = file.data;
        QCOMPARE(readLibraryFile(&reading).status, LibraryReadStatus::ReadError);
        QCOMPARE(readLibraryFile(nullptr).status, LibraryReadStatus::ReadError);

        for (qint64 limit :
             {qint64(0), qint64(3), qint64(4), qint64(60), qint64(file.data.size()) - 1}) {
            FailingDevice writing(limit);
            QVERIFY2(!writeLibraryFile(&writing, {labEntry()}), QByteArray::number(limit));
        }
        FailingDevice enough(file.data.size());
        QVERIFY(writeLibraryFile(&enough, {labEntry()}));
        QCOMPARE(enough.data, file.data);
    }

    // Labels of any length are stripped ("HunterL52.34" reads 52.34, not
    // 0); texts that are not what the dialog writes still read safely.
    void valueTexts()
    {
        QVERIFY(libraryValueLabels("CIEL*u*v*").isEmpty());
        LibraryValue v = parseLibraryValue("HunterL52.34  HunterA-1.20  HunterB3.45");
        QCOMPARE(v.labels, libraryValueLabels("HunterLAB"));
        QCOMPARE(v.values, (ColorTriple{52.34f, -1.2f, 3.45f}));
        v = parseLibraryValue("L1.5 a2 b-3");
        QCOMPARE(v.labels, QStringList({"L", "a", "b"}));
        QCOMPARE(v.values[2], -3.0f);
        v = parseLibraryValue("L50.00");
        QCOMPARE(v.labels, QStringList({"L", "", ""}));
        QCOMPARE(v.values[1], 0.0f);
        v = parseLibraryValue("Lx  ay  bz");
        QCOMPARE(v.values[0], 0.0f);
        v = parseLibraryValue("Q12.5  W1  E2");
        QCOMPARE(v.labels, QStringList({"Q", "W", "E"}));
        QCOMPARE(v.values[0], 12.5f);
    }

    void defaultFolder()
    {
        QTemporaryDir application;
        QVERIFY(application.isValid());
        const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(!appData.isEmpty());
        QCOMPARE(defaultLibraryFolder(application.path()), QDir(appData).filePath("Library"));
        QCOMPARE(effectiveLibraryFolder("", application.path()), QDir(appData).filePath("Library"));
        QCOMPARE(effectiveLibraryFolder("/x/y", application.path()), QString("/x/y"));
        // A portable installation carries its library beside the program.
        QVERIFY(QDir(application.path()).mkdir("Library"));
        QCOMPARE(defaultLibraryFolder(application.path()),
                 QDir(application.path()).filePath("Library"));
    }

    void filesOfAFolder()
    {
        QTemporaryDir folder;
        for (const char *name : {"beta.scl", "Alpha.scl", "gamma.SCL.txt", "notes.txt", ".h.scl"}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(folder.path()).mkdir("dir.scl"));
        QCOMPARE(libraryFileNames(folder.path()), QStringList({"Alpha.scl", "beta.scl"}));
    }
};

QTEST_GUILESS_MAIN(tst_libraryFile)
#include "tst_libraryFile.moc"
