#include "exchange/LocalFiles.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <fstream>

namespace tavrio::exchange {

bool isSafeFileName(std::string_view name)
{
    if (name.empty() || name == "." || name.find("..") != std::string_view::npos)
        return false;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 32 || c == 127 || std::string_view("/\\:*?\"<>|").find(ch) != std::string_view::npos)
            return false;
    }
    return true;
}

bool writeFileAtomically(const std::string& dir, const std::string& name, const std::string& bytes)
{
    const std::string target = (dir.empty() ? std::string(".") : dir) + "/" + name;
    const std::string temp = target + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    // std::filesystem::rename replaces an existing file on every platform.
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

std::string baseName(const std::string& path)
{
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

} // namespace tavrio::exchange
