#include "app/ExitSaver.h"

#include "ui/Progress.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#ifndef _WIN32
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace tavrio {

namespace {
#ifndef _WIN32
int signalPipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}
#endif
} // namespace

cExitSaver::cExitSaver(QObject* parent) : QObject(parent)
{
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // The session manager's "save yourself": the profile is written at
        // once, before the desktop goes on.
        connect(gui, &QGuiApplication::commitDataRequest, this, &cExitSaver::commitData, Qt::DirectConnection);
    }
#ifndef _WIN32
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &cExitSaver::signalArrived);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : kSignals)
        ::sigaction(sig, &action, nullptr);
#endif
}

cExitSaver::~cExitSaver()
{
#ifndef _WIN32
    if (notifier_) {
        for (const int sig : kSignals)
            std::signal(sig, SIG_DFL);
        delete notifier_;
        notifier_ = nullptr;
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
    }
#endif
}

void cExitSaver::commitData(QSessionManager& manager)
{
    // A message box only when the session manager lets the program ask.
    const bool mayShow = manager.allowsInteraction();
    saveProgress(mayShow ? cSaveReport::MessageBox : cSaveReport::StandardError);
    if (mayShow)
        manager.release();
}

void cExitSaver::signalArrived()
{
#ifndef _WIN32
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
#endif
    // No one may be at the screen to close a message box.
    saveProgress(cSaveReport::StandardError);
    QCoreApplication::exit(0);
}

} // namespace tavrio
