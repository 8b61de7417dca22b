#include "measuringFile.h"

#include <QDataStream>
#include <QFileDevice>
#include <QHash>
#include <QIODevice>
#include <QtEndian>

namespace {

// Texts are read from the device in pieces of this size, so that a declared
// length never turns into an allocation before the bytes are really there.
constexpr int chunkSize = 64 * 1024;
// No text of a measuring file comes anywhere near this; a longer declared
// length can only be damage and ends the readable part of the stream.
constexpr quint32 maxTextBytes = 256u * 1024u * 1024u;
constexpr quint32 nullTextLength = 0xFFFFFFFFu;

// Buffered reading from the device with a bounded buffer.  A read error and
// the end of the data are told apart so that the caller can report the former.
class StreamReader
{
public:
    explicit StreamReader(QIODevice *device) : m_device(device) {}

    // Makes up to `count` (at most chunkSize) bytes contiguous at data();
    // returns how many are there, fewer only at the end of the data.
    int ensure(int count)
    {
        if (m_buffer.size() - m_pos >= count)
            return m_buffer.size() - m_pos;
        m_buffer.remove(0, m_pos);
        m_pos = 0;
        while (m_buffer.size() < count && !m_ended && !m_failed) {
            const int old = m_buffer.size();
            m_buffer.resize(old + chunkSize);
            qint64 got = m_device->read(m_buffer.data() + old, chunkSize);
            if (got < 0) {
                m_failed = true;
                got = 0;
            } else if (got == 0) {
                m_ended = true;
            }
            m_buffer.resize(old + int(got));
        }
        return m_buffer.size();
    }
    const char *data() const { return m_buffer.constData() + m_pos; }
    void skip(int count) { m_pos += count; }
    bool failed() const { return m_failed; }

private:
    QIODevice *m_device;
    QByteArray m_buffer;
    int m_pos = 0;
    bool m_ended = false;
    bool m_failed = false;
};

enum class Field
{
    Read,
    Cut,
    Failed
};

Field cutOrFailed(const StreamReader &in)
{
    return in.failed() ? Field::Failed : Field::Cut;
}

void decodeUnits(const char *bytes, int units, QChar *out)
{
    for (int i = 0; i < units; ++i)
        out[i] = QChar(qFromBigEndian<quint16>(bytes + 2 * i));
}

// One text: a 32-bit big-endian byte count (all bits set for a null text)
// and UTF-16 big-endian code units.  On anything but Field::Read the text is
// left null.
Field readText(StreamReader &in, QString *text, bool *odd)
{
    *text = QString();
    if (in.ensure(4) < 4)
        return cutOrFailed(in);
    const quint32 length = qFromBigEndian<quint32>(in.data());
    in.skip(4);
    if (length == nullTextLength)
        return Field::Read;
    if (length == 0) {
        *text = QString::fromLatin1("");
        return Field::Read;
    }
    if (length > maxTextBytes)
        return Field::Cut;
    if (length % 2)
        *odd = true;

    if (length <= quint32(chunkSize)) {
        const int bytes = int(length);
        if (in.ensure(bytes) < bytes)
            return cutOrFailed(in);
        QString result(bytes / 2, Qt::Uninitialized);
        decodeUnits(in.data(), bytes / 2, result.data());
        in.skip(bytes);
        *text = result;
        return Field::Read;
    }

    // A long text grows piece by piece as its bytes arrive.  chunkSize is
    // even, so only the last piece can hold the stray byte of an odd count.
    QString result;
    quint32 remaining = length;
    while (remaining > 0) {
        const int piece = int(qMin(remaining, quint32(chunkSize)));
        if (in.ensure(piece) < piece)
            return cutOrFailed(in);
        const int old = result.size();
        result.resize(old + piece / 2);
        decodeUnits(in.data(), piece / 2, result.data() + old);
        in.skip(piece);
        remaining -= quint32(piece);
    }
    *text = result;
    return Field::Read;
}

void writeRecord(QDataStream &out, int index, const QString &parentName, const ItemTexts &texts)
{
    // The index is informative only; beyond 32767 siblings it wraps.
    out << qint16(index) << parentName << texts[nameColumn];
    for (int column = value1Column; column <= averageCountColumn; ++column)
        out << texts[column];
}

ItemTexts loadedItemTexts(const ItemTexts &columns)
{
    ItemTexts texts = columns;
    texts[swatchColumn] = QString();
    for (int column = value1Column; column <= value3Column; ++column)
        texts[column] = loadedCoordinateText(columns[column]);
    return texts;
}

MeasuringFileType loadedType(const QVector<ItemRecord> &records, int samplesBegin, int typeAt)
{
    MeasuringFileType type;
    type.columns = loadedItemTexts(records.at(typeAt).columns);
    type.samples.reserve(typeAt - samplesBegin);
    for (int k = samplesBegin; k < typeAt; ++k)
        type.samples.append(loadedItemTexts(records.at(k).columns));
    return type;
}

// The writer puts, for each Type, its Samples' records (each naming the Type
// as parent) and then the Type's own record (naming the root's text R as
// parent).  So R is the parent name of the last record, and the records cut
// into groups of a run of records sharing one parent P != R, followed by a
// record named P whose parent is R; a record whose parent is R with no such
// run before it is a Type without Samples.  A file that does not cut that
// way, or that was cut short, is not the writer's and gets false.  With a
// measurement name N, R must also be a root text of N (cut by 4 or 15
// characters), so a file whose last Type record is missing is not taken for
// one whose last Samples are Types.
// Only a Type renamed to R itself is ambiguous: its Samples also name R, and
// they are read as Types without Samples (nothing is lost or repeated).
bool classifyByWriterOrder(const QVector<ItemRecord> &records, const QString &name,
                           MeasuringFileTypes *types)
{
    types->clear();
    const int count = records.size();
    if (count == 0)
        return true;
    for (const ItemRecord &record : records) {
        if (!record.complete)
            return false;
    }
    const QString &rootText = records.last().parentName;
    if (!name.isEmpty() && rootText.midRef(4) != name && rootText.midRef(15) != name)
        return false;

    MeasuringFileTypes result;
    int i = 0;
    while (i < count) {
        const QString &parent = records.at(i).parentName;
        if (parent == rootText) {
            result.append(loadedType(records, i, i));
            ++i;
            continue;
        }
        int end = i + 1;
        while (end < count && records.at(end).parentName == parent)
            ++end;
        // The last record names R, so a run of another parent ends before it.
        if (records.at(end).parentName != rootText || records.at(end).name() != parent)
            return false;
        result.append(loadedType(records, i, end));
        i = end + 1;
    }
    *types = std::move(result);
    return true;
}

// A file without a measurement name that is not in the writer's order
// (damaged): the same reading, record by record, as far as it goes; every
// record that does not end such a run is a Type without Samples.
MeasuringFileTypes classifyByOrder(const QVector<ItemRecord> &records)
{
    const int count = records.size();
    // runEnd[i]: first index after i whose parent name differs from record i's.
    QVector<int> runEnd(count);
    for (int i = count - 1; i >= 0; --i) {
        const bool sameAsNext =
            i + 1 < count && records.at(i + 1).parentName == records.at(i).parentName;
        runEnd[i] = sameAsNext ? runEnd.at(i + 1) : i + 1;
    }

    MeasuringFileTypes types;
    int i = 0;
    while (i < count) {
        const int end = runEnd.at(i);
        if (end < count && records.at(end).name() == records.at(i).parentName) {
            types.append(loadedType(records, i, end));
            i = end + 1;
            continue;
        }
        const ItemRecord &record = records.at(i);
        // A record cut short before its name says nothing worth an item.
        if (record.complete || !record.name().isEmpty())
            types.append(MeasuringFileType{loadedItemTexts(record.columns), {}});
        ++i;
    }
    return types;
}

// The thirteen header texts in file order: the tolerance's seven (in the
// order of Tolerance::toList), then the six print texts (PrintInfo::texts).
template <typename Header>
auto headerTexts(Header &h) -> std::array<decltype(&h.tolerance.delatE), 13>
{
    auto &t = h.tolerance;
    auto &p = h.print;
    return {&t.delatE,     &t.nDelatL,           &t.pDelatL,         &t.nDelata, &t.pDelata,
            &t.nDelatb,    &t.pDelatb,           &p.measurementName, &p.company, &p.printTime,
            &p.department, &p.measurementPerson, &p.productTested};
}

} // namespace

bool writeMeasuringFile(QIODevice *device, const MeasuringFileHeader &header,
                        const QString &rootText, const MeasuringFileTypes &types)
{
    if (!device || !device->isWritable())
        return false;
    QDataStream out(device);
    out.setByteOrder(QDataStream::BigEndian);
    out.setVersion(QDataStream::Qt_4_3);

    out << qint32(measuringFile::magic);
    for (const QString *text : headerTexts(header))
        out << *text;

    for (int t = 0; t < types.size() && out.status() == QDataStream::Ok; ++t) {
        const MeasuringFileType &type = types.at(t);
        for (int s = 0; s < type.samples.size(); ++s)
            writeRecord(out, s, type.columns[nameColumn], type.samples.at(s));
        writeRecord(out, t, rootText, type.columns);
    }
    if (out.status() != QDataStream::Ok)
        return false;
    // A file buffers its writes; a full disk may only show here.
    if (auto *file = qobject_cast<QFileDevice *>(device))
        return file->flush();
    return true;
}

MeasuringFileStatus readMeasuringFile(QIODevice *device, MeasuringFileHeader *header,
                                      QVector<ItemRecord> *records, bool *intact)
{
    MeasuringFileHeader readHeader;
    QVector<ItemRecord> readRecords;
    bool whole = true;
    bool odd = false; // raised by readText on an odd byte count
    MeasuringFileStatus status = MeasuringFileStatus::Ok;
    // Hands over whatever was read, also on the ways out that stop early.
    auto finish = [&](MeasuringFileStatus result) {
        if (header)
            *header = readHeader;
        if (records)
            *records = std::move(readRecords);
        if (intact)
            *intact = whole && !odd && result == MeasuringFileStatus::Ok;
        return result;
    };

    if (!device || !device->isReadable())
        return finish(MeasuringFileStatus::ReadError);
    StreamReader in(device);
    if (in.ensure(4) < 4) {
        return finish(in.failed() ? MeasuringFileStatus::ReadError
                                  : MeasuringFileStatus::NotAQcmFile);
    }
    if (qFromBigEndian<qint32>(in.data()) != measuringFile::magic)
        return finish(MeasuringFileStatus::NotAQcmFile);
    in.skip(4);

    for (QString *text : headerTexts(readHeader)) {
        const Field field = readText(in, text, &odd);
        if (field == Field::Failed)
            return finish(MeasuringFileStatus::ReadError);
        if (field == Field::Cut) {
            whole = false;
            return finish(status);
        }
    }

    while (in.ensure(1) > 0) {
        ItemRecord record;
        Field field = Field::Read;
        if (in.ensure(2) < 2) {
            field = cutOrFailed(in);
        } else {
            record.index = qFromBigEndian<qint16>(in.data());
            in.skip(2);
            QString *texts[measuringFile::recordTextCount] = {&record.parentName,
                                                              &record.columns[nameColumn]};
            for (int column = value1Column; column <= averageCountColumn; ++column)
                texts[column] = &record.columns[column];
            for (QString *text : texts) {
                field = readText(in, text, &odd);
                if (field != Field::Read)
                    break;
            }
        }
        if (field != Field::Read) {
            record.complete = false;
            whole = false;
            readRecords.append(std::move(record));
            if (field == Field::Failed)
                status = MeasuringFileStatus::ReadError;
            return finish(status);
        }
        readRecords.append(std::move(record));
    }
    if (in.failed())
        status = MeasuringFileStatus::ReadError;
    return finish(status);
}

QString measuringNamePrefix(const QString &languageCode)
{
    if (languageCode == QLatin1String("zh_CN"))
        return QStringLiteral("测量名：");
    if (languageCode == QLatin1String("zh_TW"))
        return QStringLiteral("測量名：");
    return QStringLiteral("Measuring Name:");
}

int measuringNamePrefixLength(const QString &languageCode)
{
    return measuringNamePrefix(languageCode).size();
}

float coordinateValue(const QString &text)
{
    // "nan", "inf" and numbers beyond the float range ("1e39") are no
    // coordinates either; left as they are they would reach every colour
    // computation and the swatch.
    bool ok = false;
    const float value = text.toFloat(&ok);
    return ok && qIsFinite(value) ? value : 0.0f;
}

QString loadedCoordinateText(const QString &text)
{
    return QString::number(double(coordinateValue(text)), 'g', 6);
}

MeasuringFileTypes classifyMeasuringRecords(const QVector<ItemRecord> &records,
                                            const QString &rootText, int prefixLength,
                                            MeasuringFileLosses *lost)
{
    MeasuringFileLosses ignored;
    if (!lost)
        lost = &ignored;
    *lost = MeasuringFileLosses();
    const QString name = rootText.mid(qMax(prefixLength, 0));
    MeasuringFileTypes types;
    if (classifyByWriterOrder(records, name, &types))
        return types;
    if (name.isEmpty())
        return classifyByOrder(records);

    // Not the writer's order: the records are told apart by their names.
    // Types: the parent name, cut by the length of either prefix, is the
    // measurement name.  The prefixes are never compared, so a file saved
    // under another language (or with a re-cased prefix) is read the same.
    QHash<QString, QVector<int>> typesByName;
    for (const ItemRecord &record : records) {
        if (record.parentName.midRef(4) == name || record.parentName.midRef(15) == name) {
            typesByName[record.name()].append(types.size());
            types.append(MeasuringFileType{loadedItemTexts(record.columns), {}});
        }
    }

    // Samples: every record naming a Type goes under every Type of that name,
    // in record order.  Type records take part too, like any other record.
    int copies = 0;
    for (const ItemRecord &record : records) {
        const auto found = typesByName.constFind(record.parentName);
        if (found == typesByName.constEnd()) {
            const bool isType =
                record.parentName.midRef(4) == name || record.parentName.midRef(15) == name;
            if (!isType)
                ++lost->recordsWithoutType;
            continue;
        }
        const ItemTexts texts = loadedItemTexts(record.columns);
        const QVector<int> &targets = found.value();
        for (int k = 0; k < targets.size(); ++k) {
            if (k > 0) {
                if (copies >= measuringFile::maxDuplicateSampleCopies) {
                    lost->sampleCopiesBeyondLimit += targets.size() - k;
                    break;
                }
                ++copies;
            }
            types[targets.at(k)].samples.append(texts);
        }
    }
    return types;
}
