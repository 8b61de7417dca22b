#ifndef QCM_DURABLEFILE_H
#define QCM_DURABLEFILE_H

class QFile;

// Pushes what was written to `file` through the operating system's caches to
// the disk, so that it survives a power cut.  False when the system refuses.
bool syncToDisk(QFile &file);

#endif
