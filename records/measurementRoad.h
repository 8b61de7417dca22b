#ifndef QCM_MEASUREMENTROAD_H
#define QCM_MEASUREMENTROAD_H

#include "measuringConditions.h"

#include <QList>
#include <QObject>
#include <QString>

class QTimer;
class QTreeWidgetItem;
class QWidget;
class measurementTreeRk;
class readingRecorderRk;
class sharedState;

// The road of a measurement between the user's commands and the serial link:
// the 600 ms debounce of the measuring keys, the condition checks before a
// request goes out, the readings turned into items, and the questions before
// a calibration.  The tool-bar keys, the button panel, the upload and manual
// Type input all drive it the same way.
class measurementRoad : public QObject
{
    Q_OBJECT
public:
    measurementRoad(measurementTreeRk *tree, readingRecorderRk *recorder, const sharedState *state,
                    QWidget *window, QObject *parent = nullptr);

    // A measuring key: asks the link for a Type or Sample measurement unless
    // the previous press was less than 600 ms ago (one reading per press).
    // A Type that would join an unfinished average begun under other
    // conditions is refused with a box.
    void requestType();
    void requestSample();
    bool debouncing() const;
    // The button panel's requests: not held back by the keys' debounce.
    void requestTypeAtOnce();
    void requestSampleAtOnce();
    // The 600 ms are over.
    void endDebounce();

    // The link asks whether a Type (no conditions to compare) or a Sample
    // (same conditions as its Type) may be measured.
    void checkType();
    void checkSample();
    // Whether `item`'s conditions agree with the current Type's; the first
    // condition that differs is shown in a "Tips" box.
    bool sampleConditionsAgree(QTreeWidgetItem *item);

    // Readings in CIE L*a*b* from the link.  A reading that arrives while
    // the previous one waits for the user's answer to a question is taken
    // after it, never inside it.
    void typeReading(float L, float a, float b);
    void sampleReading(float L, float a, float b);

    // Questions before the calibrations.
    void askWhiteCalibration();
    void askBlackCalibration();

signals:
    void tTestSignal();
    void sTestSignal();
    void TTestCheckSignal(const QString &, const QString &, const QString &, const QString &,
                          const QString &, const QString &, const QString &, const QString &,
                          const QString &);
    void STestCheckSignal(const QString &, const QString &, const QString &, const QString &,
                          const QString &, const QString &, const QString &, const QString &,
                          const QString &);
    void whiteCalibrationSignal();
    void blackCalibrationSignal();
    // A Sample request was refused before reaching the instrument.  Sent
    // before any box says why, so that an automatic run stops first.
    void requestRefused();

private:
    bool conditionsAgreeWithCurrentType(const MeasuringConditions &conditions);
    // Refuses a Type request that would add to an average begun under other
    // conditions, and says so.
    bool typeSeriesRefused();
    void takeReading(bool type, float L, float a, float b);

    struct Reading
    {
        bool type;
        float L, a, b;
    };

    measurementTreeRk *m_tree;
    readingRecorderRk *m_recorder;
    const sharedState *m_state;
    QWidget *m_window;
    QTimer *m_debounce;
    QList<Reading> m_readings;
    bool m_takingReadings = false;
};

#endif
