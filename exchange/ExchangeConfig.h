#pragma once
// Where the exchange lives: the query host (answers "/tavrio_webinterface.php"),
// the file host (serves lists, takes uploads) and the contact mail address.
// Hosts are base URLs: scheme, host and optional port, no path.
#include <optional>
#include <string>

namespace tavrio::exchange {

inline constexpr const char* DefaultBaseUrl = "http://127.0.0.1:8517";
inline constexpr const char* DefaultMailAddress = "tauschboerse@tavrio.example";

struct cExchangeConfig {
    std::string queryUrl = DefaultBaseUrl;
    std::string fileUrl = DefaultBaseUrl;
    std::string mailAddress = DefaultMailAddress;
};

struct cBaseUrl {
    std::string scheme;  // "http"
    std::string host;    // "127.0.0.1"
    int port = 80;
    // The Host header value: host, plus ":port" when not 80.
    std::string hostHeader() const;
};

// Parses "http://host[:port]" (a trailing "/" is allowed). Nothing for any
// other form: another scheme, a path, an empty host, a bad port.
std::optional<cBaseUrl> parseBaseUrl(const std::string& url);
// The URL without a trailing "/", ready for a path to be appended.
std::string trimBaseUrl(const std::string& url);

} // namespace tavrio::exchange
