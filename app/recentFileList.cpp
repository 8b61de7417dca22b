#include "recentFileList.h"

void recentFileList::add(const QString &path)
{
    m_paths.removeAll(path);
    m_paths.prepend(path);
}

void recentFileList::removeMissing(const std::function<bool(const QString &)> &exists)
{
    QStringList kept;
    kept.reserve(m_paths.size());
    for (const QString &path : qAsConst(m_paths)) {
        if (exists(path))
            kept.append(path);
    }
    m_paths = kept;
}
