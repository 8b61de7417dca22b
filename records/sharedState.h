#ifndef QCM_SHAREDSTATE_H
#define QCM_SHAREDSTATE_H

#include "judgement.h"
#include "measuringConditions.h"
#include "printInfo.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QSettings;

// The values the whole program shares: tolerance, print information,
// measuring conditions with the averaging setting, the interface language and
// the library folder.  Dialogs, charts, reports and the export read them here
// and follow the change signals; only the setters change them.  It also reads
// and writes these values in the settings store, with the keys, defaults and
// start-up checks the store has always had.
class sharedState : public QObject
{
    Q_OBJECT
public:
    explicit sharedState(QObject *parent = nullptr);

    const Tolerance &tolerance() const { return m_tolerance; }
    // Keeps the texts normalised to two decimals.
    void setTolerance(const Tolerance &tolerance);

    const PrintInfo &printInfo() const { return m_printInfo; }
    void setPrintInfo(const PrintInfo &info);
    QString measurementName() const { return m_printInfo.measurementName; }
    void setMeasurementName(const QString &name);
    // A measurement name still at its default takes the default of the
    // language now in use.
    void retranslateDefaultName();

    const MeasuringConditions &conditions() const { return m_conditions; }
    void setConditions(const MeasuringConditions &conditions);
    // The four conditions the user chose; false, changing nothing, when a
    // box was empty (no instrument has said what it offers).
    bool chooseConditions(const QString &light, const QString &colorSpace, const QString &formula,
                          const QString &lightMode);
    // Readings per average ("1" for single readings).
    void setAverageTestTime(const QString &readings);
    // The four conditions the instrument reports; empty texts when it goes.
    void setInstrumentConditions(const QString &model, const QString &caliber,
                                 const QString &observer, const QString &illumination);
    // More than one reading per Type or Sample.
    bool averageMode() const { return m_averageMode; }

    // "en_US", "zh_CN", "zh_TW" or empty (follow the system).
    QString languageCode() const { return m_languageCode; }
    // The interface in effect is Chinese (narrower dialogs, other proportions).
    bool isChinese() const { return m_chinese; }
    void setLanguage(const QString &code, bool chinese);

    QString libraryDirectory() const { return m_libraryDirectory; }
    void setLibraryDirectory(const QString &directory);

    // The name a new measurement gets: the translation of "New Measurement".
    static QString defaultMeasurementName();
    // Whether `name` is that default in any of the three languages.
    static bool isDefaultMeasurementName(const QString &name);

    // Reads every shared value from the store, with the defaults of an empty
    // store and the checks of a stored tolerance; sends no change signal
    // (nothing is shown yet while the window is being built).
    void readSettings(QSettings &settings);
    void writeSettings(QSettings &settings) const;

signals:
    void toleranceChanged(const Tolerance &tolerance);
    void printInfoChanged(const PrintInfo &info);
    void measurementNameChanged(const QString &name);
    void conditionsChanged(const MeasuringConditions &conditions);
    void averageModeChanged(bool averageMode);
    void languageChanged(const QString &code, bool chinese);
    void libraryDirectoryChanged(const QString &directory);

private:
    void updateAverageMode();

    Tolerance m_tolerance;
    PrintInfo m_printInfo;
    MeasuringConditions m_conditions;
    bool m_averageMode = false;
    QString m_languageCode;
    bool m_chinese = false;
    QString m_libraryDirectory;
};

#endif
