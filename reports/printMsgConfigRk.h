#ifndef QCM_PRINTMSGCONFIGRK_H
#define QCM_PRINTMSGCONFIGRK_H

#include "fixedSizeDialog.h"

#include <QString>
#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The print-information dialog: the measurement name, company, print time,
// department, measurement person and product that head every report and
// workbook.  The print time follows the system clock ("System") or is typed
// ("Custom").  It keeps its own copy of the values; "OK" sends them with
// printMsgSavedSignal, "Cancel" forgets the edits.
class printMsgConfigRk : public fixedSizeDialog
{
    Q_OBJECT
public:
    // The rows of the dialog, in the order of its signals.
    enum Row
    {
        nameRow,
        companyRow,
        printTimeRow,
        departmentRow,
        personRow,
        productRow,
        rowCount
    };

    explicit printMsgConfigRk(QWidget *parent = nullptr);

    QLineEdit *edit(int row) const { return m_edits.value(row); }
    QRadioButton *systemButton() const { return m_system; }
    QRadioButton *customButton() const { return m_custom; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    // True while the print time follows the system clock.
    bool timeFlag() const { return m_timeFlag; }

    // The current date and time as the print time shows it.
    static QString now();

signals:
    void printMsgSavedSignal(const QString &measurementName, const QString &company,
                             const QString &printTime, const QString &department,
                             const QString &measurementPerson, const QString &productTested,
                             bool timeFlag);

public slots:
    // Loads the dialog; the print time shown is always the time now.
    void getPrintMsg(const QString &aNewName, const QString &aCompanyName,
                     const QString &aPrintTime, const QString &aDepartmentName,
                     const QString &aOperatorName, const QString &aProductName);
    void OKButtonFcn();
    void cancelButtonFcn();
    void OKButtonActive(const QString &text);
    void sysPrintTimeRadioBtnFcn();
    void setPrintTimeRadioBtnFcn();
    void setTimeFlag(bool flag);

protected:
    void retranslate() override;

private:
    QString m_texts[rowCount];
    bool m_timeFlag = false;
    QLabel *m_title;
    QVector<QLabel *> m_labels;
    QVector<QLineEdit *> m_edits;
    QRadioButton *m_system;
    QRadioButton *m_custom;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

#endif
