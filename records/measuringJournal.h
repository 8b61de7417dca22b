#ifndef QCM_MEASURINGJOURNAL_H
#define QCM_MEASURINGJOURNAL_H

#include "journalFormat.h"

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QLabel;
class QLockFile;
class QModelIndex;
class QTimer;
class QTreeWidgetItem;
class QWidget;
class measurementTreeRk;
class measuringDocument;
class sharedState;

// Keeps a crash-safe journal of the measurement: every change of the tree's
// Types and Samples (added, changed, checked, renamed, removed, from whatever
// command), of the tolerance and of the print information is appended as it
// happens and pushed to the disk before the tree is painted again.  Opening,
// saving or a new measurement start a fresh journal with the measurement as
// it then stands, written beside the old one and put in its place in one
// step; a clean exit removes it.  A journal found at start-up was left by a
// session that did not end cleanly: it can be restored or set aside.  Each
// running program holds its own journal, behind a lock.
//
// A journal that cannot be written (a full disk, a folder taken away) is
// said at once in a box and for as long as it lasts by a mark in the status
// strip; writing is tried again as changes come and every few seconds.
class measuringJournal : public QObject
{
    Q_OBJECT
public:
    measuringJournal(measurementTreeRk *tree, sharedState *state, measuringDocument *document,
                     QObject *parent = nullptr);
    ~measuringJournal() override;

    // The journal of a starting program, in `folder`.  Every journal there
    // that no running program holds and that has changes its file lacks is
    // offered in turn (boxes parented by `window`, the mark in its status
    // strip when it is a main window); the one accepted is restored, each
    // declined one is kept under another name, as the question says.  Then
    // the program takes a journal of its own and starts it afresh.  When no
    // journal can be had the program runs on without one, and says so.
    void start(const QString &folder, QWidget *window);

    // The journal this program holds ("journal-1.qcmj", ...).
    QString path() const { return m_file.fileName(); }
    bool isOpen() const { return m_file.isOpen(); }
    // Every change so far is in the journal (or waits for the next sync).
    bool isProtected() const { return m_lock && !m_failed; }
    // Why the journal is not written, while it is not.
    QString failure() const { return m_failure; }

    // A fresh journal holding the measurement as it stands now.
    void restart();
    // The session ends cleanly: the journal goes.
    void discard();
    // Pushes pending records to the disk now.
    void sync();
    bool pendingSync() const { return m_unsynced; }
    // Tries again to write a journal that could not be written.
    void retry();

    // Writing stops (loading a file, rebuilding from the journal).
    void setPaused(bool paused) { m_paused = paused; }

signals:
    // The journal stopped or started again to protect the measurement.
    void protectionChanged(bool isProtected);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Slot;
    // Locks the first journal of the folder that has nothing to offer and
    // that no running program holds; false with the reason otherwise.
    bool takeFreeSlot(QString *error);
    QString offerText(const Slot &left, const QString &aside) const;
    // Puts `restored` into the tree and the shared values (names, columns,
    // swatches, check marks, order), then starts afresh.
    void restore(const journal::Measurement &restored);
    QByteArray snapshot() const;
    void append(const journal::Record &record);
    void fail(const QString &reason);
    void tellFailure();
    void showState();
    journal::ItemState stateOf(const QTreeWidgetItem *item) const;
    // Type and Sample rows of an index of the tree's model; false for the
    // information branches.
    bool rowsOf(const QModelIndex &index, int *typeRow, int *sampleRow) const;
    void rowsInserted(const QModelIndex &parent, int first, int last);
    void rowsAboutToBeRemoved(const QModelIndex &parent, int first, int last);
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QVector<int> &roles);
    // Marks changed at once under a Type are written as one record.
    void marksAboutToChange(QTreeWidgetItem *typeItem);
    void marksChanged(QTreeWidgetItem *typeItem);
    void writeTolerance();
    void writePrintInfo();

    measurementTreeRk *m_tree;
    sharedState *m_state;
    measuringDocument *m_document;
    QPointer<QWidget> m_window;
    QPointer<QLabel> m_mark;
    QTimer *m_retryTimer;
    QString m_folder;
    QFile m_file;
    std::unique_ptr<QLockFile> m_lock;
    QString m_failure;
    bool m_unsynced = false;
    bool m_paused = false;
    bool m_failed = false;
    // The journal on disk replays to what the tree shows (no change was
    // left out while paused or loading).
    bool m_inStep = false;
    bool m_retryWanted = false;
    bool m_restoring = false;
    // The Types whose marks are changing at once, and whether a change of
    // a mark under them waits for their one record.
    QVector<QTreeWidgetItem *> m_markBatch;
    int m_markBatchDepth = 0;
    bool m_marksPending = false;
};

#endif
