#pragma once
// Fixture base: each test runs in a fresh temporary working directory (the
// engine reads "config.ini", profiles and lists from the current directory)
// and records the engine's messages instead of showing them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class cTempDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static void WriteFile(const std::string& name, const std::string& bytes);
    static std::string ReadFile(const std::string& name);
    // A profile file "<fileName>.pfl" holding the name and the raw records.
    static void WriteProfile(const std::string& fileName, const std::string& storedName,
                             const std::string& records = {});
    // One profile record in file layout.
    static std::string Record(int scoreAB, int scoreBA, const std::string& a, const std::string& b);

    std::vector<std::string> messages;

private:
    std::filesystem::path previous_;
    std::filesystem::path dir_;
};
