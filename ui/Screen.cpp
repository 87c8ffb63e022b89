#include "ui/Screen.h"

#include "ui/ScreenPixels.h"

#include <QFont>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace tavrio {

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

double scaleFactorFor(QSize screen)
{
    if (screen.width() <= 0 || screen.height() <= 0)
        return 1.0;
    const double fit = std::min(screen.width() / 800.0, screen.height() / 600.0) * 0.9;
    return std::max(1.0, std::floor(fit * 4.0) / 4.0);
}

void chooseScaleFactor(int& argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        return;
    double factor = QSettings(QStringLiteral("Quendel"), QStringLiteral("Tavrio"))
                        .value(QStringLiteral("Skalierung"), 0.0)
                        .toDouble();
    if (!(factor > 0.0))
        factor = scaleFactorFor(primaryScreenPixels(argc, argv));
    factor = std::clamp(factor, 0.5, 8.0);
    if (factor != 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
}

} // namespace tavrio
