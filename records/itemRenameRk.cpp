#include "itemRenameRk.h"

#include "itemColumns.h"
#include "measurementTreeRk.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItem>

itemRenameRk::itemRenameRk(measurementTreeRk *tree, QWidget *parent)
    : oneLineDialog(QStringLiteral("itemRenameRk"), QStringLiteral("nameEdit"), parent),
      m_tree(tree)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &itemRenameRk::OKButtonActive);
    connect(okButton(), &QPushButton::clicked, this, &itemRenameRk::OKButtonFcn);
    connect(m_tree, &measurementTreeRk::itemAboutToBeRemoved, this,
            &itemRenameRk::itemAboutToBeRemoved);
    retranslateFor(false);
}

void itemRenameRk::retranslate()
{
    setTexts(tr("Rename"), tr("Name"), tr("OK"), tr("Cancel"));
}

void itemRenameRk::setItemNewName(QTreeWidgetItem *item)
{
    m_item = item;
    QString name = item ? item->text(nameColumn) : QString();
    if (item && item == m_tree->measurementRoot() &&
        name.startsWith(measurementTreeRk::rootPrefix()))
        name = name.mid(measurementTreeRk::rootPrefix().size());
    lineEdit()->setText(name);
    lineEdit()->selectAll();
    lineEdit()->setFocus();
    // Filling the line is no change of the user's.
    okButton()->setEnabled(false);
}

void itemRenameRk::OKButtonActive(const QString &)
{
    okButton()->setEnabled(true);
}

void itemRenameRk::OKButtonFcn()
{
    QTreeWidgetItem *item = m_item;
    hide();
    // Only an item still in the tree is renamed.
    if (item &&
        (item == m_tree->measurementRoot() || m_tree->isType(item) || m_tree->isSample(item)))
        emit setItemNewNameSignal(item, lineEdit()->text());
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
