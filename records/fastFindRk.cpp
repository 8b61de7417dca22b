#include "fastFindRk.h"

#include "itemColumns.h"
#include "measurementTreeRk.h"
#include "promptRk.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

fastFindRk::fastFindRk(measurementTreeRk *tree, QWidget *parent)
    : fixedSizeDialog(QSize(), QSize(), parent), m_tree(tree)
{
    setObjectName(QStringLiteral("fastFindRk"));
    m_label = new QLabel(this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("keyEdit"));
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
    setFocusProxy(m_edit);

    connect(m_edit, &QLineEdit::textChanged, this, &fastFindRk::OKButtonActive);
    connect(m_ok, &QPushButton::clicked, this, &fastFindRk::OKButtonFcn);
    connect(m_cancel, &QPushButton::clicked, this, &fastFindRk::cancelButtonFcn);
    connect(m_tree, &measurementTreeRk::itemAboutToBeRemoved, this,
            &fastFindRk::itemAboutToBeRemoved);
    retranslateFor(false);
}

void fastFindRk::retranslate()
{
    setWindowTitle(tr("quick search"));
    m_label->setText(tr(" key word:"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
    // 200 x 80, unless the texts need more in the interface's font.
    setFixedSize(QSize(200, 80).expandedTo(layout()->totalMinimumSize()));
}

void fastFindRk::resetSearch()
{
    m_matches.clear();
    m_searched = false;
    m_firstPending = false;
    m_nextMatch = 1;
}

void fastFindRk::getFastFindTree(QTreeWidgetItem *item)
{
    m_root = item;
    resetSearch();
    m_edit->setFocus();
}

void fastFindRk::OKButtonActive(const QString &)
{
    m_ok->setEnabled(true);
    resetSearch();
}

void fastFindRk::collectMatches()
{
    const QString key = m_edit->text();
    auto matches = [&key](const QTreeWidgetItem *item) {
        return item->text(nameColumn).contains(key, Qt::CaseInsensitive);
    };
    for (int t = 0; t < m_root->childCount(); ++t) {
        QTreeWidgetItem *type = m_root->child(t);
        if (matches(type))
            m_matches.append(type);
        for (int s = 0; s < type->childCount(); ++s) {
            if (matches(type->child(s)))
                m_matches.append(type->child(s));
        }
    }
    if (!m_matches.isEmpty()) {
        m_searched = true;
        m_firstPending = true;
    }
}

void fastFindRk::OKButtonFcn()
{
    if (!m_root)
        return;
    if (m_root->childCount() > 0 && !m_searched)
        collectMatches();
    if (m_firstPending) {
        m_firstPending = false;
        emit fastFindItemSignal(m_matches.first());
    } else if (m_searched) {
        if (m_nextMatch >= m_matches.size())
            m_nextMatch = 0;
        else
            emit fastFindItemSignal(m_matches.at(m_nextMatch++));
    } else {
        m_nextMatch = 0;
    }
    if (m_nextMatch == 0) {
        promptRk::warning(this, tr("tips"), tr("search all items!"));
        resetSearch();
    }
}

void fastFindRk::cancelButtonFcn()
{
    hide();
}

void fastFindRk::itemAboutToBeRemoved(QTreeWidgetItem *removed)
{
    if (m_matches.isEmpty())
        return;
    if (removed == m_tree->measurementRoot()) {
        resetSearch();
        return;
    }
    const int shown = m_firstPending ? 0 : m_nextMatch;
    int stillShown = shown;
    for (int i = m_matches.size() - 1; i >= 0; --i) {
        QTreeWidgetItem *match = m_matches.at(i);
        if (match == removed || match->parent() == removed) {
            m_matches.removeAt(i);
            if (i < shown)
                --stillShown;
        }
    }
    if (m_matches.isEmpty()) {
        resetSearch();
        return;
    }
    // The next OK shows the match that followed the last one shown.
    if (m_firstPending || stillShown == 0) {
        m_firstPending = true;
        m_nextMatch = 1;
    } else {
        m_nextMatch = stillShown;
    }
}
