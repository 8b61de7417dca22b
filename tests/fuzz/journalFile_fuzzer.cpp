// Feeds arbitrary bytes to the journal reader and replays what it gives:
// once as they come, once cut into records with right checksums so that the
// payload decoders behind the checksum are reached.  Whatever the input, the
// reader must stop, keep its memory in proportion to the input, and never
// claim more records than the bytes could hold; the records it gives,
// written again, must read back as the same measurement.

#include "journalFormat.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

using namespace journal;

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Magic, kind, length and checksum of a record with an empty payload.
constexpr int smallestRecord = 2 + 1 + 4 + 4;

ReadResult readBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer);
}

bool sameMeasurement(const Measurement &a, const Measurement &b)
{
    if (a.file != b.file || a.tolerance != b.tolerance || a.printInfo != b.printInfo ||
        a.unsavedChanges != b.unsavedChanges || a.settled != b.settled ||
        a.types.size() != b.types.size())
        return false;
    for (int t = 0; t < a.types.size(); ++t) {
        if (!(a.types[t].type == b.types[t].type) || a.types[t].samples != b.types[t].samples)
            return false;
    }
    return true;
}

// Kind (1 byte), payload length (2 bytes), payload, over and over: each
// becomes a record with its magic, length and checksum.
QByteArray framed(const QByteArray &in)
{
    QByteArray out;
    int at = 0;
    while (at + 3 <= in.size()) {
        const int wanted = (quint8(in[at + 1]) << 8) | quint8(in[at + 2]);
        const QByteArray payload = in.mid(at + 3, wanted);
        QByteArray body(1, in[at]);
        for (int shift = 24; shift >= 0; shift -= 8)
            body += char((payload.size() >> shift) & 0xFF);
        body += payload;
        const quint32 crc = crc32(body);
        out += "QJ" + body;
        for (int shift = 24; shift >= 0; shift -= 8)
            out += char((crc >> shift) & 0xFF);
        at += 3 + payload.size();
    }
    return out;
}

void checkReading(const QByteArray &bytes)
{
    const int size = bytes.size();
    const ReadResult result = readBytes(bytes);
    check(result.records.size() <= size / smallestRecord);
    check(result.discardedBytes >= 0 && result.discardedBytes <= qint64(size));

    Measurement m;
    int applied = -1;
    const bool whole = replay(result.records, &m, &applied);
    check(applied >= 0 && applied <= result.records.size());
    check(!whole || applied == result.records.size());
    // Every Type came with a record, every Sample with 64 bytes at least.
    check(m.itemCount() <= size / smallestRecord + size / 64);

    // What was read, written again, reads back whole and replays the same.
    QByteArray again;
    for (const Record &record : result.records)
        again += encode(record);
    const ReadResult reread = readBytes(again);
    check(reread.records.size() == result.records.size());
    check(reread.discardedBytes == 0);
    Measurement m2;
    int applied2 = -1;
    check(replay(reread.records, &m2, &applied2) == whole);
    check(applied2 == applied);
    check(sameMeasurement(m, m2));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 65536)
        return 0;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    checkReading(bytes);
    checkReading(framed(bytes));
    return 0;
}
