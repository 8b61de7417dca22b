// The main window frame: what the constructor builds, the settings it reads
// and writes, the languages and the recent-file list.

#include "../support/settingsStore.h"
#include "MainWindows.h"
#include "chartPictures.h"
#include "chartSet.h"
#include "fakeColorRk.h"
#include "fillingTable.h"
#include "fixedSizeDialog.h"
#include "infoPanelRk.h"
#include "mainLayout.h"
#include "measurementTreeRk.h"
#include "painterLabRk.h"
#include "promptRk.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

class tst_mainWindow : public QObject
{
    Q_OBJECT

private:
    static QSettings store() { return QSettings("SoftWare Inc.", "qcm"); }
    static int stretch(QSplitter *splitter, int index)
    {
        return splitter->widget(index)->sizePolicy().horizontalStretch();
    }

private slots:
    void initTestCase()
    {
        promptRk::setTesting(true);
        QVERIFY2(QFile::exists("./language/zh_CN.qm"), "run from the build folder");
    }
    void init() { resetStore(); }

    void frameAfterConstruction()
    {
        MainWindows window;
        QCOMPARE(window.windowTitle(), QString("Color Software QCM  Untitled [*] - QCM"));

        // Every action of the table exists; instrument actions start disabled.
        const QStringList disabled = {
            "whiteCalibrationFcn", "blackCalibrationFcn", "tTestFcn",   "sTestFcn",
            "stTestUiFcn",         "whiteYellowFcn",      "dataToPCFcn"};
        for (const QString &name : disabled) {
            QVERIFY2(window.action(name), qPrintable(name));
            QVERIFY2(!window.action(name)->isEnabled(), qPrintable(name));
        }
        for (const char *name :
             {"newFile", "open", "save", "saveAs", "printFcn", "exportToExcelFcn", "setTolerance",
              "writeTFcn", "standardLibraryFcn", "itemRenameFcn"})
            QVERIFY2(window.action(name)->isEnabled(), name);
        QCOMPARE(window.action("tTestFcn")->shortcut(), QKeySequence("T"));
        QCOMPARE(window.action("exportToExcelFcn")->shortcut(), QKeySequence("Ctrl+M"));
        QCOMPARE(window.action("saveAs")->shortcut(), QKeySequence(QKeySequence::SaveAs));
        QCOMPARE(window.action("dataToPCFcn")->statusTip(),
                 QString("stored data in instrument transmit PC"));
        QVERIFY(!window.action("newFile")->icon().isNull());
        QVERIFY(window.action("EnglishFcn")->icon().isNull());

        // Menus in order.
        QStringList titles;
        for (QAction *menu : window.menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles,
                 QStringList({"&File", "&Operate", "&Calibration", "&Setting", "&Measurement",
                              "&Data Transmission", "&Type library", "&Help"}));

        // The tree's fixed skeleton.
        QTreeWidget *tree = window.measurementTree();
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("Instrument Info."));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 11);
        QCOMPARE(tree->topLevelItem(1)->text(0), QString("Software Info."));
        QCOMPARE(tree->topLevelItem(1)->childCount(), 3);
        QCOMPARE(tree->topLevelItem(2)->text(0), QString("Measuring Name:New Measurement"));
        QCOMPARE(tree->columnCount(), 17);
        QVERIFY(tree->isColumnHidden(2) && tree->isColumnHidden(16) && !tree->isColumnHidden(1));
        QCOMPARE(tree->topLevelItem(0)->flags(), Qt::ItemIsEnabled);
        QVERIFY(tree->topLevelItem(2)->flags() & Qt::ItemIsSelectable);
        QVERIFY(tree->topLevelItem(0)->data(0, Qt::CheckStateRole).isNull());
        QCOMPARE(tree->actions().size(), 11);

        // The tolerance rows are filled from the settings at start.
        QTreeWidgetItem *toleranceRow = window.treeModel()->toleranceRow(1);
        QCOMPARE(toleranceRow->text(0), QString("-2.00≤△L≤2.00"));
        QCOMPARE(window.treeModel()->printRow(0)->text(1), QString("[New Measurement]"));

        // The status strip of the link is the first child of the main splitter.
        auto *mainSplitter = qobject_cast<QSplitter *>(window.centralWidget());
        QVERIFY(mainSplitter);
        QCOMPARE(mainSplitter->widget(0), reinterpret_cast<QWidget *>(window.serialPort()));
        QVERIFY(!mainSplitter->handle(1)->isEnabled());
    }

    void disconnectedAfterSearch()
    {
        MainWindows window;
        window.portClosed();
        QCOMPARE(window.connectionLabel()->text(), QString("Disconnected"));
        QCOMPARE(window.stateLabel()->text(), QString());
        QVERIFY(!window.action("tTestFcn")->isEnabled());
    }

    void readSettingsChecks_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QStringList>("tolerance");
        const QStringList defaults = {"2.00", "2.00", "2.00", "2.00", "2.00", "2.00", "2.00"};
        const QStringList keys = {"delatE",  "nDelatL", "pDelatL", "nDelata",
                                  "pDelata", "nDelatb", "pDelatb"};
        auto all = [&keys](const QString &value) {
            QVariantMap map;
            for (const QString &key : keys)
                map.insert(key, value);
            return map;
        };
        QTest::newRow("empty store") << QVariantMap() << defaults;
        QTest::newRow("all zero") << all("0.00") << defaults;
        QVariantMap oneBound = all("0.00");
        oneBound.insert("pDelata", "1.00");
        QTest::newRow("one bound kept")
            << oneBound << QStringList({"0.00", "0.00", "0.00", "0.00", "1.00", "0.00", "0.00"});
        QVariantMap huge = all("1.5");
        huge.insert("delatE", "1000000");
        QTest::newRow("huge delatE") << huge << defaults;
        QVariantMap hugeBound = all("1.5");
        hugeBound.insert("pDelatb", "1000000");
        QTest::newRow("huge pDelatb kept")
            << hugeBound
            << QStringList({"1.50", "1.50", "1.50", "1.50", "1.50", "1.50", "1000000.00"});
        QTest::newRow("normalised")
            << all("1.234")
            << QStringList({"1.23", "1.23", "1.23", "1.23", "1.23", "1.23", "1.23"});
    }
    void readSettingsChecks()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QStringList, tolerance);
        resetStore(stored);
        MainWindows window;
        QCOMPARE(window.tolerance(), tolerance);
    }

    void conditionDefaultsAndAverageMode_data()
    {
        QTest::addColumn<QString>("averageTestTime");
        QTest::addColumn<bool>("averageMode");
        QTest::newRow("3") << "3" << true;
        QTest::newRow("1") << "1" << false;
        QTest::newRow("abc") << "abc" << false;
    }
    void conditionDefaultsAndAverageMode()
    {
        QFETCH(QString, averageTestTime);
        QFETCH(bool, averageMode);
        resetStore({{"averageTestTimePC", averageTestTime}});
        MainWindows window;
        QCOMPARE(window.averageMode(), averageMode);
        const MeasuringConditions &conditions = window.measuringConditions();
        QCOMPARE(conditions.standardLight, QString("D65"));
        QCOMPARE(conditions.colorSpace, QString("CIE1976L*a*b*"));
        QCOMPARE(conditions.colorDiffFormula, QString("△ELab"));
        QCOMPARE(conditions.SCISCE, QString("SCI"));
    }

    void writeSettingsKeys()
    {
        {
            MainWindows window;
            window.SimplifyFcn();
            window.close();
        }
        QSettings settings = store();
        const QStringList expected = {"pos",
                                      "size",
                                      "maximized",
                                      "geometry",
                                      "recentFiles",
                                      "timeFlag",
                                      "newName",
                                      "companyName",
                                      "printTime",
                                      "departmentName",
                                      "operatorName",
                                      "productName",
                                      "standardLightPC",
                                      "colorSpacePC",
                                      "colorDiffFormulaPC",
                                      "SCISCEPC",
                                      "averageTestTimePC",
                                      "averageTestCountPC",
                                      "delatE",
                                      "nDelatL",
                                      "pDelatL",
                                      "nDelata",
                                      "pDelata",
                                      "nDelatb",
                                      "pDelatb",
                                      "fileDirectory",
                                      "languageChoose"};
        for (const QString &key : expected)
            QVERIFY2(settings.contains(key), qPrintable(key));
        QCOMPARE(settings.allKeys().size(), expected.size());
        QCOMPARE(settings.value("languageChoose").toString(), QString("zh_CN"));
        QCOMPARE(settings.value("colorDiffFormulaPC").toString(), QString("△ELab"));

        // The next start follows the stored language.
        MainWindows again;
        QVERIFY(again.isChinese());
        QVERIFY(again.action("SimplifyFcn")->isChecked());
        QCOMPARE(again.action("newFile")->text(), QString("新建(&N)"));
    }

    void languageSwitching()
    {
        MainWindows window;
        window.EnglishFcn();
        QVERIFY(!window.isChinese());
        QCOMPARE(stretch(window.chartArea(), 0), 21);
        QCOMPARE(stretch(window.chartArea(), 1), 30);
        QCOMPARE(window.action("open")->text(), QString("&Open"));
        QCOMPARE(window.measurementTree()->topLevelItem(0)->text(0), QString("Instrument Info."));

        window.SimplifyFcn();
        QVERIFY(window.isChinese());
        QCOMPARE(window.languageCode(), QString("zh_CN"));
        QCOMPARE(stretch(window.chartArea(), 0), 1);
        QCOMPARE(stretch(window.chartArea(), 1), 5);
        QCOMPARE(window.action("open")->text(), QString("打开(&O)"));
        QCOMPARE(window.action("tTestFcn")->text(), QString("标样测量(&T)"));
        QCOMPARE(window.measurementTree()->topLevelItem(0)->text(0), QString("仪器信息"));
        QCOMPARE(window.measurementTree()->topLevelItem(2)->text(0), QString("测量名：新建测量"));
        // Qt's own texts follow: the buttons of every box and the file dialogs.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("是(&Y)"));
        QVERIFY(QCoreApplication::translate("QFileDialog", "File &name:") != "File &name:");

        window.TraditionalFcn();
        QCOMPARE(window.action("open")->text(), QString("開啟(&O)"));
        QCOMPARE(window.action("tTestFcn")->text(), QString("標樣測量(&T)"));
        QCOMPARE(window.measurementTree()->topLevelItem(0)->text(0), QString("儀器資訊"));
        QVERIFY(window.action("TraditionalFcn")->isChecked());
        QVERIFY(!window.action("SimplifyFcn")->isChecked());

        QVERIFY(QCoreApplication::translate("QPlatformTheme", "&Yes") != "&Yes");
        window.EnglishFcn();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Yes"));
        QCOMPARE(window.action("open")->text(), QString("&Open"));
        QCOMPARE(window.measurementTree()->topLevelItem(2)->text(0),
                 QString("Measuring Name:New Measurement"));
    }

    void itemConditionsCheckedAgainstTheCurrentType()
    {
        MainWindows window;
        const QStringList columns = {"2026-12-09 08:00:00",
                                     "D65",
                                     "PX71",
                                     "8mm",
                                     "SCI",
                                     "CIE1976L*a*b*",
                                     "ΔE00",
                                     "8/d",
                                     "CIE 10°",
                                     "1",
                                     "1"};
        QTreeWidgetItem *type = window.addTypeItem(50, 1, 2, "Type T001", columns);
        QTreeWidgetItem *sample = window.addSampleItem(51, 1, 2, type, "Sample S001", columns);
        QVERIFY(window.STestCheck(sample));
        sample->setText(9, "SCE");
        QVERIFY(!window.STestCheck(sample));
        QVERIFY(promptRk::history().last().text.startsWith(
            "Please change in measurement setup if containing light mode"));
    }

    void dialogSizesFollowLanguage()
    {
        // Every dialog of the window takes its texts and its size for the
        // language at each switch, without the window knowing its class.
        class probeDialog : public fixedSizeDialog
        {
        public:
            using fixedSizeDialog::fixedSizeDialog;
            int retranslations = 0;

        protected:
            void retranslate() override { ++retranslations; }
        };
        resetStore({{"languageChoose", "en_US"}});
        MainWindows window;
        auto *dialog = new probeDialog(QSize(200, 290), QSize(260, 290), &window);
        auto *ownSize = new probeDialog(QSize(), QSize(), &window);
        ownSize->resize(333, 111);
        window.SimplifyFcn();
        QCOMPARE(dialog->size(), QSize(200, 290));
        QVERIFY(dialog->chineseInterface());
        QCOMPARE(dialog->retranslations, 1);
        QCOMPARE(ownSize->size(), QSize(333, 111));
        window.EnglishFcn();
        QCOMPARE(dialog->size(), QSize(260, 290));
        QVERIFY(!dialog->chineseInterface());
    }

    void recentFiles()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 1; i <= 7; ++i) {
            const QString path = dir.filePath(QString("m%1.qcm").arg(i));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            paths << path;
        }
        {
            MainWindows window;
            QVERIFY(!window.recentFilesSeparator()->isVisible());
            for (const QString &path : paths)
                window.addRecentFile(path);
            const QList<QAction *> actions = window.recentFileActions();
            QCOMPARE(actions.size(), 5);
            for (int i = 0; i < 5; ++i) {
                QVERIFY(actions[i]->isVisible());
                QCOMPARE(actions[i]->text(), QString("&%1 m%2.qcm").arg(i + 1).arg(7 - i));
                QCOMPARE(actions[i]->data().toString(), paths[6 - i]);
            }
            QVERIFY(window.recentFilesSeparator()->isVisible());
            window.addRecentFile(paths[2]); // reopening moves it to the front
            QCOMPARE(window.recentFiles().first(), paths[2]);
            QCOMPARE(window.recentFiles().size(), 7);
            window.close();
        }
        QCOMPARE(store().value("recentFiles").toStringList().size(), 7);

        // A deleted file disappears at the next start.
        QFile::remove(paths[2]);
        MainWindows again;
        QCOMPARE(again.recentFiles().size(), 6);
        QVERIFY(!again.recentFiles().contains(paths[2]));
    }

    void recentFilesAreAbsoluteAndShowAmpersands()
    {
        QTemporaryDir dir;
        const QString name = "R&D run.qcm";
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        {
            MainWindows window;
            window.addRecentFile(name); // as given on the command line
            QCOMPARE(window.recentFiles().first(), QFileInfo(file).absoluteFilePath());
            QAction *first = window.recentFileActions().first();
            QCOMPARE(first->text(), QString("&1 R&&D run.qcm"));
            window.close();
        }
        QVERIFY(QDir::setCurrent(before));
        // From elsewhere the stored entry still names the file.
        MainWindows again;
        QCOMPARE(again.recentFiles().value(0), QFileInfo(file).absoluteFilePath());
    }

    // A window saved on a monitor that is gone, or on a larger screen, comes
    // back wholly on the screens there are; one that fits stays where it was.
    void placementStaysOnTheScreens_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<bool>("withGeometry");
        QTest::newRow("beyond the right screen") << QRect(3000, 2000, 700, 500) << true;
        QTest::newRow("left of the screen, old store") << QRect(-2500, 100, 600, 400) << false;
        QTest::newRow("larger than the screen") << QRect(0, 0, 4000, 3000) << true;
        QTest::newRow("fits") << QRect(40, 30, 500, 400) << true;
    }
    void placementStaysOnTheScreens()
    {
        QFETCH(QRect, saved);
        QFETCH(bool, withGeometry);
        QVariantMap stored{{"pos", saved.topLeft()}, {"size", saved.size()}};
        if (withGeometry) {
            QWidget elsewhere;
            elsewhere.setGeometry(saved);
            stored.insert("geometry", elsewhere.saveGeometry());
        }
        resetStore(stored);
        MainWindows window;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(window.geometry()), qPrintable(QString("%1,%2 %3x%4")
                                                                    .arg(window.x())
                                                                    .arg(window.y())
                                                                    .arg(window.width())
                                                                    .arg(window.height())));
        if (screen.contains(saved))
            QCOMPARE(window.geometry(), saved);
    }

    void panelValuesAreReadable_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("language");
        QTest::newRow("1280x800") << QSize(1280, 800) << "en_US";
        QTest::newRow("1920x1080") << QSize(1920, 1080) << "en_US";
        QTest::newRow("1280x800 Chinese") << QSize(1280, 800) << "zh_CN";
    }
    void panelValuesAreReadable()
    {
        QFETCH(QSize, size);
        QFETCH(QString, language);
        resetStore({{"languageChoose", language}});
        MainWindows window;
        window.setPrintMsg("Lot 5", "ACME Dyeing Works", "", "Quality Lab", "Ann Miller",
                           "Cotton yarn", false);
        window.showPrintInfo();
        const QStringList columns = {
            "2026-12-09 08:00:00", "F11(TL84)", "PX71",    "8mm", "SCI", "CIE1976L*a*b*",
            "ΔECMC(2:1)",          "8/d",       "CIE 10°", "3",   "3"};
        QTreeWidgetItem *type = window.addTypeItem(52.345f, 21.5f, -12.25f, "Type T001", columns);
        QTreeWidgetItem *sample =
            window.addSampleItem(49.125f, 23.75f, -9.5f, type, "Sample S001", columns);
        window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.treeItemIsPressed(sample, 0);

        // Every value the panel shows is whole, after the tables laid out.
        auto *panel = window.infoPanel();
        struct Cell
        {
            QTableWidget *table;
            int row, column;
        };
        QVector<Cell> cells = {{panel->printInfoTable(), 0, 1}, {panel->printInfoTable(), 1, 1},
                               {panel->printInfoTable(), 0, 5}, {panel->printInfoTable(), 1, 5},
                               {panel->colorDataTable(), 0, 1}, {panel->colorDataTable(), 0, 2},
                               {panel->colorDataTable(), 4, 1}, {panel->colorDataTable(), 4, 3},
                               {panel->colorDataTable(), 4, 4}, {panel->colorDataTable(), 4, 5}};
        for (int column = 0; column < 8; ++column)
            cells.append({panel->parameterTable(), 1, column});
        for (int row = 1; row <= 3; ++row)
            for (int column : {1, 2, 4, 5, 6})
                cells.append({panel->colorDataTable(), row, column});
        for (const Cell &cell : cells) {
            auto *table = static_cast<fillingTable *>(cell.table);
            const QString where = QString("%1 (%2, %3) \"%4\"")
                                      .arg(table->objectName())
                                      .arg(cell.row)
                                      .arg(cell.column)
                                      .arg(table->item(cell.row, cell.column)->text());
            QVERIFY2(!table->item(cell.row, cell.column)->text().isEmpty(), qPrintable(where));
            QTRY_VERIFY2(!table->isElided(cell.row, cell.column), qPrintable(where));
        }
        const QString artefacts =
            QDir(qEnvironmentVariable("QCM_BUILD_DIR")).filePath("tests/artifacts");
        QDir().mkpath(artefacts);
        window.grab().save(QString("%1/panel_%2x%3_%4.png")
                               .arg(artefacts)
                               .arg(size.width())
                               .arg(size.height())
                               .arg(language));
    }

    // At the size a first start takes on a 1280x1024 screen every value of
    // the three tables is whole.
    void defaultSizeIsReadable_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en_US";
        QTest::newRow("Chinese") << "zh_CN";
    }
    void defaultSizeIsReadable()
    {
        QFETCH(QString, language);
        resetStore({{"languageChoose", language}});
        MainWindows window;
        window.setPrintMsg("Lot 5", "ACME Dyeing Works", "", "Quality Lab", "Ann Miller",
                           "Cotton yarn", false);
        window.showPrintInfo();
        measurementTreeRk *model = window.treeModel();
        model->showInstrumentValues({"PX71", "400nm-700nm", "F11(TL84)", "CIE 10°", "8/d", "8mm",
                                     "SCI+SCE", "CIE1976L*a*b*", "ΔECMC(2:1)", "12/1000",
                                     "140/5000"});
        MeasuringConditions shownConditions = window.measuringConditions();
        shownConditions.standardLight = "F11(TL84)";
        shownConditions.colorDiffFormula = "ΔECMC(2:1)";
        model->showParameters(shownConditions);
        const QStringList columns = {
            "2026-12-09 08:00:00", "F11(TL84)", "PX71",    "8mm", "SCI", "CIE1976L*a*b*",
            "ΔECMC(2:1)",          "8/d",       "CIE 10°", "3",   "3"};
        QTreeWidgetItem *type = window.addTypeItem(52.345f, 21.5f, -12.25f, "Type T001", columns);
        QTreeWidgetItem *sample =
            window.addSampleItem(49.125f, 23.75f, -9.5f, type, "Sample S001", columns);
        window.resize(QSize(1280, 1024) * 0.9);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.treeItemIsPressed(sample, 0);

        // The three tables: every value whole (a label the row has no room
        // for wraps or shows its text as tool tip).
        auto *panel = window.infoPanel();
        for (QTableWidget *table :
             {panel->printInfoTable(), panel->parameterTable(), panel->colorDataTable()}) {
            auto *filling = static_cast<fillingTable *>(table);
            for (int row = 0; row < table->rowCount(); ++row) {
                for (int column = 0; column < table->columnCount(); ++column) {
                    if (!table->item(row, column) || filling->isLabelCell(row, column))
                        continue;
                    const QString where = QString("%1 (%2, %3) \"%4\"")
                                              .arg(table->objectName())
                                              .arg(row)
                                              .arg(column)
                                              .arg(table->item(row, column)->text());
                    QTRY_VERIFY2(!filling->isElided(row, column), qPrintable(where));
                }
            }
        }

        const QString artefacts =
            QDir(qEnvironmentVariable("QCM_BUILD_DIR")).filePath("tests/artifacts");
        QDir().mkpath(artefacts);
        window.grab().save(QString("%1/defaultSize_%2.png").arg(artefacts, language));
    }

    // The row of tables, swatch and chart at the default size of a
    // 1280x1024 screen, in the font sizes desktops use: every value and
    // every tree value whole, the print labels wrapped whole, the swatch
    // and the chart wide enough for their texts, the chart's texts inside
    // its frame and clear of each other.  A wide window keeps 4:2:6.
    void panelRowIsReadable_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("points");
        QTest::addColumn<QSize>("size");
        const QSize standard = QSize(1280, 1024) * 0.9;
        QTest::newRow("English 9 pt") << "en_US" << 9 << standard;
        QTest::newRow("English 10 pt") << "en_US" << 10 << standard;
        QTest::newRow("Chinese 10 pt") << "zh_CN" << 10 << standard;
        QTest::newRow("English 10 pt, 1920x1080") << "en_US" << 10 << QSize(1920, 1040);
    }
    void panelRowIsReadable()
    {
        QFETCH(QString, language);
        QFETCH(int, points);
        QFETCH(QSize, size);
        const QFont before = QApplication::font();
        QFont font = before;
        font.setPointSize(points);
        QApplication::setFont(font);
        const auto restoreFont = qScopeGuard([&] { QApplication::setFont(before); });
        resetStore({{"languageChoose", language}});
        MainWindows window;
        window.setPrintMsg("Lot 5", "ACME Dyeing Works", "", "Quality Lab", "Ann Miller",
                           "Cotton yarn", false);
        window.showPrintInfo();
        measurementTreeRk *model = window.treeModel();
        model->showInstrumentValues({"PX71", "400nm-700nm", "F11(TL84)", "CIE 10°", "8/d", "8mm",
                                     "SCI+SCE", "CIE1976L*a*b*", "ΔECMC(2:1)", "12/1000",
                                     "140/5000"});
        const QStringList columns = {
            "2026-12-09 08:00:00", "F11(TL84)", "PX71",    "8mm", "SCI", "CIE1976L*a*b*",
            "ΔECMC(2:1)",          "8/d",       "CIE 10°", "3",   "3"};
        QTreeWidgetItem *type = window.addTypeItem(52.345f, 21.5f, -12.25f, "Type T001", columns);
        QTreeWidgetItem *sample =
            window.addSampleItem(49.125f, 23.75f, -9.5f, type, "Sample S001", columns);
        window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.treeItemIsPressed(sample, 0);
        QCoreApplication::processEvents();

        auto *panel = window.infoPanel();
        for (QTableWidget *table :
             {panel->printInfoTable(), panel->parameterTable(), panel->colorDataTable()}) {
            auto *filling = static_cast<fillingTable *>(table);
            for (int row = 0; row < table->rowCount(); ++row) {
                for (int column = 0; column < table->columnCount(); ++column) {
                    // The print information's labels wrap whole, and all
                    // labels in a wide window; where the row is short of
                    // room the other labels show their text as tool tip.
                    if (!table->item(row, column) ||
                        (filling->isLabelCell(row, column) && size.width() < 1900 &&
                         table != panel->printInfoTable()))
                        continue;
                    const QString where = QString("%1 (%2, %3) \"%4\"")
                                              .arg(table->objectName())
                                              .arg(row)
                                              .arg(column)
                                              .arg(table->item(row, column)->text());
                    QTRY_VERIFY2(!filling->isElided(row, column), qPrintable(where));
                }
            }
            // Never smaller than the smallest texts.
            QVERIFY(filling->textScale() >= fillingTable::smallestTextScale - 0.001);
        }

        // The tree's information values are whole.
        QTreeWidget *tree = window.measurementTree();
        for (int row = 0; row < model->instrumentRowCount; ++row) {
            QTreeWidgetItem *info = model->instrumentRow(row);
            const QRect cell = tree->visualItemRect(info).intersected(tree->viewport()->rect());
            const int valueLeft = tree->header()->sectionViewportPosition(1);
            const int room = cell.right() - valueLeft;
            QVERIFY2(tree->fontMetrics().horizontalAdvance(info->text(1)) <= room,
                     qPrintable(info->text(1)));
        }

        // The row: the tables' values, the swatch's and the chart's texts
        // have their room; 4:2:6 where the row is wide enough.
        QSplitter *row = window.layoutPlaces()->panelRow();
        const QList<int> sizes = row->sizes();
        fakeColorRk *swatch = window.charts()->swatch();
        painterLabRk *chart = window.charts()->colourChart();
        QVERIFY2(swatch->width() >= swatch->minimumSizeHint().width(),
                 qPrintable(QString::number(swatch->width())));
        QVERIFY2(chart->width() >= chart->minimumSizeHint().width(),
                 qPrintable(QString::number(chart->width())));
        const int total = sizes[0] + sizes[1] + sizes[2];
        const QString shares = QString("%1 %2 %3").arg(sizes[0]).arg(sizes[1]).arg(sizes[2]);
        if (size.width() >= 1900) {
            // The tables take their share or more; the swatch and the chart
            // share the rest 2:6.
            QVERIFY2(sizes[0] >= total * 4 / 12 - 2, qPrintable(shares));
            QVERIFY2(qAbs(sizes[1] * 3 - sizes[2]) <= 6, qPrintable(shares));
        } else {
            QVERIFY2(sizes[2] > sizes[1], qPrintable(shares));
        }
        // The title whole, the names whole in three quarters of the font at
        // the least.
        const QFontMetrics swatchFont(swatch->font());
        const QString title = QCoreApplication::translate("fakeColorRk", "simulation");
        QVERIFY2(swatchFont.horizontalAdvance(title) <= swatch->width() - 20, qPrintable(title));
        for (const QString &name : {type->text(0), sample->text(0)})
            QVERIFY2(swatchFont.horizontalAdvance(name) * 3 / 4 <= swatch->width() - 20,
                     qPrintable(name));

        // Every chart the colour spaces give, at the chart's size in the
        // window: every text inside the frame, none over another.
        const QStringList spaces = {"CIE1976L*a*b*", "CIELCH", "CIELUV", "CIEXYZ", "sRGB"};
        const QVector<ColorTriple> types = {{52.35f, 21.5f, -12.25f},
                                            {52.35f, 24.8f, 330.3f},
                                            {52.35f, 20.1f, -11.4f},
                                            {41.24f, 21.26f, 1.93f},
                                            {200, 40, 40}};
        const QVector<ColorTriple> samples = {{49.13f, 23.75f, -9.5f},
                                              {49.13f, 25.6f, 338.2f},
                                              {49.13f, 22.3f, -9.1f},
                                              {35.7f, 30.1f, 10.2f},
                                              {10, 11, 12}};
        for (int k = 0; k < spaces.size(); ++k) {
            colourCoordinates data;
            data.colorSpace = spaces[k];
            data.type = types[k];
            data.sample = samples[k];
            data.sampleShown = true;
            QImage image(chart->size(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            QVector<QRectF> texts;
            {
                QPainter painter(&image);
                painter.setFont(chart->font());
                paintColourCoordinates(painter, image.rect(), data, chartPictures::shared(), true,
                                       &texts);
            }
            image.save(
                QString("%1/colourChart_%2_%3pt_%4.png")
                    .arg(QDir(qEnvironmentVariable("QCM_BUILD_DIR")).filePath("tests/artifacts"))
                    .arg(k)
                    .arg(points)
                    .arg(size.width()));
            QVERIFY(texts.size() >= 3);
            const QRectF frame(0, 0, chart->width() - 3, chart->height());
            for (int i = 0; i < texts.size(); ++i) {
                QVERIFY2(frame.contains(texts[i]),
                         qPrintable(
                             QString("%1: text %2 of %3").arg(spaces[k]).arg(i).arg(texts.size())));
                for (int j = 0; j < i; ++j)
                    QVERIFY2(
                        !texts[i].intersects(texts[j]),
                        qPrintable(QString("%1: texts %2 and %3").arg(spaces[k]).arg(j).arg(i)));
            }
        }
        const QString artefacts =
            QDir(qEnvironmentVariable("QCM_BUILD_DIR")).filePath("tests/artifacts");
        window.grab().save(QString("%1/panelRow_%2_%3pt_%4.png")
                               .arg(artefacts, language)
                               .arg(points)
                               .arg(size.width()));
    }

    // The row's sizes: the factors' shares, a squeezed child at its minimum,
    // the earlier children first when the minimums exceed the room.
    void sharingTheRow_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<QVector<int>>("minimums");
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("room for all")
            << 1200 << QVector<int>{100, 50, 100} << QList<int>{400, 200, 600};
        QTest::newRow("tables at their minimum")
            << 1200 << QVector<int>{600, 50, 100} << QList<int>{600, 150, 450};
        QTest::newRow("swatch at its minimum too")
            << 800 << QVector<int>{500, 100, 100} << QList<int>{500, 100, 200};
        QTest::newRow("minimums beyond the room")
            << 600 << QVector<int>{500, 100, 200} << QList<int>{500, 100, 0};
        QTest::newRow("nothing") << 0 << QVector<int>{10, 10, 10} << QList<int>{0, 0, 0};
    }
    void sharingTheRow()
    {
        QFETCH(int, total);
        QFETCH(QVector<int>, minimums);
        QFETCH(QList<int>, sizes);
        QCOMPARE(mainLayout::shareByFactors(total, {4, 2, 6}, minimums), sizes);
    }

    void windowGrabbedInBothLanguages()
    {
        const QString artefacts =
            QDir(qEnvironmentVariable("QCM_BUILD_DIR")).filePath("tests/artifacts");
        QDir().mkpath(artefacts);
        for (const QString &language : {QString("en_US"), QString("zh_CN")}) {
            resetStore({{"languageChoose", language}});
            MainWindows window;
            window.resize(1280, 800);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const QImage image = window.grab().toImage();
            QCOMPARE(image.size(), QSize(1280, 800));
            // Not blank: the frame has many colours (icons, captions, tree).
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); y += 7)
                for (int x = 0; x < image.width(); x += 7)
                    colours.insert(image.pixel(x, y));
            QVERIFY2(colours.size() > 20, qPrintable(QString::number(colours.size())));
            QVERIFY(image.save(artefacts + "/mainWindow_" + language + ".png"));
        }
    }
};

QTEST_MAIN(tst_mainWindow)
#include "tst_mainWindow.moc"
