#ifndef QCM_HISTORYCSV_H
#define QCM_HISTORYCSV_H

#include "historyStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

// The history window's answer as comma-separated values, written as the
// CSV export writes the tree (reports/csvWriter): UTF-8 with a byte-order
// mark, CR LF, quoted fields, numbers as plain numbers with a dot, and an
// apostrophe before a name or text that a spreadsheet would compute as a
// formula.  One header row, then one row per record of the filter, read
// from the history a page at a time so that no result is held whole.
class historyCsv
{
    Q_DECLARE_TR_FUNCTIONS(historyCsv)
public:
    static QStringList headings();
    // One record's fields, ended by CR LF.
    static QByteArray row(const historyStore::Row &row);

    // Pages of `pageSize` records; `progress` hears how many were written
    // and stops the export when it answers false.  The file appears only
    // once it is complete; on failure `*error` says why and a file already
    // at `path` stays as it was.
    static bool exportFile(const QString &path, historyStore *store, const HistoryFilter &filter,
                           int pageSize, const std::function<bool(qint64)> &progress,
                           QString *error);
};

#endif
