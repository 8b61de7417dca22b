#ifndef QCM_ITEMOPERATIONSRK_H
#define QCM_ITEMOPERATIONSRK_H

#include <QObject>
#include <QString>
#include <QVector>

class QTreeWidgetItem;
class QWidget;
class fastFindRk;
class itemRenameRk;
class measurementTreeRk;
class serialPortRk;
class sharedState;

// The commands that change or search the measurement tree: deleting checked
// items or a Type's Samples, renaming, quick search, inverting the check
// marks, copying an item as a new Type or as a new Sample of the checked
// Types, and a Type typed in by hand.  Boxes go through promptRk; short
// confirmations to the link's message line.
class itemOperationsRk : public QObject
{
    Q_OBJECT
public:
    // `window` parents the boxes and the two dialogs (so they follow the
    // language); `link` shows the confirmations.
    itemOperationsRk(measurementTreeRk *tree, sharedState *state, serialPortRk *link,
                     QWidget *window, QObject *parent = nullptr);

    itemRenameRk *renameDialog() const { return m_rename; }
    fastFindRk *findDialog() const { return m_find; }

    // The root when selected, else the selected Type (the last one), else a
    // selected Sample; none when nothing of these is selected.
    QTreeWidgetItem *findSelectedItem() const;

    void deleteCheckedItems();
    void deleteSamplesOfSelectedTypes();
    // The item to rename (the rename dialog is shown), or none after the box
    // saying nothing is selected.
    QTreeWidgetItem *startRename();
    void rename(QTreeWidgetItem *item, const QString &newName);
    // Shows the quick-search dialog; returns the root to search.
    QTreeWidgetItem *startQuickSearch();
    void showFoundItem(QTreeWidgetItem *item);
    void invertCheckMarks();
    void setAsNewType();
    void setAsSampleOfCheckedTypes();
    // "input to software": the 13 texts of the Type Data Input dialog.
    QTreeWidgetItem *addManualType(const QVector<QString> &texts);

    // Whether a name is one the automatic numbering keeps for itself
    // ("Type T012", "Sample S3", in any of the interface's languages).
    static bool isReservedName(const QString &name);

private:
    bool nameExists(const QString &name) const;
    // The source of a set-as command, or none after the box.
    QTreeWidgetItem *copySource() const;

    measurementTreeRk *m_tree;
    sharedState *m_state;
    serialPortRk *m_link;
    QWidget *m_window;
    itemRenameRk *m_rename;
    fastFindRk *m_find;
};

#endif
