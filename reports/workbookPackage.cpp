#include "workbookPackage.h"

#include <QCoreApplication>

#include <zlib.h>

#include <algorithm>

namespace {

constexpr quint32 endOfDirectorySignature = 0x06054b50;
constexpr quint32 directoryEntrySignature = 0x02014b50;
constexpr quint32 localHeaderSignature = 0x04034b50;
constexpr int endOfDirectorySize = 22;
constexpr int directoryEntrySize = 46;
constexpr int localHeaderSize = 30;

// Little-endian fields, read only inside the package's bounds.
class packageReader
{
public:
    explicit packageReader(const QByteArray &bytes) : m_bytes(bytes) {}

    bool has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset + length <= m_bytes.size();
    }
    quint32 u16(qint64 offset) const { return byte(offset) | byte(offset + 1) << 8; }
    quint32 u32(qint64 offset) const { return u16(offset) | u16(offset + 2) << 16; }
    const char *at(qint64 offset) const { return m_bytes.constData() + offset; }

private:
    quint32 byte(qint64 offset) const { return quint8(m_bytes.at(int(offset))); }
    const QByteArray &m_bytes;
};

QString incomplete(const QString &detail)
{
    return QCoreApplication::translate("workbookPackage", "the workbook came out incomplete (%1)")
        .arg(detail);
}

bool inflateRaw(const char *data, qint64 size, QByteArray *out)
{
    z_stream stream = {};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
    stream.avail_in = uInt(size);
    stream.next_out = reinterpret_cast<Bytef *>(out->data());
    stream.avail_out = uInt(out->size());
    const int result = inflate(&stream, Z_FINISH);
    const bool whole = result == Z_STREAM_END && stream.avail_out == 0;
    inflateEnd(&stream);
    return whole;
}

// Whether an XML part ends where its root element ends.  A part cut short
// by a failed write ends anywhere else; a full parse would cost more than the
// whole workbook.
bool endsWithItsRoot(const QByteArray &xml)
{
    int start = 0;
    for (;;) {
        start = xml.indexOf('<', start);
        if (start < 0 || start + 1 >= xml.size())
            return false;
        const char next = xml.at(start + 1);
        if (next != '?' && next != '!')
            break;
        start = xml.indexOf('>', start);
        if (start < 0)
            return false;
    }
    int nameEnd = start + 1;
    while (nameEnd < xml.size() && !QChar::isSpace(uchar(xml.at(nameEnd))) &&
           xml.at(nameEnd) != '>' && xml.at(nameEnd) != '/')
        ++nameEnd;
    const QByteArray name = xml.mid(start + 1, nameEnd - start - 1);
    const QByteArray whole = xml.trimmed();
    if (name.isEmpty())
        return false;
    if (whole.endsWith("</" + name + '>'))
        return true;
    // An empty root element: <root ... />
    return whole.endsWith("/>") && whole.indexOf('>', nameEnd) == whole.size() - 1;
}

} // namespace

bool workbookPackageIsWhole(const QByteArray &package, QString *problem)
{
    QString ignored;
    if (!problem)
        problem = &ignored;
    const packageReader in(package);

    // The directory's end record is the last thing written (no comment).
    const qint64 end = package.size() - endOfDirectorySize;
    if (!in.has(end, endOfDirectorySize) || in.u32(end) != endOfDirectorySignature) {
        *problem = incomplete(QStringLiteral("no package directory"));
        return false;
    }
    const int entries = int(in.u16(end + 10));
    qint64 entry = in.u32(end + 16);
    if (entries == 0 || !in.has(entry, in.u32(end + 12))) {
        *problem = incomplete(QStringLiteral("empty package directory"));
        return false;
    }

    bool sheetSeen = false;
    for (int i = 0; i < entries; ++i) {
        if (!in.has(entry, directoryEntrySize) || in.u32(entry) != directoryEntrySignature) {
            *problem = incomplete(QStringLiteral("damaged package directory"));
            return false;
        }
        const quint32 method = in.u16(entry + 10);
        const quint32 crc = in.u32(entry + 16);
        const qint64 packedSize = in.u32(entry + 20);
        const qint64 size = in.u32(entry + 24);
        const int nameLength = int(in.u16(entry + 28));
        const qint64 skip = nameLength + in.u16(entry + 30) + in.u16(entry + 32);
        const qint64 local = in.u32(entry + 42);
        if (!in.has(entry + directoryEntrySize, skip)) {
            *problem = incomplete(QStringLiteral("damaged package directory"));
            return false;
        }
        const QString name = QString::fromUtf8(in.at(entry + directoryEntrySize), nameLength);
        entry += directoryEntrySize + skip;

        if (!in.has(local, localHeaderSize) || in.u32(local) != localHeaderSignature) {
            *problem = incomplete(name);
            return false;
        }
        const qint64 data = local + localHeaderSize + in.u16(local + 26) + in.u16(local + 28);
        if (!in.has(data, packedSize) || size > (1 << 30) || (method != 0 && method != 8)) {
            *problem = incomplete(name);
            return false;
        }
        QByteArray part(int(size), Qt::Uninitialized);
        bool read = false;
        if (method == 8) {
            read = inflateRaw(in.at(data), packedSize, &part);
        } else if (packedSize == size) {
            std::copy(in.at(data), in.at(data) + size, part.data());
            read = true;
        }
        if (!read ||
            crc32(0, reinterpret_cast<const Bytef *>(part.constData()), uInt(part.size())) != crc ||
            ((name.endsWith(QLatin1String(".xml")) || name.endsWith(QLatin1String(".rels"))) &&
             !endsWithItsRoot(part))) {
            *problem = incomplete(name);
            return false;
        }
        sheetSeen = sheetSeen || name == QLatin1String("xl/worksheets/sheet1.xml");
    }
    if (!sheetSeen) {
        *problem = incomplete(QStringLiteral("no worksheet"));
        return false;
    }
    return true;
}
