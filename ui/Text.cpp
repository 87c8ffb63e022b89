#include "ui/Text.h"

#include "engine/Text.h"

namespace tavrio {

QString fromAnsi(const std::string& bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char c : bytes)
        out.append(QChar(static_cast<char16_t>(Cp1252CodePoint(c))));
    return out;
}

std::string toAnsi(const QString& text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar ch : text) {
        const int b = Cp1252Byte(ch.unicode());
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

} // namespace tavrio
