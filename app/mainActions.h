#ifndef QCM_MAINACTIONS_H
#define QCM_MAINACTIONS_H

#include <QList>
#include <QObject>
#include <QVector>

class MainWindows;
class QAction;
class QActionGroup;
class QMenu;

// Every command of the main window, named by the slot it triggers.
enum class ActionId
{
    newFile,
    open,
    save,
    saveAs,
    printFcn,
    exportToExcelFcn,
    exportToCsvFcn,
    exportToCgatsFcn,
    importCgatsTypesFcn,
    exit,
    whiteCalibrationFcn,
    blackCalibrationFcn,
    setMeasurementFcn,
    setTolerance,
    setAverageTestFcn,
    configuration,
    EnglishFcn,
    SimplifyFcn,
    TraditionalFcn,
    tTestFcn,
    sTestFcn,
    stTestUiFcn,
    writeTFcn,
    whiteYellowFcn,
    dataToPCFcn,
    standardLibraryFcn,
    aboutZENTO,
    itemRenameFcn,
    fastFindFcn,
    selectionAllFcn,
    deleteChooseItemFcn,
    deleteAllItemFcn,
    saveAsStandardFcn,
    saveAsStandard2Fcn,
    itemSetAsNewTypeFcn,
    itemSetAsCheckItemSampleFcn,
    count,
    // Places in a menu, not actions.
    separator,
    recentFiles,
    languageMenu,
};

// Actions enabled and disabled together.
enum class ActionGroup
{
    // Need the instrument: enabled when its information arrives, disabled
    // when the port closes.
    instrument,
    // Need a model that calibrates (a subset of the instrument group).
    calibration,
};

// The actions of the main window, their menus, tool bars and the tree's
// context menu, all built from the tables in mainActions.cpp.  Each action is
// bound to its receiver through a member-function pointer, so a command
// without a receiver fails to compile rather than doing nothing.
class mainActions : public QObject
{
    Q_OBJECT
public:
    explicit mainActions(MainWindows *window);

    QAction *action(ActionId id) const { return m_actions.at(int(id)); }
    // By object name (the slot's name); null for an unknown name.
    QAction *byName(const QString &name) const;
    QList<QAction *> recentFileActions() const { return m_recentFileActions; }
    QAction *recentFilesSeparator() const { return m_recentSeparator; }
    QList<QAction *> treeContextActions() const;

    void setGroupEnabled(ActionGroup group, bool enabled);
    // Checks the language action of `code` ("en_US", "zh_CN", "zh_TW").
    void checkLanguage(const QString &code);
    // New, Open and the recent files wait while something fills the tree.
    void holdFileCommands(bool held);

    // Texts, status tips, translatable shortcuts and menu titles from the
    // current translation; the tool-bar titles stay as they were made.
    void retranslate();

private:
    void createActions();
    void createMenus();
    void createToolBars();

    MainWindows *m_window;
    QVector<QAction *> m_actions;
    QList<QAction *> m_recentFileActions;
    QAction *m_recentSeparator = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QList<QMenu *> m_menus;
    QMenu *m_languageMenu = nullptr;
};

#endif
