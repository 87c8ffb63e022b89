#pragma once
// KVTML 2, the XML vocabulary format of the KDE trainer: each entry's first
// two translations (by id) and a pronunciation when one is given.
#include <string>
#include <string_view>
#include <vector>

namespace tavrio::transfer {

struct cKvtmlEntry {
    std::string original;       // UTF-8
    std::string translation;    // UTF-8
    std::string pronunciation;  // UTF-8, of the original, else of the translation
};

enum class cKvtmlError { None, NotWellFormed, NotKvtml, UnknownVersion };

struct cKvtmlDocument {
    cKvtmlError error = cKvtmlError::None;
    std::vector<cKvtmlEntry> entries;  // entries with fewer than two translations keep empty fields
};

cKvtmlDocument ReadKvtml(std::string_view utf8);

} // namespace tavrio::transfer
