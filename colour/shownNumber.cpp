#include "shownNumber.h"

#include <cmath>

QString shownNumber(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("--");
    return QString::number(value, 'f', 2);
}
