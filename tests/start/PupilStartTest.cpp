// The start screen for a pupil: Esc as the way back on each page, the drawn
// buttons by keyboard, the plain words under the settings bars and lists
// without anything marked for practice.
#include "tests/support/StartScreenFixture.h"

#include "start/Layout.h"
#include "start/ListSelectionPage.h"
#include "start/SettingsPage.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

using tavrio::test::cShellFixture;

class PupilStartTest : public QObject, tavrio::test::cStartScreenFixture {
    Q_OBJECT

private:
    void logInAsAnna()
    {
        cShellFixture::writeProfile("Anna");
        start->FormShow();
        auto* profiles = child<QComboBox>("ComboBox1");
        profiles->setCurrentIndex(profiles->findText(QStringLiteral("Anna")));
        QTest::keyClick(child<QWidget>("Label7"), Qt::Key_Return);
        QCOMPARE(start->currentPage(), int(TFormStart::ListSelectionPage));
    }
    void tickAll()
    {
        auto* lists = child<QListWidget>("CheckListBox1");
        for (int i = 0; i < lists->count(); ++i)
            lists->item(i)->setCheckState(Qt::Checked);
    }

private slots:
    void init() { setUpStartScreen(); }
    void cleanup() { tearDownStartScreen(); }

    void escGoesBackOnEveryPageWithAWayBack_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("back");
        QTest::newRow("login stays") << int(TFormStart::LoginPage) << int(TFormStart::LoginPage);
        QTest::newRow("list selection") << int(TFormStart::ListSelectionPage) << int(TFormStart::LoginPage);
        QTest::newRow("settings") << int(TFormStart::SettingsPage) << int(TFormStart::ListSelectionPage);
        QTest::newRow("list editor") << int(TFormStart::ListEditorPage) << int(TFormStart::ListSelectionPage);
    }
    void escGoesBackOnEveryPageWithAWayBack()
    {
        QFETCH(int, page);
        QFETCH(int, back);
        logInAsAnna();
        start->showPage(page);
        QTest::keyClick(start->page(page), Qt::Key_Escape);
        QCOMPARE(start->currentPage(), back);
        QVERIFY(start->isVisible());
    }

    void escOnTheSettingsPageKeepsTheOldSettings()
    {
        logInAsAnna();
        start->showPage(TFormStart::SettingsPage);
        auto* bar = child<QScrollBar>("WieIntensivWert");
        const int before = bar->value();
        // The bar takes the focus and moves with the keys.
        QCOMPARE(bar->focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(bar->value(), 100);
        QTest::keyClick(bar, Qt::Key_PageDown);
        QCOMPARE(bar->value(), 90);
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(bar->value(), 89);
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->value(), 90);
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(bar, Qt::Key_PageUp);
        QCOMPARE(bar->value(), 10);
        QTest::keyClick(bar, Qt::Key_Escape);
        QCOMPARE(start->currentPage(), int(TFormStart::ListSelectionPage));
        QCOMPARE(int(tavrio::session()->GetIntensity()), before);
    }

    void theLinesUnderTheBarsSayWhatThePositionsMean_data()
    {
        QTest::addColumn<int>("intensity");
        QTest::addColumn<int>("strictness");
        QTest::addColumn<QString>("intensityLine");
        QTest::addColumn<QString>("strictnessLine");
        // Right answers add 100 / (intensity + 4) from the start score 20;
        // above 80 a word is "Leicht". A wrong one takes strictness / 20
        // times as much.
        QTest::newRow("refresh, no consequences")
            << 0 << 0 << QStringLiteral("Ein neues Wort ist nach 3 richtigen Antworten \u201eLeicht\u201c "
                                        "(jede richtige Antwort bringt 25 Punkte).")
            << QStringLiteral("Eine falsche Antwort kostet keine Punkte.");
        QTest::newRow("middle")
            << 50 << 40 << QStringLiteral("Ein neues Wort ist nach 61 richtigen Antworten \u201eLeicht\u201c "
                                          "(jede richtige Antwort bringt 1 Punkt).")
            << QStringLiteral("Eine falsche Antwort nimmt 2 Punkte weg, so viel wie 2 richtige bringen.");
        QTest::newRow("one step each")
            << 6 << 20 << QStringLiteral("Ein neues Wort ist nach 7 richtigen Antworten \u201eLeicht\u201c "
                                         "(jede richtige Antwort bringt 10 Punkte).")
            << QStringLiteral("Eine falsche Antwort nimmt 10 Punkte weg, so viel wie eine richtige bringt.");
        QTest::newRow("nothing to gain")
            << 100 << 100 << QStringLiteral("Hier bringt eine richtige Antwort keine Punkte: kein Wort wird "
                                            "\u201eLeicht\u201c.")
            << QStringLiteral("Eine falsche Antwort kostet keine Punkte.");
    }
    void theLinesUnderTheBarsSayWhatThePositionsMean()
    {
        QFETCH(int, intensity);
        QFETCH(int, strictness);
        QFETCH(QString, intensityLine);
        QFETCH(QString, strictnessLine);
        logInAsAnna();
        start->showPage(TFormStart::SettingsPage);
        child<QScrollBar>("WieIntensivWert")->setValue(intensity);
        child<QScrollBar>("WieHartBestraft")->setValue(strictness);
        QCOMPARE(child<QLabel>("IntensivBedeutung")->text(), intensityLine);
        QCOMPARE(child<QLabel>("HartBedeutung")->text(), strictnessLine);
        // Each line shows whole in its place.
        for (const char* name : {"IntensivBedeutung", "HartBedeutung"}) {
            const QLabel* line = child<QLabel>(name);
            const QRect needed = line->fontMetrics().boundingRect(
                line->rect(), int(line->alignment()) | (line->wordWrap() ? Qt::TextWordWrap : 0), line->text());
            QVERIFY2(needed.width() <= line->width() && needed.height() <= line->height(), name);
        }
        // The line tells the truth about the session's scoring.
        const cSession::LearningSteps steps = cSession::StepsFor(std::uint32_t(intensity), std::uint32_t(strictness));
        tavrio::session()->SetLearningSettings(std::uint32_t(intensity), std::uint32_t(strictness));
        QCOMPARE(tavrio::session()->GetRewardStep(), steps.reward);
        QCOMPARE(tavrio::session()->GetPenaltyStep(), -steps.penalty);
        for (int i = 0; i < steps.rightAnswersToEasy; ++i) {
            QVERIFY(tavrio::session()->GetDifficulty("q", "a") != 0);
            tavrio::session()->RecordAnswer("q", "a", true);
        }
        QCOMPARE(tavrio::session()->GetDifficulty("q", "a") == 0, steps.rightAnswersToEasy > 0);
    }

    void theCaptionsUnderEachBarShowWholeAndApart_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("bar");
        QTest::newRow("intensity") << QStringLiteral("IntensivLabel") << 3 << QStringLiteral("WieIntensivWert");
        QTest::newRow("strictness") << QStringLiteral("HartLabel") << 4 << QStringLiteral("WieHartBestraft");
    }
    void theCaptionsUnderEachBarShowWholeAndApart()
    {
        QFETCH(QString, prefix);
        QFETCH(int, count);
        QFETCH(QString, bar);
        const QRect under = child<QScrollBar>(bar.toLatin1().constData())
                                ->geometry()
                                .adjusted(-tavrio::layout::start::kScaleOverhang, 0,
                                          tavrio::layout::start::kScaleOverhang, 0);
        QRect previous;
        for (int i = 1; i <= count; ++i) {
            const auto* label = tavrio::test::namedChild<QLabel>(start.get(), prefix + QString::number(i));
            const QRect r = label->geometry();
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= r.width(), qPrintable(label->text()));
            QVERIFY2(r.left() >= under.left() && r.right() <= under.right(), qPrintable(label->text()));
            QVERIFY2(previous.isNull() || previous.right() < r.left(), qPrintable(label->text()));
            previous = r;
        }
    }

    void losGehtsWithNoWordMarkedForPracticeSaysSoAndStays()
    {
        // A list whose only entry is not marked for practice.
        cShellFixture::writeBytes(QStringLiteral("Leer.vok"), "dog\r\nHund\r\n0\r\n\r\n");
        logInAsAnna();
        tickAll();
        QTest::keyClick(child<QWidget>("Label9"), Qt::Key_Space);
        QCOMPARE(fx->seams.messages, QStringList{tavrio::kNothingMarked});
        QCOMPARE(start->currentPage(), int(TFormStart::ListSelectionPage));
        QVERIFY(!house->isVisible());
        // With a marked word the house opens.
        fx->seams.clear();
        cShellFixture::writeList(QStringLiteral("Englisch"), {{"cat", "Katze"}});
        start->showPage(TFormStart::ListSelectionPage);
        tickAll();
        QTest::keyClick(child<QWidget>("Label9"), Qt::Key_Return);
        QCOMPARE(fx->seams.messages, QStringList());
        QVERIFY(house->isVisible());
    }
};

QTEST_MAIN(PupilStartTest)
#include "PupilStartTest.moc"
