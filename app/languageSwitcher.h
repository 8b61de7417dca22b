#ifndef QCM_LANGUAGESWITCHER_H
#define QCM_LANGUAGESWITCHER_H

#include <QObject>
#include <QString>

class QTranslator;
class sharedState;

// The interface language: the program's translator and Qt's own (button
// texts of message boxes, file dialogs), installed once and reloaded on every
// switch.  The language in effect is kept in the shared state, whose change
// signal announces it.
class languageSwitcher : public QObject
{
    Q_OBJECT
public:
    explicit languageSwitcher(sharedState *state, QObject *parent = nullptr);
    ~languageSwitcher() override;

    // The language at start: the stored code, or the system's when none is
    // stored (the code then stays empty, so the system is asked again at the
    // next start).  Returns the code whose language action is checked.
    QString chooseStartLanguage();
    // A language command: "en_US", "zh_CN" or "zh_TW".
    void switchTo(const QString &code);

    static bool isChineseCode(const QString &code);

private:
    // Loads the program's file `path` (".qm" added when missing); a file that
    // cannot be loaded leaves the interface in English.
    void loadProgramTranslation(const QString &path);
    void loadQtTranslation(const QString &localeName);

    sharedState *m_state;
    QTranslator *m_program;
    QTranslator *m_qt;
};

#endif
