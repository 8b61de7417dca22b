#include "itemRenameRk.h"

#include "itemColumns.h"
#include "measurementTreeRk.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItem>

itemRenameRk::itemRenameRk(measurementTreeRk *tree, QWidget *parent)
    : fixedSizeDialog(QSize(200, 80), QSize(200, 80), parent), m_tree(tree)
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
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_label, 0, 0);
    layout->addWidget(m_edit, 0, 1, 1, 2);
    layout->addWidget(m_ok, 1, 1);
    layout->addWidget(m_cancel, 1, 2);

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
