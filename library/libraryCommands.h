#ifndef QCM_LIBRARYCOMMANDS_H
#define QCM_LIBRARYCOMMANDS_H

#include "commandRow.h"

#include <QObject>

class QWidget;
class measurementTreeRk;
class serialPortRk;
class sharedState;
class standardLibraryRk;

// The library's commands and what passes between it, the tree, the shared
// values and the link: the dialog opened with the current conditions, Types
// and Samples saved into it, launched entries becoming Types, the folder
// chosen, and the instrument's readings converted into the current space for
// the search by value.
class libraryCommands : public QObject
{
    Q_OBJECT
public:
    libraryCommands(standardLibraryRk *library, measurementTreeRk *tree, sharedState *state,
                    serialPortRk *link, QWidget *window);

    commandRows commands();

private:
    void open();
    void saveSelected();
    void saveChecked();

    standardLibraryRk *m_library;
    measurementTreeRk *m_tree;
    sharedState *m_state;
    QWidget *m_window;
};

#endif
