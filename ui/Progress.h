#pragma once
// Saving the learner's progress (the session's profile) on the program's
// ways out: an exercise closing back to its room, the desktop session
// asking the program to save, a termination signal, the main window closing.
#include <QString>

namespace tavrio {

// Where a failed save is told.
enum class cSaveReport { MessageBox, StandardError };

// Saves the profile of the current session (nothing to do without one; that
// counts as success). A failure is told in German once: later failures stay
// quiet until a save succeeds again, so a full disk does not bring up the
// same box at every closed exercise.
bool saveProgress(cSaveReport report = cSaveReport::MessageBox);

// The text of that report.
QString saveFailedMessage();

} // namespace tavrio
