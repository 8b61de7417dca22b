#ifndef QCM_CGATSFILE_H
#define QCM_CGATSFILE_H

// CGATS.17 text files, the exchange format of colour laboratories: a file
// identifier line, keyword lines, NUMBER_OF_FIELDS, the field names between
// BEGIN_DATA_FORMAT and END_DATA_FORMAT, NUMBER_OF_SETS, and one line per
// colour between BEGIN_DATA and END_DATA.  A file may hold several such
// tables one after the other.  Everything here works on a QIODevice and
// plain values (QtCore only); the callers turn colours into tree items or
// library entries and show what was lost.

#include "colorConversions.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;

namespace cgatsFile {
// Larger files are read up to this size; what follows is reported as lost.
constexpr qint64 maxFileBytes = 32 * 1024 * 1024;
// Field names of one data format kept at most (spectral files have ~40).
constexpr int maxFields = 1024;
// Colours of one file kept at most.
constexpr int maxColours = 100000;
// Messages about single lines kept at most; the rest are counted.
constexpr int maxLineMessages = 20;
} // namespace cgatsFile

// One colour: SAMPLE_ID, SAMPLE_NAME and L*a*b*.
struct CgatsColour
{
    QString id;
    QString name;
    ColorTriple lab{{0.0f, 0.0f, 0.0f}};

    // SAMPLE_NAME, or SAMPLE_ID when the name is empty.
    QString displayName() const { return name.isEmpty() ? id : name; }
};

// The measuring conditions a table states, in the names the items carry:
// the system light-source name ("F11(TL84)"), "CIE 10°" or "CIE 2°" for the
// observer, the illumination mode ("8/d") with the specular component
// ("SCI", "SCE") apart, and the instrument model.  Names the program does
// not know are kept as the file gives them; what a file does not state is
// empty.
struct CgatsConditions
{
    QString lightSource;
    QString observer;
    QString illuminationMode;
    QString lightMode;
    QString instrumentModel;

    bool operator==(const CgatsConditions &o) const;
    bool operator!=(const CgatsConditions &o) const { return !(*this == o); }
};

struct CgatsTable
{
    CgatsConditions conditions;
    QVector<CgatsColour> colours;
};

// A file as the writer takes it.
struct CgatsDocument
{
    QString descriptor; // DESCRIPTOR, e.g. the measurement name; none when empty
    QDateTime created;  // CREATED, ISO 8601 with the offset from UTC
    QVector<CgatsTable> tables;
};

// Writes "CGATS.17" and one table per entry of `tables`, lines ended by CR LF,
// UTF-8.  Each table states its conditions in keywords (INSTRUMENTATION,
// MEASUREMENT_GEOMETRY, WEIGHTING_FUNCTION "ILLUMINANT, ..." and
// "OBSERVER, ... degree") and holds SAMPLE_ID (numbered 1, 2, ... through the
// file), SAMPLE_NAME, LAB_L, LAB_A, LAB_B, XYZ_X, XYZ_Y and XYZ_Z; XYZ is made
// from L*a*b* under the white of the table's light source and observer (the
// program's reference white when the light source is not a standard
// illuminant).  False when the device is not writable or a write fails.
bool writeCgats(QIODevice *device, const CgatsDocument &document);

// A text as a quoted CGATS string: a quote inside is doubled, control
// characters (line breaks, tabs) become spaces.
QByteArray cgatsString(const QString &text);
// The shortest plain decimal (no exponent where avoidable) that reads back
// as the same single-precision number.
QByteArray cgatsNumber(float value);

enum class CgatsReadStatus
{
    Ok,       // colours read (possibly with losses, see `lost`)
    NotCgats, // no data format and no data: not a CGATS file
    NoColour, // tables, but none with L*a*b* or XYZ fields
    ReadError // the device is not readable
};

struct CgatsReadResult
{
    CgatsReadStatus status = CgatsReadStatus::ReadError;
    QVector<CgatsTable> tables;
    // NotCgats and NoColour: why, in a sentence that names what is missing.
    QString refusal;
    // What was lost or assumed while reading, one sentence each.
    QStringList lost;
    // Something was lost: colours left out, the file cut short.
    bool damaged = false;

    int colourCount() const;
};

// Reads a whole file from the device's position: any file identifier, keyword
// lines in any order (unknown ones are passed over), fields in any order
// (SAMPLE_ID, SAMPLE_NAME, LAB_L, LAB_A, LAB_B, XYZ_X, XYZ_Y, XYZ_Z, names in
// any letter case; other fields are passed over), spaces or tabs, CR LF, LF or
// CR line ends, comments after '#', UTF-8 or Latin-1.  L*a*b* is taken where
// the table has it; otherwise XYZ is turned into L*a*b* under the white of the
// stated illuminant and observer (WEIGHTING_FUNCTION, ILLUMINATION_NAME,
// OBSERVER_ANGLE, MEASUREMENT_SOURCE), D50 and the 2 degree observer where
// the file states none.  A damaged line loses its colour only; a file cut
// short keeps the colours before the cut.
CgatsReadResult readCgats(QIODevice *device);

// The sentences of `lost` as one text for a message box, bounded in length.
QString cgatsLossText(const CgatsReadResult &result);

#endif
