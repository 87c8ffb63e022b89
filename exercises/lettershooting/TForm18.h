#pragma once
// TForm18, the letter-shooting game ("Buchstaben schießen"). The window is
// created at start-up with all others and receives the file name the options
// window chooses, but nothing shows it yet: the attic's hot spot says
// "Coming soon!".
#include "exercises/frame/ExerciseWindow.h"

class TForm18 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm18(QWidget* parent = nullptr);
};
