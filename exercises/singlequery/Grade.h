#pragma once
// The single query's running grade: a phrase for the error ratio in tenths,
// followed by the counts, e.g. "Gut, 2 falsch von 10 !".
#include <string>

namespace tavrio::singlequery {

// "Fang erstmal an, " before the first answer; "Pefekt, " with no error;
// otherwise the phrase for g = (10 * wrong) div answered.
std::string gradePhrase(int answered, int wrong);
std::string gradeText(int answered, int wrong);

} // namespace tavrio::singlequery
