#ifndef QCM_STATISTICSDIALOG_H
#define QCM_STATISTICSDIALOG_H

#include "fixedSizeDialog.h"

#include <QPointer>

class QLabel;
class QTableWidget;
class QTreeWidgetItem;
class measurementTreeRk;
class sharedState;

// Whether the process of the pressed Type is in control: its Samples'
// figures, capability and control limits.  It stays open beside the tree
// and follows the pressed item, the tolerance and new Samples.
class statisticsDialog : public fixedSizeDialog
{
    Q_OBJECT
public:
    statisticsDialog(const measurementTreeRk *tree, const sharedState *state,
                     QWidget *parent = nullptr);

    // The Type shown: the pressed item's Type; nothing for other items.
    void showItem(QTreeWidgetItem *item);
    // Computes the figures again (Samples added, tolerance changed).
    void refresh();

    QTableWidget *table() const { return m_table; }
    QLabel *notes() const { return m_notes; }

protected:
    void retranslate() override;

private:
    const measurementTreeRk *m_tree;
    const sharedState *m_state;
    QTreeWidgetItem *m_type = nullptr;
    QLabel *m_title;
    QTableWidget *m_table;
    QLabel *m_notes;
};

#endif
