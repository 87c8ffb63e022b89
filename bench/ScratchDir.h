#pragma once
// A benchmark program's working directory: a fresh temporary directory is
// made and entered before the benchmarks run; on exit the previous working
// directory is entered again and the scratch directory removed.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace tavrio::bench {

class cScratchDir {
public:
    // `prefix` names the directory, e.g. "tavrio-bench" gives tavrio-bench-XXXXXX.
    explicit cScratchDir(const std::string& prefix)
    {
        std::string d = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (!mkdtemp(d.data()))
            std::abort();
        dir_ = d;
        std::filesystem::current_path(dir_);
    }
    ~cScratchDir()
    {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(dir_, ec);
    }
    cScratchDir(const cScratchDir&) = delete;
    cScratchDir& operator=(const cScratchDir&) = delete;

private:
    std::filesystem::path previous_ = std::filesystem::current_path();
    std::filesystem::path dir_;
};

} // namespace tavrio::bench
