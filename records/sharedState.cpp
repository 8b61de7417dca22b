#include "sharedState.h"

#include "colorVocabulary.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

// The conditions of a new state and of an empty settings store: single
// readings of L*a*b* under D65, specular component included.
MeasuringConditions defaultConditions()
{
    MeasuringConditions c;
    c.standardLight = defaultLightSourceName();
    c.colorSpace = labSpaceName();
    c.colorDiffFormula = defaultFormulaName();
    c.SCISCE = sciName();
    c.averageTestTime = QStringLiteral("1");
    return c;
}

} // namespace

sharedState::sharedState(QObject *parent) : QObject(parent), m_conditions(defaultConditions())
{
    m_printInfo.measurementName = defaultMeasurementName();
}

void sharedState::setTolerance(const Tolerance &tolerance)
{
    // Every setter call is announced, changed or not: the window re-judges
    // and the charts redraw on an explicit "OK" as well.
    m_tolerance = normalizedTolerance(tolerance);
    emit toleranceChanged(m_tolerance);
}

void sharedState::setPrintInfo(const PrintInfo &info)
{
    const bool renamed = info.measurementName != m_printInfo.measurementName;
    m_printInfo = info;
    if (renamed)
        emit measurementNameChanged(m_printInfo.measurementName);
    emit printInfoChanged(m_printInfo);
}

void sharedState::setMeasurementName(const QString &name)
{
    if (name == m_printInfo.measurementName)
        return;
    PrintInfo info = m_printInfo;
    info.measurementName = name;
    setPrintInfo(info);
}

void sharedState::retranslateDefaultName()
{
    if (isDefaultMeasurementName(measurementName()))
        setMeasurementName(defaultMeasurementName());
}

void sharedState::setConditions(const MeasuringConditions &conditions)
{
    if (conditions == m_conditions)
        return;
    m_conditions = conditions;
    emit conditionsChanged(m_conditions);
    updateAverageMode();
}

bool sharedState::chooseConditions(const QString &light, const QString &colorSpace,
                                   const QString &formula, const QString &lightMode)
{
    if (light.isEmpty() || colorSpace.isEmpty() || formula.isEmpty() || lightMode.isEmpty())
        return false;
    MeasuringConditions c = m_conditions;
    c.standardLight = light;
    c.colorSpace = colorSpace;
    c.colorDiffFormula = formula;
    c.SCISCE = lightMode;
    setConditions(c);
    return true;
}

void sharedState::setAverageTestTime(const QString &readings)
{
    MeasuringConditions c = m_conditions;
    c.averageTestTime = readings;
    setConditions(c);
}

void sharedState::setInstrumentConditions(const QString &model, const QString &caliber,
                                          const QString &observer, const QString &illumination)
{
    MeasuringConditions c = m_conditions;
    c.instrumentModel = model;
    c.caliber = caliber;
    c.observer = observer;
    c.illuminationMode = illumination;
    setConditions(c);
}

void sharedState::updateAverageMode()
{
    const bool on = m_conditions.averageTestTime.toInt() > 1;
    if (on == m_averageMode)
        return;
    m_averageMode = on;
    emit averageModeChanged(on);
}

void sharedState::setLanguage(const QString &code, bool chinese)
{
    m_languageCode = code;
    m_chinese = chinese;
    emit languageChanged(code, chinese);
}

void sharedState::setLibraryDirectory(const QString &directory)
{
    if (directory == m_libraryDirectory)
        return;
    m_libraryDirectory = directory;
    emit libraryDirectoryChanged(directory);
}

QString sharedState::defaultMeasurementName()
{
    return QCoreApplication::translate("sharedState", "New Measurement");
}

bool sharedState::isDefaultMeasurementName(const QString &name)
{
    return name == QLatin1String("New Measurement") || name == QStringLiteral("新建测量") ||
           name == QStringLiteral("新建測量");
}

void sharedState::readSettings(QSettings &settings)
{
    // The stored "newName" is never read: a new run starts a new measurement.
    m_printInfo.measurementName = defaultMeasurementName();
    m_printInfo.company = settings.value("companyName").toString();
    m_printInfo.printTime = settings.value("printTime").toString();
    m_printInfo.department = settings.value("departmentName").toString();
    m_printInfo.measurementPerson = settings.value("operatorName").toString();
    m_printInfo.productTested = settings.value("productName").toString();
    m_printInfo.timeFlag = settings.value("timeFlag", false).toBool();

    QStringList storedTexts;
    for (const QString &key : Tolerance::keys())
        storedTexts.append(settings.value(key).toString());
    m_tolerance = normalizedTolerance(checkedStoredTolerance(Tolerance::fromList(storedTexts)));

    // An empty stored text takes the default; the count has none.
    const MeasuringConditions defaults = defaultConditions();
    auto text = [&settings](const char *key, const QString &fallback) {
        const QString value = settings.value(key).toString();
        return value.isEmpty() && !fallback.isEmpty() ? fallback : value;
    };
    m_conditions.standardLight = text("standardLightPC", defaults.standardLight);
    m_conditions.colorSpace = text("colorSpacePC", defaults.colorSpace);
    m_conditions.colorDiffFormula = text("colorDiffFormulaPC", defaults.colorDiffFormula);
    m_conditions.SCISCE = text("SCISCEPC", defaults.SCISCE);
    m_conditions.averageTestTime = text("averageTestTimePC", defaults.averageTestTime);
    m_conditions.averageTestCount = text("averageTestCountPC", defaults.averageTestCount);
    m_averageMode = m_conditions.averageTestTime.toInt() > 1;

    m_libraryDirectory = settings.value("fileDirectory").toString();
    m_languageCode = settings.value("languageChoose").toString();
}

void sharedState::writeSettings(QSettings &settings) const
{
    settings.setValue("timeFlag", m_printInfo.timeFlag);
    settings.setValue("newName", m_printInfo.measurementName);
    settings.setValue("companyName", m_printInfo.company);
    settings.setValue("printTime", m_printInfo.printTime);
    settings.setValue("departmentName", m_printInfo.department);
    settings.setValue("operatorName", m_printInfo.measurementPerson);
    settings.setValue("productName", m_printInfo.productTested);
    settings.setValue("standardLightPC", m_conditions.standardLight);
    settings.setValue("colorSpacePC", m_conditions.colorSpace);
    settings.setValue("colorDiffFormulaPC", m_conditions.colorDiffFormula);
    settings.setValue("SCISCEPC", m_conditions.SCISCE);
    settings.setValue("averageTestTimePC", m_conditions.averageTestTime);
    settings.setValue("averageTestCountPC", m_conditions.averageTestCount);
    const QStringList keys = Tolerance::keys();
    const QStringList values = m_tolerance.toList();
    for (int i = 0; i < keys.size(); ++i)
        settings.setValue(keys.at(i), values.at(i));
    settings.setValue("fileDirectory", m_libraryDirectory);
    settings.setValue("languageChoose", m_languageCode);
}
