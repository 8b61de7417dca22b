#include "whiteYellowRk.h"

#include "serialPortRk.h"
#include "shownNumber.h"
#include "whiteness.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

whiteYellowRk::whiteYellowRk(QWidget *parent)
    : fixedSizeDialog(QSize(200, 290), QSize(280, 290), parent), m_title(new QLabel),
      m_testButton(new QPushButton)
{
    setObjectName(QStringLiteral("whiteYellowRk"));
    m_title->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = m_title->font();
    titleFont.setPointSize(12);
    m_title->setFont(titleFont);
    m_testButton->setObjectName(QStringLiteral("testButton"));

    auto *layout = new QVBoxLayout(this);
    auto *titleRow = new QHBoxLayout;
    titleRow->addStretch();
    titleRow->addWidget(m_title);
    titleRow->addStretch();
    layout->addLayout(titleRow);
    const char *const valueNames[] = {"yellownessValue", "hunterValue", "ganzValue", "blueValue"};
    for (int i = 0; i < 4; ++i) {
        m_rowLabels[i] = new QLabel;
        m_values[i] = new QLabel;
        m_values[i]->setObjectName(QLatin1String(valueNames[i]));
        auto *row = new QHBoxLayout;
        row->addWidget(m_rowLabels[i]);
        row->addWidget(m_values[i]);
        row->addStretch();
        layout->addLayout(row);
    }
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_testButton);
    layout->addLayout(buttonRow);

    connect(m_testButton, &QPushButton::clicked, this, &whiteYellowRk::testButtonFcn);
    updateTestButton();
    retranslateFor(false);
}

QStringList whiteYellowRk::shownValues() const
{
    QStringList texts;
    for (const QLabel *value : m_values)
        texts << value->text();
    return texts;
}

void whiteYellowRk::updateTestButton()
{
    m_testButton->setEnabled(m_connected && !m_waiting);
}

void whiteYellowRk::testButtonFcn()
{
    if (!m_connected || m_waiting)
        return;
    // One request at a time: a second one before the answer would only
    // bring two replies that the link cannot tell apart.
    m_waiting = true;
    updateTestButton();
    emit testWhiteYellowSignal();
}

void whiteYellowRk::setWhiteYellow(const QVector<float> &values)
{
    m_waiting = false;
    updateTestButton();
    if (values.size() != 6)
        return;
    const WhitenessIndices w =
        whitenessIndices(values[0], values[1], values[2], values[3], values[4], values[5]);
    // A black reading has no indices: its cells read "--", as every value
    // that is no number does.
    const float shown[] = {w.yellowness, w.hunter, w.ganz, w.blue};
    for (int i = 0; i < 4; ++i)
        m_values[i]->setText(shownNumber(double(shown[i])));
}

void whiteYellowRk::testTimedOut()
{
    m_waiting = false;
    updateTestButton();
}

void whiteYellowRk::setConnected(bool connected)
{
    m_connected = connected;
    // A request outstanding when the port went will never be answered.
    if (!connected)
        m_waiting = false;
    updateTestButton();
}

void whiteYellowRk::retranslate()
{
    setWindowTitle(tr("Whiteness/Yellowness Neasurement"));
    m_title->setText(tr("Whiteness/Yellowness Neasurement"));
    m_rowLabels[0]->setText(QStringLiteral("YI ") + tr("Yellowness:"));
    m_rowLabels[1]->setText(QStringLiteral("Hunter ") + tr("Whiteness:"));
    m_rowLabels[2]->setText(QStringLiteral("Ganz ") + tr("Whiteness:"));
    m_rowLabels[3]->setText(QStringLiteral("ISO ") + tr("Blue whiteness:"));
    m_testButton->setText(tr("Test"));
}

void whiteYellowRk::follow(serialPortRk *link)
{
    connect(this, &whiteYellowRk::testWhiteYellowSignal, link, &serialPortRk::whiteYellowSlot);
    connect(link, &serialPortRk::whiteYellowTimeOutSignal, this, &whiteYellowRk::testTimedOut);
    connect(link, &serialPortRk::getInstrumentInfoSignal, this, [this] { setConnected(true); });
    connect(link, &serialPortRk::portClosedSignal, this, [this] { setConnected(false); });
}
