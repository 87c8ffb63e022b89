#include "start/Registry.h"

#include <QSettings>

namespace tavrio {

bool ReadRegistryValue(const QString& name, int& value)
{
    QSettings settings(QStringLiteral("Quendel"), QStringLiteral("Tavrio"));
    const QVariant v = settings.value(name);
    if (!v.isValid())
        return false;
    bool ok = false;
    const int n = v.toInt(&ok);
    if (!ok || n < 0 || n > 65535)
        return false;
    value = n;
    return true;
}

void WriteRegistryValue(const QString& name, int value)
{
    if (value < 0 || value > 255)
        return;
    QSettings settings(QStringLiteral("Quendel"), QStringLiteral("Tavrio"));
    settings.setValue(name, value);
}

} // namespace tavrio
