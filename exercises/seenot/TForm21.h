#pragma once
// TForm21, "Seenot!": the learner steers a boat over the sea with the arrow
// keys and collects the letters of the lost word's translation in the right
// order; reaching the rescue ship hands them in. Timer1 (250 ms) moves the
// boat one cell, Timer2 (3000 ms) floats one letter or whirlpool; both call
// the step functions of cSeaGame, which tests call directly.
#include "exercises/maze/MazeWindow.h"
#include "exercises/seenot/SeaGame.h"

class QTimer;

class TForm21 : public cMazeWindow {
    Q_OBJECT
public:
    explicit TForm21(QWidget* parent = nullptr);

    const tavrio::seenot::cSeaGame& game() const { return game_; }
    // Room entry: direction 0 and Stopnow 0, then as every maze window.
    void prepareFromGarden();

public slots:
    // Arrow key: sets the direction (when it differs) and lets the boat go.
    void FormKeyDown2(int key);
    // One step in the key's direction at once, between two ticks.
    void FormKeyDown(int key) override;
    // One movement tick.
    void Timer1Timer();
    // One floating letter.
    void Timer2Timer();

protected:
    bool startRound() override;
    void pause() override;
    void arrowKey(int key) override { FormKeyDown2(key); }
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void afterStep(tavrio::seenot::StepResult result);
    void redraw();
    void stopTimers();

    QLabel* ZurZeit;
    QLineEdit* nochbuchstaben;
    cCounterField* last;
    QTimer* Timer1;
    QTimer* Timer2;
    tavrio::seenot::cSeaGame game_;
};

namespace tavrio {
// The garden's "Seenot!": disables the room, starts a round on "Start.lvl",
// shows and enables the window. "Zurück" gives the room back.
void openSeenot(QWidget* room);
} // namespace tavrio
