#include "languageSwitcher.h"

#include "resourcePath.h"
#include "sharedState.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

languageSwitcher::languageSwitcher(sharedState *state, QObject *parent)
    : QObject(parent), m_state(state), m_program(new QTranslator(this)), m_qt(new QTranslator(this))
{
}

languageSwitcher::~languageSwitcher()
{
    QCoreApplication::removeTranslator(m_program);
    QCoreApplication::removeTranslator(m_qt);
}

bool languageSwitcher::isChineseCode(const QString &code)
{
    return code == QLatin1String("zh_CN") || code == QLatin1String("zh_TW");
}

void languageSwitcher::loadProgramTranslation(const QString &path)
{
    QString file = path;
    if (!file.endsWith(QLatin1String(".qm")))
        file += QLatin1String(".qm");
    if (!m_program->load(resourcePath(file)))
        m_program->load(QString());
}

void languageSwitcher::loadQtTranslation(const QString &localeName)
{
    // Qt's own texts in the same language; English needs none, and a missing
    // file simply leaves them English.
    if (!isChineseCode(localeName) ||
        !m_qt->load(QStringLiteral("qtbase_") + localeName,
                    QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        m_qt->load(QString());
}

QString languageSwitcher::chooseStartLanguage()
{
    QCoreApplication::installTranslator(m_qt);
    QCoreApplication::installTranslator(m_program);
    const QString stored = m_state->languageCode();
    QString shown;
    if (stored == QLatin1String("zh_CN") || stored == QLatin1String("zh_TW") ||
        stored == QLatin1String("en_US")) {
        shown = stored;
        loadProgramTranslation(QStringLiteral("./language/") + stored);
        loadQtTranslation(stored);
    } else {
        const QString system = QLocale::system().name();
        shown = isChineseCode(system) ? system : QStringLiteral("en_US");
        loadProgramTranslation(QStringLiteral("./language/") + system);
        loadQtTranslation(system);
    }
    m_state->setLanguage(stored, isChineseCode(shown));
    return shown;
}

void languageSwitcher::switchTo(const QString &code)
{
    loadProgramTranslation(code == QLatin1String("en_US")
                               ? QStringLiteral("./en_US.qm")
                               : QStringLiteral("./language/%1.qm").arg(code));
    loadQtTranslation(code);
    m_state->setLanguage(code, isChineseCode(code));
}
