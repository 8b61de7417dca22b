#include "durableFile.h"

#include <QFile>

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
