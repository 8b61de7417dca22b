#ifndef QCM_JOURNALFORMAT_H
#define QCM_JOURNALFORMAT_H

// The measuring journal: an append-only file of self-delimiting records, each
// with a CRC-32, that holds what the measurement tree went through since the
// last save.  A record is
//   "QJ", kind (1 byte), payload length (4 bytes, big endian), payload,
//   CRC-32 of kind, length and payload (4 bytes, big endian)
// and the payload is a data stream (big endian, Qt 5.15 format).  A record
// torn by a crash or damaged on disk ends the readable journal: everything
// before it is kept, nothing after it is trusted.

#include "measuringFile.h"

#include <QDateTime>
#include <QStringList>
#include <QVector>

class QIODevice;

namespace journal {

enum class Kind : quint8
{
    Begin = 1,     // a fresh journal: the file it belongs to and when it began
    Tolerance = 2, // the seven tolerance texts
    PrintInfo = 3, // the six print texts and the time flag
    Insert = 4,    // an item (a Type with its Samples) joins at a position
    Change = 5,    // an item's texts, swatch or check mark changed
    Remove = 6,    // items leave from a position
    Settled = 7,   // the measurement is now as its file holds it (saved or opened)
    Saved = 8,     // the measurement as it stands was just saved to the named file
    Marks = 9,     // the check marks of a Type and of all its Samples, at once
};

// One Type or Sample as the tree shows it.
struct ItemState
{
    ItemTexts texts;
    quint32 swatch = 0;    // QRgb, kept in QtCore terms
    quint8 checkState = 0; // Qt::CheckState
    bool operator==(const ItemState &o) const
    {
        return texts == o.texts && swatch == o.swatch && checkState == o.checkState;
    }
};

struct Record
{
    Kind kind = Kind::Begin;
    // Begin and Saved: the file (and when it began); Tolerance / PrintInfo:
    // the texts.
    QString file;
    QDateTime started;
    QStringList texts;
    bool timeFlag = false;
    // Insert / Change / Remove: the Type's row under the root and the
    // Sample's row under the Type (-1 for the Type itself).
    qint32 typeRow = -1;
    qint32 sampleRow = -1;
    // Remove: how many rows leave.
    qint32 count = 1;
    // Insert / Change: the item; Insert of a Type also brings its Samples.
    ItemState item;
    QVector<ItemState> children;
    // Marks: the Type's check state, then each of its Samples' in order, one
    // byte each (Qt::CheckState).  Selecting or inverting thousands of marks
    // writes this one record rather than an item record per mark.
    QByteArray marks;
};

QByteArray encode(const Record &record);

struct ReadResult
{
    QVector<Record> records;
    // Bytes after the last intact record (a torn or damaged tail).
    qint64 discardedBytes = 0;
};
// Reads every intact record from the device's position to the first torn or
// damaged one.  Never allocates more than the bytes that are really there
// (a list's declared count is checked against the bytes left for it).
ReadResult read(QIODevice *device);

// A measurement rebuilt from a journal.
struct TypeState
{
    ItemState type;
    QVector<ItemState> samples;
};
struct Measurement
{
    QString file;
    QDateTime started;
    // As the last tolerance and print-information records carry them; the
    // defaults (and null print texts) where the journal has none.
    Tolerance tolerance;
    PrintInfo printInfo;
    QVector<TypeState> types;
    // Records after the last Settled mark (all but Begin when there is none):
    // what the file does not hold.
    int unsavedChanges = 0;
    bool settled = false;
    int itemCount() const;
};

// Plays the records in order.  Returns false (keeping what was built up to
// it) at the first record that does not fit the measurement: a journal must
// begin with Begin, and positions must exist.
bool replay(const QVector<Record> &records, Measurement *out, int *applied = nullptr);

// The CRC-32 of zlib and PNG (0xCBF43926 for "123456789").
quint32 crc32(const QByteArray &bytes);

} // namespace journal

#endif
