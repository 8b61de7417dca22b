// The frame codec against hand-made and recorded frames.  Every expected byte
// below comes from the frame tables, and every checksum the tests need is
// summed here, not by the codec under test.

#include "frameCodec.h"

#include <QFile>
#include <QtTest>

#include <cmath>

using namespace frameCodec;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}

quint8 independentChecksum(const QByteArray &bytes, int count)
{
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum += quint8(bytes.at(i));
    return quint8(~sum & 0xFF);
}

// A reply with a correct checksum; `length` overrides the length byte (and
// the frame is still cut to that length).
QByteArray replyFrame(quint8 code, const QByteArray &payload, int length = -1)
{
    QByteArray f;
    f.append(char(0x55)).append(char(0xAA));
    const int n = length < 0 ? payload.size() + 5 : length;
    f.append(char(n)).append(char(code)).append(payload.left(qMax(0, n - 5)));
    while (f.size() < n - 1)
        f.append('\0');
    f.append(char(independentChecksum(f, f.size())));
    return f;
}

QByteArray colourPayload(quint8 signA, const char *aMagnitude, quint8 signB = 0x00)
{
    // bytes 4-10 uninterpreted, L* 50 at 11-13, a* with its sign, b* 3.5 with its sign
    return hex("00000000000200") + hex("07A120") + QByteArray(1, char(signA)) + hex(aMagnitude) +
           QByteArray(1, char(signB)) + hex("0088B8");
}

QByteArray infoPayload(const QByteArray &model, quint8 source, quint8 caliber, quint8 mode,
                       quint8 space, quint8 formula)
{
    QByteArray p = model.leftJustified(4, '\0', true);
    p.append(char(source)).append(char(caliber)).append(char(mode)).append(char(space));
    p.append(char(formula));
    p.append(hex("0064 0002 03E8 0003")); // 100, 2, 1000, 3
    return p;
}

QByteArray recordPayload(quint8 kind, const QByteArray &name, const QByteArray &dateTime)
{
    QByteArray p(1, char(kind));
    p.append(name.leftJustified(4, '\0', true));
    p.append(hex("0002 00 07A120 FF0030D4 000088B8"));
    p.append(dateTime); // year (2 bytes), month, day, hour, minute, second
    p.append(hex("00 00 03"));
    return p;
}

// Frames recorded from an instrument, one buffer per line, '#' starts a comment.
QList<QByteArray> recordedFrames(const QString &fileName)
{
    QList<QByteArray> frames;
    QFile file(qEnvironmentVariable("QCM_SOURCE_DIR") + QStringLiteral("/tests/instrument/data/") +
               fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return frames;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        frames.append(QByteArray::fromHex(line));
    }
    return frames;
}

const QString delta = QString(QChar(0x0394));

} // namespace

class tst_frameCodec : public QObject
{
    Q_OBJECT

private slots:
    void fixedFrames_data();
    void fixedFrames();
    void hexText_data();
    void hexText();
    void appendChecksum_data();
    void appendChecksum();
    void requestValue_data();
    void requestValue();
    void measurementRequest_data();
    void measurementRequest();
    void sendTypeRequest_data();
    void sendTypeRequest();
    void rejected_data();
    void rejected();
    void accepted_data();
    void accepted();
    void repliesTogether_data();
    void repliesTogether();
    void colourSigns_data();
    void colourSigns();
    void instrumentInfo_data();
    void instrumentInfo();
    void calibrationResult_data();
    void calibrationResult();
    void storedRecord_data();
    void storedRecord();
    void conditionNames();
    void recordedMeasurements();
    void recordedUpload();
    void recordedCalibrationAndSend();
};

void tst_frameCodec::fixedFrames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("requestCode");
    QTest::newRow("keep-alive") << QString(keepAliveFrameText) << 0xC0;
    QTest::newRow("info") << QString(infoFrameText) << 0xC1;
    QTest::newRow("white") << QString(whiteCalibrationFrameText) << 0xC2;
    QTest::newRow("black") << QString(blackCalibrationFrameText) << 0xC3;
    QTest::newRow("first record") << QString(firstRecordFrameText) << 0xC6;
    QTest::newRow("next record") << QString(nextRecordFrameText) << 0xC7;
    QTest::newRow("whiteness") << QString(whitenessFrameText) << 0xC9;
}

void tst_frameCodec::fixedFrames()
{
    QFETCH(QString, text);
    QFETCH(int, requestCode);
    const QByteArray bytes = hexTextToBytes(text);
    QCOMPARE(bytes.size(), int(quint8(bytes.at(2))));
    QCOMPARE(int(quint8(bytes.at(3))), requestCode);
    QCOMPARE(quint8(bytes.back()), independentChecksum(bytes, bytes.size() - 1));
    QCOMPARE(checksum(bytes.left(bytes.size() - 1)), quint8(bytes.back()));
    // Composing the frame again from its text without the checksum gives it back.
    QCOMPARE(buildFrame(text.left(text.size() - 2)), bytes);
}

void tst_frameCodec::hexText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("frame") << "55AA05C03B" << hex("55AA05C03B");
    QTest::newRow("lower case") << "55aa0bc4ffffffff" << hex("55AA0BC4FFFFFFFF");
    QTest::newRow("spaces") << "55 AA 05 C0 3B" << hex("55AA05C03B");
    QTest::newRow("lone last digit") << "55AA0" << hex("55AA");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("every digit") << "0123456789ABCDEFabcdef" << hex("0123456789ABCDEFABCDEF");
}

void tst_frameCodec::hexText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(hexTextToBytes(text), bytes);
    QCOMPARE(hexTextToBytes(bytesToHexText(bytes)), bytes);
}

void tst_frameCodec::appendChecksum_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("frame");
    QTest::newRow("keep-alive") << "55AA05C0"
                                << "55AA05C03B";
    QTest::newRow("leading zero") << "55AA06A24E"
                                  << "55AA06A24E0A";
    QTest::newRow("type measurement") << "55AA0BC4FFFFFFFF0002"
                                      << "55AA0BC4FFFFFFFF000233";
    // Only the N-1 bytes the length byte names are summed.
    QTest::newRow("past the length") << "55AA05C0FF"
                                     << "55AA05C0FF3B";
}

void tst_frameCodec::appendChecksum()
{
    QFETCH(QString, text);
    QFETCH(QString, frame);
    QCOMPARE(frameCodec::appendChecksum(text), frame);
}

void tst_frameCodec::requestValue_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("128") << 128.0f << hex("00138800");
    QTest::newRow("-0.01") << -0.01f << hex("FF000064");
    QTest::newRow("1.13") << 1.13f << hex("00002C24");
    QTest::newRow("-1.25") << -1.25f << hex("FF0030D4");
    QTest::newRow("50") << 50.0f << hex("0007A120");
    QTest::newRow("3.5") << 3.5f << hex("000088B8");
    QTest::newRow("zero") << 0.0f << hex("00000000");
    QTest::newRow("negative zero") << -0.0f << hex("00000000");
    QTest::newRow("truncated") << 0.00019f << hex("00000001");
    // Out of the 24-bit range: the largest magnitude, never a wrapped one.
    QTest::newRow("too large") << 2000.0f << hex("00FFFFFF");
    QTest::newRow("too small") << -2000.0f << hex("FFFFFFFF");
    QTest::newRow("not a number") << std::nanf("") << hex("00000000");
}

void tst_frameCodec::requestValue()
{
    QFETCH(float, value);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeRequestValue(value), bytes);
    QCOMPARE(encodeRequestValueText(value), QString::fromLatin1(bytes.toHex().toUpper()));
}

void tst_frameCodec::measurementRequest_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("lightMode");
    QTest::addColumn<QString>("lightSource");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QString>("whyMentions");
    QTest::newRow("type SCI D65") << 0xC4 << "SCI"
                                  << "D65" << hex("55AA0BC4FFFFFFFF000233") << "";
    QTest::newRow("sample SCE F11") << 0xC5 << "SCE"
                                    << "F11(TL84)" << hex("55AA0BC5FFFFFFFF01062D") << "";
    QTest::newRow("sample SCI F12") << 0xC5 << "SCI"
                                    << "F12(U30)" << hex("55AA0BC5FFFFFFFF00072D") << "";
    QTest::newRow("reply name is no request name") << 0xC4 << "SCI"
                                                   << "F11" << QByteArray() << "F11";
    QTest::newRow("empty light source") << 0xC4 << "SCI"
                                        << "" << QByteArray() << "light source";
    QTest::newRow("unknown light mode") << 0xC5 << "sci"
                                        << "D65" << QByteArray() << "sci";
    QTest::newRow("not a measurement") << 0xC9 << "SCI"
                                       << "D65" << QByteArray() << "Request 0xC9 is";
}

void tst_frameCodec::measurementRequest()
{
    QFETCH(int, code);
    QFETCH(QString, lightMode);
    QFETCH(QString, lightSource);
    QFETCH(QByteArray, frame);
    QFETCH(QString, whyMentions);
    const QByteArray untouched("untouched");
    QByteArray composed = untouched;
    QString why;
    const bool ok =
        composeMeasurementRequest(RequestCode(code), lightMode, lightSource, &composed, &why);
    QCOMPARE(ok, !frame.isEmpty());
    if (ok) {
        QCOMPARE(composed, frame);
        QCOMPARE(quint8(composed.back()), independentChecksum(composed, composed.size() - 1));
        QString text;
        QVERIFY(measurementRequestText(RequestCode(code), lightMode, lightSource, &text, &why));
        QCOMPARE(hexTextToBytes(text), frame.left(frame.size() - 1));
    } else {
        QCOMPARE(composed, untouched);
        QVERIFY2(why.contains(whyMentions), qPrintable(why));
    }
}

void tst_frameCodec::sendTypeRequest_data()
{
    QTest::addColumn<QString>("lightMode");
    QTest::addColumn<QString>("lightSource");
    QTest::addColumn<float>("L");
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<int>("readings");
    QTest::addColumn<QString>("caliber");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("SCI D65") << "SCI"
                             << "D65" << 50.0f << -1.25f << 3.5f << 1 << "8mm"
                             << hex("55AA19C854000000 0002 0007A120 FF0030D4 000088B8 0100BD");
    QTest::newRow("SCE F11") << "SCE"
                             << "F11(TL84)" << 50.0f << -1.25f << 3.5f << 1 << "8mm"
                             << hex("55AA19C854000000 0106 0007A120 FF0030D4 000088B8 0100B8");
    QTest::newRow("40mm, 32 readings")
        << "SCI"
        << "A" << 100.0f << 128.0f << -128.0f << 32 << "40mm"
        << hex("55AA19C854000000 0000 000F4240 00138800 FF138800 2003") + QByteArray(1, char(0xE2));
    QTest::newRow("no caliber") << "SCI"
                                << "D65" << 50.0f << 0.0f << 0.0f << 1 << "" << QByteArray();
    QTest::newRow("unknown caliber")
        << "SCI"
        << "D65" << 50.0f << 0.0f << 0.0f << 1 << "5mm" << QByteArray();
    QTest::newRow("no light source") << "SCI"
                                     << "" << 50.0f << 0.0f << 0.0f << 1 << "8mm" << QByteArray();
    QTest::newRow("no light mode") << ""
                                   << "D65" << 50.0f << 0.0f << 0.0f << 1 << "8mm" << QByteArray();
    QTest::newRow("readings past a byte")
        << "SCI"
        << "D65" << 50.0f << 0.0f << 0.0f << 256 << "8mm" << QByteArray();
}

void tst_frameCodec::sendTypeRequest()
{
    QFETCH(QString, lightMode);
    QFETCH(QString, lightSource);
    QFETCH(float, L);
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(int, readings);
    QFETCH(QString, caliber);
    QFETCH(QByteArray, frame);
    QByteArray composed;
    QString why;
    const bool ok =
        composeSendTypeRequest(lightMode, lightSource, L, a, b, readings, caliber, &composed, &why);
    QCOMPARE(ok, !frame.isEmpty());
    if (!ok) {
        QVERIFY(composed.isEmpty());
        QVERIFY(!why.isEmpty());
        return;
    }
    QCOMPARE(composed.size(), 25);
    QCOMPARE(quint8(composed.back()), independentChecksum(composed, 24));
    QCOMPARE(composed, frame);
    QString text;
    QVERIFY(sendTypeRequestText(lightMode, lightSource, L, a, b, readings, caliber, &text, &why));
    QCOMPARE(text.size(), 48);
    QCOMPARE(buildFrame(text), frame);
}

void tst_frameCodec::rejected_data()
{
    QTest::addColumn<QByteArray>("buffer");
    const QByteArray a4 = replyFrame(0xA4, colourPayload(0xFF, "0030D4"));
    const QByteArray a0 = replyFrame(0xA0, QByteArray());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << hex("55");
    QTest::newRow("four bytes, length four") << hex("55AA04A0");
    QTest::newRow("four bytes of a keep-alive reply") << a0.left(4);
    QTest::newRow("truncated") << a4.left(22);
    QTest::newRow("two replies") << a4 + a0;
    QTest::newRow("trailing byte") << a4 + QByteArray(1, '\0');
    QByteArray corrupted = a4;
    corrupted[22] = char(corrupted.at(22) ^ 0x01);
    QTest::newRow("checksum") << corrupted;
    QByteArray payloadFlip = a4;
    payloadFlip[12] = char(payloadFlip.at(12) + 1);
    QTest::newRow("payload changed") << payloadFlip;
    QByteArray header = a4;
    header[0] = char(0x54);
    header[22] = char(independentChecksum(header, 22));
    QTest::newRow("header") << header;
    QTest::newRow("request code") << replyFrame(0xC0, QByteArray());
    QTest::newRow("code below") << replyFrame(0x9F, QByteArray());
    QTest::newRow("code above") << replyFrame(0xAA, QByteArray(30, '\0'));
    QTest::newRow("info short") << replyFrame(0xA1, infoPayload("PX71", 2, 0, 0, 0, 0), 21);
    QTest::newRow("white short") << replyFrame(0xA2, QByteArray(), 5);
    QTest::newRow("black short") << replyFrame(0xA3, QByteArray(), 5);
    QTest::newRow("type short") << replyFrame(0xA4, colourPayload(0, "0030D4"), 22);
    QTest::newRow("sample short") << replyFrame(0xA5, colourPayload(0, "0030D4"), 22);
    QTest::newRow("record short") << replyFrame(
        0xA6, recordPayload(1, "T005", hex("07E30305090703")), 33);
    QTest::newRow("name short") << replyFrame(0xA8, QByteArray("T012"), 8);
    QTest::newRow("whiteness short") << replyFrame(0xA9, colourPayload(0, "0030D4"), 22);
    QTest::newRow("65535 bytes") << (a0 + QByteArray(65535 - a0.size(), '\0'));
    QTest::newRow("70000 bytes") << (a4 + QByteArray(70000 - a4.size(), '\0'));
}

void tst_frameCodec::rejected()
{
    QFETCH(QByteArray, buffer);
    // Copy into an exactly sized allocation so that a read past the end is
    // caught by the address sanitizer of the sanitizer build.
    QByteArray exact(buffer.constData(), buffer.size());
    QVERIFY(!parseReply(exact).has_value());
}

void tst_frameCodec::accepted_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<int>("code");
    QTest::newRow("keep-alive") << replyFrame(0xA0, QByteArray()) << 0xA0;
    QTest::newRow("no more records") << replyFrame(0xA7, QByteArray()) << 0xA7;
    QTest::newRow("longer than needed")
        << replyFrame(0xA4, colourPayload(0, "0030D4") + "xyz") << 0xA4;
    QTest::newRow("longest frame") << replyFrame(0xA0, QByteArray(250, '\x7F')) << 0xA0;
    QTest::newRow("record") << replyFrame(0xA6, recordPayload(2, "S001", hex("07E30305090703")))
                            << 0xA6;
}

void tst_frameCodec::accepted()
{
    QFETCH(QByteArray, buffer);
    QFETCH(int, code);
    const auto reply = parseReply(buffer);
    QVERIFY(reply.has_value());
    QCOMPARE(int(reply->code), code);
}

// Whole frames that reached the port together are taken one by one from the
// first byte on; the walk ends at the first bytes that are no whole frame.
void tst_frameCodec::repliesTogether_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<int>("consumed");
    const QByteArray a0 = replyFrame(0xA0, QByteArray());
    const QByteArray a4 = replyFrame(0xA4, colourPayload(0xFF, "0030D4"));
    const QByteArray a5 = replyFrame(0xA5, colourPayload(0x00, "0030D4"));
    QByteArray badSum = a5;
    badSum[badSum.size() - 1] = char(badSum.back() ^ 0x01);
    QTest::newRow("one") << a4 << QList<int>{0xA4} << a4.size();
    QTest::newRow("keep-alive, then reading")
        << a0 + a4 << QList<int>{0xA0, 0xA4} << a0.size() + a4.size();
    QTest::newRow("reading, then keep-alive")
        << a5 + a0 << QList<int>{0xA5, 0xA0} << a5.size() + a0.size();
    QTest::newRow("three") << a0 + a4 + a5 << QList<int>{0xA0, 0xA4, 0xA5}
                           << a0.size() + a4.size() + a5.size();
    QTest::newRow("reading, then a reply cut short")
        << a4 + a0.left(3) << QList<int>{0xA4} << a4.size();
    QTest::newRow("reading, then a bad checksum") << a4 + badSum << QList<int>{0xA4} << a4.size();
    QTest::newRow("garbage first") << hex("001337") + a4 << QList<int>{} << 0;
    QTest::newRow("bad checksum first") << badSum + a4 << QList<int>{} << 0;
    QTest::newRow("short reading first")
        << replyFrame(0xA4, colourPayload(0, "0030D4"), 22) + a0 << QList<int>{} << 0;
    QTest::newRow("empty") << QByteArray() << QList<int>{} << 0;
}

void tst_frameCodec::repliesTogether()
{
    QFETCH(QByteArray, buffer);
    QFETCH(QList<int>, codes);
    QFETCH(int, consumed);
    QByteArray exact(buffer.constData(), buffer.size());
    int taken = -1;
    const QVector<Reply> replies = parseReplies(exact, &taken);
    QList<int> got;
    for (const Reply &r : replies)
        got << int(r.code);
    QCOMPARE(got, codes);
    QCOMPARE(taken, consumed);
    // The reading keeps its values whatever stands beside it.
    for (const Reply &r : replies) {
        if (r.code == TypeMeasurementReply)
            QCOMPARE(r.a, -1.25f);
    }
}

void tst_frameCodec::colourSigns_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("signA");
    QTest::addColumn<int>("signB");
    QTest::addColumn<float>("expectedA");
    QTest::addColumn<float>("expectedB");
    QTest::newRow("type, FF") << 0xA4 << 0xFF << 0x00 << -1.25f << 3.5f;
    QTest::newRow("type, 00") << 0xA4 << 0x00 << 0x00 << 1.25f << 3.5f;
    QTest::newRow("type, FE") << 0xA4 << 0xFE << 0x00 << 1.25f << 3.5f;
    QTest::newRow("type, b FF") << 0xA4 << 0x00 << 0xFF << 1.25f << -3.5f;
    QTest::newRow("sample, FF") << 0xA5 << 0xFF << 0x00 << -1.25f << 3.5f;
    QTest::newRow("sample, both FF") << 0xA5 << 0xFF << 0xFF << -1.25f << -3.5f;
    // The whiteness reply follows the same sign rule: a bluish white has a
    // negative b*.
    QTest::newRow("whiteness, a FF") << 0xA9 << 0xFF << 0x00 << -1.25f << 3.5f;
    QTest::newRow("whiteness, b FF") << 0xA9 << 0x00 << 0xFF << 1.25f << -3.5f;
    QTest::newRow("whiteness, both FF") << 0xA9 << 0xFF << 0xFF << -1.25f << -3.5f;
    QTest::newRow("whiteness, 00") << 0xA9 << 0x00 << 0x00 << 1.25f << 3.5f;
    QTest::newRow("whiteness, FE") << 0xA9 << 0xFE << 0x01 << 1.25f << 3.5f;
}

void tst_frameCodec::colourSigns()
{
    QFETCH(int, code);
    QFETCH(int, signA);
    QFETCH(int, signB);
    QFETCH(float, expectedA);
    QFETCH(float, expectedB);
    const auto reply =
        parseReply(replyFrame(quint8(code), colourPayload(quint8(signA), "0030D4", quint8(signB))));
    QVERIFY(reply.has_value());
    QCOMPARE(reply->L, 50.0f);
    QCOMPARE(reply->a, expectedA);
    QCOMPARE(reply->b, expectedB);
}

void tst_frameCodec::instrumentInfo_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("names"); // model, source, caliber, mode, space, formula
    QTest::newRow("PX71") << infoPayload("PX71", 2, 0, 0, 0, 0)
                          << QStringList{"PX71", "D65", "8mm", "SCI", "CIE1976LAB", delta + "ELab"};
    QTest::newRow("QM64") << infoPayload("QM64", 4, 2, 1, 6, 4)
                          << QStringList{"QM-64",
                                         "F2",
                                         "16mm",
                                         "SCE",
                                         "Whiteness/Yellowness",
                                         delta + "EFCM" + QChar(0x2161)};
    QTest::newRow("codes outside the tables")
        << infoPayload("PX75", 9, 4, 2, 7, 12)
        << QStringList{"PX75", "", "", "", "", delta + "ELab"};
    QTest::newRow("short model") << infoPayload("PX7", 7, 3, 0, 5, 9)
                                 << QStringList{"PX7", "F12", "40mm", "SCI", "sRGB", delta + "E00"};
    QTest::newRow("model ends at zero")
        << infoPayload(QByteArray("P\0X7", 4), 6, 1, 1, 1, 8)
        << QStringList{"P", "F11", "4mm", "SCE", "CIELCH", delta + "ELch"};
}

void tst_frameCodec::instrumentInfo()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, names);
    const auto reply = parseReply(replyFrame(0xA1, payload));
    QVERIFY(reply.has_value());
    QCOMPARE(reply->code, InfoReply);
    const InstrumentInfo &info = reply->info;
    QCOMPARE(QStringList({info.model, info.lightSource, info.caliber, info.lightMode,
                          info.colorSpace, info.formula}),
             names);
    QCOMPARE(info.typeCapacity, 100);
    QCOMPARE(info.typeCount, 2);
    QCOMPARE(info.sampleCapacity, 1000);
    QCOMPARE(info.sampleCount, 3);
}

void tst_frameCodec::calibrationResult_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("byte4");
    QTest::addColumn<int>("result");
    QTest::newRow("white success") << 0xA2 << 1 << 1;
    QTest::newRow("white failed") << 0xA2 << 0 << 0;
    QTest::newRow("white other") << 0xA2 << 2 << -1;
    QTest::newRow("black success") << 0xA3 << 1 << 1;
    QTest::newRow("black other") << 0xA3 << 0xFF << -1;
}

void tst_frameCodec::calibrationResult()
{
    QFETCH(int, code);
    QFETCH(int, byte4);
    QFETCH(int, result);
    const auto reply = parseReply(replyFrame(quint8(code), QByteArray(1, char(byte4))));
    QVERIFY(reply.has_value());
    QCOMPARE(reply->calibrationResult, result);
}

void tst_frameCodec::storedRecord_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("dateTime");
    QTest::addColumn<QString>("kindText");
    QTest::addColumn<QString>("nameText");
    QTest::addColumn<QString>("timeStamp");
    QTest::newRow("T005") << 1 << QByteArray("T005") << hex("07E30305090703") << "T"
                          << "T005"
                          << "2019-3-5 9:7:3";
    QTest::newRow("short name") << 2 << QByteArray("T\0\0\0", 4) << hex("07E40C1F173B3B") << "S"
                                << "T"
                                << "2020-12-31 23:59:59";
    QTest::newRow("zero in the middle") << 1
                                        << QByteArray("S\0"
                                                      "01",
                                                      4)
                                        << hex("00000000000000") << "T"
                                        << "S01"
                                        << "0-0-0 0:0:0";
    QTest::newRow("empty record") << 255 << QByteArray(4, '\0') << hex("FFFF0A0B0C0D0E") << "noData"
                                  << ""
                                  << "65535-10-11 12:13:14";
    QTest::newRow("unknown kind") << 7 << QByteArray("S002") << hex("07E30101000000") << ""
                                  << "S002"
                                  << "2019-1-1 0:0:0";
}

void tst_frameCodec::storedRecord()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, dateTime);
    QFETCH(QString, kindText);
    QFETCH(QString, nameText);
    QFETCH(QString, timeStamp);
    const auto reply = parseReply(replyFrame(0xA6, recordPayload(quint8(kind), name, dateTime)));
    QVERIFY(reply.has_value());
    const StoredRecord &r = reply->record;
    QCOMPARE(r.kind, kindText);
    QCOMPARE(r.name, nameText);
    QCOMPARE(r.timeStamp, timeStamp);
    QCOMPARE(r.lightMode, QString("SCI"));
    QCOMPARE(r.lightSource, QString("D65"));
    QCOMPARE(r.L, 50.0f);
    QCOMPARE(r.a, -1.25f);
    QCOMPARE(r.b, 3.5f);
    QCOMPARE(r.readings, 3);
}

void tst_frameCodec::conditionNames()
{
    // Request names and reply names of the light sources differ; a reply name
    // must never be taken for a request name.
    QCOMPARE(lightSourceCode("F2(CWF)"), 4);
    QCOMPARE(lightSourceReplyName(4), QString("F2"));
    QCOMPARE(lightSourceCode("F2"), -1);
    QCOMPARE(lightSourceCode("F12(U30)"), 7);
    QCOMPARE(lightSourceReplyName(8), QString());
    QCOMPARE(lightSourceReplyName(-1), QString());
    QCOMPARE(caliberCode("16mm"), 2);
    QCOMPARE(caliberName(4), QString());
    QCOMPARE(lightModeCode("SCE"), 1);
    QCOMPARE(lightModeName(2), QString());
    QCOMPARE(colorSpaceName(4), QString("HunterLAB"));
    QCOMPARE(colorSpaceName(7), QString());
    // Greek capital delta, never the white triangle of the panel labels.
    QCOMPARE(formulaName(0), QString::fromUtf8("\xCE\x94"
                                               "ELab"));
    QCOMPARE(formulaName(4), QString::fromUtf8("\xCE\x94"
                                               "EFCM\xE2\x85\xA1"));
    QCOMPARE(formulaName(12), QString::fromUtf8("\xCE\x94"
                                                "ELab"));
    QCOMPARE(formulaName(255), QString::fromUtf8("\xCE\x94"
                                                 "ELab"));
    QVERIFY(!formulaName(0).contains(QChar(0x25B3)));
}

void tst_frameCodec::recordedMeasurements()
{
    const QList<QByteArray> frames = recordedFrames(QStringLiteral("measurements.hex"));
    QCOMPARE(frames.size(), 3);
    const auto type = parseReply(frames.at(0));
    QVERIFY(type.has_value());
    QCOMPARE(type->code, TypeMeasurementReply);
    QCOMPARE(type->L, 50.0f);
    QCOMPARE(type->a, -1.25f);
    QCOMPARE(type->b, 3.5f);
    const auto sample = parseReply(frames.at(1));
    QVERIFY(sample.has_value());
    QCOMPARE(sample->code, SampleMeasurementReply);
    QCOMPARE(sample->L, 62.3456f);
    QCOMPARE(sample->a, 12.0001f);
    QCOMPARE(sample->b, -0.5f);
    const auto whiteness = parseReply(frames.at(2));
    QVERIFY(whiteness.has_value());
    QCOMPARE(whiteness->code, WhitenessReply);
    QCOMPARE(whiteness->L, 95.12f);
    QCOMPARE(whiteness->a, -1.25f);
    QCOMPARE(whiteness->b, -3.5f);

    const QList<QByteArray> px71 = recordedFrames(QStringLiteral("a1_px71.hex"));
    QCOMPARE(px71.size(), 1);
    const auto info = parseReply(px71.first());
    QVERIFY(info.has_value());
    QCOMPARE(info->info.model, QString("PX71"));
    QCOMPARE(info->info.lightSource, QString("D65"));
    QCOMPARE(info->info.sampleCapacity, 1000);
    const QList<QByteArray> qm64 = recordedFrames(QStringLiteral("a1_qm64.hex"));
    QCOMPARE(qm64.size(), 1);
    const auto odd = parseReply(qm64.first());
    QVERIFY(odd.has_value());
    QCOMPARE(odd->info.model, QString("QM-64"));
    QCOMPARE(odd->info.lightSource, QString());
    QCOMPARE(odd->info.caliber, QString("4mm"));
    QCOMPARE(odd->info.lightMode, QString("SCE"));
    QCOMPARE(odd->info.colorSpace, QString());
    QCOMPARE(odd->info.formula, delta + "ELab");
    QCOMPARE(odd->info.typeCapacity, 200);
    QCOMPARE(odd->info.typeCount, 12);
    QCOMPARE(odd->info.sampleCapacity, 2000);
    QCOMPARE(odd->info.sampleCount, 345);
}

void tst_frameCodec::recordedUpload()
{
    const QList<QByteArray> frames = recordedFrames(QStringLiteral("upload.hex"));
    QCOMPARE(frames.size(), 7);
    QStringList kinds, names, stamps, sources, formulas;
    for (const QByteArray &f : frames) {
        const auto reply = parseReply(f);
        QVERIFY(reply.has_value());
        if (reply->code == NoMoreRecordsReply)
            break;
        QCOMPARE(reply->code, RecordReply);
        kinds << reply->record.kind;
        names << reply->record.name;
        stamps << reply->record.timeStamp;
        sources << reply->record.lightSource;
        formulas << reply->record.formula;
    }
    QCOMPARE(kinds, QStringList({"T", "S", "S", "T", "S", "noData"}));
    QCOMPARE(names, QStringList({"T005", "S001", "S002", "T", "S003", ""}));
    QCOMPARE(stamps.first(), QString("2019-3-5 9:7:3"));
    QCOMPARE(stamps.at(2), QString("2019-12-31 23:59:59"));
    QCOMPARE(sources, QStringList({"D65", "D65", "F11", "F12", "", "A"}));
    QCOMPARE(formulas.at(2), delta + "E00");
    QCOMPARE(formulas.at(4), delta + "ELab"); // code 12

    const auto third = parseReply(frames.at(2));
    QCOMPARE(third->record.lightMode, QString("SCE"));
    QCOMPARE(third->record.colorSpace, QString("CIELCH"));
    QCOMPARE(third->record.L, 49.9999f);
    QCOMPARE(third->record.a, 0.0001f);
    QCOMPARE(third->record.b, -2.0f);
    QCOMPARE(third->record.readings, 32);
    const auto fourth = parseReply(frames.at(3));
    QCOMPARE(fourth->record.readings, 255);
    QCOMPARE(fourth->record.colorSpace, QString("Whiteness/Yellowness"));
    QCOMPARE(fourth->record.a, 12.34f);
    QCOMPARE(fourth->record.b, -56.78f);

    // The whole upload arriving as one burst is not one frame.
    QVERIFY(!parseReply(frames.at(0) + frames.at(1)).has_value());
}

void tst_frameCodec::recordedCalibrationAndSend()
{
    const QList<QByteArray> frames = recordedFrames(QStringLiteral("calibration_and_send.hex"));
    QCOMPARE(frames.size(), 3);
    const auto white = parseReply(frames.at(0));
    const auto black = parseReply(frames.at(1));
    const auto sent = parseReply(frames.at(2));
    QVERIFY(white && black && sent);
    QCOMPARE(white->code, WhiteCalibrationReply);
    QCOMPARE(white->calibrationResult, 1);
    QCOMPARE(black->code, BlackCalibrationReply);
    QCOMPARE(black->calibrationResult, 0);
    QCOMPARE(sent->code, SendTypeReply);
    QCOMPARE(sent->storedName, QString("T012"));
}

QTEST_APPLESS_MAIN(tst_frameCodec)
#include "tst_frameCodec.moc"
