#pragma once
// Delimited text as spreadsheets and other trainers export it: comma,
// semicolon, tab or pipe separated fields, quoted fields with doubled quotes
// and line breaks inside quotes, and the header lines of Anki's plain-text
// export ("#separator:tab", "#html:true", "#tags column:3" ...).
#include <string>
#include <string_view>
#include <vector>

namespace tavrio::transfer {

struct cDelimitedTable {
    char separator = 0;   // 0: no separator found (one column)
    bool html = false;    // fields hold HTML (Anki "#html:true")
    std::vector<std::vector<std::string>> rows;  // UTF-8 fields, trimmed; empty lines left out
};

// Reads UTF-8 text. Anki's header lines set the separator and HTML flag and
// name columns that are dropped (guid, notetype, deck, tags); without a
// separator line the one that splits the first lines best is taken, in the
// order tab, semicolon, comma, pipe. HTML fields have their tags stripped and
// entities decoded; Anki's "[sound:...]" references are removed.
cDelimitedTable ReadDelimited(std::string_view utf8);

// The text of an HTML fragment: tags dropped (line-breaking tags become a
// blank), entities decoded, runs of white space made one blank.
std::string StripHtml(std::string_view html);

// True when the row looks like a header ("Original;Übersetzung",
// "Front,Back", "Englisch;Deutsch" ...).
bool IsHeaderRow(const std::vector<std::string>& row);

} // namespace tavrio::transfer
