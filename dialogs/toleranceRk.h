#ifndef QCM_TOLERANCERK_H
#define QCM_TOLERANCERK_H

#include "fixedSizeDialog.h"

#include <QString>
#include <QStringList>
#include <QVector>

class decimalValidator;
class QLabel;
class QLineEdit;
class QPushButton;

// The tolerance dialog: the largest colour difference and a lower and an
// upper limit for each coordinate difference, labelled with the formula and
// the coordinates of the current colour space.
class toleranceRk : public fixedSizeDialog
{
    Q_OBJECT
public:
    explicit toleranceRk(QWidget *parent = nullptr);

    // The seven values last received or saved, in tolerance order.
    QStringList values() const { return m_values; }

public slots:
    // Seven texts in the order delatE, nDelatL, pDelatL, nDelata, pDelata,
    // nDelatb, pDelatb, into the seven edits.
    void gettolerance(const QString &delatE, const QString &nDelatL, const QString &pDelatL,
                      const QString &nDelata, const QString &pDelata, const QString &nDelatb,
                      const QString &pDelatb);
    // An edit changed: "OK" is offered while every field is empty or valid.
    void OKButtonActive(const QString &text);
    void OKButtonFcn();
    void cancelButtonFcn();
    // The first row takes the formula's name, the other three the coordinate
    // differences of the colour space (left as they are for an unknown one).
    void relabel(const QString &colorSpace, const QString &formula);

signals:
    void toleranceSavedSignal(const QString &delatE, const QString &nDelatL, const QString &pDelatL,
                              const QString &nDelata, const QString &pDelata,
                              const QString &nDelatb, const QString &pDelatb);

protected:
    void retranslate() override;

private:
    bool allFieldsAcceptable() const;

    decimalValidator *m_validator;
    // In tolerance order.
    QVector<QLineEdit *> m_edits;
    QStringList m_values;
    QLabel *m_title;
    QLabel *m_deltaE;
    QLabel *m_delta1;
    QLabel *m_delta2;
    QLabel *m_delta3;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};

#endif
