// tavrio-shots: walks the program's real windows, as the owner creates them,
// from the entrance through every start-screen page, the house, its rooms
// and every exercise and tool window, and saves a grab of the whole screen
// after each step. Run it under Xvfb in a scratch working directory that
// holds the generated pictures and sample lists (scripts/screenshots.sh does
// all of this).
//
// Usage: tavrio-shots <output-folder>
// Files: <output-folder>/<NN>-<window>-<what>.png, and messages.txt with the
// messages and questions the windows raised on the way.
#include "app/Tavrio.h"
#include "engine/Session.h"
#include "start/StartScreen.h"
#include "tests/support/ScriptedSeams.h"
#include "ui/HelpWindow.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Windows.h"

#include "app/AtticWindow.h"
#include "app/ChildrensRoomWindow.h"
#include "app/EntranceWindow.h"
#include "app/GardenWindow.h"
#include "app/HouseWindow.h"
#include "app/MemoryWindow.h"
#include "exercises/grandma/TForm16.h"
#include "exercises/helpdad/TForm17.h"
#include "exercises/hidden/TForm5.h"
#include "exercises/lettershooting/TForm18.h"
#include "exercises/level/TForm20.h"
#include "exercises/littlebrother/TForm12.h"
#include "exercises/quiz/TForm22.h"
#include "exercises/seenot/TForm21.h"
#include "exercises/singlequery/TForm4.h"
#include "exercises/test/TForm23.h"
#include "exercises/wheel/TForm24.h"
#include "exercises/wordsearch/TForm14.h"
#include "tools/grammar/TForm6.h"
#include "tools/options/TForm2.h"
#include "tools/phonetics/TForm25.h"
#include "tools/vocabeditor/TForm3.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <functional>
#include <map>

namespace {

using tavrio::windows;

class cShooter {
public:
    explicit cShooter(const QString& folder) : out_(folder) { QDir().mkpath(folder); }

    // Lets the windows paint and the X server catch up.
    static void settle(int ms = 120)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(5);
        }
    }

    // Waits (up to `ms`) until `done` holds; false on time-out.
    static bool waitFor(const std::function<bool()>& done, int ms = 4000)
    {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < ms)
            settle(20);
        return done();
    }

    void shot(const QString& window, const QString& what)
    {
        settle();
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        const QString name = QStringLiteral("%1-%2-%3.png").arg(++count_, 2, 10, QLatin1Char('0')).arg(window, what);
        if (!screen.save(out_.filePath(name)))
            std::fprintf(stderr, "could not save %s\n", qPrintable(name));
        log_ << name << '\n';
        for (const QString& m : seams.messages)
            log_ << "  message: " << QString(m).replace(QLatin1Char('\r'), QLatin1Char(' ')) << '\n';
        for (const QString& q : seams.questions)
            log_ << "  question: " << QString(q).replace(QLatin1Char('\r'), QLatin1Char(' ')) << '\n';
        seams.messages.clear();
        seams.questions.clear();
    }

    QString messages() const { return text_; }

    tavrio::test::ScriptedSeams seams;

private:
    QDir out_;
    int count_ = 0;
    QString text_;
    QTextStream log_{&text_};
};

QWidget* child(QWidget* window, const char* name)
{
    QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (!w)
        qFatal("%s has no child %s", qPrintable(window->objectName()), name);
    return w;
}

// A click as the learner makes it: buttons are pressed (hidden ones too,
// as a room's hot spot would), picture areas get the mouse.
void click(QWidget* window, const char* name)
{
    QWidget* w = child(window, name);
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->click();
    else
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    cShooter::settle(30);
}

// Lights a hot spot as the mouse over it does.
void hover(QWidget* window, const char* name)
{
    QWidget* w = child(window, name);
    const QPointF at = QPointF(w->rect().center());
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

// Esc on the focused widget of the active window, else on the window.
void escape(QWidget* window)
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key_Escape);
    cShooter::settle(30);
}

void tickList(TFormStart* start, const QString& name)
{
    auto* lists = static_cast<QListWidget*>(child(start, "CheckListBox1"));
    for (int i = 0; i < lists->count(); ++i)
        if (lists->item(i)->text().startsWith(name))
            lists->item(i)->setCheckState(Qt::Checked);
}

void walkStartScreen(cShooter& s)
{
    auto& w = windows();
    TFormStart* start = w.formStart;
    w.form1->show();
    s.shot("TForm1", "intro");
    QTest::keyClick(w.form1, Qt::Key_Space); // ends the count-down
    cShooter::settle();
    s.shot("TFormStart", "login");

    QTest::keyClicks(static_cast<QLineEdit*>(child(start, "Edit1")), QStringLiteral("Anna"));
    click(start, "Button3");
    s.shot("TFormStart", "login-profile");

    click(start, "Button10"); // Testlogin: the engine test page
    s.shot("TFormStart", "enginetest");
    click(start, "Button11");

    click(start->page(TFormStart::LoginPage), "Label7");
    tickList(start, QStringLiteral("Englisch"));
    s.shot("TFormStart", "lists");

    click(start, "Button30");
    s.shot("TFormStart", "settings");
    escape(start);

    click(start->page(TFormStart::ListSelectionPage), "Button4");
    s.shot("TFormStart", "listeditor");

    click(start, "Button20");
    s.shot("TFormStart", "exchange");
    static_cast<QLineEdit*>(child(start, "searchforwhat"))->setText(QStringLiteral("house"));
    click(start, "Button19");
    QWidget* unreachable = child(start, "NichtErreichbar");
    if (!cShooter::waitFor([unreachable] { return unreachable->isVisible(); }))
        std::fprintf(stderr, "the exchange did not report itself unreachable\n");
    s.shot("TFormStart", "exchange-unreachable");

    s.seams.fileAnswers << QDir::current().filePath(QStringLiteral("Englisch.vok"));
    click(start, "Hochladen");
    auto* report = static_cast<QLabel*>(child(start, "Hochladebericht"));
    if (!cShooter::waitFor([report] { return !report->text().isEmpty(); }))
        std::fprintf(stderr, "the upload left no report\n");
    s.shot("TFormStart", "exchange-uploadreport");

    // Nothing in the program switches to the text page by itself; it holds
    // the transfer log.
    start->showPage(TFormStart::TextPage);
    s.shot("TFormStart", "textpage");
    escape(start); // to the exchange
    escape(start); // to the list editor
    escape(start); // to the list selection
    tickList(start, QStringLiteral("Englisch"));
}

void type(QWidget* window, const char* field, const QString& text)
{
    auto* edit = static_cast<QLineEdit*>(child(window, field));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// One move in a round, so the pictures also show the windows' answers.
const std::map<QString, std::function<void(QWidget*)>>& plays()
{
    static const std::map<QString, std::function<void(QWidget*)>> table = {
        {"TForm4", [](QWidget* w) { type(w, "Uebersetzt", "falsch"); QTest::keyClick(child(w, "Uebersetzt"), Qt::Key_Return); }},
        {"TForm5", [](QWidget* w) { type(w, "Uebersetzt", "falsch"); click(w, "Image45"); }},
        {"TForm14", [](QWidget* w) { click(w, "Button2"); }},
        {"TForm16", [](QWidget* w) { click(w, "Label8"); click(w, "Label8"); type(w, "Uebersetzt", "falsch"); }},
        {"TForm22", [](QWidget* w) { click(w, "Joker1"); click(w, "Joker3"); }},
        {"TForm23", [](QWidget* w) { type(w, "Test1Uebersetzt", "falsch"); click(w, "Richtig"); }},
    };
    return table;
}

// The exercise as opened, after one move when there is one, then Esc.
void shootExercise(cShooter& s, QWidget* exercise)
{
    s.shot(exercise->objectName(), "open");
    const auto play = plays().find(exercise->objectName());
    if (play != plays().end() && exercise->isVisible()) {
        play->second(exercise);
        s.shot(exercise->objectName(), "played");
    }
    if (exercise->isVisible())
        escape(exercise);
}

void walkRoom(cShooter& s, QWidget* house, const char* door, QWidget* room, const char* windowName,
              const char* lit, const std::vector<std::pair<const char*, QWidget*>>& exercises)
{
    click(house, door);
    hover(room, lit);
    s.shot(windowName, "lit");
    for (const auto& [spot, exercise] : exercises) {
        click(room, spot);
        shootExercise(s, exercise);
    }
    hover(room, "Image2");
    escape(room);
}

void walkHouse(cShooter& s)
{
    auto& w = windows();
    click(w.formStart->page(TFormStart::ListSelectionPage), "Label9"); // Los gehts
    QWidget* house = w.form8;
    if (!house->isVisible()) {
        std::fprintf(stderr, "Los gehts did not open the house\n");
        return;
    }
    hover(house, "Oma");
    s.shot("TForm8", "lit");
    click(house, "Hilfe");
    s.shot("TForm15", "help");
    escape(w.form15);

    using Exercises = std::vector<std::pair<const char*, QWidget*>>;
    walkRoom(s, house, "SCHREIBTISCH", w.form9, "TForm9", "WOERTERSUCHEN",
             Exercises{{"WOERTERSUCHEN", static_cast<QWidget*>(w.form14)},
                       {"TEST", static_cast<QWidget*>(w.form23)}});
    walkRoom(s, house, "BRUDERUNDTV", w.form10, "TForm10", "GLUECKSRAD",
             Exercises{{"KleinerBruder", static_cast<QWidget*>(w.form12)},
                       {"GLUECKSRAD", static_cast<QWidget*>(w.form24)},
                       {"Werwirdvokablaer", static_cast<QWidget*>(w.form22)}});
    walkRoom(s, house, "GARTENButton", w.form11, "Tform11", "Seenot",
             Exercises{{"Verstecktaberwo", static_cast<QWidget*>(w.form5)},
                       {"Seenot", static_cast<QWidget*>(w.form21)}});
    // The house's own two exercises.
    for (const auto& [spot, exercise] : Exercises{{"Papa", static_cast<QWidget*>(w.form17)},
                                                  {"Oma", static_cast<QWidget*>(w.form16)}}) {
        click(house, spot);
        shootExercise(s, exercise);
    }
    escape(house); // back to the start screen
}

void walkOptions(cShooter& s)
{
    auto& w = windows();
    TFormStart* start = w.formStart;
    click(start->page(TFormStart::ListSelectionPage), "ZumEingang");
    hover(w.form1, "Start");
    s.shot("TForm1", "entrance");

    click(w.form1, "Optionen");
    QWidget* options = static_cast<QWidget*>(w.form2);
    s.seams.fileAnswers << QDir::current().filePath(QStringLiteral("Englisch.vok"));
    click(options, "Button2"); // "andere Datei auswählen"
    s.shot("TForm2", "options");

    QWidget* editor = static_cast<QWidget*>(w.form3);
    click(options, "Button4");
    s.shot("TForm3", "open");
    click(editor, "Button9");
    s.shot("TForm25", "open");
    escape(static_cast<QWidget*>(w.form25));
    escape(editor);

    const std::pair<const char*, QWidget*> tools[] = {
        {"Grammatik", static_cast<QWidget*>(w.form6)},
        {"Button5", static_cast<QWidget*>(w.form20)},
        {"Einzelabfrage", static_cast<QWidget*>(w.form4)},
    };
    for (const auto& [button, window] : tools) {
        click(options, button);
        // The single query's round starts with its "Start" button.
        if (window == static_cast<QWidget*>(w.form4))
            click(window, "Button2");
        shootExercise(s, window);
    }
    escape(options);

    // Created at start-up but opened by nothing yet: shown as they would be.
    QWidget* entrance = w.form1;
    tavrio::openWindow(entrance, static_cast<QWidget*>(w.form13));
    s.shot("TForm13", "shown");
    static_cast<QWidget*>(w.form13)->close();
    w.form18->openFrom(entrance);
    s.shot("TForm18", "shown");
    static_cast<QWidget*>(w.form18)->close();
}

} // namespace

// QTest reports events that a window closed by them did not take; the walk
// expects that, so those lines are dropped.
QtMessageHandler standardHandler = nullptr;

void quietEvents(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.endsWith(QLatin1String("not accepted by receiving widget")))
        standardHandler(type, context, text);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    standardHandler = qInstallMessageHandler(quietEvents);
    tavrio::chooseScaleFactor(argc, argv);
    QApplication app(argc, argv);
    tavrio::setUpApplication(app);

    cShooter shooter(QString::fromLocal8Bit(argv[1]));
    shooter.seams.install();
    tavrio::createWindows();

    walkStartScreen(shooter);
    walkHouse(shooter);
    walkOptions(shooter);

    QFile log(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("messages.txt")));
    if (log.open(QIODevice::WriteOnly))
        log.write(shooter.messages().toUtf8());
    tavrio::setSession(nullptr);
    tavrio::destroyWindows();
    return 0;
}
