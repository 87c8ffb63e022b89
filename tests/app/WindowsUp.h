#pragma once
// The program's windows for as long as a guard lives. On the way out the
// learner is logged off before the windows go, so no window outlives the
// session it shows or the working directory it reads.
#include "tests/app/ShellFixture.h"

#include "app/Tavrio.h"
#include "engine/Session.h"
#include "ui/Windows.h"

#include <functional>
#include <optional>

namespace tavrio::test {

class cWindowsUp {
public:
    cWindowsUp() { tavrio::createWindows(); }
    ~cWindowsUp()
    {
        tavrio::setSession(nullptr);
        tavrio::destroyWindows();
    }
    cWindowsUp(const cWindowsUp&) = delete;
    cWindowsUp& operator=(const cWindowsUp&) = delete;
};

// A fresh working directory with cleared settings and the windows up in it.
// `prepare` runs in the new directory before the windows are made.
class cShellWindows : public cShellFixture {
public:
    explicit cShellWindows(const std::function<void(cShellFixture&)>& prepare = {})
    {
        clearSettings();
        if (prepare)
            prepare(*this);
        up_.emplace();
    }

private:
    std::optional<cWindowsUp> up_;
};

} // namespace tavrio::test
