// The quiz show "Wer wird Vokablär?" opened from the real children's room,
// with a scripted message seam and a session in a temporary directory.
#include "NamedChild.h"
#include "ScriptedSeams.h"
#include "TempSession.h"

#include "app/ChildrensRoomWindow.h"
#include "engine/Session.h"
#include "exercises/quiz/TForm22.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

using tavrio::test::cTempSession;
using tavrio::test::cWordPairs;

namespace {

const QString kNoWords = QStringLiteral("Es sind keine Vokabeln geladen. Bitte wähle zuerst eine Vokabelliste aus!");
const cWordPairs kWords = {{"Haus", "house"}, {"Baum", "tree"}, {"Hund", "dog"}, {"Katze", "cat"}, {"Maus", "mouse"}};

// Runs `atShow` once, when the watched window is first shown.
class cOnFirstShow : public QObject {
public:
    cOnFirstShow(QWidget* w, std::function<void()> atShow) : atShow_(std::move(atShow)) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show && atShow_)
            std::exchange(atShow_, nullptr)();
        return false;
    }

private:
    std::function<void()> atShow_;
};

} // namespace

class tst_QuizShowWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void hotSpotBuildsTheFirstQuestionBeforeShowing();
    void answersClimbAndReachTheStatistics();
    void wrongAnswerPaysTheSecuredAmount_data();
    void wrongAnswerPaysTheSecuredAmount();
    void sixteenRightAnswersWinTheMillion();
    void jokersHelpOncePerClimb();
    void withoutWordsNothingIsAskedOrRecorded();

private:
    void open(const cWordPairs& words);
    QPushButton* button(const char* name) const { return tavrio::test::namedChild<QPushButton>(quiz_, name); }
    QPushButton* answer(int k) const { return button(qPrintable(QStringLiteral("Antwort%1").arg(k + 1))); }
    QString label(const char* name) const { return tavrio::test::namedChild<QLabel>(quiz_, name)->text(); }
    int arrowY() const;
    // Hands in the right answer, or a wrong one.
    void handIn(bool right);

    tavrio::test::ScriptedSeams seams_;
    std::unique_ptr<cTempSession> temp_;
    TForm10* room_ = nullptr;
    TForm22* quiz_ = nullptr;
};

void tst_QuizShowWindow::initTestCase()
{
    seams_.install();
    quiz_ = new TForm22;
    room_ = new TForm10;
    tavrio::windows().form22 = quiz_;
    tavrio::windows().form10 = room_;
}

void tst_QuizShowWindow::init() { seams_.clear(); }

void tst_QuizShowWindow::cleanup()
{
    quiz_->hide();
    room_->hide();
    room_->setEnabled(true);
    tavrio::setSession(nullptr);
    temp_.reset();
}

void tst_QuizShowWindow::open(const cWordPairs& words)
{
    temp_ = std::make_unique<cTempSession>(words);
    tavrio::setSession(std::move(temp_->session));
    room_->show();
    room_->findChild<QPushButton*>(QStringLiteral("WERWIRDVOKABLAERBUTTON"))->click();
}

int tst_QuizShowWindow::arrowY() const
{
    const int left = tavrio::test::namedChild<QLabel>(quiz_, QStringLiteral("Aktposl"))->y();
    const int right = tavrio::test::namedChild<QLabel>(quiz_, QStringLiteral("Aktposr"))->y();
    return left == right ? left : -1;
}

void tst_QuizShowWindow::handIn(bool right)
{
    const int w = quiz_->question().right;
    answer(right ? w : (w + 1) % 4)->click();
}

void tst_QuizShowWindow::hotSpotBuildsTheFirstQuestionBeforeShowing()
{
    QString wordAtShow;
    QString button2AtShow;
    bool roomEnabledAtShow = true;
    cOnFirstShow spy(quiz_, [&] {
        wordAtShow = label("OrginalAnzeige");
        button2AtShow = button("Button2")->text();
        roomEnabledAtShow = room_->isEnabled();
    });
    open(kWords);

    QVERIFY(!wordAtShow.isEmpty());
    QCOMPARE(button2AtShow, QStringLiteral("Nächstes Wort"));
    QVERIFY(!roomEnabledAtShow);
    QCOMPARE(button("Richtig")->text(), QStringLiteral("- - > Richtig ? < - -"));
    QVERIFY(quiz_->isVisible() && quiz_->isEnabled());
    QVERIFY(seams_.messages.isEmpty());
    // The word asked is centred on x = 310 and pairs with the right button.
    auto* word = tavrio::test::namedChild<QLabel>(quiz_, QStringLiteral("OrginalAnzeige"));
    QVERIFY(qAbs(word->x() + word->width() / 2 - 310) <= 1);
    const int w = quiz_->question().right;
    QCOMPARE(tavrio::test::namedChild<QLineEdit>(quiz_, QStringLiteral("WelcherButton"))->text().toInt(), w);
    QVERIFY(std::find(kWords.begin(), kWords.end(),
                      std::pair(word->text().toStdString(), answer(w)->text().toStdString())) != kWords.end());
    QCOMPARE(quiz_->focusWidget(), static_cast<QWidget*>(answer(0)));

    // Esc is "Zurück"; the room comes back enabled.
    QTest::keyClick(quiz_, Qt::Key_Escape);
    QVERIFY(!quiz_->isVisible());
    QVERIFY(room_->isVisible() && room_->isEnabled());

    // Through the hot spot itself, and back with the button.
    QTest::mouseClick(tavrio::test::namedChild<QWidget>(room_, QStringLiteral("Werwirdvokablaer")), Qt::LeftButton);
    QVERIFY(quiz_->isVisible() && !room_->isEnabled());
    button("Zurueck")->click();
    QVERIFY(!quiz_->isVisible());
    QVERIFY(room_->isVisible() && room_->isEnabled());
}

void tst_QuizShowWindow::answersClimbAndReachTheStatistics()
{
    open(kWords);
    cSession* s = tavrio::session();
    std::string original = quiz_->question().original;
    std::string expected = quiz_->question().expected();
    QCOMPARE(s->GetScore(original, expected), 20);

    // Return on the focused right answer hands it in.
    QPushButton* right = answer(quiz_->question().right);
    right->setFocus();
    QTest::keyClick(right, Qt::Key_Return);
    QCOMPARE(s->GetScore(original, expected), 45);
    QCOMPARE(arrowY(), 368);
    QVERIFY(seams_.messages.isEmpty());
    QCOMPARE(quiz_->focusWidget(), static_cast<QWidget*>(answer(0)));

    // Keys 1 .. 4 answer too.
    original = quiz_->question().original;
    expected = quiz_->question().expected();
    const int before = s->GetScore(original, expected); // the same pair may come again
    QTest::keyClick(quiz_->focusWidget(), static_cast<Qt::Key>(Qt::Key_1 + quiz_->question().right));
    QCOMPARE(s->GetScore(original, expected), before + 25);
    QCOMPARE(arrowY(), 352);

    original = quiz_->question().original;
    expected = quiz_->question().expected();
    const QString wrong = answer((quiz_->question().right + 1) % 4)->text();
    s->SetLearningSettings(0, 20); // a wrong answer now costs 25
    const int beforeWrong = s->GetScore(original, expected);
    handIn(false);
    QCOMPARE(s->GetScore(original, expected), std::max(0, beforeWrong - 25));
    QCOMPARE(seams_.messages, QStringList{"Leider falsch! Du hast 0 dazu bekommen!"});
    QCOMPARE(arrowY(), 384);
    QVERIFY(!s->HasStatistic(original, wrong.toStdString()));
}

void tst_QuizShowWindow::wrongAnswerPaysTheSecuredAmount_data()
{
    QTest::addColumn<int>("rights");
    QTest::addColumn<QString>("paid");
    QTest::newRow("first question") << 0 << "0";
    QTest::newRow("the 500 question answered") << 5 << "500";
    QTest::newRow("just below 16000") << 9 << "500";
    QTest::newRow("the 16000 question answered") << 10 << "16000";
}

void tst_QuizShowWindow::wrongAnswerPaysTheSecuredAmount()
{
    QFETCH(int, rights);
    QFETCH(QString, paid);
    open(kWords);
    for (int i = 0; i < rights; ++i)
        handIn(true);
    QCOMPARE(arrowY(), 384 - 16 * rights);
    handIn(false);
    QCOMPARE(seams_.messages, QStringList{"Leider falsch! Du hast " + paid + " dazu bekommen!"});
    QCOMPARE(label("Guthaben"), paid);
    QCOMPARE(label("Sicher"), QStringLiteral("0"));
    QCOMPARE(arrowY(), 384);
    // Payouts collect over the climbs of one visit.
    for (int i = 0; i < rights; ++i)
        handIn(true);
    handIn(false);
    QCOMPARE(label("Guthaben"), QString::number(2 * paid.toInt()));

    // A new visit starts at 0.
    button("Zurueck")->click();
    room_->findChild<QPushButton*>(QStringLiteral("WERWIRDVOKABLAERBUTTON"))->click();
    QCOMPARE(label("Guthaben"), QStringLiteral("0"));
    QCOMPARE(arrowY(), 384);
}

void tst_QuizShowWindow::sixteenRightAnswersWinTheMillion()
{
    open(kWords);
    button("Joker1")->click();
    for (int i = 0; i < 15; ++i)
        handIn(true);
    QCOMPARE(arrowY(), 144);
    QVERIFY(seams_.messages.isEmpty());
    handIn(true);
    QCOMPARE(seams_.messages, QStringList{"Gratulation Test!\rDu hast die MILLION\rgewonnen. Bravo."});
    QCOMPARE(label("Guthaben"), QStringLiteral("1000000"));
    QCOMPARE(label("Sicher"), QStringLiteral("0"));
    QCOMPARE(arrowY(), 384);
    QVERIFY(button("Joker1")->isEnabled());
}

void tst_QuizShowWindow::jokersHelpOncePerClimb()
{
    open(kWords);
    const int w = quiz_->question().right;
    button("Joker1")->click();
    int hidden = 0;
    for (int k = 0; k < 4; ++k)
        hidden += answer(k)->isHidden();
    QCOMPARE(hidden, 2);
    QVERIFY(!answer(w)->isHidden());
    // The number key of a hidden answer does nothing.
    const std::string asked = quiz_->question().original;
    for (int k = 0; k < 4; ++k)
        if (answer(k)->isHidden())
            QTest::keyClick(quiz_, static_cast<Qt::Key>(Qt::Key_1 + k));
    QCOMPARE(quiz_->question().original, asked);
    QVERIFY(!tavrio::session()->HasStatistic(asked, quiz_->question().expected()));
    QVERIFY(!button("Joker1")->isEnabled());
    QVERIFY(!quiz_->focusWidget()->isHidden());

    // The audience gives nothing to the hidden answers; the shares make 100.
    button("Joker3")->click();
    QCOMPARE(seams_.messages.size(), 1);
    const QStringList lines = seams_.messages.first().split(QLatin1Char('\r'));
    QCOMPARE(lines.mid(0, 2), (QStringList{"Publikums-Joker", "Er ergab :"}));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.last(), QString());
    int total = 0;
    for (int k = 0; k < 4; ++k) {
        const QString share = lines[2 + k].section(QStringLiteral("% "), 0, 0);
        QCOMPARE(lines[2 + k], share + "% " + answer(k)->text());
        if (answer(k)->isHidden())
            QCOMPARE(share, QStringLiteral("0"));
        total += share.toInt();
    }
    QCOMPARE(total, 100);

    // The telephone names three letters of the right answer.
    const QString right = answer(w)->text().toUpper();
    button("Joker2")->click();
    const QString tel = seams_.messages.last();
    QVERIFY(tel.startsWith("Ihr Telefonjoker verriet ihnen, \rDa ist ein\r\""));
    QVERIFY(tel.endsWith("\"\rim Wort drin!"));
    for (int i : {0, 5, 13})
        QVERIFY2(right.contains(tel.section(QLatin1Char('\r'), 2, 2).at(i + 1)), qPrintable(tel));

    // Used up for this climb: the next question shows all four answers,
    // the jokers come back after a wrong answer.
    handIn(true);
    for (int k = 0; k < 4; ++k)
        QVERIFY(!answer(k)->isHidden());
    for (const char* j : {"Joker1", "Joker2", "Joker3"})
        QVERIFY(!button(j)->isEnabled());
    handIn(false);
    for (const char* j : {"Joker1", "Joker2", "Joker3"})
        QVERIFY(button(j)->isEnabled());
}

void tst_QuizShowWindow::withoutWordsNothingIsAskedOrRecorded()
{
    open({});
    QCOMPARE(seams_.messages, QStringList{kNoWords});
    QVERIFY(quiz_->isVisible());
    for (int k = 0; k < 4; ++k) {
        QVERIFY(!answer(k)->isEnabled());
        QVERIFY(answer(k)->text().isEmpty());
    }
    for (const char* j : {"Joker1", "Joker2", "Joker3"})
        button(j)->click();
    QCOMPARE(seams_.messages, QStringList{kNoWords});
    QCOMPARE(arrowY(), 384);
    QCOMPARE(quiz_->focusWidget(), static_cast<QWidget*>(button("Zurueck")));
    QTest::keyClick(quiz_, Qt::Key_Escape);
    QVERIFY(room_->isEnabled());
}

QTEST_MAIN(tst_QuizShowWindow)
#include "QuizShowWindowTest.moc"
