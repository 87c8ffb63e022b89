#pragma once
// The primary screen's size in device pixels, read before the QApplication
// exists. Asking the X server directly costs one short connection; a
// throw-away QGuiApplication (the fallback) costs a whole platform start.
#include <QSize>

namespace tavrio {

// True when Qt will draw through X11 and the X server can be asked
// directly: a DISPLAY is named, no other platform is chosen by
// QT_QPA_PLATFORM or a "-platform" argument.
bool asksX11Directly(const QByteArray& qpaPlatform, const QByteArray& display, int argc, char** argv);

// The primary monitor of the X server named by DISPLAY (the whole screen
// without RandR); an invalid size when there is no X server or no X11
// support was built in.
QSize x11PrimaryScreenPixels();

// The size through the route above, else through a short-lived
// QGuiApplication.
QSize primaryScreenPixels(int& argc, char** argv);

} // namespace tavrio
