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
#include <QLabel>
#include <QLocale>
#include <QLockFile>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include <vector>

using namespace journal;

namespace {

const int journalSlots = 64;
// A journal that cannot be written is tried again this often while nothing
// changes (a change tries at once).
const int retryInterval = 10000;

QString journalPath(const QDir &dir, int slot)
{
    return dir.filePath(QStringLiteral("journal-%1.qcmj").arg(slot));
}

// A fresh journal is written here first, then takes the journal's place.
QString freshPath(const QString &journal)
{
    return journal + QStringLiteral(".new");
}

std::unique_ptr<QLockFile> lockFor(const QString &journal)
{
    auto lock = std::make_unique<QLockFile>(journal.chopped(5) + QStringLiteral(".lock"));
    // A lock is stale only when the program holding it is gone.
    lock->setStaleLockTime(0);
    return lock;
}

// The measurement a journal holds; `cut` when some of its records could not
// be used (a torn or damaged tail, a record that did not fit).
Measurement readJournal(const QString &path, bool *cut)
{
    Measurement m;
    *cut = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return m;
    const ReadResult read = journal::read(&file);
    int applied = 0;
    const bool whole = replay(read.records, &m, &applied);
    *cut = read.discardedBytes > 0 || !whole;
    return applied > 0 ? m : Measurement();
}

// Changes the file does not have: worth offering.
bool offers(const Measurement &m)
{
    return m.unsavedChanges > 0 || (!m.settled && m.itemCount() > 0);
}

// A name of its own for a journal set aside, with the date.
QString asideName(const QString &journal)
{
    const QString base =
        journal + QDateTime::currentDateTime().toString(QStringLiteral("'.'yyyy-MM-dd_hh-mm-ss"));
    QString aside = base + QStringLiteral(".old");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = base + QStringLiteral("-%1.old").arg(n);
    return aside;
}

// Types and Samples in a measuring file; -1 when it cannot be read.
int itemsInFile(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return -1;
    MeasuringFileHeader header;
    QVector<ItemRecord> records;
    if (readMeasuringFile(&file, &header, &records) != MeasuringFileStatus::Ok)
        return -1;
    return records.size();
}

bool writeWhole(const QString &path, const QByteArray &bytes, QString *reason)
{
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(bytes) == bytes.size() && syncToDisk(file);
    if (!written)
        *reason = file.errorString();
    file.close();
    if (written && file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    return written;
}

} // namespace

// A journal found at start-up, locked while it is offered.
struct measuringJournal::Slot
{
    QString path;
    std::unique_ptr<QLockFile> lock;
    Measurement left;
    bool cut = false;
};

measuringJournal::measuringJournal(measurementTreeRk *tree, sharedState *state,
                                   measuringDocument *document, QObject *parent)
    : QObject(parent), m_tree(tree), m_state(state), m_document(document),
      m_retryTimer(new QTimer(this))
{
    QAbstractItemModel *model = m_tree->tree()->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &measuringJournal::rowsInserted);
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            &measuringJournal::rowsAboutToBeRemoved);
    connect(model, &QAbstractItemModel::dataChanged, this, &measuringJournal::dataChanged);
    connect(m_tree, &measurementTreeRk::marksAboutToChange, this,
            &measuringJournal::marksAboutToChange);
    connect(m_tree, &measurementTreeRk::marksChanged, this, &measuringJournal::marksChanged);
    connect(m_state, &sharedState::toleranceChanged, this, &measuringJournal::writeTolerance);
    connect(m_state, &sharedState::printInfoChanged, this, &measuringJournal::writePrintInfo);
    // The saved or opened file is the safe copy from then on.
    connect(m_document, &measuringDocument::currentFileChanged, this, &measuringJournal::restart);
    // Pending records reach the disk before the tree paints the change, and
    // before the program waits for the next event.
    m_tree->tree()->viewport()->installEventFilter(this);
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &measuringJournal::sync);
    m_retryTimer->setInterval(retryInterval);
    connect(m_retryTimer, &QTimer::timeout, this, &measuringJournal::retry);
}

measuringJournal::~measuringJournal()
{
    sync();
}

bool measuringJournal::takeFreeSlot(QString *error)
{
    const QDir dir(m_folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = tr("Cannot make the folder %1.").arg(QDir::toNativeSeparators(m_folder));
        return false;
    }
    for (int slot = 1; slot <= journalSlots; ++slot) {
        const QString path = journalPath(dir, slot);
        std::unique_ptr<QLockFile> lock = lockFor(path);
        if (!lock->tryLock(0)) {
            if (lock->error() == QLockFile::LockFailedError)
                continue; // another program's
            *error =
                tr("QCM cannot write in the folder %1.").arg(QDir::toNativeSeparators(m_folder));
            return false;
        }
        // Never over unsaved measurements, whoever left them.
        bool cut = false;
        if (QFileInfo::exists(path) && offers(readJournal(path, &cut)))
            continue;
        QFile::remove(freshPath(path)); // a fresh journal that never took its place
        m_lock = std::move(lock);
        m_file.setFileName(path);
        return true;
    }
    *error = tr("Every journal in %1 is in use.").arg(QDir::toNativeSeparators(m_folder));
    return false;
}

void measuringJournal::start(const QString &folder, QWidget *window)
{
    m_window = window;
    m_folder = folder;
    if (auto *main = qobject_cast<QMainWindow *>(window); main && !m_mark) {
        m_mark = new QLabel(main->statusBar());
        m_mark->setObjectName(QStringLiteral("journalMark"));
        m_mark->setStyleSheet(QStringLiteral("QLabel { color: #c00000; font-weight: bold; }"));
        main->statusBar()->addPermanentWidget(m_mark);
        m_mark->hide();
    }

    // Every journal no running program holds that keeps unsaved changes.
    std::vector<Slot> found;
    const QDir dir(folder);
    for (int slot = 1; slot <= journalSlots; ++slot) {
        Slot left;
        left.path = journalPath(dir, slot);
        if (!QFileInfo::exists(left.path))
            continue;
        left.lock = lockFor(left.path);
        if (!left.lock->tryLock(0))
            continue;
        left.left = readJournal(left.path, &left.cut);
        if (offers(left.left))
            found.push_back(std::move(left));
    }

    Slot *restored = nullptr;
    for (Slot &left : found) {
        // One measurement fits the window: the others wait for the next start.
        if (restored) {
            left.lock.reset();
            continue;
        }
        const QString aside = asideName(left.path);
        if (promptRk::question(window, tr("QCM"), offerText(left, aside)) == QMessageBox::Yes) {
            restored = &left;
            continue;
        }
        QFile declined(left.path);
        if (!declined.rename(aside))
            promptRk::warning(
                window, tr("QCM"),
                tr("The unsaved measurements could not be set aside (%1). They stay "
                   "in %2 and are offered again at the next start.")
                    .arg(declined.errorString(), QDir::toNativeSeparators(left.path)));
        left.lock.reset();
    }

    if (restored) {
        // The fresh journal takes the place of the one restored.
        m_lock = std::move(restored->lock);
        m_file.setFileName(restored->path);
        restore(restored->left);
        return;
    }
    QString error;
    if (!takeFreeSlot(&error)) {
        promptRk::warning(
            window, tr("QCM"),
            tr("Unsaved measurements cannot be protected against a crash:\n%1").arg(error));
        m_failed = true;
        m_failure = error;
        showState();
        m_retryTimer->start();
        return;
    }
    restart();
}

QString measuringJournal::offerText(const Slot &left, const QString &aside) const
{
    const Measurement &m = left.left;
    const QString file =
        m.file.isEmpty() ? tr("an untitled measurement") : QFileInfo(m.file).fileName();
    // The journal's own time is that of its last change.
    const QString when =
        QLocale().toString(QFileInfo(left.path).lastModified(), QLocale::ShortFormat);
    QString text = tr("QCM was not closed properly. %1 Types and Samples of %2, as they "
                      "were on %3, were not saved.\nDo you want to restore them?")
                       .arg(m.itemCount())
                       .arg(file, when);
    if (left.cut)
        text += QLatin1Char('\n') + tr("The last change before the crash could not be read.");
    const int inFile = itemsInFile(m.file);
    if (inFile > m.itemCount())
        text += QLatin1Char('\n') + tr("%1 now holds %2 Types and Samples: saving the restored "
                                       "ones under its name would replace them with fewer.")
                                        .arg(file)
                                        .arg(inFile);
    text +=
        QLatin1Char('\n') +
        tr("If you do not restore them, they are kept in %1.").arg(QDir::toNativeSeparators(aside));
    return text;
}

QByteArray measuringJournal::snapshot() const
{
    QByteArray bytes;
    Record begin;
    begin.kind = Kind::Begin;
    begin.file = m_document->currentFile();
    begin.started = QDateTime::currentDateTimeUtc();
    bytes += encode(begin);
    Record tolerance;
    tolerance.kind = Kind::Tolerance;
    tolerance.texts = m_state->tolerance().toList();
    bytes += encode(tolerance);
    Record print;
    print.kind = Kind::PrintInfo;
    print.texts = m_state->printInfo().texts();
    print.timeFlag = m_state->printInfo().timeFlag;
    bytes += encode(print);
    for (int t = 0; t < m_tree->typeCount(); ++t) {
        QTreeWidgetItem *type = m_tree->type(t);
        Record insert;
        insert.kind = Kind::Insert;
        insert.typeRow = t;
        insert.item = stateOf(type);
        insert.children.reserve(type->childCount());
        for (int s = 0; s < type->childCount(); ++s)
            insert.children.append(stateOf(type->child(s)));
        bytes += encode(insert);
    }
    // The mark only when the measurement is what its file holds: not for a
    // restored one, nor when a journal that could not be written is made
    // again after changes.
    if (!m_restoring && !m_document->isModified()) {
        Record settled;
        settled.kind = Kind::Settled;
        bytes += encode(settled);
    }
    return bytes;
}

void measuringJournal::restart()
{
    if (!m_lock)
        return;
    m_retryWanted = false;
    // The journal in place learns first that the measurement as it stands is
    // in its file: a crash while the fresh one is written offers nothing
    // then.  (After a load it no longer follows the tree: it stays as it is.)
    if (m_inStep && !m_failed && m_file.isOpen()) {
        Record saved;
        saved.kind = Kind::Saved;
        saved.file = m_document->currentFile();
        const QByteArray bytes = encode(saved);
        if (m_file.write(bytes) == bytes.size())
            syncToDisk(m_file);
    }
    m_file.close();
    m_unsynced = false;
    m_inStep = false;
    // Written whole beside the journal, then put in its place: a crash
    // meanwhile leaves the old journal as it was, never a part of the new.
    const QString fresh = freshPath(path());
    QString reason;
    if (!writeWhole(fresh, snapshot(), &reason) || !replaceFile(fresh, path(), &reason)) {
        QFile::remove(fresh);
        fail(reason);
        return;
    }
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        fail(m_file.errorString());
        return;
    }
    m_inStep = true;
    if (m_failed) {
        m_failed = false;
        m_failure.clear();
        m_retryTimer->stop();
        showState();
        emit protectionChanged(true);
    }
}

void measuringJournal::retry()
{
    m_retryWanted = false;
    // A load or a restore ends with a fresh journal of its own.
    if (!m_failed || m_paused || m_document->isLoading())
        return;
    if (!m_lock) {
        QString error;
        if (!takeFreeSlot(&error)) {
            m_failure = error;
            showState();
            return;
        }
    }
    restart();
}

void measuringJournal::fail(const QString &reason)
{
    m_file.close();
    m_unsynced = false;
    m_inStep = false;
    m_failure = reason;
    m_retryTimer->start();
    const bool wasProtected = !m_failed;
    m_failed = true;
    showState();
    if (!wasProtected)
        return;
    emit protectionChanged(false);
    // Said once, when the trouble begins; the mark stays while it lasts.  Not
    // from inside the change that found it: the box waits for the event loop.
    QTimer::singleShot(0, this, &measuringJournal::tellFailure);
}

void measuringJournal::tellFailure()
{
    if (!m_failed)
        return;
    promptRk::warning(m_window, tr("QCM"),
                      tr("Unsaved measurements are no longer protected against a crash: the "
                         "journal %1 cannot be written (%2).\nQCM tries again as long as it "
                         "runs; make room on that disk, and save the measurement.")
                          .arg(QDir::toNativeSeparators(path()), m_failure));
}

void measuringJournal::showState()
{
    if (!m_mark)
        return;
    m_mark->setVisible(m_failed);
    m_mark->setText(tr("Not protected against a crash"));
    m_mark->setToolTip(m_failure);
}

void measuringJournal::discard()
{
    m_retryTimer->stop();
    if (!m_lock)
        return;
    m_file.close();
    m_file.remove();
    QFile::remove(freshPath(path()));
    m_lock->unlock();
    m_lock.reset();
}

void measuringJournal::restore(const Measurement &restored)
{
    m_paused = true;
    m_document->clearMeasurement();
    m_state->setPrintInfo(restored.printInfo);
    m_state->setTolerance(restored.tolerance);
    for (const TypeState &type : restored.types)
        m_tree->addRestoredType(type);
    m_paused = false;
    // The file it belonged to, with everything since its last save unsaved
    // (setting the file starts the fresh journal).
    m_restoring = true;
    m_document->setCurrentFile(restored.file);
    m_restoring = false;
    m_document->markModified();
}

void measuringJournal::append(const Record &record)
{
    if (!m_lock)
        return;
    if (m_paused || m_document->isLoading()) {
        m_inStep = false;
        return;
    }
    if (m_failed) {
        // Tried again once the changes under way are done.
        if (!m_retryWanted) {
            m_retryWanted = true;
            QTimer::singleShot(0, this, &measuringJournal::retry);
        }
        return;
    }
    if (!m_file.isOpen())
        return;
    const QByteArray bytes = encode(record);
    // Unbuffered: the bytes are with the operating system when write returns,
    // so a killed program loses nothing; the disk sync follows before paint.
    if (m_file.write(bytes) != bytes.size()) {
        fail(m_file.errorString());
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
        fail(m_file.errorString());
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

void measuringJournal::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                   const QVector<int> &roles)
{
    const bool onlyMarks = roles.size() == 1 && roles.first() == Qt::CheckStateRole;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        Record change;
        change.kind = Kind::Change;
        if (!rowsOf(topLeft.sibling(row, 0), &change.typeRow, &change.sampleRow))
            return;
        QTreeWidgetItem *type = m_tree->type(change.typeRow);
        if (!type || (change.sampleRow >= 0 && change.sampleRow >= type->childCount()))
            return;
        if (onlyMarks && m_markBatch.contains(type)) {
            // Written with the Type's other marks when the batch ends.
            m_marksPending = true;
            continue;
        }
        change.item = stateOf(change.sampleRow < 0 ? type : type->child(change.sampleRow));
        append(change);
    }
}

void measuringJournal::marksAboutToChange(QTreeWidgetItem *typeItem)
{
    ++m_markBatchDepth;
    if (!m_markBatch.contains(typeItem))
        m_markBatch.append(typeItem);
}

void measuringJournal::marksChanged(QTreeWidgetItem *typeItem)
{
    Q_UNUSED(typeItem)
    if (m_markBatchDepth == 0 || --m_markBatchDepth > 0)
        return;
    const QVector<QTreeWidgetItem *> batch = m_markBatch;
    m_markBatch.clear();
    if (!m_marksPending)
        return;
    m_marksPending = false;
    // Every Type of the batch as it now stands, the Type's own mark first.
    for (QTreeWidgetItem *type : batch) {
        Record marks;
        marks.kind = Kind::Marks;
        marks.typeRow = m_tree->measurementRoot()->indexOfChild(type);
        if (marks.typeRow < 0)
            continue;
        marks.marks.resize(type->childCount() + 1);
        marks.marks[0] = char(type->checkState(nameColumn));
        for (int s = 0; s < type->childCount(); ++s)
            marks.marks[s + 1] = char(type->child(s)->checkState(nameColumn));
        append(marks);
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
