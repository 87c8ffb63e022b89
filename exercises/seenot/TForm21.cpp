#include "exercises/seenot/TForm21.h"

#include "exercises/frame/OpenExercise.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace tavrio::seenot;
using tavrio::maze::kMapLeft;
using tavrio::maze::kMapTop;
using tavrio::maze::kNotesLeft;

TForm21::TForm21(QWidget* parent)
    : cMazeWindow(parent, QStringLiteral("TForm21"), QStringLiteral("BG\\Seenot.bmp"),
                  QStringLiteral("Hilfe\\Seenot.bmp"), tavrio::maze::kSeenotPictures)
{
    addHeading(QStringLiteral("Seenot!"), QStringLiteral("Verloren wurde :"), QPoint(376, 86));
    addLabel(QStringLiteral("Sammle die Buchstaben in der richtigen Reihenfolge ein"), QPoint(200, 140), {}, 16);

    addLabel(QStringLiteral("Eingesammelt : "), QPoint(kNotesLeft, 190), {}, 16);
    ZurZeit = addLabel(QString(), QPoint(kNotesLeft, 216), QStringLiteral("ZurZeit"), 15);
    ZurZeit->setFixedWidth(kMapLeft - 8 - kNotesLeft);
    int y = 290;
    for (const char* line : {"Steuere das Boot", "mit den Pfeiltasten.", "Ein Strudel nimmt", "dir den letzten",
                             "Buchstaben weg.", "Vorsicht vor Riffen", "und deinem", "Schwanz! Dann ab",
                             "zum Rettungsschiff!"}) {
        addLabel(QString::fromUtf8(line), QPoint(kNotesLeft, y), {}, 13);
        y += 19;
    }
    addLabel(QStringLiteral("Level :"), QPoint(kNotesLeft, 470), {}, 14);
    Levelname->move(kNotesLeft, 492);

    nochbuchstaben = addHiddenEdit(QStringLiteral("nochbuchstaben"));
    last = new cCounterField(QStringLiteral("last"), this);
    last->hide();
    feld->move(kMapLeft, kMapTop);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(250);
    connect(Timer1, &QTimer::timeout, this, &TForm21::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(3000);
    connect(Timer2, &QTimer::timeout, this, &TForm21::Timer2Timer);
}

void TForm21::prepareFromGarden()
{
    last->setValue(0);
    Stopnow->setValue(0);
    prepareFromRoom();
}

bool TForm21::startRound()
{
    Timer2->stop();
    if (!drawPair()) {
        stopTimers();
        return false;
    }
    game_.start(readLevel(tavrio::level::Game::Seenot), translation_);
    Uebersetzt->clear();
    last->setValue(0);
    redraw();
    Timer1->start();
    return true;
}

void TForm21::redraw()
{
    feld->setMap(game_.map());
    Uebersetzt->setText(tavrio::fromAnsi(game_.collected()));
    nochbuchstaben->setText(tavrio::fromAnsi(game_.reserve()));
    last->setValue(static_cast<int>(game_.direction()));
    mirrorPositions(game_.boat(), game_.exit());
}

void TForm21::stopTimers()
{
    Timer1->stop();
    Timer2->stop();
}

void TForm21::pause() { stopTimers(); }

void TForm21::FormKeyDown2(int key)
{
    const auto d = tavrio::maze::directionOfKey(key);
    if (!roundRunning() || d == tavrio::maze::Direction::None)
        return;
    game_.steer(d);
    last->setValue(static_cast<int>(game_.direction()));
    // Also lets a boat paused by the help or the level choice go on.
    Timer1->start();
}

void TForm21::FormKeyDown(int key)
{
    const auto d = tavrio::maze::directionOfKey(key);
    if (!roundRunning() || d == tavrio::maze::Direction::None)
        return;
    Timer1->stop();
    afterStep(game_.stepTo(d));
    if (roundRunning())
        Timer1->start();
}

void TForm21::Timer1Timer()
{
    const QString collected = Uebersetzt->text();
    if (ZurZeit->text() != collected) {
        // All 16 letters a tail can carry fit the column, in a smaller font
        // when they must.
        fitFont(ZurZeit, collected, 15, ZurZeit->width());
        ZurZeit->setText(collected);
        ZurZeit->adjustSize();
    }
    if (!Timer2->isActive())
        Timer2->start();
    if (game_.direction() != tavrio::maze::Direction::None)
        afterStep(game_.step());
}

void TForm21::Timer2Timer()
{
    if (game_.floatLetter())
        redraw();
    nochbuchstaben->setText(tavrio::fromAnsi(game_.reserve()));
}

void TForm21::afterStep(StepResult result)
{
    if (result == StepResult::Idle)
        return;
    redraw();
    if (result == StepResult::Moved)
        return;
    // The round ends: nothing moves on while the messages are shown.
    stopTimers();
    if (result == StepResult::Crashed)
        tavrio::showMessage(
            QStringLiteral("Du darfst doch nicht gegen die Wände oder deine Wörterschwanz rennen..."));
    else if (result == StepResult::Sunk)
        tavrio::showMessage(QStringLiteral("Das letzt Feld das du gelöscht hast warst du!!! Leider verloren..."));
    handIn(game_.collected());
    Button2Click();
}

void TForm21::showEvent(QShowEvent* event)
{
    ZurZeit->clear();
    cMazeWindow::showEvent(event);
}

void TForm21::hideEvent(QHideEvent* event)
{
    stopTimers();
    cMazeWindow::hideEvent(event);
}

void TForm21::closeEvent(QCloseEvent* event)
{
    stopTimers();
    game_.halt();
    last->setValue(0);
    cMazeWindow::closeEvent(event);
}

namespace tavrio {
void openSeenot(QWidget* room)
{
    openExercise(windows().form21, room, [](TForm21& form) { form.prepareFromGarden(); });
}
} // namespace tavrio
