#pragma once
// TForm22, "Wer wird Vokablär?": a quiz show. Each question shows a word and
// four translations, one of them right. Right answers climb the prize
// ladder on the right, a wrong one pays out the secured amount and starts
// again at the bottom. The jokers "50/50", "Tel." and "Publikum" help once
// per climb. The climb lives where the learner sees it: the arrows' height
// (Aktposl, Aktposr), the secured amount Sicher and the balance Guthaben.
#include "exercises/frame/ExerciseWindow.h"
#include "exercises/quiz/QuizShow.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class TForm22 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm22(QWidget* parent = nullptr);

    const tavrio::quiz::cQuestion& question() const { return question_; }

public slots:
    // Draws one word into Orginal / richtiguebersetzt; "Start" becomes
    // "Nächstes Wort".
    void Button2Click();
    // Settles the secured amount and the million, then builds the next
    // question.
    void RichtigClick();
    // The click of all four answer buttons: hands the clicked one in.
    void Antwort1Click();
    void Joker1Click();
    void Joker2Click();
    void Joker3Click();
    void ZurueckClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Keys 1 .. 4 answer with that button; Esc (the frame's) is "Zurück".
    void keyPressEvent(QKeyEvent* event) override;

private:
    void handIn(int button);
    tavrio::quiz::cClimb climbAt(QLabel* arrow) const;
    void showClimb(const tavrio::quiz::cClimb& climb);
    void restartClimb();
    void showQuestion();
    void focusFirstAnswer();

    std::array<QPushButton*, tavrio::quiz::kAnswers> answers_{};
    std::array<QPushButton*, 3> jokers_{};
    QLabel* Aktposl;
    QLabel* Aktposr;
    QLabel* Sicher;
    QLabel* Guthaben;
    QLabel* OrginalAnzeige;
    cCounterField* WelcherButton;
    QLineEdit* Orginal;
    QLineEdit* richtiguebersetzt;
    QLineEdit* Uebersetzt;
    QPushButton* Button2;
    QPushButton* Richtig;
    QPushButton* Zurueck;

    tavrio::quiz::cQuestion question_;
};

namespace tavrio {
// The children's room's quiz show: disables the room, sets Button2 to
// "Start" and Richtig to "- - > Richtig ? < - -", builds the first question
// and shows the window.
void openQuizShow(QWidget* room);
} // namespace tavrio
