#include "Drawing.h"
#include "ExercisePainters.h"
#include "Painters.h"

namespace tavrio::assets {

bool paintExercises(const QString& dir)
{
    return paintAll(dir, {paintWordSearch, paintHiddenButWhere, paintQuizShow, paintGrandmaHelps, paintTest,
                          paintLevelEditor, paintSeenot, paintHilfPapa, paintChildrensGames});
}

} // namespace tavrio::assets
