#include "writeTRk.h"

#include "colorVocabulary.h"
#include "frameCodec.h"
#include "numberInput.h"
#include "promptRk.h"

#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Range
{
    double low, high;
    int decimals; // 0 for a whole number
};

// Numbers as typed: a point or a comma before the decimals, no exponent, no
// group separator, whatever the system's locale says.  What is out of range
// stays in the field and is refused, with the reason, when a button is
// pressed.
const Range ranges[] = {
    {0, 100, 2},
    {-128, 128, 2},
    {-128, 128, 2},
    {1, 32, 0},
};

QStringList lightSourcesOf(const QString &model)
{
    const QStringList lights = lightSourceNames(); // A D50 D65 C F2 F7 F11 F12
    if (model == QLatin1String("PX71"))
        return lights;
    if (model == QLatin1String("PX75"))
        return {lights.at(1), lights.at(2), lights.at(6)};
    if (model == QLatin1String("QM-64"))
        return {lights.at(0), lights.at(2), lights.at(4)};
    return {};
}

} // namespace

writeTRk::writeTRk(QWidget *parent) : fixedSizeDialog(QSize(), QSize(), parent)
{
    setObjectName(QStringLiteral("writeTRk"));
    m_heading = new QLabel(this);
    QFont headingFont = m_heading->font();
    headingFont.setPointSize(16);
    m_heading->setFont(headingFont);
    m_heading->setAlignment(Qt::AlignCenter);

    m_colorSpaceLabel = new QLabel(this);
    m_lightSourceLabel = new QLabel(this);
    m_lightModeLabel = new QLabel(this);
    m_caliberLabel = new QLabel(this);
    m_averageLabel = new QLabel(this);
    m_colorSpace = new QComboBox(this);
    m_lightSource = new QComboBox(this);
    m_lightMode = new QComboBox(this);
    m_caliber = new QComboBox(this);
    m_L = new QLineEdit(this);
    m_a = new QLineEdit(this);
    m_b = new QLineEdit(this);
    m_average = new QLineEdit(this);
    m_toInstrument = new QPushButton(this);
    m_toSoftware = new QPushButton(this);
    m_L->setObjectName(QStringLiteral("LEdit"));
    m_a->setObjectName(QStringLiteral("aEdit"));
    m_b->setObjectName(QStringLiteral("bEdit"));
    m_average->setObjectName(QStringLiteral("averageEdit"));
    m_toInstrument->setObjectName(QStringLiteral("toInstrumentButton"));
    m_toSoftware->setObjectName(QStringLiteral("toSoftwareButton"));
    m_toInstrument->setEnabled(false);
    m_toSoftware->setEnabled(false);
    // Wide enough for "CIE1976L*a*b*" and "F11(TL84)" before they are filled.
    for (QComboBox *box : {m_colorSpace, m_lightSource, m_lightMode, m_caliber}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(box == m_colorSpace ? 13 : 9);
    }
    for (int field = 0; field < fieldCount; ++field) {
        const Range &range = ranges[field];
        if (range.decimals == 0)
            edit(Field(field))
                ->setValidator(new wholeNumberValidator(int(range.low), int(range.high), this));
        else
            edit(Field(field))
                ->setValidator(new decimalValidator(range.low, range.high, range.decimals, this));
    }

    auto *form = new QFormLayout;
    form->addRow(m_colorSpaceLabel, m_colorSpace);
    form->addRow(m_lightSourceLabel, m_lightSource);
    form->addRow(m_lightModeLabel, m_lightMode);
    form->addRow(m_caliberLabel, m_caliber);
    form->addRow(QStringLiteral("L:"), m_L);
    form->addRow(QStringLiteral("a:"), m_a);
    form->addRow(QStringLiteral("b:"), m_b);
    form->addRow(m_averageLabel, m_average);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_toInstrument);
    buttons->addWidget(m_toSoftware);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(m_L, &QLineEdit::textChanged, this, &writeTRk::LValueEditFcn);
    connect(m_a, &QLineEdit::textChanged, this, &writeTRk::aValueEditFcn);
    connect(m_b, &QLineEdit::textChanged, this, &writeTRk::bValueEditFcn);
    connect(m_average, &QLineEdit::textChanged, this, &writeTRk::averageTimesEditFcn);
    connect(m_toInstrument, &QPushButton::clicked, this, &writeTRk::toYQButtonFcn);
    connect(m_toSoftware, &QPushButton::clicked, this, &writeTRk::toAppButtonFcn);
    retranslateFor(false);
}

void writeTRk::retranslate()
{
    setWindowTitle(tr("Type Data Input"));
    m_heading->setText(tr("Type Data Input"));
    m_colorSpaceLabel->setText(tr("Color Space:"));
    m_lightSourceLabel->setText(tr("Standard Light Source:"));
    m_lightModeLabel->setText(tr("Containing Light Mode:"));
    m_caliberLabel->setText(tr("Caliber:"));
    m_averageLabel->setText(tr("Single/Average Measurement:"));
    m_toInstrument->setText(tr("Input to instrument"));
    m_toSoftware->setText(tr("input to software"));
    fitSize();
}

void writeTRk::fitSize()
{
    // 260 x 290 (200 x 290 in Chinese), unless the texts and choices need
    // more in the interface's font: a cut label or button is worse than a
    // larger dialog.
    const QSize size = chineseInterface() ? QSize(200, 290) : QSize(260, 290);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->invalidate();
    setFixedSize(size.expandedTo(layout()->totalMinimumSize()));
}

QLineEdit *writeTRk::edit(Field field) const
{
    switch (field) {
    case LField:
        return m_L;
    case aField:
        return m_a;
    case bField:
        return m_b;
    default:
        return m_average;
    }
}

void writeTRk::setParameter(const QString &colorSpace, const QString &testArea)
{
    // The first argument is the instrument model: it decides the choices.
    const QString model = colorSpace;
    m_colorSpace->clear();
    m_lightSource->clear();
    m_lightMode->clear();
    m_caliber->clear();
    m_colorSpace->addItem(labSpaceName());
    const QStringList sources = lightSourcesOf(model);
    m_lightSource->addItems(sources);
    if (!sources.isEmpty())
        m_lightMode->addItems({sciName(), sceName()});
    m_caliber->addItem(testArea);
    fitSize();
}

void writeTRk::hideEvent(QHideEvent *event)
{
    // However it closes (Escape, the title bar), the choices go; the next
    // opening fills them for the instrument then attached.  A hide by the
    // window system (the main window minimised) is no closing.
    if (!event->spontaneous()) {
        m_colorSpace->clear();
        m_lightSource->clear();
        m_lightMode->clear();
        m_caliber->clear();
    }
    fixedSizeDialog::hideEvent(event);
}

void writeTRk::fieldEdited(Field field)
{
    m_edited[field] = true;
    for (bool edited : m_edited) {
        if (!edited)
            return;
    }
    m_toInstrument->setEnabled(true);
    m_toSoftware->setEnabled(true);
}

void writeTRk::LValueEditFcn(const QString &)
{
    fieldEdited(LField);
}

void writeTRk::aValueEditFcn(const QString &)
{
    fieldEdited(aField);
}

void writeTRk::bValueEditFcn(const QString &)
{
    fieldEdited(bField);
}

void writeTRk::averageTimesEditFcn(const QString &)
{
    fieldEdited(averageField);
}

bool writeTRk::fieldsAcceptable()
{
    static const char *const names[] = {
        "L:", "a:", "b:", QT_TR_NOOP("Single/Average Measurement:")};
    for (int field = 0; field < fieldCount; ++field) {
        const Range &range = ranges[field];
        if (edit(Field(field))->hasAcceptableInput())
            continue;
        const QString name = field == averageField ? tr(names[field]) : QString(names[field]);
        const QString text2 =
            field == averageField
                ? tr("%1 must be a whole number from %2 to %3.")
                : tr("%1 must be a number from %2 to %3 with at most two decimals.");
        promptRk::warning(this, tr("Tips"), text2.arg(name).arg(range.low).arg(range.high));
        edit(Field(field))->setFocus();
        return false;
    }
    return true;
}

void writeTRk::toYQButtonFcn()
{
    if (!fieldsAcceptable())
        return;
    QString text;
    QString why;
    if (m_lightMode->currentText().isEmpty() || m_lightSource->currentText().isEmpty()) {
        // No model known: there is nothing to choose, and code 00 would name
        // conditions the user never picked.
        emit refusedSignal(tr("No light source or light mode to send; nothing is sent."));
        return;
    }
    if (!frameCodec::sendTypeRequestText(
            m_lightMode->currentText(), m_lightSource->currentText(),
            float(typedNumber(m_L->text())), float(typedNumber(m_a->text())),
            float(typedNumber(m_b->text())), int(typedNumber(m_average->text())),
            m_caliber->currentText(), &text, &why)) {
        emit refusedSignal(why);
        return;
    }
    emit sendWriteTSignal(text, true);
}

void writeTRk::toAppButtonFcn()
{
    if (!fieldsAcceptable())
        return;
    const QString time = QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss");
    // Written plainly ("+5" and "05" as "5"): items compare their readings
    // per average as texts.
    auto plain = [](const QLineEdit *edit) { return QString::number(typedNumber(edit->text())); };
    emit TtoAppSignal({plain(m_L), plain(m_a), plain(m_b), time, m_lightSource->currentText(),
                       m_caliber->currentText(), m_lightMode->currentText(), labSpaceName(),
                       defaultFormulaName(), illuminationModeName(), observerName(),
                       plain(m_average), plain(m_average)});
}
