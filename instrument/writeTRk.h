#ifndef QCM_WRITETRK_H
#define QCM_WRITETRK_H

#include "fixedSizeDialog.h"

#include <QString>
#include <QVector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Type Data Input": a reference colour typed by hand with its conditions,
// sent to the instrument's Type store (request 0xC8) or added to the tree as
// a Type.  The choices follow the instrument model; every number is read in
// the C locale and must lie in its range before either button acts.
class writeTRk : public fixedSizeDialog
{
    Q_OBJECT
public:
    explicit writeTRk(QWidget *parent = nullptr);

    QComboBox *colorSpaceBox() const { return m_colorSpace; }
    QComboBox *lightSourceBox() const { return m_lightSource; }
    QComboBox *lightModeBox() const { return m_lightMode; }
    QComboBox *caliberBox() const { return m_caliber; }
    QLineEdit *lEdit() const { return m_L; }
    QLineEdit *aEdit() const { return m_a; }
    QLineEdit *bEdit() const { return m_b; }
    QLineEdit *averageEdit() const { return m_average; }
    QPushButton *toInstrumentButton() const { return m_toInstrument; }
    QPushButton *toSoftwareButton() const { return m_toSoftware; }

public slots:
    // Fills the choices for `model` with the instrument's caliber
    // `testArea` (emptied first, so reopening never repeats them).
    void setParameter(const QString &colorSpace, const QString &testArea);
    void LValueEditFcn(const QString &text);
    void aValueEditFcn(const QString &text);
    void bValueEditFcn(const QString &text);
    void averageTimesEditFcn(const QString &text);
    void toYQButtonFcn();
    void toAppButtonFcn();

signals:
    // Request 0xC8 as text without its checksum; true asks for the box.
    void sendWriteTSignal(const QString &frameText, bool notify);
    // L*, a*, b*, time, light source, caliber, light mode, colour space,
    // formula, illumination, observer, readings per average (twice).
    void TtoAppSignal(QVector<QString> str);
    // Why "Input to instrument" sent nothing (for the message line).
    void refusedSignal(const QString &why);

protected:
    void retranslate() override;
    void hideEvent(QHideEvent *event) override;

private:
    enum Field
    {
        LField,
        aField,
        bField,
        averageField,
        fieldCount
    };
    void fieldEdited(Field field);
    // True when every field holds a number of its range; otherwise a "Tips"
    // box names the first that does not.
    bool fieldsAcceptable();
    QLineEdit *edit(Field field) const;
    void fitSize();

    QLabel *m_heading;
    QLabel *m_colorSpaceLabel;
    QLabel *m_lightSourceLabel;
    QLabel *m_lightModeLabel;
    QLabel *m_caliberLabel;
    QLabel *m_averageLabel;
    QComboBox *m_colorSpace;
    QComboBox *m_lightSource;
    QComboBox *m_lightMode;
    QComboBox *m_caliber;
    QLineEdit *m_L;
    QLineEdit *m_a;
    QLineEdit *m_b;
    QLineEdit *m_average;
    QPushButton *m_toInstrument;
    QPushButton *m_toSoftware;
    bool m_edited[fieldCount] = {false, false, false, false};
};

#endif
