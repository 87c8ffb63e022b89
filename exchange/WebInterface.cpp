#include "exchange/WebInterface.h"

#include "exchange/ExchangeConfig.h"
#include "exchange/UrlEncoding.h"

cWebinterface::cWebinterface(tavrio::exchange::cHttpClient& http, std::string queryUrl)
    : http_(http), queryUrl_(tavrio::exchange::trimBaseUrl(queryUrl))
{
}

std::string cWebinterface::QueryUrl(const std::string& queryString) const
{
    return queryUrl_ + ScriptPath + queryString;
}

void cWebinterface::Send(const std::string& queryString, bool reportUnreachable)
{
    bool started = false;
    try {
        started = http_.Get(QueryUrl(queryString), MaxAnswerSize,
                            [this, reportUnreachable](const tavrio::exchange::cHttpReply& reply) {
                                if (reply.ok && reply.status >= 200 && reply.status < 300)
                                    HandleAnswer(reply.body);
                                else
                                    Unreachable(reportUnreachable);
                            });
    } catch (...) {
        started = false;
    }
    if (!started)
        Unreachable(reportUnreachable);
}

void cWebinterface::Unreachable(bool report)
{
    if (report && OnUnreachable)
        OnUnreachable();
}

void cWebinterface::Search(const std::string& text)
{
    Send("?GIVEME=SUCHE&WONACH=" + tavrio::exchange::encodeQueryText(text));
}

void cWebinterface::CheckVersion(int version)
{
    Send("?GIVEME=VERSION&MEINEVERSION=" + std::to_string(version), false);
}

void cWebinterface::GetBooks()
{
    Send("?GIVEME=BUECHER");
}

void cWebinterface::GetChapters()
{
    Send("?GIVEME=KAPITEL");
}

std::string cWebinterface::RecordKey(const std::string& record, int i)
{
    return i == 0 ? record : record + "[" + std::to_string(i) + "]";
}

void cWebinterface::HandleAnswer(const std::string& body)
{
    parser_.Parse(body);
    if (parser_.GetValue(".titel") == "BUECHER")
        HandleTitles(".buch", BookTitles, BookIds, OnBooks);
    else if (parser_.GetValue(".titel") == "VERSION")
        HandleVersion();
    else if (parser_.GetValue(".titel") == "KAPITEL")
        HandleTitles(".kapitel", ChapterTitles, ChapterIds, OnChapters);
    else if (parser_.GetValue(".titel") == "SUCHE")
        HandleSearch();
}

void cWebinterface::HandleTitles(const std::string& record, cStringList& titles, cStringList& ids,
                                 const std::function<void(const cStringList&, const cStringList&)>& report)
{
    titles.clear();
    ids.clear();
    const int n = parser_.CountOf(record);
    for (int i = 0; i < n; ++i) {
        const std::string key = RecordKey(record, i);
        ids.push_back(std::to_string(parser_.GetInt(key + ".id")));
        titles.push_back(parser_.GetValue(key + ".titel"));
    }
    if (report)
        report(titles, ids);
}

void cWebinterface::HandleSearch()
{
    const std::string word = parser_.GetValue(".suchwort");
    for (auto* list : {&SearchBooks, &SearchChapters, &SearchWords, &SearchAuthors, &SearchBookIds,
                       &SearchChapterIds})
        list->clear();
    const int n = parser_.CountOf(".kapitel");
    for (int i = 0; i < n; ++i) {
        const std::string key = RecordKey(".kapitel", i);
        SearchBooks.push_back(parser_.GetValue(key + ".buch"));
        SearchChapters.push_back(parser_.GetValue(key + ".titel"));
        SearchWords.push_back(std::to_string(parser_.GetInt(key + ".woerter")));
        SearchAuthors.push_back(parser_.GetValue(key + ".autor"));
        SearchBookIds.push_back(std::to_string(parser_.GetInt(key + ".buchid")));
        SearchChapterIds.push_back(std::to_string(parser_.GetInt(key + ".id")));
    }
    if (OnSearchResult)
        OnSearchResult(word, SearchBooks, SearchChapters, SearchWords, SearchAuthors, SearchBookIds,
                       SearchChapterIds);
}

void cWebinterface::HandleVersion()
{
    const bool outdated = parser_.GetValue(".aktualitaet") != "aktuell";
    std::string message;
    if (outdated) {
        message += "Deine Version ist nicht mehr auf dem neusten Stand!\r\n";
        message += "Besuche " + parser_.GetValue(".updateurl") + " um Deine Version zu aktualisieren.\r\n";
        message += "\r\n";
        message += "Folgende wichtige \xC4nderungen wurden seit Deiner Version gemacht :\r\n";
    } else {
        message += "Du hast bereits die aktuellste Version!\r\n";
    }
    const int n = parser_.CountOf(".eintrag");
    for (int i = 0; i < n; ++i) {
        const std::string key = RecordKey(".eintrag", i);
        message += "- " + parser_.GetValue(key + ".inhalt") + " (" + parser_.GetValue(key + ".zeitpunkt") + ")\r\n";
    }
    if (OnVersion)
        OnVersion(outdated, message);
}
