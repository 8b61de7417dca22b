#ifndef QCM_NUMBERINPUT_H
#define QCM_NUMBERINPUT_H

#include <QLocale>

class QLineEdit;

// Numbers the user types are read in the C locale whatever the system's: a
// comma locale must never turn "1,5" into 0.  Group separators are refused
// too, so "1,5" cannot be typed as fifteen either.
QLocale numberInputLocale();

// A field a dialog may accept: empty, or what its validator accepts.
bool acceptableOrEmpty(const QLineEdit *edit);

#endif
