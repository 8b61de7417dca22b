#include "splashChoice.h"

SplashChoice splashChoice(int r)
{
    // Two numbers per picture; pictures 1 and 3 are light, the others dark.
    const int picture = (qBound(0, r, 9) / 2) + 1;
    const bool light = picture == 1 || picture == 3;
    return {QStringLiteral("./start image/splash%1.png").arg(picture),
            light ? QColor(Qt::black) : QColor(Qt::white)};
}
