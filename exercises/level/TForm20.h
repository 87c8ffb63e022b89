#pragma once
// TForm20, the level editor: the learner picks a tool ("Leer", "Tavrio",
// "Mauer", "Ende", "ABC") and paints the inner 22 x 12 cells of a 24 x 14
// map, then saves it as a level file for "Seenot!" and "Hilf Papa!", or
// loads one to change it. The map starts as the empty frame on every show.
#include "exercises/frame/ExerciseWindow.h"
#include "exercises/level/LevelMap.h"

#include <QPixmap>

class QLabel;
class QLineEdit;
class QPushButton;
class cLevelCanvas;

class TForm20 : public cExerciseWindow {
    Q_OBJECT
public:
    explicit TForm20(QWidget* parent = nullptr);

    const tavrio::level::cLevelMap& map() const { return map_; }
    // The selected tool's code (the hidden field "angewaehltes").
    int selectedCode() const;

public slots:
    // Tools: "Leer" 0, "Tavrio" 1, "Mauer" 2, "Ende" 4, "ABC" 5.
    void Button5Click();
    void Button3Click();
    void Button4Click();
    void Button2Click();
    void Button6Click();
    // Paints the selected code into the inner cell under `pos` (a point of
    // the map picture); frame cells and points outside change nothing.
    void Image1Click(const QPoint& pos);
    void SpeichernClick();
    void Button7Click();
    // Redraws every cell from the map.
    void LoadMapClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The map or the level name differs from the last show, load or save.
    bool unsavedChanges() const override;

private:
    void selectTool(int code);
    void countCells();
    QString dialogProposal() const;
    void rememberDirectory(const QString& path);
    // The map and name as they are now count as saved.
    void markSaved();

    cLevelCanvas* Image1;
    QLabel* angewaehlt;
    cCounterField* angewaehltes;
    QLabel* AnzahlTavrio;
    QLabel* AnzahlABC;
    QLabel* AnzahlEnde;
    QLineEdit* Dateiname;
    QLineEdit* Name;
    QPushButton* LoadMap;
    tavrio::level::cLevelMap map_;
    tavrio::level::cLevelMap savedMap_;
    QString savedName_;
    // The directory both file dialogs start in, once one was used.
    QString dialogDirectory_;
};

namespace tavrio {
// The options window's way in: disables `from`, shows the editor; "Zurück"
// (or Esc) gives `from` back.
void openLevelEditor(QWidget* from);
} // namespace tavrio
