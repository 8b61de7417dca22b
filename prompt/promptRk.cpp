#include "promptRk.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>
#include <QTimer>

namespace {

struct PromptState
{
    bool testing = false;
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> fileNames;
    QList<promptRk::Record> history;
    int answerDelay = 0;
    int openBoxes = 0;
};

PromptState &state()
{
    static PromptState s;
    return s;
}

int buttonCount(QMessageBox::StandardButtons buttons)
{
    int n = 0;
    for (unsigned v = static_cast<unsigned>(buttons); v != 0; v &= v - 1)
        ++n;
    return n;
}

// The answer an unattended test gets when it did not script one: whatever
// does nothing.
QMessageBox::StandardButton safeAnswer(QMessageBox::StandardButtons buttons)
{
    if (buttons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    if (buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    if (buttons.testFlag(QMessageBox::Abort))
        return QMessageBox::Abort;
    if (buttons.testFlag(QMessageBox::Ok))
        return QMessageBox::Ok;
    return QMessageBox::NoButton;
}

// Counts the boxes open while one is shown.
class OpenBox
{
public:
    OpenBox() { ++state().openBoxes; }
    ~OpenBox() { --state().openBoxes; }
    OpenBox(const OpenBox &) = delete;
    OpenBox &operator=(const OpenBox &) = delete;
};

// In test mode, the time the scripted user takes to answer, with the event
// loop running as under a real box.
void waitForScriptedAnswer()
{
    const int msec = state().answerDelay;
    if (msec <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(msec, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

QMessageBox::StandardButton promptRk::ask(Kind kind, QWidget *parent, const QString &title,
                                          const QString &text, QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton)
{
    PromptState &s = state();
    const OpenBox open;
    if (s.testing) {
        s.history.append({kind, title, text});
        waitForScriptedAnswer();
        if (buttonCount(buttons) > 1)
            return s.answers.isEmpty() ? safeAnswer(buttons) : s.answers.dequeue();
        return buttonCount(buttons) == 1 ? QMessageBox::StandardButton(int(buttons))
                                         : QMessageBox::NoButton;
    }
    switch (kind) {
    case Warning:
        return QMessageBox::warning(parent, title, text, buttons, defaultButton);
    case Question:
        return QMessageBox::question(parent, title, text, buttons, defaultButton);
    default:
        return QMessageBox::information(parent, title, text, buttons, defaultButton);
    }
}

QMessageBox::StandardButton promptRk::information(QWidget *parent, const QString &title,
                                                  const QString &text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton)
{
    return ask(Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton promptRk::warning(QWidget *parent, const QString &title,
                                              const QString &text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    return ask(Warning, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton promptRk::question(QWidget *parent, const QString &title,
                                               const QString &text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    return ask(Question, parent, title, text, buttons, defaultButton);
}

void promptRk::timedInformation(QWidget *parent, const QString &title, const QString &text,
                                int msec)
{
    PromptState &s = state();
    const OpenBox open;
    if (s.testing) {
        s.history.append({TimedInformation, title, text});
        waitForScriptedAnswer();
        return;
    }
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    QTimer::singleShot(msec, &box, &QMessageBox::accept);
    box.exec();
}

QString promptRk::fileName(Kind kind, QWidget *parent, const QString &caption, const QString &dir,
                           const QString &filter, bool confirmOverwrite)
{
    PromptState &s = state();
    const OpenBox open;
    if (s.testing) {
        s.history.append({kind, caption, dir});
        waitForScriptedAnswer();
        return s.fileNames.isEmpty() ? QString() : s.fileNames.dequeue();
    }
    switch (kind) {
    case SaveFileName:
        return QFileDialog::getSaveFileName(parent, caption, dir, filter, nullptr,
                                            confirmOverwrite ? QFileDialog::Options()
                                                             : QFileDialog::DontConfirmOverwrite);
    case ExistingDirectory:
        return QFileDialog::getExistingDirectory(parent, caption, dir);
    default:
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    }
}

QString promptRk::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                  const QString &filter)
{
    return fileName(OpenFileName, parent, caption, dir, filter);
}

QString promptRk::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                  const QString &filter, const QString &suffix)
{
    if (suffix.isEmpty())
        return fileName(SaveFileName, parent, caption, dir, filter);
    // The dialog would ask about the name as typed; the file written is the
    // one with the suffix, so the question is asked here, about that one.
    QString start = dir;
    for (;;) {
        const QString name = fileName(SaveFileName, parent, caption, start, filter, false);
        if (name.isEmpty())
            return QString();
        const QString path = name.endsWith(suffix, Qt::CaseInsensitive) ? name : name + suffix;
        if (!QFileInfo::exists(path))
            return path;
        const QString question = QCoreApplication::translate(
                                     "promptRk", "%1 already exists.\nDo you want to replace it?")
                                     .arg(QDir::toNativeSeparators(path));
        if (warning(parent, caption, question, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::No) == QMessageBox::Yes)
            return path;
        start = path;
    }
}

QString promptRk::getExistingDirectory(QWidget *parent, const QString &caption, const QString &dir)
{
    return fileName(ExistingDirectory, parent, caption, dir, QString());
}

void promptRk::setTesting(bool on)
{
    state().testing = on;
}

bool promptRk::testing()
{
    return state().testing;
}

void promptRk::setNextAnswer(QMessageBox::StandardButton answer)
{
    state().answers.enqueue(answer);
}

void promptRk::setNextFileName(const QString &fileName)
{
    state().fileNames.enqueue(fileName);
}

QList<promptRk::Record> promptRk::history()
{
    return state().history;
}

void promptRk::setAnswerDelay(int msec)
{
    state().answerDelay = msec;
}

bool promptRk::boxOpen()
{
    return state().openBoxes > 0;
}

void promptRk::clearHistory()
{
    PromptState &s = state();
    s.history.clear();
    s.answers.clear();
    s.fileNames.clear();
}
