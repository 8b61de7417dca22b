#include "reportCommands.h"

#include "checkExportToExcelRk.h"
#include "exportCommand.h"
#include "infoPanelRk.h"
#include "printMsgConfigRk.h"
#include "printRk.h"
#include "reportPages.h"
#include "serialPortRk.h"
#include "sharedState.h"
#include "statisticsDialog.h"

#include <QCoreApplication>
#include <QTreeWidgetItem>

reportCommands::reportCommands(exportCommand *exporter, printRk *print, printMsgConfigRk *printInfo,
                               const measurementTreeRk *tree, const sharedState *state,
                               serialPortRk *link, QObject *parent)
    : QObject(parent), m_export(exporter), m_print(print), m_printInfo(printInfo), m_tree(tree),
      m_state(state),
      m_statistics(new statisticsDialog(tree, state, qobject_cast<QWidget *>(parent)))
{
    connect(exporter->fieldDialog(), &checkExportToExcelRk::checkInfoSignal, exporter,
            &exportCommand::exportChosen);
    exporter->reportTo(link);
    connect(print, &printRk::reGetInfoSignal, this, &reportCommands::printReport);
    connect(print, &printRk::printPortWSSignal, link, &serialPortRk::readyReadSlot);
}

commandRows reportCommands::commands()
{
    const auto noKey = QKeySequence::UnknownKey;
    const auto file = commandMenu::file;
    exportCommand *exporter = m_export;
    return {
        {"printFcn", QT_TRANSLATE_NOOP("MainWindows", "&Print"),
         QT_TRANSLATE_NOOP("MainWindows", "Print file!"), "15 file.png", QKeySequence::Print,
         nullptr, commandNeeds::nothing, file, 50, true, true, 0, this, [this] { printReport(); }},
        {"exportToExcelFcn", QT_TRANSLATE_NOOP("MainWindows", "&Export to excel"),
         QT_TRANSLATE_NOOP("MainWindows", "Data export to excel!"), "16 file.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+M"), commandNeeds::nothing, file, 60, false, true,
         0, exporter, [exporter] { exporter->chooseFields(exportCommand::Workbook); }},
        {"exportToCsvFcn", QT_TRANSLATE_NOOP("MainWindows", "Export to &CSV…"),
         QT_TRANSLATE_NOOP("MainWindows", "Data export to CSV!"), "18 file.png", noKey, nullptr,
         commandNeeds::nothing, file, 70, false, false, 0, exporter,
         [exporter] { exporter->chooseFields(exportCommand::Csv); }},
        {"exportToCgatsFcn", QT_TRANSLATE_NOOP("MainWindows", "Export to CGATS…"),
         QT_TRANSLATE_NOOP("MainWindows", "Data export to a CGATS text file!"), nullptr, noKey,
         nullptr, commandNeeds::nothing, file, 72, false, false, 0, exporter,
         [exporter] { exporter->exportCgats(); }},
        {"statisticsFcn", QT_TRANSLATE_NOOP("MainWindows", "S&tatistics…"),
         QT_TRANSLATE_NOOP("MainWindows",
                           "Figures, capability and control limits of the pressed Type!"),
         nullptr, noKey, nullptr, commandNeeds::nothing, commandMenu::measurement, 90, true, false,
         0, this, [this] { showStatistics(); }},
        {"configuration", QT_TRANSLATE_NOOP("MainWindows", "&Printing Info. Setting"),
         QT_TRANSLATE_NOOP("MainWindows", "Configurate software parameters!"), "44 setting.png",
         noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+I"), commandNeeds::nothing,
         commandMenu::setting, 40, true, true, 2, this, [this] { editPrintInfo(); }},
    };
}

void reportCommands::showStatistics()
{
    m_statistics->show();
    m_statistics->raise();
    m_statistics->refresh();
}

void reportCommands::follow(infoPanelRk *panel)
{
    connect(panel, &infoPanelRk::trendItem, m_statistics, &statisticsDialog::showItem);
}

void reportCommands::printReport()
{
    m_print->show();
    m_print->raise();
    m_print->recieveInfoForPrint(collectReportData(*m_tree, *m_state));
}

void reportCommands::editPrintInfo()
{
    m_printInfo->show();
    m_printInfo->raise();
    const PrintInfo &p = m_state->printInfo();
    m_printInfo->getPrintMsg(p.measurementName, p.company, p.printTime, p.department,
                             p.measurementPerson, p.productTested);
}
