#ifndef QCM_LIBRARYFILE_H
#define QCM_LIBRARYFILE_H

// The library file (".scl"): the magic 0x55AA3535 followed by entries of
// fifteen fields each, up to the end of the data, in big-endian data-stream
// encoding (32-bit integers; texts as a 32-bit byte count and UTF-16
// big-endian code units, all bits set for a null text).  No count, version or
// checksum.  Everything here works on a QIODevice and plain values; the
// dialog reports failures itself.

#include <QString>
#include <QVector>
#include <QtGlobal>

class QIODevice;

namespace libraryFile {
constexpr qint32 magic = 0x55AA3535;
// A library of a hundred thousand Types stays far below this; anything larger
// is not a library, and reading it would only tie up memory.
constexpr qint64 maxFileBytes = 16 * 1024 * 1024;
} // namespace libraryFile

// One reference colour, the fifteen fields in file order.
struct LibraryEntry
{
    qint32 order = 0;   // 1-based position when the entry was added
    QString name;       // the Type's name in the tree
    QString info;       // result of the last matching search by value
    QString colorSpace; // colour-space name of the value text
    QString value;      // "L52.34  a-1.20  b3.45" and the like
    qint32 red = 0;     // simulation colour, 0-255 each
    qint32 green = 0;
    qint32 blue = 0;
    QString lightSource;
    QString observer;
    QString illuminationMode;
    QString caliber;
    QString lightMode;    // "SCI" or "SCE"
    QString averageTimes; // readings per average, decimal text
    QString measurementTime;

    bool operator==(const LibraryEntry &o) const;
    bool operator!=(const LibraryEntry &o) const { return !(*this == o); }
};

// Whether an entry holds what a Type needs: a colour space, a value text and
// every condition with the measuring time.  The last entry of a damaged file
// lacks at least its time (the last field), and keeps lacking it once the
// library is written again, so it is never taken for a Type at 0, 0, 0.
bool libraryEntryComplete(const LibraryEntry &entry);

enum class LibraryReadStatus
{
    Ok,              // entries read (possibly fewer, when `damaged` is set)
    NotALibraryFile, // fewer than four bytes or another magic; nothing read
    TooLarge,        // more than libraryFile::maxFileBytes; nothing read
    ReadError        // the device is not readable or a read failed
};

struct LibraryReadResult
{
    LibraryReadStatus status = LibraryReadStatus::ReadError;
    QVector<LibraryEntry> entries;
    // Entries read whole; one less than entries.size() when the damaged
    // entry's readable fields are kept as a last, incomplete entry.
    int completeEntries = 0;
    // How many of that last, incomplete entry's fifteen fields (in file
    // order) were read; 0 when every entry is whole.
    int partialFields = 0;
    // Reading stopped at damage: the data ended inside an entry, or a text
    // declared an odd byte count (no whole UTF-16 text can have one).
    bool damaged = false;
};

// Writes the magic and the entries.  Empty and null texts are both written as
// empty texts (byte count 0).  Returns false when the device is not writable
// or a write (or the final flush of a file) fails.
bool writeLibraryFile(QIODevice *device, const QVector<LibraryEntry> &entries);

// Reads from the device's position to its end.  A null text reads as an empty
// one; colour components outside 0-255 are clamped.  At damage the reader
// stops: the fields of the damaged entry read before the damage are kept as
// a last entry (other fields empty or 0) when at least its order was read.
LibraryReadResult readLibraryFile(QIODevice *device);

#endif
