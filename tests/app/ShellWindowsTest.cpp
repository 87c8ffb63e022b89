// The entrance, the house, its rooms and the help window, created by the
// program's owner and driven by their object names.
#include "tests/app/WindowsUp.h"
#include "tests/support/NamedChild.h"

#include "app/AtticWindow.h"
#include "app/ChildrensRoomWindow.h"
#include "app/EntranceWindow.h"
#include "app/GardenWindow.h"
#include "app/HouseWindow.h"
#include "app/MemoryWindow.h"
#include "app/Tavrio.h"
#include "engine/ListFile.h"
#include "exercises/hidden/TForm5.h"
#include "exercises/wordsearch/TForm14.h"
#include "engine/Session.h"
#include "start/StartScreen.h"
#include "ui/HelpWindow.h"
#include "ui/PictureArea.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <functional>

using tavrio::test::cShellFixture;
using tavrio::test::cShellWindows;
using tavrio::windows;

Q_DECLARE_METATYPE(std::function<QWidget*()>)

namespace {
using WindowOf = std::function<QWidget*()>;

WindowOf house() { return [] { return static_cast<QWidget*>(windows().form8); }; }
WindowOf attic() { return [] { return static_cast<QWidget*>(windows().form9); }; }
WindowOf childrensRoom() { return [] { return static_cast<QWidget*>(windows().form10); }; }
WindowOf garden() { return [] { return static_cast<QWidget*>(windows().form11); }; }
WindowOf entrance() { return [] { return static_cast<QWidget*>(windows().form1); }; }

QWidget* child(QWidget* window, const QString& name)
{
    return tavrio::test::namedChild<QWidget>(window, name);
}

void hover(QWidget* w)
{
    const QPointF at = QPointF(w->rect().center());
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

void clickArea(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

bool lit(QWidget* window, const QString& spot)
{
    auto* label = qobject_cast<QLabel*>(child(window, spot));
    return label && !label->pixmap().isNull();
}

QStringList litSpots(QWidget* window)
{
    QStringList names;
    for (auto* area : window->findChildren<tavrio::cPictureArea*>())
        if (area->objectName() != QStringLiteral("Image1") && area->objectName() != QStringLiteral("IntroBild")
            && !area->pixmap().isNull())
            names << area->objectName();
    return names;
}
} // namespace

class ShellWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<cShellWindows> fx;

    // Ends the intro and enables the entrance again, as a window that
    // returns to it does.
    void endIntro()
    {
        for (int i = 0; i < 3; ++i)
            windows().form1->Timer1Timer();
        windows().form1->setEnabled(true);
    }

private slots:
    void init() { fx = std::make_unique<cShellWindows>(); }
    void cleanup() { fx.reset(); }

    void theIntroCountsThreeTwoOneThenOpensTheLogin()
    {
        int version = 0;
        windows().formStart->setVersionCheck([&](int v) { version = v; });
        TForm1* e = windows().form1;
        e->show();
        auto* count = qobject_cast<QLabel*>(child(e, QStringLiteral("Introstand")));
        QVERIFY(e->introRunning());
        QCOMPARE(count->text(), QStringLiteral("3"));
        QVERIFY(!child(e, QStringLiteral("Start"))->isVisible());
        QVERIFY(!child(e, QStringLiteral("Hilfe"))->isVisible());
        e->Timer1Timer();
        QCOMPARE(count->text(), QStringLiteral("2"));
        e->Timer1Timer();
        QCOMPARE(count->text(), QStringLiteral("1"));
        QVERIFY(!windows().formStart->isVisible());
        e->Timer1Timer();
        QVERIFY(!e->introRunning());
        QVERIFY(!child(e, QStringLiteral("IntroBild"))->isVisible());
        QVERIFY(!count->isVisible());
        for (const char* name : {"Image1", "Start", "Optionen", "Ende", "Impressum", "Hilfe"})
            QVERIFY2(child(e, QString::fromLatin1(name))->isVisible(), name);
        QVERIFY(!e->isEnabled());
        QVERIFY(windows().formStart->isVisible());
        QVERIFY(windows().formStart->isEnabled());
        QCOMPARE(windows().formStart->currentPage(), int(TFormStart::LoginPage));
        QCOMPARE(version, 2);
    }

    void aKeySkipsTheIntroAndASecondShowDoesNotReplayIt()
    {
        TForm1* e = windows().form1;
        e->show();
        QTest::keyClick(e, Qt::Key_Space);
        QVERIFY(!e->introRunning());
        QVERIFY(windows().formStart->isVisible());
        e->hide();
        e->show();
        QVERIFY(!e->introRunning());
        QCOMPARE(qobject_cast<QSpinBox*>(child(e, QStringLiteral("Startvalue")))->value(), 0);
    }

    void theLayoutSitsInTheMiddleOfTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("800 x 600") << QSize(800, 600) << QPoint(0, 0);
        QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(112, 84);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QPoint(560, 240);
    }
    void theLayoutSitsInTheMiddleOfTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, offset);
        TForm1* e = windows().form1;
        e->layOutFor(screen);
        QCOMPARE(e->size(), screen);
        QCOMPARE(child(e, QStringLiteral("Image1"))->pos(), offset);
        QCOMPARE(child(e, QStringLiteral("IntroBild"))->pos(), offset);
        // Doors keep their place on the picture and their hover picture's size.
        QCOMPARE(child(e, QStringLiteral("Start"))->geometry(), child(e, QStringLiteral("StartPicture"))->geometry());
        QCOMPARE(child(e, QStringLiteral("Ende"))->pos() - child(e, QStringLiteral("Image1"))->pos(),
                 child(e, QStringLiteral("Ende"))->pos() - offset);
        QVERIFY(QRect(offset, QSize(800, 600)).contains(child(e, QStringLiteral("Ende"))->geometry()));
    }

    void atMostOneDoorIsLit()
    {
        TForm1* e = windows().form1;
        e->show();
        endIntro();
        hover(child(e, QStringLiteral("Start")));
        QCOMPARE(litSpots(e), QStringList{QStringLiteral("Start")});
        hover(child(e, QStringLiteral("Ende")));
        QCOMPARE(litSpots(e), QStringList{QStringLiteral("Ende")});
        hover(child(e, QStringLiteral("Image1")));
        QCOMPARE(litSpots(e), QStringList());
    }

    void movingFromOneHotSpotStraightOntoAnotherLightsOnlyTheSecond()
    {
        QWidget* h = windows().form8;
        h->show();
        hover(child(h, QStringLiteral("Papa")));
        QCOMPARE(litSpots(h), QStringList{QStringLiteral("Papa")});
        hover(child(h, QStringLiteral("Oma")));
        QCOMPARE(litSpots(h), QStringList{QStringLiteral("Oma")});
        QVERIFY(!lit(h, QStringLiteral("Papa")));
        hover(child(h, QStringLiteral("Image1")));
        QCOMPARE(litSpots(h), QStringList());
        // In the rooms the back arrow drops the highlight too.
        QWidget* g = windows().form11;
        g->show();
        hover(child(g, QStringLiteral("Seenot")));
        QCOMPARE(litSpots(g), QStringList{QStringLiteral("Seenot")});
        hover(child(g, QStringLiteral("Image2")));
        QCOMPARE(litSpots(g), QStringList());
    }

    void comingSoonOpensNothingAndKeepsTheRoomEnabled_data()
    {
        QTest::addColumn<WindowOf>("room");
        QTest::addColumn<QString>("button");
        QTest::newRow("letter shooting") << attic() << QStringLiteral("BUCHSTABENSCHIESSENBUTTON");
        QTest::newRow("escape from Vokablia") << attic() << QStringLiteral("FLUCHTVONVOKABLIABUTTON");
        QTest::newRow("crossword") << attic() << QStringLiteral("KREUZWORTRAETSELBUTTON");
        QTest::newRow("sliding puzzle") << childrensRoom() << QStringLiteral("SCHIEBESPIELBUTTON");
        QTest::newRow("memory") << childrensRoom() << QStringLiteral("MEMORYBUTTON");
    }
    void comingSoonOpensNothingAndKeepsTheRoomEnabled()
    {
        QFETCH(WindowOf, room);
        QFETCH(QString, button);
        QWidget* r = room();
        r->show();
        qobject_cast<QPushButton*>(child(r, button))->click();
        QCOMPARE(fx->seams.messages, QStringList{QStringLiteral("Coming soon!")});
        QVERIFY(r->isEnabled());
        QVERIFY(r->isVisible());
        QWidgetList shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                shown << w;
        QCOMPARE(shown, QWidgetList{r});
    }

    void theHotSpotAndItsHiddenButtonShareTheHandler()
    {
        QWidget* a = windows().form9;
        a->show();
        clickArea(child(a, QStringLiteral("KREUZWORTRAETSEL")));
        QCOMPARE(fx->seams.messages, QStringList{QStringLiteral("Coming soon!")});
        QCOMPARE(child(a, QStringLiteral("KREUZWORTRAETSEL"))->toolTip(), QStringLiteral("Lernübung : Kreuzworträtsel"));
    }

    void theHouseDoorsOpenTheRooms_data()
    {
        QTest::addColumn<QString>("door");
        QTest::addColumn<WindowOf>("room");
        QTest::newRow("attic") << QStringLiteral("Dachboden") << attic();
        QTest::newRow("children's room") << QStringLiteral("Kinderzimmer") << childrensRoom();
        QTest::newRow("garden") << QStringLiteral("Garten") << garden();
    }
    void theHouseDoorsOpenTheRooms()
    {
        QFETCH(QString, door);
        QFETCH(WindowOf, room);
        QWidget* h = windows().form8;
        h->show();
        clickArea(child(h, door));
        QVERIFY(!h->isEnabled());
        QVERIFY(room()->isVisible());
        QVERIFY(room()->isEnabled());
        QVERIFY(!qobject_cast<QLabel*>(child(room(), QStringLiteral("Image1")))->pixmap().isNull());
        // Closing the room brings the house back and drops the background.
        clickArea(child(room(), QStringLiteral("Image2")));
        QVERIFY(!room()->isVisible());
        QVERIFY(h->isVisible());
        QVERIFY(h->isEnabled());
        QCOMPARE(child(room(), QStringLiteral("Image1"))->size(), QSize(1, 1));
    }

    void closingTheHouseReturnsToTheStartScreen()
    {
        TForm1* e = windows().form1;
        e->show();
        for (int i = 0; i < 3; ++i)
            e->Timer1Timer();
        TFormStart* s = windows().formStart;
        s->setEnabled(false);
        QWidget* h = windows().form8;
        h->show();
        qobject_cast<QPushButton*>(child(h, QStringLiteral("Button1")))->click();
        QVERIFY(!h->isVisible());
        QVERIFY(s->isVisible());
        QVERIFY(s->isEnabled());
        QVERIFY(!e->isEnabled());
        QCOMPARE(child(h, QStringLiteral("Image2"))->toolTip(), QStringLiteral("Zurück zum Eingang"));
    }

    void eachWindowShowsItsOwnHelpPicture_data()
    {
        QTest::addColumn<WindowOf>("window");
        QTest::addColumn<QString>("picture");
        QTest::newRow("entrance") << entrance() << QStringLiteral("Hilfe\\Start.bmp");
        QTest::newRow("house") << house() << QStringLiteral("Hilfe\\DasHaus.bmp");
        QTest::newRow("attic") << attic() << QStringLiteral("Hilfe\\Dachboden.bmp");
        QTest::newRow("children's room") << childrensRoom() << QStringLiteral("Hilfe\\Kinderzimmer.bmp");
        QTest::newRow("garden") << garden() << QStringLiteral("Hilfe\\Garten.bmp");
    }
    void eachWindowShowsItsOwnHelpPicture()
    {
        QFETCH(WindowOf, window);
        QFETCH(QString, picture);
        QWidget* w = window();
        w->show();
        if (w == windows().form1)
            endIntro();
        clickArea(child(w, QStringLiteral("Hilfe")));
        TForm15* help = windows().form15;
        QVERIFY(help->isVisible());
        QCOMPARE(help->currentPicture(), picture);
        QVERIFY(!qobject_cast<QLabel*>(child(help, QStringLiteral("Thema")))->pixmap().isNull());
        QVERIFY(w->isVisible());
    }

    void helpFromTheGardenThenTheHouseShowsTheHousePicture()
    {
        windows().form11->show();
        clickArea(child(windows().form11, QStringLiteral("Hilfe")));
        qobject_cast<QPushButton*>(child(windows().form15, QStringLiteral("Schliessen")))->click();
        QVERIFY(!windows().form15->isVisible());
        QVERIFY(qobject_cast<QLabel*>(child(windows().form15, QStringLiteral("Thema")))->pixmap().isNull());
        windows().form8->show();
        clickArea(child(windows().form8, QStringLiteral("Hilfe")));
        QCOMPARE(windows().form15->currentPicture(), QStringLiteral("Hilfe\\DasHaus.bmp"));
    }

    void endeSavesTheProfileAndShowsTheStartScreen()
    {
        cShellFixture::writeProfile("Anna");
        cShellFixture::writeList(QStringLiteral("Englisch"), {{"dog", "Hund"}});
        tavrio::setSession(std::make_unique<cSession>("Anna"));
        tavrio::session()->AddVocabularyFile("Englisch.vok");
        tavrio::session()->IstDasRichtig("dog", "Hund", "Hund");
        TForm1* e = windows().form1;
        e->show();
        endIntro();
        clickArea(child(e, QStringLiteral("Ende")));
        std::string bytes;
        QVERIFY(ReadFileBytes("Anna.pfl", bytes));
        QVERIFY(bytes.size() > 5);
        QVERIFY(bytes.find("dog") != std::string::npos);
        QVERIFY(!e->isEnabled());
        QVERIFY(windows().formStart->isVisible());
        QVERIFY(fx->seams.messages.isEmpty());
    }

    // The attic's word search and the garden's digging game open over their
    // room with a round already started; "Zurück" brings the room back.
    void theRoomsOpenTheirExercisesWithARoundStarted()
    {
        cShellFixture::writeProfile("Anna");
        cShellFixture::writeList(QStringLiteral("Englisch"), {{"dog", "Hund"}});
        tavrio::setSession(std::make_unique<cSession>("Anna"));
        tavrio::session()->AddVocabularyFile("Englisch.vok");

        QWidget* room = attic()();
        room->show();
        clickArea(child(room, QStringLiteral("WOERTERSUCHEN")));
        auto* search = static_cast<QWidget*>(windows().form14);
        QVERIFY(search->isVisible());
        QVERIFY(!room->isEnabled());
        QCOMPARE(qobject_cast<QPushButton*>(child(search, QStringLiteral("Button2")))->text(),
                 QStringLiteral("Auflösen"));
        qobject_cast<QPushButton*>(child(search, QStringLiteral("Button1")))->click();
        QVERIFY(room->isEnabled() && !search->isVisible());

        room = garden()();
        room->show();
        clickArea(child(room, QStringLiteral("Verstecktaberwo")));
        auto* dig = static_cast<QWidget*>(windows().form5);
        QVERIFY(dig->isVisible());
        QVERIFY(!room->isEnabled());
        QCOMPARE(qobject_cast<QLineEdit*>(child(dig, QStringLiteral("Uebersetzt")))->text(),
                 QStringLiteral("Hier die Übersetzung eingeben!"));
        QCOMPARE(qobject_cast<QLineEdit*>(child(dig, QStringLiteral("Orginal")))->text(), QStringLiteral("dog"));
        QVERIFY(fx->seams.messages.isEmpty());
    }

    void quittingOnTheLoginPageKeepsTheProgress()
    {
        cShellFixture::writeProfile("Anna");
        cShellFixture::writeList(QStringLiteral("Englisch"), {{"cat", "Katze"}});
        tavrio::setSession(std::make_unique<cSession>("Anna"));
        tavrio::session()->AddVocabularyFile("Englisch.vok");
        tavrio::session()->IstDasRichtig("cat", "Katze", "Katze");
        windows().form1->show();
        endIntro();
        clickArea(child(windows().formStart, QStringLiteral("Label8")));
        QVERIFY(!windows().form1->isVisible());
        std::string bytes;
        QVERIFY(ReadFileBytes("Anna.pfl", bytes));
        QVERIFY(bytes.find("cat") != std::string::npos);
    }

    void endeWithoutALearnerSavesNothing()
    {
        TForm1* e = windows().form1;
        e->EndeClick();
        QVERIFY(QDir::current().entryList({QStringLiteral("*.pfl")}, QDir::Files).isEmpty());
        QVERIFY(fx->seams.messages.isEmpty());
    }

    void theMemoryPlaceholderGoesBackToTheChildrensRoom()
    {
        windows().form10->setEnabled(false);
        windows().form13->show();
        qobject_cast<QPushButton*>(child(windows().form13, QStringLiteral("Button1")))->click();
        QVERIFY(!windows().form13->isVisible());
        QVERIFY(windows().form10->isVisible());
        QVERIFY(windows().form10->isEnabled());
    }

    void missingPicturesGiveAPlainBackground()
    {
        QFile::remove(fx->path(QStringLiteral("BG")));
        QVERIFY(!QFileInfo::exists(fx->path(QStringLiteral("BG"))));
        QWidget* h = windows().form8;
        h->show();
        hover(child(h, QStringLiteral("Oma")));
        QCOMPARE(child(h, QStringLiteral("Image1"))->size(), h->size());
        QVERIFY(h->isVisible());
    }

    void windowsHaveTheirSizes()
    {
        QCOMPARE(windows().form8->size(), QSize(800, 600));
        QCOMPARE(windows().form9->size(), QSize(800, 599));
        QCOMPARE(windows().formStart->size(), QSize(800, 600));
        QVERIFY(windows().form10->windowFlags() & Qt::FramelessWindowHint);
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "ShellWindowsTest.moc"
