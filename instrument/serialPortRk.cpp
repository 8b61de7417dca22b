#include "serialPortRk.h"

#include "colorVocabulary.h"
#include "frameCodec.h"
#include "promptRk.h"
#include "protocolTiming.h"
#include "threadRk.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <cstdio>

namespace {

const protocolTiming &timing()
{
    return protocolTiming::current();
}

// The reasons closePort prints for the reply time-outs of a Type and of a
// Sample measurement.
const int typeTimeOutCloseIndex = 5;
const int sampleTimeOutCloseIndex = 6;

serialPortRk::PortLister &portLister()
{
    static serialPortRk::PortLister lister;
    return lister;
}

QTimer *makeTimer(QObject *owner, bool singleShot)
{
    auto *timer = new QTimer(owner);
    timer->setSingleShot(singleShot);
    return timer;
}

void printPortError(const char *line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

serialPortRk::serialPortRk(QWidget *parent) : QWidget(parent)
{
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    qRegisterMetaType<QSerialPort::SerialPortError>("QSerialPort::SerialPortError");

    infoCaption = new QLabel(this);
    infoCaption->setObjectName(QStringLiteral("infoCaption"));
    progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->hide();
    infoLabel = new QLabel(this);
    infoLabel->setObjectName(QStringLiteral("infoLabel"));
    QFont font = infoLabel->font();
    font.setPointSize(14);
    infoLabel->setFont(font);
    QPalette palette = infoLabel->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, Qt::blue);
    infoLabel->setPalette(palette);
    infoLabel->hide();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(infoCaption);
    layout->addWidget(progressBar);
    layout->addWidget(infoLabel);
    layout->addStretch();
    setFixedHeight(40);
    retranslate();

    searchTimer = makeTimer(this, false);
    keepAliveTimer = makeTimer(this, false);
    infoTimer = makeTimer(this, true);
    parseTimer = makeTimer(this, true);
    for (measurementExchange &m : measurements)
        m.replyTimer = makeTimer(this, true);
    sendReplyTimer = makeTimer(this, true);
    whitenessReplyTimer = makeTimer(this, true);
    pollTimer = makeTimer(this, true);
    uploadStallTimer = makeTimer(this, true);
    progressHideTimer = makeTimer(this, true);
    messageHideTimer = makeTimer(this, true);

    connect(searchTimer, &QTimer::timeout, this, &serialPortRk::lookForPort);
    connect(keepAliveTimer, &QTimer::timeout, this, &serialPortRk::sendWSPortData);
    connect(infoTimer, &QTimer::timeout, this, &serialPortRk::getInstrunetInfo);
    connect(parseTimer, &QTimer::timeout, this, &serialPortRk::dataProcessing);
    connect(measurements[TypeKind].replyTimer, &QTimer::timeout, this,
            &serialPortRk::tTestTimeOutSlot);
    connect(measurements[SampleKind].replyTimer, &QTimer::timeout, this,
            &serialPortRk::sTestTimeOutSlot);
    connect(sendReplyTimer, &QTimer::timeout, this, &serialPortRk::sendDataToYiQiTimeoutSlot);
    connect(whitenessReplyTimer, &QTimer::timeout, this, &serialPortRk::whitenessTimeOutSlot);
    connect(pollTimer, &QTimer::timeout, this, &serialPortRk::readyReadSlot);
    connect(uploadStallTimer, &QTimer::timeout, this, &serialPortRk::uploadStalledSlot);
    connect(progressHideTimer, &QTimer::timeout, this, &serialPortRk::progressbarSlot);
    connect(messageHideTimer, &QTimer::timeout, this, &serialPortRk::infoLabelSlot);

    watcher = new threadRk(this);
    connect(watcher, &threadRk::portWSSignal, this, &serialPortRk::readyReadSlot,
            Qt::QueuedConnection);
    // A start that came while the previous run was still ending found the
    // thread busy and did nothing: the run is begun again once it has ended.
    connect(watcher, &QThread::finished, this, [this] {
        if (watcherUsers > 0 && !watcher->isRunning())
            watcher->startTicking();
    });

    searchTimer->start(timing().searchMsec);
}

serialPortRk::~serialPortRk()
{
    // End the watcher before the link goes, so that no tick is queued to a
    // half-destroyed receiver.
    disconnect(watcher, nullptr, this, nullptr);
    delete watcher;
    watcher = nullptr;
    if (port) {
        disconnect(port, nullptr, this, nullptr);
        if (port->isOpen())
            port->close();
    }
}

void serialPortRk::setPortLister(PortLister lister)
{
    portLister() = std::move(lister);
}

// ---------------------------------------------------------------------------
// Port search, opening, closing

void serialPortRk::lookForPort()
{
    QString name = portDiscovery::overridePortName();
    if (name.isEmpty()) {
        const QList<portDiscovery::PortEntry> ports =
            portLister() ? portLister()() : portDiscovery::availablePorts();
        name = portDiscovery::findInstrumentPort(ports);
    }
    if (!name.isEmpty())
        portNameValue = name;

    if (port) {
        // The old object may still be emitting (this can run from inside its
        // readyRead through readyReadSlot's event processing): detach it and
        // let the event loop delete it.
        disconnect(port, nullptr, this, nullptr);
        if (port->isOpen())
            port->close();
        port->deleteLater();
    }
    port = new QSerialPort(this);
    connect(port, &QSerialPort::errorOccurred, this, &serialPortRk::errorSlot);

    openPort();
    emit portClosedSignal();
}

void serialPortRk::openPort()
{
    if (!port)
        return;
    port->setPortName(portNameValue);
    if (!port->open(QIODevice::ReadWrite))
        return;
    searchTimer->stop();
    sendWSPortData();
    resumeKeepAlive();
    port->setBaudRate(QSerialPort::Baud19200, QSerialPort::AllDirections);
    port->setParity(QSerialPort::NoParity);
    port->setDataBits(QSerialPort::Data8);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->clearError();
    port->clear(QSerialPort::AllDirections);
    connectReadyRead();
    infoTimer->start(timing().infoMsec);
    showInfo(tr("Open Port") + portNameValue + tr("Successful"));
}

void serialPortRk::closePort(int closeIndex)
{
    qDebug().nospace() << "serialPortRk::portClose->closeIndex:" << closeIndex;
    const bool wasOpen = isPortOpen();
    // A measurement outstanding on a port that goes away is abandoned: were
    // its reply timer left running, the time-out would cycle every two
    // seconds for as long as the instrument is away and then ask it to
    // measure, unprompted, the moment it is plugged in again.
    const bool abandoned = dropPendingMeasurements();
    whitenessReplyTimer->stop();
    searchTimer->start(timing().searchMsec);
    keepAliveTimer->stop();
    if (port && port->isOpen())
        port->close();
    getInstrunetInfo();
    if (abandoned)
        reportAbandonedMeasurement();
    // The closes of the reply time-outs are followed by a search at once;
    // whether the instrument is gone is known only after it.
    if (wasOpen && closeIndex != typeTimeOutCloseIndex && closeIndex != sampleTimeOutCloseIndex)
        emit instrumentLostSignal(abandoned);
}

bool serialPortRk::dropPendingMeasurements()
{
    const measurementExchange &type = measurements[TypeKind];
    if (type.replyTimer->isActive() || type.retry)
        testMode = 0; // a library test that will never be answered
    const bool pending = isMeasuring();
    for (measurementExchange &m : measurements) {
        m.replyTimer->stop();
        m.retry = false;
    }
    return pending;
}

void serialPortRk::reportAbandonedMeasurement()
{
    const QString text = tr("Connection to the instrument lost; the measurement was abandoned.");
    showInfo(text);
    // Not from inside closePort: it runs in the port's error signal, and a
    // modal box there would spin an event loop under the failing port.
    QTimer::singleShot(0, this, [this, text] { promptRk::warning(this, tr("Tips"), text); });
}

void serialPortRk::restartPort()
{
    keepAliveTimer->stop();
    const bool wasOpen = isPortOpen();
    lookForPort();
    // Without this a failed re-opening would leave nothing searching and the
    // link would stay closed for good.
    if (!isPortOpen())
        searchTimer->start(timing().searchMsec);
    getInstrunetInfo();
    if (wasOpen && !isPortOpen())
        emit instrumentLostSignal(false);
}

// The device went away under an open port: handled as device-not-found.
void serialPortRk::lostWhileOpen()
{
    if (!isPortOpen())
        return;
    instrumentModel.clear();
    closePort(1);
}

bool serialPortRk::isPortOpen() const
{
    return port && port->isOpen();
}

QString serialPortRk::portName() const
{
    return portNameValue;
}

void serialPortRk::errorSlot(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
        printPortError("error:1 ");
        break;
    case QSerialPort::DeviceNotFoundError:
        printPortError("error:2 ");
        instrumentModel.clear();
        closePort(1);
        break;
    case QSerialPort::PermissionError:
        printPortError("error:3 ");
        closePort(2);
        break;
    case QSerialPort::OpenError:
        printPortError("error:4 ");
        break;
    case QSerialPort::ParityError:
        printPortError("error:6 ");
        break;
    case QSerialPort::FramingError:
        printPortError("error:7 ");
        break;
    case QSerialPort::BreakConditionError:
        printPortError("error:8 ");
        break;
    case QSerialPort::WriteError:
        printPortError("error:9 ");
        closePort(3);
        break;
    case QSerialPort::ReadError:
        printPortError("error:10 ");
        // A hung-up terminal reads as end of file: the port then reports a
        // read error at every turn of the event loop and never recovers.
        lostWhileOpen();
        break;
    case QSerialPort::ResourceError:
        printPortError("error:11 ");
        // An unplugged USB device (or a write to a hung-up terminal) gives
        // EIO, reported as a resource error; left alone the link would never
        // notice the loss and never search again.
        lostWhileOpen();
        break;
    case QSerialPort::UnsupportedOperationError:
        printPortError("error:12 ");
        break;
    case QSerialPort::UnknownError:
        printPortError("error:14 ");
        closePort(4);
        break;
    case QSerialPort::TimeoutError:
        printPortError("error:13 ");
        break;
    case QSerialPort::NotOpenError:
        printPortError("error:5 ");
        instrumentModel.clear();
        break;
    }
}

// ---------------------------------------------------------------------------
// Writing and receiving

void serialPortRk::portWrite(const QByteArray &bytes)
{
    if (!isPortOpen())
        return;
    port->write(bytes);
}

void serialPortRk::writeText(const char *frameText)
{
    portWrite(frameCodec::hexTextToBytes(QString::fromLatin1(frameText)));
}

void serialPortRk::connectReadyRead()
{
    if (port)
        connect(port, &QSerialPort::readyRead, this, &serialPortRk::readyReadSlot,
                Qt::UniqueConnection);
}

void serialPortRk::disconnectReadyRead()
{
    if (port)
        disconnect(port, &QSerialPort::readyRead, this, &serialPortRk::readyReadSlot);
}

void serialPortRk::readyReadSlot()
{
    QCoreApplication::processEvents();
    parseTimer->start(timing().parseMsec);
    pollTimer->stop();
    QCoreApplication::processEvents();
    QByteArray bytes;
    if (isPortOpen() && !(uploading && partialFrameWaiting()))
        bytes = port->readAll();
    // What the buffer holds is replaced, so that the bytes of a broken reply
    // never spoil the next one; but whole replies still waiting for their
    // parse are kept, and the new bytes go behind them: two replies arriving
    // in one quiet period (a keep-alive reply just behind a reading) are both
    // acted on.  A read that finds nothing (a watcher tick, a poll) keeps
    // what is waiting, so that a tick landing in the quiet period does not
    // throw away a whole reply.
    if (bytes.isEmpty())
        return;
    int whole = 0;
    frameCodec::parseReplies(rxBuffer, &whole);
    rxBuffer.truncate(whole);
    rxBuffer += bytes;
}

// A record still on its way: the start of a frame whose length byte asks for
// more than has arrived.  Read now, it would be lost, since the next read
// replaces the buffer rather than extending it.
bool serialPortRk::partialFrameWaiting() const
{
    const QByteArray head = port->peek(3);
    if (head.isEmpty() || quint8(head.at(0)) != 0x55)
        return false;
    if (head.size() > 1 && quint8(head.at(1)) != 0xAA)
        return false;
    return head.size() < 3 || port->bytesAvailable() < quint8(head.at(2));
}

void serialPortRk::dataProcessing()
{
    parseTimer->stop();
    // Taken and emptied before acting: the boxes below run nested event loops
    // in which new bytes may already arrive for the next parse.
    const QByteArray buffer = rxBuffer;
    rxBuffer.clear();
    const QVector<frameCodec::Reply> replies = frameCodec::parseReplies(buffer);
    bool recordAnswered = false;
    for (const frameCodec::Reply &reply : replies)
        recordAnswered = recordAnswered || reply.code == frameCodec::RecordReply ||
                         reply.code == frameCodec::NoMoreRecordsReply;
    if (uploading && !recordAnswered && uploadStallTimer->isActive()) {
        // The record was not complete when the poll looked (a busy machine
        // or a slow instrument): look again rather than let the upload stall,
        // until the stall limit gives up on it.
        pollTimer->start(timing().nextPollMsec);
    }
    for (const frameCodec::Reply &reply : replies)
        actOnReply(reply);
}

void serialPortRk::actOnReply(const frameCodec::Reply &reply)
{
    switch (reply.code) {
    case frameCodec::KeepAliveReply:
        break;
    case frameCodec::InfoReply: {
        const frameCodec::InstrumentInfo &info = reply.info;
        instrumentModel = info.model;
        if (!info.lightSource.isEmpty())
            instrumentLight = info.lightSource;
        if (!info.caliber.isEmpty())
            instrumentCaliber = info.caliber;
        if (!info.lightMode.isEmpty())
            instrumentLightMode = info.lightMode;
        if (!info.colorSpace.isEmpty())
            instrumentColorSpace = info.colorSpace;
        instrumentFormula = info.formula;
        typeCapacity = info.typeCapacity;
        typeCount = info.typeCount;
        sampleCapacity = info.sampleCapacity;
        sampleCount = info.sampleCount;
        showInfo(tr("Connected to instrument:") + instrumentModel);
        emit getInstrumentInfoSignal();
        if (measurements[TypeKind].retry || measurements[SampleKind].retry) {
            // Only now does the receiver know the measuring conditions again
            // (the search that re-opened the port emptied them); a reading
            // arriving before this would have been thrown away.
            bool retry[2];
            for (int kind : {TypeKind, SampleKind}) {
                retry[kind] = measurements[kind].retry;
                measurements[kind].retry = false;
                measurements[kind].replyTimer->stop();
            }
            for (MeasurementKind kind : {TypeKind, SampleKind}) {
                if (retry[kind])
                    askForMeasurement(kind);
            }
        }
        break;
    }
    case frameCodec::WhiteCalibrationReply:
        calibrationReply(true, reply.calibrationResult);
        break;
    case frameCodec::BlackCalibrationReply:
        calibrationReply(false, reply.calibrationResult);
        break;
    case frameCodec::TypeMeasurementReply:
        measurementReply(TypeKind, reply);
        break;
    case frameCodec::SampleMeasurementReply:
        measurementReply(SampleKind, reply);
        break;
    case frameCodec::RecordReply: {
        uploadStallTimer->stop();
        if (uploading &&
            uploadCounter >= qMax(typeCapacity, typeCount) + qMax(sampleCapacity, sampleCount)) {
            // More records than the instrument can hold: it repeats itself
            // and would never say it has no more.
            endIncompleteUpload(
                tr("Upload incomplete: the instrument sent more records than it can store "
                   "(%1).")
                    .arg(uploadCounter));
            break;
        }
        const frameCodec::StoredRecord &r = reply.record;
        // Codes outside their tables repeat the previous record's values.
        if (!r.kind.isEmpty())
            recordKind = r.kind;
        if (!r.lightMode.isEmpty())
            instrumentLightMode = r.lightMode;
        if (!r.lightSource.isEmpty())
            instrumentLight = r.lightSource;
        if (!r.colorSpace.isEmpty())
            instrumentColorSpace = r.colorSpace;
        instrumentFormula = r.formula;
        record.clear();
        record << recordKind << r.name << instrumentLightMode << instrumentLight << r.timeStamp
               << instrumentColorSpace << instrumentFormula << QString::number(r.readings)
               << instrumentCaliber;
        measuredL = r.L;
        measuredA = r.a;
        measuredB = r.b;
        progressBar->setValue(uploadCounter);
        ++uploadCounter;
        emit dataToPCFinished0Signal(record, measuredL, measuredA, measuredB);
        break;
    }
    case frameCodec::NoMoreRecordsReply:
        uploadStallTimer->stop();
        finishUpload();
        // The outcome stays: a passing message's timer must not take it away.
        messageHideTimer->stop();
        infoLabel->setText(tr("Succeed to upload instrument data!"));
        progressBar->setValue(typeCount + sampleCount);
        uploadCounter = 0;
        emit dataToPCFinished1Signal();
        break;
    case frameCodec::SendTypeReply:
        sendReplyTimer->stop();
        resumeKeepAlive();
        if (sendNotify) {
            sendNotify = false;
            showInfo(tr("Send success!"));
            promptRk::warning(this, tr("Tips"),
                              tr("Send success, in the instrument name is") +
                                  QStringLiteral(" %1!").arg(reply.storedName));
        }
        break;
    case frameCodec::WhitenessReply:
        whitenessReplyTimer->stop();
        resumeKeepAlive();
        measuredL = reply.L;
        measuredA = reply.a;
        measuredB = reply.b;
        emit whiteYellowParameterSignal(measuredL, measuredA, measuredB);
        break;
    }
}

// ---------------------------------------------------------------------------
// Exchanges

void serialPortRk::sendWSPortData()
{
    // Held back while an exchange is under way: the instrument answers a
    // probe that arrives while it measures right behind its reading.
    if (exchangeUnderWay())
        return;
    writeText(frameCodec::keepAliveFrameText);
    if (instrumentModel.isEmpty())
        infoTimer->start(timing().infoMsec);
}

void serialPortRk::getInstrunetInfo()
{
    infoTimer->stop();
    writeText(frameCodec::infoFrameText);
    showInfo(tr("Get instrument info. ..."));
}

void serialPortRk::tTestSlot()
{
    askForMeasurement(TypeKind);
}

void serialPortRk::sTestSlot()
{
    askForMeasurement(SampleKind);
}

void serialPortRk::askForMeasurement(MeasurementKind kind)
{
    if (kind == TypeKind) {
        showInfo(tr("Type measurement ..."));
        emit TTestSignal();
    } else {
        showInfo(tr("Sample measurement ..."));
        emit STestSignal();
    }
}

void serialPortRk::TTestCheckOK(const QString &lightSource, const QString &, const QString &,
                                const QString &lightMode, const QString &, const QString &,
                                const QString &, const QString &, const QString &)
{
    measurementChecked(TypeKind, lightSource, lightMode);
}

void serialPortRk::STestCheckOK(const QString &lightSource, const QString &, const QString &,
                                const QString &lightMode, const QString &, const QString &,
                                const QString &, const QString &, const QString &)
{
    measurementChecked(SampleKind, lightSource, lightMode);
}

void serialPortRk::measurementChecked(MeasurementKind kind, const QString &lightSource,
                                      const QString &lightMode)
{
    const frameCodec::RequestCode code = kind == TypeKind ? frameCodec::TypeMeasurementRequest
                                                          : frameCodec::SampleMeasurementRequest;
    QByteArray frame;
    QString why;
    if (!frameCodec::composeMeasurementRequest(code, lightMode, lightSource, &frame, &why)) {
        showInfo(why);
        // No request, so no reply will end a library test: without this the
        // next ordinary Type measurement would be taken for the test.
        if (kind == TypeKind)
            testMode = 0;
        emit measurementRefusedSignal();
        return;
    }
    sendMeasurement(kind, QString::fromLatin1(frame.toHex().toUpper()));
}

void serialPortRk::TTest(const QString &frameText)
{
    sendMeasurement(TypeKind, frameText);
}

void serialPortRk::STest(const QString &frameText)
{
    sendMeasurement(SampleKind, frameText);
}

void serialPortRk::sendMeasurement(MeasurementKind kind, const QString &frameText)
{
    measurementExchange &m = measurements[kind];
    m.retry = false;
    // No keep-alive probe until the reply: the instrument answers a probe
    // that comes while it measures right behind the reading.
    keepAliveTimer->stop();
    // A request sent while an earlier one is unanswered keeps that one's
    // deadline: requests coming faster than the time-out (the automatic
    // Sample measurement) would otherwise hide a silent instrument forever.
    if (!m.replyTimer->isActive())
        m.replyTimer->start(timing().replyMsec);
    portWrite(frameCodec::hexTextToBytes(frameText));
}

void serialPortRk::measurementReply(MeasurementKind kind, const frameCodec::Reply &reply)
{
    measuredL = reply.L;
    measuredA = reply.a;
    measuredB = reply.b;
    // The reply timer is stopped and the keep-alive resumed before the
    // signal, so that a receiver asking for the next measurement at once
    // keeps that request's time-out.
    measurements[kind].replyTimer->stop();
    resumeKeepAlive();
    if (kind == SampleKind) {
        showInfo(tr("Finished Sample measurement!"));
        emit generateSItemSignal(measuredL, measuredA, measuredB);
    } else if (testMode == 0) {
        qDebug() << "serialPortRk::dataProcessing->7";
        showInfo(tr("Finished Type measurement!"));
        emit generateTItemSignal(measuredL, measuredA, measuredB);
    } else {
        qDebug() << "serialPortRk::dataProcessing->8";
        showInfo(tr("Finished measurement!"));
        testMode = 0;
        emit testSignal(measuredL, measuredA, measuredB);
    }
}

void serialPortRk::tTestTimeOutSlot()
{
    measurementTimedOut(TypeKind);
}

void serialPortRk::sTestTimeOutSlot()
{
    measurementTimedOut(SampleKind);
}

void serialPortRk::measurementTimedOut(MeasurementKind kind)
{
    bool again[2];
    for (int k : {TypeKind, SampleKind})
        again[k] = k == kind || measurements[k].replyTimer->isActive() || measurements[k].retry;
    const int keptTestMode = testMode;
    // This close is part of asking again, not a loss: forget the pending
    // measurements first so that closePort does not report them abandoned.
    dropPendingMeasurements();
    testMode = keptTestMode;
    closePort(kind == TypeKind ? typeTimeOutCloseIndex : sampleTimeOutCloseIndex);
    lookForPort();
    if (!isPortOpen()) {
        // The port itself is gone: the instrument was unplugged.
        if (again[TypeKind])
            testMode = 0;
        reportAbandonedMeasurement();
        emit instrumentLostSignal(true);
        return;
    }
    // The request is not sent at once: the search has just announced the
    // disconnected state, and a reply arriving before the instrument
    // information would find no measuring conditions to make an item with.
    // It goes out when reply 0xA1 has been handled; until then the reply
    // timer guards the wait, so an instrument that stays silent still
    // brings the next close and search when it runs out.
    for (int k : {TypeKind, SampleKind})
        measurements[k].retry = again[k];
    measurements[kind].replyTimer->start(timing().replyMsec);
}

void serialPortRk::testButtonSlot(int mode)
{
    testMode = mode;
    tTestSlot();
}

void serialPortRk::whiteCalibration()
{
    writeText(frameCodec::whiteCalibrationFrameText);
    showInfo(tr("White calibration ..."));
}

void serialPortRk::blackCalibration()
{
    writeText(frameCodec::blackCalibrationFrameText);
    showInfo(tr("Black calibration ..."));
}

void serialPortRk::calibrationReply(bool white, int result)
{
    if (result == 1) {
        const QString text =
            white ? tr("White calibration success!") : tr("Black calibration success!");
        showInfo(text);
        promptRk::timedInformation(this, tr("Tips"), text, timing().calibrationBoxMsec);
    } else if (result == 0) {
        const QString text =
            white ? tr("White calibration failed!") : tr("Black calibration failed!");
        showInfo(text);
        promptRk::warning(this, tr("Tips"), text);
    }
}

void serialPortRk::whiteYellowSlot()
{
    // No keep-alive probe until the answer, as for a measurement.
    keepAliveTimer->stop();
    whitenessReplyTimer->start(timing().replyMsec);
    writeText(frameCodec::whitenessFrameText);
    showInfo(tr("Whiteness/Yellowness measurement ..."));
}

void serialPortRk::whitenessTimeOutSlot()
{
    whitenessReplyTimer->stop();
    resumeKeepAlive();
    showInfo(tr("No answer to the whiteness/yellowness measurement!"));
    emit whiteYellowTimeOutSignal();
}

void serialPortRk::tTestButtonSlot() {}

void serialPortRk::sTestButtonSlot() {}

void serialPortRk::WSTimeoutSlot() {}

// ---------------------------------------------------------------------------
// Stored-data upload

void serialPortRk::dataToPCCmd1Slot()
{
    keepAliveTimer->stop();
    uploading = true;
    uploadCounter = 0;
    progressHideTimer->stop();
    messageHideTimer->stop();
    progressBar->setRange(0, typeCount + sampleCount);
    progressBar->setValue(0);
    progressBar->setEnabled(true);
    progressBar->show();
    infoLabel->setText(tr("Upload instrument data to PC ..."));
    infoLabel->show();
    disconnectReadyRead();
    writeText(frameCodec::firstRecordFrameText);
    pollTimer->start(timing().firstPollMsec);
    uploadStallTimer->start(timing().uploadStallMsec);
}

void serialPortRk::dataToPCCmd2Slot()
{
    disconnectReadyRead();
    writeText(frameCodec::nextRecordFrameText);
    pollTimer->start(timing().nextPollMsec);
    uploadStallTimer->start(timing().uploadStallMsec);
}

// The common end of an upload, whether the instrument said it had no more
// records or stopped answering.
void serialPortRk::finishUpload()
{
    pollTimer->stop();
    uploading = false;
    resumeKeepAlive();
    connectReadyRead();
    sendWSPortData();
    infoLabel->show();
    progressBar->setEnabled(false);
    progressHideTimer->start(timing().hideMsec);
    messageHideTimer->start(timing().hideMsec);
    rxBuffer.clear();
}

void serialPortRk::uploadStalledSlot()
{
    endIncompleteUpload(tr("Upload incomplete: the instrument stopped answering after %1 records.")
                            .arg(uploadCounter));
}

void serialPortRk::endIncompleteUpload(const QString &text)
{
    uploadStallTimer->stop();
    const int received = uploadCounter;
    finishUpload();
    messageHideTimer->stop();
    infoLabel->setText(text);
    progressBar->setValue(received);
    uploadCounter = 0;
    // The records already received are kept: the receiver makes its items
    // before the user is told the upload was cut short.
    emit dataToPCFinished1Signal();
    promptRk::warning(this, tr("Warning"), text);
}

// ---------------------------------------------------------------------------
// Sending a Type to the instrument

void serialPortRk::sendTDataToYiQi(const QString &str, bool xFlag)
{
    const QByteArray head = frameCodec::hexTextToBytes(str);
    if (head.size() != 24 || quint8(head.at(0)) != 0x55 || quint8(head.at(1)) != 0xAA ||
        quint8(head.at(2)) != 25 || quint8(head.at(3)) != frameCodec::SendTypeRequest) {
        showInfo(tr("The Type data are incomplete; nothing is sent."));
        return;
    }
    if (uploading) {
        showInfo(tr("Please wait until the upload has finished."));
        return;
    }
    const QByteArray frame = frameCodec::buildFrame(str);
    sendNotify = xFlag;
    // No keep-alive probe meanwhile: its reply, arriving within the quiet
    // period after reply 0xA8, would replace it in the receive buffer.
    keepAliveTimer->stop();
    sendReplyTimer->start(timing().replyMsec);
    portWrite(frame);
}

bool serialPortRk::isMeasuring() const
{
    for (const measurementExchange &m : measurements) {
        if (m.replyTimer->isActive() || m.retry)
            return true;
    }
    return false;
}

bool serialPortRk::exchangeUnderWay() const
{
    // A measurement waiting to be asked again has no request out yet.
    for (const measurementExchange &m : measurements) {
        if (m.replyTimer->isActive() && !m.retry)
            return true;
    }
    return uploading || whitenessReplyTimer->isActive() || sendReplyTimer->isActive();
}

void serialPortRk::resumeKeepAlive()
{
    if (isPortOpen() && !exchangeUnderWay())
        keepAliveTimer->start(timing().keepAliveMsec);
}

void serialPortRk::sendDataToYiQiTimeoutSlot()
{
    sendReplyTimer->stop();
    resumeKeepAlive();
    showInfo(tr("Send Failed!"));
    promptRk::information(nullptr, tr("Tips"), tr("Send Failed!"));
}

// ---------------------------------------------------------------------------
// Status strip and accessors

void serialPortRk::showInfo(const QString &text)
{
    infoLabel->setText(text);
    infoLabel->show();
    messageHideTimer->start(timing().hideMsec);
}

void serialPortRk::startProgress(int maximum)
{
    // A hide pending from the previous run must not hide this one.
    progressHideTimer->stop();
    messageHideTimer->stop();
    progressBar->setRange(0, maximum);
    progressBar->setValue(0);
    progressBar->setEnabled(true);
    progressBar->show();
    infoLabel->setText(tr("Data is exported to excel..."));
    infoLabel->show();
}

void serialPortRk::setProgressValue(int value)
{
    progressBar->setValue(value);
}

void serialPortRk::finishProgress(int value)
{
    infoLabel->setText(tr("Export completed!"));
    infoLabel->show();
    progressBar->setValue(value);
    progressBar->setEnabled(false);
    uploadCounter = 0;
    progressHideTimer->start(timing().hideMsec);
    messageHideTimer->start(timing().hideMsec);
}

void serialPortRk::progressbarSlot()
{
    progressHideTimer->stop();
    progressBar->hide();
}

void serialPortRk::infoLabelSlot()
{
    messageHideTimer->stop();
    infoLabel->clear();
    infoLabel->hide();
}

void serialPortRk::instrumentInfo(QString &model, QString &lightSource, QString &caliber,
                                  QString &observer, QString &illumination, QString &lightMode,
                                  QString &colorSpace, QString &formula, int &typeCapacityOut,
                                  int &typeCountOut, int &sampleCapacityOut, int &sampleCountOut)
{
    instrumentObserver = observerName();
    instrumentIllumination = illuminationModeName();
    model = instrumentModel;
    lightSource = instrumentLight;
    caliber = instrumentCaliber;
    observer = instrumentObserver;
    illumination = instrumentIllumination;
    lightMode = instrumentLightMode;
    colorSpace = instrumentColorSpace;
    formula = instrumentFormula;
    typeCapacityOut = typeCapacity;
    typeCountOut = typeCount;
    sampleCapacityOut = sampleCapacity;
    sampleCountOut = sampleCount;
}

void serialPortRk::startWatcher()
{
    // Callers nest (Open asks to save first, and Save As runs its own
    // dialog inside): the first start runs the watcher, the last stop ends it.
    if (watcherUsers++ == 0)
        watcher->startTicking();
}

void serialPortRk::stopWatcher()
{
    if (watcherUsers == 0)
        return;
    if (--watcherUsers == 0)
        watcher->requestStop();
}

void serialPortRk::retranslate()
{
    infoCaption->setText(tr("Info.:"));
}
