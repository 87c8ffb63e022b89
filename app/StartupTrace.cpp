#include "app/StartupTrace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace tavrio::startup {
namespace {
bool enabled()
{
    static const bool on = std::getenv("TAVRIO_STARTUP_CPU") != nullptr;
    return on;
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double& previous()
{
    static double ms = 0;
    return ms;
}

// Marks the first paint, then quits from the event loop.
class cFirstPaint final : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || done_)
            return false;
        done_ = true;
        QMetaObject::invokeMethod(
            this,
            [] {
                mark("first show of the entrance");
                std::fprintf(stderr, "startup-cpu total %.2f\n", cpuMs());
                QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    bool done_ = false;
};
} // namespace

void mark(const char* step)
{
    if (!enabled())
        return;
    const double now = cpuMs();
    std::fprintf(stderr, "startup-cpu %s: %.2f\n", step, now - previous());
    previous() = now;
}

void quitAfterFirstPaint(QWidget* entrance)
{
    if (enabled())
        entrance->installEventFilter(new cFirstPaint);
}

} // namespace tavrio::startup
