// A pupil's whole way with the keyboard alone: the count-down, a new
// profile typed in and created, a list ticked, "Los gehts", then every room
// of the house and every exercise in it, each left again with Esc; and the
// entrance's options with the tools they open. Keys go
// to whatever holds the focus, as on a real keyboard; a step that Tab cannot
// reach fails with the name of the control it looked for.
#include "tests/app/WindowsUp.h"

#include "app/AtticWindow.h"
#include "app/ChildrensRoomWindow.h"
#include "app/EntranceWindow.h"
#include "app/GardenWindow.h"
#include "app/HouseWindow.h"
#include "app/Tavrio.h"
#include "exercises/grandma/TForm16.h"
#include "exercises/level/TForm20.h"
#include "exercises/singlequery/TForm4.h"
#include "exercises/helpdad/TForm17.h"
#include "exercises/hidden/TForm5.h"
#include "exercises/littlebrother/TForm12.h"
#include "exercises/quiz/TForm22.h"
#include "exercises/seenot/TForm21.h"
#include "exercises/test/TForm23.h"
#include "exercises/wheel/TForm24.h"
#include "exercises/wordsearch/TForm14.h"
#include "engine/Session.h"
#include "start/StartScreen.h"
#include "tools/grammar/TForm6.h"
#include "tools/options/TForm2.h"
#include "tools/vocabeditor/TForm3.h"
#include "ui/Windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <functional>
#include <vector>

using tavrio::test::cShellFixture;
using tavrio::test::cShellWindows;
using tavrio::windows;

namespace {
using WindowOf = std::function<QWidget*()>;

template <class W>
WindowOf window(W* tavrio::cWindows::*member)
{
    return [member] { return static_cast<QWidget*>(windows().*member); };
}

QString focused()
{
    const QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

QString active()
{
    const QWidget* w = QApplication::activeWindow();
    return w ? w->objectName() : QString();
}

// A key as the keyboard sends it: to the focused control, else the active
// window.
void press(Qt::Key key, const QString& text = {})
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QVERIFY2(target, "no window has the keyboard");
    if (text.isEmpty())
        QTest::keyClick(target, key);
    else
        QTest::keyClicks(target, text);
}

// Tab until `name` has the focus; at most one round through a window.
void tabTo(const QString& name)
{
    for (int i = 0; i < 40 && focused() != name; ++i)
        press(Qt::Key_Tab);
    QVERIFY2(focused() == name, qPrintable(QStringLiteral("Tab does not reach %1 in %2").arg(name, active())));
}

// Return on a picture area, Space on a push button (outside dialogs Qt's
// push buttons take Space only).
void pressFocused()
{
    press(qobject_cast<QAbstractButton*>(QApplication::focusWidget()) ? Qt::Key_Space : Qt::Key_Return);
}

void expectActive(QWidget* w)
{
    QVERIFY2(w->isVisible(), qPrintable(w->objectName() + QStringLiteral(" is not shown; active: ") + active()));
    QVERIFY2(QTest::qWaitForWindowActive(w), qPrintable(w->objectName() + QStringLiteral(" is not active")));
}

// Runs a checking step and leaves the test at its first failure.
#define STEP(...)                          \
    do {                                   \
        __VA_ARGS__;                       \
        if (QTest::currentTestFailed())    \
            return;                        \
    } while (false)

struct Exercise {
    const char* spot;
    WindowOf window;
};
struct Room {
    const char* door;   // the house's hot spot; null for the house itself
    WindowOf window;
    std::vector<Exercise> exercises;
};
} // namespace

class KeyboardWalkTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<cShellWindows> fx;

    // From `room`, opens each exercise with Return on its hot spot and
    // leaves it with Esc.
    void walkExercises(QWidget* room, const std::vector<Exercise>& exercises)
    {
        for (const Exercise& e : exercises) {
            STEP(tabTo(QString::fromLatin1(e.spot)));
            STEP(pressFocused());
            QWidget* opened = e.window();
            STEP(expectActive(opened));
            STEP(press(Qt::Key_Escape));
            QVERIFY2(!opened->isVisible(), qPrintable(opened->objectName() + QStringLiteral(" stays open on Esc")));
            STEP(expectActive(room));
        }
    }

private slots:
    void init()
    {
        // The sample list and level lie in the working directory before the
        // windows look for them.
        fx = std::make_unique<cShellWindows>([](cShellFixture& dir) {
            const QString runtime = qEnvironmentVariable("TAVRIO_RUNTIME_DIR");
            for (const char* file : {"Englisch.vok", "Start.lvl"})
                QVERIFY(QFile::copy(QDir(runtime).filePath(QLatin1String(file)), dir.path(QLatin1String(file))));
        });
    }
    void cleanup() { fx.reset(); }

    void fromTheLoginToEveryExerciseAndBack()
    {
        auto& w = windows();
        QWidget* start = w.formStart;
        QWidget* house = w.form8;
        w.form1->show();
        QVERIFY(QTest::qWaitForWindowActive(w.form1));
        press(Qt::Key_Space); // ends the count-down
        STEP(expectActive(start));
        QCOMPARE(w.formStart->currentPage(), int(TFormStart::LoginPage));

        // A new profile: name, Return in the name field, then "Und los gehts".
        STEP(tabTo(QStringLiteral("Edit1")));
        press(Qt::Key_unknown, QStringLiteral("Anna"));
        press(Qt::Key_Return);
        QVERIFY(QFile::exists(fx->path(QStringLiteral("Anna.pfl"))));
        STEP(tabTo(QStringLiteral("Label7")));
        press(Qt::Key_Return);
        QCOMPARE(w.formStart->currentPage(), int(TFormStart::ListSelectionPage));
        QVERIFY(tavrio::session());

        // Tick the one list, then "Los gehts".
        STEP(tabTo(QStringLiteral("CheckListBox1")));
        press(Qt::Key_Space);
        STEP(tabTo(QStringLiteral("Label9")));
        press(Qt::Key_Return);
        QCOMPARE(fx->seams.messages, QStringList());
        STEP(expectActive(house));

        const std::vector<Room> rooms = {
            {nullptr, window(&tavrio::cWindows::form8),
             {{"Papa", window(&tavrio::cWindows::form17)}, {"Oma", window(&tavrio::cWindows::form16)}}},
            {"Dachboden", window(&tavrio::cWindows::form9),
             {{"WOERTERSUCHEN", window(&tavrio::cWindows::form14)}, {"TEST", window(&tavrio::cWindows::form23)}}},
            {"Kinderzimmer", window(&tavrio::cWindows::form10),
             {{"KleinerBruder", window(&tavrio::cWindows::form12)},
              {"GLUECKSRAD", window(&tavrio::cWindows::form24)},
              {"Werwirdvokablaer", window(&tavrio::cWindows::form22)}}},
            {"Garten", window(&tavrio::cWindows::form11),
             {{"Verstecktaberwo", window(&tavrio::cWindows::form5)}, {"Seenot", window(&tavrio::cWindows::form21)}}},
        };
        for (const Room& r : rooms) {
            QWidget* room = r.window();
            if (r.door) {
                STEP(tabTo(QString::fromLatin1(r.door)));
                press(Qt::Key_Return);
                STEP(expectActive(room));
            }
            STEP(walkExercises(room, r.exercises));
            if (r.door) {
                press(Qt::Key_Escape);
                QVERIFY(!room->isVisible());
                STEP(expectActive(house));
            }
        }

        // Esc in the house goes back to the list selection.
        press(Qt::Key_Escape);
        QVERIFY(!house->isVisible());
        expectActive(start);
        QCOMPARE(w.formStart->currentPage(), int(TFormStart::ListSelectionPage));
        QCOMPARE(fx->seams.messages, QStringList());
    }

    void fromTheEntranceThroughTheOptionsAndTheirToolsAndBack()
    {
        auto& w = windows();
        QWidget* entrance = w.form1;
        QWidget* options = w.form2;
        entrance->show();
        QVERIFY(QTest::qWaitForWindowActive(entrance));
        press(Qt::Key_Space);
        STEP(expectActive(w.formStart));
        STEP(tabTo(QStringLiteral("ZumEingang")));
        pressFocused();
        STEP(expectActive(entrance));
        STEP(tabTo(QStringLiteral("Optionen")));
        press(Qt::Key_Return);
        STEP(expectActive(options));

        const std::vector<Exercise> tools = {
            {"Einzelabfrage", window(&tavrio::cWindows::form4)},
            {"Button4", window(&tavrio::cWindows::form3)},
            {"Button5", window(&tavrio::cWindows::form20)},
            {"Grammatik", window(&tavrio::cWindows::form6)},
        };
        STEP(walkExercises(options, tools));
        press(Qt::Key_Escape);
        QVERIFY(!options->isVisible());
        STEP(expectActive(entrance));
        QCOMPARE(fx->seams.questions, QStringList());
    }
};

QTEST_MAIN(KeyboardWalkTest)
#include "KeyboardWalkTest.moc"
