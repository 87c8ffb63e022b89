#include "ui/ScreenPixels.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>

#include <cstring>

#ifdef TAVRIO_X11_SCREEN
#include <xcb/randr.h>
#include <xcb/xcb.h>
#include <cstdlib>
#endif

namespace tavrio {

bool asksX11Directly(const QByteArray& qpaPlatform, const QByteArray& display, int argc, char** argv)
{
    if (display.isEmpty())
        return false;
    // "xcb" may carry options after a colon ("xcb:nograb").
    if (!qpaPlatform.isEmpty() && qpaPlatform != "xcb" && !qpaPlatform.startsWith("xcb:"))
        return false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    return true;
}

#ifdef TAVRIO_X11_SCREEN
namespace {
// RandR 1.5 monitors: the primary one, else the first active one.
QSize primaryMonitor(xcb_connection_t* c, xcb_window_t root)
{
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_randr_id);
    if (!ext || !ext->present)
        return {};
    xcb_randr_get_monitors_reply_t* reply =
        xcb_randr_get_monitors_reply(c, xcb_randr_get_monitors(c, root, 1), nullptr);
    if (!reply)
        return {};
    QSize size;
    for (auto it = xcb_randr_get_monitors_monitors_iterator(reply); it.rem; xcb_randr_monitor_info_next(&it)) {
        const QSize s(it.data->width, it.data->height);
        if (it.data->primary || !size.isValid())
            size = s;
        if (it.data->primary)
            break;
    }
    std::free(reply);
    return size;
}
} // namespace

QSize x11PrimaryScreenPixels()
{
    int number = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &number);
    QSize size;
    if (!xcb_connection_has_error(c)) {
        auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < number && it.rem; ++i)
            xcb_screen_next(&it);
        if (it.rem) {
            size = primaryMonitor(c, it.data->root);
            if (!size.isValid())
                size = QSize(it.data->width_in_pixels, it.data->height_in_pixels);
        }
    }
    xcb_disconnect(c);
    return size;
}
#else
QSize x11PrimaryScreenPixels() { return {}; }
#endif

QSize primaryScreenPixels(int& argc, char** argv)
{
    if (asksX11Directly(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), argc, argv)) {
        const QSize size = x11PrimaryScreenPixels();
        if (size.isValid())
            return size;
    }
    const QGuiApplication probe(argc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() * screen->devicePixelRatio() : QSize();
}

} // namespace tavrio
