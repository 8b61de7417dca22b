#ifndef QCM_NUMBERINPUT_H
#define QCM_NUMBERINPUT_H

#include <QDoubleSpinBox>
#include <QLocale>
#include <QValidator>

class QLineEdit;

// Numbers the user types are read in the C locale whatever the system's: a
// comma locale must never turn "1,5" into 0.  Group separators are refused
// too, so "1,5" cannot be read as fifteen either.
QLocale numberInputLocale();

// A typed number: a point or a comma as the decimal separator (many
// keyboards give a comma), no group separator, no exponent.  False in `ok`
// (and 0) for anything else.
double typedNumber(const QString &text, bool *ok = nullptr);

// A field a dialog may accept: empty, or what its validator accepts.
bool acceptableOrEmpty(const QLineEdit *edit);

// A decimal number from `bottom` to `top` with at most `decimals` decimals
// (-1: any).  A comma typed as the decimal separator becomes a point as it
// is typed, so that the field shows what will be stored, in the C locale.
// Only characters that can never make a number are refused: a value out of
// range, with too many decimals, or unfinished ("-", ".") stays in the field
// and is not acceptable, so no keystroke that changes the value is lost.
class decimalValidator : public QValidator
{
public:
    decimalValidator(double bottom, double top, int decimals, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
    // Why `text` cannot be accepted, for a line under the field; empty when
    // it can, or when it is empty.
    QString problem(const QString &text) const;

private:
    double m_bottom, m_top;
    int m_decimals;
};

// A whole number from `bottom` to `top`.  A decimal separator ("," or ".")
// is kept in the field, visibly not acceptable, rather than dropped (which
// would turn "1,5" into 15) or read as a fraction.
class wholeNumberValidator : public QValidator
{
public:
    wholeNumberValidator(int bottom, int top, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
    QString problem(const QString &text) const;

private:
    int m_bottom, m_top;
};

// The problem the validator of `edit` finds in its text (either kind above),
// empty when there is none.
QString numberProblem(const QLineEdit *edit);

// A spin box of decimal numbers in the C locale that takes a comma as the
// decimal separator too; the stock one reads "1,25" as 125, the comma as a
// group separator, whatever its number options say.
class decimalSpinBox : public QDoubleSpinBox
{
public:
    explicit decimalSpinBox(QWidget *parent = nullptr);

    QValidator::State validate(QString &text, int &pos) const override;
    double valueFromText(const QString &text) const override;
};

#endif
