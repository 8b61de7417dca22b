#include "resourcePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef QCM_INSTALL_DATADIR
#define QCM_INSTALL_DATADIR ""
#endif

QStringList resourceSearchRoots()
{
    QStringList roots;
    // applicationDirPath() needs the application object; without one (a
    // static initialiser, a tool) only the configured folder is known.
    const QString appDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    if (!appDir.isEmpty())
        roots << appDir;
    const QString installed = QStringLiteral(QCM_INSTALL_DATADIR);
    if (!installed.isEmpty())
        roots << installed;
    if (!appDir.isEmpty())
        roots << QDir::cleanPath(appDir + QStringLiteral("/../share/qcm"));
    roots.removeDuplicates();
    return roots;
}

QString resourcePathIn(const QString &relative, const QStringList &roots)
{
    if (relative.isEmpty() || QDir::isAbsolutePath(relative))
        return relative;
    if (QFileInfo::exists(relative))
        return relative;
    QString tail = QDir::cleanPath(relative);
    // A path that climbs out of its root ("../x") is not a resource name;
    // looking for it elsewhere would only find unrelated files.
    if (tail == QLatin1String("..") || tail.startsWith(QLatin1String("../")))
        return relative;
    for (const QString &root : roots) {
        if (root.isEmpty())
            continue;
        const QString candidate = QDir::cleanPath(QDir(root).absoluteFilePath(tail));
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return relative;
}

QString resourcePath(const QString &relative)
{
    return resourcePathIn(relative, resourceSearchRoots());
}
