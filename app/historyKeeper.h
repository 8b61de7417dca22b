#ifndef QCM_HISTORYKEEPER_H
#define QCM_HISTORYKEEPER_H

#include <QObject>
#include <QPointer>

class QLabel;
class QMainWindow;
class QTimer;
class historyOutbox;
class historyRecorder;
class measurementTreeRk;
class measuringDocument;
class serialPortRk;
class sharedState;

// The measurement history of the running program: the recorder that turns
// what enters the tree into records, the outbox they wait in until the
// configured database has them, and the mark "N records wait" in the status
// strip while they wait longer than a moment or cannot be sent.
class historyKeeper : public QObject
{
    Q_OBJECT
public:
    historyKeeper(measurementTreeRk *tree, sharedState *state, measuringDocument *document,
                  serialPortRk *link, QMainWindow *window);
    ~historyKeeper() override;

    // Takes an outbox in `folder` (beside the journal) and starts sending to
    // the history configured in the settings (an SQLite file by default).
    void start(const QString &folder);

    historyOutbox *outbox() const { return m_outbox; }
    historyRecorder *recorder() const { return m_recorder; }
    QLabel *waitingMark() const;

public slots:
    // The history settings changed (the "History database" dialog): the
    // connection and the station's name are read again.
    void historyConnectionChanged();

private:
    void showWaiting();

    historyOutbox *m_outbox;
    historyRecorder *m_recorder;
    QPointer<QLabel> m_mark;
    // Records sent within a moment never show the mark.
    QTimer *m_markDelay;
};

#endif
