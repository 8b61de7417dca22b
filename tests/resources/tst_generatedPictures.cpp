// Every picture the program loads exists in the build folder after a build,
// decodes, has a sensible size, and - for the colour charts - lines up with
// the grid the charts draw over it.

#include "cieData.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtMath>
#include <QtTest>

namespace {

QString buildDir()
{
    const QString dir = qEnvironmentVariable("QCM_BUILD_DIR");
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

QString built(const QString &relative)
{
    return QDir(buildDir()).filePath(relative);
}

const QStringList kActionIcons = {
    "11 file.png",    "12 file.png",    "13 file.png",    "14 file.png",    "15 file.png",
    "16 file.png",    "17 file.png",    "18 file.png",    "21 operate.png", "22 operate.png",
    "23 operate.png", "24 operate.png", "25 operate.png", "26 operate.png", "27 operate.png",
    "31 cal.png",     "32 cal.png",     "41 setting.png", "42 setting.png", "43 setting.png",
    "44 setting.png", "51 measure.png", "52 measure.png", "53 measure.png", "54 measure.png",
    "55 measure.png", "61 data.png",    "71 library.png", "72 library.png", "81 about.png"};

double luminance(QRgb c)
{
    return 0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c);
}

int chroma(QRgb c)
{
    return qMax(qRed(c), qMax(qGreen(c), qBlue(c))) - qMin(qRed(c), qMin(qGreen(c), qBlue(c)));
}

// Published chromaticities of the spectral locus (CIE 1931 2-degree observer).
struct LocusPoint
{
    int nm;
    double x;
    double y;
};
const LocusPoint kLocus[] = {{380, 0.1741, 0.0050}, {460, 0.1440, 0.0297}, {480, 0.0913, 0.1327},
                             {500, 0.0082, 0.5384}, {520, 0.0743, 0.8338}, {540, 0.2296, 0.7543},
                             {560, 0.3731, 0.6245}, {580, 0.5125, 0.4866}, {600, 0.6270, 0.3725},
                             {620, 0.6915, 0.3083}, {700, 0.7347, 0.2653}};
const QPointF kD65(0.3127, 0.3290);

QPointF uvOf(const QPointF &xy)
{
    const double d = -2.0 * xy.x() + 12.0 * xy.y() + 3.0;
    return QPointF(4.0 * xy.x() / d, 9.0 * xy.y() / d);
}

// Where the xy chart puts a chromaticity on the picture: the chart draws the
// picture S high, its frame starting 0.03 S from the left (x = 0, 0.774 S for
// 0.8) and ending 0.106 S above the bottom (y = 0, 0.879 S for 0.9).
QPoint pixel1931(const QImage &img, const QPointF &xy)
{
    const double scale = img.height(); // the picture's pixels per S
    return QPoint(int(scale * (0.03 + xy.x() * 0.774 / 0.8)),
                  int(scale * (1.0 - 0.106 - xy.y() * 0.879 / 0.9)));
}

// The u'v' chart draws the picture into (left, top, Wd, Hd); 0.05 of each side
// is margin and the inner 0.9 spans 0 to 0.6.
QPoint pixel1976(const QImage &img, const QPointF &uv)
{
    return QPoint(int(img.width() * (0.05 + uv.x() * 0.9 / 0.6)),
                  int(img.height() * (0.95 - uv.y() * 0.9 / 0.6)));
}

// The generator is a GUI application on the offscreen platform, whose screen
// objects are never freed in sanitizer builds; the build runs it without leak
// checking, and so does this test.
QProcessEnvironment generatorEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    return env;
}

} // namespace

class tst_generatedPictures : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureLoads_data();
    void everyPictureLoads();
    void actionIconsAreDrawnPerTheme_data();
    void actionIconsAreDrawnPerTheme();
    void splashCornerIsCalm_data();
    void splashCornerIsCalm();
    void programIconContainer();
    void colourDisc();
    void lightnessBar();
    void observerTable();
    void chromaticityDiagramsMatchTheGrid_data();
    void chromaticityDiagramsMatchTheGrid();
    void chromaticityColours();
    void generatorIsRepeatable();
    void generatorReportsUnwritableOutput();
};

void tst_generatedPictures::everyPictureLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");

    const QSize icon(32, 32);
    const QSize iconMax(256, 256);
    for (const QString theme : {"blue", "gray", "green"}) {
        for (const QString &file : kActionIcons) {
            const QString p = QStringLiteral("icon/%1/%2").arg(theme, file);
            QTest::newRow(qPrintable(p)) << p << icon << iconMax;
        }
    }
    for (const QString file : {"newType.png", "addItem.png"}) {
        const QString p = "icon/blue/" + file;
        QTest::newRow(qPrintable(p)) << p << icon << iconMax;
    }
    for (int i = 1; i <= 5; ++i) {
        const QString p = QStringLiteral("start image/splash%1.png").arg(i);
        QTest::newRow(qPrintable(p)) << p << QSize(400, 240) << QSize(1200, 800);
    }
    QTest::newRow("program icon") << "MainPng512.ico" << QSize(16, 16) << QSize(256, 256);
    QTest::newRow("desktop icon") << "icon/qcm.png" << QSize(256, 256) << QSize(512, 512);
    QTest::newRow("ab disc") << "icon/resImage/ab.png" << QSize(256, 256) << QSize(2048, 2048);
    QTest::newRow("L bar") << "icon/resImage/L.png" << QSize(8, 256) << QSize(256, 2048);
    QTest::newRow("xy diagram") << "icon/resImage/CIE_1931.png" << QSize(400, 400)
                                << QSize(2048, 2048);
    QTest::newRow("u'v' diagram") << "icon/resImage/CIE_1976_UCS.png" << QSize(400, 400)
                                  << QSize(2048, 2048);
    QTest::newRow("zoom in") << "icon/plotter/zoomIn.png" << QSize(16, 16) << QSize(64, 64);
    QTest::newRow("zoom out") << "icon/plotter/zoomOut.png" << QSize(16, 16) << QSize(64, 64);
    QTest::newRow("report 1") << "icon/printImage/format1.png" << QSize(120, 160)
                              << QSize(240, 320);
    QTest::newRow("report 2") << "icon/printImage/format2.png" << QSize(120, 160)
                              << QSize(240, 320);
    QTest::newRow("logo") << "icon/LOGO/LOGO-QCM.png" << QSize(120, 40) << QSize(600, 200);
}

void tst_generatedPictures::everyPictureLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);

    const QString file = built(path);
    QVERIFY2(QFileInfo::exists(file), qPrintable(file));
    QImageReader reader(file);
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QVERIFY(img.width() >= minimum.width() && img.height() >= minimum.height());
    QVERIFY(img.width() <= maximum.width() && img.height() <= maximum.height());
}

void tst_generatedPictures::actionIconsAreDrawnPerTheme_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : kActionIcons)
        QTest::newRow(qPrintable(file)) << file;
}

void tst_generatedPictures::actionIconsAreDrawnPerTheme()
{
    QFETCH(QString, file);
    const QImage blue = QImage(built("icon/blue/" + file)).convertToFormat(QImage::Format_ARGB32);
    const QImage green = QImage(built("icon/green/" + file)).convertToFormat(QImage::Format_ARGB32);
    const QImage gray = QImage(built("icon/gray/" + file)).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!blue.isNull() && !green.isNull() && !gray.isNull());
    QCOMPARE(green.size(), blue.size());
    QCOMPARE(gray.size(), blue.size());

    // Transparent background, and a drawing that covers a fair part of it.
    int opaque = 0;
    for (int y = 0; y < blue.height(); ++y)
        for (int x = 0; x < blue.width(); ++x)
            opaque += qAlpha(blue.pixel(x, y)) > 128;
    const int area = blue.width() * blue.height();
    QVERIFY2(opaque > area / 8, qPrintable(QString::number(opaque)));
    QVERIFY2(opaque < area * 9 / 10, qPrintable(QString::number(opaque)));
    int clear = 0;
    for (int y = 0; y < blue.height(); ++y)
        for (int x = 0; x < blue.width(); ++x)
            clear += qAlpha(blue.pixel(x, y)) == 0;
    QVERIFY2(clear > area / 10, qPrintable(QString::number(clear)));

    // Same drawing (same coverage), different colours; the gray theme has none.
    int sameAlpha = 0;
    bool anyColourDiffers = false;
    for (int y = 0; y < blue.height(); ++y) {
        for (int x = 0; x < blue.width(); ++x) {
            const QRgb b = blue.pixel(x, y);
            const QRgb g = green.pixel(x, y);
            const QRgb k = gray.pixel(x, y);
            sameAlpha += qAlpha(b) == qAlpha(g) && qAlpha(b) == qAlpha(k);
            if (qAlpha(b) > 200 && qAlpha(g) > 200 && (b & 0xFFFFFF) != (g & 0xFFFFFF))
                anyColourDiffers = true;
            if (qAlpha(k) > 0)
                QVERIFY(qRed(k) == qGreen(k) && qGreen(k) == qBlue(k));
        }
    }
    QVERIFY(sameAlpha > area * 95 / 100);
    QVERIFY(anyColourDiffers);
}

void tst_generatedPictures::splashCornerIsCalm_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("light");
    // Pictures 1 and 3 carry black messages, 2, 4 and 5 white ones.
    QTest::newRow("1") << 1 << true;
    QTest::newRow("2") << 2 << false;
    QTest::newRow("3") << 3 << true;
    QTest::newRow("4") << 4 << false;
    QTest::newRow("5") << 5 << false;
}

void tst_generatedPictures::splashCornerIsCalm()
{
    QFETCH(int, index);
    QFETCH(bool, light);
    const QImage img(built(QStringLiteral("start image/splash%1.png").arg(index)));
    QVERIFY(!img.isNull());
    // The messages are drawn at the top right: about 260 x 40 pixels.
    const QRect corner(img.width() - 260, 0, 260, 40);
    double sum = 0;
    double sumSq = 0;
    int n = 0;
    for (int y = corner.top(); y <= corner.bottom(); ++y) {
        for (int x = corner.left(); x <= corner.right(); ++x) {
            const double l = luminance(img.pixel(x, y));
            sum += l;
            sumSq += l * l;
            ++n;
        }
    }
    const double mean = sum / n;
    const double spread = std::sqrt(qMax(0.0, sumSq / n - mean * mean));
    if (light)
        QVERIFY2(mean > 190, qPrintable(QString::number(mean)));
    else
        QVERIFY2(mean < 70, qPrintable(QString::number(mean)));
    QVERIFY2(spread < 8, qPrintable(QString::number(spread)));

    // Five different pictures.
    const QImage next(built(QStringLiteral("start image/splash%1.png").arg(index % 5 + 1)));
    QVERIFY(img != next);
}

void tst_generatedPictures::programIconContainer()
{
    QImageReader reader(built("MainPng512.ico"));
    QCOMPARE(reader.format(), QByteArray("ico"));
    QVERIFY(reader.imageCount() >= 4);
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage img = reader.read();
        QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(img.width(), img.height());
        sizes << img.width();

        // Each entry is the same drawing as the desktop icon of that size;
        // this catches swapped channels, flipped rows and a broken alpha.
        const QImage ref(built(QStringLiteral("icon/hicolor/%1x%1/qcm.png").arg(img.width())));
        if (ref.isNull())
            continue;
        const QImage a = img.convertToFormat(QImage::Format_ARGB32);
        const QImage b = ref.convertToFormat(QImage::Format_ARGB32);
        int worst = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                worst = qMax(worst, qAbs(qAlpha(p) - qAlpha(q)));
                if (qAlpha(q) > 32) {
                    worst = qMax(worst, qAbs(qRed(p) - qRed(q)));
                    worst = qMax(worst, qAbs(qGreen(p) - qGreen(q)));
                    worst = qMax(worst, qAbs(qBlue(p) - qBlue(q)));
                }
            }
        }
        QVERIFY2(worst <= 8, qPrintable(QStringLiteral("%1 px: %2").arg(img.width()).arg(worst)));
    }
    for (int wanted : {16, 32, 48, 256})
        QVERIFY2(sizes.contains(wanted), qPrintable(QString::number(wanted)));
}

void tst_generatedPictures::colourDisc()
{
    const QImage img = QImage(built("icon/resImage/ab.png")).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!img.isNull());
    QCOMPARE(img.width(), img.height());
    const int c = img.width() / 2;
    const int r = img.width() / 2;

    // Outside the disc: transparent; inside: opaque.
    QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(img.pixel(img.width() - 1, img.height() - 1)), 0);
    QCOMPARE(qAlpha(img.pixel(c, c)), 255);
    QCOMPARE(qAlpha(img.pixel(c + r * 0.95, c)), 255);

    // The centre is the neutral grey of the disc's lightness (L* = 70 is
    // sRGB 172), with no tint.
    const QRgb centre = img.pixel(c, c);
    QVERIFY(chroma(centre) <= 3);
    QVERIFY2(qAbs(qGreen(centre) - 172) <= 4, qPrintable(QString::number(qGreen(centre))));

    // +a is to the right (reddish), -a to the left (greenish), +b up
    // (yellowish), -b down (bluish).
    const int d = int(r * 0.5);
    const QRgb plusA = img.pixel(c + d, c);
    const QRgb minusA = img.pixel(c - d, c);
    const QRgb plusB = img.pixel(c, c - d);
    const QRgb minusB = img.pixel(c, c + d);
    QVERIFY(qRed(plusA) > qGreen(plusA));
    QVERIFY(qGreen(minusA) > qRed(minusA));
    QVERIFY(qRed(plusB) > qBlue(plusB) && qGreen(plusB) > qBlue(plusB));
    QVERIFY(qBlue(minusB) > qRed(minusB) && qBlue(minusB) > qGreen(minusB));
    // Chroma grows outwards.
    QVERIFY(chroma(img.pixel(c + r / 8, c)) < chroma(plusA));
}

void tst_generatedPictures::lightnessBar()
{
    const QImage img = QImage(built("icon/resImage/L.png")).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!img.isNull());
    QVERIFY(img.height() > img.width());
    const int x = img.width() / 2;
    QVERIFY(qGreen(img.pixel(x, 0)) >= 250);
    QVERIFY(qGreen(img.pixel(x, img.height() - 1)) <= 5);
    // L* = 50 half-way down is sRGB 119 (perceptual, not a linear ramp).
    QVERIFY2(qAbs(qGreen(img.pixel(x, img.height() / 2)) - 119) <= 3,
             qPrintable(QString::number(qGreen(img.pixel(x, img.height() / 2)))));
    int previous = 256;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb p = img.pixel(x, y);
        QCOMPARE(chroma(p), 0);
        QCOMPARE(qAlpha(p), 255);
        QVERIFY(qGreen(p) <= previous);
        previous = qGreen(p);
    }
}

void tst_generatedPictures::observerTable()
{
    const auto &table = cie::standardObserver1931();
    QCOMPARE(table.size(), 81);
    for (int i = 0; i < table.size(); ++i)
        QCOMPARE(table[i].nanometres, 380 + 5 * i);

    // Equal-energy white sits at x = y = 1/3 for the standard observer; a
    // mistyped entry moves it.
    double X = 0, Y = 0, Z = 0;
    for (const auto &s : table) {
        X += s.xBar;
        Y += s.yBar;
        Z += s.zBar;
    }
    const QPointF e = cie::xyFromXyz({X, Y, Z});
    QVERIFY(qAbs(e.x() - 1.0 / 3.0) < 2e-4);
    QVERIFY(qAbs(e.y() - 1.0 / 3.0) < 2e-4);
    QVERIFY(qAbs(Y - 21.3713) < 0.01);

    const QVector<QPointF> locus = cie::spectralLocusXy();
    for (const LocusPoint &p : kLocus) {
        const QPointF got = locus[(p.nm - 380) / 5];
        QVERIFY2(qAbs(got.x() - p.x) < 6e-4 && qAbs(got.y() - p.y) < 6e-4,
                 qPrintable(QStringLiteral("%1 nm: %2 %3").arg(p.nm).arg(got.x()).arg(got.y())));
    }
}

void tst_generatedPictures::chromaticityDiagramsMatchTheGrid_data()
{
    QTest::addColumn<bool>("ucs");
    QTest::newRow("CIE 1931 xy") << false;
    QTest::newRow("CIE 1976 u'v'") << true;
}

void tst_generatedPictures::chromaticityDiagramsMatchTheGrid()
{
    QFETCH(bool, ucs);
    const QImage img =
        QImage(built(ucs ? "icon/resImage/CIE_1976_UCS.png" : "icon/resImage/CIE_1931.png"))
            .convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!img.isNull());
    const auto toPixel = [&](const QPointF &xy) {
        return ucs ? pixel1976(img, uvOf(xy)) : pixel1931(img, xy);
    };
    const auto between = [](const QPointF &a, const QPointF &b, double t) {
        return a + (b - a) * t;
    };

    // The white point is inside and coloured.
    QCOMPARE(qAlpha(img.pixel(toPixel(kD65))), 255);

    // Just inside the published locus the picture is filled with colour;
    // just outside it there is nothing but, at most, the dark outline or a
    // grey wavelength label. The margin is about 1 % of the picture.
    for (const LocusPoint &p : kLocus) {
        const QPointF onLocus(p.x, p.y);
        const QPoint in = toPixel(between(onLocus, kD65, 0.06));
        const QPoint out = toPixel(between(onLocus, kD65, -0.06));
        const QRgb inside = img.pixel(in);
        QVERIFY2(
            qAlpha(inside) == 255 && chroma(inside) > 60,
            qPrintable(QStringLiteral("%1 nm inside at %2,%3").arg(p.nm).arg(in.x()).arg(in.y())));
        if (img.rect().contains(out)) {
            const QRgb outside = img.pixel(out);
            QVERIFY2(qAlpha(outside) == 0 || chroma(outside) < 12,
                     qPrintable(QStringLiteral("%1 nm outside").arg(p.nm)));
        }
    }
    // Far outside: clear.
    for (const QPointF &xy : {QPointF(0.6, 0.6), QPointF(0.03, 0.15), QPointF(0.45, 0.05)}) {
        const QPoint px = toPixel(xy);
        if (img.rect().contains(px))
            QVERIFY(qAlpha(img.pixel(px)) == 0 || chroma(img.pixel(px)) < 12);
    }
}

void tst_generatedPictures::chromaticityColours()
{
    const QImage img =
        QImage(built("icon/resImage/CIE_1931.png")).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!img.isNull());
    const QRgb red = img.pixel(pixel1931(img, QPointF(0.64, 0.33)));
    const QRgb green = img.pixel(pixel1931(img, QPointF(0.21, 0.71)));
    const QRgb blue = img.pixel(pixel1931(img, QPointF(0.17, 0.06)));
    const QRgb white = img.pixel(pixel1931(img, kD65));
    QVERIFY(qRed(red) > qGreen(red) + 100 && qRed(red) > qBlue(red) + 100);
    QVERIFY(qGreen(green) > qRed(green) + 60 && qGreen(green) > qBlue(green) + 60);
    QVERIFY(qBlue(blue) > qRed(blue) && qBlue(blue) > qGreen(blue) + 100);
    QVERIFY(chroma(white) < 12 && luminance(white) > 240);
}

// The generator run at build time is deterministic and writes exactly the tree
// found in the build folder.
void tst_generatedPictures::generatorIsRepeatable()
{
    const QString generator = built("qcm-resgen");
    if (!QFileInfo::exists(generator))
        QSKIP("qcm-resgen is not in the build folder");
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess run;
    run.setProcessEnvironment(generatorEnvironment());
    run.start(generator, {out.path()});
    QVERIFY(run.waitForFinished(120000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 0);

    QStringList files;
    QDirIterator it(out.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(out.path()).relativeFilePath(it.next());
    files.sort();
    QVERIFY(files.contains("MainPng512.ico"));
    QVERIFY(files.contains("icon/blue/newType.png"));
    QVERIFY(!files.contains("icon/gray/newType.png"));
    QCOMPARE(files.size(), 3 * kActionIcons.size() + 2 + 5 + 1 + 1 + 8 + 4 + 2 + 2 + 1);
    for (const QString &f : files) {
        QFile a(QDir(out.path()).filePath(f));
        QFile b(built(f));
        QVERIFY2(b.exists(), qPrintable(f));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QVERIFY2(a.readAll() == b.readAll(), qPrintable(f));
    }
}

void tst_generatedPictures::generatorReportsUnwritableOutput()
{
    const QString generator = built("qcm-resgen");
    if (!QFileInfo::exists(generator))
        QSKIP("qcm-resgen is not in the build folder");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A plain file where the output folder should be: nothing can be written.
    const QString blocker = QDir(dir.path()).filePath("blocker");
    QFile f(blocker);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QProcess run;
    run.setProcessEnvironment(generatorEnvironment());
    run.start(generator, {blocker});
    QVERIFY(run.waitForFinished(120000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 1);
    QVERIFY(run.readAllStandardError().contains("blocker"));

    QProcess usage;
    usage.setProcessEnvironment(generatorEnvironment());
    usage.start(generator, QStringList());
    QVERIFY(usage.waitForFinished(120000));
    QCOMPARE(usage.exitCode(), 2);
}

// Decoding pictures needs no GUI application, and going without one keeps the
// platform plug-in (and its objects that live until exit) out of the test.
QTEST_GUILESS_MAIN(tst_generatedPictures)
#include "tst_generatedPictures.moc"
