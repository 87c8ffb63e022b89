#pragma once
// TForm17, "Hilf Papa!": the learner's figure pushes letter blocks into the
// answer row above the marked cells so that they spell the translation of
// the shown word, then walks into the house; the row is handed in and the
// next round starts on the level read anew.
#include "exercises/helpdad/PushGame.h"
#include "exercises/maze/MazeWindow.h"

class TForm17 : public cMazeWindow {
    Q_OBJECT
public:
    explicit TForm17(QWidget* parent = nullptr);

    const tavrio::helpdad::cPushGame& game() const { return game_; }

public slots:
    // Empties the map, reads the level named in `Level`, draws it.
    void StartfeldClick();
    // One move per arrow key (37 left, 38 up, 39 right, 40 down), none
    // while Stopnow is 1.
    void FormKeyDown(int key) override;

protected:
    bool startRound() override;

private:
    void redraw();

    tavrio::helpdad::cPushGame game_;
};

namespace tavrio {
// The house's "Hilf Papa!": disables the house, starts a round on
// "Start.lvl", shows the window. "Zurück" gives the house back.
void openHilfPapa(QWidget* house);
} // namespace tavrio
