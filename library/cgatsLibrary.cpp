#include "cgatsLibrary.h"

#include "colorVocabulary.h"
#include "libraryValue.h"

#include <QColor>

QVector<LibraryEntry> libraryEntriesFromCgats(const CgatsReadResult &read, int firstOrder,
                                              const QDateTime &importTime, QSet<QString> taken,
                                              QStringList *duplicates)
{
    QVector<LibraryEntry> entries;
    const QString time = importTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const QStringList labels = libraryValueLabels(labSpaceName());
    for (const CgatsTable &table : read.tables) {
        const CgatsConditions &c = table.conditions;
        for (const CgatsColour &colour : table.colours) {
            const QString name = colour.displayName();
            if (taken.contains(name)) {
                if (duplicates)
                    *duplicates << name;
                continue;
            }
            taken.insert(name);
            LibraryEntry e;
            e.order = firstOrder + entries.size();
            e.name = name;
            e.colorSpace = labSpaceName();
            e.value = libraryValueText(labels, colour.lab);
            const QColor swatch(labToColorName(colour.lab[0], colour.lab[1], colour.lab[2]));
            e.red = swatch.red();
            e.green = swatch.green();
            e.blue = swatch.blue();
            e.lightSource = c.lightSource;
            e.observer = c.observer;
            e.illuminationMode = c.illuminationMode;
            e.lightMode = c.lightMode;
            e.averageTimes = QStringLiteral("1");
            e.measurementTime = time;
            entries.append(e);
        }
    }
    return entries;
}
