#pragma once
// TForm4, "Vokabeln - Einzelabfrage": asks the selected entries of the list
// file named in dateiname one at a time and keeps a running grade. It reads
// the file itself and records nothing in the profile. "Zurück" leads back to
// the window that opened it, or to the entrance screen.
#include "exercises/frame/ExerciseWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TForm4 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

public slots:
    // "Start": checks the file and asks the first question. "Nächstes Wort":
    // grades the answer and asks the next one.
    void Button2Click();
    void Button3Click();

protected:
    QWidget* returnTarget() const override;

private:
    void gradeAnswer();
    void updateGrade();

    QLineEdit* Orginal;
    QLineEdit* Uebersetzt;
    QLineEdit* richtiguebersetzt;
    QLabel* Richtigwartext;
    QLabel* fehler;
    QPushButton* Button2;
};
