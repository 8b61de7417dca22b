// The folders form layers: a folder includes headers of its own and of the
// folders its row of ARCHITECTURE.md's table lets it use, nothing else.  The
// table is read from the document itself, so a new edge in the code fails
// here until the document says it.  A header that moves to the wrong folder,
// or an include that creates a cycle between libraries, fails with its file
// and line.

#include "architectureTable.h"

#include <QDirIterator>
#include <QLibraryInfo>
#include <QTest>

#include <functional>

namespace {

struct Layers
{
    QHash<QString, QStringList> allowed; // folder -> folders it may use
    QHash<QString, QString> home;        // header file name -> its folder
    QStringList qtCoreOnly;              // folders whose row allows nothing but QtCore
};

// What an include line names: {header, is a <...> include}.
QPair<QString, bool> includedBy(const QString &line)
{
    static const QRegularExpression include(
        QStringLiteral("^\\s*#\\s*include\\s+([\"<])([^\">]+)[\">]"));
    const QRegularExpressionMatch match = include.match(line);
    if (!match.hasMatch())
        return {};
    return {match.captured(2), match.captured(1) == QLatin1String("<")};
}

bool isQtCoreHeader(const QString &header)
{
    static const QString core = QLibraryInfo::location(QLibraryInfo::HeadersPath) + "/QtCore/";
    return QFileInfo::exists(core + header);
}

// The includes of `text` (a file of `folder`) that its row does not allow.
QStringList violations(const Layers &layers, const QString &folder, const QString &label,
                       const QString &text)
{
    QStringList wrong;
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const auto [name, angled] = includedBy(lines[i]);
        if (name.isEmpty())
            continue;
        if (angled) {
            if (layers.qtCoreOnly.contains(folder) && name.startsWith('Q') && !name.contains('/') &&
                !isQtCoreHeader(name))
                wrong << QString("%1:%2 includes <%3>, not of QtCore")
                             .arg(label)
                             .arg(i + 1)
                             .arg(name);
            continue;
        }
        const QString header = QFileInfo(name).fileName();
        const QString from = layers.home.value(header);
        if (from.isEmpty() || from == folder || layers.allowed.value(folder).contains(from))
            continue;
        wrong << QString("%1:%2 includes %3 of %4/").arg(label).arg(i + 1).arg(header, from);
    }
    return wrong;
}

// A path of folders that comes back to its start, or nothing when the edges
// all go one way.
QStringList cycleIn(const QHash<QString, QStringList> &allowed)
{
    QHash<QString, int> state; // 1 on the current path, 2 done
    QStringList path;
    std::function<bool(const QString &)> acyclic = [&](const QString &folder) {
        if (state.value(folder) == 2)
            return true;
        path << folder;
        if (state.value(folder) == 1)
            return false;
        state[folder] = 1;
        for (const QString &used : allowed.value(folder))
            if (!acyclic(used))
                return false;
        path.removeLast();
        state[folder] = 2;
        return true;
    };
    QStringList folders = allowed.keys();
    folders.sort();
    for (const QString &folder : folders)
        if (!acyclic(folder))
            return path.mid(path.indexOf(path.last()));
    return {};
}

QString sourceRoot()
{
    return qEnvironmentVariable("QCM_SOURCE_DIR");
}

} // namespace

class tst_layering : public QObject
{
    Q_OBJECT

    QVector<FolderRow> rows;
    Layers layers;

private slots:
    void initTestCase()
    {
        QVERIFY2(!sourceRoot().isEmpty(), "QCM_SOURCE_DIR names the source tree");
        rows = parseFolderTable(readText(sourceRoot() + "/ARCHITECTURE.md"));
        for (const FolderRow &row : rows) {
            layers.allowed.insert(row.folder, row.mayUse);
            static const QRegularExpression moreQt(QStringLiteral("Qt ?(Gui|Widgets)"));
            if (row.mayUseText.contains("QtCore") && !row.mayUseText.contains(moreQt))
                layers.qtCoreOnly << row.folder;
            for (const QString &file : sourcesOf(sourceRoot() + "/" + row.folder)) {
                if (file.endsWith(".h")) {
                    QVERIFY2(!layers.home.contains(file), qPrintable(file + " exists twice"));
                    layers.home.insert(file, row.folder);
                }
            }
        }
    }

    // The table names every library folder, only folders that exist, and
    // its edges go one way: no two folders may use each other, even through
    // a third.
    void tableCoversTheFoldersWithoutCycles()
    {
        QVERIFY(layers.allowed.contains("app") && layers.allowed.contains("colour"));
        QVERIFY(layers.home.contains("MainWindows.h") && layers.home.contains("promptRk.h"));
        const QDir root(sourceRoot());
        for (const QString &dir : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (readText(root.filePath(dir + "/CMakeLists.txt")).contains("add_library("))
                QVERIFY2(layers.allowed.contains(dir),
                         qPrintable(dir + "/ builds a library but has no row in ARCHITECTURE.md"));
        }
        for (const FolderRow &row : rows) {
            QVERIFY2(root.exists(row.folder), qPrintable(row.folder));
            for (const QString &used : row.mayUse)
                QVERIFY2(layers.allowed.contains(used),
                         qPrintable(row.folder + " may use " + used + ", which has no row"));
        }
        const QStringList cycle = cycleIn(layers.allowed);
        QVERIFY2(cycle.isEmpty(), qPrintable("cycle: " + cycle.join(" -> ")));
    }

    void includesFollowTheTable()
    {
        QStringList wrong;
        for (const FolderRow &row : rows) {
            for (const QString &file : sourcesOf(sourceRoot() + "/" + row.folder)) {
                const QString label = row.folder + "/" + file;
                wrong << violations(layers, row.folder, label,
                                    readText(sourceRoot() + "/" + label));
            }
        }
        if (!wrong.isEmpty())
            QFAIL(qPrintable(wrong.join('\n')));
    }

    // Nothing outside app/ but the tests and the benchmarks includes app/:
    // the tools are built without it.
    void toolsDoNotIncludeTheApp()
    {
        QStringList wrong;
        QDirIterator it(sourceRoot() + "/tools", {"*.h", "*.cpp"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QStringList lines = readText(file).split('\n');
            for (const QString &line : lines) {
                const QString header = QFileInfo(includedBy(line).first).fileName();
                if (layers.home.value(header) == QLatin1String("app"))
                    wrong << QDir(sourceRoot()).relativeFilePath(file) + " includes " + header;
            }
        }
        if (!wrong.isEmpty())
            QFAIL(qPrintable(wrong.join('\n')));
    }

    // The check itself: includes the table forbids are caught, those it
    // allows pass.
    void forbiddenIncludesAreCaught()
    {
        // Up a layer, sideways, into app/, and a widget in a pure folder.
        QCOMPARE(violations(layers, "colour", "x", "#include \"promptRk.h\"\n").size(), 1);
        QCOMPARE(violations(layers, "formats", "x", "#include \"measurementTreeRk.h\"\n").size(),
                 1);
        QCOMPARE(violations(layers, "dialogs", "x", "  #  include \"chartSet.h\"\n").size(), 1);
        QCOMPARE(violations(layers, "reports", "x", "#include \"MainWindows.h\"\n").size(), 1);
        QCOMPARE(violations(layers, "formats", "x", "#include <QWidget>\n").size(), 1);
        QCOMPARE(violations(layers, "colour", "x", "#include <QColor>\n").size(), 1);
        const QStringList found = violations(layers, "instrument", "instrument/a.cpp",
                                             "// a\n#include \"../records/sharedState.h\"\n");
        QCOMPARE(found, QStringList{"instrument/a.cpp:2 includes sharedState.h of records/"});
        // Allowed: its own folder, a folder of its row, Qt and system headers.
        QVERIFY(violations(layers, "records", "x",
                           "#include \"sharedState.h\"\n#include \"colorVocabulary.h\"\n"
                           "#include \"measuringFile.h\"\n#include <QWidget>\n")
                    .isEmpty());
        QVERIFY(violations(layers, "formats", "x", "#include <QIODevice>\n#include <zlib.h>\n")
                    .isEmpty());
        QVERIFY(violations(layers, "app", "x", "#include \"standardLibraryRk.h\"\n").isEmpty());
    }

    // How the table reads, and that a folder allowed to use one above it
    // (here through "everything") is a cycle.
    void tableParsing()
    {
        const QString table = "| folder | library | owns | may use |\n|---|---|---|---|\n"
                              "| `low/` | `l` | a \\| b | QtCore only |\n"
                              "| `mid/` | `m` | c | `low/`, `top/` |\n"
                              "| `top/` | `t` | d | everything |\n"
                              "| not a folder | x | y | `low/` |\n";
        const QVector<FolderRow> parsed = parseFolderTable(table);
        QCOMPARE(parsed.size(), 3);
        QCOMPARE(parsed[0].folder, QString("low"));
        QVERIFY(parsed[0].mayUse.isEmpty());
        QCOMPARE(parsed[1].mayUse, (QStringList{"low", "top"}));
        QCOMPARE(parsed[2].mayUse, (QStringList{"low", "mid"}));
        QHash<QString, QStringList> edges;
        for (const FolderRow &row : parsed)
            edges.insert(row.folder, row.mayUse);
        QCOMPARE(cycleIn(edges), (QStringList{"mid", "top", "mid"}));
        edges["mid"].removeAll("top");
        QVERIFY(cycleIn(edges).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_layering)
#include "tst_layering.moc"
