#include "historyOutboxFile.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace historyOutboxFile {

namespace {

// JSON has no NaN: an unknown number is null.
QJsonValue number(double value)
{
    return std::isnan(value) ? QJsonValue() : QJsonValue(value);
}

double numberOf(const QJsonValue &value)
{
    return value.isDouble() ? value.toDouble() : std::numeric_limits<double>::quiet_NaN();
}

template <std::size_t N> QJsonArray textArray(const std::array<QString, N> &texts)
{
    QJsonArray array;
    for (const QString &text : texts)
        array.append(text);
    return array;
}

template <std::size_t N> bool readTexts(const QJsonValue &value, std::array<QString, N> *texts)
{
    const QJsonArray array = value.toArray();
    if (array.size() != int(N))
        return false;
    for (std::size_t i = 0; i < N; ++i)
        (*texts)[i] = array.at(int(i)).toString();
    return true;
}

} // namespace

QByteArray encode(const HistoryRecord &r)
{
    QJsonObject o;
    o.insert(QStringLiteral("id"), r.id.toString(QUuid::WithoutBraces));
    o.insert(QStringLiteral("event"), history::eventText(r.event));
    o.insert(QStringLiteral("itemId"), r.itemId.toString(QUuid::WithoutBraces));
    o.insert(QStringLiteral("kind"), history::kindText(r.kind));
    o.insert(QStringLiteral("name"), r.name);
    if (!r.typeId.isNull())
        o.insert(QStringLiteral("typeId"), r.typeId.toString(QUuid::WithoutBraces));
    o.insert(QStringLiteral("typeName"), r.typeName);
    o.insert(QStringLiteral("conditions"), textArray(r.conditions));
    o.insert(QStringLiteral("raw"), QJsonArray{number(r.rawL), number(r.rawA), number(r.rawB)});
    o.insert(QStringLiteral("shown"), textArray(r.shown));
    o.insert(QStringLiteral("formula"), r.formula);
    o.insert(QStringLiteral("deltaE"), number(r.deltaE));
    o.insert(QStringLiteral("verdict"), r.verdict);
    o.insert(QStringLiteral("tolerance"), QJsonArray::fromStringList(r.tolerance));
    o.insert(QStringLiteral("time"), r.time.toUTC().toString(Qt::ISODateWithMs));
    o.insert(QStringLiteral("timeZone"), r.timeZone);
    o.insert(QStringLiteral("station"), r.station);
    o.insert(QStringLiteral("operator"), r.operatorName);
    o.insert(QStringLiteral("instrument"), r.instrumentModel);
    o.insert(QStringLiteral("port"), r.port);
    o.insert(QStringLiteral("file"), r.filePath);
    o.insert(QStringLiteral("origin"), history::originText(r.origin));
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

bool decode(const QByteArray &json, HistoryRecord *record)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject o = document.object();
    HistoryRecord r;
    r.id = QUuid::fromString(o.value(QStringLiteral("id")).toString());
    r.itemId = QUuid::fromString(o.value(QStringLiteral("itemId")).toString());
    r.typeId = QUuid::fromString(o.value(QStringLiteral("typeId")).toString());
    const QJsonArray raw = o.value(QStringLiteral("raw")).toArray();
    r.time = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    if (r.id.isNull() || r.itemId.isNull() || raw.size() != 3 || !r.time.isValid() ||
        !history::eventFromText(o.value(QStringLiteral("event")).toString(), &r.event) ||
        !history::kindFromText(o.value(QStringLiteral("kind")).toString(), &r.kind) ||
        !history::originFromText(o.value(QStringLiteral("origin")).toString(), &r.origin) ||
        !readTexts(o.value(QStringLiteral("conditions")), &r.conditions) ||
        !readTexts(o.value(QStringLiteral("shown")), &r.shown))
        return false;
    r.time = r.time.toUTC();
    r.name = o.value(QStringLiteral("name")).toString();
    r.typeName = o.value(QStringLiteral("typeName")).toString();
    r.rawL = numberOf(raw.at(0));
    r.rawA = numberOf(raw.at(1));
    r.rawB = numberOf(raw.at(2));
    r.formula = o.value(QStringLiteral("formula")).toString();
    r.deltaE = numberOf(o.value(QStringLiteral("deltaE")));
    r.verdict = o.value(QStringLiteral("verdict")).toString();
    for (const QJsonValue &text : o.value(QStringLiteral("tolerance")).toArray())
        r.tolerance << text.toString();
    r.timeZone = o.value(QStringLiteral("timeZone")).toString();
    r.station = o.value(QStringLiteral("station")).toString();
    r.operatorName = o.value(QStringLiteral("operator")).toString();
    r.instrumentModel = o.value(QStringLiteral("instrument")).toString();
    r.port = o.value(QStringLiteral("port")).toString();
    r.filePath = o.value(QStringLiteral("file")).toString();
    *record = r;
    return true;
}

QByteArray recordLine(const HistoryRecord &record)
{
    return QByteArrayLiteral("R ") + encode(record) + '\n';
}

QByteArray sentLine(const QUuid &lastSent)
{
    return QByteArrayLiteral("S ") + lastSent.toByteArray(QUuid::WithoutBraces) + '\n';
}

Content read(QIODevice *device)
{
    Content content;
    QVector<HistoryRecord> records;
    while (!device->atEnd()) {
        const QByteArray line = device->readLine();
        HistoryRecord record;
        if (!line.endsWith('\n')) {
            ++content.damagedLines; // torn: the writer was stopped in the middle
        } else if (line.startsWith("R ") && decode(line.mid(2).chopped(1), &record)) {
            records.append(record);
        } else if (line.startsWith("S ")) {
            const QUuid last = QUuid::fromString(QLatin1String(line.mid(2).chopped(1)));
            // Everything up to the mark's record went; a mark whose record
            // is not there proves nothing, and sending again is harmless.
            int at = records.size() - 1;
            while (at >= 0 && records.at(at).id != last)
                --at;
            if (last.isNull() || at < 0)
                ++content.damagedLines;
            else
                records.remove(0, at + 1);
        } else {
            ++content.damagedLines;
        }
    }
    content.unsent = records;
    return content;
}

} // namespace historyOutboxFile
