// qcm-emulator end to end: the real program on a real pseudo-terminal, spoken
// to through a real serial port.  Reply frames are checked byte by byte with
// a checksum summed here and decoded with the program's frame codec, so that
// the emulator and the codec check each other.

#include "frameCodec.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const int generous = 10000; // ms; only ever a limit, never a pace

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}

quint8 independentChecksum(const QByteArray &bytes, int count)
{
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum += quint8(bytes.at(i));
    return quint8(0xFF - (sum & 0xFF));
}

// A well-formed frame: header, length byte equal to its size, checksum.
bool wellFormed(const QByteArray &f)
{
    return f.size() >= 5 && quint8(f.at(0)) == 0x55 && quint8(f.at(1)) == 0xAA &&
           quint8(f.at(2)) == f.size() && quint8(f.back()) == independentChecksum(f, f.size() - 1);
}

const QString delta = QString(QChar(0x0394));

class emulatorRun
{
public:
    explicit emulatorRun(const QStringList &arguments)
    {
        const QString program = qEnvironmentVariable("QCM_BUILD_DIR") + "/qcm-emulator";
        process.setProgram(program);
        process.setArguments(arguments);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start();
        if (!process.waitForStarted(generous))
            return;
        QElapsedTimer timer;
        timer.start();
        while (!process.canReadLine() && timer.elapsed() < generous)
            process.waitForReadyRead(100);
        path = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~emulatorRun()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(generous))
                process.kill();
        }
    }
    // Stops the emulator and tells whether it ended cleanly.
    bool stop()
    {
        process.terminate();
        return process.waitForFinished(generous) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    QProcess process;
    QString path;
};

std::unique_ptr<QSerialPort> openPort(const QString &path)
{
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(path);
    if (!port->open(QIODevice::ReadWrite))
        return nullptr;
    port->setBaudRate(19200);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    return port;
}

// Reads until at least `count` bytes came or the generous limit passed.
QByteArray readAtLeast(QSerialPort *port, int count)
{
    QByteArray bytes = port->readAll();
    QElapsedTimer timer;
    timer.start();
    while (bytes.size() < count && timer.elapsed() < generous) {
        port->waitForReadyRead(100);
        bytes += port->readAll();
    }
    return bytes;
}

QByteArray exchange(QSerialPort *port, const QByteArray &request, int replyLength)
{
    port->write(request);
    port->waitForBytesWritten(generous);
    return readAtLeast(port, replyLength);
}

// Sends a request and reads one whole reply, as long as its length byte says.
QByteArray exchangeFrame(QSerialPort *port, const QByteArray &request)
{
    QByteArray bytes = exchange(port, request, 3);
    if (bytes.size() >= 3 && quint8(bytes.at(0)) == 0x55)
        bytes += readAtLeast(port, quint8(bytes.at(2)) - bytes.size());
    return bytes;
}

} // namespace

class tst_emulator : public QObject
{
    Q_OBJECT

private slots:
    void replies_data();
    void replies();
    void instrumentInformation();
    void sendType();
    void upload();
    void recordsFromFile();
    void generatedRecords();
    void requestsInPiecesAndGarbage();
    void staleHeaderIsSkipped();
    void reopenAfterClose();
    void silentRequest();
    void splitReply();
    void gluedReplies();
    void corruptedReplies();
    void calibrationFails();
    void hangUp();
    void badOptions();
};

void tst_emulator::replies_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("length");
    QTest::newRow("keep-alive") << hex("55AA05C03B") << 0xA0 << 5;
    QTest::newRow("info") << hex("55AA05C13A") << 0xA1 << 22;
    QTest::newRow("white") << hex("55AA05C239") << 0xA2 << 6;
    QTest::newRow("black") << hex("55AA05C338") << 0xA3 << 6;
    QTest::newRow("type") << hex("55AA0BC4FFFFFFFF000233") << 0xA4 << 23;
    QTest::newRow("sample") << hex("55AA0BC5FFFFFFFF01062D") << 0xA5 << 23;
    QTest::newRow("first record") << hex("55AA05C635") << 0xA6 << 34;
    QTest::newRow("next record, none started") << hex("55AA05C734") << 0xA7 << 5;
    QTest::newRow("whiteness") << hex("55AA0BC9FFFFFFFF00022E") << 0xA9 << 23;
}

void tst_emulator::replies()
{
    QFETCH(QByteArray, request);
    QFETCH(int, code);
    QFETCH(int, length);
    emulatorRun emulator({"--colors", "50,-1.25,3.5"});
    QVERIFY2(emulator.path.startsWith("/dev/"), qPrintable(emulator.path));
    auto port = openPort(emulator.path);
    QVERIFY(port);
    const QByteArray reply = exchange(port.get(), request, length);
    QCOMPARE(reply.size(), length);
    QVERIFY2(wellFormed(reply), reply.toHex(' ').constData());
    QCOMPARE(int(quint8(reply.at(3))), code);
    const auto decoded = frameCodec::parseReply(reply);
    QVERIFY(decoded.has_value());
    QCOMPARE(int(decoded->code), code);
    if (code == 0xA4 || code == 0xA5) {
        // L* 50, a* -1.25 with its sign byte, b* +3.5.
        QCOMPARE(reply.mid(11, 11), hex("07A120FF0030D4000088B8"));
        QCOMPARE(decoded->L, 50.0f);
        QCOMPARE(decoded->a, -1.25f);
        QCOMPARE(decoded->b, 3.5f);
    }
    if (code == 0xA9) {
        // The whiteness reply carries the same sign bytes as the colour replies.
        QCOMPARE(reply.mid(11, 11), hex("07A120FF0030D4000088B8"));
        QCOMPARE(decoded->a, -1.25f);
    }
    if (code == 0xA2 || code == 0xA3)
        QCOMPARE(decoded->calibrationResult, 1);
    QVERIFY(emulator.stop());
}

void tst_emulator::instrumentInformation()
{
    emulatorRun emulator({"--model", "QM64", "--caliber", "16mm", "--light-source", "9",
                          "--light-mode", "SCE", "--color-space", "4", "--formula", "12",
                          "--type-capacity", "200", "--sample-capacity", "2000"});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    const QByteArray reply = exchange(port.get(), hex("55AA05C13A"), 22);
    QCOMPARE(reply.size(), 22);
    QVERIFY(wellFormed(reply));
    QCOMPARE(reply.mid(4, 9), hex("514D3634 09 02 01 04 0C"));
    // The default store holds two Types and three Samples.
    QCOMPARE(reply.mid(13, 8), hex("00C8 0002 07D0 0003"));
    const auto decoded = frameCodec::parseReply(reply);
    QVERIFY(decoded.has_value());
    QCOMPARE(decoded->info.model, QString("QM-64"));
    QCOMPARE(decoded->info.lightSource, QString()); // code 9: keep the previous one
    QCOMPARE(decoded->info.caliber, QString("16mm"));
    QCOMPARE(decoded->info.lightMode, QString("SCE"));
    QCOMPARE(decoded->info.colorSpace, QString("HunterLAB"));
    QCOMPARE(decoded->info.formula, delta + "ELab");
    QCOMPARE(decoded->info.typeCapacity, 200);
    QCOMPARE(decoded->info.typeCount, 2);
    QCOMPARE(decoded->info.sampleCapacity, 2000);
    QCOMPARE(decoded->info.sampleCount, 3);
}

void tst_emulator::sendType()
{
    emulatorRun emulator({});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    QByteArray request;
    QString why;
    QVERIFY(frameCodec::composeSendTypeRequest("SCE", "F11(TL84)", 50.0f, -1.25f, 3.5f, 1, "8mm",
                                               &request, &why));
    QCOMPARE(request, hex("55AA19C854000000010600 07A120FF0030D4000088B80100B8"));
    QByteArray reply = exchange(port.get(), request, 9);
    QVERIFY(wellFormed(reply));
    QCOMPARE(reply, hex("55AA09A85430303368")); // T003 after T001 and T002
    reply = exchange(port.get(), request, 9);
    QCOMPARE(frameCodec::parseReply(reply)->storedName, QString("T004"));
    // The store now counts four Types, and the upload ends with the two sent.
    reply = exchange(port.get(), hex("55AA05C13A"), 22);
    QCOMPARE(frameCodec::parseReply(reply)->info.typeCount, 4);
    QStringList names;
    reply = exchangeFrame(port.get(), hex("55AA05C635"));
    while (reply.size() > 3 && reply.at(3) == char(0xA6)) {
        const auto record = frameCodec::parseReply(reply);
        QVERIFY(record.has_value());
        names << record->record.name;
        QVERIFY(names.size() <= 8);
        reply = exchangeFrame(port.get(), hex("55AA05C734"));
    }
    QCOMPARE(reply, hex("55AA05A754"));
    QCOMPARE(names, QStringList({"T001", "S001", "S002", "T002", "S003", "", "T003", "T004"}));
}

void tst_emulator::upload()
{
    emulatorRun emulator({});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    QStringList kinds, names;
    QString firstStamp;
    QByteArray request = hex("55AA05C635");
    for (int i = 0; i < 20; ++i) {
        const QByteArray reply = exchangeFrame(port.get(), request);
        QVERIFY2(wellFormed(reply), reply.toHex(' ').constData());
        const auto decoded = frameCodec::parseReply(reply);
        QVERIFY(decoded.has_value());
        if (decoded->code == frameCodec::NoMoreRecordsReply)
            break;
        QCOMPARE(decoded->code, frameCodec::RecordReply);
        kinds << decoded->record.kind;
        names << decoded->record.name;
        if (firstStamp.isEmpty())
            firstStamp = decoded->record.timeStamp;
        request = hex("55AA05C734");
    }
    QCOMPARE(kinds, QStringList({"T", "S", "S", "T", "S", "noData"}));
    QCOMPARE(names, QStringList({"T001", "S001", "S002", "T002", "S003", ""}));
    QCOMPARE(firstStamp, QString("2019-3-5 9:7:3"));
}

void tst_emulator::recordsFromFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("records.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write("# kind name mode source L a b datetime space formula readings\n"
               "T T005 SCI D65 50 -1.25 3.5 2019-3-5T9:7:3 0 0 1\n"
               "\n"
               "S S001 SCE F11(TL84) 51.2 -1.1 3.4 2020-12-31 23:59:59 1 9 3  # two-field time\n");
    file.close();
    emulatorRun emulator({"--records-file", file.fileName()});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    auto info = frameCodec::parseReply(exchange(port.get(), hex("55AA05C13A"), 22));
    QVERIFY(info.has_value());
    QCOMPARE(info->info.typeCount, 1);
    QCOMPARE(info->info.sampleCount, 1);

    const QByteArray first = exchange(port.get(), hex("55AA05C635"), 34);
    QVERIFY(wellFormed(first));
    QCOMPARE(first.mid(4, 7), hex("01 54303035 00 02"));
    QCOMPARE(first.mid(12, 17), hex("07A120 FF0030D4 000088B8 07E3 03 05 09 07"));
    const auto second = frameCodec::parseReply(exchange(port.get(), hex("55AA05C734"), 34));
    QVERIFY(second.has_value());
    QCOMPARE(second->record.kind, QString("S"));
    QCOMPARE(second->record.lightMode, QString("SCE"));
    QCOMPARE(second->record.lightSource, QString("F11"));
    QCOMPARE(second->record.timeStamp, QString("2020-12-31 23:59:59"));
    QCOMPARE(second->record.colorSpace, QString("CIELCH"));
    QCOMPARE(second->record.formula, delta + "E00");
    QCOMPARE(second->record.readings, 3);
    QCOMPARE(second->record.a, -1.1f);
    const QByteArray end = exchange(port.get(), hex("55AA05C734"), 5);
    QCOMPARE(end, hex("55AA05A754"));
}

void tst_emulator::generatedRecords()
{
    emulatorRun emulator({"--records", "1000", "--seed", "7"});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    const auto info = frameCodec::parseReply(exchange(port.get(), hex("55AA05C13A"), 22));
    QVERIFY(info.has_value());
    QCOMPARE(info->info.typeCount + info->info.sampleCount, 1000);
    QVERIFY(info->info.typeCount > 0);
    QVERIFY(info->info.typeCapacity >= info->info.typeCount);
    QVERIFY(info->info.sampleCapacity >= info->info.sampleCount);
    int records = 0, types = 0;
    QByteArray request = hex("55AA05C635");
    for (;;) {
        const QByteArray reply = exchangeFrame(port.get(), request);
        const auto decoded = frameCodec::parseReply(reply);
        QVERIFY2(decoded.has_value(), reply.toHex(' ').constData());
        if (decoded->code == frameCodec::NoMoreRecordsReply)
            break;
        ++records;
        if (decoded->record.kind == QLatin1String("T"))
            ++types;
        QVERIFY(records <= 1000);
        request = hex("55AA05C734");
    }
    QCOMPARE(records, 1000);
    QCOMPARE(types, info->info.typeCount);
}

void tst_emulator::requestsInPiecesAndGarbage()
{
    // Pauses between the pieces make them arrive in separate reads; the
    // stale limit is raised so that a busy machine stretching a pause does
    // not make a piece stale.
    emulatorRun emulator({"--log", "--stale-ms", "10000"});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    // Garbage, then a keep-alive split in three writes, a request with a bad
    // checksum (ignored), and an information request in the same write.
    port->write(hex("0013AA55"));
    port->write(hex("55"));
    port->waitForBytesWritten(generous);
    QTest::qWait(50);
    port->write(hex("AA05"));
    port->waitForBytesWritten(generous);
    QTest::qWait(50);
    port->write(hex("C03B 55AA05C000 55AA05C13A"));
    port->waitForBytesWritten(generous);
    const QByteArray replies = readAtLeast(port.get(), 5 + 22);
    QCOMPARE(replies.size(), 27);
    QVERIFY(wellFormed(replies.left(5)));
    QCOMPARE(int(quint8(replies.at(3))), 0xA0);
    QVERIFY(wellFormed(replies.mid(5)));
    QCOMPARE(int(quint8(replies.at(8))), 0xA1);
    QVERIFY(emulator.stop());
    const QByteArray log = emulator.process.readAllStandardError();
    QCOMPARE(log.count("<- "), 2);
    QCOMPARE(log.count("<! 55 AA 05 C0 00"), 1);
}

// A header whose length byte promises more than ever comes holds up the
// request behind it only until it goes stale.
void tst_emulator::staleHeaderIsSkipped()
{
    emulatorRun emulator({"--log", "--stale-ms", "100"});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    QCOMPARE(exchange(port.get(), hex("55AA20C0 55AA05C03B"), 5), hex("55AA05A05B"));
    QVERIFY(emulator.stop());
    QVERIFY(emulator.process.readAllStandardError().contains("stale input dropped"));
}

void tst_emulator::reopenAfterClose()
{
    emulatorRun emulator({"--log"});
    for (int round = 0; round < 3; ++round) {
        auto port = openPort(emulator.path);
        QVERIFY2(port, qPrintable(QString("round %1").arg(round)));
        const QByteArray reply = exchange(port.get(), hex("55AA05C03B"), 5);
        QCOMPARE(reply, hex("55AA05A05B"));
        port->close();
        QCOMPARE(emulator.process.state(), QProcess::Running);
    }
    // With nobody on the terminal the emulator must idle, not spin: it may
    // use at most half of one second of processor time in one second.
    QFile stat(QString("/proc/%1/stat").arg(emulator.process.processId()));
    auto cpuTicks = [&stat]() {
        stat.open(QIODevice::ReadOnly);
        const QList<QByteArray> fields = stat.readAll().split(')').last().split(' ');
        stat.close();
        return fields.value(12).toLongLong() + fields.value(13).toLongLong(); // utime + stime
    };
    const long long before = cpuTicks();
    QTest::qWait(1000);
    const long long used = cpuTicks() - before;
    QVERIFY2(used < 50, qPrintable(QString("%1 ticks").arg(used)));
    QCOMPARE(emulator.process.state(), QProcess::Running);
    QVERIFY(emulator.stop());
    const QByteArray log = emulator.process.readAllStandardError();
    QCOMPARE(log.count("<- 55 AA 05 C0 3B"), 3);
    QCOMPARE(log.count("-> 55 AA 05 A0 5B"), 3);
}

void tst_emulator::silentRequest()
{
    emulatorRun emulator({"--silent", "C4:1", "--silent", "C0:*"});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    // The first Type request and every keep-alive go unanswered: the first
    // bytes that come back answer the information request sent after them.
    port->write(hex("55AA0BC4FFFFFFFF000233"));
    port->write(hex("55AA05C03B"));
    port->write(hex("55AA05C13A"));
    QByteArray reply = readAtLeast(port.get(), 22);
    QCOMPARE(reply.size(), 22);
    QCOMPARE(int(quint8(reply.at(3))), 0xA1);
    // The second Type request is answered.
    reply = exchange(port.get(), hex("55AA0BC4FFFFFFFF000233"), 23);
    QCOMPARE(reply.size(), 23);
    QVERIFY(wellFormed(reply));
    QCOMPARE(int(quint8(reply.at(3))), 0xA4);
}

void tst_emulator::splitReply()
{
    emulatorRun emulator({"--split", "C5:1500", "--colors", "60,1,-2"});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    port->write(hex("55AA0BC5FFFFFFFF01062D"));
    port->waitForBytesWritten(generous);
    // The first burst alone is not a frame; the two together are.
    const QByteArray first = readAtLeast(port.get(), 1);
    QVERIFY(first.size() > 0 && first.size() < 23);
    QVERIFY(!frameCodec::parseReply(first).has_value());
    const QByteArray whole = first + readAtLeast(port.get(), 23 - first.size());
    QCOMPARE(whole.size(), 23);
    QVERIFY(wellFormed(whole));
    const auto decoded = frameCodec::parseReply(whole);
    QVERIFY(decoded.has_value());
    QCOMPARE(decoded->L, 60.0f);
    QCOMPARE(decoded->b, -2.0f);
}

// With --glue the replies to requests that came close together leave in one
// write, as one USB transfer would bring them.
void tst_emulator::gluedReplies()
{
    emulatorRun emulator({"--log", "--glue", "200"});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    port->write(hex("55AA05C03B"));
    port->write(hex("55AA05C13A"));
    port->waitForBytesWritten(generous);
    const QByteArray replies = readAtLeast(port.get(), 5 + 22);
    QCOMPARE(replies.size(), 27);
    QCOMPARE(replies.left(5), hex("55AA05A05B"));
    QVERIFY(wellFormed(replies.mid(5)));
    QVERIFY(emulator.stop());
    const QByteArray log = emulator.process.readAllStandardError();
    QVERIFY2(log.contains("-> 55 AA 05 A0 5B 55 AA 16 A1"), log.constData());
    QCOMPARE(log.count("(in one write)"), 1);
}

void tst_emulator::corruptedReplies()
{
    emulatorRun emulator({"--bad-checksum", "C1", "--garbage", "C0"});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    const QByteArray info = exchange(port.get(), hex("55AA05C13A"), 22);
    QCOMPARE(info.size(), 22);
    QCOMPARE(quint8(info.at(2)), quint8(22));
    QVERIFY(quint8(info.back()) != independentChecksum(info, 21));
    QVERIFY(!frameCodec::parseReply(info).has_value());

    const QByteArray keepAlive = exchange(port.get(), hex("55AA05C03B"), 8);
    QCOMPARE(keepAlive.size(), 8);
    QVERIFY(!frameCodec::parseReply(keepAlive).has_value());
    QCOMPARE(keepAlive.mid(3), hex("55AA05A05B"));
    QVERIFY(!keepAlive.left(3).contains(hex("55AA")));
}

void tst_emulator::calibrationFails()
{
    emulatorRun emulator({"--calibration-fails"});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    QCOMPARE(exchange(port.get(), hex("55AA05C239"), 6), hex("55AA06A20058"));
    QCOMPARE(frameCodec::parseReply(exchange(port.get(), hex("55AA05C338"), 6))->calibrationResult,
             0);
}

void tst_emulator::hangUp()
{
    emulatorRun emulator({"--hangup-after", "2"});
    auto port = openPort(emulator.path);
    QVERIFY(port);
    QList<QSerialPort::SerialPortError> errors;
    QSerialPort *raw = port.get();
    // A hung-up terminal makes the port report its error over and over; close
    // it at the first one, as the link must.
    connect(raw, &QSerialPort::errorOccurred, raw, [&errors, raw](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::NoError)
            return;
        errors << e;
        raw->close();
    });
    QCOMPARE(exchange(raw, hex("55AA05C03B"), 5), hex("55AA05A05B"));
    QCOMPARE(exchange(raw, hex("55AA05C03B"), 5), hex("55AA05A05B"));
    QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty(), generous);
    // Linux: the read finds end of file on the hung-up terminal and the port
    // reports a read error (a resource error once a write has failed with EIO).
    QVERIFY2(errors.first() == QSerialPort::ReadError ||
                 errors.first() == QSerialPort::ResourceError,
             qPrintable(QString::number(errors.first())));
    QVERIFY(!raw->isOpen());
    // The emulator idles until stopped.
    QCOMPARE(emulator.process.state(), QProcess::Running);
    QVERIFY(emulator.stop());
}

void tst_emulator::badOptions()
{
    const QList<QStringList> cases = {{"--silent", "B4:1"},
                                      {"--split", "C4"},
                                      {"--caliber", "5mm"},
                                      {"--model", "TOOLONG"},
                                      {"--records", "3", "--records-file", "x"},
                                      {"--records-file", "/nonexistent/records.txt"},
                                      {"--colors", "1,2"},
                                      {"--hangup-on", "C5:0"},
                                      {"--stale-ms", "0"},
                                      {"stray"}};
    for (const QStringList &arguments : cases) {
        QProcess process;
        process.start(qEnvironmentVariable("QCM_BUILD_DIR") + "/qcm-emulator", arguments);
        QVERIFY(process.waitForFinished(generous));
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardOutput().isEmpty());
        QVERIFY(!process.readAllStandardError().isEmpty());
    }
    QProcess help;
    help.start(qEnvironmentVariable("QCM_BUILD_DIR") + "/qcm-emulator", {"--help"});
    QVERIFY(help.waitForFinished(generous));
    QCOMPARE(help.exitCode(), 0);
    const QByteArray text = help.readAllStandardOutput();
    for (const char *option :
         {"--silent", "--split", "--garbage", "--bad-checksum", "--hangup-after", "--hangup-on",
          "--records-file", "--colors", "--delay-ms"})
        QVERIFY2(text.contains(option), option);
}

QTEST_GUILESS_MAIN(tst_emulator)
#include "tst_emulator.moc"
