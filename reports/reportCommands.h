#ifndef QCM_REPORTCOMMANDS_H
#define QCM_REPORTCOMMANDS_H

#include "commandRow.h"

#include <QObject>

class exportCommand;
class infoPanelRk;
class measurementTreeRk;
class printMsgConfigRk;
class printRk;
class serialPortRk;
class sharedState;
class statisticsDialog;

// The commands of reports/: printing the marked items, the print
// information and the two exports.  The report dialog gets a fresh copy of
// the marked items whenever it opens or asks again before a print.
class reportCommands : public QObject
{
    Q_OBJECT
public:
    reportCommands(exportCommand *exporter, printRk *print, printMsgConfigRk *printInfo,
                   const measurementTreeRk *tree, const sharedState *state, serialPortRk *link,
                   QObject *parent = nullptr);

    commandRows commands();
    void printReport();
    void editPrintInfo();
    void showStatistics();
    // The statistics follow the item pressed in the panel's tree.
    void follow(infoPanelRk *panel);
    statisticsDialog *statistics() const { return m_statistics; }

private:
    exportCommand *m_export;
    printRk *m_print;
    printMsgConfigRk *m_printInfo;
    const measurementTreeRk *m_tree;
    const sharedState *m_state;
    statisticsDialog *m_statistics;
};

#endif
