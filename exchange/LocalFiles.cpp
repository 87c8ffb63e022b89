#include "exchange/LocalFiles.h"

#include "engine/Files.h"

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

std::string localPath(const std::string& dir, const std::string& name)
{
    return (dir.empty() ? std::string(".") : dir) + "/" + name;
}

bool writeFileAtomically(const std::string& dir, const std::string& name, const std::string& bytes)
{
    return WriteFileAtomic(localPath(dir, name), bytes);
}

std::string baseName(const std::string& path)
{
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

} // namespace tavrio::exchange
