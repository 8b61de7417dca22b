#ifndef QCM_LIBRARYFOLDER_H
#define QCM_LIBRARYFOLDER_H

// Where the library files live and what they may be called.

#include <QString>
#include <QStringList>

// The folder used when the setting names none: "Library" beside the program
// when such a folder exists there (a portable installation carried with its
// library), otherwise "Library" in the user's application-data folder.
QString defaultLibraryFolder(const QString &applicationDir);
// The setting's folder, or the default when the setting is empty.
QString effectiveLibraryFolder(const QString &setting, const QString &applicationDir);

// The library files of a folder (every "*.scl" file), in name order without
// regard to letter case.
QStringList libraryFileNames(const QString &folder);

// Whether a typed name (without ".scl") may name a new library file: not
// empty, no blanks around it, no folder separator, and no leading dot (the
// folder listing leaves hidden files out, so such a file would never show).
bool isValidLibraryFileName(const QString &name);

#endif
