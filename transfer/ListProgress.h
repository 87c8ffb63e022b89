#pragma once
// How far a learner is with one list: its entries marked for practice
// counted by difficulty, each asked with the original as the question, the
// way every exercise asks and records it (the list editor's "Hin").
#include "engine/ListFile.h"

#include <string_view>

class cSession;

namespace tavrio::transfer {

struct cListProgress {
    int easy = 0;    // "Leicht"
    int medium = 0;  // "Mittel"
    int hard = 0;    // "Schwer"
    int total() const { return easy + medium + hard; }
};

// Entries of a four-line list whose mark is "1" (those the session loads for
// practice), read in place from the file's bytes.
cListProgress ProgressOf(const cSession& session, std::string_view listBytes);

} // namespace tavrio::transfer
