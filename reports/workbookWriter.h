#ifndef QCM_WORKBOOKWRITER_H
#define QCM_WORKBOOKWRITER_H

#include "exportFields.h"

#include <QString>

// The most characters the text of one workbook cell can hold.
constexpr int workbookCellTextLimit = 32767;

// Writes the marked items as a workbook (.xlsx) at `path`, every value as
// text: row 1 the title, merged over the table's width; then for each Type a
// heading row (bold, grey, centred), the Type's row and one row per Sample
// with its colour difference; the table framed in thin black lines.  A text
// too long for a cell is cut and carries a note saying so.
//
// The file appears at `path` only once it is complete.  On failure `*error`
// says why, a file that was at `path` is left as it was and nothing else
// stays behind.  `progress` (may be empty) hears of every Type and Sample.
bool writeWorkbook(const QString &path, const ExportData &data, const ExportTexts &texts,
                   const ExportProgress &progress, QString *error);

#endif
