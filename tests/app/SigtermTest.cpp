// The program's windows run in a child process on the offscreen platform;
// the learner gives answers in "Versteckt, aber wo?" and, with the exercise
// still open, the child gets SIGTERM. It must end normally and leave the
// answers in the profile "Jürgen".
#include "app/ExitSaver.h"
#include "app/Tavrio.h"
#include "engine/Files.h"
#include "engine/Session.h"
#include "exercises/hidden/TForm5.h"
#include "tests/support/NamedChild.h"
#include "tests/support/ScriptedSeams.h"
#include "tests/app/WindowsUp.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kProfile = "J\xFCrgen";
const std::string kList = "Meine W\xF6rter.vok";

int fail(const char* what)
{
    std::fprintf(stderr, "FAIL: %s\n", what);
    return 1;
}

// The child: the program's windows, its exit saver, a logged-in learner
// who answers twice; then the message loop, told to the parent.
int runChild(int argc, char** argv, int ready)
{
    QApplication app(argc, argv);
    tavrio::test::ScriptedSeams seams;
    seams.install();
    tavrio::cExitSaver saver;
    QWidget room;
    int rc = 0;
    {
        // The windows go, and the learner logs off, before the messages are read.
        const tavrio::test::cWindowsUp windowsUp;
        tavrio::setSession(std::make_unique<cSession>(kProfile));
        tavrio::session()->AddVocabularyFile(kList);

        TForm5* form = tavrio::windows().form5;
        tavrio::openHiddenButWhere(&room);
        for (int k = 1; k <= 2; ++k) {
            const QString expected = tavrio::test::namedChild<QLineEdit>(form, QStringLiteral("richtiguebersetzt"))->text();
            tavrio::test::namedChild<QLineEdit>(form, QStringLiteral("Uebersetzt"))->setText(expected);
            QTest::mouseClick(tavrio::test::namedChild<QLabel>(form, QStringLiteral("Image%1").arg(k)), Qt::LeftButton);
        }
        QTimer::singleShot(0, [ready] {
            const char byte = 1;
            [[maybe_unused]] const auto n = ::write(ready, &byte, 1);
        });
        rc = app.exec();
    }
    return rc == 0 && seams.messages.isEmpty() ? 0 : 2;
}

} // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    char dirTemplate[] = "/tmp/tavrio-sigterm-XXXXXX";
    if (!::mkdtemp(dirTemplate))
        return fail("no temporary directory");
    const fs::path dir(dirTemplate);
    fs::current_path(dir);
    if (const char* runtime = std::getenv("TAVRIO_RUNTIME_DIR"))
        for (const char* sub : {"BG", "Hilfe", "Images"}) {
            std::error_code ec;
            fs::create_directory_symlink(fs::path(runtime) / sub, sub, ec);
        }
    const std::string header = std::string(1, char(kProfile.size())) + kProfile;
    if (!WriteFileAtomic(kProfile + ".pfl", header)
        || !WriteFileAtomic(kList, "Haus\r\nhouse\r\n1\r\n\r\nBaum\r\ntree\r\n1\r\n\r\n"))
        return fail("test files not written");

    int ready[2];
    if (::pipe(ready) != 0)
        return fail("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        std::_Exit(runChild(argc, argv, ready[1]));
    }
    ::close(ready[1]);
    pollfd waitReady{ready[0], POLLIN, 0};
    char byte = 0;
    const bool started = ::poll(&waitReady, 1, 60000) == 1 && ::read(ready[0], &byte, 1) == 1;

    int result = 0;
    std::string before;
    if (!started)
        result = fail("the child never reached its message loop");
    else if (!ReadFileBytes(kProfile + ".pfl", before) || before != header)
        result = fail("the profile was written before the signal");
    ::kill(child, started ? SIGTERM : SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (result == 0 && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
        result = fail("the program did not end normally after SIGTERM");

    if (result == 0) {
        cSession saved(kProfile);
        const bool answered = saved.GetScore("Haus", "house") > 20 || saved.GetScore("Baum", "tree") > 20;
        if (!answered)
            result = fail("the answers are not in the profile");
    }
    fs::current_path(fs::temp_directory_path());
    std::error_code ec;
    fs::remove_all(dir, ec);
    if (result == 0)
        std::printf("PASS: SIGTERM after answers keeps them in the profile\n");
    return result;
}
