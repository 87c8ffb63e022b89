// Arbitrary bytes as a server answer: the parser must end, keep its two
// lists parallel, and the answer handling must walk any records it finds.
#include "exchange/WebInterface.h"
#include "exchange/XmlParser.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class NoHttp final : public tavrio::exchange::cHttpClient {
public:
    bool Get(const std::string&, std::size_t, std::function<void(const tavrio::exchange::cHttpReply&)>) override
    {
        return false;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    cXMLparser parser;
    parser.Parse(text);
    if (parser.Keys().size() != parser.Values().size())
        std::abort();
    for (const std::string& key : parser.Keys()) {
        if (key.empty() || key[0] != '.')
            std::abort();
        if (parser.CountOf(key) < 1) // every key exists as its own record
            std::abort();
    }
    (void)parser.GetInt(".buch.id");

    NoHttp http;
    cWebinterface web(http, "http://127.0.0.1:8517");
    std::size_t records = 0;
    web.OnSearchResult = [&](const std::string&, const cStringList& a, const cStringList&, const cStringList&,
                             const cStringList&, const cStringList&, const cStringList& f) {
        if (a.size() != f.size())
            std::abort();
        records += a.size();
    };
    web.OnVersion = [&](bool, const std::string& m) { records += m.size() > 0 ? 0 : 1; };
    web.OnBooks = [&](const cStringList& t, const cStringList& i) { if (t.size() != i.size()) std::abort(); };
    web.OnChapters = web.OnBooks;
    web.HandleAnswer(text);
    return 0;
}
