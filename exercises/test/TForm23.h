#pragma once
// TForm23, "TEST": a written test of ten words. The learner writes the ten
// translations and hands the test in with Richtig; every line is marked,
// wrong ones are explained one message each, and the test gets points and a
// school mark. Right lines disappear; the learner corrects the others and
// hands in again until all ten are right, then a new test starts. The text
// "START" in Richtig asks for a new test; Versuche counts the hand-ins.
#include "exercises/frame/ExerciseWindow.h"
#include "exercises/test/TestSheet.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class cKeyArea;

class TForm23 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm23(QWidget* parent = nullptr);

public slots:
    // Draws one word into the hidden Orginal / richtiguebersetzt.
    void Button2Click();
    // Hands the test in, or builds a new test when Richtig reads "START".
    void RichtigClick();
    void HilfeClick();

protected:
    // Answers typed since the test started or was last handed in.
    bool unsavedChanges() const override;

private:
    struct cLine {
        QLineEdit* original = nullptr;
        QLineEdit* answer = nullptr;
        QLabel* expected = nullptr;
        QLabel* mark = nullptr;
    };

    void handIn();
    void newTest();
    void showScore(bool visible);
    void focusLineAfter(int k);
    void rememberAnswers();

    std::array<cLine, tavrio::testsheet::kLines> lines_;
    // The answers as last handed in (empty for a new test).
    std::array<QString, tavrio::testsheet::kLines> handedIn_;
    cCounterField* Versuche;
    QLabel* Punktzahl;
    QLabel* Zensur;
    QLabel* PZZusatz3;
    QList<QLabel*> scoreParts_;
    cKeyArea* Richtig;
    QLineEdit* Orginal;
    QLineEdit* richtiguebersetzt;
    QLineEdit* Uebersetzt;
    QPushButton* Button2;
};

namespace tavrio {
// The attic's "TEST": disables the attic, sets Button2 to "Start" and
// Richtig to "START", builds the first test and shows the window.
void openTest(QWidget* attic);
} // namespace tavrio
