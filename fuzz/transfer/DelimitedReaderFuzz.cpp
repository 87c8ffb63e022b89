// Arbitrary bytes as a file to import: the import must end, give entries
// only when it reports no error, and every entry it gives must survive the
// list writer and reader unchanged.
#include "../engine/FuzzCheck.h"
#include "transfer/ListImport.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tavrio::transfer::cPhoneticCodec none;
    const auto result = tavrio::transfer::ImportList(bytes, none);
    FUZZ_CHECK(result.error.empty() != result.entries.empty());
    const auto back = ParseList4(FormatList4(result.entries));
    FUZZ_CHECK(back.size() == result.entries.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        FUZZ_CHECK(back[i].original == result.entries[i].original);
        FUZZ_CHECK(back[i].translation == result.entries[i].translation);
        FUZZ_CHECK(!back[i].original.empty() && !back[i].translation.empty());
    }
    return 0;
}
