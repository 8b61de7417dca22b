#include "MainWindows.h"

#include "averageTestRk.h"
#include "chartSet.h"
#include "colorConversions.h"
#include "deviationCharts.h"
#include "exportCommand.h"
#include "fastFindRk.h"
#include "fixedSizeDialog.h"
#include "historyKeeper.h"
#include "historyCommands.h"
#include "infoPanelRk.h"
#include "instrumentDisplay.h"
#include "itemOperationsRk.h"
#include "itemRenameRk.h"
#include "languageSwitcher.h"
#include "libraryCommands.h"
#include "mainLayout.h"
#include "measurementRoad.h"
#include "measurementTreeRk.h"
#include "measuringDocument.h"
#include "measuringJournal.h"
#include "platformIntegration.h"
#include "printMsgConfigRk.h"
#include "printRk.h"
#include "promptRk.h"
#include "readingRecorderRk.h"
#include "recordCommands.h"
#include "reportCommands.h"
#include "resourcePath.h"
#include "serialPortRk.h"
#include "setMeasurementRk.h"
#include "settingCommands.h"
#include "sharedState.h"
#include "standardLibraryRk.h"
#include "testRk.h"
#include "toleranceRk.h"
#include "uploadRecorderRk.h"
#include "whiteYellowRk.h"
#include "windowPlacement.h"
#include "writeTRk.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>

MainWindows::MainWindows(QWidget *parent) : QMainWindow(parent)
{
    // 1. Shared values at their defaults, the translators.
    m_state = new sharedState(this);
    m_language = new languageSwitcher(m_state, this);

    // 2-4. The widget tree and the objects behind it, their commands with
    // the menus and tool bars, the status bar.
    m_actions = new mainActions(this);
    setStyleSheet("QToolBar QToolButton{;}");
    createWidgets();
    addCommands();

    // 6. Settings.
    readSettings();

    // 7. Serial driver.
    ensureSerialDriver();

    // 10-11. Language and texts.
    m_actions->checkLanguage(m_language->chooseStartLanguage());
    retranslateMainWindow();
    setCentralWidget(m_layout->mainSplitter());

    // 12. Connections.
    makeConnections();

    // 14. Icon and the untitled title.
    setWindowIcon(QIcon(resourcePath("./MainPng512.ico")));
    setAcceptDrops(true);
    setCurrentFile(QString());
}

MainWindows::~MainWindows() = default;

void MainWindows::createWidgets()
{
    m_serialPort = new serialPortRk;
    m_tree = new QTreeWidget;
    m_tree->setObjectName("measurementTree");
    m_treeModel = new measurementTreeRk(m_tree, this);
    m_recorder = new readingRecorderRk(m_treeModel, &m_state->conditions(), this);
    m_road = new measurementRoad(m_treeModel, m_recorder, m_state, this, this);
    m_panel = new infoPanelRk(m_treeModel, this);
    m_document = new measuringDocument(m_treeModel, m_state, m_serialPort, this, this);
    m_journal = new measuringJournal(m_treeModel, m_state, m_document, this);
    m_history = new historyKeeper(m_treeModel, m_state, m_document, m_serialPort, this);
    m_export = new exportCommand(m_treeModel, m_state, this, this);
    m_layout = new mainLayout(m_serialPort, m_tree, m_panel->printInfoTable(),
                              m_panel->parameterTable(), m_panel->colorDataTable(), this);
    m_instrument =
        new instrumentDisplay(m_serialPort, m_treeModel, m_state, m_actions, statusBar(), this);
    m_library = new standardLibraryRk(m_state, this);
    m_printInfo = new printMsgConfigRk(this);
    m_print = new printRk(this);
    m_reports = new reportCommands(m_export, m_print, m_printInfo, m_treeModel, m_state,
                                   m_serialPort, this);
    // The charts take the values read from the settings: they exist and
    // listen before readSettings() ends.
    m_charts = new chartSet(m_state, this);
    connectCharts();
    m_operations = new itemOperationsRk(m_treeModel, m_state, m_serialPort, this, this);
    m_uploader =
        new uploadRecorderRk(m_treeModel, m_serialPort, &m_state->conditions(), this, this);
    m_writeT = new writeTRk(this);
    m_setMeasurement = new setMeasurementRk(this);
    m_toleranceDialog = new toleranceRk(this);
    m_averageDialog = new averageTestRk(this);
    m_whiteYellow = new whiteYellowRk(this);
    m_buttonPanel = new testRk(this);
}

void MainWindows::addCommands()
{
    m_actions->addCommands(fileCommands(m_document, m_treeModel, this, m_state));
    m_actions->addCommands(m_reports->commands());
    m_actions->addCommands(windowCommands(this));
    m_actions->addCommands(itemCommands(m_operations));
    m_actions->addCommands(
        (new libraryCommands(m_library, m_treeModel, m_state, m_serialPort, this))->commands());
    m_actions->addCommands(measurementCommands(m_road, m_buttonPanel));
    m_actions->addCommands(settingCommands(m_state, m_setMeasurement, m_toleranceDialog,
                                           m_averageDialog, m_whiteYellow));
    m_actions->addCommands(instrumentDataCommands(m_uploader, m_writeT, m_state));
    m_historyView = new historyCommands(m_treeModel, m_document, this);
    m_actions->addCommands(m_historyView->commands());
    connect(m_historyView, &historyCommands::historySettingsChanged, m_history,
            &historyKeeper::historyConnectionChanged);
    m_actions->build([this](const QString &code) { switchLanguage(code); });
    for (QAction *recent : m_actions->recentFileActions())
        connect(recent, &QAction::triggered, m_document,
                [this, recent] { m_document->openAsked(recent->data().toString()); });
    m_tree->addActions(m_actions->treeContextActions());
}

bool MainWindows::instrumentConnected() const
{
    return m_instrument->connected();
}

bool MainWindows::inStartupPhase() const
{
    return m_instrument->startupPhase();
}

QSplitter *MainWindows::chartArea() const
{
    return m_layout->chartArea();
}

// --- Connections -------------------------------------------------------------

void MainWindows::makeConnections()
{
    connectInstrument();
    connectMeasurementRoad();
    connectTreeAndPanel();
    connectSharedState();
    connectDocument();
    connectOperations();
    connectSettingDialogs();
    m_buttonPanel->follow(m_serialPort, m_road, m_recorder);
    // Both read what the settings hold.
    m_printInfo->setTimeFlag(m_state->printInfo().timeFlag);
    m_library->setLibraryFolder(m_state->libraryDirectory());
}

void MainWindows::connectInstrument()
{
    serialPortRk *link = m_serialPort;
    connect(link, &serialPortRk::getInstrumentInfoSignal, this, &MainWindows::getInstrumentInfo);
    connect(link, &serialPortRk::portClosedSignal, this, &MainWindows::portClosed);
    connect(link, &serialPortRk::whiteYellowParameterSignal, this,
            &MainWindows::whiteYellowValueSlot);
}

void MainWindows::connectMeasurementRoad()
{
    serialPortRk *link = m_serialPort;
    measurementRoad *road = m_road;
    connect(link, &serialPortRk::generateTItemSignal, road, &measurementRoad::typeReading);
    connect(link, &serialPortRk::generateSItemSignal, road, &measurementRoad::sampleReading);
    connect(link, &serialPortRk::TTestSignal, road, &measurementRoad::checkType);
    connect(link, &serialPortRk::STestSignal, road, &measurementRoad::checkSample);
    connect(road, &measurementRoad::TTestCheckSignal, link, &serialPortRk::TTestCheckOK);
    connect(road, &measurementRoad::STestCheckSignal, link, &serialPortRk::STestCheckOK);
    connect(road, &measurementRoad::tTestSignal, link, &serialPortRk::tTestSlot);
    connect(road, &measurementRoad::sTestSignal, link, &serialPortRk::sTestSlot);
    connect(road, &measurementRoad::whiteCalibrationSignal, link, &serialPortRk::whiteCalibration);
    connect(road, &measurementRoad::blackCalibrationSignal, link, &serialPortRk::blackCalibration);
    connect(m_recorder, &readingRecorderRk::portInfoLostSignal, link, &serialPortRk::restartPort);
}

void MainWindows::connectTreeAndPanel()
{
    connect(m_tree, &QTreeWidget::itemChanged, m_treeModel,
            [this](QTreeWidgetItem *item) { m_treeModel->propagateCheckState(item); });
    connect(m_tree, &QTreeWidget::itemPressed, this, &MainWindows::treeItemIsPressed);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, [this] {
        for (QTreeWidgetItem *item : m_treeModel->selectedItemsLastFirst())
            treeItemIsPressed(item, 0);
    });
    connect(m_recorder, &readingRecorderRk::averagedItemUpdated, m_panel,
            &infoPanelRk::showItemConditions);
    connect(m_panel, &infoPanelRk::pressedColorSpace, this, &MainWindows::emitDeviationBounds);
}

void MainWindows::connectSharedState()
{
    connect(m_state, &sharedState::toleranceChanged, this, &MainWindows::toleranceChanged);
    connect(m_state, &sharedState::printInfoChanged, this, &MainWindows::printInfoChanged);
    connect(m_state, &sharedState::averageModeChanged, m_recorder,
            &readingRecorderRk::setAverageMode);
}

void MainWindows::connectDocument()
{
    connect(m_document, &measuringDocument::currentFileChanged, this, [this](const QString &path) {
        if (!path.isEmpty())
            addRecentFile(path);
    });
    connect(m_document, &measuringDocument::titleChanged, this, &QWidget::setWindowTitle);
    connect(m_document, &measuringDocument::statusMessage, statusBar(), &QStatusBar::showMessage);
    connect(m_document, &measuringDocument::measurementCleared, this,
            [this] { m_panel->clearValues(m_state->conditions().colorDiffFormula); });
}

void MainWindows::connectCharts()
{
    m_layout->placeCharts(m_charts);
    m_charts->follow(m_panel, m_document);
    m_reports->follow(m_panel);
    connect(m_panel, &infoPanelRk::trendItem, m_charts, &chartSet::updateTrendPlot);
    connect(this, &MainWindows::toPainterDeltaLabSignal, m_charts->lightnessChart(),
            &painterDeltaLLabRk::updateDeltaLab);
    connect(this, &MainWindows::toPainterDeltaLabSignal, m_charts->chromaticChart(),
            &painterDeltaabLabRk::updateDeltaLab);
    connect(this, &MainWindows::trendToleranceSignal, m_charts->trendPlot(),
            &Plotter::setToleranceLine);
}

void MainWindows::connectOperations()
{
    serialPortRk *link = m_serialPort;
    connect(m_operations->renameDialog(), &itemRenameRk::setItemNewNameSignal, m_operations,
            &itemOperationsRk::rename);
    connect(m_operations->findDialog(), &fastFindRk::fastFindItemSignal, m_operations,
            &itemOperationsRk::showFoundItem);

    connect(m_writeT, &writeTRk::sendWriteTSignal, link, &serialPortRk::sendTDataToYiQi);
    connect(m_writeT, &writeTRk::refusedSignal, link, &serialPortRk::showInfo);
    connect(m_writeT, &writeTRk::TtoAppSignal, m_operations, &itemOperationsRk::addManualType);

    m_uploader->setTests([this] { return instrumentConnected(); },
                         [this] { return m_recorder->averagingActive(); });
    m_uploader->followLink();
    connect(m_uploader, &uploadRecorderRk::runningChanged, this, [this](bool running) {
        m_actions->setUploadRunning(running);
        m_document->holdFileCommands(running);
        // A measurement request would land among the upload's records.
        const bool measurable = !running && instrumentConnected();
        if (running)
            m_buttonPanel->instrumentLost();
        else if (measurable)
            m_buttonPanel->enableAll();
        m_whiteYellow->setConnected(measurable);
    });
}

void MainWindows::connectSettingDialogs()
{
    connect(m_setMeasurement, &setMeasurementRk::setMeasurementFinishSignal, this,
            &MainWindows::setMeasurementFinish);
    using S = const QString &;
    connect(m_toleranceDialog, &toleranceRk::toleranceSavedSignal, this,
            qOverload<S, S, S, S, S, S, S>(&MainWindows::setTolerance));
    connect(m_averageDialog, &averageTestRk::setAverageFinishSignal, this,
            &MainWindows::setAverageFinishSignal);
    connect(this, &MainWindows::whiteYellowValueSignal, m_whiteYellow,
            &whiteYellowRk::setWhiteYellow);
    m_whiteYellow->follow(m_serialPort);
    connect(m_printInfo, &printMsgConfigRk::printMsgSavedSignal, this, &MainWindows::setPrintMsg);
    connect(this, &MainWindows::standardLibraryParameter, m_library,
            &standardLibraryRk::standardLibraryParameterFcn);
}

// --- Settings ----------------------------------------------------------------

void MainWindows::readSettings()
{
    QSettings settings("SoftWare Inc.", "qcm");
    restoreWindowPlacement(this, settings);
    m_recentFiles.setPaths(settings.value("recentFiles").toStringList());
    updateRecentFileActions();

    m_state->readSettings(settings);
    m_recorder->setAverageMode(m_state->averageMode());
    m_treeModel->showPrintTexts(m_state->printInfo().texts());
    showPrintInfo();
    m_treeModel->showTolerance(m_state->tolerance());
    sendChartSettings();
}

void MainWindows::writeSettings()
{
    QSettings settings("SoftWare Inc.", "qcm");
    saveWindowPlacement(this, settings);
    settings.setValue("recentFiles", m_recentFiles.paths());
    m_state->writeSettings(settings);
}

void MainWindows::sendChartSettings()
{
    // The last step of reading the settings, once the conditions are known.
    m_charts->applySettings();
    emit trendToleranceSignal(m_state->tolerance().delatE.toFloat(),
                              m_state->conditions().colorDiffFormula);
    emitDeviationBounds(m_state->conditions().colorSpace);
}

// --- Language ------------------------------------------------------------------

void MainWindows::switchLanguage(const QString &code)
{
    m_actions->checkLanguage(code);
    m_language->switchTo(code);
    retranslateMainWindow();
}

void MainWindows::EnglishFcn()
{
    switchLanguage(QStringLiteral("en_US"));
}

void MainWindows::SimplifyFcn()
{
    switchLanguage(QStringLiteral("zh_CN"));
}

void MainWindows::TraditionalFcn()
{
    switchLanguage(QStringLiteral("zh_TW"));
}

void MainWindows::retranslateMainWindow()
{
    m_layout->retranslate(isChinese());
    m_actions->retranslate();

    m_instrument->retranslate();

    m_state->retranslateDefaultName();
    m_treeModel->retranslate(measurementName());
    m_treeModel->fitNameColumn();
    m_panel->retranslate();
    m_serialPort->retranslate();
    setWindowTitle(m_document->windowTitle());
    const QList<fixedSizeDialog *> dialogs = findChildren<fixedSizeDialog *>();
    for (fixedSizeDialog *dialog : dialogs)
        dialog->retranslateFor(isChinese());
    update();
}

// --- Recent files --------------------------------------------------------------

void MainWindows::addRecentFile(const QString &path)
{
    m_recentFiles.add(path);
    updateRecentFileActions();
}

void MainWindows::updateRecentFileActions()
{
    m_recentFiles.showIn(recentFileActions(), recentFilesSeparator());
}

// --- Shared values ---------------------------------------------------------------

void MainWindows::setTolerance(const QString &delatE, const QString &nDelatL,
                               const QString &pDelatL, const QString &nDelata,
                               const QString &pDelata, const QString &nDelatb,
                               const QString &pDelatb)
{
    m_state->setTolerance(
        Tolerance::fromList({delatE, nDelatL, pDelatL, nDelata, pDelata, nDelatb, pDelatb}));
}

void MainWindows::toleranceChanged(const Tolerance &tolerance)
{
    m_treeModel->showTolerance(tolerance);
    if (!m_document->isLoading())
        rejudgeCurrentItem();
    if (!inStartupPhase())
        m_serialPort->showInfo(tr("Succeed to set tolerance."));
    emit trendToleranceSignal(tolerance.delatE.toFloat(), m_state->conditions().colorDiffFormula);
    emitDeviationBounds(m_state->conditions().colorSpace);
}

void MainWindows::emitDeviationBounds(const QString &colorSpace)
{
    const Tolerance &t = m_state->tolerance();
    emit toPainterDeltaLabSignal(colorSpace, t.pDelatL, t.nDelatL, t.pDelata, t.nDelata, t.pDelatb,
                                 t.nDelatb);
}

void MainWindows::setMeasurementFinish(const QString &lightSource, const QString &colorSpace,
                                       const QString &formula, const QString &lightMode)
{
    // Not while an average is unfinished under other conditions.
    if (!m_recorder->mayChooseConditions(lightSource, colorSpace, lightMode) ||
        !m_state->chooseConditions(lightSource, colorSpace, formula, lightMode))
        return;
    m_toleranceDialog->relabel(colorSpace, formula);
    m_instrument->refreshParameters();
    emit standardLibraryParameter(colorSpace, formula);
    m_serialPort->showInfo(tr("Set measuring conditions successfully!"));
    emit trendToleranceSignal(m_state->tolerance().delatE.toFloat(), formula);
    emitDeviationBounds(colorSpace);
}

void MainWindows::setAverageFinishSignal(const QString &averageTestTime)
{
    m_state->setAverageTestTime(averageTestTime); // the average mode follows
    m_instrument->refreshParameters();
    m_serialPort->showInfo(tr("Set Single/Average Measurement successfully!"));
}

void MainWindows::rejudgeCurrentItem()
{
    QTreeWidgetItem *item =
        m_treeModel->typeCount() > 0 ? m_tree->currentItem() : m_treeModel->measurementRoot();
    treeItemIsPressed(item, 0);
}

void MainWindows::setPrintMsg(const QString &measurementName, const QString &company,
                              const QString &printTime, const QString &department,
                              const QString &measurementPerson, const QString &productTested,
                              bool timeFlag)
{
    // A new name here keeps what is marked for printing.
    m_treeModel->setRootTextKeepsMarks(true);
    m_state->setPrintInfo(PrintInfo::fromTexts(
        {measurementName, company, printTime, department, measurementPerson, productTested},
        timeFlag));
    m_treeModel->setRootTextKeepsMarks(false);
    if (!inStartupPhase())
        m_serialPort->showInfo(tr("Succeed to set printing info."));
}

void MainWindows::printInfoChanged(const PrintInfo &info)
{
    m_treeModel->showPrintTexts(info.texts());
    showPrintInfo();
}

// --- Instrument state --------------------------------------------------------

void MainWindows::getInstrumentInfo()
{
    m_instrument->informationArrived();
    emit standardLibraryParameter(m_state->conditions().colorSpace,
                                  m_state->conditions().colorDiffFormula);
    m_instrument->showConnected();
    if (m_instrument->endStartupPhase())
        showPrintInfo();
    m_panel->setComponentHeaders(m_state->conditions().colorSpace,
                                 m_state->conditions().colorDiffFormula);
}

void MainWindows::portClosed()
{
    m_instrument->showDisconnected();
}

// --- Measurement road --------------------------------------------------------

bool MainWindows::STestCheck(QTreeWidgetItem *item)
{
    return m_road->sampleConditionsAgree(item);
}

void MainWindows::whiteYellowValueSlot(float L, float a, float b)
{
    const ColorTriple xyz = labToXyz(L, a, b);
    const ColorTriple hunter = xyzToHunterLab(xyz[0], xyz[1], xyz[2]);
    emit whiteYellowValueSignal({xyz[0], xyz[1], xyz[2], hunter[0], hunter[1], hunter[2]});
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

void MainWindows::clearMeasurement()
{
    m_document->clearMeasurement();
}

// --- Tree and panel ----------------------------------------------------------

void MainWindows::treeItemIsPressed(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    m_panel->pressItem(item, m_state->tolerance());
}

void MainWindows::showPrintInfo()
{
    const PrintInfo &p = m_state->printInfo();
    m_panel->showPrintInfo(p.company, p.measurementPerson, p.department, p.productTested);
}

// --- Upload and manual Type input ----------------------------------------------

void MainWindows::dataToPCFcn()
{
    m_uploader->start();
}

void MainWindows::dataToPCFinished1Slot()
{
    m_uploader->finish();
}

void MainWindows::writeTFcn()
{
    m_actions->byName(QStringLiteral("writeTFcn"))->trigger();
}

// --- Item operations -----------------------------------------------------------

void MainWindows::deleteChooseItemFcn()
{
    m_operations->deleteCheckedItems();
}

void MainWindows::fastFindFcn()
{
    m_actions->byName(QStringLiteral("fastFindFcn"))->trigger();
}

void MainWindows::exportToExcelInfoSlot(QList<Qt::CheckState> states)
{
    m_export->exportChosen(states);
}

void MainWindows::closeEvent(QCloseEvent *event)
{
    // Library rows that cannot be written hold the window open, as the measurement does.
    if (maybeSave() && m_library->saveChanges()) {
        writeSettings();
        m_journal->discard();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindows::startJournal(const QString &folder)
{
    m_journal->start(folder, this);
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
    if (!path.isEmpty())
        m_document->openAsked(path);
}
