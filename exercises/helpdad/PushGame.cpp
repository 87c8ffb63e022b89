#include "exercises/helpdad/PushGame.h"

namespace tavrio::helpdad {

using level::isLetter;
using level::letterOf;
using maze::neighbour;

void cPushGame::start(const level::cLevelRound& round)
{
    map_ = maze::roundMap(round);
    figure_ = round.playerPos;
    exit_ = round.exitPos;
}

Move cPushGame::move(Direction d)
{
    const int from = figure_;
    const int to = neighbour(from, d);
    if (!to)
        return Move::None;
    const int met = map_.at(to);
    if (met == kEmpty || met == kExit) {
        map_.set(from, kEmpty);
        map_.set(to, kFigure);
        figure_ = to;
        return Move::Step;
    }
    const int beyond = neighbour(to, d);
    if (met > kExit && beyond && map_.at(beyond) == kEmpty) {
        map_.set(from, kEmpty);
        map_.set(beyond, met);
        map_.set(to, kFigure);
        figure_ = to;
        return Move::Push;
    }
    return Move::None;
}

std::string cPushGame::answer() const
{
    std::string row;
    for (int cell = kFirstAnswerCell; cell <= kLastAnswerCell; ++cell) {
        const int code = map_.at(cell);
        row += isLetter(code) ? letterOf(code) : ' ';
    }
    row.erase(row.find_last_not_of(' ') + 1);
    return row;
}

} // namespace tavrio::helpdad
