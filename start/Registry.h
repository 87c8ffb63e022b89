#pragma once
// The two remembered choices of the start screen ("LastProfile",
// "LastFile"), kept in QSettings("Quendel", "Tavrio"): the registry on
// Windows, a config file elsewhere.
#include <QString>

namespace tavrio {

// False when the value does not exist or is not a number 0..65535.
bool ReadRegistryValue(const QString& name, int& value);
// Values outside 0..255 are not written. Failures are ignored.
void WriteRegistryValue(const QString& name, int value);

} // namespace tavrio
