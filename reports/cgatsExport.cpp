#include "cgatsExport.h"

#include "colorVocabulary.h"
#include "exportFields.h"
#include "whitePoints.h"

#include <QSaveFile>

#include <cmath>

namespace {

CgatsConditions conditionsOf(const ItemTexts &item)
{
    CgatsConditions c;
    c.lightSource = item[lightSourceColumn];
    c.observer = item[observerColumn];
    c.illuminationMode = item[illuminationColumn];
    c.lightMode = item[lightModeColumn];
    c.instrumentModel = item[instrumentModelColumn];
    return c;
}

} // namespace

CgatsDocument cgatsExport::document(const QVector<MarkedType> &marked, const QString &title,
                                    const QDateTime &created, QStringList *leftOut)
{
    CgatsDocument doc;
    doc.descriptor = title;
    doc.created = created;
    auto add = [&](const ItemTexts &item) {
        ColorTriple lab{};
        const bool known =
            labFromSpace(itemValues(item), colorSpaceIndex(item[colorSpaceColumn]), &lab);
        if (!known || !std::isfinite(lab[0]) || !std::isfinite(lab[1]) || !std::isfinite(lab[2])) {
            if (leftOut)
                *leftOut << tr("%1: its coordinates in %2 cannot be given as L*a*b*.")
                                .arg(item[nameColumn], item[colorSpaceColumn]);
            return;
        }
        const CgatsConditions conditions = conditionsOf(item);
        int t = 0;
        while (t < doc.tables.size() && doc.tables.at(t).conditions != conditions)
            ++t;
        if (t == doc.tables.size()) {
            CgatsTable table;
            table.conditions = conditions;
            doc.tables.append(table);
        }
        CgatsColour colour;
        colour.name = item[nameColumn];
        colour.lab = lab;
        doc.tables[t].colours.append(colour);
    };
    for (const MarkedType &type : marked) {
        add(type.type);
        for (const ItemTexts &sample : type.samples)
            add(sample);
    }
    return doc;
}

bool cgatsExport::writeFile(const QString &path, const CgatsDocument &document, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!writeCgats(&file, document)) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
