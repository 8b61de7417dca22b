#ifndef QCM_MAINACTIONS_H
#define QCM_MAINACTIONS_H

#include "commandRow.h"

#include <QList>
#include <QObject>
#include <QVector>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

// The window's actions, made from the command rows the subsystems hand in
// (each bound to the object that does its work), and the menus, tool bars
// and tree context menu built from the places the rows name.  The language
// commands and the recent files are the window's own.  Two contexts enable
// and disable rows: whether the instrument is connected (and calibrates),
// and whether an upload is filling the tree.
class mainActions : public QObject
{
    Q_OBJECT
public:
    explicit mainActions(QMainWindow *window);

    // Adds a subsystem's rows; the menus are made once, by build().
    void addCommands(const commandRows &rows);
    // Menus, tool bars and the language menu from every row added; the
    // language actions call `chooseLanguage` with "en_US", "zh_CN", "zh_TW".
    void build(const std::function<void(const QString &)> &chooseLanguage);

    // By object name (the command's id); null for an unknown name.
    QAction *byName(const QString &name) const;
    QList<QAction *> recentFileActions() const { return m_recentFileActions; }
    QAction *recentFilesSeparator() const { return m_recentSeparator; }
    QList<QAction *> treeContextActions() const;

    void setInstrumentConnected(bool connected, bool calibrates);
    // New, Open, the recent files and the instrument's commands wait while
    // an upload fills the tree.
    void setUploadRunning(bool running);
    // Checks the language action of `code` ("en_US", "zh_CN", "zh_TW").
    void checkLanguage(const QString &code);

    // Texts, status tips, translatable shortcuts and menu titles from the
    // current translation; the tool-bar titles stay as they were made.
    void retranslate();

private:
    struct Command
    {
        commandRow row;
        QAction *action;
    };
    QAction *makeAction(const commandRow &row);
    void refreshEnabled();

    QMainWindow *m_window;
    QVector<Command> m_commands;
    QList<QAction *> m_recentFileActions;
    QAction *m_recentSeparator = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QList<QMenu *> m_menus;
    bool m_connected = false;
    bool m_calibrates = false;
    bool m_uploading = false;
};

#endif
