#include "instrumentDisplay.h"

#include "mainActions.h"
#include "measurementTreeRk.h"
#include "serialPortRk.h"
#include "sharedState.h"

#include <QLabel>
#include <QStatusBar>

namespace {

bool canCalibrate(const QString &model)
{
    return model == QLatin1String("PX71") || model == QLatin1String("QM-64");
}

} // namespace

instrumentDisplay::instrumentDisplay(serialPortRk *link, measurementTreeRk *tree,
                                     sharedState *state, mainActions *actions,
                                     QStatusBar *statusBar, QObject *parent)
    : QObject(parent), m_link(link), m_tree(tree), m_state(state), m_actions(actions),
      m_stateLabel(new QLabel(tr("Ready"))), m_connectionLabel(new QLabel)
{
    statusBar->setStyleSheet("border-top: 1px solid gray;");
    statusBar->setSizeGripEnabled(false);
    m_stateLabel->setObjectName("stateLabel");
    m_stateLabel->setAlignment(Qt::AlignHCenter);
    m_stateLabel->setMinimumSize(m_stateLabel->sizeHint());
    m_stateLabel->setStyleSheet("border-top: 0px solid;");
    m_connectionLabel->setObjectName("connectionLabel");
    m_connectionLabel->setIndent(3);
    m_connectionLabel->setStyleSheet("border-top: 0px solid;");
    statusBar->addWidget(m_stateLabel, 0);
    statusBar->addWidget(m_connectionLabel, 1);
}

void instrumentDisplay::informationArrived()
{
    QString model, lightSource, caliber, observer, illumination, lightMode, colorSpace, formula;
    int typeCapacity = 0, typeCount = 0, sampleCapacity = 0, sampleCount = 0;
    m_link->instrumentInfo(model, lightSource, caliber, observer, illumination, lightMode,
                           colorSpace, formula, typeCapacity, typeCount, sampleCapacity,
                           sampleCount);
    m_model = model;
    m_tree->showInstrumentValues({model, QStringLiteral("400nm-700nm"), lightSource, observer,
                                  illumination, caliber, lightMode, colorSpace, formula,
                                  QStringLiteral("%1/%2").arg(typeCount).arg(typeCapacity),
                                  QStringLiteral("%1/%2").arg(sampleCount).arg(sampleCapacity)});

    m_connected = true;
    enableActions();
    m_state->setInstrumentConditions(model, caliber, observer, illumination);
    m_tree->showParameters(m_state->conditions());
}

void instrumentDisplay::enableActions()
{
    m_actions->setInstrumentConnected(m_connected, m_connected && canCalibrate(m_model));
}

bool instrumentDisplay::endStartupPhase()
{
    const bool was = m_startupPhase;
    m_startupPhase = false;
    return was;
}

void instrumentDisplay::showConnected()
{
    m_stateText = tr("Ready");
    m_connectionText =
        QStringLiteral("%1%2    %3: %4")
            .arg(tr("connected to instrument:"), m_model, tr("Port"), m_link->portName());
    updateStatusBar();
}

void instrumentDisplay::showDisconnected()
{
    m_connected = false;
    m_model.clear();
    m_stateText.clear();
    m_connectionText = tr("Disconnected");
    m_tree->clearInstrumentAndParameterValues();
    enableActions();
    updateStatusBar();
    m_link->showInfo(tr("Instrument and computer disconnected!"));
}

void instrumentDisplay::refreshParameters()
{
    if (m_connected)
        m_tree->showParameters(m_state->conditions());
}

void instrumentDisplay::updateStatusBar()
{
    m_stateLabel->setText(m_stateText);
    m_connectionLabel->setText(m_connectionText);
}

void instrumentDisplay::retranslate()
{
    // Before the first search the left label reads "Ready"; afterwards the
    // texts follow the connection.
    if (m_connected) {
        showConnected();
    } else if (m_connectionText.isEmpty()) {
        m_stateLabel->setText(tr("Ready"));
    } else {
        m_connectionText = tr("Disconnected");
        updateStatusBar();
    }
}
