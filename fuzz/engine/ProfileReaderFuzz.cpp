// The profile reader: any bytes give either a cProfileError or a session
// whose saved profile reads back to the same records and saves the same
// bytes again. Inputs starting with 0xFF are used whole (name header
// included); others get the fixed name "fuzz" in front, so saving stays in
// this directory under one file name.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/ListFile.h"
#include "engine/Session.h"
#include "fuzz/engine/FuzzCheck.h"
#include "fuzz/engine/ScratchDir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const cScratchDir scratch;
    const bool raw = size > 0 && data[0] == 0xFF;
    FUZZ_CHECK(WriteFileAtomic("fuzz.pfl", raw ? input.substr(1) : "\x04" "fuzz" + input));
    try {
        cSession s("fuzz");
        if (raw)
            return 0;
        std::string name;
        s.GetProfileName(name);
        FUZZ_CHECK(name == "fuzz");
        FUZZ_CHECK(s.SaveProfile());
        std::string first;
        FUZZ_CHECK(ReadFileBytes("fuzz.pfl", first));
        FUZZ_CHECK(first.size() <= size + 5);
        cSession again("fuzz");
        FUZZ_CHECK(again.StatisticCount() == s.StatisticCount());
        FUZZ_CHECK(again.SaveProfile());
        std::string second;
        FUZZ_CHECK(ReadFileBytes("fuzz.pfl", second));
        FUZZ_CHECK(first == second);
    } catch (const cProfileError&) {
        FUZZ_CHECK(raw);
    }
    return 0;
}
