// The two maze windows driven by object name: opened from their rooms,
// played by key and by calling the timers' step slots directly (no waiting),
// closed back to the room. Levels are written into the session's temporary
// working directory as "Start.lvl".
#include "NamedChild.h"
#include "ScriptedDraws.h"
#include "ScriptedSeams.h"
#include "TempSession.h"

#include "engine/Session.h"
#include "exercises/helpdad/TForm17.h"
#include "exercises/seenot/TForm21.h"
#include "ui/HelpWindow.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using tavrio::test::cTempSession;

namespace {

// A level as the editor writes it, rows joined by CR LF, name "Probe".
std::string levelFile(std::initializer_list<const char*> rows)
{
    std::string bytes;
    for (const char* r : rows)
        bytes += std::string(r) + "\r\n";
    return bytes + "Probe\r\n";
}

const char* const kWall = "222222222222222222222222";
const char* const kInside = "200000000000000000000002";
const char* const kBottom = "222233333333333333333222";

// Exit at column 2, the figure at column 3 of row 2; the four letter
// fields lie in the answer row from column 5 on.
std::string papaLevel(const char* row13)
{
    return levelFile({kWall, "241000000000000000000002", kInside, kInside, kInside, kInside, kInside, kInside,
                      kInside, kInside, kInside, kInside, row13, kBottom});
}

// "Seenot!": the boat at column 2 of row 2 faces a reef at column 3; the
// ship is at column 10.
std::string seaLevel(const char* row2)
{
    return levelFile({kWall, row2, kInside, kInside, kInside, kInside, kInside, kInside, kInside, kInside, kInside,
                      kInside, kInside, kBottom});
}

// What a window showed at the moment it became visible.
class cShowSpy : public QObject {
public:
    explicit cShowSpy(QWidget* w) { w->installEventFilter(this); }
    QString originalAtShow;
    QString buttonAtShow;
    bool drawnAtShow = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && buttonAtShow.isEmpty()) {
            auto* w = static_cast<QWidget*>(o);
            originalAtShow = tavrio::test::namedChild<QLabel>(w, QStringLiteral("Orginallabel"))->text();
            buttonAtShow = tavrio::test::namedChild<QPushButton>(w, QStringLiteral("Button2"))->text();
            drawnAtShow = tavrio::test::namedChild<cMazeField>(w, QStringLiteral("feld"))->isDrawn();
        }
        return false;
    }
};

template <class T>
T* child(QWidget* w, const char* name)
{
    return tavrio::test::namedChild<T>(w, QString::fromLatin1(name));
}

int number(QWidget* w, const char* name) { return child<cCounterField>(w, name)->value(); }

const QString kRight = QStringLiteral("SUPER!!! Das war richtig. Auf zum nächsten Wort!");
const QString kWrong = QStringLiteral("Schade :-{ Richtig war :HAUS!");

} // namespace

class tst_MazeWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void papaStartsARoundBeforeShowingAndHandsTheRowIn();
    void papaWrongRowAndStopnow();
    void papaWithoutWordsStartsNothing();
    void levelChoiceStartsANewRoundOnTheChosenFile();
    void seenotStartsARoundBeforeShowingAndCrashes();
    void seenotRoundEndsWithItsMessage_data();
    void seenotRoundEndsWithItsMessage();
    void seenotCollectsFloatingLettersToTheShip();
    void closingStopsTheTimersAndGivesTheRoomBack();
    void mapAndItsFrameStayInsideTheWindowClearOfTheText_data();
    void mapAndItsFrameStayInsideTheWindowClearOfTheText();

private:
    void useWords(const std::string& level);
    QWidget* makeRoom();

    tavrio::test::ScriptedSeams seams_;
    std::unique_ptr<cTempSession> temp_;
    std::unique_ptr<QWidget> room_;
    TForm17* papa_ = nullptr;
    TForm21* sea_ = nullptr;
};

void tst_MazeWindows::initTestCase()
{
    seams_.install();
    tavrio::windows().form15 = new TForm15;
    papa_ = new TForm17;
    sea_ = new TForm21;
    tavrio::windows().form17 = papa_;
    tavrio::windows().form21 = sea_;
}

void tst_MazeWindows::init() { seams_.clear(); }

void tst_MazeWindows::cleanup()
{
    papa_->hide();
    sea_->hide();
    room_.reset();
    tavrio::setSession(nullptr);
    temp_.reset();
}

void tst_MazeWindows::useWords(const std::string& level)
{
    temp_ = std::make_unique<cTempSession>(tavrio::test::cWordPairs{{"house", "Haus"}});
    cTempSession::writeFile("Start.lvl", level);
    tavrio::setSession(std::move(temp_->session));
}

QWidget* tst_MazeWindows::makeRoom()
{
    room_ = std::make_unique<QWidget>();
    room_->show();
    return room_.get();
}

void tst_MazeWindows::papaStartsARoundBeforeShowingAndHandsTheRowIn()
{
    // Draws of 0: the letter set keeps "HAUS" first, so the fields of the
    // answer row spell it.
    tavrio::test::cScriptedDraws draws;
    useWords(papaLevel("200055550000000000000002"));
    QWidget* house = makeRoom();
    child<QLineEdit>(papa_, "Level")->setText(QStringLiteral("other.lvl"));
    cShowSpy spy(papa_);
    tavrio::openHilfPapa(house);

    QCOMPARE(spy.originalAtShow, QStringLiteral("house"));
    QCOMPARE(spy.buttonAtShow, QStringLiteral("Auflösen"));
    QVERIFY(spy.drawnAtShow);
    QVERIFY(!house->isEnabled());
    QVERIFY(papa_->isVisible() && papa_->isEnabled());
    QCOMPARE(child<QLineEdit>(papa_, "Level")->text(), QStringLiteral("Start.lvl"));
    QCOMPARE(child<QLabel>(papa_, "Levelname")->text(), QStringLiteral("Probe"));
    QCOMPARE(number(papa_, "tavriopos"), 27);
    QCOMPARE(number(papa_, "endpos"), 26);
    papa_->setFileName(QStringLiteral("Latein.vok"));
    QCOMPARE(child<QLineEdit>(papa_, "dateiname")->text(), QStringLiteral("Latein.vok"));
    QCOMPARE(papa_->game().answer(), std::string("HAUS"));
    QVERIFY(seams_.messages.isEmpty());

    // The arrow key reaches the game from a focused button; onto the exit.
    const int before = tavrio::session()->GetScore("house", "Haus");
    QTest::keyClick(child<QPushButton>(papa_, "Image3"), Qt::Key_Left);
    QCOMPARE(seams_.messages, QStringList{kRight});
    QVERIFY(tavrio::session()->GetScore("house", "Haus") > before);
    // The next round reads the level anew: the figure is back at its start.
    QCOMPARE(number(papa_, "tavriopos"), 27);
    QCOMPARE(child<QPushButton>(papa_, "Button2")->text(), QStringLiteral("Auflösen"));

    // Esc is "Zurück".
    QTest::keyClick(child<QPushButton>(papa_, "Image1"), Qt::Key_Escape);
    QVERIFY(!papa_->isVisible());
    QVERIFY(house->isEnabled());
}

void tst_MazeWindows::papaWrongRowAndStopnow()
{
    tavrio::test::cScriptedDraws draws;
    // The letters lie one column too far right: " HAUS".
    useWords(papaLevel("200005555000000000000002"));
    tavrio::openHilfPapa(makeRoom());
    child<cCounterField>(papa_, "Stopnow")->setValue(1);
    papa_->FormKeyDown(37);
    QCOMPARE(number(papa_, "tavriopos"), 27);
    child<cCounterField>(papa_, "Stopnow")->setValue(0);
    papa_->FormKeyDown(37);
    QCOMPARE(seams_.messages, QStringList{kWrong});
}

void tst_MazeWindows::papaWithoutWordsStartsNothing()
{
    tavrio::openHilfPapa(makeRoom());
    QCOMPARE(seams_.messages,
             QStringList{QStringLiteral("Es sind keine Vokabeln geladen. Bitte wähle zuerst eine Vokabelliste aus!")});
    QCOMPARE(child<QPushButton>(papa_, "Button2")->text(), QStringLiteral("Start"));
    QVERIFY(!child<cMazeField>(papa_, "feld")->isDrawn());
    papa_->FormKeyDown(39);
    QCOMPARE(seams_.messages.size(), 1);
}

void tst_MazeWindows::levelChoiceStartsANewRoundOnTheChosenFile()
{
    tavrio::test::cScriptedDraws draws;
    useWords(papaLevel("200055550000000000000002"));
    std::string other = papaLevel("200000000000000000000002");
    other.replace(other.find("Probe"), 5, "Meer");
    cTempSession::writeFile("Meer.lvl", other);
    tavrio::openHilfPapa(makeRoom());
    papa_->FormKeyDown(40);
    QCOMPARE(number(papa_, "tavriopos"), 51);

    // Cancelled: nothing changes.
    child<QPushButton>(papa_, "Image3")->click();
    QCOMPARE(child<QLineEdit>(papa_, "Level")->text(), QStringLiteral("Start.lvl"));
    QCOMPARE(number(papa_, "tavriopos"), 51);

    seams_.fileAnswers << QString::fromStdString((temp_->dir() / "Meer.lvl").string());
    child<QPushButton>(papa_, "Image3")->click();
    QCOMPARE(child<QLineEdit>(papa_, "Level")->text(), QStringLiteral("Meer.lvl"));
    QCOMPARE(child<QLabel>(papa_, "Levelname")->text(), QStringLiteral("Meer"));
    QCOMPARE(number(papa_, "tavriopos"), 27);
    QCOMPARE(papa_->game().answer(), std::string());
    QVERIFY(seams_.messages.isEmpty());
}

void tst_MazeWindows::seenotStartsARoundBeforeShowingAndCrashes()
{
    tavrio::test::cScriptedDraws draws;
    useWords(seaLevel("012000000400000000000000"));
    QWidget* garden = makeRoom();
    cShowSpy spy(sea_);
    tavrio::openSeenot(garden);
    QCOMPARE(spy.originalAtShow, QStringLiteral("house"));
    QCOMPARE(spy.buttonAtShow, QStringLiteral("Auflösen"));
    QVERIFY(spy.drawnAtShow);
    QVERIFY(!garden->isEnabled());
    auto* timer1 = child<QTimer>(sea_, "Timer1");
    auto* timer2 = child<QTimer>(sea_, "Timer2");
    QVERIFY(timer1->isActive());
    QCOMPARE(timer1->interval(), 250);
    QCOMPARE(timer2->interval(), 3000);
    QCOMPARE(child<QLineEdit>(sea_, "nochbuchstaben")->text(), QStringLiteral("HAUSAAAA"));

    // No key yet: the tick moves nothing, but lets the letters float.
    sea_->Timer1Timer();
    QVERIFY(timer2->isActive());
    QCOMPARE(number(sea_, "tavriopos"), 26);
    QVERIFY(seams_.messages.isEmpty());

    QTest::keyClick(child<QPushButton>(sea_, "Image2"), Qt::Key_Right);
    QCOMPARE(number(sea_, "last"), 2);
    QCOMPARE(number(sea_, "tavriopos"), 26);
    sea_->Timer1Timer();
    QCOMPARE(seams_.messages,
             (QStringList{QStringLiteral("Du darfst doch nicht gegen die Wände oder deine Wörterschwanz rennen..."),
                          kWrong}));
    // The next round has begun at once.
    QCOMPARE(number(sea_, "tavriopos"), 26);
    QCOMPARE(number(sea_, "last"), 0);
    QVERIFY(timer1->isActive());
    QVERIFY(!timer2->isActive());
}

void tst_MazeWindows::seenotRoundEndsWithItsMessage_data()
{
    QTest::addColumn<QString>("row2");
    QTest::addColumn<QString>("message");
    QTest::newRow("reef") << "012000000400000000000000"
                          << "Du darfst doch nicht gegen die Wände oder deine Wörterschwanz rennen...";
    QTest::newRow("whirlpool without tail")
        << "013000000400000000000000" << "Das letzt Feld das du gelöscht hast warst du!!! Leider verloren...";
}

void tst_MazeWindows::seenotRoundEndsWithItsMessage()
{
    QFETCH(QString, row2);
    QFETCH(QString, message);
    tavrio::test::cScriptedDraws draws;
    useWords(seaLevel(row2.toLatin1().constData()));
    tavrio::openSeenot(makeRoom());
    // The key reaches the game from the focused back button, which stays.
    QTest::keyClick(child<QPushButton>(sea_, "Image2"), Qt::Key_Right);
    sea_->Timer1Timer();
    QCOMPARE(seams_.messages, (QStringList{message, kWrong}));
    QVERIFY(sea_->isVisible());
    QCOMPARE(number(sea_, "tavriopos"), 26);
}

void tst_MazeWindows::seenotCollectsFloatingLettersToTheShip()
{
    tavrio::test::cScriptedDraws draws;
    useWords(seaLevel("010000400000000000000000"));
    tavrio::openSeenot(makeRoom());
    sea_->FormKeyDown2(39);
    // Each letter: k = 1 (the reserve's first), then its cell 27 .. 30.
    draws.queue = {1, 26, 1, 27, 1, 28, 1, 29};
    for (int i = 0; i < 4; ++i)
        sea_->Timer2Timer();
    QCOMPARE(child<QLineEdit>(sea_, "nochbuchstaben")->text(), QStringLiteral("AAAA"));
    for (int i = 0; i < 4; ++i)
        sea_->Timer1Timer();
    QCOMPARE(child<QLineEdit>(sea_, "Uebersetzt")->text(), QStringLiteral("HAUS"));
    QVERIFY(seams_.messages.isEmpty());
    sea_->Timer1Timer();
    QCOMPARE(seams_.messages, QStringList{kRight});
    QCOMPARE(child<QLineEdit>(sea_, "Uebersetzt")->text(), QString());
}

void tst_MazeWindows::closingStopsTheTimersAndGivesTheRoomBack()
{
    tavrio::test::cScriptedDraws draws;
    useWords(seaLevel("010000400000000000000000"));
    for (cMazeWindow* w : std::initializer_list<cMazeWindow*>{sea_, papa_}) {
        QWidget* room = makeRoom();
        if (w == sea_)
            tavrio::openSeenot(room);
        else
            tavrio::openHilfPapa(room);
        for (QTimer* t : w->findChildren<QTimer*>())
            t->start();
        child<QPushButton>(w, "Image2")->click();
        QVERIFY(!w->isVisible());
        QVERIFY(room->isEnabled());
        for (QTimer* t : w->findChildren<QTimer*>())
            QVERIFY2(!t->isActive(), qPrintable(t->objectName()));
    }
}

void tst_MazeWindows::mapAndItsFrameStayInsideTheWindowClearOfTheText_data()
{
    QTest::addColumn<bool>("sea");
    QTest::newRow("Hilf Papa") << false;
    QTest::newRow("Seenot") << true;
}

// The backgrounds frame the map 4 units wide; that frame keeps 8 units from
// the window's edges, and no text the learner reads runs under it.
void tst_MazeWindows::mapAndItsFrameStayInsideTheWindowClearOfTheText()
{
    QFETCH(bool, sea);
    tavrio::test::cScriptedDraws draws;
    useWords(papaLevel("222250000000000000000222"));
    cMazeWindow* w = sea ? static_cast<cMazeWindow*>(sea_) : papa_;
    if (sea)
        tavrio::openSeenot(makeRoom());
    else
        tavrio::openHilfPapa(makeRoom());
    QVERIFY(w->isVisible());
    if (sea) {
        // A full tail of 16 letters, wide ones among them.
        child<QLineEdit>(w, "Uebersetzt")->setText(QStringLiteral("SCHWIMMWETTKAMPF"));
        sea_->Timer1Timer();
        auto* collected = child<QLabel>(w, "ZurZeit");
        QVERIFY(QFontMetrics(collected->font()).horizontalAdvance(collected->text()) <= collected->width());
    }
    const QRect framed = child<cMazeField>(w, "feld")->geometry().adjusted(-4, -4, 4, 4);
    QVERIFY(w->rect().adjusted(8, 8, -8, -8).contains(framed));
    for (QLabel* label : w->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->objectName() == QLatin1String("Hintergrund"))
            continue;
        QVERIFY2(!label->geometry().intersects(framed), qPrintable(label->text()));
        QVERIFY2(w->rect().contains(label->geometry()), qPrintable(label->text()));
    }
}

QTEST_MAIN(tst_MazeWindows)
#include "MazeWindowsTest.moc"
