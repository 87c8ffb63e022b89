#pragma once
// One window is active at a time: the opener disables itself, shows the
// other and enables it; closing the other shows and enables the opener.
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
// Offset that puts an area of `area` in the middle of `screen`
// (1024 x 768 and 800 x 600 give 112, 84).
QSize centringOffset(QSize screen, QSize area);

} // namespace tavrio
