// The journal's records on their own: what is written reads back, a torn or
// damaged tail is cut off at the last intact record, and replaying the
// records rebuilds the measurement or stops where a record does not fit.

#include "journalFormat.h"

#include <QBuffer>
#include <QDataStream>
#include <QRgb>
#include <QTest>

using namespace journal;

namespace {

ItemState item(const QString &name, float L, Qt::CheckState check = Qt::Unchecked)
{
    ItemState state;
    state.texts[nameColumn] = name;
    state.texts[value1Column] = QString::number(double(L));
    state.texts[value2Column] = QStringLiteral("1.5");
    state.texts[value3Column] = QStringLiteral("-2");
    state.texts[colorSpaceColumn] = QStringLiteral("CIE1976L*a*b*");
    state.texts[timeColumn] = QStringLiteral("2026-12-09 08:00:00");
    state.swatch = qRgb(120, 80, int(L));
    state.checkState = quint8(check);
    return state;
}

Record begin(const QString &file)
{
    Record r;
    r.kind = Kind::Begin;
    r.file = file;
    r.started = QDateTime(QDate(2026, 12, 9), QTime(8, 0), Qt::UTC);
    return r;
}

Record insert(int typeRow, int sampleRow, const ItemState &state,
              const QVector<ItemState> &children = {})
{
    Record r;
    r.kind = Kind::Insert;
    r.typeRow = typeRow;
    r.sampleRow = sampleRow;
    r.item = state;
    r.children = children;
    return r;
}

Record change(int typeRow, int sampleRow, const ItemState &state)
{
    Record r = insert(typeRow, sampleRow, state);
    r.kind = Kind::Change;
    return r;
}

Record remove(int typeRow, int sampleRow, int count)
{
    Record r;
    r.kind = Kind::Remove;
    r.typeRow = typeRow;
    r.sampleRow = sampleRow;
    r.count = count;
    return r;
}

Record marks(int typeRow, const QByteArray &states)
{
    Record r;
    r.kind = Kind::Marks;
    r.typeRow = typeRow;
    r.marks = states;
    return r;
}

QVector<Record> session()
{
    Record tolerance;
    tolerance.kind = Kind::Tolerance;
    tolerance.texts = QStringList{"1.50", "1.00", "1.00", "0.80", "0.80", "0.60", "0.60"};
    Record print;
    print.kind = Kind::PrintInfo;
    print.texts = QStringList{"Lot 5", "ACME", "", "Lab", "Ann", "Yarn"};
    print.timeFlag = true;
    return {begin("/data/lot5.qcm"),
            tolerance,
            print,
            insert(0, -1, item("Type T001", 50), {item("Sample S001", 51)}),
            insert(0, 1, item("Sample S002", 52)),
            insert(1, -1, item("Type T002", 60)),
            change(0, 1, item("Sample S002", 52, Qt::Checked)),
            insert(1, 0, item("Sample S001", 61)),
            remove(0, 0, 1),
            change(0, -1, item("Red", 50, Qt::PartiallyChecked))};
}

QByteArray bytesOf(const QVector<Record> &records)
{
    QByteArray bytes;
    for (const Record &record : records)
        bytes += encode(record);
    return bytes;
}

ReadResult readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer);
}

} // namespace

Q_DECLARE_METATYPE(QVector<journal::Record>)

class tst_journalFormat : public QObject
{
    Q_OBJECT

private slots:
    void replayRebuildsTheMeasurement()
    {
        const ReadResult read = readBytes(bytesOf(session()));
        QCOMPARE(read.records.size(), session().size());
        QCOMPARE(read.discardedBytes, qint64(0));
        Measurement m;
        int applied = 0;
        QVERIFY(replay(read.records, &m, &applied));
        QCOMPARE(applied, session().size());
        QCOMPARE(m.file, QString("/data/lot5.qcm"));
        QCOMPARE(m.tolerance.delatE, QString("1.50"));
        QCOMPARE(m.printInfo.measurementName, QString("Lot 5"));
        QVERIFY(m.printInfo.timeFlag);
        QCOMPARE(m.types.size(), 2);
        QCOMPARE(m.types[0].type, item("Red", 50, Qt::PartiallyChecked));
        QCOMPARE(m.types[0].samples.size(), 1);
        QCOMPARE(m.types[0].samples[0], item("Sample S002", 52, Qt::Checked));
        QCOMPARE(m.types[1].samples, QVector<ItemState>{item("Sample S001", 61)});
        QCOMPARE(m.itemCount(), 4);
    }

    // Select all or invert under one Type is one record of marks, however
    // many Samples: it reads back as written and sets every mark, the
    // Type's first, leaving the texts as they were.
    void marksOfAWholeTypeAtOnce()
    {
        QVector<ItemState> samples;
        QByteArray states(1, char(Qt::PartiallyChecked));
        for (int s = 0; s < 5000; ++s) {
            samples << item(QString("Sample S%1").arg(s + 1, 3, 10, QChar('0')), 51);
            states += char(s % 3 == 0 ? Qt::Checked : Qt::Unchecked);
        }
        QVector<Record> records = {begin("/data/lot5.qcm"), insert(0, -1, item("Type T001", 50)),
                                   insert(1, -1, item("Type T002", 60), samples), marks(1, states)};
        const QByteArray bytes = bytesOf(records);
        // A byte a mark, not an item record each.
        QVERIFY2(encode(records.last()).size() < states.size() + 32,
                 qPrintable(QString::number(encode(records.last()).size())));
        const ReadResult read = readBytes(bytes);
        QCOMPARE(read.records.size(), records.size());
        QCOMPARE(read.records.last().kind, Kind::Marks);
        QCOMPARE(read.records.last().typeRow, 1);
        QCOMPARE(read.records.last().marks, states);
        Measurement m;
        QVERIFY(replay(read.records, &m));
        QCOMPARE(m.types[0].type, item("Type T001", 50));
        QCOMPARE(m.types[1].type, item("Type T002", 60, Qt::PartiallyChecked));
        for (int s = 0; s < samples.size(); ++s) {
            ItemState expected = samples[s];
            expected.checkState = quint8(states[s + 1]);
            QCOMPARE(m.types[1].samples[s], expected);
        }
        QCOMPARE(m.unsavedChanges, 3);

        // A journal cut inside the record keeps the marks as they were.
        const ReadResult torn = readBytes(bytes.left(bytes.size() - 3));
        QCOMPARE(torn.records.size(), records.size() - 1);
        Measurement before;
        QVERIFY(replay(torn.records, &before));
        for (const ItemState &sample : before.types[1].samples)
            QCOMPARE(sample.checkState, quint8(Qt::Unchecked));
    }

    // The declared count of marks is believed only as far as the bytes go.
    void declaredMarkCountIsCheckedAgainstTheBytes()
    {
        QByteArray payload;
        {
            QDataStream out(&payload, QIODevice::WriteOnly);
            out << qint32(0) << quint32(0x7fffffff) << quint8(2) << quint8(0);
        }
        QByteArray body = QByteArray(1, char(Kind::Marks));
        for (int shift = 24; shift >= 0; shift -= 8)
            body += char((payload.size() >> shift) & 0xFF);
        body += payload;
        QByteArray bytes = "QJ" + body;
        const quint32 crc = crc32(body);
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += char((crc >> shift) & 0xFF);
        const ReadResult read = readBytes(bytesOf({begin("")}) + bytes);
        QCOMPARE(read.records.size(), 1);
        QCOMPARE(read.discardedBytes, qint64(bytes.size()));
    }

    // A Begin record whose time names a zone nobody knows reads as no time,
    // and the record can be written again (Qt would stream the unknown
    // zone through a null pointer).
    void unknownTimeZoneReadsAsNoTime()
    {
        QByteArray payload;
        {
            QDataStream out(&payload, QIODevice::WriteOnly);
            out.setVersion(QDataStream::Qt_5_15);
            out << QString("/data/day.qcm") << qint64(2460000) << quint32(3600000)
                << qint8(Qt::TimeZone) << QString("Nowhere/Nothing");
        }
        QByteArray body = QByteArray(1, char(Kind::Begin));
        for (int shift = 24; shift >= 0; shift -= 8)
            body += char((payload.size() >> shift) & 0xFF);
        body += payload;
        QByteArray bytes = "QJ" + body;
        const quint32 crc = crc32(body);
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += char((crc >> shift) & 0xFF);
        const ReadResult read = readBytes(bytesOf({begin("")}) + bytes);
        QCOMPARE(read.records.size(), 2);
        QCOMPARE(read.records[1].file, QString("/data/day.qcm"));
        QVERIFY(!read.records[1].started.isValid());
        QCOMPARE(readBytes(bytesOf({begin("")}) + encode(read.records[1])).records.size(), 2);
    }

    void tornTailKeepsEveryWholeRecord()
    {
        // Cut anywhere inside the last record: all records before it stay.
        const QVector<Record> records = session();
        const QByteArray whole = bytesOf(records);
        const int lastStart = whole.size() - encode(records.last()).size();
        for (int cut = lastStart; cut < whole.size(); ++cut) {
            const ReadResult read = readBytes(whole.left(cut));
            QCOMPARE(read.records.size(), records.size() - 1);
            QCOMPARE(read.discardedBytes, qint64(cut - lastStart));
        }
    }

    void damagedRecordEndsTheJournal_data()
    {
        QTest::addColumn<int>("damagedRecord");
        QTest::addColumn<int>("offset"); // into that record
        QTest::newRow("payload of the last") << 9 << 20;
        QTest::newRow("checksum of the last") << 9 << -1;
        QTest::newRow("length of the fourth") << 3 << 4;
        QTest::newRow("magic of the second") << 1 << 0;
        QTest::newRow("kind of the fifth") << 4 << 2;
    }
    void damagedRecordEndsTheJournal()
    {
        QFETCH(int, damagedRecord);
        QFETCH(int, offset);
        const QVector<Record> records = session();
        QByteArray bytes;
        int at = 0;
        for (int i = 0; i < records.size(); ++i) {
            const QByteArray one = encode(records[i]);
            if (i == damagedRecord)
                at = bytes.size() + (offset < 0 ? one.size() + offset : offset);
            bytes += one;
        }
        bytes[at] = char(bytes[at] ^ 0x5A);
        const ReadResult read = readBytes(bytes);
        QCOMPARE(read.records.size(), damagedRecord);
        QVERIFY(read.discardedBytes > 0);
    }

    void hugeDeclaredLengthIsNotAllocated()
    {
        QByteArray bytes = bytesOf({begin("x")});
        bytes += QByteArray::fromHex("514A04FFFFFFF0") + QByteArray(16, 'x');
        const ReadResult read = readBytes(bytes);
        QCOMPARE(read.records.size(), 1);
    }

    void recordsAreCheckedWithTheCrc32OfZlib()
    {
        // The check value of the CRC-32 every zip and PNG reader uses, and the
        // bytes of the smallest record exactly as older journals hold them.
        QCOMPARE(crc32("123456789"), 0xCBF43926u);
        Record settled;
        settled.kind = Kind::Settled;
        QCOMPARE(encode(settled).toHex(), QByteArray("514a070000000074022b0d"));
    }

    void declaredListCountIsCheckedAgainstTheBytes_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("two billion texts in four bytes")
            << QByteArray::fromHex("7fffffff") << false;
        QTest::newRow("count beyond the texts")
            << QByteArray::fromHex("00000002ffffffff00") << false;
        QTest::newRow("one null text and the flag")
            << QByteArray::fromHex("00000001ffffffff01") << true;
    }
    void declaredListCountIsCheckedAgainstTheBytes()
    {
        // A tolerance record with a valid checksum around the payload: only
        // what the bytes can hold is read, nothing is reserved beyond them.
        QFETCH(QByteArray, payload);
        QFETCH(bool, accepted);
        QByteArray body = QByteArray(1, char(Kind::Tolerance));
        body += QByteArray::fromHex(QByteArray::number(payload.size(), 16).rightJustified(8, '0'));
        body += payload;
        const quint32 crc = crc32(body);
        QByteArray record = "QJ" + body;
        for (int shift = 24; shift >= 0; shift -= 8)
            record += char((crc >> shift) & 0xFF);
        if (payload == QByteArray::fromHex("7fffffff")) // the file that once crashed every start
            QCOMPARE(record.toHex(), QByteArray("514a02000000047fffffff0e9d0c30"));
        const ReadResult read = readBytes(bytesOf({begin("x")}) + record);
        QCOMPARE(read.records.size(), accepted ? 2 : 1);
        QCOMPARE(read.discardedBytes, accepted ? 0 : qint64(record.size()));
        if (accepted)
            QCOMPARE(read.records.last().texts, QStringList{QString()});
    }

    void savedMarkSettlesUnderTheFileSaved()
    {
        Record saved;
        saved.kind = Kind::Saved;
        saved.file = "/data/lot6.qcm";
        QVector<Record> records = session();
        records << saved;
        Measurement m;
        QVERIFY(replay(readBytes(bytesOf(records)).records, &m));
        QCOMPARE(m.file, QString("/data/lot6.qcm"));
        QVERIFY(m.settled);
        QCOMPARE(m.unsavedChanges, 0);
        QCOMPARE(m.itemCount(), 4);
        records << insert(0, 0, item("Sample S003", 53));
        QVERIFY(replay(records, &m));
        QCOMPARE(m.unsavedChanges, 1);
    }

    void replayStopsAtAnImpossibleRecord_data()
    {
        QTest::addColumn<QVector<Record>>("records");
        QTest::addColumn<int>("applied");
        QTest::addColumn<bool>("whole");
        const Record type = insert(0, -1, item("Type T001", 50));
        QTest::newRow("no beginning") << QVector<Record>{type} << 0 << false;
        QTest::newRow("Sample of a missing Type")
            << QVector<Record>{begin(""), insert(1, 0, item("Sample S001", 51))} << 1 << false;
        QTest::newRow("Type far beyond the end")
            << QVector<Record>{begin(""), insert(3, -1, item("Type T004", 1))} << 1 << false;
        QTest::newRow("removing too many")
            << QVector<Record>{begin(""), type, remove(0, -1, 2)} << 2 << false;
        QTest::newRow("removing more than a number holds")
            << QVector<Record>{begin(""), type, remove(0, -1, 0x7fffffff)} << 2 << false;
        QTest::newRow("removing Samples more than a number holds")
            << QVector<Record>{begin(""), insert(0, -1, item("T", 1), {item("S", 2)}),
                               remove(0, 0, 1), remove(0, 1, 0x7fffffff)}
            << 3 << false;
        QTest::newRow("change of a missing Sample")
            << QVector<Record>{begin(""), type, change(0, 0, item("S", 1))} << 2 << false;
        QTest::newRow("marks of a missing Type")
            << QVector<Record>{begin(""), type, marks(1, QByteArray(1, '\2'))} << 2 << false;
        QTest::newRow("marks for fewer Samples than the Type has")
            << QVector<Record>{begin(""), insert(0, -1, item("T", 1), {item("S", 2)}),
                               marks(0, QByteArray(1, '\2'))}
            << 2 << false;
        QTest::newRow("marks for more Samples than the Type has")
            << QVector<Record>{begin(""), type, marks(0, QByteArray(2, '\2'))} << 2 << false;
        QTest::newRow("a mark that is no check state")
            << QVector<Record>{begin(""), type, marks(0, QByteArray(1, '\3'))} << 2 << false;
        QTest::newRow("a second beginning starts over")
            << QVector<Record>{begin("a"), type, begin("b")} << 3 << true;
    }
    void replayStopsAtAnImpossibleRecord()
    {
        QFETCH(QVector<Record>, records);
        QFETCH(int, applied);
        QFETCH(bool, whole);
        Measurement m;
        int done = -1;
        QCOMPARE(replay(records, &m, &done), whole);
        QCOMPARE(done, applied);
    }
};

QTEST_GUILESS_MAIN(tst_journalFormat)
#include "tst_journalFormat.moc"
