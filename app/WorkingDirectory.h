#pragma once
// The program reads its pictures ("BG", "Hilfe", "Images", "Sound") and
// keeps profiles, lists and "config.ini" in the current directory. Started
// elsewhere (a desktop menu, a home directory), it moves to its per-user
// data directory, filled at first start from the generated runtime files.
#include <QString>
#include <QStringList>

namespace tavrio {

// Directories that may hold the generated runtime files, best first: the
// TAVRIO_RUNTIME_DIR environment variable, "runtime" beside the program,
// "../runtime", "../share/tavrio", and the build tree's runtime directory.
QStringList runtimeCandidates(const QString& programDir);
// The first candidate that holds a BG folder, or an empty string.
QString findRuntimeDirectory(const QString& programDir);
// Copies every file of `from` that `to` lacks (sub-folders included);
// existing files are never overwritten. False when a copy failed.
bool populateDirectory(const QString& from, const QString& to);
// Brings the program's own pictures and sounds (the folders "BG", "Hilfe",
// "Images", "Sound") of `to` up to date with `from`: missing files are
// copied, older ones replaced; so are the pictures beside them, and a level
// file ("Start.lvl") comes when it is missing. Other files (the learner's)
// are not touched.
bool refreshPictures(const QString& from, const QString& to);
// Keeps the current directory when it has a BG folder; otherwise switches
// to `dataDir`, filled at the first start and with its pictures refreshed
// at every later one. Returns the directory in use.
QString chooseWorkingDirectory(const QString& programDir, const QString& dataDir);

} // namespace tavrio
