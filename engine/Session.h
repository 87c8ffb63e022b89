#pragma once
// cSession: the learning engine. One object exists while a learner is logged
// in. It holds the profile (name and per-pair statistics, file "<name>.pfl"),
// the two learning settings from "config.ini" and the vocabulary loaded from
// the ticked list files. All texts are Windows-1252 bytes, compared byte-wise.
//
// Lookups keep the first-match rule of the plain lists (records and entries in
// the order they were added, a pair matching in either orientation) but go
// through hash indexes, and the difficulty of every loaded entry is kept up to
// date as scores move, so counting and drawing by difficulty are cheap.
//
// Words longer than 255 bytes cannot be stored in the profile; a pair with
// such a word never gets a statistics record (it keeps the start score).
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ConfigFile.h"
#include "engine/FieldTable.h"
#include "engine/ListFile.h"
#include "engine/PairIndex.h"

// The profile could not be opened or read. what() is a German text for the
// login page: Das Profil "Name" konnte nicht geladen werden.
class cProfileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class cSession {
public:
    // The largest profile file read: 8 MiB. 100,000 statistics records (years
    // of practice) take about 2 MB; a larger file is refused before it is read.
    static constexpr std::uintmax_t MaxProfileBytes = std::uintmax_t(8) << 20;

    // Loads "config.ini" and the profile "<profileName>.pfl" from the current
    // directory. Throws cProfileError (German text) when the profile cannot
    // be opened or read; no session is made then.
    explicit cSession(const std::string& profileName);
    ~cSession();
    cSession(const cSession&) = delete;
    cSession& operator=(const cSession&) = delete;

    void GetProfileName(std::string& name) const;
    std::uint32_t GetIntensity() const;
    std::uint32_t GetStrictness() const;
    void SetLearningSettings(std::uint32_t intensity, std::uint32_t strictness);

    // What a pair of settings means for one pair's score: the points a right
    // answer adds, the points a wrong one takes, and how many right answers
    // in a row lift a new pair (start score) into "Leicht"; 0 when a right
    // answer adds nothing, so no number of them does.
    struct LearningSteps {
        int reward;
        int penalty;
        int rightAnswersToEasy;
    };
    static LearningSteps StepsFor(std::uint32_t intensity, std::uint32_t strictness);
    // Writes "config.ini"; returns false (old file intact) when it cannot.
    bool SaveConfig();

    void ClearWords();
    // Loads the entries marked "1" of a four-line list file. Reports a missing
    // or unreadable file through ShowMessage (engine/Messages.h).
    void AddVocabularyFile(const std::string& fileName);

    void GetNextWord(std::string& original, std::string& translation);
    void GetRandomWord(std::string& original, std::string& translation, std::string& phonetic, int difficulty);
    bool IstDasRichtig(const std::string& question, std::string answer, const std::string& expected);
    bool IstDasRichtigNoCase(const std::string& question, std::string answer, const std::string& expected);
    // 0 "Leicht" (score above 80), 1 "Mittel" (40..80), 2 "Schwer" (below 40).
    int GetDifficulty(const std::string& question, const std::string& answer) const;
    // 0..100; 20 for a pair without statistics.
    int GetScore(const std::string& question, const std::string& answer) const;
    // Writes "<ProfileName>.pfl" (the file it was loaded from when the stored
    // name is empty); returns false (old file intact) when it cannot, or when
    // the stored name is not a plain file name.
    bool SaveProfile();

    // Internal operations, public for the engine test page and the tests.
    bool HasStatistic(const std::string& question, const std::string& answer) const;
    // Appends a record (question as word A) with both scores at the start
    // score. Does nothing when either word is longer than 255 bytes.
    void AddStatistic(const std::string& question, const std::string& answer);
    // Writes the score (clamped to 0..100) of the pair as asked, adding a
    // record first when the pair has none.
    void SetScore(const std::string& question, const std::string& answer, int value);
    void RecordAnswer(const std::string& question, const std::string& answer, bool right);
    // Loaded entries of difficulty 0..2; 3 counts all.
    int CountWords(int difficulty) const;
    // The n-th (from 1) loaded entry of the difficulty (3: any); outputs stay
    // as they were when there are fewer.
    void GetWord(int n, int difficulty, std::string& original, std::string& translation,
                 std::string& phonetic) const;

    // Read-only views for the tests and the engine test page.
    int GetRewardStep() const { return RewardStep; }
    int GetPenaltyStep() const { return PenaltyStep; }
    std::size_t StatisticCount() const { return Stats.size(); }
    const std::vector<std::string>& GetLoadedFiles() const { return LoadedFiles; }

    static constexpr std::size_t MaxWordBytes = 255;

private:
    // A statistics record: its words lie at `at` in StatWords, word A then
    // word B (at most 255 bytes each), so a record takes 8 bytes plus its words.
    struct StatRecord {
        std::uint32_t at;
        std::uint8_t lengthA;
        std::uint8_t lengthB;
        std::uint8_t scoreAB;  // asking word A, answer word B
        std::uint8_t scoreBA;  // asking word B, answer word A
    };
    std::string_view WordA(const StatRecord& r) const { return {StatWords.data() + r.at, r.lengthA}; }
    std::string_view WordB(const StatRecord& r) const
    {
        return {StatWords.data() + r.at + r.lengthA, r.lengthB};
    }
    // Fields of the loaded entries.
    enum { Original, Translation, Phonetic };
    // Position of a record or entry; npos when absent.
    static constexpr std::uint32_t npos = 0xFFFFFFFFu;
    // The first record matching (question, answer) in either orientation and
    // whether it matched as (A, B) = (question, answer).
    struct Match {
        std::uint32_t index = npos;
        bool asAB = true;
    };
    // Word hashes of a pair, computed once per operation.
    struct Hashed {
        std::string_view first;
        std::string_view second;
        std::uint64_t h1;
        std::uint64_t h2;
    };
    static Hashed Hash(std::string_view first, std::string_view second);

    Match FindRecord(const Hashed& p) const;
    std::uint32_t FindEntry(const Hashed& p) const;
    std::uint32_t FindEntryFolded(std::string_view first, std::string_view second) const;
    int ScoreOf(const Match& m) const;
    int DifficultyOfScore(int score) const;
    // Difficulty of an entry: its translation asked, its original answered.
    int EntryDifficulty(const Hashed& translationFirst) const;
    // Recomputes the cached difficulty of every entry made of this pair.
    void RefreshEntries(const Hashed& pair);
    void RefreshChain(const Hashed& originalFirst);
    void AppendEntry(std::string_view original, std::string_view translation, std::string_view phonetic);
    void ReadProfile(const std::string& bytes);
    // Appends a record whose ordered pair (A, B) has this HashPair; false
    // (nothing stored) when the words do not fit.
    bool AppendRecord(std::string_view wordA, std::string_view wordB, std::uint8_t scoreAB, std::uint8_t scoreBA,
                      std::uint32_t hash);

    cConfigFile Config;
    std::uint32_t WieIntensiv = 0;
    std::uint32_t WieHartBestraft = 0;
    std::int32_t PenaltyStep = -1;
    std::int32_t RewardStep = 1;
    std::int32_t StartScore = 20;
    std::int32_t MaxScore = 100;
    std::int32_t EasyAbove = 80;
    std::int32_t MediumFrom = 40;
    std::string ProfileName;
    // The file the profile was loaded from.
    std::string ProfileFile;

    // Statistics in file order, their words, and ordered pair (A, B) -> first
    // record.
    std::vector<StatRecord> Stats;
    std::string StatWords;
    cPairIndex StatIndex;

    std::vector<std::string> LoadedFiles;
    // Loaded vocabulary in load order (original, translation, phonetic) with
    // its indexes: ordered pair (original, translation) -> first entry, the
    // other entries of one pair chained from the first through NextSame (in
    // no particular order), and the same pair with a-z folded -> first entry.
    cFieldTable Entries{3};
    std::vector<std::uint32_t> NextSame;
    cPairIndex EntryIndex;
    cPairIndex FoldIndex;
    // Difficulty of each loaded entry (translation asked, original answered)
    // and how many entries have each difficulty.
    std::vector<std::uint8_t> Difficulty;
    int DifficultyCount[3] = {0, 0, 0};
};
