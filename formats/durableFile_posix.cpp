#include "durableFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

bool syncToDisk(QFile &file)
{
    if (!file.flush())
        return false;
#if defined(_POSIX_SYNCHRONIZED_IO) && _POSIX_SYNCHRONIZED_IO > 0
    return ::fdatasync(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

bool replaceFile(const QString &source, const QString &target, QString *reason)
{
    if (::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) !=
        0) {
        if (reason)
            *reason = qt_error_string(errno);
        return false;
    }
    // The new name lives in the folder: the folder goes to the disk too.
    const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}
