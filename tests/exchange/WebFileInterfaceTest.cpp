#include "exchange/WebFileInterface.h"

#include "FakeTransport.h"
#include "UploadRequest.h"
#include "exchange/PostData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using tavrio::exchange::readFileBytes;
using tavrio::exchange::test::FakeHttp;
using tavrio::exchange::test::FakeSocket;

struct Transfers : testing::Test {
    fs::path dir = fs::temp_directory_path() / ("tavrio_files_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())
                                                + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    FakeHttp http;
    FakeSocket socket;
    cWebFileInterface files{http, socket, "http://127.0.0.1:8517", dir.string()};
    std::vector<std::string> log; // "kind name", in report order

    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir);
        files.OnDownloadSuccess = [this](const std::string& n) { log.push_back("down-ok " + n); };
        files.OnDownloadFailure = [this](const std::string& n) { log.push_back("down-fail " + n); };
        files.OnUploadSuccess = [this](const std::string& n) { log.push_back("up-ok " + n); };
        files.OnUploadFailure = [this](const std::string& n) { log.push_back("up-fail " + n); };
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string local(const std::string& name) const { return (dir / name).string(); }
};

TEST_F(Transfers, downloadRequestsEncodedPathAndSavesBytes)
{
    files.Download("A - B.vok");
    ASSERT_EQ(http.urls.size(), 1u);
    EXPECT_EQ(http.urls[0], "http://127.0.0.1:8517/Kavnet/Tavrio/Network/VokDateien/A%20-%20B.vok");
    EXPECT_EQ(http.pending[0].maxBody, 1000000u);
    EXPECT_TRUE(files.Busy());
    const std::string body("Haus\r\nhouse\r\n\r\n\xFC\0x\r\n", 18);
    http.answer(200, body);
    EXPECT_EQ(log, (std::vector<std::string>{"down-ok A - B.vok"}));
    EXPECT_EQ(readFileBytes(local("A - B.vok")), body);
    EXPECT_FALSE(files.Busy());
    EXPECT_FALSE(fs::exists(local("A - B.vok.tmp")));
}

TEST_F(Transfers, twoQueuedDownloadsRunInOrderAndNextStartsBeforeReport)
{
    std::size_t requestsWhenFirstReported = 0;
    files.OnDownloadSuccess = [&](const std::string& n) {
        if (log.empty())
            requestsWhenFirstReported = http.urls.size();
        log.push_back("down-ok " + n);
    };
    files.Download("first.vok");
    files.Download("second.vok");
    EXPECT_EQ(http.urls.size(), 1u) << "one job at a time";
    EXPECT_EQ(files.Queued(), 1u);
    http.answer(200, "1");
    EXPECT_EQ(requestsWhenFirstReported, 2u);
    http.answer(200, "2");
    EXPECT_EQ(log, (std::vector<std::string>{"down-ok first.vok", "down-ok second.vok"}));
    EXPECT_EQ(readFileBytes(local("second.vok")), "2");
}

TEST_F(Transfers, failedDownloadsAreReportedAndLeaveNoFile)
{
    struct Row {
        const char* name;
        std::function<void(FakeHttp&)> outcome;
        bool unreachable; // told before the failure report
    };
    const Row rows[] = {
        {"networkFailure", [](FakeHttp& h) { h.fail(); }, true},
        {"notFound", [](FakeHttp& h) { h.answer(404, "<html>not found</html>"); }, false},
        {"serverError", [](FakeHttp& h) { h.answer(500, ""); }, false},
        {"tooLarge", [](FakeHttp& h) { h.answer(200, std::string(1000001, 'x')); }, false},
    };
    files.OnUnreachable = [this] { log.push_back("unreachable"); };
    for (const Row& r : rows) {
        log.clear();
        files.Download("liste.vok");
        r.outcome(http);
        std::vector<std::string> expected{"down-fail liste.vok"};
        if (r.unreachable)
            expected.insert(expected.begin(), "unreachable");
        EXPECT_EQ(log, expected) << r.name;
        EXPECT_FALSE(fs::exists(local("liste.vok"))) << r.name;
        EXPECT_FALSE(files.Busy()) << r.name;
    }
}

TEST_F(Transfers, unsafeNamesNeverLeaveTheWorkingDirectory)
{
    const std::string names[] = {"../x.vok", "a/b.vok", "a\\b.vok", "C:x.vok", "", "a\tb.vok", "..", std::string("a\0b", 3), "a?.vok", "a|b.vok"};
    for (const std::string& name : names) {
        log.clear();
        files.Download(name);
        EXPECT_EQ(log, (std::vector<std::string>{"down-fail " + name})) << name;
    }
    EXPECT_TRUE(http.urls.empty()) << "nothing is requested for an unsafe name";
    EXPECT_FALSE(files.Busy());
}

TEST_F(Transfers, immediateFailuresAreReportedInJobOrder)
{
    files.Download("erste.vok");
    http.refuse = true;
    files.Download("a.vok");
    files.Download("b.vok");
    http.answer(200, "x"); // the queue goes on with two requests that cannot start
    const std::vector<std::string> failures(log.begin(), log.begin() + 2);
    EXPECT_EQ(failures, (std::vector<std::string>{"down-fail a.vok", "down-fail b.vok"}));
    EXPECT_FALSE(files.Busy());
}

TEST_F(Transfers, replacingAChangedListAsksFirst)
{
    std::vector<std::string> asked;
    bool replace = false;
    files.OnReplaceAsk = [&](const std::string& name) {
        asked.push_back(name);
        return replace;
    };
    std::ofstream(local("L\xFC" "cke.vok"), std::ios::binary) << "eigene\r\n";
    files.Download("L\xFC" "cke.vok");
    http.answer(200, "neu\r\n");
    EXPECT_EQ(asked, std::vector<std::string>{"L\xFC" "cke.vok"});
    EXPECT_TRUE(log.empty()) << "kept on No, nothing reported";
    EXPECT_EQ(readFileBytes(local("L\xFC" "cke.vok")), "eigene\r\n");

    replace = true;
    files.Download("L\xFC" "cke.vok");
    http.answer(200, "neu\r\n");
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(readFileBytes(local("L\xFC" "cke.vok")), "neu\r\n");

    files.Download("L\xFC" "cke.vok"); // the same contents again: no question
    http.answer(200, "neu\r\n");
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(log, (std::vector<std::string>{"down-ok L\xFC" "cke.vok", "down-ok L\xFC" "cke.vok"}));
}

TEST_F(Transfers, refusedRequestReportsAndQueueGoesOn)
{
    http.refuse = true;
    files.Download("a.vok");
    http.refuse = false;
    files.Download("b.vok");
    EXPECT_EQ(log, (std::vector<std::string>{"down-fail a.vok"}));
    http.answer(200, "x");
    EXPECT_EQ(log.back(), "down-ok b.vok");
}

TEST_F(Transfers, uploadSendsRequestAndJudgesReply)
{
    const std::string path = local("x.vok");
    std::ofstream(path, std::ios::binary) << "Haus\r\nhouse\r\n\r\n\r\n";
    files.Upload(path);
    ASSERT_EQ(socket.pending.size(), 1u);
    EXPECT_EQ(socket.pending[0].host, "127.0.0.1");
    EXPECT_EQ(socket.pending[0].port, 8517);
    EXPECT_EQ(socket.pending[0].maxReply, 2400u);

    EXPECT_EQ(socket.pending[0].request, *tavrio::exchange::test::uploadOfX(path).BuildRequest());
    EXPECT_FALSE(socket.pending[0].complete("HTTP/1.1 200 OK\r\n\r\n<upload><result>succ"));
    EXPECT_TRUE(socket.pending[0].complete("<upload><result>successful</result></upload>"));

    socket.reply("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n"
                 "<upload><result>successful</result><filename>x (2).vok</filename></upload>");
    EXPECT_EQ(log, (std::vector<std::string>{"up-ok x (2).vok"})) << "the server's name is reported";

    files.Upload(path);
    socket.reply("<upload><result>failed</result><filename>x.vok</filename></upload>");
    files.Upload(path);
    socket.reply("HTTP/1.1 200 OK\r\n\r\n");
    EXPECT_EQ(log[1], "up-fail x.vok");
    EXPECT_EQ(log[2], "up-fail (.upload.filename) EXISTIERT NICHT");
}

TEST_F(Transfers, uploadsThatCannotRunFailWithTheirOwnName)
{
    const std::string path = local("y.vok");
    std::ofstream(path, std::ios::binary) << "a\r\nb\r\n\r\n\r\n";
    files.Upload(local("missing.vok"));
    socket.refuse = true;
    files.Upload(path);
    socket.refuse = false;
    files.UploadAs(path, "Gr\xFC\xDF" "e.vok");
    EXPECT_NE(socket.pending[0].request.find("\r\n\r\nGr\xFC\xDF" "e.vok\r\n"), std::string::npos);
    socket.reply("", true); // no connection
    EXPECT_EQ(log, (std::vector<std::string>{"up-fail missing.vok", "up-fail y.vok", "up-fail Gr\xFC\xDF" "e.vok"}));
    EXPECT_FALSE(files.Busy());
}

TEST_F(Transfers, mixedQueueAndBusyNotices)
{
    std::vector<bool> busy;
    files.OnBusyChanged = [&](bool b) { busy.push_back(b); };
    const std::string path = local("z.vok");
    std::ofstream(path, std::ios::binary) << "";
    files.Download("d.vok");
    files.Upload(path);
    files.Queue("irgendwas", "n.vok");
    files.Download("e.vok");
    EXPECT_TRUE(socket.pending.empty());
    http.answer(200, "d");
    ASSERT_EQ(socket.pending.size(), 1u) << "the upload follows the download";
    socket.reply("<upload><result>successful</result><filename>z.vok</filename></upload>");
    ASSERT_EQ(http.pending.size(), 1u) << "an unknown job kind ends at once";
    http.answer(200, "e");
    EXPECT_EQ(log, (std::vector<std::string>{"down-ok d.vok", "up-ok z.vok", "down-ok e.vok"}));
    EXPECT_FALSE(files.Busy());
    ASSERT_FALSE(busy.empty());
    EXPECT_TRUE(busy.front());
    EXPECT_FALSE(busy.back());
}

} // namespace
