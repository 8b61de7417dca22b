#ifndef QCM_MEASURINGDOCUMENT_H
#define QCM_MEASURINGDOCUMENT_H

#include "judgement.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QModelIndex;
class QTimer;
class QWidget;
class measurementTreeRk;
class serialPortRk;
class sharedState;
struct MeasuringFileLosses;

// The measurement as a document: the file it belongs to, whether it changed
// since it was saved or opened, and the file commands (new, open, save, save
// as) with their questions and messages.  The tree's Types and Samples go to
// and come from measuring-file records here.
class measuringDocument : public QObject
{
    Q_OBJECT
public:
    // `window` parents the boxes and file dialogs; `link` shows progress and
    // keeps replies flowing while a file dialog is open.
    measuringDocument(measurementTreeRk *tree, sharedState *state, serialPortRk *link,
                      QWidget *window, QObject *parent = nullptr);

    bool saveFile(const QString &path);
    bool loadFile(const QString &path);
    void setCurrentFile(const QString &path);
    QString currentFile() const { return m_currentFile; }
    // Something the user would lose changed since the last save, open or
    // new: a Type or Sample added, removed or changed in any column or check
    // mark (so until the next save, open or new, even when undone by hand),
    // or a tolerance or print information other than the saved one.
    bool isModified() const;
    // The measurement differs from its file (it was rebuilt from the
    // journal); until the next save, open or new.
    void markModified() { m_changed = true; }
    // Asks whether to save a modified measurement; false when the user cancels
    // or the save fails.
    bool maybeSave();
    // True while a file is being loaded (the tolerance it brings is not a new
    // judgement of the pressed item).
    bool isLoading() const { return m_loading; }

    // The file commands.  New answers whether the measurement was emptied
    // (not when the user keeps it, a save fails or an upload holds it).
    bool newFile();
    void open();
    bool save();
    bool saveAs();
    // Opens `path` without asking first (Open after maybeSave, and
    // openAsked).
    bool openFile(const QString &path);
    // Opens `path` as the user asked for it (a recent file, a dropped file,
    // the command line): unsaved changes first.  True when it was loaded.
    bool openAsked(const QString &path);
    // While something fills the tree (an upload), New and Open wait, with a
    // word on the link's strip.
    void holdFileCommands(bool held) { m_held = held; }

    // Removes every Type and Sample; the measurement takes the default name.
    void clearMeasurement();

    // "Color Software QCM  <file> - QCM" in the current translation.
    QString windowTitle() const;
    QString fileFilter() const;

    // Lets the event loop run while a long load keeps the thread busy.
    void pumpEvents();

signals:
    void currentFileChanged(const QString &path);
    void titleChanged(const QString &title);
    // For the status bar: "File saved", "Loading canceled", ...
    void statusMessage(const QString &text, int msec);
    // Every item is gone (new measurement or a file about to load).
    void measurementCleared();

private:
    // Says why New or Open waits; true when it does.
    bool refusedWhileHeld();
    bool saveTo(const QString &path);
    void reportWriteFailure(const QString &path, const QString &reason);
    void reportReadFailure(const QString &path, const QString &reason);
    // Says what a loaded file held that could not become an item.
    void reportLosses(const QString &path, const MeasuringFileLosses &lost);
    // The language whose root prefix is in effect (the loaded translation's).
    QString effectiveLanguage() const;
    // A Type or Sample was added, removed or changed under `parent` (an index
    // of the tree's model); changes elsewhere in the tree do not count.
    void itemsChangedUnder(const QModelIndex &parent);
    // The measurement as it is now is what its file holds.
    void markSaved();

    measurementTreeRk *m_tree;
    sharedState *m_state;
    serialPortRk *m_link;
    bool m_held = false;
    QWidget *m_window;
    QTimer *m_eventPump;
    QString m_currentFile;
    bool m_loading = false;
    // A Type or Sample changed since the last save, open or new.
    bool m_changed = false;
    // The tolerance and the print texts at the last save, open or new.
    Tolerance m_savedTolerance;
    QStringList m_savedPrintTexts;
};

#endif
