// With no language chosen the window follows the system's; on a Chinese
// system the measurement root carries the Chinese prefix, and measuring files
// saved under any language still give all their Types and Samples.

#include "MainWindows.h"
#include "measurementTreeRk.h"
#include "promptRk.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

class tst_systemLanguage : public QObject
{
    Q_OBJECT
private slots:
    void followsAChineseSystem()
    {
        promptRk::setTesting(true);
        QSettings("SoftWare Inc.", "qcm").clear();
        QCOMPARE(QLocale::system().name(), QString("zh_CN"));

        MainWindows window;
        QVERIFY(window.isChinese());
        QVERIFY(window.action("SimplifyFcn")->isChecked());
        QCOMPARE(window.languageCode(), QString());
        QCOMPARE(window.measurementTree()->topLevelItem(2)->text(0), QString("测量名：新建测量"));

        // A file written with the English prefix, as saved on another machine.
        QTemporaryDir dir;
        const QString path = dir.filePath("english.qcm");
        {
            QSettings("SoftWare Inc.", "qcm").setValue("languageChoose", "en_US");
            MainWindows english;
            QTreeWidgetItem *type =
                english.addTypeItem(50, 1, 2, "Type T001",
                                    {"2026-12-09 08:00:00", "D65", "PX71", "8mm", "SCI",
                                     "CIE1976L*a*b*", "ΔE00", "8/d", "CIE 10°", "1", "1"});
            english.addSampleItem(51, 1, 2, type, "Sample S001",
                                  {"2026-12-09 08:01:00", "D65", "PX71", "8mm", "SCI",
                                   "CIE1976L*a*b*", "ΔE00", "8/d", "CIE 10°", "1", "1"});
            QVERIFY(english.saveFile(path));
        }
        QVERIFY(window.loadFile(path));
        QCOMPARE(window.treeModel()->typeCount(), 1);
        QCOMPARE(window.treeModel()->type(0)->childCount(), 1);
        QVERIFY(window.measurementTree()->topLevelItem(2)->text(0).startsWith("测量名："));
    }
};

int main(int argc, char **argv)
{
    // The system language is read once, from the environment, at start.
    qputenv("LC_ALL", "zh_CN.UTF-8");
    qputenv("LANG", "zh_CN.UTF-8");
    QApplication app(argc, argv);
    tst_systemLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_systemLanguage.moc"
