#include "historyRecord.h"

namespace history {

namespace {

// The texts are stored in the database and read by scripts: never change one.
const char *const kindTexts[] = {"Type", "Sample"};
const char *const eventTexts[] = {"entered", "renamed", "deleted"};
const char *const originTexts[] = {"measured", "averaged", "uploaded", "typed",
                                   "library",  "setAs",    "imported"};

template <typename Enum, int N>
bool fromTable(const char *const (&table)[N], const QString &text, Enum *out)
{
    for (int i = 0; i < N; ++i) {
        if (text == QLatin1String(table[i])) {
            *out = static_cast<Enum>(i);
            return true;
        }
    }
    return false;
}

} // namespace

QString kindText(Kind kind)
{
    return QLatin1String(kindTexts[static_cast<int>(kind)]);
}

QString eventText(Event event)
{
    return QLatin1String(eventTexts[static_cast<int>(event)]);
}

QString originText(Origin origin)
{
    return QLatin1String(originTexts[static_cast<int>(origin)]);
}

bool kindFromText(const QString &text, Kind *kind)
{
    return fromTable(kindTexts, text, kind);
}

bool eventFromText(const QString &text, Event *event)
{
    return fromTable(eventTexts, text, event);
}

bool originFromText(const QString &text, Origin *origin)
{
    return fromTable(originTexts, text, origin);
}

} // namespace history
