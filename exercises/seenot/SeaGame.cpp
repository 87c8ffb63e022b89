#include "exercises/seenot/SeaGame.h"

#include "engine/Random.h"
#include "engine/Text.h"

namespace tavrio::seenot {

using level::isLetter;
using level::kCells;
using level::letterCode;
using level::letterOf;
using maze::neighbour;

namespace {
bool isTail(int code) { return code >= kFirstTail && code <= kLastTail; }
bool isKnown(int code) { return code >= kSea && code <= kLastTail; }
} // namespace

std::string cSeaGame::reserveOf(const std::string& translation)
{
    std::string letters;
    for (const char c : translation) {
        if (letters.size() >= static_cast<std::size_t>(kMaxTail))
            break;
        const char u = UpperAZChar(c);
        if (u >= 'A' && u <= 'Z')
            letters += u;
    }
    return letters;
}

void cSeaGame::start(const level::cLevelRound& round, const std::string& translation)
{
    map_ = maze::roundMap(round);
    boat_ = round.playerPos;
    exit_ = round.exitPos;
    direction_ = Direction::None;
    tailLength_ = 0;
    tailCells_.fill(0);
    collected_.clear();
    reserve_ = reserveOf(translation);
    for (int i = 0; i < 4; ++i)
        reserve_ += static_cast<char>(65 + Random(26));
}

bool cSeaGame::steer(Direction d)
{
    if (d == Direction::None || d == direction_)
        return false;
    direction_ = d;
    return true;
}

StepResult cSeaGame::step() { return move(direction_); }

StepResult cSeaGame::stepTo(Direction d) { return move(d); }

StepResult cSeaGame::endAtShip(StepResult why)
{
    map_.set(boat_, kSea);
    boat_ = exit_;
    map_.set(exit_, kBoat);
    tailLength_ = 0;
    collected_.clear();
    if (why == StepResult::Sunk)
        direction_ = Direction::None;
    return why;
}

StepResult cSeaGame::move(Direction d)
{
    if (d == Direction::None)
        return StepResult::Idle;
    const int from = boat_;
    for (const Direction around : {Direction::None, Direction::Up, Direction::Right, Direction::Down, Direction::Left}) {
        const int cell = around == Direction::None ? from : neighbour(from, around);
        if (cell && !isKnown(map_.at(cell)))
            map_.set(cell, kSea);
    }
    const int to = neighbour(from, d);
    const int met = map_.at(to);
    if (!to || met == kBoat || met == kReef || isTail(met))
        return endAtShip(StepResult::Crashed);

    map_.set(from, kSea);
    map_.set(to, kBoat);
    boat_ = to;
    if (to == exit_)
        return StepResult::Arrived;

    bool grew = false;
    if (met == kWhirlpool) {
        if (tailLength_ == 0)
            return endAtShip(StepResult::Sunk);
        map_.set(tailCells_[tailLength_ - 1], kSea);
        --tailLength_;
        collected_.pop_back();
    } else if (isLetter(met) && tailLength_ < kMaxTail) {
        // The new last segment has no cell yet; it takes the one the
        // former last segment leaves.
        ++tailLength_;
        collected_ += letterOf(met);
        grew = true;
    }
    if (tailLength_ > 0) {
        if (!grew)
            map_.set(tailCells_[tailLength_ - 1], kSea);
        for (int k = tailLength_ - 1; k > 0; --k)
            tailCells_[k] = tailCells_[k - 1];
        tailCells_[0] = from;
        for (int k = 0; k < tailLength_; ++k)
            map_.set(tailCells_[k], letterCode(collected_[k]) + kTailOffset);
    }
    map_.set(boat_, kBoat);
    return StepResult::Moved;
}

int cSeaGame::emptyCell() const
{
    for (int i = 0; i < kEmptyCellTries; ++i) {
        const int cell = Random(kCells) + 1;
        if (map_.at(cell) == kSea)
            return cell;
    }
    // Scripted or unlucky draws: take the first empty cell, if there is one.
    return map_.find(kSea);
}

int cSeaGame::floatLetter()
{
    if (direction_ == Direction::None)
        return 0;
    Randomize();
    if (reserve_.size() < 5)
        reserve_ += static_cast<char>(64 + Random(27));
    const int k = Random(static_cast<int>(reserve_.size()) + 1);
    const int cell = emptyCell();
    if (!cell)
        return 0;
    if (k == 0) {
        map_.set(cell, kWhirlpool);
        return cell;
    }
    const int code = static_cast<unsigned char>(UpperAZChar(reserve_[k - 1])) - 60;
    reserve_.erase(static_cast<std::size_t>(k - 1), 1);
    if (code < kShip || code > level::kLastLetter)
        return 0;
    map_.set(cell, code);
    return cell;
}

} // namespace tavrio::seenot
