#include "app/Tavrio.h"

#include "app/AtticWindow.h"
#include "app/ChildrensRoomWindow.h"
#include "app/EntranceWindow.h"
#include "app/ExitSaver.h"
#include "app/GardenWindow.h"
#include "app/HouseWindow.h"
#include "app/MemoryWindow.h"
#include "app/StartupTrace.h"
#include "app/WorkingDirectory.h"
#include "engine/Random.h"
#include "exercises/grandma/TForm16.h"
#include "exercises/helpdad/TForm17.h"
#include "exercises/hidden/TForm5.h"
#include "exercises/level/TForm20.h"
#include "exercises/seenot/TForm21.h"
#include "exercises/lettershooting/TForm18.h"
#include "exercises/littlebrother/TForm12.h"
#include "exercises/singlequery/TForm4.h"
#include "exercises/test/TForm23.h"
#include "exercises/wheel/TForm24.h"
#include "exercises/wordsearch/TForm14.h"
#include "exercises/quiz/TForm22.h"
#include "engine/Session.h"
#include "start/ExchangeWiring.h"
#include "start/StartScreen.h"
#include "tools/grammar/TForm6.h"
#include "tools/options/TForm2.h"
#include "tools/phonetics/TForm25.h"
#include "tools/vocabeditor/TForm3.h"
#include "ui/HelpWindow.h"
#include "ui/KeyboardLook.h"
#include "ui/Screen.h"
#include "ui/Seams.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QStandardPaths>
#include <QWindow>
#include <typeinfo>
#include <vector>

namespace tavrio {

namespace {
std::vector<QWidget*>& created()
{
    static std::vector<QWidget*> list;
    return list;
}

// Every other window is a dialog-type window shown as a transient of the
// window that opens it (the active one, else the entrance), so the window
// manager keeps the chain entrance < start screen < house < room < exercise
// in order even when the learner clicks a disabled window behind.
class cKeepAboveOpener final : public QObject {
public:
    explicit cKeepAboveOpener(QWidget* main) : main_(main) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || watched == main_ || !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        QWindow* own = w->isWindow() ? w->windowHandle() : nullptr;
        if (!own)
            return false;
        QWindow* parent = main_->windowHandle();
        if (QWidget* active = QApplication::activeWindow(); active && active != w && active->windowHandle())
            parent = active->windowHandle();
        for (QWindow* up = parent; up; up = up->transientParent())
            if (up == own) {
                parent = main_->windowHandle();
                break;
            }
        if (parent != own && own->transientParent() != parent)
            own->setTransientParent(parent);
        return false;
    }

private:
    QWidget* main_;
};

template <class W>
W* make()
{
    W* w = new W;
    created().push_back(w);
    startup::mark(typeid(W).name());
    return w;
}
} // namespace

void createWindows()
{
    cWindows& w = windows();
    // Start-up order: TForm1, TFormStart, TForm2 ... TForm6, TForm8 ... TForm25.
    // Windows built elsewhere take their place in this order as they arrive.
    w.form1 = make<TForm1>();
    w.entrance = w.form1;
    w.formStart = make<TFormStart>();
    exchange::installExchange(*w.formStart);
    w.form2 = make<TForm2>();
    w.form3 = make<TForm3>();
    w.form4 = make<TForm4>();
    w.form5 = make<TForm5>();
    w.form6 = make<TForm6>();
    w.form8 = make<TForm8>();
    w.form9 = make<TForm9>();
    w.form10 = make<TForm10>();
    w.form11 = make<Tform11>();
    w.form12 = make<TForm12>();
    w.form13 = make<TForm13>();
    w.form14 = make<TForm14>();
    w.form15 = make<TForm15>();
    w.form16 = make<TForm16>();
    w.form17 = make<TForm17>();
    w.form18 = make<TForm18>();
    w.form20 = make<TForm20>();
    w.form21 = make<TForm21>();
    w.form22 = make<TForm22>();
    w.form23 = make<TForm23>();
    w.form24 = make<TForm24>();
    w.form25 = make<TForm25>();

    // None of them has a native window yet, so the flag is only recorded
    // (setWindowFlags would re-parent each window and all its children).
    for (QWidget* window : created())
        if (window != w.form1)
            window->overrideWindowFlags(window->windowFlags() | Qt::Dialog);

    w.formStart->setMainWindow(w.form1);
    w.formStart->setHouseWindow(w.form8);
    w.form8->setUpperWindow(w.formStart);
    w.form9->setUpperWindow(w.form8);
    w.form10->setUpperWindow(w.form8);
    w.form11->setUpperWindow(w.form8);
    setPhoneticEntryOpener([](QWidget* from, PhoneticHandBack back) {
        if (TForm25* entry = windows().form25)
            entry->openFrom(from, std::move(back));
    });
}

void destroyWindows()
{
    auto& list = created();
    while (!list.empty()) {
        delete list.back();
        list.pop_back();
    }
    windows() = cWindows{};
}

void setUpApplication(QApplication& app)
{
    installFontSubstitutions();
    installKeyboardLook(app);
    QApplication::setApplicationName(QStringLiteral("Tavrio"));
    QApplication::setOrganizationName(QStringLiteral("Quendel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavrio"));
}

int run(int argc, char** argv)
{
    startup::mark("to main");
    Randomize();
    // The windows place themselves on the screen (centred, the entrance over
    // the whole screen), which Wayland does not allow; under a Wayland
    // desktop the program therefore uses its X11 compatibility display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    chooseScaleFactor(argc, argv);
    QApplication app(argc, argv);
    startup::mark("QApplication");
    setUpApplication(app);
    chooseWorkingDirectory(QApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // Qt's own texts (file dialogs, context menus) in German where the
    // translation is installed.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);
    installQtSeams();
    startup::mark("before the windows");
    createWindows();
    startup::mark("wiring the windows");
    cExitSaver exitSaver;
    cKeepAboveOpener keepAbove(windows().form1);
    app.installEventFilter(&keepAbove);
    startup::quitAfterFirstPaint(windows().form1);
    // Every new widget asks to be polished once the event loop runs, which
    // would style the hidden windows' hundreds of widgets before the
    // entrance is painted. A widget is polished when it is shown anyway.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
    windows().form1->show();
    const int rc = app.exec();
    app.removeEventFilter(&keepAbove);
    setSession(nullptr);
    destroyWindows();
    return rc;
}

} // namespace tavrio
