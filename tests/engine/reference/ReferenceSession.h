#pragma once
// A plain, slow learner session written straight from the linear rules:
// parallel lists, decimal score texts, every lookup a walk from the first
// record. The differential test runs it beside cSession, the benchmark
// times it beside cSession. It shares only the list and config readers.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/ConfigFile.h"

class cReferenceSession {
public:
    // Throws std::runtime_error when the profile cannot be read.
    explicit cReferenceSession(const std::string& profileName);

    void GetProfileName(std::string& name) const { name = ProfileName; }
    std::uint32_t GetIntensity() const { return WieIntensiv; }
    std::uint32_t GetStrictness() const { return WieHartBestraft; }
    void SetLearningSettings(std::uint32_t intensity, std::uint32_t strictness);
    bool SaveConfig() { return Config.Save(); }
    void ClearWords();
    void AddVocabularyFile(const std::string& fileName);
    void GetNextWord(std::string& original, std::string& translation);
    void GetRandomWord(std::string& original, std::string& translation, std::string& phonetic, int difficulty);
    bool IstDasRichtig(const std::string& question, std::string answer, const std::string& expected);
    bool IstDasRichtigNoCase(const std::string& question, std::string answer, const std::string& expected);
    int GetDifficulty(const std::string& question, const std::string& answer) const;
    int GetScore(const std::string& question, const std::string& answer) const;
    bool SaveProfile();

    bool HasStatistic(const std::string& question, const std::string& answer) const;
    void AddStatistic(const std::string& question, const std::string& answer);
    void SetScore(const std::string& question, const std::string& answer, int value);
    void RecordAnswer(const std::string& question, const std::string& answer, bool right);
    int CountWords(int difficulty) const;
    void GetWord(int n, int difficulty, std::string& original, std::string& translation,
                 std::string& phonetic) const;

    std::size_t StatisticCount() const { return StatWordA.size(); }
    int GetRewardStep() const { return RewardStep; }
    int GetPenaltyStep() const { return PenaltyStep; }

private:
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
    std::vector<std::string> StatWordA, StatWordB, StatScoreBA, StatScoreAB;
    std::vector<std::string> LoadedFiles, Originals, Translations, Phonetics;
};
