#include "libraryFile.h"

#include <QDataStream>
#include <QFileDevice>
#include <QIODevice>
#include <QtEndian>

namespace {

constexpr quint32 nullTextLength = 0xFFFFFFFFu;
constexpr qint64 readPiece = 64 * 1024;

enum class Field
{
    Read,
    Damaged
};

// Reads fields from the bytes of a whole file.
class Cursor
{
public:
    Cursor(const char *data, qint64 size) : m_data(data), m_left(size) {}

    bool atEnd() const { return m_left == 0; }

    Field integer(qint32 *value)
    {
        if (m_left < 4)
            return Field::Damaged;
        *value = qFromBigEndian<qint32>(m_data);
        advance(4);
        return Field::Read;
    }

    Field text(QString *value)
    {
        if (m_left < 4)
            return Field::Damaged;
        const quint32 length = qFromBigEndian<quint32>(m_data);
        advance(4);
        if (length == nullTextLength) {
            *value = QString();
            return Field::Read;
        }
        if (length % 2 != 0 || qint64(length) > m_left)
            return Field::Damaged;
        const int units = int(length / 2);
        QString result(units, Qt::Uninitialized);
        QChar *out = result.data();
        for (int i = 0; i < units; ++i)
            out[i] = QChar(qFromBigEndian<quint16>(m_data + 2 * i));
        advance(length);
        *value = result;
        return Field::Read;
    }

private:
    void advance(qint64 count)
    {
        m_data += count;
        m_left -= count;
    }

    const char *m_data;
    qint64 m_left;
};

// Reads one entry; returns how many of its fifteen fields were read whole.
int readEntry(Cursor &in, LibraryEntry *entry)
{
    int fields = 0;
    auto integer = [&](qint32 *v) { return in.integer(v) == Field::Read; };
    auto text = [&](QString *v) { return in.text(v) == Field::Read; };
    // In file order; the first field that fails ends the entry.
    if (!integer(&entry->order))
        return fields;
    ++fields;
    for (QString *t : {&entry->name, &entry->info, &entry->colorSpace, &entry->value}) {
        if (!text(t))
            return fields;
        ++fields;
    }
    for (qint32 *c : {&entry->red, &entry->green, &entry->blue}) {
        if (!integer(c))
            return fields;
        ++fields;
    }
    for (QString *t :
         {&entry->lightSource, &entry->observer, &entry->illuminationMode, &entry->caliber,
          &entry->lightMode, &entry->averageTimes, &entry->measurementTime}) {
        if (!text(t))
            return fields;
        ++fields;
    }
    return fields;
}

constexpr int fieldCount = 15;

void clampColor(LibraryEntry *entry)
{
    for (qint32 *c : {&entry->red, &entry->green, &entry->blue})
        *c = qBound(0, *c, 255);
}

// Reads everything from the device's position, at most `limit` + 1 bytes so
// that a file too large is recognised without holding all of it.
bool readAll(QIODevice *device, qint64 limit, QByteArray *bytes)
{
    bytes->clear();
    while (bytes->size() <= limit) {
        const int old = bytes->size();
        const qint64 piece = qMin(readPiece, limit + 1 - old);
        bytes->resize(old + int(piece));
        const qint64 got = device->read(bytes->data() + old, piece);
        if (got < 0) {
            bytes->resize(old);
            return false;
        }
        bytes->resize(old + int(got));
        if (got == 0)
            break;
    }
    return true;
}

QString nonNull(const QString &text)
{
    return text.isNull() ? QString::fromLatin1("") : text;
}

} // namespace

bool LibraryEntry::operator==(const LibraryEntry &o) const
{
    return order == o.order && name == o.name && info == o.info && colorSpace == o.colorSpace &&
           value == o.value && red == o.red && green == o.green && blue == o.blue &&
           lightSource == o.lightSource && observer == o.observer &&
           illuminationMode == o.illuminationMode && caliber == o.caliber &&
           lightMode == o.lightMode && averageTimes == o.averageTimes &&
           measurementTime == o.measurementTime;
}

bool libraryEntryComplete(const LibraryEntry &e)
{
    for (const QString *text :
         {&e.colorSpace, &e.value, &e.lightSource, &e.observer, &e.illuminationMode, &e.caliber,
          &e.lightMode, &e.averageTimes, &e.measurementTime}) {
        if (text->isEmpty())
            return false;
    }
    return true;
}

bool writeLibraryFile(QIODevice *device, const QVector<LibraryEntry> &entries)
{
    if (!device || !device->isWritable())
        return false;
    QDataStream out(device);
    out.setByteOrder(QDataStream::BigEndian);
    // Integers and texts are encoded alike in every stream version since 4.0.
    out.setVersion(QDataStream::Qt_4_0);
    out << qint32(libraryFile::magic);
    for (const LibraryEntry &e : entries) {
        out << e.order << nonNull(e.name) << nonNull(e.info) << nonNull(e.colorSpace)
            << nonNull(e.value) << e.red << e.green << e.blue << nonNull(e.lightSource)
            << nonNull(e.observer) << nonNull(e.illuminationMode) << nonNull(e.caliber)
            << nonNull(e.lightMode) << nonNull(e.averageTimes) << nonNull(e.measurementTime);
        if (out.status() != QDataStream::Ok)
            return false;
    }
    if (out.status() != QDataStream::Ok)
        return false;
    // A file buffers its writes; a full disk may only show here.
    if (auto *file = qobject_cast<QFileDevice *>(device))
        return file->flush();
    return true;
}

LibraryReadResult readLibraryFile(QIODevice *device)
{
    LibraryReadResult result;
    if (!device || !device->isReadable())
        return result;
    if (!device->isSequential() && device->size() - device->pos() > libraryFile::maxFileBytes) {
        result.status = LibraryReadStatus::TooLarge;
        return result;
    }
    QByteArray bytes;
    if (!readAll(device, libraryFile::maxFileBytes, &bytes))
        return result;
    if (bytes.size() > libraryFile::maxFileBytes) {
        result.status = LibraryReadStatus::TooLarge;
        return result;
    }
    if (bytes.size() < 4 || qFromBigEndian<qint32>(bytes.constData()) != libraryFile::magic) {
        result.status = LibraryReadStatus::NotALibraryFile;
        return result;
    }

    result.status = LibraryReadStatus::Ok;
    Cursor in(bytes.constData() + 4, bytes.size() - 4);
    while (!in.atEnd()) {
        LibraryEntry entry;
        const int fields = readEntry(in, &entry);
        clampColor(&entry);
        if (fields < fieldCount) {
            result.damaged = true;
            if (fields > 0) {
                result.entries.append(entry);
                result.partialFields = fields;
            }
            break;
        }
        result.entries.append(entry);
        ++result.completeEntries;
    }
    return result;
}
