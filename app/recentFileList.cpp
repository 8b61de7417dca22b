#include "recentFileList.h"

#include <QAction>
#include <QFileInfo>

void recentFileList::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
}

void recentFileList::removeMissing(const std::function<bool(const QString &)> &exists)
{
    QStringList kept;
    kept.reserve(m_paths.size());
    for (const QString &path : qAsConst(m_paths)) {
        if (exists(path))
            kept.append(path);
    }
    m_paths = kept;
}

void recentFileList::showIn(const QList<QAction *> &actions, QAction *separator)
{
    removeMissing([](const QString &path) { return QFileInfo::exists(path); });
    const QStringList entries = shown();
    for (int i = 0; i < actions.size(); ++i) {
        QAction *recent = actions.at(i);
        if (i < entries.size()) {
            // An ampersand in a file name is part of the name, not a mnemonic.
            QString name = QFileInfo(entries.at(i)).fileName();
            name.replace(QLatin1Char('&'), QLatin1String("&&"));
            recent->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
            recent->setData(entries.at(i));
            recent->setVisible(true);
        } else {
            recent->setVisible(false);
        }
    }
    if (separator)
        separator->setVisible(!entries.isEmpty());
}
