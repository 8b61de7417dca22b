#include "numberInput.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

// What may stand in a field while a number is being typed, once a comma is
// read as a point.
const QRegularExpression &decimalTyping()
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?\\d*\\.?\\d*$"));
    return pattern;
}

const QRegularExpression &wholeTyping()
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?\\d*$"));
    return pattern;
}

// A whole number typed with a fraction: kept, and said to be no count.
const QRegularExpression &wholeWithSeparator()
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?\\d*[.,]\\d*$"));
    return pattern;
}

QString withPoint(QString text)
{
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

QString plain(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

QLocale numberInputLocale()
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return c;
}

double typedNumber(const QString &text, bool *ok)
{
    const QString t = withPoint(text.trimmed());
    bool read = false;
    double value = 0;
    // At least one digit; nothing but a sign, digits and one point.
    if (decimalTyping().match(t).hasMatch() &&
        t.contains(QRegularExpression(QStringLiteral("\\d"))))
        value = numberInputLocale().toDouble(t, &read);
    if (!read)
        value = 0;
    if (ok)
        *ok = read;
    return value;
}

bool acceptableOrEmpty(const QLineEdit *edit)
{
    return edit->text().isEmpty() || edit->hasAcceptableInput();
}

decimalValidator::decimalValidator(double bottom, double top, int decimals, QObject *parent)
    : QValidator(parent), m_bottom(bottom), m_top(top), m_decimals(decimals)
{
    setLocale(numberInputLocale());
}

QValidator::State decimalValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos) // one character for another: the cursor stays
    input = withPoint(input);
    if (!decimalTyping().match(input).hasMatch())
        return Invalid;
    bool ok = false;
    const double value = typedNumber(input, &ok);
    if (!ok || value < m_bottom || value > m_top)
        return Intermediate;
    const int point = input.indexOf(QLatin1Char('.'));
    if (m_decimals >= 0 && point >= 0 && input.size() - point - 1 > m_decimals)
        return Intermediate;
    return Acceptable;
}

QString decimalValidator::problem(const QString &text) const
{
    QString copy = text;
    int pos = 0;
    if (text.isEmpty() || validate(copy, pos) == Acceptable)
        return QString();
    bool ok = false;
    const double value = typedNumber(copy, &ok);
    if (ok && value >= m_bottom && value <= m_top)
        return QCoreApplication::translate("numberInput", "At most %1 decimals.").arg(m_decimals);
    return QCoreApplication::translate("numberInput", "A number from %1 to %2.")
        .arg(plain(m_bottom), plain(m_top));
}

wholeNumberValidator::wholeNumberValidator(int bottom, int top, QObject *parent)
    : QValidator(parent), m_bottom(bottom), m_top(top)
{
    setLocale(numberInputLocale());
}

QValidator::State wholeNumberValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    if (wholeWithSeparator().match(input).hasMatch())
        return Intermediate;
    if (!wholeTyping().match(input).hasMatch())
        return Invalid;
    bool ok = false;
    const int value = numberInputLocale().toInt(input, &ok);
    if (!ok || value < m_bottom || value > m_top)
        return Intermediate;
    return Acceptable;
}

QString wholeNumberValidator::problem(const QString &text) const
{
    QString copy = text;
    int pos = 0;
    if (text.isEmpty() || validate(copy, pos) == Acceptable)
        return QString();
    if (wholeWithSeparator().match(text).hasMatch())
        return QCoreApplication::translate("numberInput", "Whole numbers only.");
    return QCoreApplication::translate("numberInput", "A whole number from %1 to %2.")
        .arg(m_bottom)
        .arg(m_top);
}

QString numberProblem(const QLineEdit *edit)
{
    if (const auto *whole = dynamic_cast<const wholeNumberValidator *>(edit->validator()))
        return whole->problem(edit->text());
    if (const auto *decimal = dynamic_cast<const decimalValidator *>(edit->validator()))
        return decimal->problem(edit->text());
    return QString();
}

decimalSpinBox::decimalSpinBox(QWidget *parent) : QDoubleSpinBox(parent)
{
    setLocale(numberInputLocale());
}

QValidator::State decimalSpinBox::validate(QString &text, int &pos) const
{
    // The base class, left to itself, removes a comma as a group separator.
    text = withPoint(text);
    return QDoubleSpinBox::validate(text, pos);
}

double decimalSpinBox::valueFromText(const QString &text) const
{
    return QDoubleSpinBox::valueFromText(withPoint(text));
}
