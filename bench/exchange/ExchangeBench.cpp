// How long the GUI thread spends on one search answer of n records (the
// reference server sends at most 200).
#include "exchange/WebInterface.h"
#include "exchange/XmlParser.h"

#include <benchmark/benchmark.h>

namespace {

std::string searchAnswer(int records)
{
    std::string a = "<titel>SUCHE</titel><suchwort>Unit</suchwort>";
    for (int i = 0; i < records; ++i)
        a += "<kapitel><id>" + std::to_string(i) + "</id><buchid>3</buchid><buch>Englisch 5</buch><titel>Unit "
             + std::to_string(i) + "</titel><woerter>34</woerter><autor>Frau K\xF6hler</autor></kapitel>";
    return a;
}

class NoHttp final : public tavrio::exchange::cHttpClient {
public:
    bool Get(const std::string&, std::size_t, std::function<void(const tavrio::exchange::cHttpReply&)>) override
    {
        return false;
    }
};

void BM_ParseSearchAnswer(benchmark::State& state)
{
    const std::string answer = searchAnswer(static_cast<int>(state.range(0)));
    cXMLparser parser;
    for (auto _ : state) {
        parser.Parse(answer);
        benchmark::DoNotOptimize(parser.Keys().size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * answer.size()));
}
BENCHMARK(BM_ParseSearchAnswer)->Arg(10)->Arg(200)->Arg(2000);

void BM_HandleSearchAnswer(benchmark::State& state)
{
    const std::string answer = searchAnswer(static_cast<int>(state.range(0)));
    NoHttp http;
    cWebinterface web(http, "http://127.0.0.1:8517");
    std::size_t rows = 0;
    web.OnSearchResult = [&](const std::string&, const cStringList&, const cStringList&, const cStringList&,
                             const cStringList&, const cStringList&, const cStringList& ids) { rows = ids.size(); };
    for (auto _ : state) {
        web.HandleAnswer(answer);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_HandleSearchAnswer)->Arg(200)->Arg(2000);

} // namespace
