#include "mainActions.h"

#include "recentFileList.h"
#include "resourcePath.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>

namespace {

// The texts keep the translation context they have always had.
const char *const context = "MainWindows";

QString trMain(const char *text)
{
    return QCoreApplication::translate(context, text);
}

// Menu titles in commandMenu order; the first seven also name a tool bar
// (titles set once, before any translation is loaded).
struct MenuTitle
{
    const char *menu;
    const char *toolBar;
};
const MenuTitle menuTitles[] = {
    {QT_TRANSLATE_NOOP("MainWindows", "&File"), "File"},
    {QT_TRANSLATE_NOOP("MainWindows", "&Operate"), "Operate"},
    {QT_TRANSLATE_NOOP("MainWindows", "&Calibration"), "Calibration"},
    {QT_TRANSLATE_NOOP("MainWindows", "&Setting"), "Setting"},
    {QT_TRANSLATE_NOOP("MainWindows", "&Measurement"), "Measurement"},
    {QT_TRANSLATE_NOOP("MainWindows", "&Data Transmission"), "Data Transmission"},
    {QT_TRANSLATE_NOOP("MainWindows", "&Type library"), "Type library"},
    {QT_TRANSLATE_NOOP("MainWindows", "&Help"), nullptr},
};
constexpr int menuCount = int(sizeof(menuTitles) / sizeof(menuTitles[0]));
static_assert(menuCount == int(commandMenu::help) + 1, "one title per menu");

// The recent files stand in the File menu between the commands placed before
// this and those after it; the language menu ends the Setting menu.
constexpr int recentFilesPlace = 80;

const char *const languageMenuTitle = QT_TRANSLATE_NOOP("MainWindows", "Language");
struct LanguageRow
{
    const char *id;
    const char *text;
    const char *statusTip;
    const char *code;
};
const LanguageRow languageRows[] = {
    {"EnglishFcn", QT_TRANSLATE_NOOP("MainWindows", "&English"),
     QT_TRANSLATE_NOOP("MainWindows", "English!"), "en_US"},
    {"SimplifyFcn", QT_TRANSLATE_NOOP("MainWindows", "&中文简体"),
     QT_TRANSLATE_NOOP("MainWindows", "中文简体!"), "zh_CN"},
    {"TraditionalFcn", QT_TRANSLATE_NOOP("MainWindows", "&中文繁體"),
     QT_TRANSLATE_NOOP("MainWindows", "中文繁體!"), "zh_TW"},
};

const char *const theme = "blue";

} // namespace

mainActions::mainActions(QMainWindow *window) : QObject(window), m_window(window)
{
    for (int i = 0; i < recentFileList::shownCount; ++i) {
        auto *action = new QAction(m_window);
        action->setObjectName(QStringLiteral("recentFile%1").arg(i));
        action->setVisible(false);
        m_recentFileActions.append(action);
    }
}

QAction *mainActions::makeAction(const commandRow &row)
{
    auto *action = new QAction(m_window);
    action->setObjectName(row.id);
    if (row.icon)
        action->setIcon(QIcon(resourcePath(
            QStringLiteral("./icon/%1/%2").arg(theme, QString::fromLatin1(row.icon)))));
    if (row.run)
        connect(action, &QAction::triggered, row.owner ? row.owner.data() : m_window,
                [run = row.run] { run(); });
    return action;
}

void mainActions::addCommands(const commandRows &rows)
{
    for (const commandRow &row : rows)
        m_commands.append({row, makeAction(row)});
    refreshEnabled();
}

void mainActions::build(const std::function<void(const QString &)> &chooseLanguage)
{
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    QList<QAction *> languages;
    for (const LanguageRow &row : languageRows) {
        commandRow command{row.id,
                           row.text,
                           row.statusTip,
                           nullptr,
                           QKeySequence::UnknownKey,
                           nullptr,
                           commandNeeds::nothing,
                           commandMenu::setting,
                           0,
                           false,
                           false,
                           0,
                           m_window,
                           [chooseLanguage, code = QString(row.code)] { chooseLanguage(code); }};
        QAction *action = makeAction(command);
        m_commands.append({command, action});
        m_languageGroup->addAction(action);
        languages.append(action);
    }

    // Rows in the order of their places; equal places keep the order given.
    QVector<Command> placed = m_commands.mid(0, m_commands.size() - languages.size());
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Command &a, const Command &b) { return a.row.place < b.row.place; });
    for (int m = 0; m < menuCount; ++m) {
        QMenu *menu = m_window->menuBar()->addMenu(QString());
        menu->setProperty("qcmTitle", QByteArray(menuTitles[m].menu));
        m_menus.append(menu);
        QToolBar *bar = nullptr;
        if (menuTitles[m].toolBar) {
            const QString title = QString::fromLatin1(menuTitles[m].toolBar);
            bar = m_window->addToolBar(title);
            bar->setObjectName(title + " tool bar");
        }
        bool recentDone = m != int(commandMenu::file);
        for (const Command &command : qAsConst(placed)) {
            if (int(command.row.menu) != m)
                continue;
            if (!recentDone && command.row.place > recentFilesPlace) {
                m_recentSeparator = menu->addSeparator();
                menu->addActions(m_recentFileActions);
                recentDone = true;
            }
            if (command.row.separatorBefore)
                menu->addSeparator();
            menu->addAction(command.action);
            if (bar && command.row.onToolBar)
                bar->addAction(command.action);
        }
        if (!recentDone) {
            m_recentSeparator = menu->addSeparator();
            menu->addActions(m_recentFileActions);
        }
        if (m == int(commandMenu::setting)) {
            QMenu *languageMenu = menu->addMenu(QString());
            languageMenu->setProperty("qcmTitle", QByteArray(languageMenuTitle));
            m_menus.append(languageMenu);
            languageMenu->addActions(languages);
        }
    }
}

QAction *mainActions::byName(const QString &name) const
{
    for (const Command &command : m_commands) {
        if (command.action->objectName() == name)
            return command.action;
    }
    return nullptr;
}

QList<QAction *> mainActions::treeContextActions() const
{
    QVector<Command> inTree;
    for (const Command &command : m_commands) {
        if (command.row.treePlace > 0)
            inTree.append(command);
    }
    std::stable_sort(inTree.begin(), inTree.end(), [](const Command &a, const Command &b) {
        return a.row.treePlace < b.row.treePlace;
    });
    QList<QAction *> list;
    for (const Command &command : qAsConst(inTree))
        list.append(command.action);
    return list;
}

void mainActions::refreshEnabled()
{
    for (const Command &command : qAsConst(m_commands)) {
        const int needs = command.row.needs;
        const bool enabled = !((needs & commandNeeds::instrument) && !m_connected) &&
                             !((needs & commandNeeds::calibration) && !m_calibrates) &&
                             !((needs & commandNeeds::noUpload) && m_uploading);
        command.action->setEnabled(enabled);
    }
    for (QAction *recent : qAsConst(m_recentFileActions))
        recent->setEnabled(!m_uploading);
}

void mainActions::setInstrumentConnected(bool connected, bool calibrates)
{
    m_connected = connected;
    m_calibrates = calibrates;
    refreshEnabled();
}

void mainActions::setUploadRunning(bool running)
{
    m_uploading = running;
    refreshEnabled();
}

void mainActions::checkLanguage(const QString &code)
{
    QAction *chosen = byName(QStringLiteral("EnglishFcn"));
    for (const LanguageRow &row : languageRows) {
        if (code == QLatin1String(row.code))
            chosen = byName(QString::fromLatin1(row.id));
    }
    chosen->setCheckable(true);
    chosen->setChecked(true);
}

void mainActions::retranslate()
{
    for (const Command &command : qAsConst(m_commands)) {
        const commandRow &row = command.row;
        command.action->setText(trMain(row.text));
        command.action->setStatusTip(trMain(row.statusTip));
        if (row.standardKey != QKeySequence::UnknownKey)
            command.action->setShortcut(QKeySequence(row.standardKey));
        else if (row.shortcut)
            command.action->setShortcut(QKeySequence(trMain(row.shortcut)));
    }
    for (QMenu *menu : qAsConst(m_menus))
        menu->setTitle(trMain(menu->property("qcmTitle").toByteArray().constData()));
}
