#ifndef QCM_CGATSEXPORT_H
#define QCM_CGATSEXPORT_H

// The marked items as a CGATS file: the bridge between the copied items and
// the pure writer of records/cgatsFile.

#include "cgatsFile.h"
#include "markedItems.h"

#include <QCoreApplication>

class cgatsExport
{
    Q_DECLARE_TR_FUNCTIONS(cgatsExport)
public:
    // Every Type followed by its Samples, in tree order, as L*a*b* (items in
    // another colour space are converted back; "sRGB" numbers cannot be and
    // are left out, with a sentence in `leftOut`).  Items of the same light
    // source, observer, geometry and instrument share a table; the tables
    // follow the order in which their first item comes.
    static CgatsDocument document(const QVector<MarkedType> &marked, const QString &title,
                                  const QDateTime &created, QStringList *leftOut);
    // Writes `document` to `path`; the file appears only once it is
    // complete.  On failure `*error` says why and a file at `path` is kept.
    static bool writeFile(const QString &path, const CgatsDocument &document, QString *error);
};

#endif
