#pragma once
// How far a learner is with one list: its entries marked for practice
// counted by difficulty, each asked with the translation as the question,
// as the session rates a loaded entry.
#include "engine/ListFile.h"

#include <vector>

class cSession;

namespace tavrio::transfer {

struct cListProgress {
    int easy = 0;    // "Leicht"
    int medium = 0;  // "Mittel"
    int hard = 0;    // "Schwer"
    int total() const { return easy + medium + hard; }
};

// Entries whose mark is "1" (those the session loads for practice).
cListProgress ProgressOf(const cSession& session, const std::vector<cListEntry>& entries);

} // namespace tavrio::transfer
