// On a screen of twice the density the trend plot draws its picture at the
// screen's resolution: text and lines are sharp, not a doubled low-resolution
// picture.

#include "../support/chartImage.h"
#include "Plotter.h"

#include <QApplication>
#include <QtTest>

class tst_trendPlotDensity : public QObject
{
    Q_OBJECT

private slots:
    void pictureAtScreenDensity()
    {
        Plotter plot;
        plot.resize(480, 320);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        QCOMPARE(plot.devicePixelRatioF(), 2.0);
        plot.setToleranceLine(2.0f, "ΔE00");
        const QImage image = plot.grab().toImage();
        saveArtifact(image, "trend-density-2");
        QCOMPARE(image.size(), QSize(960, 640));

        // In a doubled picture every 2 x 2 block is one colour; the label
        // "ΔE00=2.00" (baseline at 45, 5 pixels above the line) is not.
        const int line = int(289 - 279 * 2.0 / 5.0);
        int mixedBlocks = 0;
        for (int y = 2 * (line - 20); y < 2 * (line - 5); y += 2)
            for (int x = 2 * 45; x < 2 * 120; x += 2) {
                const QRgb c = image.pixel(x, y);
                mixedBlocks += (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                                image.pixel(x + 1, y + 1) != c)
                                   ? 1
                                   : 0;
            }
        QVERIFY2(mixedBlocks > 20, qPrintable(QString::number(mixedBlocks)));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_trendPlotDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_trendPlotDensity.moc"
