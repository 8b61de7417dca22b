// The serial link end to end: a real QSerialPort inside the link talks to the
// instrument emulator over a real pseudo-terminal.  Only orders and counts
// are asserted; every wait has a generous limit.  The protocol's intervals
// are shortened (testTiming); a test that needs a reply time-out shortens
// that too and waits for what it causes.

#include "../support/emulatorProcess.h"
#include "../support/testTiming.h"
#include "frameCodec.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "threadRk.h"
#include "whiteness.h"

#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryFile>
#include <QtTest>
#include <memory>

namespace {

const int longWait = 10000;

// Debug lines of the link ("serialPortRk::portClose->closeIndex:5", ...).
QStringList debugLines;
QtMessageHandler previousHandler = nullptr;

void collectMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtDebugMsg && text.startsWith(QLatin1String("serialPortRk::"))) {
        debugLines << text;
        return;
    }
    if (previousHandler)
        previousHandler(type, context, text);
}

int countLines(const QString &line)
{
    return debugLines.count(line);
}

using emulator = emulatorProcess;

QStringList conditionsFor(const QString &lightSource, const QString &lightMode)
{
    // Light source, model, caliber, light mode, colour space, formula,
    // illumination, observer, readings per average.
    return {lightSource, "PX71", "8mm", lightMode, "CIE1976LAB", "ΔELab", "8/d", "CIE 10°", "1"};
}

// Answers the link's condition questions as the main window does when the
// check passes.
void answerConditions(serialPortRk *link, const QString &lightSource = "D65",
                      const QString &lightMode = "SCI")
{
    const QStringList c = conditionsFor(lightSource, lightMode);
    QObject::connect(link, &serialPortRk::TTestSignal, link, [link, c] {
        link->TTestCheckOK(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]);
    });
    QObject::connect(link, &serialPortRk::STestSignal, link, [link, c] {
        link->STestCheckOK(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]);
    });
}

enum ReadingKind
{
    TypeReading,
    SampleReading,
    LibraryTestReading,
};

// Stands in for the main window's side of a measurement: from every search
// (portClosedSignal) until the instrument information arrives it knows no
// measuring conditions, and a reading that comes in between is thrown away
// and the port restarted, as the window does.
struct windowStandIn
{
    explicit windowStandIn(serialPortRk *link)
    {
        conditionsKnown = !link->currentInstrumentModel().isEmpty();
        answerConditions(link);
        QObject::connect(link, &serialPortRk::portClosedSignal, &context,
                         [this] { conditionsKnown = false; });
        QObject::connect(link, &serialPortRk::getInstrumentInfoSignal, &context,
                         [this] { conditionsKnown = true; });
        const auto reading = [this, link] {
            if (conditionsKnown)
                return;
            ++readingsDropped;
            link->restartPort();
        };
        QObject::connect(link, &serialPortRk::generateTItemSignal, &context, reading);
        QObject::connect(link, &serialPortRk::generateSItemSignal, &context, reading);
        QObject::connect(link, &serialPortRk::testSignal, &context, reading);
    }

    QObject context;
    bool conditionsKnown = false;
    int readingsDropped = 0;
};

bool fuzzy(float actual, float expected)
{
    return qAbs(actual - expected) < 0.0005f;
}

QString messageLine(serialPortRk *link)
{
    return link->findChild<QLabel *>("infoLabel")->text();
}

} // namespace

class tst_serialLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QVector<QString>>("QVector<QString>");
        previousHandler = qInstallMessageHandler(collectMessages);
        promptRk::setTesting(true);
        QVERIFY2(QFile::exists(QString::fromLocal8Bit(qgetenv("QCM_BUILD_DIR")) + "/qcm-emulator"),
                 "qcm-emulator is not built");
    }

    void init()
    {
        debugLines.clear();
        promptRk::clearHistory();
        serialPortRk::setPortLister({});
        protocolTiming::set(testTiming());
    }

    void cleanup()
    {
        link.reset();
        emu.stop();
        qunsetenv("QCM_SERIAL_PORT");
        serialPortRk::setPortLister({});
        protocolTiming::set(protocolTiming());
    }

    // Opening, then the information request about 100 ms later; while no
    // model is known it is repeated with every keep-alive probe.
    void informationRepeatedUntilModelKnown()
    {
        QVERIFY(startEmulator({"--silent", "C1:1", "--model", "QM64"}));
        QSignalSpy info(link.get(), &serialPortRk::getInstrumentInfoSignal);
        QSignalSpy closed(link.get(), &serialPortRk::portClosedSignal);
        QTRY_VERIFY_WITH_TIMEOUT(link->isPortOpen(), longWait);
        QCOMPARE(closed.count(), 1);
        QVERIFY(messageLine(link.get()).startsWith("Open Port") ||
                messageLine(link.get()).startsWith("Get instrument info."));
        QTRY_COMPARE_WITH_TIMEOUT(info.count(), 1, longWait);

        // The first 0xC1 went unanswered: a keep-alive probe and a second
        // 0xC1 followed before the model was known.
        const int firstInfo = emu.requests.indexOf(0xC1);
        const int secondInfo = emu.requests.indexOf(0xC1, firstInfo + 1);
        QVERIFY(firstInfo >= 0);
        QVERIFY(secondInfo > firstInfo);
        QVERIFY(emu.requests.mid(firstInfo, secondInfo - firstInfo).contains(0xC0));
        QCOMPARE(link->currentInstrumentModel(), QString("QM-64"));
        QCOMPARE(messageLine(link.get()), QString("Connected to instrument:QM-64"));

        QString model, light, caliber, observer, illumination, mode, space, formula;
        int typeCap = 0, types = 0, sampleCap = 0, samples = 0;
        link->instrumentInfo(model, light, caliber, observer, illumination, mode, space, formula,
                             typeCap, types, sampleCap, samples);
        QCOMPARE(model, QString("QM-64"));
        QCOMPARE(light, QString("D65"));
        QCOMPARE(caliber, QString("8mm"));
        QCOMPARE(observer, QString("CIE 10°"));
        QCOMPARE(illumination, QString("8/d"));
        QCOMPARE(mode, QString("SCI"));
        QCOMPARE(space, QString("CIE1976LAB"));
        QCOMPARE(formula, QString("ΔELab"));
        QCOMPARE(typeCap, 100);
        QCOMPARE(types, 2);
        QCOMPARE(sampleCap, 1000);
        QCOMPARE(samples, 3);
        QCOMPARE(link->portName(), emu.path);
    }

    // The search by product identifier finds the emulator through the
    // lister seam when no override is set.
    void searchByProductIdentifier()
    {
        QVERIFY(emu.start({}));
        const QString path = emu.path;
        serialPortRk::setPortLister([path] {
            portDiscovery::PortEntry other;
            other.name = "/dev/null-not-a-port";
            other.hasProductIdentifier = true;
            other.productIdentifier = 0x2303;
            portDiscovery::PortEntry instrument;
            instrument.name = path;
            instrument.hasProductIdentifier = true;
            instrument.productIdentifier = 0x5730;
            return QList<portDiscovery::PortEntry>{other, instrument};
        });
        link = std::make_unique<serialPortRk>();
        QSignalSpy info(link.get(), &serialPortRk::getInstrumentInfoSignal);
        QTRY_COMPARE_WITH_TIMEOUT(info.count(), 1, longWait);
        QCOMPARE(link->portName(), path);
    }

    // No matching port: a search every second, each announcing the
    // disconnected state.
    void noInstrumentKeepsSearching()
    {
        serialPortRk::setPortLister([] { return QList<portDiscovery::PortEntry>{}; });
        link = std::make_unique<serialPortRk>();
        QSignalSpy closed(link.get(), &serialPortRk::portClosedSignal);
        QTRY_VERIFY_WITH_TIMEOUT(closed.count() >= 2, longWait);
        QVERIFY(!link->isPortOpen());
        QVERIFY(link->portName().isEmpty());
    }

    void typeAndSampleMeasurement()
    {
        QVERIFY(connected({"--colors", "50.5,-1.25,3.5;61.2,2.4,-4.75"}));
        answerConditions(link.get(), "F11(TL84)", "SCE");
        QSignalSpy tAsk(link.get(), &serialPortRk::TTestSignal);
        QSignalSpy tItem(link.get(), &serialPortRk::generateTItemSignal);
        QSignalSpy sItem(link.get(), &serialPortRk::generateSItemSignal);

        link->tTestSlot();
        QCOMPARE(tAsk.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(tItem.count(), 1, longWait);
        QVERIFY(fuzzy(tItem.at(0).at(0).toFloat(), 50.5f));
        QVERIFY(fuzzy(tItem.at(0).at(1).toFloat(), -1.25f));
        QVERIFY(fuzzy(tItem.at(0).at(2).toFloat(), 3.5f));
        QCOMPARE(messageLine(link.get()), QString("Finished Type measurement!"));
        QVERIFY(debugLines.contains("serialPortRk::dataProcessing->7"));

        link->sTestSlot();
        QTRY_COMPARE_WITH_TIMEOUT(sItem.count(), 1, longWait);
        QVERIFY(fuzzy(sItem.at(0).at(0).toFloat(), 61.2f));
        QVERIFY(fuzzy(sItem.at(0).at(1).toFloat(), 2.4f));
        QVERIFY(fuzzy(sItem.at(0).at(2).toFloat(), -4.75f));
        QCOMPARE(tItem.count(), 1);
        QCOMPARE(messageLine(link.get()), QString("Finished Sample measurement!"));

        // The requests carried the light-mode and light-source codes.
        QVERIFY(emu.requestFrames.contains("55 AA 0B C4 FF FF FF FF 01 06 2E"));
        QVERIFY(emu.requestFrames.contains("55 AA 0B C5 FF FF FF FF 01 06 2D"));

        // The keep-alive resumes after a measurement reply; with the model
        // known the probes no longer bring an information request.
        const int probes = emu.count(0xC0);
        QTRY_VERIFY_WITH_TIMEOUT(emu.count(0xC0) > probes, longWait);
        // An information request would follow a probe within the info
        // interval, so before the next probe.
        QTRY_VERIFY_WITH_TIMEOUT(emu.count(0xC0) > probes + 1, longWait);
        QCOMPARE(emu.count(0xC1), 1);
    }

    // A library test answers with testSignal once; the next Type
    // measurement makes a Type again.
    void libraryTestThenType()
    {
        QVERIFY(connected({"--colors", "40,1,2;41,3,4"}));
        answerConditions(link.get());
        QSignalSpy test(link.get(), &serialPortRk::testSignal);
        QSignalSpy tItem(link.get(), &serialPortRk::generateTItemSignal);

        link->testButtonSlot(1);
        QCOMPARE(link->currentTestMode(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(test.count(), 1, longWait);
        QCOMPARE(tItem.count(), 0);
        QCOMPARE(link->currentTestMode(), 0);
        QVERIFY(fuzzy(test.at(0).at(0).toFloat(), 40.f));
        QCOMPARE(messageLine(link.get()), QString("Finished measurement!"));
        QVERIFY(debugLines.contains("serialPortRk::dataProcessing->8"));

        link->tTestSlot();
        QTRY_COMPARE_WITH_TIMEOUT(tItem.count(), 1, longWait);
        QCOMPARE(test.count(), 1);
        QVERIFY(fuzzy(tItem.at(0).at(0).toFloat(), 41.f));
    }

    // The first request goes unanswered: the link closes (reason 5 or 6),
    // searches at once and asks again, but only once the re-opened port has
    // identified the instrument, when the receiver knows its measuring
    // conditions again.  Exactly one reading follows, with the measured values.
    void replyTimeOutRetry_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("faults");
        QTest::newRow("Type") << int(TypeReading) << QStringList{"--silent", "C4:1"};
        QTest::newRow("Sample") << int(SampleReading) << QStringList{"--silent", "C5:1"};
        QTest::newRow("library test") << int(LibraryTestReading) << QStringList{"--silent", "C4:1"};
        // The information request of the re-opened port goes unanswered too:
        // the wait for it ends by the reply time-out, and the next cycle
        // gets through.
        QTest::newRow("Sample, information lost once")
            << int(SampleReading) << QStringList{"--silent", "C5:1", "--silent", "C1:2"};
    }

    void replyTimeOutRetry()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, faults);
        const bool sample = kind == SampleReading;
        const int code = sample ? 0xC5 : 0xC4;
        shortenReplyTimeOut();
        QVERIFY(connected(faults + QStringList{"--colors", "55.5,-2.25,7.5"}));
        windowStandIn window(link.get());
        QSignalSpy lost(link.get(), &serialPortRk::instrumentLostSignal);
        QSignalSpy reading(link.get(), kind == TypeReading     ? &serialPortRk::generateTItemSignal
                                       : kind == SampleReading ? &serialPortRk::generateSItemSignal
                                                               : &serialPortRk::testSignal);
        QSignalSpy closed(link.get(), &serialPortRk::portClosedSignal);

        if (kind == TypeReading)
            link->tTestSlot();
        else if (kind == SampleReading)
            link->sTestSlot();
        else
            link->testButtonSlot(1);
        QTRY_COMPARE_WITH_TIMEOUT(reading.count(), 1, 3 * longWait);
        QCOMPARE(window.readingsDropped, 0);
        QVERIFY(fuzzy(reading.at(0).at(0).toFloat(), 55.5f));
        QVERIFY(fuzzy(reading.at(0).at(1).toFloat(), -2.25f));
        QVERIFY(fuzzy(reading.at(0).at(2).toFloat(), 7.5f));
        QVERIFY(countLines(QString("serialPortRk::portClose->closeIndex:%1").arg(sample ? 6 : 5)) >=
                1);
        QVERIFY(closed.count() >= 1);
        // The answered request went out after the information request of the
        // re-opened port (the log may lag behind the reply).
        QTRY_VERIFY_WITH_TIMEOUT(emu.count(code) >= 2 && emu.requests.lastIndexOf(code) >
                                                             emu.requests.lastIndexOf(0xC1),
                                 longWait);

        // Nothing else follows: no second reading, no further request (no
        // reply timer runs and nothing waits to be asked again).
        const int requests = emu.count(code);
        QTRY_VERIFY_WITH_TIMEOUT(!link->isMeasuring(), longWait);
        flushEmulatorLog();
        QCOMPARE(reading.count(), 1);
        QCOMPARE(emu.count(code), requests);
        QCOMPARE(link->currentTestMode(), 0);
        QVERIFY(promptRk::history().isEmpty());
        // Closing and re-opening to ask again is no loss of the instrument.
        QCOMPARE(lost.count(), 0);
    }

    // The instrument goes away while a measurement is outstanding, either
    // with a hung-up terminal or with a port that is simply gone when the
    // reply time-out closes it.  The measurement is abandoned with one
    // message; when the instrument is back it is not asked to measure.
    void unplugAbandonsMeasurement_data()
    {
        QTest::addColumn<bool>("sample");
        QTest::addColumn<bool>("hangUp");
        QTest::newRow("Sample, hang-up") << true << true;
        QTest::newRow("Type, hang-up") << false << true;
        QTest::newRow("Sample, gone at the time-out") << true << false;
    }

    void unplugAbandonsMeasurement()
    {
        QFETCH(bool, sample);
        QFETCH(bool, hangUp);
        const int code = sample ? 0xC5 : 0xC4;
        const QString codeText = sample ? "C5" : "C4";
        shortenReplyTimeOut();
        QVERIFY(connected(hangUp ? QStringList{"--hangup-on", codeText + ":1"}
                                 : QStringList{"--silent", codeText + ":*"}));
        answerConditions(link.get());
        QSignalSpy lost(link.get(), &serialPortRk::instrumentLostSignal);
        QSignalSpy tItem(link.get(), &serialPortRk::generateTItemSignal);
        QSignalSpy sItem(link.get(), &serialPortRk::generateSItemSignal);
        QSignalSpy info(link.get(), &serialPortRk::getInstrumentInfoSignal);

        if (sample)
            link->sTestSlot();
        else
            link->tTestSlot();
        QTRY_COMPARE_WITH_TIMEOUT(emu.count(code), 1, longWait);
        if (!hangUp)
            qputenv("QCM_SERIAL_PORT", "/nonexistent/qcm-instrument");
        QTRY_COMPARE_WITH_TIMEOUT(promptRk::history().size(), 1, 2 * longWait);
        const promptRk::Record box = promptRk::history().first();
        QCOMPARE(box.kind, promptRk::Warning);
        QCOMPARE(box.title, QString("Tips"));
        QCOMPARE(box.text,
                 QString("Connection to the instrument lost; the measurement was abandoned."));
        QVERIFY(!link->isPortOpen());
        // The loss is announced once, saying the user has been told.
        QCOMPARE(lost.count(), 1);
        QCOMPARE(lost.at(0).at(0).toBool(), true);

        // Plugged in again.
        if (hangUp)
            QVERIFY(emu.start({}));
        const int requestsBefore = emu.requests.size();
        qputenv("QCM_SERIAL_PORT", emu.path.toLocal8Bit());
        QTRY_VERIFY_WITH_TIMEOUT(info.count() >= 1, longWait);
        // Nothing waits to be asked: no reply timer runs, no repetition.
        QVERIFY(!link->isMeasuring());
        flushEmulatorLog();
        const QList<int> after = emu.requests.mid(requestsBefore);
        QVERIFY2(!after.contains(0xC4) && !after.contains(0xC5),
                 qPrintable(emu.requestFrames.mid(requestsBefore).join(" | ")));
        QCOMPARE(tItem.count() + sItem.count(), 0);
        QCOMPARE(promptRk::history().size(), 1);
        QCOMPARE(link->currentTestMode(), 0);
        QVERIFY(link->isPortOpen());
    }

    // A reply arriving in two bursts 500 ms apart is never accepted: the
    // exchange ends by its time-out and is asked again.
    void splitReplyIsNotAccepted()
    {
        shortenReplyTimeOut();
        QVERIFY(connected({"--split", "C4:500"}));
        answerConditions(link.get());
        QSignalSpy ask(link.get(), &serialPortRk::TTestSignal);
        QSignalSpy item(link.get(), &serialPortRk::generateTItemSignal);
        link->tTestSlot();
        QTRY_VERIFY_WITH_TIMEOUT(countLines("serialPortRk::portClose->closeIndex:5") >= 1,
                                 longWait);
        QTRY_VERIFY_WITH_TIMEOUT(ask.count() >= 2, longWait);
        QCOMPARE(item.count(), 0);
    }

    // A probe that went out just before a measurement request: the
    // instrument answers both in one write, and the reading behind the
    // keep-alive reply is taken, at once, without a time-out and a second
    // request (a second flash on a real instrument).
    void gluedRepliesKeepTheReading_data()
    {
        QTest::addColumn<bool>("sample");
        QTest::newRow("Type") << false;
        QTest::newRow("Sample") << true;
    }

    void gluedRepliesKeepTheReading()
    {
        QFETCH(bool, sample);
        QVERIFY(connected({"--glue", "150", "--colors", "45.5,-3.25,6"}));
        answerConditions(link.get());
        QSignalSpy reading(link.get(), sample ? &serialPortRk::generateSItemSignal
                                              : &serialPortRk::generateTItemSignal);
        QSignalSpy closed(link.get(), &serialPortRk::portClosedSignal);
        const int probes = emu.count(0xC0);
        link->sendWSPortData();
        if (sample)
            link->sTestSlot();
        else
            link->tTestSlot();
        QTRY_COMPARE_WITH_TIMEOUT(reading.count(), 1, longWait);
        QCOMPARE(closed.count(), 0);
        QVERIFY(fuzzy(reading.at(0).at(0).toFloat(), 45.5f));
        QVERIFY(fuzzy(reading.at(0).at(1).toFloat(), -3.25f));
        QVERIFY(fuzzy(reading.at(0).at(2).toFloat(), 6.f));
        QVERIFY(!link->isMeasuring());
        // Both requests went out back to back.
        QTRY_VERIFY_WITH_TIMEOUT(emu.count(0xC0) > probes, longWait);
        QCOMPARE(emu.count(sample ? 0xC5 : 0xC4), 1);
        QVERIFY(debugLines.filter("closeIndex").isEmpty());
    }

    // No probe goes out while a measurement is awaited, also when another
    // measurement's reply comes first: the instrument, busy measuring, would
    // answer a probe right behind the reading.
    void keepAliveHeldBackWhileMeasuring()
    {
        const int measuringMsec = 600;
        QVERIFY(connected(
            {"--reply-delay", QString("C5:%1").arg(measuringMsec), "--colors", "50,1,2;60,3,4"}));
        answerConditions(link.get());
        QSignalSpy tItem(link.get(), &serialPortRk::generateTItemSignal);
        QSignalSpy sItem(link.get(), &serialPortRk::generateSItemSignal);
        link->tTestSlot();
        link->sTestSlot();
        QTRY_COMPARE_WITH_TIMEOUT(tItem.count(), 1, longWait);
        QTRY_COMPARE_WITH_TIMEOUT(sItem.count(), 1, longWait);
        QVERIFY(fuzzy(sItem.at(0).at(0).toFloat(), 60.f));
        // The probes resume after the Sample's reply, not before it was sent.
        QTRY_VERIFY_WITH_TIMEOUT(!emu.timesOf(0xC0).isEmpty() &&
                                     emu.timesOf(0xC0).last() > emu.timesOf(0xC5).first(),
                                 longWait);
        const qint64 sampleAsked = emu.timesOf(0xC5).first();
        for (qint64 probe : emu.timesOf(0xC0)) {
            QVERIFY2(
                probe < sampleAsked || probe >= sampleAsked + measuringMsec,
                qPrintable(
                    QString("probe at %1 ms, Sample asked at %2 ms").arg(probe).arg(sampleAsked)));
        }
        QCOMPARE(tItem.count() + sItem.count(), 2);
    }

    // A garbled or mis-summed reply is dropped just as silently.
    void corruptReplyIsDropped_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("garbage") << QStringList{"--garbage", "C9"};
        QTest::newRow("checksum") << QStringList{"--bad-checksum", "C9"};
    }

    void corruptReplyIsDropped()
    {
        QFETCH(QStringList, options);
        shortenReplyTimeOut();
        QVERIFY(connected(options));
        QSignalSpy white(link.get(), &serialPortRk::whiteYellowParameterSignal);
        QSignalSpy timedOut(link.get(), &serialPortRk::whiteYellowTimeOutSignal);
        link->whiteYellowSlot();
        QTRY_COMPARE_WITH_TIMEOUT(emu.count(0xC9), 1, longWait);
        // The reply came and went: the request ends by its time-out.
        QTRY_COMPARE_WITH_TIMEOUT(timedOut.count(), 1, longWait);
        QCOMPARE(white.count(), 0);
    }

    // A bluish white (b* < 0, as papers with brighteners are) arrives with its
    // signs, so its yellowness index comes out negative; the request is the
    // fixed SCI/D65 frame.
    void whitenessMeasurement()
    {
        QVERIFY(connected({"--colors", "92.5,-1.25,-3.5"}));
        QSignalSpy white(link.get(), &serialPortRk::whiteYellowParameterSignal);
        link->whiteYellowSlot();
        QCOMPARE(messageLine(link.get()), QString("Whiteness/Yellowness measurement ..."));
        QTRY_COMPARE_WITH_TIMEOUT(white.count(), 1, longWait);
        const float L = white.at(0).at(0).toFloat();
        const float a = white.at(0).at(1).toFloat();
        const float b = white.at(0).at(2).toFloat();
        QVERIFY(fuzzy(L, 92.5f));
        QVERIFY(fuzzy(a, -1.25f));
        QVERIFY(fuzzy(b, -3.5f));
        QVERIFY2(whitenessFromLab(L, a, b).yellowness < 0,
                 qPrintable(QString::number(whitenessFromLab(L, a, b).yellowness)));
        QVERIFY(emu.requestFrames.contains("55 AA 0B C9 FF FF FF FF 00 02 2E"));
    }

    // Conditions without a code: nothing is written, the status line says
    // why, and no time-out cycle starts.  The same for a Type frame whose
    // caliber was left out.
    void refusedRequestsWriteNothing()
    {
        QVERIFY(connected({}));
        QSignalSpy closed(link.get(), &serialPortRk::portClosedSignal);
        QSignalSpy tItem(link.get(), &serialPortRk::generateTItemSignal);
        QSignalSpy sItem(link.get(), &serialPortRk::generateSItemSignal);
        QSignalSpy test(link.get(), &serialPortRk::testSignal);
        const QStringList t = conditionsFor("D75", "SCI");
        const QStringList s = conditionsFor("D65", "SCX");
        const QStringList l = conditionsFor("F99", "SCE");

        link->TTestCheckOK(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8]);
        QVERIFY2(messageLine(link.get()).contains("D75"), qPrintable(messageLine(link.get())));
        link->STestCheckOK(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], s[8]);
        QVERIFY2(messageLine(link.get()).contains("SCX"), qPrintable(messageLine(link.get())));
        // A refused library test does not leave the link waiting for one.
        link->testButtonSlot(1);
        link->TTestCheckOK(l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7], l[8]);
        QVERIFY2(messageLine(link.get()).contains("F99"), qPrintable(messageLine(link.get())));
        QCOMPARE(link->currentTestMode(), 0);
        link->sendTDataToYiQi("55AA19C854000000000200000000000000000000000001", true);
        QVERIFY(!messageLine(link.get()).isEmpty());

        // No reply is awaited, so no time-out can follow: no close, no
        // request, no reply, no box.
        QVERIFY(!link->isMeasuring());
        flushEmulatorLog();
        QCOMPARE(emu.count(0xC4) + emu.count(0xC5) + emu.count(0xC8), 0);
        QCOMPARE(closed.count(), 0);
        QCOMPARE(tItem.count() + sItem.count() + test.count(), 0);
        QVERIFY(promptRk::history().isEmpty());
        QVERIFY(link->isPortOpen());
    }

    // The instrument vanishes (hung-up terminal): the link notices, empties
    // the model, closes, searches again and reconnects when it is back.
    void deviceLostResumesSearch()
    {
        // The probe and the information request of the opening are
        // answered, then the terminal hangs up.  (Hanging up after the probe
        // alone raced the information request.)
        QVERIFY(startEmulator({"--hangup-after", "2"}));
        QSignalSpy info(link.get(), &serialPortRk::getInstrumentInfoSignal);
        QSignalSpy lost(link.get(), &serialPortRk::instrumentLostSignal);
        link->lookForPort();
        QSignalSpy closed(link.get(), &serialPortRk::portClosedSignal);
        QTRY_COMPARE_WITH_TIMEOUT(info.count(), 1, longWait);
        QTRY_VERIFY_WITH_TIMEOUT(countLines("serialPortRk::portClose->closeIndex:1") >= 1,
                                 longWait);
        QVERIFY(link->currentInstrumentModel().isEmpty());
        // A loss with nothing outstanding: announced, the user not yet told.
        QCOMPARE(lost.count(), 1);
        QCOMPARE(lost.at(0).at(0).toBool(), false);
        const int closedAtLoss = closed.count();
        // Searching again: each search announces the disconnected state.
        QTRY_VERIFY_WITH_TIMEOUT(closed.count() >= closedAtLoss + 2, longWait);
        QVERIFY(!link->isPortOpen());

        // The instrument comes back on another terminal.
        QVERIFY(emu.start({}));
        qputenv("QCM_SERIAL_PORT", emu.path.toLocal8Bit());
        QTRY_COMPARE_WITH_TIMEOUT(info.count(), 2, longWait);
        QVERIFY(link->isPortOpen());
        QCOMPARE(link->currentInstrumentModel(), QString("PX71"));
    }

    // restartPort closes, searches at once and asks for the information.
    void restartPortReconnects()
    {
        QVERIFY(connected({}));
        QSignalSpy info(link.get(), &serialPortRk::getInstrumentInfoSignal);
        QSignalSpy closed(link.get(), &serialPortRk::portClosedSignal);
        link->restartPort();
        QCOMPARE(closed.count(), 1);
        QVERIFY(link->isPortOpen());
        QTRY_VERIFY_WITH_TIMEOUT(info.count() >= 1, longWait);

        // A restart whose opening fails with an error that closes nothing
        // (here: the name is not a terminal) must leave the link searching.
        QTemporaryFile notATerminal;
        QVERIFY(notATerminal.open());
        qputenv("QCM_SERIAL_PORT", notATerminal.fileName().toLocal8Bit());
        link->restartPort();
        QVERIFY(!link->isPortOpen());
        qputenv("QCM_SERIAL_PORT", emu.path.toLocal8Bit());
        QTRY_VERIFY_WITH_TIMEOUT(link->isPortOpen(), longWait);
        QTRY_VERIFY_WITH_TIMEOUT(info.count() >= 2, longWait);
    }

    void completeUpload()
    {
        QTemporaryFile records;
        QVERIFY(records.open());
        records.write("T T005 SCI D65 50 -1.25 3.5 2019-3-5T9:7:3 0 0 1\n"
                      "S S001 SCE F11 51.2 -1.1 3.4 2019-3-5 9:8:0 1 9 3\n"
                      "7 S002 5 9 52.5 1.5 -2.25 2020-12-31T23:59:58 9 12 255\n"
                      "noData - 0 0 0 0 0 2019-1-1T0:0:0 0 0 0\n"
                      "T T006 SCE A 60 10 -20 2021-1-2T3:4:5 5 3 2\n");
        records.close();
        // Two Types, and three Samples reported so that the range covers
        // all five records.  Keep-alive probes go unanswered: the probe the
        // end of the upload sends must not bring a reply that could reach
        // the port together with the next one.
        QVERIFY(connected({"--records-file", records.fileName(), "--caliber", "4mm",
                           "--sample-count", "3", "--silent", "C0:*"}));
        QCOMPARE(emu.count(0xC6), 0);

        QVector<QVector<QString>> got;
        QVector<float> L, a, b;
        int finishedBeforeLast = -1;
        QSignalSpy finished(link.get(), &serialPortRk::dataToPCFinished1Signal);
        QProgressBar *bar = link->findChild<QProgressBar *>("progressBar");
        QVector<int> progress;
        connect(link.get(), &serialPortRk::dataToPCFinished0Signal, link.get(),
                [&](QVector<QString> record, float l, float aa, float bb) {
                    got << record;
                    L << l;
                    a << aa;
                    b << bb;
                    progress << bar->value();
                    finishedBeforeLast = finished.count();
                    link->dataToPCCmd2Slot();
                });

        link->dataToPCCmd1Slot();
        QVERIFY(link->isUploading());
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 2 + 3);
        QCOMPARE(messageLine(link.get()), QString("Upload instrument data to PC ..."));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, longWait);
        QCOMPARE(finishedBeforeLast, 0);
        QCOMPARE(got.size(), 5);
        QCOMPARE(progress, (QVector<int>{0, 1, 2, 3, 4}));
        QVERIFY(!link->isUploading());
        QCOMPARE(link->uploadedRecordCount(), 0);
        QCOMPARE(messageLine(link.get()), QString("Succeed to upload instrument data!"));
        QCOMPARE(bar->value(), 5);
        QVERIFY(!bar->isEnabled());

        using R = QVector<QString>;
        QCOMPARE(got[0], (R{"T", "T005", "SCI", "D65", "2019-3-5 9:7:3", "CIE1976LAB", "ΔELab", "1",
                            "4mm"}));
        QCOMPARE(got[1],
                 (R{"S", "S001", "SCE", "F11", "2019-3-5 9:8:0", "CIELCH", "ΔE00", "3", "4mm"}));
        // Codes outside their tables repeat the previous record's values;
        // the formula falls back to ΔELab.
        QCOMPARE(got[2], (R{"S", "S002", "SCE", "F11", "2020-12-31 23:59:58", "CIELCH", "ΔELab",
                            "255", "4mm"}));
        QCOMPARE(got[3], (R{"noData", "", "SCI", "A", "2019-1-1 0:0:0", "CIE1976LAB", "ΔELab", "0",
                            "4mm"}));
        QCOMPARE(got[4],
                 (R{"T", "T006", "SCE", "A", "2021-1-2 3:4:5", "sRGB", "ΔECIE94", "2", "4mm"}));
        QVERIFY(fuzzy(L[0], 50.f) && fuzzy(a[0], -1.25f) && fuzzy(b[0], 3.5f));
        QVERIFY(fuzzy(L[2], 52.5f) && fuzzy(a[2], 1.5f) && fuzzy(b[2], -2.25f));
        QVERIFY(fuzzy(L[4], 60.f) && fuzzy(a[4], 10.f) && fuzzy(b[4], -20.f));
        QCOMPARE(emu.count(0xC6), 1);
        QCOMPARE(emu.count(0xC7), 5);

        // Notifications are back: a measurement reply is heard again.
        answerConditions(link.get());
        QSignalSpy tItem(link.get(), &serialPortRk::generateTItemSignal);
        link->tTestSlot();
        QTRY_COMPARE_WITH_TIMEOUT(tItem.count(), 1, longWait);
    }

    void emptyStoreUploadEndsAtOnce()
    {
        QTemporaryFile records;
        QVERIFY(records.open());
        records.write("# nothing stored\n");
        records.close();
        QVERIFY(connected({"--records-file", records.fileName()}));
        QSignalSpy record(link.get(), &serialPortRk::dataToPCFinished0Signal);
        QSignalSpy finished(link.get(), &serialPortRk::dataToPCFinished1Signal);
        link->dataToPCCmd1Slot();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, longWait);
        QCOMPARE(record.count(), 0);
        QCOMPARE(messageLine(link.get()), QString("Succeed to upload instrument data!"));
        QVERIFY(promptRk::history().isEmpty());
    }

    // The instrument stops answering in the middle of an upload: the upload
    // ends, keeps what arrived and says it is incomplete.
    void stalledUploadEndsWithWarning()
    {
        // A second without a record ends the upload here: ample for the
        // emulator's answers, which come within milliseconds.
        protocolTiming timing = protocolTiming::current();
        timing.uploadStallMsec = 1000;
        protocolTiming::set(timing);
        QVERIFY(connected({"--silent", "C7:2", "--silent", "C0:*"}));
        QSignalSpy record(link.get(), &serialPortRk::dataToPCFinished0Signal);
        QSignalSpy finished(link.get(), &serialPortRk::dataToPCFinished1Signal);
        connect(link.get(), &serialPortRk::dataToPCFinished0Signal, link.get(),
                &serialPortRk::dataToPCCmd2Slot);
        link->dataToPCCmd1Slot();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, longWait);
        QCOMPARE(record.count(), 2); // the reply to 0xC6 and to the first 0xC7
        QVERIFY(!link->isUploading());
        QCOMPARE(link->uploadedRecordCount(), 0);
        QVERIFY(!link->findChild<QProgressBar *>("progressBar")->isEnabled());

        const QList<promptRk::Record> boxes = promptRk::history();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].kind, promptRk::Warning);
        QCOMPARE(boxes[0].title, QString("Warning"));
        QVERIFY2(boxes[0].text.contains("incomplete") && boxes[0].text.contains("2"),
                 qPrintable(boxes[0].text));
        QCOMPARE(messageLine(link.get()), boxes[0].text);

        // The link is usable again: notifications are back (a whiteness
        // reply is heard) and a new upload runs to its end.
        QSignalSpy white(link.get(), &serialPortRk::whiteYellowParameterSignal);
        link->whiteYellowSlot();
        QTRY_COMPARE_WITH_TIMEOUT(white.count(), 1, longWait);
        link->dataToPCCmd1Slot();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, longWait);
        QCOMPARE(record.count(), 2 + 6);
        QCOMPARE(messageLine(link.get()), QString("Succeed to upload instrument data!"));
    }

    // Records that are still on their way when the poll looks (here each
    // comes in two bursts 80 ms apart, far beyond the 25 ms poll) are waited
    // for instead of stalling the upload.
    void slowRecordsStillArrive()
    {
        QVERIFY(connected({"--split", "C6:80", "--split", "C7:80", "--silent", "C0:*"}));
        QStringList names;
        QSignalSpy finished(link.get(), &serialPortRk::dataToPCFinished1Signal);
        connect(link.get(), &serialPortRk::dataToPCFinished0Signal, link.get(),
                [&](QVector<QString> record, float, float, float) {
                    names << record.at(1);
                    link->dataToPCCmd2Slot();
                });
        link->dataToPCCmd1Slot();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2 * longWait);
        QCOMPARE(names, QStringList({"T001", "S001", "S002", "T002", "S003", ""}));
        QCOMPARE(messageLine(link.get()), QString("Succeed to upload instrument data!"));
        QVERIFY(promptRk::history().isEmpty());
    }

    void sendTypeToInstrument()
    {
        QTemporaryFile records;
        QVERIFY(records.open());
        records.close();
        shortenReplyTimeOut();
        QVERIFY(connected({"--records-file", records.fileName(), "--silent", "C8:2"}));
        QByteArray frame;
        QString why;
        QVERIFY(frameCodec::composeSendTypeRequest("SCE", "F11(TL84)", 50.f, -1.25f, 3.5f, 1, "8mm",
                                                   &frame, &why));
        const QString text = QString::fromLatin1(frame.left(24).toHex().toUpper());

        link->sendTDataToYiQi(text, true);
        QTRY_COMPARE_WITH_TIMEOUT(promptRk::history().size(), 1, longWait);
        QCOMPARE(promptRk::history()[0].kind, promptRk::Warning);
        QCOMPARE(promptRk::history()[0].title, QString("Tips"));
        QCOMPARE(promptRk::history()[0].text,
                 QString("Send success, in the instrument name is T001!"));
        QCOMPARE(messageLine(link.get()), QString("Send success!"));
        QVERIFY(emu.requestFrames.contains(
            "55 AA 19 C8 54 00 00 00 01 06 00 07 A1 20 FF 00 30 D4 00 00 88 B8 01 00 B8"));

        // The second send gets no answer: "Send Failed!" after the time-out,
        // in the status line and in a box without parent.
        promptRk::clearHistory();
        link->sendTDataToYiQi(text, true);
        QTRY_COMPARE_WITH_TIMEOUT(promptRk::history().size(), 1, longWait);
        QCOMPARE(promptRk::history()[0].kind, promptRk::Information);
        QCOMPARE(promptRk::history()[0].title, QString("Tips"));
        QCOMPARE(promptRk::history()[0].text, QString("Send Failed!"));
        QCOMPARE(messageLine(link.get()), QString("Send Failed!"));

        // Without the notify flag a successful send shows no box.
        promptRk::clearHistory();
        link->sendTDataToYiQi(text, false);
        QTRY_COMPARE_WITH_TIMEOUT(emu.count(0xC8), 3, longWait);
        // Answered: the probes resume once the reply has been handled.
        const int probes = emu.count(0xC0);
        QTRY_VERIFY_WITH_TIMEOUT(emu.count(0xC0) > probes, longWait);
        QVERIFY(promptRk::history().isEmpty());
    }

    void calibration_data()
    {
        QTest::addColumn<bool>("white");
        QTest::addColumn<bool>("fails");
        QTest::newRow("white success") << true << false;
        QTest::newRow("black success") << false << false;
        QTest::newRow("white failure") << true << true;
        QTest::newRow("black failure") << false << true;
    }

    void calibration()
    {
        QFETCH(bool, white);
        QFETCH(bool, fails);
        QVERIFY(connected(fails ? QStringList{"--calibration-fails"} : QStringList{}));
        if (white)
            link->whiteCalibration();
        else
            link->blackCalibration();
        const QString which = white ? "White" : "Black";
        QCOMPARE(messageLine(link.get()), which + " calibration ...");
        QTRY_COMPARE_WITH_TIMEOUT(promptRk::history().size(), 1, longWait);
        const promptRk::Record box = promptRk::history().first();
        QCOMPARE(box.title, QString("Tips"));
        if (fails) {
            QCOMPARE(box.kind, promptRk::Warning);
            QCOMPARE(box.text, which + " calibration failed!");
        } else {
            QCOMPARE(box.kind, promptRk::TimedInformation);
            QCOMPARE(box.text, which + " calibration success!");
        }
        QCOMPARE(messageLine(link.get()), box.text);
        QCOMPARE(emu.count(white ? 0xC2 : 0xC3), 1);
    }

    // Port errors print their line and close where the table says so.
    void portErrors()
    {
        QVERIFY(connected({}));
        struct Row
        {
            QSerialPort::SerialPortError error;
            int closeIndex; // 0: the port stays open
            bool modelEmptied;
        };
        const Row rows[] = {
            {QSerialPort::NoError, 0, false},
            {QSerialPort::OpenError, 0, false},
            {QSerialPort::ParityError, 0, false},
            {QSerialPort::FramingError, 0, false},
            {QSerialPort::BreakConditionError, 0, false},
            {QSerialPort::UnsupportedOperationError, 0, false},
            {QSerialPort::TimeoutError, 0, false},
            {QSerialPort::NotOpenError, 0, true},
            {QSerialPort::DeviceNotFoundError, 1, true},
            {QSerialPort::PermissionError, 2, false},
            {QSerialPort::WriteError, 3, false},
            {QSerialPort::UnknownError, 4, false},
            {QSerialPort::ReadError, 1, true},
            {QSerialPort::ResourceError, 1, true},
        };
        for (const Row &row : rows) {
            // Closed by the previous row: search now rather than in a second.
            if (!link->isPortOpen())
                link->lookForPort();
            QVERIFY(link->isPortOpen());
            if (link->currentInstrumentModel().isEmpty())
                link->getInstrunetInfo();
            QTRY_VERIFY_WITH_TIMEOUT(!link->currentInstrumentModel().isEmpty(), longWait);
            debugLines.clear();
            link->errorSlot(row.error);
            const QString what = QString("error %1").arg(int(row.error));
            QVERIFY2(link->isPortOpen() == (row.closeIndex == 0), qPrintable(what));
            QVERIFY2(link->currentInstrumentModel().isEmpty() == row.modelEmptied,
                     qPrintable(what));
            if (row.closeIndex)
                QVERIFY2(debugLines.contains(
                             QString("serialPortRk::portClose->closeIndex:%1").arg(row.closeIndex)),
                         qPrintable(what));
            else
                QVERIFY2(debugLines.isEmpty(), qPrintable(what));
        }
    }

    // The watcher ticks reach the link: while notifications are off (an
    // upload) a tick reads the port, and stopWatcher ends the ticks.
    void watcherTicksAndStops()
    {
        QVERIFY(connected({}));
        threadRk *watcher = link->findChild<threadRk *>();
        QVERIFY(watcher);
        QSignalSpy ticks(watcher, &threadRk::portWSSignal);
        link->startWatcher();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 3, longWait);
        link->stopWatcher();
        QTRY_VERIFY_WITH_TIMEOUT(watcher->isFinished(), longWait);
        const int afterStop = ticks.count();
        QTest::qWait(3 * protocolTiming::current().watcherTickMsec);
        QCOMPARE(ticks.count(), afterStop);

        // With the watcher running a measurement still arrives exactly once.
        answerConditions(link.get());
        QSignalSpy tItem(link.get(), &serialPortRk::generateTItemSignal);
        link->startWatcher();
        link->tTestSlot();
        QTRY_COMPARE_WITH_TIMEOUT(tItem.count(), 1, longWait);
        const int ticksAtReading = ticks.count();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= ticksAtReading + 3, longWait);
        QCOMPARE(tItem.count(), 1);
        link->stopWatcher();
    }

    // Starts and stops nest (Open asking to save runs Save As inside): an
    // inner stop leaves the watcher ticking, the outer one ends it, and a
    // start right after a stop ticks on once the ending run is over.  A
    // stopped run ticks at most once more, so two further ticks show a
    // watcher that is still wanted.
    void watcherStartsAndStopsNest()
    {
        link = std::make_unique<serialPortRk>();
        threadRk *watcher = link->findChild<threadRk *>();
        QSignalSpy ticks(watcher, &threadRk::portWSSignal);
        link->startWatcher();
        link->startWatcher();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 1, longWait);
        link->stopWatcher();
        const int afterInnerStop = ticks.count();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= afterInnerStop + 2, longWait);
        QVERIFY(watcher->isRunning());
        link->stopWatcher();
        QTRY_VERIFY_WITH_TIMEOUT(watcher->isFinished(), longWait);
        link->stopWatcher(); // unmatched: ignored, the next start still ticks

        link->startWatcher();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() > afterInnerStop + 2, longWait);
        link->stopWatcher();
        link->startWatcher(); // the run asked to stop has not ended yet
        const int afterRestart = ticks.count();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= afterRestart + 2, longWait);
        link->stopWatcher();
        QTRY_VERIFY_WITH_TIMEOUT(watcher->isFinished(), longWait);
    }

    // The status strip: texts vanish after three seconds, progress shows and
    // finishes.
    void statusStrip()
    {
        // Identified and idle, so that no search rewrites the message line.
        QVERIFY(connected({}));
        link->show();
        QCOMPARE(link->height(), 40);
        QCOMPARE(link->findChild<QLabel *>("infoCaption")->text(), QString("Info.:"));
        QLabel *line = link->findChild<QLabel *>("infoLabel");
        QProgressBar *bar = link->findChild<QProgressBar *>("progressBar");
        QCOMPARE(line->font().pointSize(), 14);
        QCOMPARE(line->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(!bar->isVisible());

        link->startProgress(10);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->maximum(), 10);
        QCOMPARE(line->text(), QString("Data is exported to excel..."));
        link->setProgressValue(4);
        QCOMPARE(bar->value(), 4);
        link->finishProgress(10);
        QCOMPARE(line->text(), QString("Export completed!"));
        QVERIFY(!bar->isEnabled());
        link->showInfo("hello");
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), QString("hello"));
        QTRY_VERIFY_WITH_TIMEOUT(!bar->isVisible(), longWait);
        QTRY_VERIFY_WITH_TIMEOUT(!line->isVisible(), longWait);
        QVERIFY(line->text().isEmpty());
    }

private:
    // Reply time-outs of half a second: short enough to wait for, long
    // enough for the emulator's answers on a busy machine.
    static void shortenReplyTimeOut()
    {
        protocolTiming timing = protocolTiming::current();
        timing.replyMsec = 500;
        protocolTiming::set(timing);
    }

    // Every request the link wrote so far is in the emulator's log: a probe
    // written now is logged after them.
    void flushEmulatorLog()
    {
        const int probes = emu.count(0xC0);
        link->sendWSPortData();
        QTRY_VERIFY_WITH_TIMEOUT(emu.count(0xC0) > probes, longWait);
    }

    bool startEmulator(const QStringList &options)
    {
        if (!emu.start(options))
            return false;
        qputenv("QCM_SERIAL_PORT", emu.path.toLocal8Bit());
        link = std::make_unique<serialPortRk>();
        return true;
    }

    // Emulator up and the link identified; the search is run at once
    // instead of after the first second.
    bool connected(const QStringList &options = {})
    {
        if (!startEmulator(options))
            return false;
        link->lookForPort();
        return waitForInfo();
    }

    bool waitForInfo()
    {
        QSignalSpy info(link.get(), &serialPortRk::getInstrumentInfoSignal);
        return info.wait(longWait) || !link->currentInstrumentModel().isEmpty();
    }

    emulator emu;
    std::unique_ptr<serialPortRk> link;
};

QTEST_MAIN(tst_serialLink)
#include "tst_serialLink.moc"
