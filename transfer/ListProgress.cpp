#include "transfer/ListProgress.h"

#include "engine/Session.h"

namespace tavrio::transfer {

cListProgress ProgressOf(const cSession& session, std::string_view listBytes)
{
    cListProgress p;
    ForEachList4(listBytes, [&](std::string_view original, std::string_view translation, std::string_view mark,
                                std::string_view) {
        if (mark != "1")
            return;
        switch (session.GetDifficulty(std::string(original), std::string(translation))) {
        case 0: ++p.easy; break;
        case 1: ++p.medium; break;
        default: ++p.hard; break;
        }
    });
    return p;
}

} // namespace tavrio::transfer
