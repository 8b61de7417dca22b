#ifndef QCM_TESTRK_H
#define QCM_TESTRK_H

#include "fixedSizeDialog.h"

class QDoubleSpinBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;
class measurementRoad;
class readingRecorderRk;
class serialPortRk;

// The measurement button panel: big Type and Sample buttons, locked while a
// measurement is under way, and an automatic mode that asks for a Sample at
// a fixed interval.  Its requests go the way of the measuring keys, without
// their debounce.  A disconnection locks the buttons; the automatic mode
// waits through it (the link closes and re-opens the port to ask again
// after a missed reply) and ends only when the instrument is lost.
class testRk : public fixedSizeDialog
{
    Q_OBJECT
public:
    explicit testRk(QWidget *parent = nullptr);

    bool autoRunning() const { return m_autoRunning; }
    int autoCount() const { return m_autoCount; }
    // The timer period of the automatic mode while it runs.
    int autoIntervalMsec() const;
    bool autoTimerActive() const;

    // Automatic ticks after which the mode switches itself off.
    static constexpr int autoTickLimit = 50000;

    // Asks through the road, is released by every result and refusal, and
    // follows the instrument coming and going.
    void follow(serialPortRk *link, measurementRoad *road, readingRecorderRk *recorder);

signals:
    void TSignal();
    void SSignal();

public slots:
    void tTestButtonFcn();
    void sTestButtonFcn();
    // Switches the automatic mode on or off.
    void sAutoTestButtonFcn();
    // One tick of the automatic mode.
    void sAutoTestFcn();
    // A measurement result arrived.
    void buttonState();
    // A request was refused: the automatic mode ends (its count kept) and the
    // buttons are released.
    void stopAuto();
    void disableAll();
    void enableAll();
    // A measurement is still awaited (asked again after a reconnection):
    // the Type and Sample buttons wait for its result.
    void measurementUnderWay();
    // The instrument went: the automatic mode ends and every button locks.
    void instrumentLost();
    // The link lost the instrument: as instrumentLost, and a running
    // automatic mode says that it stopped, unless the link already told the
    // user about the loss (`alreadyTold`).
    void connectionLost(bool alreadyTold);

protected:
    void retranslate() override;
    // Closing the panel in any way (title bar, Escape) ends the automatic mode.
    void done(int result) override;
    // Enter in the interval field only confirms the interval: passed on to
    // the dialog it would click the default button and take a Sample.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void switchAutoOff(bool resetCount);
    void setMeasureButtonsEnabled(bool enabled);
    void startAutoTimer();

    bool m_autoRunning = false;
    // The Enter being handled came from the interval field, which has
    // taken the typed value and passed the key on.
    bool m_enterFromInterval = false;
    int m_autoCount = 0;
    // Enabled by the instrument information, cleared at every disconnection:
    // no refusal or result may release buttons while nothing is connected.
    bool m_connected = false;
    QTimer *m_autoTimer;
    QGroupBox *m_measureGroup;
    QGroupBox *m_autoGroup;
    QPushButton *m_typeButton;
    QPushButton *m_sampleButton;
    QPushButton *m_autoButton;
    QLabel *m_intervalLabel;
    QDoubleSpinBox *m_interval;
    QLabel *m_secondLabel;
};

#endif
