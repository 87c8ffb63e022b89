// The little brother and the wheel of fortune, opened from the real
// children's room of the owner's windows, with scripted seams and a real
// session in a temporary working directory.
#include "NamedChild.h"
#include "NamedText.h"
#include "ScriptedRandom.h"
#include "ScriptedSeams.h"
#include "TempSession.h"

#include "app/ChildrensRoomWindow.h"
#include "app/Tavrio.h"
#include "engine/Session.h"
#include "exercises/littlebrother/TForm12.h"
#include "exercises/wheel/TForm24.h"
#include "exercises/wheel/WheelLayout.h"
#include "exercises/wheel/WheelRules.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <memory>

using tavrio::windows;
using tavrio::test::cScriptedRandom;
using tavrio::test::cTempSession;
using tavrio::test::cWordPairs;

namespace {

QString text(QWidget* w, const char* name) { return tavrio::test::namedText(w, QString::fromLatin1(name)); }

template <class T = QWidget>
T* child(QWidget* w, const QString& name)
{
    return tavrio::test::namedChild<T>(w, name);
}

QLabel* letter(char c) { return child<QLabel>(windows().form24, QStringLiteral("Label%1").arg(c - 'A' + 1)); }

// What the window showed in the named components at the moment it was shown.
class cShowSpy : public QObject {
public:
    cShowSpy(QWidget* w, QStringList names)
        : names_(std::move(names))
    {
        w->installEventFilter(this);
    }
    QStringList atShow;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && atShow.isEmpty())
            for (const QString& n : names_)
                atShow << text(static_cast<QWidget*>(o), qPrintable(n));
        return false;
    }

private:
    QStringList names_;
};

} // namespace

class tst_ChildrensGames : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void littleBrotherAsksAsSoonAsItIsShown();
    void littleBrotherAnswersReachTheStatistics_data();
    void littleBrotherAnswersReachTheStatistics();
    void littleBrotherOneLetterGivesTwoEqualRightButtons();
    void littleBrotherWithoutUsableWordsRecordsNothing_data();
    void littleBrotherWithoutUsableWordsRecordsNothing();

    void wheelStartsARoundBeforeItIsShown();
    void wheelEveryStakeStaysInsideThePanel();
    void wheelLongWordStaysInsideThePanelAsLettersShow();
    void wheelSolvedRoundIsBankedAndRecorded();
    void wheelNextRoundDropsTheMoney();
    void wheelBankruptcyAndJokers();
    void wheelWithoutLettersToGuessIsNeverStuck_data();
    void wheelWithoutLettersToGuessIsNeverStuck();

    void backReEnablesTheRoom_data();
    void backReEnablesTheRoom();

private:
    void useWords(const cWordPairs& pairs);
    TForm10* room() const { return windows().form10; }
    TForm12* brother() const { return windows().form12; }
    TForm24* wheel() const { return windows().form24; }
    int score(const char* q, const char* a) const { return tavrio::session()->GetScore(q, a); }

    tavrio::test::ScriptedSeams seams_;
    std::unique_ptr<cTempSession> temp_;
};

void tst_ChildrensGames::init()
{
    seams_.install();
    seams_.clear();
    tavrio::createWindows();
}

void tst_ChildrensGames::cleanup()
{
    tavrio::setSession(nullptr);
    tavrio::destroyWindows();
    temp_.reset();
}

void tst_ChildrensGames::useWords(const cWordPairs& pairs)
{
    temp_ = std::make_unique<cTempSession>(pairs);
    const QByteArray runtime = qgetenv("TAVRIO_RUNTIME_DIR");
    std::error_code ec;
    std::filesystem::create_directory_symlink(std::filesystem::path(runtime.toStdString()) / "BG", "BG", ec);
    tavrio::setSession(std::move(temp_->session));
    room()->show();
}

// ---- little brother ----------------------------------------------------------

void tst_ChildrensGames::littleBrotherAsksAsSoonAsItIsShown()
{
    useWords({{"dog", "Hund"}});
    room()->KLEINERBRUDERGROSSEFRAGENClick();
    QVERIFY(brother()->isVisible());
    QVERIFY(brother()->isEnabled());
    QVERIFY(!room()->isEnabled());
    QVERIFY(!child<QLabel>(brother(), QStringLiteral("Image1"))->pixmap().isNull());
    QCOMPARE(text(brother(), "Button2"), QStringLiteral("Prüfen, ob richtig"));
    QCOMPARE(text(brother(), "OrginalAnzeige"), QStringLiteral("dog"));
    QCOMPARE(text(brother(), "richtiguebersetzt"), QStringLiteral("Hund"));
    const QStringList offered{text(brother(), "ANTWORT1"), text(brother(), "ANTWORT2")};
    QVERIFY(offered.contains(QStringLiteral("Hund")));
    QCOMPARE(offered.count(QStringLiteral("Hund")), 1);
    QCOMPARE(text(brother(), "ANTWORT1LABEL"), offered[0]);
    QCOMPARE(text(brother(), "ANTWORT2LABEL"), offered[1]);
    QCOMPARE(text(brother(), "Bewertung"), QStringLiteral("Bis jetzt, 0 nicht richtig gesagt von 0"));
    QCOMPARE(text(brother(), "woerter"), QStringLiteral("0"));
    QCOMPARE(brother()->focusWidget(), child(brother(), QStringLiteral("ANTWORT1")));
    QCOMPARE(tavrio::session()->StatisticCount(), std::size_t(0));
}

void tst_ChildrensGames::littleBrotherAnswersReachTheStatistics_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("right, clicked") << true << false;
    QTest::newRow("wrong, clicked") << false << false;
    QTest::newRow("right, Return") << true << true;
}

void tst_ChildrensGames::littleBrotherAnswersReachTheStatistics()
{
    QFETCH(bool, right);
    QFETCH(bool, keyboard);
    useWords({{"dog", "Hund"}});
    room()->KLEINERBRUDERGROSSEFRAGENClick();
    int wrong = 0;
    for (int i = 1; i <= 3; ++i) {
        auto* a1 = child<QPushButton>(brother(), QStringLiteral("ANTWORT1"));
        auto* a2 = child<QPushButton>(brother(), QStringLiteral("ANTWORT2"));
        QPushButton* pick = (a1->text() == QStringLiteral("Hund")) == right ? a1 : a2;
        if (keyboard) {
            pick->setFocus();
            QTest::keyClick(pick, Qt::Key_Return);
        } else {
            QTest::mouseClick(pick, Qt::LeftButton);
        }
        wrong += right ? 0 : 1;
        QCOMPARE(text(brother(), "woerter"), QString::number(i));
        QCOMPARE(text(brother(), "falsch"), QString::number(wrong));
        QCOMPARE(text(brother(), "Bewertung"),
                 QStringLiteral("Bis jetzt, %1 nicht richtig gesagt von %2").arg(wrong).arg(i));
    }
    // No stored settings: a right answer is worth 25, a wrong one costs nothing.
    QCOMPARE(score("dog", "Hund"), right ? 95 : 20);
    QVERIFY(tavrio::session()->HasStatistic("dog", "Hund"));
}

void tst_ChildrensGames::littleBrotherOneLetterGivesTwoEqualRightButtons()
{
    useWords({{"ich", "I"}});
    room()->KLEINERBRUDERGROSSEFRAGENClick();
    QCOMPARE(text(brother(), "ANTWORT1"), QStringLiteral("I"));
    QCOMPARE(text(brother(), "ANTWORT2"), QStringLiteral("I"));
    QTest::mouseClick(child<QPushButton>(brother(), QStringLiteral("ANTWORT2")), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(brother(), QStringLiteral("ANTWORT1")), Qt::LeftButton);
    QCOMPARE(text(brother(), "Bewertung"), QStringLiteral("Bis jetzt, 0 nicht richtig gesagt von 2"));
    QCOMPARE(score("ich", "I"), 70);
}

void tst_ChildrensGames::littleBrotherWithoutUsableWordsRecordsNothing_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing loaded") << false
                                    << "Es sind keine Vokabeln geladen. Bitte wähle zuerst eine Vokabelliste aus!";
    QTest::newRow("empty translation") << true
                                       << "Die geladenen Vokabeln haben keine Übersetzung. Bitte wähle eine andere "
                                          "Vokabelliste aus!";
}

void tst_ChildrensGames::littleBrotherWithoutUsableWordsRecordsNothing()
{
    QFETCH(bool, loaded);
    QFETCH(QString, message);
    useWords(loaded ? cWordPairs{{"leer", ""}} : cWordPairs{});
    room()->KLEINERBRUDERGROSSEFRAGENClick();
    QCOMPARE(seams_.messages, QStringList{message});
    auto* a1 = child<QPushButton>(brother(), QStringLiteral("ANTWORT1"));
    QVERIFY(!a1->isEnabled());
    QVERIFY(!child<QPushButton>(brother(), QStringLiteral("ANTWORT2"))->isEnabled());
    QCOMPARE(text(brother(), "Button2"), QStringLiteral("Start"));
    a1->click();
    QCOMPARE(text(brother(), "woerter"), QStringLiteral("0"));
    QCOMPARE(tavrio::session()->StatisticCount(), std::size_t(0));
}

// ---- wheel of fortune ----------------------------------------------------------

void tst_ChildrensGames::wheelStartsARoundBeforeItIsShown()
{
    useWords({{"door", "gro\xDF" "e T\xFCr"}});
    cShowSpy spy(wheel(), {"Button2", "aktuellerString", "wirklichwar"});
    room()->GLUECKSRADBUTTONClick();
    QCOMPARE(spy.atShow, (QStringList{"Nächstes Wort", "---*-*-*-", "große Tür"}));
    QVERIFY(wheel()->isVisible());
    QVERIFY(!room()->isEnabled());
    for (const char* zero : {"Geld", "Guthaben", "Joker"})
        QCOMPARE(text(wheel(), zero), QStringLiteral("0"));
    QVERIFY(!child(wheel(), QStringLiteral("Uebersetzungvon"))->isVisible());
    QVERIFY(QStringList({"100", "200", "300", "350", "400", "500", "750", "1000", "1500", "2000", "Joker"})
                .contains(text(wheel(), "Einsatz")));
    for (char c = 'A'; c <= 'Z'; ++c)
        QVERIFY(letter(c)->isVisible());
}

void tst_ChildrensGames::wheelEveryStakeStaysInsideThePanel()
{
    auto* stake = child<QLabel>(wheel(), QStringLiteral("Einsatz"));
    const auto panel = tavrio::wheel::layout::kPanel;
    for (const char* s : tavrio::wheel::kStakes) {
        stake->setText(QString::fromLatin1(s));
        QVERIFY2(stake->x() + stake->fontMetrics().horizontalAdvance(stake->text()) <= panel.x + panel.width - 4, s);
    }
}

void tst_ChildrensGames::wheelLongWordStaysInsideThePanelAsLettersShow()
{
    useWords({{"lang", "Donaudampfschifffahrtsgesellschaftskapitaensmuetze"}});
    cScriptedRandom random({0, 0, 0}); // the word, no bankruptcy, stake 100
    room()->GLUECKSRADBUTTONClick();
    auto* puzzle = child<QLabel>(wheel(), QStringLiteral("aktuellerString"));
    for (const char c : std::string("DMPFSCHTRGLKNZ")) {
        random.add({0, 0});
        QTest::mouseClick(letter(c), Qt::LeftButton);
        QVERIFY2(puzzle->fontMetrics().horizontalAdvance(puzzle->text()) <= 360, qPrintable(puzzle->text()));
    }
}

void tst_ChildrensGames::wheelSolvedRoundIsBankedAndRecorded()
{
    useWords({{"house", "Haus"}});
    // Each draw: the word (Random(1)), bankruptcy (Random(13)), stake (Random(12)).
    cScriptedRandom random({0, 0, 5});
    room()->GLUECKSRADBUTTONClick();
    QCOMPARE(text(wheel(), "Einsatz"), QStringLiteral("500"));

    random.add({0, 2}); // next stake 300
    QTest::mouseClick(letter('S'), Qt::LeftButton);
    QCOMPARE(text(wheel(), "aktuellerString"), QStringLiteral("---S"));
    QCOMPARE(text(wheel(), "Geld"), QStringLiteral("500"));
    QVERIFY(!letter('S')->isVisible());
    QCOMPARE(text(wheel(), "Einsatz"), QStringLiteral("300"));

    random.add({0, 0}); // 100
    QTest::keyClick(wheel(), Qt::Key_U); // a vowel: 300 paid, 300 won
    QCOMPARE(text(wheel(), "aktuellerString"), QStringLiteral("--US"));
    QCOMPARE(text(wheel(), "Geld"), QStringLiteral("500"));

    random.add({0, 1}); // 200
    letter('H')->setFocus();
    QTest::keyClick(letter('H'), Qt::Key_Space);
    QCOMPARE(text(wheel(), "Geld"), QStringLiteral("600"));
    QCOMPARE(score("house", "Haus"), 20);

    random.add({0, 0, 4}); // the next round: word, then stake 400
    QTest::mouseClick(letter('A'), Qt::LeftButton);
    QCOMPARE(score("house", "Haus"), 45);
    QCOMPARE(text(wheel(), "Guthaben"), QStringLiteral("500"));
    QCOMPARE(text(wheel(), "Geld"), QStringLiteral("0"));
    QCOMPARE(text(wheel(), "geloest"), QStringLiteral("0"));
    QCOMPARE(text(wheel(), "aktuellerString"), QStringLiteral("----"));
    QCOMPARE(text(wheel(), "Einsatz"), QStringLiteral("400"));
    QVERIFY(letter('S')->isVisible());
    QCOMPARE(random.overrun, 0);
    QCOMPARE(random.left(), std::size_t(0));
    QVERIFY(seams_.messages.isEmpty());
}

void tst_ChildrensGames::wheelNextRoundDropsTheMoney()
{
    useWords({{"house", "Haus"}});
    cScriptedRandom random({0, 0, 9, 0, 0}); // stake 2000, then 100
    room()->GLUECKSRADBUTTONClick();
    QTest::mouseClick(letter('H'), Qt::LeftButton);
    QCOMPARE(text(wheel(), "Geld"), QStringLiteral("2000"));
    random.add({0, 0, 0});
    QWidget* next = child(wheel(), QStringLiteral("NaechsteRunde"));
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return);
    QCOMPARE(text(wheel(), "Geld"), QStringLiteral("0"));
    QCOMPARE(text(wheel(), "Guthaben"), QStringLiteral("0"));
    QCOMPARE(text(wheel(), "aktuellerString"), QStringLiteral("----"));
    QVERIFY(letter('H')->isVisible());
    QCOMPARE(tavrio::session()->StatisticCount(), std::size_t(0));
}

void tst_ChildrensGames::wheelBankruptcyAndJokers()
{
    useWords({{"banana", "Banane"}});
    cScriptedRandom random({0, 0, 10}); // stake "Joker"
    room()->GLUECKSRADBUTTONClick();
    QWidget* joker = child(wheel(), QStringLiteral("Image2"));
    QTest::mouseClick(joker, Qt::LeftButton);
    QCOMPARE(seams_.messages, QStringList{"Du hast keinen Joker zur Verfügung!"});

    random.add({0, 8}); // 1500
    QTest::mouseClick(letter('N'), Qt::LeftButton);
    QCOMPARE(text(wheel(), "aktuellerString"), QStringLiteral("--N-N-"));
    QCOMPARE(text(wheel(), "Joker"), QStringLiteral("2"));
    QCOMPARE(text(wheel(), "Geld"), QStringLiteral("0"));
    joker->setFocus();
    QTest::keyClick(joker, Qt::Key_Return);
    QCOMPARE(text(wheel(), "Joker"), QStringLiteral("1"));
    QVERIFY(child(wheel(), QStringLiteral("Uebersetzungvon"))->isVisible());
    QCOMPARE(text(wheel(), "Uebersetzungvon"), QStringLiteral("banana"));

    random.add({12, 4}); // bankruptcy with nothing won is silent; stake 400
    QTest::mouseClick(letter('Z'), Qt::LeftButton);
    QVERIFY(!child(wheel(), QStringLiteral("Uebersetzungvon"))->isVisible());
    QCOMPARE(seams_.messages.size(), 1);

    auto* geld = child<QLabel>(wheel(), QStringLiteral("Geld"));
    geld->setText(QStringLiteral("300"));
    random.add({12, 0}); // A costs 300 and pays 2 x 400, then bankruptcy
    QTest::mouseClick(letter('A'), Qt::LeftButton);
    QCOMPARE(text(wheel(), "aktuellerString"), QStringLiteral("-ANAN-"));
    QCOMPARE(seams_.messages.last(), QStringLiteral("Bankrott!\rDu hast 800 verloren."));
    QCOMPARE(geld->text(), QStringLiteral("0"));
    QCOMPARE(random.left(), std::size_t(0));
}

void tst_ChildrensGames::wheelWithoutLettersToGuessIsNeverStuck_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing loaded") << false
                                    << "Es sind keine Vokabeln geladen. Bitte wähle zuerst eine Vokabelliste aus!";
    QTest::newRow("no letter A to Z")
        << true << "Keine passende Vokabel gefunden: Die Übersetzungen haben keine Buchstaben von A bis Z.";
}

void tst_ChildrensGames::wheelWithoutLettersToGuessIsNeverStuck()
{
    QFETCH(bool, loaded);
    QFETCH(QString, message);
    useWords(loaded ? cWordPairs{{"leer", ""}, {"Fuesse", "\xFC\xDF"}} : cWordPairs{});
    room()->GLUECKSRADBUTTONClick();
    QCOMPARE(seams_.messages, QStringList{message});
    QVERIFY(wheel()->isVisible());
    QCOMPARE(text(wheel(), "aktuellerString"), QString());
    for (char c = 'A'; c <= 'Z'; ++c)
        QVERIFY(!letter(c)->isVisible());
    QTest::keyClick(wheel(), Qt::Key_E);
    auto* next = child<QPushButton>(wheel(), QStringLiteral("NaechsteRunde"));
    QVERIFY(next->isEnabled());
    next->click();
    QCOMPARE(seams_.messages.size(), 2);
    QCOMPARE(tavrio::session()->StatisticCount(), std::size_t(0));
}

// ---- both ----------------------------------------------------------------------

void tst_ChildrensGames::backReEnablesTheRoom_data()
{
    QTest::addColumn<bool>("wheelWindow");
    QTest::addColumn<bool>("escape");
    QTest::newRow("little brother, Zurück") << false << false;
    QTest::newRow("little brother, Esc") << false << true;
    QTest::newRow("wheel, Zurück") << true << false;
    QTest::newRow("wheel, Esc") << true << true;
}

void tst_ChildrensGames::backReEnablesTheRoom()
{
    QFETCH(bool, wheelWindow);
    QFETCH(bool, escape);
    useWords({{"dog", "Hund"}});
    QWidget* w = wheelWindow ? static_cast<QWidget*>(wheel()) : static_cast<QWidget*>(brother());
    if (wheelWindow)
        room()->GLUECKSRADBUTTONClick();
    else
        room()->KLEINERBRUDERGROSSEFRAGENClick();
    QVERIFY(!room()->isEnabled());
    if (escape)
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
    else
        QTest::mouseClick(child(w, wheelWindow ? QStringLiteral("Zurueck") : QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QVERIFY(room()->isVisible());
    QVERIFY(room()->isEnabled());
    QVERIFY(child<QLabel>(w, QStringLiteral("Image1"))->pixmap().isNull());
}

QTEST_MAIN(tst_ChildrensGames)
#include "ChildrensGamesWindowsTest.moc"
