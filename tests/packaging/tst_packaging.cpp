// Installs the desktop integration and the generated resources into a
// temporary prefix with `cmake --install`, then checks what a Linux desktop
// reads from there: the launcher, the file types, the icons, the software
// centre metadata and the udev rule.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QString buildDir()
{
    const QString dir = qEnvironmentVariable("QCM_BUILD_DIR");
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Key=value pairs of the [Desktop Entry] group.
QHash<QString, QString> desktopEntry(const QString &path)
{
    QHash<QString, QString> keys;
    bool inGroup = false;
    for (const QByteArray &raw : readAll(path).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('[')) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const int eq = line.indexOf('=');
        if (inGroup && eq > 0 && !line.startsWith('#'))
            keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return keys;
}

QStringList listValue(const QString &value)
{
    return value.split(';', Qt::SkipEmptyParts);
}

struct Run
{
    int code = -1;
    QByteArray output;
};

Run run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit) {
        r.output = p.readAll() + "\n(did not finish)";
        return r;
    }
    r.code = p.exitCode();
    r.output = p.readAll();
    return r;
}

} // namespace

class tst_packaging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void hicolorIcons();
    void desktopEntryValidates();
    void metainfoValidates();
    void launcherMetainfoAndMimeAgree();
    void mimeTypesByNameAndContent_data();
    void mimeTypesByNameAndContent();
    void udevRule();

private:
    QString installed(const QString &relative) const
    {
        return QDir(m_prefix.path()).filePath(relative);
    }

    QTemporaryDir m_prefix;
    QTemporaryDir m_samples;
};

void tst_packaging::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QVERIFY(m_samples.isValid());
    for (const char *component : {"desktop", "resources"}) {
        const Run r =
            run(QStringLiteral(QCM_CMAKE_COMMAND),
                {"--install", buildDir(), "--prefix", m_prefix.path(), "--component", component});
        QVERIFY2(r.code == 0, r.output.constData());
    }
    // Only the freshly installed prefix may answer MIME questions.
    qputenv("XDG_DATA_DIRS", QFile::encodeName(installed("share")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_samples.path() + "/no-data-home"));
}

void tst_packaging::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("launcher") << "share/applications/qcm.desktop";
    QTest::newRow("file types") << "share/mime/packages/qcm-mime.xml";
    QTest::newRow("metainfo") << "share/metainfo/io.qcm.QCM.metainfo.xml";
    QTest::newRow("udev rule") << "lib/udev/rules.d/60-qcm-colorimeter.rules";
    QTest::newRow("program icon") << "share/qcm/MainPng512.ico";
    QTest::newRow("action icon") << "share/qcm/icon/blue/11 file.png";
    QTest::newRow("green theme") << "share/qcm/icon/green/81 about.png";
    QTest::newRow("splash") << "share/qcm/start image/splash5.png";
    QTest::newRow("chart picture") << "share/qcm/icon/resImage/CIE_1931.png";
    QTest::newRow("report thumbnail") << "share/qcm/icon/printImage/format2.png";
    QTest::newRow("logo") << "share/qcm/icon/LOGO/LOGO-QCM.png";
}

void tst_packaging::installedFiles()
{
    QFETCH(QString, path);
    const QFileInfo fi(installed(path));
    QVERIFY2(fi.isFile(), qPrintable(fi.filePath()));
    QVERIFY(fi.size() > 0);
    // The desktop icon sizes are not duplicated inside the data folder.
    QVERIFY(!QFileInfo::exists(installed("share/qcm/icon/hicolor")));
}

void tst_packaging::hicolorIcons()
{
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        const QString path =
            installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/qcm.png").arg(size));
        const QImage img(path);
        QVERIFY2(!img.isNull(), qPrintable(path));
        QCOMPARE(img.size(), QSize(size, size));
    }
}

void tst_packaging::desktopEntryValidates()
{
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (package desktop-file-utils)");
    const Run r = run(validator, {installed("share/applications/qcm.desktop")});
    QVERIFY2(r.code == 0, r.output.constData());
    // It prints hints and warnings even when it succeeds; accept none.
    QVERIFY2(r.output.trimmed().isEmpty(), r.output.constData());
}

void tst_packaging::metainfoValidates()
{
    const QString validator = QStandardPaths::findExecutable("appstreamcli");
    if (validator.isEmpty())
        QSKIP("appstreamcli is not installed (package appstream)");
    const Run r = run(
        validator, {"validate", "--no-net", installed("share/metainfo/io.qcm.QCM.metainfo.xml")});
    QVERIFY2(r.code == 0, r.output.constData());
    // Errors and warnings fail validation; infos (I:) would still be noise.
    QVERIFY2(!QRegularExpression("^[EWI]:", QRegularExpression::MultilineOption)
                  .match(QString::fromUtf8(r.output))
                  .hasMatch(),
             r.output.constData());
}

// The three files describe one program: the launcher's command and types must
// be the ones the metainfo promises and the MIME package defines.
void tst_packaging::launcherMetainfoAndMimeAgree()
{
    const QHash<QString, QString> entry = desktopEntry(installed("share/applications/qcm.desktop"));
    QCOMPARE(entry.value("Type"), QString("Application"));
    const QStringList exec = entry.value("Exec").split(' ', Qt::SkipEmptyParts);
    QVERIFY(exec.size() == 2);
    QCOMPARE(exec.at(1), QString("%f"));
    QCOMPARE(entry.value("Icon"), QString("qcm"));
    QStringList desktopTypes = listValue(entry.value("MimeType"));
    desktopTypes.sort();

    QStringList binaries;
    QStringList mediaTypes;
    QString launchable;
    QXmlStreamReader meta(readAll(installed("share/metainfo/io.qcm.QCM.metainfo.xml")));
    while (!meta.atEnd()) {
        if (meta.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (meta.name() == QLatin1String("binary"))
            binaries << meta.readElementText();
        else if (meta.name() == QLatin1String("mediatype"))
            mediaTypes << meta.readElementText();
        else if (meta.name() == QLatin1String("launchable"))
            launchable = meta.readElementText();
    }
    QVERIFY2(!meta.hasError(), qPrintable(meta.errorString()));
    mediaTypes.sort();
    QCOMPARE(binaries, QStringList{exec.at(0)});
    QCOMPARE(launchable, QString("qcm.desktop"));
    QCOMPARE(mediaTypes, desktopTypes);

    QStringList defined;
    QXmlStreamReader mime(readAll(installed("share/mime/packages/qcm-mime.xml")));
    while (!mime.atEnd()) {
        if (mime.readNext() == QXmlStreamReader::StartElement &&
            mime.name() == QLatin1String("mime-type"))
            defined << mime.attributes().value("type").toString();
    }
    QVERIFY2(!mime.hasError(), qPrintable(mime.errorString()));
    defined.sort();
    // Both file types are known to the desktop; the program opens measuring
    // files, so only that type is handed to it.
    QCOMPARE(defined, (QStringList{"application/x-qcm-library", "application/x-qcm-measurement"}));
    QCOMPARE(desktopTypes, QStringList{"application/x-qcm-measurement"});
}

void tst_packaging::mimeTypesByNameAndContent_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    const QByteArray qcmMagic("\x55\xAA\x34\x34\x00\x00\x00\x09", 8);
    const QByteArray sclMagic("\x55\xAA\x35\x35\x00\x00\x00\x01", 8);
    QTest::newRow("measuring file by name")
        << "batch.qcm" << QByteArray("anything") << "application/x-qcm-measurement";
    QTest::newRow("library file by name")
        << "default.scl" << QByteArray("anything") << "application/x-qcm-library";
    QTest::newRow("measuring file by magic")
        << "renamed" << qcmMagic << "application/x-qcm-measurement";
    QTest::newRow("library file by magic") << "renamed2" << sclMagic << "application/x-qcm-library";
    QTest::newRow("little-endian magic is not ours")
        << "swapped" << QByteArray("\x34\x34\xAA\x55\x00\x00\x00\x09", 8) << "";
}

void tst_packaging::mimeTypesByNameAndContent()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);

    const QString path = QDir(m_samples.path()).filePath(fileName);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(content), qint64(content.size()));
    f.close();

    QMimeDatabase db;
    const bool byName = fileName.contains('.');
    const QMimeType type = db.mimeTypeForFile(path, byName ? QMimeDatabase::MatchExtension
                                                           : QMimeDatabase::MatchContent);
    if (expected.isEmpty()) {
        QVERIFY(!type.name().startsWith("application/x-qcm"));
        return;
    }
    QCOMPARE(type.name(), expected);
    QVERIFY(!type.comment().isEmpty());
}

void tst_packaging::udevRule()
{
    const QString path = installed("lib/udev/rules.d/60-qcm-colorimeter.rules");
    // uaccess is turned into an access list by 73-seat-late.rules; a rule
    // that sorts after it would tag the device too late.
    QVERIFY(QFileInfo(path).fileName() < QString("73-seat-late.rules"));
    QStringList rules;
    for (const QByteArray &raw : readAll(path).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (!line.isEmpty() && !line.startsWith('#'))
            rules << line;
    }
    QCOMPARE(rules.size(), 1);
    QStringList parts = rules.first().split(QRegularExpression(",\\s*"));
    parts.sort();
    QCOMPARE(parts, (QStringList{"ATTRS{idProduct}==\"5730\"", "MODE=\"0660\"",
                                 "SUBSYSTEM==\"tty\"", "TAG+=\"uaccess\""}));
}

QTEST_GUILESS_MAIN(tst_packaging)
#include "tst_packaging.moc"
