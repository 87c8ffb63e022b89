// The house, its rooms and the help window by keyboard alone: Esc goes back,
// Tab walks the hot spots (lighting them as the mouse would), Return and
// Space click them.
#include "tests/app/WindowsUp.h"
#include "tests/support/NamedChild.h"

#include "app/AtticWindow.h"
#include "app/EntranceWindow.h"
#include "app/ChildrensRoomWindow.h"
#include "app/GardenWindow.h"
#include "app/HouseWindow.h"
#include "app/Tavrio.h"
#include "engine/Session.h"
#include "exercises/littlebrother/TForm12.h"
#include "exercises/wheel/TForm24.h"
#include "start/StartScreen.h"
#include "ui/HelpWindow.h"
#include "ui/PictureArea.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <functional>

using tavrio::test::cShellWindows;
using tavrio::windows;

Q_DECLARE_METATYPE(std::function<QWidget*()>)

namespace {
using WindowOf = std::function<QWidget*()>;

QWidget* child(QWidget* window, const char* name)
{
    return tavrio::test::namedChild<QWidget>(window, QString::fromLatin1(name));
}

QString focused()
{
    const QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

QStringList litSpots(QWidget* window)
{
    QStringList names;
    for (auto* area : window->findChildren<tavrio::cPictureArea*>())
        if (area->objectName() != QStringLiteral("Image1") && !area->pixmap().isNull())
            names << area->objectName();
    return names;
}

// Shows the window as the active one, so it holds the keyboard focus.
bool activate(QWidget* w)
{
    w->show();
    w->setEnabled(true);
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}
} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<cShellWindows> fx;

private slots:
    void init() { fx = std::make_unique<cShellWindows>(); }
    void cleanup() { fx.reset(); }

    void escLeavesEachRoomForTheWindowAbove_data()
    {
        QTest::addColumn<WindowOf>("room");
        QTest::addColumn<WindowOf>("above");
        const WindowOf house = [] { return static_cast<QWidget*>(windows().form8); };
        QTest::newRow("house") << house << WindowOf([] { return static_cast<QWidget*>(windows().formStart); });
        QTest::newRow("attic") << WindowOf([] { return static_cast<QWidget*>(windows().form9); }) << house;
        QTest::newRow("children's room") << WindowOf([] { return static_cast<QWidget*>(windows().form10); })
                                         << house;
        QTest::newRow("garden") << WindowOf([] { return static_cast<QWidget*>(windows().form11); }) << house;
    }
    void escLeavesEachRoomForTheWindowAbove()
    {
        QFETCH(WindowOf, room);
        QFETCH(WindowOf, above);
        above()->setEnabled(false);
        QVERIFY(activate(room()));
        QTest::keyClick(room(), Qt::Key_Escape);
        QVERIFY(!room()->isVisible());
        QVERIFY(above()->isVisible());
        QVERIFY(above()->isEnabled());
    }

    void escClosesTheHelpWindow()
    {
        QWidget* garden = windows().form11;
        QVERIFY(activate(garden));
        QVERIFY(!windows().form15->isVisible());
        QWidget* help = child(garden, "Hilfe");
        help->setFocus(Qt::TabFocusReason);
        QTest::keyClick(help, Qt::Key_Return);
        QVERIFY(windows().form15->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(windows().form15));
        QTest::keyClick(windows().form15, Qt::Key_Escape);
        QVERIFY(!windows().form15->isVisible());
        QCOMPARE(windows().form15->currentPicture(), QString());
        QVERIFY(garden->isVisible());
        // The keyboard is back where it was.
        QVERIFY(QTest::qWaitForWindowActive(garden));
        QCOMPARE(focused(), QStringLiteral("Hilfe"));
    }

    void tabWalksTheAtticsHotSpotsThenHelpAndBackLightingEachSpot()
    {
        QWidget* attic = windows().form9;
        QVERIFY(activate(attic));
        // Nothing is focused or lit until the first Tab.
        QCOMPARE(focused(), QStringLiteral("TForm9"));
        QCOMPARE(litSpots(attic), QStringList());
        QStringList order;
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : attic, Qt::Key_Tab);
            order << focused();
            const bool spot = focused() != QStringLiteral("Hilfe") && focused() != QStringLiteral("Image2");
            QCOMPARE(litSpots(attic), spot ? QStringList{focused()} : QStringList());
        }
        QCOMPARE(order, (QStringList{"BUCHSTABENSCHIESSEN", "FLUCHTVONVOKABLIA", "WOERTERSUCHEN", "KREUZWORTRAETSEL",
                                     "TEST", "Hilfe", "Image2"}));
    }

    void returnAndSpaceOnAFocusedHotSpotActLikeAClick_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("spot");
        QTest::addColumn<WindowOf>("opened");
        QTest::newRow("Return on the attic")
            << int(Qt::Key_Return) << QStringLiteral("Dachboden")
            << WindowOf([] { return static_cast<QWidget*>(windows().form9); });
        QTest::newRow("Space on the garden")
            << int(Qt::Key_Space) << QStringLiteral("Garten")
            << WindowOf([] { return static_cast<QWidget*>(windows().form11); });
        QTest::newRow("Enter on the help button")
            << int(Qt::Key_Enter) << QStringLiteral("Hilfe")
            << WindowOf([] { return static_cast<QWidget*>(windows().form15); });
    }
    void returnAndSpaceOnAFocusedHotSpotActLikeAClick()
    {
        QFETCH(int, key);
        QFETCH(QString, spot);
        QFETCH(WindowOf, opened);
        QWidget* house = windows().form8;
        QVERIFY(activate(house));
        QWidget* area = tavrio::test::namedChild<QWidget>(house, spot);
        QCOMPARE(area->focusPolicy(), Qt::TabFocus);
        area->setFocus(Qt::TabFocusReason);
        QCOMPARE(focused(), spot);
        QTest::keyClick(area, Qt::Key(key));
        QVERIFY(opened()->isVisible());
    }

    void escBackGivesTheKeyboardToTheSpotThatOpened_data()
    {
        QTest::addColumn<WindowOf>("room");
        QTest::addColumn<QString>("spot");
        QTest::addColumn<WindowOf>("opened");
        const WindowOf children = [] { return static_cast<QWidget*>(windows().form10); };
        QTest::newRow("little brother") << children << QStringLiteral("KleinerBruder")
                                        << WindowOf([] { return static_cast<QWidget*>(windows().form12); });
        QTest::newRow("wheel") << children << QStringLiteral("GLUECKSRAD")
                               << WindowOf([] { return static_cast<QWidget*>(windows().form24); });
        QTest::newRow("attic from the house") << WindowOf([] { return static_cast<QWidget*>(windows().form8); })
                                              << QStringLiteral("Dachboden")
                                              << WindowOf([] { return static_cast<QWidget*>(windows().form9); });
    }
    void escBackGivesTheKeyboardToTheSpotThatOpened()
    {
        QFETCH(WindowOf, room);
        QFETCH(QString, spot);
        QFETCH(WindowOf, opened);
        QVERIFY(activate(room()));
        QWidget* area = tavrio::test::namedChild<QWidget>(room(), spot);
        area->setFocus(Qt::TabFocusReason);
        QTest::keyClick(area, Qt::Key_Return);
        QVERIFY(opened()->isVisible());
        QVERIFY(!room()->isEnabled());
        QVERIFY(QTest::qWaitForWindowActive(opened()));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : opened(), Qt::Key_Escape);
        QVERIFY(!opened()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(room()));
        QCOMPARE(focused(), spot);
        QCOMPARE(litSpots(room()), QStringList{spot});
    }

    void impressumOrHelpTakingTheFocusDarkensTheLitDoor_data()
    {
        QTest::addColumn<QString>("door");
        QTest::addColumn<QString>("next");
        QTest::newRow("Start, then Impressum") << QStringLiteral("Start") << QStringLiteral("Impressum");
        QTest::newRow("Ende, then help") << QStringLiteral("Ende") << QStringLiteral("Hilfe");
        QTest::newRow("Optionen, then Start") << QStringLiteral("Optionen") << QStringLiteral("Start");
    }
    void impressumOrHelpTakingTheFocusDarkensTheLitDoor()
    {
        QFETCH(QString, door);
        QFETCH(QString, next);
        TForm1* entrance = windows().form1;
        entrance->show();
        for (int i = 0; i < 3; ++i)
            entrance->Timer1Timer();
        windows().formStart->hide();
        QVERIFY(activate(entrance));
        tavrio::test::namedChild<QWidget>(entrance, door)->setFocus(Qt::TabFocusReason);
        QVERIFY(entrance->litDoor());
        QCOMPARE(entrance->litDoor()->objectName(), door);
        tavrio::test::namedChild<QWidget>(entrance, next)->setFocus(Qt::TabFocusReason);
        QCOMPARE(focused(), next);
        const bool nextIsDoor = next == QStringLiteral("Start");
        QCOMPARE(entrance->litDoor() ? entrance->litDoor()->objectName() : QString(),
                 nextIsDoor ? next : QString());
    }

    void theAtticsBackArrowDropsTheLitSpot()
    {
        QWidget* attic = windows().form9;
        attic->show();
        for (const char* name : {"TEST", "Image2"}) {
            QWidget* w = child(attic, name);
            const QPointF at = QPointF(w->rect().center());
            QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &move);
        }
        QCOMPARE(litSpots(attic), QStringList());
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
