#include "libraryFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString defaultLibraryFolder(const QString &applicationDir)
{
    const QFileInfo portable(QDir(applicationDir).filePath(QStringLiteral("Library")));
    if (!applicationDir.isEmpty() && portable.isDir())
        return portable.absoluteFilePath();
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(data).filePath(QStringLiteral("Library"));
}

QString effectiveLibraryFolder(const QString &setting, const QString &applicationDir)
{
    return setting.isEmpty() ? defaultLibraryFolder(applicationDir) : setting;
}

QStringList libraryFileNames(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.scl")}, QDir::Files,
                                  QDir::Name | QDir::IgnoreCase);
}

bool isValidLibraryFileName(const QString &name)
{
    return !name.isEmpty() && name == name.trimmed() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.startsWith(QLatin1Char('.'));
}
