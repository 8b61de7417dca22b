#ifndef QCM_LIBRARYMERGE_H
#define QCM_LIBRARYMERGE_H

// Putting a library table back into a file that someone else changed while
// it was shown.  Entries are compared by everything but their order number
// and their Info. text (a search result of one session), so a renumbered or
// searched entry is still the same entry.

#include "libraryFile.h"

#include <QVector>

// The entries of `mine` that `base` (the file as it was read) did not hold.
QVector<LibraryEntry> addedLibraryEntries(const QVector<LibraryEntry> &base,
                                          const QVector<LibraryEntry> &mine);

// `theirs` (the file as it is now) with the entries removed from `base` in
// `mine` taken out, and the entries `mine` added appended, each numbered by
// its place.  Nothing another writer added is lost; an added entry the file
// already holds is not doubled.
QVector<LibraryEntry> mergeLibraryEntries(const QVector<LibraryEntry> &base,
                                          const QVector<LibraryEntry> &mine,
                                          const QVector<LibraryEntry> &theirs);

#endif
