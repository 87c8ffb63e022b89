#include "ui/Navigation.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tavrio {

void openWindow(QWidget* from, QWidget* to)
{
    if (from)
        from->setEnabled(false);
    if (!to)
        return;
    to->show();
    to->setEnabled(true);
    to->raise();
    to->activateWindow();
}

void returnTo(QWidget* closing, QWidget* back)
{
    if (closing)
        closing->hide();
    if (!back)
        return;
    back->show();
    back->setEnabled(true);
    back->raise();
    back->activateWindow();
}

QSize centringOffset(QSize screen, QSize area)
{
    return QSize(screen.width() / 2 - area.width() / 2, screen.height() / 2 - area.height() / 2);
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->geometry();
    const QSize off = centringOffset(avail.size(), window->size());
    window->move(avail.left() + off.width(), avail.top() + off.height());
}

void makeFixedBorderless(QWidget* window, QSize size)
{
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    window->setFixedSize(size);
    centreOnScreen(window);
}

} // namespace tavrio
