#include "transfer/ListImport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tavrio::transfer;

namespace {

using cPairs = std::vector<std::vector<std::string>>;  // original, translation, phonetic (Windows-1252)

// A stand-in for the phonetic table: IPA text is accepted when it has no "?",
// and the bytes are the text's Windows-1252 form.
const cPhoneticCodec kCodec{
    [](const std::string& bytes) { return Utf8FromAnsi(bytes); },
    [](std::string_view ipa) -> std::optional<std::string> {
        if (ipa.find('?') != std::string_view::npos)
            return std::nullopt;
        return AnsiFromUtf8(ipa);
    }};

cPairs pairsOf(const cImportResult& r)
{
    cPairs out;
    for (const auto& e : r.entries) {
        EXPECT_EQ(e.mark, "1");
        out.push_back({e.original, e.translation, e.phonetic});
    }
    return out;
}

std::string utf16le(const std::u16string& s)
{
    std::string out = "\xFF\xFE";
    for (char16_t c : s) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

struct cFixture {
    const char* name;
    std::string file;
    cPairs expected;
};

} // namespace

TEST(ImportList, everyExporterShapeGivesItsList)
{
    const std::vector<cFixture> table = {
        {"spreadsheet csv with header, quotes, semicolons and a line break in a field",
         "Original;\xc3\x9c" "bersetzung\r\n\"to be; or not\";\"sein; oder nicht\"\r\n\"say \"\"hi\"\"\";\"sag\r\nhallo\"\r\n"
         "house;Haus\r\n",
         {{"to be; or not", "sein; oder nicht", ""}, {"say \"hi\"", "sag hallo", ""}, {"house", "Haus", ""}}},
        {"comma separated without header, third column a transcription",
         "cat,Katze,k\xc3\xa6t\ndog,Hund,\n", {{"cat", "Katze", "k\xe6t"}, {"dog", "Hund", ""}}},
        {"quizlet: term, tab, definition", "la mer\tdas Meer\nle ciel\tder Himmel", {{"la mer", "das Meer", ""}, {"le ciel", "der Himmel", ""}}},
        {"anki export with header lines, html and a tags column",
         "#separator:tab\n#html:true\n#tags column:3\n<b>la maison</b>\tdas Haus&nbsp;<br>(Geb&auml;ude) &amp; Hof\tnoun\n"
         "l&#39;eau [sound:eau.mp3]\t<div>das Wasser</div>\tnoun\n",
         {{"la maison", "das Haus (Geb\xe4ude) & Hof", ""}, {"l'eau", "das Wasser", ""}}},
        {"anki export with a notetype column first",
         "#separator:Semicolon\n#notetype column:1\nBasic;Baum;tree\n", {{"Baum", "tree", ""}}},
        {"kvtml 2 with pronunciation",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
         "<kvtml version=\"2.0\"><identifiers/><entries>"
         "<entry id=\"0\"><translation id=\"1\"><text>Haus</text></translation>"
         "<translation id=\"0\"><text>house</text><pronunciation>ha\xca\x8as</pronunciation></translation></entry>"
         "<entry id=\"1\"><translation id=\"0\"><text>tree</text></translation><translation id=\"1\"><text>Baum</text>"
         "</translation><translation id=\"2\"><text>arbre</text></translation></entry></entries></kvtml>",
         {{"house", "Haus", ""}, {"tree", "Baum", ""}}},
        {"utf-16 with BOM as Excel's unicode text", utf16le(u"Stra\u00dfe\tstreet\r\ngar\u00e7on\tJunge\r\n"),
         {{"Stra\xdf" "e", "street", ""}, {"gar\xe7on", "Junge", ""}}},
        {"utf-8 with BOM", "\xEF\xBB\xBF" "M\xc3\xbc" "he;effort\n", {{"M\xfc" "he", "effort", ""}}},
        {"windows-1252 bytes", "Gr\xfc\xdf" "e;greeting\n\x80;euro\n", {{"Gr\xfc\xdf" "e", "greeting", ""}, {"\x80", "euro", ""}}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        const cImportResult r = ImportList(row.file, kCodec);
        EXPECT_EQ(r.error, "");
        EXPECT_EQ(pairsOf(r), row.expected);
    }
}

TEST(ImportList, kvtmlPronunciationIsTakenAsTranscription)
{
    // ʊ is not in the stand-in table's code page, so only the plain one is taken.
    const cImportResult r = ImportList(
        "<kvtml version=\"2.0\"><entries><entry><translation id=\"0\"><text>bed</text><pronunciation>[bed]"
        "</pronunciation></translation><translation id=\"1\"><text>Bett</text></translation></entry></entries></kvtml>",
        kCodec);
    EXPECT_EQ(pairsOf(r), (cPairs{{"bed", "Bett", "bed"}}));
}

TEST(ImportList, textWindows1252CannotHoldIsSkippedAndCounted)
{
    const cImportResult r = ImportList("\xd0\xb4\xd0\xbe\xd0\xbc;Haus\nhouse;Haus\n\xce\xb1;alpha\nsmile;\xf0\x9f\x98\x80\nlonely;\n", kCodec);
    EXPECT_EQ(pairsOf(r), (cPairs{{"house", "Haus", ""}}));
    EXPECT_EQ(r.skippedForeign, 3);
    EXPECT_EQ(r.skippedIncomplete, 1);
    EXPECT_EQ(ImportSummary(r),
              "1 Eintrag \xc3\xbc" "bernommen. 4 \xc3\xbc" "bersprungen: 3 mit Zeichen, die eine Vokabelliste nicht "
              "speichern kann (etwa griechische oder kyrillische Buchstaben, Emoji), 1 ohne Original oder \xc3\x9c" "bersetzung.");
}

TEST(ImportList, unusableFilesGiveAMessageAndNoEntries)
{
    const std::vector<std::pair<const char*, std::string>> table = {
        {"empty", ""},
        {"blank lines", "\r\n \n"},
        {"binary", std::string("\x7f" "ELF\x02\x01\x01\x00\x00\x00", 10)},
        {"one column", "house\ntree\n"},
        {"kvtml not well-formed", "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><entries><entry>"},
        {"kvtml of an unknown version", "<kvtml version=\"1.0\"><e><o>a</o><t>b</t></e></kvtml>"},
        {"other xml", "<?xml version=\"1.0\"?><html><body/></html>"},
        {"only cyrillic", "\xd0\xb4\xd0\xbe\xd0\xbc;\xd0\xb4\xd0\xbe\xd0\xbc\n"},
        {"too large", std::string(kMaxImportBytes + 1, 'a')},
    };
    for (const auto& [name, file] : table) {
        SCOPED_TRACE(name);
        const cImportResult r = ImportList(file, kCodec);
        EXPECT_FALSE(r.error.empty());
        EXPECT_TRUE(r.entries.empty());
    }
}

TEST(ExportList, roundTripGivesTheSameList)
{
    const std::vector<cListEntry> list = {
        {"house", "Haus", "1", "ha\xfc" "s"},
        {"to be; or not", "sein \"oder\" nicht", "1", ""},
        {"Stra\xdf" "e", "street", "1", ""},
        {"Original", "\xdc" "bersetzung", "1", ""},  // a first entry that reads like a header stays an entry
    };
    const std::string file = ExportList(list, kCodec);
    const std::string head = "\xEF\xBB\xBF" "Original;\xc3\x9c" "bersetzung;Lautschrift\r\nhouse;Haus;ha\xc3\xbcs\r\n"
                             "\"to be; or not\";\"sein \"\"oder\"\" nicht\";\r\n";
    EXPECT_EQ(file.substr(0, head.size()), head);
    const cImportResult back = ImportList(file, kCodec);
    EXPECT_EQ(back.error, "");
    ASSERT_EQ(back.entries.size(), list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(back.entries[i].original, list[i].original);
        EXPECT_EQ(back.entries[i].translation, list[i].translation);
        EXPECT_EQ(back.entries[i].phonetic, list[i].phonetic);
    }
}
