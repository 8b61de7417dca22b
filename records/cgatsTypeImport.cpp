#include "cgatsTypeImport.h"

#include "colorVocabulary.h"
#include "measurementTreeRk.h"
#include "promptRk.h"

#include <QDir>
#include <QFile>

QString cgatsTypeImport::fileFilter()
{
    return tr("CGATS files (*.txt *.cgats *.it8);;All files (*)");
}

QStringList cgatsTypeImport::typeColumns(const CgatsConditions &c, const QString &instrumentModel,
                                         const QString &time)
{
    const QString model = c.instrumentModel.isEmpty() ? instrumentModel : c.instrumentModel;
    // Time, light source, model, caliber, light mode, colour space, formula,
    // illumination, observer, readings wanted and taken.
    return {time,
            c.lightSource,
            model,
            QString(),
            c.lightMode,
            labSpaceName(),
            QString(),
            c.illuminationMode,
            c.observer,
            QStringLiteral("1"),
            QStringLiteral("1")};
}

int cgatsTypeImport::addTypes(measurementTreeRk *tree, const CgatsReadResult &read,
                              const QString &instrumentModel, const QDateTime &importTime)
{
    const QString time = importTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    int added = 0;
    const measurementTreeRk::originScope imported(tree, history::Origin::Imported);
    for (const CgatsTable &table : read.tables) {
        const QStringList columns = typeColumns(table.conditions, instrumentModel, time);
        for (const CgatsColour &colour : table.colours) {
            if (tree->addTypeItem(colour.lab[0], colour.lab[1], colour.lab[2], colour.displayName(),
                                  columns))
                ++added;
        }
    }
    return added;
}

int cgatsTypeImport::run(measurementTreeRk *tree, QWidget *parent, const QString &instrumentModel)
{
    const QString path =
        promptRk::getOpenFileName(parent, tr("Import CGATS as Types"), QString(), fileFilter());
    if (path.isEmpty())
        return 0;
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        promptRk::warning(parent, tr("QCM"),
                          tr("Cannot read file %1:\n%2.").arg(shown, file.errorString()));
        return 0;
    }
    const CgatsReadResult read = readCgats(&file);
    if (read.status == CgatsReadStatus::ReadError) {
        promptRk::warning(parent, tr("QCM"),
                          tr("Cannot read file %1:\n%2.").arg(shown, file.errorString()));
        return 0;
    }
    if (read.status != CgatsReadStatus::Ok) {
        promptRk::warning(parent, tr("QCM"),
                          tr("%1 cannot be imported.\n%2").arg(shown, read.refusal));
        return 0;
    }
    const int added = addTypes(tree, read, instrumentModel, QDateTime::currentDateTime());
    if (!read.lost.isEmpty())
        promptRk::warning(parent, tr("QCM"),
                          tr("Colours of %1 imported as Types: %2. Not everything could be "
                             "read:\n%3")
                              .arg(shown)
                              .arg(added)
                              .arg(cgatsLossText(read)));
    return added;
}
