#ifndef QCM_HISTORYOUTBOXFILE_H
#define QCM_HISTORYOUTBOXFILE_H

#include "historyRecord.h"

#include <QByteArray>
#include <QUuid>
#include <QVector>

class QIODevice;

// The outbox's file: one line per record ("R " and the record as compact
// JSON) and, after each batch the database took, one line "S " with the id
// of the batch's last record: every record up to it is sent.  A line is only
// taken when it is whole (a program killed while writing leaves a torn last
// line) and reads as what it claims to be.
namespace historyOutboxFile {

QByteArray recordLine(const HistoryRecord &record);
QByteArray sentLine(const QUuid &lastSent);

struct Content
{
    // The records after the last "sent" mark, in the order written.
    QVector<HistoryRecord> unsent;
    // Lines that could not be read (a torn tail, damage); they are dropped.
    int damagedLines = 0;
};
Content read(QIODevice *device);

// The record as JSON and back; false for an object that is no record.
QByteArray encode(const HistoryRecord &record);
bool decode(const QByteArray &json, HistoryRecord *record);

} // namespace historyOutboxFile

#endif
