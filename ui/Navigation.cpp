#include "ui/Navigation.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <map>

namespace tavrio {

namespace {
// Per window, the widget that had the keyboard when it was disabled for
// another window; it gets the keyboard back when the window returns.
std::map<const QWidget*, QPointer<QWidget>>& focusBefore()
{
    static std::map<const QWidget*, QPointer<QWidget>> widgets;
    return widgets;
}

// Shows the window enabled, in front and active.
void bringUp(QWidget* window)
{
    window->show();
    window->setEnabled(true);
    window->raise();
    window->activateWindow();
}
} // namespace

void disableForAnother(QWidget* window)
{
    if (!window)
        return;
    if (window->isEnabled())
        focusBefore()[window] = window->focusWidget();
    window->setEnabled(false);
}

void openWindow(QWidget* from, QWidget* to)
{
    disableForAnother(from);
    if (to)
        bringUp(to);
}

void returnTo(QWidget* closing, QWidget* back)
{
    if (closing)
        closing->hide();
    if (!back)
        return;
    bringUp(back);
    const auto it = focusBefore().find(back);
    if (it != focusBefore().end()) {
        if (QWidget* w = it->second; w && back->isAncestorOf(w) && w->isVisible())
            w->setFocus(Qt::OtherFocusReason);
        focusBefore().erase(it);
    }
}

QSize centringOffset(QSize screen, QSize area)
{
    return QSize(screen.width() / 2 - area.width() / 2, screen.height() / 2 - area.height() / 2);
}

QPoint centredTopLeft(QSize screen, QSize size)
{
    return QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->geometry();
    window->move(avail.topLeft() + centredTopLeft(avail.size(), window->size()));
}

void makeFixedBorderless(QWidget* window, QSize size)
{
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    window->setFixedSize(size);
    centreOnScreen(window);
}

} // namespace tavrio
