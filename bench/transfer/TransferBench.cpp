// Lists in from other tools and progress at a glance:
//  - Import/Delimited20000: a 20,000-line semicolon file with quotes and
//    umlauts turned into list entries (target: at most 200 ms);
//  - Import/DelimitedLargest: the largest file an import accepts (16 MB),
//    which must not freeze the window for long;
//  - Progress/50x400: the list selection page's bars, 50 list files of 400
//    marked words read and counted for a learner with 20,000 scores (target:
//    at most 50 ms).
#include "bench/ScratchDir.h"
#include "engine/Files.h"
#include "engine/Session.h"
#include "transfer/ListImport.h"
#include "transfer/ListProgress.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

std::string word(const char* stem, int i) { return std::string(stem) + std::to_string(i); }

// A semicolon file of `lines` entries with quotes and umlauts, at most
// `maxBytes` long.
std::string delimitedFile(int lines, std::size_t maxBytes)
{
    std::string file = "Original;\xc3\x9c" "bersetzung\r\n";
    for (int i = 0; i < lines; ++i) {
        std::string line = "\"" + word("the house; no. ", i) + "\";" + word("das Haus \xc3\xa4\xc3\xb6\xc3\xbc ", i) + "\r\n";
        if (file.size() + line.size() > maxBytes)
            break;
        file += line;
    }
    return file;
}

void Import(benchmark::State& state, const std::string& file)
{
    const tavrio::transfer::cPhoneticCodec none;
    for (auto _ : state) {
        auto r = tavrio::transfer::ImportList(file, none);
        if (!r.error.empty())
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.size()));
}

std::unique_ptr<cSession> learner;

void Progress(benchmark::State& state)
{
    for (auto _ : state) {
        int counted = 0;
        for (int l = 0; l < 50; ++l) {
            std::string bytes;
            if (!ReadFileBytes(word("Liste", l) + ".vok", bytes))
                state.SkipWithError("list missing");
            counted += tavrio::transfer::ProgressOf(*learner, bytes).total();
        }
        if (counted != 50 * 400)
            state.SkipWithError("wrong word count");
    }
}

// A scratch directory with a profile of 20,000 scored pairs and 50 lists.
struct cScratch {
    tavrio::bench::cScratchDir dir{"tavrio-transfer-bench"};
    cScratch()
    {
        WriteFileAtomic("Bench.pfl", std::string(1, '\5') + "Bench");
        learner = std::make_unique<cSession>("Bench");
        for (int l = 0; l < 50; ++l) {
            std::vector<cListEntry> list;
            for (int i = 0; i < 400; ++i) {
                const int n = l * 400 + i;
                list.push_back({word("word", n), word("Wort", n), "1", ""});
                learner->SetScore(word("Wort", n), word("word", n), n % 101);
            }
            WriteFileAtomic(word("Liste", l) + ".vok", FormatList4(list));
        }
        benchmark::RegisterBenchmark("Import/Delimited20000", Import, delimitedFile(20000, std::string::npos))
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Import/DelimitedLargest", Import,
                                     delimitedFile(1 << 30, tavrio::transfer::kMaxImportBytes))
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Progress/50x400", Progress)->Unit(benchmark::kMillisecond);
    }
    // The session goes before its directory.
    ~cScratch() { learner.reset(); }
};
const cScratch scratch;

} // namespace

BENCHMARK_MAIN();
