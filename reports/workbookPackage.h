#ifndef QCM_WORKBOOKPACKAGE_H
#define QCM_WORKBOOKPACKAGE_H

#include <QByteArray>
#include <QString>

// Whether a workbook file (a zip package of XML parts) came out whole: its
// directory is there, every part inflates to its recorded size and
// checksum, and every XML part ends with the end of its root element.  The workbook library does
// not notice when a write of its own temporary files fails (a full disk, a
// file-size limit) and then packs the truncated parts as if nothing
// happened; this check is what keeps such a file from being handed to the
// user as a finished export.  `*problem` tells what is wrong.
bool workbookPackageIsWhole(const QByteArray &package, QString *problem);

#endif
