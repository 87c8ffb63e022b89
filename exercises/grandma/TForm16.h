#pragma once
// TForm16, "Oma hilft": one word at a time; a right translation earns as
// many points as it has characters, and every letter Grandma reveals
// ("einen Buchstaben mehr") costs one of them. The state lives in the
// components: the caption of Button2 ("Start", then "Prüfen, ob richtig"),
// the hidden expected translation and the hidden word value punktewert.
#include "exercises/frame/ExerciseWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class cKeyArea;

class TForm16 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm16(QWidget* parent = nullptr);

public slots:
    // Hands the answer in (unless only asking), then asks the next word.
    void Button2Click();
    // "Starten": a new visit with 0 points.
    void Button3Click();
    // "einen Buchstaben mehr".
    void Button4Click();
    void Button5Click();

private:
    // Shrinks the label's font from pixelSize until its text fits maxWidth,
    // then centres it on x.
    void centre(QLabel* label, int x, int pixelSize, int maxWidth);

    QLineEdit* Orginal;
    QLabel* Schlange;
    QLineEdit* Uebersetzt;
    cCounterField* punktewert;
    QLabel* Punkte;
    QLabel* ergebniss;
    cKeyArea* Label7;
    cKeyArea* Label8;
    QLineEdit* richtiguebersetzt;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
};

namespace tavrio {
// The house's "Oma hilft!": disables the house, starts a visit (the first
// word is drawn) and shows the window. "Zurück" gives the house back.
void openGrandmaHelps(QWidget* house);
} // namespace tavrio
