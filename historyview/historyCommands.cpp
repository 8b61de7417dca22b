#include "historyCommands.h"

#include "historyDatabaseDialog.h"
#include "historyWindow.h"

#include <QCoreApplication>

historyCommands::historyCommands(measurementTreeRk *tree, measuringDocument *document,
                                 QWidget *window)
    : QObject(window), m_databaseDialog(new historyDatabaseDialog(window)),
      m_window(new historyWindow(tree, document, window))
{
    connect(m_databaseDialog, &historyDatabaseDialog::historySettingsSavedSignal, m_window,
            &historyWindow::historySettingsChanged);
    connect(m_databaseDialog, &historyDatabaseDialog::historySettingsSavedSignal, this,
            &historyCommands::historySettingsChanged);
}

commandRows historyCommands::commands()
{
    const auto noKey = QKeySequence::UnknownKey;
    return {
        {"historyDatabaseFcn", QT_TRANSLATE_NOOP("MainWindows", "&History database..."),
         QT_TRANSLATE_NOOP("MainWindows", "Where the measurement history is kept!"), nullptr, noKey,
         nullptr, commandNeeds::nothing, commandMenu::setting, 40, true, false, 0, m_databaseDialog,
         [this] {
             m_databaseDialog->readSettings();
             showCommandDialog(m_databaseDialog);
         }},
        {"historyWindowFcn", QT_TRANSLATE_NOOP("MainWindows", "&Measurement History"),
         QT_TRANSLATE_NOOP("MainWindows", "Search the measurement history!"), "72 library.png",
         noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+Shift+H"), commandNeeds::nothing,
         commandMenu::typeLibrary, 20, true, true, 0, m_window,
         [this] {
             showCommandDialog(m_window);
             m_window->activateWindow();
         }},
    };
}
