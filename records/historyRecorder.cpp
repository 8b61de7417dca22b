#include "historyRecorder.h"

#include "colorDifference.h"
#include "historyOutbox.h"
#include "itemColumns.h"
#include "judgement.h"
#include "measurementTreeRk.h"
#include "measuringDocument.h"
#include "serialPortRk.h"
#include "sharedState.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QSettings>
#include <QSysInfo>
#include <QTimeZone>
#include <QTimer>
#include <QTreeWidget>

namespace {

const int idRole = Qt::UserRole + 91;
// The name the history knows the item by: a different text is a rename.
const int recordedNameRole = Qt::UserRole + 92;
const int originRole = Qt::UserRole + 93;

ColorTriple valuesOf(const QTreeWidgetItem *item)
{
    // Text that is no number counts as 0, as the information panel reads it.
    return {item->text(value1Column).toFloat(), item->text(value2Column).toFloat(),
            item->text(value3Column).toFloat()};
}

// An average still waiting for readings: its item counts fewer than it wants
// (the rule the reading recorder ends a series by).
bool unfinishedAverage(const QTreeWidgetItem *item)
{
    return item->text(averageCountColumn).toDouble() < item->text(averageTimesColumn).toDouble();
}

bool fromInstrument(history::Origin origin)
{
    return origin == history::Origin::Measured || origin == history::Origin::Averaged ||
           origin == history::Origin::Uploaded;
}

} // namespace

historyRecorder::historyRecorder(measurementTreeRk *tree, sharedState *state,
                                 measuringDocument *document, serialPortRk *link, QObject *parent)
    : QObject(parent), m_tree(tree), m_view(tree->tree()), m_state(state), m_document(document),
      m_link(link), m_station(stationFromSettings(
                        QSettings(QStringLiteral("SoftWare Inc."), QStringLiteral("qcm"))))
{
    QAbstractItemModel *model = m_tree->tree()->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &historyRecorder::rowsInserted);
    connect(model, &QAbstractItemModel::dataChanged, this, &historyRecorder::dataChanged);
    connect(m_tree, &measurementTreeRk::itemAboutToBeRemoved, this,
            &historyRecorder::itemAboutToBeRemoved);
    // Records reach the outbox before the tree paints the items, and before
    // the program waits for the next event.
    m_tree->tree()->viewport()->installEventFilter(this);
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &historyRecorder::flush);
}

historyRecorder::~historyRecorder() = default;

void historyRecorder::setOutbox(historyOutbox *outbox)
{
    m_outbox = outbox;
}

QString historyRecorder::stationFromSettings(const QSettings &settings)
{
    const QString station = settings.value(QStringLiteral("historyStation")).toString();
    return station.trimmed().isEmpty() ? QSysInfo::machineHostName() : station.trimmed();
}

QUuid historyRecorder::itemId(const QTreeWidgetItem *item)
{
    return item ? item->data(nameColumn, idRole).toUuid() : QUuid();
}

bool historyRecorder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && (!m_entered.isEmpty() || !m_averaging.isEmpty()))
        flush();
    return QObject::eventFilter(watched, event);
}

QTreeWidgetItem *historyRecorder::itemAt(const QModelIndex &index) const
{
    // A Type: its parent is the root.  A Sample: its grandparent is.
    const QModelIndex parent = index.parent();
    if (!index.isValid() || !parent.isValid())
        return nullptr;
    const int rootRow = m_tree->tree()->indexOfTopLevelItem(m_tree->measurementRoot());
    if (!parent.parent().isValid())
        return parent.row() == rootRow ? m_tree->type(index.row()) : nullptr;
    const QModelIndex grand = parent.parent();
    if (grand.parent().isValid() || grand.row() != rootRow)
        return nullptr;
    QTreeWidgetItem *type = m_tree->type(parent.row());
    return type ? type->child(index.row()) : nullptr;
}

void historyRecorder::rowsInserted(const QModelIndex &parent, int first, int last)
{
    const std::optional<history::Origin> origin = m_tree->entryOrigin();
    if (!origin || (m_document && m_document->isLoading()))
        return;
    QAbstractItemModel *model = m_tree->tree()->model();
    for (int row = first; row <= last; ++row) {
        QTreeWidgetItem *item = itemAt(model->index(row, 0, parent));
        if (!item)
            return;
        note(item, *origin);
        // A Type may join with its Samples already under it.
        if (m_tree->isType(item)) {
            for (int s = 0; s < item->childCount(); ++s)
                note(item->child(s), *origin);
        }
    }
}

void historyRecorder::note(QTreeWidgetItem *item, history::Origin origin)
{
    Entry entry{item, origin, QDateTime::currentDateTimeUtc()};
    // Only a reading of the instrument is the first of an average.
    if (origin == history::Origin::Measured && unfinishedAverage(item))
        m_averaging.insert(item, entry);
    else
        m_entered.append(entry);
    scheduleFlush();
}

void historyRecorder::scheduleFlush()
{
    // Whichever comes first: the event loop's next turn, a paint of the
    // tree, the loop about to wait.
    if (m_flushScheduled)
        return;
    m_flushScheduled = true;
    QTimer::singleShot(0, this, &historyRecorder::flush);
}

void historyRecorder::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        QTreeWidgetItem *item = itemAt(topLeft.sibling(row, 0));
        if (item && m_averaging.contains(item))
            scheduleFlush(); // perhaps its last reading
        if (!item || itemId(item).isNull())
            continue;
        if (item->text(nameColumn) == item->data(nameColumn, recordedNameRole).toString())
            continue;
        measurementTreeRk::setQuietData(item, recordedNameRole, item->text(nameColumn));
        eventRecord(item, history::Event::Renamed);
    }
}

void historyRecorder::itemAboutToBeRemoved(QTreeWidgetItem *item)
{
    // What entered is recorded before it goes: history is never undone.
    flush();
    if (item == m_tree->measurementRoot()) {
        // New or Open: the measurement is put away, not deleted.
        m_averaging.clear();
        return;
    }
    QList<QTreeWidgetItem *> going{item};
    for (int s = 0; s < item->childCount(); ++s)
        going.append(item->child(s));
    for (QTreeWidgetItem *gone : qAsConst(going)) {
        m_averaging.remove(gone);
        if (!itemId(gone).isNull())
            eventRecord(gone, history::Event::Deleted);
    }
    flush();
}

HistoryRecord historyRecorder::describe(QTreeWidgetItem *item, history::Origin origin,
                                        const QDateTime &time) const
{
    HistoryRecord r;
    r.kind = m_tree->isType(item) ? history::Kind::Type : history::Kind::Sample;
    r.name = item->text(nameColumn);
    for (int i = 0; i < 9; ++i)
        r.conditions[std::size_t(i)] = item->text(lightSourceColumn + i);
    measurementTreeRk::rawLab(item, &r.rawL, &r.rawA, &r.rawB);
    for (int i = 0; i < 3; ++i)
        r.shown[std::size_t(i)] = item->text(value1Column + i);
    if (r.kind == history::Kind::Sample) {
        QTreeWidgetItem *type = item->parent();
        r.typeId = itemId(type);
        r.typeName = type->text(nameColumn);
        // Judged as the information panel judges it when the Sample is
        // pressed: its own colour space and formula, the shared tolerance.
        const ColorTriple t = valuesOf(type);
        const ColorTriple s = valuesOf(item);
        const QString space = item->text(colorSpaceColumn);
        r.formula = item->text(formulaColumn);
        const float dE = colorDifference(t, s, space, r.formula);
        r.deltaE = double(dE);
        const Tolerance &tolerance = m_state->tolerance();
        const QStringList verdicts =
            judgementTexts(dE, s[0] - t[0], s[1] - t[1], s[2] - t[2], space, tolerance);
        // The verdicts come translated: "Pass" in the words of colour/judgement.
        static const char *const context = "judgement";
        static const char *const passed = "Pass";
        const QString pass = QCoreApplication::translate(context, passed);
        bool allPass = verdicts.size() == 7;
        for (int i = 3; i < verdicts.size(); ++i)
            allPass = allPass && verdicts.at(i) == pass;
        r.verdict = allPass ? QStringLiteral("Pass") : QStringLiteral("Fail");
        r.tolerance = tolerance.toList();
    }
    r.time = time.toUTC();
    r.timeZone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    r.station = m_station;
    r.operatorName = m_state->printInfo().measurementPerson;
    r.instrumentModel = item->text(instrumentModelColumn);
    if (m_link && fromInstrument(origin))
        r.port = m_link->portName();
    if (m_document)
        r.filePath = m_document->currentFile();
    r.origin = origin;
    return r;
}

void historyRecorder::enter(const Entry &entry)
{
    QTreeWidgetItem *item = entry.item;
    HistoryRecord r = describe(item, entry.origin, entry.time);
    r.id = QUuid::createUuid();
    r.itemId = r.id;
    measurementTreeRk::setQuietData(item, recordedNameRole, r.name);
    measurementTreeRk::setQuietData(item, originRole, int(entry.origin));
    measurementTreeRk::setQuietData(item, idRole, r.id);
    m_ready.append(r);
}

void historyRecorder::eventRecord(QTreeWidgetItem *item, history::Event event)
{
    const auto origin = history::Origin(item->data(nameColumn, originRole).toInt());
    HistoryRecord r = describe(item, origin, QDateTime::currentDateTimeUtc());
    r.id = QUuid::createUuid();
    r.event = event;
    r.itemId = itemId(item);
    m_ready.append(r);
    scheduleFlush();
}

void historyRecorder::flush()
{
    m_flushScheduled = false;
    // At the end of the program the tree may go first: its items with it.
    if (!m_tree || !m_view) {
        m_entered.clear();
        m_averaging.clear();
        return;
    }
    // An average is complete before anything can be measured against it.
    for (auto it = m_averaging.begin(); it != m_averaging.end();) {
        if (unfinishedAverage(it.key())) {
            ++it;
            continue;
        }
        Entry done = it.value();
        it = m_averaging.erase(it);
        done.origin = history::Origin::Averaged;
        done.time = QDateTime::currentDateTimeUtc();
        enter(done);
    }
    // Taken out first: whatever a record's item announces may come back here.
    const QVector<Entry> entered = std::exchange(m_entered, {});
    for (const Entry &entry : entered)
        enter(entry);
    if (m_ready.isEmpty())
        return;
    const QVector<HistoryRecord> ready = std::exchange(m_ready, {});
    QString reason;
    if (m_outbox && !m_outbox->add(ready, &reason))
        emit notKept(reason);
}
