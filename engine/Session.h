#pragma once
// cSession: the learning engine. One object exists while a learner is logged
// in. It holds the profile (name and per-pair statistics, file "<name>.pfl"),
// the two learning settings from "config.ini" and the vocabulary loaded from
// the ticked list files. All texts are Windows-1252 bytes, compared byte-wise.
#include <cstdint>
#include <string>

class cSession {
public:
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
    // Writes "config.ini"; returns false (old file intact) when it cannot.
    bool SaveConfig();

    void ClearWords();
    void AddVocabularyFile(const std::string& fileName);

    void GetNextWord(std::string& original, std::string& translation);
    void GetRandomWord(std::string& original, std::string& translation, std::string& phonetic, int difficulty);
    bool IstDasRichtig(const std::string& question, std::string answer, const std::string& expected);
    bool IstDasRichtigNoCase(const std::string& question, std::string answer, const std::string& expected);
    int GetDifficulty(const std::string& question, const std::string& answer) const;
    int GetScore(const std::string& question, const std::string& answer) const;
    // Writes "<ProfileName>.pfl"; returns false (old file intact) when it cannot.
    bool SaveProfile();

    // ... internal operations and fields: see engine/Session.cpp
};
