#include "printMsgConfigRk.h"

#include "promptRk.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QSize chineseSize(360, 240);
const QSize otherSize(420, 240);

} // namespace

// The dialog sets its size itself (the base gets no size): the size of the
// language, made larger where the system's fonts need more room, so that the
// whole print time and both mode buttons are always readable.
printMsgConfigRk::printMsgConfigRk(QWidget *parent) : fixedSizeDialog(QSize(), QSize(), parent)
{
    setObjectName("printMsgConfigRk");
    m_title = new QLabel;
    QFont big = m_title->font();
    big.setPointSize(20);
    m_title->setFont(big);
    auto *titleRow = new QHBoxLayout;
    titleRow->addStretch();
    titleRow->addWidget(m_title);
    titleRow->addStretch();

    const char *const names[rowCount] = {"name",       "company", "printTime",
                                         "department", "person",  "product"};
    auto *grid = new QGridLayout;
    for (int row = 0; row < rowCount; ++row) {
        auto *label = new QLabel;
        auto *edit = new QLineEdit;
        edit->setObjectName(QLatin1String(names[row]));
        m_labels.append(label);
        m_edits.append(edit);
        grid->addWidget(label, row, 0);
        if (row != printTimeRow)
            grid->addWidget(edit, row, 1);
        connect(edit, &QLineEdit::textChanged, this, &printMsgConfigRk::OKButtonActive);
    }
    m_system = new QRadioButton;
    m_system->setObjectName("system");
    m_custom = new QRadioButton;
    m_custom->setObjectName("custom");
    auto *timeRow = new QHBoxLayout;
    timeRow->addWidget(m_edits[printTimeRow], 1);
    timeRow->addWidget(m_system);
    timeRow->addWidget(m_custom);
    grid->addLayout(timeRow, printTimeRow, 1);

    m_ok = new QPushButton;
    m_ok->setObjectName("ok");
    QLineEdit *time = m_edits[printTimeRow];
    time->setText(now());
    time->setMinimumWidth(time->fontMetrics().horizontalAdvance(time->text() + "00") +
                          time->sizeHint().height());
    m_ok->setEnabled(false);
    m_cancel = new QPushButton;
    m_cancel->setObjectName("cancel");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &printMsgConfigRk::OKButtonFcn);
    connect(m_cancel, &QPushButton::clicked, this, &printMsgConfigRk::cancelButtonFcn);
    connect(m_system, &QRadioButton::toggled, this, &printMsgConfigRk::sysPrintTimeRadioBtnFcn);
    connect(m_custom, &QRadioButton::toggled, this, &printMsgConfigRk::setPrintTimeRadioBtnFcn);
    retranslateFor(false);
}

QString printMsgConfigRk::now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

void printMsgConfigRk::retranslate()
{
    m_title->setText(tr("Print Information"));
    setWindowTitle(tr("Print Info. Setting"));
    m_labels[nameRow]->setText(tr("Measurement Name:"));
    m_labels[companyRow]->setText(tr("Company:"));
    m_labels[printTimeRow]->setText(tr("Print Time:"));
    m_labels[departmentRow]->setText(tr("Department:"));
    m_labels[personRow]->setText(tr("Measurement Person:"));
    m_labels[productRow]->setText(tr("Product:"));
    m_system->setText(tr("System"));
    m_custom->setText(tr("Custom"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
    // Layouts keep the sizes they last computed until their layout request
    // is handled, which is too late for the size below.
    const QList<QLayout *> layouts = findChildren<QLayout *>();
    for (QLayout *nested : layouts)
        nested->invalidate();
    const QSize wanted = chineseInterface() ? chineseSize : otherSize;
    setFixedSize(wanted.expandedTo(layout()->minimumSize()));
}

void printMsgConfigRk::getPrintMsg(const QString &aNewName, const QString &aCompanyName,
                                   const QString &aPrintTime, const QString &aDepartmentName,
                                   const QString &aOperatorName, const QString &aProductName)
{
    Q_UNUSED(aPrintTime) // the dialog always opens on the time now
    m_texts[nameRow] = aNewName;
    m_texts[companyRow] = aCompanyName;
    m_texts[printTimeRow] = now();
    m_texts[departmentRow] = aDepartmentName;
    m_texts[personRow] = aOperatorName;
    m_texts[productRow] = aProductName;
    for (int row = 0; row < rowCount; ++row)
        m_edits[row]->setText(m_texts[row]);
}

void printMsgConfigRk::setTimeFlag(bool flag)
{
    m_timeFlag = flag;
    QLineEdit *time = m_edits[printTimeRow];
    if (flag) {
        time->setEnabled(false);
        m_system->setChecked(true);
        m_custom->setChecked(false);
        m_texts[printTimeRow] = now();
        time->setText(m_texts[printTimeRow]);
    } else {
        time->setText(m_texts[printTimeRow]);
        time->setEnabled(true);
        m_system->setChecked(false);
        m_custom->setChecked(true);
    }
}

void printMsgConfigRk::sysPrintTimeRadioBtnFcn()
{
    m_texts[printTimeRow] = now();
    if (m_system->isChecked()) {
        m_timeFlag = true;
        m_edits[printTimeRow]->setEnabled(false);
        m_edits[printTimeRow]->setText(m_texts[printTimeRow]);
    }
    m_ok->setEnabled(true);
}

void printMsgConfigRk::setPrintTimeRadioBtnFcn()
{
    if (m_custom->isChecked()) {
        m_timeFlag = false;
        m_edits[printTimeRow]->setEnabled(true);
    }
    m_ok->setEnabled(true);
}

void printMsgConfigRk::OKButtonActive(const QString &text)
{
    Q_UNUSED(text)
    m_ok->setEnabled(true);
}

void printMsgConfigRk::OKButtonFcn()
{
    if (m_timeFlag)
        m_edits[printTimeRow]->setText(m_texts[printTimeRow]);
    else
        m_texts[printTimeRow] = m_edits[printTimeRow]->text();
    promptRk::timedInformation(this, tr("Tips"), tr("Info. Saved!"), 1500);
    m_ok->setEnabled(false);
    for (int row : {nameRow, companyRow, departmentRow, personRow, productRow})
        m_texts[row] = m_edits[row]->text();
    emit printMsgSavedSignal(m_texts[nameRow], m_texts[companyRow], m_texts[printTimeRow],
                             m_texts[departmentRow], m_texts[personRow], m_texts[productRow],
                             m_timeFlag);
    close();
}

void printMsgConfigRk::cancelButtonFcn()
{
    close();
}
