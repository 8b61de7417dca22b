// Feeds arbitrary bytes to the measuring-file reader, sorts what it gives
// into Types and Samples under several roots, writes the result and reads it
// back.  Whatever the input, the reader must stop, keep its memory in
// proportion to the input, and the writer's own output must read back whole.

#include "measuringFile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Smallest whole record: the index and sixteen null texts.
constexpr int smallestRecord = 2 + 16 * 4;

void writeAndReadBack(const MeasuringFileHeader &header, const QString &root,
                      const MeasuringFileTypes &types)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    check(writeMeasuringFile(&out, header, root, types));
    out.close();

    int expected = 0;
    for (const MeasuringFileType &type : types)
        expected += 1 + type.samples.size();
    out.open(QIODevice::ReadOnly);
    MeasuringFileHeader again;
    QVector<ItemRecord> records;
    bool intact = false;
    check(readMeasuringFile(&out, &again, &records, &intact) == MeasuringFileStatus::Ok);
    check(intact);
    check(records.size() == expected);
    check(again.tolerance == header.tolerance);
    check(again.print.texts() == header.print.texts());
    int r = 0;
    for (const MeasuringFileType &type : types) {
        for (const ItemTexts &sample : type.samples) {
            check(records.at(r).parentName == type.columns[nameColumn]);
            check(records.at(r).name() == sample[nameColumn]);
            ++r;
        }
        check(records.at(r).parentName == root);
        check(records.at(r).columns[averageCountColumn] == type.columns[averageCountColumn]);
        ++r;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 65536)
        return 0;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    MeasuringFileHeader header;
    QVector<ItemRecord> records;
    bool intact = false;
    const MeasuringFileStatus status = readMeasuringFile(&in, &header, &records, &intact);
    check(status != MeasuringFileStatus::ReadError);
    if (status == MeasuringFileStatus::NotAQcmFile) {
        check(records.isEmpty());
        return 0;
    }
    check(records.size() <= int(size) / smallestRecord + 1);
    for (int i = 0; i + 1 < records.size(); ++i)
        check(records.at(i).complete);
    check(!intact || records.isEmpty() || records.last().complete);

    const QStringList roots{QStringLiteral("Measuring Name:") + header.print.measurementName,
                            QStringLiteral("测量名：") + header.print.measurementName,
                            QStringLiteral("Measuring Name:")};
    for (const QString &root : roots) {
        const int prefixLength = root.startsWith(QLatin1Char('M')) ? 15 : 4;
        MeasuringFileLosses lost;
        lost.sampleCopiesBeyondLimit = -1;
        const MeasuringFileTypes types =
            classifyMeasuringRecords(records, root, prefixLength, &lost);
        // Below a thousand records the duplicate copies cannot reach the cap.
        check(lost.sampleCopiesBeyondLimit == 0 || records.size() > 1000);
        check(lost.recordsWithoutType >= 0 && lost.recordsWithoutType <= records.size());
        check(types.size() <= records.size());
        // Every record gives an item or is counted as left out (a record cut
        // short before its name may give nothing).
        int items = 0;
        for (const MeasuringFileType &type : types)
            items += 1 + type.samples.size();
        check(items + lost.recordsWithoutType + 1 >= records.size());
        writeAndReadBack(header, root, types);
    }
    return 0;
}
