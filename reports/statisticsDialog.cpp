#include "statisticsDialog.h"

#include "measurementTreeRk.h"
#include "sharedState.h"
#include "statisticsTable.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

statisticsDialog::statisticsDialog(const measurementTreeRk *tree, const sharedState *state,
                                   QWidget *parent)
    : fixedSizeDialog(QSize(680, 330), QSize(680, 330), parent), m_tree(tree), m_state(state),
      m_title(new QLabel(this)), m_table(new QTableWidget(this)), m_notes(new QLabel(this))
{
    setObjectName("statisticsDialog");
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_notes->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_table);
    layout->addWidget(m_notes);
    connect(tree, &measurementTreeRk::itemAboutToBeRemoved, this, [this](QTreeWidgetItem *item) {
        for (QTreeWidgetItem *p = m_type; p; p = p->parent()) {
            if (p == item) {
                m_type = nullptr;
                refresh();
                return;
            }
        }
        // One of its Samples goes: the figures once it has gone.
        if (m_type && item->parent() == m_type)
            QMetaObject::invokeMethod(this, &statisticsDialog::refresh, Qt::QueuedConnection);
    });
    connect(state, &sharedState::toleranceChanged, this, &statisticsDialog::refresh);
    retranslate();
}

void statisticsDialog::showItem(QTreeWidgetItem *item)
{
    QTreeWidgetItem *type = item ? m_tree->typeOf(item) : nullptr;
    if (type)
        m_type = type;
    refresh();
}

void statisticsDialog::refresh()
{
    if (!m_type) {
        m_title->setText(tr("Press a Type or one of its Samples in the tree."));
        m_table->clear();
        m_table->setRowCount(0);
        m_table->setColumnCount(0);
        m_notes->clear();
        return;
    }
    const statisticsTable t = statisticsTableOfType(m_type, m_state->tolerance());
    m_title->setText(tr("Statistics of %1").arg(t.typeName));
    m_table->clear();
    m_table->setColumnCount(t.header.size());
    m_table->setHorizontalHeaderLabels(t.header);
    m_table->setRowCount(t.rows.size());
    for (int r = 0; r < t.rows.size(); ++r) {
        for (int c = 0; c < t.rows[r].size(); ++c) {
            auto *cell = new QTableWidgetItem(t.rows[r][c]);
            cell->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(r, c, cell);
        }
    }
    m_table->resizeColumnsToContents();
    m_notes->setText(t.notes.join('\n'));
}

void statisticsDialog::retranslate()
{
    setWindowTitle(tr("Statistics"));
    refresh();
}
