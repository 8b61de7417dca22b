#include "portDiscovery.h"

#include <QSerialPortInfo>

namespace portDiscovery {

const char *const instrumentProductId = "5730";

QString findInstrumentPort(const QList<PortEntry> &ports)
{
    for (const PortEntry &entry : ports) {
        if (!entry.hasProductIdentifier)
            continue;
        if (QString::number(entry.productIdentifier, 16) == QLatin1String(instrumentProductId))
            return entry.name;
    }
    return QString();
}

QList<PortEntry> availablePorts()
{
    QList<PortEntry> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        PortEntry entry;
        entry.name = info.portName();
        entry.hasProductIdentifier = info.hasProductIdentifier();
        entry.productIdentifier = info.productIdentifier();
        ports.append(entry);
    }
    return ports;
}

QString overridePortName()
{
    return qEnvironmentVariable("QCM_SERIAL_PORT");
}

} // namespace portDiscovery
