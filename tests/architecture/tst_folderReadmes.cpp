// Every library folder of ARCHITECTURE.md's table has a README.md that names
// each of its source files, so a file added without a word about it fails
// here.  A file counts as named when its base name stands in backticks,
// alone or with what follows it (`measuringFile`, `measuringFile.h`,
// `threadRk.*`, `resourcePath()`).

#include "architectureTable.h"

#include <QSet>
#include <QTest>

namespace {

// The base names of `files` that `readme` does not name.
QStringList unnamedFiles(const QString &readme, const QStringList &files)
{
    QStringList missing;
    for (const QString &file : files) {
        const QString base = QFileInfo(file).completeBaseName();
        const QRegularExpression named("`" + QRegularExpression::escape(base) + "(?![A-Za-z0-9_])");
        if (!readme.contains(named) && !missing.contains(base))
            missing << base;
    }
    return missing;
}

} // namespace

class tst_folderReadmes : public QObject
{
    Q_OBJECT

private slots:
    void everySourceFileIsNamed()
    {
        const QString root = qEnvironmentVariable("QCM_SOURCE_DIR");
        QVERIFY2(!root.isEmpty(), "QCM_SOURCE_DIR names the source tree");
        const QVector<FolderRow> rows = parseFolderTable(readText(root + "/ARCHITECTURE.md"));
        QVERIFY(rows.size() >= 10);
        QStringList folders{"tools"};
        for (const FolderRow &row : rows)
            folders << row.folder;
        QStringList wrong;
        for (const QString &folder : folders) {
            const QString readme = readText(root + "/" + folder + "/README.md");
            if (readme.isEmpty()) {
                wrong << folder + "/README.md is missing";
                continue;
            }
            const QStringList missing = unnamedFiles(readme, sourcesOf(root + "/" + folder));
            if (!missing.isEmpty())
                wrong << folder + "/README.md does not name " + missing.join(", ");
        }
        if (!wrong.isEmpty())
            QFAIL(qPrintable(wrong.join('\n')));
    }

    // The check itself: a file the text does not name in backticks is
    // reported once for its .h and .cpp, a longer name does not stand for a
    // shorter one, and a word outside backticks does not count.
    void unnamedFilesAreReported()
    {
        const QString readme = "| `a.h` | x |\n| `b` | y |\n| `c.*` | z |\n"
                               "`dd_posix.cpp`; `e()`; f in plain text; `gLonger`";
        const QStringList files{"a.h",        "a.cpp", "b.cpp", "c.h",   "dd_posix.cpp",
                                "dd_win.cpp", "e.cpp", "f.h",   "f.cpp", "g.h"};
        QCOMPARE(unnamedFiles(readme, files), (QStringList{"dd_win", "f", "g"}));
        QVERIFY(unnamedFiles(readme, {"a.cpp", "b.h", "e.h"}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_folderReadmes)
#include "tst_folderReadmes.moc"
