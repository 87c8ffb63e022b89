#pragma once
// cWebinterface: the client of the exchange's query script. It sends four
// kinds of GET query, parses each answer and hands the result to slots the
// start screen binds. It shows nothing itself; query errors are swallowed.
#include "exchange/Transport.h"
#include "exchange/XmlParser.h"

#include <functional>
#include <string>
#include <vector>

using cStringList = std::vector<std::string>;

class cWebinterface {
public:
    static constexpr const char* ScriptPath = "/tavrio_webinterface.php";
    // Answers larger than this are dropped like failed transfers.
    static constexpr std::size_t MaxAnswerSize = 4 * 1024 * 1024;

    // `queryUrl` is the query host's base URL ("http://127.0.0.1:8517").
    cWebinterface(tavrio::exchange::cHttpClient& http, std::string queryUrl);

    void Search(const std::string& text);
    void CheckVersion(int version);
    void GetBooks();
    void GetChapters();

    // Processes one answer body; called when a GET has succeeded.
    void HandleAnswer(const std::string& body);

    // The URL a query string is sent to.
    std::string QueryUrl(const std::string& queryString) const;

    // Slots; an empty one is skipped.
    std::function<void(const std::string& word, const cStringList& books, const cStringList& chapters,
                       const cStringList& words, const cStringList& authors, const cStringList& bookIds,
                       const cStringList& chapterIds)> OnSearchResult;
    std::function<void(bool outdated, const std::string& message)> OnVersion;
    std::function<void(const cStringList& titles, const cStringList& ids)> OnBooks;
    std::function<void(const cStringList& titles, const cStringList& ids)> OnChapters;
    // A search, book or chapter query did not reach the exchange (not sent,
    // no answer, or an error status). The version check stays silent.
    std::function<void()> OnUnreachable;

    // The lists of the last answer of each type.
    cStringList BookTitles, BookIds, ChapterTitles, ChapterIds;
    cStringList SearchBooks, SearchChapters, SearchWords, SearchAuthors, SearchBookIds, SearchChapterIds;

private:
    void Send(const std::string& queryString, bool reportUnreachable = true);
    void Unreachable(bool report);
    // A book or chapter list: the title and id of every record of that name,
    // then the slot.
    void HandleTitles(const std::string& record, cStringList& titles, cStringList& ids,
                      const std::function<void(const cStringList&, const cStringList&)>& report);
    void HandleSearch();
    void HandleVersion();
    // Record key i of record name R: R, R[1], R[2] ...
    static std::string RecordKey(const std::string& record, int i);

    tavrio::exchange::cHttpClient& http_;
    std::string queryUrl_;
    cXMLparser parser_;
};
