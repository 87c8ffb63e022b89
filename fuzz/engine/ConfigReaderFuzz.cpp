// The settings file reader: any bytes load, keys and values stay paired, and
// what was loaded saves and loads back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/ConfigFile.h"
#include "engine/ListFile.h"
#include "fuzz/engine/FuzzCheck.h"
#include "fuzz/engine/ScratchDir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const cScratchDir scratch;
    FUZZ_CHECK(WriteFileAtomic("fuzz.ini", bytes));
    cConfigFile c;
    FUZZ_CHECK(c.Load("fuzz.ini"));
    FUZZ_CHECK(c.GetKeys().size() == c.GetValues().size());
    for (const auto& v : c.GetValues()) {
        FUZZ_CHECK(cConfigFile::Unescape(cConfigFile::Escape(v)) == v);
        FUZZ_CHECK(cConfigFile::Escape(v).find_first_of("\r\n") == std::string::npos);
    }
    std::int32_t n = 0;
    if (!c.GetKeys().empty())
        c.GetIntValue(c.GetKeys().front(), n);
    FUZZ_CHECK(c.Save());
    cConfigFile again("fuzz.ini");
    FUZZ_CHECK(again.GetKeys() == c.GetKeys());
    FUZZ_CHECK(again.GetValues() == c.GetValues());
    return 0;
}
