#pragma once
// Base of the start screen's window tests: each test gets a fresh working
// directory (cShellFixture) with cleared settings, a stand-in house window
// and a shown TFormStart registered as the program's start screen. Call
// setUpStartScreen() from init() and tearDownStartScreen() from cleanup().
#include "tests/app/ShellFixture.h"
#include "tests/support/NamedChild.h"

#include "engine/Session.h"
#include "start/StartScreen.h"
#include "ui/Windows.h"

#include <QWidget>
#include <memory>

namespace tavrio::test {

class cStartScreenFixture {
protected:
    void setUpStartScreen()
    {
        fx = std::make_unique<cShellFixture>();
        cShellFixture::clearSettings();
        house = std::make_unique<QWidget>();
        newStartScreen();
        start->show();
    }
    void tearDownStartScreen()
    {
        start.reset();
        house.reset();
        tavrio::setSession(nullptr);
        tavrio::windows() = {};
        fx.reset();
    }
    // A new start screen in place of the old one, not shown yet.
    void newStartScreen()
    {
        start = std::make_unique<TFormStart>();
        start->setHouseWindow(house.get());
        tavrio::windows().formStart = start.get();
    }
    template <class T>
    T* child(const char* name)
    {
        return namedChild<T>(start.get(), QString::fromLatin1(name));
    }

    std::unique_ptr<cShellFixture> fx;
    std::unique_ptr<TFormStart> start;
    std::unique_ptr<QWidget> house;
};

} // namespace tavrio::test
