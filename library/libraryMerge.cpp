#include "libraryMerge.h"

#include <QHash>
#include <QStringList>

namespace {

// The fields that make an entry what it is, as one text.
QString identity(const LibraryEntry &e)
{
    return QStringList{e.name,
                       e.colorSpace,
                       e.value,
                       QString::number(e.red),
                       QString::number(e.green),
                       QString::number(e.blue),
                       e.lightSource,
                       e.observer,
                       e.illuminationMode,
                       e.caliber,
                       e.lightMode,
                       e.averageTimes,
                       e.measurementTime}
        .join(QChar(0x1F));
}

// How many times each entry occurs, so that doubled entries count as two.
QHash<QString, int> counted(const QVector<LibraryEntry> &entries)
{
    QHash<QString, int> counts;
    for (const LibraryEntry &e : entries)
        ++counts[identity(e)];
    return counts;
}

// Takes one occurrence of `e` out of `counts`; false when none was left.
bool take(QHash<QString, int> *counts, const QString &key)
{
    auto it = counts->find(key);
    if (it == counts->end() || it.value() == 0)
        return false;
    --it.value();
    return true;
}

} // namespace

QVector<LibraryEntry> addedLibraryEntries(const QVector<LibraryEntry> &base,
                                          const QVector<LibraryEntry> &mine)
{
    QHash<QString, int> before = counted(base);
    QVector<LibraryEntry> added;
    for (const LibraryEntry &e : mine) {
        if (!take(&before, identity(e)))
            added.append(e);
    }
    return added;
}

QVector<LibraryEntry> mergeLibraryEntries(const QVector<LibraryEntry> &base,
                                          const QVector<LibraryEntry> &mine,
                                          const QVector<LibraryEntry> &theirs)
{
    // What this table took away from the file as it was read.
    QHash<QString, int> removed = counted(base);
    for (const LibraryEntry &e : mine)
        take(&removed, identity(e));

    QVector<LibraryEntry> result;
    result.reserve(theirs.size() + mine.size());
    QHash<QString, int> present;
    for (const LibraryEntry &e : theirs) {
        const QString key = identity(e);
        if (take(&removed, key))
            continue;
        result.append(e);
        ++present[key];
    }
    for (LibraryEntry e : addedLibraryEntries(base, mine)) {
        if (take(&present, identity(e)))
            continue;
        e.order = result.size() + 1;
        result.append(e);
    }
    return result;
}
