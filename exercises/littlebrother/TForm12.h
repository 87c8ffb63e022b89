#pragma once
// TForm12, "Kleiner Bruder, große Frage!": the original word is shown and
// two spellings of its translation are offered, one of them misspelt. A
// click on either hands it in and brings the next word at once; the score
// line counts the wrong answers.
#include "exercises/frame/ExerciseWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TForm12 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

public slots:
    // Counters to 0, "Start", first question (run whenever the window is shown).
    void FormShow();
    // Hands in the chosen answer (unless the caption is "Start") and asks
    // the next question.
    void Button2Click();
    void ANTWORT1Click();
    void ANTWORT2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void choose(QPushButton* answer);
    void askNext();
    void noQuestion(const QString& message);

    QLineEdit* Orginal;
    QLabel* OrginalAnzeige;
    QLineEdit* richtiguebersetzt;
    QLineEdit* Uebersetzt;
    QPushButton* ANTWORT1;
    QPushButton* ANTWORT2;
    QLabel* ANTWORT1LABEL;
    QLabel* ANTWORT2LABEL;
    QLabel* Bewertung;
    QLabel* fehler;
    QLabel* richtigwartext;
    QPushButton* Button2;
};

namespace tavrio {
// The children's room's little brother: disables the room and shows the
// window, whose show handler asks the first question.
void openLittleBrother(QWidget* room);
} // namespace tavrio
