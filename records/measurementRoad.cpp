#include "measurementRoad.h"

#include "conditionCheck.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "protocolTiming.h"
#include "readingRecorderRk.h"
#include "sharedState.h"

#include <QTimer>

measurementRoad::measurementRoad(measurementTreeRk *tree, readingRecorderRk *recorder,
                                 const sharedState *state, QWidget *window, QObject *parent)
    : QObject(parent), m_tree(tree), m_recorder(recorder), m_state(state), m_window(window),
      m_debounce(new QTimer(this))
{
    m_debounce->setSingleShot(true);
}

bool measurementRoad::debouncing() const
{
    return m_debounce->isActive();
}

void measurementRoad::endDebounce()
{
    m_debounce->stop();
}

bool measurementRoad::typeSeriesRefused()
{
    // The next Type reading would join an average begun under other
    // conditions: no request goes out (the panel is released first).
    if (!m_recorder->typeAveraging() || !m_recorder->seriesConditionsChanged())
        return false;
    emit requestRefused();
    m_recorder->showSeriesConditionsChanged();
    return true;
}

void measurementRoad::requestType()
{
    if (debouncing())
        return;
    m_debounce->start(protocolTiming::current().debounceMsec);
    if (typeSeriesRefused())
        return;
    emit tTestSignal();
}

void measurementRoad::requestSample()
{
    if (debouncing())
        return;
    m_debounce->start(protocolTiming::current().debounceMsec);
    emit sTestSignal();
}

void measurementRoad::requestTypeAtOnce()
{
    if (typeSeriesRefused())
        return;
    emit tTestSignal();
}

void measurementRoad::requestSampleAtOnce()
{
    emit sTestSignal();
}

void measurementRoad::checkType()
{
    const QStringList c = conditionCheck::linkStrings(m_state->conditions());
    emit TTestCheckSignal(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]);
}

bool measurementRoad::conditionsAgreeWithCurrentType(const MeasuringConditions &conditions)
{
    QTreeWidgetItem *type = m_tree->typeOf(m_recorder->currentItemOrRoot());
    if (!type)
        return false;
    const conditionCheck::Mismatch mismatch = conditionCheck::firstMismatch(type, conditions);
    if (mismatch != conditionCheck::noMismatch) {
        promptRk::information(nullptr, tr("Tips"), conditionCheck::message(mismatch));
        return false;
    }
    return true;
}

bool measurementRoad::sampleConditionsAgree(QTreeWidgetItem *item)
{
    return item && conditionsAgreeWithCurrentType(conditionCheck::conditionsOf(item));
}

void measurementRoad::checkSample()
{
    // "Please measure Type firstly!" is shown on the way to the Type.
    const bool noType = m_tree->typeCount() == 0;
    if (noType)
        emit requestRefused();
    QTreeWidgetItem *type = m_tree->typeOf(m_recorder->currentItemOrRoot());
    if (!type) {
        // With an information branch current it is refused without a word.
        if (!noType)
            emit requestRefused();
        return;
    }
    const conditionCheck::Mismatch mismatch =
        conditionCheck::firstMismatch(type, m_state->conditions());
    if (mismatch != conditionCheck::noMismatch) {
        emit requestRefused();
        promptRk::information(nullptr, tr("Tips"), conditionCheck::message(mismatch));
        return;
    }
    const QStringList c = conditionCheck::linkStrings(m_state->conditions());
    emit STestCheckSignal(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]);
}

void measurementRoad::typeReading(float L, float a, float b)
{
    takeReading(true, L, a, b);
}

void measurementRoad::sampleReading(float L, float a, float b)
{
    takeReading(false, L, a, b);
}

void measurementRoad::takeReading(bool type, float L, float a, float b)
{
    m_readings.append({type, L, a, b});
    // A question about an unfinished average runs an event loop in which the
    // next reply may arrive; asked inside the first, a second question would
    // act on an item the first answer may already have removed.
    if (m_takingReadings)
        return;
    m_takingReadings = true;
    while (!m_readings.isEmpty()) {
        const Reading r = m_readings.takeFirst();
        if (r.type)
            m_recorder->typeReading(r.L, r.a, r.b);
        else
            m_recorder->sampleReading(r.L, r.a, r.b);
    }
    m_takingReadings = false;
}

void measurementRoad::askWhiteCalibration()
{
    if (promptRk::warning(m_window, tr("Tips"), tr("Do you want white calibration?"),
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        emit whiteCalibrationSignal();
}

void measurementRoad::askBlackCalibration()
{
    if (promptRk::warning(m_window, tr("Tips"), tr("Do you want black calibration?"),
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        emit blackCalibrationSignal();
}
