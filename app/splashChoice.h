#ifndef QCM_SPLASHCHOICE_H
#define QCM_SPLASHCHOICE_H

#include <QColor>
#include <QString>

// Which of the five start pictures to show for a random number r (0..9), and
// the colour its messages are drawn in so they stay legible on it.
struct SplashChoice
{
    QString picture; // relative path under the working folder
    QColor messageColor;
};

SplashChoice splashChoice(int r);

#endif
