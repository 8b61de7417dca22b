#include "numberInput.h"

#include <QLineEdit>

QLocale numberInputLocale()
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return c;
}

bool acceptableOrEmpty(const QLineEdit *edit)
{
    return edit->text().isEmpty() || edit->hasAcceptableInput();
}
