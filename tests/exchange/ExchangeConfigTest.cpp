#include "exchange/ExchangeConfig.h"

#include <gtest/gtest.h>

namespace {

using tavrio::exchange::parseBaseUrl;

TEST(ExchangeConfig, baseUrls)
{
    struct Row { const char* url; bool valid; const char* host; int port; const char* header; };
    const Row rows[] = {
        {"http://127.0.0.1:8517", true, "127.0.0.1", 8517, "127.0.0.1:8517"},
        {"http://127.0.0.1:8517/", true, "127.0.0.1", 8517, "127.0.0.1:8517"},
        {"http://exchange.example", true, "exchange.example", 80, "exchange.example"},
        {"https://exchange.example", false, "", 0, ""},
        {"http://host/path", false, "", 0, ""},
        {"http://:80", false, "", 0, ""},
        {"http://host:0", false, "", 0, ""},
        {"http://host:99999", false, "", 0, ""},
        {"http://host:12a", false, "", 0, ""},
        {"127.0.0.1:8517", false, "", 0, ""},
    };
    for (const Row& r : rows) {
        const auto url = parseBaseUrl(r.url);
        ASSERT_EQ(url.has_value(), r.valid) << r.url;
        if (!url)
            continue;
        EXPECT_EQ(url->host, r.host) << r.url;
        EXPECT_EQ(url->port, r.port) << r.url;
        EXPECT_EQ(url->hostHeader(), r.header) << r.url;
    }
}

} // namespace
