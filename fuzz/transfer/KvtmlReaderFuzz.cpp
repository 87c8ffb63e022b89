// Arbitrary bytes as a KVTML document: the reader must end and give entries
// only for a well-formed document of version 2.
#include "../engine/FuzzCheck.h"
#include "transfer/KvtmlReader.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto doc = tavrio::transfer::ReadKvtml(bytes);
    FUZZ_CHECK(doc.error == tavrio::transfer::cKvtmlError::None || doc.entries.empty());
    return 0;
}
