#pragma once
// TForm5, "Versteckt, aber wo?": 20 sweets lie buried under an 11 x 11
// field of water. The learner types the translation of the shown word and
// clicks a cell: a right answer digs the cell (hit or miss), a wrong one
// shows the right translation. Every click hands the answer in and brings
// the next word; the 20th sweet wins and starts a new field.
#include "exercises/frame/ExerciseWindow.h"
#include "exercises/hidden/DigField.h"

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
namespace tavrio { class cPictureArea; }

class TForm5 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    const tavrio::hidden::cDigField& field() const { return field_; }
    // One move with clicked cell k (1 .. 121; 0 for no cell).
    void move(int k);

public slots:
    // A cell's click or Button2: the move with the clicked cell.
    void Button2Click();
    // Buries 20 new sweets.
    void Button3Click();
    // Starts the game afresh: counters, field, first word.
    void Button4Click();

protected:
    // Arrow keys move the keyboard between the cells of the field.
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Question { Placeholder, Word, None };

    void handIn(int k);
    void win();
    void drawNextWord();
    void setCell(int k, const QString& picture);
    void fillWater();

    std::array<tavrio::cPictureArea*, tavrio::hidden::kCells> cells_{};
    QLabel* uebrig;
    cCounterField* versuche;
    QLabel* Versuchetext;
    QLabel* Erfolg;
    QLineEdit* Orginal;
    QLineEdit* Uebersetzt;
    QLineEdit* richtiguebersetzt;
    QLabel* feldnummer;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;

    tavrio::hidden::cDigField field_;
    Question question_ = Question::None;
    std::string original_;
    std::string expected_;
};

namespace tavrio {
// The garden's "Versteckt, aber wo?": disables the room, resets the game,
// puts the hint into the answer edit, shows the window and focuses the edit.
void openHiddenButWhere(QWidget* room);
} // namespace tavrio
