#include "exportCommand.h"

#include "cgatsExport.h"
#include "checkExportToExcelRk.h"
#include "csvWriter.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "sharedState.h"
#include "workbookWriter.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTreeWidget>
#include <QUrl>

namespace {

// The progress bar is repainted at most this often (milliseconds).
constexpr qint64 progressInterval = 50;

exportCommand::UrlOpener &urlOpener()
{
    static exportCommand::UrlOpener opener;
    return opener;
}

bool openUrl(const QUrl &url)
{
    const exportCommand::UrlOpener &opener = urlOpener();
    return opener ? opener(url) : QDesktopServices::openUrl(url);
}

const char *extension(exportCommand::Format format)
{
    switch (format) {
    case exportCommand::Csv:
        return ".csv";
    case exportCommand::Cgats:
        return ".txt";
    case exportCommand::Workbook:
        break;
    }
    return ".xlsx";
}

// The first lines of a list for a box, with a mark where more follow.
QString shownLines(const QStringList &lines)
{
    const int shown = 20;
    QString text = lines.mid(0, shown).join(QLatin1Char('\n'));
    if (lines.size() > shown)
        text += QStringLiteral("\n…");
    return text;
}

} // namespace

exportCommand::exportCommand(measurementTreeRk *tree, sharedState *state, QWidget *window,
                             QObject *parent)
    : QObject(parent), m_tree(tree), m_state(state), m_window(window),
      m_dialog(new checkExportToExcelRk(window))
{
}

void exportCommand::setUrlOpener(UrlOpener opener)
{
    urlOpener() = std::move(opener);
}

void exportCommand::chooseFields(Format format)
{
    m_format = format;
    m_dialog->setCsvTarget(format == Csv);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

bool exportCommand::exportChosen(const QList<Qt::CheckState> &states)
{
    QVector<bool> flags;
    for (Qt::CheckState state : states)
        flags.append(state == Qt::Checked);
    return m_format == Csv ? exportCsv(flags) : exportWorkbook(m_state->measurementName(), flags);
}

bool exportCommand::exportWorkbook(const QString &title, const QVector<bool> &flags)
{
    return run(Workbook, title, flags);
}

bool exportCommand::exportCsv(const QVector<bool> &flags)
{
    return run(Csv, m_state->measurementName(), flags);
}

QString exportCommand::askFileName(Format format)
{
    emit startWatcher();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString filter = format == Csv     ? QStringLiteral("CSV File(*.csv)")
                           : format == Cgats ? tr("CGATS File(*.txt)")
                                             : QStringLiteral("Excel File(*.xlsx)");
    // The dialog knows the extension: the name it gives is the file that
    // will be written, and it asked about replacing that file.
    const QString path = promptRk::getSaveFileName(m_tree->tree(), QStringLiteral("Save"), "./",
                                                   filter, QLatin1String(extension(format)));
    emit stopWatcher();
    return path;
}

bool exportCommand::run(Format format, const QString &title, const QVector<bool> &flags)
{
    if (m_running)
        return false;
    m_running = true;
    const auto finished = qScopeGuard([this] { m_running = false; });

    // Everything is copied before the event loop runs again: whatever
    // happens to the tree from here on cannot reach the export.
    ExportData data;
    data.title = title;
    data.marked = markedTypes(*m_tree);
    data.fields = flags;
    data.fields.resize(exportFieldCount);
    data.tolerance = m_state->tolerance();
    const PrintInfo &print = m_state->printInfo();
    data.company = print.company;
    data.department = print.department;
    data.measurementPerson = print.measurementPerson;
    data.productTested = print.productTested;
    const ExportTexts texts = currentExportTexts();

    const QString path = askFileName(format);
    if (path.isEmpty())
        return false;

    const int total = markedItemCount(data.marked);
    emit progressStarted(total);
    if (format == Csv)
        emit message(tr("Data is exported to CSV..."));
    QElapsedTimer sinceUpdate;
    sinceUpdate.start();
    // User input stays away while the export lets the event loop run, so
    // the window cannot be closed or a second export started under it.
    const ExportProgress progress = [&](int written) {
        if (sinceUpdate.elapsed() < progressInterval)
            return;
        sinceUpdate.restart();
        emit progressChanged(written);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    QString reason;
    const bool written = format == Csv ? writeCsvFile(path, data, texts, progress, &reason)
                                       : writeWorkbook(path, data, texts, progress, &reason);
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!written) {
        emit progressAbandoned();
        emit message(tr("Export failed!"));
        promptRk::warning(m_window, tr("QCM"),
                          tr("Cannot write file %1:\n%2.").arg(shownPath, reason));
        return false;
    }
    emit progressFinished(total);

    if (promptRk::question(m_window, tr("Finished"), tr("File has been exported, is it open now?"),
                           QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes &&
        !openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())))
        promptRk::warning(m_window, tr("QCM"), tr("Cannot open file %1.").arg(shownPath));
    return true;
}

bool exportCommand::exportCgats()
{
    if (m_running)
        return false;
    m_running = true;
    const auto finished = qScopeGuard([this] { m_running = false; });

    // Copied before the file dialog lets the event loop run.
    const QVector<MarkedType> marked = markedTypes(*m_tree);
    const int total = markedItemCount(marked);
    if (total == 0) {
        promptRk::information(m_window, tr("Tips"),
                              tr("Check the Types and Samples to export first."));
        return false;
    }
    QStringList leftOut;
    const CgatsDocument document = cgatsExport::document(marked, m_state->measurementName(),
                                                         QDateTime::currentDateTime(), &leftOut);
    const QString path = askFileName(Cgats);
    if (path.isEmpty())
        return false;

    emit progressStarted(total);
    emit message(tr("Data is exported to CGATS..."));
    QString reason;
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!cgatsExport::writeFile(path, document, &reason)) {
        emit progressAbandoned();
        emit message(tr("Export failed!"));
        promptRk::warning(m_window, tr("QCM"),
                          tr("Cannot write file %1:\n%2.").arg(shownPath, reason));
        return false;
    }
    emit progressFinished(total);
    if (!leftOut.isEmpty())
        promptRk::warning(m_window, tr("QCM"),
                          tr("Items left out of %1 (%2):\n%3")
                              .arg(shownPath)
                              .arg(leftOut.size())
                              .arg(shownLines(leftOut)));
    if (promptRk::question(m_window, tr("Finished"), tr("File has been exported, is it open now?"),
                           QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes &&
        !openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())))
        promptRk::warning(m_window, tr("QCM"), tr("Cannot open file %1.").arg(shownPath));
    return true;
}

void exportCommand::reportTo(serialPortRk *link)
{
    connect(this, &exportCommand::startWatcher, link, &serialPortRk::startWatcher);
    connect(this, &exportCommand::stopWatcher, link, &serialPortRk::stopWatcher);
    connect(this, &exportCommand::progressStarted, link, &serialPortRk::startProgress);
    connect(this, &exportCommand::progressChanged, link, &serialPortRk::setProgressValue);
    connect(this, &exportCommand::progressFinished, link, &serialPortRk::finishProgress);
    connect(this, &exportCommand::progressAbandoned, link, &serialPortRk::progressbarSlot);
    connect(this, &exportCommand::message, link, &serialPortRk::showInfo);
}
