#ifndef QCM_CGATSTYPEIMPORT_H
#define QCM_CGATSTYPEIMPORT_H

#include "cgatsFile.h"

#include <QCoreApplication>
#include <QStringList>

class QWidget;
class measurementTreeRk;

// The colours of a CGATS file as new Types of the measurement tree, added
// the way a Type launched from the library is: L*a*b* coordinates, the
// conditions the file states (the current instrument model where it names
// none), no formula, one reading.
class cgatsTypeImport
{
    Q_DECLARE_TR_FUNCTIONS(cgatsTypeImport)
public:
    // Asks for the file ("Import CGATS as Types"), reads it, adds its
    // colours and says what could not be read; a file without colours QCM
    // can use is refused with the reason.  The number of Types added.
    static int run(measurementTreeRk *tree, QWidget *parent, const QString &instrumentModel);
    // Adds the colours of a file read before; the number of Types added.
    static int addTypes(measurementTreeRk *tree, const CgatsReadResult &read,
                        const QString &instrumentModel, const QDateTime &importTime);
    // Columns 5 to 15 of the Type made from a colour of `table`.
    static QStringList typeColumns(const CgatsConditions &conditions,
                                   const QString &instrumentModel, const QString &time);
    // The file filter of CGATS dialogs.
    static QString fileFilter();
};

#endif
