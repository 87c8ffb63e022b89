#include "exchange/ExchangeConfig.h"

#include <charconv>

namespace tavrio::exchange {

std::string cBaseUrl::hostHeader() const
{
    return port == 80 ? host : host + ":" + std::to_string(port);
}

std::string trimBaseUrl(const std::string& url)
{
    std::string out = url;
    while (!out.empty() && out.back() == '/')
        out.pop_back();
    return out;
}

std::optional<cBaseUrl> parseBaseUrl(const std::string& url)
{
    const std::string prefix = "http://";
    const std::string text = trimBaseUrl(url);
    if (text.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    const std::string rest = text.substr(prefix.size());
    if (rest.empty() || rest.find_first_of("/?#@ ") != std::string::npos)
        return std::nullopt;
    cBaseUrl out;
    out.scheme = "http";
    const std::size_t colon = rest.rfind(':');
    if (colon == std::string::npos) {
        out.host = rest;
        return out.host.empty() ? std::nullopt : std::optional<cBaseUrl>(out);
    }
    out.host = rest.substr(0, colon);
    const std::string port = rest.substr(colon + 1);
    int value = 0;
    const auto [ptr, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (out.host.empty() || port.empty() || ec != std::errc() || ptr != port.data() + port.size()
        || value < 1 || value > 65535)
        return std::nullopt;
    out.port = value;
    return out;
}

} // namespace tavrio::exchange
