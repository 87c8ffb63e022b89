#pragma once
// cPostData: the multipart/form-data upload request, written byte by byte.
// The boundary is fixed; plain fields come first (in the order added), then
// file fields, each file sent under the file name "pelikor.txt".
#include <optional>
#include <string>
#include <vector>

class cPostData {
public:
    static constexpr const char* Boundary = "---------------------------24464570528145";

    std::string Host;
    std::string Path;

    void AddField(const std::string& name, const std::string& value);
    void AddFile(const std::string& fieldName, const std::string& filePath);

    // The body, or nothing when a file cannot be read.
    std::optional<std::string> BuildBody() const;
    // Request line, headers, empty line and body; nothing when a file cannot
    // be read.
    std::optional<std::string> BuildRequest() const;

private:
    std::vector<std::string> fieldNames_, fieldValues_;
    std::vector<std::string> filePaths_, fileFields_;
};

namespace tavrio::exchange {
// The whole file as bytes, or nothing when it cannot be opened or read or
// is larger than a list may be; the path is engine bytes (engine/Files.h).
std::optional<std::string> readFileBytes(const std::string& path);
}
