#pragma once
// Closing a window over work that was not saved asks first; "Nein", the
// default button, keeps the window open.
#include "ui/Seams.h"

namespace tavrio {

inline const QString kUnsavedOnClose =
    QStringLiteral("Die Änderungen sind noch nicht gespeichert. Trotzdem schließen?");

// True when the window may close: nothing unsaved, or the learner said Yes.
inline bool mayCloseWith(bool unsavedChanges)
{
    return !unsavedChanges || askYesNo(kUnsavedOnClose, cDefaultAnswer::No);
}

} // namespace tavrio
