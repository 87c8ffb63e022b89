// Learner session with a big list and years of statistics: 20,000 loaded
// entries and 100,000 statistics records. Every figure is measured for
// cSession ("Indexed") and for the plain linear session ("Reference").
// The reference needs seconds per call for the whole-list figures, so those
// run once. Run in a scratch directory: it writes config.ini, a profile and
// a list there.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/ScratchDir.h"
#include "engine/ListFile.h"
#include "engine/Random.h"
#include "engine/Session.h"
#include "tests/engine/reference/ReferenceSession.h"

namespace {

constexpr int kEntries = 20000;
constexpr int kRecords = 100000;
const char* const kProfile = "Bench";
const char* const kList = "bench.vok";
// 10 MB lists: real entries, and nothing but line feeds.
const char* const kBigList = "gross.vok";
const char* const kFeedList = "zeilen.vok";
constexpr std::size_t kBigBytes = 10u << 20;

std::string Original(int i) { return "Wort" + std::to_string(i) + "chen"; }
std::string Translation(int i) { return "word-" + std::to_string(i) + "-ish"; }

void WriteData()
{
    std::vector<cListEntry> entries;
    for (int i = 0; i < kEntries; ++i)
        entries.push_back({Original(i), Translation(i), "1", "ph" + std::to_string(i)});
    WriteFileAtomic(kList, FormatList4(entries));
    std::string big;
    for (int i = 0; big.size() < kBigBytes; ++i)
        big += FormatList4({{Original(i), Translation(i), "1", "ph"}});
    WriteFileAtomic(kBigList, big.substr(0, kBigBytes));
    WriteFileAtomic(kFeedList, std::string(kBigBytes, '\n'));

    // Records for every loaded pair (either orientation, spread through the
    // file) and many more for pairs of lists no longer loaded.
    std::mt19937 rng(1);
    std::string profile(1, static_cast<char>(std::string(kProfile).size()));
    profile += kProfile;
    const auto record = [&](const std::string& a, const std::string& b) {
        profile += static_cast<char>(rng() % 101);
        profile += static_cast<char>(rng() % 101);
        profile += static_cast<char>(a.size());
        profile += a;
        profile += static_cast<char>(b.size());
        profile += b;
    };
    for (int r = 0; r < kRecords; ++r) {
        if (r % 5 == 0) {
            const int i = r / 5;
            if (rng() % 2)
                record(Original(i), Translation(i));
            else
                record(Translation(i), Original(i));
        } else {
            record("alt" + std::to_string(r), "old" + std::to_string(r));
        }
    }
    WriteFileAtomic(std::string(kProfile) + ".pfl", profile);
    WriteFileAtomic("config.ini", "WieHartBestraft\r\n20\r\nWieIntensiv\r\n46\r\n");
}

template <class S>
S& Loaded()
{
    static std::unique_ptr<S> s = [] {
        auto p = std::make_unique<S>(kProfile);
        p->AddVocabularyFile(kList);
        return p;
    }();
    return *s;
}

// Pairs asked in the benchmarks: known ones, both directions.
std::pair<std::string, std::string> Pair(std::mt19937& rng)
{
    const int i = static_cast<int>(rng() % kEntries);
    if (rng() % 2)
        return {Original(i), Translation(i)};
    return {Translation(i), Original(i)};
}

// 1024 loaded pairs in random orientation, the same for every run of a seed.
std::vector<std::pair<std::string, std::string>> Pairs(unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<std::pair<std::string, std::string>> pairs(1024);
    for (auto& p : pairs)
        p = Pair(rng);
    return pairs;
}

template <class S>
void GetScore(benchmark::State& state)
{
    S& s = Loaded<S>();
    const auto pairs = Pairs(2);
    std::size_t k = 0;
    for (auto _ : state) {
        const auto& p = pairs[k++ % 1024];
        benchmark::DoNotOptimize(s.GetScore(p.first, p.second));
    }
}

template <class S, bool NoCase>
void Check(benchmark::State& state)
{
    S& s = Loaded<S>();
    const auto pairs = Pairs(3);
    std::size_t k = 0;
    for (auto _ : state) {
        const auto& p = pairs[k++ % 1024];
        if constexpr (NoCase)
            benchmark::DoNotOptimize(s.IstDasRichtigNoCase(p.first, p.second, p.second));
        else
            benchmark::DoNotOptimize(s.IstDasRichtig(p.first, p.second, p.second));
    }
}

template <class S>
void CountWords(benchmark::State& state)
{
    S& s = Loaded<S>();
    int d = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.CountWords(d++ % 3));
}

template <class S>
void GetRandomWord(benchmark::State& state)
{
    S& s = Loaded<S>();
    RandSeed(4);
    std::string o, t, p;
    int d = 0;
    for (auto _ : state) {
        s.GetRandomWord(o, t, p, d++ % 3);
        benchmark::DoNotOptimize(o);
    }
}

// The list editor's knowledge column: two difficulties and two scores per entry.
template <class S>
void KnowledgeText(benchmark::State& state)
{
    S& s = Loaded<S>();
    std::vector<std::string> originals, translations;
    for (int i = 0; i < kEntries; ++i) {
        originals.push_back(Original(i));
        translations.push_back(Translation(i));
    }
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < kEntries; ++i) {
            sum += s.GetDifficulty(originals[i], translations[i]) + s.GetDifficulty(translations[i], originals[i]);
            sum += s.GetScore(originals[i], translations[i]) + s.GetScore(translations[i], originals[i]);
        }
        benchmark::DoNotOptimize(sum);
    }
}

// A practice step as the engine test page does it: draw by difficulty, then
// answer right, which moves a score and with it the difficulty counts.
template <class S>
void DrawAndAnswer(benchmark::State& state)
{
    S& s = Loaded<S>();
    RandSeed(5);
    std::string o, t, p;
    int d = 0;
    for (auto _ : state) {
        s.GetRandomWord(o, t, p, d++ % 3);
        benchmark::DoNotOptimize(s.IstDasRichtig(t, o, o));
    }
}

template <class S>
void SaveProfile(benchmark::State& state)
{
    S& s = Loaded<S>();
    for (auto _ : state)
        benchmark::DoNotOptimize(s.SaveProfile());
}

template <class S>
void Create(benchmark::State& state)
{
    for (auto _ : state) {
        S s(kProfile);
        benchmark::DoNotOptimize(&s);
    }
}

template <class S>
void AddVocabularyFile(benchmark::State& state)
{
    S s(kProfile);
    for (auto _ : state) {
        s.ClearWords();
        s.AddVocabularyFile(kList);
    }
}

// Reading a 10 MB list: into the session, and as the list editor does.
void AddBigList(benchmark::State& state, const char* list)
{
    cSession s(kProfile);
    for (auto _ : state) {
        s.ClearWords();
        s.AddVocabularyFile(list);
    }
}

void ParseBigList(benchmark::State& state, const char* list)
{
    for (auto _ : state) {
        std::string bytes;
        ReadFileLimited(list, bytes, MaxListBytes);
        benchmark::DoNotOptimize(ParseList4(bytes));
    }
}

void Register()
{
    const auto micro = [](benchmark::internal::Benchmark* b) { b->Repetitions(5)->ReportAggregatesOnly(true); };
    const auto whole = [](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
    };
    const auto once = [](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1);
    };
    micro(benchmark::RegisterBenchmark("Indexed/GetScore", GetScore<cSession>));
    micro(benchmark::RegisterBenchmark("Indexed/IstDasRichtig", Check<cSession, false>));
    micro(benchmark::RegisterBenchmark("Indexed/IstDasRichtigNoCase", Check<cSession, true>));
    micro(benchmark::RegisterBenchmark("Indexed/CountWords", CountWords<cSession>));
    whole(benchmark::RegisterBenchmark("Indexed/GetRandomWord", GetRandomWord<cSession>));
    whole(benchmark::RegisterBenchmark("Indexed/KnowledgeText20000", KnowledgeText<cSession>));
    whole(benchmark::RegisterBenchmark("Indexed/DrawAndAnswer", DrawAndAnswer<cSession>));
    whole(benchmark::RegisterBenchmark("Indexed/SaveProfile100000", SaveProfile<cSession>));
    whole(benchmark::RegisterBenchmark("Indexed/Create100000", Create<cSession>));
    whole(benchmark::RegisterBenchmark("Indexed/AddVocabularyFile20000", AddVocabularyFile<cSession>));
    whole(benchmark::RegisterBenchmark("Indexed/AddVocabularyFile10MB", AddBigList, kBigList));
    whole(benchmark::RegisterBenchmark("Indexed/AddVocabularyFile10MBLineFeeds", AddBigList, kFeedList));
    whole(benchmark::RegisterBenchmark("ParseList4/10MB", ParseBigList, kBigList));
    whole(benchmark::RegisterBenchmark("ParseList4/10MBLineFeeds", ParseBigList, kFeedList));

    const auto few = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMicrosecond)->Iterations(200)->Repetitions(3)->ReportAggregatesOnly(true); };
    few(benchmark::RegisterBenchmark("Reference/GetScore", GetScore<cReferenceSession>));
    few(benchmark::RegisterBenchmark("Reference/IstDasRichtig", Check<cReferenceSession, false>));
    few(benchmark::RegisterBenchmark("Reference/IstDasRichtigNoCase", Check<cReferenceSession, true>));
    once(benchmark::RegisterBenchmark("Reference/CountWords", CountWords<cReferenceSession>));
    once(benchmark::RegisterBenchmark("Reference/GetRandomWord", GetRandomWord<cReferenceSession>));
    once(benchmark::RegisterBenchmark("Reference/KnowledgeText20000", KnowledgeText<cReferenceSession>));
    once(benchmark::RegisterBenchmark("Reference/DrawAndAnswer", DrawAndAnswer<cReferenceSession>));
    whole(benchmark::RegisterBenchmark("Reference/SaveProfile100000", SaveProfile<cReferenceSession>));
    whole(benchmark::RegisterBenchmark("Reference/Create100000", Create<cReferenceSession>));
    whole(benchmark::RegisterBenchmark("Reference/AddVocabularyFile20000", AddVocabularyFile<cReferenceSession>));
}

// Works in a scratch directory made before the benchmarks run and removed
// after them.
struct cScratch {
    tavrio::bench::cScratchDir dir{"tavrio-bench"};
    cScratch()
    {
        WriteData();
        Register();
    }
};
const cScratch scratch;

} // namespace

BENCHMARK_MAIN();
