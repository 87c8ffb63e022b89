#include "engine/Session.h"

#include <algorithm>

#include "engine/ListFile.h"
#include "engine/Messages.h"
#include "engine/Random.h"

namespace {
constexpr std::uint32_t MaxSetting = 100;

std::uint8_t byteAt(const std::string& bytes, std::size_t pos)
{
    return static_cast<std::uint8_t>(bytes[pos]);
}

// A name that stays inside the current directory once ".pfl" is appended.
bool isPlainFileName(const std::string& name)
{
    return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}
} // namespace

cSession::cSession(const std::string& profileName)
{
    StartScore = 20;
    MaxScore = 100;
    EasyAbove = 80;
    MediumFrom = 40;

    Config.Load("config.ini");
    std::int32_t value = 0;
    if (Config.GetIntValue("WieHartBestraft", value))
        WieHartBestraft = static_cast<std::uint32_t>(std::clamp<std::int32_t>(value, 0, MaxSetting));
    value = 0;
    if (Config.GetIntValue("WieIntensiv", value))
        WieIntensiv = static_cast<std::uint32_t>(std::clamp<std::int32_t>(value, 0, MaxSetting));
    SetLearningSettings(WieIntensiv, WieHartBestraft);

    ProfileName = profileName;
    std::string bytes;
    if (!ReadFileBytes(profileName + ".pfl", bytes))
        throw cProfileError("Das Profil \"" + profileName + "\" konnte nicht geladen werden.");
    ReadProfile(bytes);
}

cSession::~cSession() = default;

void cSession::ReadProfile(const std::string& bytes)
{
    // The name header must be complete; records run to the end of the file
    // and a record cut short by the end is dropped.
    if (bytes.empty() || 1u + byteAt(bytes, 0) > bytes.size())
        throw cProfileError("Das Profil \"" + ProfileName + "\" konnte nicht geladen werden.");
    const std::size_t nameLength = byteAt(bytes, 0);
    ProfileName = bytes.substr(1, nameLength);
    std::size_t pos = 1 + nameLength;
    StatIndex.reserve(bytes.size() / 8);
    while (pos < bytes.size()) {
        if (pos + 3 > bytes.size())
            break;
        const std::size_t lengthA = byteAt(bytes, pos + 2);
        const std::size_t posB = pos + 3 + lengthA;
        if (posB + 1 > bytes.size())
            break;
        const std::size_t lengthB = byteAt(bytes, posB);
        const std::size_t end = posB + 1 + lengthB;
        if (end > bytes.size())
            break;
        const auto score = [&](std::size_t at) {
            return static_cast<std::uint8_t>(std::min<int>(byteAt(bytes, at), MaxScore));
        };
        Stats.push_back({bytes.substr(pos + 3, lengthA), bytes.substr(posB + 1, lengthB), score(pos), score(pos + 1)});
        const StatRecord& r = Stats.back();
        StatIndex.try_emplace(cPairKey{r.wordA, r.wordB}, static_cast<std::uint32_t>(Stats.size() - 1));
        pos = end;
    }
}

void cSession::GetProfileName(std::string& name) const { name = ProfileName; }

std::uint32_t cSession::GetIntensity() const { return WieIntensiv; }

std::uint32_t cSession::GetStrictness() const { return WieHartBestraft; }

void cSession::SetLearningSettings(std::uint32_t intensity, std::uint32_t strictness)
{
    WieIntensiv = std::min(intensity, MaxSetting);
    WieHartBestraft = std::min(strictness, MaxSetting);
    Config.SetFloatValue("WieHartBestraft", WieHartBestraft);
    Config.SetFloatValue("WieIntensiv", WieIntensiv);
    RewardStep = static_cast<std::int32_t>(100 / (WieIntensiv + 4));
    PenaltyStep = -(RewardStep * static_cast<std::int32_t>(WieHartBestraft / 20));
}

bool cSession::SaveConfig() { return Config.Save(); }

void cSession::ClearWords()
{
    LoadedFiles.clear();
    Entries.clear();
    NextSame.clear();
    EntryIndex.clear();
    FoldIndex.clear();
    Difficulty.clear();
    std::fill(std::begin(DifficultyCount), std::end(DifficultyCount), 0);
}

void cSession::AddVocabularyFile(const std::string& fileName)
{
    if (!FileExists(fileName)) {
        ShowMessage("Datei existiert nicht \"" + fileName + "\"");
        return;
    }
    LoadedFiles.push_back(fileName);
    std::string bytes;
    if (!ReadFileBytes(fileName, bytes)) {
        ShowMessage("Konnte \"" + fileName + "\" nicht laden!");
        return;
    }
    auto entries = ParseList4(bytes);
    const std::size_t expected = Entries.size() + entries.size();
    EntryIndex.reserve(expected);
    FoldIndex.reserve(expected);
    NextSame.reserve(expected);
    Difficulty.reserve(expected);
    for (auto& e : entries)
        if (e.mark == "1")
            AppendEntry(std::move(e));
}

void cSession::AppendEntry(cListEntry&& e)
{
    Entries.push_back({std::move(e.original), std::move(e.translation), std::move(e.phonetic)});
    const auto index = static_cast<std::uint32_t>(Entries.size() - 1);
    const LoadedEntry& stored = Entries.back();
    const cPairKey key{stored.original, stored.translation};
    NextSame.push_back(npos);
    auto [it, inserted] = EntryIndex.try_emplace(key, EntryChain{index, index});
    if (!inserted) {
        NextSame[it->second.last] = index;
        it->second.last = index;
    }
    FoldIndex.try_emplace(key, index);
    const int d = EntryDifficulty(index);
    Difficulty.push_back(static_cast<std::uint8_t>(d));
    ++DifficultyCount[d];
}

cSession::Match cSession::FindRecord(std::string_view question, std::string_view answer) const
{
    Match m;
    const auto direct = StatIndex.find(cPairKey{question, answer});
    if (direct != StatIndex.end())
        m = {direct->second, true};
    if (question != answer) {
        const auto reverse = StatIndex.find(cPairKey{answer, question});
        if (reverse != StatIndex.end() && reverse->second < m.index)
            m = {reverse->second, false};
    }
    return m;
}

int cSession::ScoreOf(const Match& m) const
{
    if (m.index == npos)
        return StartScore;
    const StatRecord& r = Stats[m.index];
    return m.asAB ? r.scoreAB : r.scoreBA;
}

int cSession::DifficultyOfScore(int score) const
{
    if (score > EasyAbove)
        return 0;
    if (score >= MediumFrom)
        return 1;
    return 2;
}

int cSession::EntryDifficulty(std::uint32_t entry) const
{
    const LoadedEntry& e = Entries[entry];
    return DifficultyOfScore(ScoreOf(FindRecord(e.translation, e.original)));
}

void cSession::RefreshChain(const cPairKey& key)
{
    const auto it = EntryIndex.find(key);
    if (it == EntryIndex.end())
        return;
    for (std::uint32_t j = it->second.first; j != npos; j = NextSame[j]) {
        const int d = EntryDifficulty(j);
        --DifficultyCount[Difficulty[j]];
        ++DifficultyCount[d];
        Difficulty[j] = static_cast<std::uint8_t>(d);
    }
}

void cSession::RefreshEntries(std::string_view wordA, std::string_view wordB)
{
    RefreshChain(cPairKey{wordA, wordB});
    if (wordA != wordB)
        RefreshChain(cPairKey{wordB, wordA});
}

int cSession::GetScore(const std::string& question, const std::string& answer) const
{
    return ScoreOf(FindRecord(question, answer));
}

int cSession::GetDifficulty(const std::string& question, const std::string& answer) const
{
    return DifficultyOfScore(GetScore(question, answer));
}

bool cSession::HasStatistic(const std::string& question, const std::string& answer) const
{
    return FindRecord(question, answer).index != npos;
}

void cSession::AddStatistic(const std::string& question, const std::string& answer)
{
    if (question.size() > MaxWordBytes || answer.size() > MaxWordBytes)
        return;
    const auto start = static_cast<std::uint8_t>(StartScore);
    Stats.push_back({question, answer, start, start});
    const StatRecord& r = Stats.back();
    StatIndex.try_emplace(cPairKey{r.wordA, r.wordB}, static_cast<std::uint32_t>(Stats.size() - 1));
    RefreshEntries(r.wordA, r.wordB);
}

void cSession::SetScore(const std::string& question, const std::string& answer, int value)
{
    Match m = FindRecord(question, answer);
    if (m.index == npos) {
        const std::size_t before = Stats.size();
        AddStatistic(question, answer);
        if (Stats.size() == before)
            return;  // words too long for the profile: no record
        m = {static_cast<std::uint32_t>(before), true};
    }
    StatRecord& r = Stats[m.index];
    const auto score = static_cast<std::uint8_t>(std::clamp(value, 0, MaxScore));
    (m.asAB ? r.scoreAB : r.scoreBA) = score;
    RefreshEntries(r.wordA, r.wordB);
}

void cSession::RecordAnswer(const std::string& question, const std::string& answer, bool right)
{
    const int s = GetScore(question, answer);
    if (right) {
        if (s < MaxScore)
            SetScore(question, answer, std::min(s + RewardStep, MaxScore));
    } else if (s != 0) {
        SetScore(question, answer, std::max(s + PenaltyStep, 0));
    }
}

int cSession::CountWords(int difficulty) const
{
    if (difficulty == 3)
        return static_cast<int>(Entries.size());
    if (difficulty >= 0 && difficulty <= 2)
        return DifficultyCount[difficulty];
    return 0;
}

void cSession::GetWord(int n, int difficulty, std::string& original, std::string& translation,
                       std::string& phonetic) const
{
    if (n < 1)
        return;
    std::size_t found = npos;
    if (difficulty == 3) {
        if (static_cast<std::size_t>(n) <= Entries.size())
            found = static_cast<std::size_t>(n) - 1;
    } else if (difficulty >= 0 && difficulty <= 2 && n <= DifficultyCount[difficulty]) {
        int seen = 0;
        for (std::size_t j = 0; j < Difficulty.size(); ++j) {
            if (Difficulty[j] == difficulty && ++seen == n) {
                found = j;
                break;
            }
        }
    }
    if (found == npos)
        return;
    const LoadedEntry& e = Entries[found];
    original = e.original;
    translation = e.translation;
    phonetic = e.phonetic;
}

void cSession::GetNextWord(std::string& original, std::string& translation)
{
    std::string phonetic;
    GetWord(Random(CountWords(3)) + 1, 3, original, translation, phonetic);
}

void cSession::GetRandomWord(std::string& original, std::string& translation, std::string& phonetic,
                             int difficulty)
{
    if (CountWords(difficulty) == 0) {
        if (difficulty == 2 || difficulty == 0)
            difficulty = 1;
        if (difficulty == 1 && CountWords(1) == 0)
            difficulty = CountWords(0) > CountWords(2) ? 0 : 2;
    }
    GetWord(Random(CountWords(difficulty)) + 1, difficulty, original, translation, phonetic);
}

bool cSession::IstDasRichtig(const std::string& question, std::string answer, const std::string& expected)
{
    const bool right = EntryIndex.count(cPairKey{question, answer}) != 0 ||
                       EntryIndex.count(cPairKey{answer, question}) != 0;
    if (!right)
        answer = expected;
    RecordAnswer(question, answer, right);
    return right;
}

bool cSession::IstDasRichtigNoCase(const std::string& question, std::string answer, const std::string& expected)
{
    std::uint32_t first = npos;
    const auto direct = FoldIndex.find(cPairKey{question, answer});
    if (direct != FoldIndex.end())
        first = direct->second;
    const auto reverse = FoldIndex.find(cPairKey{answer, question});
    if (reverse != FoldIndex.end())
        first = std::min(first, reverse->second);
    if (first == npos) {
        RecordAnswer(question, expected, false);
        return false;
    }
    const LoadedEntry& e = Entries[first];
    RecordAnswer(e.original, e.translation, true);
    return true;
}

bool cSession::SaveProfile()
{
    if (!isPlainFileName(ProfileName) || ProfileName.size() > MaxWordBytes)
        return false;
    std::string out;
    std::size_t size = 1 + ProfileName.size();
    for (const auto& r : Stats)
        size += 4 + r.wordA.size() + r.wordB.size();
    out.reserve(size);
    out += static_cast<char>(ProfileName.size());
    out += ProfileName;
    for (const auto& r : Stats) {
        out += static_cast<char>(r.scoreAB);
        out += static_cast<char>(r.scoreBA);
        out += static_cast<char>(r.wordA.size());
        out += r.wordA;
        out += static_cast<char>(r.wordB.size());
        out += r.wordB;
    }
    return WriteFileAtomic(ProfileName + ".pfl", out);
}
