// The level readers: any bytes give the maze games a map of known codes
// with the player on a start cell and the exit on an exit cell, and the
// editor a map of digits whose written file loads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "exercises/level/LevelFile.h"
#include "exercises/level/LevelReader.h"
#include "fuzz/engine/FuzzCheck.h"

using namespace tavrio::level;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string letters = "QWERTYUIOPASDFGHJKLZ";
    for (Game game : {Game::Seenot, Game::HilfPapa}) {
        const cLevelRound round = readLevelBytes(bytes, letters, game);
        FUZZ_CHECK(isCell(round.playerPos) && round.map.at(round.playerPos) == kStart);
        FUZZ_CHECK(isCell(round.exitPos) && round.map.at(round.exitPos) == kExit);
        FUZZ_CHECK(round.playerPos != round.exitPos);
        FUZZ_CHECK(round.messages.size() == (round.fromFile ? 0u : 1u));
        for (int cell = 1; cell <= kCells; ++cell) {
            const int code = round.map.at(cell);
            FUZZ_CHECK(code >= 0 && code <= kLastLetter);
            if (game == Game::Seenot && onFrame(cell))
                FUZZ_CHECK(code == kWall);
        }
    }

    cLevelMap map = editorFrame();
    const cEditorLoad load = loadEditorLevel(bytes, map);
    FUZZ_CHECK(load.ok == (load.stoppedAt == 0));
    FUZZ_CHECK(load.stoppedAt >= 0 && load.stoppedAt <= kRows + 1);
    FUZZ_CHECK(load.nameRead == load.ok);
    for (int cell = 1; cell <= kCells; ++cell)
        FUZZ_CHECK(map.at(cell) >= 0 && map.at(cell) <= 9);
    const std::string name = load.name.find('\r') == std::string::npos ? load.name : std::string("x");
    cLevelMap again;
    const cEditorLoad reload = loadEditorLevel(formatLevel(map, name), again);
    FUZZ_CHECK(reload.ok && reload.name == name && again == map);
    return 0;
}
