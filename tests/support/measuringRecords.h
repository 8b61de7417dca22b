#ifndef QCM_TESTS_MEASURINGRECORDS_H
#define QCM_TESTS_MEASURINGRECORDS_H

// Measuring files put together record by record in any order, and files cut
// exactly between two records, as a copy stopped at the wrong moment leaves
// them.  The layout is written here with a plain data stream, not with the
// program's writer.

#include "measuringFile.h"

#include <QBuffer>
#include <QDataStream>

// The bytes a record takes: its index, then sixteen texts of four bytes of
// length and two bytes per code unit (a null text takes the four bytes only).
inline int recordSize(const ItemRecord &record)
{
    int size = 2 + 4 + 2 * record.parentName.size();
    for (int column = nameColumn; column <= averageCountColumn; ++column) {
        if (column != swatchColumn)
            size += 4 + 2 * record.columns[column].size();
    }
    return size;
}

// `file` without its last `count` records; the rest stays byte for byte.
inline QByteArray withoutLastRecords(const QByteArray &file, int count)
{
    QByteArray copy = file;
    QBuffer in(&copy);
    in.open(QIODevice::ReadOnly);
    MeasuringFileHeader header;
    QVector<ItemRecord> records;
    readMeasuringFile(&in, &header, &records);
    int cut = 0;
    for (int i = qMax(0, records.size() - count); i < records.size(); ++i)
        cut += recordSize(records.at(i));
    return file.left(file.size() - cut);
}

// A file named `measurementName` (the rest of its header null) holding
// `records` in the order given.
inline QByteArray measuringFileOf(const QString &measurementName,
                                  const QVector<ItemRecord> &records)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    QDataStream stream(&out);
    stream.setByteOrder(QDataStream::BigEndian);
    stream.setVersion(QDataStream::Qt_4_3);
    stream << qint32(measuringFile::magic);
    for (int i = 0; i < 7; ++i) // the tolerance
        stream << QString();
    stream << measurementName;
    for (int i = 1; i < 6; ++i) // the other print texts
        stream << QString();
    for (const ItemRecord &record : records) {
        stream << record.index << record.parentName;
        for (int column = nameColumn; column <= averageCountColumn; ++column) {
            if (column != swatchColumn)
                stream << record.columns[column];
        }
    }
    return bytes;
}

// A record of `name` under `parentName` with the coordinates and conditions
// given (the measuring time first, as in the tree).
inline ItemRecord measuringRecord(const QString &parentName, const QString &name,
                                  const QStringList &values, const QStringList &conditions)
{
    ItemRecord record;
    record.parentName = parentName;
    record.columns[nameColumn] = name;
    for (int i = 0; i < 3; ++i)
        record.columns[value1Column + i] = values.value(i);
    for (int i = 0; i < conditions.size() && timeColumn + i <= averageCountColumn; ++i)
        record.columns[timeColumn + i] = conditions.at(i);
    return record;
}

#endif
