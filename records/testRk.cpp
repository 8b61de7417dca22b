#include "testRk.h"

#include "measurementRoad.h"
#include "numberInput.h"
#include "promptRk.h"
#include "protocolTiming.h"
#include "readingRecorderRk.h"
#include "serialPortRk.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

namespace {

const double shortestIntervalSeconds = 1.2;
const double longestIntervalSeconds = 1e9;

QPushButton *bigButton(const char *name)
{
    auto *button = new QPushButton;
    button->setObjectName(QLatin1String(name));
    button->setMinimumHeight(32);
    return button;
}

} // namespace

testRk::testRk(QWidget *parent)
    : fixedSizeDialog(QSize(220, 180), QSize(220, 180), parent), m_autoTimer(new QTimer(this)),
      m_measureGroup(new QGroupBox), m_autoGroup(new QGroupBox),
      m_typeButton(bigButton("typeButton")), m_sampleButton(bigButton("sampleButton")),
      m_autoButton(new QPushButton), m_intervalLabel(new QLabel), m_interval(new decimalSpinBox),
      m_secondLabel(new QLabel)
{
    setObjectName(QStringLiteral("testRk"));
    m_autoButton->setObjectName(QStringLiteral("autoButton"));
    m_interval->setObjectName(QStringLiteral("intervalField"));
    // Seconds to the millisecond, the timer's own step, so that no digit
    // typed is dropped; "1,25" reads as 1.25 like "1.25".
    m_interval->setDecimals(3);
    m_interval->setRange(shortestIntervalSeconds, longestIntervalSeconds);
    m_interval->setSingleStep(0.1);
    m_interval->setValue(shortestIntervalSeconds);
    // Wide enough for everyday intervals; the field's longest value would
    // make the panel twice as wide.
    m_interval->setMinimumWidth(
        m_interval->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 28);

    auto *measureRow = new QVBoxLayout(m_measureGroup);
    measureRow->addWidget(m_typeButton);
    measureRow->addWidget(m_sampleButton);
    auto *autoColumn = new QVBoxLayout(m_autoGroup);
    autoColumn->addWidget(m_autoButton);
    auto *intervalRow = new QHBoxLayout;
    intervalRow->addWidget(m_intervalLabel);
    intervalRow->addWidget(m_interval, 1);
    intervalRow->addWidget(m_secondLabel);
    autoColumn->addLayout(intervalRow);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_measureGroup);
    layout->addWidget(m_autoGroup);

    connect(m_typeButton, &QPushButton::clicked, this, &testRk::tTestButtonFcn);
    connect(m_sampleButton, &QPushButton::clicked, this, &testRk::sTestButtonFcn);
    connect(m_autoButton, &QPushButton::clicked, this, &testRk::sAutoTestButtonFcn);
    connect(m_autoTimer, &QTimer::timeout, this, &testRk::sAutoTestFcn);
    m_interval->installEventFilter(this);

    // Nothing is connected yet.
    disableAll();
    retranslateFor(false);
}

int testRk::autoIntervalMsec() const
{
    return m_autoTimer->interval();
}

bool testRk::autoTimerActive() const
{
    return m_autoTimer->isActive();
}

void testRk::setMeasureButtonsEnabled(bool enabled)
{
    m_typeButton->setEnabled(enabled);
    m_sampleButton->setEnabled(enabled);
    if (enabled)
        m_sampleButton->setFocus();
}

void testRk::tTestButtonFcn()
{
    setMeasureButtonsEnabled(false);
    emit TSignal();
}

void testRk::sTestButtonFcn()
{
    setMeasureButtonsEnabled(false);
    emit SSignal();
}

void testRk::startAutoTimer()
{
    // Whole milliseconds of the seconds shown (4.35 s is 4350 ms, not the
    // 4349 a truncated product would give), and no more than a timer can
    // hold: the field goes far beyond that.
    const qint64 msec = qRound64(m_interval->value() * protocolTiming::current().panelSecondMsec);
    m_autoTimer->start(int(qMin<qint64>(msec, std::numeric_limits<int>::max())));
}

void testRk::sAutoTestButtonFcn()
{
    if (m_autoRunning) {
        switchAutoOff(true);
        return;
    }
    if (!m_connected)
        return;
    m_autoRunning = true;
    setMeasureButtonsEnabled(false);
    m_autoButton->setText(tr("Stop Sample measurement"));
    m_interval->setEnabled(false);
    startAutoTimer();
    if (!m_autoTimer->isActive())
        switchAutoOff(true); // never "Stop" with nothing running
}

void testRk::sAutoTestFcn()
{
    // A box is waiting for the user (a refusal, an averaging question, a file
    // dialog): a request now would only stack another box on it.
    if (QApplication::activeModalWidget() || promptRk::boxOpen())
        return;
    // Nothing is connected (the link is finding the instrument again after a
    // missed reply): a request now would find no measuring conditions.
    if (!m_connected)
        return;
    if (m_autoCount > autoTickLimit)
        switchAutoOff(true);
    // A tick that came late must not bring the next one closer: the
    // instrument gets the whole interval between two requests.
    if (m_autoRunning)
        m_autoTimer->start();
    setMeasureButtonsEnabled(false);
    emit SSignal();
    ++m_autoCount;
}

void testRk::buttonState()
{
    if (!m_autoRunning && m_connected)
        setMeasureButtonsEnabled(true);
}

void testRk::switchAutoOff(bool resetCount)
{
    m_autoRunning = false;
    m_autoTimer->stop();
    setMeasureButtonsEnabled(m_connected);
    m_autoButton->setText(tr("Auto Sample measurement"));
    m_interval->setEnabled(true);
    if (resetCount)
        m_autoCount = 0;
}

void testRk::stopAuto()
{
    switchAutoOff(false);
}

void testRk::disableAll()
{
    m_connected = false;
    m_typeButton->setEnabled(false);
    m_sampleButton->setEnabled(false);
    m_autoButton->setEnabled(false);
}

void testRk::enableAll()
{
    m_connected = true;
    if (!m_autoRunning)
        setMeasureButtonsEnabled(true);
    m_autoButton->setEnabled(true);
}

void testRk::follow(serialPortRk *link, measurementRoad *road, readingRecorderRk *recorder)
{
    connect(this, &testRk::TSignal, road, &measurementRoad::requestTypeAtOnce);
    connect(this, &testRk::SSignal, road, &measurementRoad::requestSampleAtOnce);
    connect(link, &serialPortRk::generateTItemSignal, this, &testRk::buttonState);
    connect(link, &serialPortRk::generateSItemSignal, this, &testRk::buttonState);
    connect(link, &serialPortRk::testSignal, this, &testRk::buttonState);
    // Every refusal releases the buttons and ends an automatic run.
    connect(road, &measurementRoad::requestRefused, this, &testRk::stopAuto);
    connect(recorder, &readingRecorderRk::noTypeYet, this, &testRk::stopAuto);
    connect(recorder, &readingRecorderRk::unfinishedAverageInterrupted, this, &testRk::stopAuto);
    connect(link, &serialPortRk::measurementRefusedSignal, this, &testRk::stopAuto);
    connect(link, &serialPortRk::getInstrumentInfoSignal, this, [this, link] {
        enableAll();
        // A request asked again after a reconnection is still awaited.
        if (link->isMeasuring())
            measurementUnderWay();
    });
    // Every search announces the disconnected state, also the one that
    // re-opens the port after a missed reply: the buttons lock, the
    // automatic mode waits.  Only a loss of the instrument ends it.
    connect(link, &serialPortRk::portClosedSignal, this, &testRk::disableAll);
    connect(link, &serialPortRk::instrumentLostSignal, this, &testRk::connectionLost);
}

void testRk::measurementUnderWay()
{
    setMeasureButtonsEnabled(false);
}

void testRk::instrumentLost()
{
    if (m_autoRunning)
        switchAutoOff(true);
    disableAll();
}

void testRk::connectionLost(bool alreadyTold)
{
    const bool wasRunning = m_autoRunning;
    instrumentLost();
    if (!wasRunning || alreadyTold)
        return;
    // Not from here: the loss is announced from inside the port's error
    // signal, and a modal box would spin an event loop under it.
    QTimer::singleShot(0, this, [this] {
        promptRk::warning(this, tr("Tips"),
                          tr("Connection to the instrument lost; the automatic Sample "
                             "measurement was stopped."));
    });
}

void testRk::done(int result)
{
    if (m_autoRunning)
        switchAutoOff(true);
    fixedSizeDialog::done(result);
}

namespace {

bool isEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Enter || key == Qt::Key_Return;
}

} // namespace

bool testRk::eventFilter(QObject *watched, QEvent *event)
{
    // The field sees the key before the dialog, whichever of its parts
    // the key went to.
    if (watched == m_interval && event->type() == QEvent::KeyPress)
        m_enterFromInterval = isEnter(event);
    return fixedSizeDialog::eventFilter(watched, event);
}

void testRk::keyPressEvent(QKeyEvent *event)
{
    const bool fromInterval = m_enterFromInterval;
    m_enterFromInterval = false;
    if (fromInterval && isEnter(event)) {
        event->accept();
        return;
    }
    fixedSizeDialog::keyPressEvent(event);
}

void testRk::retranslate()
{
    setWindowTitle(tr("Test"));
    m_typeButton->setText(tr("Type measurement"));
    m_sampleButton->setText(tr("Sample measurement"));
    m_autoButton->setText(m_autoRunning ? tr("Stop Sample measurement")
                                        : tr("Auto Sample measurement"));
    m_intervalLabel->setText(tr("Interval:"));
    m_secondLabel->setText(tr("second"));
}
