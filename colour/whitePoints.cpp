#include "whitePoints.h"

#include <QRegularExpression>

namespace {

struct IlluminantWhites
{
    const char *name;
    WhitePoint degree2;
    WhitePoint degree10;
};

const IlluminantWhites kWhites[] = {
    {"A", {109.850f, 100.0f, 35.585f}, {111.144f, 100.0f, 35.200f}},
    {"C", {98.074f, 100.0f, 118.232f}, {97.285f, 100.0f, 116.145f}},
    {"D50", {96.422f, 100.0f, 82.521f}, {96.720f, 100.0f, 81.427f}},
    {"D55", {95.682f, 100.0f, 92.149f}, {95.799f, 100.0f, 90.926f}},
    {"D65", {95.047f, 100.0f, 108.883f}, {94.811f, 100.0f, 107.304f}},
    {"D75", {94.972f, 100.0f, 122.638f}, {94.416f, 100.0f, 120.641f}},
    {"F2", {99.187f, 100.0f, 67.395f}, {103.280f, 100.0f, 69.026f}},
    {"F7", {95.044f, 100.0f, 108.755f}, {95.792f, 100.0f, 107.687f}},
    {"F11", {100.966f, 100.0f, 64.370f}, {103.866f, 100.0f, 65.627f}},
    {"F12", {108.046f, 100.0f, 39.228f}, {111.428f, 100.0f, 40.353f}},
};

} // namespace

int observerDegrees(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("(?<![0-9.])(2|10)(?![0-9.])"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch())
        return 0;
    return m.captured(1) == QLatin1String("10") ? 10 : 2;
}

QString cieIlluminantName(const QString &lightSource)
{
    const int bracket = lightSource.indexOf(QLatin1Char('('));
    return (bracket > 0 ? lightSource.left(bracket) : lightSource).trimmed();
}

bool illuminantWhite(const QString &illuminant, int degrees, WhitePoint *white)
{
    if (degrees != 2 && degrees != 10)
        return false;
    const QString name = cieIlluminantName(illuminant).toUpper();
    for (const IlluminantWhites &w : kWhites) {
        if (name == QLatin1String(w.name)) {
            *white = degrees == 2 ? w.degree2 : w.degree10;
            return true;
        }
    }
    return false;
}
