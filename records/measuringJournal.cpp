#include "measuringJournal.h"

#include "durableFile.h"
#include "measurementTreeRk.h"
#include "measuringDocument.h"
#include "promptRk.h"
#include "sharedState.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLockFile>
#include <QTreeWidget>

using namespace journal;

namespace {
const int journalSlots = 64;
} // namespace

measuringJournal::measuringJournal(measurementTreeRk *tree, sharedState *state,
                                   measuringDocument *document, QObject *parent)
    : QObject(parent), m_tree(tree), m_state(state), m_document(document)
{
    QAbstractItemModel *model = m_tree->tree()->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &measuringJournal::rowsInserted);
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            &measuringJournal::rowsAboutToBeRemoved);
    connect(model, &QAbstractItemModel::dataChanged, this, &measuringJournal::dataChanged);
    connect(m_state, &sharedState::toleranceChanged, this, &measuringJournal::writeTolerance);
    connect(m_state, &sharedState::printInfoChanged, this, &measuringJournal::writePrintInfo);
    // The saved or opened file is the safe copy from then on.
    connect(m_document, &measuringDocument::currentFileChanged, this, &measuringJournal::restart);
    // Pending records reach the disk before the tree paints the change, and
    // before the program waits for the next event.
    m_tree->tree()->viewport()->installEventFilter(this);
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &measuringJournal::sync);
}

measuringJournal::~measuringJournal()
{
    sync();
}

bool measuringJournal::open(const QString &folder, QString *error)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        if (error)
            *error = tr("Cannot make the folder %1.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    for (int slot = 1; slot <= journalSlots; ++slot) {
        const QString base = dir.filePath(QStringLiteral("journal-%1").arg(slot));
        auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
        // A lock is stale only when the program holding it is gone.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        m_lock = std::move(lock);
        m_file.setFileName(base + QStringLiteral(".qcmj"));
        m_leftover = Measurement();
        m_leftoverRecords = 0;
        m_leftoverCut = false;
        if (m_file.open(QIODevice::ReadOnly)) {
            const ReadResult read = journal::read(&m_file);
            m_file.close();
            int applied = 0;
            const bool whole = replay(read.records, &m_leftover, &applied);
            m_leftoverRecords = applied;
            m_leftoverCut = read.discardedBytes > 0 || !whole;
            if (applied == 0)
                m_leftover = Measurement();
        }
        return true;
    }
    if (error)
        *error = tr("Every journal in %1 is in use.").arg(QDir::toNativeSeparators(folder));
    return false;
}

void measuringJournal::restart()
{
    if (!m_lock)
        return;
    m_file.close();
    m_failed = false;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_failed = true;
        return;
    }
    Record begin;
    begin.kind = Kind::Begin;
    begin.file = m_document->currentFile();
    begin.started = QDateTime::currentDateTimeUtc();
    append(begin);
    writeTolerance();
    writePrintInfo();
    for (int t = 0; t < m_tree->typeCount(); ++t) {
        QTreeWidgetItem *type = m_tree->type(t);
        Record insert;
        insert.kind = Kind::Insert;
        insert.typeRow = t;
        insert.item = stateOf(type);
        insert.children.reserve(type->childCount());
        for (int s = 0; s < type->childCount(); ++s)
            insert.children.append(stateOf(type->child(s)));
        append(insert);
    }
    // A restored measurement is not what its file holds: no mark then.
    if (!m_restoring) {
        Record settled;
        settled.kind = Kind::Settled;
        append(settled);
    }
    sync();
}

void measuringJournal::discard()
{
    if (!m_lock)
        return;
    m_file.close();
    m_file.remove();
    m_lock->unlock();
    m_lock.reset();
}

QString measuringJournal::setLeftoverAside()
{
    if (!m_lock)
        return QString();
    m_file.close();
    const QString aside = m_file.fileName() + QDateTime::currentDateTime().toString(
                                                  QStringLiteral("'.'yyyy-MM-dd_hh-mm-ss'.old'"));
    if (!QFile::rename(m_file.fileName(), aside))
        return QString();
    m_leftover = Measurement();
    m_leftoverRecords = 0;
    return aside;
}

void measuringJournal::restoreLeftover()
{
    const Measurement restored = m_leftover;
    m_paused = true;
    m_document->clearMeasurement();
    m_state->setPrintInfo(restored.printInfo);
    m_state->setTolerance(restored.tolerance);
    for (const TypeState &type : restored.types)
        m_tree->addRestoredType(type);
    m_paused = false;
    m_leftover = Measurement();
    m_leftoverRecords = 0;
    // The file it belonged to, with everything since its last save unsaved
    // (setting the file starts the fresh journal).
    m_restoring = true;
    m_document->setCurrentFile(restored.file);
    m_restoring = false;
    m_document->markModified();
}

void measuringJournal::append(const Record &record)
{
    if (m_paused || m_failed || !m_file.isOpen() || m_document->isLoading())
        return;
    const QByteArray bytes = encode(record);
    // Unbuffered: the bytes are with the operating system when write returns,
    // so a killed program loses nothing; the disk sync follows before paint.
    if (m_file.write(bytes) != bytes.size()) {
        m_failed = true;
        return;
    }
    m_unsynced = true;
}

void measuringJournal::sync()
{
    if (!m_unsynced || !m_file.isOpen())
        return;
    m_unsynced = false;
    if (!syncToDisk(m_file))
        m_failed = true;
}

bool measuringJournal::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && m_unsynced)
        sync();
    return QObject::eventFilter(watched, event);
}

ItemState measuringJournal::stateOf(const QTreeWidgetItem *item) const
{
    ItemState state;
    state.texts = measurementTreeRk::columnTexts(item);
    state.swatch = item->background(swatchColumn).color().rgba();
    state.checkState = quint8(item->checkState(nameColumn));
    return state;
}

bool measuringJournal::rowsOf(const QModelIndex &index, int *typeRow, int *sampleRow) const
{
    const int rootRow = m_tree->tree()->indexOfTopLevelItem(m_tree->measurementRoot());
    // A Type: parent is the root.  A Sample: grandparent is the root.
    const QModelIndex parent = index.parent();
    if (!parent.isValid())
        return false;
    if (!parent.parent().isValid()) {
        if (parent.row() != rootRow)
            return false;
        *typeRow = index.row();
        *sampleRow = -1;
        return true;
    }
    const QModelIndex grand = parent.parent();
    if (grand.parent().isValid() || grand.row() != rootRow)
        return false;
    *typeRow = parent.row();
    *sampleRow = index.row();
    return true;
}

void measuringJournal::rowsInserted(const QModelIndex &parent, int first, int last)
{
    QAbstractItemModel *model = m_tree->tree()->model();
    for (int row = first; row <= last; ++row) {
        Record insert;
        insert.kind = Kind::Insert;
        if (!rowsOf(model->index(row, 0, parent), &insert.typeRow, &insert.sampleRow))
            return;
        QTreeWidgetItem *type = m_tree->type(insert.typeRow);
        QTreeWidgetItem *item = insert.sampleRow < 0 ? type : type->child(insert.sampleRow);
        insert.item = stateOf(item);
        if (insert.sampleRow < 0) {
            // A Type may join with its Samples already under it.
            for (int s = 0; s < type->childCount(); ++s)
                insert.children.append(stateOf(type->child(s)));
        }
        append(insert);
    }
}

void measuringJournal::rowsAboutToBeRemoved(const QModelIndex &parent, int first, int last)
{
    Record remove;
    remove.kind = Kind::Remove;
    if (!rowsOf(m_tree->tree()->model()->index(first, 0, parent), &remove.typeRow,
                &remove.sampleRow))
        return;
    remove.count = last - first + 1;
    append(remove);
}

void measuringJournal::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        Record change;
        change.kind = Kind::Change;
        if (!rowsOf(topLeft.sibling(row, 0), &change.typeRow, &change.sampleRow))
            return;
        QTreeWidgetItem *type = m_tree->type(change.typeRow);
        if (!type || (change.sampleRow >= 0 && change.sampleRow >= type->childCount()))
            return;
        change.item = stateOf(change.sampleRow < 0 ? type : type->child(change.sampleRow));
        append(change);
    }
}

void measuringJournal::writeTolerance()
{
    Record record;
    record.kind = Kind::Tolerance;
    record.texts = m_state->tolerance().toList();
    append(record);
}

void measuringJournal::writePrintInfo()
{
    Record record;
    record.kind = Kind::PrintInfo;
    record.texts = m_state->printInfo().texts();
    record.timeFlag = m_state->printInfo().timeFlag;
    append(record);
}

void measuringJournal::start(const QString &folder, QWidget *window)
{
    QString error;
    if (!open(folder, &error)) {
        promptRk::warning(
            window, tr("QCM"),
            tr("Unsaved measurements cannot be protected against a crash:\n%1").arg(error));
        return;
    }
    if (hasLeftover()) {
        const journal::Measurement &left = leftover();
        const QString file =
            left.file.isEmpty() ? tr("an untitled measurement") : QFileInfo(left.file).fileName();
        QString text = tr("QCM was not closed properly. %1 Types and Samples of %2, as they "
                          "were on %3, were not saved.\nDo you want to restore them?")
                           .arg(left.itemCount())
                           .arg(file, left.started.toLocalTime().toString(Qt::ISODate));
        if (leftoverWasCut())
            text += QLatin1Char('\n') + tr("The last change before the crash could not be read.");
        if (promptRk::question(window, tr("QCM"), text) == QMessageBox::Yes) {
            restoreLeftover();
            return;
        }
        setLeftoverAside();
    }
    restart();
}
