// Start-up choices that do not need the event loop: the splash picture and
// message colour for each random draw.

#include "splashChoice.h"

#include <QFile>
#include <QImage>
#include <QTest>

class tst_startup : public QObject
{
    Q_OBJECT
private slots:
    void pictureAndColourPerDraw_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QColor>("colour");
        const QColor black(Qt::black), white(Qt::white);
        const int pictures[] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5};
        const QColor colours[] = {black, black, white, white, black,
                                  black, white, white, white, white};
        for (int r = 0; r < 10; ++r)
            QTest::addRow("r=%d", r) << r << pictures[r] << colours[r];
    }
    void pictureAndColourPerDraw()
    {
        QFETCH(int, r);
        QFETCH(int, picture);
        QFETCH(QColor, colour);
        const SplashChoice choice = splashChoice(r);
        QCOMPARE(choice.picture, QString("./start image/splash%1.png").arg(picture));
        QCOMPARE(choice.messageColor, colour);
        // The picture exists in the build folder and is a real picture.
        QVERIFY2(!QImage(choice.picture).isNull(), qPrintable(choice.picture));
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
