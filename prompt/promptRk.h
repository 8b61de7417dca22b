#ifndef QCM_PROMPTRK_H
#define QCM_PROMPTRK_H

// Every message box and file dialog of the program goes through promptRk, so
// that tests can script the user's answers and read back what was shown
// without a modal dialog ever blocking them.

#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

class promptRk
{
public:
    enum Kind
    {
        Information,
        Warning,
        Question,
        TimedInformation,
        OpenFileName,
        SaveFileName,
        ExistingDirectory,
    };

    struct Record
    {
        Kind kind;
        QString title;
        QString text;
    };

    // A box with the given buttons; returns the button pressed.  With more
    // than one button the box asks something and, under test, takes the next
    // scripted answer (default: No, else Cancel).
    static QMessageBox::StandardButton
    information(QWidget *parent, const QString &title, const QString &text,
                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton
    warning(QWidget *parent, const QString &title, const QString &text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton
    question(QWidget *parent, const QString &title, const QString &text,
             QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // A modal information box that closes itself `msec` after it opens.
    static void timedInformation(QWidget *parent, const QString &title, const QString &text,
                                 int msec);

    // File dialogs; an empty result means the user cancelled.
    static QString getOpenFileName(QWidget *parent, const QString &caption,
                                   const QString &dir = QString(),
                                   const QString &filter = QString());
    // With a `suffix` (".csv") the name gets it unless it ends with it
    // already, and the question whether to replace an existing file is asked
    // about that name, the file that will be written: a typed "old.xlsx"
    // becomes "old.xlsx.csv", and only an existing "old.xlsx.csv" is asked
    // about.  Answered No, the dialog opens again.
    static QString getSaveFileName(QWidget *parent, const QString &caption,
                                   const QString &dir = QString(),
                                   const QString &filter = QString(),
                                   const QString &suffix = QString());
    static QString getExistingDirectory(QWidget *parent, const QString &caption,
                                        const QString &dir = QString());

    // Test mode: no real dialog is shown; answers come from the queues below
    // and everything shown is recorded.
    static void setTesting(bool on);
    static bool testing();
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static void setNextFileName(const QString &fileName);
    static QList<Record> history();
    // Forgets the history and any answer or file name still queued.
    static void clearHistory();
    // Test mode: a box waits this long before it answers, running the event
    // loop meanwhile as a real box does while the user reads it (0: none).
    static void setAnswerDelay(int msec);

    // A box or file dialog of the seam is open and waiting for the user.
    static bool boxOpen();

private:
    static QMessageBox::StandardButton ask(Kind kind, QWidget *parent, const QString &title,
                                           const QString &text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton);
    static QString fileName(Kind kind, QWidget *parent, const QString &caption, const QString &dir,
                            const QString &filter, bool confirmOverwrite = true);
};

#endif
