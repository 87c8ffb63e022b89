#pragma once
// A learner session in a fresh temporary working directory, with one list
// of the given word pairs loaded. Restores the old directory on destruction.
#include "engine/Session.h"

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tavrio::test {

using cWordPairs = std::vector<std::pair<std::string, std::string>>;

class cTempSession {
public:
    explicit cTempSession(const cWordPairs& pairs);
    ~cTempSession();
    cTempSession(const cTempSession&) = delete;
    cTempSession& operator=(const cTempSession&) = delete;

    // The session; the caller may move it elsewhere (e.g. setSession).
    std::unique_ptr<cSession> session;
    const std::filesystem::path& dir() const { return dir_; }
    static void writeFile(const std::string& name, const std::string& bytes);

private:
    std::filesystem::path previous_;
    std::filesystem::path dir_;
};

} // namespace tavrio::test
