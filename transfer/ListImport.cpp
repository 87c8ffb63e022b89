#include "transfer/ListImport.h"

#include "engine/Files.h"
#include "transfer/DelimitedText.h"
#include "transfer/KvtmlReader.h"
#include "transfer/TextDecoding.h"

namespace tavrio::transfer {

namespace {

bool looksBinary(std::string_view utf8)
{
    std::size_t control = 0;
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0)
            return true;
        if (u < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f')
            ++control;
    }
    return control * 100 > utf8.size();
}

bool looksLikeXml(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t' || t.front() == '\r' || t.front() == '\n'))
        t.remove_prefix(1);
    return t.rfind("<?xml", 0) == 0 || t.rfind("<kvtml", 0) == 0 || t.rfind("<!DOCTYPE kvtml", 0) == 0;
}

std::string withoutBrackets(std::string s)
{
    if (s.size() >= 2 && ((s.front() == '[' && s.back() == ']') || (s.front() == '/' && s.back() == '/')))
        s = s.substr(1, s.size() - 2);
    return s;
}

// A list field is one line: a line break inside a quoted field becomes a blank.
std::string oneLine(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
            continue;
        out += (s[i] == '\r' || s[i] == '\n') ? ' ' : s[i];
    }
    return out;
}

// Adds one entry from UTF-8 fields, or counts why it was left out.
void take(cImportResult& r, const std::string& originalText, const std::string& translationText,
          const std::string& phonetic, const cPhoneticCodec& phonetics)
{
    const std::string original = oneLine(originalText);
    const std::string translation = oneLine(translationText);
    if (original.empty() || translation.empty()) {
        ++r.skippedIncomplete;
        return;
    }
    auto o = AnsiFromUtf8(original);
    auto t = AnsiFromUtf8(translation);
    if (!o || !t) {
        ++r.skippedForeign;
        return;
    }
    cListEntry e{std::move(*o), std::move(*t), "1", {}};
    if (!phonetic.empty() && phonetics.fromIpa)
        if (auto bytes = phonetics.fromIpa(withoutBrackets(phonetic)))
            e.phonetic = std::move(*bytes);
    r.entries.push_back(std::move(e));
}

std::string quoted(const std::string& utf8)
{
    if (utf8.find_first_of(";\"\r\n") == std::string::npos && (utf8.empty() || (utf8.front() != ' ' && utf8.back() != ' ')))
        return utf8;
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

} // namespace

cImportResult ImportList(std::string_view fileBytes, const cPhoneticCodec& phonetics)
{
    cImportResult r;
    if (fileBytes.size() > kMaxImportBytes) {
        r.error = "Die Datei ist zu gro\xc3\x9f zum Importieren (h\xc3\xb6" "chstens 16 MB).";
        return r;
    }
    const cDecodedText text = DecodeText(fileBytes);
    if (text.utf8.find_first_not_of(" \t\r\n") == std::string::npos) {
        r.error = "Die Datei ist leer.";
        return r;
    }
    if (looksBinary(text.utf8)) {
        r.error = "Die Datei ist keine Textdatei und kann nicht importiert werden.";
        return r;
    }
    if (looksLikeXml(text.utf8)) {
        const cKvtmlDocument doc = ReadKvtml(text.utf8);
        switch (doc.error) {
        case cKvtmlError::NotWellFormed:
            r.error = "Die KVTML-Datei ist fehlerhaft (kein g\xc3\xbcltiges XML) und kann nicht importiert werden.";
            return r;
        case cKvtmlError::NotKvtml:
            r.error = "Die XML-Datei ist keine KVTML-Vokabeldatei.";
            return r;
        case cKvtmlError::UnknownVersion:
            r.error = "Diese KVTML-Version wird nicht unterst\xc3\xbctzt (nur KVTML 2).";
            return r;
        case cKvtmlError::None:
            break;
        }
        for (const auto& e : doc.entries)
            take(r, e.original, e.translation, e.pronunciation, phonetics);
    } else {
        cDelimitedTable table = ReadDelimited(text.utf8);
        if (table.separator == 0) {
            r.error = "In der Datei wurden keine Wortpaare gefunden: Sie hat nur eine Spalte. Erwartet werden "
                      "Original und \xc3\x9c" "bersetzung, getrennt durch Tabulator, Semikolon oder Komma.";
            return r;
        }
        std::size_t first = (!table.rows.empty() && IsHeaderRow(table.rows.front())) ? 1 : 0;
        static const std::string none;
        for (std::size_t i = first; i < table.rows.size(); ++i) {
            const auto& row = table.rows[i];
            take(r, row.empty() ? none : row[0], row.size() > 1 ? row[1] : none, row.size() > 2 ? row[2] : none,
                 phonetics);
        }
    }
    if (r.entries.empty())
        r.error = "Keine Eintr\xc3\xa4ge \xc3\xbc" "bernommen. " + ImportSummary(r);
    return r;
}

std::string ImportSummary(const cImportResult& r)
{
    std::string s = std::to_string(r.entries.size()) + (r.entries.size() == 1 ? " Eintrag" : " Eintr\xc3\xa4ge")
                    + " \xc3\xbc" "bernommen.";
    const int skipped = r.skippedForeign + r.skippedIncomplete;
    if (skipped == 0)
        return s;
    s += " " + std::to_string(skipped) + " \xc3\xbc" "bersprungen:";
    if (r.skippedForeign > 0)
        s += " " + std::to_string(r.skippedForeign)
             + " mit Zeichen, die eine Vokabelliste nicht speichern kann (etwa griechische oder kyrillische "
               "Buchstaben, Emoji)" + (r.skippedIncomplete > 0 ? "," : ".");
    if (r.skippedIncomplete > 0)
        s += " " + std::to_string(r.skippedIncomplete) + " ohne Original oder \xc3\x9c" "bersetzung.";
    return s;
}

std::string ExportList(const std::vector<cListEntry>& entries, const cPhoneticCodec& phonetics)
{
    std::string out = "\xEF\xBB\xBF" "Original;\xc3\x9c" "bersetzung;Lautschrift\r\n";
    for (const auto& e : entries) {
        const std::string ipa = (!e.phonetic.empty() && phonetics.toIpa) ? phonetics.toIpa(e.phonetic) : std::string();
        out += quoted(Utf8FromAnsi(e.original)) + ';' + quoted(Utf8FromAnsi(e.translation)) + ';' + quoted(ipa) + "\r\n";
    }
    return out;
}

} // namespace tavrio::transfer
