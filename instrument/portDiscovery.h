#ifndef QCM_PORTDISCOVERY_H
#define QCM_PORTDISCOVERY_H

// Finding the instrument among the serial ports.  The choice is a pure
// function over (port name, product identifier) pairs so that it can be
// tested without hardware; the system enumeration only feeds it.

#include <QList>
#include <QString>
#include <QtGlobal>

namespace portDiscovery {

struct PortEntry
{
    QString name;
    bool hasProductIdentifier = false;
    quint16 productIdentifier = 0;
};

// The instrument's USB product identifier as lower-case hexadecimal.
extern const char *const instrumentProductId; // "5730"

// Name of the first port whose product identifier reads "5730"; empty when
// none does.  Ports without a product identifier never match.
QString findInstrumentPort(const QList<PortEntry> &ports);

// The system's serial ports in enumeration order.
QList<PortEntry> availablePorts();

// The port named by QCM_SERIAL_PORT, or empty when the variable is unset or
// empty.  When set, the search opens that port instead of looking for the
// product identifier.
QString overridePortName();

} // namespace portDiscovery

#endif
