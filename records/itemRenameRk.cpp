#include "itemRenameRk.h"

#include "itemColumns.h"
#include "measurementTreeRk.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

itemRenameRk::itemRenameRk(measurementTreeRk *tree, QWidget *parent)
    : fixedSizeDialog(QSize(), QSize(), parent), m_tree(tree)
{
    setObjectName(QStringLiteral("itemRenameRk"));
    m_label = new QLabel(this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("nameEdit"));
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

    connect(m_edit, &QLineEdit::textChanged, this, &itemRenameRk::OKButtonActive);
    connect(m_ok, &QPushButton::clicked, this, &itemRenameRk::OKButtonFcn);
    connect(m_cancel, &QPushButton::clicked, this, &itemRenameRk::cancelButtonFcn);
    connect(m_tree, &measurementTreeRk::itemAboutToBeRemoved, this,
            &itemRenameRk::itemAboutToBeRemoved);
    retranslateFor(false);
}

void itemRenameRk::retranslate()
{
    setWindowTitle(tr("Rename"));
    m_label->setText(tr("Name"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
    // 200 x 80, unless the texts need more in the interface's font.
    setFixedSize(QSize(200, 80).expandedTo(layout()->totalMinimumSize()));
}

void itemRenameRk::setItemNewName(QTreeWidgetItem *item)
{
    m_item = item;
    QString name = item ? item->text(nameColumn) : QString();
    if (item && item == m_tree->measurementRoot() &&
        name.startsWith(measurementTreeRk::rootPrefix()))
        name = name.mid(measurementTreeRk::rootPrefix().size());
    m_edit->setText(name);
    m_edit->selectAll();
    m_edit->setFocus();
    // Filling the line is no change of the user's.
    m_ok->setEnabled(false);
}

void itemRenameRk::OKButtonActive(const QString &)
{
    m_ok->setEnabled(true);
}

void itemRenameRk::OKButtonFcn()
{
    QTreeWidgetItem *item = m_item;
    hide();
    // Only an item still in the tree is renamed.
    if (item &&
        (item == m_tree->measurementRoot() || m_tree->isType(item) || m_tree->isSample(item)))
        emit setItemNewNameSignal(item, m_edit->text());
}

void itemRenameRk::cancelButtonFcn()
{
    hide();
}

void itemRenameRk::itemAboutToBeRemoved(QTreeWidgetItem *removed)
{
    if (!m_item || m_item == m_tree->measurementRoot())
        return;
    // The root stands for every Type and Sample (the tree is cleared).
    if (removed == m_tree->measurementRoot() || removed == m_item || m_item->parent() == removed) {
        m_item = nullptr;
        hide();
    }
}
