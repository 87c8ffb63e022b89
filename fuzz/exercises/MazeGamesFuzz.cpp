// The two maze games played on any level: the input's first byte says how
// many of its last bytes are moves; the bytes between are the level file.
// Every move keeps one player on the map, known codes only, the boat's tail
// and its letters in step, and every letter block of "Hilf Papa!".
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/Random.h"
#include "exercises/helpdad/PushGame.h"
#include "exercises/level/LevelReader.h"
#include "exercises/seenot/SeaGame.h"
#include "fuzz/engine/FuzzCheck.h"

using namespace tavrio;
using level::kCells;

namespace {

int letterBlocks(const level::cLevelMap& map)
{
    int n = 0;
    for (int cell = 1; cell <= kCells; ++cell)
        n += map.at(cell) > level::kExit;
    return n;
}

void checkSea(const seenot::cSeaGame& game)
{
    FUZZ_CHECK(game.map().count(seenot::kBoat) == 1 && game.map().at(game.boat()) == seenot::kBoat);
    FUZZ_CHECK(game.tailLength() >= 0 && game.tailLength() <= seenot::kMaxTail);
    FUZZ_CHECK(static_cast<int>(game.collected().size()) == game.tailLength());
    for (int k = 1; k <= game.tailLength(); ++k)
        FUZZ_CHECK(game.map().at(game.tailCell(k)) ==
                   level::letterCode(game.collected()[k - 1]) + seenot::kTailOffset);
    for (int cell = 1; cell <= kCells; ++cell)
        FUZZ_CHECK(game.map().at(cell) >= 0 && game.map().at(cell) <= seenot::kLastTail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t moves = std::min<std::size_t>(data[0], size - 1);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1 - moves);
    const std::uint8_t* keys = data + size - moves;
    std::uint32_t state = 12345;
    SetRandomSource([&state](int n) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(n));
    });
    const std::string letters = "HAUSQWERTYUIOPASDFGH";

    const level::cLevelRound papaLevel = level::readLevelBytes(bytes, letters, level::Game::HilfPapa);
    helpdad::cPushGame papa;
    papa.start(papaLevel);
    const int blocks = letterBlocks(papa.map());
    for (std::size_t i = 0; i < moves && !papa.atExit(); ++i) {
        papa.move(static_cast<maze::Direction>(keys[i] % 4 + 1));
        FUZZ_CHECK(papa.map().count(level::kStart) == 1 && papa.map().at(papa.figure()) == level::kStart);
        FUZZ_CHECK(letterBlocks(papa.map()) == blocks);
        FUZZ_CHECK(papa.answer().size() <= 15);
    }

    const level::cLevelRound seaLevel = level::readLevelBytes(bytes, letters, level::Game::Seenot);
    seenot::cSeaGame sea;
    sea.start(seaLevel, "Haus");
    checkSea(sea);
    for (std::size_t i = 0; i < moves; ++i) {
        const auto d = static_cast<maze::Direction>(keys[i] % 4 + 1);
        seenot::StepResult r = seenot::StepResult::Idle;
        if (keys[i] & 0x10)
            sea.floatLetter();
        if (keys[i] & 0x20)
            r = sea.stepTo(d);
        else {
            sea.steer(d);
            r = sea.step();
        }
        if (r == seenot::StepResult::Moved) {
            checkSea(sea);
        } else if (r != seenot::StepResult::Idle) {
            FUZZ_CHECK(sea.boat() == sea.exit());
            FUZZ_CHECK(r == seenot::StepResult::Arrived || sea.collected().empty());
            sea.start(seaLevel, "Haus");
        }
    }
    SetRandomSource({});
    return 0;
}
