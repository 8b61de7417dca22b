#include "libraryCommands.h"

#include "colorConversions.h"
#include "libraryTreeLink.h"
#include "serialPortRk.h"
#include "sharedState.h"
#include "standardLibraryRk.h"

#include <QCoreApplication>

libraryCommands::libraryCommands(standardLibraryRk *library, measurementTreeRk *tree,
                                 sharedState *state, serialPortRk *link, QWidget *window)
    : QObject(library), m_library(library), m_tree(tree), m_state(state), m_window(window)
{
    connect(library, &standardLibraryRk::sendTDataSignal, this,
            [this](QList<QString> data, QBrush color) {
                libraryTreeLink::launchType(m_tree, m_state->conditions().instrumentModel, data,
                                            color);
            });
    connect(library, &standardLibraryRk::fileDirectorySignal, m_state,
            &sharedState::setLibraryDirectory);
    // The instrument's reading for the search by value, in the current space.
    connect(link, &serialPortRk::testSignal, this, [this](float L, float a, float b) {
        const QList<float> v = colorSpaceValues(L, a, b, m_state->conditions().colorSpace);
        if (v.size() == 3)
            m_library->getColorParameter(v[0], v[1], v[2]);
    });
    library->followLink(link);
}

commandRows libraryCommands::commands()
{
    const auto noKey = QKeySequence::UnknownKey;
    return {
        {"saveAsStandardFcn", QT_TRANSLATE_NOOP("MainWindows", "&Save As Library Color"),
         QT_TRANSLATE_NOOP("MainWindows", "Save as library color!"), "26 operate.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+H"), commandNeeds::nothing, commandMenu::operate,
         60, true, true, 8, this, [this] { saveSelected(); }},
        {"saveAsStandard2Fcn",
         QT_TRANSLATE_NOOP("MainWindows", "&Selected Item Saved As A Type Library Color"),
         QT_TRANSLATE_NOOP("MainWindows", "The selected item is saved as a Type library color!"),
         "27 operate.png", noKey, QT_TRANSLATE_NOOP("MainWindows", "Ctrl+J"), commandNeeds::nothing,
         commandMenu::operate, 70, false, true, 9, this, [this] { saveChecked(); }},
        {"standardLibraryFcn", QT_TRANSLATE_NOOP("MainWindows", "&Type Data Library"),
         QT_TRANSLATE_NOOP("MainWindows", "Type data library"), "71 library.png", noKey,
         QT_TRANSLATE_NOOP("MainWindows", "Ctrl+L"), commandNeeds::nothing,
         commandMenu::typeLibrary, 10, false, true, 0, this, [this] { open(); }},
    };
}

void libraryCommands::open()
{
    m_library->show();
    m_library->raise();
    m_library->standardLibraryParameterFcn(m_state->conditions().colorSpace,
                                           m_state->conditions().colorDiffFormula);
}

void libraryCommands::saveSelected()
{
    if (QTreeWidgetItem *item = libraryTreeLink::selectedItem(*m_tree, m_window)) {
        m_library->show();
        m_library->setData(item);
    }
}

void libraryCommands::saveChecked()
{
    const QList<QTreeWidgetItem *> items = libraryTreeLink::checkedItems(*m_tree);
    if (items.isEmpty())
        return;
    m_library->show();
    for (QTreeWidgetItem *item : items)
        m_library->setData(item);
}
