#ifndef QCM_HISTORYCOMMANDS_H
#define QCM_HISTORYCOMMANDS_H

#include "commandRow.h"

#include <QObject>

class QWidget;
class historyDatabaseDialog;
class historyWindow;
class measurementTreeRk;
class measuringDocument;

// The history's two commands: "History database" in the Setting menu and
// the history window in the Type library menu and on its tool bar.  Both
// dialogs are made here once, with the main window as their parent; a saved
// connection reaches the history window at once and is announced with
// `historySettingsChanged` for whoever records into the history.
class historyCommands : public QObject
{
    Q_OBJECT
public:
    historyCommands(measurementTreeRk *tree, measuringDocument *document, QWidget *window);

    commandRows commands();
    historyDatabaseDialog *databaseDialog() const { return m_databaseDialog; }
    historyWindow *window() const { return m_window; }

signals:
    void historySettingsChanged();

private:
    historyDatabaseDialog *m_databaseDialog;
    historyWindow *m_window;
};

#endif
