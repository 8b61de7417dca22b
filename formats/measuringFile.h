#ifndef QCM_MEASURINGFILE_H
#define QCM_MEASURINGFILE_H

// The measuring file (".qcm"): a big-endian data stream at stream version 9
// holding the magic, the tolerance, the print information and one record per
// Type and Sample.  Everything here works on a QIODevice and plain texts; the
// main window turns the results into tree items and reports failures itself.

#include "itemColumns.h"
#include "judgement.h"
#include "printInfo.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <array>

class QIODevice;

namespace measuringFile {
constexpr qint32 magic = 0x55AA3434;
// Texts of one record after its index: parent name, name, columns 2 to 15.
constexpr int recordTextCount = 16;
// Upper bound on the extra Sample copies handed out when several Types share
// one name (every such Type receives every Sample that names it).  A hostile
// file could otherwise ask for a number of items quadratic in its size.
constexpr int maxDuplicateSampleCopies = 1000000;
} // namespace measuringFile

// The column texts of one Type or Sample, indexed by ItemColumn.  The swatch
// column has no text; column 16 of the tree is not kept.
using ItemTexts = std::array<QString, averageCountColumn + 1>;

// The header: the tolerance and the print information, each in file order
// (see Tolerance::toList and PrintInfo::texts; the time flag is not kept).
// A null text and an empty text are written differently (FF FF FF FF against
// 00 00 00 00), so every text starts null and a header cut short leaves the
// texts it did not reach null.
struct MeasuringFileHeader
{
    Tolerance tolerance = Tolerance::nullTexts();
    PrintInfo print;
};

// One record as it stands in the file.
struct ItemRecord
{
    qint16 index = 0;     // position among the item's siblings; written, not used when reading
    QString parentName;   // the root's text for a Type, the Type's name for a Sample
    ItemTexts columns;    // nameColumn and columns 2 to 15; swatchColumn stays null
    bool complete = true; // false when the stream ended inside this record

    const QString &name() const { return columns[nameColumn]; }
};

// A measurement as the writer takes it and the classification gives it back.
struct MeasuringFileType
{
    ItemTexts columns;
    QVector<ItemTexts> samples;
};
using MeasuringFileTypes = QVector<MeasuringFileType>;

enum class MeasuringFileStatus
{
    Ok,          // header read (possibly cut short) and the records that follow
    NotAQcmFile, // fewer than four bytes or a wrong magic; nothing else was read
    ReadError    // the device is not readable or a read failed; what came before is kept
};

// Writes the whole file: magic, header, then for each Type its Samples'
// records followed by its own record.  `rootText` is the parent name of every
// Type record.  Returns false when the device is not writable or any write
// (or the final flush of a file) fails; it reports nothing itself.
bool writeMeasuringFile(QIODevice *device, const MeasuringFileHeader &header,
                        const QString &rootText, const MeasuringFileTypes &types);

// Reads from the device's current position to its end.  A stream that ends
// inside the header or a record leaves the texts that could not be read null;
// a record begun but cut short is still given (with complete == false).  A
// declared text length is never allocated before the bytes have arrived, an
// odd byte count keeps its whole code units and skips the stray byte.
// `intact` (optional) is set to false when anything was cut short or odd.
MeasuringFileStatus readMeasuringFile(QIODevice *device, MeasuringFileHeader *header,
                                      QVector<ItemRecord> *records, bool *intact = nullptr);

// The measuring-name prefix of the root's text for an interface language code:
// "测量名：" for "zh_CN", "測量名：" for "zh_TW", "Measuring Name:" otherwise.
QString measuringNamePrefix(const QString &languageCode);
// 4 for "zh_CN" and "zh_TW", 15 otherwise.
int measuringNamePrefixLength(const QString &languageCode);

// A coordinate text as a number: the text read as a float; a text that is no
// number, or not a finite float ("nan", "inf", "1e39"), reads as 0.
float coordinateValue(const QString &text);
// A coordinate as the loader shows it: coordinateValue() written back in
// general format, 6 significant digits.
QString loadedCoordinateText(const QString &text);

// Turns records into the Types to create, in file order, each with its
// Samples in record order.  `rootText` is the root's text now and
// `prefixLength` the prefix length of the language in effect (see
// measuringNamePrefixLength); N is `rootText` without its prefix.
// Records in the writer's order (each Type's Samples, then the Type, every
// Type record naming one root text R, and with a non-empty N, R cut by 4 or
// 15 characters equal to N) are sorted by that order alone, so names never
// move a record: written again, the result gives the same records (with the
// coordinates in general format).
// Records in any other order are sorted by their names: with N, a record is
// a Type when its parent name, cut by 4 or by 15 characters, equals N, and
// every record whose parent name equals a Type's name becomes a Sample of
// every Type of that name; other records create nothing.  Without N, a run
// of records sharing a parent name P followed by a record named P is that
// Type with its Samples and every other record is a Type without Samples.
// Column 1 is empty and columns 2 to 4 are given as loadedCoordinateText().
// `lost` (optional) says what the result leaves out.
struct MeasuringFileLosses
{
    // Records that are no Type and name no Type of the file: the Samples of
    // a Type whose own record is missing (a file cut between records).
    int recordsWithoutType = 0;
    // Sample copies beyond maxDuplicateSampleCopies, not made.
    int sampleCopiesBeyondLimit = 0;

    bool any() const { return recordsWithoutType > 0 || sampleCopiesBeyondLimit > 0; }
};
MeasuringFileTypes classifyMeasuringRecords(const QVector<ItemRecord> &records,
                                            const QString &rootText, int prefixLength,
                                            MeasuringFileLosses *lost = nullptr);

#endif
