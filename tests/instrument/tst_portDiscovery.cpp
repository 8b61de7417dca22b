#include "portDiscovery.h"

#include <QtTest>

using portDiscovery::PortEntry;

Q_DECLARE_METATYPE(QList<PortEntry>)

namespace {
PortEntry withId(const QString &name, quint16 id)
{
    PortEntry e;
    e.name = name;
    e.hasProductIdentifier = true;
    e.productIdentifier = id;
    return e;
}

PortEntry withoutId(const QString &name)
{
    PortEntry e;
    e.name = name;
    return e;
}
} // namespace

class tst_portDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void findInstrumentPort_data()
    {
        QTest::addColumn<QList<PortEntry>>("ports");
        QTest::addColumn<QString>("expected");

        QTest::newRow("no ports") << QList<PortEntry>{} << QString();
        QTest::newRow("none matching")
            << QList<PortEntry>{withId("COM1", 0x2303), withId("COM2", 0x7523)} << QString();
        QTest::newRow("one matching")
            << QList<PortEntry>{withId("COM1", 0x2303), withId("COM3", 0x5730)} << QString("COM3");
        QTest::newRow("two matching: first wins")
            << QList<PortEntry>{withId("COM7", 0x5730), withId("COM3", 0x5730)} << QString("COM7");
        // 22320 is 0x5730 written in decimal: the same identifier.
        QTest::newRow("decimal 22320 is 0x5730")
            << QList<PortEntry>{withId("ttyACM0", 22320)} << QString("ttyACM0");
        // The digits 5730 read as a decimal number are 0x1662: no match.
        QTest::newRow("decimal 5730 is not the instrument")
            << QList<PortEntry>{withId("ttyACM0", 5730)} << QString();
        QTest::newRow("leading zeros are not written")
            << QList<PortEntry>{withId("ttyACM0", 0x0573)} << QString();
        QTest::newRow("missing identifier never matches")
            << QList<PortEntry>{withoutId("ttyS0"), withId("ttyACM1", 0x5730)}
            << QString("ttyACM1");
        // A port without identifier reports 0; that must not look like a
        // match even if the stale value happened to be the instrument's.
        PortEntry stale = withoutId("ttyS1");
        stale.productIdentifier = 0x5730;
        QTest::newRow("identifier flagged missing") << QList<PortEntry>{stale} << QString();
    }

    void findInstrumentPort()
    {
        QFETCH(QList<PortEntry>, ports);
        QFETCH(QString, expected);
        QCOMPARE(portDiscovery::findInstrumentPort(ports), expected);
    }

    void environmentOverride()
    {
        qputenv("QCM_SERIAL_PORT", "/dev/pts/77");
        QCOMPARE(portDiscovery::overridePortName(), QString("/dev/pts/77"));
        qputenv("QCM_SERIAL_PORT", "");
        QVERIFY(portDiscovery::overridePortName().isEmpty());
        qunsetenv("QCM_SERIAL_PORT");
        QVERIFY(portDiscovery::overridePortName().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_portDiscovery)
#include "tst_portDiscovery.moc"
