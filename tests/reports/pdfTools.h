#ifndef QCM_TESTS_PDFTOOLS_H
#define QCM_TESTS_PDFTOOLS_H

// Reading printed reports back with poppler's tools (tools/setup.sh installs
// poppler-utils): the page count, the text of each page, the fonts embedded.

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStringList>

inline QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page count pdfinfo reports, -1 when it cannot read the file.
inline int pdfPageCount(const QString &path)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(runTool(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of every page, laid out as on the page (one line per table row).
inline QStringList pdfPageTexts(const QString &path)
{
    QStringList pages =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    // The fonts join "ff", "fi" and "fl" into one glyph; read them as letters.
    for (QString &page : pages)
        page.replace(QChar(0xFB00), "ff").replace(QChar(0xFB01), "fi").replace(QChar(0xFB02), "fl");
    return pages;
}

inline QString pdfFonts(const QString &path)
{
    return runTool(QStringLiteral("pdffonts"), {path});
}

// Where the word `word` stands on page `page` (from 1), in points from the
// top left corner; the last such word, an empty rectangle when none.
inline QRectF pdfWordBox(const QString &path, int page, const QString &word)
{
    const QString html =
        runTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                 QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    const QRegularExpression wordTag(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QRectF box;
    for (auto it = wordTag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(5) == word)
            box = QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    }
    return box;
}

// Whether the words of `words` (separated by '|') occur in `text` in this
// order; names the first missing.
inline bool inOrder(const QString &text, const QString &words, QString *missing = nullptr)
{
    int from = 0;
    for (const QString &w : words.split(QLatin1Char('|'))) {
        const int at = text.indexOf(w, from);
        if (at < 0) {
            if (missing)
                *missing = w;
            return false;
        }
        from = at + w.size();
    }
    return true;
}

// The line of `page` that holds `key` (a table row), empty when none.
inline QString lineWith(const QString &page, const QString &key)
{
    for (const QString &line : page.split(QLatin1Char('\n')))
        if (line.contains(key))
            return line;
    return QString();
}

#endif
