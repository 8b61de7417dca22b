#ifndef QCM_DURABLEFILE_H
#define QCM_DURABLEFILE_H

class QFile;
class QString;

// Pushes what was written to `file` through the operating system's caches to
// the disk, so that it survives a power cut.  False when the system refuses.
bool syncToDisk(QFile &file);

// Puts the closed file `source` in the place of `target` in one step: a crash
// leaves either the old `target` or the new one whole, never a mix or none.
// The change of name is pushed to the disk as well.  False, with the system's
// reason, when it cannot be done (`source` then stays).
bool replaceFile(const QString &source, const QString &target, QString *reason = nullptr);

#endif
