#ifndef QCM_EMULATORCONFIG_H
#define QCM_EMULATORCONFIG_H

// What the emulated instrument is and how it misbehaves, as read from the
// command line.

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

struct emulatedColour
{
    double L = 0, a = 0, b = 0;
};

// One record of the instrument's store, in the instrument's own codes.
struct emulatedRecord
{
    int kind = 1;    // 1 Type, 2 Sample, 255 empty record (any byte is allowed)
    QByteArray name; // up to four bytes
    int lightMode = 0;
    int lightSource = 2;
    emulatedColour colour;
    int year = 2019, month = 3, day = 5, hour = 9, minute = 7, second = 3;
    int colorSpace = 0;
    int formula = 0;
    int readings = 1;
};

struct emulatorConfig
{
    // Identity and settings reported in the information reply.
    QByteArray model = "PX71";
    int caliber = 0;     // 8mm
    int lightSource = 2; // D65
    int lightMode = 0;   // SCI
    int colorSpace = 0;  // CIE1976LAB
    int formula = 0;
    int typeCapacity = 100;
    int sampleCapacity = 1000;
    int typeCount = -1; // -1: counted from the store
    int sampleCount = -1;

    QVector<emulatedRecord> records;

    // Measured colours: the list in turn, or a random walk around `base`.
    QVector<emulatedColour> colours;
    emulatedColour base{50.0, 10.0, -20.0};
    quint32 seed = 1;
    int delayMs = 0;
    // Input that has not become a whole request within this time is stale:
    // its header is skipped and the search for the next one goes on.
    int staleMs = 250;

    // Faults, keyed by request code (0xC0 ... 0xC9).
    QMap<int, QSet<int>> silentNth; // code -> the request numbers (1-based) left unanswered
    QSet<int> silentAll;
    QMap<int, int> splitGapMs; // code -> gap between the two bursts
    QSet<int> garbage;
    QSet<int> badChecksum;
    bool calibrationFails = false;
    int hangupAfter = 0;     // 0: never
    QMap<int, int> hangupOn; // code -> the request number (1-based) that is met by a hang-up
    // Once the store is exhausted, further records are made up for ever
    // (an instrument that never says it has no more).
    bool endlessRecords = false;
    // code -> ms the instrument is busy before that reply; requests arriving
    // meanwhile are answered after it, in order.
    QMap<int, int> replyDelayMs;
    // Replies wait this long and leave in one write with those that became
    // due meanwhile (0: each reply is written at once).
    int glueMs = 0;
    bool log = false;
};

// Reads the command line into `config`.  On a bad option returns false with
// the message in `error`; `--help` is handled by the caller's parser.
bool parseEmulatorArguments(const QStringList &arguments, emulatorConfig *config, QString *error,
                            bool *helpShown);

// The built-in store: T, S, S, T, S and one empty record.
QVector<emulatedRecord> defaultRecords();

// `count` generated records (every tenth a Type, starting with one).
QVector<emulatedRecord> generatedRecords(int count, quint32 seed, const emulatedColour &base);

// The records file: one record per line, '#' starts a comment.
bool readRecordsFile(const QString &path, QVector<emulatedRecord> *records, QString *error);

#endif
