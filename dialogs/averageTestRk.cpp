#include "averageTestRk.h"

#include "numberInput.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const int mostReadings = 999;

} // namespace

averageTestRk::averageTestRk(QWidget *parent)
    : fixedSizeDialog(QSize(220, 120), QSize(280, 120), parent), m_title(new QLabel),
      m_timesLabel(new QLabel), m_edit(new QLineEdit(QStringLiteral("1"))), m_hint(new QLabel),
      m_okButton(new QPushButton), m_cancelButton(new QPushButton)
{
    setObjectName(QStringLiteral("averageTestRk"));
    m_title->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = m_title->font();
    titleFont.setPointSize(14);
    m_title->setFont(titleFont);
    m_edit->setObjectName(QStringLiteral("timesEdit"));
    // 0 is accepted as well: it stands for a single measurement.  A
    // fraction ("1,5") stays in the field with the reason it is refused.
    m_edit->setValidator(new wholeNumberValidator(0, mostReadings, this));
    m_hint->setObjectName(QStringLiteral("hintLabel"));
    m_hint->setMinimumHeight(m_hint->fontMetrics().height());
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setEnabled(false);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *titleRow = new QHBoxLayout;
    titleRow->addStretch();
    titleRow->addWidget(m_title);
    titleRow->addStretch();
    auto *editRow = new QHBoxLayout;
    editRow->addWidget(m_timesLabel);
    editRow->addWidget(m_edit);
    editRow->addStretch();
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_okButton);
    buttonRow->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(editRow);
    layout->addWidget(m_hint);
    layout->addLayout(buttonRow);

    connect(m_edit, &QLineEdit::textChanged, this, &averageTestRk::OKButtonEnable);
    connect(m_okButton, &QPushButton::clicked, this, &averageTestRk::OKButtonFcn);
    connect(m_cancelButton, &QPushButton::clicked, this, &averageTestRk::cancelButtonFcn);

    retranslateFor(false);
}

QString averageTestRk::countText(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("1");
    bool ok = false;
    const int count = numberInputLocale().toInt(text, &ok);
    if (!ok || count < 0 || count > mostReadings)
        return QString();
    return QString::number(count == 0 ? 1 : count);
}

void averageTestRk::setAverage(const QString &text)
{
    m_edit->setText(text);
}

void averageTestRk::OKButtonEnable(const QString &text)
{
    Q_UNUSED(text)
    m_okButton->setEnabled(acceptableOrEmpty(m_edit));
    m_hint->setText(numberProblem(m_edit));
}

void averageTestRk::OKButtonFcn()
{
    const QString count = countText(m_edit->text());
    if (!acceptableOrEmpty(m_edit) || count.isEmpty())
        return;
    m_edit->setText(count);
    emit setAverageFinishSignal(count);
    accept();
}

void averageTestRk::cancelButtonFcn()
{
    reject();
}

void averageTestRk::retranslate()
{
    setWindowTitle(tr("single/average measurement setting"));
    m_title->setText(tr("singe/average measurement"));
    m_timesLabel->setText(tr("times:"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
}
