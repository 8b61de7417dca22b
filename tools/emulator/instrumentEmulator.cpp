#include "instrumentEmulator.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Bytes that never contain 0x55 0xAA, sent before a reply by --garbage.
const char garbageBytes[] = {'\x00', '\x13', '\x37'};

int minimumRequestLength(int code)
{
    switch (code) {
    case 0xC4:
    case 0xC5:
    case 0xC9:
        return 11;
    case 0xC8:
        return 25;
    default:
        return 5;
    }
}

bool takesTime(int code)
{
    return code == 0xC2 || code == 0xC3 || code == 0xC4 || code == 0xC5 || code == 0xC9;
}

QString hexText(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

void appendMagnitude(QByteArray *out, double value)
{
    double scaled = std::round(std::fabs(value) * 10000.0);
    if (!(scaled <= 16777215.0)) // also catches NaN
        scaled = 16777215.0;
    const quint32 m = quint32(scaled);
    out->append(char((m >> 16) & 0xFF));
    out->append(char((m >> 8) & 0xFF));
    out->append(char(m & 0xFF));
}

void appendSigned(QByteArray *out, double value)
{
    out->append(char(value < 0 ? 0xFF : 0x00));
    appendMagnitude(out, value);
}

void appendCount(QByteArray *out, int value)
{
    const int v = qBound(0, value, 65535);
    out->append(char((v >> 8) & 0xFF));
    out->append(char(v & 0xFF));
}

QByteArray fourBytes(const QByteArray &text)
{
    QByteArray b = text.left(4);
    while (b.size() < 4)
        b.append('\0');
    return b;
}

double requestValue(const QByteArray &request, int at)
{
    const quint32 m = (quint32(quint8(request.at(at + 1))) << 16) |
                      (quint32(quint8(request.at(at + 2))) << 8) |
                      quint32(quint8(request.at(at + 3)));
    const double v = double(m) / 10000.0;
    return quint8(request.at(at)) == 0xFF ? -v : v;
}

} // namespace

instrumentEmulator::instrumentEmulator(const emulatorConfig &c, QObject *parent)
    : QObject(parent), config(c), walk(c.base), randomState(c.seed ? c.seed : 1)
{
    recordCursor = config.records.size();
    staleTimer = new QTimer(this);
    staleTimer->setSingleShot(true);
    connect(staleTimer, &QTimer::timeout, this, &instrumentEmulator::dropStaleInput);
    glueTimer = new QTimer(this);
    glueTimer->setSingleShot(true);
    connect(glueTimer, &QTimer::timeout, this, [this]() {
        logLine(QStringLiteral("-> %1 (in one write)").arg(hexText(pending)));
        writePending();
    });
    clock.start();
}

instrumentEmulator::~instrumentEmulator()
{
    if (master >= 0)
        ::close(master);
    if (slave >= 0)
        ::close(slave);
}

bool instrumentEmulator::open(QString *error)
{
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        *error = QStringLiteral("cannot create a pseudo-terminal: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const char *name = ::ptsname(master);
    if (!name) {
        *error = QStringLiteral("ptsname failed");
        return false;
    }
    path = QString::fromLocal8Bit(name);
    slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave < 0) {
        *error = QStringLiteral("cannot open %1: %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // Raw bytes both ways: no echo, no line editing, no CR/LF translation.
    termios settings;
    if (::tcgetattr(slave, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::cfsetispeed(&settings, B19200);
        ::cfsetospeed(&settings, B19200);
        settings.c_cflag |= CLOCAL | CREAD;
        ::tcsetattr(slave, TCSANOW, &settings);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);

    readNotifier = new QSocketNotifier(master, QSocketNotifier::Read, this);
    connect(readNotifier, &QSocketNotifier::activated, this, &instrumentEmulator::readMaster);
    writeNotifier = new QSocketNotifier(master, QSocketNotifier::Write, this);
    writeNotifier->setEnabled(false);
    connect(writeNotifier, &QSocketNotifier::activated, this, &instrumentEmulator::writePending);
    logLine(QStringLiteral("serving on %1").arg(path));
    return true;
}

quint8 instrumentEmulator::frameChecksum(const QByteArray &bytes)
{
    unsigned sum = 0;
    for (const char c : bytes)
        sum += quint8(c);
    return quint8(0xFF - (sum & 0xFF));
}

QByteArray instrumentEmulator::frame(quint8 code, const QByteArray &payload)
{
    QByteArray f;
    f.append(char(0x55));
    f.append(char(0xAA));
    f.append(char(payload.size() + 5));
    f.append(char(code));
    f.append(payload);
    f.append(char(frameChecksum(f)));
    return f;
}

void instrumentEmulator::readMaster()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0) {
            input.append(buffer, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            // Should the slave side ever be without any open descriptor, the
            // master reports EIO on every poll; look again later instead of
            // spinning.
            readNotifier->setEnabled(false);
            QTimer::singleShot(200, this, [this]() {
                if (!hungUp && readNotifier)
                    readNotifier->setEnabled(true);
            });
        }
        break;
    }
    processInput();
    if (input.isEmpty())
        staleTimer->stop();
    else
        staleTimer->start(config.staleMs);
}

void instrumentEmulator::dropStaleInput()
{
    if (input.isEmpty())
        return;
    logLine(QStringLiteral("stale input dropped up to the next 55 AA: %1").arg(hexText(input)));
    // Skip the header that never completed and look for another one.
    input.remove(0, qMin(2, input.size()));
    processInput();
    if (!input.isEmpty())
        staleTimer->start(config.staleMs);
}

void instrumentEmulator::processInput()
{
    static const QByteArray header("\x55\xAA", 2);
    for (;;) {
        const int start = input.indexOf(header);
        if (start < 0) {
            // Keep a last 0x55: its 0xAA may still be on the way.
            const bool keepLast = !input.isEmpty() && quint8(input.back()) == 0x55;
            if (input.size() > (keepLast ? 1 : 0))
                logLine(QStringLiteral("garbage skipped: %1")
                            .arg(hexText(input.left(input.size() - (keepLast ? 1 : 0)))));
            input = keepLast ? QByteArray(1, char(0x55)) : QByteArray();
            return;
        }
        if (start > 0) {
            logLine(QStringLiteral("garbage skipped: %1").arg(hexText(input.left(start))));
            input.remove(0, start);
        }
        if (input.size() < 3)
            return;
        const int n = quint8(input.at(2));
        if (n < 5) {
            logLine(QStringLiteral("length %1 is no frame; skipped").arg(n));
            input.remove(0, 2);
            continue;
        }
        if (input.size() < n)
            return;
        const QByteArray request = input.left(n);
        if (frameChecksum(request.left(n - 1)) != quint8(request.at(n - 1))) {
            logLine(QStringLiteral("<! %1 (wrong checksum, ignored)").arg(hexText(request)));
            input.remove(0, 2);
            continue;
        }
        input.remove(0, n);
        handleRequest(request);
    }
}

void instrumentEmulator::handleRequest(const QByteArray &request)
{
    if (hungUp || hangUpDue)
        return;
    const int code = quint8(request.at(3));
    if (code < 0xC0 || code > 0xC9) {
        logLine(QStringLiteral("<! %1 (unknown code, ignored)").arg(hexText(request)));
        return;
    }
    if (request.size() < minimumRequestLength(code)) {
        logLine(QStringLiteral("<! %1 (too short, ignored)").arg(hexText(request)));
        return;
    }
    logLine(QStringLiteral("<- %1").arg(hexText(request)));
    const int nth = ++requestCounts[code];
    if (config.hangupOn.value(code) == nth) {
        logLine(QStringLiteral("   request %1 of %2 met by a hang-up")
                    .arg(nth)
                    .arg(code, 2, 16, QLatin1Char('0')));
        // Not from here: we are inside the read notifier that hangUp deletes.
        hangUpDue = true;
        QTimer::singleShot(0, this, &instrumentEmulator::hangUp);
        return;
    }
    ++answered;
    const bool last = config.hangupAfter > 0 && answered == config.hangupAfter;
    if (config.silentAll.contains(code) || config.silentNth.value(code).contains(nth)) {
        logLine(QStringLiteral("   request %1 of %2 left unanswered")
                    .arg(nth)
                    .arg(code, 2, 16, QLatin1Char('0')));
        if (last)
            QTimer::singleShot(100, this, &instrumentEmulator::hangUp);
        return;
    }
    const QByteArray reply = replyTo(request);
    int delay = takesTime(code) ? config.delayMs : 0;
    const qint64 now = clock.elapsed();
    if (config.replyDelayMs.contains(code)) {
        delay = config.replyDelayMs.value(code);
        busyUntil = qMax(busyUntil, now + delay);
    } else if (busyUntil > now) {
        // Busy with an earlier request: this reply follows that one.
        delay = int(busyUntil - now) + 1;
    }
    if (delay > 0)
        QTimer::singleShot(delay, this, [=]() { sendReply(code, reply, last); });
    else
        sendReply(code, reply, last);
}

QByteArray instrumentEmulator::replyTo(const QByteArray &request)
{
    const int code = quint8(request.at(3));
    switch (code) {
    case 0xC0:
        return frame(0xA0, QByteArray());
    case 0xC1:
        return infoReply();
    case 0xC2:
    case 0xC3:
        return frame(quint8(code - 0x20), QByteArray(1, config.calibrationFails ? '\0' : '\1'));
    case 0xC4:
    case 0xC5:
    case 0xC9:
        return colourReply(quint8(code - 0x20), request);
    case 0xC6:
        recordCursor = 0;
        Q_FALLTHROUGH();
    case 0xC7:
        if (recordCursor < config.records.size())
            return recordReply(config.records.at(recordCursor++));
        if (config.endlessRecords) {
            emulatedRecord r;
            r.kind = 2;
            r.name = QStringLiteral("S%1")
                         .arg(++madeUpRecords % 1000, 3, 10, QLatin1Char('0'))
                         .toLatin1();
            r.colour = config.base;
            return recordReply(r);
        }
        return frame(0xA7, QByteArray());
    case 0xC8:
        return storeType(request);
    }
    return QByteArray();
}

QByteArray instrumentEmulator::infoReply() const
{
    int types = 0, samples = 0;
    for (const emulatedRecord &r : config.records) {
        if (r.kind == 1)
            ++types;
        else if (r.kind == 2)
            ++samples;
    }
    if (config.typeCount >= 0)
        types = config.typeCount;
    if (config.sampleCount >= 0)
        samples = config.sampleCount;
    QByteArray p = fourBytes(config.model);
    p.append(char(config.lightSource));
    p.append(char(config.caliber));
    p.append(char(config.lightMode));
    p.append(char(config.colorSpace));
    p.append(char(config.formula));
    appendCount(&p, qMax(config.typeCapacity, types));
    appendCount(&p, types);
    appendCount(&p, qMax(config.sampleCapacity, samples));
    appendCount(&p, samples);
    return frame(0xA1, p);
}

QByteArray instrumentEmulator::colourReply(quint8 code, const QByteArray &request)
{
    const emulatedColour c = nextColour();
    QByteArray p(4, '\0');
    p.append(request.at(8)); // the conditions it measured under
    p.append(request.at(9));
    p.append(char(config.caliber));
    appendMagnitude(&p, c.L);
    appendSigned(&p, c.a);
    appendSigned(&p, c.b);
    return frame(code, p);
}

QByteArray instrumentEmulator::recordReply(const emulatedRecord &r) const
{
    QByteArray p;
    p.append(char(r.kind));
    p.append(fourBytes(r.name));
    p.append(char(r.lightMode));
    p.append(char(r.lightSource));
    p.append(char(config.caliber));
    appendMagnitude(&p, r.colour.L);
    appendSigned(&p, r.colour.a);
    appendSigned(&p, r.colour.b);
    appendCount(&p, r.year);
    p.append(char(r.month));
    p.append(char(r.day));
    p.append(char(r.hour));
    p.append(char(r.minute));
    p.append(char(r.second));
    p.append(char(r.colorSpace));
    p.append(char(r.formula));
    p.append(char(r.readings));
    return frame(0xA6, p);
}

QByteArray instrumentEmulator::storeType(const QByteArray &request)
{
    static const QRegularExpression typeName(QStringLiteral("^T(\\d+)$"));
    int highest = 0;
    for (const emulatedRecord &r : config.records) {
        const QRegularExpressionMatch m = typeName.match(QString::fromLatin1(r.name));
        if (r.kind == 1 && m.hasMatch())
            highest = qMax(highest, m.captured(1).toInt());
    }
    emulatedRecord r;
    r.kind = 1;
    r.name = QStringLiteral("T%1").arg((highest + 1) % 1000, 3, 10, QLatin1Char('0')).toLatin1();
    r.lightMode = quint8(request.at(8));
    r.lightSource = quint8(request.at(9));
    r.colour = {requestValue(request, 10), requestValue(request, 14), requestValue(request, 18)};
    const QDateTime now = QDateTime::currentDateTime();
    r.year = now.date().year();
    r.month = now.date().month();
    r.day = now.date().day();
    r.hour = now.time().hour();
    r.minute = now.time().minute();
    r.second = now.time().second();
    r.colorSpace = config.colorSpace;
    r.formula = config.formula;
    r.readings = quint8(request.at(22));
    config.records.append(r);
    logLine(QStringLiteral("   stored Type %1 (%2, %3, %4)")
                .arg(QString::fromLatin1(r.name))
                .arg(r.colour.L)
                .arg(r.colour.a)
                .arg(r.colour.b));
    return frame(0xA8, fourBytes(r.name));
}

emulatedColour instrumentEmulator::nextColour()
{
    if (!config.colours.isEmpty())
        return config.colours.at(colourIndex++ % config.colours.size());
    auto step = [this]() {
        // xorshift32, so that a seed gives the same walk everywhere.
        randomState ^= randomState << 13;
        randomState ^= randomState >> 17;
        randomState ^= randomState << 5;
        return double(randomState) / 4294967296.0 - 0.5;
    };
    // A small walk that stays near the base colour.
    walk.L = config.base.L + 0.9 * (walk.L - config.base.L) + step();
    walk.a = config.base.a + 0.9 * (walk.a - config.base.a) + step();
    walk.b = config.base.b + 0.9 * (walk.b - config.base.b) + step();
    if (walk.L < 0)
        walk.L = 0;
    return walk;
}

void instrumentEmulator::sendReply(int requestCode, QByteArray reply, bool lastBeforeHangup)
{
    if (hungUp || reply.isEmpty())
        return;
    QString note;
    if (config.badChecksum.contains(requestCode)) {
        reply[reply.size() - 1] = char(quint8(reply.back()) ^ 0xA5);
        note += QStringLiteral(" (wrong checksum)");
    }
    if (config.garbage.contains(requestCode)) {
        reply.prepend(QByteArray(garbageBytes, sizeof garbageBytes));
        note += QStringLiteral(" (garbage first)");
    }
    const auto afterLastByte = [this, lastBeforeHangup]() {
        if (lastBeforeHangup)
            QTimer::singleShot(100, this, &instrumentEmulator::hangUp);
    };
    if (config.splitGapMs.contains(requestCode) && reply.size() > 1) {
        const int gap = config.splitGapMs.value(requestCode);
        const QByteArray first = reply.left(reply.size() / 2);
        const QByteArray second = reply.mid(reply.size() / 2);
        logLine(QStringLiteral("-> %1%2 (first burst)").arg(hexText(first), note));
        writeOut(first);
        QTimer::singleShot(gap, this, [=]() {
            if (hungUp)
                return;
            logLine(
                QStringLiteral("-> %1 (second burst, %2 ms later)").arg(hexText(second)).arg(gap));
            writeOut(second);
            afterLastByte();
        });
        return;
    }
    logLine(QStringLiteral("-> %1%2").arg(hexText(reply), note));
    writeOut(reply);
    afterLastByte();
}

void instrumentEmulator::writeOut(const QByteArray &bytes)
{
    pending.append(bytes);
    if (config.glueMs > 0) {
        // Gathered: the first reply sets when they all leave.
        if (!glueTimer->isActive())
            glueTimer->start(config.glueMs);
        return;
    }
    writePending();
}

void instrumentEmulator::writePending()
{
    while (!pending.isEmpty() && master >= 0) {
        const ssize_t n = ::write(master, pending.constData(), size_t(pending.size()));
        if (n > 0) {
            pending.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (writeNotifier)
        writeNotifier->setEnabled(!pending.isEmpty() && master >= 0);
}

void instrumentEmulator::hangUp()
{
    if (hungUp)
        return;
    hungUp = true;
    staleTimer->stop();
    glueTimer->stop();
    // The notifiers must go before their descriptor does.
    delete readNotifier;
    readNotifier = nullptr;
    delete writeNotifier;
    writeNotifier = nullptr;
    ::close(master);
    master = -1;
    ::close(slave);
    slave = -1;
    pending.clear();
    input.clear();
    logLine(QStringLiteral("hung up after %1 requests; idle until stopped").arg(answered));
}

void instrumentEmulator::logLine(const QString &text) const
{
    if (!config.log)
        return;
    std::fprintf(stderr, "[%7lld ms] %s\n", static_cast<long long>(clock.elapsed()),
                 qPrintable(text));
    std::fflush(stderr);
}
