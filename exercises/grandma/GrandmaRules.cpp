#include "exercises/grandma/GrandmaRules.h"

#include "engine/Session.h"

namespace tavrio::grandma {

int wordValue(const std::string& translation) { return static_cast<int>(translation.size()); }

cHelp oneMoreLetter(const std::string& translation, cHelp help)
{
    help.value = help.value > 0 ? help.value - 1 : 0;
    if (help.shown.size() < translation.size())
        help.shown += translation[help.shown.size()];
    return help;
}

std::string rightResult(int value) { return "Richtig!!! Das macht " + std::to_string(value) + " Punkte dazu!"; }

std::string wrongResult(const std::string& expected)
{
    return "Richtig w\xE4re " + expected + " gewesen! Keine Punkte!";
}

cAnswer handIn(cSession& session, const std::string& original, const std::string& answer,
               const std::string& expected, int value)
{
    cAnswer a;
    a.right = session.IstDasRichtig(original, answer, expected);
    a.points = a.right ? value : 0;
    a.result = a.right ? rightResult(value) : wrongResult(expected);
    return a;
}

exercises::DrawResult drawQuestion(cSession* session, std::string& original, std::string& translation)
{
    return exercises::drawWordWhere(session, original, translation,
                                    [](const std::string& t) { return !t.empty(); });
}

int centredLeft(int x, int width)
{
    int half = width / 2;
    if (width % 2 != 0 && half % 2 != 0)
        ++half; // k + 0.5 with k odd rounds up to the even k + 1
    return x - half;
}

} // namespace tavrio::grandma
