#ifndef QCM_HISTORYOUTBOX_H
#define QCM_HISTORYOUTBOX_H

#include "historyConnection.h"
#include "historyRecord.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <memory>

class QThread;
class historyUploader;
struct historyOutboxShared;

// Every record of the measurement history is first made durable here, then
// sent.  The outbox is an append-only file of this program in a folder of
// the station ("outbox-1.qcmh", held behind a lock like the journal): add()
// returns once the records are on the disk, so a program killed at any
// moment loses nothing it showed.  An uploader on a thread of its own (with
// a database connection of its own) sends what waits in order, in batches,
// and marks each batch sent in the file once the database took it; when
// nothing waits the file is emptied in one step.  What a killed program left
// unsent goes again after the restart: the database keeps one record per id,
// so each arrives once.  A database that is down, slow or restarted only
// delays the upload: it is tried again at an interval (`historyTiming`).
// Outboxes in the folder that no running program holds are taken over and
// drained too.  The caller's thread never waits on the database.
class historyOutbox : public QObject
{
    Q_OBJECT
public:
    explicit historyOutbox(QObject *parent = nullptr);
    // Stops the uploader; what was not sent stays in the file for the next
    // start.
    ~historyOutbox() override;

    // Takes an outbox of its own in `folder`; what a program that ended
    // before sending left in it waits again.  False with the reason when no
    // outbox can be had: records are then kept in memory only, and sent.
    bool open(const QString &folder, QString *error);
    bool isOpen() const;
    QString path() const;

    // Sends to `connection` from now on: the uploader starts, or starts
    // again with the new connection (the one under way is not waited for).
    void setConnection(const historyConnection &connection);
    historyConnection connection() const { return m_connection; }
    bool isSending() const { return m_thread != nullptr; }

    // Appends the records and pushes them to the disk; false with the reason
    // when the disk refused (the records still wait in memory).
    bool add(const QVector<HistoryRecord> &records, QString *error = nullptr);

    // Records the database has not confirmed yet.
    int waiting() const;
    // Why records cannot be sent (or kept) now; empty while all is well.
    QString failure() const { return m_failure; }

signals:
    void waitingChanged(int count);
    void failureChanged(const QString &reason);

private:
    void stopUploader(bool waitForIt);
    void uploaderReport(int generation, const QString &failure);
    void setFailure(const QString &failure);

    std::shared_ptr<historyOutboxShared> m_shared;
    historyConnection m_connection;
    QThread *m_thread = nullptr;
    historyUploader *m_uploader = nullptr;
    int m_generation = 0;
    QString m_failure;
    QString m_uploadFailure;
    QString m_diskFailure;
};

#endif
