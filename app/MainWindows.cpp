#include "MainWindows.h"

#include "colorConversions.h"
#include "conditionCheck.h"
#include "infoPanelRk.h"
#include "itemColumns.h"
#include "judgement.h"
#include "measurementTreeRk.h"
#include "measuringFile.h"
#include "platformIntegration.h"
#include "promptRk.h"
#include "readingRecorderRk.h"
#include "resourcePath.h"
#include "serialPortRk.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QTreeWidget>

namespace {

const char *const context = "MainWindows";

// One row per action: object name (= the slot it triggers), text, status tip,
// icon file, standard key or translatable shortcut text, enabled at start.
struct ActionRow
{
    const char *name;
    const char *text;
    const char *statusTip;
    const char *icon; // nullptr: no icon
    QKeySequence::StandardKey standardKey;
    const char *shortcut; // nullptr: none (or the standard key)
    bool enabled;
};

const ActionRow actionRows[] = {
    {"newFile", QT_TRANSLATE_NOOP("MainWindows", "&New"),
     QT_TRANSLATE_NOOP("MainWindows", "New measuring file!"), "11 file.png", QKeySequence::New,
     nullptr, true},
    {"open", QT_TRANSLATE_NOOP("MainWindows", "&Open"),
     QT_TRANSLATE_NOOP("MainWindows", "Open file!"), "12 file.png", QKeySequence::Open, nullptr,
     true},
    {"save", QT_TRANSLATE_NOOP("MainWindows", "&Save"),
     QT_TRANSLATE_NOOP("MainWindows", "Save file!"), "13 file.png", QKeySequence::Save, nullptr,
     true},
    {"saveAs", QT_TRANSLATE_NOOP("MainWindows", "&Save As..."),
     QT_TRANSLATE_NOOP("MainWindows", "File saved to ..."), "14 file.png", QKeySequence::SaveAs,
     nullptr, true},
    {"printFcn", QT_TRANSLATE_NOOP("MainWindows", "&Print"),
     QT_TRANSLATE_NOOP("MainWindows", "Print file!"), "15 file.png", QKeySequence::Print, nullptr,
     true},
    {"exportToExcelFcn", QT_TRANSLATE_NOOP("MainWindows", "&Export to excel"),
     QT_TRANSLATE_NOOP("MainWindows", "Data export to excel!"), "16 file.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+M"), true},
    {"exit", QT_TRANSLATE_NOOP("MainWindows", "&Exit"),
     QT_TRANSLATE_NOOP("MainWindows", "Exit software!"), "17 file.png", QKeySequence::UnknownKey,
     QT_TRANSLATE_NOOP("MainWindows", "Ctrl+Q"), true},
    {"whiteCalibrationFcn", QT_TRANSLATE_NOOP("MainWindows", "&White Calibration"),
     QT_TRANSLATE_NOOP("MainWindows", "Instrument white calibration!"), "31 cal.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+W"), false},
    {"blackCalibrationFcn", QT_TRANSLATE_NOOP("MainWindows", "&Black Calibration"),
     QT_TRANSLATE_NOOP("MainWindows", "Instrument white calibration!"), "32 cal.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+B"), false},
    {"setMeasurementFcn", QT_TRANSLATE_NOOP("MainWindows", "&Measuring Setting"),
     QT_TRANSLATE_NOOP("MainWindows", "Set measuring conditions!"), "41 setting.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+T"), true},
    {"setTolerance", QT_TRANSLATE_NOOP("MainWindows", "&Tolerance Setting"),
     QT_TRANSLATE_NOOP("MainWindows", "Set tolerance standard!"), "42 setting.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+R"), true},
    {"setAverageTestFcn", QT_TRANSLATE_NOOP("MainWindows", "&Average Measurement"),
     QT_TRANSLATE_NOOP("MainWindows", "Set average measurement!"), "43 setting.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+Y"), true},
    {"configuration", QT_TRANSLATE_NOOP("MainWindows", "&Printing Info. Setting"),
     QT_TRANSLATE_NOOP("MainWindows", "Configurate software parameters!"), "44 setting.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+I"), true},
    {"EnglishFcn", QT_TRANSLATE_NOOP("MainWindows", "&English"),
     QT_TRANSLATE_NOOP("MainWindows", "English!"), nullptr, QKeySequence::UnknownKey, nullptr,
     true},
    {"SimplifyFcn", QT_TRANSLATE_NOOP("MainWindows", "&中文简体"),
     QT_TRANSLATE_NOOP("MainWindows", "中文简体!"), nullptr, QKeySequence::UnknownKey, nullptr,
     true},
    {"TraditionalFcn", QT_TRANSLATE_NOOP("MainWindows", "&中文繁體"),
     QT_TRANSLATE_NOOP("MainWindows", "中文繁體!"), nullptr, QKeySequence::UnknownKey, nullptr,
     true},
    {"tTestFcn", QT_TRANSLATE_NOOP("MainWindows", "&Type Measurement"),
     QT_TRANSLATE_NOOP("MainWindows", "Type measure!"), "51 measure.png", QKeySequence::UnknownKey,
     QT_TRANSLATE_NOOP("MainWindows", "T"), false},
    {"sTestFcn", QT_TRANSLATE_NOOP("MainWindows", "&Sample Measurement"),
     QT_TRANSLATE_NOOP("MainWindows", "Sample measure!"), "52 measure.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "S"), false},
    {"stTestUiFcn", QT_TRANSLATE_NOOP("MainWindows", "&Measurement Button"),
     QT_TRANSLATE_NOOP("MainWindows", "Active measurement button!"), "53 measure.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "F"), false},
    {"writeTFcn", QT_TRANSLATE_NOOP("MainWindows", "&Manually Type Writing"),
     QT_TRANSLATE_NOOP("MainWindows", "Manually input Type data!"), "54 measure.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+X"), true},
    {"whiteYellowFcn", QT_TRANSLATE_NOOP("MainWindows", "&Whiteness/Yellowness Measurement"),
     QT_TRANSLATE_NOOP("MainWindows", "Whiteness/Yellowness measurement!"), "55 measure.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+U"), false},
    {"dataToPCFcn", QT_TRANSLATE_NOOP("MainWindows", "&Instrument Data Transmit PC"),
     QT_TRANSLATE_NOOP("MainWindows", "stored data in instrument transmit PC"), "61 data.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+G"), false},
    {"standardLibraryFcn", QT_TRANSLATE_NOOP("MainWindows", "&Type Data Library"),
     QT_TRANSLATE_NOOP("MainWindows", "Type data library"), "71 library.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+L"), true},
    {"aboutZENTO", QT_TRANSLATE_NOOP("MainWindows", "&About"),
     QT_TRANSLATE_NOOP("MainWindows", "About QCM"), "81 about.png", QKeySequence::UnknownKey,
     nullptr, true},
    {"itemRenameFcn", QT_TRANSLATE_NOOP("MainWindows", "&Rename"),
     QT_TRANSLATE_NOOP("MainWindows", "Measurement/Type/sample rename!"), "21 operate.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+E"), true},
    {"fastFindFcn", QT_TRANSLATE_NOOP("MainWindows", "&Quick Search"),
     QT_TRANSLATE_NOOP("MainWindows", "Type/sample quick search!"), "22 operate.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+A"), true},
    {"selectionAllFcn", QT_TRANSLATE_NOOP("MainWindows", "&Select All/Select Invert"),
     QT_TRANSLATE_NOOP("MainWindows", "Select all item"), "23 operate.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+D"), true},
    {"deleteChooseItemFcn", QT_TRANSLATE_NOOP("MainWindows", "&Delete Selected Item"),
     QT_TRANSLATE_NOOP("MainWindows", "Delete selected item!"), "24 operate.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+K"), true},
    {"deleteAllItemFcn", QT_TRANSLATE_NOOP("MainWindows", "&Delete All Sample of The Type"),
     QT_TRANSLATE_NOOP("MainWindows", "Delete selected item!"), "25 operate.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+F"), true},
    {"saveAsStandardFcn", QT_TRANSLATE_NOOP("MainWindows", "&Save As Library Color"),
     QT_TRANSLATE_NOOP("MainWindows", "Save as library color!"), "26 operate.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+H"), true},
    {"saveAsStandard2Fcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Selected Item Saved As A Type Library Color"),
     QT_TRANSLATE_NOOP("MainWindows", "The selected item is saved as a Type library color!"),
     "27 operate.png", QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+J"), true},
    {"itemSetAsNewTypeFcn", QT_TRANSLATE_NOOP("MainWindows", "&Item Set As A New Type"),
     QT_TRANSLATE_NOOP("MainWindows", "The selected item is set as a new Type!"), "newType.png",
     QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+C"), true},
    {"itemSetAsCheckItemSampleFcn",
     QT_TRANSLATE_NOOP("MainWindows", "&Item Set As A New Sample of The Checked Type"),
     QT_TRANSLATE_NOOP("MainWindows",
                       "The selected item is set as a new sample of the checked Type!"),
     "addItem.png", QKeySequence::UnknownKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+V"), true},
};

const char *const instrumentActionNames[] = {
    "whiteCalibrationFcn", "blackCalibrationFcn", "tTestFcn",    "sTestFcn",
    "stTestUiFcn",         "whiteYellowFcn",      "dataToPCFcn",
};

QString trMain(const char *text)
{
    return QCoreApplication::translate(context, text);
}

const ActionRow *rowFor(const QString &name)
{
    for (const ActionRow &row : actionRows) {
        if (name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

QSplitter *makeSplitter(Qt::Orientation orientation, const QString &style = QString())
{
    auto *splitter = new QSplitter(orientation);
    if (!style.isEmpty())
        splitter->setStyleSheet(style);
    return splitter;
}

const char *const theme = "blue";

// A splitter lays its children out in proportion to their stretch factors
// times their current sizes, so the sizes start equal to the factors.
void setStretchFactors(QSplitter *splitter, std::initializer_list<int> factors)
{
    QList<int> sizes;
    int index = 0;
    for (int factor : factors) {
        splitter->setStretchFactor(index++, factor);
        sizes << factor * 100;
    }
    splitter->setSizes(sizes);
}

// The language codes and the name a new measurement gets in each of them.
const QStringList &languageCodes()
{
    static const QStringList codes = {"en_US", "zh_CN", "zh_TW"};
    return codes;
}

const QStringList &defaultMeasurementNames()
{
    static const QStringList names = {"New Measurement", QStringLiteral("新建测量"),
                                      QStringLiteral("新建測量")};
    return names;
}

// The window's copy of what the instrument reported.
struct InstrumentCopy
{
    QString model, lightSource, caliber, observer, illumination, lightMode, colorSpace, formula;
    int typeCapacity = 0, typeCount = 0, sampleCapacity = 0, sampleCount = 0;
};

} // namespace

MainWindows::MainWindows(QWidget *parent) : QMainWindow(parent)
{
    // 1. Translator object and state defaults.
    m_translator = new QTranslator(this);
    m_measurementName = tr("New Measurement");

    // 2. Actions, menus, tool bars, status bar.
    createActions();
    createMenus();
    createToolBars();
    createStatusBar();

    // 3. Tree context menu, debounce timer, event-pump timer.
    createContextMenu();
    m_debounceTimer = new QTimer(this);
    m_debounceTimer->setInterval(600);
    m_eventPumpTimer = new QTimer(this);

    // 4. The widget tree.
    createWidgets();

    // 6. Settings (dialogs of later parts are created before this step).
    readSettings();

    // 7. Serial driver.
    ensureSerialDriver();

    // 10-11. Language, texts, layout factors.
    chooseStartLanguage();
    retranslateMainWindow();
    setCentralWidget(m_mainSplitter);
    const QList<QSplitter *> splitters = m_mainSplitter->findChildren<QSplitter *>();
    for (QSplitter *splitter : splitters + QList<QSplitter *>{m_mainSplitter}) {
        for (int i = 0; i < splitter->count(); ++i)
            splitter->handle(i)->setEnabled(false);
    }

    // 12. Connections.
    makeConnections();

    // 14. Icon and the untitled title.
    setWindowIcon(QIcon(resourcePath("./MainPng512.ico")));
    setAcceptDrops(true);
    setCurrentFile(QString());
}

MainWindows::~MainWindows() = default;

QStringList MainWindows::tolerance() const
{
    return {m_delatE, m_nDelatL, m_pDelatL, m_nDelata, m_pDelata, m_nDelatb, m_pDelatb};
}

void MainWindows::createActions()
{
    for (const ActionRow &row : actionRows) {
        auto *action = new QAction(this);
        action->setObjectName(row.name);
        if (row.icon)
            action->setIcon(QIcon(resourcePath(
                QStringLiteral("./icon/%1/%2").arg(theme, QString::fromLatin1(row.icon)))));
        action->setEnabled(row.enabled);
        m_actions.insert(row.name, action);
        m_actionOrder.append(action);
    }
    for (int i = 0; i < recentFileList::shownCount; ++i) {
        auto *action = new QAction(this);
        action->setObjectName(QStringLiteral("recentFile%1").arg(i));
        action->setVisible(false);
        connect(action, &QAction::triggered, this, &MainWindows::openRecentFile);
        m_recentFileActions.append(action);
    }

    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    for (const char *name : {"EnglishFcn", "SimplifyFcn", "TraditionalFcn"})
        m_languageGroup->addAction(m_actions.value(name));

    connect(action("exit"), &QAction::triggered, this, &QWidget::close);
    connect(action("newFile"), &QAction::triggered, this, &MainWindows::newFile);
    connect(action("open"), &QAction::triggered, this, &MainWindows::open);
    connect(action("save"), &QAction::triggered, this, &MainWindows::save);
    connect(action("saveAs"), &QAction::triggered, this, &MainWindows::saveAs);
    connect(action("EnglishFcn"), &QAction::triggered, this, &MainWindows::EnglishFcn);
    connect(action("SimplifyFcn"), &QAction::triggered, this, &MainWindows::SimplifyFcn);
    connect(action("TraditionalFcn"), &QAction::triggered, this, &MainWindows::TraditionalFcn);
    connect(action("aboutZENTO"), &QAction::triggered, this, &MainWindows::aboutZENTO);
}

void MainWindows::createMenus()
{
    auto add = [this](QMenu *menu, std::initializer_list<const char *> names) {
        for (const char *name : names) {
            if (*name == '-')
                menu->addSeparator();
            else
                menu->addAction(action(name));
        }
    };
    m_fileMenu = menuBar()->addMenu(QString());
    add(m_fileMenu, {"newFile", "open", "save", "saveAs", "-", "printFcn", "exportToExcelFcn"});
    m_recentSeparator = m_fileMenu->addSeparator();
    for (QAction *recent : qAsConst(m_recentFileActions))
        m_fileMenu->addAction(recent);
    add(m_fileMenu, {"-", "exit"});

    m_operateMenu = menuBar()->addMenu(QString());
    add(m_operateMenu, {"itemRenameFcn", "fastFindFcn", "selectionAllFcn", "deleteChooseItemFcn",
                        "deleteAllItemFcn", "-", "saveAsStandardFcn", "saveAsStandard2Fcn",
                        "itemSetAsNewTypeFcn", "itemSetAsCheckItemSampleFcn"});
    m_calibrationMenu = menuBar()->addMenu(QString());
    add(m_calibrationMenu, {"whiteCalibrationFcn", "blackCalibrationFcn"});
    m_settingMenu = menuBar()->addMenu(QString());
    add(m_settingMenu,
        {"setMeasurementFcn", "setTolerance", "-", "setAverageTestFcn", "-", "configuration"});
    m_languageMenu = m_settingMenu->addMenu(QString());
    add(m_languageMenu, {"EnglishFcn", "SimplifyFcn", "TraditionalFcn"});
    m_measurementMenu = menuBar()->addMenu(QString());
    add(m_measurementMenu,
        {"tTestFcn", "sTestFcn", "stTestUiFcn", "-", "writeTFcn", "-", "whiteYellowFcn"});
    m_transmissionMenu = menuBar()->addMenu(QString());
    add(m_transmissionMenu, {"dataToPCFcn"});
    m_libraryMenu = menuBar()->addMenu(QString());
    add(m_libraryMenu, {"standardLibraryFcn"});
    m_helpMenu = menuBar()->addMenu(QString());
    add(m_helpMenu, {"aboutZENTO"});
}

void MainWindows::createToolBars()
{
    // Tool-bar titles are set once, before any translation is loaded.
    auto add = [this](const QString &title, std::initializer_list<const char *> names) {
        QToolBar *bar = addToolBar(title);
        bar->setObjectName(title + " tool bar");
        for (const char *name : names)
            bar->addAction(action(name));
    };
    add("File", {"newFile", "open", "save", "printFcn", "exportToExcelFcn"});
    add("Operate", {"itemRenameFcn", "fastFindFcn", "selectionAllFcn", "deleteChooseItemFcn",
                    "deleteAllItemFcn", "saveAsStandardFcn", "saveAsStandard2Fcn",
                    "itemSetAsNewTypeFcn", "itemSetAsCheckItemSampleFcn"});
    add("Calibration", {"whiteCalibrationFcn", "blackCalibrationFcn"});
    add("Setting", {"setMeasurementFcn", "setTolerance", "setAverageTestFcn", "configuration"});
    add("Measurement", {"tTestFcn", "sTestFcn", "stTestUiFcn", "writeTFcn", "whiteYellowFcn"});
    add("Data Transmission", {"dataToPCFcn"});
    add("Type library", {"standardLibraryFcn"});
    setStyleSheet("QToolBar QToolButton{;}");
}

void MainWindows::createContextMenu()
{
    m_treeContextMenu = new QMenu(this);
    for (const char *name :
         {"setTolerance", "configuration", "itemRenameFcn", "fastFindFcn", "selectionAllFcn",
          "deleteChooseItemFcn", "deleteAllItemFcn", "saveAsStandardFcn", "saveAsStandard2Fcn",
          "itemSetAsNewTypeFcn", "itemSetAsCheckItemSampleFcn"})
        m_treeContextMenu->addAction(action(name));
}

void MainWindows::createStatusBar()
{
    statusBar()->setStyleSheet("border-top: 1px solid gray;");
    statusBar()->setSizeGripEnabled(false);
    m_stateLabel = new QLabel(tr("Ready"));
    m_stateLabel->setAlignment(Qt::AlignHCenter);
    m_stateLabel->setMinimumSize(m_stateLabel->sizeHint());
    m_stateLabel->setStyleSheet("border-top: 0px solid;");
    m_connectionLabel = new QLabel;
    m_connectionLabel->setIndent(3);
    m_connectionLabel->setStyleSheet("border-top: 0px solid;");
    statusBar()->addWidget(m_stateLabel, 0);
    statusBar()->addWidget(m_connectionLabel, 1);
}

QLabel *MainWindows::makeCaption()
{
    auto *label = new QLabel;
    QFont font = label->font();
    font.setPointSize(14);
    label->setFont(font);
    label->setFixedHeight(24);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(220, 220, 220));
    label->setPalette(palette);
    return label;
}

void MainWindows::createWidgets()
{
    m_mainSplitter = makeSplitter(Qt::Vertical);
    m_serialPort = new serialPortRk(m_mainSplitter);
    m_mainSplitter->addWidget(m_serialPort);

    QSplitter *work = makeSplitter(Qt::Horizontal);
    work->setAcceptDrops(false);
    m_mainSplitter->addWidget(work);

    m_tree = new QTreeWidget;
    m_tree->setObjectName("measurementTree");
    m_treeModel = new measurementTreeRk(m_tree, this);
    m_recorder = new readingRecorderRk(m_treeModel, &m_conditions, this);
    m_tree->addActions(m_treeContextMenu->actions());
    work->addWidget(m_tree);

    QSplitter *right = makeSplitter(Qt::Vertical);
    work->addWidget(right);
    work->setStretchFactor(1, 1);

    QSplitter *parameterArea = makeSplitter(
        Qt::Vertical, "border:1px solid gray;margin-bottom:2px;margin-left:2px;margin-right:4px;");
    m_parameterCaption = makeCaption();
    m_parameterCaption->setStyleSheet("border:0px;margin:0px");
    parameterArea->addWidget(m_parameterCaption);
    QSplitter *panelRow = makeSplitter(Qt::Horizontal, "border:0px;");
    panelRow->setFocusPolicy(Qt::NoFocus);
    parameterArea->addWidget(panelRow);

    QSplitter *tableColumn = makeSplitter(Qt::Vertical, "border:0px;");
    m_panel = new infoPanelRk(m_treeModel, this);
    tableColumn->addWidget(m_panel->printInfoTable());
    tableColumn->addWidget(m_panel->parameterTable());
    tableColumn->addWidget(m_panel->colorDataTable());
    // The proportions come from the stretch factors alone, not from what
    // the tables would like to show.
    for (QWidget *table : {static_cast<QWidget *>(m_panel->printInfoTable()),
                           static_cast<QWidget *>(m_panel->parameterTable()),
                           static_cast<QWidget *>(m_panel->colorDataTable())})
        table->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setStretchFactors(tableColumn, {3, 3, 10});
    panelRow->addWidget(tableColumn);
    // The simulation swatch and the colour-coordinate chart take these places.
    auto *swatchPlace = new QWidget;
    swatchPlace->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    swatchPlace->setObjectName("swatchPlace");
    auto *chartPlace = new QWidget;
    chartPlace->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    chartPlace->setObjectName("colourChartPlace");
    panelRow->addWidget(swatchPlace);
    panelRow->addWidget(chartPlace);
    setStretchFactors(panelRow, {4, 2, 6});

    right->addWidget(parameterArea);
    m_chartArea = makeSplitter(Qt::Horizontal);
    m_chartArea->setObjectName("chartArea");
    right->addWidget(m_chartArea);
    setStretchFactors(right, {2, 3});

    QSplitter *trendBox =
        makeSplitter(Qt::Vertical, "border: 1px solid gray;margin-bottom:2px;margin-left:2px;");
    m_trendCaption = makeCaption();
    m_trendCaption->setStyleSheet("border: 0px");
    trendBox->addWidget(m_trendCaption);
    auto *trendPlace = new QWidget;
    trendPlace->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    trendPlace->setObjectName("trendPlotPlace");
    trendBox->addWidget(trendPlace);
    m_chartArea->addWidget(trendBox);

    QSplitter *deviationBox =
        makeSplitter(Qt::Vertical,
                     "border: 1px solid gray;margin-bottom:2px;margin-left:2px;;margin-right:4px;");
    m_deviationCaption = makeCaption();
    m_deviationCaption->setStyleSheet("border: 0px");
    deviationBox->addWidget(m_deviationCaption);
    QSplitter *deviationCharts = makeSplitter(Qt::Horizontal, "border: 0px");
    auto *lightnessPlace = new QWidget;
    lightnessPlace->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    lightnessPlace->setObjectName("lightnessChartPlace");
    lightnessPlace->setStyleSheet("border: 0px");
    auto *chromaticPlace = new QWidget;
    chromaticPlace->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    chromaticPlace->setObjectName("chromaticChartPlace");
    chromaticPlace->setStyleSheet("border: 0px");
    deviationCharts->addWidget(lightnessPlace);
    deviationCharts->addWidget(chromaticPlace);
    setStretchFactors(deviationCharts, {1, 2});
    deviationBox->addWidget(deviationCharts);
    m_chartArea->addWidget(deviationBox);
}

void MainWindows::applyChartAreaStretch()
{
    if (m_chinese)
        setStretchFactors(m_chartArea, {1, 5});
    else
        setStretchFactors(m_chartArea, {21, 30});
}

void MainWindows::makeConnections()
{
    connect(m_debounceTimer, &QTimer::timeout, this, &MainWindows::tsTestTimeSlot);
    connect(m_eventPumpTimer, &QTimer::timeout, this, &MainWindows::qAppTimeSlot);
    connect(m_serialPort, &serialPortRk::getInstrumentInfoSignal, this,
            &MainWindows::getInstrumentInfo);
    connect(m_serialPort, &serialPortRk::portClosedSignal, this, &MainWindows::portClosed);
    connect(m_serialPort, &serialPortRk::generateTItemSignal, this, &MainWindows::generateTItem);
    connect(m_serialPort, &serialPortRk::generateSItemSignal, this, &MainWindows::generateSItem);
    connect(m_serialPort, &serialPortRk::TTestSignal, this, &MainWindows::TTestCheckSlot);
    connect(m_serialPort, &serialPortRk::STestSignal, this, &MainWindows::STestCheckSlot);
    connect(this, &MainWindows::TTestCheckSignal, m_serialPort, &serialPortRk::TTestCheckOK);
    connect(this, &MainWindows::STestCheckSignal, m_serialPort, &serialPortRk::STestCheckOK);
    connect(this, &MainWindows::portInfoLostSignal, m_serialPort, &serialPortRk::restartPort);
    connect(this, &MainWindows::tTestSignal, m_serialPort, &serialPortRk::tTestSlot);
    connect(this, &MainWindows::sTestSignal, m_serialPort, &serialPortRk::sTestSlot);
    connect(this, &MainWindows::whiteCalibrationSignal, m_serialPort,
            &serialPortRk::whiteCalibration);
    connect(this, &MainWindows::blackCalibrationSignal, m_serialPort,
            &serialPortRk::blackCalibration);
    connect(m_serialPort, &serialPortRk::whiteYellowParameterSignal, this,
            &MainWindows::whiteYellowValueSlot);
    connect(m_serialPort, &serialPortRk::testSignal, this, &MainWindows::testButtonIndexSlot);

    connect(m_tree, &QTreeWidget::itemChanged, this, &MainWindows::treeItemChanged);
    connect(m_tree, &QTreeWidget::itemPressed, this, &MainWindows::treeItemIsPressed);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this,
            &MainWindows::treeItemSelectionChanged);
    connect(m_recorder, &readingRecorderRk::portInfoLostSignal, this,
            &MainWindows::portInfoLostSignal);
    connect(m_recorder, &readingRecorderRk::averagedItemUpdated, m_panel,
            &infoPanelRk::showItemConditions);
    connect(m_panel, &infoPanelRk::pressedColorSpace, this, &MainWindows::emitDeviationBounds);

    setMeasureActionsConnected(true);
    connect(action("whiteCalibrationFcn"), &QAction::triggered, this,
            &MainWindows::whiteCalibrationFcn);
    connect(action("blackCalibrationFcn"), &QAction::triggered, this,
            &MainWindows::blackCalibrationFcn);
}

void MainWindows::readSettings()
{
    QSettings settings("SoftWare Inc.", "qcm");

    restoreGeometry(settings.value("geometry").toByteArray());
    if (settings.contains("pos"))
        move(settings.value("pos").toPoint());
    if (settings.contains("size"))
        resize(settings.value("size").toSize());
    if (settings.value("maximized", false).toBool())
        setWindowState(windowState() | Qt::WindowMaximized);

    m_recentFiles.setPaths(settings.value("recentFiles").toStringList());
    updateRecentFileActions();

    const bool timeFlag = settings.value("timeFlag", false).toBool();
    setPrintMsg(tr("New Measurement"), settings.value("companyName").toString(),
                settings.value("printTime").toString(), settings.value("departmentName").toString(),
                settings.value("operatorName").toString(), settings.value("productName").toString(),
                timeFlag);

    QStringList storedTexts;
    for (const QString &key : Tolerance::keys())
        storedTexts.append(settings.value(key).toString());
    const Tolerance checked = checkedStoredTolerance(Tolerance::fromList(storedTexts));
    setTolerance(checked.delatE, checked.nDelatL, checked.pDelatL, checked.nDelata, checked.pDelata,
                 checked.nDelatb, checked.pDelatb);

    auto text = [&settings](const char *key, const char *fallback) {
        const QString value = settings.value(key).toString();
        return value.isEmpty() && fallback ? QString::fromUtf8(fallback) : value;
    };
    m_conditions.standardLight = text("standardLightPC", "D65");
    m_conditions.colorSpace = text("colorSpacePC", "CIE1976L*a*b*");
    m_conditions.colorDiffFormula = text("colorDiffFormulaPC", "△ELab");
    m_conditions.SCISCE = text("SCISCEPC", "SCI");
    m_conditions.averageTestTime = text("averageTestTimePC", "1");
    m_conditions.averageTestCount = text("averageTestCountPC", nullptr);
    m_averageMode = m_conditions.averageTestTime.toInt() > 1;
    m_recorder->setAverageMode(m_averageMode);

    m_libraryDirectory = settings.value("fileDirectory").toString();
    m_languageCode = settings.value("languageChoose").toString();
}

void MainWindows::writeSettings()
{
    QSettings settings("SoftWare Inc.", "qcm");
    settings.setValue("pos", pos());
    settings.setValue("size", size());
    settings.setValue("maximized", isMaximized());
    settings.setValue("geometry", saveGeometry());
    settings.setValue("recentFiles", m_recentFiles.paths());
    settings.setValue("timeFlag", m_timeFlag);
    settings.setValue("newName", m_measurementName);
    settings.setValue("companyName", m_company);
    settings.setValue("printTime", m_printTime);
    settings.setValue("departmentName", m_department);
    settings.setValue("operatorName", m_measurementPerson);
    settings.setValue("productName", m_productTested);
    settings.setValue("standardLightPC", m_conditions.standardLight);
    settings.setValue("colorSpacePC", m_conditions.colorSpace);
    settings.setValue("colorDiffFormulaPC", m_conditions.colorDiffFormula);
    settings.setValue("SCISCEPC", m_conditions.SCISCE);
    settings.setValue("averageTestTimePC", m_conditions.averageTestTime);
    settings.setValue("averageTestCountPC", m_conditions.averageTestCount);
    settings.setValue("delatE", m_delatE);
    settings.setValue("nDelatL", m_nDelatL);
    settings.setValue("pDelatL", m_pDelatL);
    settings.setValue("nDelata", m_nDelata);
    settings.setValue("pDelata", m_pDelata);
    settings.setValue("nDelatb", m_nDelatb);
    settings.setValue("pDelatb", m_pDelatb);
    settings.setValue("fileDirectory", m_libraryDirectory);
    settings.setValue("languageChoose", m_languageCode);
}

void MainWindows::loadTranslation(const QString &pathWithoutSuffix)
{
    // A file that cannot be loaded leaves the translator empty: English.
    QString path = pathWithoutSuffix;
    if (!path.endsWith(QLatin1String(".qm")))
        path += QLatin1String(".qm");
    if (!m_translator->load(resourcePath(path)))
        m_translator->load(QString());
}

void MainWindows::chooseStartLanguage()
{
    qApp->installTranslator(m_translator);
    if (m_languageCode == QLatin1String("zh_CN")) {
        action("SimplifyFcn")->setCheckable(true);
        action("SimplifyFcn")->setChecked(true);
        m_chinese = true;
        loadTranslation("./language/zh_CN");
    } else if (m_languageCode == QLatin1String("zh_TW")) {
        action("TraditionalFcn")->setCheckable(true);
        action("TraditionalFcn")->setChecked(true);
        m_chinese = true;
        loadTranslation("./language/zh_TW");
    } else if (m_languageCode == QLatin1String("en_US")) {
        action("EnglishFcn")->setCheckable(true);
        action("EnglishFcn")->setChecked(true);
        m_chinese = false;
        loadTranslation("./language/en_US");
    } else {
        const QString system = QLocale::system().name();
        const char *name = system == QLatin1String("zh_CN")   ? "SimplifyFcn"
                           : system == QLatin1String("zh_TW") ? "TraditionalFcn"
                                                              : "EnglishFcn";
        action(name)->setCheckable(true);
        action(name)->setChecked(true);
        m_chinese = system == QLatin1String("zh_CN") || system == QLatin1String("zh_TW");
        loadTranslation("./language/" + system);
    }
}

void MainWindows::EnglishFcn()
{
    action("EnglishFcn")->setCheckable(true);
    action("EnglishFcn")->setChecked(true);
    m_languageCode = "en_US";
    loadTranslation("./en_US.qm");
    m_chinese = false;
    retranslateMainWindow();
}

void MainWindows::SimplifyFcn()
{
    action("SimplifyFcn")->setCheckable(true);
    action("SimplifyFcn")->setChecked(true);
    m_languageCode = "zh_CN";
    loadTranslation("./language/zh_CN.qm");
    m_chinese = true;
    retranslateMainWindow();
}

void MainWindows::TraditionalFcn()
{
    action("TraditionalFcn")->setCheckable(true);
    action("TraditionalFcn")->setChecked(true);
    m_languageCode = "zh_TW";
    loadTranslation("./language/zh_TW.qm");
    m_chinese = true;
    retranslateMainWindow();
}

void MainWindows::retranslateMainWindow()
{
    applyChartAreaStretch();

    m_parameterCaption->setText(tr("Measuring Parameters"));
    m_trendCaption->setText(tr("Color Difference Changing Graph"));
    m_deviationCaption->setText(tr("Color Difference Deflection"));

    for (QAction *item : qAsConst(m_actionOrder)) {
        const ActionRow *row = rowFor(item->objectName());
        item->setText(trMain(row->text));
        item->setStatusTip(trMain(row->statusTip));
        if (row->standardKey != QKeySequence::UnknownKey)
            item->setShortcut(QKeySequence(row->standardKey));
        else if (row->shortcut)
            item->setShortcut(QKeySequence(trMain(row->shortcut)));
    }
    m_fileMenu->setTitle(tr("&File"));
    m_operateMenu->setTitle(tr("&Operate"));
    m_calibrationMenu->setTitle(tr("&Calibration"));
    m_settingMenu->setTitle(tr("&Setting"));
    m_languageMenu->setTitle(tr("Language"));
    m_measurementMenu->setTitle(tr("&Measurement"));
    m_transmissionMenu->setTitle(tr("&Data Transmission"));
    m_libraryMenu->setTitle(tr("&Type library"));
    m_helpMenu->setTitle(tr("&Help"));

    // Before the first search the left label reads "Ready"; afterwards the
    // texts follow the connection.
    if (m_instrumentConnected) {
        portOpenOK();
    } else if (m_connectionText.isEmpty()) {
        m_stateLabel->setText(tr("Ready"));
    } else {
        m_connectionText = tr("Disconnected");
        updateStatusBar();
    }

    // A measurement name still at its untranslated default follows the language.
    if (defaultMeasurementNames().contains(m_measurementName))
        m_measurementName = tr("New Measurement");
    m_treeModel->retranslate(m_measurementName);
    m_panel->retranslate();
    measurementTreeRk::setRowValue(m_treeModel->printRow(measurementTreeRk::printNameRow),
                                   QStringLiteral("[%1]").arg(m_measurementName));
    m_serialPort->retranslate();
    update();
}

QSize MainWindows::dialogSize(const QString &dialogClass, bool chinese)
{
    struct Row
    {
        const char *name;
        QSize chinese, other;
    };
    static const Row rows[] = {
        {"averageTestRk", {220, 120}, {280, 120}},
        {"checkExportToExcelRk", {360, 250}, {540, 250}},
        {"standardLibraryRk", {1080, 600}, {1080, 600}},
        {"fastFindRk", {200, 80}, {200, 80}},
        {"itemRenameRk", {200, 80}, {200, 80}},
        {"printMsgConfigRk", {360, 240}, {420, 240}},
        {"setMeasurementRk", {200, 180}, {280, 180}},
        {"printRk", {440, 500}, {500, 500}},
        {"whiteYellowRk", {200, 290}, {280, 290}},
        {"writeTRk", {200, 290}, {260, 290}},
    };
    for (const Row &row : rows) {
        if (dialogClass == QLatin1String(row.name))
            return chinese ? row.chinese : row.other;
    }
    return {};
}

void MainWindows::aboutZENTO()
{
    promptRk::information(this, tr("About QCM"),
                          tr("<h2>QCM 1.0</h2><p>Colour quality control for the hand-held "
                             "colorimeter: measure Types and Samples, judge colour differences, "
                             "plot trends, keep colour libraries, print reports and export "
                             "workbooks.</p>"));
}

void MainWindows::updateStatusBar()
{
    m_stateLabel->setText(m_stateText);
    m_connectionLabel->setText(m_connectionText);
}

void MainWindows::addRecentFile(const QString &path)
{
    m_recentFiles.add(path);
    updateRecentFileActions();
}

void MainWindows::updateRecentFileActions()
{
    m_recentFiles.removeMissing([](const QString &path) { return QFileInfo::exists(path); });
    const QStringList shown = m_recentFiles.shown();
    for (int i = 0; i < m_recentFileActions.size(); ++i) {
        QAction *recent = m_recentFileActions.at(i);
        if (i < shown.size()) {
            recent->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(shown.at(i)).fileName()));
            recent->setData(shown.at(i));
            recent->setVisible(true);
        } else {
            recent->setVisible(false);
        }
    }
    if (m_recentSeparator)
        m_recentSeparator->setVisible(!shown.isEmpty());
}

void MainWindows::setPrintMsg(const QString &measurementName, const QString &company,
                              const QString &printTime, const QString &department,
                              const QString &measurementPerson, const QString &productTested,
                              bool timeFlag)
{
    m_measurementName = measurementName;
    m_company = company;
    m_printTime = printTime;
    m_department = department;
    m_measurementPerson = measurementPerson;
    m_productTested = productTested;
    m_timeFlag = timeFlag;
    using T = measurementTreeRk;
    T::setRowValue(m_treeModel->printRow(T::printNameRow),
                   QStringLiteral("[%1]").arg(measurementName));
    T::setRowValue(m_treeModel->printRow(T::printCompanyRow), company);
    T::setRowValue(m_treeModel->printRow(T::printTimeRow), printTime);
    T::setRowValue(m_treeModel->printRow(T::printDepartmentRow), department);
    T::setRowValue(m_treeModel->printRow(T::printPersonRow), measurementPerson);
    T::setRowValue(m_treeModel->printRow(T::printProductRow), productTested);
}

void MainWindows::setInstrumentActionsEnabled(bool enabled)
{
    for (const char *name : instrumentActionNames)
        action(name)->setEnabled(enabled);
}

void MainWindows::qAppTimeSlot()
{
    QCoreApplication::processEvents();
}

void MainWindows::closeEvent(QCloseEvent *event)
{
    if (maybeSave()) {
        writeSettings();
        event->accept();
    } else {
        event->ignore();
    }
}

// --- Tolerance ---------------------------------------------------------------

void MainWindows::setTolerance(const QString &delatE, const QString &nDelatL,
                               const QString &pDelatL, const QString &nDelata,
                               const QString &pDelata, const QString &nDelatb,
                               const QString &pDelatb)
{
    for (int row = 0; row < measurementTreeRk::toleranceRowCount; ++row) {
        m_treeModel->toleranceRow(row)->setText(0, QString());
        m_treeModel->toleranceRow(row)->setToolTip(0, QString());
    }
    const Tolerance kept = normalizedTolerance(
        Tolerance::fromList({delatE, nDelatL, pDelatL, nDelata, pDelata, nDelatb, pDelatb}));
    m_delatE = kept.delatE;
    m_nDelatL = kept.nDelatL;
    m_pDelatL = kept.pDelatL;
    m_nDelata = kept.nDelata;
    m_pDelata = kept.pDelata;
    m_nDelatb = kept.nDelatb;
    m_pDelatb = kept.pDelatb;
    const QStringList rows = toleranceRowTexts(kept);
    for (int row = 0; row < measurementTreeRk::toleranceRowCount; ++row) {
        m_treeModel->toleranceRow(row)->setText(0, rows[row]);
        m_treeModel->toleranceRow(row)->setToolTip(0, rows[row]);
    }
    if (!m_fileLoading)
        rejudgeCurrentItem();
    if (!m_startupPhase)
        m_serialPort->showInfo(tr("Succeed to set tolerance."));
    emit trendToleranceSignal(m_delatE.toFloat(), m_conditions.colorDiffFormula);
    emitDeviationBounds(m_conditions.colorSpace);
}

void MainWindows::emitDeviationBounds(const QString &colorSpace)
{
    emit toPainterDeltaLabSignal(colorSpace, m_pDelatL, m_nDelatL, m_pDelata, m_nDelata, m_pDelatb,
                                 m_nDelatb);
}

void MainWindows::rejudgeCurrentItem()
{
    QTreeWidgetItem *item =
        m_treeModel->typeCount() > 0 ? m_tree->currentItem() : m_treeModel->measurementRoot();
    treeItemIsPressed(item, 0);
}

// --- Instrument state --------------------------------------------------------

void MainWindows::showMeasuringParameters()
{
    using T = measurementTreeRk;
    const MeasuringConditions &c = m_conditions;
    T::setRowValue(m_treeModel->parameterRow(T::parameterLightRow), c.standardLight);
    T::setRowValue(m_treeModel->parameterRow(T::parameterObserverRow), c.observer);
    T::setRowValue(m_treeModel->parameterRow(T::parameterIlluminationRow), c.illuminationMode);
    T::setRowValue(m_treeModel->parameterRow(T::parameterCaliberRow), c.caliber);
    T::setRowValue(m_treeModel->parameterRow(T::parameterLightModeRow), c.SCISCE);
    T::setRowValue(m_treeModel->parameterRow(T::parameterColorSpaceRow), c.colorSpace);
    T::setRowValue(m_treeModel->parameterRow(T::parameterFormulaRow), c.colorDiffFormula);
    T::setRowValue(m_treeModel->parameterRow(T::parameterAverageRow), c.averageTestTime);
}

void MainWindows::getInstrumentInfo()
{
    InstrumentCopy info;
    m_serialPort->instrumentInfo(info.model, info.lightSource, info.caliber, info.observer,
                                 info.illumination, info.lightMode, info.colorSpace, info.formula,
                                 info.typeCapacity, info.typeCount, info.sampleCapacity,
                                 info.sampleCount);
    m_instrumentModel = info.model;

    using T = measurementTreeRk;
    const QString values[] = {
        info.model,
        QStringLiteral("400nm-700nm"),
        info.lightSource,
        info.observer,
        info.illumination,
        info.caliber,
        info.lightMode,
        info.colorSpace,
        info.formula,
        QStringLiteral("%1/%2").arg(info.typeCount).arg(info.typeCapacity),
        QStringLiteral("%1/%2").arg(info.sampleCount).arg(info.sampleCapacity)};
    for (int row = 0; row < T::instrumentRowCount; ++row)
        T::setRowValue(m_treeModel->instrumentRow(row), values[row]);

    m_instrumentConnected = true;
    setInstrumentActionsEnabled(true);
    const bool canCalibrate =
        info.model == QLatin1String("PX71") || info.model == QLatin1String("QM-64");
    action("whiteCalibrationFcn")->setEnabled(canCalibrate);
    action("blackCalibrationFcn")->setEnabled(canCalibrate);

    m_conditions.instrumentModel = info.model;
    m_conditions.caliber = info.caliber;
    m_conditions.observer = info.observer;
    m_conditions.illuminationMode = info.illumination;
    showMeasuringParameters();
    emit standardLibraryParameter(m_conditions.colorSpace, m_conditions.colorDiffFormula);

    portOpenOK();
    if (m_startupPhase) {
        showPrintInfo();
        m_startupPhase = false;
    }
    setComponentHeaders(m_conditions.colorSpace, m_conditions.colorDiffFormula);
}

void MainWindows::portOpenOK()
{
    m_stateText = tr("Ready");
    m_connectionText = QStringLiteral("%1%2    %3: %4")
                           .arg(tr("connected to instrument:"), m_instrumentModel, tr("Port"),
                                m_serialPort->portName());
    updateStatusBar();
}

void MainWindows::portClosed()
{
    m_instrumentConnected = false;
    m_instrumentModel.clear();
    m_stateText.clear();
    m_connectionText = tr("Disconnected");
    m_treeModel->clearInstrumentAndParameterValues();
    setInstrumentActionsEnabled(false);
    updateStatusBar();
    m_serialPort->showInfo(tr("Instrument and computer disconnected!"));
}

// --- Measurement road --------------------------------------------------------

void MainWindows::setMeasureActionsConnected(bool connected)
{
    if (connected) {
        connect(action("tTestFcn"), &QAction::triggered, this, &MainWindows::tTestFcn,
                Qt::UniqueConnection);
        connect(action("sTestFcn"), &QAction::triggered, this, &MainWindows::sTestFcn,
                Qt::UniqueConnection);
    } else {
        disconnect(action("tTestFcn"), &QAction::triggered, this, &MainWindows::tTestFcn);
        disconnect(action("sTestFcn"), &QAction::triggered, this, &MainWindows::sTestFcn);
    }
}

void MainWindows::tTestFcn()
{
    // A second press within 600 ms does nothing: one reading per press.
    m_debounceTimer->start(600);
    setMeasureActionsConnected(false);
    emit tTestSignal();
}

void MainWindows::sTestFcn()
{
    m_debounceTimer->start(600);
    setMeasureActionsConnected(false);
    emit sTestSignal();
}

void MainWindows::tsTestTimeSlot()
{
    m_debounceTimer->stop();
    setMeasureActionsConnected(true);
}

void MainWindows::TTestCheckSlot()
{
    const QStringList c = conditionCheck::linkStrings(m_conditions);
    emit TTestCheckSignal(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]);
}

bool MainWindows::conditionsAgreeWithCurrentType(const MeasuringConditions &conditions)
{
    QTreeWidgetItem *type = m_treeModel->typeOf(currentItemOrRoot());
    if (!type)
        return false;
    const conditionCheck::Mismatch mismatch = conditionCheck::firstMismatch(type, conditions);
    if (mismatch != conditionCheck::noMismatch) {
        promptRk::information(nullptr, tr("Tips"), conditionCheck::message(mismatch));
        return false;
    }
    return true;
}

bool MainWindows::STestCheck(QTreeWidgetItem *item)
{
    return item && conditionsAgreeWithCurrentType(conditionCheck::conditionsOf(item));
}

void MainWindows::STestCheckSlot()
{
    if (!conditionsAgreeWithCurrentType(m_conditions))
        return;
    const QStringList c = conditionCheck::linkStrings(m_conditions);
    emit STestCheckSignal(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]);
}

void MainWindows::generateTItem(float L, float a, float b)
{
    m_recorder->typeReading(L, a, b);
}

void MainWindows::generateSItem(float L, float a, float b)
{
    m_recorder->sampleReading(L, a, b);
}

QTreeWidgetItem *MainWindows::addTypeItem(float v1, float v2, float v3, const QString &name,
                                          const QStringList &columns5to15)
{
    return m_treeModel->addTypeItem(v1, v2, v3, name, columns5to15);
}

QTreeWidgetItem *MainWindows::addSampleItem(float v1, float v2, float v3,
                                            QTreeWidgetItem *parentType, const QString &name,
                                            const QStringList &columns5to15)
{
    return m_treeModel->addSampleItem(v1, v2, v3, parentType, name, columns5to15);
}

QString MainWindows::lastItemNumber(QTreeWidgetItem *item) const
{
    return m_treeModel->lastItemNumber(item);
}

QTreeWidgetItem *MainWindows::currentItemOrRoot()
{
    return m_recorder->currentItemOrRoot();
}

void MainWindows::clearMeasurement()
{
    m_recorder->resetAveraging();
    m_treeModel->clearItems();
    m_panel->clearValues(m_conditions.colorDiffFormula);
    measurementTreeRk::setRowValue(m_treeModel->printRow(measurementTreeRk::printNameRow),
                                   tr("New Measurement"));
    const int language = languageCodes().indexOf(m_languageCode);
    if (language >= 0)
        m_measurementName = defaultMeasurementNames().at(language);
    const QString rootText = tr("Measuring Name:") + m_measurementName;
    m_treeModel->measurementRoot()->setText(0, rootText);
    m_treeModel->measurementRoot()->setToolTip(0, rootText);
}

void MainWindows::whiteCalibrationFcn()
{
    if (promptRk::warning(this, tr("Tips"), tr("Do you want white calibration?"),
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        emit whiteCalibrationSignal();
}

void MainWindows::blackCalibrationFcn()
{
    if (promptRk::warning(this, tr("Tips"), tr("Do you want black calibration?"),
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        emit blackCalibrationSignal();
}

void MainWindows::whiteYellowValueSlot(float L, float a, float b)
{
    const ColorTriple xyz = labToXyz(L, a, b);
    const ColorTriple hunter = xyzToHunterLab(xyz[0], xyz[1], xyz[2]);
    emit whiteYellowValueSignal({xyz[0], xyz[1], xyz[2], hunter[0], hunter[1], hunter[2]});
}

void MainWindows::testButtonIndexSlot(float L, float a, float b)
{
    const QList<float> v = colorSpaceValues(L, a, b, m_conditions.colorSpace);
    if (v.size() == 3)
        emit testButtonIndexSignal(v[0], v[1], v[2]);
}

// --- Tree and panel ----------------------------------------------------------

void MainWindows::treeItemChanged(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    m_treeModel->propagateCheckState(item);
}

void MainWindows::treeItemIsPressed(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    m_panel->pressItem(item, Tolerance::fromList(tolerance()));
}

void MainWindows::treeItemSelectionChanged()
{
    for (int t = m_treeModel->typeCount() - 1; t >= 0; --t) {
        QTreeWidgetItem *type = m_treeModel->type(t);
        if (type->isSelected())
            treeItemIsPressed(type, 0);
        for (int s = type->childCount() - 1; s >= 0; --s) {
            if (type->child(s)->isSelected())
                treeItemIsPressed(type->child(s), 0);
        }
    }
}

void MainWindows::showPrintInfo()
{
    m_panel->showPrintInfo(m_company, m_measurementPerson, m_department, m_productTested);
}

void MainWindows::setComponentHeaders(const QString &colorSpace, const QString &formula)
{
    m_panel->setComponentHeaders(colorSpace, formula);
}

// --- Measuring files -----------------------------------------------------------

QString MainWindows::effectiveLanguage() const
{
    // The prefix of the root's text is the one of the translation actually
    // loaded, which for an empty language code is the system's.
    const QString prefix = tr("Measuring Name:");
    for (const char *code : {"zh_CN", "zh_TW"}) {
        if (prefix == measuringNamePrefix(QLatin1String(code)))
            return QLatin1String(code);
    }
    return QStringLiteral("en_US");
}

QString MainWindows::fileFilter() const
{
    return QStringLiteral("QCM ") + tr("files") + QStringLiteral(" (*.qcm)");
}

bool MainWindows::saveFile(const QString &path)
{
    // Written beside the old file and renamed over it at the end, so a failed
    // or interrupted save leaves the previous file intact.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        promptRk::warning(this, tr("QCM"),
                          tr("Cannot write file") +
                              QStringLiteral(" %1:\n%2.").arg(path, file.errorString()));
        return false;
    }
    MeasuringFileHeader header;
    header.setToleranceTexts(tolerance());
    header.setPrintTexts({m_measurementName, m_company, m_printTime, m_department,
                          m_measurementPerson, m_productTested});

    QApplication::setOverrideCursor(Qt::WaitCursor);
    MeasuringFileTypes types;
    types.reserve(m_treeModel->typeCount());
    for (int t = 0; t < m_treeModel->typeCount(); ++t) {
        QTreeWidgetItem *typeItem = m_treeModel->type(t);
        MeasuringFileType type;
        type.columns = measurementTreeRk::columnTexts(typeItem);
        type.samples.reserve(typeItem->childCount());
        for (int s = 0; s < typeItem->childCount(); ++s)
            type.samples.append(measurementTreeRk::columnTexts(typeItem->child(s)));
        types.append(type);
    }
    const bool written =
        writeMeasuringFile(&file, header, m_treeModel->measurementRoot()->text(0), types) &&
        file.commit();
    QApplication::restoreOverrideCursor();
    if (!written) {
        promptRk::warning(this, tr("QCM"),
                          tr("Cannot write file") +
                              QStringLiteral(" %1:\n%2.").arg(path, file.errorString()));
        return false;
    }
    return true;
}

bool MainWindows::loadFile(const QString &path)
{
    m_fileLoading = true;
    m_eventPumpTimer->start(100);
    const auto done = qScopeGuard([this] {
        m_eventPumpTimer->stop();
        m_fileLoading = false;
    });

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        promptRk::warning(this, tr("QCM"),
                          tr("Cannot read file") +
                              QStringLiteral(" %1:\n%2.").arg(path, file.errorString()));
        return false;
    }
    MeasuringFileHeader header;
    QVector<ItemRecord> records;
    const MeasuringFileStatus status = readMeasuringFile(&file, &header, &records);
    if (status == MeasuringFileStatus::NotAQcmFile) {
        promptRk::warning(this, tr("QCM"), tr("The file is not a qcm file."));
        return false;
    }
    if (status == MeasuringFileStatus::ReadError) {
        promptRk::warning(this, tr("QCM"),
                          tr("Cannot read file") +
                              QStringLiteral(" %1:\n%2.").arg(path, file.errorString()));
        return false;
    }

    clearMeasurement();
    const QString language = effectiveLanguage();
    const QString rootText = measuringNamePrefix(language) + header.measurementName;
    m_treeModel->measurementRoot()->setText(0, rootText);
    m_treeModel->measurementRoot()->setToolTip(0, rootText);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const MeasuringFileTypes types =
        classifyMeasuringRecords(records, rootText, measuringNamePrefixLength(language));
    int total = 0;
    for (const MeasuringFileType &type : types)
        total += 1 + type.samples.size();
    m_serialPort->startProgress(total);
    m_serialPort->showInfo(tr("Loading file ... "));
    int loaded = 0;
    for (const MeasuringFileType &type : types) {
        m_treeModel->addLoadedType(type.columns, type.samples);
        loaded += 1 + type.samples.size();
        m_serialPort->setProgressValue(loaded);
    }

    const QStringList toleranceTexts = header.toleranceTexts();
    setTolerance(toleranceTexts[0], toleranceTexts[1], toleranceTexts[2], toleranceTexts[3],
                 toleranceTexts[4], toleranceTexts[5], toleranceTexts[6]);
    const QStringList print = header.printTexts();
    setPrintMsg(print[0], print[1], print[2], print[3], print[4], print[5], m_timeFlag);

    QApplication::restoreOverrideCursor();
    m_serialPort->finishProgress(total);
    m_serialPort->showInfo(tr("Loaded finished"));
    return true;
}

void MainWindows::setCurrentFile(const QString &path)
{
    m_curFile = path;
    if (!path.isEmpty()) {
        addRecentFile(path);
        m_savedItemCount = m_treeModel->itemCount();
    } else {
        m_savedItemCount = 0;
    }
    const QString shown = path.isEmpty() ? tr("Untitled [*]") : QFileInfo(path).fileName();
    setWindowTitle(tr("Color Software QCM  ") + QStringLiteral("%1 - %3").arg(shown, tr("QCM")));
}

bool MainWindows::isModified() const
{
    return m_treeModel->itemCount() != m_savedItemCount;
}

bool MainWindows::maybeSave()
{
    if (!isModified())
        return true;
    const QMessageBox::StandardButton answer = promptRk::warning(
        this, tr("QCM"), tr("The document has been modified.\nDo you want to save your changes?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return m_curFile.isEmpty() ? saveAs() : saveTo(m_curFile);
    return answer == QMessageBox::No;
}

bool MainWindows::saveTo(const QString &path)
{
    if (saveFile(path)) {
        setCurrentFile(path);
        statusBar()->showMessage(tr("File saved"), 5000);
        return true;
    }
    statusBar()->showMessage(tr("Saving canceled"), 5000);
    return false;
}

bool MainWindows::save()
{
    return m_curFile.isEmpty() ? saveAs() : saveTo(m_curFile);
}

bool MainWindows::saveAs()
{
    m_serialPort->startWatcher();
    QCoreApplication::processEvents();
    const QString path =
        promptRk::getSaveFileName(this, tr("Save") + QStringLiteral(" QCM"), ".", fileFilter());
    m_serialPort->stopWatcher();
    if (path.isEmpty())
        return false;
    return saveTo(path);
}

void MainWindows::open()
{
    m_serialPort->startWatcher();
    if (maybeSave()) {
        QCoreApplication::processEvents();
        const QString path =
            promptRk::getOpenFileName(this, tr("Open") + QStringLiteral(" QCM"), ".", fileFilter());
        if (!path.isEmpty())
            openFileAtStart(path);
    }
    m_serialPort->stopWatcher();
}

void MainWindows::newFile()
{
    if (maybeSave()) {
        clearMeasurement();
        setCurrentFile(QString());
    }
}

void MainWindows::openRecentFile()
{
    auto *recent = qobject_cast<QAction *>(sender());
    if (recent && maybeSave())
        openFileAtStart(recent->data().toString());
}

bool MainWindows::openFileAtStart(const QString &path)
{
    if (loadFile(path)) {
        setCurrentFile(path);
        statusBar()->showMessage(tr("File loaded"), 5000);
        return true;
    }
    statusBar()->showMessage(tr("Loading canceled"), 5000);
    return false;
}

void MainWindows::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindows::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    const QString path = urls.first().toLocalFile();
    if (!path.isEmpty() && maybeSave() && loadFile(path))
        setCurrentFile(path);
}
