// New texts cannot land half translated: the translation tool is run over
// every source folder and each text it finds must have a finished Chinese
// translation (simplified and traditional) in that folder's catalogues.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString translation;
    bool finished = false;
};
// (context, source) -> translation
using Catalogue = QMap<QPair<QString, QString>, Message>;

bool readCatalogue(const QString &path, Catalogue *out, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + ": " + file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context, source;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("message")) {
                source.clear();
                message = Message();
            } else if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QStringRef type = xml.attributes().value("type");
                message.finished = type.isEmpty();
                message.translation = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            out->insert({context, source}, message);
        }
    }
    if (xml.hasError()) {
        *error = path + ": " + xml.errorString();
        return false;
    }
    return true;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class tst_translations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("folder");
        for (const char *folder : {"app", "colour", "history", "instrument", "records", "charts",
                                   "library", "reports", "dialogs", "prompt"})
            QTest::newRow(folder) << QString::fromLatin1(folder);
    }
    void everyTextIsTranslated()
    {
        QFETCH(QString, folder);
        const QString sourceDir = qEnvironmentVariable("QCM_SOURCE_DIR");
        QVERIFY2(!sourceDir.isEmpty(), "QCM_SOURCE_DIR names the source tree");
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString found = scratch.filePath("found.ts");
        QProcess lupdate;
        lupdate.start(QStringLiteral(QCM_LUPDATE),
                      {"-silent", "-no-obsolete", "-locations", "none",
                       QDir(sourceDir).filePath(folder), "-ts", found});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);

        Catalogue texts;
        QString error;
        if (QFile::exists(found))
            QVERIFY2(readCatalogue(found, &texts, &error), qPrintable(error));
        QStringList problems;
        for (const char *language : {"zh_CN", "zh_TW"}) {
            const QString path =
                QStringLiteral("%1/resources/language/%2/%3.ts").arg(sourceDir, folder, language);
            Catalogue catalogue;
            if (!texts.isEmpty())
                QVERIFY2(readCatalogue(path, &catalogue, &error), qPrintable(error));
            for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
                const QString where = QStringLiteral("%1 [%2] %3: \"%4\"")
                                          .arg(language, it.key().first, folder, it.key().second);
                const Message message = catalogue.value(it.key());
                if (!message.finished || message.translation.isEmpty())
                    problems << where + " has no finished translation";
                else if (placeholders(message.translation) != placeholders(it.key().second))
                    problems << where + " changes the placeholders";
            }
        }
        if (!problems.isEmpty())
            QFAIL(qPrintable("run `cmake --build build --target update_translations` and "
                             "translate:\n" +
                             problems.join('\n')));
    }
};

QTEST_GUILESS_MAIN(tst_translations)
#include "tst_translations.moc"
