#include "exercises/helpdad/TForm17.h"

#include "exercises/frame/OpenExercise.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>

using namespace tavrio::helpdad;
using tavrio::maze::kMapLeft;
using tavrio::maze::kMapTop;
using tavrio::maze::kNotesLeft;

TForm17::TForm17(QWidget* parent)
    : cMazeWindow(parent, QStringLiteral("TForm17"), QStringLiteral("BG\\HilfPapa.bmp"),
                  QStringLiteral("Hilfe\\HilfPapa.bmp"), tavrio::maze::kHilfPapaPictures)
{
    addHeading(QStringLiteral("Hilf Papa!"), QStringLiteral("Papa sucht die Übersetzung von :"), QPoint(200, 122));

    int y = 190;
    for (const char* line : {"Lauf mit den", "Pfeiltasten und", "schiebe die Kisten", "in die Reihe über",
                             "den roten Feldern,", "so dass sie die", "Übersetzung", "ergeben.", "", "Dann geh ins Haus",
                             "und zeig es Papa!"}) {
        addLabel(QString::fromUtf8(line), QPoint(kNotesLeft, y), {}, 13);
        y += 21;
    }
    addLabel(QStringLiteral("Level :"), QPoint(kNotesLeft, 470), {}, 14);
    Levelname->move(kNotesLeft, 492);
    feld->move(kMapLeft, kMapTop);
}

void TForm17::StartfeldClick()
{
    game_.start(readLevel(tavrio::level::Game::HilfPapa));
    redraw();
}

bool TForm17::startRound()
{
    if (!drawPair())
        return false;
    StartfeldClick();
    Uebersetzt->clear();
    return true;
}

void TForm17::FormKeyDown(int key)
{
    const auto d = tavrio::maze::directionOfKey(key);
    if (Stopnow->value() == 1 || !roundRunning() || d == tavrio::maze::Direction::None)
        return;
    game_.move(d);
    redraw();
}

void TForm17::redraw()
{
    feld->setMap(game_.map());
    mirrorPositions(game_.figure(), game_.exit());
    if (!game_.atExit())
        return;
    handIn(game_.answer());
    Button2Click();
}

namespace tavrio {
void openHilfPapa(QWidget* house)
{
    openExercise(windows().form17, house, [](TForm17& form) { form.prepareFromRoom(); });
}
} // namespace tavrio
