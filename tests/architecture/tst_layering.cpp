// The folders form layers: a folder includes headers of its own and of the
// layers below it, never of a layer above or of a sibling.  `app/` is
// included by nobody.  A header that moves to the wrong folder, or an include
// that creates a cycle between libraries, fails here with its file and line.

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>

namespace {

// Each folder with the folders it may include from (besides itself).
const QHash<QString, QStringList> &allowed()
{
    static const QHash<QString, QStringList> table = {
        {"colour", {}},
        {"prompt", {}},
        {"resources", {}},
        {"instrument", {"colour", "prompt", "resources"}},
        {"records", {"instrument", "colour", "prompt", "resources"}},
        {"charts", {"records", "instrument", "colour", "prompt", "resources"}},
        {"dialogs", {"records", "instrument", "colour", "prompt", "resources"}},
        {"library", {"records", "instrument", "colour", "prompt", "resources"}},
        {"reports", {"charts", "records", "instrument", "colour", "prompt", "resources"}},
        {"app",
         {"reports", "library", "dialogs", "charts", "records", "instrument", "colour", "prompt",
          "resources"}},
    };
    return table;
}

QStringList sourcesOf(const QString &root, const QString &folder)
{
    QStringList files;
    QDirIterator it(root + "/" + folder, {"*.h", "*.cpp"}, QDir::Files);
    while (it.hasNext())
        files << it.next();
    return files;
}

} // namespace

class tst_layering : public QObject
{
    Q_OBJECT

private slots:
    void includesFollowTheLayers()
    {
        const QString root = qEnvironmentVariable("QCM_SOURCE_DIR");
        QVERIFY2(!root.isEmpty(), "QCM_SOURCE_DIR names the source tree");
        // Which folder each of our headers lives in.
        QHash<QString, QString> home;
        for (auto it = allowed().cbegin(); it != allowed().cend(); ++it) {
            for (const QString &file : sourcesOf(root, it.key())) {
                if (file.endsWith(".h")) {
                    const QString name = QFileInfo(file).fileName();
                    QVERIFY2(!home.contains(name), qPrintable(name + " exists twice"));
                    home.insert(name, it.key());
                }
            }
        }
        QVERIFY(home.contains("MainWindows.h") && home.contains("promptRk.h"));

        static const QRegularExpression include(
            QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""));
        QStringList wrong;
        for (auto it = allowed().cbegin(); it != allowed().cend(); ++it) {
            const QString folder = it.key();
            for (const QString &file : sourcesOf(root, folder)) {
                QFile source(file);
                QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Text));
                int line = 0;
                while (!source.atEnd()) {
                    ++line;
                    const QString text = QString::fromUtf8(source.readLine());
                    const QRegularExpressionMatch match = include.match(text);
                    if (!match.hasMatch())
                        continue;
                    const QString header = QFileInfo(match.captured(1)).fileName();
                    const QString from = home.value(header);
                    if (from.isEmpty() || from == folder || it.value().contains(from))
                        continue;
                    wrong << QString("%1:%2 includes %3 of %4/")
                                 .arg(QDir(root).relativeFilePath(file))
                                 .arg(line)
                                 .arg(header, from);
                }
            }
        }
        if (!wrong.isEmpty())
            QFAIL(qPrintable(wrong.join('\n')));
    }
};

QTEST_GUILESS_MAIN(tst_layering)
#include "tst_layering.moc"
