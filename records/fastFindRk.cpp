#include "fastFindRk.h"

#include "itemColumns.h"
#include "measurementTreeRk.h"
#include "promptRk.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItem>

fastFindRk::fastFindRk(measurementTreeRk *tree, QWidget *parent)
    : oneLineDialog(QStringLiteral("fastFindRk"), QStringLiteral("keyEdit"), parent), m_tree(tree)
{
    setFocusProxy(lineEdit());

    connect(lineEdit(), &QLineEdit::textChanged, this, &fastFindRk::OKButtonActive);
    connect(okButton(), &QPushButton::clicked, this, &fastFindRk::OKButtonFcn);
    connect(m_tree, &measurementTreeRk::itemAboutToBeRemoved, this,
            &fastFindRk::itemAboutToBeRemoved);
    retranslateFor(false);
}

void fastFindRk::retranslate()
{
    setTexts(tr("quick search"), tr(" key word:"), tr("OK"), tr("Cancel"));
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
    lineEdit()->setFocus();
}

void fastFindRk::OKButtonActive(const QString &)
{
    okButton()->setEnabled(true);
    resetSearch();
}

void fastFindRk::collectMatches()
{
    const QString key = lineEdit()->text();
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
