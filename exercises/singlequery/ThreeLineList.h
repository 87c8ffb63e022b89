#pragma once
// A three-line list file as the single query reads it: records of original,
// translation and a flag line whose first character is a digit ("1" =
// selected). The rest of the flag line (the phonetic transcription) is
// ignored. Only selected entries are asked. The entries sit in one compact
// table, so a file of empty entries stays small in memory.
#include "engine/FieldTable.h"
#include "engine/ListFile.h"

#include <optional>
#include <string>
#include <vector>

namespace tavrio::singlequery {

enum class ListCheck {
    Usable,          // a selected entry was found
    NothingSelected, // the file ended without a selected entry
    BadFormat,       // a flag line before the first selected entry is not a digit
};

class cThreeLineList {
public:
    explicit cThreeLineList(std::vector<cListEntry> entries);
    static cThreeLineList parse(const std::string& bytes);
    // nullopt when the file is missing, cannot be read or is larger than
    // MaxListBytes; `result` (if given) says which.
    static std::optional<cThreeLineList> read(const std::string& path, cReadResult* result = nullptr);

    // Reads records from the start up to the first selected entry.
    ListCheck check() const;
    // Number of selected entries; a flag that is not a digit counts as not
    // selected.
    int countSelected() const;
    // The k-th selected entry, k = 1 .. countSelected().
    std::optional<cListEntry> selected(int k) const;

private:
    cThreeLineList() = default;
    void append(std::string_view original, std::string_view translation, std::string_view mark,
                std::string_view phonetic);

    // original, translation, mark, phonetic
    cFieldTable entries_{4};
};

} // namespace tavrio::singlequery
