#include "resourcePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

namespace {

bool touch(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
}

} // namespace

class tst_resourcePath : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lookupOrder_data();
    void lookupOrder();
    void passesThroughWhatItCannotResolve_data();
    void passesThroughWhatItCannotResolve();
    void findsFolders();
    void searchRootsInOrder();
    void findsFilesBesideTheExecutable();
    void findsARelocatedInstallation();

private:
    QString m_savedCwd;
    QTemporaryDir m_cwd;
    QTemporaryDir m_first;
    QTemporaryDir m_second;
};

void tst_resourcePath::init()
{
    QVERIFY(m_cwd.isValid() && m_first.isValid() && m_second.isValid());
    m_savedCwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_cwd.path()));
}

void tst_resourcePath::cleanup()
{
    QDir::setCurrent(m_savedCwd);
    for (QTemporaryDir *d : {&m_cwd, &m_first, &m_second}) {
        QDir dir(d->path());
        for (const QString &entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            QFileInfo fi(dir.filePath(entry));
            if (fi.isDir())
                QDir(fi.filePath()).removeRecursively();
            else
                QFile::remove(fi.filePath());
        }
    }
}

// Which of the working folder (w), the first root (1) and the second root (2)
// hold the file, and which copy must be returned.
void tst_resourcePath::lookupOrder_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("present");
    QTest::addColumn<QChar>("expected");

    QTest::newRow("working folder wins") << "./icon/blue/11 file.png"
                                         << "w12" << QChar('w');
    QTest::newRow("working folder only") << "icon/blue/11 file.png"
                                         << "w" << QChar('w');
    QTest::newRow("first root before second") << "./icon/resImage/ab.png"
                                              << "12" << QChar('1');
    QTest::newRow("second root as last resort") << "./start image/splash3.png"
                                                << "2" << QChar('2');
    QTest::newRow("no dot prefix") << "MainPng512.ico"
                                   << "2" << QChar('2');
    QTest::newRow("redundant separators") << ".//icon//LOGO/LOGO-QCM.png"
                                          << "1" << QChar('1');
    QTest::newRow("nowhere") << "./icon/gray/17 file.png"
                             << "" << QChar('-');
}

void tst_resourcePath::lookupOrder()
{
    QFETCH(QString, relative);
    QFETCH(QString, present);
    QFETCH(QChar, expected);

    const QString clean = QDir::cleanPath(relative);
    if (present.contains('w'))
        QVERIFY(touch(QDir(m_cwd.path()).filePath(clean)));
    if (present.contains('1'))
        QVERIFY(touch(QDir(m_first.path()).filePath(clean)));
    if (present.contains('2'))
        QVERIFY(touch(QDir(m_second.path()).filePath(clean)));

    const QString got = resourcePathIn(relative, {m_first.path(), m_second.path()});
    switch (expected.toLatin1()) {
    case 'w':
    case '-':
        // Unchanged, exactly as the caller wrote it.
        QCOMPARE(got, relative);
        break;
    case '1':
        QCOMPARE(got, QDir::cleanPath(QDir(m_first.path()).filePath(clean)));
        QVERIFY(QFileInfo::exists(got));
        break;
    case '2':
        QCOMPARE(got, QDir::cleanPath(QDir(m_second.path()).filePath(clean)));
        QVERIFY(QFileInfo::exists(got));
        break;
    }
}

void tst_resourcePath::passesThroughWhatItCannotResolve_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("empty") << QString();
    QTest::newRow("climbs out of the root") << "../outside.png";
    QTest::newRow("climbs out after a folder") << "./icon/../../outside.png";
}

void tst_resourcePath::passesThroughWhatItCannotResolve()
{
    QFETCH(QString, relative);
    // A file that a careless join would find: <root>/../outside.png.
    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    const QString root = QDir(parent.path()).filePath("root");
    QVERIFY(QDir().mkpath(root));
    QVERIFY(touch(QDir(parent.path()).filePath("outside.png")));
    QCOMPARE(resourcePathIn(relative, {root}), relative);

    // Absolute paths are the caller's own business.
    const QString absolute = QDir(parent.path()).filePath("outside.png");
    QCOMPARE(resourcePathIn(absolute, {root}), absolute);
}

void tst_resourcePath::findsFolders()
{
    QVERIFY(QDir().mkpath(QDir(m_second.path()).filePath("start image")));
    QCOMPARE(resourcePathIn("./start image/", {m_first.path(), m_second.path()}),
             QDir::cleanPath(QDir(m_second.path()).filePath("start image")));
}

void tst_resourcePath::searchRootsInOrder()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList roots = resourceSearchRoots();
    const QStringList expected = {appDir, QStringLiteral(QCM_EXPECTED_DATADIR),
                                  QDir::cleanPath(appDir + "/../share/qcm")};
    QCOMPARE(roots, expected);
}

void tst_resourcePath::findsFilesBesideTheExecutable()
{
    const QString name =
        QStringLiteral("qcm-test-%1.png").arg(QUuid::createUuid().toString(QUuid::Id128));
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QVERIFY(touch(beside));
    const QString got = resourcePath("./" + name);
    QFile::remove(beside);
    QCOMPARE(got, QDir::cleanPath(beside));
    // Gone again: back to the unchanged relative path.
    QCOMPARE(resourcePath("./" + name), "./" + name);
}

void tst_resourcePath::findsARelocatedInstallation()
{
    // <executable folder>/../share/qcm, as after copying an installed tree
    // somewhere else. Only what this test creates is removed again.
    const QDir appDir(QCoreApplication::applicationDirPath());
    const QString share = QDir::cleanPath(appDir.filePath("../share"));
    const bool shareExisted = QFileInfo::exists(share);
    const QString sub =
        QStringLiteral("qcm-test-%1").arg(QUuid::createUuid().toString(QUuid::Id128));
    const QString file = QDir::cleanPath(appDir.filePath("../share/qcm/" + sub + "/pic.png"));
    QVERIFY(touch(file));
    const QString got = resourcePath(sub + "/pic.png");
    QDir(QFileInfo(file).absolutePath()).removeRecursively();
    QDir().rmdir(QDir::cleanPath(appDir.filePath("../share/qcm")));
    if (!shareExisted)
        QDir().rmdir(share);
    QCOMPARE(got, file);
}

QTEST_GUILESS_MAIN(tst_resourcePath)
#include "tst_resourcePath.moc"
