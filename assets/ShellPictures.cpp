#include "Painters.h"
#include "ShellScenes.h"

namespace tavrio::assets {

bool paintShell(const QString& dir)
{
    bool ok = paintEntrance(dir);
    ok = paintHouse(dir) && ok;
    ok = paintAttic(dir) && ok;
    ok = paintChildrensRoom(dir) && ok;
    ok = paintGarden(dir) && ok;
    ok = paintStartScreen(dir) && ok;
    ok = paintShellHelp(dir) && ok;
    return ok;
}

} // namespace tavrio::assets
