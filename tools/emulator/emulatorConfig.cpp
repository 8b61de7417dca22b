#include "emulatorConfig.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace {

const char *const helpText =
    R"(Plays the colorimeter on a pseudo-terminal so that the program (or a test) can
talk to it without hardware.  The first line written to standard output is
the terminal's path (for example /dev/pts/7); open it as a serial port.  The
emulator then serves until SIGTERM or SIGINT.  The client may close and
re-open the terminal any number of times.

Every request is answered with the reply of its code; requests may arrive in
one piece or split, garbage before "55 AA" is skipped, and a request with a
wrong checksum, an unknown code or too few bytes gets no reply.

Codes in the fault options are request codes, C0 to C9 (also 0xC4).  The
options --silent, --split, --garbage and --bad-checksum may be repeated.

Records file (--records-file): one record per line, fields separated by
blanks, '#' starts a comment:
  kind name lightmode lightsource L a b datetime colourspace formula readings
  kind        T, S, noData, or a number 0-255
  name        up to four characters; "-" for none
  lightmode   SCI, SCE, or a number
  lightsource A, D50, D65, C, F2, F7, F11, F12 (or F2(CWF), F11(TL84),
              F12(U30)), or a number
  L a b       decimal numbers
  datetime    2019-3-5T9:7:3 (or the date and the time as two fields)
  colourspace, formula, readings: numbers 0-255
Example:
  T T005 SCI D65 50 -1.25 3.5 2019-3-5T9:7:3 0 0 1
  S S001 SCE F11 51.2 -1.1 3.4 2019-3-5 9:8:0 0 9 3

On --hangup-after N the emulator answers N requests, then closes the
terminal's master side 100 ms after the N-th reply and idles until stopped.
The client's open port is hung up, as when a USB adapter is pulled: on Linux
every read finds end of file, so a QSerialPort that stays open reports
QSerialPort::ReadError over and over (ResourceError, "Input/output error",
once a write has failed); the terminal is gone, so opening it again fails
with QSerialPort::DeviceNotFoundError.  A client must close the port on
the first of these errors.

On --hangup-on CODE:N the N-th request of CODE is not answered: the emulator
hangs up as soon as it has read it, as when the instrument is unplugged in
the middle of a measurement.

On --glue MS every reply waits MS ms and leaves in one write together with
the replies that became due meanwhile, as an instrument does that packs its
answers into one USB transfer: a client that sends two requests within MS ms
reads both replies at once.)";

const QStringList lightSourceNames = {"A", "D50", "D65", "C", "F2", "F7", "F11", "F12"};
const QStringList lightSourceLongNames = {"A",       "D50", "D65",       "C",
                                          "F2(CWF)", "F7",  "F11(TL84)", "F12(U30)"};
const QStringList caliberNames = {"8mm", "4mm", "16mm", "40mm"};
const QStringList lightModeNames = {"SCI", "SCE"};

bool byteNumber(const QString &text, int *value)
{
    bool ok = false;
    const int v = text.toInt(&ok, 0);
    if (!ok || v < 0 || v > 255)
        return false;
    *value = v;
    return true;
}

// A name of the table, or a raw code (so that codes outside the table can
// be sent on purpose).
bool tableCode(const QString &text, const QStringList &names, const QStringList &aliases,
               int *value)
{
    int index = names.indexOf(text);
    if (index < 0)
        index = aliases.indexOf(text);
    if (index >= 0) {
        *value = index;
        return true;
    }
    return byteNumber(text, value);
}

bool requestCode(QString text, int *code)
{
    text = text.trimmed().toUpper();
    if (text.startsWith(QLatin1String("0X")))
        text = text.mid(2);
    bool ok = false;
    const int v = text.toInt(&ok, 16);
    if (!ok || v < 0xC0 || v > 0xC9)
        return false;
    *code = v;
    return true;
}

bool parseColour(const QString &text, emulatedColour *colour)
{
    const QStringList parts =
        text.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return false;
    bool okL = false, okA = false, okB = false;
    colour->L = parts.at(0).toDouble(&okL);
    colour->a = parts.at(1).toDouble(&okA);
    colour->b = parts.at(2).toDouble(&okB);
    return okL && okA && okB;
}

bool parseDateTime(const QString &text, emulatedRecord *r)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,5})-(\\d{1,3})-(\\d{1,3})[T ](\\d{1,3}):(\\d{1,3}):(\\d{1,3})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    r->year = m.captured(1).toInt();
    r->month = m.captured(2).toInt();
    r->day = m.captured(3).toInt();
    r->hour = m.captured(4).toInt();
    r->minute = m.captured(5).toInt();
    r->second = m.captured(6).toInt();
    return r->year <= 65535 && r->month <= 255 && r->day <= 255 && r->hour <= 255 &&
           r->minute <= 255 && r->second <= 255;
}

bool parseRecordLine(QStringList fields, emulatedRecord *r, QString *error)
{
    if (fields.size() == 12) {
        fields[7] = fields.at(7) + QLatin1Char('T') + fields.at(8);
        fields.removeAt(8);
    }
    if (fields.size() != 11) {
        *error = QStringLiteral("expected 11 fields, found %1").arg(fields.size());
        return false;
    }
    const QString kind = fields.at(0);
    if (kind == QLatin1String("T"))
        r->kind = 1;
    else if (kind == QLatin1String("S"))
        r->kind = 2;
    else if (kind == QLatin1String("noData"))
        r->kind = 255;
    else if (!byteNumber(kind, &r->kind)) {
        *error = QStringLiteral("bad kind \"%1\"").arg(kind);
        return false;
    }
    r->name = fields.at(1) == QLatin1String("-") ? QByteArray() : fields.at(1).toLatin1();
    if (r->name.size() > 4) {
        *error = QStringLiteral("name \"%1\" longer than four characters").arg(fields.at(1));
        return false;
    }
    if (!tableCode(fields.at(2), lightModeNames, {}, &r->lightMode)) {
        *error = QStringLiteral("bad light mode \"%1\"").arg(fields.at(2));
        return false;
    }
    if (!tableCode(fields.at(3), lightSourceNames, lightSourceLongNames, &r->lightSource)) {
        *error = QStringLiteral("bad light source \"%1\"").arg(fields.at(3));
        return false;
    }
    if (!parseColour(fields.mid(4, 3).join(QLatin1Char(' ')), &r->colour)) {
        *error = QStringLiteral("bad colour");
        return false;
    }
    if (!parseDateTime(fields.at(7), r)) {
        *error = QStringLiteral("bad date and time \"%1\"").arg(fields.at(7));
        return false;
    }
    if (!byteNumber(fields.at(8), &r->colorSpace) || !byteNumber(fields.at(9), &r->formula) ||
        !byteNumber(fields.at(10), &r->readings)) {
        *error = QStringLiteral("colour space, formula and readings must be numbers 0-255");
        return false;
    }
    return true;
}

emulatedRecord makeRecord(int kind, const char *name, int mode, int source, emulatedColour c,
                          int minuteOffset, int readings)
{
    emulatedRecord r;
    r.kind = kind;
    r.name = QByteArray(name);
    r.lightMode = mode;
    r.lightSource = source;
    r.colour = c;
    r.minute = 7 + minuteOffset;
    r.readings = readings;
    return r;
}

} // namespace

QVector<emulatedRecord> defaultRecords()
{
    QVector<emulatedRecord> records;
    records << makeRecord(1, "T001", 0, 2, {50.0, -1.25, 3.5}, 0, 1)
            << makeRecord(2, "S001", 0, 2, {50.8, -1.02, 3.91}, 1, 1)
            << makeRecord(2, "S002", 0, 2, {49.37, -1.4, 2.88}, 2, 3)
            << makeRecord(1, "T002", 1, 6, {72.15, 12.3, -20.07}, 3, 1)
            << makeRecord(2, "S003", 1, 6, {71.9, 12.85, -19.5}, 4, 2);
    emulatedRecord empty;
    empty.kind = 255;
    empty.lightSource = 0;
    empty.year = empty.month = empty.day = empty.hour = empty.minute = empty.second = 0;
    empty.readings = 0;
    records << empty;
    return records;
}

QVector<emulatedRecord> generatedRecords(int count, quint32 seed, const emulatedColour &base)
{
    QVector<emulatedRecord> records;
    records.reserve(count);
    quint32 state = seed ? seed : 1;
    auto step = [&state]() {
        // xorshift32: the same sequence on every platform.
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return double(state) / 4294967296.0 - 0.5;
    };
    int types = 0, samples = 0;
    for (int i = 0; i < count; ++i) {
        emulatedRecord r;
        const bool type = i % 10 == 0;
        r.kind = type ? 1 : 2;
        const int number = (type ? ++types : ++samples) % 1000;
        r.name = QStringLiteral("%1%2")
                     .arg(type ? QLatin1Char('T') : QLatin1Char('S'))
                     .arg(number, 3, 10, QLatin1Char('0'))
                     .toLatin1();
        r.colour = {base.L + 4 * step(), base.a + 4 * step(), base.b + 4 * step()};
        const int minutes = 9 * 60 + 7 + i;
        r.day = 5 + minutes / (24 * 60);
        r.hour = (minutes / 60) % 24;
        r.minute = minutes % 60;
        records << r;
    }
    return records;
}

bool readRecordsFile(const QString &path, QVector<emulatedRecord> *records, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    records->clear();
    QTextStream in(&file);
    int lineNumber = 0;
    while (!in.atEnd()) {
        ++lineNumber;
        QString line = in.readLine();
        const int hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            line.truncate(hash);
        const QStringList fields =
            line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (fields.isEmpty())
            continue;
        emulatedRecord r;
        QString why;
        if (!parseRecordLine(fields, &r, &why)) {
            *error = QStringLiteral("%1:%2: %3").arg(path).arg(lineNumber).arg(why);
            return false;
        }
        records->append(r);
    }
    return true;
}

bool parseEmulatorArguments(const QStringList &arguments, emulatorConfig *config, QString *error,
                            bool *helpShown)
{
    *helpShown = false;
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(helpText));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "Shows this help.");
    const QCommandLineOption model("model", "Instrument model, up to four characters (PX71).",
                                   "name", "PX71");
    const QCommandLineOption caliber("caliber", "Caliber: 8mm, 4mm, 16mm, 40mm or a code (8mm).",
                                     "caliber", "8mm");
    const QCommandLineOption lightSource(
        "light-source", "Light source: A, D50, D65, C, F2, F7, F11, F12 or a code (D65).", "name",
        "D65");
    const QCommandLineOption lightMode("light-mode", "Light mode: SCI, SCE or a code (SCI).",
                                       "mode", "SCI");
    const QCommandLineOption colorSpace("color-space", "Colour-space code, 0-255 (0).", "code",
                                        "0");
    const QCommandLineOption formula("formula", "Colour-difference formula code, 0-255 (0).",
                                     "code", "0");
    const QCommandLineOption typeCapacity("type-capacity", "Type capacity (100).", "n", "100");
    const QCommandLineOption sampleCapacity("sample-capacity", "Sample capacity (1000).", "n",
                                            "1000");
    const QCommandLineOption typeCount(
        "type-count", "Stored Types reported (default: counted from the store).", "n");
    const QCommandLineOption sampleCount(
        "sample-count", "Stored Samples reported (default: counted from the store).", "n");
    const QCommandLineOption colors(
        "colors", "Measured colours in turn, \"L,a,b;L,a,b;...\" (default: a random walk).",
        "list");
    const QCommandLineOption colorsFile(
        "colors-file", "Measured colours from a file, one \"L a b\" per line.", "path");
    const QCommandLineOption base("base", "Centre of the random walk, \"L,a,b\" (50,10,-20).",
                                  "colour", "50,10,-20");
    const QCommandLineOption seed("seed", "Seed of the random walk and of --records (1).", "n",
                                  "1");
    const QCommandLineOption delay(
        "delay-ms", "Time a measurement or calibration takes before its reply (0).", "ms", "0");
    const QCommandLineOption stale(
        "stale-ms", "Time after which an unfinished request is dropped as stale (250).", "ms",
        "250");
    const QCommandLineOption recordsFile("records-file", "Stored records from a file.", "path");
    const QCommandLineOption recordsCount("records", "N generated stored records instead.", "n");
    const QCommandLineOption silent(
        "silent", "No reply to the N-th request of CODE (C4:1, C4:1,3, or C4:* for all).",
        "code:n");
    const QCommandLineOption split(
        "split", "Replies to CODE in two bursts GAP ms apart (C4:50; * for every code).",
        "code:gap");
    const QCommandLineOption garbage(
        "garbage", "Three garbage bytes before each reply to CODE (* all).", "code");
    const QCommandLineOption badChecksum("bad-checksum",
                                         "A wrong checksum in each reply to CODE (* all).", "code");
    const QCommandLineOption calibrationFails(
        "calibration-fails", "White and black calibration replies report failure.");
    const QCommandLineOption hangup("hangup-after",
                                    "Hang up (close the master) after N answered requests.", "n");
    const QCommandLineOption hangupOn(
        "hangup-on",
        "Hang up instead of answering the N-th request of CODE (C5:1; C5 for the first).",
        "code:n");
    const QCommandLineOption endless("endless-records",
                                     "After the stored records, made-up Samples for ever (no A7).");
    const QCommandLineOption replyDelay(
        "reply-delay",
        "Busy MS ms before the reply to CODE (C8:1500); requests arriving meanwhile are "
        "answered after it, in order.",
        "code:ms");
    const QCommandLineOption glue(
        "glue", "Replies due within MS ms of each other leave in one write (0: each alone).", "ms",
        "0");
    const QCommandLineOption log("log", "Writes every request (\"<-\"), ignored frame (\"<!\") "
                                        "and reply (\"->\") as hex to stderr.");
    parser.addOptions(
        {help,         model,        caliber,        lightSource, lightMode,   colorSpace,
         formula,      typeCapacity, sampleCapacity, typeCount,   sampleCount, colors,
         colorsFile,   base,         seed,           delay,       stale,       recordsFile,
         recordsCount, silent,       split,          garbage,     badChecksum, calibrationFails,
         hangup,       hangupOn,     endless,        replyDelay,  glue,        log});
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        std::fflush(stdout);
        *helpShown = true;
        return true;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments()[0]);
        return false;
    }

    auto fail = [error](const QString &text) {
        *error = text;
        return false;
    };
    auto number = [&parser](const QCommandLineOption &option, int low, int high, int *value) {
        bool ok = false;
        const int v = parser.value(option).toInt(&ok, 0);
        if (!ok || v < low || v > high)
            return false;
        *value = v;
        return true;
    };

    config->model = parser.value(model).toLatin1();
    if (config->model.size() > 4)
        return fail(QStringLiteral("--model takes at most four characters"));
    if (!tableCode(parser.value(caliber), caliberNames, {}, &config->caliber))
        return fail(QStringLiteral("bad --caliber"));
    if (!tableCode(parser.value(lightSource), lightSourceNames, lightSourceLongNames,
                   &config->lightSource))
        return fail(QStringLiteral("bad --light-source"));
    if (!tableCode(parser.value(lightMode), lightModeNames, {}, &config->lightMode))
        return fail(QStringLiteral("bad --light-mode"));
    if (!number(colorSpace, 0, 255, &config->colorSpace))
        return fail(QStringLiteral("bad --color-space"));
    if (!number(formula, 0, 255, &config->formula))
        return fail(QStringLiteral("bad --formula"));
    if (!number(typeCapacity, 0, 65535, &config->typeCapacity))
        return fail(QStringLiteral("bad --type-capacity"));
    if (!number(sampleCapacity, 0, 65535, &config->sampleCapacity))
        return fail(QStringLiteral("bad --sample-capacity"));
    if (parser.isSet(typeCount) && !number(typeCount, 0, 65535, &config->typeCount))
        return fail(QStringLiteral("bad --type-count"));
    if (parser.isSet(sampleCount) && !number(sampleCount, 0, 65535, &config->sampleCount))
        return fail(QStringLiteral("bad --sample-count"));
    bool seedOk = false;
    config->seed = parser.value(seed).toUInt(&seedOk, 0);
    if (!seedOk)
        return fail(QStringLiteral("bad --seed"));
    if (!parseColour(parser.value(base), &config->base))
        return fail(QStringLiteral("bad --base"));
    if (!number(delay, 0, 600000, &config->delayMs))
        return fail(QStringLiteral("bad --delay-ms"));
    if (!number(stale, 1, 600000, &config->staleMs))
        return fail(QStringLiteral("bad --stale-ms"));

    if (parser.isSet(colors)) {
        const QStringList list = parser.value(colors).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &item : list) {
            emulatedColour c;
            if (!parseColour(item, &c))
                return fail(QStringLiteral("bad colour \"%1\" in --colors").arg(item));
            config->colours << c;
        }
    }
    if (parser.isSet(colorsFile)) {
        QFile file(parser.value(colorsFile));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return fail(QStringLiteral("cannot read %1").arg(file.fileName()));
        while (!file.atEnd()) {
            QString line = QString::fromUtf8(file.readLine());
            const int hash = line.indexOf(QLatin1Char('#'));
            if (hash >= 0)
                line.truncate(hash);
            if (line.trimmed().isEmpty())
                continue;
            emulatedColour c;
            if (!parseColour(line, &c))
                return fail(
                    QStringLiteral("bad colour \"%1\" in %2").arg(line.trimmed(), file.fileName()));
            config->colours << c;
        }
    }

    if (parser.isSet(recordsFile) && parser.isSet(recordsCount))
        return fail(QStringLiteral("--records-file and --records exclude each other"));
    if (parser.isSet(recordsFile)) {
        QString why;
        if (!readRecordsFile(parser.value(recordsFile), &config->records, &why))
            return fail(why);
    } else if (parser.isSet(recordsCount)) {
        int count = 0;
        if (!number(recordsCount, 0, 65535, &count))
            return fail(QStringLiteral("bad --records"));
        config->records = generatedRecords(count, config->seed, config->base);
    } else {
        config->records = defaultRecords();
    }

    for (const QString &value : parser.values(silent)) {
        const int colon = value.indexOf(QLatin1Char(':'));
        int code = 0;
        if (colon < 0 || !requestCode(value.left(colon), &code))
            return fail(QStringLiteral("bad --silent \"%1\"").arg(value));
        const QString which = value.mid(colon + 1);
        if (which == QLatin1String("*")) {
            config->silentAll.insert(code);
            continue;
        }
        for (const QString &n : which.split(QLatin1Char(','))) {
            bool ok = false;
            const int v = n.toInt(&ok);
            if (!ok || v < 1)
                return fail(QStringLiteral("bad --silent \"%1\"").arg(value));
            config->silentNth[code].insert(v);
        }
    }
    auto codesOf = [](const QString &text, QList<int> *codes) {
        if (text.trimmed() == QLatin1String("*")) {
            for (int c = 0xC0; c <= 0xC9; ++c)
                codes->append(c);
            return true;
        }
        int code = 0;
        if (!requestCode(text, &code))
            return false;
        codes->append(code);
        return true;
    };
    for (const QString &value : parser.values(split)) {
        const int colon = value.indexOf(QLatin1Char(':'));
        QList<int> codes;
        bool ok = false;
        const int gap = value.mid(colon + 1).toInt(&ok);
        if (colon < 0 || !ok || gap < 0 || !codesOf(value.left(colon), &codes))
            return fail(QStringLiteral("bad --split \"%1\"").arg(value));
        for (int c : codes)
            config->splitGapMs[c] = gap;
    }
    for (const QString &value : parser.values(garbage)) {
        QList<int> codes;
        if (!codesOf(value, &codes))
            return fail(QStringLiteral("bad --garbage \"%1\"").arg(value));
        for (int c : codes)
            config->garbage.insert(c);
    }
    for (const QString &value : parser.values(badChecksum)) {
        QList<int> codes;
        if (!codesOf(value, &codes))
            return fail(QStringLiteral("bad --bad-checksum \"%1\"").arg(value));
        for (int c : codes)
            config->badChecksum.insert(c);
    }
    config->calibrationFails = parser.isSet(calibrationFails);
    if (parser.isSet(hangup) && !number(hangup, 1, 1 << 30, &config->hangupAfter))
        return fail(QStringLiteral("bad --hangup-after"));
    if (parser.isSet(hangupOn)) {
        const QString value = parser.value(hangupOn);
        const int colon = value.indexOf(QLatin1Char(':'));
        int code = 0;
        bool ok = true;
        const int nth = colon < 0 ? 1 : value.mid(colon + 1).toInt(&ok);
        if (!requestCode(colon < 0 ? value : value.left(colon), &code) || !ok || nth < 1)
            return fail(QStringLiteral("bad --hangup-on \"%1\"").arg(value));
        config->hangupOn.insert(code, nth);
    }
    config->endlessRecords = parser.isSet(endless);
    for (const QString &value : parser.values(replyDelay)) {
        const int colon = value.indexOf(QLatin1Char(':'));
        int code = 0;
        bool ok = false;
        const int ms = value.mid(colon + 1).toInt(&ok);
        if (colon < 0 || !ok || ms < 0 || ms > 600000 || !requestCode(value.left(colon), &code))
            return fail(QStringLiteral("bad --reply-delay \"%1\"").arg(value));
        config->replyDelayMs.insert(code, ms);
    }
    if (!number(glue, 0, 600000, &config->glueMs))
        return fail(QStringLiteral("bad --glue"));
    config->log = parser.isSet(log);
    return true;
}
