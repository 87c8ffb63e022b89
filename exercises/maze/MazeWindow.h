#pragma once
// What the windows of the two maze games share on the exercise frame: the
// original word, the expected translation, the level file and its name, the
// hidden start button whose caption carries the round ("Start" /
// "Auflösen"), the map picture, the buttons for help (Image1), back
// (Image2) and choosing a level file (Image3), and the keyboard: the arrow
// keys reach the game whichever child has the focus.
#include "exercises/frame/ExerciseWindow.h"
#include "exercises/level/LevelReader.h"
#include "exercises/maze/MazeField.h"

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

class cMazeWindow : public cExerciseWindow {
    Q_OBJECT
public:
    // What a room does before showing the window: level "Start.lvl",
    // Stopnow 0, the map picture cleared, the caption "Start", Button2Click.
    void prepareFromRoom();

public slots:
    // "Start": starts a round. "Auflösen": back to "Start" and, as the
    // caption then reads "Start", at once a new round.
    void Button2Click();
    // Chooses another level file; on OK a new round starts on it.
    void Image3Click();
    // An arrow key (37 left, 38 up, 39 right, 40 down) for the game.
    virtual void FormKeyDown(int key) = 0;

protected:
    cMazeWindow(QWidget* parent, const QString& name, const QString& background, const QString& help,
                const tavrio::maze::cPictureLists& pictures);

    // Draws the pair and reads the level; false (with a message) when no
    // words are loaded, and the round does not start.
    virtual bool startRound() = 0;
    // Stops whatever runs by itself before a modal dialog or the help.
    virtual void pause() {}
    // Arrow keys, as key codes 37 .. 40.
    virtual void arrowKey(int key) { FormKeyDown(key); }

    // Window title and title label, the prompt before the original word, and
    // where the word itself stands (large).
    void addHeading(const QString& title, const QString& prompt, QPoint originalAt);
    bool roundRunning() const;
    void showOriginal(const QString& text);
    // One uniform draw into Orginallabel / richtiguebersetzt.
    bool drawPair();
    // Reads the level named in `Level` for this round's translation, shows
    // the reader's messages and the level name.
    tavrio::level::cLevelRound readLevel(tavrio::level::Game game);
    // Hands `given` in, shows the verdict.
    void handIn(const std::string& given);

    void mirrorPositions(int player, int exit);

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Releases the map's pictures with the background.
    void closeEvent(QCloseEvent* event) override;

    QLabel* Orginallabel;
    QLineEdit* richtiguebersetzt;
    QLineEdit* Uebersetzt;
    QLineEdit* Level;
    QLabel* Levelname;
    cCounterField* Stopnow;
    cCounterField* tavriopos;
    cCounterField* endpos;
    QPushButton* Button2;
    cMazeField* feld;
    QPushButton* Image1;
    QPushButton* Image2;
    QPushButton* Image3;
    // The drawn pair as the session gave it (Windows-1252 bytes).
    std::string original_;
    std::string translation_;

private:
    void watch(QObject* object);
};
