#include "start/Profiles.h"

#include "engine/ListFile.h"
#include "ui/Text.h"

#include <algorithm>

namespace tavrio {

std::vector<cNamedFile> listFiles(const std::string& extension)
{
    std::vector<cNamedFile> found;
    for (const std::string& file : ListDirectory(".", "*" + extension)) {
        if (file.size() <= extension.size())
            continue;
        const std::string base = file.substr(0, file.size() - extension.size());
        found.push_back({fromAnsi(base), base});
    }
    std::sort(found.begin(), found.end(), [](const cNamedFile& a, const cNamedFile& b) {
        const int c = QString::compare(a.display, b.display, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.bytes < b.bytes;
    });
    return found;
}

QString profileNameProblem(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Bitte gib zuerst deinen Namen ein.");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QStringLiteral("..")))
        return QStringLiteral("Der Name darf weder \"/\" noch \"\\\" noch \"..\" enthalten.\r\nBitte wähle einen anderen.");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c == QLatin1Char(':') || c == QLatin1Char('*') || c == QLatin1Char('?')
            || c == QLatin1Char('"') || c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('|'))
            return QStringLiteral("Der Name darf keines dieser Zeichen enthalten: : * ? \" < > |\r\nBitte wähle einen anderen.");
    }
    const std::string bytes = toAnsi(name);
    if (fromAnsi(bytes) != name)
        return QStringLiteral("Der Name enthält Zeichen, die Tavrio nicht speichern kann.\r\nBitte wähle einen anderen.");
    // The profile stores the name's length in one byte, and the file name
    // "<name>.pfl" must stay within the usual 255 bytes.
    if (bytes.size() > 251)
        return QStringLiteral("Der Name ist zu lang (höchstens 251 Zeichen).\r\nBitte wähle einen kürzeren.");
    return {};
}

bool createProfileFile(const std::string& nameBytes)
{
    if (nameBytes.empty() || nameBytes.size() > 255)
        return false;
    std::string bytes;
    bytes.push_back(static_cast<char>(static_cast<unsigned char>(nameBytes.size())));
    bytes += nameBytes;
    return WriteFileAtomic(nameBytes + ".pfl", bytes);
}

} // namespace tavrio
