#include "measurementRoad.h"

#include "conditionCheck.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "readingRecorderRk.h"
#include "sharedState.h"

#include <QTimer>

namespace {
const int debounceMsec = 600;
}

measurementRoad::measurementRoad(measurementTreeRk *tree, readingRecorderRk *recorder,
                                 const sharedState *state, QWidget *window, QObject *parent)
    : QObject(parent), m_tree(tree), m_recorder(recorder), m_state(state), m_window(window),
      m_debounce(new QTimer(this))
{
    m_debounce->setSingleShot(true);
    m_debounce->setInterval(debounceMsec);
}

bool measurementRoad::debouncing() const
{
    return m_debounce->isActive();
}

void measurementRoad::endDebounce()
{
    m_debounce->stop();
}

void measurementRoad::requestType()
{
    if (debouncing())
        return;
    m_debounce->start();
    emit tTestSignal();
}

void measurementRoad::requestSample()
{
    if (debouncing())
        return;
    m_debounce->start();
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
    if (!conditionsAgreeWithCurrentType(m_state->conditions()))
        return;
    const QStringList c = conditionCheck::linkStrings(m_state->conditions());
    emit STestCheckSignal(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]);
}

void measurementRoad::typeReading(float L, float a, float b)
{
    m_recorder->typeReading(L, a, b);
}

void measurementRoad::sampleReading(float L, float a, float b)
{
    m_recorder->sampleReading(L, a, b);
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
