#ifndef QCM_PRINTINFO_H
#define QCM_PRINTINFO_H

// The print information of a measurement: six texts that the measuring file,
// the journal, the settings store and the reports all carry.

#include <QString>
#include <QStringList>

// What a measurement is printed with: six texts and whether the print time
// follows the system clock (true) or is the text typed by the user (false).
// The measuring file keeps the six texts (a null text apart from an empty
// one) but not the time flag.
struct PrintInfo
{
    QString measurementName;
    QString company;
    QString printTime;
    QString department;
    QString measurementPerson;
    QString productTested;
    bool timeFlag = false;

    // The six texts in the order of the print signals and the measuring file.
    QStringList texts() const
    {
        return {measurementName, company, printTime, department, measurementPerson, productTested};
    }
    // From six texts in that order (missing ones null); `timeFlag` kept apart.
    static PrintInfo fromTexts(const QStringList &texts, bool timeFlag)
    {
        PrintInfo info;
        info.measurementName = texts.value(0);
        info.company = texts.value(1);
        info.printTime = texts.value(2);
        info.department = texts.value(3);
        info.measurementPerson = texts.value(4);
        info.productTested = texts.value(5);
        info.timeFlag = timeFlag;
        return info;
    }

    bool operator==(const PrintInfo &o) const
    {
        return texts() == o.texts() && timeFlag == o.timeFlag;
    }
    bool operator!=(const PrintInfo &o) const { return !(*this == o); }
};

#endif
