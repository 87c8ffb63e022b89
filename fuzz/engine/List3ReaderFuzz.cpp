// The three-line list reader: any bytes load, the mark is at most one byte,
// the transcription at most 255, and a formatted list reads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/ListFile.h"
#include "fuzz/engine/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto entries = ParseList3(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& e : entries) {
        FUZZ_CHECK(e.mark.size() <= 1);
        FUZZ_CHECK(e.phonetic.size() <= 255);
        FUZZ_CHECK(!e.mark.empty() || e.phonetic.empty());
    }
    const auto again = ParseList3(FormatList3(entries));
    FUZZ_CHECK(again.size() == entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        FUZZ_CHECK(again[i].original == entries[i].original);
        FUZZ_CHECK(again[i].translation == entries[i].translation);
        FUZZ_CHECK(again[i].mark == entries[i].mark);
        FUZZ_CHECK(again[i].phonetic == entries[i].phonetic);
    }
    return 0;
}
