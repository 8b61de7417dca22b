// Feeds arbitrary bytes to the library-file reader, writes what it gives and
// reads that back.  Whatever the input, the reader must stop, keep its memory
// in proportion to the input, clamp the colours, and the writer's own output
// must read back whole and equal.

#include "libraryFile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Smallest whole entry: fifteen four-byte fields (null texts and integers).
constexpr int smallestEntry = 15 * 4;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 65536)
        return 0;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    const LibraryReadResult read = readLibraryFile(&in);
    check(read.status != LibraryReadStatus::ReadError &&
          read.status != LibraryReadStatus::TooLarge);
    if (read.status == LibraryReadStatus::NotALibraryFile) {
        check(read.entries.isEmpty());
        return 0;
    }
    check(read.entries.size() <= int(size) / smallestEntry + 1);
    check(read.completeEntries == read.entries.size() ||
          (read.damaged && read.completeEntries == read.entries.size() - 1));
    for (const LibraryEntry &e : read.entries) {
        for (qint32 c : {e.red, e.green, e.blue})
            check(c >= 0 && c <= 255);
    }

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    check(writeLibraryFile(&out, read.entries));
    out.close();
    out.open(QIODevice::ReadOnly);
    const LibraryReadResult again = readLibraryFile(&out);
    check(again.status == LibraryReadStatus::Ok);
    check(!again.damaged);
    check(again.entries == read.entries);
    return 0;
}
