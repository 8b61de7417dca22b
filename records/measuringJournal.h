#ifndef QCM_MEASURINGJOURNAL_H
#define QCM_MEASURINGJOURNAL_H

#include "journalFormat.h"

#include <QFile>
#include <QObject>
#include <QString>
#include <memory>

class QLockFile;
class QModelIndex;
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
// it then stands; a clean exit removes it.  A journal found at start-up was
// left by a session that did not end cleanly: it can be restored or set
// aside.  Each running program holds its own journal, behind a lock.
class measuringJournal : public QObject
{
    Q_OBJECT
public:
    measuringJournal(measurementTreeRk *tree, sharedState *state, measuringDocument *document,
                     QObject *parent = nullptr);
    ~measuringJournal() override;

    // Takes the first journal of `folder` that no running program holds
    // ("journal-1.qcmj", "journal-2.qcmj", ...).  Nothing is written yet.
    bool open(const QString &folder, QString *error = nullptr);
    QString path() const { return m_file.fileName(); }
    bool isOpen() const { return m_file.isOpen(); }

    // What the journal held when it was taken over: something to restore
    // when it holds changes its file does not have.
    bool hasLeftover() const
    {
        return m_leftoverRecords > 0 && (m_leftover.unsavedChanges > 0 ||
                                         (!m_leftover.settled && m_leftover.itemCount() > 0));
    }
    const journal::Measurement &leftover() const { return m_leftover; }
    // Records of the left-over journal that could not be used (a torn or
    // damaged tail, a record that did not fit).
    bool leftoverWasCut() const { return m_leftoverCut; }

    // The journal of a starting program: opens one in `folder`, offers to
    // restore what an unclean exit left (the boxes parented by `window`),
    // keeps it aside when declined, and starts afresh.  A journal that
    // cannot be opened is reported; the program runs on without one.
    void start(const QString &folder, QWidget *window);

    // Puts the left-over measurement into the tree and the shared values
    // (names, columns, swatches, check marks, order), then starts afresh.
    void restoreLeftover();
    // Keeps the left-over journal under another name with its date.
    QString setLeftoverAside();

    // A fresh journal holding the measurement as it stands now.
    void restart();
    // The session ends cleanly: the journal goes.
    void discard();
    // Pushes pending records to the disk now.
    void sync();
    bool pendingSync() const { return m_unsynced; }

    // Writing stops (loading a file, rebuilding from the journal).
    void setPaused(bool paused) { m_paused = paused; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void append(const journal::Record &record);
    journal::ItemState stateOf(const QTreeWidgetItem *item) const;
    // Type and Sample rows of an index of the tree's model; false for the
    // information branches.
    bool rowsOf(const QModelIndex &index, int *typeRow, int *sampleRow) const;
    void rowsInserted(const QModelIndex &parent, int first, int last);
    void rowsAboutToBeRemoved(const QModelIndex &parent, int first, int last);
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void writeTolerance();
    void writePrintInfo();

    measurementTreeRk *m_tree;
    sharedState *m_state;
    measuringDocument *m_document;
    QFile m_file;
    std::unique_ptr<QLockFile> m_lock;
    journal::Measurement m_leftover;
    int m_leftoverRecords = 0;
    bool m_leftoverCut = false;
    bool m_unsynced = false;
    bool m_paused = false;
    bool m_failed = false;
    bool m_restoring = false;
};

#endif
