#pragma once
// cConfigFile: an ordered key/value store kept in a text file of line pairs
// (key line, value line, CR LF). Keys and values are stored escaped so each
// takes exactly one line. Duplicate keys are allowed: the first one is read
// and updated, all are written back. Texts are Windows-1252 bytes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class cConfigFile {
public:
    // The largest settings file read: 1 MiB ("config.ini" holds two short
    // pairs). A larger file is not read; the store stays empty.
    static constexpr std::uintmax_t MaxBytes = std::uintmax_t(1) << 20;

    cConfigFile() = default;
    // Loads the file; a missing or unreadable file gives an empty store.
    explicit cConfigFile(const std::string& fileName);

    // Remembers the file name, empties the store and reads the file. Returns
    // false when the file is missing or cannot be read (the store stays empty).
    bool Load(const std::string& fileName);
    // Whether the last Load refused the file as larger than MaxBytes.
    bool WasTooLarge() const { return TooLarge; }

    // First entry with exactly this key; false (value untouched) when none.
    bool GetValue(const std::string& key, std::string& value) const;
    // GetValue, then a signed 32-bit decimal ("-12", "+7"). False (value
    // untouched) when the key is missing or the text is not such a number.
    bool GetIntValue(const std::string& key, std::int32_t& value) const;
    // Replaces the value of the first matching key, or appends key and value.
    void SetValue(const std::string& key, const std::string& value);
    // Shortest general form, at most 15 significant digits, '.' as decimal
    // point whatever the locale; whole numbers as plain digits.
    void SetFloatValue(const std::string& key, double value);
    // Writes every pair to the remembered file through a temporary file that
    // is renamed over the old one. False when that fails; the old file is
    // then left as it was.
    bool Save() const;

    static std::string Escape(std::string_view text);
    static std::string Unescape(std::string_view text);

    const std::string& GetFileName() const { return FileName; }
    const std::vector<std::string>& GetKeys() const { return Keys; }
    const std::vector<std::string>& GetValues() const { return Values; }

private:
    std::string FileName;
    bool TooLarge = false;
    std::vector<std::string> Keys;
    std::vector<std::string> Values;
};
