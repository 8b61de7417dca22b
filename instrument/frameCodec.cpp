#include "frameCodec.h"

#include <QCoreApplication>

#include <cmath>

namespace frameCodec {

const char *const keepAliveFrameText = "55AA05C03B";
const char *const infoFrameText = "55AA05C13A";
const char *const whiteCalibrationFrameText = "55AA05C239";
const char *const blackCalibrationFrameText = "55AA05C338";
const char *const typeMeasurementHeadText = "55AA0BC4FFFFFFFF";
const char *const sampleMeasurementHeadText = "55AA0BC5FFFFFFFF";
const char *const firstRecordFrameText = "55AA05C635";
const char *const nextRecordFrameText = "55AA05C734";
const char *const whitenessFrameText = "55AA0BC9FFFFFFFF00022E";

namespace {

// A receive buffer this long or longer is dropped before it is looked at.
constexpr int maximumBufferSize = 65535;
constexpr int smallestFrame = 5;
constexpr quint32 largestMagnitude = 0xFFFFFF;

int hexDigitValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

QString twoDigits(quint8 byte)
{
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

// The refusal texts, spelled out here so that the translation tools see them.
QString unknownLightMode(const QString &name)
{
    return QCoreApplication::translate(
               "serialPortRk", "The light mode \"%1\" has no instrument code; nothing is sent.")
        .arg(name);
}

QString unknownLightSource(const QString &name)
{
    return QCoreApplication::translate(
               "serialPortRk", "The light source \"%1\" has no instrument code; nothing is sent.")
        .arg(name);
}

const QString lightModeNames[] = {QStringLiteral("SCI"), QStringLiteral("SCE")};

// The names the system uses in requests and the shorter ones the instrument
// reports; the same codes.
const QString lightSourceRequestNames[] = {QStringLiteral("A"),         QStringLiteral("D50"),
                                           QStringLiteral("D65"),       QStringLiteral("C"),
                                           QStringLiteral("F2(CWF)"),   QStringLiteral("F7"),
                                           QStringLiteral("F11(TL84)"), QStringLiteral("F12(U30)")};
const QString lightSourceReplyNames[] = {
    QStringLiteral("A"),  QStringLiteral("D50"), QStringLiteral("D65"), QStringLiteral("C"),
    QStringLiteral("F2"), QStringLiteral("F7"),  QStringLiteral("F11"), QStringLiteral("F12")};
const QString caliberNames[] = {QStringLiteral("8mm"), QStringLiteral("4mm"),
                                QStringLiteral("16mm"), QStringLiteral("40mm")};
const QString colorSpaceNames[] = {QStringLiteral("CIE1976LAB"),
                                   QStringLiteral("CIELCH"),
                                   QStringLiteral("CIEXYZ"),
                                   QStringLiteral("CIELUV"),
                                   QStringLiteral("HunterLAB"),
                                   QStringLiteral("sRGB"),
                                   QStringLiteral("Whiteness/Yellowness")};
// U+0394 (Greek capital delta); the FCM name carries U+2161 (Roman numeral two).
const QString formulaNames[] = {QStringLiteral("\u0394ELab"),       QStringLiteral("\u0394ECMC"),
                                QStringLiteral("\u0394EISO"),       QStringLiteral("\u0394ECIE94"),
                                QStringLiteral("\u0394EFCM\u2161"), QStringLiteral("\u0394ELuv"),
                                QStringLiteral("\u0394EHunter"),    QStringLiteral("\u0394EsRGB"),
                                QStringLiteral("\u0394ELch"),       QStringLiteral("\u0394E00")};

template <std::size_t N> int indexOf(const QString (&table)[N], const QString &name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i] == name)
            return int(i);
    }
    return -1;
}

template <std::size_t N> QString nameAt(const QString (&table)[N], int code)
{
    if (code < 0 || std::size_t(code) >= N)
        return QString();
    return table[code];
}

// Model text: the four bytes, ending early at the first zero byte.
QString modelText(const uchar *bytes)
{
    QString text;
    for (int i = 0; i < 4 && bytes[i] != 0; ++i)
        text.append(QChar(bytes[i]));
    return text;
}

// Name text: every zero byte is skipped, so "T" 0 0 0 reads "T".
QString nameText(const uchar *bytes)
{
    QString text;
    for (int i = 0; i < 4; ++i) {
        if (bytes[i] != 0)
            text.append(QChar(bytes[i]));
    }
    return text;
}

int count16(const uchar *bytes)
{
    return (int(bytes[0]) << 8) | int(bytes[1]);
}

QString recordKind(uchar kind)
{
    switch (kind) {
    case 1:
        return QStringLiteral("T");
    case 2:
        return QStringLiteral("S");
    case 255:
        return QStringLiteral("noData");
    default:
        return QString();
    }
}

} // namespace

QByteArray hexTextToBytes(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    int high = -1;
    for (const QChar c : text) {
        const int value = hexDigitValue(c);
        // Spaces (and anything that is not a digit) are skipped; the system
        // only ever feeds its own digit texts through here.
        if (value < 0)
            continue;
        if (high < 0) {
            high = value;
        } else {
            bytes.append(char((high << 4) | value));
            high = -1;
        }
    }
    return bytes;
}

QString bytesToHexText(const QByteArray &bytes, const QString &separator)
{
    QString text;
    text.reserve(bytes.size() * (2 + separator.size()));
    for (int i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text.append(separator);
        text.append(twoDigits(quint8(bytes.at(i))));
    }
    return text;
}

quint8 checksum(const QByteArray &bytes)
{
    quint8 sum = 0;
    for (const char c : bytes)
        sum = quint8(sum + quint8(c));
    return quint8(0xFF - sum);
}

QString appendChecksum(const QString &textWithoutChecksum)
{
    const QByteArray bytes = hexTextToBytes(textWithoutChecksum);
    // The checksum covers N-1 bytes, N taken from the length byte; a text too
    // short to hold a length byte is summed as it stands.
    int covered = bytes.size();
    if (bytes.size() >= 3)
        covered = qBound(0, int(quint8(bytes.at(2))) - 1, int(bytes.size()));
    return textWithoutChecksum + twoDigits(checksum(bytes.left(covered)));
}

QByteArray buildFrame(const QString &textWithoutChecksum)
{
    return hexTextToBytes(appendChecksum(textWithoutChecksum));
}

int lightModeCode(const QString &name)
{
    return indexOf(lightModeNames, name);
}

int lightSourceCode(const QString &name)
{
    return indexOf(lightSourceRequestNames, name);
}

int caliberCode(const QString &name)
{
    return indexOf(caliberNames, name);
}

QString lightModeName(int code)
{
    return nameAt(lightModeNames, code);
}

QString lightSourceReplyName(int code)
{
    return nameAt(lightSourceReplyNames, code);
}

QString caliberName(int code)
{
    return nameAt(caliberNames, code);
}

QString colorSpaceName(int code)
{
    return nameAt(colorSpaceNames, code);
}

QString formulaName(int code)
{
    const QString name = nameAt(formulaNames, code);
    return name.isEmpty() ? formulaNames[0] : name;
}

QByteArray encodeRequestValue(float value)
{
    QByteArray bytes(4, '\0');
    if (std::isnan(value))
        return bytes;
    if (value < 0)
        bytes[0] = char(0xFF);
    // Single precision on purpose: 1.13 must give 11300, not 11299.
    const float scaled = std::fabs(value) * 10000.0f;
    // Anything past 24 bits cannot be said in the frame; the largest
    // magnitude is sent instead of a wrapped-around one.
    const quint32 magnitude =
        scaled >= float(largestMagnitude) ? largestMagnitude : quint32(scaled);
    bytes[1] = char((magnitude >> 16) & 0xFF);
    bytes[2] = char((magnitude >> 8) & 0xFF);
    bytes[3] = char(magnitude & 0xFF);
    return bytes;
}

QString encodeRequestValueText(float value)
{
    return bytesToHexText(encodeRequestValue(value));
}

float decodeMagnitude(const uchar *bytes)
{
    const quint32 m = (quint32(bytes[0]) << 16) | (quint32(bytes[1]) << 8) | quint32(bytes[2]);
    return float(double(m) / 10000.0);
}

float decodeSignedValue(uchar signByte, const uchar *bytes)
{
    const float value = decodeMagnitude(bytes);
    return signByte == 0xFF ? 0 - value : value;
}

bool composeMeasurementRequest(RequestCode code, const QString &lightMode,
                               const QString &lightSource, QByteArray *frame, QString *why)
{
    QString text;
    if (!measurementRequestText(code, lightMode, lightSource, &text, why))
        return false;
    if (frame)
        *frame = buildFrame(text);
    return true;
}

bool measurementRequestText(RequestCode code, const QString &lightMode, const QString &lightSource,
                            QString *text, QString *why)
{
    const char *head = nullptr;
    if (code == TypeMeasurementRequest)
        head = typeMeasurementHeadText;
    else if (code == SampleMeasurementRequest)
        head = sampleMeasurementHeadText;
    if (!head) {
        if (why)
            *why = QCoreApplication::translate("serialPortRk",
                                               "Request 0x%1 is not a measurement request.")
                       .arg(twoDigits(quint8(code)));
        return false;
    }
    const int mode = lightModeCode(lightMode);
    if (mode < 0) {
        if (why)
            *why = unknownLightMode(lightMode);
        return false;
    }
    const int source = lightSourceCode(lightSource);
    if (source < 0) {
        if (why)
            *why = unknownLightSource(lightSource);
        return false;
    }
    if (text)
        *text = QLatin1String(head) + twoDigits(quint8(mode)) + twoDigits(quint8(source));
    return true;
}

bool sendTypeRequestText(const QString &lightMode, const QString &lightSource, float L, float a,
                         float b, int readingsPerAverage, const QString &caliber, QString *text,
                         QString *why)
{
    const int mode = lightModeCode(lightMode);
    if (mode < 0) {
        if (why)
            *why = unknownLightMode(lightMode);
        return false;
    }
    const int source = lightSourceCode(lightSource);
    if (source < 0) {
        if (why)
            *why = unknownLightSource(lightSource);
        return false;
    }
    const int aperture = caliberCode(caliber);
    if (aperture < 0) {
        if (why)
            *why =
                QCoreApplication::translate(
                    "serialPortRk", "The caliber \"%1\" has no instrument code; nothing is sent.")
                    .arg(caliber);
        return false;
    }
    if (readingsPerAverage < 0 || readingsPerAverage > 255) {
        if (why)
            *why = QCoreApplication::translate(
                       "serialPortRk",
                       "%1 readings per average do not fit the request; nothing is sent.")
                       .arg(readingsPerAverage);
        return false;
    }
    if (text) {
        *text = QStringLiteral("55AA19C8") + QStringLiteral("54") + QStringLiteral("000000") +
                twoDigits(quint8(mode)) + twoDigits(quint8(source)) + encodeRequestValueText(L) +
                encodeRequestValueText(a) + encodeRequestValueText(b) +
                twoDigits(quint8(readingsPerAverage)) + twoDigits(quint8(aperture));
    }
    return true;
}

bool composeSendTypeRequest(const QString &lightMode, const QString &lightSource, float L, float a,
                            float b, int readingsPerAverage, const QString &caliber,
                            QByteArray *frame, QString *why)
{
    QString text;
    if (!sendTypeRequestText(lightMode, lightSource, L, a, b, readingsPerAverage, caliber, &text,
                             why))
        return false;
    if (frame)
        *frame = buildFrame(text);
    return true;
}

int minimumReplyLength(ReplyCode code)
{
    switch (code) {
    case KeepAliveReply:
        return 5;
    case InfoReply:
        return 22;
    case WhiteCalibrationReply:
    case BlackCalibrationReply:
        return 6;
    case TypeMeasurementReply:
    case SampleMeasurementReply:
        return 23;
    case RecordReply:
        return 34;
    case NoMoreRecordsReply:
        return 5;
    case SendTypeReply:
        return 9;
    case WhitenessReply:
        return 23;
    }
    return -1;
}

std::optional<Reply> parseReply(const QByteArray &buffer)
{
    if (buffer.size() >= maximumBufferSize || buffer.size() < smallestFrame)
        return std::nullopt;
    const uchar *f = reinterpret_cast<const uchar *>(buffer.constData());
    const int n = buffer.size();
    if (f[2] != n)
        return std::nullopt;
    if (f[0] != 0x55 || f[1] != 0xAA)
        return std::nullopt;
    if (quint8(f[n - 1]) != checksum(buffer.left(n - 1)))
        return std::nullopt;
    if (f[3] < KeepAliveReply || f[3] > WhitenessReply)
        return std::nullopt;
    const ReplyCode code = ReplyCode(f[3]);
    if (n < minimumReplyLength(code))
        return std::nullopt;

    Reply reply;
    reply.code = code;
    switch (code) {
    case KeepAliveReply:
    case NoMoreRecordsReply:
        break;
    case InfoReply: {
        InstrumentInfo &info = reply.info;
        info.model = modelText(f + 4);
        if (info.model == QLatin1String("QM64"))
            info.model = QStringLiteral("QM-64");
        info.lightSource = lightSourceReplyName(f[8]);
        info.caliber = caliberName(f[9]);
        info.lightMode = lightModeName(f[10]);
        info.colorSpace = colorSpaceName(f[11]);
        info.formula = formulaName(f[12]);
        info.typeCapacity = count16(f + 13);
        info.typeCount = count16(f + 15);
        info.sampleCapacity = count16(f + 17);
        info.sampleCount = count16(f + 19);
        break;
    }
    case WhiteCalibrationReply:
    case BlackCalibrationReply:
        reply.calibrationResult = (f[4] == 0 || f[4] == 1) ? int(f[4]) : -1;
        break;
    case TypeMeasurementReply:
    case SampleMeasurementReply:
    case WhitenessReply:
        // The whiteness reply has the measured colour's layout, signs
        // included: whites with optical brighteners are bluish (b* < 0), and
        // reading them without sign turns them yellowish.
        reply.L = decodeMagnitude(f + 11);
        reply.a = decodeSignedValue(f[14], f + 15);
        reply.b = decodeSignedValue(f[18], f + 19);
        break;
    case RecordReply: {
        StoredRecord &r = reply.record;
        r.kind = recordKind(f[4]);
        r.name = nameText(f + 5);
        r.lightMode = lightModeName(f[9]);
        r.lightSource = lightSourceReplyName(f[10]);
        r.L = decodeMagnitude(f + 12);
        r.a = decodeSignedValue(f[15], f + 16);
        r.b = decodeSignedValue(f[19], f + 20);
        const int year = count16(f + 23);
        r.timeStamp = QStringLiteral("%1-%2-%3 %4:%5:%6")
                          .arg(year)
                          .arg(int(f[25]))
                          .arg(int(f[26]))
                          .arg(int(f[27]))
                          .arg(int(f[28]))
                          .arg(int(f[29]));
        r.colorSpace = colorSpaceName(f[30]);
        r.formula = formulaName(f[31]);
        r.readings = f[32];
        // Copy the values the upload also keeps in the reply's colour fields.
        reply.L = r.L;
        reply.a = r.a;
        reply.b = r.b;
        break;
    }
    case SendTypeReply:
        reply.storedName = nameText(f + 4);
        break;
    }
    return reply;
}

QVector<Reply> parseReplies(const QByteArray &buffer, int *consumed)
{
    QVector<Reply> replies;
    int at = 0;
    while (buffer.size() - at >= smallestFrame) {
        const int n = quint8(buffer.at(at + 2));
        if (n < smallestFrame || n > buffer.size() - at)
            break;
        const std::optional<Reply> reply = parseReply(buffer.mid(at, n));
        if (!reply)
            break;
        replies.append(*reply);
        at += n;
    }
    if (consumed)
        *consumed = at;
    return replies;
}

} // namespace frameCodec
