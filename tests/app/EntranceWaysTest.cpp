// The ways between the start screen and the entrance's doors, in the
// program's own windows.
#include "tests/app/WindowsUp.h"
#include "tests/support/NamedChild.h"

#include "app/EntranceWindow.h"
#include "app/HouseWindow.h"
#include "app/Tavrio.h"
#include "engine/Session.h"
#include "start/StartScreen.h"
#include "tools/options/TForm2.h"
#include "ui/Windows.h"

#include <QPushButton>

using tavrio::test::cShellFixture;
using tavrio::test::cShellWindows;
using tavrio::windows;

namespace {
QWidget* child(QWidget* window, const QString& name) { return tavrio::test::namedChild<QWidget>(window, name); }

// Clicks a door only when its window takes clicks, as a learner would.
void clickArea(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
} // namespace

class EntranceWaysTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<cShellWindows> fx;
    TForm1* entrance() const { return windows().form1; }
    TFormStart* start() const { return windows().formStart; }
    QWidget* house() const { return windows().form8; }
    QWidget* options() const { return windows().form2; }

    // From the start screen's page to the entrance; the entrance takes
    // clicks again and the start screen is out of the way.
    void toEntrance(int page)
    {
        QCOMPARE(start()->currentPage(), page);
        qobject_cast<QPushButton*>(child(start()->page(page), QStringLiteral("ZumEingang")))->click();
        QVERIFY(!start()->isVisible());
        QVERIFY(entrance()->isVisible() && entrance()->isEnabled());
    }

    void login(const QByteArray& name)
    {
        cShellFixture::writeProfile(name);
        tavrio::setSession(std::make_unique<cSession>(name.toStdString()));
        start()->showPage(TFormStart::ListSelectionPage);
    }

private slots:
    void init()
    {
        fx = std::make_unique<cShellWindows>();
        entrance()->show();
        for (int i = 0; i < 3; ++i)
            entrance()->Timer1Timer();
        QVERIFY(start()->isVisible() && !entrance()->isEnabled());
    }
    void cleanup() { fx.reset(); }

    void startWithoutALearnerBringsBackTheLogin()
    {
        toEntrance(TFormStart::LoginPage);
        clickArea(child(entrance(), QStringLiteral("Start")));
        QVERIFY(start()->isVisible() && start()->isEnabled());
        QCOMPARE(start()->currentPage(), int(TFormStart::LoginPage));
        QVERIFY(!house()->isVisible());
        QVERIFY(!entrance()->isEnabled());
    }

    void startWithoutListsBringsBackTheListSelection()
    {
        login("Anna");
        toEntrance(TFormStart::ListSelectionPage);
        clickArea(child(entrance(), QStringLiteral("Start")));
        QVERIFY(start()->isVisible());
        QCOMPARE(start()->currentPage(), int(TFormStart::ListSelectionPage));
        QVERIFY(!house()->isVisible());
        QVERIFY(fx->seams.messages.isEmpty());
    }

    void startWithListsOpensTheHouse()
    {
        login("Anna");
        cShellFixture::writeList(QStringLiteral("Englisch"), {{"dog", "Hund"}});
        tavrio::session()->AddVocabularyFile("Englisch.vok");
        toEntrance(TFormStart::ListSelectionPage);
        clickArea(child(entrance(), QStringLiteral("Start")));
        QVERIFY(house()->isVisible() && house()->isEnabled());
        QVERIFY(!entrance()->isEnabled());
    }

    void optionsOpenOverTheEntranceAndCloseBackToIt_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Zurück") << false;
        QTest::newRow("Esc") << true;
    }
    void optionsOpenOverTheEntranceAndCloseBackToIt()
    {
        QFETCH(bool, byKey);
        toEntrance(TFormStart::LoginPage);
        clickArea(child(entrance(), QStringLiteral("Optionen")));
        QVERIFY(options()->isVisible() && options()->isEnabled());
        QVERIFY(!entrance()->isEnabled());
        if (byKey)
            QTest::keyClick(options(), Qt::Key_Escape);
        else
            qobject_cast<QPushButton*>(child(options(), QStringLiteral("Button1")))->click();
        QVERIFY(!options()->isVisible());
        QVERIFY(entrance()->isVisible() && entrance()->isEnabled());
        QVERIFY(!start()->isVisible());
    }

    void theDoorsOpenByKeyboard()
    {
        toEntrance(TFormStart::LoginPage);
        QVERIFY(QTest::qWaitForWindowActive(entrance()));
        QWidget* door = child(entrance(), QStringLiteral("Optionen"));
        for (int i = 0; i < 5 && QApplication::focusWidget() != door; ++i)
            QTest::keyClick(entrance(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), door);
        QTest::keyClick(door, Qt::Key_Return);
        QVERIFY(options()->isVisible() && !entrance()->isEnabled());
    }

    void endeFromTheEntranceShowsTheLoginAgain()
    {
        login("Anna");
        toEntrance(TFormStart::ListSelectionPage);
        clickArea(child(entrance(), QStringLiteral("Ende")));
        QVERIFY(start()->isVisible() && start()->isEnabled());
        QCOMPARE(start()->currentPage(), int(TFormStart::LoginPage));
        QVERIFY(!entrance()->isEnabled());
    }
};

QTEST_MAIN(EntranceWaysTest)
#include "EntranceWaysTest.moc"
