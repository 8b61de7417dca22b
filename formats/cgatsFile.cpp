#include "cgatsFile.h"

#include "colorVocabulary.h"
#include "whitePoints.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QLocale>
#include <QRegularExpression>
#include <QTextCodec>

#include <cmath>

namespace {

const char *const kFieldNames[] = {"SAMPLE_ID", "SAMPLE_NAME", "LAB_L", "LAB_A",
                                   "LAB_B",     "XYZ_X",       "XYZ_Y", "XYZ_Z"};

// The observer the instrument measures with, taken where an item's text
// names none.
constexpr int kInstrumentObserver = 10;

bool isSpecular(const QString &word)
{
    return word.compare(QLatin1String("SCI"), Qt::CaseInsensitive) == 0 ||
           word.compare(QLatin1String("SCE"), Qt::CaseInsensitive) == 0;
}

// ---- reading ---------------------------------------------------------------

struct Token
{
    QString text;
    bool quoted = false;
};

// One line into tokens: words apart by spaces or tabs, strings between
// double quotes (a doubled quote inside stands for one), '#' outside a string
// begins a comment.  An unclosed string runs to the end of the line.
QVector<Token> tokenize(const QStringRef &line)
{
    QVector<Token> tokens;
    const int n = line.size();
    int i = 0;
    while (i < n) {
        const QChar c = line.at(i);
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\f') ||
            c == QLatin1Char('\v') || c == QChar(0)) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('#'))
            break;
        Token token;
        if (c == QLatin1Char('"')) {
            token.quoted = true;
            ++i;
            while (i < n) {
                if (line.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && line.at(i + 1) == QLatin1Char('"')) {
                        token.text += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                token.text += line.at(i);
                ++i;
            }
        } else {
            const int start = i;
            while (i < n && line.at(i) != QLatin1Char(' ') && line.at(i) != QLatin1Char('\t') &&
                   line.at(i) != QLatin1Char('"') && line.at(i) != QLatin1Char('#'))
                ++i;
            token.text = line.mid(start, i - start).toString();
        }
        tokens.append(token);
    }
    return tokens;
}

bool isWord(const Token &token, const char *word)
{
    return !token.quoted && token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// A number of a data line: C locale, finite, within single precision.
bool readNumber(const QString &text, float *value)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > 3.0e38)
        return false;
    *value = static_cast<float>(v);
    return true;
}

int fieldIndex(const QStringList &fields, const char *name)
{
    const QString wanted = QString::fromLatin1(name);
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    // "SampleID", "SAMPLENAME": the same names without the underscore.
    const QString bare = QString(wanted).remove(QLatin1Char('_'));
    for (int i = 0; i < fields.size(); ++i) {
        if (QString(fields.at(i)).remove(QLatin1Char('_')).compare(bare, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool isSpectralField(const QString &field)
{
    static const QRegularExpression spectral(
        QStringLiteral("^(SPECTRAL_|SPEC_|NM_?|R_?)?[0-9]{3}(NM)?$|^SPECTRAL_"),
        QRegularExpression::CaseInsensitiveOption);
    return spectral.match(field).hasMatch();
}

// The keywords a table states about its measuring conditions, as the file
// gives them.
struct StatedConditions
{
    QString illuminant;
    QString observer;
    QString geometry;
    QString instrument;
};

void readKeyword(const QString &keyword, const QString &value, StatedConditions *stated)
{
    const QString key = keyword.toUpper();
    if (key == QLatin1String("WEIGHTING_FUNCTION")) {
        // "ILLUMINANT, D50" or "OBSERVER, 2 degree"
        const int comma = value.indexOf(QLatin1Char(','));
        if (comma < 0)
            return;
        const QString kind = value.left(comma).trimmed().toUpper();
        const QString what = value.mid(comma + 1).trimmed();
        if (kind == QLatin1String("ILLUMINANT"))
            stated->illuminant = what;
        else if (kind == QLatin1String("OBSERVER"))
            stated->observer = what;
    } else if (key == QLatin1String("ILLUMINATION_NAME") || key == QLatin1String("ILLUMINANT")) {
        stated->illuminant = value.trimmed();
    } else if (key == QLatin1String("OBSERVER_ANGLE") || key == QLatin1String("OBSERVER")) {
        stated->observer = value.trimmed();
    } else if (key == QLatin1String("MEASUREMENT_SOURCE")) {
        // "Illumination=D50 ObserverAngle=2° WhiteBase=Abs Filter=No"
        static const QRegularExpression illumination(
            QStringLiteral("ILLUMINATION\\s*=\\s*([^\\s]+)"),
            QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression observer(
            QStringLiteral("OBSERVER(?:ANGLE)?\\s*=\\s*([0-9]+)"),
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch i = illumination.match(value);
        if (i.hasMatch())
            stated->illuminant = i.captured(1);
        const QRegularExpressionMatch o = observer.match(value);
        if (o.hasMatch())
            stated->observer = o.captured(1);
    } else if (key == QLatin1String("MEASUREMENT_GEOMETRY")) {
        stated->geometry = value.trimmed();
    } else if (key == QLatin1String("INSTRUMENTATION") || key == QLatin1String("INSTRUMENT")) {
        stated->instrument = value.trimmed();
    }
}

CgatsConditions conditionsOf(const StatedConditions &stated)
{
    CgatsConditions c;
    const QString known = lightSourceFromInstrument(cieIlluminantName(stated.illuminant).toUpper());
    c.lightSource = known.isEmpty() ? stated.illuminant : known;
    const int degrees = observerDegrees(stated.observer);
    if (degrees == 10)
        c.observer = observerName();
    else if (degrees == 2)
        c.observer = QStringLiteral("CIE 2°");
    else
        c.observer = stated.observer;
    QStringList geometry = stated.geometry.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!geometry.isEmpty() && isSpecular(geometry.last()))
        c.lightMode = geometry.takeLast().toUpper();
    c.illuminationMode = geometry.join(QLatin1Char(' '));
    c.instrumentModel = stated.instrument;
    return c;
}

class Reader
{
    Q_DECLARE_TR_FUNCTIONS(cgatsFile)

public:
    CgatsReadResult result;

    void line(const QStringRef &text, int number);
    void finish();

private:
    enum State
    {
        Start,
        Header,
        Format,
        Data
    };

    void startTable();
    void endTable(bool complete);
    void row(const QVector<Token> &values, int number);
    void lineLost(const QString &message);
    // Something assumed, not lost.
    void note(const QString &message);
    bool full() const { return m_colours >= cgatsFile::maxColours; }

    State m_state = Start;
    StatedConditions m_stated;
    QStringList m_fields;
    bool m_haveFormat = false;
    int m_announced = -1;
    // Indices of the fields in use for the table being read.
    int m_id = -1, m_name = -1;
    int m_lab[3] = {-1, -1, -1};
    int m_xyz[3] = {-1, -1, -1};
    bool m_colourFields = false;
    WhitePoint m_white{};
    CgatsTable m_table;
    int m_rowsRead = 0;
    QVector<Token> m_pending; // a row wrapped over lines
    int m_pendingLine = 0;
    int m_colours = 0;
    int m_lineMessages = 0;
    int m_moreLineMessages = 0;
    bool m_sawData = false;
    bool m_sawColourFields = false;
    bool m_capReported = false;
    QStringList m_missing;
    bool m_spectral = false;
};

void Reader::lineLost(const QString &message)
{
    result.damaged = true;
    if (m_lineMessages < cgatsFile::maxLineMessages) {
        ++m_lineMessages;
        result.lost << message;
    } else {
        ++m_moreLineMessages;
    }
}

void Reader::note(const QString &message)
{
    if (m_lineMessages < cgatsFile::maxLineMessages) {
        ++m_lineMessages;
        result.lost << message;
    } else {
        ++m_moreLineMessages;
    }
}

void Reader::startTable()
{
    m_sawData = true;
    m_table = CgatsTable();
    m_table.conditions = conditionsOf(m_stated);
    m_rowsRead = 0;
    m_pending.clear();
    m_id = fieldIndex(m_fields, "SAMPLE_ID");
    m_name = fieldIndex(m_fields, "SAMPLE_NAME");
    for (int i = 0; i < 3; ++i) {
        m_lab[i] = fieldIndex(m_fields, kFieldNames[2 + i]);
        m_xyz[i] = fieldIndex(m_fields, kFieldNames[5 + i]);
    }
    const bool lab = m_lab[0] >= 0 && m_lab[1] >= 0 && m_lab[2] >= 0;
    const bool xyz = m_xyz[0] >= 0 && m_xyz[1] >= 0 && m_xyz[2] >= 0;
    m_colourFields = lab || xyz;
    if (!lab)
        m_lab[0] = -1;
    if (m_colourFields) {
        m_sawColourFields = true;
    } else {
        m_missing.clear();
        for (int i = 0; i < 3; ++i) {
            if (m_lab[i] < 0)
                m_missing << QString::fromLatin1(kFieldNames[2 + i]);
        }
        QStringList xyzMissing;
        for (int i = 0; i < 3; ++i) {
            if (m_xyz[i] < 0)
                xyzMissing << QString::fromLatin1(kFieldNames[5 + i]);
        }
        m_missing << xyzMissing;
        for (const QString &field : qAsConst(m_fields)) {
            if (isSpectralField(field))
                m_spectral = true;
        }
    }
    if (!lab && xyz) {
        // XYZ alone: under the stated white, D50 and 2 degrees by default.
        const QString illuminant =
            m_stated.illuminant.isEmpty() ? QStringLiteral("D50") : m_stated.illuminant;
        int degrees = observerDegrees(m_stated.observer);
        if (degrees == 0)
            degrees = 2;
        StatedConditions used = m_stated;
        used.illuminant = illuminant;
        used.observer = QString::number(degrees);
        if (!illuminantWhite(illuminant, degrees, &m_white)) {
            illuminantWhite(QStringLiteral("D50"), 2, &m_white);
            used.illuminant = QStringLiteral("D50");
            used.observer = QStringLiteral("2");
            note(tr("The white of the illuminant %1 is not known; XYZ was read under D50 and "
                    "the 2° observer.")
                     .arg(illuminant));
        }
        // The colours are L*a*b* under the white they were read with.
        m_table.conditions = conditionsOf(used);
    }
}

void Reader::endTable(bool complete)
{
    if (!m_pending.isEmpty()) {
        lineLost(tr("Line %1: %2 values where the data format has %3 fields; the colour was "
                    "left out.")
                     .arg(m_pendingLine)
                     .arg(m_pending.size())
                     .arg(m_fields.size()));
        m_pending.clear();
    }
    if (!complete)
        lineLost(tr("The data ends without END_DATA; a part of it may be missing."));
    if (m_colourFields && m_announced >= 0 && m_rowsRead < m_announced && !full())
        lineLost(
            tr("A table announces %1 colours; %2 were found.").arg(m_announced).arg(m_rowsRead));
    if (!m_table.colours.isEmpty())
        result.tables.append(m_table);
    m_table = CgatsTable();
    m_announced = -1;
    m_state = Header;
}

void Reader::row(const QVector<Token> &values, int number)
{
    ++m_rowsRead;
    if (!m_colourFields)
        return;
    if (full()) {
        if (!m_capReported) {
            m_capReported = true;
            result.damaged = true;
            result.lost << tr("Only the first %1 colours were read.").arg(cgatsFile::maxColours);
        }
        return;
    }
    CgatsColour colour;
    if (m_id >= 0)
        colour.id = values.at(m_id).text;
    if (m_name >= 0)
        colour.name = values.at(m_name).text;
    if (colour.displayName().isEmpty())
        colour.id = QString::number(m_colours + 1);
    ColorTriple v{};
    const int *fields = m_lab[0] >= 0 ? m_lab : m_xyz;
    for (int i = 0; i < 3; ++i) {
        if (!readNumber(values.at(fields[i]).text, &v[i])) {
            lineLost(tr("Line %1: the colour %2 has a coordinate that is not a number and was "
                        "left out.")
                         .arg(number)
                         .arg(colour.displayName()));
            return;
        }
    }
    colour.lab = m_lab[0] >= 0 ? v : xyzToLab(v[0], v[1], v[2], m_white);
    for (float c : colour.lab) {
        if (!std::isfinite(c)) {
            lineLost(tr("Line %1: the colour %2 cannot be given as L*a*b* and was left out.")
                         .arg(number)
                         .arg(colour.displayName()));
            return;
        }
    }
    m_table.colours.append(colour);
    ++m_colours;
}

void Reader::line(const QStringRef &text, int number)
{
    const QVector<Token> tokens = tokenize(text);
    if (tokens.isEmpty())
        return;
    const Token &first = tokens.first();

    if (m_state == Data) {
        if (isWord(first, "END_DATA")) {
            endTable(true);
            return;
        }
        // A new table or format before END_DATA: the data was cut short.
        if (isWord(first, "BEGIN_DATA_FORMAT") || isWord(first, "NUMBER_OF_FIELDS") ||
            isWord(first, "BEGIN_DATA")) {
            endTable(false);
        } else {
            const int n = m_fields.size();
            if (!m_pending.isEmpty() && m_pending.size() + tokens.size() > n) {
                lineLost(tr("Line %1: %2 values where the data format has %3 fields; the colour "
                            "was left out.")
                             .arg(m_pendingLine)
                             .arg(m_pending.size())
                             .arg(n));
                m_pending.clear();
            }
            if (m_pending.isEmpty())
                m_pendingLine = number;
            m_pending += tokens;
            if (m_pending.size() < n)
                return; // the row goes on in the next line
            if (m_pending.size() % n != 0) {
                lineLost(tr("Line %1: %2 values where the data format has %3 fields; the colour "
                            "was left out.")
                             .arg(number)
                             .arg(m_pending.size())
                             .arg(n));
                m_pending.clear();
                return;
            }
            // One row, or several rows written on one line.
            for (int start = 0; start < m_pending.size(); start += n)
                row(m_pending.mid(start, n), number);
            m_pending.clear();
            return;
        }
    }

    if (m_state == Format) {
        for (int i = 0; i < tokens.size(); ++i) {
            if (isWord(tokens.at(i), "END_DATA_FORMAT")) {
                m_state = Header;
                return;
            }
            if (isWord(tokens.at(i), "BEGIN_DATA")) {
                lineLost(tr("Line %1: END_DATA_FORMAT is missing.").arg(number));
                startTable();
                m_state = Data;
                return;
            }
            if (m_fields.size() < cgatsFile::maxFields)
                m_fields << tokens.at(i).text;
        }
        return;
    }

    // The header.  The first line of a file names its kind ("CGATS.17",
    // "IT8.7/2", ...) unless it already is a keyword line.
    if (m_state == Start) {
        m_state = Header;
        if (!isWord(first, "BEGIN_DATA_FORMAT") && !isWord(first, "BEGIN_DATA") &&
            !isWord(first, "NUMBER_OF_FIELDS") && !isWord(first, "NUMBER_OF_SETS") &&
            tokens.size() == 1)
            return;
    }
    if (isWord(first, "BEGIN_DATA_FORMAT")) {
        m_fields.clear();
        m_haveFormat = true;
        m_state = Format;
        if (tokens.size() > 1) {
            // Field names on the same line.
            QVector<Token> rest = tokens.mid(1);
            for (int i = 0; i < rest.size(); ++i) {
                if (isWord(rest.at(i), "END_DATA_FORMAT")) {
                    m_state = Header;
                    break;
                }
                if (m_fields.size() < cgatsFile::maxFields)
                    m_fields << rest.at(i).text;
            }
        }
        return;
    }
    if (isWord(first, "BEGIN_DATA")) {
        if (!m_haveFormat || m_fields.isEmpty()) {
            lineLost(tr("Line %1: data without a data format was passed over.").arg(number));
            m_sawData = true;
            // Read on to END_DATA as a table of unknown fields.
            m_fields.clear();
            m_fields << QString();
            startTable();
            m_colourFields = false;
            m_state = Data;
            return;
        }
        startTable();
        m_state = Data;
        return;
    }
    if (isWord(first, "NUMBER_OF_SETS")) {
        bool ok = false;
        const int sets = tokens.value(1).text.toInt(&ok);
        m_announced = ok && sets >= 0 ? sets : -1;
        return;
    }
    if (tokens.size() >= 2 && !first.quoted)
        readKeyword(first.text, tokens.at(1).text, &m_stated);
}

void Reader::finish()
{
    if (m_state == Data)
        endTable(false);
    else if (m_state == Format) {
        result.damaged = true;
        result.lost << tr("The file ends inside the data format: END_DATA_FORMAT is missing.");
    }
    if (m_moreLineMessages > 0)
        result.lost << tr("%1 more problems were found.").arg(m_moreLineMessages);

    if (!m_sawData && !m_haveFormat) {
        result.status = CgatsReadStatus::NotCgats;
        result.refusal = tr("It is not a CGATS file: it has neither BEGIN_DATA_FORMAT nor "
                            "BEGIN_DATA.");
        result.tables.clear();
        return;
    }
    if (!m_sawColourFields) {
        result.status = CgatsReadStatus::NoColour;
        const QString fields = QStringLiteral("LAB_L, LAB_A, LAB_B");
        const QString xyz = QStringLiteral("XYZ_X, XYZ_Y, XYZ_Z");
        result.refusal =
            (m_spectral ? tr("It holds spectral data only; QCM needs colour coordinates.")
                        : tr("It holds no colour coordinates QCM can read.")) +
            QLatin1Char(' ') + tr("Missing are the fields %1 (or %2).").arg(fields, xyz) +
            (m_missing.isEmpty()
                 ? QString()
                 : QLatin1Char(' ') +
                       tr("Not found: %1.").arg(m_missing.join(QStringLiteral(", "))));
        result.tables.clear();
        return;
    }
    result.status = CgatsReadStatus::Ok;
}

QString decode(const QByteArray &bytes)
{
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    const QString text = utf8->toUnicode(data.constData(), data.size(), &state);
    if (state.invalidChars == 0)
        return text;
    // Files of older programs: one byte per character.
    return QString::fromLatin1(data);
}

} // namespace

bool CgatsConditions::operator==(const CgatsConditions &o) const
{
    return lightSource == o.lightSource && observer == o.observer &&
           illuminationMode == o.illuminationMode && lightMode == o.lightMode &&
           instrumentModel == o.instrumentModel;
}

int CgatsReadResult::colourCount() const
{
    int n = 0;
    for (const CgatsTable &table : tables)
        n += table.colours.size();
    return n;
}

CgatsReadResult readCgats(QIODevice *device)
{
    Reader reader;
    if (!device || !device->isReadable()) {
        reader.result.status = CgatsReadStatus::ReadError;
        return reader.result;
    }
    // In pieces: asking for the whole bound at once would reserve it, however
    // short the file.
    QByteArray bytes;
    bool longer = false;
    for (;;) {
        const QByteArray piece = device->read(64 * 1024);
        if (piece.isEmpty())
            break;
        if (bytes.size() + piece.size() > cgatsFile::maxFileBytes) {
            bytes += piece.left(int(cgatsFile::maxFileBytes - bytes.size()));
            longer = true;
            break;
        }
        bytes += piece;
    }
    if (longer) {
        // Cut at the last whole line, so no colour is read half.
        const int end = bytes.lastIndexOf('\n');
        if (end >= 0)
            bytes.truncate(end + 1);
    }
    const QString text = decode(bytes);
    bytes.clear();

    int number = 0;
    int start = 0;
    const int n = text.size();
    while (start < n) {
        int end = start;
        while (end < n && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r'))
            ++end;
        ++number;
        reader.line(text.midRef(start, end - start), number);
        // CR LF, LF or CR alone ends a line.
        if (end < n && text.at(end) == QLatin1Char('\r') && end + 1 < n &&
            text.at(end + 1) == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    reader.finish();
    if (longer) {
        reader.result.damaged = true;
        reader.result.lost << QCoreApplication::translate("cgatsFile",
                                                          "Only the first %1 MB of the file were "
                                                          "read.")
                                  .arg(cgatsFile::maxFileBytes / (1024 * 1024));
    }
    return reader.result;
}

QString cgatsLossText(const CgatsReadResult &result)
{
    return result.lost.join(QLatin1Char('\n'));
}

// ---- writing ---------------------------------------------------------------

QByteArray cgatsString(const QString &text)
{
    QString clean;
    clean.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            clean += QStringLiteral("\"\"");
        else if (c.category() == QChar::Other_Control)
            clean += QLatin1Char(' ');
        else
            clean += c;
    }
    return '"' + clean.toUtf8() + '"';
}

QByteArray cgatsNumber(float value)
{
    if (!std::isfinite(value))
        return QByteArrayLiteral("0");
    for (int decimals = 0; decimals <= 12; ++decimals) {
        const QByteArray text = QByteArray::number(double(value), 'f', decimals);
        if (static_cast<float>(text.toDouble()) == value)
            return text == "-0" ? QByteArrayLiteral("0") : text;
    }
    return QByteArray::number(double(value), 'g', 9);
}

bool writeCgats(QIODevice *device, const CgatsDocument &document)
{
    if (!device || !device->isWritable())
        return false;
    QByteArray out;
    const char *eol = "\r\n";
    auto keyword = [&](const char *key, const QString &value) {
        out += key;
        out += '\t';
        out += cgatsString(value);
        out += eol;
    };
    out += "CGATS.17";
    out += eol;
    int id = 0;
    bool first = true;
    for (const CgatsTable &table : document.tables) {
        if (!first)
            out += eol;
        if (first) {
            keyword("ORIGINATOR", QStringLiteral("QCM"));
            if (!document.descriptor.isEmpty())
                keyword("DESCRIPTOR", document.descriptor);
            const QDateTime created =
                document.created.isValid() ? document.created : QDateTime::currentDateTime();
            keyword("CREATED",
                    created.toOffsetFromUtc(created.offsetFromUtc()).toString(Qt::ISODate));
        }
        first = false;
        const CgatsConditions &c = table.conditions;
        if (!c.instrumentModel.isEmpty())
            keyword("INSTRUMENTATION", c.instrumentModel);
        QString geometry = c.illuminationMode;
        if (!c.lightMode.isEmpty())
            geometry += (geometry.isEmpty() ? QString() : QStringLiteral(" ")) + c.lightMode;
        if (!geometry.isEmpty())
            keyword("MEASUREMENT_GEOMETRY", geometry);
        const QString illuminant = cieIlluminantName(c.lightSource);
        int degrees = observerDegrees(c.observer);
        if (degrees == 0)
            degrees = kInstrumentObserver;
        WhitePoint white = kReferenceWhite;
        illuminantWhite(illuminant, degrees, &white);
        if (!illuminant.isEmpty())
            keyword("WEIGHTING_FUNCTION", QStringLiteral("ILLUMINANT, ") + illuminant);
        keyword("WEIGHTING_FUNCTION", QStringLiteral("OBSERVER, %1 degree").arg(degrees));
        out += "NUMBER_OF_FIELDS\t8";
        out += eol;
        out += "BEGIN_DATA_FORMAT";
        out += eol;
        for (int i = 0; i < 8; ++i) {
            out += kFieldNames[i];
            out += i < 7 ? '\t' : '\r';
        }
        out += '\n';
        out += "END_DATA_FORMAT";
        out += eol;
        out += "NUMBER_OF_SETS\t" + QByteArray::number(table.colours.size());
        out += eol;
        out += "BEGIN_DATA";
        out += eol;
        for (const CgatsColour &colour : table.colours) {
            const ColorTriple &lab = colour.lab;
            const ColorTriple xyz = labToXyz(lab[0], lab[1], lab[2], white);
            out += QByteArray::number(++id);
            out += '\t';
            out += cgatsString(colour.name);
            for (float v : lab)
                out += '\t' + cgatsNumber(v);
            for (float v : xyz)
                out += '\t' + cgatsNumber(v);
            out += eol;
        }
        out += "END_DATA";
        out += eol;
    }
    return device->write(out) == out.size();
}
