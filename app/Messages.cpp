#include "app/Messages.h"

#include "ui/Seams.h"

namespace tavrio {

void comingSoon() { showMessage(QStringLiteral("Coming soon!")); }

void showImpressum()
{
    showMessage(QStringLiteral("Tavrio – der Vokabeltrainer für Schülerinnen und Schüler\r\n"
                               "Version 2.0\r\n\r\n"
                               "Ob es eine neuere Version gibt, fragt Tavrio beim Start\r\n"
                               "bei der Vokabelbörse nach.\r\n\r\n"
                               "Idee, Programm und Bilder: das Tavrio-Team (Quendel)\r\n"
                               "Viel Spaß beim Lernen!"));
}

} // namespace tavrio
