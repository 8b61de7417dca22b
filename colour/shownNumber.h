#ifndef SHOWNNUMBER_H
#define SHOWNNUMBER_H

#include <QString>

// A value as people read it on the panel, in the workbook, on the reports,
// in the whiteness dialog and in `qcmtool show`: two decimals, or "--" when
// it is no number (a difference or an index that cannot be computed) or
// infinite.  The same text in every language.  Files for programs say it
// their own way: an empty CSV cell, null in JSON.
QString shownNumber(double value);

#endif // SHOWNNUMBER_H
