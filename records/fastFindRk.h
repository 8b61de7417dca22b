#ifndef QCM_FASTFINDRK_H
#define QCM_FASTFINDRK_H

#include "oneLineDialog.h"

#include <QList>

class QLineEdit;
class QTreeWidgetItem;
class measurementTreeRk;

// "quick search": each OK shows the next Type or Sample whose name contains
// the key word (letter case ignored), then says the search went round.  The
// dialog stays open between searches; matches the tree removes meanwhile are
// dropped from the list.
class fastFindRk : public oneLineDialog
{
    Q_OBJECT
public:
    fastFindRk(measurementTreeRk *tree, QWidget *parent = nullptr);

    QLineEdit *keyEdit() const { return lineEdit(); }
    QList<QTreeWidgetItem *> matches() const { return m_matches; }

public slots:
    void getFastFindTree(QTreeWidgetItem *item);
    void OKButtonActive(const QString &str);
    void OKButtonFcn();

signals:
    void fastFindItemSignal(QTreeWidgetItem *item);

protected:
    void retranslate() override;

private:
    void resetSearch();
    void collectMatches();
    void itemAboutToBeRemoved(QTreeWidgetItem *removed);

    measurementTreeRk *m_tree;
    QTreeWidgetItem *m_root = nullptr;
    QList<QTreeWidgetItem *> m_matches;
    bool m_searched = false;
    bool m_firstPending = false;
    int m_nextMatch = 1;
};

#endif
