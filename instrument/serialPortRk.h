#ifndef QCM_SERIALPORTRK_H
#define QCM_SERIALPORTRK_H

// The serial link to the colorimeter, and the status strip at the top of the
// main window.  It finds the instrument among the serial ports, keeps the link
// alive, collects reply frames, runs every request and reply time-out and
// turns replies into signals.  Replies are acted on by their code alone; the
// only request the link remembers is a Type or Sample measurement whose reply
// timed out, asked again once the re-opened port has identified the
// instrument, or abandoned with a message if the port is gone.

#include "frameCodec.h"
#include "portDiscovery.h"

#include <QByteArray>
#include <QSerialPort>
#include <QString>
#include <QVector>
#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;
class QTimer;
class threadRk;

class serialPortRk : public QWidget
{
    Q_OBJECT

public:
    using PortLister = std::function<QList<portDiscovery::PortEntry>()>;

    explicit serialPortRk(QWidget *parent = nullptr);
    ~serialPortRk() override;

    // Replaces the system enumeration used by the search (tests); an empty
    // function restores it.
    static void setPortLister(PortLister lister);

    void openPort();
    void closePort(int closeIndex);

    // Status strip.
    void showInfo(const QString &text);
    void startProgress(int maximum);
    void setProgressValue(int value);
    void finishProgress(int value);

    // The instrument information in this order: model, light source, caliber,
    // observer, illumination mode, light mode, colour space, formula, Type
    // capacity, stored Types, Sample capacity, stored Samples.
    void instrumentInfo(QString &model, QString &lightSource, QString &caliber, QString &observer,
                        QString &illumination, QString &lightMode, QString &colorSpace,
                        QString &formula, int &typeCapacityOut, int &typeCountOut,
                        int &sampleCapacityOut, int &sampleCountOut);
    QString portName() const;

    // The port watcher around modal dialogs.  Starts and stops pair up and
    // may nest: the watcher ticks from the first start to the last stop.
    void startWatcher();
    void stopWatcher();
    void retranslate();

    // Read-only views of the link state.
    bool isPortOpen() const;
    QString currentInstrumentModel() const { return instrumentModel; }
    int currentTestMode() const { return testMode; }
    bool isUploading() const { return uploading; }
    int uploadedRecordCount() const { return uploadCounter; }
    // A Type or Sample measurement awaits its reply (or its repetition).
    bool isMeasuring() const;

signals:
    void getInstrumentInfoSignal();
    void generateTItemSignal(float L, float a, float b);
    void generateSItemSignal(float L, float a, float b);
    void portClosedSignal();
    void TTestSignal();
    void STestSignal();
    void dataToPCFinished0Signal(QVector<QString> record, float L, float a, float b);
    void dataToPCFinished1Signal();
    void whiteYellowParameterSignal(float L, float a, float b);
    void testSignal(float L, float a, float b);
    // The whiteness request went unanswered for the reply time-out.
    void whiteYellowTimeOutSignal();
    // A Type or Sample request could not be composed from its conditions and
    // was not sent (the reason is on the status line).
    void measurementRefusedSignal();
    // The instrument went away: an open port failed, or could not be opened
    // again after a reply time-out.  `measurementAbandoned`: a measurement
    // was outstanding and the link tells the user so itself.  The closing
    // and re-opening that asks again after a missed reply is no loss.
    void instrumentLostSignal(bool measurementAbandoned);

public slots:
    // Machinery.
    void lookForPort();
    void readyReadSlot();
    void dataProcessing();
    void errorSlot(QSerialPort::SerialPortError error);
    void restartPort();
    void portWrite(const QByteArray &bytes);
    void progressbarSlot();
    void infoLabelSlot();

    // Exchanges.
    void sendWSPortData();
    void getInstrunetInfo();
    void tTestSlot();
    void TTest(const QString &frameText);
    void TTestCheckOK(const QString &lightSource, const QString &model, const QString &caliber,
                      const QString &lightMode, const QString &colorSpace, const QString &formula,
                      const QString &illumination, const QString &observer,
                      const QString &averageTimes);
    void tTestTimeOutSlot();
    void sTestSlot();
    void STest(const QString &frameText);
    void STestCheckOK(const QString &lightSource, const QString &model, const QString &caliber,
                      const QString &lightMode, const QString &colorSpace, const QString &formula,
                      const QString &illumination, const QString &observer,
                      const QString &averageTimes);
    void sTestTimeOutSlot();
    void testButtonSlot(int mode);
    void whiteCalibration();
    void blackCalibration();
    void whiteYellowSlot();

    // Stored-data upload.
    void dataToPCCmd1Slot();
    void dataToPCCmd2Slot();

    // Sending a Type to the instrument: `str` is the frame text without its
    // checksum; `xFlag` asks for the confirmation box.
    void sendTDataToYiQi(const QString &str, bool xFlag);
    void sendDataToYiQiTimeoutSlot();

    // Kept for existing connections; they change nothing visible.
    void tTestButtonSlot();
    void sTestButtonSlot();
    void WSTimeoutSlot();

private slots:
    void uploadStalledSlot();
    void whitenessTimeOutSlot();

private:
    // The Type and the Sample measurement run the same exchange.
    enum MeasurementKind
    {
        TypeKind,
        SampleKind,
    };
    struct measurementExchange
    {
        // The reply time-out; it also guards the wait for the instrument
        // information before a repetition.
        QTimer *replyTimer = nullptr;
        // The reply timed out: ask again as soon as the instrument
        // information of the re-opened port has been read.
        bool retry = false;
    };

    void writeText(const char *frameText);
    // Status text and TTestSignal / STestSignal.
    void askForMeasurement(MeasurementKind kind);
    // The conditions passed their check: request 0xC4 / 0xC5 goes out, or
    // the refusal is announced when a condition has no instrument code.
    void measurementChecked(MeasurementKind kind, const QString &lightSource,
                            const QString &lightMode);
    void sendMeasurement(MeasurementKind kind, const QString &frameText);
    void measurementReply(MeasurementKind kind, const frameCodec::Reply &reply);
    void actOnReply(const frameCodec::Reply &reply);
    // A request is out whose reply must not share the port with a
    // keep-alive reply: a Type or Sample measurement, the whiteness
    // measurement, a Type sent to the instrument, or an upload.
    bool exchangeUnderWay() const;
    bool partialFrameWaiting() const;
    void connectReadyRead();
    void disconnectReadyRead();
    void finishUpload();
    // Ends an upload cut short; the records received are kept.
    void endIncompleteUpload(const QString &text);
    // The keep-alive again, unless an exchange that pauses it is under way.
    void resumeKeepAlive();
    void calibrationReply(bool white, int result);
    void lostWhileOpen();
    // A Type or Sample reply did not come in time: close, search again and
    // ask again once the re-opened port has identified the instrument.
    void measurementTimedOut(MeasurementKind kind);
    // Stops both reply timers and forgets any measurement waiting to be asked
    // again; true when one was outstanding.
    bool dropPendingMeasurements();
    // The instrument went away with a measurement outstanding: tell the user.
    void reportAbandonedMeasurement();

    // Port and received bytes.
    QSerialPort *port = nullptr;
    QString portNameValue;
    QByteArray rxBuffer;

    // Instrument information.
    QString instrumentModel;
    QString instrumentLight;
    QString instrumentCaliber;
    QString instrumentLightMode;
    QString instrumentColorSpace;
    QString instrumentFormula;
    QString instrumentObserver;
    QString instrumentIllumination;
    qint32 typeCapacity = 0;
    qint32 typeCount = 0;
    qint32 sampleCapacity = 0;
    qint32 sampleCount = 0;

    float measuredL = 0;
    float measuredA = 0;
    float measuredB = 0;
    int testMode = 0;
    measurementExchange measurements[2];
    bool sendNotify = false;
    bool uploading = false;
    int uploadCounter = 0;
    QVector<QString> record;
    QString recordKind;

    threadRk *watcher = nullptr;
    int watcherUsers = 0; // starts not yet matched by a stop

    QTimer *searchTimer = nullptr;
    QTimer *keepAliveTimer = nullptr;
    QTimer *infoTimer = nullptr;
    QTimer *parseTimer = nullptr;
    QTimer *sendReplyTimer = nullptr;
    QTimer *whitenessReplyTimer = nullptr;
    QTimer *pollTimer = nullptr;
    QTimer *uploadStallTimer = nullptr;
    QTimer *progressHideTimer = nullptr;
    QTimer *messageHideTimer = nullptr;

    // Status strip.
    QLabel *infoCaption = nullptr;
    QProgressBar *progressBar = nullptr;
    QLabel *infoLabel = nullptr;
};

#endif
