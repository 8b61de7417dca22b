#include "MainWindows.h"

#include "averageTestRk.h"
#include "colorConversions.h"
#include "fixedSizeDialog.h"
#include "infoPanelRk.h"
#include "instrumentDisplay.h"
#include "languageSwitcher.h"
#include "mainLayout.h"
#include "measurementRoad.h"
#include "measurementTreeRk.h"
#include "measuringDocument.h"
#include "platformIntegration.h"
#include "promptRk.h"
#include "readingRecorderRk.h"
#include "resourcePath.h"
#include "serialPortRk.h"
#include "setMeasurementRk.h"
#include "sharedState.h"
#include "testRk.h"
#include "toleranceRk.h"
#include "whiteYellowRk.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
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
    m_layout = new mainLayout(m_serialPort, m_tree, m_panel->printInfoTable(),
                              m_panel->parameterTable(), m_panel->colorDataTable(), this);
    m_instrument =
        new instrumentDisplay(m_serialPort, m_treeModel, m_state, m_actions, statusBar(), this);
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
    connectSettingDialogs();
    connectButtonPanel();
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
    connect(m_whiteYellow, &whiteYellowRk::testWhiteYellowSignal, m_serialPort,
            &serialPortRk::whiteYellowSlot);
    connect(this, &MainWindows::whiteYellowValueSignal, m_whiteYellow,
            &whiteYellowRk::setWhiteYellow);
    connect(m_serialPort, &serialPortRk::whiteYellowTimeOutSignal, m_whiteYellow,
            &whiteYellowRk::testTimedOut);
}

void MainWindows::connectButtonPanel()
{
    serialPortRk *link = m_serialPort;
    testRk *panel = m_buttonPanel;
    connect(panel, &testRk::TSignal, m_road, &measurementRoad::requestTypeAtOnce);
    connect(panel, &testRk::SSignal, m_road, &measurementRoad::requestSampleAtOnce);
    connect(link, &serialPortRk::generateTItemSignal, panel, &testRk::buttonState);
    connect(link, &serialPortRk::generateSItemSignal, panel, &testRk::buttonState);
    connect(link, &serialPortRk::testSignal, panel, &testRk::buttonState);
    // Every refusal releases the buttons and ends an automatic run.
    connect(m_road, &measurementRoad::requestRefused, panel, &testRk::stopAuto);
    connect(m_recorder, &readingRecorderRk::noTypeYet, panel, &testRk::stopAuto);
    connect(link, &serialPortRk::measurementRefusedSignal, panel, &testRk::stopAuto);
}

// --- Settings ----------------------------------------------------------------

void MainWindows::readSettings()
{
    QSettings settings("SoftWare Inc.", "qcm");
    if (!settings.contains("geometry") && !settings.contains("size")) {
        // A first start: most of the screen, so every panel can be read.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        resize(screen.size() * 0.9);
        move(screen.center() - rect().center());
    }
    restoreGeometry(settings.value("geometry").toByteArray());
    if (settings.contains("pos"))
        move(settings.value("pos").toPoint());
    if (settings.contains("size"))
        resize(settings.value("size").toSize());
    if (settings.value("maximized", false).toBool())
        setWindowState(windowState() | Qt::WindowMaximized);

    m_recentFiles.setPaths(settings.value("recentFiles").toStringList());
    updateRecentFileActions();

    m_state->readSettings(settings);
    m_recorder->setAverageMode(m_state->averageMode());
    m_treeModel->showPrintTexts(m_state->printInfo().texts());
    m_treeModel->showTolerance(m_state->tolerance());
    sendChartSettings();
}

void MainWindows::writeSettings()
{
    QSettings settings("SoftWare Inc.", "qcm");
    settings.setValue("pos", pos());
    settings.setValue("size", size());
    settings.setValue("maximized", isMaximized());
    settings.setValue("geometry", saveGeometry());
    settings.setValue("recentFiles", m_recentFiles.paths());
    m_state->writeSettings(settings);
}

void MainWindows::sendChartSettings()
{
    // The last step of reading the settings, once the conditions are known.
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

    // A measurement name still at its untranslated default follows the language.
    if (sharedState::isDefaultMeasurementName(measurementName()))
        m_state->setMeasurementName(sharedState::defaultMeasurementName());
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
    // Empty texts: no instrument has said what it offers, nothing was chosen.
    if (lightSource.isEmpty() || colorSpace.isEmpty() || formula.isEmpty() || lightMode.isEmpty())
        return;
    MeasuringConditions c = m_state->conditions();
    c.standardLight = lightSource;
    c.colorSpace = colorSpace;
    c.colorDiffFormula = formula;
    c.SCISCE = lightMode;
    m_state->setConditions(c);
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
    MeasuringConditions c = m_state->conditions();
    c.averageTestTime = averageTestTime;
    m_state->setConditions(c); // the average mode follows
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
    m_state->setPrintInfo(PrintInfo::fromTexts(
        {measurementName, company, printTime, department, measurementPerson, productTested},
        timeFlag));
}

void MainWindows::printInfoChanged(const PrintInfo &info)
{
    m_treeModel->showPrintTexts(info.texts());
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
    m_buttonPanel->enableAll();
    m_whiteYellow->setConnected(true);
}

void MainWindows::portClosed()
{
    m_buttonPanel->instrumentLost();
    m_whiteYellow->setConnected(false);
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

void MainWindows::showPrintInfo()
{
    const PrintInfo &p = m_state->printInfo();
    m_panel->showPrintInfo(p.company, p.measurementPerson, p.department, p.productTested);
}

void MainWindows::setComponentHeaders(const QString &colorSpace, const QString &formula)
{
    m_panel->setComponentHeaders(colorSpace, formula);
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

void MainWindows::openRecentFile()
{
    auto *recent = qobject_cast<QAction *>(sender());
    if (recent && maybeSave())
        openFileAtStart(recent->data().toString());
}

bool MainWindows::openFileAtStart(const QString &path)
{
    return m_document->openFile(path);
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
    if (!path.isEmpty() && maybeSave())
        openFileAtStart(path);
}
