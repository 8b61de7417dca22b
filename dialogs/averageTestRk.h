#ifndef QCM_AVERAGETESTRK_H
#define QCM_AVERAGETESTRK_H

#include "fixedSizeDialog.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// How many readings make one Type or Sample: 1 is a single measurement.
class averageTestRk : public fixedSizeDialog
{
    Q_OBJECT
public:
    explicit averageTestRk(QWidget *parent = nullptr);

    // The text "OK" reports for `text`: empty or 0 read as 1, other numbers
    // written plainly ("007" and "+5" as "7" and "5"), since items compare
    // their readings per average as texts.  Empty for text that is no count.
    static QString countText(const QString &text);

public slots:
    void setAverage(const QString &text);
    // The edit changed: "OK" is offered while it holds a count or nothing;
    // otherwise a line under it says why not.
    void OKButtonEnable(const QString &text);
    void OKButtonFcn();
    void cancelButtonFcn();

signals:
    void setAverageFinishSignal(const QString &text);

protected:
    void retranslate() override;

private:
    QLabel *m_title;
    QLabel *m_timesLabel;
    QLineEdit *m_edit;
    QLabel *m_hint; // why the count typed cannot be taken
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};

#endif
