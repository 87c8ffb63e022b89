#include "tests/engine/reference/ReferenceSession.h"

#include <stdexcept>

#include "engine/ListFile.h"
#include "engine/Messages.h"
#include "engine/Random.h"
#include "engine/Text.h"

cReferenceSession::cReferenceSession(const std::string& profileName)
{
    Config.Load("config.ini");
    std::int32_t v = 0;
    if (Config.GetIntValue("WieHartBestraft", v))
        WieHartBestraft = static_cast<std::uint32_t>(v < 0 ? 0 : v > 100 ? 100 : v);
    v = 0;
    if (Config.GetIntValue("WieIntensiv", v))
        WieIntensiv = static_cast<std::uint32_t>(v < 0 ? 0 : v > 100 ? 100 : v);
    SetLearningSettings(WieIntensiv, WieHartBestraft);
    ProfileName = profileName;

    std::string f;
    if (!ReadFileBytes(profileName + ".pfl", f) || f.empty())
        throw std::runtime_error("profile");
    std::size_t pos = 0;
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(f[at]); };
    std::size_t n = byte(pos++);
    if (pos + n > f.size())
        throw std::runtime_error("profile");
    ProfileName = f.substr(pos, n);
    pos += n;
    while (pos < f.size()) {
        if (pos + 3 > f.size())
            break;
        int ab = byte(pos), ba = byte(pos + 1);
        std::size_t la = byte(pos + 2);
        if (pos + 3 + la + 1 > f.size())
            break;
        std::string a = f.substr(pos + 3, la);
        std::size_t lb = byte(pos + 3 + la);
        if (pos + 4 + la + lb > f.size())
            break;
        std::string b = f.substr(pos + 4 + la, lb);
        pos += 4 + la + lb;
        StatWordA.push_back(a);
        StatWordB.push_back(b);
        StatScoreBA.push_back(std::to_string(ba > 100 ? 100 : ba));
        StatScoreAB.push_back(std::to_string(ab > 100 ? 100 : ab));
    }
}

void cReferenceSession::SetLearningSettings(std::uint32_t intensity, std::uint32_t strictness)
{
    WieIntensiv = intensity > 100 ? 100 : intensity;
    WieHartBestraft = strictness > 100 ? 100 : strictness;
    Config.SetFloatValue("WieHartBestraft", WieHartBestraft);
    Config.SetFloatValue("WieIntensiv", WieIntensiv);
    RewardStep = static_cast<std::int32_t>(100 / (WieIntensiv + 4));
    PenaltyStep = -(RewardStep * static_cast<std::int32_t>(WieHartBestraft / 20));
}

void cReferenceSession::ClearWords()
{
    LoadedFiles.clear();
    Originals.clear();
    Translations.clear();
    Phonetics.clear();
}

void cReferenceSession::AddVocabularyFile(const std::string& fileName)
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
    for (const auto& e : ParseList4(bytes)) {
        if (e.mark != "1")
            continue;
        Originals.push_back(e.original);
        Translations.push_back(e.translation);
        Phonetics.push_back(e.phonetic);
    }
}

int cReferenceSession::GetScore(const std::string& q, const std::string& a) const
{
    for (std::size_t i = 0; i < StatWordA.size(); ++i) {
        if (StatWordA[i] == q && StatWordB[i] == a)
            return std::stoi(StatScoreAB[i]);
        if (StatWordA[i] == a && StatWordB[i] == q)
            return std::stoi(StatScoreBA[i]);
    }
    return StartScore;
}

bool cReferenceSession::HasStatistic(const std::string& q, const std::string& a) const
{
    for (std::size_t i = 0; i < StatWordA.size(); ++i)
        if ((StatWordA[i] == q && StatWordB[i] == a) || (StatWordA[i] == a && StatWordB[i] == q))
            return true;
    return false;
}

void cReferenceSession::AddStatistic(const std::string& q, const std::string& a)
{
    if (q.size() > 255 || a.size() > 255)
        return;
    StatWordA.push_back(q);
    StatWordB.push_back(a);
    StatScoreBA.push_back(std::to_string(StartScore));
    StatScoreAB.push_back(std::to_string(StartScore));
}

void cReferenceSession::SetScore(const std::string& q, const std::string& a, int value)
{
    value = value < 0 ? 0 : value > MaxScore ? MaxScore : value;
    for (std::size_t i = 0; i < StatWordA.size(); ++i) {
        if (StatWordA[i] == q && StatWordB[i] == a) {
            StatScoreAB[i] = std::to_string(value);
            return;
        }
        if (StatWordA[i] == a && StatWordB[i] == q) {
            StatScoreBA[i] = std::to_string(value);
            return;
        }
    }
    const std::size_t before = StatWordA.size();
    AddStatistic(q, a);
    if (StatWordA.size() > before)
        StatScoreAB.back() = std::to_string(value);
}

void cReferenceSession::RecordAnswer(const std::string& q, const std::string& a, bool right)
{
    int s = GetScore(q, a);
    if (right) {
        if (s < MaxScore) {
            s += RewardStep;
            if (s > MaxScore)
                s = MaxScore;
            SetScore(q, a, s);
        }
    } else if (s != 0) {
        s += PenaltyStep;
        SetScore(q, a, s < 0 ? 0 : s);
    }
}

int cReferenceSession::GetDifficulty(const std::string& q, const std::string& a) const
{
    const int s = GetScore(q, a);
    if (s > EasyAbove)
        return 0;
    if (s >= MediumFrom)
        return 1;
    return 2;
}

int cReferenceSession::CountWords(int d) const
{
    if (d == 3)
        return static_cast<int>(Originals.size());
    int n = 0;
    for (std::size_t i = 0; i < Originals.size(); ++i)
        if (GetDifficulty(Translations[i], Originals[i]) == d)
            ++n;
    return n;
}

void cReferenceSession::GetWord(int n, int d, std::string& original, std::string& translation,
                                std::string& phonetic) const
{
    int counted = 0;
    for (std::size_t i = 0; i < Originals.size(); ++i) {
        if (d != 3 && GetDifficulty(Translations[i], Originals[i]) != d)
            continue;
        if (++counted == n) {
            original = Originals[i];
            translation = Translations[i];
            phonetic = Phonetics[i];
            return;
        }
    }
}

void cReferenceSession::GetNextWord(std::string& original, std::string& translation)
{
    std::string phonetic;
    GetWord(Random(CountWords(3)) + 1, 3, original, translation, phonetic);
}

void cReferenceSession::GetRandomWord(std::string& original, std::string& translation, std::string& phonetic,
                                      int d)
{
    if (CountWords(d) == 0) {
        if (d == 2)
            d = 1;
        if (d == 0)
            d = 1;
        if (d == 1 && CountWords(1) == 0)
            d = CountWords(0) > CountWords(2) ? 0 : 2;
    }
    GetWord(Random(CountWords(d)) + 1, d, original, translation, phonetic);
}

bool cReferenceSession::IstDasRichtig(const std::string& q, std::string g, const std::string& e)
{
    bool right = false;
    for (std::size_t i = 0; i < Originals.size() && !right; ++i)
        right = (Originals[i] == q && Translations[i] == g) || (Originals[i] == g && Translations[i] == q);
    if (!right)
        g = e;
    RecordAnswer(q, g, right);
    return right;
}

bool cReferenceSession::IstDasRichtigNoCase(const std::string& q, std::string g, const std::string& e)
{
    const std::string uq = UpperAZ(q), ug = UpperAZ(g);
    for (std::size_t i = 0; i < Originals.size(); ++i) {
        const std::string uo = UpperAZ(Originals[i]), ut = UpperAZ(Translations[i]);
        if ((uo == uq && ut == ug) || (uo == ug && ut == uq)) {
            RecordAnswer(Originals[i], Translations[i], true);
            return true;
        }
    }
    RecordAnswer(q, e, false);
    return false;
}

bool cReferenceSession::SaveProfile()
{
    if (ProfileName.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
        return false;
    std::string f(1, static_cast<char>(ProfileName.size()));
    f += ProfileName;
    for (std::size_t i = 0; i < StatWordA.size(); ++i) {
        f += static_cast<char>(std::stoi(StatScoreAB[i]));
        f += static_cast<char>(std::stoi(StatScoreBA[i]));
        f += static_cast<char>(StatWordA[i].size());
        f += StatWordA[i];
        f += static_cast<char>(StatWordB[i].size());
        f += StatWordB[i];
    }
    return WriteFileAtomic(ProfileName + ".pfl", f);
}
