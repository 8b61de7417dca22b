#include "historyKeeper.h"

#include "historyConnection.h"
#include "historyOutbox.h"
#include "historyRecorder.h"

#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

namespace {

// Longer than a batch takes on a healthy database.
const int markDelayMsec = 2000;

QSettings programSettings()
{
    return QSettings(QStringLiteral("SoftWare Inc."), QStringLiteral("qcm"));
}

} // namespace

historyKeeper::historyKeeper(measurementTreeRk *tree, sharedState *state,
                             measuringDocument *document, serialPortRk *link, QMainWindow *window)
    : QObject(window), m_outbox(new historyOutbox(this)),
      m_recorder(new historyRecorder(tree, state, document, link, this)),
      m_markDelay(new QTimer(this))
{
    m_recorder->setOutbox(m_outbox);
    m_mark = new QLabel(window->statusBar());
    m_mark->setObjectName(QStringLiteral("historyMark"));
    window->statusBar()->addPermanentWidget(m_mark);
    m_mark->hide();
    m_markDelay->setSingleShot(true);
    m_markDelay->setInterval(markDelayMsec);
    connect(m_markDelay, &QTimer::timeout, this, &historyKeeper::showWaiting);
    connect(m_outbox, &historyOutbox::waitingChanged, this, &historyKeeper::showWaiting);
    connect(m_outbox, &historyOutbox::failureChanged, this, &historyKeeper::showWaiting);
}

historyKeeper::~historyKeeper()
{
    // The last records reach the outbox before it stops.
    m_recorder->flush();
}

QLabel *historyKeeper::waitingMark() const
{
    return m_mark;
}

void historyKeeper::start(const QString &folder)
{
    // Without an outbox of its own the program still records, in memory;
    // the mark says why once records wait.
    QString error;
    m_outbox->open(folder, &error);
    historyConnectionChanged();
}

void historyKeeper::historyConnectionChanged()
{
    const QSettings settings = programSettings();
    m_recorder->setStation(historyRecorder::stationFromSettings(settings));
    m_outbox->setConnection(historyConnection::fromSettings(settings));
}

void historyKeeper::showWaiting()
{
    if (!m_mark)
        return;
    const int waiting = m_outbox->waiting();
    if (waiting == 0) {
        m_markDelay->stop();
        m_mark->hide();
        return;
    }
    if (m_outbox->failure().isEmpty() && !m_mark->isVisible()) {
        if (!m_markDelay->isActive())
            m_markDelay->start();
        if (sender() != m_markDelay)
            return;
    }
    m_mark->setText(tr("%1 records wait").arg(waiting));
    m_mark->setToolTip(m_outbox->failure().isEmpty()
                           ? tr("Records of the measurement history wait to be sent.")
                           : m_outbox->failure());
    m_mark->show();
}
