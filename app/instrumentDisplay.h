#ifndef QCM_INSTRUMENTDISPLAY_H
#define QCM_INSTRUMENTDISPLAY_H

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;
class mainActions;
class measurementTreeRk;
class serialPortRk;
class sharedState;

// What the window shows of the instrument: the two status-bar labels, the
// "Instrument Info." and "Measuring Parameters" rows of the tree, and
// whether the actions that need the instrument (and calibration) may run.  The conditions the
// instrument reports go to the shared state.
class instrumentDisplay : public QObject
{
    Q_OBJECT
public:
    instrumentDisplay(serialPortRk *link, measurementTreeRk *tree, sharedState *state,
                      mainActions *actions, QStatusBar *statusBar, QObject *parent = nullptr);

    bool connected() const { return m_connected; }
    // True until the instrument information arrives for the first time.
    bool startupPhase() const { return m_startupPhase; }
    QLabel *stateLabel() const { return m_stateLabel; }
    QLabel *connectionLabel() const { return m_connectionLabel; }

    // The instrument answered with its information: rows, actions, conditions.
    void informationArrived();
    // Ends the start-up phase; false when it had already ended.
    bool endStartupPhase();
    // "Ready" and "connected to instrument:<model>    Port: <port>".
    void showConnected();
    void showDisconnected();
    // The "Measuring Parameters" rows after the conditions changed; they stay
    // empty while no instrument is connected, which is what keeps a reading
    // from being taken without known conditions.
    void refreshParameters();
    void updateStatusBar();
    void retranslate();

private:
    void enableActions();

    serialPortRk *m_link;
    measurementTreeRk *m_tree;
    sharedState *m_state;
    mainActions *m_actions;
    QLabel *m_stateLabel;
    QLabel *m_connectionLabel;
    bool m_connected = false;
    bool m_startupPhase = true;
    QString m_model;
    QString m_stateText;
    QString m_connectionText;
};

#endif
