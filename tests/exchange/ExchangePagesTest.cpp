// The start screen's exchange pages on stand-in containers, with a fake
// transport for the clients and scripted seams for what the learner sees.
#include "FakeTransport.h"
#include "ScriptedSeams.h"
#include "exchange/WebFileInterface.h"
#include "exchange/WebInterface.h"
#include "start/ExchangePage.h"
#include "start/ExchangePages.h"
#include "start/ExchangeWiring.h"
#include "start/StartScreen.h"
#include "start/TextPage.h"
#include "exchange/qt/ExchangeClients.h"
#include "exchange/qt/ExchangeSettings.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using tavrio::exchange::test::FakeHttp;
using tavrio::exchange::test::FakeSocket;

namespace {

std::string searchAnswer(const QStringList& chapters, const std::string& word = "Unit")
{
    std::string a = "<titel>SUCHE</titel><suchwort>" + word + "</suchwort>";
    int id = 10;
    for (const QString& c : chapters)
        a += "<kapitel><buch>Englisch 5</buch><titel>" + tavrio::toAnsi(c) + "</titel><woerter>31</woerter>"
             "<autor>Tavrio</autor><buchid>3</buchid><id>" + std::to_string(id++) + "</id></kapitel>";
    return a;
}

} // namespace

class ExchangePagesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlsStartAsDescribed();
    void searchSendsTypedTextAndEmptiesEdit();
    void resultGridRowsAndColumns();
    void nothingFound();
    void gridClicks_data();
    void gridClicks();
    void gridKeys_data();
    void gridKeys();
    void confirmedInstallDownloadsAndReports();
    void hiddenDownloadTakesFirstRowWithoutAsking();
    void transferReports_data();
    void transferReports();
    void uploadPicksAListAndShowsBusy();
    void unreachableExchangeIsSaidOnThePage();
    void replacingAChangedListAsksWithNoAsDefault();
    void versionMessageOnlyWhenOutdated();
    void hiddenBookAndChapterLists();
    void navigationAndMail();
    void enteringThePageLoadsItsBackground();
    void configurationSources_data();
    void configurationSources();
    void wiredIntoTheStartScreen();

private:
    template <class W> W* on4(const char* name) { return tab4->findChild<W*>(QString::fromLatin1(name)); }
    void clickCell(int row, int column);

    tavrio::test::ScriptedSeams seams;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakeHttp> queryHttp, fileHttp;
    std::unique_ptr<FakeSocket> socket;
    std::unique_ptr<cWebinterface> web;
    std::unique_ptr<cWebFileInterface> files;
    std::unique_ptr<QWidget> tab2, tab4, tab5;
    cExchangePages pages;
    QList<int> shown;
};

void ExchangePagesTest::init()
{
    seams.clear();
    seams.install();
    dir = std::make_unique<QTemporaryDir>();
    queryHttp = std::make_unique<FakeHttp>();
    fileHttp = std::make_unique<FakeHttp>();
    socket = std::make_unique<FakeSocket>();
    web = std::make_unique<cWebinterface>(*queryHttp, "http://127.0.0.1:8517");
    files = std::make_unique<cWebFileInterface>(*fileHttp, *socket, "http://127.0.0.1:8517",
                                                QFile::encodeName(dir->path()).toStdString());
    for (auto* tab : {&tab2, &tab4, &tab5}) {
        *tab = std::make_unique<QWidget>();
        (*tab)->resize(800, 600);
    }
    shown.clear();
    pages = installExchangePages(tab2.get(), tab4.get(), tab5.get(), *web, *files,
                                 [this](int page) { shown << page; }, QStringLiteral("boerse@tavrio.example"));
    tab4->show();
    QVERIFY(QTest::qWaitForWindowExposed(tab4.get()));
}

void ExchangePagesTest::cleanup()
{
    tab2.reset();
    tab4.reset();
    tab5.reset();
    files.reset();
    web.reset();
}

void ExchangePagesTest::clickCell(int row, int column)
{
    auto* grid = on4<QTableWidget>("StringGrid2");
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QVERIFY2(cell.isValid(), "cell is on screen");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void ExchangePagesTest::controlsStartAsDescribed()
{
    QCOMPARE(on4<QLineEdit>("searchforwhat")->text(), QStringLiteral("searchforwhat"));
    QCOMPARE(on4<QPushButton>("Button19")->text(), QStringLiteral("Suchen"));
    auto* label = on4<QLabel>("searchresultfor");
    QCOMPARE(label->text(), QStringLiteral("searchresultfor"));
    QCOMPARE(label->font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(label->font().pixelSize(), 19);
    auto* grid = on4<QTableWidget>("StringGrid2");
    QCOMPARE(grid->rowCount(), 1);
    QVERIFY(on4<QLabel>("Image4") && on4<QLabel>("Label12") && on4<QLabel>("Image6"));
    for (const char* hidden : {"Buecher", "BuecherIDs", "kapitel", "KapitelIDs", "Button18", "getkapitelbutton",
                               "CheckForUpdatesButton", "SelbstHinzu", "downloadone", "TransferLaeuft"}) {
        auto* w = on4<QWidget>(hidden);
        QVERIFY2(w, hidden);
        QVERIFY2(!w->isVisible(), hidden);
    }
    QVERIFY(on4<QPushButton>("Hochladen")->isVisible());
    QCOMPARE(on4<QPushButton>("Button18")->text(), QStringLiteral("B\u00fccherauswahl"));
    QCOMPARE(tab5->findChild<QPlainTextEdit*>("Memo2")->toPlainText(), QStringLiteral("Memo2"));
    auto* internet = tab2->findChild<QPushButton*>("Button20");
    QVERIFY(internet);
    QCOMPARE(internet->text(), QStringLiteral("Aus dem Internet laden"));
}

void ExchangePagesTest::searchSendsTypedTextAndEmptiesEdit()
{
    auto* edit = on4<QLineEdit>("searchforwhat");
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("Unit 1 "));
    edit->insert(QStringLiteral("\u00fc"));
    QTest::mouseClick(on4<QPushButton>("Button19"), Qt::LeftButton);
    QCOMPARE(queryHttp->urls.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(queryHttp->urls.back()),
             QStringLiteral("http://127.0.0.1:8517/tavrio_webinterface.php?GIVEME=SUCHE&WONACH=Unit%201%20%FC"));
    QVERIFY(edit->text().isEmpty());
}

void ExchangePagesTest::resultGridRowsAndColumns()
{
    auto* grid = on4<QTableWidget>("StringGrid2");
    web->HandleAnswer(searchAnswer({"Unit 1", "Unit 2", "Unit 3"}));
    QCOMPARE(on4<QLabel>("searchresultfor")->text(), QStringLiteral("Suchergebnis f\u00fcr : \"Unit\""));
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(grid->columnCount(), 7);
    const QStringList header = {"Buch", "Kapitel", "W\u00f6rter", "Hinzugef\u00fcgt von", "", "", ""};
    const int widths[7] = {120, 215, 20, 100, 0, 0, 75};
    for (int c = 0; c < 7; ++c) {
        QTableWidgetItem* head = grid->item(0, c);
        QCOMPARE(head->text(), header[c]);
        QCOMPARE(grid->isColumnHidden(c), widths[c] == 0);
        if (widths[c] == 0)
            continue;
        // At least the given width, and wide enough that no header is cut.
        QVERIFY(grid->columnWidth(c) >= widths[c]);
        QVERIFY2(QFontMetrics(head->font()).horizontalAdvance(head->text()) + 8 <= grid->columnWidth(c),
                 qPrintable(head->text()));
    }
    int shown = 0;
    for (int c = 0; c < 7; ++c)
        shown += grid->isColumnHidden(c) ? 0 : grid->columnWidth(c);
    QVERIFY(shown <= grid->width() - 2 * grid->frameWidth());
    const QStringList row3 = {"Englisch 5", "Unit 3", "31", "Tavrio", "3", "12", "Installieren"};
    for (int c = 0; c < 7; ++c)
        QCOMPARE(grid->item(3, c)->text(), row3[c]);

    web->HandleAnswer(searchAnswer({"Unit 9"}));
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("Unit 9"));
}

void ExchangePagesTest::nothingFound()
{
    auto* grid = on4<QTableWidget>("StringGrid2");
    web->HandleAnswer(searchAnswer({"Unit 1", "Unit 2"}));
    web->HandleAnswer(searchAnswer({}, "Zebra"));
    QCOMPARE(on4<QLabel>("searchresultfor")->text(), QStringLiteral("Suchergebnis f\u00fcr : \"Zebra\""));
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->columnCount(), 1);
    QCOMPARE(grid->columnWidth(0), 662);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Nichts passendes gefunden."));
    clickCell(0, 0);
    QVERIFY(seams.questions.isEmpty());
}

void ExchangePagesTest::gridClicks_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("asks");
    QTest::newRow("header Buch") << 0 << 0 << false;
    QTest::newRow("header of install column") << 0 << 6 << false;
    QTest::newRow("book name") << 1 << 0 << false;
    QTest::newRow("word count") << 2 << 2 << false;
    QTest::newRow("install of row 2") << 2 << 6 << true;
}

void ExchangePagesTest::gridClicks()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, asks);
    web->HandleAnswer(searchAnswer({"Unit 1", "Unit 2"}));
    clickCell(row, column);
    auto* grid = on4<QTableWidget>("StringGrid2");
    QVERIFY(grid->selectedItems().isEmpty());
    if (!asks) {
        QVERIFY(seams.questions.isEmpty());
        return;
    }
    QCOMPARE(seams.questions,
             QStringList{QStringLiteral("Die Vokabeldatei \"Englisch 5 - Unit 2.vok\" wirklich runterladen?")});
    QVERIFY2(fileHttp->urls.empty(), "answered No: nothing is downloaded");
}

void ExchangePagesTest::gridKeys_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("asked"); // empty: no question
    const QString unit1 = QStringLiteral("Die Vokabeldatei \"Englisch 5 - Unit 1.vok\" wirklich runterladen?");
    const QString unit2 = QStringLiteral("Die Vokabeldatei \"Englisch 5 - Unit 2.vok\" wirklich runterladen?");
    QTest::newRow("Return on install") << 1 << 6 << QList<int>{Qt::Key_Return} << unit1;
    QTest::newRow("Space on install") << 1 << 6 << QList<int>{Qt::Key_Space} << unit1;
    QTest::newRow("arrow down, then Return") << 1 << 6 << QList<int>{Qt::Key_Down, Qt::Key_Return} << unit2;
    QTest::newRow("Return on a book name") << 1 << 0 << QList<int>{Qt::Key_Return} << QString();
    QTest::newRow("Return on the header") << 0 << 6 << QList<int>{Qt::Key_Return} << QString();
}

void ExchangePagesTest::gridKeys()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QList<int>, keys);
    QFETCH(QString, asked);
    web->HandleAnswer(searchAnswer({"Unit 1", "Unit 2"}));
    auto* grid = on4<QTableWidget>("StringGrid2");
    grid->setFocus();
    QVERIFY(grid->hasFocus());
    grid->setCurrentCell(row, column);
    for (int key : keys)
        QTest::keyClick(grid, Qt::Key(key));
    QCOMPARE(seams.questions, asked.isEmpty() ? QStringList{} : QStringList{asked});
    QVERIFY(grid->selectedItems().isEmpty());
    QVERIFY(fileHttp->urls.empty());
}

void ExchangePagesTest::confirmedInstallDownloadsAndReports()
{
    web->HandleAnswer(searchAnswer({"Unit 1", "Unit \u00c4"}));
    seams.answers << true;
    clickCell(2, 6);
    QCOMPARE(fileHttp->urls.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(fileHttp->urls[0]),
             QStringLiteral("http://127.0.0.1:8517/Kavnet/Tavrio/Network/VokDateien/Englisch%205%20-%20Unit%20%C4.vok"));
    QVERIFY(on4<QLabel>("TransferLaeuft")->isVisible());
    fileHttp->answer(200, "Haus\r\nhouse\r\n\r\n\r\n");
    QVERIFY(!on4<QLabel>("TransferLaeuft")->isVisible());
    const QString line = QStringLiteral("Englisch 5 - Unit \u00c4.vok erfolgreich runtergeladen");
    QCOMPARE(seams.messages, QStringList{line});
    QVERIFY(tab5->findChild<QPlainTextEdit*>("Memo2")->toPlainText().endsWith(line));
    QVERIFY2(QFile::exists(dir->filePath(QStringLiteral("Englisch 5 - Unit \u00c4.vok"))),
             "the list lands in the working directory under its exchange name, readable by other programs");
}

void ExchangePagesTest::hiddenDownloadTakesFirstRowWithoutAsking()
{
    web->HandleAnswer(searchAnswer({"Unit 7", "Unit 8"}));
    on4<QPushButton>("downloadone")->click();
    QVERIFY(seams.questions.isEmpty());
    QCOMPARE(fileHttp->urls.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(fileHttp->urls[0]).endsWith(QStringLiteral("/Englisch%205%20-%20Unit%207.vok")));
}

void ExchangePagesTest::transferReports_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("messageBox");
    QTest::newRow("upload ok") << 0 << QStringLiteral("x.vok erfolgreich hochgeladen") << false;
    QTest::newRow("upload failed") << 1 << QStringLiteral("x.vok hochzuladen fehlgeschlagen") << true;
    QTest::newRow("download ok") << 2 << QStringLiteral("x.vok erfolgreich runtergeladen") << true;
    QTest::newRow("download failed") << 3 << QStringLiteral("x.vok runterzuladen fehlgeschlagen") << true;
}

void ExchangePagesTest::transferReports()
{
    QFETCH(int, kind);
    QFETCH(QString, line);
    QFETCH(bool, messageBox);
    const std::function<void(const std::string&)>* reportSlots[] = {&files->OnUploadSuccess, &files->OnUploadFailure,
                                                             &files->OnDownloadSuccess, &files->OnDownloadFailure};
    (*reportSlots[kind])("x.vok");
    QCOMPARE(tab5->findChild<QPlainTextEdit*>("Memo2")->toPlainText(), QStringLiteral("Memo2\n") + line);
    QCOMPARE(seams.messages, messageBox ? QStringList{line} : QStringList{});
}

void ExchangePagesTest::uploadPicksAListAndShowsBusy()
{
    auto* upload = on4<QPushButton>("Hochladen");
    QTest::mouseClick(upload, Qt::LeftButton); // cancelled dialog
    QVERIFY(socket->pending.empty());

    const QString path = dir->filePath(QStringLiteral("Meine \u00dcbung.vok"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Haus\r\nhouse\r\n\r\n\r\n");
    f.close();
    seams.fileAnswers << path;
    QTest::mouseClick(upload, Qt::LeftButton);
    QCOMPARE(socket->pending.size(), std::size_t(1));
    const std::string& request = socket->pending[0].request;
    QVERIFY(request.find("name=\"Wunschname\"\r\n\r\nMeine \xDC" "bung.vok\r\n") != std::string::npos);
    QVERIFY(request.find("Haus\r\nhouse\r\n\r\n\r\n\r\n") != std::string::npos);
    QVERIFY(on4<QLabel>("TransferLaeuft")->isVisible());
    socket->reply("HTTP/1.1 200 OK\r\n\r\n<upload><result>successful</result><filename>Meine \xDC" "bung.vok</filename></upload>");
    QVERIFY(!on4<QLabel>("TransferLaeuft")->isVisible());
    QVERIFY(tab5->findChild<QPlainTextEdit*>("Memo2")->toPlainText().endsWith(
        QStringLiteral("Meine \u00dcbung.vok erfolgreich hochgeladen")));
    QVERIFY(seams.messages.isEmpty());
    QCOMPARE(on4<QLabel>("Hochladebericht")->text(), QStringLiteral("Meine \u00dcbung.vok erfolgreich hochgeladen"));

    // A name that Windows-1252 cannot hold is refused, not sent mangled.
    const std::size_t sent = socket->pending.size();
    seams.fileAnswers << dir->filePath(QStringLiteral("\u0420\u0443\u0441\u0441\u043a\u0438\u0439.vok"));
    QTest::mouseClick(upload, Qt::LeftButton);
    QCOMPARE(socket->pending.size(), sent);
    QCOMPARE(seams.messages.size(), 1);
    QVERIFY(seams.messages[0].startsWith(
        QStringLiteral("Der Dateiname \"\u0420\u0443\u0441\u0441\u043a\u0438\u0439.vok\" enth\u00e4lt Zeichen")));
}

void ExchangePagesTest::unreachableExchangeIsSaidOnThePage()
{
    auto* line = on4<QLabel>("NichtErreichbar");
    QVERIFY(!line->isVisible());
    on4<QPushButton>("Button19")->click();
    queryHttp->fail();
    QVERIFY(line->isVisible());
    QCOMPARE(line->text(), QStringLiteral("Die Tauschb\u00f6rse ist gerade nicht erreichbar."));
    web->HandleAnswer(searchAnswer({"Unit 1"}));
    QVERIFY(!line->isVisible());

    files->Download("x.vok");
    fileHttp->fail();
    QVERIFY(line->isVisible());
}

void ExchangePagesTest::replacingAChangedListAsksWithNoAsDefault()
{
    QFile f(dir->filePath(QStringLiteral("Englisch - Unit 1.vok")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("eigene\r\nListe\r\n1\r\n\r\n");
    f.close();
    files->Download("Englisch - Unit 1.vok");
    fileHttp->answer(200, "andere\r\nListe\r\n1\r\n\r\n");
    QCOMPARE(seams.questions,
             QStringList{QStringLiteral("Die Vokabelliste \"Englisch - Unit 1.vok\" gibt es schon. Ersetzen?")});
    QCOMPARE(seams.questionDefaults, QList<tavrio::cDefaultAnswer>{tavrio::cDefaultAnswer::No});
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("eigene\r\nListe\r\n1\r\n\r\n"));
    QVERIFY(seams.messages.isEmpty());
}

void ExchangePagesTest::versionMessageOnlyWhenOutdated()
{
    web->HandleAnswer("<titel>VERSION</titel><aktualitaet>aktuell</aktualitaet><updateurl>u</updateurl>"
                      "<eintrag><inhalt>a</inhalt><zeitpunkt>1</zeitpunkt></eintrag>"
                      "<eintrag><inhalt>b</inhalt><zeitpunkt>2</zeitpunkt></eintrag>");
    QVERIFY(seams.messages.isEmpty());
    web->HandleAnswer("<titel>VERSION</titel><aktualitaet>alt</aktualitaet><updateurl>http://neu</updateurl>");
    QCOMPARE(seams.messages.size(), 1);
    QCOMPARE(seams.messages[0].split(QStringLiteral("\r\n")),
             (QStringList{"Deine Version ist nicht mehr auf dem neusten Stand!",
                          "Besuche http://neu um Deine Version zu aktualisieren.", "",
                          "Folgende wichtige \u00c4nderungen wurden seit Deiner Version gemacht :", ""}));
    on4<QPushButton>("CheckForUpdatesButton")->click();
    QCOMPARE(QString::fromStdString(queryHttp->urls.back()),
             QStringLiteral("http://127.0.0.1:8517/tavrio_webinterface.php?GIVEME=VERSION&MEINEVERSION=2"));
}

void ExchangePagesTest::hiddenBookAndChapterLists()
{
    on4<QPushButton>("Button18")->click();
    on4<QPushButton>("getkapitelbutton")->click();
    QCOMPARE(queryHttp->urls.size(), std::size_t(2));
    web->HandleAnswer("<titel>BUECHER</titel><buch><id>3</id><titel>Band 1</titel></buch>"
                      "<buch><id>x</id><titel>Band 2</titel></buch>");
    auto* books = on4<QComboBox>("Buecher");
    QCOMPARE(books->count(), 2);
    QCOMPARE(books->currentIndex(), 0);
    QCOMPARE(books->itemText(1), QStringLiteral("Band 2"));
    QCOMPARE(on4<QListWidget>("BuecherIDs")->item(1)->text(), QStringLiteral("0"));
    web->HandleAnswer("<titel>KAPITEL</titel><kapitel><id>5</id><titel>Unit 1</titel></kapitel>");
    QCOMPARE(on4<QComboBox>("kapitel")->currentText(), QStringLiteral("Unit 1"));
    QCOMPARE(on4<QListWidget>("KapitelIDs")->count(), 1);
}

void ExchangePagesTest::navigationAndMail()
{
    QTest::mouseClick(on4<QLabel>("Image4"), Qt::LeftButton);
    QTest::mouseClick(tab2->findChild<QPushButton*>("Button20"), Qt::LeftButton);
    tab5->show();
    QTest::mouseClick(tab5->findChild<QLabel*>("Image5"), Qt::LeftButton);
    QCOMPARE(shown, (QList<int>{1, 4, 4}));
    QTest::mouseClick(on4<QLabel>("Label12"), Qt::LeftButton);
    on4<QPushButton>("SelbstHinzu")->click();
    QCOMPARE(seams.mails, (QStringList{"boerse@tavrio.example", "boerse@tavrio.example"}));
}

void ExchangePagesTest::enteringThePageLoadsItsBackground()
{
    const QByteArray runtime = qgetenv("TAVRIO_RUNTIME_DIR");
    if (runtime.isEmpty())
        QSKIP("no generated runtime directory");
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromLocal8Bit(runtime));
    pages.exchange->PageEntered();
    QDir::setCurrent(before);
    auto* background = on4<QLabel>("Image6");
    QCOMPARE(background->pixmap().size(), QSize(800, 600));
    pages.exchange->ReleaseBackground();
    QVERIFY(background->pixmap().isNull());
}

void ExchangePagesTest::configurationSources_data()
{
    QTest::addColumn<QString>("settingsQuery");
    QTest::addColumn<QByteArray>("envQuery");
    QTest::addColumn<QString>("settingsMail");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("mail");
    const QString def = QStringLiteral("http://127.0.0.1:8517");
    const QString defMail = QString::fromLatin1(tavrio::exchange::DefaultMailAddress);
    QTest::newRow("defaults") << QString() << QByteArray() << QString() << def << defMail;
    QTest::newRow("settings key") << "http://tausch.example:8080/" << QByteArray() << "a@b.example"
                                  << "http://tausch.example:8080" << "a@b.example";
    QTest::newRow("environment wins") << "http://tausch.example:8080" << QByteArray("http://127.0.0.1:9000")
                                      << QString() << "http://127.0.0.1:9000" << defMail;
    QTest::newRow("unusable values ignored") << "ftp://x" << QByteArray("http://host/with/path") << QString()
                                             << def << defMail;
}

void ExchangePagesTest::configurationSources()
{
    QFETCH(QString, settingsQuery);
    QFETCH(QByteArray, envQuery);
    QFETCH(QString, settingsMail);
    QFETCH(QString, query);
    QFETCH(QString, mail);
    QSettings settings(dir->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    if (!settingsQuery.isEmpty())
        settings.setValue("Exchange/QueryUrl", settingsQuery);
    if (!settingsMail.isEmpty())
        settings.setValue("Exchange/MailAddress", settingsMail);
    settings.setValue("Exchange/FileUrl", "http://files.example:81");
    if (envQuery.isEmpty())
        qunsetenv("TAVRIO_QUERY_URL");
    else
        qputenv("TAVRIO_QUERY_URL", envQuery);
    qunsetenv("TAVRIO_FILE_URL");
    const auto config = tavrio::exchange::loadExchangeConfig(settings);
    qunsetenv("TAVRIO_QUERY_URL");
    QCOMPARE(QString::fromStdString(config.queryUrl), query);
    QCOMPARE(QString::fromStdString(config.fileUrl), QStringLiteral("http://files.example:81"));
    QCOMPARE(QString::fromStdString(config.mailAddress), mail);
}

void ExchangePagesTest::wiredIntoTheStartScreen()
{
    QStandardPaths::setTestModeEnabled(true);
    qputenv("TAVRIO_QUERY_URL", "http://127.0.0.1:9");
    TFormStart form;
    auto& clients = tavrio::exchange::installExchange(form);
    qunsetenv("TAVRIO_QUERY_URL");
    QCOMPARE(clients.config.queryUrl, std::string("http://127.0.0.1:9"));
    QVERIFY(form.page(TFormStart::ExchangePage)->findChild<QTableWidget*>("StringGrid2"));
    QVERIFY(form.page(TFormStart::TextPage)->findChild<QPlainTextEdit*>("Memo2"));
    auto* internet = form.page(TFormStart::ListEditorPage)->findChild<QPushButton*>("Button20");
    QVERIFY(internet);

    const QByteArray runtime = qgetenv("TAVRIO_RUNTIME_DIR");
    const QString before = QDir::currentPath();
    if (!runtime.isEmpty())
        QDir::setCurrent(QString::fromLocal8Bit(runtime));
    internet->click();
    QDir::setCurrent(before);
    QCOMPARE(form.currentPage(), int(TFormStart::ExchangePage));
    auto* background = form.page(TFormStart::ExchangePage)->findChild<QLabel*>("Image6");
    if (!runtime.isEmpty())
        QVERIFY(!background->pixmap().isNull());
    form.showPage(TFormStart::TextPage);
    QVERIFY2(background->pixmap().isNull(), "leaving the page releases its picture");
    form.CheckVersion(2); // a refused port: silently nothing
}

QTEST_MAIN(ExchangePagesTest)
#include "ExchangePagesTest.moc"
