#include "exercises/singlequery/Grade.h"

namespace tavrio::singlequery {

std::string gradePhrase(int answered, int wrong)
{
    if (answered < 1)
        return "Fang erstmal an, ";
    if (wrong == 0)
        return "Pefekt, ";
    // Phrases for g = 0 .. 9; 10 and above share the last one.
    static const char* const phrases[] = {
        "Super gut, ",     "Sehr gut, ",       "Gut, ",
        "Ausreichend, ",   "Fast ausreichend,", "Schlecht, ",
        "Sehr schlecht, ", "Knapp eine Misere entgangen, ", "Eine Misere, schon ",
        "Miserabel, schon ",
    };
    const long long g = 10LL * wrong / answered;
    if (g >= 10)
        return "Sehr miserabel, schon ";
    return phrases[g < 0 ? 0 : g];
}

std::string gradeText(int answered, int wrong)
{
    return gradePhrase(answered, wrong) + std::to_string(wrong) + " falsch von " + std::to_string(answered) + " !";
}

} // namespace tavrio::singlequery
