#pragma once
// The exchange's request handling, free of any HTTP library: the query
// script, the list download and the upload. The HTTP layer hands over the
// raw request pieces and sends back the cReply.
//
// Answers are tagged texts without a root element, for example
//   <titel>BUECHER</titel><buch><id>3</id><titel>Band 1</titel></buch>
// Values are Windows-1252 bytes; "<" and ">" inside them are sent as "?".
#include <string>
#include <string_view>

#include "server/ExchangeStore.h"

namespace tavrio::server {

struct cReply {
  int status = 200;
  std::string contentType;
  std::string body;
};

struct cServiceSettings {
  int currentVersion = 2;
  std::string updateUrl = "http://127.0.0.1:8517/";
  std::size_t maxUploadBytes = 1000000;   // largest list file accepted
  std::size_t maxSearchResults = 200;
};

inline constexpr std::string_view kQueryPath = "/tavrio_webinterface.php";
inline constexpr std::string_view kDownloadPrefix = "/Kavnet/Tavrio/Network/VokDateien/";
inline constexpr std::string_view kUploadPath = "/Kavnet/Tavrio/Network/uploadfile.php";
inline constexpr std::string_view kDefaultAuthor = "Gast";

class cExchangeService {
 public:
  cExchangeService(cExchangeStore& store, cServiceSettings settings);

  // rawQuery: the query string after "?", still percent-encoded.
  cReply query(std::string_view rawQuery);
  // rawName: the path after kDownloadPrefix, still percent-encoded.
  cReply download(std::string_view rawName);
  // The upload body as received. bodyCut: the HTTP layer stopped keeping the
  // body because it grew past uploadBodyLimit().
  cReply upload(std::string_view contentType, std::string_view body, bool bodyCut);

  // How many body bytes the HTTP layer keeps before it cuts an upload.
  std::size_t uploadBodyLimit() const { return settings_.maxUploadBytes + 65536; }
  const cServiceSettings& settings() const { return settings_; }

 private:
  cReply search(std::string_view word);
  cReply version(std::string_view mine);
  cReply bookList();
  cReply chapterList(std::string_view bookParam);
  cReply uploadResult(bool ok, std::string_view fileName, std::string_view reason, int status);

  cExchangeStore& store_;
  cServiceSettings settings_;
};

}  // namespace tavrio::server
