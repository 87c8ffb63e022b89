#pragma once
// Files named by engine bytes. A name (or a path) handed to these helpers is
// Windows-1252 text, like every other engine string. One conversion turns it
// into the name on disk: on Linux and macOS the text is written as UTF-8 in
// the file name, on Windows it is the ANSI name it is (opened through its
// UTF-16 form). Directory listings convert back the same way, so no raw byte
// above 127 ever reaches the file system.
//
// Files named by earlier builds with the raw bytes ("J\xFCrgen.pfl" as a
// Latin-1 name) are still found: the first helper that meets one renames it
// to the UTF-8 form. When both forms exist the UTF-8 file wins and the old
// one is left untouched on disk.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Windows-1252 bytes as UTF-8. Total: the five unassigned bytes become the
// C1 code points of the same number.
std::string Utf8FromAnsi(std::string_view ansi);
// UTF-8 back to Windows-1252; nullopt for invalid UTF-8 or a character the
// code page cannot hold.
std::optional<std::string> AnsiFromUtf8(std::string_view utf8);

// The path on disk for an engine name.
std::filesystem::path DiskPath(const std::string& name);
// The engine name of a name on disk; nullopt when it has none (a character
// outside Windows-1252, or a raw 8-bit name on Linux and macOS).
std::optional<std::string> EngineName(const std::filesystem::path& onDisk);

enum class cReadResult { Ok, Missing, Unreadable, TooLarge };
// Whole file into out (left unchanged unless Ok). A file larger than
// maxBytes is refused before anything is read.
cReadResult ReadFileLimited(const std::string& name, std::string& out, std::uintmax_t maxBytes);
// Whole file into out; false when it is missing or cannot be read.
bool ReadFileBytes(const std::string& name, std::string& out);
// Writes "<name>.tmp", flushes it to the disk, renames it over name and
// flushes the directory. False on any failure; the old file is then left as
// it was and no temporary file stays behind.
bool WriteFileAtomic(const std::string& name, const std::string& bytes);
// True for an existing file that is not a directory.
bool FileExists(const std::string& name);
// Removes a file; false when it could not be removed.
bool RemoveFile(const std::string& name);

// Names (engine bytes, without the directory) of the regular files in dir
// ("" or "." for the current directory) that match pattern, where '*' is any
// run of characters and '?' one character; in the order the directory gives
// them. Old raw 8-bit names are migrated on the way.
std::vector<std::string> ListDirectory(const std::string& dir, std::string_view pattern);
