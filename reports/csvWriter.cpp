#include "csvWriter.h"

#include "colorVocabulary.h"

#include <QIODevice>
#include <QSaveFile>
#include <QtNumeric>

#include <charconv>

namespace {

template <typename Number> QByteArray plainNumber(Number value)
{
    // Shortest round trip in fixed notation; a double needs at most 309
    // digits before the point plus sign and fraction.
    char text[400];
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (end.ec != std::errc())
        return QByteArray::number(double(value), 'f', 2);
    return QByteArray(text, int(end.ptr - text));
}

class csvOutput
{
public:
    explicit csvOutput(QIODevice *device) : m_device(device) { m_buffer.reserve(chunk * 2); }

    void field(const QString &text) { raw(csvField(text)); }
    void raw(const QByteArray &field)
    {
        if (m_fieldCount++ > 0)
            m_buffer += ',';
        m_buffer += field;
    }
    bool endRow()
    {
        m_buffer += "\r\n";
        m_fieldCount = 0;
        return m_buffer.size() < chunk || flush();
    }
    bool flush()
    {
        const bool ok = m_device->write(m_buffer) == m_buffer.size();
        m_buffer.clear();
        return ok;
    }

private:
    static constexpr int chunk = 1 << 16;
    QIODevice *m_device;
    QByteArray m_buffer;
    int m_fieldCount = 0;
};

// The coordinate headings: the component names when every item names the
// same ones, the numbered values otherwise.
QStringList coordinateHeadings(const ExportData &data, const ExportTexts &texts)
{
    QStringList shared;
    bool first = true;
    auto agree = [&](const ItemTexts &item) {
        const QStringList names = componentNames(item[colorSpaceColumn]);
        if (first)
            shared = names;
        first = false;
        return names == shared;
    };
    bool same = true;
    for (const MarkedType &marked : data.marked) {
        same = same && agree(marked.type);
        for (const ItemTexts &sample : marked.samples)
            same = same && agree(sample);
    }
    if (same && shared.size() == 3)
        return shared;
    return {texts.coordinate.arg(1), texts.coordinate.arg(2), texts.coordinate.arg(3)};
}

} // namespace

QByteArray csvField(const QString &text)
{
    QByteArray utf8 = text.toUtf8();
    const bool quoted = utf8.contains(',') || utf8.contains('"') || utf8.contains('\n') ||
                        utf8.contains('\r') ||
                        (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoted)
        return utf8;
    utf8.replace('"', "\"\"");
    return '"' + utf8 + '"';
}

QString csvGuardedText(const QString &text)
{
    if (text.isEmpty())
        return text;
    switch (text.front().unicode()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
        return QLatin1Char('\'') + text;
    default:
        return text;
    }
}

QByteArray csvCoordinate(const QString &text)
{
    bool ok = false;
    const float single = text.toFloat(&ok);
    if (!ok)
        return QByteArrayLiteral("0");
    if (!qIsFinite(single))
        return QByteArray(); // no number: an empty cell, which a spreadsheet leaves blank
    return plainNumber(text.toDouble());
}

QByteArray csvDifference(float value)
{
    return qIsFinite(value) ? plainNumber(value) : QByteArray();
}

bool writeCsv(QIODevice *device, const ExportData &data, const ExportTexts &texts,
              const ExportProgress &progress, CsvTexts mode)
{
    if (!device || !device->isWritable())
        return false;
    csvOutput out(device);
    // The program's own headings and words are left alone: only the texts
    // that come with the items can carry a formula.
    auto itemText = [mode](const QString &text) {
        return mode == CsvTexts::Guarded ? csvGuardedText(text) : text;
    };
    const QVector<int> chosen = chosenFields(data.fields);

    out.raw(QByteArrayLiteral("\xEF\xBB\xBF") + csvField(texts.kind));
    out.field(texts.type);
    out.field(texts.name);
    const QStringList coordinates = coordinateHeadings(data, texts);
    for (const QString &heading : coordinates)
        out.field(heading);
    out.field(texts.colorDifference);
    for (const QString &heading : coordinates)
        out.field(texts.deviation.arg(heading));
    out.field(texts.judgement);
    for (int field : chosen)
        out.field(texts.fieldHeadings.value(field));
    if (!out.endRow())
        return false;

    int written = 0;
    for (const MarkedType &marked : data.marked) {
        const ItemTexts &type = marked.type;
        const ColorTriple typeValues = itemValues(type);
        auto itemRow = [&](const ItemTexts &item, bool sample) {
            out.field(sample ? texts.sampleKind : texts.typeKind);
            out.field(itemText(type[nameColumn]));
            out.field(itemText(item[nameColumn]));
            for (int column : {value1Column, value2Column, value3Column})
                out.raw(csvCoordinate(item[column]));
            if (sample) {
                const ColorTriple values = itemValues(item);
                const float difference = sampleDifference(type, item);
                const QStringList judged = judgementTexts(
                    difference, values[0] - typeValues[0], values[1] - typeValues[1],
                    values[2] - typeValues[2], item[colorSpaceColumn], data.tolerance);
                out.raw(csvDifference(difference));
                for (int i = 0; i < 4; ++i)
                    out.field(judged.value(i));
            } else {
                for (int i = 0; i < 5; ++i)
                    out.raw(QByteArray());
            }
            for (int field : chosen)
                out.field(itemText(exportFieldValue(field, item, sample, data)));
            if (progress)
                progress(++written);
            return out.endRow();
        };
        if (!itemRow(type, false))
            return false;
        for (const ItemTexts &sample : marked.samples) {
            if (!itemRow(sample, true))
                return false;
        }
    }
    return out.flush();
}

bool writeCsvFile(const QString &path, const ExportData &data, const ExportTexts &texts,
                  const ExportProgress &progress, QString *error, CsvTexts mode)
{
    QString ignored;
    if (!error)
        error = &ignored;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!writeCsv(&file, data, texts, progress, mode)) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
