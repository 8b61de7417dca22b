#include "oneLineDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

oneLineDialog::oneLineDialog(const QString &objectName, const QString &editName, QWidget *parent)
    : fixedSizeDialog(QSize(), QSize(), parent)
{
    setObjectName(objectName);
    m_label = new QLabel(this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(editName);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setEnabled(false);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    auto *line = new QHBoxLayout;
    line->addWidget(m_label);
    line->addWidget(m_edit, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(line);
    layout->addLayout(buttons);

    connect(m_cancel, &QPushButton::clicked, this, &oneLineDialog::cancelButtonFcn);
}

void oneLineDialog::setTexts(const QString &title, const QString &label, const QString &ok,
                             const QString &cancel)
{
    setWindowTitle(title);
    m_label->setText(label);
    m_ok->setText(ok);
    m_cancel->setText(cancel);
    // 200 x 80, unless the texts need more in the interface's font.
    setFixedSize(QSize(200, 80).expandedTo(layout()->totalMinimumSize()));
}

void oneLineDialog::cancelButtonFcn()
{
    hide();
}
