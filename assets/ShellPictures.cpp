#include "Drawing.h"
#include "Painters.h"
#include "ShellScenes.h"

namespace tavrio::assets {

bool paintShell(const QString& dir)
{
    return paintAll(dir, {paintEntrance, paintHouse, paintAttic, paintChildrensRoom, paintGarden, paintStartScreen,
                          paintShellHelp});
}

} // namespace tavrio::assets
