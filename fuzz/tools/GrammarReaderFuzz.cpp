// The grammar notes reader: any bytes load within the size limit, no line
// holds a line end or a NUL, and written lines read back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/engine/FuzzCheck.h"
#include "tools/grammar/GrammarText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavrio::grammar;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // A small limit, so the cut is exercised too.
    const std::size_t limit = size > 0 ? data[0] + 1u : 1u;
    for (std::size_t max : {limit, kMaxGrammarBytes}) {
        const cGrammarText text = ParseGrammar(bytes, max);
        FUZZ_CHECK(!text.lines.empty());
        FUZZ_CHECK(text.cut == (size > max));
        std::size_t total = 0;
        for (const std::string& line : text.lines) {
            FUZZ_CHECK(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
            total += line.size();
        }
        FUZZ_CHECK(total <= max);
        const std::string written = FormatGrammar(text.lines);
        FUZZ_CHECK(ParseGrammar(written, written.size()).lines == text.lines);
    }
    return 0;
}
