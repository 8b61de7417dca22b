#ifndef QCM_COMMANDROW_H
#define QCM_COMMANDROW_H

#include <QKeySequence>
#include <QPointer>
#include <QVector>
#include <QWidget>

#include <functional>

// One command of the main window, as the folder that does its work declares
// it: the window makes an action of every row it is given and puts it into
// the menus, the tool bars and the tree's context menu the row names.  The
// texts are written with QT_TRANSLATE_NOOP("MainWindows", ...): the menus
// read them in that context at every language switch.

// The menus of the menu bar, in their order; each of the first seven has a
// tool bar of the same name.
enum class commandMenu
{
    file,
    operate,
    calibration,
    setting,
    measurement,
    dataTransmission,
    typeLibrary,
    help,
};

// What a command needs to be enabled (bits of commandRow::needs).
namespace commandNeeds {
enum : int
{
    nothing = 0,
    // The instrument is connected (its information arrived).
    instrument = 1 << 0,
    // The connected model calibrates.
    calibration = 1 << 1,
    // No upload is filling the tree.
    noUpload = 1 << 2,
};
}

struct commandRow
{
    // The action's object name: the name the command has always had.
    const char *id;
    const char *text;
    const char *statusTip;
    // An icon file of the theme folder, or nullptr.
    const char *icon;
    QKeySequence::StandardKey standardKey;
    // A translatable key text ("Ctrl+M", "T"), or nullptr.
    const char *shortcut;
    int needs;
    commandMenu menu;
    // Order in the menu and its tool bar (ascending), and what comes with it.
    int place;
    bool separatorBefore;
    bool onToolBar;
    // Order in the tree's context menu; 0: not there.
    int treePlace;
    // Who does the work: the action's connection lives as long as `owner`.
    QPointer<QObject> owner;
    std::function<void()> run;
};

using commandRows = QVector<commandRow>;

// Dialogs are made once and shown again by their command; one still open
// behind the window comes to the front.
inline void showCommandDialog(QWidget *dialog)
{
    if (dialog->isVisible())
        dialog->raise();
    else
        dialog->show();
}

#endif
