#ifndef QCM_TESTS_LOCKEDPATH_H
#define QCM_TESTS_LOCKEDPATH_H

// A file or folder that cannot be written while the guard lives.  Root
// ignores permissions, so as root the path is made immutable instead.

#include <QFile>
#include <QString>

#include <cstdlib>
#include <unistd.h>

class lockedPath
{
public:
    explicit lockedPath(const QString &path) : m_path(path)
    {
        m_locked = m_root ? std::system(command("+i").constData()) == 0
                          : QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~lockedPath() { unlock(); }
    lockedPath(const lockedPath &) = delete;
    lockedPath &operator=(const lockedPath &) = delete;

    // False where this file system cannot lock the path.
    bool locked() const { return m_locked; }
    void unlock()
    {
        if (!m_locked)
            return;
        m_locked = false;
        if (m_root) {
            const int rc = std::system(command("-i").constData());
            Q_UNUSED(rc)
        } else {
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

private:
    QByteArray command(const char *flag) const
    {
        return QStringLiteral("chattr %1 '%2' 2>/dev/null").arg(flag, m_path).toLocal8Bit();
    }

    QString m_path;
    bool m_root = geteuid() == 0;
    bool m_locked = false;
};

#endif
