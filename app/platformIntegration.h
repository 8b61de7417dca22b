#ifndef QCM_PLATFORMINTEGRATION_H
#define QCM_PLATFORMINTEGRATION_H

#include <QString>

// Operating-system chores done at start-up.  Each platform has its own file;
// where the desktop does these things through installed files (Linux desktop
// entries, MIME types, udev rules, the kernel's CDC-ACM driver) they are no-ops.

// Associates ".qcm" files with the program at `programPath`, once.
void ensureFileAssociation(const QString &programPath);

// Puts the USB serial driver in place when the system lacks it.
void ensureSerialDriver();

#endif
