// "Oma hilft" and the "TEST", opened from the real house and attic and
// driven by object name, with a scripted message seam and a real session in
// a temporary working directory.
#include "HelpShown.h"
#include "NamedChild.h"
#include "NamedText.h"
#include "ScriptedSeams.h"
#include "TempSession.h"

#include "app/AtticWindow.h"
#include "app/HouseWindow.h"
#include "engine/Session.h"
#include "exercises/grandma/GrandmaLayout.h"
#include "exercises/grandma/TForm16.h"
#include "exercises/test/TForm23.h"
#include "ui/HelpWindow.h"
#include "ui/Unsaved.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>

using tavrio::test::cTempSession;
using tavrio::test::cWordPairs;

namespace {

const QString kNoWords = QStringLiteral("Es sind keine Vokabeln geladen. Bitte wähle zuerst eine Vokabelliste aus!");
const QString kNoTranslations =
    QStringLiteral("Die geladenen Vokabeln haben keine Übersetzung. Bitte wähle eine andere Vokabelliste aus!");

// Notes what a window showed at the moment it became visible.
class cShowSpy : public QObject {
public:
    cShowSpy(QWidget* w, std::function<QString()> look) : look_(std::move(look)) { w->installEventFilter(this); }
    QString atShow;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show && atShow.isNull())
            atShow = look_();
        return false;
    }

private:
    std::function<QString()> look_;
};

template <class T = QWidget>
T* child(QWidget* w, const QString& name)
{
    return tavrio::test::namedChild<T>(w, name);
}

QString text(QWidget* w, const QString& name) { return tavrio::test::namedText(w, name); }

void clickArea(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

// The centre a label was placed on.
int centreOf(QWidget* w) { return w->x() + (w->width() + 1) / 2; }

QString line(int k, const char* part) { return QStringLiteral("Test%1%2").arg(k).arg(QLatin1String(part)); }

} // namespace

class tst_GrandmaAndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void grandmaOpensFromTheHouseWithAWordDrawn();
    void grandmaPaysTheValueLeftAfterHelps_data();
    void grandmaPaysTheValueLeftAfterHelps();
    void grandmaReopeningHandsInOnlyATypedAnswer_data();
    void grandmaReopeningHandsInOnlyATypedAnswer();
    void grandmaWithoutUsableWordsRecordsNothing_data();
    void grandmaWithoutUsableWordsRecordsNothing();
    void grandmaByKeyboard();
    void grandmaLongWordStaysInsideItsBands();

    void testOpensFromTheAtticWithTenLines();
    void testAllRightAtTheFirstHandIn();
    void testTwoWrongThenCorrected();
    void testReturnMovesOnToTheNextOpenLine();
    void testEscAsksOverAnswersNotHandedIn_data();
    void testEscAsksOverAnswersNotHandedIn();
    void testWithoutUsableWordsWaitsForStart_data();
    void testWithoutUsableWordsWaitsForStart();

    void helpAreasShowTheirPictures_data();
    void helpAreasShowTheirPictures();

private:
    void useWords(const cWordPairs& pairs);
    void openTest();
    void answerLines(const QList<int>& wrong);

    tavrio::test::ScriptedSeams seams_;
    std::unique_ptr<cTempSession> temp_;
    TForm8* house_ = nullptr;
    TForm9* attic_ = nullptr;
    TForm16* grandma_ = nullptr;
    TForm23* test_ = nullptr;
};

void tst_GrandmaAndTest::initTestCase()
{
    seams_.install();
    tavrio::windows().form15 = new TForm15;
    house_ = new TForm8;
    attic_ = new TForm9;
    grandma_ = new TForm16;
    test_ = new TForm23;
    tavrio::windows().form16 = grandma_;
    tavrio::windows().form23 = test_;
}

void tst_GrandmaAndTest::init() { seams_.clear(); }

void tst_GrandmaAndTest::cleanup()
{
    for (QWidget* w : std::initializer_list<QWidget*>{grandma_, test_, house_, attic_}) {
        w->hide();
        w->setEnabled(true);
    }
    tavrio::setSession(nullptr);
    temp_.reset();
}

void tst_GrandmaAndTest::useWords(const cWordPairs& pairs)
{
    temp_ = std::make_unique<cTempSession>(pairs);
    const QByteArray runtime = qgetenv("TAVRIO_RUNTIME_DIR");
    for (const char* dir : {"BG", "Hilfe"}) {
        std::error_code ec;
        std::filesystem::create_directory_symlink(std::filesystem::path(runtime.toStdString()) / dir, dir, ec);
    }
    tavrio::setSession(std::move(temp_->session));
}

// ---- "Oma hilft" -------------------------------------------------------------

void tst_GrandmaAndTest::grandmaOpensFromTheHouseWithAWordDrawn()
{
    useWords({{"house", "Haus"}});
    house_->show();
    cShowSpy spy(grandma_, [this] {
        return text(grandma_, "Orginal") + "|" + text(grandma_, "Button2") + "|" + text(grandma_, "punktewert");
    });
    clickArea(child(house_, "Oma"));

    QCOMPARE(spy.atShow, QStringLiteral("house|Prüfen, ob richtig|4"));
    QVERIFY(!house_->isEnabled());
    QVERIFY(grandma_->isVisible() && grandma_->isEnabled());
    QCOMPARE(grandma_->focusWidget(), child(grandma_, "Uebersetzt"));
    QCOMPARE(text(grandma_, "Punkte"), QStringLiteral("0"));
    QCOMPARE(text(grandma_, "ergebniss"), QString());
    QVERIFY(seams_.messages.isEmpty());

    // Esc acts like "Zurück" and gives the house back.
    QTest::keyClick(child(grandma_, "Uebersetzt"), Qt::Key_Escape);
    QVERIFY(!grandma_->isVisible());
    QVERIFY(house_->isVisible() && house_->isEnabled());
}

void tst_GrandmaAndTest::grandmaPaysTheValueLeftAfterHelps_data()
{
    QTest::addColumn<int>("helps");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("points");
    QTest::newRow("no help") << 0 << "Haus" << "" << "Richtig!!! Das macht 4 Punkte dazu!" << 4;
    QTest::newRow("two helps") << 2 << "Haus" << "Ha" << "Richtig!!! Das macht 2 Punkte dazu!" << 2;
    QTest::newRow("five helps") << 5 << "Haus" << "Haus" << "Richtig!!! Das macht 0 Punkte dazu!" << 0;
    QTest::newRow("wrong") << 1 << "Hau" << "H" << "Richtig wäre Haus gewesen! Keine Punkte!" << 0;
}

void tst_GrandmaAndTest::grandmaPaysTheValueLeftAfterHelps()
{
    QFETCH(int, helps);
    QFETCH(QString, answer);
    QFETCH(QString, shown);
    QFETCH(QString, result);
    QFETCH(int, points);
    useWords({{"house", "Haus"}});
    tavrio::openGrandmaHelps(house_);
    const int answered = text(grandma_, "woerter").toInt();
    const int wrong = text(grandma_, "falsch").toInt();

    for (int i = 0; i < helps; ++i)
        clickArea(child(grandma_, "Label8"));
    QCOMPARE(text(grandma_, "Schlange"), shown);
    QCOMPARE(text(grandma_, "punktewert").toInt(), qMax(0, 4 - helps));
    if (helps > 0)
        QVERIFY(qAbs(centreOf(child(grandma_, "Schlange")) - 496) <= 1);

    // Return hands the answer in.
    auto* edit = child<QLineEdit>(grandma_, "Uebersetzt");
    edit->setText(answer);
    QTest::keyClick(edit, Qt::Key_Return);
    const bool right = answer == "Haus";
    QCOMPARE(text(grandma_, "ergebniss"), result);
    QVERIFY(qAbs(centreOf(child(grandma_, "ergebniss")) - 416) <= 1);
    QCOMPARE(text(grandma_, "Punkte"), QString::number(points));
    QCOMPARE(text(grandma_, "woerter").toInt(), answered + 1);
    QCOMPARE(text(grandma_, "falsch").toInt(), wrong + (right ? 0 : 1));
    QCOMPARE(tavrio::session()->GetScore("house", "Haus"), right ? 45 : 20);
    QVERIFY(tavrio::session()->HasStatistic("house", "Haus"));
    // The next word is asked at once, with its full value.
    QCOMPARE(text(grandma_, "Schlange"), QString());
    QCOMPARE(text(grandma_, "punktewert"), QStringLiteral("4"));
    QVERIFY(edit->text().isEmpty());

    // The hand-in area does the same; points add up over the visit.
    edit->setText(QStringLiteral("Haus"));
    clickArea(child(grandma_, "Label7"));
    QCOMPARE(text(grandma_, "Punkte"), QString::number(points + 4));
    QCOMPARE(text(grandma_, "woerter").toInt(), answered + 2);
    QVERIFY(seams_.messages.isEmpty());
}

void tst_GrandmaAndTest::grandmaReopeningHandsInOnlyATypedAnswer_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("nothing typed") << "";
    QTest::newRow("answer typed") << "Hau";
}

void tst_GrandmaAndTest::grandmaReopeningHandsInOnlyATypedAnswer()
{
    QFETCH(QString, typed);
    useWords({{"house", "Haus"}});
    tavrio::openGrandmaHelps(house_);
    child<QLineEdit>(grandma_, "Uebersetzt")->setText(QStringLiteral("Haus"));
    clickArea(child(grandma_, "Label7"));
    QCOMPARE(text(grandma_, "Punkte"), QStringLiteral("4"));
    clickArea(child(grandma_, "Button1"));
    QVERIFY(!grandma_->isVisible());
    QVERIFY(house_->isEnabled());

    const int answered = text(grandma_, "woerter").toInt();
    const int score = tavrio::session()->GetScore("house", "Haus");
    child<QLineEdit>(grandma_, "Uebersetzt")->setText(typed);
    tavrio::openGrandmaHelps(house_);
    QCOMPARE(text(grandma_, "woerter").toInt(), answered + (typed.isEmpty() ? 0 : 1));
    QCOMPARE(tavrio::session()->GetScore("house", "Haus"), score); // wrong answers cost nothing here
    QCOMPARE(text(grandma_, "Punkte"), QStringLiteral("0"));
    QCOMPARE(text(grandma_, "ergebniss"), QString());
    QCOMPARE(text(grandma_, "punktewert"), QStringLiteral("4"));
    QCOMPARE(text(grandma_, "Orginal"), QStringLiteral("house"));
}

// Rows for a window started without a usable word: none loaded, or only a
// pair whose translation is empty.
static void addNoUsableWordsRows()
{
    QTest::addColumn<bool>("anyWords");
    QTest::addColumn<QString>("message");
    QTest::newRow("no words loaded") << false << kNoWords;
    QTest::newRow("empty translation only") << true << kNoTranslations;
}

void tst_GrandmaAndTest::grandmaWithoutUsableWordsRecordsNothing_data()
{
    addNoUsableWordsRows();
}

void tst_GrandmaAndTest::grandmaWithoutUsableWordsRecordsNothing()
{
    QFETCH(bool, anyWords);
    QFETCH(QString, message);
    useWords(anyWords ? cWordPairs{{"leer", ""}} : cWordPairs{});
    tavrio::openGrandmaHelps(house_);
    QCOMPARE(seams_.messages, QStringList{message});
    QVERIFY(grandma_->isVisible());
    QCOMPARE(text(grandma_, "Orginal"), QString());
    QCOMPARE(text(grandma_, "punktewert"), QStringLiteral("0"));

    const int answered = text(grandma_, "woerter").toInt();
    clickArea(child(grandma_, "Label8"));
    QCOMPARE(text(grandma_, "Schlange"), QString());
    clickArea(child(grandma_, "Label7"));
    QCOMPARE(text(grandma_, "woerter").toInt(), answered);
    QCOMPARE(seams_.messages, (QStringList{message, message}));
    QCOMPARE(tavrio::session()->StatisticCount(), std::size_t(0));
}

void tst_GrandmaAndTest::grandmaByKeyboard()
{
    useWords({{"house", "Haus"}});
    tavrio::openGrandmaHelps(house_);
    QVERIFY(QTest::qWaitForWindowActive(grandma_));
    QCOMPARE(QApplication::focusWidget(), child(grandma_, "Uebersetzt"));
    const QStringList chain = {"Label7", "Label8", "Button5", "Button1"};
    for (const QString& name : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(text(grandma_, "Schlange"), QStringLiteral("Ha"));
    child<QLineEdit>(grandma_, "Uebersetzt")->setText(QStringLiteral("Haus"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(text(grandma_, "ergebniss"), QStringLiteral("Richtig!!! Das macht 2 Punkte dazu!"));
    QCOMPARE(QApplication::focusWidget(), child(grandma_, "Uebersetzt"));
}

// ---- "TEST" ------------------------------------------------------------------

void tst_GrandmaAndTest::grandmaLongWordStaysInsideItsBands()
{
    const QString word = QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitaensmuetze");
    useWords({{"lang", word.toStdString()}});
    tavrio::openGrandmaHelps(house_);
    auto* letters = child<QLabel>(grandma_, "Schlange");
    for (int i = 0; i < word.size(); ++i)
        clickArea(child(grandma_, "Label8"));
    QCOMPARE(letters->text(), word);
    const QRect panel = tavrio::grandma::layout::panel;
    QVERIFY(letters->x() >= panel.left() && letters->x() + letters->width() <= panel.right());
    QVERIFY(letters->fontMetrics().horizontalAdvance(word) <= letters->width());

    auto* edit = child<QLineEdit>(grandma_, "Uebersetzt");
    edit->setText(QStringLiteral("falsch"));
    QTest::keyClick(edit, Qt::Key_Return);
    auto* result = child<QLabel>(grandma_, "ergebniss");
    const QRect band = tavrio::grandma::layout::resultBand;
    QVERIFY(result->x() >= band.left() && result->x() + result->width() <= band.right());
    QVERIFY(result->fontMetrics().horizontalAdvance(result->text()) <= result->width());
}

void tst_GrandmaAndTest::openTest()
{
    attic_->show();
    clickArea(child(attic_, "TEST"));
}

void tst_GrandmaAndTest::answerLines(const QList<int>& wrong)
{
    for (int k = 1; k <= 10; ++k) {
        const QString expected = text(test_, line(k, ""));
        child<QLineEdit>(test_, line(k, "Uebersetzt"))->setText(wrong.contains(k) ? expected + "x" : expected);
    }
}

void tst_GrandmaAndTest::testOpensFromTheAtticWithTenLines()
{
    useWords({{"Haus", "house"}, {"Baum", "tree"}, {"Hund", "dog"}});
    cShowSpy spy(test_, [this] { return text(test_, "Richtig") + "|" + text(test_, "Test1Orginal"); });
    openTest();

    QVERIFY(spy.atShow == "|Haus" || spy.atShow == "|Baum" || spy.atShow == "|Hund");
    QVERIFY(!attic_->isEnabled());
    QVERIFY(test_->isVisible() && test_->isEnabled());
    QCOMPARE(test_->focusWidget(), child(test_, "Test1Uebersetzt"));
    QCOMPARE(text(test_, "Versuche"), QStringLiteral("0"));
    QCOMPARE(text(test_, "Button2"), QStringLiteral("Start"));
    for (const char* part : {"Punktzahl", "Zensur", "PZZusatz3"})
        QVERIFY2(child(test_, part)->isHidden(), part);
    for (int k = 1; k <= 10; ++k) {
        const std::string original = text(test_, line(k, "Orginal")).toStdString();
        const std::string expected = text(test_, line(k, "")).toStdString();
        // Every line pairs a loaded word with its translation.
        QVERIFY(tavrio::session()->IstDasRichtig(original, expected, expected));
        QCOMPARE(text(test_, QStringLiteral("Label%1").arg(10 + k)), QString());
        if (k > 1)
            QVERIFY(text(test_, line(k, "")) != text(test_, line(k - 1, "")));
    }
    QVERIFY(seams_.messages.isEmpty());

    QTest::keyClick(child(test_, "Test1Uebersetzt"), Qt::Key_Escape);
    QVERIFY(!test_->isVisible());
    QVERIFY(attic_->isVisible() && attic_->isEnabled());
}

void tst_GrandmaAndTest::testAllRightAtTheFirstHandIn()
{
    useWords({{"Haus", "house"}, {"Baum", "tree"}});
    openTest();
    answerLines({});
    clickArea(child(test_, "Richtig"));

    QCOMPARE(seams_.messages, QStringList{QStringLiteral("Super du hast alles richtig,\r gleich beim ersten mal!")});
    QCOMPARE(text(test_, "Punktzahl"), QStringLiteral("10"));
    QCOMPARE(text(test_, "Zensur"), QStringLiteral("1"));
    QVERIFY(tavrio::session()->GetScore("Haus", "house") > 20);
    QVERIFY(tavrio::session()->GetScore("Baum", "tree") > 20);
    // A new test has started.
    QCOMPARE(text(test_, "Versuche"), QStringLiteral("0"));
    QVERIFY(child(test_, "Zensur")->isHidden());
    for (int k = 1; k <= 10; ++k) {
        QVERIFY(!child(test_, line(k, "Orginal"))->isHidden());
        QVERIFY(text(test_, line(k, "Uebersetzt")).isEmpty());
        QCOMPARE(text(test_, QStringLiteral("Label%1").arg(10 + k)), QString());
    }
}

void tst_GrandmaAndTest::testTwoWrongThenCorrected()
{
    useWords({{"Haus", "house"}, {"Baum", "tree"}, {"Hund", "dog"}});
    openTest();
    answerLines({3, 7});
    auto correction = [this](int k) {
        return text(test_, line(k, "Orginal")) + ",\r übersetzt man nicht mit\r   " + text(test_, line(k, "")) +
               "x\rsondern richtig ist \r   " + text(test_, line(k, ""));
    };
    const QStringList corrections = {correction(3), correction(7)};
    clickArea(child(test_, "Richtig"));

    QCOMPARE(seams_.messages, corrections);
    QCOMPARE(text(test_, "Punktzahl"), QStringLiteral("8"));
    QCOMPARE(text(test_, "Zensur"), QStringLiteral("2"));
    QVERIFY(!child(test_, "Zensur")->isHidden());
    QCOMPARE(text(test_, "Versuche"), QStringLiteral("1"));
    for (int k = 1; k <= 10; ++k) {
        const bool wrong = k == 3 || k == 7;
        QCOMPARE(text(test_, QStringLiteral("Label%1").arg(10 + k)), wrong ? QStringLiteral("f") : QStringLiteral("\\/"));
        QCOMPARE(child(test_, line(k, "Orginal"))->isHidden(), !wrong);
        QCOMPARE(child(test_, line(k, "Uebersetzt"))->isHidden(), !wrong);
    }
    QCOMPARE(test_->focusWidget(), child(test_, "Test3Uebersetzt"));

    // Line 3 corrected, line 7 still wrong: the right lines keep their point.
    child<QLineEdit>(test_, "Test3Uebersetzt")->setText(text(test_, "Test3"));
    clickArea(child(test_, "Richtig"));
    QCOMPARE(seams_.messages.mid(2), QStringList{correction(7)});
    QCOMPARE(text(test_, "Punktzahl"), QStringLiteral("9"));
    QCOMPARE(text(test_, "Label13"), QStringLiteral("\\/"));

    child<QLineEdit>(test_, "Test7Uebersetzt")->setText(text(test_, "Test7"));
    const QString firstBefore = text(test_, "Test1");
    clickArea(child(test_, "Richtig"));
    QCOMPARE(seams_.messages.mid(3),
             QStringList{QStringLiteral("Jetzt ist aber alles richtig.\r Aber erst nach der\r3. Berichtigung!")});
    QCOMPARE(text(test_, "Punktzahl"), QStringLiteral("10"));
    QCOMPARE(text(test_, "Zensur"), QStringLiteral("1"));
    QCOMPARE(text(test_, "Versuche"), QStringLiteral("0"));
    QVERIFY(text(test_, "Test1") != firstBefore);
}

void tst_GrandmaAndTest::testReturnMovesOnToTheNextOpenLine()
{
    useWords({{"Haus", "house"}, {"Baum", "tree"}});
    openTest();
    QTest::keyClick(child(test_, "Test1Uebersetzt"), Qt::Key_Return);
    QCOMPARE(test_->focusWidget(), child(test_, "Test2Uebersetzt"));

    answerLines({4, 5});
    clickArea(child(test_, "Richtig"));
    QCOMPARE(test_->focusWidget(), child(test_, "Test4Uebersetzt"));
    QTest::keyClick(child(test_, "Test4Uebersetzt"), Qt::Key_Return);
    QCOMPARE(test_->focusWidget(), child(test_, "Test5Uebersetzt"));
    // Lines 6 .. 10 are done: Return leads to the hand-in area, which hands
    // in on Return.
    QTest::keyClick(child(test_, "Test5Uebersetzt"), Qt::Key_Return);
    QCOMPARE(test_->focusWidget(), child(test_, "Richtig"));
    QTest::keyClick(child(test_, "Richtig"), Qt::Key_Return);
    QCOMPARE(text(test_, "Versuche"), QStringLiteral("2"));
    QCOMPARE(seams_.messages.size(), 4);
}

void tst_GrandmaAndTest::testEscAsksOverAnswersNotHandedIn_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("asked");
    QTest::newRow("nothing typed") << QStringList{} << false << false;
    QTest::newRow("typed, Nein keeps the answers") << QStringList{"type"} << false << true;
    QTest::newRow("typed, Ja closes") << QStringList{"type"} << true << true;
    QTest::newRow("typed and erased again") << QStringList{"type", "erase"} << false << false;
    QTest::newRow("handed in") << QStringList{"answer", "handIn"} << false << false;
    QTest::newRow("handed in, then corrected") << QStringList{"answer", "handIn", "type"} << false << true;
}

void tst_GrandmaAndTest::testEscAsksOverAnswersNotHandedIn()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, yes);
    QFETCH(bool, asked);
    useWords({{"Haus", "house"}, {"Baum", "tree"}});
    openTest();
    // Line 3 stays open in every case: it is answered wrong when handed in.
    auto* third = child<QLineEdit>(test_, "Test3Uebersetzt");
    for (const QString& step : steps) {
        if (step == QStringLiteral("type"))
            QTest::keyClicks(third, QStringLiteral("Maus"));
        else if (step == QStringLiteral("erase"))
            third->clear();
        else if (step == QStringLiteral("answer"))
            answerLines({3});
        else
            clickArea(child(test_, "Richtig"));
    }
    const QString typed = third->text();
    seams_.answers << yes;
    QTest::keyClick(third, Qt::Key_Escape);
    QCOMPARE(seams_.questions, asked ? QStringList{tavrio::kUnsavedOnClose} : QStringList{});
    if (asked)
        QCOMPARE(seams_.questionDefaults.first(), tavrio::cDefaultAnswer::No);
    const bool closed = !asked || yes;
    QCOMPARE(test_->isVisible(), !closed);
    QCOMPARE(attic_->isEnabled(), closed);
    QCOMPARE(third->text(), typed);
}

void tst_GrandmaAndTest::testWithoutUsableWordsWaitsForStart_data()
{
    addNoUsableWordsRows();
}

void tst_GrandmaAndTest::testWithoutUsableWordsWaitsForStart()
{
    QFETCH(bool, anyWords);
    QFETCH(QString, message);
    useWords(anyWords ? cWordPairs{{"leer", ""}} : cWordPairs{});
    openTest();
    QCOMPARE(seams_.messages, QStringList{message});
    QVERIFY(test_->isVisible());
    QCOMPARE(text(test_, "Richtig"), QStringLiteral("START"));
    QCOMPARE(text(test_, "Test1Orginal"), QString());

    // Handing in only tries to build a test again; nothing is marked or recorded.
    clickArea(child(test_, "Richtig"));
    QCOMPARE(seams_.messages, (QStringList{message, message}));
    QCOMPARE(text(test_, "Versuche"), QStringLiteral("0"));
    QCOMPARE(text(test_, "Label11"), QString());
    QVERIFY(child(test_, "Zensur")->isHidden());
    QCOMPARE(tavrio::session()->StatisticCount(), std::size_t(0));
}

// ---- both --------------------------------------------------------------------

void tst_GrandmaAndTest::helpAreasShowTheirPictures_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("picture");
    QTest::newRow("grandma") << "TForm16" << "Button5" << "Hilfe\\Omahilft.bmp";
    QTest::newRow("test") << "TForm23" << "Hilfe" << "Hilfe\\TEST.bmp";
}

void tst_GrandmaAndTest::helpAreasShowTheirPictures()
{
    QFETCH(QString, window);
    QFETCH(QString, area);
    QFETCH(QString, picture);
    useWords({{"house", "Haus"}});
    QWidget* w = window == "TForm16" ? static_cast<QWidget*>(grandma_) : test_;
    w->show();
    clickArea(child(w, area));
    tavrio::test::checkHelpShownOver(w, picture);
}

QTEST_MAIN(tst_GrandmaAndTest)
#include "GrandmaTestWindowsTest.moc"
