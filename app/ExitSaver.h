#pragma once
// Keeps the learner's progress when the program is ended from outside: the
// desktop session asking it to save (commitDataRequest, at logout or
// shutdown) and, on Linux and macOS, SIGTERM, SIGINT and SIGHUP. A signal
// only writes one byte into a pipe (nothing else is safe in a handler); the
// GUI thread reads it, saves the profile and quits the message loop
// normally, so the program ends as after closing the main window.
#include <QObject>

class QSessionManager;
class QSocketNotifier;

namespace tavrio {

class cExitSaver final : public QObject {
    Q_OBJECT
public:
    // Needs the application object; one at a time.
    explicit cExitSaver(QObject* parent = nullptr);
    ~cExitSaver() override;

private:
    void commitData(QSessionManager& manager);
    void signalArrived();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tavrio
