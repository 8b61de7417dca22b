#include "toleranceRk.h"

#include "colorVocabulary.h"
#include "judgement.h"
#include "numberInput.h"
#include "promptRk.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const int savedBoxMsec = 1500;

QLabel *centredLabel(const QString &text, const char *name = nullptr)
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    if (name)
        label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

toleranceRk::toleranceRk(QWidget *parent)
    : fixedSizeDialog(QSize(260, 190), QSize(260, 190), parent),
      // Any number of decimals may be typed: the limits keep two, rounded.
      m_validator(new decimalValidator(0, 128, -1, this)),
      m_title(centredLabel(QString(), "titleLabel")),
      m_deltaE(centredLabel(QString(QChar(kPanelDelta)) + 'E', "deltaELabel")),
      m_delta1(centredLabel(QString(QChar(kPanelDelta)) + 'L', "delta1Label")),
      m_delta2(centredLabel(QString(QChar(kPanelDelta)) + 'a', "delta2Label")),
      m_delta3(centredLabel(QString(QChar(kPanelDelta)) + 'b', "delta3Label")),
      m_okButton(new QPushButton), m_cancelButton(new QPushButton)
{
    setObjectName(QStringLiteral("toleranceRk"));
    QFont titleFont = m_title->font();
    titleFont.setPointSize(16);
    m_title->setFont(titleFont);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    const QStringList keys = Tolerance::keys();
    for (const QString &key : keys) {
        auto *edit = new QLineEdit;
        edit->setObjectName(key);
        edit->setValidator(m_validator);
        // Room for the widest limit, "128.00", however narrow the dialog.
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("128.00")) + 12);
        m_edits.append(edit);
        connect(edit, &QLineEdit::textChanged, this, &toleranceRk::OKButtonActive);
        m_values.append(QString());
    }

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(10, 2, 10, 10);
    grid->setVerticalSpacing(5);
    const Qt::Alignment centre = Qt::AlignHCenter;
    grid->addWidget(m_title, 0, 2, 1, 3, centre);
    grid->addWidget(m_deltaE, 1, 3, centre);
    grid->addWidget(centredLabel(QStringLiteral("≤")), 1, 4, centre);
    grid->addWidget(centredLabel(QStringLiteral("+")), 1, 5, centre);
    grid->addWidget(m_edits.at(0), 1, 6, centre);
    QLabel *const rowLabels[] = {m_delta1, m_delta2, m_delta3};
    for (int row = 0; row < 3; ++row) {
        const int r = row + 2;
        grid->addWidget(centredLabel(QStringLiteral("-")), r, 0, centre);
        grid->addWidget(m_edits.at(1 + 2 * row), r, 1, centre);
        grid->addWidget(centredLabel(QStringLiteral("≤")), r, 2, centre);
        grid->addWidget(rowLabels[row], r, 3, centre);
        grid->addWidget(centredLabel(QStringLiteral("≤")), r, 4, centre);
        grid->addWidget(centredLabel(QStringLiteral("+")), r, 5, centre);
        grid->addWidget(m_edits.at(2 + 2 * row), r, 6, centre);
    }
    grid->addWidget(m_okButton, 6, 3, 1, 2, centre);
    grid->addWidget(m_cancelButton, 6, 5, 1, 2, centre);
    const int stretches[] = {1, 2, 1, 1, 1, 2};
    for (int column = 1; column <= 6; ++column)
        grid->setColumnStretch(column, stretches[column - 1]);

    // Nothing to save until something is typed.
    m_okButton->setEnabled(false);
    connect(m_okButton, &QPushButton::clicked, this, &toleranceRk::OKButtonFcn);
    connect(m_cancelButton, &QPushButton::clicked, this, &toleranceRk::cancelButtonFcn);

    retranslateFor(false);
}

void toleranceRk::gettolerance(const QString &delatE, const QString &nDelatL,
                               const QString &pDelatL, const QString &nDelata,
                               const QString &pDelata, const QString &nDelatb,
                               const QString &pDelatb)
{
    m_values = QStringList{delatE, nDelatL, pDelatL, nDelata, pDelata, nDelatb, pDelatb};
    for (int i = 0; i < m_edits.size(); ++i)
        m_edits.at(i)->setText(m_values.at(i));
}

bool toleranceRk::allFieldsAcceptable() const
{
    for (const QLineEdit *edit : m_edits) {
        if (!acceptableOrEmpty(edit))
            return false;
    }
    return true;
}

void toleranceRk::OKButtonActive(const QString &text)
{
    Q_UNUSED(text)
    // A value the limits cannot hold (above 128, a lone ".") is never saved.
    m_okButton->setEnabled(allFieldsAcceptable());
}

void toleranceRk::OKButtonFcn()
{
    if (!allFieldsAcceptable())
        return;
    promptRk::timedInformation(this, tr("Tips"), tr("Info. Saved"), savedBoxMsec);
    m_okButton->setEnabled(false);
    for (int i = 0; i < m_edits.size(); ++i)
        m_values[i] = m_edits.at(i)->text();
    emit toleranceSavedSignal(m_values.at(0), m_values.at(1), m_values.at(2), m_values.at(3),
                              m_values.at(4), m_values.at(5), m_values.at(6));
}

void toleranceRk::cancelButtonFcn()
{
    reject();
}

void toleranceRk::relabel(const QString &colorSpace, const QString &formula)
{
    m_deltaE->setText(formula);
    const QStringList labels = toleranceRowLabels(colorSpace);
    if (labels.size() != 3)
        return;
    m_delta1->setText(labels.at(0));
    m_delta2->setText(labels.at(1));
    m_delta3->setText(labels.at(2));
}

void toleranceRk::retranslate()
{
    setWindowTitle(tr("Tolerance Setting"));
    m_title->setText(tr("Tolerance"));
    m_okButton->setText(tr("Ok"));
    m_cancelButton->setText(tr("Cancel"));
}
