#include "engine/Session.h"

#include <algorithm>

#include "engine/ListFile.h"
#include "engine/Messages.h"
#include "engine/Random.h"
#include "engine/Text.h"

namespace {
constexpr std::uint32_t MaxSetting = 100;
constexpr std::int32_t kStartScore = 20;
constexpr std::int32_t kMaxScore = 100;
constexpr std::int32_t kEasyAbove = 80;

std::uint8_t byteAt(const std::string& bytes, std::size_t pos)
{
    return static_cast<std::uint8_t>(bytes[pos]);
}

// Room for n elements, growing at least geometrically so that many small
// lists added one by one do not copy the loaded ones each time.
template <class V>
void growFor(V& v, std::size_t n)
{
    if (n > v.capacity())
        v.reserve(std::max(n, 2 * v.capacity()));
}

// End of the profile record that starts at pos, or 0 when no complete
// record starts there.
std::size_t NextRecord(const std::string& bytes, std::size_t pos)
{
    if (pos + 3 > bytes.size())
        return 0;
    const std::size_t posB = pos + 3 + byteAt(bytes, pos + 2);
    if (posB + 1 > bytes.size())
        return 0;
    const std::size_t end = posB + 1 + byteAt(bytes, posB);
    return end > bytes.size() ? 0 : end;
}

// A name that stays inside the current directory once ".pfl" is appended.
bool isPlainFileName(const std::string& name)
{
    return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}
} // namespace

cSession::cSession(const std::string& profileName)
{
    StartScore = kStartScore;
    MaxScore = kMaxScore;
    EasyAbove = kEasyAbove;
    MediumFrom = 40;

    Config.Load("config.ini");
    std::int32_t value = 0;
    if (Config.GetIntValue("WieHartBestraft", value))
        WieHartBestraft = static_cast<std::uint32_t>(std::clamp<std::int32_t>(value, 0, MaxSetting));
    value = 0;
    if (Config.GetIntValue("WieIntensiv", value))
        WieIntensiv = static_cast<std::uint32_t>(std::clamp<std::int32_t>(value, 0, MaxSetting));
    SetLearningSettings(WieIntensiv, WieHartBestraft);

    if (Config.WasTooLarge())
        ShowMessage("Die Datei \"config.ini\" ist zu gro\xDF (\xFC" "ber 1 MB) und wird nicht gelesen; "
                    "Tavrio nimmt die Grundeinstellungen.");

    ProfileName = profileName;
    ProfileFile = profileName + ".pfl";
    std::string bytes;
    switch (ReadFileLimited(ProfileFile, bytes, MaxProfileBytes)) {
    case cReadResult::Ok:
        break;
    case cReadResult::TooLarge:
        throw cProfileError("Das Profil \"" + profileName + "\" ist zu gro\xDF (\xFC" "ber 8 MB) und kann nicht "
                            "geladen werden.");
    default:
        throw cProfileError("Das Profil \"" + profileName + "\" konnte nicht geladen werden.");
    }
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
    // Count the complete records first, so the lists are sized once, with
    // headroom for the records this session adds: the first new answer does
    // not move every record.
    const std::size_t first = 1 + nameLength;
    std::size_t count = 0;
    std::size_t wordBytes = 0;
    for (std::size_t pos = first, end; (end = NextRecord(bytes, pos)) != 0; pos = end) {
        ++count;
        wordBytes += end - pos - 4;
    }
    Stats.reserve(count + count / 4 + 64);
    StatWords.reserve(wordBytes + wordBytes / 4 + 1024);
    const std::string_view all(bytes);
    for (std::size_t pos = first, end; (end = NextRecord(bytes, pos)) != 0; pos = end) {
        const std::string_view wordA = all.substr(pos + 3, byteAt(bytes, pos + 2));
        const std::size_t posB = pos + 3 + wordA.size();
        const std::string_view wordB = all.substr(posB + 1, byteAt(bytes, posB));
        const auto score = [&](std::size_t at) {
            return static_cast<std::uint8_t>(std::min<int>(byteAt(bytes, at), MaxScore));
        };
        AppendRecord(wordA, wordB, score(pos), score(pos + 1), HashPair(HashWord(wordA), HashWord(wordB)));
    }
    // The index grew with the distinct pairs (a file of one pair repeated
    // needs a tiny one); now the same headroom as the records.
    StatIndex.reserve(StatIndex.size() + StatIndex.size() / 4 + 64);
}

bool cSession::AppendRecord(std::string_view wordA, std::string_view wordB, std::uint8_t scoreAB,
                            std::uint8_t scoreBA, std::uint32_t hash)
{
    if (wordA.size() > MaxWordBytes || wordB.size() > MaxWordBytes || StatWords.size() > cFieldTable::MaxBytes)
        return false;
    const auto position = static_cast<std::uint32_t>(Stats.size());
    Stats.push_back({static_cast<std::uint32_t>(StatWords.size()), static_cast<std::uint8_t>(wordA.size()),
                     static_cast<std::uint8_t>(wordB.size()), scoreAB, scoreBA});
    StatWords += wordA;
    StatWords += wordB;
    const StatRecord& r = Stats.back();
    StatIndex.insert(hash, position, [&](std::uint32_t i) {
        return WordA(Stats[i]) == WordA(r) && WordB(Stats[i]) == WordB(r);
    });
    return true;
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
    const LearningSteps steps = StepsFor(WieIntensiv, WieHartBestraft);
    RewardStep = steps.reward;
    PenaltyStep = -steps.penalty;
}

cSession::LearningSteps cSession::StepsFor(std::uint32_t intensity, std::uint32_t strictness)
{
    intensity = std::min(intensity, MaxSetting);
    strictness = std::min(strictness, MaxSetting);
    LearningSteps steps{};
    steps.reward = static_cast<std::int32_t>(100 / (intensity + 4));
    steps.penalty = steps.reward * static_cast<std::int32_t>(strictness / 20);
    // RecordAnswer adds the reward and stops at the maximum score. Without
    // a reward (intensity 97 and above) a pair never gets there: 0.
    int score = kStartScore;
    while (steps.reward > 0 && score <= kEasyAbove) {
        score = std::min(score + steps.reward, kMaxScore);
        ++steps.rightAnswersToEasy;
    }
    return steps;
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
    switch (ReadFileLimited(fileName, bytes, MaxListBytes)) {
    case cReadResult::Ok:
        break;
    case cReadResult::TooLarge:
        ShowMessage(ListTooLargeMessage(fileName));
        return;
    default:
        ShowMessage("Konnte \"" + fileName + "\" nicht laden!");
        return;
    }
    // The four-line layout read in place, twice: once to size the storage
    // for the marked entries, once to copy them. Unmarked entries cost
    // nothing. The indexes grow with the distinct pairs only.
    std::size_t marked = 0;
    std::size_t entryBytes = 0;
    ForEachList4(bytes, [&](std::string_view o, std::string_view t, std::string_view m, std::string_view p) {
        if (m == "1") {
            ++marked;
            entryBytes += cFieldTable::RowBytes({o, t, p});
        }
    });
    if (Entries.bufferBytes() + entryBytes > cFieldTable::MaxBytes) {
        ShowMessage("Konnte \"" + fileName + "\" nicht laden!");
        return;
    }
    const std::size_t expected = Entries.size() + marked;
    Entries.reserveMore(marked, entryBytes);
    growFor(NextSame, expected);
    growFor(Difficulty, expected);
    ForEachList4(bytes, [this](std::string_view o, std::string_view t, std::string_view m, std::string_view p) {
        if (m == "1")
            AppendEntry(o, t, p);
    });
}

void cSession::AppendEntry(std::string_view original, std::string_view translation, std::string_view phonetic)
{
    const auto index = static_cast<std::uint32_t>(Entries.size());
    Entries.push_back({original, translation, phonetic});
    NextSame.push_back(npos);
    const Hashed p = Hash(original, translation);
    const std::uint32_t first = EntryIndex.insert(HashPair(p.h1, p.h2), index, [&](std::uint32_t j) {
        return Entries.field(j, Original) == original && Entries.field(j, Translation) == translation;
    });
    if (first != index) {
        NextSame[index] = NextSame[first];
        NextSame[first] = index;
    }
    FoldIndex.insert(HashPair(HashWordFolded(original), HashWordFolded(translation)), index, [&](std::uint32_t j) {
        return EqualUpperAZ(Entries.field(j, Original), original) &&
               EqualUpperAZ(Entries.field(j, Translation), translation);
    });
    const int d = EntryDifficulty(Hashed{translation, original, p.h2, p.h1});
    Difficulty.push_back(static_cast<std::uint8_t>(d));
    ++DifficultyCount[d];
}

cSession::Hashed cSession::Hash(std::string_view first, std::string_view second)
{
    return {first, second, HashWord(first), HashWord(second)};
}

cSession::Match cSession::FindRecord(const Hashed& p) const
{
    Match m;
    const std::uint32_t direct = StatIndex.find(HashPair(p.h1, p.h2), [&](std::uint32_t i) {
        return WordA(Stats[i]) == p.first && WordB(Stats[i]) == p.second;
    });
    if (direct != npos)
        m = {direct, true};
    if (p.first != p.second) {
        const std::uint32_t reverse = StatIndex.find(HashPair(p.h2, p.h1), [&](std::uint32_t i) {
            return WordA(Stats[i]) == p.second && WordB(Stats[i]) == p.first;
        });
        if (reverse < m.index)
            m = {reverse, false};
    }
    return m;
}

std::uint32_t cSession::FindEntry(const Hashed& p) const
{
    return EntryIndex.find(HashPair(p.h1, p.h2), [&](std::uint32_t j) {
        return Entries.field(j, Original) == p.first && Entries.field(j, Translation) == p.second;
    });
}

std::uint32_t cSession::FindEntryFolded(std::string_view first, std::string_view second) const
{
    return FoldIndex.find(HashPair(HashWordFolded(first), HashWordFolded(second)), [&](std::uint32_t j) {
        return EqualUpperAZ(Entries.field(j, Original), first) && EqualUpperAZ(Entries.field(j, Translation), second);
    });
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

int cSession::EntryDifficulty(const Hashed& translationFirst) const
{
    return DifficultyOfScore(ScoreOf(FindRecord(translationFirst)));
}

void cSession::RefreshChain(const Hashed& originalFirst)
{
    const std::uint32_t first = FindEntry(originalFirst);
    if (first == npos)
        return;
    // Every entry of the chain is the same pair, so has the same difficulty.
    const int d = EntryDifficulty(Hashed{originalFirst.second, originalFirst.first, originalFirst.h2, originalFirst.h1});
    for (std::uint32_t j = first; j != npos; j = NextSame[j]) {
        --DifficultyCount[Difficulty[j]];
        ++DifficultyCount[d];
        Difficulty[j] = static_cast<std::uint8_t>(d);
    }
}

void cSession::RefreshEntries(const Hashed& pair)
{
    if (Entries.empty())
        return;
    RefreshChain(pair);
    if (pair.first != pair.second)
        RefreshChain(Hashed{pair.second, pair.first, pair.h2, pair.h1});
}

int cSession::GetScore(const std::string& question, const std::string& answer) const
{
    return ScoreOf(FindRecord(Hash(question, answer)));
}

int cSession::GetDifficulty(const std::string& question, const std::string& answer) const
{
    return DifficultyOfScore(GetScore(question, answer));
}

bool cSession::HasStatistic(const std::string& question, const std::string& answer) const
{
    return FindRecord(Hash(question, answer)).index != npos;
}

void cSession::AddStatistic(const std::string& question, const std::string& answer)
{
    const auto start = static_cast<std::uint8_t>(StartScore);
    const Hashed p = Hash(question, answer);
    if (AppendRecord(question, answer, start, start, HashPair(p.h1, p.h2)))
        RefreshEntries(p);
}

void cSession::SetScore(const std::string& question, const std::string& answer, int value)
{
    const Hashed p = Hash(question, answer);
    Match m = FindRecord(p);
    if (m.index == npos) {
        const auto start = static_cast<std::uint8_t>(StartScore);
        if (!AppendRecord(question, answer, start, start, HashPair(p.h1, p.h2)))
            return;  // cannot be stored in the profile: no record
        m = {static_cast<std::uint32_t>(Stats.size() - 1), true};
    }
    StatRecord& r = Stats[m.index];
    const auto score = static_cast<std::uint8_t>(std::clamp(value, 0, MaxScore));
    (m.asAB ? r.scoreAB : r.scoreBA) = score;
    RefreshEntries(p);
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
    original = Entries.field(found, Original);
    translation = Entries.field(found, Translation);
    phonetic = Entries.field(found, Phonetic);
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
    const Hashed p = Hash(question, answer);
    const bool right = FindEntry(p) != npos || FindEntry(Hashed{answer, question, p.h2, p.h1}) != npos;
    if (!right)
        answer = expected;
    RecordAnswer(question, answer, right);
    return right;
}

bool cSession::IstDasRichtigNoCase(const std::string& question, std::string answer, const std::string& expected)
{
    const std::uint32_t first = std::min(FindEntryFolded(question, answer), FindEntryFolded(answer, question));
    if (first == npos) {
        RecordAnswer(question, expected, false);
        return false;
    }
    RecordAnswer(std::string(Entries.field(first, Original)), std::string(Entries.field(first, Translation)), true);
    return true;
}

bool cSession::SaveProfile()
{
    if (!isPlainFileName(ProfileName) || ProfileName.size() > MaxWordBytes)
        return false;
    std::string out;
    std::size_t size = 1 + ProfileName.size();
    for (const auto& r : Stats)
        size += 4 + r.lengthA + r.lengthB;
    out.reserve(size);
    out += static_cast<char>(ProfileName.size());
    out += ProfileName;
    for (const auto& r : Stats) {
        out += static_cast<char>(r.scoreAB);
        out += static_cast<char>(r.scoreBA);
        out += static_cast<char>(r.lengthA);
        out += WordA(r);
        out += static_cast<char>(r.lengthB);
        out += WordB(r);
    }
    // A profile that stores no name goes back to the file it came from,
    // never to a hidden ".pfl".
    return WriteFileAtomic(ProfileName.empty() ? ProfileFile : ProfileName + ".pfl", out);
}
