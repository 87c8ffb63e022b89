#pragma once
// Paths that come from the Qt side (a file dialog) become engine names here,
// the only place where a QString path turns into engine bytes. The engine's
// file helpers (engine/Files.h) then give the name on disk.
#include <QString>

#include <optional>
#include <string>

namespace tavrio {

// The engine name (Windows-1252 bytes) of `path`: relative to the current
// directory when the file lies there, else the absolute path. A path holding
// a character that Windows-1252 cannot hold is refused: the learner is told
// so in a message box and the result is empty.
std::optional<std::string> engineFileName(const QString& path);

// `path` as engine bytes, unshortened; refused like engineFileName.
std::optional<std::string> engineBytes(const QString& path);

// The text of that refusal for `path`.
QString unsupportedNameMessage(const QString& path);

} // namespace tavrio
