#include "MainWindows.h"

#include "averageTestRk.h"
#include "chartSet.h"
#include "checkExportToExcelRk.h"
#include "colorConversions.h"
#include "deviationCharts.h"
#include "exportCommand.h"
#include "fastFindRk.h"
#include "fixedSizeDialog.h"
#include "infoPanelRk.h"
#include "instrumentDisplay.h"
#include "itemOperationsRk.h"
#include "itemRenameRk.h"
#include "languageSwitcher.h"
#include "libraryTreeLink.h"
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
#include "resourcePath.h"
#include "serialPortRk.h"
#include "setMeasurementRk.h"
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

namespace {

// Dialogs are made once and shown again on each command; one still open
// behind the window comes to the front.
void showDialog(QWidget *dialog)
{
    if (dialog->isVisible())
        dialog->raise();
    else
        dialog->show();
}

} // namespace

MainWindows::MainWindows(QWidget *parent) : QMainWindow(parent)
{
    // 1. Shared values at their defaults, the translators.
    m_state = new sharedState(this);
    m_language = new languageSwitcher(m_state, this);

    // 2-3. Actions, menus, tool bars, status bar.
    m_actions = new mainActions(this);
    setStyleSheet("QToolBar QToolButton{;}");

    // 4. The widget tree and the objects behind it, the status bar.
    createWidgets();

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
    m_tree->addActions(m_actions->treeContextActions());
    m_recorder = new readingRecorderRk(m_treeModel, &m_state->conditions(), this);
    m_road = new measurementRoad(m_treeModel, m_recorder, m_state, this, this);
    m_panel = new infoPanelRk(m_treeModel, this);
    m_document = new measuringDocument(m_treeModel, m_state, m_serialPort, this, this);
    m_journal = new measuringJournal(m_treeModel, m_state, m_document, this);
    m_export = new exportCommand(m_treeModel, m_state, this, this);
    m_layout = new mainLayout(m_serialPort, m_tree, m_panel->printInfoTable(),
                              m_panel->parameterTable(), m_panel->colorDataTable(), this);
    m_instrument =
        new instrumentDisplay(m_serialPort, m_treeModel, m_state, m_actions, statusBar(), this);
    m_library = new standardLibraryRk(m_state, this);
    m_printInfo = new printMsgConfigRk(this);
    m_print = new printRk(this);
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

QLabel *MainWindows::stateLabel() const
{
    return m_instrument->stateLabel();
}

QLabel *MainWindows::connectionLabel() const
{
    return m_instrument->connectionLabel();
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
    connectExport();
    connectLibrary();
    connectOperations();
    connectReports();
    connectSettingDialogs();
    m_buttonPanel->follow(m_serialPort, m_road, m_recorder);
}

void MainWindows::connectInstrument()
{
    serialPortRk *link = m_serialPort;
    connect(link, &serialPortRk::getInstrumentInfoSignal, this, &MainWindows::getInstrumentInfo);
    connect(link, &serialPortRk::portClosedSignal, this, &MainWindows::portClosed);
    connect(this, &MainWindows::portInfoLostSignal, link, &serialPortRk::restartPort);
    connect(link, &serialPortRk::whiteYellowParameterSignal, this,
            &MainWindows::whiteYellowValueSlot);
    connect(link, &serialPortRk::testSignal, this, &MainWindows::testButtonIndexSlot);
}

void MainWindows::connectMeasurementRoad()
{
    serialPortRk *link = m_serialPort;
    connect(link, &serialPortRk::generateTItemSignal, this, &MainWindows::generateTItem);
    connect(link, &serialPortRk::generateSItemSignal, this, &MainWindows::generateSItem);
    connect(link, &serialPortRk::TTestSignal, this, &MainWindows::TTestCheckSlot);
    connect(link, &serialPortRk::STestSignal, this, &MainWindows::STestCheckSlot);
    // The road's requests leave through the window's signals, which keep
    // their names for everyone listening.
    connect(m_road, &measurementRoad::tTestSignal, this, &MainWindows::tTestSignal);
    connect(m_road, &measurementRoad::sTestSignal, this, &MainWindows::sTestSignal);
    connect(m_road, &measurementRoad::TTestCheckSignal, this, &MainWindows::TTestCheckSignal);
    connect(m_road, &measurementRoad::STestCheckSignal, this, &MainWindows::STestCheckSignal);
    connect(m_road, &measurementRoad::whiteCalibrationSignal, this,
            &MainWindows::whiteCalibrationSignal);
    connect(m_road, &measurementRoad::blackCalibrationSignal, this,
            &MainWindows::blackCalibrationSignal);
    connect(this, &MainWindows::TTestCheckSignal, link, &serialPortRk::TTestCheckOK);
    connect(this, &MainWindows::STestCheckSignal, link, &serialPortRk::STestCheckOK);
    connect(this, &MainWindows::tTestSignal, link, &serialPortRk::tTestSlot);
    connect(this, &MainWindows::sTestSignal, link, &serialPortRk::sTestSlot);
    connect(this, &MainWindows::whiteCalibrationSignal, link, &serialPortRk::whiteCalibration);
    connect(this, &MainWindows::blackCalibrationSignal, link, &serialPortRk::blackCalibration);
    connect(m_recorder, &readingRecorderRk::portInfoLostSignal, this,
            &MainWindows::portInfoLostSignal);
}

void MainWindows::connectTreeAndPanel()
{
    connect(m_tree, &QTreeWidget::itemChanged, this, &MainWindows::treeItemChanged);
    connect(m_tree, &QTreeWidget::itemPressed, this, &MainWindows::treeItemIsPressed);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this,
            &MainWindows::treeItemSelectionChanged);
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

void MainWindows::connectExport()
{
    connect(m_export->fieldDialog(), &checkExportToExcelRk::checkInfoSignal, this,
            &MainWindows::exportToExcelInfoSlot);
    m_export->reportTo(m_serialPort);
}

void MainWindows::connectLibrary()
{
    standardLibraryRk *library = m_library;
    connect(this, &MainWindows::standardLibraryParameter, library,
            &standardLibraryRk::standardLibraryParameterFcn);
    connect(this, &MainWindows::saveOneStandardLibrarySignal, library, &standardLibraryRk::setData);
    connect(this, &MainWindows::testButtonIndexSignal, library,
            &standardLibraryRk::getColorParameter);
    connect(library, &standardLibraryRk::sendTDataSignal, this, &MainWindows::recieveTDataSlot);
    connect(library, &standardLibraryRk::fileDirectorySignal, this,
            &MainWindows::setFileDirectorySlot);
    library->followLink(m_serialPort);
    library->setLibraryFolder(m_state->libraryDirectory());
}

void MainWindows::connectReports()
{
    connect(this, &MainWindows::printMsgSignal, m_printInfo, &printMsgConfigRk::getPrintMsg);
    connect(m_printInfo, &printMsgConfigRk::printMsgSavedSignal, this, &MainWindows::setPrintMsg);
    connect(this, &MainWindows::infoForPrintSignal, m_print, &printRk::recieveInfoForPrint);
    connect(m_print, &printRk::reGetInfoSignal, this, &MainWindows::printFcn);
    connect(m_print, &printRk::printPortWSSignal, m_serialPort, &serialPortRk::readyReadSlot);
    m_printInfo->setTimeFlag(m_state->printInfo().timeFlag);
}

void MainWindows::connectCharts()
{
    m_layout->placeCharts(m_charts);
    m_charts->follow(m_panel, m_document);
    connect(m_panel, &infoPanelRk::trendItem, this, &MainWindows::updateTrendPlot);
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
    connect(this, &MainWindows::itemRenameSignal, m_operations->renameDialog(),
            &itemRenameRk::setItemNewName);
    connect(m_operations->renameDialog(), &itemRenameRk::setItemNewNameSignal, this,
            &MainWindows::setItemNewNameFcn);
    connect(this, &MainWindows::fastFindTreeSignal, m_operations->findDialog(),
            &fastFindRk::getFastFindTree);
    connect(m_operations->findDialog(), &fastFindRk::fastFindItemSignal, this,
            &MainWindows::fastFindItem);

    connect(this, &MainWindows::writeTSignal, m_writeT, &writeTRk::setParameter);
    connect(m_writeT, &writeTRk::sendWriteTSignal, link, &serialPortRk::sendTDataToYiQi);
    connect(m_writeT, &writeTRk::refusedSignal, link, &serialPortRk::showInfo);
    connect(m_writeT, &writeTRk::TtoAppSignal, this, &MainWindows::dataToAppSlot);

    m_uploader->setTests([this] { return instrumentConnected(); },
                         [this] { return m_recorder->averagingActive(); });
    connect(this, &MainWindows::dataToPCSignal, link, &serialPortRk::dataToPCCmd1Slot);
    connect(link, &serialPortRk::dataToPCFinished0Signal, this,
            &MainWindows::dataToPCFinished0Slot);
    connect(this, &MainWindows::dataToPCContinueSignal, link, &serialPortRk::dataToPCCmd2Slot);
    connect(link, &serialPortRk::dataToPCFinished1Signal, this,
            &MainWindows::dataToPCFinished1Slot);
    connect(m_uploader, &uploadRecorderRk::runningChanged, this, [this](bool running) {
        m_instrument->holdActions(running);
        m_actions->holdFileCommands(running);
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
    connect(this, &MainWindows::setMeasurementSignal, m_setMeasurement,
            &setMeasurementRk::setMeasurement);
    connect(m_setMeasurement, &setMeasurementRk::setMeasurementFinishSignal, this,
            &MainWindows::setMeasurementFinish);
    connect(this, &MainWindows::toleranceSignal, m_toleranceDialog, &toleranceRk::gettolerance);
    using S = const QString &;
    connect(m_toleranceDialog, &toleranceRk::toleranceSavedSignal, this,
            qOverload<S, S, S, S, S, S, S>(&MainWindows::setTolerance));
    connect(this, &MainWindows::setAverageTestSignal, m_averageDialog, &averageTestRk::setAverage);
    connect(m_averageDialog, &averageTestRk::setAverageFinishSignal, this,
            &MainWindows::setAverageFinishSignal);
    connect(this, &MainWindows::whiteYellowValueSignal, m_whiteYellow,
            &whiteYellowRk::setWhiteYellow);
    m_whiteYellow->follow(m_serialPort);
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

bool MainWindows::isChinese() const
{
    return m_state->isChinese();
}

QString MainWindows::languageCode() const
{
    return m_state->languageCode();
}

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

void MainWindows::aboutZENTO()
{
    promptRk::information(this, tr("About QCM"),
                          tr("<h2>QCM 1.0</h2><p>Colour quality control for the hand-held "
                             "colorimeter: measure Types and Samples, judge colour differences, "
                             "plot trends, keep colour libraries, print reports and export "
                             "workbooks.</p>"));
}

// --- Status bar and recent files -------------------------------------------------

void MainWindows::updateStatusBar()
{
    m_instrument->updateStatusBar();
}

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

const MeasuringConditions &MainWindows::measuringConditions() const
{
    return m_state->conditions();
}

bool MainWindows::averageMode() const
{
    return m_state->averageMode();
}

QStringList MainWindows::tolerance() const
{
    return m_state->tolerance().toList();
}

QString MainWindows::measurementName() const
{
    return m_state->measurementName();
}

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

void MainWindows::setTolerance()
{
    showDialog(m_toleranceDialog);
    const Tolerance &t = m_state->tolerance();
    emit toleranceSignal(t.delatE, t.nDelatL, t.pDelatL, t.nDelata, t.pDelata, t.nDelatb,
                         t.pDelatb);
}

void MainWindows::setMeasurementFcn()
{
    showDialog(m_setMeasurement);
    const MeasuringConditions &c = m_state->conditions();
    emit setMeasurementSignal(c.instrumentModel, c.standardLight, c.colorSpace, c.colorDiffFormula,
                              c.SCISCE);
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

void MainWindows::setAverageTestFcn()
{
    showDialog(m_averageDialog);
    emit setAverageTestSignal(m_state->conditions().averageTestTime);
}

void MainWindows::setAverageFinishSignal(const QString &averageTestTime)
{
    m_state->setAverageTestTime(averageTestTime); // the average mode follows
    m_instrument->refreshParameters();
    m_serialPort->showInfo(tr("Set Single/Average Measurement successfully!"));
}

void MainWindows::stTestUiFcn()
{
    showDialog(m_buttonPanel);
}

void MainWindows::whiteYellowFcn()
{
    showDialog(m_whiteYellow);
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

void MainWindows::configuration()
{
    m_printInfo->show();
    m_printInfo->raise();
    const PrintInfo &p = m_state->printInfo();
    emit printMsgSignal(p.measurementName, p.company, p.printTime, p.department,
                        p.measurementPerson, p.productTested);
}

void MainWindows::printFcn()
{
    m_print->show();
    m_print->raise();
    emit infoForPrintSignal(collectReportData(*m_treeModel, *m_state));
}

// --- Instrument state --------------------------------------------------------

void MainWindows::getInstrumentInfo()
{
    m_instrument->informationArrived();
    emit standardLibraryParameter(m_state->conditions().colorSpace,
                                  m_state->conditions().colorDiffFormula);
    portOpenOK();
    if (m_instrument->endStartupPhase())
        showPrintInfo();
    setComponentHeaders(m_state->conditions().colorSpace, m_state->conditions().colorDiffFormula);
}

void MainWindows::portOpenOK()
{
    m_instrument->showConnected();
}

void MainWindows::portClosed()
{
    m_instrument->showDisconnected();
}

void MainWindows::qAppTimeSlot()
{
    m_document->pumpEvents();
}

// --- Measurement road --------------------------------------------------------

void MainWindows::tTestFcn()
{
    m_road->requestType();
}

void MainWindows::sTestFcn()
{
    m_road->requestSample();
}

void MainWindows::tsTestTimeSlot()
{
    m_road->endDebounce();
}

void MainWindows::TTestCheckSlot()
{
    m_road->checkType();
}

void MainWindows::STestCheckSlot()
{
    m_road->checkSample();
}

bool MainWindows::STestCheck(QTreeWidgetItem *item)
{
    return m_road->sampleConditionsAgree(item);
}

void MainWindows::generateTItem(float L, float a, float b)
{
    m_road->typeReading(L, a, b);
}

void MainWindows::generateSItem(float L, float a, float b)
{
    m_road->sampleReading(L, a, b);
}

void MainWindows::whiteCalibrationFcn()
{
    m_road->askWhiteCalibration();
}

void MainWindows::blackCalibrationFcn()
{
    m_road->askBlackCalibration();
}

void MainWindows::whiteYellowValueSlot(float L, float a, float b)
{
    const ColorTriple xyz = labToXyz(L, a, b);
    const ColorTriple hunter = xyzToHunterLab(xyz[0], xyz[1], xyz[2]);
    emit whiteYellowValueSignal({xyz[0], xyz[1], xyz[2], hunter[0], hunter[1], hunter[2]});
}

void MainWindows::testButtonIndexSlot(float L, float a, float b)
{
    const QList<float> v = colorSpaceValues(L, a, b, m_state->conditions().colorSpace);
    if (v.size() == 3)
        emit testButtonIndexSignal(v[0], v[1], v[2]);
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
    m_document->clearMeasurement();
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
    m_panel->pressItem(item, m_state->tolerance());
}

void MainWindows::treeItemSelectionChanged()
{
    for (QTreeWidgetItem *item : m_treeModel->selectedItemsLastFirst())
        treeItemIsPressed(item, 0);
}

void MainWindows::updateTrendPlot(QTreeWidgetItem *item)
{
    m_charts->updateTrendPlot(item);
}

void MainWindows::showPrintInfo()
{
    const PrintInfo &p = m_state->printInfo();
    m_panel->showPrintInfo(p.company, p.measurementPerson, p.department, p.productTested);
}

void MainWindows::setComponentHeaders(const QString &colorSpace, const QString &formula)
{
    m_panel->setComponentHeaders(colorSpace, formula);
}

// --- Type data library ----------------------------------------------------------

void MainWindows::standardLibraryFcn()
{
    m_library->show();
    m_library->raise();
    emit standardLibraryParameter(m_state->conditions().colorSpace,
                                  m_state->conditions().colorDiffFormula);
}

void MainWindows::saveAsStandardFcn()
{
    if (QTreeWidgetItem *item = libraryTreeLink::selectedItem(*m_treeModel, this)) {
        m_library->show();
        emit saveOneStandardLibrarySignal(item);
    }
}

void MainWindows::saveAsStandard2Fcn()
{
    const QList<QTreeWidgetItem *> items = libraryTreeLink::checkedItems(*m_treeModel);
    if (items.isEmpty())
        return;
    m_library->show();
    for (QTreeWidgetItem *item : items)
        emit saveOneStandardLibrarySignal(item);
}

void MainWindows::recieveTDataSlot(QList<QString> data, QBrush color)
{
    libraryTreeLink::launchType(m_treeModel, m_state->conditions().instrumentModel, data, color);
}

void MainWindows::setFileDirectorySlot(QString existFileDirectory)
{
    m_state->setLibraryDirectory(existFileDirectory);
}

// --- Upload and manual Type input ----------------------------------------------

void MainWindows::dataToPCFcn()
{
    if (m_uploader->confirmStart())
        emit dataToPCSignal();
}

void MainWindows::dataToPCFinished0Slot(QVector<QString> record, float L, float a, float b)
{
    m_uploader->addRecord(record, L, a, b);
    emit dataToPCContinueSignal();
}

void MainWindows::dataToPCFinished1Slot()
{
    m_uploader->finish();
}

void MainWindows::writeTFcn()
{
    m_writeT->show();
    m_writeT->raise();
    emit writeTSignal(m_state->conditions().instrumentModel, m_state->conditions().caliber);
}

void MainWindows::dataToAppSlot(QVector<QString> str)
{
    m_operations->addManualType(str);
}

// --- Item operations -----------------------------------------------------------

void MainWindows::deleteChooseItemFcn()
{
    m_operations->deleteCheckedItems();
}

void MainWindows::deleteAllItemFcn()
{
    m_operations->deleteSamplesOfSelectedTypes();
}

void MainWindows::itemRenameFcn()
{
    if (QTreeWidgetItem *item = m_operations->startRename())
        emit itemRenameSignal(item);
}

void MainWindows::setItemNewNameFcn(QTreeWidgetItem *item, const QString &str)
{
    m_operations->rename(item, str);
}

void MainWindows::fastFindFcn()
{
    emit fastFindTreeSignal(m_operations->startQuickSearch());
}

void MainWindows::fastFindItem(QTreeWidgetItem *item)
{
    m_operations->showFoundItem(item);
}

void MainWindows::selectionAllFcn()
{
    m_operations->invertCheckMarks();
}

void MainWindows::itemSetAsNewTypeFcn()
{
    m_operations->setAsNewType();
}

void MainWindows::itemSetAsCheckItemSampleFcn()
{
    m_operations->setAsSampleOfCheckedTypes();
}

// --- Measuring files -----------------------------------------------------------

bool MainWindows::saveFile(const QString &path)
{
    return m_document->saveFile(path);
}

bool MainWindows::loadFile(const QString &path)
{
    return m_document->loadFile(path);
}

void MainWindows::setCurrentFile(const QString &path)
{
    m_document->setCurrentFile(path);
}

QString MainWindows::currentFile() const
{
    return m_document->currentFile();
}

bool MainWindows::isModified() const
{
    return m_document->isModified();
}

bool MainWindows::maybeSave()
{
    return m_document->maybeSave();
}

bool MainWindows::save()
{
    return m_document->save();
}

bool MainWindows::saveAs()
{
    return m_document->saveAs();
}

void MainWindows::open()
{
    m_document->open();
}

void MainWindows::newFile()
{
    m_document->newFile();
}

void MainWindows::exportToExcelFcn()
{
    m_export->chooseFields(exportCommand::Workbook);
}

void MainWindows::exportToCsvFcn()
{
    m_export->chooseFields(exportCommand::Csv);
}

void MainWindows::exportToExcelInfoSlot(QList<Qt::CheckState> states)
{
    m_export->exportChosen(states);
}

void MainWindows::openRecentFile()
{
    if (auto *recent = qobject_cast<QAction *>(sender()))
        m_document->openAsked(recent->data().toString());
}

bool MainWindows::openFileAtStart(const QString &path)
{
    // A measurement restored from the journal is not thrown away unasked.
    return m_document->openAsked(path);
}

void MainWindows::closeEvent(QCloseEvent *event)
{
    // The library writes its changes even while its dialog is hidden; when
    // it cannot, the window stays open with them, as with the measurement.
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
