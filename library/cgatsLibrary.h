#ifndef QCM_CGATSLIBRARY_H
#define QCM_CGATSLIBRARY_H

// The colours of a CGATS file as library entries.

#include "cgatsFile.h"
#include "libraryFile.h"

#include <QDateTime>
#include <QSet>

// One entry per colour, in file order, numbered from `firstOrder`: the name
// (SAMPLE_NAME, else SAMPLE_ID), "CIE1976L*a*b*" with the value text
// "L…  a…  b…", the swatch of the colour, the conditions the table states
// and `importTime` as the measurement time.  A colour whose name is in
// `taken` (or came before in the file) is passed over and its name added to
// `duplicates` (optional), since a library holds every name once.
QVector<LibraryEntry> libraryEntriesFromCgats(const CgatsReadResult &read, int firstOrder,
                                              const QDateTime &importTime, QSet<QString> taken = {},
                                              QStringList *duplicates = nullptr);

#endif
