#pragma once
// Opening an exercise window from a room: the room is disabled first, so it
// takes no clicks while the window prepares its first round (which may show
// a message), then the window opens over it.
#include "ui/Navigation.h"

#include <QWidget>

namespace tavrio {

// False when the window has not been created; `prepare(window)` runs between
// disabling the room and opening the window.
template <class Window, class Prepare>
bool openExercise(Window* window, QWidget* room, Prepare&& prepare)
{
    if (!window)
        return false;
    disableForAnother(room);
    prepare(*window);
    window->openFrom(room);
    return true;
}

} // namespace tavrio
