#ifndef QCM_ITEMRENAMERK_H
#define QCM_ITEMRENAMERK_H

#include "oneLineDialog.h"

class QLineEdit;
class QTreeWidgetItem;
class measurementTreeRk;

// "Rename": one line with the new name of a Type, a Sample or the
// measurement.  Non-modal: the item it renames may be deleted while it is
// open, so it forgets the item when the tree removes it and closes.
class itemRenameRk : public oneLineDialog
{
    Q_OBJECT
public:
    itemRenameRk(measurementTreeRk *tree, QWidget *parent = nullptr);

    QTreeWidgetItem *item() const { return m_item; }
    QLineEdit *nameEdit() const { return lineEdit(); }

public slots:
    // Remembers the item and shows its name (the measurement's name alone
    // for the root), all of it selected.
    void setItemNewName(QTreeWidgetItem *item);
    void OKButtonActive(const QString &str);
    void OKButtonFcn();

signals:
    void setItemNewNameSignal(QTreeWidgetItem *item, const QString &name);

protected:
    void retranslate() override;

private:
    void itemAboutToBeRemoved(QTreeWidgetItem *removed);

    measurementTreeRk *m_tree;
    QTreeWidgetItem *m_item = nullptr;
};

#endif
