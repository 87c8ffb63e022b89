#include "TempSession.h"

#include <cstdlib>
#include <fstream>

namespace tavrio::test {

cTempSession::cTempSession(const cWordPairs& pairs)
{
    previous_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "tavrio-exercises-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("no temporary directory");
    dir_ = pattern;
    std::filesystem::current_path(dir_);
    writeFile("Test.pfl", std::string(1, '\4') + "Test");
    std::string list;
    for (const auto& [original, translation] : pairs)
        list += original + "\r\n" + translation + "\r\n1\r\n\r\n";
    writeFile("woerter.vok", list);
    session = std::make_unique<cSession>("Test");
    if (!pairs.empty())
        session->AddVocabularyFile("woerter.vok");
}

cTempSession::~cTempSession()
{
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(dir_, ec);
}

void cTempSession::writeFile(const std::string& name, const std::string& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace tavrio::test
