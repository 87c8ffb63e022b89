#pragma once
// Closing a window, or loading a file into it, over work that was not saved
// asks first; "Nein", the default button, keeps the work.
#include "ui/Seams.h"

namespace tavrio {

inline const QString kUnsavedOnClose =
    QStringLiteral("Die Änderungen sind noch nicht gespeichert. Trotzdem schließen?");

// True when the window may close: nothing unsaved, or the learner said Yes.
inline bool mayCloseWith(bool unsavedChanges)
{
    return !unsavedChanges || askYesNo(kUnsavedOnClose, cDefaultAnswer::No);
}

inline const QString kUnsavedOnLoad =
    QStringLiteral("Die Änderungen sind noch nicht gespeichert. Trotzdem laden?");

// True when a file may replace the work: nothing unsaved, or the learner said Yes.
inline bool mayLoadOver(bool unsavedChanges)
{
    return !unsavedChanges || askYesNo(kUnsavedOnLoad, cDefaultAnswer::No);
}

} // namespace tavrio
