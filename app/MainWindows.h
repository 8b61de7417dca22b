#ifndef QCM_MAINWINDOWS_H
#define QCM_MAINWINDOWS_H

#include "instrumentDisplay.h"
#include "mainActions.h"
#include "measuringConditions.h"
#include "measuringDocument.h"
#include "recentFileList.h"
#include "sharedState.h"

#include <QBrush>
#include <QMainWindow>
#include <QStringList>
#include <QVector>

class QAction;
class QLabel;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class exportCommand;
class historyCommands;
class historyKeeper;
class chartSet;
class averageTestRk;
class infoPanelRk;
class itemOperationsRk;
class languageSwitcher;
class mainLayout;
class measurementRoad;
class measurementTreeRk;
class measuringJournal;
class printMsgConfigRk;
class printRk;
class readingRecorderRk;
class reportCommands;
class serialPortRk;
class setMeasurementRk;
class standardLibraryRk;
class uploadRecorderRk;
class writeTRk;
class testRk;
class toleranceRk;
class whiteYellowRk;
struct PrintInfo;
struct Tolerance;

// The one main window.  It owns every object of the program and connects
// them, but does no work of its own: each folder hands in the rows of its
// commands, bound to the object that does the work (mainActions makes the
// actions, menus and tool bars of them); the slots left here are the public
// face that tests, the file drop and the command line call, each handing
// over to its owner.  The layout and the language live in mainLayout and
// languageSwitcher.
class MainWindows : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindows(QWidget *parent = nullptr);
    ~MainWindows() override;

    // By the command's id (the action's object name).
    QAction *action(const QString &name) const { return m_actions->byName(name); }
    QList<QAction *> recentFileActions() const { return m_actions->recentFileActions(); }
    QAction *recentFilesSeparator() const { return m_actions->recentFilesSeparator(); }

    sharedState *state() const { return m_state; }
    measuringDocument *document() const { return m_document; }
    exportCommand *exporter() const { return m_export; }
    measurementRoad *road() const { return m_road; }
    measuringJournal *journal() const { return m_journal; }
    // The measurement history: recorder, outbox and status-strip mark.
    historyKeeper *history() const { return m_history; }
    // Keeps the crash-safe journal in `folder`; a journal left there by a
    // session that did not end cleanly is offered for restoring first.
    void startJournal(const QString &folder);
    mainLayout *layoutPlaces() const { return m_layout; }
    serialPortRk *serialPort() const { return m_serialPort; }
    measurementTreeRk *treeModel() const { return m_treeModel; }
    infoPanelRk *infoPanel() const { return m_panel; }
    readingRecorderRk *recorder() const { return m_recorder; }
    chartSet *charts() const { return m_charts; }
    itemOperationsRk *operations() const { return m_operations; }
    uploadRecorderRk *uploader() const { return m_uploader; }
    writeTRk *writeTDialog() const { return m_writeT; }
    QTreeWidget *measurementTree() const { return m_tree; }
    standardLibraryRk *libraryDialog() const { return m_library; }
    printMsgConfigRk *printInfoDialog() const { return m_printInfo; }
    printRk *reportDialog() const { return m_print; }
    // The history database dialog and the history window, with their commands.
    historyCommands *historyView() const { return m_historyView; }
    QSplitter *chartArea() const;
    QLabel *stateLabel() const { return m_instrument->stateLabel(); }
    QLabel *connectionLabel() const { return m_instrument->connectionLabel(); }
    bool instrumentConnected() const;
    bool inStartupPhase() const;

    bool isChinese() const { return m_state->isChinese(); }
    QString languageCode() const { return m_state->languageCode(); }
    QStringList recentFiles() const { return m_recentFiles.paths(); }
    const MeasuringConditions &measuringConditions() const { return m_state->conditions(); }
    bool averageMode() const { return m_state->averageMode(); }
    QStringList tolerance() const { return m_state->tolerance().toList(); }
    QString measurementName() const { return m_state->measurementName(); }

    // Measuring files (the work is the document's).
    bool saveFile(const QString &path) { return m_document->saveFile(path); }
    bool loadFile(const QString &path) { return m_document->loadFile(path); }
    void setCurrentFile(const QString &path) { m_document->setCurrentFile(path); }
    bool isModified() const { return m_document->isModified(); }
    bool maybeSave() { return m_document->maybeSave(); }
    // The file named on the command line: after "save changes?" when the
    // measurement restored from the journal is in the way.
    bool openFileAtStart(const QString &path) { return m_document->openAsked(path); }
    QString currentFile() const { return m_document->currentFile(); }
    // Puts `path` at the front of the recent-file list.
    void addRecentFile(const QString &path);

    // Items for other commands (upload, manual input, library, set-as).
    QTreeWidgetItem *addTypeItem(float v1, float v2, float v3, const QString &name,
                                 const QStringList &columns5to15);
    QTreeWidgetItem *addSampleItem(float v1, float v2, float v3, QTreeWidgetItem *parentType,
                                   const QString &name, const QStringList &columns5to15);
    void clearMeasurement();
    // Compares an item's conditions with the current Type's (shows the
    // refusal of the first that differs).
    bool STestCheck(QTreeWidgetItem *item);

public slots:
    // The public face of commands that tests, the file drop and the command
    // line reach; the actions run on the objects that own the work.
    void newFile() { m_document->newFile(); }
    void open() { m_document->open(); }
    bool save() { return m_document->save(); }
    bool saveAs() { return m_document->saveAs(); }
    void exportToExcelInfoSlot(QList<Qt::CheckState> states);
    void dataToPCFcn();
    void dataToPCFinished1Slot();
    void writeTFcn();
    void deleteChooseItemFcn();
    void fastFindFcn();

    void EnglishFcn();
    void SimplifyFcn();
    void TraditionalFcn();
    void retranslateMainWindow();
    void updateRecentFileActions();

    // What the setting dialogs report back.
    void setTolerance(const QString &delatE, const QString &nDelatL, const QString &pDelatL,
                      const QString &nDelata, const QString &pDelata, const QString &nDelatb,
                      const QString &pDelatb);
    void setMeasurementFinish(const QString &lightSource, const QString &colorSpace,
                              const QString &formula, const QString &lightMode);
    void setAverageFinishSignal(const QString &averageTestTime);
    void setPrintMsg(const QString &measurementName, const QString &company,
                     const QString &printTime, const QString &department,
                     const QString &measurementPerson, const QString &productTested, bool timeFlag);

    void getInstrumentInfo();
    void portClosed();
    void whiteYellowValueSlot(float L, float a, float b);

    // Tree and panel.
    void treeItemIsPressed(QTreeWidgetItem *item, int column);
    void showPrintInfo();

signals:
    void whiteYellowValueSignal(QVector<float> values);
    void standardLibraryParameter(QString colorSpacePC, QString colorDiffFormulaPC);
    // Colour space and the six deviation bounds, for the deviation charts.
    void toPainterDeltaLabSignal(const QString &colorSpace, const QString &pDelatL,
                                 const QString &nDelatL, const QString &pDelata,
                                 const QString &nDelata, const QString &pDelatb,
                                 const QString &nDelatb);
    // The ΔE tolerance line of the trend plot.
    void trendToleranceSignal(float delatE, const QString &formula);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createWidgets();
    void addCommands();
    void makeConnections();
    void connectInstrument();
    void connectMeasurementRoad();
    void connectTreeAndPanel();
    void connectSharedState();
    void connectDocument();
    void connectCharts();
    void connectOperations();
    void connectSettingDialogs();
    void readSettings();
    void writeSettings();
    void switchLanguage(const QString &code);
    void toleranceChanged(const Tolerance &tolerance);
    void printInfoChanged(const PrintInfo &info);
    void rejudgeCurrentItem();
    void emitDeviationBounds(const QString &colorSpace);
    void sendChartSettings();

    sharedState *m_state = nullptr;
    languageSwitcher *m_language = nullptr;
    mainActions *m_actions = nullptr;
    mainLayout *m_layout = nullptr;
    recentFileList m_recentFiles;

    instrumentDisplay *m_instrument = nullptr;

    QTreeWidget *m_tree = nullptr;
    measurementTreeRk *m_treeModel = nullptr;
    infoPanelRk *m_panel = nullptr;
    readingRecorderRk *m_recorder = nullptr;
    measurementRoad *m_road = nullptr;
    measuringDocument *m_document = nullptr;
    measuringJournal *m_journal = nullptr;
    historyKeeper *m_history = nullptr;
    exportCommand *m_export = nullptr;
    serialPortRk *m_serialPort = nullptr;
    standardLibraryRk *m_library = nullptr;
    chartSet *m_charts = nullptr;
    itemOperationsRk *m_operations = nullptr;
    uploadRecorderRk *m_uploader = nullptr;
    writeTRk *m_writeT = nullptr;
    printMsgConfigRk *m_printInfo = nullptr;
    printRk *m_print = nullptr;
    reportCommands *m_reports = nullptr;
    historyCommands *m_historyView = nullptr;

    setMeasurementRk *m_setMeasurement = nullptr;
    toleranceRk *m_toleranceDialog = nullptr;
    averageTestRk *m_averageDialog = nullptr;
    whiteYellowRk *m_whiteYellow = nullptr;
    testRk *m_buttonPanel = nullptr;
};

#endif
