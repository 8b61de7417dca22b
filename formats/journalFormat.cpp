#include "journalFormat.h"

#include <QDataStream>
#include <QIODevice>
#include <QTimeZone>
#include <QtEndian>

#include <zlib.h>

namespace journal {

namespace {

const char magic[2] = {'Q', 'J'};
const int headerSize = 2 + 1 + 4;
const int trailerSize = 4;
// A single record never comes near this: a Type with 100,000 Samples of
// sixteen short texts is a few tens of megabytes.
const quint32 maxPayload = 256u * 1024u * 1024u;

void writeItem(QDataStream &out, const ItemState &item)
{
    for (const QString &text : item.texts)
        out << text;
    out << quint32(item.swatch) << item.checkState;
}

// A list of texts, read one by one: the declared count is believed only as
// far as the bytes left could hold it (every text takes at least its 4-byte
// length), so a damaged count cannot ask for memory the record never had.
bool readTexts(QDataStream &in, QStringList *texts)
{
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > quint64(in.device()->bytesAvailable()) / 4)
        return false;
    texts->clear();
    texts->reserve(int(count));
    for (quint32 i = 0; i < count; ++i) {
        QString text;
        in >> text;
        if (in.status() != QDataStream::Ok)
            return false;
        texts->append(text);
    }
    return true;
}

void readItem(QDataStream &in, ItemState *item)
{
    for (QString &text : item->texts)
        in >> text;
    quint32 swatch = 0;
    in >> swatch >> item->checkState;
    item->swatch = swatch;
}

} // namespace

quint32 crc32(const QByteArray &bytes)
{
    return quint32(::crc32(::crc32(0L, Z_NULL, 0),
                           reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size())));
}

QByteArray encode(const Record &record)
{
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_5_15);
        switch (record.kind) {
        case Kind::Begin:
            out << record.file << record.started;
            break;
        case Kind::Saved:
            out << record.file;
            break;
        case Kind::Tolerance:
        case Kind::PrintInfo:
            out << record.texts << record.timeFlag;
            break;
        case Kind::Insert:
            out << record.typeRow << record.sampleRow;
            writeItem(out, record.item);
            out << qint32(record.children.size());
            for (const ItemState &child : record.children)
                writeItem(out, child);
            break;
        case Kind::Change:
            out << record.typeRow << record.sampleRow;
            writeItem(out, record.item);
            break;
        case Kind::Remove:
            out << record.typeRow << record.sampleRow << record.count;
            break;
        case Kind::Marks:
            out << record.typeRow << quint32(record.marks.size());
            out.writeRawData(record.marks.constData(), record.marks.size());
            break;
        case Kind::Settled:
            break;
        }
    }
    QByteArray bytes;
    bytes.reserve(headerSize + payload.size() + trailerSize);
    bytes.append(magic, 2);
    bytes.append(char(record.kind));
    char length[4];
    qToBigEndian(quint32(payload.size()), length);
    bytes.append(length, 4);
    bytes.append(payload);
    char crc[4];
    qToBigEndian(crc32(bytes.mid(2)), crc);
    bytes.append(crc, 4);
    return bytes;
}

namespace {

bool decodePayload(Kind kind, const QByteArray &payload, Record *record)
{
    QDataStream in(payload);
    in.setVersion(QDataStream::Qt_5_15);
    record->kind = kind;
    switch (kind) {
    case Kind::Begin:
        in >> record->file >> record->started;
        // A time in a zone nobody knows cannot even be written again (Qt
        // streams such a zone through a null pointer); the journal's own
        // times are local, so it is no time at all.
        if (record->started.timeSpec() == Qt::TimeZone && !record->started.timeZone().isValid())
            record->started = QDateTime();
        break;
    case Kind::Saved:
        in >> record->file;
        break;
    case Kind::Tolerance:
    case Kind::PrintInfo:
        if (!readTexts(in, &record->texts))
            return false;
        in >> record->timeFlag;
        break;
    case Kind::Insert: {
        in >> record->typeRow >> record->sampleRow;
        readItem(in, &record->item);
        qint32 children = 0;
        in >> children;
        // Each child takes at least 16 empty texts, 4 bytes each.
        if (children < 0 || children > payload.size() / 64)
            return false;
        record->children.resize(children);
        for (ItemState &child : record->children)
            readItem(in, &child);
        break;
    }
    case Kind::Change:
        in >> record->typeRow >> record->sampleRow;
        readItem(in, &record->item);
        break;
    case Kind::Remove:
        in >> record->typeRow >> record->sampleRow >> record->count;
        break;
    case Kind::Marks: {
        quint32 count = 0;
        in >> record->typeRow >> count;
        if (in.status() != QDataStream::Ok || count > quint64(in.device()->bytesAvailable()))
            return false;
        record->marks.resize(int(count));
        if (in.readRawData(record->marks.data(), int(count)) != int(count))
            return false;
        break;
    }
    case Kind::Settled:
        break;
    default:
        return false;
    }
    return in.status() == QDataStream::Ok && in.atEnd();
}

} // namespace

ReadResult read(QIODevice *device)
{
    ReadResult result;
    const qint64 start = device->pos();
    qint64 good = start;
    for (;;) {
        const QByteArray header = device->read(headerSize);
        if (header.size() < headerSize || header[0] != magic[0] || header[1] != magic[1])
            break;
        const quint32 length = qFromBigEndian<quint32>(header.constData() + 3);
        if (length > maxPayload || qint64(length) + trailerSize > device->bytesAvailable())
            break;
        // Read in the bytes that are there; a short read is a torn tail.
        const QByteArray payload = device->read(length);
        if (payload.size() != int(length))
            break;
        const QByteArray trailer = device->read(trailerSize);
        if (trailer.size() != trailerSize)
            break;
        if (crc32(header.mid(2) + payload) != qFromBigEndian<quint32>(trailer.constData()))
            break;
        Record record;
        if (!decodePayload(Kind(quint8(header[2])), payload, &record))
            break;
        result.records.append(record);
        good = device->pos();
    }
    const qint64 end = device->size();
    result.discardedBytes = end > good ? end - good : 0;
    return result;
}

int Measurement::itemCount() const
{
    int count = types.size();
    for (const TypeState &type : types)
        count += type.samples.size();
    return count;
}

bool replay(const QVector<Record> &records, Measurement *out, int *applied)
{
    int done = 0;
    const auto finish = [&](bool ok) {
        if (applied)
            *applied = done;
        return ok;
    };
    for (const Record &record : records) {
        if (done == 0 && record.kind != Kind::Begin)
            return finish(false);
        switch (record.kind) {
        case Kind::Begin:
            *out = Measurement();
            out->file = record.file;
            out->started = record.started;
            --out->unsavedChanges; // counted below like every record
            break;
        case Kind::Saved:
            out->file = record.file;
            Q_FALLTHROUGH();
        case Kind::Settled:
            out->settled = true;
            out->unsavedChanges = -1;
            break;
        case Kind::Tolerance:
            out->tolerance = Tolerance::fromList(record.texts);
            break;
        case Kind::PrintInfo:
            out->printInfo = PrintInfo::fromTexts(record.texts, record.timeFlag);
            break;
        case Kind::Insert:
            if (record.sampleRow < 0) {
                if (record.typeRow < 0 || record.typeRow > out->types.size())
                    return finish(false);
                out->types.insert(record.typeRow, TypeState{record.item, record.children});
            } else {
                if (record.typeRow < 0 || record.typeRow >= out->types.size())
                    return finish(false);
                QVector<ItemState> &samples = out->types[record.typeRow].samples;
                if (record.sampleRow > samples.size())
                    return finish(false);
                samples.insert(record.sampleRow, record.item);
            }
            break;
        case Kind::Change:
            if (record.typeRow < 0 || record.typeRow >= out->types.size())
                return finish(false);
            if (record.sampleRow < 0) {
                out->types[record.typeRow].type = record.item;
            } else {
                QVector<ItemState> &samples = out->types[record.typeRow].samples;
                if (record.sampleRow >= samples.size())
                    return finish(false);
                samples[record.sampleRow] = record.item;
            }
            break;
        case Kind::Marks: {
            // One mark for the Type and one for each of its Samples, each a
            // check state: a record that does not fit the Type as it stands
            // ends the replay like any impossible position.
            if (record.typeRow < 0 || record.typeRow >= out->types.size())
                return finish(false);
            TypeState &type = out->types[record.typeRow];
            if (record.marks.size() != type.samples.size() + 1)
                return finish(false);
            for (char mark : record.marks) {
                if (quint8(mark) > quint8(Qt::Checked))
                    return finish(false);
            }
            type.type.checkState = quint8(record.marks[0]);
            for (int s = 0; s < type.samples.size(); ++s)
                type.samples[s].checkState = quint8(record.marks[s + 1]);
            break;
        }
        case Kind::Remove:
            if (record.count < 1)
                return finish(false);
            if (record.sampleRow < 0) {
                if (record.typeRow < 0 || record.count > out->types.size() - record.typeRow)
                    return finish(false);
                out->types.remove(record.typeRow, record.count);
            } else {
                if (record.typeRow < 0 || record.typeRow >= out->types.size())
                    return finish(false);
                QVector<ItemState> &samples = out->types[record.typeRow].samples;
                if (record.count > samples.size() - record.sampleRow)
                    return finish(false);
                samples.remove(record.sampleRow, record.count);
            }
            break;
        }
        ++out->unsavedChanges;
        ++done;
    }
    return finish(done > 0);
}

} // namespace journal
