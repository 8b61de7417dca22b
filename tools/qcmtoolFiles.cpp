#include "qcmtoolFiles.h"

#include "cgatsExport.h"
#include "cgatsLibrary.h"
#include "colorVocabulary.h"
#include "csvWriter.h"
#include "exportFields.h"
#include "judgement.h"
#include "libraryFile.h"
#include "libraryValue.h"
#include "measuringFile.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

const int damaged = 3;

void complain(const QString &message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "qcmtool: %s\n", message.toLocal8Bit().constData());
}

// A measuring file read and sorted into Types and Samples the way the window
// reads it.
struct Measurement
{
    MeasuringFileHeader header;
    MeasuringFileTypes types;
    bool intact = true; // read whole, and every record became an item
    int records = 0;
    MeasuringFileLosses lost;
};

// 0, 1 (not readable) or `damaged`.
int readMeasurement(const QString &path, Measurement *out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        complain(QString("cannot read %1: %2").arg(path, file.errorString()));
        return 1;
    }
    QVector<ItemRecord> records;
    const MeasuringFileStatus status =
        readMeasuringFile(&file, &out->header, &records, &out->intact);
    if (status == MeasuringFileStatus::NotAQcmFile) {
        complain(QString("%1 is not a measuring file").arg(path));
        return 1;
    }
    out->records = records.size();
    const QString rootText = measuringNamePrefix("en_US") + out->header.print.measurementName;
    out->types =
        classifyMeasuringRecords(records, rootText, measuringNamePrefixLength("en_US"), &out->lost);
    int items = 0;
    for (const MeasuringFileType &type : out->types)
        items += 1 + type.samples.size();
    int rc = 0;
    if (status == MeasuringFileStatus::ReadError || !out->intact) {
        complain(QString("%1 is damaged: %2 of its records could be read, %3 items are shown; "
                         "what follows the damage is lost")
                     .arg(path)
                     .arg(records.size())
                     .arg(items));
        rc = damaged;
    }
    if (out->lost.recordsWithoutType > 0) {
        complain(QString("%1: %2 records name a Type the file does not hold (the file may have "
                         "been cut between records); they are left out")
                     .arg(path)
                     .arg(out->lost.recordsWithoutType));
        rc = damaged;
    }
    if (out->lost.sampleCopiesBeyondLimit > 0) {
        complain(QString("%1: several Types share a name and each receives the Samples naming "
                         "it; %2 Sample copies beyond the limit of %3 are left out")
                     .arg(path)
                     .arg(out->lost.sampleCopiesBeyondLimit)
                     .arg(measuringFile::maxDuplicateSampleCopies));
        rc = damaged;
    }
    out->intact = out->intact && status == MeasuringFileStatus::Ok && !out->lost.any();
    return rc;
}

Tolerance toleranceOf(const MeasuringFileHeader &header)
{
    return header.tolerance;
}

// Every Type with every Sample: a file keeps no check marks.
QVector<MarkedType> everything(const Measurement &m)
{
    QVector<MarkedType> all;
    all.reserve(m.types.size());
    for (const MeasuringFileType &type : m.types) {
        MarkedType copy;
        copy.type = type.columns;
        copy.samples = type.samples;
        all.append(copy);
    }
    return all;
}

// What the panel shows of a Sample against its Type.
struct Judged
{
    float deltaE;
    QStringList words;    // three deviation words
    QStringList verdicts; // ΔE, then the three coordinates
};

Judged judge(const ItemTexts &type, const ItemTexts &sample, const Tolerance &tolerance)
{
    const ColorTriple t = itemValues(type);
    const ColorTriple s = itemValues(sample);
    Judged j;
    j.deltaE = sampleDifference(type, sample);
    const QStringList texts = judgementTexts(j.deltaE, s[0] - t[0], s[1] - t[1], s[2] - t[2],
                                             sample[colorSpaceColumn], tolerance);
    j.words = texts.mid(0, 3);
    j.verdicts = texts.mid(3, 4);
    return j;
}

bool writeOut(const QString &target, const QByteArray &bytes)
{
    if (target == "-") {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() ||
            !out.flush()) {
            complain("cannot write to standard output");
            return false;
        }
        return true;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        complain(QString("cannot write %1: %2").arg(target, file.errorString()));
        return false;
    }
    return true;
}

QJsonObject itemObject(const ItemTexts &item)
{
    static const char *const names[] = {"name",         "",           "value1",
                                        "value2",       "value3",     "time",
                                        "lightSource",  "model",      "caliber",
                                        "lightMode",    "colorSpace", "formula",
                                        "illumination", "observer",   "readingsPerAverage",
                                        "readingsTaken"};
    QJsonObject object;
    for (int c = 0; c < int(item.size()); ++c) {
        if (c != swatchColumn)
            object.insert(names[c], item[c]);
    }
    return object;
}

QByteArray jsonOf(const Measurement &m)
{
    const Tolerance tolerance = toleranceOf(m.header);
    QJsonObject tol;
    const QStringList keys = Tolerance::keys();
    const QStringList values = tolerance.toList();
    for (int i = 0; i < keys.size(); ++i)
        tol.insert(keys[i], values[i]);
    QJsonObject print{{"measurementName", m.header.print.measurementName},
                      {"company", m.header.print.company},
                      {"printTime", m.header.print.printTime},
                      {"department", m.header.print.department},
                      {"measurementPerson", m.header.print.measurementPerson},
                      {"productTested", m.header.print.productTested}};
    QJsonArray types;
    for (const MeasuringFileType &type : m.types) {
        QJsonObject t = itemObject(type.columns);
        QJsonArray samples;
        for (const ItemTexts &sample : type.samples) {
            QJsonObject s = itemObject(sample);
            const Judged j = judge(type.columns, sample, tolerance);
            // A difference that cannot be computed has no number: null.
            s.insert("colorDifference",
                     qIsFinite(j.deltaE) ? QJsonValue(double(j.deltaE)) : QJsonValue());
            s.insert("deviation", QJsonArray::fromStringList(j.words));
            s.insert("verdict", j.verdicts.value(0));
            samples.append(s);
        }
        t.insert("samples", samples);
        types.append(t);
    }
    QJsonObject root{{"tolerance", tol},
                     {"printInformation", print},
                     {"types", types},
                     {"intact", m.intact},
                     {"recordsWithoutType", m.lost.recordsWithoutType},
                     {"sampleCopiesBeyondLimit", m.lost.sampleCopiesBeyondLimit}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// "0,9,14" or "all" into the fifteen flags.
bool parseFields(const QString &text, QVector<bool> *flags)
{
    flags->fill(false, exportFieldCount);
    if (text == "all") {
        flags->fill(true, exportFieldCount);
        return true;
    }
    if (text.isEmpty() || text == "none")
        return true;
    for (const QString &part : text.split(',')) {
        bool ok = false;
        const int field = part.toInt(&ok);
        if (!ok || field < 0 || field >= exportFieldCount)
            return false;
        (*flags)[field] = true;
    }
    return true;
}

} // namespace

int showCommand(int argc, char **argv)
{
    if (argc != 1) {
        complain("show takes one measuring file");
        return 1;
    }
    Measurement m;
    const int read = readMeasurement(QString::fromLocal8Bit(argv[0]), &m);
    if (read == 1)
        return 1;
    const Tolerance tolerance = toleranceOf(m.header);
    QTextStream out(stdout);
    out.setCodec("UTF-8");
    out << "Measurement: " << m.header.print.measurementName << '\n';
    out << "Tolerance: " << toleranceRowTexts(tolerance).join("  ") << '\n';
    for (const MeasuringFileType &type : m.types) {
        const ItemTexts &t = type.columns;
        const QStringList labels = componentNames(t[colorSpaceColumn]);
        const ColorTriple tv = itemValues(t);
        auto coordinates = [&labels](const ColorTriple &v) {
            QStringList parts;
            for (int i = 0; i < 3; ++i)
                parts << labels.value(i, QString("v%1").arg(i + 1)) + '=' + twoDecimalText(v[i]);
            return parts.join(' ');
        };
        out << '\n'
            << t[nameColumn] << "  " << coordinates(tv) << "  " << t[colorSpaceColumn] << "  "
            << t[lightSourceColumn] << "  " << t[timeColumn] << '\n';
        for (const ItemTexts &sample : type.samples) {
            const Judged j = judge(t, sample, tolerance);
            out << "  " << sample[nameColumn] << "  " << coordinates(itemValues(sample)) << "  "
                << sample[formulaColumn] << '=' << twoDecimalText(j.deltaE) << "  "
                << j.words.join(", ") << "  " << j.verdicts.value(0) << '\n';
        }
    }
    out.flush();
    // A full disk or a closed pipe only shows when the text is flushed.
    if (out.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        complain("cannot write to standard output");
        return 1;
    }
    return read;
}

int exportCommand(int argc, char **argv)
{
    // FILE.qcm (--csv OUT | --json OUT) [--fields LIST] [--raw]
    if (argc < 3) {
        complain("export takes FILE.qcm --csv OUT or --json OUT, and --fields LIST and --raw "
                 "for CSV");
        return 1;
    }
    const QString source = QString::fromLocal8Bit(argv[0]);
    const QString format = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    QVector<bool> flags;
    bool raw = false;
    for (int i = 3; i < argc; ++i) {
        const QString option = QString::fromLocal8Bit(argv[i]);
        if (option == "--raw" && !raw && format == "--csv") {
            raw = true;
        } else if (option == "--fields" && flags.isEmpty() && format == "--csv" && i + 1 < argc) {
            if (!parseFields(QString::fromLocal8Bit(argv[++i]), &flags)) {
                complain("--fields takes field numbers 0 to 14 separated by commas, \"all\" or "
                         "\"none\"");
                return 1;
            }
        } else {
            complain(QString("export: unexpected '%1'; --fields LIST and --raw go with --csv")
                         .arg(option));
            return 1;
        }
    }
    if (flags.isEmpty())
        flags.fill(false, exportFieldCount);
    if (format != "--csv" && format != "--json" && format != "--cgats") {
        complain("export writes --csv, --json or --cgats");
        return 1;
    }
    if (format == "--cgats" && argc != 3) {
        complain("--fields is for CSV only");
        return 1;
    }
    Measurement m;
    const int read = readMeasurement(source, &m);
    if (read == 1)
        return 1;
    QByteArray bytes;
    int rc = read;
    if (format == "--json") {
        bytes = jsonOf(m);
    } else if (format == "--cgats") {
        QStringList leftOut;
        const CgatsDocument document = cgatsExport::document(
            everything(m), m.header.print.measurementName, QDateTime::currentDateTime(), &leftOut);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!writeCgats(&buffer, document)) {
            complain("cannot make the CGATS text");
            return 1;
        }
        for (const QString &line : qAsConst(leftOut))
            complain(QString("left out: %1").arg(line));
        if (!leftOut.isEmpty())
            rc = damaged;
    } else {
        ExportData data;
        data.title = m.header.print.measurementName;
        data.marked = everything(m);
        data.fields = flags;
        data.tolerance = toleranceOf(m.header);
        data.company = m.header.print.company;
        data.department = m.header.print.department;
        data.measurementPerson = m.header.print.measurementPerson;
        data.productTested = m.header.print.productTested;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // Like the window's export, texts that a spreadsheet would take for
        // a formula get an apostrophe; --raw keeps them exact for scripts.
        if (!writeCsv(
                &buffer, data, currentExportTexts(), [](int) {},
                raw ? CsvTexts::Exact : CsvTexts::Guarded)) {
            complain("cannot make the CSV text");
            return 1;
        }
    }
    if (!writeOut(target, bytes))
        return 1;
    return rc;
}

namespace {

// library --from-cgats IN OUT.scl
int libraryFromCgats(const QString &source, const QString &target)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        complain(QString("cannot read %1: %2").arg(source, file.errorString()));
        return 1;
    }
    const CgatsReadResult read = readCgats(&file);
    if (read.status == CgatsReadStatus::ReadError) {
        complain(QString("cannot read %1: %2").arg(source, file.errorString()));
        return 1;
    }
    if (read.status != CgatsReadStatus::Ok) {
        complain(QString("%1 cannot be imported: %2").arg(source, read.refusal));
        return 1;
    }
    QStringList duplicates;
    const QVector<LibraryEntry> entries =
        libraryEntriesFromCgats(read, 1, QDateTime::currentDateTime(), {}, &duplicates);
    int rc = 0;
    for (const QString &line : read.lost)
        complain(QString("%1: %2").arg(source, line));
    if (read.damaged)
        rc = damaged;
    if (!duplicates.isEmpty()) {
        complain(QString("%1 colours whose name came before were passed over: %2")
                     .arg(duplicates.size())
                     .arg(duplicates.mid(0, 10).join(", ")));
        rc = damaged;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeLibraryFile(&buffer, entries)) {
        complain("cannot make the library file");
        return 1;
    }
    if (!writeOut(target, bytes))
        return 1;
    return rc;
}

} // namespace

namespace {

struct LibraryColumn
{
    const char *key;
    // How many fields of the entry, in file order, hold this column.
    int fields;
    QString (*value)(const LibraryEntry &);
};

constexpr int wholeEntry = 15;

const LibraryColumn libraryColumns[] = {
    {"order", 1, [](const LibraryEntry &e) { return QString::number(e.order); }},
    {"name", 2, [](const LibraryEntry &e) { return e.name; }},
    {"info", 3, [](const LibraryEntry &e) { return e.info; }},
    {"colorSpace", 4, [](const LibraryEntry &e) { return e.colorSpace; }},
    {"value", 5, [](const LibraryEntry &e) { return e.value; }},
    {"rgb", 8,
     [](const LibraryEntry &e) { return QString("%1,%2,%3").arg(e.red).arg(e.green).arg(e.blue); }},
    {"lightSource", 9, [](const LibraryEntry &e) { return e.lightSource; }},
    {"observer", 10, [](const LibraryEntry &e) { return e.observer; }},
    {"illuminationMode", 11, [](const LibraryEntry &e) { return e.illuminationMode; }},
    {"caliber", 12, [](const LibraryEntry &e) { return e.caliber; }},
    {"lightMode", 13, [](const LibraryEntry &e) { return e.lightMode; }},
    {"averageTimes", 14, [](const LibraryEntry &e) { return e.averageTimes; }},
    {"measurementTime", wholeEntry, [](const LibraryEntry &e) { return e.measurementTime; }},
};

// The fields read of the entry at `index`: all of them, but for the readable
// part of an entry the damage cut short.
int fieldsRead(const LibraryReadResult &read, int index)
{
    return index < read.completeEntries ? wholeEntry : read.partialFields;
}

} // namespace

int libraryCommand(int argc, char **argv)
{
    // FILE.scl [--csv OUT [--raw] | --json OUT], or --from-cgats IN OUT.scl
    if (argc == 3 && QString::fromLocal8Bit(argv[0]) == "--from-cgats")
        return libraryFromCgats(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    const bool raw = argc == 4 && QString::fromLocal8Bit(argv[3]) == "--raw";
    if (argc != 1 && argc != 3 && !raw) {
        complain("library takes FILE.scl, and --csv OUT [--raw] or --json OUT");
        return 1;
    }
    const QString path = QString::fromLocal8Bit(argv[0]);
    const QString format = argc >= 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argc >= 3 && format != "--csv" && (format != "--json" || raw)) {
        complain("library writes --csv or --json; --raw goes with --csv");
        return 1;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        complain(QString("cannot read %1: %2").arg(path, file.errorString()));
        return 1;
    }
    const LibraryReadResult read = readLibraryFile(&file);
    switch (read.status) {
    case LibraryReadStatus::NotALibraryFile:
        complain(QString("%1 is not a library file").arg(path));
        return 1;
    case LibraryReadStatus::TooLarge:
        complain(QString("%1 is larger than a library file can be").arg(path));
        return 1;
    case LibraryReadStatus::ReadError:
        complain(QString("cannot read %1: %2").arg(path, file.errorString()));
        return 1;
    case LibraryReadStatus::Ok:
        break;
    }
    int rc = 0;
    if (read.damaged) {
        complain(QString("%1 is damaged: %2 whole entries could be read%3; what follows the "
                         "damage is lost")
                     .arg(path)
                     .arg(read.completeEntries)
                     .arg(read.entries.size() > read.completeEntries
                              ? QString(", and the readable part of one more")
                              : QString()));
        rc = damaged;
    }

    QByteArray bytes;
    if (format == "--json") {
        QJsonArray entries;
        for (int i = 0; i < read.entries.size(); ++i) {
            const LibraryEntry &e = read.entries.at(i);
            const int fields = fieldsRead(read, i);
            // What the damage left unread is null, never a made-up 0 or "".
            QJsonObject object;
            for (const LibraryColumn &column : libraryColumns)
                object.insert(column.key, fields >= column.fields ? QJsonValue(column.value(e))
                                                                  : QJsonValue(QJsonValue::Null));
            object.insert("order", e.order);
            if (fields >= 8)
                object.insert("rgb", QJsonArray{e.red, e.green, e.blue});
            QJsonValue coordinates = QJsonValue::Null;
            if (fields >= 5) {
                // The text holds two decimals: the number it means, not its float.
                QJsonArray numbers;
                for (float v : parseLibraryValue(e.value).values)
                    numbers.append(QString::number(double(v), 'f', 2).toDouble());
                coordinates = numbers;
            }
            object.insert("coordinates", coordinates);
            // Whether it holds what a Type needs; the window launches no other.
            object.insert("complete", libraryEntryComplete(e));
            entries.append(object);
        }
        bytes = QJsonDocument(QJsonObject{{"entries", entries}, {"intact", !read.damaged}})
                    .toJson(QJsonDocument::Indented);
    } else if (format == "--csv") {
        bytes = "\xEF\xBB\xBF";
        QList<QByteArray> header;
        for (const LibraryColumn &column : libraryColumns)
            header << csvField(QString::fromLatin1(column.key));
        bytes += header.join(',') + "\r\n";
        for (int i = 0; i < read.entries.size(); ++i) {
            const int fields = fieldsRead(read, i);
            QList<QByteArray> row;
            // Names and conditions come from others' libraries: guarded like
            // the measurement's CSV, the numbers (order, rgb) as they are.
            for (const LibraryColumn &column : libraryColumns) {
                if (fields < column.fields) {
                    row << QByteArray();
                    continue;
                }
                const bool number =
                    qstrcmp(column.key, "order") == 0 || qstrcmp(column.key, "rgb") == 0;
                const QString text = column.value(read.entries.at(i));
                row << csvField(raw || number ? text : csvGuardedText(text));
            }
            bytes += row.join(',') + "\r\n";
        }
    } else {
        QString text;
        QTextStream out(&text);
        const QString unread = QStringLiteral("null");
        for (int i = 0; i < read.entries.size(); ++i) {
            const LibraryEntry &e = read.entries.at(i);
            const int fields = fieldsRead(read, i);
            auto field = [&](int needed, const QString &value) {
                return fields >= needed ? value : unread;
            };
            out << e.order << "  " << field(2, e.name) << "  " << field(5, e.value) << "  "
                << field(4, e.colorSpace) << "  "
                << field(8, QString("rgb(%1,%2,%3)").arg(e.red).arg(e.green).arg(e.blue)) << "  "
                << field(9, e.lightSource) << "  " << field(13, e.lightMode) << "  "
                << field(wholeEntry, e.measurementTime) << '\n';
        }
        out.flush();
        bytes = text.toUtf8();
    }
    if (!writeOut(format.isEmpty() ? QStringLiteral("-") : QString::fromLocal8Bit(argv[2]), bytes))
        return 1;
    return rc;
}
