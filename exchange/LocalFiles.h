#pragma once
// Local file handling for downloaded lists: which names may be written, and
// writing them whole (temporary file, then rename).
#include <string>
#include <string_view>

namespace tavrio::exchange {

// A name from the exchange that stays inside the working directory: not
// empty, no "/" or "\", no "..", no drive prefix (":"), no control byte,
// none of * ? " < > | (names Windows refuses).
bool isSafeFileName(std::string_view name);

// The engine name of dir/name ("." for an empty dir).
std::string localPath(const std::string& dir, const std::string& name);

// Writes `bytes` to dir/name through the engine's atomic writer; dir and
// name are engine bytes (Windows-1252). False (and the old file untouched)
// when anything fails.
bool writeFileAtomically(const std::string& dir, const std::string& name, const std::string& bytes);

// The last path component of a local path, for "/" and "\" alike.
std::string baseName(const std::string& path);

} // namespace tavrio::exchange
