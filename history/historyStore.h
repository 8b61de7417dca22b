#ifndef QCM_HISTORYSTORE_H
#define QCM_HISTORYSTORE_H

#include "historyConnection.h"
#include "historyRecord.h"

#include <QDateTime>
#include <QString>
#include <QVector>

// What the history window and `qcmtool history` ask for.  Empty fields do
// not filter; `typeName` matches the Type's name (for a Sample, its Type's)
// at any position, ignoring case.
struct HistoryFilter
{
    QString typeName;
    QDateTime since; // inclusive, UTC
    QDateTime until; // exclusive, UTC
    QString station;
    QString operatorName;
    QString verdict; // "Pass", "Fail" or empty
    QString filePath;
};

// The history database of one connection, used from one thread (Qt SQL
// connections belong to the thread that opened them).  open() creates the
// schema on an empty database and migrates an older one in a transaction; a
// schema newer than this program knows is refused and left untouched.
class historyStore
{
public:
    explicit historyStore(const historyConnection &connection);
    ~historyStore();
    historyStore(const historyStore &) = delete;
    historyStore &operator=(const historyStore &) = delete;

    // False with a plain reason: server down, authentication, no such
    // database, a schema too new, a file that is no database.
    bool open(QString *error);
    // False again once a failure turned out to be a lost connection (a
    // server restarted or gone): open() once more to go on.
    bool isOpen() const;
    void close();

    // In one transaction; records whose id is stored already are skipped.
    bool insert(const QVector<HistoryRecord> &records, QString *error);

    // Entered records matching the filter, newest first, `limit` from
    // `offset`; each with the item's latest name and whether it was deleted
    // (deleted items stay in the history).
    struct Row
    {
        HistoryRecord record;
        QString currentName;
        bool deleted = false;
    };
    bool query(const HistoryFilter &filter, int offset, int limit, QVector<Row> *rows,
               QString *error);
    bool count(const HistoryFilter &filter, qint64 *count, QString *error);
    // The Entered records of the Samples of these Types, in time order.
    bool samplesOf(const QVector<QUuid> &typeIds, QVector<Row> *rows, QString *error);

    // The schema version this program writes.
    static int schemaVersion();

private:
    struct Private;
    Private *d;
};

#endif
