#ifndef QCM_RECENTFILELIST_H
#define QCM_RECENTFILELIST_H

#include <QList>
#include <QStringList>
#include <functional>

class QAction;

// The recent-file list, newest first.  It is never shortened; the menu shows
// only the first `shownCount` entries.
class recentFileList
{
public:
    enum
    {
        shownCount = 5
    };

    void setPaths(const QStringList &paths) { m_paths = paths; }
    const QStringList &paths() const { return m_paths; }

    // Moves (or inserts) `path` to the front, as an absolute path: the list
    // outlives the folder the program was started from.
    void add(const QString &path);

    // Drops every entry for which `exists` is false.
    void removeMissing(const std::function<bool(const QString &)> &exists);

    // The entries the menu shows, newest first.
    QStringList shown() const { return m_paths.mid(0, shownCount); }

    // Drops the files that no longer exist, then shows the first entries in
    // `actions` ("&1 name", the path as data) and the separator when any is.
    void showIn(const QList<QAction *> &actions, QAction *separator);

private:
    QStringList m_paths;
};

#endif
