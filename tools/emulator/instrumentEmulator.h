#ifndef QCM_INSTRUMENTEMULATOR_H
#define QCM_INSTRUMENTEMULATOR_H

// The emulated instrument on the master side of a pseudo-terminal.  Its
// replies are composed here byte by byte from the frame tables, on purpose
// without the program's own codec, so that a fault in the codec cannot hide
// behind itself in the tests.

#include "emulatorConfig.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

class instrumentEmulator : public QObject
{
    Q_OBJECT

public:
    explicit instrumentEmulator(const emulatorConfig &config, QObject *parent = nullptr);
    ~instrumentEmulator() override;

    // Opens the pseudo-terminal; the slave's path is then slavePath().
    bool open(QString *error);
    QString slavePath() const { return path; }

    // Frames used in replies, exposed for the emulator's own checks.
    static quint8 frameChecksum(const QByteArray &bytes);
    static QByteArray frame(quint8 code, const QByteArray &payload);

private slots:
    void readMaster();
    void writePending();
    void dropStaleInput();

private:
    void processInput();
    void handleRequest(const QByteArray &request);
    QByteArray replyTo(const QByteArray &request);
    QByteArray infoReply() const;
    QByteArray colourReply(quint8 code, const QByteArray &request);
    QByteArray recordReply(const emulatedRecord &r) const;
    QByteArray storeType(const QByteArray &request);
    emulatedColour nextColour();
    void sendReply(int requestCode, QByteArray reply, bool lastBeforeHangup);
    void writeOut(const QByteArray &bytes);
    void hangUp();
    void logLine(const QString &text) const;

    emulatorConfig config;
    int master = -1;
    int slave = -1; // kept open so that a client closing the terminal does not hang it up
    QString path;
    QSocketNotifier *readNotifier = nullptr;
    QSocketNotifier *writeNotifier = nullptr;
    QTimer *staleTimer = nullptr;
    QTimer *glueTimer = nullptr; // --glue: when the gathered replies leave
    QByteArray input;
    QByteArray pending;
    QHash<int, int> requestCounts;
    int answered = 0;
    bool hungUp = false;
    bool hangUpDue = false; // a hang-up is on its way: nothing more is answered
    int recordCursor = 0;
    int madeUpRecords = 0;
    // Until when (on `clock`) a delayed reply keeps the instrument busy.
    qint64 busyUntil = 0;
    int colourIndex = 0;
    emulatedColour walk;
    quint32 randomState = 1;
    QElapsedTimer clock;
};

#endif
