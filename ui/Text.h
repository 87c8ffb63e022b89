#pragma once
// The one conversion between the engine's 8-bit Windows-1252 bytes and the
// display's QString. Nothing else converts text.
#include <QString>
#include <string>

namespace tavrio {

QString fromAnsi(const std::string& bytes);
// Characters Windows-1252 cannot hold become '?'.
std::string toAnsi(const QString& text);

} // namespace tavrio
