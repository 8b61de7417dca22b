#include "libraryNotices.h"

#include "promptRk.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEvent>
#include <QSettings>
#include <QTimer>
#include <QWidget>

namespace {

// The settings key of the file state last warned about at start-up.
const char warnedKey[] = "libraryWarnedFileState";
// While another box is open, the held boxes look again this much later.
constexpr int retryMsec = 200;

// A splash screen still up would stand over the box, or hide it.
bool splashShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *w : windows) {
        if (w->isVisible() && w->windowType() == Qt::SplashScreen)
            return true;
    }
    return false;
}

} // namespace

libraryNotices::libraryNotices(QWidget *dialog) : QObject(dialog), m_dialog(dialog) {}

void libraryNotices::hold(QWidget *window)
{
    m_holding = true;
    if (window && !window->isVisible() && m_window != window) {
        if (m_window)
            m_window->removeEventFilter(this);
        m_window = window;
        window->installEventFilter(this);
    }
}

void libraryNotices::release()
{
    m_holding = false;
    // Nothing to wait for: what was held shows now.
    if (!m_window || m_window->isVisible())
        showPending();
}

QString libraryNotices::fileState(const QString &path, const QByteArray &bytes)
{
    return QStringLiteral("%1|%2|%3")
        .arg(QDir::cleanPath(QDir(path).absolutePath()))
        .arg(bytes.size())
        .arg(
            QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex()));
}

QString libraryNotices::warnedState()
{
    return QSettings("SoftWare Inc.", "qcm").value(warnedKey).toString();
}

void libraryNotices::rememberWarned(const QString &state)
{
    QSettings("SoftWare Inc.", "qcm").setValue(warnedKey, state);
}

void libraryNotices::warning(const QString &title, const QString &text, const QString &fileState)
{
    if (!m_holding) {
        promptRk::warning(m_dialog, title, text);
        return;
    }
    // Told at an earlier start, and the file is as it was then.
    if (!fileState.isEmpty() && fileState == warnedState())
        return;
    m_pending.append({title, text, fileState});
    if (!m_window || m_window->isVisible())
        QTimer::singleShot(0, this, &libraryNotices::showPending);
}

bool libraryNotices::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show) {
        m_window->removeEventFilter(this);
        // After the window has drawn itself.
        QTimer::singleShot(0, this, &libraryNotices::showPending);
    }
    return QObject::eventFilter(watched, event);
}

void libraryNotices::showPending()
{
    if (m_pending.isEmpty())
        return;
    if (promptRk::boxOpen() || splashShown()) {
        QTimer::singleShot(retryMsec, this, &libraryNotices::showPending);
        return;
    }
    const QVector<Box> boxes = m_pending;
    m_pending.clear();
    QWidget *parent = m_window ? m_window.data() : m_dialog;
    for (const Box &box : boxes) {
        if (!box.fileState.isEmpty())
            rememberWarned(box.fileState);
        promptRk::warning(parent, box.title, box.text);
    }
}
