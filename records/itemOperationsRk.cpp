#include "itemOperationsRk.h"

#include "conditionCheck.h"
#include "fastFindRk.h"
#include "itemColumns.h"
#include "itemRenameRk.h"
#include "markedItems.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "sharedState.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTreeWidget>

itemOperationsRk::itemOperationsRk(measurementTreeRk *tree, sharedState *state, serialPortRk *link,
                                   QWidget *window, QObject *parent)
    : QObject(parent), m_tree(tree), m_state(state), m_link(link), m_window(window),
      m_rename(new itemRenameRk(tree, window)), m_find(new fastFindRk(tree, window))
{
}

QTreeWidgetItem *itemOperationsRk::findSelectedItem() const
{
    QTreeWidgetItem *root = m_tree->measurementRoot();
    if (root->isSelected())
        return root;
    // One pass over the selection rather than over every item of the tree.
    QTreeWidgetItem *type = nullptr;
    QTreeWidgetItem *sample = nullptr;
    const QList<QTreeWidgetItem *> selected = m_tree->tree()->selectedItems();
    for (QTreeWidgetItem *item : selected) {
        if (m_tree->isType(item)) {
            if (!type || root->indexOfChild(item) > root->indexOfChild(type))
                type = item;
        } else if (m_tree->isSample(item)) {
            // The lowest Type that has a selected Sample, its highest Sample.
            if (!sample) {
                sample = item;
                continue;
            }
            const int byType =
                root->indexOfChild(item->parent()) - root->indexOfChild(sample->parent());
            if (byType < 0 || (byType == 0 && item->parent()->indexOfChild(item) >
                                                  sample->parent()->indexOfChild(sample)))
                sample = item;
        }
    }
    return type ? type : sample;
}

void itemOperationsRk::deleteCheckedItems()
{
    const auto marked = markedItemPointers(*m_tree);
    if (marked.isEmpty()) {
        promptRk::warning(m_window, tr("Tips"), tr("There is no selected item!"));
        return;
    }
    if (promptRk::warning(m_window, tr("Warning"), tr("Do you want to delete the selected?"),
                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    bool removed = false;
    // The answer ran an event loop: what is checked now is what goes.
    for (int t = m_tree->typeCount() - 1; t >= 0; --t) {
        QTreeWidgetItem *type = m_tree->type(t);
        if (type->checkState(nameColumn) == Qt::Checked) {
            m_tree->deleteItem(type);
            removed = true;
            continue;
        }
        QList<QTreeWidgetItem *> checked;
        for (int s = type->childCount() - 1; s >= 0; --s) {
            if (type->child(s)->checkState(nameColumn) == Qt::Checked)
                checked.append(type->child(s));
        }
        if (!checked.isEmpty()) {
            m_tree->deleteSamples(type, checked);
            removed = true;
        }
    }
    if (removed)
        m_link->showInfo(tr("Have been removed by the options!"));
}

void itemOperationsRk::deleteSamplesOfSelectedTypes()
{
    if (promptRk::warning(m_window, tr("Warning"), tr("Delete all samples under the Type"),
                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    QList<QTreeWidgetItem *> types;
    const QList<QTreeWidgetItem *> selected = m_tree->tree()->selectedItems();
    for (QTreeWidgetItem *item : selected) {
        QTreeWidgetItem *type = m_tree->typeOf(item);
        if (type && !types.contains(type))
            types.append(type);
    }
    for (QTreeWidgetItem *type : qAsConst(types)) {
        QList<QTreeWidgetItem *> samples;
        for (int s = type->childCount() - 1; s >= 0; --s)
            samples.append(type->child(s));
        m_tree->deleteSamples(type, samples);
    }
}

QTreeWidgetItem *itemOperationsRk::startRename()
{
    QTreeWidgetItem *item = findSelectedItem();
    if (!item) {
        promptRk::warning(m_window, tr("Tips"), tr("No measurement/Type/sample selected!"));
        return nullptr;
    }
    m_rename->show();
    m_rename->raise();
    return item;
}

bool itemOperationsRk::nameExists(const QString &name) const
{
    for (int t = 0; t < m_tree->typeCount(); ++t) {
        QTreeWidgetItem *type = m_tree->type(t);
        if (type->text(nameColumn) == name)
            return true;
        for (int s = 0; s < type->childCount(); ++s) {
            if (type->child(s)->text(nameColumn) == name)
                return true;
        }
    }
    return false;
}

bool itemOperationsRk::isReservedName(const QString &name)
{
    // The words of the automatic names in the interface's three languages,
    // so that a name made in one language is not taken by hand in another.
    QStringList typeWords{measurementTreeRk::tr("Type"), QStringLiteral("Type"),
                          QStringLiteral("标样"), QStringLiteral("標樣")};
    QStringList sampleWords{measurementTreeRk::tr("Sample"), QStringLiteral("Sample"),
                            QStringLiteral("试样"), QStringLiteral("試樣")};
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    auto reserved = [&name](const QStringList &words, QChar letter) {
        for (const QString &word : words) {
            const QString prefix = word + QLatin1Char(' ') + letter;
            if (name.startsWith(prefix) && digits.match(name.midRef(prefix.size())).hasMatch())
                return true;
        }
        return false;
    };
    return reserved(typeWords, QLatin1Char('T')) || reserved(sampleWords, QLatin1Char('S'));
}

void itemOperationsRk::rename(QTreeWidgetItem *item, const QString &newName)
{
    QTreeWidgetItem *root = m_tree->measurementRoot();
    if (!item || !(item == root || m_tree->isType(item) || m_tree->isSample(item)))
        return;
    if (newName.trimmed().isEmpty()) {
        // An empty measurement name would also leave a saved file's Types
        // unrecognisable when it is read back.
        promptRk::warning(m_window, tr("Tips"), tr("The name must not be empty!"));
        return;
    }
    if (nameExists(newName)) {
        promptRk::warning(m_window, tr("Tips"), tr("Name existed, please rename!"));
        return;
    }
    if (isReservedName(newName)) {
        promptRk::warning(m_window, tr("Tips"), tr("Name and software name conflicting!"));
        return;
    }
    if (item == root)
        m_state->setMeasurementName(newName);
    else
        item->setText(nameColumn, newName);
    m_link->showInfo(tr("Rename Successfully"));
}

QTreeWidgetItem *itemOperationsRk::startQuickSearch()
{
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
    return m_tree->measurementRoot();
}

void itemOperationsRk::showFoundItem(QTreeWidgetItem *item)
{
    if (!m_tree->isType(item) && !m_tree->isSample(item))
        return;
    QTreeWidget *view = m_tree->tree();
    const QList<QTreeWidgetItem *> selected = view->selectedItems();
    for (QTreeWidgetItem *other : selected) {
        if (m_tree->isType(other) || m_tree->isSample(other))
            other->setSelected(false);
    }
    item->setSelected(true);
    view->setCurrentItem(item);
    view->scrollToItem(item, QAbstractItemView::PositionAtBottom);
    m_link->showInfo(tr("Search Finished"));
}

void itemOperationsRk::invertCheckMarks()
{
    auto toggle = [](QTreeWidgetItem *item) {
        const Qt::CheckState state = item->checkState(nameColumn);
        if (state == Qt::Checked)
            item->setCheckState(nameColumn, Qt::Unchecked);
        else if (state == Qt::Unchecked)
            item->setCheckState(nameColumn, Qt::Checked);
    };
    for (int t = m_tree->typeCount() - 1; t >= 0; --t) {
        QTreeWidgetItem *type = m_tree->type(t);
        if (type->childCount() <= 1) {
            toggle(type);
            continue;
        }
        m_tree->invertSampleMarks(type);
    }
}

QTreeWidgetItem *itemOperationsRk::copySource() const
{
    QTreeWidgetItem *item = findSelectedItem();
    // The root has neither coordinates nor conditions to copy.
    if (!item || item == m_tree->measurementRoot()) {
        promptRk::warning(m_window, tr("Tips"), tr("No Type, Sample is selected!"));
        return nullptr;
    }
    return item;
}

void itemOperationsRk::setAsNewType()
{
    QTreeWidgetItem *source = copySource();
    if (!source)
        return;
    QTreeWidgetItem *root = m_tree->measurementRoot();
    const measurementTreeRk::originScope setAs(m_tree, history::Origin::SetAs);
    m_tree->copyItem(source, root, measurementTreeRk::typeName(m_tree->nextItemNumber(root)));
}

void itemOperationsRk::setAsSampleOfCheckedTypes()
{
    QTreeWidgetItem *source = copySource();
    if (!source || markedItemPointers(*m_tree).isEmpty())
        return;
    const MeasuringConditions conditions = conditionCheck::conditionsOf(source);
    QList<QTreeWidgetItem *> targets;
    for (int t = m_tree->typeCount() - 1; t >= 0; --t) {
        if (m_tree->type(t)->checkState(nameColumn) == Qt::Checked)
            targets.append(m_tree->type(t));
    }
    // A refusal box runs an event loop in which items may go (an averaging
    // question, a link message): whatever goes is struck off here first.
    bool sourceGone = false;
    auto goes = [this](QTreeWidgetItem *held, QTreeWidgetItem *removed) {
        return removed == m_tree->measurementRoot() || held == removed || held->parent() == removed;
    };
    const QMetaObject::Connection guard = connect(
        m_tree, &measurementTreeRk::itemAboutToBeRemoved, this, [&](QTreeWidgetItem *removed) {
            if (!sourceGone && goes(source, removed))
                sourceGone = true;
            for (int i = 0; i < targets.size(); ++i) {
                if (targets.at(i) && goes(targets.at(i), removed))
                    targets[i] = nullptr;
            }
        });
    for (int i = 0; i < targets.size(); ++i) {
        QTreeWidgetItem *type = targets.at(i);
        if (sourceGone)
            break;
        if (!type)
            continue;
        const conditionCheck::Mismatch mismatch = conditionCheck::firstMismatch(type, conditions);
        if (mismatch != conditionCheck::noMismatch) {
            promptRk::information(nullptr, tr("Tips"), conditionCheck::message(mismatch));
            continue;
        }
        const measurementTreeRk::originScope setAs(m_tree, history::Origin::SetAs);
        m_tree->copyItem(source, type, measurementTreeRk::sampleName(m_tree->nextItemNumber(type)));
    }
    disconnect(guard);
}

QTreeWidgetItem *itemOperationsRk::addManualType(const QVector<QString> &t)
{
    if (t.size() < 13)
        return nullptr;
    QTreeWidgetItem *root = m_tree->measurementRoot();
    const QStringList columns = {
        t[3],  t[4], m_state->conditions().instrumentModel, t[5], t[6], t[7], t[8], t[9], t[10],
        t[11], t[12]};
    const measurementTreeRk::originScope typed(m_tree, history::Origin::Typed);
    return m_tree->addTypeItem(QLocale::c().toFloat(t[0]), QLocale::c().toFloat(t[1]),
                               QLocale::c().toFloat(t[2]),
                               measurementTreeRk::typeName(m_tree->nextItemNumber(root)), columns);
}
