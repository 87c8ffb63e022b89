#include "transfer/ListProgress.h"

#include "engine/Session.h"

namespace tavrio::transfer {

cListProgress ProgressOf(const cSession& session, const std::vector<cListEntry>& entries)
{
    cListProgress p;
    for (const auto& e : entries) {
        if (e.mark != "1")
            continue;
        switch (session.GetDifficulty(e.translation, e.original)) {
        case 0: ++p.easy; break;
        case 1: ++p.medium; break;
        default: ++p.hard; break;
        }
    }
    return p;
}

} // namespace tavrio::transfer
