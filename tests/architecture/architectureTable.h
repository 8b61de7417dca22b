#ifndef QCM_ARCHITECTURETABLE_H
#define QCM_ARCHITECTURETABLE_H

// The folder table of ARCHITECTURE.md is the one statement of which folder
// may include which: the layering and README checks read it from there, so
// the document and the checks cannot say different things.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

struct FolderRow
{
    QString folder;     // "records"
    QStringList mayUse; // folders it may include from, besides itself
    QString mayUseText; // the cell as written, e.g. "QtCore only"
};

// The rows of the table whose first cell is a folder in backticks ("`x/`"),
// with the folders named in backticks in the last cell; "everything" there
// means every other folder of the table.
inline QVector<FolderRow> parseFolderTable(const QString &markdown)
{
    static const QRegularExpression folderCell(QStringLiteral("^`([a-z]+)/`$"));
    static const QRegularExpression folderName(QStringLiteral("`([a-z]+)/`"));
    QVector<FolderRow> rows;
    QVector<int> everything;
    for (const QString &line : markdown.split('\n')) {
        if (!line.startsWith('|'))
            continue;
        QStringList cells = line.split('|');
        cells.removeFirst();
        if (!cells.isEmpty() && cells.last().trimmed().isEmpty())
            cells.removeLast();
        if (cells.size() < 2)
            continue;
        const QRegularExpressionMatch folder = folderCell.match(cells.first().trimmed());
        if (!folder.hasMatch())
            continue;
        FolderRow row;
        row.folder = folder.captured(1);
        row.mayUseText = cells.last().trimmed();
        auto names = folderName.globalMatch(row.mayUseText);
        while (names.hasNext())
            row.mayUse << names.next().captured(1);
        if (row.mayUseText == QLatin1String("everything"))
            everything << rows.size();
        rows << row;
    }
    for (int i : everything)
        for (const FolderRow &other : rows)
            if (other.folder != rows[i].folder)
                rows[i].mayUse << other.folder;
    return rows;
}

inline QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The .h and .cpp files directly in a folder.
inline QStringList sourcesOf(const QString &folderPath)
{
    return QDir(folderPath).entryList({"*.h", "*.cpp"}, QDir::Files, QDir::Name);
}

#endif
