#ifndef QCM_MAINWINDOWS_H
#define QCM_MAINWINDOWS_H

#include "measuringConditions.h"
#include "recentFileList.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <QVector>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QSplitter;
class QTableWidget;
class QTimer;
class QToolBar;
class QTranslator;
class QTreeWidget;
class QTreeWidgetItem;
class infoPanelRk;
class measurementTreeRk;
class readingRecorderRk;
class serialPortRk;

// The one main window: owns the tree, the panels, the charts, the serial link
// and every dialog.  Its slots stay thin; the work lives in the classes of the
// folder that owns it.
class MainWindows : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindows(QWidget *parent = nullptr);
    ~MainWindows() override;

    // Looked up by the object name given in the action table (the slot's name).
    QAction *action(const QString &name) const { return m_actions.value(name); }
    QList<QAction *> recentFileActions() const { return m_recentFileActions; }
    QAction *recentFilesSeparator() const { return m_recentSeparator; }

    serialPortRk *serialPort() const { return m_serialPort; }
    measurementTreeRk *treeModel() const { return m_treeModel; }
    infoPanelRk *infoPanel() const { return m_panel; }
    readingRecorderRk *recorder() const { return m_recorder; }
    bool instrumentConnected() const { return m_instrumentConnected; }
    bool inStartupPhase() const { return m_startupPhase; }
    QTreeWidget *measurementTree() const { return m_tree; }
    QSplitter *chartArea() const { return m_chartArea; }
    QLabel *stateLabel() const { return m_stateLabel; }
    QLabel *connectionLabel() const { return m_connectionLabel; }

    bool isChinese() const { return m_chinese; }
    QString languageCode() const { return m_languageCode; }
    QStringList recentFiles() const { return m_recentFiles.paths(); }
    const MeasuringConditions &measuringConditions() const { return m_conditions; }
    bool averageMode() const { return m_averageMode; }
    QStringList tolerance() const;
    QString measurementName() const { return m_measurementName; }

    // Measuring files.
    bool saveFile(const QString &path);
    bool loadFile(const QString &path);
    void setCurrentFile(const QString &path);
    bool isModified() const;
    bool maybeSave();
    bool openFileAtStart(const QString &path);
    QString currentFile() const { return m_curFile; }

    // Puts `path` at the front of the recent-file list (the measuring file
    // commands call this when a file is opened or saved).
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

    // Fixed size of a dialog for the current language; the dialogs take it at
    // every retranslation.
    static QSize dialogSize(const QString &dialogClass, bool chinese);

public slots:
    void newFile();
    void open();
    bool save();
    bool saveAs();
    void openRecentFile();

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
    void setPrintMsg(const QString &measurementName, const QString &company,
                     const QString &printTime, const QString &department,
                     const QString &measurementPerson, const QString &productTested, bool timeFlag);

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

signals:
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
    void createActions();
    void createMenus();
    void createToolBars();
    void createContextMenu();
    void createStatusBar();
    void createWidgets();
    void makeConnections();
    void readSettings();
    void writeSettings();
    void chooseStartLanguage();
    void loadTranslation(const QString &pathWithoutSuffix);
    void setInstrumentActionsEnabled(bool enabled);
    void setMeasureActionsConnected(bool connected);
    void showMeasuringParameters();
    void rejudgeCurrentItem();
    void emitDeviationBounds(const QString &colorSpace);
    bool saveTo(const QString &path);
    bool conditionsAgreeWithCurrentType(const MeasuringConditions &conditions);
    QString effectiveLanguage() const;
    QString fileFilter() const;
    void applyChartAreaStretch();
    QLabel *makeCaption();

    // Language and translation.
    QTranslator *m_translator = nullptr;
    QString m_languageCode;
    bool m_chinese = false;

    // Tolerance texts, two decimals each.
    QString m_delatE = "2.00", m_nDelatL = "2.00", m_pDelatL = "2.00", m_nDelata = "2.00",
            m_pDelata = "2.00", m_nDelatb = "2.00", m_pDelatb = "2.00";

    // Print information.
    QString m_measurementName, m_company, m_printTime, m_department, m_measurementPerson,
        m_productTested;
    bool m_timeFlag = false;

    MeasuringConditions m_conditions;
    bool m_averageMode = false;
    QString m_libraryDirectory;
    recentFileList m_recentFiles;

    // Instrument state as the window shows it.
    bool m_instrumentConnected = false;
    bool m_startupPhase = true;
    QString m_instrumentModel;
    QString m_stateText;
    QString m_connectionText;

    // Frame.
    QHash<QString, QAction *> m_actions;
    QList<QAction *> m_actionOrder;
    QList<QAction *> m_recentFileActions;
    QAction *m_recentSeparator = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QMenu *m_fileMenu = nullptr, *m_operateMenu = nullptr, *m_calibrationMenu = nullptr,
          *m_settingMenu = nullptr, *m_languageMenu = nullptr, *m_measurementMenu = nullptr,
          *m_transmissionMenu = nullptr, *m_libraryMenu = nullptr, *m_helpMenu = nullptr;
    QMenu *m_treeContextMenu = nullptr;
    QLabel *m_stateLabel = nullptr;
    QLabel *m_connectionLabel = nullptr;
    QTimer *m_debounceTimer = nullptr;
    QTimer *m_eventPumpTimer = nullptr;

    // Widgets.
    QSplitter *m_mainSplitter = nullptr;
    QSplitter *m_chartArea = nullptr;
    QLabel *m_parameterCaption = nullptr;
    QLabel *m_trendCaption = nullptr;
    QLabel *m_deviationCaption = nullptr;
    QTreeWidget *m_tree = nullptr;
    measurementTreeRk *m_treeModel = nullptr;
    infoPanelRk *m_panel = nullptr;
    readingRecorderRk *m_recorder = nullptr;
    bool m_fileLoading = false;
    QString m_curFile;
    int m_savedItemCount = 0;
    serialPortRk *m_serialPort = nullptr;
};

#endif
