#include "ExercisePainters.h"
#include "Painters.h"

namespace tavrio::assets {

bool paintExercises(const QString& dir)
{
    bool ok = paintWordSearch(dir);
    ok = paintHiddenButWhere(dir) && ok;
    ok = paintQuizShow(dir) && ok;
    ok = paintGrandmaHelps(dir) && ok;
    ok = paintTest(dir) && ok;
    ok = paintLevelEditor(dir) && ok;
    ok = paintSeenot(dir) && ok;
    ok = paintHilfPapa(dir) && ok;
    ok = paintChildrensGames(dir) && ok;
    return ok;
}

} // namespace tavrio::assets
