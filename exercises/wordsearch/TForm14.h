#pragma once
// TForm14, "Wörter suchen": the translation of one word hides in a 15 x 15
// grid of letters; the learner clicks its first and its last cell. Finding
// both counts as a right answer and starts the next word; "Auflösen" shows
// where the word was without scoring.
#include "exercises/frame/ExerciseWindow.h"
#include "exercises/wordsearch/WordSearchPuzzle.h"

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class cLetterGrid;

class TForm14 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);

    const tavrio::wordsearch::cWordSearch& puzzle() const { return puzzle_; }

public slots:
    // "Start" starts a round, "Auflösen" solves the running one.
    void Button2Click();
    void feldClick();
    void feldMouseMove(int x, int y);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void startRound();
    void stopWithMessage(const QString& text);
    void paintGrid();

    QLineEdit* Orginal;
    QLineEdit* uebersetzt;
    QLabel* Anfang;
    QLabel* Ende;
    QPushButton* Button2;
    cLetterGrid* feld;
    cCounterField* mousex;
    cCounterField* mousey;
    // The drawn pair as the session gave it (Windows-1252 bytes).
    std::string original_;
    std::string translation_;
    tavrio::wordsearch::cWordSearch puzzle_;
};

namespace tavrio {
// The attic's word search: disables the room, sets Button2 to "Start",
// starts a round and shows the window. "Zurück" gives the room back.
void openWordSearch(QWidget* room);
} // namespace tavrio
