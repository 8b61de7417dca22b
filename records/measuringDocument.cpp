#include "measuringDocument.h"

#include "measurementTreeRk.h"
#include "measuringFile.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "sharedState.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItem>

measuringDocument::measuringDocument(measurementTreeRk *tree, sharedState *state,
                                     serialPortRk *link, QWidget *window, QObject *parent)
    : QObject(parent), m_tree(tree), m_state(state), m_link(link), m_window(window),
      m_eventPump(new QTimer(this))
{
    connect(m_eventPump, &QTimer::timeout, this, &measuringDocument::pumpEvents);
    // Every command that adds, removes, renames, re-measures or (un)checks
    // an item reaches the tree's model; watching it there leaves none out.
    QAbstractItemModel *model = m_tree->tree()->model();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &parent) { itemsChangedUnder(parent); });
    connect(model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &parent) { itemsChangedUnder(parent); });
    connect(model, &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex &from, int, int, const QModelIndex &to) {
                itemsChangedUnder(from);
                itemsChangedUnder(to);
            });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft) { itemsChangedUnder(topLeft.parent()); });
    markSaved();
}

void measuringDocument::itemsChangedUnder(const QModelIndex &parent)
{
    // A load fills the tree with what the file holds; a measurement already
    // marked needs no second look (an upload adds thousands of rows).
    if (m_changed || m_loading || !parent.isValid())
        return;
    QTreeWidget *view = m_tree->tree();
    const QModelIndex root =
        view->model()->index(view->indexOfTopLevelItem(m_tree->measurementRoot()), 0);
    // Types are the root's children, Samples its grandchildren.
    if (parent == root || parent.parent() == root)
        m_changed = true;
}

void measuringDocument::markSaved()
{
    m_changed = false;
    m_savedTolerance = m_state->tolerance();
    m_savedPrintTexts = m_state->printInfo().texts();
}

void measuringDocument::pumpEvents()
{
    QCoreApplication::processEvents();
}

QString measuringDocument::fileFilter() const
{
    return QStringLiteral("QCM ") + tr("files") + QStringLiteral(" (*.qcm)");
}

QString measuringDocument::effectiveLanguage() const
{
    // The prefix of the root's text is the one of the translation actually
    // loaded, which for an empty language code is the system's.
    const QString prefix = measurementTreeRk::rootPrefix();
    for (const char *code : {"zh_CN", "zh_TW"}) {
        if (prefix == measuringNamePrefix(QLatin1String(code)))
            return QLatin1String(code);
    }
    return QStringLiteral("en_US");
}

void measuringDocument::reportWriteFailure(const QString &path, const QString &reason)
{
    promptRk::warning(m_window, tr("QCM"),
                      tr("Cannot write file") + QStringLiteral(" %1:\n%2.").arg(path, reason));
}

void measuringDocument::reportReadFailure(const QString &path, const QString &reason)
{
    promptRk::warning(m_window, tr("QCM"),
                      tr("Cannot read file") + QStringLiteral(" %1:\n%2.").arg(path, reason));
}

bool measuringDocument::saveFile(const QString &path)
{
    MeasuringFileHeader header;
    header.tolerance = m_state->tolerance();
    header.print = m_state->printInfo();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    MeasuringFileTypes types;
    types.reserve(m_tree->typeCount());
    for (int t = 0; t < m_tree->typeCount(); ++t) {
        QTreeWidgetItem *typeItem = m_tree->type(t);
        MeasuringFileType type;
        type.columns = measurementTreeRk::columnTexts(typeItem);
        type.samples.reserve(typeItem->childCount());
        for (int s = 0; s < typeItem->childCount(); ++s)
            type.samples.append(measurementTreeRk::columnTexts(typeItem->child(s)));
        types.append(type);
    }
    // The whole file is made in memory first, so the disk sees one write.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeMeasuringFile(&buffer, header, m_tree->measurementRoot()->text(0), types);
    QApplication::restoreOverrideCursor();

    // Written beside the old file and renamed over it at the end, so a failed
    // or interrupted save leaves the previous file intact.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        if (file.write(bytes) == bytes.size() && file.commit())
            return true;
        reportWriteFailure(path, file.errorString());
        return false;
    }
    // A folder that takes no new file may still hold a file the user can
    // write: that file is written in place rather than not at all.
    const QFileInfo target(path);
    if (target.isFile() && target.isWritable()) {
        QFile direct(path);
        if (direct.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
            direct.write(bytes) == bytes.size() && direct.flush()) {
            direct.close();
            if (direct.error() == QFileDevice::NoError)
                return true;
        }
        reportWriteFailure(path, direct.errorString());
        return false;
    }
    reportWriteFailure(path, file.errorString());
    return false;
}

bool measuringDocument::loadFile(const QString &path)
{
    m_loading = true;
    m_eventPump->start(100);
    const auto done = qScopeGuard([this] {
        m_eventPump->stop();
        m_loading = false;
    });

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportReadFailure(path, file.errorString());
        return false;
    }
    MeasuringFileHeader header;
    QVector<ItemRecord> records;
    const MeasuringFileStatus status = readMeasuringFile(&file, &header, &records);
    if (status == MeasuringFileStatus::NotAQcmFile) {
        promptRk::warning(m_window, tr("QCM"), tr("The file is not a qcm file."));
        return false;
    }
    if (status == MeasuringFileStatus::ReadError) {
        reportReadFailure(path, file.errorString());
        return false;
    }

    clearMeasurement();
    const QString language = effectiveLanguage();
    const QString rootText = measuringNamePrefix(language) + header.print.measurementName;
    // The file has no time flag: the one in use stays.
    PrintInfo print = header.print;
    print.timeFlag = m_state->printInfo().timeFlag;
    m_state->setPrintInfo(print);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    MeasuringFileLosses lost;
    const MeasuringFileTypes types =
        classifyMeasuringRecords(records, rootText, measuringNamePrefixLength(language), &lost);
    int total = 0;
    for (const MeasuringFileType &type : types)
        total += 1 + type.samples.size();
    m_link->startProgress(total);
    m_link->showInfo(tr("Loading file ... "));
    int loaded = 0;
    for (const MeasuringFileType &type : types) {
        m_tree->addLoadedType(type.columns, type.samples);
        loaded += 1 + type.samples.size();
        m_link->setProgressValue(loaded);
    }
    m_state->setTolerance(header.tolerance);

    QApplication::restoreOverrideCursor();
    m_link->finishProgress(total);
    m_link->showInfo(tr("Loaded finished"));
    if (lost.any())
        reportLosses(path, lost);
    return true;
}

void measuringDocument::reportLosses(const QString &path, const MeasuringFileLosses &lost)
{
    QStringList parts;
    if (lost.recordsWithoutType > 0)
        parts << tr("Records left without their Type, not loaded (the file may have been cut "
                    "short): %1.")
                     .arg(lost.recordsWithoutType);
    if (lost.sampleCopiesBeyondLimit > 0)
        parts << tr("Several Types share a name and each receives the Samples naming it; "
                    "copies beyond %1 are not made. Samples not loaded: %2.")
                     .arg(measuringFile::maxDuplicateSampleCopies)
                     .arg(lost.sampleCopiesBeyondLimit);
    promptRk::warning(m_window, tr("QCM"),
                      QDir::toNativeSeparators(path) + QStringLiteral(":\n") +
                          parts.join(QLatin1Char('\n')));
}

void measuringDocument::setCurrentFile(const QString &path)
{
    m_currentFile = path;
    markSaved();
    emit currentFileChanged(path);
    emit titleChanged(windowTitle());
}

QString measuringDocument::windowTitle() const
{
    const QString shown =
        m_currentFile.isEmpty() ? tr("Untitled [*]") : QFileInfo(m_currentFile).fileName();
    return tr("Color Software QCM  ") + QStringLiteral("%1 - %3").arg(shown, tr("QCM"));
}

bool measuringDocument::isModified() const
{
    if (m_changed || m_state->tolerance() != m_savedTolerance)
        return true;
    const QStringList print = m_state->printInfo().texts();
    if (print == m_savedPrintTexts)
        return false;
    // A measurement name still at its default follows the interface language;
    // that alone changes nothing the user made.
    return print.mid(1) != m_savedPrintTexts.mid(1) ||
           !sharedState::isDefaultMeasurementName(print.value(0)) ||
           !sharedState::isDefaultMeasurementName(m_savedPrintTexts.value(0));
}

bool measuringDocument::maybeSave()
{
    if (!isModified())
        return true;
    const QMessageBox::StandardButton answer =
        promptRk::warning(m_window, tr("QCM"),
                          tr("The document has been modified.\nDo you want to save your changes?"),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return m_currentFile.isEmpty() ? saveAs() : saveTo(m_currentFile);
    return answer == QMessageBox::No;
}

bool measuringDocument::saveTo(const QString &path)
{
    if (saveFile(path)) {
        setCurrentFile(path);
        emit statusMessage(tr("File saved"), 5000);
        return true;
    }
    emit statusMessage(tr("Saving canceled"), 5000);
    return false;
}

bool measuringDocument::save()
{
    return m_currentFile.isEmpty() ? saveAs() : saveTo(m_currentFile);
}

bool measuringDocument::saveAs()
{
    m_link->startWatcher();
    QCoreApplication::processEvents();
    const QString path =
        promptRk::getSaveFileName(m_window, tr("Save") + QStringLiteral(" QCM"), ".", fileFilter());
    m_link->stopWatcher();
    if (path.isEmpty())
        return false;
    return saveTo(path);
}

bool measuringDocument::refusedWhileHeld()
{
    if (!m_held)
        return false;
    m_link->showInfo(tr("Please wait until the upload has finished."));
    return true;
}

void measuringDocument::open()
{
    if (refusedWhileHeld())
        return;
    m_link->startWatcher();
    if (maybeSave()) {
        QCoreApplication::processEvents();
        const QString path = promptRk::getOpenFileName(
            m_window, tr("Open") + QStringLiteral(" QCM"), ".", fileFilter());
        if (!path.isEmpty())
            openFile(path);
    }
    m_link->stopWatcher();
}

bool measuringDocument::newFile()
{
    if (refusedWhileHeld() || !maybeSave())
        return false;
    clearMeasurement();
    setCurrentFile(QString());
    return true;
}

bool measuringDocument::openAsked(const QString &path)
{
    return !refusedWhileHeld() && maybeSave() && openFile(path);
}

bool measuringDocument::openFile(const QString &path)
{
    if (loadFile(path)) {
        setCurrentFile(path);
        emit statusMessage(tr("File loaded"), 5000);
        return true;
    }
    emit statusMessage(tr("Loading canceled"), 5000);
    return false;
}

void measuringDocument::clearMeasurement()
{
    m_tree->clearItems();
    emit measurementCleared();
    m_state->setMeasurementName(sharedState::defaultMeasurementName());
}
