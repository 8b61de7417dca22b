#ifndef QCM_RESGEN_ICOWRITER_H
#define QCM_RESGEN_ICOWRITER_H

#include <QByteArray>
#include <QImage>
#include <QList>

// Builds a Windows icon container. Entries up to 128 px are stored as 32-bit
// device-independent bitmaps (readable everywhere), larger ones as PNG.
QByteArray icoContainer(const QList<QImage> &images);

#endif
