#ifndef QCM_EXPORTCOMMAND_H
#define QCM_EXPORTCOMMAND_H

#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class QUrl;
class QWidget;
class checkExportToExcelRk;
class measurementTreeRk;
class serialPortRk;
class sharedState;

// The export commands of the window: the field dialog, the file name, the
// file written from a copy of the marked items, the progress, the question
// whether to open the file, and every failure reported where it happens.
// The status strip and the port watcher are reached through the signals.
class exportCommand : public QObject
{
    Q_OBJECT
public:
    enum Format
    {
        Workbook,
        Csv,
        Cgats
    };

    // `window` parents the field dialog (so it follows the language) and
    // the boxes; the tree widget parents the file dialog.
    exportCommand(measurementTreeRk *tree, sharedState *state, QWidget *window,
                  QObject *parent = nullptr);

    checkExportToExcelRk *fieldDialog() const { return m_dialog; }
    // The progress, the port watcher and the messages on the link's strip.
    void reportTo(serialPortRk *link);

    // Shows the field dialog (not modal) for an export to `format`.
    void chooseFields(Format format);
    // Runs the export the field dialog was shown for, with its fifteen
    // states (a field is chosen when its box is checked).
    bool exportChosen(const QList<Qt::CheckState> &states);
    // The exports themselves; true when a file was written.
    bool exportWorkbook(const QString &title, const QVector<bool> &flags);
    bool exportCsv(const QVector<bool> &flags);
    // The marked items as a CGATS file ("Export to CGATS…"): no field
    // dialog, the coordinates and conditions are the file's fields.
    bool exportCgats();
    bool isRunning() const { return m_running; }

    // How a finished file is opened: the desktop's handler, or what a test
    // puts in its place (an empty function restores the handler).
    using UrlOpener = std::function<bool(const QUrl &)>;
    static void setUrlOpener(UrlOpener opener);

signals:
    // Around the file dialog, so that replies of the instrument keep being read.
    void startWatcher();
    void stopWatcher();
    void progressStarted(int maximum);
    void progressChanged(int value);
    void progressFinished(int value);
    // The export failed after its progress was shown.
    void progressAbandoned();
    void message(const QString &text);

private:
    bool run(Format format, const QString &title, const QVector<bool> &flags);
    // The file name, or empty when the user cancels.
    QString askFileName(Format format);

    measurementTreeRk *m_tree;
    sharedState *m_state;
    QWidget *m_window;
    checkExportToExcelRk *m_dialog;
    Format m_format = Workbook;
    bool m_running = false;
};

#endif
