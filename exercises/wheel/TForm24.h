#pragma once
// TForm24, "Glücksrad": the translation of a drawn word is shown as dashes;
// every letter clicked pays the wheel's stake per occurrence, vowels cost
// 300. The solved word banks the round's money, counts as a right answer
// and the next round starts at once. Jokers show the original word.
#include "exercises/frame/ExerciseWindow.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class cKeyArea;

class TForm24 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm24(QWidget* parent = nullptr);

public slots:
    // Jokers, money and credit from 0; the round set up before stays.
    void FormShow();
    // Every letter label's click.
    void BuchstabeClick();
    // Spends a joker: shows the original word until the next spin.
    void Image2Click();
    void NaechsteRundeClick();
    void DrehenClick();
    // Draws the round's word pair.
    void Button2Click();
    // "Zurück": closes the window.
    void ZurueckClick() { Button1Click(); }

protected:
    void showEvent(QShowEvent* event) override;
    // A letter key clicks its letter while that letter is still offered.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void clickLetter(cKeyArea* label);
    void focusFirstLetter();

    QLabel* aktuellerString;
    QLineEdit* richtiguebersetzt;
    QLineEdit* wirklichwar;
    QLineEdit* Orginal;
    QLineEdit* Uebersetzt;
    QLabel* Einsatz;
    QLabel* Geld;
    QLabel* Guthaben;
    QLabel* Joker;
    cCounterField* geloest;
    std::array<cKeyArea*, 26> letters_{};
    QLabel* Uebersetzungvonlabel;
    QLabel* Uebersetzungvon;
    cKeyArea* Image2;
    QPushButton* NaechsteRunde;
    QPushButton* Button2;
    QPushButton* Drehen;
};

namespace tavrio {
// The children's room's wheel of fortune: disables the room, sets Button2
// to "Start", sets up a first round, then shows the window.
void openWheelOfFortune(QWidget* room);
} // namespace tavrio
