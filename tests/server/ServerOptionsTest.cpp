#include "server/ServerOptions.h"

#include <gtest/gtest.h>

namespace tavrio::server {
namespace {

TEST(ServerOptions, readsEveryOption) {
  cServerOptions o;
  std::string error;
  ASSERT_TRUE(parseServerOptions({"--port", "0", "--data", "/tmp/x", "--current-version", "3",
                                  "--update-url", "http://example.invalid/neu", "--max-upload", "5000",
                                  "--threads", "8", "--host", "0.0.0.0", "--verbose",
                                  "--max-connections", "900", "--max-per-address", "0",
                                  "--request-timeout", "3", "--database", "postgresql://u@/tavrio"},
                                 o, error))
      << error;
  EXPECT_EQ(o.port, 0);
  EXPECT_EQ(o.dataDir, "/tmp/x");
  EXPECT_EQ(o.service.currentVersion, 3);
  EXPECT_EQ(o.service.updateUrl, "http://example.invalid/neu");
  EXPECT_EQ(o.service.maxUploadBytes, 5000u);
  EXPECT_EQ(o.http.threads, 8u);
  EXPECT_EQ(o.host, "0.0.0.0");
  EXPECT_TRUE(o.http.logRequests);
  EXPECT_EQ(o.http.maxConnections, 900u);
  EXPECT_EQ(o.http.maxPerAddress, 0u);
  EXPECT_EQ(o.http.requestTimeout, std::chrono::seconds(3));
  EXPECT_EQ(o.database, "postgresql://u@/tavrio");
}

TEST(ServerOptions, defaultsListenOnLoopback) {
  cServerOptions o;
  std::string error;
  ASSERT_TRUE(parseServerOptions({}, o, error));
  EXPECT_EQ(o.host, "127.0.0.1");
  EXPECT_EQ(o.port, 8517);
  EXPECT_EQ(o.service.maxUploadBytes, 1000000u);
}

TEST(ServerOptions, mistakesAreReported) {
  const std::vector<std::vector<std::string>> rows = {
      {"--port"}, {"--port", "70000"}, {"--port", "x"}, {"--threads", "0"},
      {"--data", ""}, {"--bogus"}, {"--max-upload", "-1"},
      {"--database", "mysql://x"}, {"--request-timeout", "0"},
  };
  for (const auto& args : rows) {
    cServerOptions o;
    std::string error;
    EXPECT_FALSE(parseServerOptions(args, o, error)) << args[0];
    EXPECT_FALSE(error.empty()) << args[0];
  }
}

}  // namespace
}  // namespace tavrio::server
