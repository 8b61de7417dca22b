#ifndef QCM_FRAMECODEC_H
#define QCM_FRAMECODEC_H

// The instrument's binary frame protocol: 0x55 0xAA, total length, code,
// payload, checksum.  Pure functions over bytes and texts; nothing here knows
// about ports, timers or widgets, so the codec can be tested and fuzzed alone.

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>
#include <optional>

namespace frameCodec {

// Request codes (computer to instrument).
enum RequestCode : quint8
{
    KeepAliveRequest = 0xC0,
    InfoRequest = 0xC1,
    WhiteCalibrationRequest = 0xC2,
    BlackCalibrationRequest = 0xC3,
    TypeMeasurementRequest = 0xC4,
    SampleMeasurementRequest = 0xC5,
    FirstRecordRequest = 0xC6,
    NextRecordRequest = 0xC7,
    SendTypeRequest = 0xC8,
    WhitenessRequest = 0xC9,
};

// Reply codes (instrument to computer).
enum ReplyCode : quint8
{
    KeepAliveReply = 0xA0,
    InfoReply = 0xA1,
    WhiteCalibrationReply = 0xA2,
    BlackCalibrationReply = 0xA3,
    TypeMeasurementReply = 0xA4,
    SampleMeasurementReply = 0xA5,
    RecordReply = 0xA6,
    NoMoreRecordsReply = 0xA7,
    SendTypeReply = 0xA8,
    WhitenessReply = 0xA9,
};

// The fixed request frames, in the hexadecimal text form the link writes.
extern const char *const keepAliveFrameText;        // "55AA05C03B"
extern const char *const infoFrameText;             // "55AA05C13A"
extern const char *const whiteCalibrationFrameText; // "55AA05C239"
extern const char *const blackCalibrationFrameText; // "55AA05C338"
extern const char *const typeMeasurementHeadText;   // "55AA0BC4FFFFFFFF"
extern const char *const sampleMeasurementHeadText; // "55AA0BC5FFFFFFFF"
extern const char *const firstRecordFrameText;      // "55AA05C635"
extern const char *const nextRecordFrameText;       // "55AA05C734"
extern const char *const whitenessFrameText;        // "55AA0BC9FFFFFFFF00022E"

// Pairs of hexadecimal digits to bytes, left to right; a space between pairs
// is skipped and a lone last digit dropped.
QByteArray hexTextToBytes(const QString &text);

// Bytes to upper-case digit pairs, joined by `separator` ("55AA05C03B" by
// default; pass " " for logs).
QString bytesToHexText(const QByteArray &bytes, const QString &separator = QString());

// 0xFF minus the low byte of the sum of the given bytes.
quint8 checksum(const QByteArray &bytes);

// The frame text with its checksum appended as two upper-case digits; the
// checksum covers the first N-1 bytes, N read from byte 2 of the text.
QString appendChecksum(const QString &textWithoutChecksum);

// The complete frame as bytes, checksum appended.
QByteArray buildFrame(const QString &textWithoutChecksum);

// Condition codes; -1 when the name has no code.
int lightModeCode(const QString &name);   // "SCI" 0, "SCE" 1
int lightSourceCode(const QString &name); // system names: "A" 0 ... "F12(U30)" 7
int caliberCode(const QString &name);     // "8mm" 0, "4mm" 1, "16mm" 2, "40mm" 3

// Names read from a reply; an empty string for a code outside the table
// (the receiving field then keeps what it had), except the formula, which
// falls back to "ΔELab".
QString lightModeName(int code);
QString lightSourceReplyName(int code); // "A", "D50", "D65", "C", "F2", "F7", "F11", "F12"
QString caliberName(int code);
QString colorSpaceName(int code); // "CIE1976LAB" ... "Whiteness/Yellowness"
QString formulaName(int code);    // "ΔELab" ... "ΔE00", "ΔELab" for any other

// Request value: sign byte (0x00 / 0xFF) and the 24-bit magnitude of
// |value| * 10000 (single precision, truncated toward zero).
QByteArray encodeRequestValue(float value);
QString encodeRequestValueText(float value); // the same as eight upper-case digits

// Reply magnitude: three bytes big-endian / 10000; negated when the sign byte
// reads 0xFF.  `bytes` must hold three bytes.
float decodeMagnitude(const uchar *bytes);
float decodeSignedValue(uchar signByte, const uchar *bytes);

// Request 0xC4 / 0xC5 for the given condition names.  Returns false, leaving
// `frame` untouched and naming the unknown condition in `why`, when a
// name has no code.
bool composeMeasurementRequest(RequestCode code, const QString &lightMode,
                               const QString &lightSource, QByteArray *frame, QString *why);

// The same request as text without its checksum, the form in which the
// link's measurement slots pass a frame on.
bool measurementRequestText(RequestCode code, const QString &lightMode, const QString &lightSource,
                            QString *text, QString *why);

// Request 0xC8 as text without its checksum (the form the Type Data Input
// dialog hands to the link, which appends the checksum).  Refused, naming the
// cause in `why`, when the light mode, light source or caliber has no code or
// the readings do not fit one byte.
bool sendTypeRequestText(const QString &lightMode, const QString &lightSource, float L, float a,
                         float b, int readingsPerAverage, const QString &caliber, QString *text,
                         QString *why);

// Request 0xC8: a Type's data for the instrument's store.
bool composeSendTypeRequest(const QString &lightMode, const QString &lightSource, float L, float a,
                            float b, int readingsPerAverage, const QString &caliber,
                            QByteArray *frame, QString *why);

// Fields of reply 0xA1.  An empty name means "code outside its table: keep
// the previous value".
struct InstrumentInfo
{
    QString model; // "QM64" is already stored as "QM-64"
    QString lightSource;
    QString caliber;
    QString lightMode;
    QString colorSpace;
    QString formula;
    int typeCapacity = 0;
    int typeCount = 0;
    int sampleCapacity = 0;
    int sampleCount = 0;
};

// Fields of reply 0xA6: one record of the instrument's store.
struct StoredRecord
{
    QString kind; // "T", "S", "noData", or empty for an unknown kind byte
    QString name;
    QString lightMode;   // empty: outside the table
    QString lightSource; // reply name; empty: outside the table
    float L = 0, a = 0, b = 0;
    QString timeStamp;  // "2019-3-5 9:7:3"
    QString colorSpace; // empty: outside the table
    QString formula;
    int readings = 0;
};

struct Reply
{
    ReplyCode code = KeepAliveReply;
    int calibrationResult = -1; // 0xA2 / 0xA3: 1 succeeded, 0 failed, -1 any other byte
    float L = 0, a = 0, b = 0;  // 0xA4, 0xA5, 0xA9, and 0xA6 (the record's colour)
    InstrumentInfo info;        // 0xA1
    StoredRecord record;        // 0xA6
    QString storedName;         // 0xA8
};

// The acceptance rule applied to a whole receive buffer: exactly one frame
// with a good header, length and checksum, a reply code 0xA0 to 0xA9 and at
// least the minimum length of that code.  Anything else gives no reply.
std::optional<Reply> parseReply(const QByteArray &buffer);

// Replies that reached the port together: the whole frames, each accepted by
// parseReply, that follow one another from the first byte of `buffer`.  The
// walk stops at the first bytes that are no whole frame; `consumed` is set to
// the bytes the returned replies took.  A buffer that is exactly one frame
// gives that one reply.
QVector<Reply> parseReplies(const QByteArray &buffer, int *consumed = nullptr);

// The smallest frame length that holds every byte read from a reply code.
int minimumReplyLength(ReplyCode code);

} // namespace frameCodec

#endif
