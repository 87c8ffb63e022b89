// tavrio-exchange as a child process: first start seeds, a restart keeps
// what was uploaded, SIGTERM ends it cleanly, bad options are refused.
#include <gtest/gtest.h>
#include <httplib.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "AnswerReading.h"

extern char** environ;

namespace tavrio::server {
namespace {

using testing::records;

class cChild {
 public:
  explicit cChild(const std::vector<std::string>& args) {
    int out[2];
    if (pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(TAVRIO_EXCHANGE_BINARY));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, TAVRIO_EXCHANGE_BINARY, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    out_ = out[0];
  }
  ~cChild() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
  }

  // The first line the child writes to standard output.
  std::string firstLine() {
    std::string line;
    char c;
    while (read(out_, &c, 1) == 1 && c != '\n') line += c;
    return line;
  }
  // Sends the signal and returns the exit status, or -1.
  int stop(int sig) {
    kill(pid_, sig);
    return wait();
  }
  int wait() {
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
};

int portOf(const std::string& line) {
  auto colon = line.rfind(':');
  return colon == std::string::npos ? -1 : std::atoi(line.c_str() + colon + 1);
}

TEST(Executable, seedsOnceAndKeepsUploadsAcrossRestarts) {
  auto dir = std::filesystem::temp_directory_path() / ("tavrio-exe-test-" + std::to_string(std::random_device{}()));
  const std::vector<std::string> args = {"--port", "0", "--data", (dir / "data").string()};
  {
    cChild server(args);
    std::string line = server.firstLine();
    ASSERT_EQ(line.rfind("tavrio-exchange listening on http://127.0.0.1:", 0), 0u) << line;
    httplib::Client c("127.0.0.1", portOf(line));
    auto found = c.Get("/tavrio_webinterface.php?GIVEME=SUCHE&WONACH=Unit");
    ASSERT_TRUE(found);
    EXPECT_EQ(records(found->body, "kapitel").size(), 3u);
    std::string body = "--xyz\r\nContent-Disposition: form-data; name=\"Wunschname\"\r\n\r\nKeep - Me.vok\r\n"
                       "--xyz\r\nContent-Disposition: form-data; name=\"userfile\"; filename=\"p\"\r\n\r\n"
                       "a\r\nb\r\n1\r\n\r\n\r\n--xyz--\r\n";
    auto up = c.Post("/Kavnet/Tavrio/Network/uploadfile.php", body, "multipart/form-data; boundary=xyz");
    ASSERT_TRUE(up);
    EXPECT_EQ(up->status, 200);
    EXPECT_EQ(server.stop(SIGTERM), 0);
  }
  EXPECT_TRUE(std::filesystem::exists(dir / "data" / "exchange.sqlite"));
  {
    cChild server(args);
    httplib::Client c("127.0.0.1", portOf(server.firstLine()));
    auto books = c.Get("/tavrio_webinterface.php?GIVEME=BUECHER");
    ASSERT_TRUE(books);
    EXPECT_EQ(records(books->body, "buch").size(), 4u);  // three demo books, not seeded twice, and "Keep"
    auto kept = c.Get("/Kavnet/Tavrio/Network/VokDateien/Keep%20-%20Me.vok");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->body, "a\r\nb\r\n1\r\n\r\n");
    EXPECT_EQ(server.stop(SIGINT), 0);
  }
  std::filesystem::remove_all(dir);
}

TEST(Executable, helpAndBadOptions) {
  cChild help({"--help"});
  EXPECT_EQ(help.firstLine().rfind("Usage: tavrio-exchange", 0), 0u);
  EXPECT_EQ(help.wait(), 0);
  cChild bad({"--port", "banana"});
  EXPECT_EQ(bad.wait(), 2);
}

}  // namespace
}  // namespace tavrio::server
