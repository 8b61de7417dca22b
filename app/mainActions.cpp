#include "mainActions.h"

#include "MainWindows.h"
#include "cgatsTypeImport.h"
#include "exportCommand.h"
#include "recentFileList.h"
#include "resourcePath.h"
#include "sharedState.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

// The texts keep the translation context they have always had.
const char *const context = "MainWindows";

QString trMain(const char *text)
{
    return QCoreApplication::translate(context, text);
}

using Binder = void (*)(MainWindows *, QAction *);

template <auto Slot> void bindTo(MainWindows *window, QAction *action)
{
    QObject::connect(action, &QAction::triggered, window, Slot);
}

// One row per action, in ActionId order: object name (= the slot it
// triggers), text, status tip, icon file, standard key or translatable
// shortcut text, enabled at start, its group, and its receiver.
struct ActionRow
{
    ActionId id;
    const char *name;
    const char *text;
    const char *statusTip;
    const char *icon; // nullptr: no icon
    QKeySequence::StandardKey standardKey;
    const char *shortcut; // nullptr: none (or the standard key)
    bool enabled;
    int groups; // bits of ActionGroup
    Binder bind;
};

constexpr int instrumentBit = 1 << int(ActionGroup::instrument);
constexpr int calibrationBit = 1 << int(ActionGroup::calibration);
const auto noKey = QKeySequence::UnknownKey;

const ActionRow actionRows[] = {
    {ActionId::newFile, "newFile", QT_TRANSLATE_NOOP("MainWindows", "&New"),
     QT_TRANSLATE_NOOP("MainWindows", "New measuring file!"), "11 file.png", QKeySequence::New,
     nullptr, true, 0, bindTo<&MainWindows::newFile>},
    {ActionId::open, "open", QT_TRANSLATE_NOOP("MainWindows", "&Open"),
     QT_TRANSLATE_NOOP("MainWindows", "Open file!"), "12 file.png", QKeySequence::Open, nullptr,
     true, 0, bindTo<&MainWindows::open>},
    {ActionId::save, "save", QT_TRANSLATE_NOOP("MainWindows", "&Save"),
     QT_TRANSLATE_NOOP("MainWindows", "Save file!"), "13 file.png", QKeySequence::Save, nullptr,
     true, 0, bindTo<&MainWindows::save>},
    {ActionId::saveAs, "saveAs", QT_TRANSLATE_NOOP("MainWindows", "&Save As..."),
     QT_TRANSLATE_NOOP("MainWindows", "File saved to ..."), "14 file.png", QKeySequence::SaveAs,
     nullptr, true, 0, bindTo<&MainWindows::saveAs>},
    {ActionId::printFcn, "printFcn", QT_TRANSLATE_NOOP("MainWindows", "&Print"),
     QT_TRANSLATE_NOOP("MainWindows", "Print file!"), "15 file.png", QKeySequence::Print, nullptr,
     true, 0, bindTo<&MainWindows::printFcn>},
    {ActionId::exportToExcelFcn, "exportToExcelFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Export to excel"),
     QT_TRANSLATE_NOOP("MainWindows", "Data export to excel!"), "16 file.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+M"), true, 0, bindTo<&MainWindows::exportToExcelFcn>},
    {ActionId::exportToCsvFcn, "exportToCsvFcn",
     QT_TRANSLATE_NOOP("MainWindows", "Export to &CSV…"),
     QT_TRANSLATE_NOOP("MainWindows", "Data export to CSV!"), "18 file.png", noKey, nullptr, true,
     0, bindTo<&MainWindows::exportToCsvFcn>},
    {ActionId::exportToCgatsFcn, "exportToCgatsFcn",
     QT_TRANSLATE_NOOP("MainWindows", "Export to CGATS…"),
     QT_TRANSLATE_NOOP("MainWindows", "Data export to a CGATS text file!"), nullptr, noKey, nullptr,
     true, 0,
     [](MainWindows *w, QAction *a) {
         QObject::connect(a, &QAction::triggered, w, [w] { w->exporter()->exportCgats(); });
     }},
    {ActionId::importCgatsTypesFcn, "importCgatsTypesFcn",
     QT_TRANSLATE_NOOP("MainWindows", "Import CGATS as Types…"),
     QT_TRANSLATE_NOOP("MainWindows", "Colours of a CGATS text file as new Types!"), nullptr, noKey,
     nullptr, true, 0,
     [](MainWindows *w, QAction *a) {
         QObject::connect(a, &QAction::triggered, w, [w] {
             cgatsTypeImport::run(w->treeModel(), w, w->state()->conditions().instrumentModel);
         });
     }},
    {ActionId::exit, "exit", QT_TRANSLATE_NOOP("MainWindows", "&Exit"),
     QT_TRANSLATE_NOOP("MainWindows", "Exit software!"), "17 file.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+Q"), true, 0, bindTo<&QWidget::close>},
    {ActionId::whiteCalibrationFcn, "whiteCalibrationFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&White Calibration"),
     QT_TRANSLATE_NOOP("MainWindows", "Instrument white calibration!"), "31 cal.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+W"), false, instrumentBit | calibrationBit,
     bindTo<&MainWindows::whiteCalibrationFcn>},
    {ActionId::blackCalibrationFcn, "blackCalibrationFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Black Calibration"),
     QT_TRANSLATE_NOOP("MainWindows", "Instrument white calibration!"), "32 cal.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+B"), false, instrumentBit | calibrationBit,
     bindTo<&MainWindows::blackCalibrationFcn>},
    {ActionId::setMeasurementFcn, "setMeasurementFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Measuring Setting"),
     QT_TRANSLATE_NOOP("MainWindows", "Set measuring conditions!"), "41 setting.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+T"), true, 0, bindTo<&MainWindows::setMeasurementFcn>},
    {ActionId::setTolerance, "setTolerance", QT_TRANSLATE_NOOP("MainWindows", "&Tolerance Setting"),
     QT_TRANSLATE_NOOP("MainWindows", "Set tolerance standard!"), "42 setting.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+R"), true, 0,
     bindTo<static_cast<void (MainWindows::*)()>(&MainWindows::setTolerance)>},
    {ActionId::setAverageTestFcn, "setAverageTestFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Average Measurement"),
     QT_TRANSLATE_NOOP("MainWindows", "Set average measurement!"), "43 setting.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+Y"), true, 0, bindTo<&MainWindows::setAverageTestFcn>},
    {ActionId::configuration, "configuration",
     QT_TRANSLATE_NOOP("MainWindows", "&Printing Info. Setting"),
     QT_TRANSLATE_NOOP("MainWindows", "Configurate software parameters!"), "44 setting.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+I"), true, 0, bindTo<&MainWindows::configuration>},
    {ActionId::EnglishFcn, "EnglishFcn", QT_TRANSLATE_NOOP("MainWindows", "&English"),
     QT_TRANSLATE_NOOP("MainWindows", "English!"), nullptr, noKey, nullptr, true, 0,
     bindTo<&MainWindows::EnglishFcn>},
    {ActionId::SimplifyFcn, "SimplifyFcn", QT_TRANSLATE_NOOP("MainWindows", "&中文简体"),
     QT_TRANSLATE_NOOP("MainWindows", "中文简体!"), nullptr, noKey, nullptr, true, 0,
     bindTo<&MainWindows::SimplifyFcn>},
    {ActionId::TraditionalFcn, "TraditionalFcn", QT_TRANSLATE_NOOP("MainWindows", "&中文繁體"),
     QT_TRANSLATE_NOOP("MainWindows", "中文繁體!"), nullptr, noKey, nullptr, true, 0,
     bindTo<&MainWindows::TraditionalFcn>},
    {ActionId::tTestFcn, "tTestFcn", QT_TRANSLATE_NOOP("MainWindows", "&Type Measurement"),
     QT_TRANSLATE_NOOP("MainWindows", "Type measure!"), "51 measure.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "T"), false, instrumentBit, bindTo<&MainWindows::tTestFcn>},
    {ActionId::sTestFcn, "sTestFcn", QT_TRANSLATE_NOOP("MainWindows", "&Sample Measurement"),
     QT_TRANSLATE_NOOP("MainWindows", "Sample measure!"), "52 measure.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "S"), false, instrumentBit, bindTo<&MainWindows::sTestFcn>},
    {ActionId::stTestUiFcn, "stTestUiFcn", QT_TRANSLATE_NOOP("MainWindows", "&Measurement Button"),
     QT_TRANSLATE_NOOP("MainWindows", "Active measurement button!"), "53 measure.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "F"), false, instrumentBit,
     bindTo<&MainWindows::stTestUiFcn>},
    {ActionId::writeTFcn, "writeTFcn", QT_TRANSLATE_NOOP("MainWindows", "&Manually Type Writing"),
     QT_TRANSLATE_NOOP("MainWindows", "Manually input Type data!"), "54 measure.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+X"), true, 0, bindTo<&MainWindows::writeTFcn>},
    {ActionId::whiteYellowFcn, "whiteYellowFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Whiteness/Yellowness Measurement"),
     QT_TRANSLATE_NOOP("MainWindows", "Whiteness/Yellowness measurement!"), "55 measure.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+U"), false, instrumentBit,
     bindTo<&MainWindows::whiteYellowFcn>},
    {ActionId::dataToPCFcn, "dataToPCFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Instrument Data Transmit PC"),
     QT_TRANSLATE_NOOP("MainWindows", "stored data in instrument transmit PC"), "61 data.png",
     noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+G"), false, instrumentBit,
     bindTo<&MainWindows::dataToPCFcn>},
    {ActionId::standardLibraryFcn, "standardLibraryFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Type Data Library"),
     QT_TRANSLATE_NOOP("MainWindows", "Type data library"), "71 library.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+L"), true, 0, bindTo<&MainWindows::standardLibraryFcn>},
    {ActionId::aboutZENTO, "aboutZENTO", QT_TRANSLATE_NOOP("MainWindows", "&About"),
     QT_TRANSLATE_NOOP("MainWindows", "About QCM"), "81 about.png", noKey, nullptr, true, 0,
     bindTo<&MainWindows::aboutZENTO>},
    {ActionId::itemRenameFcn, "itemRenameFcn", QT_TRANSLATE_NOOP("MainWindows", "&Rename"),
     QT_TRANSLATE_NOOP("MainWindows", "Measurement/Type/sample rename!"), "21 operate.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+E"), true, 0, bindTo<&MainWindows::itemRenameFcn>},
    {ActionId::fastFindFcn, "fastFindFcn", QT_TRANSLATE_NOOP("MainWindows", "&Quick Search"),
     QT_TRANSLATE_NOOP("MainWindows", "Type/sample quick search!"), "22 operate.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+A"), true, 0, bindTo<&MainWindows::fastFindFcn>},
    {ActionId::selectionAllFcn, "selectionAllFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Select All/Select Invert"),
     QT_TRANSLATE_NOOP("MainWindows", "Select all item"), "23 operate.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+D"), true, 0, bindTo<&MainWindows::selectionAllFcn>},
    {ActionId::deleteChooseItemFcn, "deleteChooseItemFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Delete Selected Item"),
     QT_TRANSLATE_NOOP("MainWindows", "Delete selected item!"), "24 operate.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+K"), true, 0,
     bindTo<&MainWindows::deleteChooseItemFcn>},
    {ActionId::deleteAllItemFcn, "deleteAllItemFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Delete All Sample of The Type"),
     QT_TRANSLATE_NOOP("MainWindows", "Delete selected item!"), "25 operate.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+F"), true, 0, bindTo<&MainWindows::deleteAllItemFcn>},
    {ActionId::saveAsStandardFcn, "saveAsStandardFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Save As Library Color"),
     QT_TRANSLATE_NOOP("MainWindows", "Save as library color!"), "26 operate.png", noKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+H"), true, 0, bindTo<&MainWindows::saveAsStandardFcn>},
    {ActionId::saveAsStandard2Fcn, "saveAsStandard2Fcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Selected Item Saved As A Type Library Color"),
     QT_TRANSLATE_NOOP("MainWindows", "The selected item is saved as a Type library color!"),
     "27 operate.png", noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+J"), true, 0,
     bindTo<&MainWindows::saveAsStandard2Fcn>},
    {ActionId::itemSetAsNewTypeFcn, "itemSetAsNewTypeFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Item Set As A New Type"),
     QT_TRANSLATE_NOOP("MainWindows", "The selected item is set as a new Type!"), "newType.png",
     noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+C"), true, 0,
     bindTo<&MainWindows::itemSetAsNewTypeFcn>},
    {ActionId::itemSetAsCheckItemSampleFcn, "itemSetAsCheckItemSampleFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Item Set As A New Sample of The Checked Type"),
     QT_TRANSLATE_NOOP("MainWindows",
                       "The selected item is set as a new sample of the checked Type!"),
     "addItem.png", noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+V"), true, 0,
     bindTo<&MainWindows::itemSetAsCheckItemSampleFcn>},
};

static_assert(sizeof(actionRows) / sizeof(actionRows[0]) == size_t(ActionId::count),
              "one row per action");

struct MenuRow
{
    const char *title;
    std::initializer_list<ActionId> entries;
};

using A = ActionId;

const MenuRow menuRows[] = {
    {QT_TRANSLATE_NOOP("MainWindows", "&File"),
     {A::newFile, A::open, A::save, A::saveAs, A::separator, A::printFcn, A::exportToExcelFcn,
      A::exportToCsvFcn, A::exportToCgatsFcn, A::importCgatsTypesFcn, A::recentFiles, A::separator,
      A::exit}},
    {QT_TRANSLATE_NOOP("MainWindows", "&Operate"),
     {A::itemRenameFcn, A::fastFindFcn, A::selectionAllFcn, A::deleteChooseItemFcn,
      A::deleteAllItemFcn, A::separator, A::saveAsStandardFcn, A::saveAsStandard2Fcn,
      A::itemSetAsNewTypeFcn, A::itemSetAsCheckItemSampleFcn}},
    {QT_TRANSLATE_NOOP("MainWindows", "&Calibration"),
     {A::whiteCalibrationFcn, A::blackCalibrationFcn}},
    {QT_TRANSLATE_NOOP("MainWindows", "&Setting"),
     {A::setMeasurementFcn, A::setTolerance, A::separator, A::setAverageTestFcn, A::separator,
      A::configuration, A::languageMenu}},
    {QT_TRANSLATE_NOOP("MainWindows", "&Measurement"),
     {A::tTestFcn, A::sTestFcn, A::stTestUiFcn, A::separator, A::writeTFcn, A::separator,
      A::whiteYellowFcn}},
    {QT_TRANSLATE_NOOP("MainWindows", "&Data Transmission"), {A::dataToPCFcn}},
    {QT_TRANSLATE_NOOP("MainWindows", "&Type library"), {A::standardLibraryFcn}},
    {QT_TRANSLATE_NOOP("MainWindows", "&Help"), {A::aboutZENTO}},
};

const char *const languageMenuTitle = QT_TRANSLATE_NOOP("MainWindows", "Language");
const std::initializer_list<ActionId> languageEntries = {A::EnglishFcn, A::SimplifyFcn,
                                                         A::TraditionalFcn};

// Tool-bar titles are set once, before any translation is loaded.
const MenuRow toolBarRows[] = {
    {"File", {A::newFile, A::open, A::save, A::printFcn, A::exportToExcelFcn}},
    {"Operate",
     {A::itemRenameFcn, A::fastFindFcn, A::selectionAllFcn, A::deleteChooseItemFcn,
      A::deleteAllItemFcn, A::saveAsStandardFcn, A::saveAsStandard2Fcn, A::itemSetAsNewTypeFcn,
      A::itemSetAsCheckItemSampleFcn}},
    {"Calibration", {A::whiteCalibrationFcn, A::blackCalibrationFcn}},
    {"Setting", {A::setMeasurementFcn, A::setTolerance, A::setAverageTestFcn, A::configuration}},
    {"Measurement", {A::tTestFcn, A::sTestFcn, A::stTestUiFcn, A::writeTFcn, A::whiteYellowFcn}},
    {"Data Transmission", {A::dataToPCFcn}},
    {"Type library", {A::standardLibraryFcn}},
};

const std::initializer_list<ActionId> treeContextEntries = {A::setTolerance,
                                                            A::configuration,
                                                            A::itemRenameFcn,
                                                            A::fastFindFcn,
                                                            A::selectionAllFcn,
                                                            A::deleteChooseItemFcn,
                                                            A::deleteAllItemFcn,
                                                            A::saveAsStandardFcn,
                                                            A::saveAsStandard2Fcn,
                                                            A::itemSetAsNewTypeFcn,
                                                            A::itemSetAsCheckItemSampleFcn};

const char *const theme = "blue";

} // namespace

mainActions::mainActions(MainWindows *window) : QObject(window), m_window(window)
{
    createActions();
    createMenus();
    createToolBars();
}

void mainActions::createActions()
{
    m_actions.reserve(int(ActionId::count));
    for (const ActionRow &row : actionRows) {
        Q_ASSERT(int(row.id) == m_actions.size());
        auto *action = new QAction(m_window);
        action->setObjectName(row.name);
        if (row.icon)
            action->setIcon(QIcon(resourcePath(
                QStringLiteral("./icon/%1/%2").arg(theme, QString::fromLatin1(row.icon)))));
        action->setEnabled(row.enabled);
        if (row.bind)
            row.bind(m_window, action);
        m_actions.append(action);
    }
    for (int i = 0; i < recentFileList::shownCount; ++i) {
        auto *action = new QAction(m_window);
        action->setObjectName(QStringLiteral("recentFile%1").arg(i));
        action->setVisible(false);
        connect(action, &QAction::triggered, m_window, &MainWindows::openRecentFile);
        m_recentFileActions.append(action);
    }
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    for (ActionId id : languageEntries)
        m_languageGroup->addAction(action(id));
}

void mainActions::createMenus()
{
    for (const MenuRow &row : menuRows) {
        QMenu *menu = m_window->menuBar()->addMenu(QString());
        menu->setProperty("qcmTitle", QByteArray(row.title));
        m_menus.append(menu);
        for (ActionId id : row.entries) {
            switch (id) {
            case ActionId::separator:
                menu->addSeparator();
                break;
            case ActionId::recentFiles:
                m_recentSeparator = menu->addSeparator();
                menu->addActions(m_recentFileActions);
                break;
            case ActionId::languageMenu:
                m_languageMenu = menu->addMenu(QString());
                m_languageMenu->setProperty("qcmTitle", QByteArray(languageMenuTitle));
                m_menus.append(m_languageMenu);
                for (ActionId language : languageEntries)
                    m_languageMenu->addAction(action(language));
                break;
            default:
                menu->addAction(action(id));
            }
        }
    }
}

void mainActions::createToolBars()
{
    for (const MenuRow &row : toolBarRows) {
        const QString title = QString::fromLatin1(row.title);
        QToolBar *bar = m_window->addToolBar(title);
        bar->setObjectName(title + " tool bar");
        for (ActionId id : row.entries)
            bar->addAction(action(id));
    }
}

QAction *mainActions::byName(const QString &name) const
{
    for (QAction *item : m_actions) {
        if (item->objectName() == name)
            return item;
    }
    return nullptr;
}

QList<QAction *> mainActions::treeContextActions() const
{
    QList<QAction *> list;
    for (ActionId id : treeContextEntries)
        list.append(action(id));
    return list;
}

void mainActions::setGroupEnabled(ActionGroup group, bool enabled)
{
    const int bit = 1 << int(group);
    for (const ActionRow &row : actionRows) {
        if (row.groups & bit)
            action(row.id)->setEnabled(enabled);
    }
}

void mainActions::checkLanguage(const QString &code)
{
    const ActionId id = code == QLatin1String("zh_CN")   ? ActionId::SimplifyFcn
                        : code == QLatin1String("zh_TW") ? ActionId::TraditionalFcn
                                                         : ActionId::EnglishFcn;
    action(id)->setCheckable(true);
    action(id)->setChecked(true);
}

void mainActions::retranslate()
{
    for (const ActionRow &row : actionRows) {
        QAction *item = action(row.id);
        item->setText(trMain(row.text));
        item->setStatusTip(trMain(row.statusTip));
        if (row.standardKey != QKeySequence::UnknownKey)
            item->setShortcut(QKeySequence(row.standardKey));
        else if (row.shortcut)
            item->setShortcut(QKeySequence(trMain(row.shortcut)));
    }
    for (QMenu *menu : qAsConst(m_menus))
        menu->setTitle(trMain(menu->property("qcmTitle").toByteArray().constData()));
}

void mainActions::holdFileCommands(bool held)
{
    for (ActionId id : {ActionId::newFile, ActionId::open})
        action(id)->setEnabled(!held);
    for (QAction *recent : m_recentFileActions)
        recent->setEnabled(!held);
}
