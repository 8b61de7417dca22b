#include "historyOutbox.h"

#include "durableFile.h"
#include "historyOutboxFile.h"
#include "historyStore.h"
#include "historyTiming.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace {

const int outboxSlots = 64;
// How long the end of the program waits for a batch under way.
const int stopWaitMsec = 3000;

QString slotPath(const QDir &dir, int slot)
{
    return dir.filePath(QStringLiteral("outbox-%1.qcmh").arg(slot));
}

std::unique_ptr<QLockFile> lockFor(const QString &outbox)
{
    auto lock = std::make_unique<QLockFile>(outbox.chopped(5) + QStringLiteral(".lock"));
    // A lock is stale only when the program holding it is gone.
    lock->setStaleLockTime(0);
    return lock;
}

QVector<HistoryRecord> readOutbox(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return historyOutboxFile::read(&file).unsent;
}

} // namespace

// What the outbox and its uploaders share, behind one mutex: the file and
// the records that wait in it.  An uploader being stopped keeps it alive
// until its last batch is marked.
struct historyOutboxShared
{
    QMutex mutex;
    QString folder;
    QFile file;
    std::unique_ptr<QLockFile> lock;
    QVector<HistoryRecord> pending;
    std::atomic<int> waiting{0};
    // A write failed part-way: the file is written whole again first.
    bool rewriteWanted = false;

    ~historyOutboxShared()
    {
        file.close();
        if (lock)
            lock->unlock();
    }

    // The file holding exactly the records that wait, put in place in one
    // step; the append handle then follows the new file.  Called locked.
    bool rewrite(QString *error)
    {
        const QString path = file.fileName();
        file.close();
        const QString fresh = path + QStringLiteral(".new");
        QFile out(fresh);
        QByteArray bytes;
        for (const HistoryRecord &record : qAsConst(pending))
            bytes += historyOutboxFile::recordLine(record);
        bool written = out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                       out.write(bytes) == bytes.size() && syncToDisk(out);
        if (!written)
            *error = out.errorString();
        out.close();
        if (written && !replaceFile(fresh, path, error))
            written = false;
        if (!written)
            QFile::remove(fresh);
        // Appending goes on in whichever file is in place.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            *error = file.errorString();
            written = false;
        }
        rewriteWanted = !written;
        return written;
    }

    // Called locked.
    bool append(const QVector<HistoryRecord> &records, QString *error)
    {
        if (!file.isOpen()) {
            *error = historyOutbox::tr("no outbox could be had");
            return false;
        }
        if (rewriteWanted)
            return rewrite(error); // `pending` holds the new ones already
        QByteArray bytes;
        for (const HistoryRecord &record : records)
            bytes += historyOutboxFile::recordLine(record);
        if (file.write(bytes) != bytes.size()) {
            *error = file.errorString();
            rewriteWanted = true;
            return false;
        }
        if (!syncToDisk(file)) {
            *error = file.errorString();
            return false;
        }
        return true;
    }

    QVector<HistoryRecord> front(int count)
    {
        QMutexLocker locked(&mutex);
        return pending.mid(0, count);
    }

    // The database took `batch`: those still at the front go, and the file
    // learns it (emptied when nothing waits any more).
    void markSent(const QVector<HistoryRecord> &batch)
    {
        QMutexLocker locked(&mutex);
        int taken = 0;
        while (taken < batch.size() && taken < pending.size() &&
               pending.at(taken).id == batch.at(taken).id)
            ++taken;
        if (taken == 0)
            return;
        const QUuid last = pending.at(taken - 1).id;
        pending.remove(0, taken);
        waiting = pending.size();
        if (!file.isOpen())
            return;
        QString error;
        if (pending.isEmpty() || rewriteWanted) {
            rewrite(&error);
            return;
        }
        // A mark that does not reach the disk only sends the batch again.
        const QByteArray mark = historyOutboxFile::sentLine(last);
        if (file.write(mark) == mark.size())
            syncToDisk(file);
        else
            rewriteWanted = true;
    }

    // Records of an outbox a program left: they join ours (on the disk
    // first), then that outbox may go.
    bool adopt(const QVector<HistoryRecord> &records)
    {
        QMutexLocker locked(&mutex);
        pending += records;
        waiting = pending.size();
        QString error;
        return append(records, &error);
    }
};

// Sends what waits, from a thread of its own: the database connection is
// made, used and closed there.
class historyUploader : public QObject
{
    Q_OBJECT
public:
    historyUploader(std::shared_ptr<historyOutboxShared> shared,
                    const historyConnection &connection)
        : m_shared(std::move(shared)), m_connection(connection)
    {
    }

    std::atomic<bool> stopping{false};

    // In the uploader's thread, once it runs.
    void begin()
    {
        m_store = std::make_unique<historyStore>(m_connection);
        m_retry = new QTimer(this);
        m_retry->setSingleShot(true);
        connect(m_retry, &QTimer::timeout, this, [this] {
            adoptOrphans();
            pump();
        });
        m_scan = new QTimer(this);
        connect(m_scan, &QTimer::timeout, this, [this] {
            adoptOrphans();
            pump();
        });
        m_scan->start(historyTiming::current().orphanScanMsec);
        adoptOrphans();
        pump();
    }

    // New records wait.
    void wake()
    {
        if (m_retry && !m_retry->isActive())
            pump();
    }

signals:
    void report(const QString &failure);

private:
    void pump()
    {
        if (stopping || m_retry->isActive())
            return;
        const QVector<HistoryRecord> batch =
            m_shared->front(qMax(1, historyTiming::current().batchSize));
        if (batch.isEmpty()) {
            emit report(QString());
            return;
        }
        QString error;
        if (!m_store->isOpen() && !m_store->open(&error)) {
            fail(error);
            return;
        }
        if (!m_store->insert(batch, &error)) {
            // A restarted server leaves a connection that no longer works.
            m_store->close();
            fail(error);
            return;
        }
        m_shared->markSent(batch);
        emit report(QString());
        // The next batch after whatever else waits in this thread (a stop).
        QMetaObject::invokeMethod(this, &historyUploader::pump, Qt::QueuedConnection);
    }

    void fail(const QString &error)
    {
        emit report(error.isEmpty() ? tr("The history database did not answer.") : error);
        m_retry->start(historyTiming::current().retryMsec);
    }

    void adoptOrphans()
    {
        QString folder, own;
        {
            QMutexLocker locked(&m_shared->mutex);
            folder = m_shared->folder;
            own = m_shared->file.fileName();
        }
        if (stopping || folder.isEmpty())
            return;
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({QStringLiteral("outbox-*.qcmh")}, QDir::Files, QDir::Name);
        for (const QString &name : names) {
            const QString path = dir.filePath(name);
            if (QFileInfo(path) == QFileInfo(own))
                continue;
            std::unique_ptr<QLockFile> lock = lockFor(path);
            if (!lock->tryLock(0))
                continue; // a running program's
            const QVector<HistoryRecord> left = readOutbox(path);
            // Kept where it is when ours cannot take the records.
            if (left.isEmpty() || m_shared->adopt(left))
                QFile::remove(path);
            lock->unlock();
        }
    }

    std::shared_ptr<historyOutboxShared> m_shared;
    historyConnection m_connection;
    std::unique_ptr<historyStore> m_store;
    QTimer *m_retry = nullptr;
    QTimer *m_scan = nullptr;
};

historyOutbox::historyOutbox(QObject *parent)
    : QObject(parent), m_shared(std::make_shared<historyOutboxShared>())
{
}

historyOutbox::~historyOutbox()
{
    stopUploader(true);
}

bool historyOutbox::open(const QString &folder, QString *error)
{
    QMutexLocker locked(&m_shared->mutex);
    if (m_shared->file.isOpen())
        return true;
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = tr("Cannot make the folder %1.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    for (int slot = 1; slot <= outboxSlots; ++slot) {
        const QString path = slotPath(dir, slot);
        std::unique_ptr<QLockFile> lock = lockFor(path);
        if (!lock->tryLock(0)) {
            if (lock->error() == QLockFile::LockFailedError)
                continue; // another program's
            *error = tr("QCM cannot write in the folder %1.").arg(QDir::toNativeSeparators(folder));
            return false;
        }
        // Left by a program that ended before sending: ours to send now,
        // ahead of anything added meanwhile.
        m_shared->pending = readOutbox(path) + m_shared->pending;
        m_shared->waiting = m_shared->pending.size();
        m_shared->lock = std::move(lock);
        m_shared->folder = dir.absolutePath();
        m_shared->file.setFileName(path);
        if (!m_shared->rewrite(error)) {
            m_shared->file.close();
            m_shared->lock.reset();
            m_shared->folder.clear();
            return false;
        }
        locked.unlock();
        emit waitingChanged(waiting());
        return true;
    }
    *error = tr("Every outbox in %1 is in use.").arg(QDir::toNativeSeparators(folder));
    return false;
}

bool historyOutbox::isOpen() const
{
    QMutexLocker locked(&m_shared->mutex);
    return m_shared->file.isOpen();
}

QString historyOutbox::path() const
{
    QMutexLocker locked(&m_shared->mutex);
    return m_shared->file.fileName();
}

int historyOutbox::waiting() const
{
    return m_shared->waiting;
}

bool historyOutbox::add(const QVector<HistoryRecord> &records, QString *error)
{
    if (records.isEmpty())
        return true;
    QString reason;
    bool kept;
    {
        QMutexLocker locked(&m_shared->mutex);
        m_shared->pending += records;
        m_shared->waiting = m_shared->pending.size();
        kept = m_shared->append(records, &reason);
    }
    m_diskFailure = kept ? QString()
                         : tr("The history's outbox %1 cannot be written (%2).")
                               .arg(QDir::toNativeSeparators(path()), reason);
    setFailure(m_diskFailure.isEmpty() ? m_uploadFailure : m_diskFailure);
    if (!kept && error)
        *error = m_diskFailure;
    emit waitingChanged(waiting());
    if (m_uploader)
        QMetaObject::invokeMethod(m_uploader, &historyUploader::wake, Qt::QueuedConnection);
    return kept;
}

void historyOutbox::setConnection(const historyConnection &connection)
{
    if (m_thread && connection == m_connection)
        return;
    m_connection = connection;
    stopUploader(false);
    ++m_generation;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("historyUploader"));
    auto *uploader = new historyUploader(m_shared, connection);
    uploader->moveToThread(m_thread);
    m_uploader = uploader;
    connect(m_thread, &QThread::started, uploader, &historyUploader::begin);
    connect(m_thread, &QThread::finished, uploader, &QObject::deleteLater);
    const int generation = m_generation;
    connect(uploader, &historyUploader::report, this,
            [this, generation](const QString &failure) { uploaderReport(generation, failure); });
    m_thread->start();
}

void historyOutbox::stopUploader(bool waitForIt)
{
    if (!m_thread)
        return;
    QThread *thread = m_thread;
    m_thread = nullptr;
    m_uploader->stopping = true;
    m_uploader = nullptr;
    thread->quit();
    if (!waitForIt) {
        // It ends after the batch under way, and goes then.
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        return;
    }
    // A batch under way is waited for a while; one that hangs (a server
    // that does not answer) is left to the end of the program, and sent
    // again at the next start.
    if (thread->wait(stopWaitMsec))
        delete thread;
}

void historyOutbox::uploaderReport(int generation, const QString &failure)
{
    if (generation != m_generation)
        return;
    m_uploadFailure = failure;
    setFailure(m_diskFailure.isEmpty() ? m_uploadFailure : m_diskFailure);
    emit waitingChanged(waiting());
}

void historyOutbox::setFailure(const QString &failure)
{
    if (failure == m_failure)
        return;
    m_failure = failure;
    emit failureChanged(failure);
}

#include "historyOutbox.moc"
