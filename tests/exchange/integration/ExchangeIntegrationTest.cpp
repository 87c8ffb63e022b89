// The exchange client with its Qt transports against a real tavrio-exchange
// started for this test on a free loopback port.
#include "exchange/PostData.h"
#include "exchange/WebFileInterface.h"
#include "exchange/WebInterface.h"
#include "exchange/qt/ExchangeClients.h"
#include "ScriptedSeams.h"
#include "start/ExchangePages.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>

using namespace tavrio::exchange;

namespace {

struct SearchResult {
    bool arrived = false;
    std::string word;
    cStringList books, chapters, words, authors, bookIds, chapterIds;
};

std::string fourLineList(const std::string& tag, int pairs)
{
    std::string list;
    for (int i = 0; i < pairs; ++i)
        list += tag + "wort" + std::to_string(i) + "\r\n" + tag + "word" + std::to_string(i) + "\r\n\r\n\r\n";
    return list;
}

} // namespace

class ExchangeIntegrationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void searchFindsTheDemoChapters();
    void downloadLandsInTheWorkingDirectory();
    void unknownListFailsAndSavesNothing();
    void uploadedListIsFoundAndDownloadsIdentical_data();
    void uploadedListIsFoundAndDownloadsIdentical();
    void versionCurrentAndOutdated_data();
    void versionCurrentAndOutdated();
    void uploadToAClosedPortFails();
    void silentPeerTimesOutAndQueueGoesOn();
    void drippingPeerIsCutAtTheTimeout();
    void cannedDownloadAnswers_data();
    void cannedDownloadAnswers();
    void pageSearchesInstallsAndUploads();

private:
    SearchResult search(const std::string& text);
    std::vector<std::string> runTransfers(const std::function<void()>& start, std::size_t reports);

    QProcess server;
    QString baseUrl;
    QTemporaryDir data;
    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<cExchangeClients> clients;
};

void ExchangeIntegrationTest::initTestCase()
{
    // TAVRIO_EXCHANGE_URL runs the tests against a server already running
    // there (for example the deployment behind nginx) instead of starting one.
    baseUrl = qEnvironmentVariable("TAVRIO_EXCHANGE_URL");
    if (!baseUrl.isEmpty())
        return;
    QVERIFY(data.isValid());
    server.setProgram(QStringLiteral(TAVRIO_EXCHANGE_SERVER));
    server.setArguments({"--port", "0", "--data", data.path(), "--current-version", "2"});
    server.setProcessChannelMode(QProcess::SeparateChannels);
    server.start();
    QVERIFY2(server.waitForStarted(10000), "the server starts");
    const QRegularExpression listening(QStringLiteral("listening on (http://127\\.0\\.0\\.1:\\d+)"));
    QString out;
    QElapsedTimer clock;
    clock.start();
    while (baseUrl.isEmpty() && clock.elapsed() < 30000 && server.state() == QProcess::Running) {
        server.waitForReadyRead(500);
        out += QString::fromLocal8Bit(server.readAllStandardOutput());
        const auto m = listening.match(out);
        if (m.hasMatch())
            baseUrl = m.captured(1);
    }
    QVERIFY2(!baseUrl.isEmpty(), qPrintable("no listening line; output: " + out + server.readAllStandardError()));
}

void ExchangeIntegrationTest::cleanupTestCase()
{
    if (server.state() == QProcess::NotRunning)
        return;
    server.terminate();
    if (!server.waitForFinished(5000)) {
        server.kill();
        server.waitForFinished(5000);
    }
}

void ExchangeIntegrationTest::init()
{
    work = std::make_unique<QTemporaryDir>();
    cExchangeConfig config;
    config.queryUrl = baseUrl.toStdString();
    config.fileUrl = baseUrl.toStdString();
    clients = std::make_unique<cExchangeClients>(config, QFile::encodeName(work->path()).toStdString());
}

void ExchangeIntegrationTest::cleanup()
{
    clients.reset();
    std::filesystem::remove_all(QFile::encodeName(work->path()).toStdString());
    work.reset();
}

SearchResult ExchangeIntegrationTest::search(const std::string& text)
{
    SearchResult r;
    clients->web.OnSearchResult = [&r](const std::string& w, const cStringList& b, const cStringList& c,
                                       const cStringList& n, const cStringList& a, const cStringList& bi,
                                       const cStringList& ci) {
        r = {true, w, b, c, n, a, bi, ci};
    };
    clients->web.Search(text);
    (void)QTest::qWaitFor([&r] { return r.arrived; }, 10000);
    clients->web.OnSearchResult = nullptr;
    return r;
}

std::vector<std::string> ExchangeIntegrationTest::runTransfers(const std::function<void()>& start, std::size_t reports)
{
    auto log = std::make_shared<std::vector<std::string>>();
    cWebFileInterface& files = clients->files;
    files.OnDownloadSuccess = [log](const std::string& n) { log->push_back("down-ok " + n); };
    files.OnDownloadFailure = [log](const std::string& n) { log->push_back("down-fail " + n); };
    files.OnUploadSuccess = [log](const std::string& n) { log->push_back("up-ok " + n); };
    files.OnUploadFailure = [log](const std::string& n) { log->push_back("up-fail " + n); };
    start();
    (void)QTest::qWaitFor([&] { return log->size() >= reports; }, 25000);
    return *log;
}

void ExchangeIntegrationTest::searchFindsTheDemoChapters()
{
    const SearchResult r = search("Unit");
    QVERIFY(r.arrived);
    QCOMPARE(r.word, std::string("Unit"));
    QVERIFY2(r.chapterIds.size() >= 2, "the demo catalogue has Unit chapters");
    for (std::size_t i = 0; i < r.chapterIds.size(); ++i) {
        QVERIFY(r.chapterIds[i] != "0");
        QVERIFY(std::stoi(r.words[i]) >= 30);
        QVERIFY(r.books[i].find("EXISTIERT NICHT") == std::string::npos);
    }
    const std::string odd = "\"Zz\" <{x|y}> a=b ^`\\ 100% & #1 + \xFC";
    const SearchResult echoed = search(odd);
    QVERIFY2(echoed.arrived, "any typed text makes a valid request");
    std::string shown = odd; // the server sends "<" and ">" of a value as "?"
    for (char& c : shown)
        if (c == '<' || c == '>')
            c = '?';
    QCOMPARE(echoed.word, shown);
    const SearchResult none = search("Zzyzx kein Treffer");
    QVERIFY(none.arrived);
    QCOMPARE(none.word, std::string("Zzyzx kein Treffer"));
    QVERIFY(none.chapterIds.empty());
}

void ExchangeIntegrationTest::downloadLandsInTheWorkingDirectory()
{
    const SearchResult r = search("Unit");
    QVERIFY(r.chapterIds.size() >= 2);
    const std::string first = r.books[0] + " - " + r.chapters[0] + ".vok";
    const std::string second = r.books[1] + " - " + r.chapters[1] + ".vok";
    const auto log = runTransfers([&] {
        clients->files.Download(first);
        clients->files.Download(second);
    }, 2);
    QCOMPARE(log, (std::vector<std::string>{"down-ok " + first, "down-ok " + second}));
    const std::string dir = QFile::encodeName(work->path()).toStdString();
    const auto bytes = readFileBytes(dir + "/" + first);
    QVERIFY(bytes);
    QVERIFY2(bytes->find("\r\n") != std::string::npos, "a list file, lines ending in CR LF");
    QVERIFY(bytes->find('<') == std::string::npos);
    QVERIFY(!clients->files.Busy());
}

void ExchangeIntegrationTest::unknownListFailsAndSavesNothing()
{
    const auto log = runTransfers([&] { clients->files.Download("Gibt es - nicht.vok"); }, 1);
    QCOMPARE(log, (std::vector<std::string>{"down-fail Gibt es - nicht.vok"}));
    QVERIFY(!QFile::exists(work->filePath(QStringLiteral("Gibt es - nicht.vok"))));
}

void ExchangeIntegrationTest::uploadedListIsFoundAndDownloadsIdentical_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("searchWord");
    QTest::newRow("plain name") << QByteArray("Integration - Kapitel Eins.vok") << QByteArray("Kapitel Eins");
    QTest::newRow("umlauts and plus") << QByteArray("Gr\xFC\xDF" "e + Co - Teil 2.vok") << QByteArray("\xFC\xDF" "e + Co");
}

void ExchangeIntegrationTest::uploadedListIsFoundAndDownloadsIdentical()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, searchWord);
    const std::string fileName = name.toStdString();
    const std::string dir = QFile::encodeName(work->path()).toStdString();
    const std::string source = dir + "/upload-source.vok";
    const std::string list = fourLineList("i\xE4" + std::to_string(name.size()), 30);
    std::ofstream(source, std::ios::binary) << list;

    auto log = runTransfers([&] { clients->files.UploadAs(source, fileName); }, 1);
    QCOMPARE(log, (std::vector<std::string>{"up-ok " + fileName}));

    const SearchResult r = search(searchWord.toStdString());
    QVERIFY(r.arrived);
    bool found = false;
    for (std::size_t i = 0; i < r.chapterIds.size(); ++i)
        found = found || r.books[i] + " - " + r.chapters[i] + ".vok" == fileName;
    QVERIFY2(found, "the uploaded list is found by the next search");

    log = runTransfers([&] { clients->files.Download(fileName); }, 1);
    QCOMPARE(log, (std::vector<std::string>{"down-ok " + fileName}));
    QCOMPARE(readFileBytes(dir + "/" + fileName), std::optional<std::string>(list));
}

void ExchangeIntegrationTest::versionCurrentAndOutdated_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("outdated");
    QTest::newRow("current") << 2 << false;
    QTest::newRow("newer than the server knows") << 3 << false;
    QTest::newRow("outdated") << 1 << true;
}

void ExchangeIntegrationTest::versionCurrentAndOutdated()
{
    QFETCH(int, version);
    QFETCH(bool, outdated);
    bool arrived = false, isOutdated = false;
    std::string message;
    clients->web.OnVersion = [&](bool o, const std::string& m) {
        arrived = true;
        isOutdated = o;
        message = m;
    };
    clients->web.CheckVersion(version);
    QTRY_VERIFY_WITH_TIMEOUT(arrived, 10000);
    QCOMPARE(isOutdated, outdated);
    if (outdated) {
        QVERIFY(message.rfind("Deine Version ist nicht mehr auf dem neusten Stand!\r\nBesuche http", 0) == 0);
        QVERIFY(message.find("EXISTIERT NICHT") == std::string::npos);
    } else {
        QVERIFY(message.rfind("Du hast bereits die aktuellste Version!\r\n", 0) == 0);
    }
}

void ExchangeIntegrationTest::uploadToAClosedPortFails()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    cExchangeConfig config;
    config.fileUrl = "http://127.0.0.1:" + std::to_string(port);
    clients = std::make_unique<cExchangeClients>(config, QFile::encodeName(work->path()).toStdString());
    const std::string source = QFile::encodeName(work->filePath("x.vok")).toStdString();
    std::ofstream(source, std::ios::binary) << fourLineList("a", 1);
    const auto log = runTransfers([&] {
        clients->files.Upload(source);
        clients->files.Download("A - B.vok");
    }, 2);
    QCOMPARE(log, (std::vector<std::string>{"up-fail x.vok", "down-fail A - B.vok"}));
    QVERIFY(!clients->files.Busy());
}

void ExchangeIntegrationTest::silentPeerTimesOutAndQueueGoesOn()
{
    QTcpServer silent; // accepts connections, never answers
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    cExchangeConfig config;
    config.fileUrl = "http://127.0.0.1:" + std::to_string(silent.serverPort());
    clients = std::make_unique<cExchangeClients>(config, QFile::encodeName(work->path()).toStdString());
    clients->fileHttp.setTimeoutMs(400);
    clients->uploadSocket.setTimeoutMs(400);
    const std::string source = QFile::encodeName(work->filePath("y.vok")).toStdString();
    std::ofstream(source, std::ios::binary) << fourLineList("b", 1);
    QElapsedTimer clock;
    clock.start();
    const auto log = runTransfers([&] {
        clients->files.Download("A - B.vok");
        clients->files.Upload(source);
    }, 2);
    QCOMPARE(log, (std::vector<std::string>{"down-fail A - B.vok", "up-fail y.vok"}));
    QVERIFY(!clients->files.Busy());
    QVERIFY(clock.elapsed() < 10000);

    // Clients that go away with transfers running report nothing afterwards.
    bool reported = false;
    clients->files.OnDownloadFailure = [&reported](const std::string&) { reported = true; };
    clients->files.OnUploadFailure = clients->files.OnDownloadFailure;
    clients->files.Upload(source);
    clients->files.Download("C - D.vok");
    QTest::qWait(50);
    clients.reset();
    QTest::qWait(600);
    QVERIFY(!reported);
}

void ExchangeIntegrationTest::drippingPeerIsCutAtTheTimeout()
{
    // Answers with a long body, one byte every 50 ms: never silent, never done.
    QTcpServer dripping;
    QVERIFY(dripping.listen(QHostAddress::LocalHost, 0));
    connect(&dripping, &QTcpServer::newConnection, &dripping, [&dripping] {
        QTcpSocket* peer = dripping.nextPendingConnection();
        peer->write("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n");
        auto* drip = new QTimer(peer);
        connect(drip, &QTimer::timeout, peer, [peer] { peer->write("x"); });
        drip->start(50);
        connect(peer, &QTcpSocket::disconnected, peer, &QObject::deleteLater);
    });
    cExchangeConfig config;
    config.fileUrl = "http://127.0.0.1:" + std::to_string(dripping.serverPort());
    clients = std::make_unique<cExchangeClients>(config, QFile::encodeName(work->path()).toStdString());
    clients->fileHttp.setTimeoutMs(400);
    QElapsedTimer clock;
    clock.start();
    const auto log = runTransfers([&] { clients->files.Download("A - B.vok"); }, 1);
    QCOMPARE(log, (std::vector<std::string>{"down-fail A - B.vok"}));
    QVERIFY(clock.elapsed() < 3000);
    QVERIFY(!QFile::exists(work->filePath(QStringLiteral("A - B.vok"))));
}

void ExchangeIntegrationTest::cannedDownloadAnswers_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<int>("bodySize");
    QTest::addColumn<bool>("saved");
    QTest::newRow("body at the limit") << QByteArray("200 OK") << 1000000 << true;
    QTest::newRow("body one byte over the limit") << QByteArray("200 OK") << 1000001 << false;
    QTest::newRow("server error with a body") << QByteArray("500 Internal Server Error") << 20 << false;
    QTest::newRow("redirect without a target") << QByteArray("302 Found") << 20 << false;
}

void ExchangeIntegrationTest::cannedDownloadAnswers()
{
    QFETCH(QByteArray, status);
    QFETCH(int, bodySize);
    QFETCH(bool, saved);
    // Answers every request with the same response, then closes.
    QTcpServer canned;
    QVERIFY(canned.listen(QHostAddress::LocalHost, 0));
    const QByteArray body(bodySize, 'x');
    connect(&canned, &QTcpServer::newConnection, &canned, [&canned, &status, &body] {
        QTcpSocket* peer = canned.nextPendingConnection();
        auto request = std::make_shared<QByteArray>();
        connect(peer, &QTcpSocket::readyRead, peer, [peer, request, &status, &body] {
            *request += peer->readAll();
            if (!request->contains("\r\n\r\n"))
                return;
            peer->write("HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size())
                        + "\r\nConnection: close\r\n\r\n" + body);
            peer->disconnectFromHost();
        });
        connect(peer, &QTcpSocket::disconnected, peer, &QObject::deleteLater);
    });
    cExchangeConfig config;
    config.fileUrl = "http://127.0.0.1:" + std::to_string(canned.serverPort());
    clients = std::make_unique<cExchangeClients>(config, QFile::encodeName(work->path()).toStdString());
    const auto log = runTransfers([&] { clients->files.Download("A - B.vok"); }, 1);
    QCOMPARE(log, (std::vector<std::string>{(saved ? "down-ok " : "down-fail ") + std::string("A - B.vok")}));
    QCOMPARE(QFile::exists(work->filePath(QStringLiteral("A - B.vok"))), saved);
    if (saved)
        QCOMPARE(QFileInfo(work->filePath(QStringLiteral("A - B.vok"))).size(), qint64(bodySize));
}

void ExchangeIntegrationTest::pageSearchesInstallsAndUploads()
{
    tavrio::test::ScriptedSeams seams;
    seams.install();
    QWidget editor, exchange, text;
    exchange.resize(800, 600);
    installExchangePages(&editor, &exchange, &text, clients->web, clients->files, [](int) {},
                         QStringLiteral("boerse@tavrio.example"));
    exchange.show();
    QVERIFY(QTest::qWaitForWindowExposed(&exchange));
    auto* edit = exchange.findChild<QLineEdit*>("searchforwhat");
    auto* grid = exchange.findChild<QTableWidget*>("StringGrid2");
    edit->setText(QStringLiteral("Unit"));
    exchange.findChild<QPushButton*>("Button19")->click();
    QTRY_VERIFY_WITH_TIMEOUT(grid->rowCount() > 2, 10000);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Buch"));
    QCOMPARE(grid->item(1, 6)->text(), QStringLiteral("Installieren"));

    const QString name = grid->item(1, 0)->text() + " - " + grid->item(1, 1)->text() + ".vok";
    seams.answers << true;
    const QRect cell = grid->visualRect(grid->model()->index(1, 6));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTRY_COMPARE_WITH_TIMEOUT(seams.messages.size(), 1, 15000);
    QCOMPARE(seams.messages[0], name + " erfolgreich runtergeladen");
    QVERIFY(QFile::exists(work->filePath(name)));

    // The downloaded list goes back up under a new name and is found at once.
    const QString upload = work->filePath(QStringLiteral("Seitentest - Eigene Liste.vok"));
    QVERIFY(QFile::copy(work->filePath(name), upload));
    seams.fileAnswers << upload;
    exchange.findChild<QPushButton*>("Hochladen")->click();
    auto* memo = text.findChild<QPlainTextEdit*>("Memo2");
    QTRY_VERIFY_WITH_TIMEOUT(memo->toPlainText().contains("hochgeladen"), 15000);
    QVERIFY(memo->toPlainText().endsWith(QStringLiteral("Seitentest - Eigene Liste.vok erfolgreich hochgeladen")));
    edit->setText(QStringLiteral("Eigene Liste"));
    exchange.findChild<QPushButton*>("Button19")->click();
    QTRY_COMPARE_WITH_TIMEOUT(grid->rowCount(), 2, 10000);
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("Seitentest"));
}

QTEST_MAIN(ExchangeIntegrationTest)
#include "ExchangeIntegrationTest.moc"
