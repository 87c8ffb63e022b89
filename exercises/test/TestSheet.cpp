#include "exercises/test/TestSheet.h"

#include "engine/Session.h"

namespace tavrio::testsheet {

using exercises::DrawResult;

std::string schoolMark(int points)
{
    if (points >= 10)
        return "1";
    if (points >= 8)
        return "2";
    if (points >= 6)
        return "3";
    if (points >= 3)
        return "4";
    if (points >= 1)
        return "5";
    return "6";
}

std::string lineMark(bool right) { return right ? "\\/" : "f"; }

std::string correctionMessage(const std::string& original, const std::string& answer,
                              const std::string& expected)
{
    const char cr = '\r';
    return original + "," + cr + " \xFC" "bersetzt man nicht mit" + cr + "   " + answer + cr +
           "sondern richtig ist " + cr + "   " + expected;
}

std::string praiseMessage(int attempts)
{
    if (attempts == 1)
        return "Super du hast alles richtig,\r gleich beim ersten mal!";
    return "Jetzt ist aber alles richtig.\r Aber erst nach der\r" + std::to_string(attempts) + ". Berichtigung!";
}

DrawResult drawLine(cSession* session, const std::string& previous, cPair& line)
{
    line = {};
    if (!session || session->CountWords(3) == 0)
        return DrawResult::NoWords;
    cPair repeated;
    for (int draw = 0; draw <= kRedraws; ++draw) {
        std::string original;
        std::string translation;
        session->GetNextWord(original, translation);
        if (translation.empty())
            continue;
        if (translation != previous) {
            line = {original, translation};
            return DrawResult::Drawn;
        }
        repeated = {original, translation};
    }
    if (repeated.translation.empty())
        return DrawResult::NoFitting;
    line = repeated;
    return DrawResult::Drawn;
}

DrawResult drawTest(cSession* session, const std::string& oldFirst, std::array<cPair, kLines>& lines)
{
    std::string previous = oldFirst;
    for (cPair& line : lines) {
        const DrawResult r = drawLine(session, previous, line);
        if (r != DrawResult::Drawn) {
            lines.fill({});
            return r;
        }
        previous = line.translation;
    }
    return DrawResult::Drawn;
}

} // namespace tavrio::testsheet
