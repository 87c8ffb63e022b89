// A PostgreSQL server that accepts connections but never answers must not
// hold the exchange: connecting gives up after a few seconds, and a limit
// given in the address wins.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>

#include "server/PostgresStore.h"

namespace tavrio::server {
namespace {

using namespace std::chrono_literals;

TEST(PostgresConnect, silentServerIsGivenUpOn) {
  // Listens, so the kernel completes every connection, but never accepts.
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  inet_pton(AF_INET, "127.0.0.1", &addr.sin_addr);
  socklen_t len = sizeof addr;
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ASSERT_EQ(::listen(fd, 16), 0);
  ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len), 0);
  const std::string url = "postgresql://tavrio@127.0.0.1:" + std::to_string(ntohs(addr.sin_port)) + "/tavrio";
  struct Row { const char* name; std::string url; std::chrono::milliseconds atLeast, below; };
  const Row rows[] = {
      {"defaultLimit", url, 4s, 8s},
      {"addressWins", url + "?connect_timeout=2", 1s, 4s},
  };
  for (const auto& r : rows) {
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_THROW(cPostgresStore(r.url, 1), std::runtime_error) << r.name;
    const auto took = std::chrono::steady_clock::now() - t0;
    EXPECT_GE(took, r.atLeast) << r.name;
    EXPECT_LT(took, r.below) << r.name;
  }
  ::close(fd);
}

}  // namespace
}  // namespace tavrio::server
