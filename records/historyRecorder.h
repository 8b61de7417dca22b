#ifndef QCM_HISTORYRECORDER_H
#define QCM_HISTORYRECORDER_H

#include "historyRecord.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVector>

class QModelIndex;
class QSettings;
class QTreeWidget;
class QTreeWidgetItem;
class historyOutbox;
class measurementTreeRk;
class measuringDocument;
class serialPortRk;
class sharedState;

// Follows the tree and turns every Type and Sample that enters it into a
// record of the measurement history, with how it entered (the tree's
// `entryOrigin`: measured, uploaded, typed in, launched from a library, set
// as Type/Sample, imported); an averaged item is recorded once its last
// reading is in.  A rename and a deletion are records of their own about the
// item (its id stays in the item's data); clearing the tree for New or Open
// is neither, and items loaded from a file or restored from the journal are
// no entries.  The records are built when control returns to the event loop
// (the item is then complete), at the latest before the tree paints, and
// given to the outbox, which has them on the disk before it returns.
class historyRecorder : public QObject
{
    Q_OBJECT
public:
    // `document` and `link` may be none (the file path and port stay empty).
    // The station is read from the program's settings store.
    historyRecorder(measurementTreeRk *tree, sharedState *state, measuringDocument *document,
                    serialPortRk *link, QObject *parent = nullptr);
    ~historyRecorder() override;

    // Where the records go; none drops them.
    void setOutbox(historyOutbox *outbox);
    // The station's name in the records (settings key "historyStation").
    void setStation(const QString &station) { m_station = station; }
    QString station() const { return m_station; }
    // The station's name in the settings, the host name by default.
    static QString stationFromSettings(const QSettings &settings);

    // The id under which an item is recorded; null for an item never
    // recorded (loaded, restored, an unfinished average).
    static QUuid itemId(const QTreeWidgetItem *item);

    // Builds the records of what entered since the last time and hands them
    // to the outbox.
    void flush();

signals:
    // The outbox could not keep the records on the disk.
    void notKept(const QString &reason);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QTreeWidgetItem *item = nullptr;
        history::Origin origin = history::Origin::Measured;
        QDateTime time;
    };
    QTreeWidgetItem *itemAt(const QModelIndex &index) const;
    void rowsInserted(const QModelIndex &parent, int first, int last);
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void itemAboutToBeRemoved(QTreeWidgetItem *item);
    void note(QTreeWidgetItem *item, history::Origin origin);
    void scheduleFlush();
    void enter(const Entry &entry);
    HistoryRecord describe(QTreeWidgetItem *item, history::Origin origin,
                           const QDateTime &time) const;
    void eventRecord(QTreeWidgetItem *item, history::Event event);

    QPointer<measurementTreeRk> m_tree;
    QPointer<QTreeWidget> m_view;
    sharedState *m_state;
    QPointer<measuringDocument> m_document;
    QPointer<serialPortRk> m_link;
    QPointer<historyOutbox> m_outbox;
    QString m_station;
    // Entered, recorded at the next flush.
    QVector<Entry> m_entered;
    // Averages under way: recorded when their last reading is in.
    QHash<QTreeWidgetItem *, Entry> m_averaging;
    QVector<HistoryRecord> m_ready;
    bool m_flushScheduled = false;
};

#endif
