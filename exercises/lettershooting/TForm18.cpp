#include "exercises/lettershooting/TForm18.h"

TForm18::TForm18(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm18"), QSize(800, 600))
{
    setWindowTitle(QStringLiteral("Buchstaben schießen"));
    addCounters();
    centreLabel(addLabel(QStringLiteral("Buchstaben schießen"), QPoint(0, 40), QStringLiteral("Titel"), 32), 400);
    addFileName(QPoint(150, 520));
    addBackButton(QRect(680, 555, 100, 32));
}
