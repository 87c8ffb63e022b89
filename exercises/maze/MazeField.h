#pragma once
// The map picture "feld" of the maze games: 600 x 350 px, 24 x 14 cells of
// 25 x 25 px, cell (column, row) at (25 * (column - 1), 25 * (row - 1)).
// Codes 0 .. 4 are drawn from the list "Bilder", codes from 5 on from
// "Buchstaben" (index = code - 5). The lists are read when the map is first
// painted, i.e. once the window is shown, and released on request.
#include "exercises/level/LevelMap.h"
#include "exercises/maze/MazePictures.h"

#include <QPixmap>
#include <QWidget>

#include <vector>

class cMazeField : public QWidget {
    Q_OBJECT
public:
    cMazeField(const tavrio::maze::cPictureLists& lists, QWidget* parent);

    void setMap(const tavrio::level::cLevelMap& map);
    // An empty picture: nothing drawn until the next setMap.
    void clear();
    bool isDrawn() const { return drawn_; }
    const tavrio::level::cLevelMap& map() const { return map_; }
    void releasePictures();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture(int code);
    void loadLists();

    tavrio::maze::cPictureLists lists_;
    tavrio::level::cLevelMap map_;
    bool drawn_ = false;
    bool loaded_ = false;
    std::vector<QPixmap> bilder_;
    std::vector<QPixmap> buchstaben_;
};
