#pragma once
// Profile and list files in the working directory. Names are the engine's
// Windows-1252 bytes, listed through the engine's ListDirectory (which gives
// the names on disk back as engine bytes) and shown through fromAnsi.
#include <QString>
#include <string>
#include <vector>

namespace tavrio {

struct cNamedFile {
    QString display;     // base name as shown
    std::string bytes;   // base name as stored on disk (without extension)
};

// Base names of the files "*<extension>" in the current directory, sorted
// by their shown name, case-insensitively.
std::vector<cNamedFile> listFiles(const std::string& extension);

// Why `name` cannot become a profile, in German; empty when it can.
QString profileNameProblem(const QString& name);

// Writes a profile without records: one length byte and the name's bytes.
bool createProfileFile(const std::string& nameBytes);

} // namespace tavrio
