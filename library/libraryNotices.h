#ifndef QCM_LIBRARYNOTICES_H
#define QCM_LIBRARYNOTICES_H

// The library's warning boxes.  Boxes of the reading at start-up, which no
// user asked for, wait until the main window is up and neither another box
// nor a splash screen is open; a warning about a file in a given state (its
// path, size and bytes) is given at start-up only once, until the file
// changes.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class QWidget;

class libraryNotices : public QObject
{
    Q_OBJECT
public:
    explicit libraryNotices(QWidget *dialog);

    // From now until release(), boxes wait for `window` (when it is not
    // shown yet) and a file state warned about before is not warned again.
    void hold(QWidget *window);
    void release();

    // A warning box now, or once the window is up.  `fileState` names the
    // state of the file the box is about (empty: the box is always shown).
    void warning(const QString &title, const QString &text, const QString &fileState = QString());

    // Boxes waiting for the window.
    int pending() const { return m_pending.size(); }

    // The state text of a file: its path, size and the digest of its bytes.
    static QString fileState(const QString &path, const QByteArray &bytes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Box
    {
        QString title;
        QString text;
        QString fileState;
    };
    void showPending();
    static QString warnedState();
    static void rememberWarned(const QString &state);

    QWidget *m_dialog;
    QPointer<QWidget> m_window;
    bool m_holding = false;
    QVector<Box> m_pending;
};

#endif
