#pragma once
// One window is active at a time: the opener disables itself, shows the
// other and enables it; closing the other shows and enables the opener.
#include <QPoint>
#include <QSize>
class QWidget;

namespace tavrio {

void openWindow(QWidget* from, QWidget* to);
// Disables a window while another one is in front; returnTo gives the
// keyboard back to the widget that had it.
void disableForAnother(QWidget* window);
void returnTo(QWidget* closing, QWidget* back);
// Borderless window of a fixed client size, centred on the primary screen.
void makeFixedBorderless(QWidget* window, QSize size);
void centreOnScreen(QWidget* window);
// Where centreOnScreen puts a window of `size` on a screen of `screen`: half
// the room left over, rounded down. A window one unit shorter than another
// (the attic, 599 units, under an exercise) then shares its top edge and
// stays hidden behind it, also where a factor of 1.5 rounds both windows'
// edges to device pixels.
QPoint centredTopLeft(QSize screen, QSize size);
// Offset that puts an area of `area` in the middle of `screen`
// (1024 x 768 and 800 x 600 give 112, 84).
QSize centringOffset(QSize screen, QSize area);

} // namespace tavrio
