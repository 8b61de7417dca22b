#ifndef QCM_HISTORYRECORD_H
#define QCM_HISTORYRECORD_H

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QVector>
#include <array>
#include <limits>

namespace history {

enum class Kind
{
    Type,
    Sample
};

// What the record says happened to the item.  History is never destroyed:
// a rename or a deletion in the tree is one more record about the item.
enum class Event
{
    Entered, // the item came into the tree
    Renamed, // `name` is the new name
    Deleted  // the item left the tree
};

// How an item came into the tree.
enum class Origin
{
    Measured,
    Averaged,
    Uploaded,
    Typed,
    Library,
    SetAs,
    Imported
};

// Stable texts of the enums, as stored in the database and written by
// qcmtool ("Type", "entered", "measured", ...); the readers give false for
// an unknown text.
QString kindText(Kind kind);
QString eventText(Event event);
QString originText(Origin origin);
bool kindFromText(const QString &text, Kind *kind);
bool eventFromText(const QString &text, Event *event);
bool originFromText(const QString &text, Origin *origin);

} // namespace history

// One line of the measurement history.  The id is unique for ever, so that
// a record sent twice (a restart after a kill between the local outbox and
// the server) is stored once.
struct HistoryRecord
{
    QUuid id;
    history::Event event = history::Event::Entered;
    // The item the record is about: equal to `id` for Entered; a Renamed or
    // Deleted record names the Entered record's id here.
    QUuid itemId;
    history::Kind kind = history::Kind::Sample;
    QString name;
    // A Sample's Type (its Entered id) and name; null for a Type.
    QUuid typeId;
    QString typeName;

    // The nine measuring conditions as the item columns 6 to 14 hold them
    // (formats/itemColumns.h): light source, instrument model, caliber,
    // light mode, colour space, colour-difference formula, illumination,
    // observer, readings per average.
    std::array<QString, 9> conditions;
    // The reading as the instrument gave it; NaN when not known (typed in
    // another colour space).
    double rawL = std::numeric_limits<double>::quiet_NaN();
    double rawA = std::numeric_limits<double>::quiet_NaN();
    double rawB = std::numeric_limits<double>::quiet_NaN();
    // The values shown in the tree, in the colour space `conditions[6]`.
    std::array<QString, 3> shown;

    // A Sample's difference against its Type and the verdict, with the
    // tolerance it was judged with (seven texts in the order of
    // Tolerance::toList); empty for a Type.
    QString formula;
    double deltaE = std::numeric_limits<double>::quiet_NaN();
    QString verdict; // "Pass", "Fail" or empty
    QStringList tolerance;

    QDateTime time;   // UTC
    QString timeZone; // IANA id of the station's zone ("Europe/Berlin")
    QString station;
    QString operatorName;
    QString instrumentModel;
    QString port;
    QString filePath; // the measuring file, once saved
    history::Origin origin = history::Origin::Measured;
};

#endif
