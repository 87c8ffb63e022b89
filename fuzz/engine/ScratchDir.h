#pragma once
// The session reads and writes its files in the current directory. A fuzz
// target that makes files works inside this scratch directory (made once per
// process under the system's temporary directory, named with the process id) for the length of one
// input, so a replay run from the source tree leaves nothing behind there.
#include <filesystem>
#include <string>

#include <unistd.h>

class cScratchDir {
public:
    cScratchDir() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(dir()); }
    ~cScratchDir() { std::filesystem::current_path(previous_); }
    cScratchDir(const cScratchDir&) = delete;
    cScratchDir& operator=(const cScratchDir&) = delete;

private:
    static const std::filesystem::path& dir()
    {
        // Removed at a normal exit; after a crash it stays, with the input
        // that libFuzzer wrote into it.
        struct Owned {
            std::filesystem::path path;
            Owned() : path(std::filesystem::temp_directory_path() / ("tavrio-fuzz-engine-" + std::to_string(getpid())))
            {
                std::filesystem::create_directories(path);
            }
            ~Owned()
            {
                std::error_code ec;
                std::filesystem::remove_all(path, ec);
            }
        };
        static const Owned d;
        return d.path;
    }
    std::filesystem::path previous_;
};
