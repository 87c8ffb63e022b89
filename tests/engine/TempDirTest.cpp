#include "tests/engine/TempDirTest.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "engine/Messages.h"

void cTempDirTest::SetUp()
{
    previous_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "tavrio-engine-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    std::filesystem::current_path(dir_);
    SetMessageHandler([this](const std::string& text) { messages.push_back(text); });
}

void cTempDirTest::TearDown()
{
    SetMessageHandler(nullptr);
    std::filesystem::current_path(previous_);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void cTempDirTest::WriteFile(const std::string& name, const std::string& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string cTempDirTest::ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void cTempDirTest::WriteProfile(const std::string& fileName, const std::string& storedName,
                                const std::string& records)
{
    WriteFile(fileName + ".pfl", std::string(1, static_cast<char>(storedName.size())) + storedName + records);
}

std::string cTempDirTest::Record(int scoreAB, int scoreBA, const std::string& a, const std::string& b)
{
    std::string r;
    r += static_cast<char>(scoreAB);
    r += static_cast<char>(scoreBA);
    r += static_cast<char>(a.size());
    r += a;
    r += static_cast<char>(b.size());
    r += b;
    return r;
}
