#ifndef QCM_CSVWRITER_H
#define QCM_CSVWRITER_H

#include "exportFields.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// The marked items as comma-separated values for statistics programs and
// laboratory systems: UTF-8 with a byte-order mark (spreadsheet programs
// then read Chinese names correctly), lines ended by CR LF, a field quoted
// when it holds a comma, a quote, a line break or spaces at either end.
//
// One header row, then one row per Type and per Sample: the kind, the Type's
// name, the item's name, the three coordinates and the colour difference as
// plain numbers (a dot before the decimals, every digit of the stored value),
// the three deviation words and the verdict, then the chosen fields.  The
// coordinates are headed by their component names when all items share a
// colour space, by "Value 1" to "Value 3" otherwise.  A Type row has no
// difference, words or verdict.
//
// The names and the chosen fields come from other people's files, libraries
// and the instrument; a spreadsheet would run one that begins like a formula.
// Guarded, such a text gets an apostrophe in front (csvGuardedText); Exact
// writes every text as it is, for scripts.  Numbers are never changed.
enum class CsvTexts
{
    Guarded,
    Exact
};
bool writeCsv(QIODevice *device, const ExportData &data, const ExportTexts &texts,
              const ExportProgress &progress, CsvTexts mode = CsvTexts::Guarded);

// Writes the same to `path`; the file appears only once it is complete.  On
// failure `*error` says why and a file that was at `path` is left as it was.
bool writeCsvFile(const QString &path, const ExportData &data, const ExportTexts &texts,
                  const ExportProgress &progress, QString *error,
                  CsvTexts mode = CsvTexts::Guarded);

// One field as it stands between the commas.
QByteArray csvField(const QString &text);
// `text` with an apostrophe in front when it begins with "=", "+", "-", "@",
// a tab or a carriage return, so that a spreadsheet shows it as text instead
// of computing it; any other text as it is.
QString csvGuardedText(const QString &text);
// A stored coordinate text as a plain number: every digit it holds, no
// exponent ("1.5e-05" gives "0.000015"); text that is no number reads as 0,
// as everywhere in the program, and a value that is not finite leaves the
// cell empty.
QByteArray csvCoordinate(const QString &text);
// A computed colour difference: the shortest text that reads back as the
// same single-precision number; empty when it cannot be computed.
QByteArray csvDifference(float value);

#endif
