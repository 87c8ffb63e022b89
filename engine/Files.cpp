#include "engine/Files.h"

#include "engine/Text.h"

#include <cstdio>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

char32_t codePointOf(unsigned char c) { return Cp1252CodePoint(c); }
int byteOf(char32_t u) { return Cp1252Byte(u); }

bool hasHighByte(std::string_view s)
{
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

bool matches(std::string_view name, std::string_view pattern)
{
    // Greedy glob with one back-tracking point, linear in practice.
    std::size_t n = 0, p = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

#ifndef _WIN32
bool isUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (len == 0 || i + len > s.size())
            return false;
        for (std::size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += len;
    }
    return true;
}

// A file that an earlier build named with the raw bytes becomes the UTF-8
// name it has now. Nothing happens when the new name is taken already.
void migrateRawName(const std::string& name)
{
    // Raw bytes that happen to form UTF-8 name a different, current file.
    if (!hasHighByte(name) || isUtf8(name))
        return;
    std::error_code ec;
    const fs::path raw(name);
    if (!fs::is_regular_file(raw, ec))
        return;
    const fs::path target = DiskPath(name);
    if (fs::exists(fs::symlink_status(target, ec)))
        return;
    fs::rename(raw, target, ec);
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The directory entry of a rename reaches the disk only when the directory
// itself is flushed. Some file systems refuse this; the rename stands anyway.
void syncDirectoryOf(const fs::path& file)
{
    fs::path dir = file.parent_path();
    if (dir.empty())
        dir = ".";
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
#else
void migrateRawName(const std::string&) {}
#endif

std::FILE* openRead(const fs::path& p)
{
#ifdef _WIN32
    return ::_wfopen(p.c_str(), L"rb");
#else
    return std::fopen(p.c_str(), "rb");
#endif
}

} // namespace

std::string Utf8FromAnsi(std::string_view ansi)
{
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 4);
    for (const char ch : ansi) {
        const char32_t u = codePointOf(static_cast<unsigned char>(ch));
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> AnsiFromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        char32_t u;
        std::size_t len;
        if (c < 0x80) {
            u = c;
            len = 1;
        } else if ((c & 0xE0) == 0xC0) {
            u = c & 0x1F;
            len = 2;
        } else if ((c & 0xF0) == 0xE0) {
            u = c & 0x0F;
            len = 3;
        } else {
            return std::nullopt; // 4-byte sequences lie outside the code page anyway
        }
        if (i + len > utf8.size())
            return std::nullopt;
        for (std::size_t k = 1; k < len; ++k) {
            const auto t = static_cast<unsigned char>(utf8[i + k]);
            if ((t & 0xC0) != 0x80)
                return std::nullopt;
            u = (u << 6) | (t & 0x3F);
        }
        // Over-long forms are not UTF-8.
        if ((len == 2 && u < 0x80) || (len == 3 && u < 0x800))
            return std::nullopt;
        const int b = byteOf(u);
        if (b < 0)
            return std::nullopt;
        out += static_cast<char>(b);
        i += len;
    }
    return out;
}

fs::path DiskPath(const std::string& name)
{
#ifdef _WIN32
    std::wstring wide;
    wide.reserve(name.size());
    for (const char ch : name)
        wide += static_cast<wchar_t>(codePointOf(static_cast<unsigned char>(ch)));
    return fs::path(wide);
#else
    return fs::path(Utf8FromAnsi(name));
#endif
}

std::optional<std::string> EngineName(const fs::path& onDisk)
{
#ifdef _WIN32
    std::string out;
    for (const wchar_t w : onDisk.native()) {
        const int b = byteOf(static_cast<char32_t>(w));
        if (b < 0)
            return std::nullopt;
        out += static_cast<char>(b);
    }
    return out;
#else
    return AnsiFromUtf8(onDisk.native());
#endif
}

cReadResult ReadFileLimited(const std::string& name, std::string& out, std::uintmax_t maxBytes)
{
    migrateRawName(name);
    const fs::path p = DiskPath(name);
    std::error_code ec;
    const auto st = fs::status(p, ec);
    if (ec || !fs::exists(st))
        return cReadResult::Missing;
    if (fs::is_directory(st))
        return cReadResult::Unreadable;
    const std::uintmax_t size = fs::is_regular_file(st) ? fs::file_size(p, ec) : 0;
    if (!ec && size > maxBytes)
        return cReadResult::TooLarge;
    std::FILE* f = openRead(p);
    if (!f)
        return cReadResult::Unreadable;
    std::string data;
    if (!ec)
        data.reserve(static_cast<std::size_t>(size));
    // The size may change while reading (or be unknown for a device): the
    // limit holds for the bytes actually read.
    char buf[1 << 16];
    std::size_t n;
    bool tooLarge = false;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        if (data.size() + n > maxBytes) {
            tooLarge = true;
            break;
        }
        data.append(buf, n);
    }
    const bool ok = std::ferror(f) == 0;
    std::fclose(f);
    if (tooLarge)
        return cReadResult::TooLarge;
    if (!ok)
        return cReadResult::Unreadable;
    out = std::move(data);
    return cReadResult::Ok;
}

bool ReadFileBytes(const std::string& name, std::string& out)
{
    return ReadFileLimited(name, out, UINTMAX_MAX) == cReadResult::Ok;
}

bool WriteFileAtomic(const std::string& name, const std::string& bytes)
{
    migrateRawName(name);
    const fs::path target = DiskPath(name);
    const fs::path tmp = DiskPath(name + ".tmp");
    std::error_code ec;
#ifdef _WIN32
    // _commit is FlushFileBuffers: the new contents reach the disk before
    // the rename; MOVEFILE_WRITE_THROUGH returns only once the rename is on
    // the disk too. NTFS journals the directory change itself.
    std::FILE* f = ::_wfopen(tmp.c_str(), L"wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (std::fflush(f) == 0) && ok;
    ok = (::_commit(::_fileno(f)) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    if (ok)
        ok = ::MoveFileExW(tmp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok)
        fs::remove(tmp, ec);
    return ok;
#else
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        fs::rename(tmp, target, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(tmp, ec);
        return false;
    }
    syncDirectoryOf(target);
    return true;
#endif
}

bool FileExists(const std::string& name)
{
    migrateRawName(name);
    std::error_code ec;
    const auto st = fs::status(DiskPath(name), ec);
    return !ec && fs::exists(st) && !fs::is_directory(st);
}

bool RemoveFile(const std::string& name)
{
    migrateRawName(name);
    std::error_code ec;
    return fs::remove(DiskPath(name), ec) && !ec;
}

std::vector<std::string> ListDirectory(const std::string& dir, std::string_view pattern)
{
    const fs::path base = dir.empty() ? fs::path(".") : DiskPath(dir);
    // Read the whole directory first: renaming while iterating could list a
    // migrated file a second time.
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_regular_file(typeEc))
            files.push_back(it->path().filename());
    }
    std::vector<std::string> names;
    for (const fs::path& file : files) {
        std::optional<std::string> name = EngineName(file);
#ifndef _WIN32
        if (!name && !isUtf8(file.native())) {
            // A raw 8-bit name of an earlier build. It joins the list under
            // its new name, unless that name is taken, in which case the file
            // with the new name is listed alone.
            const std::string& raw = file.native();
            const fs::path target = base / Utf8FromAnsi(raw);
            std::error_code mv;
            if (fs::exists(fs::symlink_status(target, mv)))
                continue;
            fs::rename(base / file, target, mv);
            if (mv)
                continue;
            name = raw;
        }
#endif
        if (name && matches(*name, pattern))
            names.push_back(std::move(*name));
    }
    return names;
}
