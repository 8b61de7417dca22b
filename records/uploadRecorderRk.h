#ifndef QCM_UPLOADRECORDERRK_H
#define QCM_UPLOADRECORDERRK_H

#include "measuringConditions.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class QTreeWidgetItem;
class QWidget;
class measurementTreeRk;
class serialPortRk;

// The window's side of the stored-data upload: asks before it starts,
// collects the records the link hands over, and when the instrument has no
// more turns them into Types and Samples in one go.  Each record keeps its
// own colour space: the instrument sends L*a*b*, which is converted into that
// space for the coordinates, while the swatch is made from the L*a*b* itself.
class uploadRecorderRk : public QObject
{
    Q_OBJECT
public:
    // What the upload must not overlap: a measurement or an average under way.
    using BusyTest = std::function<bool()>;

    uploadRecorderRk(measurementTreeRk *tree, serialPortRk *link,
                     const MeasuringConditions *conditions, QWidget *window,
                     QObject *parent = nullptr);

    // `connected`: the instrument's information has arrived; `busy`: a
    // measurement or an average is under way.
    void setTests(BusyTest connected, BusyTest busy);

    // The confirmation; true when the link is to be asked for the records.
    bool confirmStart();
    // The upload command: after the confirmation the link is asked.
    void start();
    // Takes the link's records as they come and asks for the next; makes the
    // items when the link has no more.
    void followLink();
    bool running() const { return m_running; }

    // One record: kind, name, light mode, light source, time stamp, colour
    // space, formula, readings, caliber (the link's texts) and its L*a*b*.
    void addRecord(const QVector<QString> &record, float L, float a, float b);
    // The upload ended: the items are made.  Returns how many records were
    // dropped because no Type preceded them.
    int finish();

    int typesMade() const { return m_typesMade; }
    int samplesMade() const { return m_samplesMade; }

signals:
    // The upload began or ended: commands that must not run meanwhile
    // follow it.
    void runningChanged(bool running);

private:
    struct Record
    {
        QVector<QString> texts;
        float L, a, b;
    };
    QTreeWidgetItem *makeItem(QTreeWidgetItem *parent, const Record &record);
    void setRunning(bool running);

    measurementTreeRk *m_tree;
    serialPortRk *m_link;
    const MeasuringConditions *m_conditions;
    QWidget *m_window;
    BusyTest m_connected;
    BusyTest m_busy;
    QVector<Record> m_records;
    bool m_running = false;
    int m_typesMade = 0;
    int m_samplesMade = 0;
};

#endif
