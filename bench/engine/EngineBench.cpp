// Learner session with a big list and years of statistics: 20,000 loaded
// entries and 100,000 statistics records. Every figure is measured for
// cSession ("Indexed") and for the plain linear session ("Reference").
// The reference needs seconds per call for the whole-list figures, so those
// run once. Run in a scratch directory: it writes config.ini, a profile and
// a list there.
//
// The rows for big and degenerate files also report "PeakMB": the most heap
// memory in use at once while reading, counted by the operator new below.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "bench/ScratchDir.h"
#include "engine/ListFile.h"
#include "engine/Random.h"
#include "engine/Session.h"
#include "tests/engine/reference/ReferenceSession.h"

// Heap bytes in use and the most in use since the last ResetPeak().
std::atomic<std::size_t> gHeapInUse{0};
std::atomic<std::size_t> gHeapPeak{0};

void* operator new(std::size_t n)
{
    void* p = std::malloc(n ? n : 1);
    if (!p)
        throw std::bad_alloc();
    const std::size_t now = gHeapInUse += malloc_usable_size(p);
    for (std::size_t peak = gHeapPeak; now > peak && !gHeapPeak.compare_exchange_weak(peak, now);) {
    }
    return p;
}
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept
{
    if (!p)
        return;
    gHeapInUse -= malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
#pragma GCC diagnostic pop

namespace {

// Reports the heap peak of each iteration above what was in use before it.
class cPeakMemory {
public:
    explicit cPeakMemory(benchmark::State& state) : state_(state) {}
    void start()
    {
        base_ = gHeapInUse;
        gHeapPeak = base_;
    }
    void stop() { most_ = std::max(most_, gHeapPeak - base_); }
    ~cPeakMemory() { state_.counters["PeakMB"] = double(most_) / (1 << 20); }

private:
    benchmark::State& state_;
    std::size_t base_ = 0;
    std::size_t most_ = 0;
};

constexpr int kEntries = 20000;
constexpr int kRecords = 100000;
const char* const kProfile = "Bench";
const char* const kList = "bench.vok";
// 10 MB lists: real entries, nothing but line feeds, and empty entries
// marked for practice (LF line ends, the shortest there are).
const char* const kBigList = "gross.vok";
const char* const kFeedList = "zeilen.vok";
const char* const kEmptyList = "leer.vok";
constexpr std::size_t kBigBytes = 10u << 20;
// A profile without records, and one of 8 MB zero bytes: an empty name and
// two million records of two empty words.
const char* const kNoRecords = "Leer";
const char* const kZeroProfile = "Nullen";

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
    std::string empty;
    while (empty.size() < kBigBytes)
        empty += "\n\n1\n\n";
    WriteFileAtomic(kEmptyList, empty.substr(0, kBigBytes));
    WriteFileAtomic(std::string(kNoRecords) + ".pfl", std::string(1, char(4)) + kNoRecords);
    WriteFileAtomic(std::string(kZeroProfile) + ".pfl", std::string(cSession::MaxProfileBytes, '\0'));

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

// Reading a 10 MB list into a fresh session, and as a list of entries.
void AddBigList(benchmark::State& state, const char* list)
{
    cPeakMemory memory(state);
    for (auto _ : state) {
        memory.start();
        {
            cSession s(kNoRecords);
            s.AddVocabularyFile(list);
            benchmark::DoNotOptimize(s.CountWords(3));
        }
        memory.stop();
    }
}

void ParseBigList(benchmark::State& state, const char* list)
{
    cPeakMemory memory(state);
    for (auto _ : state) {
        memory.start();
        {
            std::string bytes;
            ReadFileLimited(list, bytes, MaxListBytes);
            benchmark::DoNotOptimize(ParseList4(bytes));
        }
        memory.stop();
    }
}

// Logging in with a profile at the size limit.
void LoadBigProfile(benchmark::State& state, const char* profile)
{
    cPeakMemory memory(state);
    for (auto _ : state) {
        memory.start();
        {
            cSession s(profile);
            benchmark::DoNotOptimize(s.StatisticCount());
        }
        memory.stop();
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
    whole(benchmark::RegisterBenchmark("Indexed/AddVocabularyFile10MBEmptyEntries", AddBigList, kEmptyList));
    whole(benchmark::RegisterBenchmark("Indexed/Create8MBZeroBytes", LoadBigProfile, kZeroProfile));
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
