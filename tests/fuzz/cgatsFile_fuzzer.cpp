// Feeds arbitrary bytes to the CGATS reader, writes what it gives and reads
// that back.  Whatever the input, the reader must stop, keep its colours and
// messages bounded, give only finite L*a*b*, and the writer's own output must
// read back with the same names and the same coordinates.

#include "cgatsFile.h"

#include <QBuffer>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The name as the writer keeps it: control characters become spaces.
QString written(const QString &name)
{
    QString out = name;
    for (QChar &c : out) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 65536)
        return 0;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    const CgatsReadResult read = readCgats(&in);
    check(read.status != CgatsReadStatus::ReadError);
    check(read.lost.size() <= cgatsFile::maxLineMessages + 4);
    if (read.status != CgatsReadStatus::Ok) {
        check(read.tables.isEmpty());
        check(!read.refusal.isEmpty());
        return 0;
    }
    // Every colour takes at least one line of at least one character.
    check(read.colourCount() <= int(size) / 2 + 1);
    check(read.colourCount() <= cgatsFile::maxColours);
    for (const CgatsTable &table : read.tables) {
        check(!table.colours.isEmpty());
        for (const CgatsColour &colour : table.colours) {
            for (float v : colour.lab)
                check(std::isfinite(v));
        }
    }
    if (read.tables.isEmpty())
        return 0; // nothing to write: a file without a table is no CGATS file

    CgatsDocument document;
    document.tables = read.tables;
    document.created = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    check(writeCgats(&out, document));
    out.close();
    out.open(QIODevice::ReadOnly);
    const CgatsReadResult again = readCgats(&out);
    check(again.status == CgatsReadStatus::Ok);
    check(!again.damaged);
    check(again.tables.size() == read.tables.size());
    for (int t = 0; t < read.tables.size(); ++t) {
        const QVector<CgatsColour> &before = read.tables.at(t).colours;
        const QVector<CgatsColour> &after = again.tables.at(t).colours;
        check(before.size() == after.size());
        for (int i = 0; i < before.size(); ++i) {
            check(after.at(i).name == written(before.at(i).name));
            check(after.at(i).lab == before.at(i).lab);
        }
    }
    return 0;
}
