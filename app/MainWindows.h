#ifndef QCM_MAINWINDOWS_H
#define QCM_MAINWINDOWS_H

#include "mainActions.h"
#include "measuringConditions.h"
#include "recentFileList.h"

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
class chartSet;
class averageTestRk;
class infoPanelRk;
class instrumentDisplay;
class itemOperationsRk;
class languageSwitcher;
class mainLayout;
class measurementRoad;
class measurementTreeRk;
class measuringDocument;
class measuringJournal;
class printMsgConfigRk;
class printRk;
class readingRecorderRk;
class serialPortRk;
class setMeasurementRk;
class sharedState;
class standardLibraryRk;
class uploadRecorderRk;
class writeTRk;
class testRk;
class toleranceRk;
class whiteYellowRk;
struct PrintInfo;
struct Tolerance;
struct reportData;

// The one main window.  It owns every object of the program and keeps the
// names of its commands, slots and signals, but does no work of its own: each
// slot hands over to the class that owns the work (records/, instrument/,
// dialogs/, charts/, library/, reports/), and the actions, the layout and the
// language live in mainActions, mainLayout and languageSwitcher.
class MainWindows : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindows(QWidget *parent = nullptr);
    ~MainWindows() override;

    QAction *action(ActionId id) const { return m_actions->action(id); }
    // By the object name of the action table (the slot's name).
    QAction *action(const QString &name) const { return m_actions->byName(name); }
    QList<QAction *> recentFileActions() const { return m_actions->recentFileActions(); }
    QAction *recentFilesSeparator() const { return m_actions->recentFilesSeparator(); }

    sharedState *state() const { return m_state; }
    measuringDocument *document() const { return m_document; }
    exportCommand *exporter() const { return m_export; }
    measurementRoad *road() const { return m_road; }
    measuringJournal *journal() const { return m_journal; }
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
    QSplitter *chartArea() const;
    QLabel *stateLabel() const;
    QLabel *connectionLabel() const;
    bool instrumentConnected() const;
    bool inStartupPhase() const;

    bool isChinese() const;
    QString languageCode() const;
    QStringList recentFiles() const { return m_recentFiles.paths(); }
    const MeasuringConditions &measuringConditions() const;
    bool averageMode() const;
    QStringList tolerance() const;
    QString measurementName() const;

    // Measuring files (the work is the document's).
    bool saveFile(const QString &path);
    bool loadFile(const QString &path);
    void setCurrentFile(const QString &path);
    bool isModified() const;
    bool maybeSave();
    // The file named on the command line: after "save changes?" when the
    // measurement restored from the journal is in the way.
    bool openFileAtStart(const QString &path);
    QString currentFile() const;
    // Puts `path` at the front of the recent-file list.
    void addRecentFile(const QString &path);

    // Items for other commands (upload, manual input, library, set-as).
    QTreeWidgetItem *addTypeItem(float v1, float v2, float v3, const QString &name,
                                 const QStringList &columns5to15);
    QTreeWidgetItem *addSampleItem(float v1, float v2, float v3, QTreeWidgetItem *parentType,
                                   const QString &name, const QStringList &columns5to15);
    QString lastItemNumber(QTreeWidgetItem *item) const;
    QTreeWidgetItem *currentItemOrRoot();
    void clearMeasurement();
    // Compares an item's conditions with the current Type's (shows the
    // refusal of the first that differs).
    bool STestCheck(QTreeWidgetItem *item);

public slots:
    void newFile();
    void open();
    bool save();
    bool saveAs();
    void openRecentFile();

    // Export of the marked items (the work is exportCommand's).
    void exportToExcelFcn();
    void exportToCsvFcn();
    void exportToExcelInfoSlot(QList<Qt::CheckState> states);

    void EnglishFcn();
    void SimplifyFcn();
    void TraditionalFcn();
    void retranslateMainWindow();
    void aboutZENTO();
    void updateStatusBar();
    void updateRecentFileActions();

    void setTolerance(const QString &delatE, const QString &nDelatL, const QString &pDelatL,
                      const QString &nDelata, const QString &pDelata, const QString &nDelatb,
                      const QString &pDelatb);
    // Setting dialogs, the button panel and the whiteness dialog.
    void setTolerance();
    void setMeasurementFcn();
    void setMeasurementFinish(const QString &lightSource, const QString &colorSpace,
                              const QString &formula, const QString &lightMode);
    void setAverageTestFcn();
    void setAverageFinishSignal(const QString &averageTestTime);
    void stTestUiFcn();
    void whiteYellowFcn();
    void setPrintMsg(const QString &measurementName, const QString &company,
                     const QString &printTime, const QString &department,
                     const QString &measurementPerson, const QString &productTested, bool timeFlag);
    // Print information and printed reports (the work is reports/').
    void configuration();
    void printFcn();

    void getInstrumentInfo();
    void portClosed();
    void portOpenOK();

    void tsTestTimeSlot();
    void qAppTimeSlot();

    // Measurement road.
    void tTestFcn();
    void sTestFcn();
    void TTestCheckSlot();
    void STestCheckSlot();
    void generateTItem(float L, float a, float b);
    void generateSItem(float L, float a, float b);
    void whiteCalibrationFcn();
    void blackCalibrationFcn();
    void whiteYellowValueSlot(float L, float a, float b);
    void testButtonIndexSlot(float L, float a, float b);

    // Tree and panel.
    void treeItemChanged(QTreeWidgetItem *item, int column);
    void treeItemIsPressed(QTreeWidgetItem *item, int column);
    void treeItemSelectionChanged();
    void showPrintInfo();
    void setComponentHeaders(const QString &colorSpace, const QString &formula);
    // The ΔE trend of the pressed item's Type.
    void updateTrendPlot(QTreeWidgetItem *item);

    // Type data library.
    void standardLibraryFcn();
    void saveAsStandardFcn();
    void saveAsStandard2Fcn();
    void recieveTDataSlot(QList<QString> data, QBrush color);
    void setFileDirectorySlot(QString existFileDirectory);

    // Stored-data upload, manual Type input.
    void dataToPCFcn();
    void dataToPCFinished0Slot(QVector<QString> record, float L, float a, float b);
    void dataToPCFinished1Slot();
    void writeTFcn();
    void dataToAppSlot(QVector<QString> str);

    // Item operations.
    void deleteChooseItemFcn();
    void deleteAllItemFcn();
    void itemRenameFcn();
    void setItemNewNameFcn(QTreeWidgetItem *item, const QString &str);
    void fastFindFcn();
    void fastFindItem(QTreeWidgetItem *item);
    void selectionAllFcn();
    void itemSetAsNewTypeFcn();
    void itemSetAsCheckItemSampleFcn();

signals:
    void dataToPCSignal();
    void dataToPCContinueSignal();
    void writeTSignal(const QString &colorSpace, const QString &testArea);
    void itemRenameSignal(QTreeWidgetItem *item);
    void fastFindTreeSignal(QTreeWidgetItem *item);
    void tTestSignal();
    void sTestSignal();
    void TTestCheckSignal(const QString &, const QString &, const QString &, const QString &,
                          const QString &, const QString &, const QString &, const QString &,
                          const QString &);
    void STestCheckSignal(const QString &, const QString &, const QString &, const QString &,
                          const QString &, const QString &, const QString &, const QString &,
                          const QString &);
    void portInfoLostSignal();
    void whiteCalibrationSignal();
    void blackCalibrationSignal();
    void whiteYellowValueSignal(QVector<float> values);
    void testButtonIndexSignal(float v1, float v2, float v3);
    void standardLibraryParameter(QString colorSpacePC, QString colorDiffFormulaPC);
    void saveOneStandardLibrarySignal(QTreeWidgetItem *item);
    // Colour space and the six deviation bounds, for the deviation charts.
    void toPainterDeltaLabSignal(const QString &colorSpace, const QString &pDelatL,
                                 const QString &nDelatL, const QString &pDelata,
                                 const QString &nDelata, const QString &pDelatb,
                                 const QString &nDelatb);
    // The ΔE tolerance line of the trend plot.
    void trendToleranceSignal(float delatE, const QString &formula);
    void printMsgSignal(const QString &measurementName, const QString &company,
                        const QString &printTime, const QString &department,
                        const QString &measurementPerson, const QString &productTested);
    // A copy of the marked items with the print values, for the report dialog.
    void infoForPrintSignal(const reportData &data);
    void setMeasurementSignal(const QString &instrumentModel, const QString &standardLight,
                              const QString &colorSpace, const QString &colorDiffFormula,
                              const QString &SCISCE);
    void toleranceSignal(const QString &delatE, const QString &nDelatL, const QString &pDelatL,
                         const QString &nDelata, const QString &pDelata, const QString &nDelatb,
                         const QString &pDelatb);
    void setAverageTestSignal(const QString &averageTestTime);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createWidgets();
    void makeConnections();
    void connectInstrument();
    void connectMeasurementRoad();
    void connectTreeAndPanel();
    void connectSharedState();
    void connectDocument();
    void connectExport();
    void connectLibrary();
    void connectCharts();
    void connectOperations();
    void connectReports();
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
    exportCommand *m_export = nullptr;
    serialPortRk *m_serialPort = nullptr;
    standardLibraryRk *m_library = nullptr;
    chartSet *m_charts = nullptr;
    itemOperationsRk *m_operations = nullptr;
    uploadRecorderRk *m_uploader = nullptr;
    writeTRk *m_writeT = nullptr;
    printMsgConfigRk *m_printInfo = nullptr;
    printRk *m_print = nullptr;

    setMeasurementRk *m_setMeasurement = nullptr;
    toleranceRk *m_toleranceDialog = nullptr;
    averageTestRk *m_averageDialog = nullptr;
    whiteYellowRk *m_whiteYellow = nullptr;
    testRk *m_buttonPanel = nullptr;
};

#endif
