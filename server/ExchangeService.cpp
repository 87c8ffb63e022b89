#include "server/ExchangeService.h"

#include <cstdio>
#include <exception>
#include <optional>
#include <vector>

#include "server/Multipart.h"
#include "server/TextBytes.h"
#include "server/UploadRules.h"

namespace tavrio::server {

namespace {

constexpr std::string_view kAnswerType = "text/plain; charset=windows-1252";

// Appends <name>value</name>.
void leaf(std::string& out, std::string_view name, std::string_view value) {
  out += '<';
  out += name;
  out += '>';
  out += tagSafe(value);
  out += "</";
  out += name;
  out += '>';
}

void leaf(std::string& out, std::string_view name, std::int64_t value) {
  leaf(out, name, std::to_string(value));
}

struct cQueryParam {
  std::string key;
  std::string value;
};

// Splits a raw query string at "&" and decodes keys and values.
std::vector<cQueryParam> parseQuery(std::string_view raw) {
  std::vector<cQueryParam> params;
  std::size_t pos = 0;
  while (pos <= raw.size()) {
    std::size_t amp = raw.find('&', pos);
    if (amp == std::string_view::npos) amp = raw.size();
    std::string_view item = raw.substr(pos, amp - pos);
    if (!item.empty()) {
      std::size_t eq = item.find('=');
      std::string_view key = item.substr(0, eq);
      std::string_view value = eq == std::string_view::npos ? std::string_view() : item.substr(eq + 1);
      params.push_back({percentDecode(key, true), percentDecode(value, true)});
    }
    pos = amp + 1;
  }
  return params;
}

std::optional<std::string> param(const std::vector<cQueryParam>& params, std::string_view key) {
  for (const auto& p : params)
    if (equalsAsciiNoCase(p.key, key)) return p.value;
  return std::nullopt;
}

// A store failure is answered 500 without details; the operator finds the
// cause on standard error.
void logStoreFailure(const char* during, const std::exception& e) {
  std::fprintf(stderr, "tavrio-exchange: store failed during %s: %s\n", during, logSafe(e.what()).c_str());
}

cReply answer(std::string body, int status = 200) {
  return {status, std::string(kAnswerType), std::move(body)};
}

}  // namespace

cExchangeService::cExchangeService(cExchangeStore& store, cServiceSettings settings)
    : store_(store), settings_(std::move(settings)) {}

cReply cExchangeService::query(std::string_view rawQuery) {
  auto params = parseQuery(rawQuery);
  std::string giveme = param(params, "GIVEME").value_or("");
  try {
    if (equalsAsciiNoCase(giveme, "SUCHE")) return search(param(params, "WONACH").value_or(""));
    if (equalsAsciiNoCase(giveme, "VERSION")) return version(param(params, "MEINEVERSION").value_or(""));
    if (equalsAsciiNoCase(giveme, "BUECHER")) return bookList();
    if (equalsAsciiNoCase(giveme, "KAPITEL")) return chapterList(param(params, "BUCH").value_or(""));
  } catch (const std::exception& e) {
    logStoreFailure("a query", e);
    std::string body;
    leaf(body, "titel", "FEHLER");
    leaf(body, "meldung", "Die Ablage ist gerade nicht erreichbar.");
    return answer(std::move(body), 500);
  }
  std::string body;
  leaf(body, "titel", "FEHLER");
  leaf(body, "meldung", "Unbekannte Anfrage");
  return answer(std::move(body), 400);
}

cReply cExchangeService::search(std::string_view word) {
  std::string body;
  leaf(body, "titel", "SUCHE");
  leaf(body, "suchwort", word);
  for (const auto& c : store_.search(word, settings_.maxSearchResults)) {
    body += "<kapitel>";
    leaf(body, "id", c.id);
    leaf(body, "buchid", c.bookId);
    leaf(body, "buch", c.book);
    leaf(body, "titel", c.title);
    leaf(body, "woerter", c.words);
    leaf(body, "autor", c.author);
    body += "</kapitel>";
  }
  return answer(std::move(body));
}

cReply cExchangeService::version(std::string_view mine) {
  int clientVersion = 0;  // a missing or malformed number counts as very old
  if (!parseInt(mine, clientVersion)) clientVersion = 0;
  const bool current = clientVersion >= settings_.currentVersion;
  std::string body;
  leaf(body, "titel", "VERSION");
  leaf(body, "aktualitaet", current ? "aktuell" : "veraltet");
  leaf(body, "updateurl", settings_.updateUrl);
  if (!current) {
    for (const auto& ch : store_.changesBetween(clientVersion, settings_.currentVersion)) {
      body += "<eintrag>";
      leaf(body, "version", ch.version);
      leaf(body, "inhalt", ch.text);
      leaf(body, "zeitpunkt", ch.when);
      body += "</eintrag>";
    }
  }
  return answer(std::move(body));
}

cReply cExchangeService::bookList() {
  std::string body;
  leaf(body, "titel", "BUECHER");
  for (const auto& b : store_.books()) {
    body += "<buch>";
    leaf(body, "id", b.id);
    leaf(body, "titel", b.title);
    body += "</buch>";
  }
  return answer(std::move(body));
}

cReply cExchangeService::chapterList(std::string_view bookParam) {
  std::optional<std::int64_t> bookId;
  int id = 0;
  if (parseInt(bookParam, id)) bookId = id;
  std::string body;
  leaf(body, "titel", "KAPITEL");
  for (const auto& c : store_.chapters(bookId)) {
    body += "<kapitel>";
    leaf(body, "id", c.id);
    leaf(body, "buchid", c.bookId);
    leaf(body, "titel", c.title);
    body += "</kapitel>";
  }
  return answer(std::move(body));
}

cReply cExchangeService::download(std::string_view rawName) {
  const std::string name = percentDecode(rawName, false);
  if (!isSafeFileName(name) || !hasListSuffix(name))
    return {400, "text/plain", "Ungueltiger Dateiname"};
  try {
    if (auto content = store_.listFile(name))
      return {200, "application/octet-stream", std::move(*content)};
  } catch (const std::exception& e) {
    logStoreFailure("a download", e);
    return {500, "text/plain", "Die Ablage ist gerade nicht erreichbar."};
  }
  return {404, "text/plain", "Datei nicht gefunden"};
}

cReply cExchangeService::uploadResult(bool ok, std::string_view fileName, std::string_view reason,
                                      int status) {
  // The echoed name is shown to the learner; keep it printable and short.
  std::string shown(fileName.substr(0, kMaxNameLength));
  for (char& c : shown)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  std::string body = "<upload>";
  leaf(body, "result", ok ? "successful" : "failed");
  leaf(body, "filename", shown);
  if (!ok) leaf(body, "grund", reason);
  body += "</upload>";
  return answer(std::move(body), status);
}

cReply cExchangeService::upload(std::string_view contentType, std::string_view body, bool bodyCut) {
  auto boundary = multipartBoundary(contentType);
  if (!boundary) return uploadResult(false, "", "Keine Formulardaten", 400);
  cFormData form = parseMultipart(body, *boundary);

  const cFormPart* wish = form.find("Wunschname");
  const cFormPart* file = form.find("userfile");
  const std::string name = wish ? wish->data : std::string();

  if (bodyCut || (file && file->data.size() > settings_.maxUploadBytes))
    return uploadResult(false, name, "Datei zu gross", 413);
  if (form.malformed || form.count("Wunschname") > 1 || form.count("userfile") > 1 ||
      form.count("Autor") > 1)
    return uploadResult(false, name, "Fehlerhafte Formulardaten", 400);
  if (!form.closed) return uploadResult(false, name, "Unvollstaendige Formulardaten", 400);
  if (name.empty()) return uploadResult(false, name, "Kein Dateiname", 400);
  if (!isSafeFileName(name)) return uploadResult(false, name, "Ungueltiger Dateiname", 400);
  if (!hasListSuffix(name)) return uploadResult(false, name, "Keine .vok-Datei", 400);
  cListName parts;
  if (!splitListName(name, parts)) return uploadResult(false, name, "Ungueltiger Dateiname", 400);
  if (!file || !file->isFile) return uploadResult(false, name, "Keine Datei", 400);
  if (file->data.empty()) return uploadResult(false, name, "Leere Liste", 400);
  if (file->data.find('\0') != std::string::npos)
    return uploadResult(false, name, "Keine Vokabelliste", 400);

  std::string author(kDefaultAuthor);
  if (const cFormPart* a = form.find("Autor")) {
    if (!a->data.empty() && a->data.size() <= 60 && isSafeFileName(a->data)) author = a->data;
  }

  cNewList list{parts.book, parts.chapter, author, parts.fileName(), file->data};
  try {
    store_.storeList(list);
  } catch (const std::exception& e) {
    logStoreFailure("an upload", e);
    return uploadResult(false, name, "Speichern fehlgeschlagen", 500);
  }
  return uploadResult(true, name, "", 200);
}

}  // namespace tavrio::server
