#ifndef QCM_RESOURCEPATH_H
#define QCM_RESOURCEPATH_H

#include <QString>
#include <QStringList>

// The program names its pictures, icons and translations by paths relative
// to the working folder ("./icon/blue/11 file.png"). Run from the build
// folder or an unpacked installation folder these resolve as they are; an
// installed program started from elsewhere finds them beside the executable
// or in the shared data folder instead.

// Where resources are looked for after the working folder, in order: the
// executable's folder, the data folder chosen at configure time, and
// <executable folder>/../share/qcm for a relocated installation.
QStringList resourceSearchRoots();

// The first existing match of `relative` in the working folder, then under
// each of `roots` in order. The working-folder hit is returned unchanged;
// other hits as clean absolute paths. With no match, `relative` is returned
// unchanged so that the caller's missing-file behaviour stays as it was.
// Absolute and empty paths are returned unchanged.
QString resourcePathIn(const QString &relative, const QStringList &roots);

// resourcePathIn(relative, resourceSearchRoots()).
QString resourcePath(const QString &relative);

#endif
