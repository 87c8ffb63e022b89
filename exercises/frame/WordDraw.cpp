#include "exercises/frame/WordDraw.h"

#include "engine/Session.h"

namespace tavrio::exercises {

DrawResult drawWord(cSession* session, std::string& original, std::string& translation)
{
    original.clear();
    translation.clear();
    if (!session)
        return DrawResult::NoWords;
    session->GetNextWord(original, translation);
    return original.empty() && translation.empty() ? DrawResult::NoWords : DrawResult::Drawn;
}

DrawResult drawWordWhere(cSession* session, std::string& original, std::string& translation,
                         const std::function<bool(const std::string&)>& fits, int tries)
{
    for (int i = 0; i < tries; ++i) {
        if (drawWord(session, original, translation) == DrawResult::NoWords)
            return DrawResult::NoWords;
        if (fits(translation))
            return DrawResult::Drawn;
    }
    original.clear();
    translation.clear();
    return DrawResult::NoFitting;
}

} // namespace tavrio::exercises
